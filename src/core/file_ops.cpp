#include "core/file_ops.h"

#include "core/atomic_file.h"

#include <iostream>
#include <system_error>

namespace examsim {

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    (void)std::filesystem::file_size(path, ec);
    return !ec;
}

void deleteFile(const AppPaths& paths, const std::filesystem::path& path) {
    if (!paths.keepsInside(path)) {
        std::cerr << "examsim: not deleting " << path << ": a link leads out of the application folder\n";
        return;
    }
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)))
        std::filesystem::remove(path, ec);
}

bool deleteFolder(const AppPaths& paths, const std::filesystem::path& path) {
    std::filesystem::path folder = path;
    std::string s = folder.string();
    if (!s.empty() && (s.back() == '\\' || s.back() == '/')) folder = s.substr(0, s.size() - 1);
    if (!paths.keepsInside(folder)) {
        std::cerr << "examsim: not deleting " << folder << ": a link leads out of the application folder\n";
        return false;
    }
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, ec))) return false;
    std::filesystem::remove_all(folder, ec);
    if (ec) return false;
    return !std::filesystem::exists(std::filesystem::symlink_status(folder, ec));
}

void requireInsideFolder(const AppPaths& paths, const std::filesystem::path& path) {
    if (!paths.keepsInside(path))
        throw FileWriteError("cannot write " + path.string() + ": a link leads out of the application folder");
}

}  // namespace examsim
