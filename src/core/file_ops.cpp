#include "core/file_ops.h"

#include <system_error>

namespace examsim {

bool fileExists(const std::filesystem::path& path) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return false;
    (void)std::filesystem::file_size(path, ec);
    return !ec;
}

void deleteFile(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(std::filesystem::symlink_status(path, ec)))
        std::filesystem::remove(path, ec);
}

bool deleteFolder(const std::filesystem::path& path) {
    std::filesystem::path folder = path;
    std::string s = folder.string();
    if (!s.empty() && (s.back() == '\\' || s.back() == '/')) folder = s.substr(0, s.size() - 1);
    std::error_code ec;
    if (!std::filesystem::is_directory(std::filesystem::symlink_status(folder, ec))) return false;
    std::filesystem::remove_all(folder, ec);
    if (ec) return false;
    return !std::filesystem::exists(std::filesystem::symlink_status(folder, ec));
}

}  // namespace examsim
