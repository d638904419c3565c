#include "support/played_test.h"

#include <pugixml.hpp>
#include <sstream>

namespace examsim::test {

std::string playedTestXml(const std::vector<PlayedQuestion>& questions, const std::string& name) {
    pugi::xml_document doc;
    pugi::xml_node root = doc.append_child("Test");
    root.append_attribute("name").set_value(name.c_str());
    root.append_attribute("time").set_value("600");
    root.append_child("property");
    int n = 0;
    for (const PlayedQuestion& q : questions) {
        ++n;
        pugi::xml_node item = root.append_child("item");
        const std::string id = q.questionId.empty() ? "q" + std::to_string(n) : q.questionId;
        item.append_attribute("questionId").set_value(id.c_str());
        item.append_attribute("category").set_value(q.category.c_str());
        item.append_attribute("total_marks").set_value(q.totalMarks.c_str());
        item.append_child("question").text().set(("Question " + std::to_string(n)).c_str());
        if (!q.answered) continue;
        pugi::xml_node report = item.append_child("user_attempt_report");
        if (q.attempted) report.append_child("user_attempts").text().set("B");
        if (!q.marksScored.empty()) report.append_child("marks_scored").text().set(q.marksScored.c_str());
        if (!q.bookmark.empty()) report.append_child("bookmark").append_attribute("value").set_value(q.bookmark.c_str());
    }
    std::ostringstream out;
    root.print(out, "", pugi::format_raw);
    return out.str();
}

std::vector<PlayedQuestion> oneMarkQuestions(int n, int scored) {
    std::vector<PlayedQuestion> qs(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) qs[static_cast<std::size_t>(i)].marksScored = i < scored ? "1" : "0";
    return qs;
}

std::string productXml(int passPercentage, const std::vector<std::string>& objectives) {
    pugi::xml_document doc;
    pugi::xml_node product = doc.append_child("product");
    pugi::xml_node reports = product.append_child("reports");
    reports.append_child("test_pass_percentage").text().set(passPercentage);
    const struct {
        int min, max;
        const char* text;
    } bands[] = {{0, 12, "Low"}, {13, 87, "Middle"}, {88, 99, "High"}};
    for (const auto& b : bands) {
        pugi::xml_node band = reports.append_child("test_result_analysis");
        band.append_attribute("min_marks").set_value(b.min);
        band.append_attribute("max_marks").set_value(b.max);
        band.text().set(b.text);
    }
    pugi::xml_node grid = product.append_child("objectives");
    for (const std::string& o : objectives) grid.append_child("objective").append_attribute("name").set_value(o.c_str());
    std::ostringstream out;
    doc.print(out, "", pugi::format_raw);
    return out.str();
}

}  // namespace examsim::test
