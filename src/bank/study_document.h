#pragma once
#include "core/message_codes.h"

#include <pugixml.hpp>

namespace examsim {

struct AppContext;

// Reloads "Database/<name>.wlb" into `doc` for the study features (quiz,
// tips). Missing or unparsable, it shows the catalogue message `code` with the
// critical icon, leaves `doc` empty and returns false: the program goes on.
bool loadStudyDocument(AppContext& ctx, const char* name, pugi::xml_document& doc, const MessageCode& code);

}  // namespace examsim
