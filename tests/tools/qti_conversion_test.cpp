// The importer's pieces called directly: areas, picture sizes, metadata,
// statement text and how new elements are laid into a source.
#include "qti_play_support.h"
#include "qti/product_sources.h"
#include "qti/qti_item.h"
#include "qti/qti_package.h"
#include "qti/qti_picture.h"
#include "qti/qti_shape.h"
#include "qti/qti_text.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim::pack::qti;
using examsim::test::TempFolder;
using examsim::test::writeFile;

namespace {

TEST(QtiConversion, ShapesBecomeRectanglesInFilePixels) {
    struct Case {
        const char *shape, *coords;
        Scale scale;
        bool ok;
        Rect rect;
        bool approximated;
    };
    const Case cases[] = {
        {"rect", "10,20,50,40", {}, true, {10, 20, 40, 20}, false},
        {"rect", "50,40,10,20", {}, true, {10, 20, 40, 20}, false},  // corners in either order
        {"circle", "75,30,15", {2, 2}, true, {120, 30, 60, 60}, true},
        {"ellipse", "100,50,40,10", {}, true, {60, 40, 80, 20}, true},
        {"poly", "320,30,380,30,350,90", {}, true, {320, 30, 60, 60}, true},
        {"poly", "5, 5 ,15,5, 10,15", {0.5, 0.5}, true, {3, 3, 5, 5}, true},
        {"circle", "10,10,-3", {}, false, {}, false},
        {"rect", "1,2,3", {}, false, {}, false},
        {"poly", "1,2,3,4", {}, false, {}, false},
        {"rect", "1,2,x,4", {}, false, {}, false},
        {"default", "", {}, false, {}, false},
        {"rect", "10,10,10,30", {}, false, {}, false},  // no width
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.shape) + " " + c.coords);
        Rect r;
        bool approximated = false;
        ASSERT_EQ(shapeRect(c.shape, c.coords, c.scale, r, approximated), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(std::vector<int>({r.x, r.y, r.width, r.height}),
                  std::vector<int>({c.rect.x, c.rect.y, c.rect.width, c.rect.height}));
        EXPECT_EQ(approximated, c.approximated);
    }
}

TEST(QtiConversion, AreasOverlapOnlyWhenTheyShareMoreThanAnEdge) {
    const Rect a{0, 0, 10, 10};
    EXPECT_FALSE(overlap(a, {10, 0, 5, 5}));
    EXPECT_FALSE(overlap(a, {0, 10, 5, 5}));
    EXPECT_TRUE(overlap(a, {9, 9, 5, 5}));
    EXPECT_TRUE(overlap(a, {2, 2, 2, 2}));
    EXPECT_TRUE(overlap({2, 2, 2, 2}, a));
}

