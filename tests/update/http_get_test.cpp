#include "update/http_get.h"

#include "support/temp_folder.h"
#include "support/update_server.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>

using namespace examsim;
using namespace examsim::test;

namespace {

class HttpGet : public ::testing::Test {
protected:
    HttpResult get(const std::string& path, RequestLimits limits = quick()) {
        body.clear();
        return httpGet(server.base() + path, limits, [this](std::string_view piece) {
            body.append(piece);
            return true;
        });
    }
    static RequestLimits quick() { return {2000, 3000, 2, 3, 1024}; }

    TempFolder t;
    UpdateServer server{t / "www"};
    std::string body;
};

TEST_F(HttpGet, AnswersWithStatusAndExactBody) {
    const std::string bytes("PK\x03\x04\0\xff\r\n", 8);
    writeFile(server.folder() / "file.bin", bytes);
    const HttpResult r = get("file.bin");
    EXPECT_EQ(r.end, HttpEnd::Answered);
    EXPECT_EQ(r.status, 200);
    EXPECT_TRUE(r.ok());
    EXPECT_EQ(body, bytes);
    EXPECT_EQ(r.bodyBytes, bytes.size());
}

TEST_F(HttpGet, AnotherStatusIsAnAnswerButNotOk) {
    writeFile(server.folder() / "gone.txt", "moved away");
    writeFile(server.folder() / "gone.txt.status", "410");
    const HttpResult r = get("gone.txt");
    EXPECT_EQ(r.end, HttpEnd::Answered);
    EXPECT_EQ(r.status, 410);
    EXPECT_FALSE(r.ok());
    EXPECT_EQ(get("missing").status, 404);
}

// The cap holds whether the server announces the length or not.
TEST_F(HttpGet, BodiesPastTheCapEndTooLarge) {
    writeFile(server.folder() / "big.bin", std::string(5000, 'x'));
    writeFile(server.folder() / "chunks.bin", std::string(200000, 'y'));
    writeFile(server.folder() / "chunks.bin.chunked", "");
    writeFile(server.folder() / "fits.bin", std::string(1024, 'z'));
    EXPECT_EQ(get("big.bin").end, HttpEnd::TooLarge);
    const HttpResult chunked = get("chunks.bin");
    EXPECT_EQ(chunked.end, HttpEnd::TooLarge);
    EXPECT_LE(body.size(), 1024u);
    EXPECT_TRUE(get("fits.bin").ok());
}

TEST_F(HttpGet, AServerThatNeverAnswersEndsAtTheTimeout) {
    writeFile(server.folder() / "slow", "never");
    writeFile(server.folder() / "slow.hang", "");
    EXPECT_EQ(get("slow", {2000, 1500, 30, 3, 1024}).end, HttpEnd::TimedOut);
    // A stall ends it too, before a long total timeout.
    EXPECT_EQ(get("slow", {2000, 600'000, 1, 3, 1024}).end, HttpEnd::TimedOut);
}

TEST_F(HttpGet, RedirectsAreFollowedAFewTimesOverHttpOnly) {
    writeFile(server.folder() / "target", "here");
    writeFile(server.folder() / "hop", "");
    writeFile(server.folder() / "hop.redirect", server.base() + "target");
    EXPECT_TRUE(get("hop").ok());
    EXPECT_EQ(body, "here");

    writeFile(server.folder() / "loop", "");
    writeFile(server.folder() / "loop.redirect", server.base() + "loop");
    EXPECT_EQ(get("loop").end, HttpEnd::Failed);
    const auto requests = server.requests();
    EXPECT_LE(std::count(requests.begin(), requests.end(), "/loop"), 4);  // the first and three redirects

    for (const char* elsewhere : {"file:///etc/passwd", "ftp://127.0.0.1/x"}) {
        writeFile(server.folder() / "out", "");
        writeFile(server.folder() / "out.redirect", elsewhere);
        const HttpResult r = get("out");
        EXPECT_FALSE(r.ok()) << elsewhere;
        EXPECT_TRUE(r.end == HttpEnd::Refused || r.end == HttpEnd::Failed) << elsewhere;
        EXPECT_EQ(body, "") << elsewhere;
    }
}

TEST_F(HttpGet, OnlyHttpAndHttpsAreAsked) {
    const auto before = server.requests().size();
    for (const char* url : {"file:///etc/passwd", "ftp://127.0.0.1/", "127.0.0.1/x", "gopher://127.0.0.1/", ""}) {
        const HttpResult r = httpGet(url, quick(), {});
        EXPECT_EQ(r.end, HttpEnd::Refused) << url;
    }
    EXPECT_EQ(server.requests().size(), before);
}

TEST_F(HttpGet, ARefusedConnectionFails) {
    int port = 0;
    {
        TempFolder other;
        UpdateServer gone(other / "www");
        port = gone.port();
    }
    const HttpResult r = httpGet("http://127.0.0.1:" + std::to_string(port) + "/x", quick(), {});
    EXPECT_EQ(r.end, HttpEnd::Failed);
    EXPECT_FALSE(r.error.empty());
}

TEST_F(HttpGet, CancelStopsARunningTransfer) {
    writeFile(server.folder() / "slow", "never");
    writeFile(server.folder() / "slow.hang", "");
    std::atomic<bool> cancel{false};
    HttpResult r;
    std::thread worker([&] { r = httpGet(server.base() + "slow", {2000, 600'000, 600, 3, 1024}, {}, &cancel); });
    while (server.requests().empty()) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    cancel = true;
    worker.join();
    EXPECT_EQ(r.end, HttpEnd::Cancelled);
}

TEST_F(HttpGet, ASinkThatCannotStoreStopsTheTransfer) {
    writeFile(server.folder() / "f", std::string(800, 'a'));
    const HttpResult r = httpGet(server.base() + "f", quick(), [](std::string_view) { return false; });
    EXPECT_EQ(r.end, HttpEnd::Failed);
}

}  // namespace
