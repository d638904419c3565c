// The sample product's questions: bank, answers and quiz agree with each other and
// with the mix the product promises (tests, levels, kinds, objectives, pictures).
#include "core/xml.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

using namespace examsim;
namespace fs = std::filesystem;
using ::testing::IsEmpty;

namespace {

const std::vector<std::string> kObjectives = {
    "Network Models and Media",  "IP Addressing and Subnetting",    "Switching and Routing",
    "Network Services",          "Wireless and Wide Area Networks", "Network Security",
    "Troubleshooting and Tools"};
const std::set<std::string> kLevels = {"Beginner", "Intermediate", "Expert"};
const std::set<std::string> kKinds = {"Single Choice", "Multiple Choice", "Fill in the blank",
                                      "DragNDrop",     "HotSpot",         "MultipleHotSpot"};

fs::path productFolder() {
    const char* src = std::getenv("EXAMSIM_SOURCE_DIR");
    return fs::path(src ? src : ".") / "product";
}

bool load(pugi::xml_document& doc, const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return in && parseXml(doc, text.str());
}

bool isObjective(const std::string& s) {
    return std::find(kObjectives.begin(), kObjectives.end(), s) != kObjectives.end();
}

bool positiveNumber(const char* s) { return std::atoi(s) > 0 && std::to_string(std::atoi(s)) == s; }

struct Box {
    int x, y, w, h;
};
Box boxOf(const pugi::xml_node& n) {
    return {n.attribute("x").as_int(-1), n.attribute("y").as_int(-1), n.attribute("width").as_int(0),
            n.attribute("height").as_int(0)};
}
bool overlap(const Box& a, const Box& b) {
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

// Checks items and their answers; every finding names the question.
class ContentChecker {
public:
    explicit ContentChecker(fs::path files) : files_(std::move(files)) {}

    std::vector<std::string> problems;

    // Answers: the Ans elements in bank order (nullptr for quiz items, which carry their marks).
    void checkItem(const pugi::xml_node& item, const pugi::xml_node& ans, bool quiz) {
        const std::string id = item.attribute("questionId").value();
        auto fail = [&](const std::string& what) { problems.push_back(id + ": " + what); };
        if (id.empty() || !ids_.insert(id).second) fail("missing or repeated questionId");
        const std::string type = item.attribute("type").value();
        if (!kKinds.count(type)) fail("unknown type '" + type + "'");
        if (!kLevels.count(item.attribute("level").value())) fail("unknown level");
        const std::string topic = item.attribute("topic").value();
        if (!isObjective(topic) || topic != item.attribute("category").value()) fail("topic/category not an objective");
        if (!positiveNumber(item.attribute("total_marks").value())) fail("total_marks not a positive whole number");
        if (!positiveNumber(item.attribute("time").value())) fail("time not a positive whole number");
        const std::string statement = textContent(item.child("statement"));
        if (statement.empty() || !statements_.insert(statement).second) fail("empty or repeated statement");
        if (textContent(item.child("explanation")).empty()) fail("no explanation");

        std::set<std::string> options;
        for (auto r : item.child("responses").children("response")) options.insert(r.attribute("name").value());
        for (auto res : item.children("resource")) checkPicture(res, fail);

        if (type == "Single Choice" || type == "Multiple Choice") {
            std::set<std::string> right;
            if (quiz) {
                for (auto r : item.child("responses").children("response")) {
                    const std::string c = r.attribute("correct").value();
                    if (c != "true" && c != "false") fail("response without correct mark");
                    if (c == "true") right.insert(r.attribute("name").value());
                }
            } else if (type == "Single Choice") {
                right.insert(textContent(ans));
            } else {
                for (auto c : ans.children()) right.insert(textContent(c));
            }
            for (const auto& r : right)
                if (!options.count(r)) fail("answer names no option: '" + r + "'");
            const std::size_t want = type == "Single Choice" ? 1 : 2;
            if (type == "Single Choice" ? right.size() != 1 : right.size() < want) fail("wrong number of right options");
            if (options.size() < 4) fail("fewer than four options");
        } else if (type == "Fill in the blank") {
            const pugi::xml_node accepted =
                quiz ? item.last_child().child("response") : ans.first_child();
            if (quiz && std::string(item.last_child().name()) != "responses") fail("quiz blank without responses");
            if (!quiz && item.child("responses")) fail("bank blank must not hold responses");
            if (std::string(accepted.name()) != "response" || textContent(accepted).empty()) fail("no accepted answer");
        } else {
            if (!quiz && ans.first_child()) fail("drag-and-drop Ans must be empty");
            checkJudgingData(item, type, fail);
        }
    }

    const std::set<std::string>& ids() const { return ids_; }

private:
    template <class Fail>
    void checkPicture(const pugi::xml_node& res, Fail& fail) {
        const fs::path file = files_ / res.attribute("uri").value() / textContent(res);
        pugi::xml_document svg;
        if (!load(svg, file)) return fail("picture missing or unreadable: " + file.filename().string());
        const auto root = svg.document_element();
        if (!positiveNumber(root.attribute("width").value()) || !positiveNumber(root.attribute("height").value()))
            fail("picture without pixel width/height: " + file.filename().string());
        if (std::string(res.attribute("name").value()) == "questionimage")
            picture_ = {0, 0, root.attribute("width").as_int(), root.attribute("height").as_int()};
    }

    template <class Fail>
    void checkJudgingData(const pugi::xml_node& item, const std::string& type, Fail& fail) {
        if (!item.find_child_by_attribute("resource", "name", "questionimage")) return fail("no questionimage");
        auto inside = [&](const Box& b) {
            return b.x >= 0 && b.y >= 0 && b.w > 0 && b.h > 0 && b.x + b.w <= picture_.w && b.y + b.h <= picture_.h;
        };
        std::vector<Box> boxes;
        if (type == "DragNDrop") {
            std::set<std::string> tiles;
            for (auto r : item.child("responses").children("response")) {
                checkPicture(r, fail);
                tiles.insert(r.attribute("name").value());
            }
            std::set<std::string> used;
            for (auto t : item.child("targets").children("target")) {
                boxes.push_back(boxOf(t));
                if (!tiles.count(t.attribute("answer").value()) || !used.insert(t.attribute("answer").value()).second)
                    fail("target answer names no tile or a tile twice");
            }
            if (boxes.empty()) fail("no targets");
        } else {
            int right = 0;
            for (auto h : item.child("hotspots").children("hotspot")) {
                boxes.push_back(boxOf(h));
                right += std::string(h.attribute("correct").value()) == "true";
            }
            if (type == "HotSpot" ? right != 1 : right < 2) fail("wrong number of correct hot spots");
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            if (!inside(boxes[i])) fail("area outside the picture");
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                if (overlap(boxes[i], boxes[j])) fail("areas overlap");
        }
    }

    fs::path files_;
    std::set<std::string> ids_, statements_;
    Box picture_{0, 0, 0, 0};
};

// Checks every bank item against its Ans, in order, and reports Ans left over.
void checkBank(ContentChecker& checker, const pugi::xml_node& bank, const pugi::xml_node& answers) {
    pugi::xml_node ans = answers.child("Ans");
    for (auto test : bank.children("Test")) {
        if (std::string(test.first_child().name()) != "property")
            checker.problems.push_back(std::string(test.attribute("name").value()) + ": first child is not property");
        for (auto item : test.children("item")) {
            if (std::string(ans.attribute("quid").value()) != item.attribute("questionId").value())
                checker.problems.push_back(std::string(item.attribute("questionId").value()) + ": Ans out of order or missing");
            checker.checkItem(item, ans, false);
            ans = ans.next_sibling("Ans");
        }
    }
    if (ans) checker.problems.push_back(std::string("Ans without question: ") + ans.attribute("quid").value());
}

struct Product {
    pugi::xml_document bank, answers, quiz;
    bool loaded = false;
    Product() {
        const fs::path data = productFolder() / "data";
        loaded = load(bank, data / "QuestionBank.xml") && load(answers, data / "Answers.xml") &&
                 load(quiz, data / "Quiz.xml");
    }
};

}  // namespace

TEST(SampleContent, EveryQuestionMatchesItsAnswerAndPictures) {
    Product p;
    ASSERT_TRUE(p.loaded);
    ContentChecker checker(productFolder() / "files");
    checkBank(checker, p.bank.child("QuestionBank"), p.answers.child("Answers"));
    for (auto item : p.quiz.child("QuestionBank").child("Test").children("item")) checker.checkItem(item, {}, true);
    EXPECT_THAT(checker.problems, IsEmpty());
}

TEST(SampleContent, CheckerCatchesBrokenQuestions) {
    pugi::xml_document bank, answers;
    ASSERT_TRUE(parseXml(bank, R"(<QuestionBank><Test name="Diagnostic"><property/>
        <item questionId="X-1" type="Single Choice" topic="Network Services" category="Network Services"
              level="Beginner" total_marks="1" time="60"><statement>s</statement>
          <responses><response name="A">a</response><response name="B">b</response>
            <response name="C">c</response><response name="D">d</response></responses>
          <explanation>e</explanation></item>
        <item questionId="X-1" type="Multiple Choice" topic="Networking" category="Networking"
              level="Expert" total_marks="one" time="60"><statement>s</statement>
          <responses><response name="A">a</response></responses><explanation>e</explanation></item>
        </Test></QuestionBank>)"));
    ASSERT_TRUE(parseXml(answers, R"(<Answers><Ans quid="X-1">E</Ans><Ans quid="X-1"><c>A</c></Ans>
        <Ans quid="X-9">A</Ans></Answers>)"));
    ContentChecker checker(productFolder() / "files");
    checkBank(checker, bank.child("QuestionBank"), answers.child("Answers"));
    const std::string all = ::testing::PrintToString(checker.problems);
    for (const char* expected : {"answer names no option: 'E'", "missing or repeated questionId",
                                 "topic/category not an objective", "total_marks not", "empty or repeated statement",
                                 "wrong number of right options", "Ans without question: X-9"})
        EXPECT_NE(all.find(expected), std::string::npos) << expected << " not reported in " << all;
}

TEST(SampleContent, TestsLevelsKindsAndObjectivesMeetTheProductMix) {
    Product p;
    ASSERT_TRUE(p.loaded);
    const std::vector<std::pair<std::string, std::size_t>> wanted = {
        {"Diagnostic", 20}, {"Practice 1", 30}, {"Practice 2", 30}, {"Practice 3", 30}, {"Final", 50}};
    std::vector<std::pair<std::string, std::size_t>> found;
    std::map<std::string, int> poolLevels, kinds;
    int exhibits = 0;
    for (auto test : p.bank.child("QuestionBank").children("Test")) {
        const std::string name = test.attribute("name").value();
        std::set<std::string> objectives;
        std::size_t n = 0;
        for (auto item : test.children("item")) {
            ++n;
            objectives.insert(item.attribute("topic").value());
            ++kinds[item.attribute("type").value()];
            exhibits += bool(item.find_child_by_attribute("resource", "name", "exhibit"));
            if (name.rfind("Practice ", 0) == 0) ++poolLevels[item.attribute("level").value()];
        }
        found.emplace_back(name, n);
        EXPECT_EQ(objectives.size(), kObjectives.size()) << name << " misses an objective";
        EXPECT_EQ(std::string(test.attribute("test_type").value()) == "PracticeTest", name.rfind("Practice ", 0) == 0)
            << name;
        EXPECT_TRUE(positiveNumber(test.attribute("time").value())) << name;
        EXPECT_STREQ(test.attribute("time").value(), test.attribute("time_remaining").value()) << name;
    }
    EXPECT_EQ(found, wanted);
    // Adaptive tests of 70 draw 20 Beginner, 30 Intermediate and 20 Expert questions (never the first of each).
    EXPECT_GE(poolLevels["Beginner"], 25);
    EXPECT_GE(poolLevels["Intermediate"], 35);
    EXPECT_GE(poolLevels["Expert"], 25);
    EXPECT_GE(kinds["Fill in the blank"], 8);
    EXPECT_GE(kinds["DragNDrop"], 4);
    EXPECT_GE(kinds["HotSpot"], 3);
    EXPECT_GE(kinds["MultipleHotSpot"], 2);
    int total = 0;
    for (const auto& [kind, n] : kinds) total += n;
    EXPECT_GT(3 * (kinds["Single Choice"] + kinds["Multiple Choice"]), 2 * total) << "choice questions are most";
    EXPECT_GE(exhibits, 6);

    const auto quiz = p.quiz.select_node("//Test[@name='Quiz']").node();
    ASSERT_TRUE(quiz);
    EXPECT_STREQ(quiz.first_child().name(), "property");
    std::map<std::string, int> perObjective;
    for (auto item : quiz.children("item")) ++perObjective[item.attribute("topic").value()];
    EXPECT_GE(std::distance(quiz.children("item").begin(), quiz.children("item").end()), 42);
    for (const auto& objective : kObjectives) EXPECT_GE(perObjective[objective], 6) << objective;
}
