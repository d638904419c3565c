#include "check_rules.h"

#include <map>
#include <set>

namespace examsim::pack {

namespace {

// Questions per level in one 35-question adaptive unit, the smallest random
// adaptive test; a larger request falls back to one unit when a level is short.
struct LevelShare {
    const char* level;
    int perUnit;
};
constexpr LevelShare kShares[] = {{"Beginner", 10}, {"Intermediate", 15}, {"Expert", 10}};

}  // namespace

void checkLevels(ProductSources& src) {
    if (!src.hasData("QuestionBank")) return;
    const std::string file = dataFile("QuestionBank");
    const auto& bank = src.data("QuestionBank");
    for (const char* doc : {"QuestionBank", "Quiz"})
        for (const auto& item : questionItems(src.data(doc))) {
            const std::string level = item.attribute("level").value();
            if (level != "Beginner" && level != "Intermediate" && level != "Expert")
                src.add(dataFile(doc), locate(item), "level \"" + level + "\" is not Beginner, Intermediate or Expert");
        }

    std::map<std::string, int> pool;
    for (const auto& x : bank.select_nodes("/*/Test[@test_type='PracticeTest']/item"))
        ++pool[x.node().attribute("level").value()];
    // A level that holds exactly its share is taken whole, so the share suffices.
    for (const auto& share : kShares)
        if (pool[share.level] < share.perUnit)
            src.add(file, "Test[@test_type='PracticeTest']",
                    "the practice tests hold " + std::to_string(pool[share.level]) + " " + share.level +
                        " questions; a random adaptive test needs " + std::to_string(share.perUnit));

    // The practice-test count goes by name, the practice pool by test type.
    for (const auto& t : bank.select_nodes("/*/Test")) {
        const std::string name = t.node().attribute("name").value();
        const bool byName = name.compare(0, 8, "Practice") == 0;
        const bool byType = std::string(t.node().attribute("test_type").value()) == "PracticeTest";
        if (byName != byType)
            src.add(file, locate(t.node()),
                    byName ? "a practice test needs test_type=\"PracticeTest\""
                           : "a test of type PracticeTest needs a name that begins with \"Practice\"");
    }
    std::set<std::string> names;
    for (const auto& t : bank.select_nodes("/*/Test"))
        if (!names.insert(t.node().attribute("name").value()).second)
            src.add(file, locate(t.node()), "a second test of this name is never found");
    for (const char* needed : {"Diagnostic", "Final"})
        if (!names.count(needed)) src.add(file, "QuestionBank", std::string("no test named \"") + needed + "\"");
}

}  // namespace examsim::pack
