#include "core/file_io.h"

#include <cstdio>
#include <fstream>
#include <utility>

namespace examsim {
namespace {

ReadFaultHook& faultHook() {
    static ReadFaultHook hook;
    return hook;
}

bool allowed(const std::filesystem::path& path) { return !faultHook() || faultHook()(path); }

template <typename Buffer>
bool readInto(const std::filesystem::path& path, Buffer& out) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !allowed(path)) return false;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) return false;
    const std::streamoff size = in.tellg();
    if (size < 0) return false;
    out.resize(static_cast<std::size_t>(size));
    in.seekg(0);
    if (size > 0 && !in.read(reinterpret_cast<char*>(out.data()), size)) return false;
    return true;
}

}  // namespace

void setReadFaultHook(ReadFaultHook hook) { faultHook() = std::move(hook); }

bool readWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& out) { return readInto(path, out); }
bool readWholeFile(const std::filesystem::path& path, std::string& out) { return readInto(path, out); }

char* readWholeFileInto(const std::filesystem::path& path, std::size_t& size, std::size_t extra,
                        void* (*allocate)(std::size_t), void (*release)(void*)) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec) || !allowed(path)) return nullptr;
    const auto length = static_cast<std::size_t>(std::filesystem::file_size(path, ec));
    if (ec) return nullptr;
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return nullptr;
    char* buffer = static_cast<char*>(allocate(length + extra));
    if (buffer && std::fread(buffer, 1, length, f) != length) {
        release(buffer);
        buffer = nullptr;
    }
    std::fclose(f);
    size = length;
    return buffer;
}

}  // namespace examsim
