#include "core/number_text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace examsim {

std::optional<double> numberValue(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    const bool plus = !text.empty() && text.front() == '+';
    if (plus) text.remove_prefix(1);
    // One sign only: "+-1" is not a number.
    if (text.empty() || text.front() == '+' || (plus && text.front() == '-')) return std::nullopt;
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) return std::nullopt;
    return value;
}

double roundHalfEven(double value) {
    // The default floating-point rounding mode rounds ties to even.
    return std::nearbyint(value);
}

std::optional<std::int32_t> roundedToWhole(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
    return static_cast<std::int32_t>(r);
}

std::optional<std::int32_t> wholeNumber(std::string_view text) {
    const auto value = numberValue(text);
    if (!value) return std::nullopt;
    return roundedToWhole(*value);
}

}  // namespace examsim
