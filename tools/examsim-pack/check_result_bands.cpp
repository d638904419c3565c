#include "check_rules.h"

#include "core/xml.h"

#include <charconv>
#include <vector>

namespace examsim::pack {

namespace {

bool percentage(const std::string& text, int& value) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0 && value <= 100;
}

}  // namespace

void checkResultBands(ProductSources& src) {
    if (!src.hasData("Product")) return;
    const std::string file = dataFile("Product");
    const auto& doc = src.data("Product");
    const pugi::xml_node reports = doc.select_node("//reports").node();
    if (!reports) return;  // reported with the keys
    if (reports != doc.select_node("product/reports").node())
        src.add(file, locate(reports), "the first reports element must be the one directly under product");

    // The program counts the bands as the child nodes of reports less one, so
    // reports holds the pass percentage and the bands and nothing else.
    int passes = 0;
    std::vector<bool> covered(101, false);
    for (const auto& c : reports.children()) {
        const std::string name = c.name();
        if (name == "test_pass_percentage") {
            ++passes;
            int v = 0;
            if (!percentage(textContent(c), v)) src.add(file, locate(c), "must be a whole percentage from 0 to 100");
        } else if (name == "test_result_analysis") {
            int lo = 0, hi = 0;
            if (!percentage(c.attribute("min_marks").value(), lo) || !percentage(c.attribute("max_marks").value(), hi)) {
                src.add(file, locate(c), "min_marks and max_marks must be whole percentages from 0 to 100");
                continue;
            }
            if (lo > hi) src.add(file, locate(c), "min_marks is above max_marks");
            if (textContent(c).empty()) src.add(file, locate(c), "band without an analysis text");
            for (int p = lo; p <= hi; ++p) covered[p] = true;
        } else {
            src.add(file, locate(reports), "holds a node other than test_pass_percentage and test_result_analysis"
                                           " (a comment counts too)");
        }
    }
    if (passes != 1) src.add(file, locate(reports), "needs exactly one test_pass_percentage");
    for (int p = 0; p <= 100; ++p) {
        if (covered[p]) continue;
        int q = p;
        while (q < 100 && !covered[q + 1]) ++q;
        src.add(file, locate(reports),
                "no result-analysis band covers " + (p == q ? std::to_string(p) : std::to_string(p) + " to " + std::to_string(q)) +
                    " percent");
        p = q;
    }
}

}  // namespace examsim::pack
