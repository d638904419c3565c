#pragma once
#include "question_form.h"

#include <filesystem>
#include <map>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace examsim::pack::qti {

// A question ready to be written, under the questionId it gets.
struct Placed {
    std::string questionId;
    const Question* question = nullptr;
};

// The product's question sources, read once and changed in memory; the
// files change only on write(). Their layout is kept: what the import does
// not touch is written back as it was read.
class ProductFiles {
public:
    // Throws PackError when a source is missing or does not parse.
    explicit ProductFiles(std::filesystem::path product);

    const std::vector<std::string>& objectives() const { return objectives_; }
    // True when the bank or the quiz already holds this questionId.
    bool hasQuestion(const std::string& questionId) const;
    // Statement -> questionId of every question of the bank.
    std::map<std::string, std::string> bankStatements() const;

    // Appends the questions to the named test, made when missing: the quiz
    // (in its form) for "Quiz", else a test of the bank with its answers.
    // The test's time grows by the questions' times. True when the test was made.
    bool add(const std::string& test, const std::vector<Placed>& questions);

    // Writes the changed sources atomically, the answer file first.
    void write() const;

private:
    std::filesystem::path folder_;
    pugi::xml_document bank_, answers_, quiz_;
    bool bankChanged_ = false, quizChanged_ = false;
    std::vector<std::string> objectives_;
};

// Inserts a copy of `fragment` into `parent` after `after` (before the first
// child element when `after` is empty), indented like its siblings; its own
// children on lines of their own unless `oneLine`.
pugi::xml_node insertIndented(pugi::xml_node parent, pugi::xml_node after, const pugi::xml_node& fragment,
                              bool oneLine);
// A whole document as its source: top-level nodes one per line, the rest as parsed.
std::string sourceText(const pugi::xml_document& doc);

}  // namespace examsim::pack::qti
