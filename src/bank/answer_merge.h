#pragma once
#include <pugixml.hpp>
#include <string>

namespace examsim {

struct AppContext;

// Marks the answers of every question of a test from the answer document:
// `correct` on each option of a choice question, a new `responses` holding the
// accepted answer on a fill-in question. Position 0 (the `property`) and
// children other than `item` are passed over; a question without an `Ans` is
// left unmarked.
void mergeAnswersInto(const AppContext& ctx, pugi::xml_node test);

// The same on a serialised test document (its first `Test` anywhere); the
// whole document comes back serialised. A text that does not parse comes back
// unchanged.
std::string mergeAnswers(const AppContext& ctx, const std::string& testText);

}  // namespace examsim
