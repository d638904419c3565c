#include "bank/standard_tests.h"

#include "bank/answer_merge.h"
#include "bank/question_bank.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/number_text.h"
#include "core/product_config.h"

namespace examsim {

namespace {

pugi::xml_node history(const AppContext& ctx) { return ctx.reportDoc.child("QuestionBank").child("History"); }

}  // namespace

bool checkAttemptCap(AppContext& ctx, const std::string& testName) {
    const std::string capText = productText(ctx, productkey::RootMaxReports);
    // An empty or unreadable cap counts as the default of one pass.
    const std::int32_t cap = wholeNumber(capText).value_or(1);
    std::int32_t passes = 0;
    for (pugi::xml_node t = history(ctx).child("Test"); t; t = t.next_sibling("Test"))
        if (testName == t.attribute("name").value() && std::string_view(t.attribute("remarks").value()) == "Pass")
            ++passes;
    if (cap > passes) return true;
    if (ctx.host.messages) ctx.host.messages->show("Total Successful attempt exceed.", msg::OkOnly, "");
    return false;
}

bool startTest(AppContext& ctx, const std::string& testName) {
    if (!checkAttemptCap(ctx, testName)) return false;
    const pugi::xml_node bankTest = findTest(ctx, testName);
    if (!bankTest) return false;
    pugi::xml_document doc;
    pugi::xml_node test = doc.append_copy(bankTest);
    mergeAnswersInto(ctx, test);
    return handOverTest(ctx, test);
}

bool loadStoredTest(AppContext& ctx, std::int32_t position) {
    if (position < 0) return false;
    pugi::xml_node record = history(ctx).child("Test");
    for (std::int32_t i = 0; record && i < position; ++i) record = record.next_sibling("Test");
    const pugi::xml_node completed = record.child("Test");
    if (!completed) return false;
    return handOverTest(ctx, completed);
}

}  // namespace examsim
