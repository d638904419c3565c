#pragma once
#include "core/atomic_file.h"
#include "update/http_get.h"

#include <atomic>
#include <filesystem>
#include <memory>
#include <string>

namespace examsim {

class WorkRunner;

// The bounds of the update's requests.
struct UpdateLimits {
    RequestLimits check{10'000, 20'000, 10, 3, 4 * 1024};
    RequestLimits package{10'000, 30 * 60'000, 30, 3, 512ull * 1024 * 1024};
    // Of a body that is not a package, this much is shown to the user.
    std::size_t shownTextBytes = 2000;
};

struct TextAnswer {
    HttpResult result;
    std::string body;
};

// GET with the body in memory (limits.maxBodyBytes at most), on this thread.
TextAnswer getText(const std::string& url, const RequestLimits& limits, const std::atomic<bool>* cancel = nullptr);

// getText on a worker thread while the windows go on.
TextAnswer fetchText(WorkRunner& work, const std::string& url, const RequestLimits& limits,
                     const std::atomic<bool>* cancel = nullptr);

// A package streamed to a temporary file beside its target.
struct Download {
    HttpResult result;
    bool zip = false;         // answered 200 and the body starts with "PK", in either case
    std::string text;         // otherwise: the start of the body, as the user may be shown it
    std::unique_ptr<AtomicFileWriter> file;  // kept only for a ZIP; keep() puts it in place

    // Puts the package under its name; throws FileWriteError.
    void keep();
};

// GET on a worker thread with the body written to a temporary beside
// `target`; `target` itself is untouched until keep(). A folder that cannot
// be written ends as Failed.
Download downloadPackage(WorkRunner& work, const std::string& url, const std::filesystem::path& target,
                         const UpdateLimits& limits, const std::atomic<bool>* cancel = nullptr);

}  // namespace examsim
