#include "core/product_settings.h"

#include "core/app_context.h"
#include "core/product_config.h"
#include "core/product_keys.h"
#include "core/xml.h"

namespace examsim {

namespace {

ProductPage page(const pugi::xml_node& node) { return {node.attribute("uri").value(), textContent(node)}; }

// The last child element with that `name` attribute, as a walk over the
// children keeps it.
pugi::xml_node lastNamedChild(const pugi::xml_node& parent, std::string_view name) {
    pugi::xml_node found;
    for (pugi::xml_node child : parent.children())
        if (child.type() == pugi::node_element && name == child.attribute("name").value()) found = child;
    return found;
}

}  // namespace

std::string ProductSettings::sku() const { return productText(ctx_, productkey::Sku); }
std::string ProductSettings::validate() const { return productText(ctx_, productkey::Validate); }
std::string ProductSettings::versionCode() const { return productText(ctx_, productkey::VersionCode); }
std::string ProductSettings::versionType() const { return productText(ctx_, productkey::VersionType); }
std::string ProductSettings::productName() const { return productText(ctx_, productkey::ProductName); }
std::string ProductSettings::fullVersionName() const { return productText(ctx_, productkey::FullVersionName); }
std::string ProductSettings::utpLink() const { return productAttribute(ctx_, productkey::Utp, "uri"); }
std::string ProductSettings::liveUpdateAddress() const { return productText(ctx_, productkey::LiveUpdate); }
std::string ProductSettings::checkUpdate() const { return productAttribute(ctx_, productkey::LiveUpdate, "checkUpdate"); }
std::string ProductSettings::helpFolder() const { return productAttribute(ctx_, productkey::Help, "uri"); }

pugi::xml_node ProductSettings::screen(std::string_view name) const {
    for (pugi::xml_node s : productNode(ctx_, productkey::Product).children("screen"))
        if (name == s.attribute("name").value()) return s;
    return {};
}

std::string ProductSettings::screenLink(std::string_view screenName, std::string_view link) const {
    std::string uri;
    for (pugi::xml_node child : screen(screenName).children())
        if (link == child.name()) uri = child.attribute("uri").value();
    return uri;
}

std::string ProductSettings::modeLabel(std::string_view name) const {
    return textContent(lastNamedChild(productNode(ctx_, productkey::Modes), name));
}

bool ProductSettings::showExamInstructions() const {
    return std::string_view(productAttribute(ctx_, productkey::ExamInstruction, "show")) == "true";
}

ProductPage ProductSettings::testInstructions() const { return page(productNode(ctx_, productkey::TestInstructions)); }
pugi::xml_node ProductSettings::objectives() const { return productNode(ctx_, productkey::Objectives); }
std::string ProductSettings::testimonials() const { return productText(ctx_, productkey::Testimonials); }

pugi::xml_node ProductSettings::toolTips() const { return productNode(ctx_, productkey::ToolTipsTexts); }

ProductPage ProductSettings::toolTip(std::string_view name) const {
    const pugi::xml_node entry = lastNamedChild(toolTips(), name);
    return entry ? page(entry) : ProductPage{};
}

ProductPage ProductSettings::quickRevisionNotes() const { return page(productNode(ctx_, productkey::QuickRevisionNotes)); }

std::optional<ProductPage> ProductSettings::rootQuickRevisionNotes() const {
    const pugi::xml_node node = productNode(ctx_, productkey::RootQuickRevisionNotes);
    if (!node) return std::nullopt;
    return page(node);
}

ProductPage ProductSettings::tipsNTricks() const { return page(productNode(ctx_, productkey::RootTipsNTricks)); }
std::string ProductSettings::onlineTrainingHead() const { return productText(ctx_, productkey::RootOnlineTrainingHead); }
std::string ProductSettings::onlineResourceLink() const { return productText(ctx_, productkey::RootOnlineResource); }
ProductPage ProductSettings::onlineResources() const { return page(productNode(ctx_, productkey::OnlineResources)); }
std::string ProductSettings::forumLink() const { return productText(ctx_, productkey::ForumLink); }

std::string ProductSettings::onlineSynchronizationLink() const {
    return productText(ctx_, productkey::OnlineSynchronizationLink);
}

std::string ProductSettings::passPercentage() const { return productText(ctx_, productkey::PassPercentage); }
std::string ProductSettings::rootPassPercentage() const { return productText(ctx_, productkey::RootPassPercentage); }

std::vector<ResultBand> ProductSettings::resultAnalysis() const {
    std::vector<ResultBand> bands;
    for (pugi::xml_node band : productNode(ctx_, productkey::Reports).children("test_result_analysis"))
        bands.push_back({band.attribute("min_marks").value(), band.attribute("max_marks").value(), textContent(band)});
    return bands;
}

std::string ProductSettings::maxReports() const { return productText(ctx_, productkey::RootMaxReports); }

bool setShowExamInstructions(AppContext& ctx, bool show) {
    const pugi::xml_node setting = productNode(ctx, productkey::ExamInstruction);
    if (!setting) return false;
    setAttribute(setting, "show", show ? "true" : "false");
    return true;
}

}  // namespace examsim
