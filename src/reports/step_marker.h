#pragma once
#include <string>

namespace examsim {

// Appends prefix + step + "#" (for example "sv_3#") to a step trace.
inline void addStepMarker(std::string& trace, const char* prefix, int step) { trace.append(prefix).append(std::to_string(step)).push_back('#'); }

}  // namespace examsim
