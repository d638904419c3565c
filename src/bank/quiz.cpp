#include "bank/quiz.h"

#include "bank/study_document.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/xml.h"

#include <string_view>
#include <unordered_set>
#include <vector>

namespace examsim {

namespace {

std::vector<std::string> splitAt(const std::string& text, std::string_view separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
        parts.push_back(text.substr(start, at - start));
    parts.push_back(text.substr(start));
    return parts;
}

// The questions a selection takes, in selection order, each once.
std::vector<pugi::xml_node> quizQuestions(const AppContext& ctx, const std::string& selection,
                                          std::string_view separator, const std::string& quizName) {
    std::vector<pugi::xml_node> out;
    if (selection == "All") {
        for (const auto& x : selectAll(ctx.quizDoc, "//Test[@name = $q]//item", {{"q", quizName}})) out.push_back(x.node());
        return out;
    }
    std::unordered_set<const void*> taken;
    for (const std::string& topic : splitAt(selection, separator))
        for (const auto& x : selectAll(ctx.quizDoc, "//Test[@name = $q]/item[@topic = $t]", {{"q", quizName}, {"t", topic}}))
            if (taken.insert(x.node().internal_object()).second) out.push_back(x.node());
    return out;
}

}  // namespace

void loadQuizDocument(AppContext& ctx) { loadStudyDocument(ctx, "Quiz", ctx.quizDoc, msgcode::QuizFileUnreadable); }

std::int32_t showAvailableQuestion(AppContext& ctx, const std::string& selection, const std::string& quizName) {
    return static_cast<std::int32_t>(quizQuestions(ctx, selection, "|$|", quizName).size());
}

bool createQuiz(AppContext& ctx, const std::string& selection, std::int32_t secondsPerQuestion, const std::string& quizName) {
    loadQuizDocument(ctx);
    const std::vector<pugi::xml_node> questions = quizQuestions(ctx, selection, ";", quizName);
    if (questions.empty()) return false;
    pugi::xml_document doc;
    pugi::xml_node test = newTestDocument(doc, quizName, "");
    const std::string time = std::to_string(secondsPerQuestion);
    for (const pugi::xml_node& q : questions) setAttribute(test.append_copy(q), "time", time);
    const std::string total = std::to_string(static_cast<long long>(secondsPerQuestion) * static_cast<long long>(questions.size()));
    test.append_attribute("time").set_value(total.c_str());
    test.append_attribute("time_remaining").set_value(total.c_str());
    return handOverTest(ctx, test);
}

}  // namespace examsim
