#include "core/links.h"

#include "core/ascii_case.h"
#include "core/app_context.h"

#include <algorithm>
#include <iostream>
#include <system_error>

namespace examsim {
namespace {

bool startsWithNoCase(const std::string& text, std::string_view prefix) {
    return equalIgnoringCase(std::string_view(text).substr(0, prefix.size()), prefix);
}

// Files a desktop would run rather than show.
bool runnable(const std::filesystem::path& file) {
    std::error_code ec;
    const auto perms = std::filesystem::status(file, ec).permissions();
    if (!ec && (perms & (std::filesystem::perms::owner_exec | std::filesystem::perms::group_exec |
                         std::filesystem::perms::others_exec)) != std::filesystem::perms::none &&
        !std::filesystem::is_directory(file, ec))
        return true;
    const std::string ext = asciiLower(file.extension().string());
    for (const char* bad : {".desktop", ".sh", ".exe", ".bat", ".cmd", ".com", ".msi", ".jar", ".py", ".appimage"})
        if (ext == bad) return true;
    return false;
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
    if (!file || runnable(*file)) {
        std::cerr << "examsim: refused to open \"" << target << "\"\n";
        return;
    }
    ctx.host.links->openLink(file->string());
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
