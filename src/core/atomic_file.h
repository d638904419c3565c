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
