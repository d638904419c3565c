#include "assembled_app.h"

#include "bank/answers.h"
#include "bank/question_bank.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "core/xml.h"
#include "reports/report_history.h"

#include <QProcess>
#include <cstdlib>
#include <gtest/gtest.h>

namespace examsim::test {
namespace {

void replaceIn(const std::filesystem::path& file, const std::string& from, const std::string& to) {
    std::string text = readFile(file);
    for (std::size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    writeFile(file, text);
}

// Practice 4: a copy of Practice 3 under its own ids and statements, with its answers.
void addFourthPracticeTest(const std::filesystem::path& product) {
    const auto bankFile = product / "data" / "QuestionBank.xml";
    pugi::xml_document bank;
    ASSERT_TRUE(bank.load_file(bankFile.c_str(), pugi::parse_default | pugi::parse_declaration | pugi::parse_comments));
    pugi::xml_node third = bank.document_element().find_child_by_attribute("Test", "name", "Practice 3");
    ASSERT_TRUE(third);
    pugi::xml_node fourth = bank.document_element().insert_copy_after(third, third);
    fourth.attribute("name").set_value("Practice 4");
    for (pugi::xml_node item : fourth.children("item")) {
        std::string id = item.attribute("questionId").value();
        id.replace(0, 6, "NE-P4-");
        item.attribute("questionId").set_value(id.c_str());
        pugi::xml_node statement = item.child("statement");
        statement.text().set((std::string(statement.text().get()) + " (review)").c_str());
    }
    ASSERT_TRUE(bank.save_file(bankFile.c_str(), "  ", pugi::format_default, pugi::encoding_utf8));

    const auto answersFile = product / "data" / "Answers.xml";
    pugi::xml_document answers;
    ASSERT_TRUE(answers.load_file(answersFile.c_str(), pugi::parse_default | pugi::parse_declaration | pugi::parse_comments));
    pugi::xml_node last;
    std::vector<pugi::xml_node> copies;
    for (pugi::xml_node a : answers.document_element().children("Ans"))
        if (std::string_view(a.attribute("quid").value()).starts_with("NE-P3-")) {
            last = a;
            copies.push_back(a);
        }
    ASSERT_TRUE(last);
    for (const pugi::xml_node& a : copies) {
        last = answers.document_element().insert_copy_after(a, last);
        std::string id = last.attribute("quid").value();
        id.replace(0, 6, "NE-P4-");
        last.attribute("quid").set_value(id.c_str());
    }
    ASSERT_TRUE(answers.save_file(answersFile.c_str(), "  ", pugi::format_default, pugi::encoding_utf8));
}

}  // namespace

std::filesystem::path sampleProduct() {
    const char* source = std::getenv("EXAMSIM_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "product";
}

std::filesystem::path secondProduct(const std::filesystem::path& folder) {
    const auto product = folder / "product2";
    std::filesystem::copy(sampleProduct(), product, std::filesystem::copy_options::recursive);
    const std::pair<const char*, const char*> renames[] = {
        {"Network Models and Media", "Models &amp; Media"},
        {"Network Security", "Learner's Security"},
        {"Wireless and Wide Area Networks", "Wireless \xE2\x80\x93 Wide Area"},
    };
    for (const char* sub : {"data", "pages"})
        for (const auto& e : std::filesystem::directory_iterator(product / sub))
            for (const auto& [from, to] : renames) replaceIn(e.path(), from, to);
    addFourthPracticeTest(product);
    return product;
}

std::pair<int, std::string> runPack(const QStringList& args) {
    QProcess pack;
    pack.setProcessChannelMode(QProcess::MergedChannels);
    pack.start(EXAMSIM_PACK, args);
    pack.waitForFinished(120000);
    return {pack.exitStatus() == QProcess::NormalExit ? pack.exitCode() : -1, pack.readAll().toStdString()};
}

AssembledApp::AssembledApp(const std::filesystem::path& product) : app(folder / "app") {
    const auto [rc, out] = runPack({"assemble", QString::fromStdString(product.string()), QString::fromStdString(app.string())});
    EXPECT_EQ(rc, 0) << out;
    ctx.paths.setFolder(app);
    host.attach(ctx);
    loadSystemDocument(ctx);
    loadMessageCatalogue(ctx);
    loadProductDocument(ctx);
    EXPECT_TRUE(loadAnswerDocument(ctx));
    loadReportHistory(ctx);
    loadQuestionBankStep(ctx);
    web = std::make_unique<WebEnvironment>(ctx.paths);
}

}  // namespace examsim::test
