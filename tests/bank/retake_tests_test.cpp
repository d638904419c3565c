#include "bank/adaptive_tests.h"
#include "bank/bookmark_store.h"
#include "bank/retake_tests.h"
#include "bank/tips.h"
#include "builder_fixture.h"
#include "core/file_io.h"
#include "core/xml.h"
#include "support/data_files.h"

#include <optional>

using namespace examsim;
using namespace examsim::test;

namespace {

// A stored item: attempted or not, with the marks scored out of 1.
std::string stored(const std::string& id, const std::string& att, const std::string& marks, const std::string& from,
                   const std::string& level = "Beginner") {
    return "<item questionId=\"" + id + "\" level=\"" + level + "\" from=\"" + from + "\" att=\"" + att +
           "\" total_marks=\"1\"><statement>S" + id + "</statement><user_attempt_report><user_attempts/><marks_scored>" +
           marks + "</marks_scored></user_attempt_report></item>";
}

std::string record(const std::string& items) { return "<Test name=\"Final\"><Test name=\"Final\"><property/>" + items + "</Test></Test>"; }

}  // namespace

class Retake : public BuilderTest {
protected:
    void TearDown() override { setReadFaultHook({}); }
};

TEST_F(Retake, HoldsEachQuestionWhoseLatestAttemptWasWrongFromItsEarliestWrongCopyOrNothing) {
    setReport("<QuestionBank><History>" +
              record(stored("wrw", "1", "0", "t1") + stored("wr", "1", "0", "t1") + stored("never", "0", "0", "t1") +
                     stored("text", "1", "1.0", "t1")) +  // "1.0" of "1" compares as text: not right
              record(stored("wrw", "1", "1", "t2") + stored("wr", "1", "1", "t2") + stored("ww", "1", "0", "t2")) +
              record(stored("wrw", "1", "0", "t3") + stored("ww", "1", "0.0", "t3")) + "</History><Objectives/></QuestionBank>");
    ASSERT_TRUE(buildIncorrectTest(ctx, 90.5, false));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "IncorrectQuestionsTest");
    EXPECT_STREQ(test.attribute("time").value(), "90");  // half to even
    EXPECT_EQ(questionIds(test), (std::vector<std::string>{"text", "ww", "wrw"}));
    std::string from;
    for (pugi::xml_node item = test.child("item"); item; item = item.next_sibling("item")) from += item.attribute("from").value();
    EXPECT_EQ(from, "t1t2t3");
    EXPECT_FALSE(test.child("item").attribute("att"));
    EXPECT_FALSE(test.child("item").child("user_attempt_report"));
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, true));  // too few per level for an adaptive re-take

    std::filesystem::remove(currentTestFilePath(ctx));
    setReport("<QuestionBank><History>" + record(stored("a", "1", "1", "t1") + stored("b", "0", "0", "t1")) +
              "</History></QuestionBank>");
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, false));
    setReport("<QuestionBank/>");
    EXPECT_FALSE(buildIncorrectTest(ctx, 60, false));
    EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
}

TEST_F(Retake, ABookmarkedTestStartsAtQuestionOneWithAttemptsCleared) {
    writeDataText(ctx, "bookmark",
                  "<Test name=\"bookMark\" currentQuestionID=\"7\"><property/>" + stored("a", "1", "1", "t1") +
                      "<item questionId=\"b\"><user_attempt_report><marks_scored>1</marks_scored><bookmark value=\"true\"/>"
                      "</user_attempt_report></item></Test>");
    ASSERT_TRUE(buildBookmarkedTest(ctx, 600));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "BookmarkedQuestionTest");
    EXPECT_STREQ(test.attribute("currentQuestionID").value(), "1");
    EXPECT_STREQ(test.attribute("time").value(), "600");
    EXPECT_EQ(xmlText(test.child("item").child("user_attempt_report")), "<user_attempt_report><marks_scored>0</marks_scored></user_attempt_report>");
    EXPECT_EQ(textContent(test.child("item").next_sibling().child("user_attempt_report").first_child()), "0");

    // A store without a position gets none: the test starts at question 1 anyway.
    writeDataText(ctx, "bookmark", "<Test name=\"bookMark\"><property/>" + stored("a", "1", "1", "t1") + "</Test>");
    ASSERT_TRUE(buildBookmarkedTest(ctx, 600));
    EXPECT_FALSE(handedOver().attribute("currentQuestionID"));
}

