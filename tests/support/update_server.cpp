#include "support/update_server.h"

#include <chrono>
#include <cstdlib>
#include <csignal>
#include <fstream>
#include <poll.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace examsim::test {
namespace {

std::filesystem::path serverScript() {
    const char* dir = std::getenv("EXAMSIM_SOURCE_DIR");
    return std::filesystem::path(dir ? dir : ".") / "scripts" / "update_server.py";
}

}  // namespace

UpdateServer::UpdateServer(std::filesystem::path folder) : folder_(std::move(folder)) {
    std::filesystem::create_directories(folder_);
    log_ = folder_.parent_path() / (folder_.filename().string() + "-requests.log");
    int out[2];
    if (::pipe(out) != 0) throw std::runtime_error("no pipe for the update server");
    const std::string script = serverScript().string();
    const std::string dir = folder_.string();
    const std::string log = log_.string();
    pid_ = ::fork();
    if (pid_ == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL);  // a test killed half-way takes its server along
        ::dup2(out[1], 1);
        ::close(out[0]);
        ::close(out[1]);
        // The system's interpreter starts fastest; any other on the PATH will do.
        ::execl("/usr/bin/python3", "python3", script.c_str(), dir.c_str(), "--port", "0", "--log", log.c_str(), nullptr);
        ::execlp("python3", "python3", script.c_str(), dir.c_str(), "--port", "0", "--log", log.c_str(), nullptr);
        ::_exit(127);
    }
    ::close(out[1]);
    // The first line is "port N".
    std::string line;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (line.find('\n') == std::string::npos && std::chrono::steady_clock::now() < until) {
        pollfd p{out[0], POLLIN, 0};
        if (::poll(&p, 1, 200) <= 0) continue;
        char buf[64];
        const ssize_t n = ::read(out[0], buf, sizeof buf);
        if (n <= 0) break;
        line.append(buf, static_cast<std::size_t>(n));
    }
    ::close(out[0]);
    if (line.rfind("port ", 0) != 0) {
        ::kill(pid_, SIGKILL);
        ::waitpid(pid_, nullptr, 0);
        throw std::runtime_error("the update server did not start: " + line);
    }
    port_ = std::stoi(line.substr(5));
}

UpdateServer::~UpdateServer() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    std::error_code ec;
    std::filesystem::remove(log_, ec);
}

std::string UpdateServer::base() const { return "http://127.0.0.1:" + std::to_string(port_) + "/"; }

std::vector<std::string> UpdateServer::requests() const {
    std::vector<std::string> lines;
    std::ifstream in(log_);
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

}  // namespace examsim::test
