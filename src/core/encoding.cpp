#include "core/encoding.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <stdexcept>

namespace examsim {
namespace {

class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts `in` and appends to `out`; returns the number of input bytes
    // consumed before a byte sequence it could not convert (all on success).
    std::size_t append(std::string_view in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* src = const_cast<char*>(in.data());
        std::size_t left = in.size();
        const std::size_t start = out.size();
        out.resize(start + in.size() * 4 + 16);
        char* dst = out.data() + start;
        std::size_t room = out.size() - start;
        while (left > 0) {
            if (iconv(cd_, &src, &left, &dst, &room) != static_cast<std::size_t>(-1)) break;
            if (errno == E2BIG) {
                const std::size_t used = static_cast<std::size_t>(dst - out.data());
                out.resize(out.size() * 2);
                dst = out.data() + used;
                room = out.size() - used;
                continue;
            }
            break;  // EILSEQ or EINVAL: caller decides
        }
        out.resize(static_cast<std::size_t>(dst - out.data()));
        return in.size() - left;
    }

private:
    iconv_t cd_;
};

Converter& toAnsi() {
    thread_local Converter c("WINDOWS-1252", "UTF-8");
    return c;
}

void appendCodePoint(unsigned cp, std::string& out) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
}

bool isUndefinedAnsi(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

// Length of the UTF-8 sequence that begins with `lead`; 1 for a stray byte.
std::size_t sequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 1;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    return 4;
}

// Converts UTF-8 to Windows-1252; unconvertible characters are dropped
// (lossy) or reported (strict). Only runs of non-ASCII text go through iconv.
bool encode(std::string_view utf8, std::string& out, bool lossy) {
    out.clear();
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t j = i;
        while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) < 0x80) ++j;
        out.append(utf8.substr(i, j - i));
        i = j;
        while (j < utf8.size() && static_cast<unsigned char>(utf8[j]) >= 0x80) ++j;
        std::string_view run = utf8.substr(i, j - i);
        while (!run.empty()) {
            const std::size_t done = toAnsi().append(run, out);
            if (done == run.size()) break;
            run.remove_prefix(done);
            if (run.size() >= 2 && static_cast<unsigned char>(run[0]) == 0xC2 && isUndefinedAnsi(run[1])) {
                out.push_back(run[1]);  // back to the byte it was read from
                run.remove_prefix(2);
                continue;
            }
            if (!lossy) return false;
            const std::size_t skip = std::min(run.size(), sequenceLength(static_cast<unsigned char>(run[0])));
            run.remove_prefix(skip);
        }
        i = j;
    }
    return true;
}

// Each byte's UTF-8 form, worked out once with iconv; the five bytes the code
// page leaves undefined become the control characters of the same number, as
// the platform's own conversion does.
struct Cp1252Table {
    char utf8[256][4];
    std::uint8_t length[256];
    Cp1252Table() {
        Converter conv("UTF-8", "WINDOWS-1252");
        for (int b = 0; b < 256; ++b) {
            std::string out;
            const char c = static_cast<char>(b);
            if (b < 0x80 || conv.append(std::string_view(&c, 1), out) != 1) {
                out.clear();
                if (b < 0x80)
                    out.push_back(c);
                else
                    appendCodePoint(static_cast<unsigned>(b), out);
            }
            std::memset(utf8[b], 0, 4);
            std::memcpy(utf8[b], out.data(), out.size());
            length[b] = static_cast<std::uint8_t>(out.size());
        }
    }
};

const Cp1252Table& cp1252Table() {
    static const Cp1252Table table;
    return table;
}

}  // namespace

std::size_t cp1252Utf8Length(std::string_view ansi) {
    const Cp1252Table& t = cp1252Table();
    std::size_t n = ansi.size(), i = 0;
    for (; i + 8 <= ansi.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, ansi.data() + i, 8);
        if ((w & 0x8080808080808080ull) == 0) continue;
        for (std::size_t k = i; k < i + 8; ++k) n += t.length[static_cast<unsigned char>(ansi[k])] - 1u;
    }
    for (; i < ansi.size(); ++i) n += t.length[static_cast<unsigned char>(ansi[i])] - 1u;
    return n;
}

std::size_t cp1252ToUtf8InPlace(char* buffer, std::size_t n, std::size_t utf8Length) {
    // Back to front, so nothing is overwritten before it is read; once the
    // write position meets the read position the rest is already in place.
    const Cp1252Table& t = cp1252Table();
    std::size_t r = n, w = utf8Length;
    while (r > 0 && w != r) {
        if (r >= 8) {
            std::uint64_t word;
            std::memcpy(&word, buffer + r - 8, 8);
            if ((word & 0x8080808080808080ull) == 0) {
                std::memmove(buffer + w - 8, buffer + r - 8, 8);
                r -= 8;
                w -= 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(buffer[--r]);
        w -= t.length[c];
        std::memcpy(buffer + w, t.utf8[c], t.length[c]);
    }
    return utf8Length;
}

char* cp1252ToUtf8Into(std::string_view ansi, char* out) {
    const Cp1252Table& t = cp1252Table();
    const char* p = ansi.data();
    const char* end = p + ansi.size();
    while (p < end) {
        // Plain ASCII goes eight bytes at a time.
        if (end - p >= 8) {
            std::uint64_t w;
            std::memcpy(&w, p, 8);
            if ((w & 0x8080808080808080ull) == 0) {
                std::memcpy(out, p, 8);
                p += 8;
                out += 8;
                continue;
            }
        }
        const auto c = static_cast<unsigned char>(*p++);
        std::memcpy(out, t.utf8[c], 4);
        out += t.length[c];
    }
    return out;
}

std::string cp1252ToUtf8(std::string_view ansi) {
    std::string out(cp1252Utf8Length(ansi) + 4, '\0');  // room for the last 4-byte copy
    out.resize(static_cast<std::size_t>(cp1252ToUtf8Into(ansi, out.data()) - out.data()));
    return out;
}

bool utf8ToCp1252(std::string_view utf8, std::string& out) { return encode(utf8, out, false); }

std::string utf8ToCp1252Lossy(std::string_view utf8) {
    std::string out;
    encode(utf8, out, true);
    return out;
}

}  // namespace examsim
