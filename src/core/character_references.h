#pragma once
#include <string>
#include <string_view>

namespace examsim {

// The XML text with each character that Windows-1252 cannot hold written as a
// character reference where XML reads one back (text and attribute values),
// so a learner's answer or remark in any script survives the code page. Where
// XML reads no reference (names, comments, CDATA, processing instructions)
// such a character is left out. UTF-8 in and out.
std::string referencedForCodePage(std::string_view xml);

}  // namespace examsim
