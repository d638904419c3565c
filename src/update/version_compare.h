#pragma once
#include <string_view>

namespace examsim {

// True when `text` (blanks around it allowed) is a version: decimal digits in
// one or more parts separated by dots, as "11" or "2.10.3".
bool isVersionText(std::string_view text);

// True when `answer` names a later version than `current`, compared part by
// part as numbers ("10" after "9", "1.10" after "1.9", "2" equal to "2.0").
// False when either is not a version.
bool isNewerVersion(std::string_view answer, std::string_view current);

}  // namespace examsim
