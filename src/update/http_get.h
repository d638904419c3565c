#pragma once
#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace examsim {

// Bounds of one request: none of them may be exceeded, so no answer hangs
// the program or fills the disk.
struct RequestLimits {
    long connectTimeoutMs = 10'000;
    long totalTimeoutMs = 60'000;
    long stallSeconds = 30;  // a transfer that moves no byte for this long ends
    long maxRedirects = 3;
    std::uint64_t maxBodyBytes = 64 * 1024;
};

// How a request ended. Only Answered carries a status and a whole body.
enum class HttpEnd { Answered, Failed, TimedOut, TooLarge, Cancelled, Refused };

struct HttpResult {
    HttpEnd end = HttpEnd::Failed;
    long status = 0;
    std::uint64_t bodyBytes = 0;
    std::string error;  // why it failed, for the log
    bool ok() const { return end == HttpEnd::Answered && status == 200; }
};

// Takes the body piece by piece; false stops the transfer as a failure.
using BodySink = std::function<bool(std::string_view piece)>;

// GET of an http or https URL (any other scheme is Refused before anything is
// sent), following at most limits.maxRedirects redirects to http or https.
// Blocks until the answer is complete; `cancel`, when given, is polled
// throughout and ends the transfer as Cancelled. Safe to call from any thread.
HttpResult httpGet(const std::string& url, const RequestLimits& limits, const BodySink& sink,
                   const std::atomic<bool>* cancel = nullptr);

}  // namespace examsim
