#include "bank/question_bank.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/error_log.h"
#include "core/xml.h"

namespace examsim {

namespace {

std::int32_t countItems(const pugi::xml_node& doc) {
    std::int32_t n = 0;
    for (const auto& x : selectAll(doc, "//item")) {
        (void)x;
        ++n;
    }
    return n;
}

}  // namespace

void loadQuestionBank(AppContext& ctx) {
    try {
        ctx.loadTrace += "lqb_1";
        const std::string text = ctx.dataCipher.DecryptFile(
            dataFilePath(ctx, "QuestionBank"), ctx.paths.resolve("/Database/QuestionBank.xml"), kPassPhrase);
        ctx.loadTrace += "lqb_2";
        ctx.loadTrace += "lqb_3";
        if (parseXml(ctx.bankDoc, text)) return;
        ctx.loadTrace += "lqb_4:" + text;
    } catch (const std::exception&) {
        // The trace so far shows how far loading got.
    }
    reportFatalError(ctx, ctx.loadTrace, errorLogPath(ctx));
}

void loadQuestionBankStep(AppContext& ctx) {
    ctx.loadTrace += "lqb_s";
    loadQuestionBank(ctx);
    ctx.loadTrace += "lqb_e";
    countPracticeTests(ctx);
}

void countPracticeTests(AppContext& ctx) {
    ctx.practiceCount = 0;
    const pugi::xml_node root = firstNamed(ctx.bankDoc, "QuestionBank");
    for (pugi::xml_node t = root.first_child(); t; t = t.next_sibling())
        if (std::string_view(t.attribute("name").value()).starts_with("Practice")) ++ctx.practiceCount;
}

std::string practiceTestName(int n) { return "Practice " + std::to_string(n); }

pugi::xml_node findTest(AppContext& ctx, std::string_view name) {
    ctx.currentTestIndex = 0;
    for (pugi::xml_node t = ctx.bankDoc.document_element().first_child(); t; t = t.next_sibling(), ++ctx.currentTestIndex)
        if (t.type() == pugi::node_element && name == t.attribute("name").value()) return t;
    return {};
}

std::int32_t totalQuestionCount(const AppContext& ctx) { return countItems(ctx.quizDoc) + countItems(ctx.bankDoc); }

std::vector<pugi::xml_node> practicePoolChildren(const AppContext& ctx) {
    std::vector<pugi::xml_node> children;
    bool first = true;
    for (const auto& x : selectAll(ctx.bankDoc, "QuestionBank/Test[@test_type = 'PracticeTest']")) {
        for (pugi::xml_node c = x.node().first_child(); c; c = c.next_sibling())
            if (first || (c.type() == pugi::node_element && std::string_view(c.name()) == "item")) children.push_back(c);
        first = false;
    }
    return children;
}

void buildPracticePool(const AppContext& ctx, pugi::xml_document& pool) {
    pool.reset();
    pugi::xml_node root;
    for (const auto& x : selectAll(ctx.bankDoc, "QuestionBank/Test[@test_type = 'PracticeTest']")) {
        pugi::xml_node test = x.node();
        if (!root) {
            root = pool.append_copy(test);
            continue;
        }
        for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item")) root.append_copy(item);
    }
}

}  // namespace examsim
