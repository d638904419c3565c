// Names and paths as movies and data may give them: whatever they say, what
// the program reads, writes, deletes or opens stays inside the application
// folder, links leading out of it included.
#include "core/app_context.h"
#include "core/ascii_case.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "support/fuzz_app.h"

#include <algorithm>

using namespace examsim;
using namespace examsim::fuzz;
namespace fs = std::filesystem;

namespace {

fs::path folder() {
    static const fs::path f = [] {
        AppContext& ctx = app().fresh();
        const fs::path root = ctx.paths.folder();
        fs::create_directories(root / "Database" / "Pages");
        for (const char* name : {"Database/page.htm", "Database/Pages/a.pdf", "Database/run.desktop", "notes.txt"})
            writeContainer(root / name, "x");
        fs::create_directory_symlink("/", root / "out");
        fs::create_directory_symlink(root / "Database", root / "inner");
        fs::create_symlink("/etc/hostname", root / "Database" / "host.txt");
        return fs::weakly_canonical(root);
    }();
    return f;
}

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// A path the file system cannot resolve (too long a name) is judged as written.
bool inside(const fs::path& p) {
    const fs::path root = folder();
    std::error_code ec;
    fs::path real = fs::weakly_canonical(p, ec);
    if (ec) real = p.lexically_normal();
    return std::mismatch(root.begin(), root.end(), real.begin(), real.end()).first == root.end();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    folder();
    AppContext& ctx = *app().ctx;
    const auto [relative, name] = splitInput({reinterpret_cast<const char*>(data), size});
    if (const auto p = ctx.paths.confined(relative)) require(inside(*p), "a confined path stays inside");
    if (const auto p = ctx.paths.fileIn("\\Database\\", name)) {
        require(p->parent_path() == ctx.paths.resolve("\\Database\\"), "a plain name stays in its folder");
        require(inside(*p), "a plain name stays inside");
    }
    const fs::path resolved = ctx.paths.resolve(relative);
    if (ctx.paths.keepsInside(resolved)) require(inside(resolved.parent_path()), "what may be written stays inside");
    app().host.opened.clear();
    openLink(ctx, std::string(relative));
    const std::string& opened = app().host.opened;
    const bool web = startsWithNoCase(opened, "http://") || startsWithNoCase(opened, "https://") || startsWithNoCase(opened, "mailto:");
    if (!opened.empty() && !web) require(inside(opened), "an opened document lies inside");
    return 0;
}
