#include "qti_picture.h"

#include "qti_xml.h"

#include "core/file_io.h"
#include "core/xml.h"

#include <cstdlib>
#include <sstream>

namespace examsim::pack::qti {
namespace fs = std::filesystem;

namespace {

unsigned be16(const std::string& b, std::size_t at) {
    return (static_cast<unsigned char>(b[at]) << 8) | static_cast<unsigned char>(b[at + 1]);
}
unsigned be32(const std::string& b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }
unsigned le16(const std::string& b, std::size_t at) {
    return static_cast<unsigned char>(b[at]) | (static_cast<unsigned char>(b[at + 1]) << 8);
}

bool jpegSize(const std::string& b, int& w, int& h) {
    std::size_t at = 2;
    while (at + 9 < b.size()) {
        if (static_cast<unsigned char>(b[at]) != 0xFF) return false;
        const unsigned marker = static_cast<unsigned char>(b[at + 1]);
        if (marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7) || marker == 0x01) {
            at += 2;
            continue;
        }
        // Start-of-frame markers carry the size; C4, C8 and CC do not.
        if (marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC) {
            h = static_cast<int>(be16(b, at + 5));
            w = static_cast<int>(be16(b, at + 7));
            return true;
        }
        at += 2 + be16(b, at + 2);
    }
    return false;
}

// A length in pixels: a number alone or followed by "px".
bool pixels(const std::string& text, int& out) {
    char* end = nullptr;
    const double v = std::strtod(text.c_str(), &end);
    if (end == text.c_str() || !(std::string(end).empty() || std::string(end) == "px") || v <= 0) return false;
    out = static_cast<int>(v + 0.5);
    return true;
}

bool svgSize(const std::string& b, int& w, int& h) {
    pugi::xml_document doc;
    if (!parseXml(doc, b)) return false;
    const pugi::xml_node svg = doc.document_element();
    if (pixels(svg.attribute("width").value(), w) && pixels(svg.attribute("height").value(), h)) return true;
    std::istringstream box(svg.attribute("viewBox").value());
    double x = 0, y = 0, bw = 0, bh = 0;
    if (!(box >> x >> y >> bw >> bh) || bw <= 0 || bh <= 0) return false;
    w = static_cast<int>(bw + 0.5);
    h = static_cast<int>(bh + 0.5);
    return true;
}

bool inside(const fs::path& root, const fs::path& file) {
    const auto rel = file.lexically_relative(root);
    return !rel.empty() && *rel.begin() != ".." && !rel.is_absolute();
}

// A file name the product can hold: the path in the package with "/" as
// "-" and anything but letters, digits, ".", "-" and "_" as "_".
std::string productName(const fs::path& relative) {
    std::string out;
    for (char c : relative.generic_string()) {
        if (c == '/')
            out += '-';
        else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '.' || c == '-' ||
                 c == '_')
            out += c;
        else
            out += '_';
    }
    return out;
}

}  // namespace

bool withinPackage(const fs::path& root, const fs::path& file) {
    std::error_code ec1, ec2;
    const fs::path realRoot = fs::weakly_canonical(root, ec1), realFile = fs::weakly_canonical(file, ec2);
    return inside(root.lexically_normal(), file.lexically_normal()) && !ec1 && !ec2 && inside(realRoot, realFile);
}

bool pictureSize(const fs::path& file, int& width, int& height) {
    std::string b;
    if (!readWholeFile(file, b)) return false;
    if (b.size() >= 24 && b.compare(0, 8, "\x89PNG\r\n\x1a\n") == 0) {
        width = static_cast<int>(be32(b, 16));
        height = static_cast<int>(be32(b, 20));
        return width > 0 && height > 0;
    }
    if (b.size() >= 10 && (b.compare(0, 6, "GIF87a") == 0 || b.compare(0, 6, "GIF89a") == 0)) {
        width = static_cast<int>(le16(b, 6));
        height = static_cast<int>(le16(b, 8));
        return width > 0 && height > 0;
    }
    if (b.size() > 4 && static_cast<unsigned char>(b[0]) == 0xFF && static_cast<unsigned char>(b[1]) == 0xD8)
        return jpegSize(b, width, height) && width > 0 && height > 0;
    return svgSize(b, width, height);
}

bool resolvePicture(const fs::path& itemFile, const fs::path& root, const std::string& href, PictureRef& out,
                    std::string& why) {
    if (href.empty() || href.find(':') != std::string::npos || href[0] == '/' || href[0] == '\\') {
        why = "picture \"" + href + "\" is not a file of the package";
        return false;
    }
    const fs::path file = (itemFile.parent_path() / decodedHref(href)).lexically_normal();
    const fs::path base = root.lexically_normal();
    if (!withinPackage(base, file)) {
        why = "picture \"" + href + "\" lies outside the package";
        return false;
    }
    if (fs::symlink_status(file).type() != fs::file_type::regular) {
        why = "picture \"" + href + "\" is missing";
        return false;
    }
    if (!pictureSize(file, out.width, out.height)) {
        why = "the pixel size of picture \"" + href + "\" cannot be read (PNG, GIF, JPEG or SVG with a size)";
        return false;
    }
    out.source = file;
    out.file = productName(file.lexically_relative(base));
    return true;
}

}  // namespace examsim::pack::qti
