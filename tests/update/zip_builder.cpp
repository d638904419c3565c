#include "zip_builder.h"

#include <cstdint>
#include <fstream>

namespace examsim::test {
namespace {

std::uint32_t crc32(const std::string& data) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (unsigned char b : data) {
        c ^= b;
        for (int k = 0; k < 8; ++k) c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
    }
    return c ^ 0xFFFFFFFFu;
}

void put16(std::string& out, unsigned v) {
    out.push_back(static_cast<char>(v & 0xFF));
    out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void put32(std::string& out, std::uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

}  // namespace

void writeZip(const std::filesystem::path& file, const std::vector<ZipEntry>& entries) {
    std::string out, central;
    for (const ZipEntry& e : entries) {
        const std::uint32_t offset = static_cast<std::uint32_t>(out.size());
        const std::uint32_t crc = crc32(e.data);
        const auto size = static_cast<std::uint32_t>(e.data.size());
        put32(out, 0x04034b50);
        put16(out, 20);  // version needed
        put16(out, 0);   // flags
        put16(out, 0);   // stored
        put16(out, 0);   // time
        put16(out, 0x21);  // date: 1980-01-01
        put32(out, crc);
        put32(out, size);
        put32(out, size);
        put16(out, static_cast<unsigned>(e.name.size()));
        put16(out, 0);
        out += e.name;
        out += e.data;

        put32(central, 0x02014b50);
        put16(central, (3u << 8) | 20u);  // made on Unix, so the mode counts
        put16(central, 20);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0);
        put16(central, 0x21);
        put32(central, crc);
        put32(central, size);
        put32(central, size);
        put16(central, static_cast<unsigned>(e.name.size()));
        put16(central, 0);  // extra
        put16(central, 0);  // comment
        put16(central, 0);  // disk
        put16(central, 0);  // internal attributes
        put32(central, static_cast<std::uint32_t>(e.mode) << 16);
        put32(central, offset);
        central += e.name;
    }
    const auto centralAt = static_cast<std::uint32_t>(out.size());
    out += central;
    put32(out, 0x06054b50);
    put16(out, 0);
    put16(out, 0);
    put16(out, static_cast<unsigned>(entries.size()));
    put16(out, static_cast<unsigned>(entries.size()));
    put32(out, static_cast<std::uint32_t>(central.size()));
    put32(out, centralAt);
    put16(out, 0);
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << out;
}

}  // namespace examsim::test
