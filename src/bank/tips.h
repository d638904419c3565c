#pragma once
#include <string>

namespace examsim {

struct AppContext;

// Reloads "Database/tip.wlb" into the tip document. Missing or unparsable, it
// shows "qe8" (critical) and leaves the document empty.
void loadTipDocument(AppContext& ctx);

// The text of every tip, in order, from the freshly reloaded tip document;
// empty when its root is not `tips`.
std::string tipOfToday(AppContext& ctx);

}  // namespace examsim
