#include "core/app_paths.h"

#include "core/ascii_case.h"

#include <algorithm>
#include <system_error>
#include <vector>

namespace examsim {
namespace {

std::vector<std::string_view> splitParts(std::string_view relative) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= relative.size(); ++i) {
        if (i == relative.size() || relative[i] == '\\' || relative[i] == '/') {
            if (i > start) parts.push_back(relative.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

// The child of `folder` named `part`. Stored data and movies name files as a
// case-blind file system would ("\database\PDU.html" for "Database/PDU.html"),
// so a name that does not exist as written takes the entry that differs only
// in case; a name with no such entry stays as written (a file to be created).
std::filesystem::path child(const std::filesystem::path& folder, std::string_view part) {
    std::filesystem::path exact = folder / std::filesystem::path(std::string(part));
    std::error_code ec;
    if (part == "." || part == ".." || std::filesystem::exists(std::filesystem::symlink_status(exact, ec))) return exact;
    for (auto it = std::filesystem::directory_iterator(folder, ec); !ec && it != std::filesystem::directory_iterator(); it.increment(ec))
        if (equalIgnoringCase(it->path().filename().string(), part)) return it->path();
    return exact;
}

bool within(const std::filesystem::path& root, const std::filesystem::path& path) {
    auto [r, _] = std::mismatch(root.begin(), root.end(), path.begin(), path.end());
    return r == root.end();
}

}  // namespace

AppPaths::AppPaths(std::filesystem::path folder) { setFolder(std::move(folder)); }

void AppPaths::setFolder(std::filesystem::path folder) { folder_ = std::move(folder); }

std::filesystem::path AppPaths::resolve(std::string_view relative) const {
    std::filesystem::path p = folder_;
    for (std::string_view part : splitParts(relative)) p = child(p, part);
    return p;
}

std::optional<std::filesystem::path> AppPaths::fileIn(std::string_view subfolder, std::string_view name) const {
    if (name.empty() || name == "." || name == "..") return std::nullopt;
    if (name.find_first_of("\\/:") != std::string_view::npos) return std::nullopt;
    if (name.find('\0') != std::string_view::npos) return std::nullopt;
    return child(resolve(subfolder), name);
}

std::optional<std::filesystem::path> AppPaths::confined(std::string_view relative) const {
    if (relative.find(':') != std::string_view::npos) return std::nullopt;
    if (relative.find('\0') != std::string_view::npos) return std::nullopt;
    const auto parts = splitParts(relative);
    if (parts.empty()) return std::nullopt;
    for (std::string_view part : parts)
        if (part == "..") return std::nullopt;
    std::filesystem::path p = resolve(relative);
    // A link inside the folder may still point out of it. What exists is
    // followed, the rest (a file still to be written) appended; a path that
    // cannot be followed (a loop of links, a name too long) is not known to
    // stay inside.
    std::error_code rootError, pathError;
    const auto root = std::filesystem::weakly_canonical(folder_, rootError);
    const auto real = std::filesystem::weakly_canonical(p, pathError);
    if (rootError || pathError || root.empty() || !within(root, real)) return std::nullopt;
    return p;
}

bool AppPaths::keepsInside(const std::filesystem::path& path) const {
    const auto rel = path.lexically_normal().lexically_relative(folder_.lexically_normal());
    if (rel.empty() || rel == "." || *rel.begin() == "..") return false;
    std::error_code ec;
    const auto root = std::filesystem::weakly_canonical(folder_, ec);
    if (ec) return false;
    const auto real = std::filesystem::weakly_canonical(path.parent_path(), ec);
    return !ec && within(root, real);
}

std::filesystem::path executableFolder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path{} : exe.parent_path();
}

}  // namespace examsim
