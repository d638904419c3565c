#pragma once
#include <pugixml.hpp>
#include <string>

namespace examsim::test {

// Reads stored XML bytes as another tool would, trusting only the file: the
// encoding its declaration names (UTF-8 without one) converted by iconv, then
// parsed. Returns the declared encoding ("" without a declaration); a failed
// conversion or parse is a test failure and leaves `doc` empty.
std::string readAsDeclared(const std::string& bytes, pugi::xml_document& doc);

}  // namespace examsim::test
