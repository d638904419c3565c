#include "update/archive_install.h"

#include "core/app_paths.h"
#include "core/atomic_file.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <fcntl.h>
#include <fstream>
#include <memory>
#include <optional>
#include <set>
#include <sys/stat.h>
#include <unistd.h>

namespace examsim {
namespace {

namespace fs = std::filesystem;

struct ReadCloser {
    void operator()(archive* a) const { archive_read_free(a); }
};

InstallResult refused(std::string reason) {
    InstallResult r;
    r.reason = std::move(reason);
    return r;
}

// The entry's name as relative parts, or nothing when it may not be unpacked.
std::optional<std::vector<std::string>> safeParts(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    if (name.empty() || name.front() == '/') return std::nullopt;
    if (name.size() >= 2 && name[1] == ':') return std::nullopt;  // a drive
    std::vector<std::string> parts;
    std::size_t at = 0;
    while (at <= name.size()) {
        const std::size_t slash = std::min(name.find('/', at), name.size());
        const std::string part = name.substr(at, slash - at);
        if (part == "..") return std::nullopt;
        if (!part.empty() && part != ".") parts.push_back(part);
        at = slash + 1;
    }
    if (parts.empty()) return std::nullopt;
    return parts;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string s;
    for (const std::string& p : parts) s += (s.empty() ? "" : "/") + p;
    return s;
}

// Writes an entry's data to a new file of the staging folder.
// A program the package brings stays a program; no other mode bit is taken.
bool stageFile(archive* a, const fs::path& file, mode_t executable, std::uint64_t& total, const UnpackLimits& limits,
               std::string& why) {
    std::error_code ec;
    fs::create_directories(file.parent_path(), ec);
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0644);
    if (fd >= 0 && executable) ::fchmod(fd, 0644 | (executable & 0111));
    if (fd < 0) {
        why = "cannot stage " + file.string();
        return false;
    }
    char buffer[64 * 1024];
    bool ok = true;
    for (;;) {
        const la_ssize_t n = archive_read_data(a, buffer, sizeof buffer);
        if (n == 0) break;
        if (n < 0) {
            why = std::string("damaged package: ") + archive_error_string(a);
            ok = false;
            break;
        }
        total += static_cast<std::uint64_t>(n);
        // Counted as unpacked, not as declared: a package cannot lie its way past the bound.
        if (total > limits.maxBytes) {
            why = "the package unpacks to more than allowed";
            ok = false;
            break;
        }
        if (::write(fd, buffer, static_cast<std::size_t>(n)) != n) {
            why = "cannot stage " + file.string();
            ok = false;
            break;
        }
    }
    ::close(fd);
    return ok;
}

}  // namespace

InstallResult unpackArchive(const fs::path& archivePath, const fs::path& staging, const UnpackLimits& limits) {
    std::error_code ec;
    fs::remove_all(staging, ec);
    fs::create_directories(staging, ec);
    if (ec) return refused("cannot make the staging folder " + staging.string());
    const auto fail = [&staging](std::string reason) {
        std::error_code ignored;
        fs::remove_all(staging, ignored);
        return refused(std::move(reason));
    };

    std::unique_ptr<archive, ReadCloser> a(archive_read_new());
    archive_read_support_format_zip(a.get());
    if (archive_read_open_filename(a.get(), archivePath.c_str(), 64 * 1024) != ARCHIVE_OK)
        return fail("not a package: " + archivePath.string());

    InstallResult result;
    std::set<std::string> files, folders;
    std::uint64_t total = 0;
    std::size_t entries = 0;
    archive_entry* entry = nullptr;
    for (;;) {
        const int rc = archive_read_next_header(a.get(), &entry);
        if (rc == ARCHIVE_EOF) break;
        if (rc != ARCHIVE_OK) return fail(std::string("damaged package: ") + archive_error_string(a.get()));
        const char* raw = archive_entry_pathname(entry);
        const std::string name = raw ? raw : "";
        if (++entries > limits.maxEntries) return fail("the package holds too many entries");
        const auto parts = safeParts(name);
        if (!parts) return fail("refused entry name: " + name);
        if (archive_entry_is_encrypted(entry)) return fail("enciphered entry: " + name);
        if (archive_entry_hardlink(entry) || archive_entry_symlink(entry)) return fail("link entry: " + name);
        const std::string rel = joined(*parts);
        const auto type = archive_entry_filetype(entry);
        if (type == AE_IFDIR) {
            if (files.count(rel)) return fail("entry given twice: " + name);
            folders.insert(rel);
            fs::create_directories(staging / rel, ec);
            continue;
        }
        if (type != AE_IFREG) return fail("not a plain file: " + name);
        if (files.count(rel) || folders.count(rel)) return fail("entry given twice: " + name);
        // A file may not stand where another entry needs a folder.
        for (std::size_t i = 1; i < parts->size(); ++i) {
            const std::string up = joined({parts->begin(), parts->begin() + static_cast<long>(i)});
            if (files.count(up)) return fail("entry given twice: " + up);
            folders.insert(up);
        }
        std::string why;
        if (!stageFile(a.get(), staging / rel, archive_entry_perm(entry) & 0111, total, limits, why)) return fail(why);
        files.insert(rel);
    }
    result.ok = true;
    result.files.assign(files.begin(), files.end());
    return result;
}

InstallResult installStaged(const AppPaths& paths, const fs::path& staging, const fs::path& destination,
                            const std::vector<std::string>& files) {
    // Every target is judged before anything is written.
    std::vector<fs::path> targets;
    for (const std::string& rel : files) {
        const fs::path target = destination / rel;
        std::error_code ec;
        const auto status = fs::symlink_status(target, ec);
        if (!ec && fs::exists(status) && !fs::is_regular_file(status)) return refused("not a plain file in the product: " + rel);
        if (!paths.keepsInside(target)) return refused("outside the application folder: " + rel);
        targets.push_back(target);
    }
    InstallResult result;
    result.files = files;
    try {
        // Written and flushed beside their targets, nothing replaced yet.
        std::vector<std::unique_ptr<AtomicFileWriter>> prepared;
        for (std::size_t i = 0; i < files.size(); ++i) {
            fs::create_directories(targets[i].parent_path());
            if (!paths.keepsInside(targets[i])) throw FileWriteError("outside the application folder: " + files[i]);
            const bool added = !fs::exists(targets[i]);
            auto writer = std::make_unique<AtomicFileWriter>(targets[i]);
            // A replaced file keeps its own mode; an added one takes the package's.
            if (added) fs::permissions(writer->temporary(), fs::status(staging / files[i]).permissions());
            std::ifstream in(staging / files[i], std::ios::binary);
            if (!in) throw FileWriteError("the staged file is missing: " + files[i]);
            std::vector<char> buffer(1 << 20);
            while (in) {
                in.read(buffer.data(), static_cast<std::streamsize>(buffer.size()));
                if (in.gcount() > 0) writer->append(std::string_view(buffer.data(), static_cast<std::size_t>(in.gcount())));
            }
            prepared.push_back(std::move(writer));
        }
        for (auto& writer : prepared) writer->commit();
    } catch (const std::exception& e) {
        result.reason = e.what();
        return result;
    }
    result.ok = true;
    return result;
}

InstallResult installArchive(const AppPaths& paths, const fs::path& archive, const fs::path& staging,
                             const fs::path& destination, const UnpackLimits& limits) {
    InstallResult unpacked = unpackArchive(archive, staging, limits);
    if (!unpacked.ok) return unpacked;
    return installStaged(paths, staging, destination, unpacked.files);
}

}  // namespace examsim
