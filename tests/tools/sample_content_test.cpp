// The sample product's questions: what `examsim-pack check` leaves alone (option
// counts, where answers are stored, pictures and their areas) and the mix the
// product promises (tests, kinds, exhibits, quiz size).
#include "product_check_support.h"

#include "core/xml.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <vector>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;
using ::testing::IsEmpty;

namespace {

bool positiveNumber(const char* s) { return std::atoi(s) > 0 && std::to_string(std::atoi(s)) == s; }

struct Box {
    int x, y, w, h;
    explicit Box(const pugi::xml_node& n)
        : x(n.attribute("x").as_int(-1)), y(n.attribute("y").as_int(-1)), w(n.attribute("width").as_int()),
          h(n.attribute("height").as_int()) {}
    Box(int left, int top, int width, int height) : x(left), y(top), w(width), h(height) {}
    bool overlaps(const Box& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
    bool holds(const Box& o) const { return x <= o.x && o.x + o.w <= x + w && y <= o.y && o.y + o.h <= y + h; }
};

// Where an SVG text is drawn, estimated from its anchor, size and length.
struct Label {
    std::string text;
    Box box;
    explicit Label(const pugi::xml_node& t) : text(textContent(t)), box(0, 0, 0, 0) {
        const double size = t.attribute("font-size").as_double(12);
        const int width = static_cast<int>(0.6 * size * static_cast<double>(text.size()) + 0.5);
        const std::string anchor = t.attribute("text-anchor").value();
        const int x = t.attribute("x").as_int();
        const int left = anchor == "middle" ? x - width / 2 : anchor == "end" ? x - width : x;
        box = Box(left, t.attribute("y").as_int() - static_cast<int>(size), width, static_cast<int>(size));
    }
};

// Checks the tests of a bank or quiz; every finding names the test or question.
class ContentChecker {
public:
    ContentChecker(const pugi::xml_node& answers, fs::path files) : files_(std::move(files)) {
        for (auto a : answers.children("Ans")) answers_[a.attribute("quid").value()] = a;
    }

    std::vector<std::string> problems;

    // Quiz items carry their correct marks; bank items have their Ans.
    void checkTests(const pugi::xml_node& root, bool quiz) {
        for (auto test : root.children("Test")) {
            id_ = test.attribute("name").value();
            if (std::string(test.first_child().name()) != "property") fail("first child is not property");
            if (!positiveNumber(test.attribute("time").value()) ||
                std::string(test.attribute("time").value()) != test.attribute("time_remaining").value())
                fail("time not positive or not equal to time_remaining");
            for (auto item : test.children("item")) checkItem(item, quiz);
        }
    }

private:
    void fail(const std::string& what) { problems.push_back(id_ + ": " + what); }

    void checkItem(const pugi::xml_node& item, bool quiz) {
        id_ = item.attribute("questionId").value();
        const std::string type = item.attribute("type").value();
        if (!positiveNumber(item.attribute("time").value())) fail("time not a positive whole number");
        if (std::string(item.attribute("topic").value()) != item.attribute("category").value()) fail("topic and category differ");
        if (textContent(item.child("explanation")).empty()) fail("no explanation");
        for (auto res : item.children("resource")) checkPicture(res);
        const pugi::xml_node ans = quiz ? pugi::xml_node() : answers_[id_];

        if (type == "Single Choice" || type == "Multiple Choice") {
            int options = 0, right = 0;
            for (auto r : item.child("responses").children("response")) {
                ++options;
                right += r.attribute("correct").as_bool();
            }
            if (!quiz) right = static_cast<int>(std::distance(ans.children().begin(), ans.children().end()));
            if (options < 4) fail("fewer than four options");
            if (type == "Multiple Choice" && right < 2) fail("fewer than two right options");
        } else if (type == "Fill in the blank") {
            // The quiz's accepted answer is the item's last child; the bank's is in Answers only.
            if (quiz ? std::string(item.last_child().name()) != "responses" : bool(item.child("responses")))
                fail("accepted answer in the wrong place");
        } else {
            if (ans.first_child()) fail("drag-and-drop and hot-spot answers must be empty");
            checkAreas(item);
        }
    }

    void checkPicture(const pugi::xml_node& res) {
        const fs::path file = files_ / res.attribute("uri").value() / textContent(res);
        pugi::xml_document svg;
        if (!parseXml(svg, readFile(file))) return fail("picture missing or unreadable: " + file.filename().string());
        const auto root = svg.document_element();
        if (!positiveNumber(root.attribute("width").value()) || !positiveNumber(root.attribute("height").value()))
            fail("picture without pixel width/height: " + file.filename().string());
        if (std::string(res.attribute("name").value()) == "questionimage") {
            picture_ = {root.attribute("width").as_int(), root.attribute("height").as_int()};
            labels_.clear();
            for (const auto& t : svg.select_nodes("//*[local-name()='text']")) labels_.emplace_back(t.node());
        }
    }

