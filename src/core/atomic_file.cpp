#include "core/atomic_file.h"

#include <cerrno>
#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <string>
#include <unistd.h>

namespace examsim {
namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

bool allowed(std::string_view step) { return !faultHook() || faultHook()(step); }

constexpr std::size_t kSuffixLength = 10;

std::string randomSuffix() {
    static thread_local std::mt19937_64 gen{std::random_device{}() ^ static_cast<std::uint64_t>(::getpid())};
    static const char digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string s;
    for (std::size_t i = 0; i < kSuffixLength; ++i) s.push_back(digits[gen() % 36]);
    return s;
}

std::string temporaryPrefix(const std::filesystem::path& target) { return "." + target.filename().string() + ".tmp-"; }

[[noreturn]] void fail(const std::filesystem::path& target, const char* what, int err) {
    throw FileWriteError("cannot write " + target.string() + ": " + what + ": " + std::strerror(err));
}

void syncFolder(const std::filesystem::path& folder) {
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);  // best effort: the rename itself is already atomic
    ::close(fd);
}

}  // namespace

void setWriteFaultHook(WriteFaultHook hook) { faultHook() = std::move(hook); }

void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path folder = target.parent_path();
    std::filesystem::path temp;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temp = folder / (temporaryPrefix(target) + randomSuffix());
        if (!allowed("open")) fail(target, "open", EACCES);
        fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd < 0 && errno != EEXIST) fail(target, "open", errno);
    }
    if (fd < 0) fail(target, "open", EEXIST);

    auto abandon = [&](const char* what, int err) {
        ::close(fd);
        ::unlink(temp.c_str());
        fail(target, what, err);
    };

    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        if (!allowed("write")) abandon("write", ENOSPC);
        // In pieces, so a failure can strike half-way as a full disk would.
        const ssize_t n = ::write(fd, p, std::min<std::size_t>(left, 256 * 1024));
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon("write", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
    if (!allowed("sync") || ::fsync(fd) != 0) abandon("sync", errno ? errno : EIO);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail(target, "close", err);
    }
    if (!allowed("rename") || ::rename(temp.c_str(), target.c_str()) != 0) {
        const int err = errno ? errno : EIO;
        ::unlink(temp.c_str());
        fail(target, "rename", err);
    }
    syncFolder(folder);
    removeAbandonedTemporaries(target);
}

void removeAbandonedTemporaries(const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec); !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() == prefix.size() + kSuffixLength && name.compare(0, prefix.size(), prefix) == 0) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    writeFileAtomically(target, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace examsim
