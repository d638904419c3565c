#pragma once
#include "qti_question.h"

#include <pugixml.hpp>
#include <string>

namespace examsim::pack::qti {

// Where a question goes: the bank (its answer in the answer file) or the
// quiz (correct marks inside the question).
enum class Form { Bank, Quiz };

// The product's `item` for a question, as the last child of `parent`.
void writeItem(pugi::xml_node parent, const Question& q, const std::string& questionId, Form form);
// The question's `Ans` for the answer file, as the last child of `parent`.
void writeAnswer(pugi::xml_node parent, const Question& q, const std::string& questionId);

// The questionId an imported item gets: "QTI-" and its identifier, with
// anything but letters, digits, ".", "-" and "_" made "_".
std::string questionIdFor(const std::string& identifier);

}  // namespace examsim::pack::qti
