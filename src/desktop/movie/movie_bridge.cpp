#include "desktop/movie/movie_bridge.h"

namespace examsim {

void MovieBridge::message(const QString& kind, const QString& a, const QString& b) { emit received(kind, a, b); }

}  // namespace examsim
