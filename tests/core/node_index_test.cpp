#include "core/node_index.h"
#include "core/xml.h"

#include <gtest/gtest.h>

using namespace examsim;

TEST(NodeIndex, FindsEveryKeyInAnyOrderKeepingTheFirstNodeOfAKey) {
    std::string text = "<r>";
    for (int i = 0; i < 500; ++i) text += "<a id=\"k" + std::to_string(i) + "\" n=\"" + std::to_string(i) + "\"/>";
    text += "<a id=\"k7\" n=\"late\"/><a id=\"\" n=\"empty\"/></r>";
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, text));
    NodeIndex index("id");
    int added = 0;
    for (pugi::xml_node a = doc.first_child().first_child(); a; a = a.next_sibling()) added += index.add(a) ? 1 : 0;
    EXPECT_EQ(added, 501);
    EXPECT_EQ(index.size(), 501u);
    // Backwards, then a run in order, then jumps: the hinted and the hashed path agree.
    for (int i = 499; i >= 0; --i) EXPECT_STREQ(index.find("k" + std::to_string(i)).attribute("n").value(), std::to_string(i).c_str());
    for (int i = 0; i < 500; i += (i % 3) + 1)
        EXPECT_STREQ(index.find("k" + std::to_string(i)).attribute("n").value(), std::to_string(i).c_str());
    EXPECT_STREQ(index.find("k7").attribute("n").value(), "7");
    EXPECT_STREQ(index.find("").attribute("n").value(), "empty");
    EXPECT_FALSE(index.find("K7"));
    EXPECT_FALSE(index.find("k500"));
    index.clear();
    EXPECT_FALSE(index.find("k1"));
}
