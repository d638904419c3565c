#include "check_rules.h"

#include "core/file_io.h"
#include "core/xml.h"

#include <regex>

namespace examsim::pack {

namespace {

// Pages the screens open at fixed places in the application folder.
const char* const kFixedPages[] = {
    "training.html",           "Database/simulatro_feature.html", "Database/PDU.html",
    "Database/testimonials.htm", "Database/pGrid.wlb",            "Database/print.xsl",
};

std::string join(const std::string& folder, const std::string& name) {
    return folder.empty() ? name : folder + "/" + name;
}

void need(ProductSources& src, const std::string& file, const std::string& element, const std::string& target) {
    if (!src.appHas(target))
        src.add(file, element, "refers to \"" + target + "\", which the application folder will not hold");
}

// The HTML viewer deciphers every page it opens.
void needEnciphered(ProductSources& src, const std::string& element, const std::string& target) {
    need(src, dataFile("Product"), element, target);
    if (src.appHas(target) && src.sourceOf(target).rfind("pages/", 0) != 0)
        src.add(dataFile("Product"), element,
                "\"" + target + "\" is opened by the HTML viewer, which deciphers it: write it as a page in pages/");
}

void checkProductPages(ProductSources& src) {
    const auto& doc = src.data("Product");
    const std::string file = dataFile("Product");
    auto keyed = [&](const char* path) -> std::string {
        const pugi::xml_node n = doc.select_node(path).node();
        return join(n.attribute("uri").value(), textContent(n));
    };
    for (const char* page : kFixedPages) need(src, "(program)", page, page);
    if (!src.hasData("Product")) return;
    need(src, file, "//test_instructions", keyed("//test_instructions"));
    need(src, file, "//online-resources", keyed("//online-resources"));
    needEnciphered(src, "product/quick_revision_notes", keyed("product/quick_revision_notes"));
    needEnciphered(src, "product/tips_n_tricks", keyed("product/tips_n_tricks"));
    need(src, file, "//help", join(doc.select_node("//help").node().attribute("uri").value(), "Help.chm"));
    for (const auto& x : selectAll(doc, "//tool_tips_texts/*[@name='examinformation' or @name='tipofToday']")) {
        const pugi::xml_node n = x.node();
        const std::string element = "tool_tips_texts/*[@name='" + std::string(n.attribute("name").value()) + "']";
        if (std::string(n.attribute("name").value()) == "tipofToday")
            needEnciphered(src, element, join("Database", textContent(n)));
        else
            need(src, file, element, join(n.attribute("uri").value(), textContent(n)));
    }
}

void checkPictures(ProductSources& src, const std::string& doc) {
    for (const auto& item : questionItems(src.data(doc)))
        for (const auto& x : item.select_nodes(".//*[@uri]")) {
            const std::string name = textContent(x.node());
            if (!name.empty()) need(src, dataFile(doc), locate(x.node()), join(x.node().attribute("uri").value(), name));
        }
}

std::string folderOf(const std::string& appPath) {
    const auto slash = appPath.rfind('/');
    return slash == std::string::npos ? std::string() : appPath.substr(0, slash);
}

// Links and pictures of a page resolve inside the application folder, and a
// page loads nothing from the network.
void checkPageLinks(ProductSources& src, const std::string& appPath, const std::string& source) {
    std::string text;
    if (!readWholeFile(src.folder() / source, text)) return;
    // An enciphered page is shown from the Database folder.
    const std::string base = source.rfind("pages/", 0) == 0 ? "Database" : folderOf(appPath);
    const std::regex ref(R"re(\b(src|href)\s*=\s*"([^"]*)")re");
    for (std::sregex_iterator it(text.begin(), text.end(), ref), end; it != end; ++it) {
        std::string target = (*it)[2];
        const bool remote = std::regex_search(target, std::regex("^([a-zA-Z][a-zA-Z0-9+.-]*:|//)"));
        if (remote) {
            if ((*it)[1] == "src") src.add(source, target, "a page must not load anything from the network");
            continue;
        }
        target = target.substr(0, target.find_first_of("#?"));
        if (target.empty()) continue;
        std::string resolved = base;
        for (std::size_t start = 0; start <= target.size();) {
            const auto stop = std::min(target.find('/', start), target.size());
            const std::string part = target.substr(start, stop - start);
            if (part == "..")
                resolved = folderOf(resolved);
            else if (!part.empty() && part != ".")
                resolved = join(resolved, part);
            start = stop + 1;
        }
        need(src, source, target, resolved);
    }
    if (std::regex_search(text, std::regex(R"(url\(\s*['"]?(https?:)?//)")))
        src.add(source, "style", "a page must not load anything from the network");
}

}  // namespace

void checkReferences(ProductSources& src) {
    checkProductPages(src);
    checkPictures(src, "QuestionBank");
    checkPictures(src, "Quiz");
    for (const auto& [appPath, source] : src.appFiles()) {
        const bool page = source.rfind("pages/", 0) == 0;
        const auto dot = source.rfind('.');
        const std::string ext = dot == std::string::npos ? "" : source.substr(dot);
        if (page || ext == ".html" || ext == ".htm" || ext == ".xsl" || ext == ".svg") checkPageLinks(src, appPath, source);
    }
}

}  // namespace examsim::pack
