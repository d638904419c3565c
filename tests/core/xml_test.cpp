#include "core/xml.h"

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
