#include "screens/live_update_screen.h"

#include "core/app_context.h"
#include "core/ascii_case.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/product_keys.h"
#include "core/product_settings.h"
#include "screens/live_update_contract.h"
#include "screens/update_check.h"
#include "update/update_host.h"
#include "update/update_urls.h"

namespace examsim {

namespace c = live_update_contract;

namespace {

constexpr const char* kNewsPackage = "\\upgrade\\wlbfile.zip";
constexpr const char* kUpdatePackage = "\\upgrade\\patch.zip";
constexpr const char* kNotKept = "The update could not be saved in the application folder.";
constexpr const char* kHelperMissing = "The update was downloaded but its installer could not be started.";

// "True" / "False" as a Boolean; a number counts when it is not 0.
bool checkBoxValue(const std::string& args) {
    if (equalIgnoringCase(args, "True")) return true;
    const auto n = numberValue(args);
    return n && *n != 0;
}

// The rounded quotient, half to even as the old counter's division gave.
int roundedQuotient(int n, int d) {
    const int q = n / d, r = n % d;
    return 2 * r > d || (2 * r == d && q % 2 != 0) ? q + 1 : q;
}

}  // namespace

frmLiveUpdate::frmLiveUpdate(AppContext& ctx, LiveUpdateHost host, UpdateLimits limits)
    : MovieScreen(ctx), host_(host), limits_(std::move(limits)) {
    forgetCommand(movie_contract::command::Kill);
    onCommand(c::command::CheckBox, [this](const std::string& args) { checkBox_ = checkBoxValue(args); });
    onButton(c::button::CheckNow, [this] { checkForUpdate(); });
    onButton(c::button::CancelProgress, [this] { cancelProgress(); });
    onButton(c::button::Close, [this] { closeWindow(); });
    onButton(c::button::Ok, [this] {
        const char* state = checkBox_ ? "True" : "False";
        // In memory; the instruction dialog's next save writes it to the product file.
        if (pugi::xml_node update = ctx_.productDoc.select_node(productkey::LiveUpdate).node()) {
            pugi::xml_attribute a = update.attribute("checkUpdate");
            (a ? a : update.append_attribute("checkUpdate")).set_value(state);
        }
        set(c::var::CheckBoxStatus, state);
        closeWindow();
    });
    onButton(c::button::BackToStart, [this] { movie().GotoFrame(c::frame::Start); });
}

void frmLiveUpdate::load() {
    loadScreenMovie(ctx_, movie(), c::kMovieFile);
    set(c::var::Resolution, resolutionValue(ctx_));
    // The box starts as the product holds the choice, so OK alone keeps it.
    checkBox_ = equalIgnoringCase(ProductSettings(ctx_).checkUpdate(), "True");
    set(c::var::CheckBoxStatus, checkBox_ ? "True" : "False");
}

void frmLiveUpdate::FSCommand(const std::string& command, const std::string& args) {
    if (busy_ && command != c::command::CheckBox && !(command == c::command::ButtonClick && args == c::button::CancelProgress))
        return;
    MovieScreen::FSCommand(command, args);
}

void frmLiveUpdate::cancelProgress() {
    cancelled_ = true;
    movie().GotoFrame(c::frame::Cancelled);
}

void frmLiveUpdate::progress(int from, int to, int divisor) {
    int shown = -1;
    for (int counter = from; counter <= to && !stopped(); ++counter) {
        const int value = roundedQuotient(counter, divisor);
        // The movie is told each value once: the counter's many equal steps draw nothing new.
        if (value == shown) continue;
        shown = value;
        set(c::var::Percent, std::to_string(value));
        movie().TGotoFrame(c::kProgressBar, value);
        if (host_.work) host_.work->processEvents();
    }
}

void frmLiveUpdate::checkForUpdate() {
    if (busy_) return;
    busy_ = true;
    cancelled_ = false;
    movie().GotoFrame(c::frame::Progress);
    set(c::var::Percent, "1");
    if (!checkConnection()) {
        busy_ = false;
        return;
    }
    progress(1000, 2000, 1000);
    const int result = stopped() ? kNotInstalled : checkDownLoad();
    // Cancelled: the movie stays where the learner stopped it.
    if (stopped() && result != kInstallerStarted) {
        busy_ = false;
        return;
    }
    busy_ = result == kInstallerStarted;  // the window may close now
    if (result != kInstallerStarted) {
        closeWindow();
        movie().Rewind();
        return;
    }
    cancelled_ = false;  // the installer runs: the rest only shows it
    progress(61000, 99000, 1000);
    showMessage(ctx_, msgcode::UpdateInstallerStarted, msg::OkOnly | msg::Information, ctx_.windowTitle);
    movie().Rewind();
    busy_ = false;
    closeWindow();
}

bool frmLiveUpdate::checkConnection() {
    if (!host_.connection || host_.connection->online()) return true;
    if (showMessage(ctx_, msgcode::NoInternetConnection, msg::OkCancel, kStandardTitle) == msg::Ok) return true;
    movie().GotoFrame(c::frame::Start);
    return false;
}

int frmLiveUpdate::checkDownLoad() {
    if (downloadUpdate() != 1) return kNotInstalled;
    if (host_.helper && host_.helper->startHelper({"install", ctx_.paths.folder().string()})) return kInstallerStarted;
    showText(ctx_, kHelperMissing, msg::OkOnly | msg::Exclamation, ctx_.windowTitle);
    return kNotInstalled;
}

int frmLiveUpdate::downloadUpdate() {
    if (!host_.work) return 0;
    const UpdateAddress address = UpdateAddress::of(ctx_);
    const std::filesystem::path newsFile = ctx_.paths.resolve(kNewsPackage);
    const std::filesystem::path updateFile = ctx_.paths.resolve(kUpdatePackage);
    try {
        requireInsideFolder(ctx_.paths, newsFile);
        requireInsideFolder(ctx_.paths, updateFile);
    } catch (const FileWriteError&) {
        showText(ctx_, kNotKept, msg::OkOnly | msg::Exclamation, ctx_.windowTitle);
        return 0;
    }

    // The news: kept and unpacked when it is a package, passed over otherwise.
    progress(3000, 5000, 1000);
    if (stopped()) return 0;
    Download news = downloadPackage(*host_.work, address.newsPackage(), newsFile, limits_, &cancelled_);
    if (stopped()) return 0;
    if (news.zip) {
        progress(5001, 6000, 100);
        if (stopped()) return 0;
        try {
            news.keep();
            if (host_.helper) host_.helper->startHelper({"news", ctx_.paths.folder().string()});
        } catch (const FileWriteError&) {
        }
    }

    progress(6000, 10000, 1000);
    if (stopped()) return 0;
    Download update = downloadPackage(*host_.work, address.updatePackage(), updateFile, limits_, &cancelled_);
    if (stopped()) return 0;
    set(c::var::Percent, "11%");
    if (!update.result.ok()) {
        showMessage(ctx_, msgcode::UpdateServerRefused, msg::OkOnly, ctx_.windowTitle);
        return 0;
    }
    if (!update.zip) {
        showText(ctx_, update.text, msg::OkOnly, "Exam Simulator");
        movie().Rewind();
        return 0;
    }
    progress(2100, 4000, 100);
    if (stopped()) return 0;
    try {
        update.keep();
    } catch (const FileWriteError&) {
        showText(ctx_, kNotKept, msg::OkOnly | msg::Exclamation, ctx_.windowTitle);
        return 0;
    }
    progress(4000, 6000, 100);
    deleteFile(ctx_.paths, ctx_.paths.resolve(kUpdateInfoFile));
    return 1;
}

}  // namespace examsim
