#include "qti_play_support.h"

#include "bank/answers.h"
#include "bank/question_bank.h"
#include "bank/quiz.h"
#include "bank/standard_tests.h"
#include "core/messages.h"
#include "core/product_config.h"
#include "core/xml.h"
#include "reports/evaluation.h"
#include "reports/report_history.h"

#include <archive.h>
#include <archive_entry.h>
#include <algorithm>
#include <set>

namespace examsim::test {
namespace fs = std::filesystem;

namespace {

std::string normal(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == ' ' || c == '\t') {
            if (!out.empty() && out.back() != ' ') out += ' ';
            continue;
        }
        out += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

bool contains(const pugi::xml_node& area, std::pair<int, int> p) {
    const int x = area.attribute("x").as_int(), y = area.attribute("y").as_int();
    return p.first >= x && p.first < x + area.attribute("width").as_int() && p.second >= y &&
           p.second < y + area.attribute("height").as_int();
}

std::set<std::string> marked(const pugi::xml_node& parent, const char* child) {
    std::set<std::string> out;
    for (pugi::xml_node n : parent.children(child))
        if (std::string(n.attribute("correct").value()) == "true") out.insert(n.attribute("name").value());
    return out;
}

}  // namespace

Learner choosing(std::vector<std::string> texts) {
    Learner l;
    l.choose = std::move(texts);
    return l;
}
Learner typing(std::string text) {
    Learner l;
    l.type = std::move(text);
    return l;
}
Learner clicking(std::vector<std::pair<int, int>> points) {
    Learner l;
    l.click = std::move(points);
    return l;
}
Learner dropping(std::vector<std::pair<std::string, std::pair<int, int>>> tiles) {
    Learner l;
    l.drop = std::move(tiles);
    return l;
}

bool judge(const pugi::xml_node& item, const Learner& l) {
    const std::string type = item.attribute("type").value();
    if (type == "Single Choice" || type == "Multiple Choice") {
        std::set<std::string> chosen;
        for (pugi::xml_node r : item.child("responses").children("response"))
            if (std::find(l.choose.begin(), l.choose.end(), textContent(r)) != l.choose.end())
                chosen.insert(r.attribute("name").value());
        if (type == "Single Choice" && chosen.size() != 1) return false;
        return !chosen.empty() && chosen == marked(item.child("responses"), "response");
    }
    if (type == "Fill in the blank") {
        const pugi::xml_node accepted = item.child("responses").child("response");
        std::vector<std::string> ok = {textContent(accepted)};
        const std::string alternatives = accepted.attribute("alternatives").value();
        for (std::size_t at = 0; !alternatives.empty() && at <= alternatives.size();) {
            const std::size_t bar = std::min(alternatives.find('|', at), alternatives.size());
            ok.push_back(alternatives.substr(at, bar - at));
            at = bar + 1;
        }
        for (const auto& a : ok)
            if (!l.type.empty() && normal(a) == normal(l.type)) return true;
        return false;
    }
    if (type == "HotSpot" || type == "MultipleHotSpot") {
        std::set<std::string> selected;
        for (const auto& p : l.click)
            for (pugi::xml_node h : item.child("hotspots").children("hotspot"))
                if (contains(h, p) && !selected.insert(h.attribute("name").value()).second)
                    selected.erase(h.attribute("name").value());  // a second click deselects
        if (type == "HotSpot" && selected.size() != 1) return false;
        return selected == marked(item.child("hotspots"), "hotspot");
    }
    if (type == "DragNDrop") {
        std::map<std::string, std::string> placed;  // target -> tile
        for (const auto& [label, p] : l.drop) {
            std::string tile;
            for (pugi::xml_node r : item.child("responses").children("response"))
                if (label == r.attribute("label").value()) tile = r.attribute("name").value();
            for (pugi::xml_node t : item.child("targets").children("target"))
                if (!tile.empty() && contains(t, p)) placed[t.attribute("name").value()] = tile;
        }
        for (pugi::xml_node t : item.child("targets").children("target"))
            if (placed[t.attribute("name").value()] != t.attribute("answer").value()) return false;
        return true;
    }
    return false;
}

// Points are in the picture file's pixels; the console-port item draws its
// picture at half size, so its areas must have been scaled up.
const std::vector<KindSample>& kindSamples() {
    static const std::vector<KindSample> s = {
        {"choice_single.xml", "QTI-sample-dns-role", "Single Choice", 1, choosing({"The DNS server"}),
         choosing({"The DHCP server"})},
        {"choice_multiple.xml", "QTI-sample-private-ranges", "Multiple Choice", 2,
         choosing({"10.20.30.40", "192.168.7.1"}), choosing({"10.20.30.40", "172.40.0.1"})},
        {"text_entry.xml", "QTI-sample-time-protocol", "Fill in the blank", 1, typing("  network time  PROTOCOL"),
         typing("SNTP")},
        {"hotspot_single.xml", "QTI-sample-console-port", "HotSpot", 1, clicking({{150, 60}}), clicking({{50, 60}})},
        {"hotspot_multiple.xml", "QTI-sample-copper-ports", "MultipleHotSpot", 1, clicking({{50, 60}, {250, 60}}),
         clicking({{50, 60}, {150, 60}, {350, 40}})},
        {"graphic_gap_match.xml", "QTI-sample-pdu-names", "DragNDrop", 1,
         dropping({{"Segment", {200, 40}}, {"Packet", {200, 100}}}),
         dropping({{"Packet", {200, 40}}, {"Segment", {200, 100}}})},
    };
    return s;
}

void AssembledProduct::assemble(const fs::path& product) {
    const PackRun run = runPack("assemble", {product, t.path()});
    ASSERT_EQ(run.status, 0) << run.output;
    loadSystemDocument(ctx);
    loadMessageCatalogue(ctx);
    loadProductDocument(ctx);
    loadQuestionBank(ctx);
    ASSERT_TRUE(loadAnswerDocument(ctx));
    loadReportHistory(ctx);
}

pugi::xml_node AssembledProduct::start(const std::string& test) {
    played.reset();
    if (!startTest(ctx, test)) return {};
    if (!parseXml(played, readFile(currentTestFilePath(ctx)))) return {};
    return played.document_element();
}

pugi::xml_node AssembledProduct::startQuiz() {
    played.reset();
    loadQuizDocument(ctx);
    if (!createQuiz(ctx, "All", 60, "Quiz")) return {};
    if (!parseXml(played, readFile(currentTestFilePath(ctx)))) return {};
    return played.document_element();
}

void AssembledProduct::answer(pugi::xml_node item, const Learner& learner) {
    pugi::xml_node report = item.append_child("user_attempt_report");
    report.append_child("user_attempts").append_child("attempt").text().set("answered");
    report.append_child("marks_scored").text().set(judge(item, learner) ? item.attribute("total_marks").value() : "0");
}

std::pair<int, int> AssembledProduct::score() {
    const Evaluated evaluated = evaluateTest(ctx, xmlText(played.document_element()));
    if (!evaluated) return {-1, -1};
    pugi::xml_document doc;
    parseXml(doc, *evaluated);
    const pugi::xml_node root = doc.document_element();
    return {root.attribute("marks").as_int(), root.attribute("total_marks").as_int()};
}

std::map<std::string, std::string> snapshot(const fs::path& folder) {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        if (e.is_regular_file()) files[e.path().lexically_relative(folder).generic_string()] = readFile(e.path());
    return files;
}

fs::path qtiSamples() {
    const char* src = std::getenv("EXAMSIM_SOURCE_DIR");
    return fs::path(src ? src : ".") / "tests" / "tools" / "qti";
}

void writeZip(const fs::path& zip, const fs::path& folder, const std::vector<std::pair<std::string, std::string>>& extra) {
    std::vector<std::pair<std::string, std::string>> entries;
    if (!folder.empty())
        for (const auto& [name, bytes] : snapshot(folder)) entries.emplace_back(name, bytes);
    entries.insert(entries.end(), extra.begin(), extra.end());
    archive* a = archive_write_new();
    archive_write_set_format_zip(a);
    ASSERT_EQ(archive_write_open_filename(a, zip.c_str()), ARCHIVE_OK);
    for (const auto& [name, bytes] : entries) {
        archive_entry* e = archive_entry_new();
        archive_entry_set_pathname(e, name.c_str());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(bytes.size()));
        archive_write_header(a, e);
        archive_write_data(a, bytes.data(), bytes.size());
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

}  // namespace examsim::test
