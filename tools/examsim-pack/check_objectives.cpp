#include "check_rules.h"

#include "core/file_io.h"
#include "core/xml.h"

#include <charconv>
#include <map>
#include <regex>
#include <set>

namespace examsim::pack {

namespace {

const char* const kLevels[] = {"Beginner", "Intermediate", "Expert"};

void checkItemObjectives(ProductSources& src, const std::string& doc, const std::set<std::string>& objectives) {
    const std::string file = dataFile(doc);
    for (const auto& item : questionItems(src.data(doc)))
        for (const char* attr : {"topic", "category"}) {
            const std::string value = item.attribute(attr).value();
            if (!objectives.count(value))
                src.add(file, locate(item), std::string(attr) + " \"" + value + "\" is not a product objective");
        }
}

void checkCoverage(ProductSources& src, const std::string& doc, const std::vector<std::string>& objectives) {
    for (const auto& t : src.data(doc).select_nodes("/*/Test")) {
        std::set<std::string> topics;
        for (const auto& item : t.node().children("item")) topics.insert(item.attribute("topic").value());
        for (const auto& o : objectives)
            if (!topics.count(o)) src.add(dataFile(doc), locate(t.node()), "has no question on objective \"" + o + "\"");
    }
}

void checkCustomFile(ProductSources& src, const std::vector<std::string>& objectives) {
    if (!src.hasData("custom")) return;
    const std::string file = dataFile("custom");
    const pugi::xml_node root = src.data("custom").document_element();
    if (std::string(root.name()) != "custom") src.add(file, locate(root), "the root element must be custom");
    std::set<std::string> listed;
    for (const auto& o : root.children("objective")) {
        const std::string topic = o.first_child().value();
        if (std::find(objectives.begin(), objectives.end(), topic) == objectives.end())
            src.add(file, locate(o), "\"" + topic + "\" is not a product objective");
        else if (!listed.insert(topic).second)
            src.add(file, locate(o), "\"" + topic + "\" is listed twice");
        for (const char* level : kLevels) {
            // An objective left unticked in the grid keeps these counts.
            if (std::string(o.attribute(level).value()) != "0")
                src.add(file, locate(o), std::string("attribute ") + level + " must be \"0\"");
        }
    }
    for (const auto& o : objectives)
        if (!listed.count(o)) src.add(file, locate(root), "objective \"" + o + "\" is missing");
}

// An attribute value as the browser reads it: character references resolved.
std::string attributeText(const std::string& raw) {
    static const std::map<std::string, std::string> named = {
        {"amp", "&"}, {"lt", "<"}, {"gt", ">"}, {"quot", "\""}, {"apos", "'"}, {"ndash", "\xE2\x80\x93"}};
    std::string out;
    for (std::size_t i = 0; i < raw.size(); ++i) {
        const std::size_t end = raw[i] == '&' ? raw.find(';', i) : std::string::npos;
        if (end == std::string::npos) {
            out += raw[i];
            continue;
        }
        const std::string ref = raw.substr(i + 1, end - i - 1);
        unsigned code = 0;
        const bool hex = ref.size() > 2 && ref[0] == '#' && (ref[1] == 'x' || ref[1] == 'X');
        const char* digits = ref.c_str() + (hex ? 2 : 1);
        if (ref.size() > 1 && ref[0] == '#' &&
            std::from_chars(digits, ref.c_str() + ref.size(), code, hex ? 16 : 10).ptr == ref.c_str() + ref.size() &&
            code > 0 && code < 0x110000) {
            // UTF-8 of the code point.
            if (code < 0x80) {
                out += static_cast<char>(code);
            } else if (code < 0x800) {
                out += static_cast<char>(0xC0 | (code >> 6));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else if (code < 0x10000) {
                out += static_cast<char>(0xE0 | (code >> 12));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            } else {
                out += static_cast<char>(0xF0 | (code >> 18));
                out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
                out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (code & 0x3F));
            }
        } else if (auto n = named.find(ref); n != named.end()) {
            out += n->second;
        } else {
            out += raw[i];
            continue;
        }
        i = end;
    }
    return out;
}

// The grid page is HTML, not XML: its controls are found by their id.
void checkGridPage(ProductSources& src, const std::vector<std::string>& objectives) {
    const std::string file = "pages/pGrid.html";
    std::string html;
    if (!readWholeFile(src.folder() / file, html)) {
        src.add(file, "(file)", "the objective grid page is missing");
        return;
    }
    std::set<std::string> ids;
    const std::regex idAttr(R"re(\bid\s*=\s*"([^"]*)")re");
    for (std::sregex_iterator it(html.begin(), html.end(), idAttr), end; it != end; ++it) ids.insert(attributeText((*it)[1]));
    std::map<std::string, int> optionCounts;
    const std::regex select(R"re(<select\b[^>]*\bid\s*=\s*"([^"]*)"[^>]*>([\s\S]*?)</select>)re");
    const std::regex option(R"re(<option\b)re");
    for (std::sregex_iterator it(html.begin(), html.end(), select), end; it != end; ++it) {
        const std::string body = (*it)[2];
        optionCounts[attributeText((*it)[1])] = static_cast<int>(std::distance(
            std::sregex_iterator(body.begin(), body.end(), option), std::sregex_iterator()));
    }
    // Questions of each topic and level in the practice pool.
    std::map<std::string, int> available;
    for (const auto& x : src.data("QuestionBank").select_nodes("/*/Test[@test_type='PracticeTest']/item"))
        ++available[std::string(x.node().attribute("topic").value()) + "|" + x.node().attribute("level").value()];

    for (const char* id : {"txt_time", "chk_adaptive"})
        if (!ids.count(id)) src.add(file, std::string("#") + id, "control is missing");
    for (const auto& o : objectives) {
        if (!ids.count(o + "_chk")) src.add(file, "#" + o + "_chk", "check box is missing");
        for (int n = 1; n <= 3; ++n) {
            const std::string id = o + "_obj_" + std::to_string(n);
            const auto c = optionCounts.find(id);
            if (c == optionCounts.end()) {
                src.add(file, "#" + id, "list is missing");
                continue;
            }
            // _obj_1 counts Expert, _obj_2 Intermediate, _obj_3 Beginner questions.
            const std::string level = kLevels[3 - n];
            const int offered = c->second - 1;
            if (src.hasData("QuestionBank") && offered > available[o + "|" + level])
                src.add(file, "#" + id,
                        "offers up to " + std::to_string(offered) + " " + level + " questions, the practice tests hold " +
                            std::to_string(available[o + "|" + level]));
        }
    }
}

}  // namespace

void checkObjectives(ProductSources& src) {
    const auto& list = src.objectives();
    const std::set<std::string> objectives(list.begin(), list.end());
    if (!src.hasData("Product")) return;
    if (list.empty()) src.add(dataFile("Product"), "objectives", "the product lists no objectives");
    for (const auto& o : src.data("Product").select_nodes("//objective"))
        if (std::string(o.node().attribute("name").value()).empty())
            src.add(dataFile("Product"), locate(o.node()), "an objective needs its name in the attribute name");
    if (objectives.size() != list.size()) src.add(dataFile("Product"), "objectives", "an objective is listed twice");
    checkItemObjectives(src, "QuestionBank", objectives);
    checkItemObjectives(src, "Quiz", objectives);
    checkCoverage(src, "QuestionBank", list);
    checkCoverage(src, "Quiz", list);
    checkCustomFile(src, list);
    checkGridPage(src, list);
}

}  // namespace examsim::pack
