#pragma once

namespace examsim {

// With EXAMSIM_STARTUP_TRACE=1 in the environment, prints
// "examsim: startup <ms> <step>" on standard output: the milliseconds since
// the process started, to see where a cold start spends its time.
void traceStartup(const char* step);

}  // namespace examsim
