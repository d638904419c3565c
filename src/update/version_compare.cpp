#include "update/version_compare.h"

#include <optional>
#include <vector>

namespace examsim {
namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!s.empty() && blank(s.front())) s.remove_prefix(1);
    while (!s.empty() && blank(s.back())) s.remove_suffix(1);
    return s;
}

// The parts without their leading zeros, so that any length compares.
std::optional<std::vector<std::string_view>> versionParts(std::string_view text) {
    text = trimmed(text);
    if (text.empty()) return std::nullopt;
    std::vector<std::string_view> parts;
    while (true) {
        const std::size_t dot = text.find('.');
        std::string_view part = text.substr(0, dot);
        if (part.empty()) return std::nullopt;
        for (char c : part)
            if (c < '0' || c > '9') return std::nullopt;
        while (part.size() > 1 && part.front() == '0') part.remove_prefix(1);
        parts.push_back(part);
        if (dot == std::string_view::npos) return parts;
        text.remove_prefix(dot + 1);
    }
}

int comparePart(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

}  // namespace

bool isVersionText(std::string_view text) { return versionParts(text).has_value(); }

bool isNewerVersion(std::string_view answer, std::string_view current) {
    const auto a = versionParts(answer);
    const auto c = versionParts(current);
    if (!a || !c) return false;
    const std::size_t n = std::max(a->size(), c->size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string_view x = i < a->size() ? (*a)[i] : "0";
        const std::string_view y = i < c->size() ? (*c)[i] : "0";
        if (const int r = comparePart(x, y); r != 0) return r > 0;
    }
    return false;
}

}  // namespace examsim
