#include "support/declared_reader.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>
#include <regex>

namespace examsim::test {
namespace {

bool convert(const std::string& from, const std::string& bytes, std::string& out) {
    iconv_t cd = iconv_open("UTF-8", from.c_str());
    if (cd == reinterpret_cast<iconv_t>(-1)) {
        ADD_FAILURE() << "iconv knows no encoding \"" << from << "\"";
        return false;
    }
    std::string in = bytes;
    out.assign(bytes.size() * 4 + 16, '\0');
    char* src = in.data();
    char* dst = out.data();
    std::size_t srcLeft = in.size(), dstLeft = out.size();
    const bool ok = iconv(cd, &src, &srcLeft, &dst, &dstLeft) != static_cast<std::size_t>(-1);
    iconv_close(cd);
    if (!ok) {
        ADD_FAILURE() << "the bytes are not " << from << " (errno " << errno << ") at offset " << (src - in.data());
        return false;
    }
    out.resize(out.size() - dstLeft);
    return true;
}

}  // namespace

std::string readAsDeclared(const std::string& bytes, pugi::xml_document& doc) {
    doc.reset();
    std::smatch m;
    static const std::regex declaration(R"(^<\?xml[^?]*?\sencoding\s*=\s*["']([^"']+)["'])");
    const std::string declared = std::regex_search(bytes, m, declaration) ? m[1].str() : std::string();
    std::string utf8;
    if (!convert(declared.empty() ? "UTF-8" : declared, bytes, utf8)) return declared;
    const pugi::xml_parse_result r = doc.load_buffer(utf8.data(), utf8.size(), pugi::parse_default, pugi::encoding_utf8);
    if (!r) {
        ADD_FAILURE() << "does not parse: " << r.description();
        doc.reset();
    }
    return declared;
}

}  // namespace examsim::test
