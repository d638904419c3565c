#include "screens/about_screen.h"

#include "core/app_context.h"
#include "core/links.h"
#include "core/xml.h"

namespace examsim {

frmAbout::frmAbout(AppContext& ctx) : MovieScreen(ctx) {
    forgetCommand("kill");
    onButton("btnUtp", [this] { openLink(ctx_, featureLink_); });
    onButton("emailsupport", [this] { sendMail(ctx_, supportAddress_, "", ""); });
}

void frmAbout::load() {
    loadScreenMovie(ctx_, movie(), "\\about.wlb");
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

    set("txtTestName", blankIfEmpty(fullName));
    set("txtCopyRight", blankIfEmpty(kCopyrightLine));
    set("txtEmailSupport", blankIfEmpty(supportAddress_));
    set("txtCompanyName", blankIfEmpty(companyLink));
    set("txtSimulatorVersion", "Version: " + ctx_.versionCode + " (Full)");
    set("txtResolution", resolutionValue(ctx_));
}

}  // namespace examsim
