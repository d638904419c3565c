#pragma once
#include <sys/types.h>

// Sum of the peak resident sizes of a process and all its descendants (the
// web engine's helper processes included), in MiB.
double treePeakMiB(pid_t root);
