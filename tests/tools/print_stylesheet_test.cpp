// The printable report's stylesheet turns a report into a page that shows, for
// each question, the options with the right ones marked, the user's answer and
// the explanation.
#include "product_check_support.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

using namespace examsim::test;
using ::testing::HasSubstr;

namespace {

std::string render(const std::string& report) {
    const std::string xsl = (sourceProduct() / "files/Database/print.xsl").string();
    xsltStylesheetPtr sheet = xsltParseStylesheetFile(reinterpret_cast<const xmlChar*>(xsl.c_str()));
    if (!sheet) return "(stylesheet does not parse)";
    xmlDocPtr doc = xmlReadMemory(report.data(), static_cast<int>(report.size()), "report.xml", nullptr, 0);
    xmlDocPtr out = doc ? xsltApplyStylesheet(sheet, doc, nullptr) : nullptr;
    std::string html = out ? "" : "(transform failed)";
    if (out) {
        xmlChar* text = nullptr;
        int size = 0;
        xsltSaveResultToString(&text, &size, out, sheet);
        if (text) html.assign(reinterpret_cast<const char*>(text), static_cast<std::size_t>(size));
        xmlFree(text);
        xmlFreeDoc(out);
    }
    if (doc) xmlFreeDoc(doc);
    xsltFreeStylesheet(sheet);
    return html;
}

// As the report screen builds it: product name, property, then the chosen items.
const char* const kReport = R"(<?xml version="1.0" encoding="UTF-8"?>
<?xml-stylesheet TYPE="text/xsl" href="print.xsl"?>
<Test name="quiz"><Product>Network Essentials</Product><Property/>
<item questionId="NE-X-1" type="Single Choice" topic="Network Services" level="Beginner" total_marks="1" att="1">
  <statement>Which service resolves host names?</statement>
  <responses><response name="A" correct="false">DHCP</response><response name="B" correct="true">DNS</response></responses>
  <explanation>DNS maps names to addresses.</explanation>
  <user_attempt_report><user_attempts>A</user_attempts><marks_scored>0</marks_scored></user_attempt_report>
</item>
<item questionId="NE-X-2" type="Fill in the blank" topic="Network Services" level="Beginner" total_marks="1" att="0">
  <statement>HTTPS listens on TCP port _____.</statement>
  <explanation>HTTPS uses 443.</explanation>
  <responses><response name="answer">443</response></responses>
</item>
</Test>)";

}  // namespace

TEST(PrintStylesheet, ShowsQuestionsAnswersAndExplanations) {
    const std::string html = render(kReport);
    for (const char* part : {"Network Essentials - Test Report", "Which service resolves host names?", "B. DNS",
                             "<li class=\"right\">", "Correct answer:", "DNS maps names to addresses.",
                             "<b>A</b> <span class=\"result-bad\">(incorrect)</span>", "<b>443</b>", "not answered",
                             "size: A4"})
        EXPECT_THAT(html, HasSubstr(part));
    // Only the correct option is marked.
    EXPECT_EQ(html.find("<li class=\"right\">"), html.rfind("<li class=\"right\">"));
}

TEST(PrintStylesheet, SummarisesAWholeEvaluatedTest) {
    std::string report = kReport;
    report.replace(report.find("<Test name=\"quiz\"><Product>Network Essentials</Product>"), 54,
                   "<Test name=\"Final\" total_questions=\"2\" no_of_attempted=\"1\" no_of_correct_answer=\"0\" marks=\"0\" "
                   "total_marks=\"2\" remarks=\"Fail\" text_result_analysis=\"Keep practising.\">");
    const std::string html = render(report);
    for (const char* part : {"<td>0 of 2</td>", "Fail", "Keep practising."}) EXPECT_THAT(html, HasSubstr(part));
}
