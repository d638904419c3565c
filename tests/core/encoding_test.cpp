#include "core/character_references.h"
#include "core/data_file.h"
#include "core/encoding.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "support/context_fixture.h"
#include "support/declared_reader.h"

#include <functional>

using namespace examsim;
using namespace examsim::test;

TEST(Encoding, Windows1252RoundTripsThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b) all.push_back(static_cast<char>(b));
    std::string back;
    ASSERT_TRUE(utf8ToCp1252(cp1252ToUtf8(all), back));
    EXPECT_EQ(back, all);
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC");  // euro sign
    EXPECT_EQ(cp1252ToUtf8("\x93q\x94"), "\xE2\x80\x9Cq\xE2\x80\x9D");
}

// What XML reads back as a reference becomes one; what it cannot is left
// out, and the text still parses.
TEST(Encoding, CharactersOutsideTheCodePageBecomeReferencesWhereXmlReadsThemBack) {
    const struct {
        const char* xml;
        const char* stored;
    } cases[] = {
        {"<a>\xC5\x81\xC3\xB3" "d\xC5\xBA</a>", "<a>&#321;\xC3\xB3" "d&#378;</a>"},                       // Łódź: ó is held
        {"<a t=\"\xE2\x9C\x93\" u='x\xF0\x9F\x98\x80'>\xE2\x82\xAC</a>", "<a t=\"&#10003;\" u='x&#128512;'>\xE2\x82\xAC</a>"},
        {"<a><!-- \xE2\x9C\x93 --><?p \xE2\x9C\x93?><![CDATA[\xE2\x9C\x93<]]>\xE2\x9C\x93</a>", "<a><!--  --><?p ?><![CDATA[<]]>&#10003;</a>"},
        {"<\xE4\xB8\xAD" "a x=\"1\">\xE4\xB8\xAD</\xE4\xB8\xAD" "a>", "<a x=\"1\">&#20013;</a>"},     // not in a name
        {"<a>\xE2\x9C</a>", "<a></a>"},                                                              // a broken sequence
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.xml);
        const std::string stored = referencedForCodePage(c.xml);
        EXPECT_EQ(stored, c.stored);
        std::string ansi;
        EXPECT_TRUE(utf8ToCp1252(stored, ansi));
        pugi::xml_document doc;
        EXPECT_TRUE(parseXml(doc, stored));
    }
}

TEST(Encoding, InPlaceConversionMatchesTheCopyingOneForAnyMix) {
    // Mixes of ASCII runs of every length around 8 with bytes that widen to 2 and 3.
    for (int seed = 0; seed < 200; ++seed) {
        std::string ansi;
        unsigned x = static_cast<unsigned>(seed) * 2654435761u + 1;
        for (int i = 0; i < seed % 40; ++i) {
            x = x * 1103515245u + 12345u;
            const unsigned pick = (x >> 16) % 10;
            ansi.push_back(pick < 6 ? static_cast<char>('a' + pick) : pick < 8 ? '\xE9' : pick < 9 ? '\x80' : '\x81');
        }
        const std::string expected = cp1252ToUtf8(ansi);
        ASSERT_EQ(cp1252Utf8Length(ansi), expected.size());
        std::string buffer = ansi;
        buffer.resize(expected.size());
        cp1252ToUtf8InPlace(buffer.data(), ansi.size(), expected.size());
        ASSERT_EQ(buffer, expected) << "seed " << seed;
    }
}

class DataDocuments : public ContextFixture {};

TEST_F(DataDocuments, AccentsEuroAndQuotesRoundTripThroughSaveAndLoad) {
    const std::string small = "<r a=\"\xE2\x80\x9Cq\xE2\x80\x9D\"><t>caf\xC3\xA9 \xE2\x82\xAC 5</t></r>";
    std::string wide = "<r>";  // grows beyond the load buffer's slack: each one byte stored, two or three read
    for (int i = 0; i < 500; ++i) wide += "\xE2\x82\xAC\xC3\xA9";
    for (const std::string& xml : {small, wide + "</r>"}) {
        pugi::xml_document doc, back;
        ASSERT_TRUE(parseXml(doc, xml));
        saveDataDocument(ctx, doc, "Sample");
        ASSERT_TRUE(loadDataDocument(ctx, "Sample", back));
        EXPECT_EQ(xmlText(back), xml);
    }
}

TEST_F(DataDocuments, StoredTextIsWindows1252WithCrLfLineBreaks) {
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<r>one\ntwo\r\nthree\xC3\xA9</r>"));
    EXPECT_EQ(storedBytes(doc), "<r>one\r\ntwo\r\nthree\xE9</r>");
}

// A learner's answer or remark in any script comes back as it was typed.
TEST_F(DataDocuments, ACharacterOutsideTheCodePageSurvivesSaveAndLoad) {
    const std::string xml = "<r a=\"\xC5\x81\xC3\xB3" "d\xC5\xBA\">ok \xE2\x9C\x93 caf\xC3\xA9 \xF0\x9F\x98\x80 &amp;#321;</r>";
    pugi::xml_document doc, back;
    ASSERT_TRUE(parseXml(doc, xml));
    saveDataDocument(ctx, doc, "Tick");
    ASSERT_TRUE(loadDataDocument(ctx, "Tick", back));
    EXPECT_EQ(xmlText(back), xml);
    EXPECT_TRUE(host.messages.shown.empty());
}

