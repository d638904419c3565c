#include "check_sources.h"

#include "core/encoding.h"
#include "core/file_io.h"
#include "core/xml.h"

#include <algorithm>

namespace examsim::pack {
namespace fs = std::filesystem;

namespace {

// Every data document the program loads; the answer file is "Answers".
const char* const kDataNames[] = {"Product", "System", "QuestionBank", "Answers", "Quiz", "tip", "custom"};

std::string slashed(std::string path) {
    std::replace(path.begin(), path.end(), '\\', '/');
    std::string out;
    for (char c : path)
        if (!(c == '/' && (out.empty() || out.back() == '/'))) out += c;
    while (!out.empty() && out.back() == '/') out.pop_back();
    return out;
}

const char* identifyingAttribute(const pugi::xml_node& n) {
    for (const char* a : {"questionId", "quid", "CODE", "name"})
        if (n.attribute(a)) return a;
    return nullptr;
}

}  // namespace

std::string dataFile(const std::string& name) { return "data/" + name + ".xml"; }

std::string locate(const pugi::xml_node& node) {
    std::vector<std::string> steps;
    for (pugi::xml_node n = node; n && n.type() == pugi::node_element; n = n.parent()) {
        std::string step = n.name();
        if (const char* a = identifyingAttribute(n)) {
            step += std::string("[@") + a + "='" + n.attribute(a).value() + "']";
        } else if (n.parent() && n.parent().type() == pugi::node_element) {
            int index = 0, count = 0;
            for (pugi::xml_node s = n.parent().child(n.name()); s; s = s.next_sibling(n.name())) {
                ++count;
                if (s == n) index = count;
            }
            if (count > 1) step += "[" + std::to_string(index) + "]";
        }
        steps.push_back(step);
    }
    std::string out;
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) out += (out.empty() ? "" : "/") + *it;
    return out;
}

std::vector<pugi::xml_node> questionItems(const pugi::xml_document& doc) {
    std::vector<pugi::xml_node> items;
    for (const auto& x : doc.select_nodes("/*/Test/item")) items.push_back(x.node());
    return items;
}

ProductSources::ProductSources(fs::path product) : folder_(std::move(product)) {
    for (const char* name : kDataNames) loadData(name);
    mapApplicationFolder();
    // The report history names its objectives after every `objective` element's `name`.
    for (const auto& o : data("Product").select_nodes("//objective"))
        objectives_.push_back(o.node().attribute("name").value());
}

void ProductSources::loadData(const std::string& name) {
    auto& doc = data_[name];
    std::string text;
    if (!readWholeFile(folder_ / "data" / (name + ".xml"), text)) {
        add(dataFile(name), "(file)", "the data file is missing");
        return;
    }
    std::string stored;
    if (!utf8ToCp1252(text, stored))
        add(dataFile(name), "(file)", "holds a character that Windows-1252 cannot store (or is not UTF-8)");
    const auto r = parseXml(doc, text);
    if (!r) {
        add(dataFile(name), "line " + std::to_string(r.line) + ", column " + std::to_string(r.column),
            "does not parse: " + r.description);
        return;
    }
    present_.insert(name);
}

const pugi::xml_document& ProductSources::data(const std::string& name) const {
    static const pugi::xml_document empty;
    const auto it = data_.find(name);
    return it == data_.end() ? empty : it->second;
}

bool ProductSources::hasData(const std::string& name) const { return present_.count(name) > 0; }

void ProductSources::mapApplicationFolder() {
    auto addFolder = [&](const std::string& sub, const std::string& ext, const std::string& target,
                         const std::string& targetExt) {
        const fs::path dir = folder_ / sub;
        if (!fs::is_directory(dir)) return;
        for (const auto& e : fs::directory_iterator(dir))
            if (e.is_regular_file() && e.path().extension() == ext)
                appFiles_[slashed(target + "/" + e.path().stem().string() + targetExt)] =
                    sub + "/" + e.path().filename().string();
    };
    addFolder("data", ".xml", "Database", ".wlb");
    addFolder("movies", ".html", "", ".wlb");
    addFolder("pages", ".html", "Database", ".wlb");
    const fs::path files = folder_ / "files";
    if (fs::is_directory(files))
        for (const auto& e : fs::recursive_directory_iterator(files))
            if (e.is_regular_file()) {
                const std::string rel = fs::relative(e.path(), files).generic_string();
                appFiles_[rel] = "files/" + rel;
            }
    const fs::path help = folder_ / "help";
    if (fs::is_directory(help))
        for (const auto& e : fs::directory_iterator(help))
            if (e.path().extension() == ".hhp") {
                appFiles_["Help/Help.chm"] = "help/" + e.path().filename().string();
                appFiles_["Help/help.chm"] = "help/" + e.path().filename().string();
            }
}

bool ProductSources::appHas(const std::string& relative) const { return appFiles_.count(slashed(relative)) > 0; }

std::string ProductSources::sourceOf(const std::string& relative) const {
    const auto it = appFiles_.find(slashed(relative));
    return it == appFiles_.end() ? std::string() : it->second;
}

void ProductSources::add(std::string file, std::string element, std::string message) {
    findings_.push_back({std::move(file), std::move(element), std::move(message)});
}

}  // namespace examsim::pack
