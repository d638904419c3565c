#pragma once
#include "product_check_support.h"
#include "support/context_fixture.h"

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <utility>
#include <vector>

namespace examsim::test {

// What a learner does with one question, in the terms the screen shows:
// option texts picked, a typed answer, clicks on the picture, tiles (by
// label) dropped at points of the picture.
struct Learner {
    std::vector<std::string> choose;
    std::string type;
    std::vector<std::pair<int, int>> click;
    std::vector<std::pair<std::string, std::pair<int, int>>> drop;
};

Learner choosing(std::vector<std::string> texts);
Learner typing(std::string text);
Learner clicking(std::vector<std::pair<int, int>> points);
Learner dropping(std::vector<std::pair<std::string, std::pair<int, int>>> tiles);

// One sample item per kind (in qtiSamples()), its questionId once imported,
// and a right and a wrong answer to it.
struct KindSample {
    const char* file;
    const char* questionId;
    const char* kind;
    int marks;
    Learner right, wrong;
};
const std::vector<KindSample>& kindSamples();

// Judges a played question (answers merged) by the product's rules, as the
// question and drag-and-drop movies do.
bool judge(const pugi::xml_node& item, const Learner& learner);

// An assembled product, loaded the way the program starts, whose ready-made
// tests are played and scored through the program's own builders and evaluation.
class AssembledProduct : public ContextFixture {
protected:
    void assemble(const std::filesystem::path& product);
    // Builds the named test (answers merged) into `played`; its root `Test`.
    pugi::xml_node start(const std::string& test);
    // Builds a quiz of every quiz question into `played`.
    pugi::xml_node startQuiz();
    // Records an answer on a question as the movie does (marks all or nothing).
    void answer(pugi::xml_node item, const Learner& learner);
    // Evaluates `played`: the marks scored and the marks it is worth.
    std::pair<int, int> score();

    pugi::xml_document played;
};

// Relative path -> bytes of every file below a folder.
std::map<std::string, std::string> snapshot(const std::filesystem::path& folder);

// The folder of the QTI samples.
std::filesystem::path qtiSamples();

// Writes a ZIP holding the files below `folder` under their relative names,
// and the extra entries (name -> bytes) as they are given.
void writeZip(const std::filesystem::path& zip, const std::filesystem::path& folder,
              const std::vector<std::pair<std::string, std::string>>& extra = {});

}  // namespace examsim::test