TEST_F(Retake, AnAdaptiveRetakeAsksBlocksOfTheWronglyAnsweredQuestions) {
    std::string items;
    for (const auto& [level, count] : std::vector<std::pair<std::string, int>>{{"Expert", 11}, {"Beginner", 10}, {"Intermediate", 16}})
        for (int k = 0; k < count; ++k) items += stored(level.substr(0, 1) + std::to_string(k), "1", "0", "t1", level);
    setReport("<QuestionBank><History>" + record(items) + "</History><Objectives/></QuestionBank>");
    ASSERT_TRUE(buildIncorrectTest(ctx, 90.5, true));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "Adaptive");
    EXPECT_EQ(std::string(test.attribute("time").value()) + "/" + test.attribute("time_remaining").value(), "90/90");
    EXPECT_STREQ(test.first_child().name(), "Property");
    const std::vector<std::string> ids = questionIds(test);
    ASSERT_EQ(ids.size(), 35u);
    // Intermediate, Beginner, Expert blocks, each the first found wrong.
    EXPECT_EQ(ids[0] + ids[14] + ids[15] + ids[24] + ids[25] + ids[34], "I0I14B0B9E0E9");
    EXPECT_EQ(selectAll(test, "item[@att]").size() + selectAll(test, "item/user_attempt_report").size(), 0u);
}

TEST_F(Retake, AnAdaptiveBookmarkTestAlsoAsksAgainWithoutTheEarlierAnswers) {
    std::string items;
    for (const auto& [level, count] : std::vector<std::pair<std::string, int>>{{"Beginner", 10}, {"Intermediate", 15}, {"Expert", 10}})
        for (int k = 0; k < count; ++k)
            items += "<item questionId=\"" + level + std::to_string(k) + "\" level=\"" + level + "\" total_marks=\"1\">"
                     "<user_attempt_report><user_attempts>B</user_attempts><marks_scored>1</marks_scored>"
                     "<bookmark value=\"true\"/></user_attempt_report></item>";
    writeDataText(ctx, "bookmark", "<Test name=\"bookMark\"><property/>" + items + "</Test>");
    ASSERT_TRUE(buildBookmarkAdaptiveTest(ctx, 600));
    const pugi::xml_node test = handedOver();
    EXPECT_STREQ(test.attribute("name").value(), "Adaptive");
    EXPECT_EQ(selectAll(test, "item").size(), 35u);
    EXPECT_EQ(selectAll(test, "item/user_attempt_report/user_attempts").size(), 0u);  // a skipped question scores nothing
    EXPECT_EQ(selectAll(test, "item/user_attempt_report/marks_scored[. = '0']").size(), 35u);
}

TEST_F(Retake, BookmarkTestsWithoutABookmarkedQuestionBuildNothingAndSayWhyTheStoreFailed) {
    const auto unreadable = [](const std::filesystem::path& p) { return p.filename() != "bookmark.wlb"; };
    const struct {
        const char* store;  // null: no store
        bool readable;
        std::optional<BookmarkFault> fault;
        std::vector<std::string> boxes;
    } cases[] = {
        {nullptr, true, BookmarkFault::Missing, {}},                            // the caller answers "ri5"
        {"<Test name=\"bookMark\"><property/></Test>", true, std::nullopt, {}},  // a store saved without a mark
        {"<Test>", true, BookmarkFault::NotParsed, {"Error"}},
        {"<Test name=\"bookMark\"><property/></Test>", false, BookmarkFault::Unreadable, {"Error"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.store ? c.store : "no store") + (c.readable ? "" : ", unreadable"));
        std::filesystem::remove(bookmarkStorePath(ctx));
        if (c.store) writeDataText(ctx, "bookmark", c.store);
        setReadFaultHook(c.readable ? ReadFaultHook() : ReadFaultHook(unreadable));
        pugi::xml_document doc;
        const auto loaded = loadBookmarks(ctx, doc);
        EXPECT_EQ(loaded ? std::nullopt : std::optional(loaded.reason()), c.fault);
        for (const auto& build : {buildBookmarkedTest, buildBookmarkAdaptiveTest}) {
            host.messages.shown.clear();
            bool built = true;
            EXPECT_NO_THROW(built = build(ctx, 600));
            EXPECT_FALSE(built);
            std::vector<std::string> boxes;
            for (const ShownMessage& m : host.messages.shown) boxes.push_back(m.text);
            EXPECT_EQ(boxes, c.boxes);
            if (!boxes.empty()) {
                EXPECT_EQ(host.messages.shown[0].style, msg::Critical);
            }
        }
        setReadFaultHook({});
        EXPECT_FALSE(std::filesystem::exists(currentTestFilePath(ctx)));
    }
}

TEST_F(Retake, TheTipOfTodayJoinsEveryTipInOrder) {
    for (const auto& [text, tip] : std::vector<std::pair<std::string, std::string>>{
             {"<tips><tip>One. </tip><tip>Two. </tip><tip>Three.</tip></tips>", "One. Two. Three."}, {"<tips/>", ""}, {"<tips>", ""}}) {
        writeDataText(ctx, "tip", text);
        EXPECT_EQ(tipOfToday(ctx), tip) << text;
    }
    EXPECT_EQ(host.messages.shown.size(), 1u);  // "qe8"
}
