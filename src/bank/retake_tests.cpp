#include "bank/retake_tests.h"

#include "bank/adaptive_tests.h"
#include "bank/bookmark_store.h"
#include "bank/test_document.h"
#include "core/app_context.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/xml.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace examsim {

namespace {

void setText(pugi::xml_node node, const char* text) {
    while (node.first_child()) node.remove_child(node.first_child());
    node.append_child(pugi::node_pcdata).set_value(text);
}

// Questions whose latest attempt was not fully right, keyed by their first
// child's text, in the order they were first found wrong (after the last time
// they were right).
class RetakeList {
public:
    void wrong(const std::string& key, const pugi::xml_node& item) {
        if (positions_.emplace(key, entries_.size()).second) entries_.push_back(item);
    }
    void right(const std::string& key) {
        const auto it = positions_.find(key);
        if (it == positions_.end()) return;
        entries_[it->second] = pugi::xml_node();
        positions_.erase(it);
    }
    const std::vector<pugi::xml_node>& entries() const { return entries_; }

private:
    std::unordered_map<std::string, std::size_t> positions_;
    std::vector<pugi::xml_node> entries_;  // empty where a question was later answered right
};

struct KeyWriter : pugi::xml_writer {
    std::string text;
    void write(const void* data, std::size_t size) override { text.append(static_cast<const char*>(data), size); }
};

// Every stored `item` below `from`, in document order (oldest test first).
void collectWrongAnswers(const pugi::xml_node& from, RetakeList& list) {
    KeyWriter key;  // reused: one serialised first child per stored item
    pugi::xml_node node = from.first_child();
    while (node) {
        if (node.type() == pugi::node_element && std::string_view(node.name()) == "item" &&
            numberValue(node.attribute("att").value()).value_or(0) == 1) {
            key.text.clear();
            node.first_child().print(key, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
            const std::string marks = textContent(node.child("user_attempt_report").child("marks_scored"));
            if (marks != node.attribute("total_marks").value())
                list.wrong(key.text, node);
            else
                list.right(key.text);
        }
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != from && !node.next_sibling()) node = node.parent();
        node = node == from ? pugi::xml_node() : node.next_sibling();
    }
}

}  // namespace

void clearPreviousAttempts(pugi::xml_node test) {
    for (const auto& x : selectAll(test, ".//user_attempt_report")) {
        pugi::xml_node report = x.node();
        pugi::xml_node first = report.first_child();
        if (!first) continue;
        if (std::string_view(first.name()) == "user_attempts") {
            if (pugi::xml_node second = first.next_sibling()) setText(second, "0");
            report.remove_child(first);
        } else {
            setText(first, "0");
        }
    }
}

pugi::xml_node bookmarksToRetake(AppContext& ctx, pugi::xml_document& doc) {
    const auto loaded = loadBookmarks(ctx, doc);
    if (!loaded) {
        if (loaded.reason() != BookmarkFault::Missing && ctx.host.messages) ctx.host.messages->show("Error", msg::Critical, "");
        return {};
    }
    const pugi::xml_node root = *loaded;
    if (!root.child("item")) return {};  // a store pruned or saved without a question
    clearPreviousAttempts(root);
    return root;
}

bool buildBookmarkedTest(AppContext& ctx, double seconds) {
    pugi::xml_document doc;
    pugi::xml_node root = bookmarksToRetake(ctx, doc);
    if (!root) return false;
    const std::string time = timeText(seconds);
    setAttribute(root, "name", "BookmarkedQuestionTest");
    setAttribute(root, "time", time);
    setAttribute(root, "time_remaining", time);
    if (root.attribute("currentQuestionID")) root.attribute("currentQuestionID").set_value("1");
    return handOverTest(ctx, root);
}

bool buildIncorrectTest(AppContext& ctx, double seconds, bool adaptive) {
    pugi::xml_document doc;
    const std::string time = std::to_string(roundedToWhole(seconds).value_or(0));
    pugi::xml_node test = newTestDocument(doc, adaptive ? "Adaptive" : "IncorrectQuestionsTest", time);
    const pugi::xml_node history = ctx.reportDoc.document_element();
    if (!history.first_child()) return false;
    RetakeList list;
    collectWrongAnswers(history, list);
    for (const pugi::xml_node& stored : list.entries()) {
        if (!stored) continue;
        pugi::xml_node item = test.append_copy(stored);
        item.remove_attribute("att");
        item.remove_child("user_attempt_report");
    }
    pugi::xml_document adaptiveDoc;
    test = testWithQuestions(test, adaptive, adaptiveDoc);
    if (!test) return false;
    return handOverTest(ctx, test);
}

}  // namespace examsim
