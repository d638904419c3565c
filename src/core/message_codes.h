#pragma once
#include <array>
#include <string_view>

namespace examsim {

// A text of the system document, named by its code. The catalogue does not
// check the section; `examsim-pack check` holds the product's system file to
// this table.
struct MessageCode {
    const char* code;
    std::string_view section;  // "<group>/<kind>" under the system document's root
};

namespace msgsection {
inline constexpr std::string_view QuestionBankInformation = "QuestionBankMessages/Information";
inline constexpr std::string_view QuestionBankError = "QuestionBankMessages/Error";
inline constexpr std::string_view SystemInformation = "SystemMessages/Information";
inline constexpr std::string_view ReportInformation = "ReportMessages/Information";
inline constexpr std::string_view ReportError = "ReportMessages/Error";
inline constexpr std::string_view ReportConfirmation = "ReportMessages/Confirmation";

// In the order the catalogue is filled.
inline constexpr std::array kAll{QuestionBankInformation, QuestionBankError, SystemInformation,
                                 ReportInformation,       ReportError,       ReportConfirmation};
}  // namespace msgsection

// Every code the program shows. A product has all of kAll; those of kOptional
// it may leave out.
namespace msgcode {
inline constexpr MessageCode QuizFileUnreadable{"qe2", msgsection::QuestionBankError};
inline constexpr MessageCode TestDataUnreadable{"qe5", msgsection::QuestionBankError};  // bank, saved exam, history or scoring
inline constexpr MessageCode SystemFileUnreadable{"qe6", msgsection::QuestionBankError};
inline constexpr MessageCode ProductFileUnreadable{"qe7", msgsection::QuestionBankError};
inline constexpr MessageCode TipFileUnreadable{"qe8", msgsection::QuestionBankError};
inline constexpr MessageCode AdaptiveLevelTooSmall{"qi8", msgsection::QuestionBankInformation};
inline constexpr MessageCode TestNotBuilt{"qi9", msgsection::QuestionBankInformation};  // a practice test or a quiz
inline constexpr MessageCode TimeTooShort{"qi12", msgsection::QuestionBankInformation};
inline constexpr MessageCode QuizAlreadyShown{"qi14", msgsection::QuestionBankInformation};
inline constexpr MessageCode RandomTestNotBuilt{"qi16", msgsection::QuestionBankInformation};
inline constexpr MessageCode QuizNothingChosen{"qi18", msgsection::QuestionBankInformation};
inline constexpr MessageCode ExamTimerOn{"qi21", msgsection::QuestionBankInformation};  // also: a customized build failed
inline constexpr MessageCode ExamTimerChanged{"qi22", msgsection::QuestionBankInformation};
inline constexpr MessageCode TimeTooLong{"qi23", msgsection::QuestionBankInformation};
inline constexpr MessageCode SaveRetakeReport{"rc2", msgsection::ReportConfirmation};
inline constexpr MessageCode PrintPage{"rc4", msgsection::ReportConfirmation};
inline constexpr MessageCode HistoryUnreadable{"re1", msgsection::ReportError};
inline constexpr MessageCode NoHistoryYet{"ri1", msgsection::ReportInformation};
inline constexpr MessageCode NoSavedExam{"ri4", msgsection::ReportInformation};
inline constexpr MessageCode NoBookmarks{"ri5", msgsection::ReportInformation};
inline constexpr MessageCode RetakeNotBuilt{"ri6", msgsection::ReportInformation};
inline constexpr MessageCode ResetConfirm{"ri7", msgsection::ReportInformation};
inline constexpr MessageCode NothingToPrint{"ri8", msgsection::ReportInformation};
inline constexpr MessageCode ModeSelectionFailed{"ri9", msgsection::ReportInformation};
inline constexpr MessageCode CustomizedNothingChosen{"ri10", msgsection::ReportInformation};
inline constexpr MessageCode BookmarksStored{"ri11", msgsection::ReportInformation};
inline constexpr MessageCode UpdateInstallerStarted{"si9", msgsection::SystemInformation};
inline constexpr MessageCode UpdateServerRefused{"si10", msgsection::SystemInformation};
inline constexpr MessageCode NoInternetConnection{"si12", msgsection::SystemInformation};
inline constexpr MessageCode FileNotWritten{"si13", msgsection::SystemInformation};
inline constexpr MessageCode NoTipsNTricks{"si17", msgsection::SystemInformation};
inline constexpr MessageCode NoQuickRevisionNotes{"si18", msgsection::SystemInformation};
// Shown only when the product has it (else ExamTimerOn).
inline constexpr MessageCode ExamTimerSwitchedOn{"qi24", msgsection::QuestionBankInformation};

inline constexpr std::array kAll{
    QuizFileUnreadable, TestDataUnreadable,  SystemFileUnreadable, ProductFileUnreadable, TipFileUnreadable,
    AdaptiveLevelTooSmall, TestNotBuilt,     TimeTooShort,         QuizAlreadyShown,      RandomTestNotBuilt,
    QuizNothingChosen,  ExamTimerOn,         ExamTimerChanged,     TimeTooLong,           SaveRetakeReport,
    PrintPage,          HistoryUnreadable,   NoHistoryYet,         NoSavedExam,           NoBookmarks,
    RetakeNotBuilt,     ResetConfirm,        NothingToPrint,       ModeSelectionFailed,   CustomizedNothingChosen,
    BookmarksStored,    UpdateInstallerStarted, UpdateServerRefused, NoInternetConnection, FileNotWritten,
    NoTipsNTricks,      NoQuickRevisionNotes,
};
// Codes a product may leave out.
inline constexpr std::array kOptional{ExamTimerSwitchedOn};
}  // namespace msgcode

}  // namespace examsim
