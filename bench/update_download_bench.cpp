// The update package's download: the program against curl fetching the same
// file from the same loopback server in the same run, and how much the
// program's peak memory grows while it downloads (the body streams to disk).
#include "bench_ratios.h"
#include "update/update_host.h"
#include "update/update_requests.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <string>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kPackageBytes = 50u * 1024 * 1024;

// The worker thread without a window: the caller just waits.
class PlainWork : public examsim::WorkRunner {
public:
    void waitFor(const std::function<void()>& work) override { std::thread(work).join(); }
    void inBackground(std::function<void()> work, std::function<void()> done) override {
        std::thread(work).join();
        done();
    }
    void processEvents() override {}
};

struct Server {
    pid_t pid = -1;
    int port = 0;
    fs::path folder;
} server;

fs::path sourceDir() {
    const char* dir = std::getenv("EXAMSIM_SOURCE_DIR");
    return dir ? dir : fs::path(__FILE__).parent_path().parent_path();
}

void startServer() {
    server.folder = fs::temp_directory_path() / ("examsim-update-bench-" + std::to_string(::getpid()));
    fs::create_directories(server.folder / "www");
    {
        std::ofstream out(server.folder / "www" / "patch.zip", std::ios::binary);
        std::string block(1 << 20, 'z');
        block[0] = 'P';
        block[1] = 'K';
        for (std::size_t i = 0; i < kPackageBytes / block.size(); ++i) {
            out.write(block.data(), static_cast<std::streamsize>(block.size()));
            block[0] = block[1] = 'z';
        }
    }
    int out[2];
    if (::pipe(out) != 0) std::abort();
    const std::string script = (sourceDir() / "scripts" / "update_server.py").string();
    const std::string www = (server.folder / "www").string();
    server.pid = ::fork();
    if (server.pid == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);
        ::dup2(out[1], 1);
        ::execlp("python3", "python3", script.c_str(), www.c_str(), "--port", "0", nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    std::string line;
    char buf[64];
    pollfd p{out[0], POLLIN, 0};
    while (line.find('\n') == std::string::npos && ::poll(&p, 1, 20000) > 0) {
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    if (line.rfind("port ", 0) != 0) {
        std::fprintf(stderr, "the update server did not start\n");
        std::exit(1);
    }
    server.port = std::stoi(line.substr(5));
}

void stopServer() {
    ::kill(server.pid, SIGKILL);
    ::waitpid(server.pid, nullptr, 0);
    fs::remove_all(server.folder);
}

std::string url() { return "http://127.0.0.1:" + std::to_string(server.port) + "/getUpdate.php?download=YES"; }

long peakKiB() {
    rusage u{};
    ::getrusage(RUSAGE_SELF, &u);
    return u.ru_maxrss;
}

long peakGrowthKiB = 0;

void BM_ProgramDownload(benchmark::State& state) {
    PlainWork work;
    examsim::UpdateLimits limits;
    const fs::path target = server.folder / "app" / "upgrade" / "patch.zip";
    const long before = peakKiB();
    for (auto _ : state) {
        examsim::Download d = examsim::downloadPackage(work, url(), target, limits);
        if (!d.zip) state.SkipWithError("the package did not arrive");
        else d.keep();
    }
    peakGrowthKiB = std::max(peakGrowthKiB, peakKiB() - before);
    if (fs::file_size(target) != kPackageBytes) state.SkipWithError("the package is not whole");
}

void BM_CurlDownload(benchmark::State& state) {
    const std::string target = (server.folder / "curl.zip").string();
    const std::string address = url();
    for (auto _ : state) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::execlp("curl", "curl", "-s", "-o", target.c_str(), address.c_str(), nullptr);
            ::_exit(127);
        }
        int status = 0;
        ::waitpid(pid, &status, 0);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) state.SkipWithError("curl failed");
    }
}

BENCHMARK(BM_ProgramDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_CurlDownload)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    startServer();
    examsim::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    stopServer();
    const double program = reporter.seconds("BM_ProgramDownload/min_time:2.000/real_time");
    const double curl = reporter.seconds("BM_CurlDownload/min_time:2.000/real_time");
    if (program > 0 && curl > 0) {
        const double ratio = program / curl;
        examsim::bench::printRatio("50 MiB package: program / curl", ratio, "<= 1.5", ratio <= 1.5);
    }
    const double mib = static_cast<double>(peakGrowthKiB) / 1024.0;
    examsim::bench::printRatio("peak memory growth while downloading (MiB)", mib, "<= 32", mib <= 32.0);
    benchmark::Shutdown();
}
