// Cold start of the program to its main window, and the peak resident memory
// of its process tree at that moment, against a bare web view showing an
// empty page. The two start in turn, run after run, so a change of load on
// the machine falls on both; the spread of each is printed beside the
// medians, and the step lines both print (the program's with
// EXAMSIM_STARTUP_TRACE=1) show where the time goes, timed here from the fork.
// EXAMSIM_STARTUP_RUNS sets the number of runs (default 15).
#include "process_memory.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct Step {
    std::string name;
    double ms;  // since the fork
};

struct Run {
    double ms = 0;
    double peakMiB = 0;
    std::vector<Step> steps;
};

std::vector<Run> bareRuns, programRuns;


// "examsim: startup  123.4 web profile" -> "web profile"; other lines whole.
std::string stepName(const std::string& line) {
    const std::string tag = "examsim: startup ";
    if (line.rfind(tag, 0) != 0) return line;
    std::istringstream rest(line.substr(tag.size()));
    double ownMs;
    rest >> ownMs >> std::ws;
    std::string name;
    std::getline(rest, name);
    return name;
}

// Starts the program, notes when each line arrives, stops at the marker line.
Run startOnce(const std::string& program, const std::string& marker) {
    int out[2];
    if (::pipe(out) != 0) std::abort();
    const auto start = std::chrono::steady_clock::now();
    const auto since = [&start] {
        return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    };
    const pid_t child = ::fork();
    if (child == 0) {
        ::setpgid(0, 0);
        ::dup2(out[1], STDOUT_FILENO);
        const int devnull = ::open("/dev/null", O_WRONLY);
        ::dup2(devnull, STDERR_FILENO);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(out[1]);
    Run run;
    std::string pending;
    bool seen = false;
    char buf[512];
    while (!seen) {
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        const double at = since();
        pending.append(buf, static_cast<std::size_t>(n));
        for (std::size_t nl; (nl = pending.find('\n')) != std::string::npos; pending.erase(0, nl + 1)) {
            const std::string line = pending.substr(0, nl);
            run.steps.push_back({stepName(line), at});
            seen = seen || line.find(marker) != std::string::npos;
        }
    }
    run.ms = since();
    run.peakMiB = treePeakMiB(child);
    ::kill(-child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(out[0]);
    if (!seen) {
        std::cerr << program << " ended before \"" << marker << "\"\n";
        std::exit(1);
    }
    return run;
}

fs::path appFolder;

const std::string bareMarker = "bare: loaded";
const std::string programMarker = "examsim: window main";

void prepare() {
    const fs::path work = fs::temp_directory_path() / ("examsim-startup-bench-" + std::to_string(::getpid()));
    fs::remove_all(work);
    appFolder = work / "app";
    fs::create_directories(work / "runtime");
    fs::permissions(work / "runtime", fs::perms::owner_all);
    const std::string cmd = std::string(EXAMSIM_PACK) + " assemble '" + PRODUCT_DIR + "' '" + appFolder.string() + "' > /dev/null";
    if (std::system(cmd.c_str()) != 0) std::exit(1);
    fs::copy_file(EXAMSIM_PROGRAM, appFolder / "examsim", fs::copy_options::overwrite_existing);
    ::setenv("XDG_RUNTIME_DIR", (work / "runtime").c_str(), 1);
    ::setenv("EXAMSIM_WINDOW_LOG", "1", 1);
    ::setenv("EXAMSIM_STARTUP_TRACE", "1", 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox", 0);
}

void BM_ColdStartToMainWindow(benchmark::State& state) {
    for (auto _ : state) {
        bareRuns.push_back(startOnce(BARE_PROGRAM, bareMarker));
        programRuns.push_back(startOnce((appFolder / "examsim").string(), programMarker));
        state.SetIterationTime(programRuns.back().ms / 1000);
    }
}

struct Spread {
    double min, median, max;
};

Spread spread(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return {v.front(), v[v.size() / 2], v.back()};
}

std::vector<double> field(const std::vector<Run>& runs, double Run::*f) {
    std::vector<double> v;
    for (const Run& r : runs) v.push_back(r.*f);
    return v;
}

std::string loadAverage() {
    std::ifstream in("/proc/loadavg");
    double one = 0, five = 0;
    in >> one >> five;
    char text[64];
    std::snprintf(text, sizeof text, "%.2f (1 min), %.2f (5 min)", one, five);
    return text;
}

// Each step's time over the runs; a step met again in a run ("loader tick")
// is counted by its turn.
void printSteps(const char* title, const std::vector<Run>& runs) {
    std::map<std::string, std::vector<double>> times;
    for (const Run& r : runs) {
        std::map<std::string, int> turn;
        for (const Step& s : r.steps) {
            const int n = ++turn[s.name];
            times[n == 1 ? s.name : s.name + " #" + std::to_string(n)].push_back(s.ms);
        }
    }
    std::vector<std::pair<Spread, std::string>> rows;
    for (const auto& [name, v] : times) {
        std::string label = name;
        if (v.size() < runs.size()) label += " (" + std::to_string(v.size()) + " of " + std::to_string(runs.size()) + " runs)";
        rows.push_back({spread(v), label});
    }
    std::sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.first.median < b.first.median; });
    std::printf("  %s: median ms from the fork [min-max]\n", title);
    for (const auto& [s, name] : rows) std::printf("    %7.1f [%6.1f-%6.1f]  %s\n", s.median, s.min, s.max, name.c_str());
}

int runsWanted() {
    const char* v = std::getenv("EXAMSIM_STARTUP_RUNS");
    const int n = v ? std::atoi(v) : 0;
    return n > 0 ? n : 15;
}

}  // namespace

