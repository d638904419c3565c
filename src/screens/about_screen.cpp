#include "screens/about_screen.h"

#include "core/app_context.h"
#include "core/links.h"
#include "core/xml.h"
#include "screens/about_contract.h"

namespace examsim {

namespace c = about_contract;

frmAbout::frmAbout(AppContext& ctx) : MovieScreen(ctx) {
    forgetCommand(movie_contract::command::Kill);
    onButton(c::button::Utp, [this] { openLink(ctx_, featureLink_); });
    onButton(c::button::EmailSupport, [this] { sendMail(ctx_, supportAddress_, "", ""); });
}

void frmAbout::load() {
    loadScreenMovie(ctx_, movie(), c::kMovieFile);
    const pugi::xml_node product = ctx_.productDoc;
    const std::string fullName = textContent(firstNamed(product, "full_version_name"));
    const std::string productName = textContent(firstNamed(product, "product-name"));
    featureLink_ = firstNamed(product, "utp").attribute("uri").value();
    caption_ = productName + " Exam Simulator";

    std::string companyLink;
    supportAddress_.clear();
    for (pugi::xml_node screen : firstNamed(product, "product").children("screen")) {
        if (std::string_view(screen.attribute("name").value()) != "about") continue;
        for (pugi::xml_node child : screen.children()) {
            const std::string_view name = child.name();
            if (name == "company_link") companyLink = child.attribute("uri").value();
            if (name == "email_text") supportAddress_ = child.attribute("uri").value();
        }
        break;
    }

    set(c::var::TestName, blankIfEmpty(fullName));
    set(c::var::CopyRight, blankIfEmpty(kCopyrightLine));
    set(c::var::EmailSupport, blankIfEmpty(supportAddress_));
    set(c::var::CompanyName, blankIfEmpty(companyLink));
    set(c::var::SimulatorVersion, "Version: " + ctx_.versionCode + " (Full)");
    set(c::var::Resolution, resolutionValue(ctx_));
}

}  // namespace examsim
