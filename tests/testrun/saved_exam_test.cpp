#include "core/atomic_file.h"
#include "core/data_file.h"
#include "core/xml.h"
#include "support/declared_reader.h"
#include "support/store_fixture.h"
#include "testrun/saved_exam.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class SavedExam : public StoreFixture {
protected:
    void TearDown() override { setWriteFaultHook({}); }
    std::string storedPosition() {
        pugi::xml_document doc;
        EXPECT_TRUE(loadDataDocumentAt(ctx, savedExamPath(ctx), doc));
        return doc.document_element().attribute("currentQuestionID").value();
    }
};

}  // namespace

TEST_F(SavedExam, ThePositionIsStoredAndTheResumeConsumesTheStore) {
    ASSERT_TRUE(saveTest(ctx, playedTestXml(oneMarkQuestions(3, 1), "Practice2"), "1"));
    EXPECT_EQ(storedPosition(), "1");
    EXPECT_EQ(strayFiles({"savedexam"}), std::vector<std::string>{});  // no staging copy

    ASSERT_TRUE(loadSaveExam(ctx));
    EXPECT_EQ(ctx.currentModeLabel, "Practice2");
    EXPECT_FALSE(std::filesystem::exists(savedExamPath(ctx)));
    pugi::xml_document resumed;
    ASSERT_TRUE(parseXml(resumed, readFile(t / "Database" / "simulator")));
    EXPECT_STREQ(resumed.document_element().attribute("currentQuestionID").value(), "1");
    EXPECT_EQ(selectAll(resumed, "//user_attempt_report").size(), 3u);  // responses kept

    // The resumed test saved again replaces the old position.
    ASSERT_TRUE(saveTest(ctx, xmlText(resumed), "3"));
    EXPECT_EQ(storedPosition(), "3");
    ASSERT_TRUE(loadSaveExam(ctx));
    EXPECT_FALSE(loadSaveExam(ctx));  // nothing left to resume
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(SavedExam, APlayedTestDeclaredUtf8IsStoredAndResumedAsItsDeclarationSays) {
    const std::string accents = "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cquoted\xE2\x80\x9D \xE2\x80\x93 dash";
    const std::string played = "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Test name=\"Final\"><property/><item questionId=\"q1\">"
                               "<question>" + accents + "</question></item></Test>";
    ASSERT_TRUE(saveTest(ctx, played, "1"));
    std::string stored = readFile(savedExamPath(ctx));
    ctx.dataCipher.DecryptByte({reinterpret_cast<std::uint8_t*>(stored.data()), stored.size()}, kPassPhrase);
    pugi::xml_document read;
    EXPECT_EQ(readAsDeclared(stored, read), "windows-1252");
    EXPECT_EQ(textContent(read.child("Test").child("item").child("question")), accents);

    ASSERT_TRUE(loadSaveExam(ctx));
    EXPECT_EQ(readAsDeclared(readFile(t / "Database" / "simulator"), read), "windows-1252");
    EXPECT_EQ(textContent(read.child("Test").child("item").child("question")), accents);
}

TEST_F(SavedExam, AStoreThatDoesNotParseStaysAndShowsQe5EachTime) {
    std::string garbage = "<Test name=\"Final\"><item>";
    ctx.dataCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(garbage.data()), garbage.size()}, kPassPhrase);
    writeFile(savedExamPath(ctx), garbage);
    EXPECT_FALSE(loadSaveExam(ctx));
    EXPECT_FALSE(loadSaveExam(ctx));
    EXPECT_EQ(shownTexts(), (std::vector<std::string>{"Cannot read the data. ", "Cannot read the data. "}));
    EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly);
    EXPECT_EQ(readFile(savedExamPath(ctx)), garbage);
    EXPECT_FALSE(std::filesystem::exists(t / "Database" / "simulator"));
}

TEST_F(SavedExam, AFailedSaveOrResumeKeepsTheEarlierSavedExam) {
    ASSERT_TRUE(saveTest(ctx, playedTestXml(oneMarkQuestions(2, 1)), "2"));
    EXPECT_FALSE(saveTest(ctx, "<Test><item", "1"));
    EXPECT_EQ(shownTexts().back(), "Error while loading question xml");
    setWriteFaultHook([](std::string_view step) { return step != "write"; });
    EXPECT_FALSE(saveTest(ctx, playedTestXml(oneMarkQuestions(2, 1)), "1"));
    EXPECT_EQ(shownTexts().back(), "The exam could not be saved.");
    EXPECT_EQ(storedPosition(), "2");
    EXPECT_EQ(strayFiles({"savedexam"}), std::vector<std::string>{});
    setWriteFaultHook([](std::string_view step) { return step != "rename"; });
    EXPECT_THROW(loadSaveExam(ctx), ProgramEnded);  // the plain-file writer ends the program
    setWriteFaultHook({});
    EXPECT_EQ(storedPosition(), "2");
}
