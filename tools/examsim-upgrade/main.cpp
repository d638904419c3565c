// examsim-upgrade: unpacks the news package or installs the update package
// the update screen downloaded into the application folder's "upgrade" folder.
//   examsim-upgrade news FOLDER     upgrade/wlbfile.zip -> upgrade/newsletter/
//   examsim-upgrade install FOLDER  upgrade/patch.zip -> FOLDER, staged in upgrade/patch/
#include "core/app_paths.h"
#include "update/archive_install.h"
#include "update/install_outcome.h"

#include <cstring>
#include <iostream>
#include <sys/resource.h>

namespace {

namespace fs = std::filesystem;

int usage() {
    std::cerr << "usage: examsim-upgrade news|install APPLICATION_FOLDER\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return usage();
    const std::string what = argv[1];
    std::error_code ec;
    const fs::path folder = fs::canonical(argv[2], ec);
    if (ec) return usage();
    // Every new file stays open until all are written, so the whole package goes in or none of it.
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur < files.rlim_max) {
        files.rlim_cur = files.rlim_max;
        ::setrlimit(RLIMIT_NOFILE, &files);
    }
    const examsim::AppPaths paths(folder);
    const fs::path upgrade = folder / "upgrade";
    examsim::InstallResult r;
    if (what == "news") {
        r = examsim::installArchive(paths, upgrade / "wlbfile.zip", upgrade / "newsletter-staging", upgrade / "newsletter");
        fs::remove_all(upgrade / "newsletter-staging", ec);
    } else if (what == "install") {
        // The staging folder stays; the next start of the program removes it.
        r = examsim::installArchive(paths, upgrade / "patch.zip", upgrade / "patch", folder);
        if (r.ok) fs::remove(upgrade / "patch.zip", ec);
        try {
            examsim::recordInstallOutcome(paths, r);
        } catch (const std::exception& e) {
            std::cerr << "examsim-upgrade: the outcome was not noted: " << e.what() << "\n";
        }
    } else {
        return usage();
    }
    if (!r.ok) {
        std::cerr << "examsim-upgrade: " << r.reason << "\n";
        return 1;
    }
    std::cout << "examsim-upgrade: " << r.files.size() << " files in place\n";
    return 0;
}