TEST_F(DataDocuments, TextThatDoesNotParseLeavesTheDocumentEmptyAndAMissingFileRaises) {
    writeFile(t / "Database" / "Bad.wlb", std::string(10, 'x'));
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, "<old/>"));
    EXPECT_FALSE(loadDataDocument(ctx, "Bad", doc));
    EXPECT_FALSE(doc.first_child());
}

// Start-up ends showing the description: the fixed text first, then the file.
TEST_F(DataDocuments, AMissingDataFileRaisesTheSourceErrorNamingTheFile) {
    pugi::xml_document doc;
    const std::pair<std::function<void()>, const char*> loads[] = {
        {[&] { loadDataDocument(ctx, "Nothing", doc); }, "Nothing.wlb"},
        {[&] { loadSystemDocument(ctx); }, "System.wlb"},
        {[&] { loadProductDocument(ctx); }, "Product.wlb"}};
    for (const auto& [load, file] : loads) {
        SCOPED_TRACE(file);
        try {
            load();
            ADD_FAILURE() << "did not raise";
        } catch (const CryptError& e) {
            EXPECT_EQ(e.number(), kSourceMissingError);
            EXPECT_EQ(e.description(), std::string(kSourceMissingText) + " Missing file: " + (t / "Database" / file).string());
        }
    }
}

TEST_F(DataDocuments, WriteXmlFileNormalisesLineBreaksAndKeepsEveryCharacter) {
    std::string text = "<a>\xE2\x9C\x93 \xC3\xA9\nx</a>";
    writeXMLFile(ctx, text, t / "Database" / "simulator", "test");
    EXPECT_EQ(text, "<a>&#10003; \xC3\xA9\r\nx</a>");
    EXPECT_EQ(readFile(t / "Database" / "simulator"), "<a>&#10003; \xE9\r\nx</a>");
}

// Whatever a text declared on arrival, what is written says what it is.
TEST_F(DataDocuments, WrittenFilesDeclareTheEncodingTheyAreWrittenIn) {
    const std::string accents = "caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x9Cq\xE2\x80\x9D \xE2\x80\x93";
    const struct {
        const char* arrived;
        const char* written;
    } cases[] = {
        {"<?xml version=\"1.0\" encoding=\"UTF-8\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"},
        {"<?xml version='1.1' encoding='utf-16' standalone='yes'?>", "<?xml version=\"1.1\" encoding=\"windows-1252\" standalone=\"yes\"?>"},
        {"<?xml version=\"1.0\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"},
        {"<?xml version=\"1.0\" encoding=\"windows-1252\"?>", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arrived);
        std::string text = std::string(c.arrived) + "<a>" + accents + "</a>";
        writeXMLFile(ctx, text, t / "Database" / "simulator", "test");
        pugi::xml_document doc;
        const std::string plain = readFile(t / "Database" / "simulator");
        EXPECT_EQ(plain.rfind(c.written, 0), 0u) << plain;
        EXPECT_EQ(readAsDeclared(plain, doc), "windows-1252");
        EXPECT_EQ(textContent(doc.child("a")), accents);

        ASSERT_TRUE(parseXml(doc, std::string(c.arrived) + "<a>" + accents + "</a>"));
        saveDataDocument(ctx, doc, "Declared");
        std::string stored = readFile(dataFilePath(ctx, "Declared"));
        ctx.dataCipher.DecryptByte({reinterpret_cast<std::uint8_t*>(stored.data()), stored.size()}, kPassPhrase);
        EXPECT_EQ(stored.rfind(c.written, 0), 0u) << stored;
        EXPECT_EQ(readAsDeclared(stored, doc), "windows-1252");
        EXPECT_EQ(textContent(doc.child("a")), accents);
    }
    // Without a declaration nothing is added; a stylesheet reference is no declaration.
    for (const std::string plain : {"<a>x</a>", "<?xml-stylesheet type=\"text/xsl\" href=\"print.xsl\"?><a>x</a>"}) {
        std::string text = plain;
        writeXMLFile(ctx, text, t / "Database" / "simulator", "test");
        EXPECT_EQ(readFile(t / "Database" / "simulator"), plain);
    }
}

TEST_F(DataDocuments, WriteXmlFileFailureShowsSi13AndEndsTheProgram) {
    ctx.catalogue["si13"] = "cannot write";
    std::string text = "<a/>";
    EXPECT_THROW(writeXMLFile(ctx, text, t / "no-such-folder" / "simulator", "test"), ProgramEnded);
    ASSERT_EQ(host.messages.shown.size(), 1u);
    EXPECT_EQ(host.messages.shown[0].text, "cannot write");
    EXPECT_EQ(host.program.endCount, 1);
}
