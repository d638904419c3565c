#include "core/crypt_api.h"
#include "support/temp_folder.h"

#include <functional>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

std::string xorWithKey(std::string text, const std::string& key) {
    for (std::size_t i = 0; i < text.size(); ++i) text[i] = static_cast<char>(text[i] ^ key[i % key.size()]);
    return text;
}

}  // namespace

TEST(Container, FileIsXoredWithTheRepeatingPassPhraseAndTwiceGivesItBack) {
    TempFolder t;
    const std::string plain = "ABCDEFGHI";  // one byte past the key's period
    writeFile(t / "p.xml", plain);
    clsCryptAPI c;
    c.EncryptFile(t / "p.xml", t / "p.wlb", kPassPhrase);
    EXPECT_EQ(readFile(t / "p.wlb"), xorWithKey(plain, "pelkoram"));
    c.EncryptFile(t / "p.wlb", t / "back");  // the key stays in force when none is given
    EXPECT_EQ(readFile(t / "back"), plain);
}

TEST(Container, DecryptFileReturnsUtf8TextAndWritesNothingButDecryptFile2ReplacesTheFile) {
    TempFolder t;
    writeFile(t / "d.wlb", xorWithKey("<a>caf\xE9</a>", "pelkoram"));
    writeFile(t / "tempSwf.swf", std::string(500, 'x'));  // longer than what replaces it
    clsCryptAPI c;
    EXPECT_EQ(c.DecryptFile(t / "d.wlb", t / "d.xml", kPassPhrase), "<a>caf\xC3\xA9</a>");
    EXPECT_FALSE(std::filesystem::exists(t / "d.xml"));
    EXPECT_EQ(c.DecryptFile2(t / "d.wlb", t / "tempSwf.swf", kPassPhrase), "<a>caf\xC3\xA9</a>");
    EXPECT_EQ(readFile(t / "tempSwf.swf"), "<a>caf\xE9</a>");
}

TEST(Container, MissingSourceRaisesTheSourceErrorAndWritesNothing) {
    TempFolder t;
    clsCryptAPI c;
    const std::function<void()> ops[] = {[&] { c.EncryptFile(t / "none", t / "out", kPassPhrase); },
                                         [&] { c.DecryptFile(t / "none", t / "out", kPassPhrase); },
                                         [&] { c.DecryptFile2(t / "none", t / "out", kPassPhrase); }};
    for (std::size_t op = 0; op < std::size(ops); ++op) {
        SCOPED_TRACE(op);
        try {
            ops[op]();
            ADD_FAILURE() << "did not raise";
        } catch (const CryptError& e) {
            EXPECT_EQ(e.number(), -2147221504);
            EXPECT_EQ(e.description(), "Error in Skipjack EncryptFile procedure (Source file does not exist). Missing file: " +
                                           (t / "none").string());
        }
        EXPECT_FALSE(std::filesystem::exists(t / "out"));
    }
}

TEST(Container, KeyOfAnotherLengthChangesThePeriodAndAnEmptyKeyKeepsIt) {
    clsCryptAPI c;
    std::vector<std::uint8_t> bytes(5, 0);
    EXPECT_THROW(c.EncryptByte(bytes), std::domain_error);  // no key ever set: no division by zero
    c.Key("ab");
    c.Key("xyz");
    c.EncryptByte(bytes, "");
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'x', 'y', 'z', 'x', 'y'}));
}

TEST(Container, WordWiseCipherMatchesByteWiseAtEveryLengthAndKey) {
    for (const std::string key : {"pelkoram", "abc", "k", "0123456789abcdefghijk"}) {
        for (std::size_t n : {0u, 1u, 7u, 8u, 63u, 64u, 65u, 200u, 1031u}) {
            std::string plain(n, '\0');
            for (std::size_t i = 0; i < n; ++i) plain[i] = static_cast<char>(i * 13 + 5);
            std::vector<std::uint8_t> bytes(plain.begin(), plain.end());
            clsCryptAPI().EncryptByte(bytes, key);
            ASSERT_EQ(std::string(bytes.begin(), bytes.end()), xorWithKey(plain, key)) << "key " << key << " length " << n;
        }
    }
}

TEST(Container, StringOperationsAreInverse) {
    clsCryptAPI c;
    const std::string text = "Caf\xC3\xA9 \xE2\x82\xAC 12";  // "Café € 12"
    const std::string enc = c.EncryptString(text, kPassPhrase);
    EXPECT_NE(enc, text);
    EXPECT_EQ(c.DecryptString(enc), text);
}