TEST(QtiConversion, PictureSizesAreReadFromTheFiles) {
    TempFolder t;
    const std::string png = std::string("\x89PNG\r\n\x1a\n\0\0\0\x0dIHDR\0\0\x01\x2c\0\0\0\x64", 24) + std::string(9, '\0');
    const std::string gif = std::string("GIF89a\x20\x03\x58\x02", 10) + std::string(4, '\0');
    // SOI, an APP0 segment of 16 bytes, then a baseline frame header.
    const std::string jpeg = std::string("\xFF\xD8\xFF\xE0\x00\x10", 6) + std::string(14, 'j') +
                             std::string("\xFF\xC0\x00\x11\x08\x00\x78\x00\xA0\x03", 10) + std::string(20, '\0');
    struct Case {
        const char* name;
        std::string bytes;
        bool ok;
        int width, height;
    };
    const Case cases[] = {
        {"a.png", png, true, 300, 100},
        {"a.gif", gif, true, 800, 600},
        {"a.jpg", jpeg, true, 160, 120},
        {"a.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"40px\" height=\"30\"/>", true, 40, 30},
        {"b.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100%\" viewBox=\"0 0 120.4 80\"/>", true, 120, 80},
        {"c.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"10em\" height=\"3em\"/>", false, 0, 0},
        {"d.bin", "not a picture", false, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(t / c.name, c.bytes);
        int w = 0, h = 0;
        ASSERT_EQ(pictureSize(t / c.name, w, h), c.ok);
        if (c.ok) {
            EXPECT_EQ(std::make_pair(w, h), std::make_pair(c.width, c.height));
        }
    }
}

TEST(QtiConversion, PicturesOutsideThePackageOrMissingAreRefused) {
    TempFolder t;
    writeFile(t / "pkg" / "items" / "i.xml", "<x/>");
    writeFile(t / "pkg" / "img" / "p.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"2\"/>");
    writeFile(t / "secret.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"2\"/>");
    writeFile(t / "pkg" / "img" / "a b.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"4\" height=\"2\"/>");
    std::filesystem::create_directory_symlink(t.path(), t / "pkg" / "door");
    const struct {
        const char* href;
        bool ok;
        const char* file = "img-p.svg";
    } cases[] = {{"../img/p.svg", true},     {"../img/a%20b.svg", true, "img-a_b.svg"}, {"..%2F..%2Fsecret.svg", false},     {"../../secret.svg", false}, {"/etc/hostname", false},
                 {"http://x/p.svg", false},  {"../img/none.svg", false},  {"", false},
                 {"../door/secret.svg", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.href);
        PictureRef p;
        std::string why;
        EXPECT_EQ(resolvePicture(t / "pkg" / "items" / "i.xml", t / "pkg", c.href, p, why), c.ok) << why;
        EXPECT_EQ(p.file, c.ok ? c.file : "");
        EXPECT_EQ(why.empty(), c.ok);
    }
}

TEST(QtiConversion, LomGivesTheDeepestTaxonAndTheDifficultyAsLevel) {
    struct Case {
        const char* lom;
        const char *objective, *level;
    };
    const Case cases[] = {
        {"<lom><educational><difficulty><value>very easy</value></difficulty></educational></lom>", "", "Beginner"},
        {"<lom><educational><difficulty><value>medium</value></difficulty></educational></lom>", "", "Intermediate"},
        {"<lom><educational><difficulty><value><langstring>very difficult</langstring></value></difficulty></educational></lom>",
         "", "Expert"},
        {"<lom><educational><difficulty><value>hard-ish</value></difficulty></educational></lom>", "", "hard-ish"},
        {"<m:lom xmlns:m=\"urn:x\"><m:classification><m:taxonPath><m:taxon><m:entry><m:string>Area</m:string></m:entry>"
         "</m:taxon><m:taxon><m:entry><m:string>Network Security</m:string></m:entry></m:taxon></m:taxonPath>"
         "</m:classification></m:lom>",
         "Network Security", ""},
        {"<lom><classification><taxonPath><taxon><entry>Outer</entry><taxon><entry>Inner</entry></taxon></taxon>"
         "</taxonPath></classification></lom>",
         "Inner", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lom);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(c.lom));
        std::string objective, level;
        readLom(doc.document_element(), objective, level);
        EXPECT_EQ(objective, c.objective);
        EXPECT_EQ(level, c.level);
    }
}

TEST(QtiConversion, StatementTextKeepsBlocksAsLinesAndLeavesOutPicturesAndFeedback) {
    struct Case {
        const char *body, *text;
    };
    const Case cases[] = {
        {"<itemBody><p>One <b>two</b>\n   three</p><p>Four</p></itemBody>", "One two three\nFour"},
        {"<itemBody><div>a<br/>b</div><ul><li>x</li><li>y</li></ul></itemBody>", "a\nb\nx\ny"},
        {"<itemBody><table><tr><td>1</td><td>2</td></tr><tr><td>3</td></tr></table></itemBody>", "1 2\n3"},
        {"<itemBody><p>See <img src=\"a.png\"/>it.</p><feedbackBlock>secret</feedbackBlock></itemBody>", "See it."},
        {"<itemBody><p>Fill <textEntryInteraction responseIdentifier=\"R\"/> in.</p></itemBody>", "Fill _____ in."},
        {"<itemBody><p>Pick:</p><choiceInteraction><prompt>Which one?</prompt><simpleChoice>no</simpleChoice>"
         "</choiceInteraction></itemBody>",
         "Pick:\nWhich one?"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.body);
        pugi::xml_document doc;
        ASSERT_TRUE(doc.load_string(c.body, pugi::parse_default | pugi::parse_ws_pcdata));
        pugi::xml_node interaction;
        for (const auto& x : doc.select_nodes("//*"))
            if (std::string(x.node().name()).find("Interaction") != std::string::npos) interaction = x.node();
        EXPECT_EQ(statementText(doc.document_element(), interaction), c.text);
    }
}

