// The assembled sample product scored end to end: a Final answered fully right
// lands in the history with every product objective named and fully marked.
#include "product_check_support.h"
#include "qti_play_support.h"

#include "bank/answers.h"
#include "bank/question_bank.h"
#include "bank/standard_tests.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "core/xml.h"
#include "reports/report_history.h"
#include "support/context_fixture.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

using namespace examsim;
using namespace examsim::test;

namespace {

class SampleFinal : public AssembledProduct {
protected:
    void SetUp() override {
        AssembledProduct::SetUp();
        assemble(sourceProduct());
    }

    // The product's objective names, in the order the product lists them.
    std::vector<std::string> productObjectives() const {
        std::vector<std::string> names;
        for (const auto& o : ctx.productDoc.select_nodes("//objectives/objective"))
            names.emplace_back(o.node().attribute("name").value());
        return names;
    }
};

// What the question movie leaves when every question is answered right.
void answerEverythingRight(pugi::xml_node test) {
    for (pugi::xml_node item : test.children("item")) {
        pugi::xml_node report = item.append_child("user_attempt_report");
        report.append_child("user_attempts").text().set("answered");
        report.append_child("marks_scored").text().set(item.attribute("total_marks").value());
    }
}

}  // namespace

TEST_F(SampleFinal, AFullyRightFinalScoresEveryObjectiveByName) {
    ASSERT_TRUE(startTest(ctx, "Final"));
    pugi::xml_document played;
    ASSERT_TRUE(parseXml(played, readFile(currentTestFilePath(ctx))));
    const pugi::xml_node test = played.document_element();
    std::map<std::string, int> marksPerCategory;
    for (pugi::xml_node item : test.children("item"))
        marksPerCategory[item.attribute("category").value()] += item.attribute("total_marks").as_int();
    answerEverythingRight(test);

    std::string text = xmlText(test);
    ASSERT_TRUE(recordReport(ctx, text));
    EXPECT_STREQ(selectFirst(ctx.reportDoc, "QuestionBank/History/Test").attribute("remarks").value(), "Pass");

    std::vector<std::string> names = productObjectives();
    ASSERT_EQ(names.size(), 7u);
    std::vector<std::string> stored;
    for (const auto& x : ctx.reportDoc.select_nodes("QuestionBank/Objectives/objective")) {
        const pugi::xml_node o = x.node();
        const std::string name = o.attribute("name").value();
        stored.push_back(name);
        SCOPED_TRACE(name);
        const std::string marks = std::to_string(marksPerCategory[name]);
        EXPECT_GT(marksPerCategory[name], 0) << "the Final asks no question on it";
        EXPECT_EQ(o.attribute("maxScore").value(), marks);
        EXPECT_EQ(o.attribute("yourscore").value(), marks);
        EXPECT_STREQ(o.attribute("percentage").value(), "100");
        EXPECT_STREQ(o.attribute("result").value(), "Pass");
    }
    EXPECT_EQ(stored, names);
    // Every question of the Final counts towards one of them.
    std::vector<std::string> categories;
    for (const auto& [category, marks] : marksPerCategory) categories.push_back(category);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(categories, names);
}
