#include "qti_package.h"

#include "qti_picture.h"
#include "qti_xml.h"
#include "pack_error.h"

#include "update/archive_install.h"

#include <fstream>
#include <map>
#include <set>

namespace examsim::pack::qti {
namespace fs = std::filesystem;

namespace {

// A LOM text: its own text, or that of its first language string.
std::string langText(const pugi::xml_node& node) {
    const pugi::xml_node inner = node.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; });
    return collapsed((inner ? inner : node).text().get());
}

bool startsWith(const std::string& s, const char* head) { return s.rfind(head, 0) == 0; }

bool isZip(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    char magic[4] = {};
    return in.read(magic, 4) && std::string(magic, 4) == std::string("PK\x03\x04", 4);
}

// A file the manifest or the test names, inside the package and present.
fs::path packageFile(const fs::path& root, const fs::path& from, const std::string& href, const std::string& who) {
    const fs::path file = (from / decodedHref(href)).lexically_normal();
    if (href.empty() || href.find(':') != std::string::npos || !withinPackage(root, file))
        throw PackError(who + " names \"" + href + "\", which lies outside the package");
    if (fs::symlink_status(file).type() != fs::file_type::regular)
        throw PackError(who + " names \"" + href + "\", which the package does not have");
    return file;
}

void loadPackageXml(pugi::xml_document& doc, const fs::path& file, const std::string& who) {
    try {
        loadXmlFile(doc, file.string(), who);
    } catch (const ItemRefused& e) {
        throw PackError(e.what());
    }
}

// The items of an assessmentTest, in its order, and its title.
std::vector<fs::path> testOrder(const fs::path& root, const fs::path& testFile, std::string& title) {
    pugi::xml_document doc;
    loadPackageXml(doc, testFile, "the assessmentTest \"" + testFile.filename().string() + "\"");
    title = collapsed(doc.document_element().attribute("title").value());
    std::vector<fs::path> order;
    for (const auto& ref : descendantsNamed(doc.document_element(), "assessmentItemRef"))
        order.push_back(packageFile(root, testFile.parent_path(), ref.attribute("href").value(),
                                    "the assessmentTest's item \"" + std::string(ref.attribute("identifier").value()) + "\""));
    return order;
}

Package fromManifest(const fs::path& root) {
    const fs::path manifestFile = root / "imsmanifest.xml";
    pugi::xml_document doc;
    loadPackageXml(doc, manifestFile, "imsmanifest.xml");
    const pugi::xml_node manifest = doc.document_element();
    std::string objective, level;
    readLom(childNamed(childNamed(manifest, "metadata"), "lom"), objective, level);

    Package p;
    std::vector<ItemSource> listed;
    std::vector<fs::path> order;
    for (const auto& res : childrenNamed(childNamed(manifest, "resources"), "resource")) {
        const std::string type = res.attribute("type").value();
        const std::string who = "the manifest's resource \"" + std::string(res.attribute("identifier").value()) + "\"";
        for (const auto& f : childrenNamed(res, "file")) packageFile(root, root, f.attribute("href").value(), who);
        if (startsWith(type, "imsqti_item")) {
            ItemSource s{packageFile(root, root, res.attribute("href").value(), who), root, objective, level};
            readLom(childNamed(childNamed(res, "metadata"), "lom"), s.objective, s.level);
            listed.push_back(s);
        } else if (startsWith(type, "imsqti_test") || startsWith(type, "imsqti_assessment")) {
            if (!order.empty()) throw PackError("the package holds more than one assessmentTest");
            order = testOrder(root, packageFile(root, root, res.attribute("href").value(), who), p.testTitle);
        }
    }
    std::set<fs::path> taken;
    for (const auto& file : order) {
        if (!taken.insert(file).second) continue;
        ItemSource s{file, root, objective, level};
        for (const auto& l : listed)
            if (l.file == file) s = l;
        p.items.push_back(s);
    }
    for (const auto& l : listed)
        if (taken.insert(l.file).second) p.items.push_back(l);
    if (p.items.empty()) throw PackError("imsmanifest.xml lists no QTI items");
    return p;
}

}  // namespace

void readLom(const pugi::xml_node& lom, std::string& objective, std::string& level) {
    if (!lom) return;
    if (const pugi::xml_node path = childNamed(childNamed(lom, "classification"), "taxonPath")) {
        const auto taxa = childrenNamed(path, "taxon");
        pugi::xml_node deepest = taxa.empty() ? pugi::xml_node() : taxa.back();
        // Older records nest taxon within taxon.
        while (pugi::xml_node inner = childNamed(deepest, "taxon")) deepest = inner;
        if (const std::string entry = langText(childNamed(deepest, "entry")); !entry.empty()) objective = entry;
    }
    const pugi::xml_node difficulty = childNamed(childNamed(lom, "educational"), "difficulty");
    const std::string d = langText(childNamed(difficulty, "value"));
    static const std::map<std::string, std::string> levels = {
        {"very easy", "Beginner"},  {"easy", "Beginner"},        {"medium", "Intermediate"},
        {"difficult", "Expert"},    {"very difficult", "Expert"}, {"Beginner", "Beginner"},
        {"Intermediate", "Intermediate"}, {"Expert", "Expert"}};
    // An unknown difficulty is kept as it is, so the refusal can name it.
    if (const auto it = levels.find(d); it != levels.end())
        level = it->second;
    else if (!d.empty())
        level = d;
}

Package openPackage(const fs::path& source, const fs::path& staging) {
    const std::string who = "\"" + source.string() + "\"";
    if (fs::is_directory(source)) {
        if (!fs::is_regular_file(source / "imsmanifest.xml")) throw PackError(who + " holds no imsmanifest.xml");
        return fromManifest(source);
    }
    if (!fs::is_regular_file(source)) throw PackError(who + " does not exist");
    if (isZip(source)) {
        const InstallResult unpacked = unpackArchive(source, staging);
        if (!unpacked.ok) throw PackError(who + ": " + unpacked.reason);
        if (!fs::is_regular_file(staging / "imsmanifest.xml")) throw PackError(who + " holds no imsmanifest.xml");
        return fromManifest(staging);
    }
    Package p;
    p.items.push_back(ItemSource{source, source.parent_path(), {}, {}});
    return p;
}

}  // namespace examsim::pack::qti
