#include "core/encoding.h"

#include <cerrno>
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

Converter& fromAnsi() {
    thread_local Converter c("UTF-8", "WINDOWS-1252");
    return c;
}

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

}  // namespace

std::string cp1252ToUtf8(std::string_view ansi) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    std::size_t i = 0;
    while (i < ansi.size()) {
        std::size_t j = i;
        while (j < ansi.size() && static_cast<unsigned char>(ansi[j]) < 0x80) ++j;
        out.append(ansi.substr(i, j - i));
        i = j;
        while (j < ansi.size() && static_cast<unsigned char>(ansi[j]) >= 0x80) ++j;
        std::string_view run = ansi.substr(i, j - i);
        while (!run.empty()) {
            const std::size_t done = fromAnsi().append(run, out);
            run.remove_prefix(done);
            if (run.empty()) break;
            appendCodePoint(static_cast<unsigned char>(run[0]), out);  // undefined in the code page
            run.remove_prefix(1);
        }
        i = j;
    }
    return out;
}

bool utf8ToCp1252(std::string_view utf8, std::string& out) { return encode(utf8, out, false); }

std::string utf8ToCp1252Lossy(std::string_view utf8) {
    std::string out;
    encode(utf8, out, true);
    return out;
}

std::string stripNonAscii(std::string_view utf8) { return cp1252ToUtf8(utf8ToCp1252Lossy(utf8)); }

}  // namespace examsim
