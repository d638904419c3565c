#pragma once
#include <string>

namespace examsim {

struct AppContext;

// Adds the pixel `width` and `height` of its pictures to one drag-and-drop
// question (XML text): the question picture as it is, each response picture
// 10 pixels higher. The empty text when the question does not parse; a
// picture that cannot be read is left unsized, with the reason on stderr.
std::string setImageDimension(AppContext& ctx, const std::string& questionXml);

}  // namespace examsim
