#pragma once
#include <pugixml.hpp>
#include <string>
#include <string_view>

namespace examsim {

struct AppContext;

// The answer file, "Database/Answers.wlb": root `Answers`, one `Ans` per question.
inline constexpr const char* kAnswerDataName = "Answers";

struct AnswerLoad {
    bool ok = false;
    std::string problem;  // for the user when not ok: what is wrong and that the program must end
    explicit operator bool() const { return ok; }
};

// Deciphers and parses the answer file into the answer document and indexes
// it. Missing or unparsable, the document is left empty and the result says
// why; the caller shows that (critical, " Exam Simulator") and ends.
AnswerLoad loadAnswerDocument(AppContext& ctx);

// Rebuilds the question-id index of the answer document; the first `Ans` of an
// id in document order wins. Call after the answer document is replaced.
void indexAnswers(AppContext& ctx);

// The `Ans` whose `quid` is the id; an empty node when there is none.
pugi::xml_node answerFor(const AppContext& ctx, const std::string& questionId);

}  // namespace examsim