// What a conversion tells the author, and what it adds to the statement.
TEST(QtiConversion, ItemsSayWhatWasSimplified) {
    struct Case {
        const char* file;
        std::string statementEnd;
        int marks;
        std::vector<std::string> notesAbout;
    };
    const Case cases[] = {
        {"choice_multiple.xml", "range? (Choose two.)", 2, {}},
        {"choice_single.xml", "\nWhich service is most likely failing?", 1, {}},
        {"hotspot_multiple.xml", "\nSelect both copper ports.", 1, {"\"p2\" (circle)", "\"p4\" (poly)"}},
        {"graphic_gap_match.xml", "network layer.", 1, {"\"link\" is left out"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const Question q = convertItem({examsim::test::qtiSamples() / c.file, examsim::test::qtiSamples(), {}, {}});
        ASSERT_GE(q.statement.size(), c.statementEnd.size());
        EXPECT_EQ(q.statement.substr(q.statement.size() - c.statementEnd.size()), c.statementEnd);
        EXPECT_EQ(q.marks, c.marks);
        ASSERT_EQ(q.notes.size(), c.notesAbout.size());
        for (std::size_t i = 0; i < c.notesAbout.size(); ++i)
            EXPECT_NE(q.notes[i].find(c.notesAbout[i]), std::string::npos) << q.notes[i];
    }
}

// New elements go in with their siblings' indentation; the rest stays as read.
TEST(QtiConversion, InsertedElementsTakeTheirSiblingsIndentation) {
    struct Case {
        const char* source;
        int after;  // position of the element to insert after, -1 for the front
        const char* result;
        bool oneLine = true;
        const char* piece = "<Ans q=\"2\"><c>B</c></Ans>";
    };
    const Case cases[] = {
        {"<A>\n  <Ans q=\"1\">x</Ans>\n  <Ans q=\"3\"/>\n</A>", 0,
         "<A>\n  <Ans q=\"1\">x</Ans>\n  <Ans q=\"2\"><c>B</c></Ans>\n  <Ans q=\"3\"/>\n</A>\n"},
        {"<A>\n\t<Ans q=\"1\">x</Ans>\n</A>", -1, "<A>\n\t<Ans q=\"2\"><c>B</c></Ans>\n\t<Ans q=\"1\">x</Ans>\n</A>\n"},
        {"<A>\n  <Ans q=\"1\"/>\n</A>", 0, "<A>\n  <Ans q=\"1\"/>\n  <Ans q=\"2\"><c>B</c></Ans>\n</A>\n"},
        {"<A/>", -1, "<A>\n  <Ans q=\"2\"><c>B</c></Ans>\n</A>\n"},
        {"<?xml version=\"1.0\"?>\n<A>\n</A>", -1, "<?xml version=\"1.0\"?>\n<A>\n  <Ans q=\"2\"><c>B</c></Ans>\n</A>\n"},
        {"<B>\n  <T>\n    <Ans/>\n  </T>\n</B>", 0,
         "<B>\n  <T>\n    <Ans/>\n    <item>\n      <s>a\nb</s>\n    </item>\n  </T>\n</B>\n", false,
         "<item><s>a\nb</s></item>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.source);
        pugi::xml_document doc, piece;
        ASSERT_TRUE(doc.load_string(c.source, pugi::parse_default | pugi::parse_ws_pcdata | pugi::parse_declaration));
        ASSERT_TRUE(piece.load_string(c.piece));
        pugi::xml_node parent = doc.document_element();
        if (parent.child("T")) parent = parent.child("T");
        pugi::xml_node after;
        int k = 0;
        for (pugi::xml_node n : parent.children("Ans"))
            if (k++ == c.after) after = n;
        insertIndented(parent, after, piece.document_element(), c.oneLine);
        EXPECT_EQ(sourceText(doc), c.result);
    }
}

}  // namespace
