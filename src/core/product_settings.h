#pragma once
#include <optional>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace examsim {

struct AppContext;

// A page of the application folder as the product names it: its folder in the
// `uri` attribute, its file in the element's text.
struct ProductPage {
    std::string folder;
    std::string file;
    bool operator==(const ProductPage&) const = default;
};

// One result-analysis band, as stored (whole percentages, inclusive).
struct ResultBand {
    std::string minMarks;
    std::string maxMarks;
    std::string text;
    bool operator==(const ResultBand&) const = default;
};

// The product settings the screens read, by name, on the key table of
// product_keys.h. Nothing is cached: each call reads the document as it is
// now. A missing key reads as the empty text (or false, or no page), never
// as an error. Where a screen walks a list of named children, the last one
// of a name wins, as the walk leaves it.
class ProductSettings {
public:
    explicit ProductSettings(const AppContext& ctx) : ctx_(ctx) {}

    std::string sku() const;
    std::string validate() const;
    std::string versionCode() const;
    std::string versionType() const;
    std::string productName() const;
    std::string fullVersionName() const;  // the about screen's name
    std::string utpLink() const;
    std::string liveUpdateAddress() const;
    std::string checkUpdate() const;  // the user's choice, "True" or "False"
    std::string helpFolder() const;

    // The `uri` of the child `link` of the root's first `screen` named `screen`.
    std::string screenLink(std::string_view screen, std::string_view link) const;
    std::string aboutCompanyLink() const { return screenLink("about", "company_link"); }
    std::string aboutSupportAddress() const { return screenLink("about", "email_text"); }
    // The root's first `screen` named so (the mode movie gets "comparefeature" whole).
    pugi::xml_node screen(std::string_view name) const;

    // The text of the child of "//modes" named so.
    std::string modeLabel(std::string_view name) const;
    std::string learningModeLabel() const { return modeLabel("learningmode"); }
    std::string certificationModeLabel() const { return modeLabel("certificationmode"); }
    std::string interactiveQuizLabel() const { return modeLabel("interactivequiz"); }

    // True when the instructions are shown before a Diagnostic, Final or Practice test.
    bool showExamInstructions() const;
    ProductPage testInstructions() const;
    pugi::xml_node objectives() const;
    std::string testimonials() const;

    // "//tool_tips_texts" whole (the mode movie gets it), and its entry named so.
    pugi::xml_node toolTips() const;
    ProductPage toolTip(std::string_view name) const;
    std::string mentorAddress() const { return toolTip("mymentor").file; }
    ProductPage examInformationPage() const { return toolTip("examinformation"); }
    ProductPage simulatorFeature() const { return toolTip("simulatorfeature"); }
    ProductPage tipOfToday() const { return toolTip("tipofToday"); }

    ProductPage quickRevisionNotes() const;  // the first anywhere
    // The entry under the root; nothing when the root has none.
    std::optional<ProductPage> rootQuickRevisionNotes() const;
    ProductPage tipsNTricks() const;
    std::string onlineTrainingHead() const;
    std::string onlineResourceLink() const;  // the report screen's "onlineLink"
    ProductPage onlineResources() const;
    std::string forumLink() const;
    std::string onlineSynchronizationLink() const;

    std::string passPercentage() const;      // as evaluation reads it
    std::string rootPassPercentage() const;  // as the objective analysis reads it
    std::vector<ResultBand> resultAnalysis() const;
    std::string maxReports() const;  // empty means 1

private:
    const AppContext& ctx_;
};

// Stores the instruction dialog's choice in the product document in memory;
// false, with nothing changed, when the product has no "examinstruction".
bool setShowExamInstructions(AppContext& ctx, bool show);

}  // namespace examsim
