#pragma once
#include <string>
#include <string_view>

namespace examsim {

// Case rules for names and keywords stored by a case-blind platform: only
// ASCII letters fold, so Windows-1252 and UTF-8 bytes compare as they are.
std::string asciiLower(std::string_view text);
bool equalIgnoringCase(std::string_view a, std::string_view b);

}  // namespace examsim
