#pragma once
#include "finding.h"

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <vector>

namespace examsim::pack {

// The product's sources as the rules see them: the data documents parsed
// once, and the files the assembled application folder will hold.
class ProductSources {
public:
    explicit ProductSources(std::filesystem::path product);

    const std::filesystem::path& folder() const { return folder_; }

    // The parsed data document data/<name>.xml; an empty document when it is
    // missing or does not parse (both reported once as findings).
    const pugi::xml_document& data(const std::string& name) const;
    bool hasData(const std::string& name) const;

    // True when the application folder will hold this relative path
    // ("Database/PDU.html"); "\" and "/" are both accepted.
    bool appHas(const std::string& relative) const;
    // Where a file of the application folder comes from, for messages.
    std::string sourceOf(const std::string& relative) const;
    const std::map<std::string, std::string>& appFiles() const { return appFiles_; }

    // The names of the product's objectives (`objective/@name`), in order.
    const std::vector<std::string>& objectives() const { return objectives_; }

    void add(std::string file, std::string element, std::string message);
    std::vector<Finding>& findings() { return findings_; }

private:
    void loadData(const std::string& name);
    void mapApplicationFolder();

    std::filesystem::path folder_;
    std::map<std::string, pugi::xml_document> data_;
    std::set<std::string> present_;
    std::map<std::string, std::string> appFiles_;  // app path -> source path
    std::vector<std::string> objectives_;
    std::vector<Finding> findings_;
};

// "data/<name>.xml", the file name used in findings.
std::string dataFile(const std::string& name);

// A readable locator of an element: its path from the root, each step named
// by the attribute that identifies it (questionId, quid, name, CODE) or by
// its position among equally named siblings.
std::string locate(const pugi::xml_node& node);

// The question items of a bank or quiz document, in document order.
std::vector<pugi::xml_node> questionItems(const pugi::xml_document& doc);

}  // namespace examsim::pack
