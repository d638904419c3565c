#include "fuzz_app.h"

#include "core/atomic_file.h"
#include "core/crypt_api.h"
#include "core/xml.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <unistd.h>

namespace examsim::fuzz {
namespace {

constexpr const char* kProduct =
    "<product><product-name>Fuzz</product-name><examinstruction show=\"true\"/>"
    "<reports><test_pass_percentage>65</test_pass_percentage>"
    "<test_result_analysis min_marks=\"0\" max_marks=\"50\">Low</test_result_analysis>"
    "<test_result_analysis min_marks=\"51\" max_marks=\"100\">High</test_result_analysis></reports>"
    "<objectives><objective name=\"A\">Alpha</objective><objective name=\"B\">Beta</objective></objectives></product>";

std::filesystem::path scratchRoot() {
    std::error_code ec;
    if (std::filesystem::is_directory("/dev/shm", ec) && ::access("/dev/shm", W_OK) == 0) return "/dev/shm";
    return std::filesystem::temp_directory_path();
}

}  // namespace

FuzzApp::FuzzApp() {
    folder = scratchRoot() / ("examsim-fuzz-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder / "Database");
    std::atexit([] {
        std::error_code ec;
        std::filesystem::remove_all(app().folder, ec);
    });
}

AppContext& FuzzApp::fresh() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
    std::filesystem::create_directories(folder / "Database");
    static std::unique_ptr<AppContext> current;
    current = std::make_unique<AppContext>();
    ctx = current.get();
    ctx->paths.setFolder(folder);
    ctx->host.messages = &host;
    ctx->host.links = &host;
    ctx->host.mail = &host;
    ctx->host.program = &host;
    parseXml(ctx->productDoc, kProduct);
    ctx->catalogue["qe5"] = "Cannot read the data. ";
    return *ctx;
}

FuzzApp& app() {
    static FuzzApp a;
    return a;
}

void writeContainer(const std::filesystem::path& file, std::string_view plain) {
    std::string bytes(plain);
    clsCryptAPI cipher;
    cipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
    writeFileAtomically(file, bytes);
}

std::pair<std::string_view, std::string_view> splitInput(std::string_view input) {
    const std::string_view separator = "\n====\n";
    const auto at = input.find(separator);
    if (at == std::string_view::npos) return {input, {}};
    return {input.substr(0, at), input.substr(at + separator.size())};
}

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz invariant broken: %s\n", what);
    std::abort();
}

std::string contentText(const pugi::xml_node& doc) {
    std::string out;
    for (const pugi::xml_node child : doc.children())
        if (child.type() != pugi::node_declaration) out += xmlText(child);
    return out;
}

}  // namespace examsim::fuzz