    // Targets and hot spots lie on the question's picture, apart; no tile fills two targets.
    void checkAreas(const pugi::xml_node& item) {
        if (!item.find_child_by_attribute("resource", "name", "questionimage")) return fail("no questionimage");
        for (auto tile : item.child("responses").children("response")) checkPicture(tile);
        std::vector<Box> boxes;
        std::set<std::string> tiles;
        for (auto t : item.child("targets").children("target")) {
            boxes.emplace_back(t);
            if (!tiles.insert(t.attribute("answer").value()).second) fail("a tile fills two targets");
        }
        for (auto h : item.child("hotspots").children("hotspot")) {
            boxes.emplace_back(h);
            // A learner clicks a part's printed name as readily as the part.
            const Box& spot = boxes.back();
            for (const Label& l : labels_) {
                const Box near(spot.x, spot.y - l.box.h, spot.w, spot.h + 2 * l.box.h);
                if (near.overlaps(l.box) && !spot.holds(l.box))
                    fail("label \"" + l.text + "\" lies partly outside hot spot " + h.attribute("name").value());
            }
        }
        for (std::size_t i = 0; i < boxes.size(); ++i) {
            const Box& b = boxes[i];
            if (b.x < 0 || b.y < 0 || b.w <= 0 || b.h <= 0 || b.x + b.w > picture_.first || b.y + b.h > picture_.second)
                fail("area outside the picture");
            for (std::size_t j = i + 1; j < boxes.size(); ++j)
                if (b.overlaps(boxes[j])) fail("areas overlap");
        }
    }

    fs::path files_;
    std::map<std::string, pugi::xml_node> answers_;
    std::string id_;
    std::pair<int, int> picture_{0, 0};  // width, height
    std::vector<Label> labels_;          // the texts of the question's picture
};

struct Content {
    pugi::xml_document bank, answers, quiz;
    Content() {
        const fs::path data = sourceProduct() / "data";
        for (auto [doc, name] : {std::pair{&bank, "QuestionBank"}, {&answers, "Answers"}, {&quiz, "Quiz"}})
            EXPECT_TRUE(parseXml(*doc, readFile(data / (std::string(name) + ".xml")))) << name;
    }
};

}  // namespace

TEST(SampleContent, EveryQuestionMatchesItsAnswerAndPictures) {
    Content c;
    ContentChecker checker(c.answers.child("Answers"), sourceProduct() / "files");
    checker.checkTests(c.bank.child("QuestionBank"), false);
    checker.checkTests(c.quiz.child("QuestionBank"), true);
    EXPECT_THAT(checker.problems, IsEmpty());
}

TEST(SampleContent, TestsKindsExhibitsAndQuizMeetTheProductMix) {
    Content c;
    const std::vector<std::pair<std::string, std::size_t>> wanted = {
        {"Diagnostic", 20}, {"Practice 1", 30}, {"Practice 2", 30}, {"Practice 3", 30}, {"Final", 50}};
    std::vector<std::pair<std::string, std::size_t>> found;
    std::map<std::string, int> kinds;
    int exhibits = 0, total = 0;
    for (auto test : c.bank.child("QuestionBank").children("Test")) {
        found.emplace_back(test.attribute("name").value(), 0);
        for (auto item : test.children("item")) {
            ++found.back().second, ++total;
            ++kinds[item.attribute("type").value()];
            exhibits += bool(item.find_child_by_attribute("resource", "name", "exhibit"));
        }
    }
    EXPECT_EQ(found, wanted);
    EXPECT_GE(kinds["Fill in the blank"], 8);
    EXPECT_GE(kinds["DragNDrop"], 4);
    EXPECT_GE(kinds["HotSpot"], 3);
    EXPECT_GE(kinds["MultipleHotSpot"], 2);
    EXPECT_GT(3 * (kinds["Single Choice"] + kinds["Multiple Choice"]), 2 * total) << "choice questions are most";
    EXPECT_GE(exhibits, 6);

    // Every objective is in the quiz (the check tool makes sure); each at least six times.
    std::map<std::string, int> perObjective;
    int quizItems = 0;
    for (auto item : c.quiz.select_nodes("//Test[@name='Quiz']/item")) {
        ++perObjective[item.node().attribute("topic").value()];
        ++quizItems;
    }
    EXPECT_GE(quizItems, 42);
    for (const auto& [objective, n] : perObjective) EXPECT_GE(n, 6) << objective;
}
