// Cold start of the program to its main window, and the peak resident memory
// of its process tree at that moment, against a bare web view showing an
// empty page; both measured in the same run on the same machine.
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

struct Sample {
    double seconds;
    double peakMiB;
};
std::map<std::string, std::vector<Sample>> samples;

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

// Sum of the peak resident sizes of the process and all its descendants.
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

// Starts the program, waits for its marker line, measures, ends it.
Sample startOnce(const std::string& program, const std::string& marker) {
    int out[2];
    if (::pipe(out) != 0) std::abort();
    const auto start = std::chrono::steady_clock::now();
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
    std::string seen;
    char buf[512];
    Sample s{0, 0};
    while (seen.find(marker) == std::string::npos) {
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        seen.append(buf, static_cast<std::size_t>(n));
    }
    s.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    s.peakMiB = treePeakMiB(child);
    ::kill(-child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    ::close(out[0]);
    if (seen.find(marker) == std::string::npos) {
        std::cerr << program << " ended before \"" << marker << "\"\n";
        std::exit(1);
    }
    return s;
}

fs::path appFolder;

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
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::setenv("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox", 0);
}

void run(benchmark::State& state, const std::string& name, const std::string& program, const std::string& marker) {
    for (auto _ : state) {
        const Sample s = startOnce(program, marker);
        samples[name].push_back(s);
        state.SetIterationTime(s.seconds);
        state.counters["peak_MiB"] = s.peakMiB;
    }
}

void BM_BareWebViewToLoadedPage(benchmark::State& state) { run(state, "bare", BARE_PROGRAM, "bare: loaded"); }
void BM_ExamsimToMainWindow(benchmark::State& state) {
    run(state, "examsim", (appFolder / "examsim").string(), "examsim: window main");
}
BENCHMARK(BM_BareWebViewToLoadedPage)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExamsimToMainWindow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double medianOf(const std::string& name, double Sample::*field) {
    std::vector<double> v;
    for (const Sample& s : samples[name]) v.push_back(s.*field);
    return median(v);
}

}  // namespace

int main(int argc, char** argv) {
    prepare();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    if (samples["bare"].empty() || samples["examsim"].empty()) return 0;
    const double startRatio = medianOf("examsim", &Sample::seconds) / medianOf("bare", &Sample::seconds);
    const double memoryRatio = medianOf("examsim", &Sample::peakMiB) / medianOf("bare", &Sample::peakMiB);
    std::printf("cold start to main window / bare web view: %.2fx (target <= 2.00x) %s\n", startRatio,
                startRatio <= 2.0 ? "met" : "NOT met");
    std::printf("peak resident memory at main window / bare web view: %.2fx (target <= 1.50x) %s\n", memoryRatio,
                memoryRatio <= 1.5 ? "met" : "NOT met");
    std::printf("  (medians: %.0f ms vs %.0f ms, %.0f MiB vs %.0f MiB)\n", medianOf("examsim", &Sample::seconds) * 1000,
                medianOf("bare", &Sample::seconds) * 1000, medianOf("examsim", &Sample::peakMiB),
                medianOf("bare", &Sample::peakMiB));
    fs::remove_all(appFolder.parent_path());
    return 0;
}
