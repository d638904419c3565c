#pragma once
#include <string>

// The mode screen's own texts (everything else it shows comes from the
// message catalogue).
namespace examsim::exam_mode::text {

inline constexpr const char* kAdaptiveOn = "You have switched to Adaptive Mode";
inline constexpr const char* kFontSizeChosen = "The Question in the Exam will appear in selected font size.";
inline constexpr const char* kResumeSavedExam =
    "Press \xE2\x80\x9CYes\xE2\x80\x9D to activate your previously saved exam once for use.\n"
    "Please note that if you cancel the exam, no changes will be saved further.";
inline constexpr const char* kSlowRandomAdaptive =
    "Your system may responde bit slow depending on Memory and Processor you have.\nDo you want to continue?";
inline constexpr const char* kTooFewBookmarks = "There isn't sufficient number of questions that you have Bookmarked.";
inline constexpr const char* kInvalidQuestionCount = "Please Enter valid number of questions.";
inline constexpr const char* kInvalidTimePerQuestion = "Please enter a valid time per question, in whole seconds.";
inline constexpr const char* kInvalidTimerSetting = "The exam timer setting was not understood; please choose it again.";
inline constexpr const char* kInvalidFontSize = "Please choose one of the offered font sizes.";
inline constexpr const char* kBookmarkNotReadable = "Error while loading bookmark xml";

inline std::string pageMissing(const std::string& page) {
    return "This page is not part of the product: " + page;
}

}  // namespace examsim::exam_mode::text
