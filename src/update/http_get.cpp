#include "update/http_get.h"

#include <cctype>
#include <curl/curl.h>
#include <mutex>

namespace examsim {
namespace {

struct Transfer {
    const BodySink* sink;
    const std::atomic<bool>* cancel;
    std::uint64_t cap;
    std::uint64_t received = 0;
    bool tooLarge = false;
    bool sinkFailed = false;
};

std::size_t onBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t n = size * count;
    // A chunked answer announces no length, so the cap is held here too.
    if (t.received + n > t.cap) {
        t.tooLarge = true;
        return 0;
    }
    t.received += n;
    if (*t.sink && !(*t.sink)(std::string_view(data, n))) {
        t.sinkFailed = true;
        return 0;
    }
    return n;
}

int onProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    const auto& t = *static_cast<Transfer*>(user);
    return t.cancel && t.cancel->load() ? 1 : 0;
}

bool httpScheme(const std::string& url) {
    const auto starts = [&url](std::string_view prefix) {
        if (url.size() < prefix.size()) return false;
        for (std::size_t i = 0; i < prefix.size(); ++i)
            if (std::tolower(static_cast<unsigned char>(url[i])) != prefix[i]) return false;
        return true;
    };
    return starts("http://") || starts("https://");
}

void initialiseOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

HttpResult httpGet(const std::string& url, const RequestLimits& limits, const BodySink& sink,
                   const std::atomic<bool>* cancel) {
    HttpResult result;
    // curl would guess a scheme for a bare host name; only the two are asked for.
    if (!httpScheme(url)) {
        result.end = HttpEnd::Refused;
        result.error = "not an http or https address";
        return result;
    }
    initialiseOnce();
    CURL* h = curl_easy_init();
    if (!h) {
        result.error = "no request handle";
        return result;
    }
    Transfer t{&sink, cancel, limits.maxBodyBytes};
    char message[CURL_ERROR_SIZE] = {};
    curl_easy_setopt(h, CURLOPT_URL, url.c_str());
    curl_easy_setopt(h, CURLOPT_HTTPGET, 1L);
    curl_easy_setopt(h, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(h, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(h, CURLOPT_MAXREDIRS, limits.maxRedirects);
    curl_easy_setopt(h, CURLOPT_CONNECTTIMEOUT_MS, limits.connectTimeoutMs);
    curl_easy_setopt(h, CURLOPT_TIMEOUT_MS, limits.totalTimeoutMs);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(h, CURLOPT_LOW_SPEED_TIME, limits.stallSeconds);
    curl_easy_setopt(h, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits.maxBodyBytes));
    curl_easy_setopt(h, CURLOPT_NOPROXY, "localhost,127.0.0.1,::1");
    curl_easy_setopt(h, CURLOPT_NOSIGNAL, 1L);  // signals cannot reach a worker thread's request
    curl_easy_setopt(h, CURLOPT_USERAGENT, "examsim-update/1");
    curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, onBody);
    curl_easy_setopt(h, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(h, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(h, CURLOPT_XFERINFOFUNCTION, onProgress);
    curl_easy_setopt(h, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(h, CURLOPT_ERRORBUFFER, message);

    const CURLcode rc = curl_easy_perform(h);
    curl_easy_getinfo(h, CURLINFO_RESPONSE_CODE, &result.status);
    curl_easy_cleanup(h);
    result.bodyBytes = t.received;
    if (rc == CURLE_OK) {
        result.end = HttpEnd::Answered;
        return result;
    }
    result.error = message[0] ? message : curl_easy_strerror(rc);
    if (t.tooLarge || rc == CURLE_FILESIZE_EXCEEDED)
        result.end = HttpEnd::TooLarge;
    else if (rc == CURLE_ABORTED_BY_CALLBACK)
        result.end = HttpEnd::Cancelled;
    else if (rc == CURLE_OPERATION_TIMEDOUT)
        result.end = HttpEnd::TimedOut;
    else if (rc == CURLE_UNSUPPORTED_PROTOCOL)
        result.end = HttpEnd::Refused;
    else
        result.end = HttpEnd::Failed;
    if (t.sinkFailed) result.error = "the body could not be stored";
    return result;
}

}  // namespace examsim
