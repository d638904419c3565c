#include "process_memory.h"

#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <map>
#include <sstream>
#include <string>

namespace {

std::map<pid_t, pid_t> parents() {
    std::map<pid_t, pid_t> out;
    DIR* d = ::opendir("/proc");
    while (dirent* e = d ? ::readdir(d) : nullptr) {
        const pid_t pid = std::atoi(e->d_name);
        if (pid <= 0) continue;
        std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
        std::string line;
        std::getline(stat, line);
        const auto close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        char state;
        pid_t ppid;
        rest >> state >> ppid;
        out[pid] = ppid;
    }
    if (d) ::closedir(d);
    return out;
}

}  // namespace

double treePeakMiB(pid_t root) {
    const auto ppid = parents();
    double kib = 0;
    for (const auto& [pid, parent] : ppid) {
        pid_t p = pid;
        while (p > 1 && p != root) p = ppid.count(p) ? ppid.at(p) : 0;
        if (p != root) continue;
        std::ifstream status("/proc/" + std::to_string(pid) + "/status");
        for (std::string line; std::getline(status, line);)
            if (line.rfind("VmHWM:", 0) == 0) kib += std::atof(line.c_str() + 6);
    }
    return kib / 1024.0;
}
