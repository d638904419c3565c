#pragma once
#include "qti_question.h"

#include <pugixml.hpp>
#include <string>

namespace examsim::pack::qti {

// The plain text the product shows for a piece of item XHTML: blocks (p, div,
// li, table rows, ...) on lines of their own, blanks collapsed, pictures and
// feedback left out. Inside `interaction` only its prompt counts, and a text
// entry stands as the blank "_____".
std::string statementText(const pugi::xml_node& body, const pugi::xml_node& interaction);
// The same for the content of a choice or feedback, on one line.
std::string inlineText(const pugi::xml_node& node);

// Refuses the question when any of its texts holds a character that the
// stored Windows-1252 form cannot hold, naming the item and the character.
void requireStorable(const Question& q);

}  // namespace examsim::pack::qti
