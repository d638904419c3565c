#include "bank/answer_merge.h"
#include "builder_fixture.h"
#include "core/xml.h"

using namespace examsim;
using namespace examsim::test;

class AnswerMerge : public BuilderTest {
protected:
    void SetUp() override {
        BuilderTest::SetUp();
        setAnswers(R"(<Answers><Ans quid="s1">B</Ans><Ans quid="s2">a</Ans><Ans quid="m1"><c>A</c><c>C</c><c>D</c></Ans>
          <Ans quid="f1"><response name="answer">DNS</response></Ans><Ans quid="d1"/><Ans quid="x0">A</Ans></Answers>)");
    }
    pugi::xml_node merged(const std::string& items) {
        parseXml(doc, mergeAnswers(ctx, "<Test name=\"T\">" + items + "</Test>"));
        return doc.document_element();
    }
    static std::string correctOf(const pugi::xml_node& item) {
        std::string s;
        for (pugi::xml_node r = item.child("responses").first_child(); r; r = r.next_sibling())
            s += std::string(r.attribute("name").value()) + "=" + r.attribute("correct").value() + " ";
        return s;
    }
    pugi::xml_document doc;
};

TEST_F(AnswerMerge, ChoiceOptionsAreMarkedByExactName) {
    const pugi::xml_node test = merged(R"(<property/>
      <item questionId="s1" type="Single Choice"><responses><response name="A"/><response name="B" correct="true"/>
        <response name="b"/><response name="B "/></responses></item>
      <item questionId="s2" type="Single Choice"><responses><response name="A"/></responses></item>
      <item questionId="m1" type="Multiple Choice"><responses><response name="A" correct="false"/><response name="B" correct="true"/>
        <response name="C"/><response name="D"/><response name="E"/></responses></item>)");
    const pugi::xml_node s1 = test.child("item");
    EXPECT_EQ(correctOf(s1), "A=false B=true b=false B =false ");
    EXPECT_EQ(xmlText(s1.child("responses").child("response").next_sibling()), "<response name=\"B\" correct=\"true\"/>");  // replaced, not doubled
    EXPECT_EQ(correctOf(s1.next_sibling()), "A=false ");  // "a" names no option
    EXPECT_EQ(correctOf(s1.next_sibling().next_sibling()), "A=true B=false C=true D=true E=false ");
}

TEST_F(AnswerMerge, FillInGetsTheAnswerAppendedEachTimeAndOtherNodesAreLeftAlone) {
    const std::string once = mergeAnswers(ctx, R"(<Test><item questionId="x0" type="Single Choice"><responses><response name="A"/></responses></item>
      <note questionId="s1" type="Single Choice"><responses><response name="B"/></responses></note>
      <item questionId="f1" type="Fill in the blank"><statement>_____</statement></item>
      <item questionId="d1" type="DragNDrop"><responses><response name="A"/></responses></item>
      <item questionId="nope" type="Single Choice"><responses><response name="A"/></responses></item></Test>)");
    EXPECT_EQ(once.find("correct"), std::string::npos);  // position 0, a non-item, drag-and-drop, no Ans: all unmarked
    EXPECT_NE(once.find(R"(<statement>_____</statement><responses><response name="answer">DNS</response></responses></item>)"),
              std::string::npos);
    ASSERT_TRUE(parseXml(doc, mergeAnswers(ctx, once)));
    EXPECT_EQ(selectAll(doc, "//item[@questionId='f1']/responses").size(), 2u);
}
