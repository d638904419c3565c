#include "screens/about_screen.h"

#include "core/app_context.h"
#include "core/links.h"
#include "core/product_settings.h"
#include "screens/about_contract.h"

namespace examsim {

namespace c = about_contract;

frmAbout::frmAbout(AppContext& ctx) : MovieScreen(ctx) {
    forgetCommand(movie_contract::command::Kill);
    onButton(c::button::Utp, [this] { openLink(ctx_, featureLink_); });
    onButton(c::button::EmailSupport, [this] { sendMail(ctx_, supportAddress_, "", ""); });
    onButton(c::button::Close, [this] { closeWindow(); });
}

void frmAbout::load() {
    loadScreenMovie(ctx_, movie(), c::kMovieFile);
    const ProductSettings product(ctx_);
    featureLink_ = product.utpLink();
    supportAddress_ = product.aboutSupportAddress();
    const std::string companyLink = product.aboutCompanyLink();
    caption_ = product.productName() + " Exam Simulator";

    set(c::var::TestName, blankIfEmpty(product.fullVersionName()));
    set(c::var::CopyRight, blankIfEmpty(kCopyrightLine));
    set(c::var::EmailSupport, blankIfEmpty(supportAddress_));
    set(c::var::CompanyName, blankIfEmpty(companyLink));
    set(c::var::SimulatorVersion, "Version: " + ctx_.versionCode + " (Full)");
    set(c::var::Resolution, resolutionValue(ctx_));
}

}  // namespace examsim
