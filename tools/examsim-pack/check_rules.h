#pragma once
#include "check_sources.h"

// The rule groups of `examsim-pack check`, one file each.
namespace examsim::pack {

// Question ids present and unique across bank and quiz; statements unique in
// the bank; every question has a known type and a numeric total_marks.
void checkQuestionIds(ProductSources& src);

// Exactly one answer per bank question, no answer without a question, in
// bank order.
void checkAnswerPairing(ProductSources& src);

// Answers name options that exist; the quiz's own correct marks and the
// judging data of drag-and-drop and hot-spot questions are complete.
void checkAnswerOptions(ProductSources& src);

// Every topic and category is a product objective; every test covers every
// objective; the custom file and the grid page match the objectives.
void checkObjectives(ProductSources& src);

// Levels are known, and the practice pool holds enough of each level for
// adaptive tests of 35 and 70 questions; practice tests are recognised alike
// by name and by test type.
void checkLevels(ProductSources& src);

// Every message code the program shows is in its section of the system file.
void checkMessageCodes(ProductSources& src);

// Every product key the program reads is present and usable.
void checkProductKeys(ProductSources& src);

// The result-analysis bands cover 0 to 100 and the pass percentage is sound.
void checkResultBands(ProductSources& src);

// Every page and picture a key, a question or a page refers to exists.
void checkReferences(ProductSources& src);

// The help project lists its topics, they exist, and links between them hold.
void checkHelp(ProductSources& src);

}  // namespace examsim::pack
