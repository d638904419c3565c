#include "core/movie_document.h"
#include "core/xml.h"
#include "support/context_fixture.h"

#include <gtest/gtest.h>

using namespace examsim;

TEST(Xml, FirstNamedIsTheFirstMatchInDocumentOrderAndTextContentJoinsAllTextBelow) {
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<product><a><sku>de<b>e</b><![CDATA[<p>]]><!-- no --></sku></a><sku>shallow</sku></product>"));
    EXPECT_EQ(textContent(firstNamed(doc, "sku")), "dee<p>");
    EXPECT_EQ(std::string(firstNamed(doc, "product").name()), "product");  // the root itself counts
    EXPECT_FALSE(firstNamed(doc, "none"));
    EXPECT_FALSE(firstNamed(pugi::xml_node(), "sku"));
}

TEST(Xml, XPathValuesWithQuotesAndApostrophesSelect) {
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<q><i topic='It&apos;s \"quoted\"' id='1'/><i topic='plain' id='2'/></q>"));
    EXPECT_STREQ(selectFirst(doc, "//i[@topic=$t]", {{"t", "It's \"quoted\""}}).attribute("id").value(), "1");
    EXPECT_EQ(selectAll(doc, "//i").size(), 2u);
    EXPECT_FALSE(selectFirst(doc, "//i[@topic=$t]", {{"t", "other"}}));
}

TEST(Xml, SerialisationEscapesAndKeepsDeclarationAndComments) {
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<?xml version=\"1.0\"?>\n<a x=\"&quot;&lt;\">\n  <!--c-->\n  <b>&amp;</b>\n</a>"));
    EXPECT_EQ(xmlText(doc), "<?xml version=\"1.0\"?><a x=\"&quot;&lt;\"><!--c--><b>&amp;</b></a>");
    EXPECT_EQ(xmlText(doc.child("a").child("b")), "<b>&amp;</b>");
}

TEST(Xml, ParseFailureSaysWhereAndLeavesTheDocumentEmpty) {
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<ok/>"));
    const auto r = parseXml(doc, "<a>\n  <b>\n</a>");
    EXPECT_FALSE(r);
    EXPECT_EQ(r.line, 3u);
    EXPECT_FALSE(r.description.empty());
    EXPECT_FALSE(doc.first_child());
}

namespace {

std::string nested(std::size_t levels, const std::string& inner = "x") {
    std::string s;
    for (std::size_t i = 0; i < levels; ++i) s += "<a>";
    s += inner;
    for (std::size_t i = 0; i < levels; ++i) s += "</a>";
    return s;
}

}  // namespace

TEST(Xml, DeepTreesAreWalkedWithoutRecursion) {
    // Built in memory, past any parse limit: a recursive walk overflows the stack here.
    pugi::xml_document doc;
    pugi::xml_node n = doc;
    for (int i = 0; i < 400000; ++i) n = n.append_child("a");
    n.append_child(pugi::node_pcdata).set_value("bottom");
    doc.first_child().append_child("b").text().set("side");
    EXPECT_EQ(textContent(doc), "bottomside");
    EXPECT_EQ(nestingDepth(doc), 400000u);
    EXPECT_EQ(std::string(firstNamed(doc, "b").name()), "b");
    EXPECT_FALSE(firstNamed(doc, "c"));
}

TEST(Xml, DocumentsNestedBeyondTheLimitAreRefusedAsUnreadable) {
    struct Case {
        std::string text;
        bool ok;
        std::size_t depth;
    };
    for (const Case& c : std::vector<Case>{{nested(kMaxXmlDepth), true, kMaxXmlDepth},
                                           {nested(kMaxXmlDepth - 1, "<?pi x?><!--c-->"), true, kMaxXmlDepth - 1},
                                           {nested(kMaxXmlDepth + 1), false, 0},
                                           {nested(150000), false, 0}}) {
        pugi::xml_document doc;
        const auto r = parseXml(doc, c.text);
        EXPECT_EQ(static_cast<bool>(r), c.ok) << c.text.size();
        EXPECT_EQ(r.tooDeep, !c.ok);
        EXPECT_EQ(nestingDepth(doc), c.depth);
        if (c.ok) {
            EXPECT_EQ(textContent(doc), c.text.find(">x<") != std::string::npos ? "x" : "");
        }
    }
}

class MovieDocument : public examsim::test::ContextFixture {};

TEST_F(MovieDocument, OnlyDocumentsWithinTheBoundsAreReadAndTheRestAreRefusedWithAMessage) {
    struct Case {
        std::string text;
        bool ok;
        bool refusedWithMessage;
    };
    const std::string big = "<a>" + std::string(kMaxMovieDocumentBytes, 'x') + "</a>";
    for (const Case& c : std::vector<Case>{{nested(kMaxMovieDocumentDepth), true, false},
                                           {"<a><b>", false, false},  // an ordinary parse failure
                                           {nested(kMaxMovieDocumentDepth + 1), false, true},
                                           {nested(kMaxXmlDepth + 1), false, true},
                                           {big, false, true}}) {
        host.messages.shown.clear();
        pugi::xml_document doc;
        ASSERT_TRUE(parseXml(doc, "<old/>"));
        const auto r = parseMovieXml(ctx, doc, c.text);
        EXPECT_EQ(static_cast<bool>(r), c.ok) << c.text.size();
        EXPECT_EQ(static_cast<bool>(doc.first_child()), c.ok);
        ASSERT_EQ(host.messages.shown.size(), c.refusedWithMessage ? 1u : 0u) << c.text.size();
        if (c.refusedWithMessage) {
            EXPECT_EQ(host.messages.shown[0].text, kMovieDocumentRefused);
        }
    }
}
