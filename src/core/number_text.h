#pragma once
#include <cstdint>
#include <optional>
#include <string_view>

namespace examsim {

// Numbers in stored documents are plain decimal text.

// The value of a number text: blanks around it, a sign, "." as the decimal
// point and an exponent are allowed; nothing when it is not a number.
std::optional<double> numberValue(std::string_view text);

// Rounds to the nearest whole number, a tie to the even one (12.5 -> 12, 87.5 -> 88).
double roundHalfEven(double value);

// The whole number of a number text, a fraction rounded half to even;
// nothing when it is not a number or lies outside the 32-bit range.
std::optional<std::int32_t> wholeNumber(std::string_view text);

// The value rounded half to even, when it fits 32 bits.
std::optional<std::int32_t> roundedToWhole(double value);

}  // namespace examsim
