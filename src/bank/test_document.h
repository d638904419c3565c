#pragma once
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace examsim {

struct AppContext;

// A test's time as it is written: a whole number plainly ("3600"), a fraction
// in its shortest form ("90.5").
std::string timeText(double seconds);

// Starts `doc` afresh with a root `Test` carrying `name`, `time` and
// `time_remaining` (when `time` is not empty), followed by an empty
// `propertyElement`. Returns the root.
pugi::xml_node newTestDocument(pugi::xml_document& doc, const std::string& name, const std::string& time,
                               const char* propertyElement = "property");

// Every child node of the node, in order, so positions can be addressed as
// stored tests count them (position 0 is the `property`).
std::vector<pugi::xml_node> childNodes(const pugi::xml_node& node);

// Element children of `parent` named `name` whose attribute `attribute` is `value`.
std::vector<pugi::xml_node> childrenWith(const pugi::xml_node& parent, const char* name, const char* attribute,
                                         const std::string& value);

// The same filter over a list of nodes.
std::vector<pugi::xml_node> nodesWith(const std::vector<pugi::xml_node>& nodes, const char* name, const char* attribute,
                                      const std::string& value);

bool isElement(const pugi::xml_node& node, const char* name);

// Writes the serialised test to the current test file for the question
// screen; true once written (a write failure ends the program in writeXMLFile).
bool handOverTest(AppContext& ctx, const pugi::xml_node& test);

}  // namespace examsim
