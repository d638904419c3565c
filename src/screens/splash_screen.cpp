#include "screens/splash_screen.h"

#include "core/app_context.h"
#include "core/error_log.h"
#include "core/product_settings.h"
#include "screens/splash_contract.h"

#include <exception>

namespace examsim {

namespace c = splash_contract;

frmSplash::frmSplash(AppContext& ctx, SplashHost& host) : MovieScreen(ctx), host_(host) {}

void frmSplash::load() {
    computeScreenScale(ctx_);
    if (!loadScreenMovie(ctx_, movie(), c::kMovieFile)) {
        // Start-up cannot go on in a folder that takes no file; the user has been told why.
        ctx_.loadTrace += ":splash movie not written";
        reportFatalError(ctx_, ctx_.loadTrace, errorLogPath(ctx_));
    }
    const ProductSettings product(ctx_);
    const std::string versionType = product.versionType();
    ctx_.versionCode = product.versionCode();
    const std::string productName = product.productName();
    const std::string testimonial = product.testimonials();

    set(c::var::VersionName, blankIfEmpty(versionType));
    set(c::var::CopyRight, blankIfEmpty(kCopyrightLine));
    set(c::var::TestName, blankIfEmpty(productName));
    if (!testimonial.empty())
        set(c::var::Testimonial, testimonial);
    else
        set(c::var::NoTestimonial, "");
    set(c::var::VersionCode, "Version: " + ctx_.versionCode + " (Full)");
    set(c::var::Resolution, resolutionValue(ctx_));
    host_.setCaption(productName + " Exam Simulator");
    movie().GotoFrame(c::frame::Title);
}

void frmSplash::status(const std::string& text) {
    host_.setCaption(text);
    host_.setStatusLabel(text);
}

// Runs once: counting again on a later tick would inflate the practice count.
void frmSplash::loadingBlock() {
    try {
        initScreenAndHelp(ctx_);
        status("Loading Reports...");
        host_.loadReports();
        status("Loading User Settings...");
        host_.setStatusLabel("Loading QuestionBank...");
        host_.loadQuestionBank();
        status("Loading User settings...");
        host_.prepareScreens();
        loaded_ = true;
    } catch (const std::exception& e) {
        ctx_.loadTrace += std::string(":") + e.what();
        reportFatalError(ctx_, ctx_.loadTrace, errorLogPath(ctx_));
    }
}

void frmSplash::runSplashLoader() {
    if (handedOver_) return;
    if (ticks_ > 2 && !loaded_) loadingBlock();
    if (loaded_ && host_.readyForHandOver()) {
        handedOver_ = true;
        host_.stopTimer();
        host_.startModeScreen();
        host_.setCaption("Complete...");
        set(c::var::Status, "Complete...");
        host_.handOver();
        return;
    }
    ++ticks_;
}

}  // namespace examsim
