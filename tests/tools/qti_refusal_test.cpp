// Inputs the importer refuses: each is named in the message, and the
// product is left byte for byte as it was.
#include "qti_play_support.h"

#include <gtest/gtest.h>
#include <functional>

using namespace examsim::test;
namespace fs = std::filesystem;

namespace {

// Replaces the first `from` in a sample item and writes it to `to`.
fs::path edited(const fs::path& samples, const char* item, const std::string& from, const std::string& to,
                const char* name) {
    std::string text = readFile(samples / item);
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    if (at != std::string::npos) text.replace(at, from.size(), to);
    writeFile(samples / name, text);
    return samples / name;
}

struct Refusal {
    const char* what;
    // Makes the source in a copy of the samples (and may touch the product);
    // returns the arguments after the sources' position.
    std::function<std::vector<std::string>(const fs::path& samples, const fs::path& product)> arrange;
    std::vector<std::string> said;
};

std::vector<std::string> asDiagnostic(const fs::path& source) {
    return {source.string(), "--test", "Diagnostic", "--objective", "Network Services", "--level", "Beginner"};
}

const std::vector<Refusal>& refusals() {
    static const std::vector<Refusal> r = {
        {"a ZIP with a ../ entry",
         [](const fs::path& s, const fs::path&) {
             writeZip(s / "escape.zip", s / "package", {{"../escaped.txt", "outside"}});
             return std::vector<std::string>{(s / "escape.zip").string()};
         },
         {"escape.zip"}},
        {"a manifest naming a missing file",
         [](const fs::path& s, const fs::path&) {
             fs::remove(s / "package" / "images" / "router-ports.svg");
             return std::vector<std::string>{(s / "package").string()};
         },
         {"res-gateway", "\"images/router-ports.svg\", which the package does not have"}},
        {"a difficulty that maps to no level",
         [](const fs::path& s, const fs::path&) {
             edited(s / "package", "imsmanifest.xml", "<imsmd:value>easy</imsmd:value>",
                    "<imsmd:value>hard-ish</imsmd:value>", "imsmanifest.xml");
             return std::vector<std::string>{(s / "package").string()};
         },
         {"item \"pkg-default-gateway\": level \"hard-ish\""}},
        {"an unsupported interaction",
         [](const fs::path& s, const fs::path&) { return asDiagnostic(s / "broken" / "order_interaction.xml"); },
         {"item \"broken-dora-order\"", "orderInteraction"}},
        {"a correct response naming no choice",
         [](const fs::path& s, const fs::path&) { return asDiagnostic(s / "broken" / "correct_names_no_choice.xml"); },
         {"item \"broken-loopback\"", "\"localhost\", which is none of its choices"}},
        {"a character outside Windows-1252",
         [](const fs::path& s, const fs::path&) { return asDiagnostic(s / "broken" / "arrow_character.xml"); },
         {"item \"broken-arrow\"", "\"\xE2\x86\x92\" (U+2192)"}},
        {"an adaptive item",
         [](const fs::path& s, const fs::path&) {
             return asDiagnostic(edited(s, "choice_single.xml", "adaptive=\"false\"", "adaptive=\"true\"", "a.xml"));
         },
         {"item \"sample-dns-role\" is adaptive"}},
        {"a template item",
         [](const fs::path& s, const fs::path&) {
             return asDiagnostic(edited(s, "choice_single.xml", "<outcomeDeclaration",
                                        "<templateDeclaration identifier=\"N\" cardinality=\"single\" baseType=\"integer\"/>"
                                        "<outcomeDeclaration",
                                        "t.xml"));
         },
         {"item \"sample-dns-role\" is a template"}},
        {"response processing of its own",
         [](const fs::path& s, const fs::path&) {
             return asDiagnostic(edited(s, "choice_single.xml",
                                        "<responseProcessing template=\"http://www.imsglobal.org/question/qti_v2p2/"
                                        "rptemplates/match_correct\"/>",
                                        "<responseProcessing><responseCondition/></responseProcessing>", "r.xml"));
         },
         {"its own response processing rules"}},
        {"the point-mapping template",
         [](const fs::path& s, const fs::path&) {
             return asDiagnostic(edited(s, "hotspot_single.xml", "match_correct", "map_response_point", "p.xml"));
         },
         {"map_response_point"}},
        {"areas that overlap as rectangles",
         [](const fs::path& s, const fs::path&) {
             return asDiagnostic(edited(s, "hotspot_multiple.xml", "coords=\"150,60,30\"", "coords=\"150,60,80\"", "o.xml"));
         },
         {"\"p1\" and \"p2\" that overlap"}},
        {"a picture outside the package",
         [](const fs::path& s, const fs::path&) {
             writeFile(s.parent_path() / "outside.svg", "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"9\" height=\"9\"/>");
             return asDiagnostic(edited(s, "choice_single.xml", "<p>A laptop", "<p><img src=\"../outside.svg\"/>A laptop", "x.xml"));
         },
         {"\"../outside.svg\" lies outside the package"}},
        {"an objective the product lacks",
         [](const fs::path& s, const fs::path&) {
             return std::vector<std::string>{(s / "choice_single.xml").string(), "--test", "Diagnostic", "--objective",
                                             "Cooking", "--level", "Beginner"};
         },
         {"--objective \"Cooking\""}},
        {"an item without objective",
         [](const fs::path& s, const fs::path&) {
             return std::vector<std::string>{(s / "choice_single.xml").string(), "--test", "Diagnostic", "--level", "Expert"};
         },
         {"item \"sample-dns-role\" has no objective"}},
        {"a single item without a test name",
         [](const fs::path& s, const fs::path&) {
             return std::vector<std::string>{(s / "choice_single.xml").string(), "--objective", "Network Services",
                                             "--level", "Expert"};
         },
         {"--test"}},
        {"a statement the bank already has",
         [](const fs::path& s, const fs::path& product) {
             EXPECT_EQ(runPack("import-qti", {s / "choice_single.xml", "--product", product, "--test", "Final",
                                              "--objective", "Network Services", "--level", "Expert"})
                           .status,
                       0);
             return asDiagnostic(edited(s, "choice_single.xml", "identifier=\"sample-dns-role\"",
                                        "identifier=\"sample-dns-again\"", "again.xml"));
         },
         {"item \"sample-dns-again\" has the same statement as question \"QTI-sample-dns-role\""}},
        {"a different picture of the same name in the product",
         [](const fs::path& s, const fs::path& product) {
             fs::create_directories(product / "files" / "Database" / "images" / "qti");
             writeFile(product / "files" / "Database" / "images" / "qti" / "images-patch-panel.svg",
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"1\" height=\"1\"/>");
             return asDiagnostic(s / "hotspot_single.xml");
         },
         {"already has a different picture \"files/Database/images/qti/images-patch-panel.svg\""}},
    };
    return r;
}

TEST(QtiRefusal, EachBrokenInputIsNamedAndChangesNothing) {
    for (const auto& r : refusals()) {
        SCOPED_TRACE(r.what);
        ProductCopy product;
        TempFolder work;
        const fs::path samples = work / "samples";
        fs::copy(qtiSamples(), samples, fs::copy_options::recursive);
        const std::vector<std::string> args = r.arrange(samples, product.path());
        const auto before = snapshot(product.path());
        std::string command = "import-qti --product '" + product.path().string() + "'";
        for (const auto& a : args) command += " '" + a + "'";
        const PackRun run = runPack(command, {});
        EXPECT_EQ(run.status, 1) << run.output;
        for (const auto& s : r.said) EXPECT_NE(run.output.find(s), std::string::npos) << s << "\n" << run.output;
        EXPECT_EQ(snapshot(product.path()), before) << run.output;
        EXPECT_FALSE(fs::exists(work / "escaped.txt"));
    }
}

// With --skip-unsupported the convertible items go in and the others are listed.
TEST(QtiRefusal, SkippingImportsTheRestAndListsWhatWasLeft) {
    ProductCopy product;
    const fs::path s = qtiSamples();
    const PackRun run = runPack("import-qti", {s / "broken" / "order_interaction.xml", s / "choice_single.xml",
                                               s / "broken" / "arrow_character.xml", "--product", product.path(),
                                               "--test", "Diagnostic", "--objective", "Network Services", "--level",
                                               "Beginner", "--skip-unsupported"});
    EXPECT_EQ(run.status, 0) << run.output;
    for (const char* said : {"skipped 2 item(s)", "broken-dora-order", "broken-arrow", "imported 1 question(s)"})
        EXPECT_NE(run.output.find(said), std::string::npos) << said << "\n" << run.output;
    const std::string bank = readFile(product.path() / "data" / "QuestionBank.xml");
    EXPECT_NE(bank.find("QTI-sample-dns-role"), std::string::npos);
    EXPECT_EQ(bank.find("QTI-broken-"), std::string::npos);
}

}  // namespace
