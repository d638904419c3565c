#include "core/links.h"

#include "core/ascii_case.h"
#include "core/app_context.h"

#include <algorithm>
#include <iostream>
#include <set>
#include <system_error>

namespace examsim {
namespace {

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return equalIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// The kinds of document a viewer shows and never runs: web pages, PDF, text
// and pictures. Anything else (programs, scripts, desktop entries, shortcuts)
// stays closed, whatever its name tries.
bool safeDocument(const std::filesystem::path& file) {
    static const std::set<std::string> kinds{".htm", ".html", ".pdf", ".txt", ".png", ".jpg", ".jpeg", ".gif", ".bmp", ".webp"};
    std::error_code ec;
    const auto status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::is_regular_file(status)) return false;
    const auto exec = std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec | std::filesystem::perms::others_exec;
    if ((status.permissions() & exec) != std::filesystem::perms::none) return false;
    return kinds.count(asciiLower(file.extension().string())) > 0;
}

}  // namespace

void openLink(AppContext& ctx, const std::string& target) {
    if (!ctx.host.links) return;
    if (startsWithNoCase(target, "http://") || startsWithNoCase(target, "https://") ||
        startsWithNoCase(target, "mailto:")) {
        ctx.host.links->openLink(target);
        return;
    }
    std::optional<std::filesystem::path> file;
    const std::filesystem::path asPath(target);
    if (asPath.is_absolute()) {
        const auto rel = asPath.lexically_normal().lexically_relative(ctx.paths.folder().lexically_normal());
        if (!rel.empty() && *rel.begin() != "..") file = ctx.paths.confined(rel.generic_string());
    } else if (target.find("://") == std::string::npos) {
        file = ctx.paths.confined(target);
    }
    // The document itself, past any link (confined() has kept it inside the
    // folder), is what is judged and what the viewer is given.
    std::error_code ec;
    const auto real = file ? std::filesystem::canonical(*file, ec) : std::filesystem::path();
    if (!file || ec || !safeDocument(real)) {
        std::cerr << "examsim: refused to open \"" << target << "\"\n";
        return;
    }
    ctx.host.links->openLink(real.string());
}

std::string percentEncoded(const std::string& text) {
    static const char* hex = "0123456789ABCDEF";
    std::string out;
    for (unsigned char c : text) {
        if (std::isalnum(c) || c == '-' || c == '_' || c == '.' || c == '~') {
            out += static_cast<char>(c);
        } else {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 15];
        }
    }
    return out;
}

std::string mailLink(const std::string& address, const std::string& subject, const std::string& body) {
    std::string link = "mailto:" + address;
    char separator = '?';
    if (!subject.empty()) {
        link += "?subject=" + percentEncoded(subject);
        separator = '&';
    }
    if (!body.empty()) link += std::string(1, separator) + "body=" + percentEncoded(body);
    return link;
}

void sendMail(AppContext& ctx, const std::string& address, const std::string& subject, const std::string& body) {
    openLink(ctx, mailLink(address, subject, body));
}

}  // namespace examsim
