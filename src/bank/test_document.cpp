#include "bank/test_document.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/xml.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace examsim {

std::string timeText(double seconds) {
    char buf[64];
    if (std::isfinite(seconds) && std::trunc(seconds) == seconds && std::fabs(seconds) < 1e15) {
        const auto r = std::to_chars(buf, buf + sizeof buf, static_cast<long long>(seconds));
        return std::string(buf, r.ptr);
    }
    const auto r = std::to_chars(buf, buf + sizeof buf, seconds);
    return std::string(buf, r.ptr);
}

pugi::xml_node newTestDocument(pugi::xml_document& doc, const std::string& name, const std::string& time,
                               const char* propertyElement) {
    doc.reset();
    pugi::xml_node test = doc.append_child("Test");
    test.append_attribute("name").set_value(name.c_str());
    if (!time.empty()) {
        test.append_attribute("time").set_value(time.c_str());
        test.append_attribute("time_remaining").set_value(time.c_str());
    }
    test.append_child(propertyElement);
    return test;
}

std::vector<pugi::xml_node> childNodes(const pugi::xml_node& node) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = node.first_child(); c; c = c.next_sibling()) out.push_back(c);
    return out;
}

std::vector<pugi::xml_node> childrenWith(const pugi::xml_node& parent, const char* name, const char* attribute,
                                         const std::string& value) {
    std::vector<pugi::xml_node> out;
    for (pugi::xml_node c = parent.child(name); c; c = c.next_sibling(name))
        if (value == c.attribute(attribute).value()) out.push_back(c);
    return out;
}

std::vector<pugi::xml_node> nodesWith(const std::vector<pugi::xml_node>& nodes, const char* name, const char* attribute,
                                      const std::string& value) {
    std::vector<pugi::xml_node> out;
    for (const pugi::xml_node& n : nodes)
        if (isElement(n, name) && value == n.attribute(attribute).value()) out.push_back(n);
    return out;
}

bool isElement(const pugi::xml_node& node, const char* name) {
    return node.type() == pugi::node_element && std::string_view(node.name()) == name;
}

bool handOverTest(AppContext& ctx, const pugi::xml_node& test) {
    std::string text = xmlText(test);
    writeXMLFile(ctx, text, currentTestFilePath(ctx), ctx.currentTestFileName);
    return true;
}

}  // namespace examsim
