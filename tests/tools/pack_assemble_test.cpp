#include "core/crypt_api.h"
#include "core/encoding.h"
#include "support/temp_folder.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

struct RunResult {
    int status;
    std::string output;  // stdout and stderr together
};

RunResult runPack(const std::string& args) {
    const std::string cmd = std::string(EXAMSIM_PACK) + " " + args + " 2>&1";
    RunResult r{0, {}};
    FILE* p = ::popen(cmd.c_str(), "r");
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), p)) r.output.append(buf.data(), n);
    const int raw = ::pclose(p);
    r.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return r;
}

std::string q(const std::filesystem::path& p) { return "'" + p.string() + "'"; }

std::filesystem::path sourceDir() {
    const char* s = std::getenv("EXAMSIM_SOURCE_DIR");
    return s ? s : "";
}

}  // namespace

TEST(PackTool, EncipherAndDecipherAreInverseAndMatchTheCipher) {
    TempFolder t;
    writeFile(t / "plain.xml", "<a>caf\xE9</a>");
    ASSERT_EQ(runPack("encipher " + q(t / "plain.xml") + " " + q(t / "a.wlb")).status, 0);
    clsCryptAPI c;
    EXPECT_EQ(c.DecryptFile(t / "a.wlb", t / "ignored", kPassPhrase), "<a>caf\xC3\xA9</a>");
    ASSERT_EQ(runPack("decipher " + q(t / "a.wlb") + " " + q(t / "back.xml")).status, 0);
    EXPECT_EQ(readFile(t / "back.xml"), "<a>caf\xE9</a>");
}

TEST(PackTool, RefusesAMissingSourceWithAClearMessage) {
    TempFolder t;
    const auto r = runPack("encipher " + q(t / "missing.xml") + " " + q(t / "out.wlb"));
    EXPECT_NE(r.status, 0);
    EXPECT_NE(r.output.find("missing.xml"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(t / "out.wlb"));
    EXPECT_EQ(runPack("frobnicate a b").status, 2);
}

TEST(PackTool, AssembleRefusesXmlThatDoesNotParseNamingFileLineAndColumn) {
    TempFolder t;
    writeFile(t / "product" / "data" / "Good.xml", "<ok/>");
    writeFile(t / "product" / "data" / "Broken.xml", "<a>\n  <b>\n</a>\n");
    const auto r = runPack("assemble " + q(t / "product") + " " + q(t / "app"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("Broken.xml:3:"), std::string::npos) << r.output;
    EXPECT_FALSE(std::filesystem::exists(t / "app" / "Database" / "Good.wlb")) << "nothing is written before every source checks";
}

TEST(PackTool, AssembleRefusesTextTheCodePageCannotHold) {
    TempFolder t;
    writeFile(t / "product" / "data" / "Tick.xml", "<a>\xE2\x9C\x93</a>");
    const auto r = runPack("assemble " + q(t / "product") + " " + q(t / "app"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("Tick.xml"), std::string::npos) << r.output;
}

TEST(PackTool, AssembledDataDeciphersToTheSourcesInTheStoredForm) {
    TempFolder t;
    writeFile(t / "product" / "data" / "Product.xml", "<product>\n  <sku>\xE2\x82\xAC-1</sku>\n</product>\n");
    writeFile(t / "product" / "movies" / "Splash.html", "<html>\n</html>\n");
    writeFile(t / "product" / "files" / "Database" / "page.html", "<p>x</p>");
    const auto r = runPack("assemble " + q(t / "product") + " " + q(t / "app"));
    ASSERT_EQ(r.status, 0) << r.output;
    clsCryptAPI c;
    EXPECT_EQ(c.DecryptFile(t / "app" / "Database" / "Product.wlb", {}, kPassPhrase),
              "<product>\r\n  <sku>\xE2\x82\xAC-1</sku>\r\n</product>\r\n");
    EXPECT_EQ(c.DecryptFile(t / "app" / "Splash.wlb", {}, kPassPhrase), "<html>\r\n</html>\r\n");
    EXPECT_EQ(readFile(t / "app" / "Database" / "page.html"), "<p>x</p>");
}

TEST(PackTool, TheSampleProductAssemblesAndEveryDataFileDeciphersToItsSource) {
    const auto product = sourceDir() / "product";
    ASSERT_TRUE(std::filesystem::is_directory(product / "data")) << product;
    TempFolder t;
    const auto r = runPack("assemble " + q(product) + " " + q(t / "app"));
    ASSERT_EQ(r.status, 0) << r.output;
    clsCryptAPI c;
    std::size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(product / "data")) {
        if (e.path().extension() != ".xml") continue;
        const auto wlb = t / "app" / "Database" / (e.path().stem().string() + ".wlb");
        std::string expected = readFile(e.path()), crlf;
        for (std::size_t i = 0; i < expected.size(); ++i) {
            if (expected[i] == '\n' && (i == 0 || expected[i - 1] != '\r')) crlf += '\r';
            crlf += expected[i];
        }
        EXPECT_EQ(c.DecryptFile(wlb, {}, kPassPhrase), crlf) << wlb;
        ++n;
    }
    EXPECT_GE(n, 2u);
}
