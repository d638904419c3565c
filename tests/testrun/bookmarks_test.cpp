#include "core/xml.h"
#include "support/store_fixture.h"
#include "testrun/bookmarks.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class Bookmarks : public StoreFixture {
protected:
    // Questions q1..qn, those listed marked with the value given.
    std::string marked(std::vector<std::pair<int, std::string>> marks, int n = 3, const std::string& name = "Final") {
        std::vector<PlayedQuestion> qs = oneMarkQuestions(n, n);
        for (auto& [index, value] : marks) qs[static_cast<std::size_t>(index - 1)].bookmark = value;
        return playedTestXml(qs, name);
    }
    // questionId and question text of every stored bookmark, in order.
    std::vector<std::string> stored() {
        pugi::xml_document doc;
        EXPECT_TRUE(loadBookmarks(ctx, doc));
        std::vector<std::string> ids;
        for (const pugi::xpath_node& n : selectAll(doc, "Test/item"))
            ids.push_back(std::string(n.node().attribute("questionId").value()) + ":" + textContent(n.node().child("question")));
        return ids;
    }
    // The whole store as text; empty when it gives no document.
    std::string storedText() {
        pugi::xml_document doc;
        return loadBookmarks(ctx, doc) ? xmlText(doc) : std::string();
    }
};

}  // namespace

TEST_F(Bookmarks, ASecondBookmarkOfAQuestionMovesItsOnlyCopyToTheEndAndAnUnmarkOneKeepsIt) {
    bookmarkQuestions(ctx, marked({{1, "true"}, {2, "True"}}), modeMovie);
    EXPECT_EQ(stored(), (std::vector<std::string>{"q1:Question 1", "q2:Question 2"}));
    bookmarkQuestions(ctx, marked({{1, "-1"}, {2, "false"}, {3, "0"}}, 3, "Practice1"), modeMovie);
    EXPECT_EQ(stored(), (std::vector<std::string>{"q2:Question 2", "q1:Question 1"}));

    pugi::xml_document doc;
    ASSERT_TRUE(loadBookmarks(ctx, doc));
    EXPECT_STREQ(doc.document_element().attribute("name").value(), "bookMark");
    EXPECT_STREQ(doc.document_element().first_child().name(), "property");
    EXPECT_EQ(modeMovie.vars["new_xml"], xmlText(doc));
    EXPECT_EQ(modeMovie.sets.back(), (std::pair<std::string, std::string>{"flgpaint", "True"}));
    EXPECT_EQ(readFile(t / "Database" / "bookmark"), xmlText(doc));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"Bookmarks saved.", "Bookmarks saved."}));
    EXPECT_EQ(host.messages.shown[0].title, ctx.windowTitle);
    EXPECT_EQ(strayFiles({"bookmark.wlb", "bookmark"}), std::vector<std::string>{});
}

TEST_F(Bookmarks, ATestWithoutMarksStillCreatesTheStoreAndADamagedOneIsReplaced) {
    bookmarkQuestions(ctx, marked({}), modeMovie);
    EXPECT_EQ(storedText(), "<Test name=\"bookMark\"><property/></Test>");
    EXPECT_EQ(shownTexts(), std::vector<std::string>{"Bookmarks saved."});
    writeFile(bookmarkStorePath(ctx), "garbage");
    bookmarkQuestions(ctx, marked({{3, "true"}}), modeMovie);
    EXPECT_EQ(shownTexts().at(1), "Error While loading bookmark");
    EXPECT_EQ(stored(), std::vector<std::string>{"q3:Question 3"});
}

TEST_F(Bookmarks, AnUnreadablePlayedTestReportsTheErrorAndNoSuccess) {
    bookmarkQuestions(ctx, marked({{1, "true"}}), modeMovie);
    const std::string before = storedText();
    bookmarkQuestions(ctx, "<Test><item", modeMovie);
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"Bookmarks saved.", "Error while loading report xml"}));
    EXPECT_EQ(storedText(), before);
}

TEST_F(Bookmarks, QuestionIdsWithQuotesAreMatchedExactly) {
    std::vector<PlayedQuestion> qs = oneMarkQuestions(2, 2);
    qs[0].questionId = "a\"b'c";
    qs[1].questionId = "a\"b'";
    qs[0].bookmark = qs[1].bookmark = "true";
    for (int twice = 0; twice < 2; ++twice) bookmarkQuestions(ctx, playedTestXml(qs), modeMovie);
    EXPECT_EQ(stored().size(), 2u);
}

TEST_F(Bookmarks, PruningKeepsWhatTheMovieReturnsAndDeletesTheStoreWhenNothingIsLeft) {
    bookmarkQuestions(ctx, marked({{1, "true"}, {2, "true"}}), modeMovie);
    pugi::xml_document doc;
    ASSERT_TRUE(loadBookmarks(ctx, doc));
    doc.document_element().remove_child(doc.document_element().last_child());
    EXPECT_EQ(pruneBookmarks(ctx, xmlText(doc)), PruneOutcome::Stored);
    EXPECT_EQ(stored(), std::vector<std::string>{"q1:Question 1"});

    EXPECT_EQ(pruneBookmarks(ctx, "<Test name=\"bookMark\"><item"), PruneOutcome::Unchanged);
    EXPECT_EQ(shownTexts().back(), "Error while loading bookmark xml");
    EXPECT_EQ(stored(), std::vector<std::string>{"q1:Question 1"});

    EXPECT_EQ(pruneBookmarks(ctx, "<Test name=\"bookMark\"><property/></Test>"), PruneOutcome::Deleted);
    EXPECT_FALSE(std::filesystem::exists(bookmarkStorePath(ctx)));
    EXPECT_FALSE(createBookmarkfile(ctx));
    EXPECT_EQ(shownTexts().back(), "No Bookmark availaible");
}
