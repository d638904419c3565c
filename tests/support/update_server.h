#pragma once
#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace examsim::test {

// The loopback update server (scripts/update_server.py) on a free port of
// 127.0.0.1, answering from `folder`; stopped on destruction.
class UpdateServer {
public:
    explicit UpdateServer(std::filesystem::path folder);
    ~UpdateServer();
    UpdateServer(const UpdateServer&) = delete;
    UpdateServer& operator=(const UpdateServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT/", the product's live_update text.
    std::string base() const;
    // Path and query of every request so far, in order.
    std::vector<std::string> requests() const;
    const std::filesystem::path& folder() const { return folder_; }

private:
    std::filesystem::path folder_;
    std::filesystem::path log_;
    pid_t pid_ = -1;
    int port_ = 0;
};

}  // namespace examsim::test