int main(int argc, char** argv) {
    prepare();
    const int runs = runsWanted();
    benchmark::Initialize(&argc, argv);
    benchmark::RegisterBenchmark("BM_ColdStartToMainWindow", BM_ColdStartToMainWindow)
        ->UseManualTime()
        ->Iterations(runs)
        ->Unit(benchmark::kMillisecond);
    const std::string loadBefore = loadAverage();
    // One start of each first, not counted, so neither pays for a cold disk cache.
    startOnce(BARE_PROGRAM, bareMarker);
    startOnce((appFolder / "examsim").string(), programMarker);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    fs::remove_all(appFolder.parent_path());
    if (bareRuns.empty()) return 0;

    const Spread bare = spread(field(bareRuns, &Run::ms)), program = spread(field(programRuns, &Run::ms));
    std::vector<double> ratios;
    for (std::size_t i = 0; i < bareRuns.size(); ++i) ratios.push_back(programRuns[i].ms / bareRuns[i].ms);
    const Spread ratio = spread(ratios);
    const double startRatio = program.median / bare.median;
    const double memoryRatio = spread(field(programRuns, &Run::peakMiB)).median / spread(field(bareRuns, &Run::peakMiB)).median;
    std::printf("load average before %s, after %s; %ld processors\n", loadBefore.c_str(), loadAverage().c_str(),
                ::sysconf(_SC_NPROCESSORS_ONLN));
    std::printf("%zu runs each, bare web view and program in turn:   min  median     max (ms)\n", bareRuns.size());
    std::printf("  bare web view to its loaded page         %7.1f %7.1f %7.1f\n", bare.min, bare.median, bare.max);
    std::printf("  program to its main window               %7.1f %7.1f %7.1f\n", program.min, program.median, program.max);
    std::printf("  program / bare of the same run           %6.2fx %6.2fx %6.2fx\n", ratio.min, ratio.median, ratio.max);
    std::printf("cold start to main window / bare web view: %.2fx (medians; target <= 2.00x) %s\n", startRatio,
                startRatio <= 2.0 ? "met" : "NOT met");
    std::printf("peak resident memory at main window / bare web view: %.2fx (target <= 1.50x) %s\n", memoryRatio,
                memoryRatio <= 1.5 ? "met" : "NOT met");
    std::printf("  (medians: %.0f MiB vs %.0f MiB)\n", spread(field(programRuns, &Run::peakMiB)).median,
                spread(field(bareRuns, &Run::peakMiB)).median);
    std::printf("start-up steps:\n");
    printSteps("bare web view", bareRuns);
    printSteps("program", programRuns);
    return 0;
}
