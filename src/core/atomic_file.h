#pragma once
#include <cstdint>
#include <filesystem>
#include <functional>
#include <span>
#include <stdexcept>
#include <string_view>

namespace examsim {

class FileWriteError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Replaces `target` with `bytes`: a temporary file in the same folder is
// written, flushed to disk and renamed over the target, and the folder is
// flushed, so a crash or a full disk leaves either the old file or the new
// one, never a torn one. The new file keeps the permissions of the one it
// replaces; a read-only file is not replaced. Throws FileWriteError; the
// temporary file is removed on every failure, and temporaries of `target`
// that a killed process left are removed on success.
void writeFileAtomically(const std::filesystem::path& target, std::span<const std::uint8_t> bytes);
void writeFileAtomically(const std::filesystem::path& target, std::string_view bytes);

// The same replace for a file that arrives in pieces (a download): the
// temporary is created when the writer is made, each append goes to it, and
// commit() puts it in place. Destroyed without commit, the temporary is
// removed and the target is as it was. Throws FileWriteError.
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::filesystem::path target);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void append(std::span<const std::uint8_t> bytes);
    void append(std::string_view bytes);
    void commit();
    // The file so far, readable until commit() or destruction.
    const std::filesystem::path& temporary() const { return temp_; }

private:
    [[noreturn]] void abandon(const char* what, int err);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
};

// Deletes the temporaries of `target` that a write killed before its rename
// left in the folder; never throws. A temporary still locked by its writer,
// or written in the last few seconds, belongs to a live process and stays.
void removeAbandonedTemporaries(const std::filesystem::path& target);

// Test seam: called before each step of a replace with its name, in order
// "open", "write" (once per piece), "sync", "rename", "dirsync" (the folder's
// flush), then "done"; returning false makes that step fail ("dirsync" is
// then skipped, as a failed flush of the folder is).
using WriteFaultHook = std::function<bool(std::string_view step)>;
void setWriteFaultHook(WriteFaultHook hook);

}  // namespace examsim
