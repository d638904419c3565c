#pragma once
#include "qti_question.h"

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

namespace examsim::pack::qti {

// Where an item file lies: pictures it names must be inside `root` (the
// package folder, or the item's own folder for a single file).
struct ItemSource {
    std::filesystem::path file;
    std::filesystem::path root;
    std::string objective, level;  // from the manifest's metadata, may be empty
};

// Parses one assessmentItem and converts it; throws ItemRefused naming the
// item and the reason when it holds something the product cannot play.
Question convertItem(const ItemSource& source);

// What the converters share about the item being converted.
struct ItemContext {
    pugi::xml_node item, body;
    const ItemSource* source = nullptr;
    std::string who;  // "item \"id\"" for messages

    [[noreturn]] void refuse(const std::string& why) const;
};

// One responseDeclaration: its correct values and mapping.
struct ResponseDeclaration {
    std::string identifier, cardinality, baseType;
    std::vector<std::string> correct;
    std::vector<std::pair<std::string, double>> mapping;  // mapKey, mappedValue
    double upperBound = 0;
};

// The declaration the interaction answers into; refuses when there is none.
ResponseDeclaration responseOf(const ItemContext& ctx, const pugi::xml_node& interaction);

// The positions (in `byId`, identifier -> position) the correct response
// names, each once; refuses a response naming none or something else (`what`:
// "choices", "areas").
std::vector<bool> correctPositions(const ItemContext& ctx, const ResponseDeclaration& r,
                                   const std::map<std::string, std::size_t>& byId, const std::string& what);

void convertChoice(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q);
void convertTextEntry(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q);
void convertHotspot(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q);
void convertGraphicGapMatch(const ItemContext& ctx, const pugi::xml_node& interaction, Question& q);

}  // namespace examsim::pack::qti
