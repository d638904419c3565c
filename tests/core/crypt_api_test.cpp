#include "core/crypt_api.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim;
using examsim::test::readFile;
using examsim::test::TempFolder;
using examsim::test::writeFile;

namespace {

std::string xorWithKey(const std::string& plain, const std::string& key) {
    std::string out = plain;
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<char>(out[i] ^ key[i % key.size()]);
    return out;
}

}  // namespace

TEST(Container, EncipheredFileHasSameLengthAndNinthByteReusesKeyByteZero) {
    TempFolder t;
    const std::string plain = "ABCDEFGHI";  // 9 bytes, key of 8
    writeFile(t / "p.xml", plain);
    clsCryptAPI c;
    c.EncryptFile(t / "p.xml", t / "p.wlb", kPassPhrase);
    const std::string stored = readFile(t / "p.wlb");
    ASSERT_EQ(stored.size(), 9u);
    EXPECT_EQ(stored, xorWithKey(plain, "pelkoram"));
    EXPECT_EQ(static_cast<char>(stored[8] ^ 'I'), 'p');
}

TEST(Container, EncipheringTwiceGivesThePlainBytesBack) {
    TempFolder t;
    std::string plain;
    for (int i = 0; i < 1000; ++i) plain.push_back(static_cast<char>(i * 37));
    writeFile(t / "a", plain);
    clsCryptAPI c;
    c.EncryptFile(t / "a", t / "b", kPassPhrase);
    EXPECT_NE(readFile(t / "b"), plain);
    c.EncryptFile(t / "b", t / "c");  // key stays in force when none is given
    EXPECT_EQ(readFile(t / "c"), plain);
}

TEST(Container, DecryptFileReturnsTextAndWritesNothing) {
    TempFolder t;
    writeFile(t / "d.wlb", xorWithKey("<a>caf\xE9</a>", "pelkoram"));
    clsCryptAPI c;
    EXPECT_EQ(c.DecryptFile(t / "d.wlb", t / "d.xml", kPassPhrase), "<a>caf\xC3\xA9</a>");
    EXPECT_FALSE(std::filesystem::exists(t / "d.xml"));
}

TEST(Container, DecryptFile2ReplacesALongerDestinationCompletely) {
    TempFolder t;
    writeFile(t / "m.wlb", xorWithKey("short", "pelkoram"));
    writeFile(t / "tempSwf.swf", std::string(500, 'x'));
    clsCryptAPI c;
    EXPECT_EQ(c.DecryptFile2(t / "m.wlb", t / "tempSwf.swf", kPassPhrase), "short");
    EXPECT_EQ(readFile(t / "tempSwf.swf"), "short");
}

TEST(Container, MissingSourceRaisesTheSourceErrorAndWritesNothing) {
    TempFolder t;
    clsCryptAPI c;
    for (int op = 0; op < 3; ++op) {
        try {
            if (op == 0) c.EncryptFile(t / "none", t / "out", kPassPhrase);
            if (op == 1) c.DecryptFile(t / "none", t / "out", kPassPhrase);
            if (op == 2) c.DecryptFile2(t / "none", t / "out", kPassPhrase);
            FAIL() << "operation " << op << " did not raise";
        } catch (const CryptError& e) {
            EXPECT_EQ(e.number(), -2147221504);
            EXPECT_EQ(e.description(), "Error in Skipjack EncryptFile procedure (Source file does not exist).");
        }
        EXPECT_FALSE(std::filesystem::exists(t / "out"));
    }
}

TEST(Container, KeyRuleAndPeriod) {
    clsCryptAPI c;
    c.Key("ab");
    EXPECT_EQ(c.keyLength(), 2);
    std::vector<std::uint8_t> bytes(6, 0);
    c.EncryptByte(bytes);
    EXPECT_EQ(bytes, (std::vector<std::uint8_t>{'a', 'b', 'a', 'b', 'a', 'b'}));

    c.Key("ab");  // same text: nothing changes
    EXPECT_EQ(c.keyText(), "ab");
    c.Key("xyz");  // another length changes the period
    std::vector<std::uint8_t> again(6, 0);
    c.EncryptByte(again);
    EXPECT_EQ(again, (std::vector<std::uint8_t>{'x', 'y', 'z', 'x', 'y', 'z'}));

    std::vector<std::uint8_t> withArg(3, 0);
    c.EncryptByte(withArg, "");  // an empty key argument keeps the key in force
    EXPECT_EQ(withArg, (std::vector<std::uint8_t>{'x', 'y', 'z'}));
}

TEST(Container, NoKeyEverSetFailsInsteadOfDividingByZero) {
    clsCryptAPI c;
    std::vector<std::uint8_t> bytes(4, 1);
    EXPECT_THROW(c.EncryptByte(bytes), std::domain_error);
}

TEST(Container, WordWiseCipherMatchesByteWiseAtEveryLengthAndKey) {
    for (const std::string key : {"pelkoram", "abc", "k", "0123456789abcdefghijk"}) {
        for (std::size_t n : {0u, 1u, 7u, 8u, 63u, 64u, 65u, 200u, 1031u}) {
            std::vector<std::uint8_t> bytes(n);
            for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<std::uint8_t>(i * 13 + 5);
            auto expected = bytes;
            for (std::size_t i = 0; i < n; ++i) expected[i] ^= static_cast<std::uint8_t>(key[i % key.size()]);
            clsCryptAPI c;
            c.EncryptByte(bytes, key);
            ASSERT_EQ(bytes, expected) << "key " << key << " length " << n;
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
