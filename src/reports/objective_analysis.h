#pragma once
#include <pugixml.hpp>
#include <stdexcept>
#include <string>

namespace examsim {

struct AppContext;

// The objective scores cannot be updated (no pass percentage, a stored score
// that is not a number); nothing has been changed.
class ObjectiveAnalysisError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Appends an "Objectives" element to `parent` with one zero-score "objective"
// per "objective" element of the product document, in document order.
pugi::xml_node appendObjectivesSkeleton(AppContext& ctx, pugi::xml_node parent);

// The same skeleton as XML text.
std::string buildObjectivesSkeleton(AppContext& ctx);

// Adds the questions of an evaluated test to the running score of each
// objective (matched by the questions' "category") and gives each objective
// its percentage and verdict. Throws ObjectiveAnalysisError before changing anything.
void analyseObjectives(AppContext& ctx, pugi::xml_node objectives, const pugi::xml_node& evaluatedTest);

}  // namespace examsim
