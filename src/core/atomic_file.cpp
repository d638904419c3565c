#include "core/atomic_file.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <optional>
#include <random>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace examsim {
namespace {

WriteFaultHook& faultHook() {
    static WriteFaultHook hook;
    return hook;
}

bool allowed(std::string_view step) { return !faultHook() || faultHook()(step); }

constexpr std::size_t kSuffixLength = 10;

// A temporary whose writer may not have locked it yet is this young at most.
constexpr auto kLockGrace = std::chrono::seconds(10);

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

// The file being replaced, when there is one. A file nobody may write is
// refused, as the program could never write it before either.
std::optional<struct stat> replacedFile(const std::filesystem::path& target) {
    struct stat st {};
    if (::lstat(target.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    if ((st.st_mode & 0222) == 0) fail(target, "the file is read-only", EACCES);
    return st;
}

bool youngerThanGrace(const struct stat& st) {
    const auto modified = std::chrono::system_clock::time_point(std::chrono::seconds(st.st_mtim.tv_sec));
    return std::chrono::system_clock::now() - modified < kLockGrace;
}

}  // namespace

void setWriteFaultHook(WriteFaultHook hook) { faultHook() = std::move(hook); }

AtomicFileWriter::AtomicFileWriter(std::filesystem::path target) : target_(std::move(target)) {
    const std::filesystem::path folder = target_.parent_path();
    const std::optional<struct stat> replaced = replacedFile(target_);
    for (int attempt = 0; attempt < 16 && fd_ < 0; ++attempt) {
        temp_ = folder / (temporaryPrefix(target_) + randomSuffix());
        if (!allowed("open")) fail(target_, "open", EACCES);
        fd_ = ::open(temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd_ < 0 && errno != EEXIST) fail(target_, "open", errno);
    }
    if (fd_ < 0) fail(target_, "open", EEXIST);
    // Held until the file has its final name: another process cleaning up
    // abandoned temporaries sees that this one is alive.
    ::flock(fd_, LOCK_EX);
    if (replaced) {
        // The new file keeps the old one's permissions (a private history stays private).
        if (::fchmod(fd_, replaced->st_mode & 07777) != 0) abandon("mode", errno);
        if (::geteuid() == 0) (void)::fchown(fd_, replaced->st_uid, replaced->st_gid);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (fd_ < 0) return;
    ::unlink(temp_.c_str());
    ::close(fd_);
}

void AtomicFileWriter::abandon(const char* what, int err) {
    ::unlink(temp_.c_str());
    ::close(fd_);
    fd_ = -1;
    fail(target_, what, err);
}

void AtomicFileWriter::append(std::span<const std::uint8_t> bytes) {
    if (fd_ < 0) fail(target_, "write", EBADF);
    const std::uint8_t* p = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        if (!allowed("write")) abandon("write", ENOSPC);
        // In pieces, so a failure can strike half-way as a full disk would.
        const ssize_t n = ::write(fd_, p, std::min<std::size_t>(left, 256 * 1024));
        if (n < 0) {
            if (errno == EINTR) continue;
            abandon("write", errno);
        }
        p += n;
        left -= static_cast<std::size_t>(n);
    }
}

void AtomicFileWriter::append(std::string_view bytes) {
    append(std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

void AtomicFileWriter::commit() {
    if (fd_ < 0) fail(target_, "rename", EBADF);
    if (!allowed("sync") || ::fsync(fd_) != 0) abandon("sync", errno ? errno : EIO);
    if (!allowed("rename") || ::rename(temp_.c_str(), target_.c_str()) != 0) abandon("rename", errno ? errno : EIO);
    ::close(fd_);  // the content was flushed before the rename
    fd_ = -1;
    if (allowed("dirsync")) syncFolder(target_.parent_path());
    allowed("done");
    removeAbandonedTemporaries(target_);
}

void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes) {
    AtomicFileWriter writer(target);
    writer.append(bytes);
    writer.commit();
}

void removeAbandonedTemporaries(const std::filesystem::path& target) {
    const std::string prefix = temporaryPrefix(target);
    const std::filesystem::path folder = target.parent_path().empty() ? "." : target.parent_path();
    std::error_code ec;
    for (auto it = std::filesystem::directory_iterator(folder, ec); !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.size() != prefix.size() + kSuffixLength || name.compare(0, prefix.size(), prefix) != 0) continue;
        const int fd = ::open(it->path().c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0) continue;
        struct stat st {};
        // Locked: its writer is alive. Very young: its writer may be about to lock it.
        if (::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && !youngerThanGrace(st))
            ::unlink(it->path().c_str());
        ::close(fd);
    }
}

void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    writeFileAtomically(target, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

}  // namespace examsim
