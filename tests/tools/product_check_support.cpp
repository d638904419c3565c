#include "product_check_support.h"

#include "core/xml.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/wait.h>

namespace examsim::test {
namespace fs = std::filesystem;

namespace {

const std::array<const char*, 7> kObjectives = {
    "Network Models and Media", "IP Addressing and Subnetting",    "Switching and Routing",
    "Network Services",         "Wireless and Wide Area Networks", "Network Security",
    "Troubleshooting and Tools"};
const std::array<const char*, 3> kLevels = {"Beginner", "Intermediate", "Expert"};

// Enough questions per objective and level for every list of the grid page.
constexpr int kPerCell = 10;

struct Writer {
    std::ostringstream bank, answers;

    void choice(const std::string& id, const char* topic, const char* level) {
        open(id, "Single Choice", topic, level);
        bank << "<responses><response name=\"A\">one</response><response name=\"B\">two</response>"
                "<response name=\"C\">three</response></responses>";
        close();
        answers << "<Ans quid=\"" << id << "\">B</Ans>";
    }
    // The kinds other than single choice, one each, in a test's first questions.
    void special(int kind, const std::string& id, const char* topic) {
        static const char* const kinds[] = {"Multiple Choice", "Fill in the blank", "DragNDrop", "HotSpot",
                                            "MultipleHotSpot"};
        open(id, kinds[kind], topic, "Beginner");
        switch (kind) {
        case 0:
            bank << "<responses><response name=\"A\">a</response><response name=\"B\">b</response>"
                    "<response name=\"C\">c</response></responses>";
            answers << "<Ans quid=\"" << id << "\"><c>A</c><c>C</c></Ans>";
            break;
        case 1:
            answers << "<Ans quid=\"" << id << "\"><response name=\"answer\">443</response></Ans>";
            break;
        case 2:
            bank << "<resource name=\"questionimage\" uri=\"Database/images\">synthetic.svg</resource>"
                    "<responses><response name=\"A\" uri=\"Database/images\" label=\"a\">synthetic.svg</response>"
                    "<response name=\"B\" uri=\"Database/images\" label=\"b\">synthetic.svg</response></responses>"
                    "<targets><target name=\"T1\" x=\"0\" y=\"0\" width=\"10\" height=\"10\" answer=\"B\"/></targets>";
            answers << "<Ans quid=\"" << id << "\"/>";
            break;
        default:
            bank << "<resource name=\"questionimage\" uri=\"Database/images\">synthetic.svg</resource><hotspots>"
                    "<hotspot name=\"H1\" x=\"0\" y=\"0\" width=\"5\" height=\"5\" correct=\"true\" label=\"one\"/>"
                    "<hotspot name=\"H2\" x=\"6\" y=\"0\" width=\"5\" height=\"5\" correct=\""
                 << (kind == 4 ? "true" : "false")
                 << "\" label=\"two\"/>"
                    "<hotspot name=\"H3\" x=\"12\" y=\"0\" width=\"5\" height=\"5\" correct=\"false\" label=\"three\"/>"
                    "</hotspots>";
            answers << "<Ans quid=\"" << id << "\"/>";
        }
        close();
    }
    void open(const std::string& id, const char* type, const char* topic, const char* level) {
        bank << "<item questionId=\"" << id << "\" type=\"" << type << "\" topic=\"" << topic << "\" category=\""
             << topic << "\" level=\"" << level << "\" total_marks=\"1\" time=\"60\"><statement>Synthetic question "
             << id << "</statement>";
    }
    void close() { bank << "<explanation>Because.</explanation></item>"; }
};

std::string generatedQuiz() {
    std::ostringstream q;
    q << "<QuestionBank><Test name=\"Quiz\" time=\"600\" time_remaining=\"600\"><property/>";
    for (std::size_t o = 0; o < kObjectives.size(); ++o)
        q << "<item questionId=\"Q-" << o << "\" type=\"Single Choice\" topic=\"" << kObjectives[o] << "\" category=\""
          << kObjectives[o] << "\" level=\"Beginner\" total_marks=\"1\" time=\"60\"><statement>Quiz question " << o
          << "</statement><responses><response name=\"A\" correct=\"true\">x</response>"
             "<response name=\"B\" correct=\"false\">y</response></responses><explanation>Because.</explanation></item>";
    q << "</Test></QuestionBank>";
    return q.str();
}

void writeGeneratedQuestions(const fs::path& product) {
    Writer w;
    w.bank << "<QuestionBank>";
    w.answers << "<Answers>";
    for (const char* test : {"Diagnostic", "Final"}) {
        w.bank << "<Test name=\"" << test << "\" time=\"600\" time_remaining=\"600\"><property/>";
        for (std::size_t o = 0; o < kObjectives.size(); ++o) {
            const std::string id = std::string(test) + "-" + std::to_string(o);
            if (o < 5)
                w.special(static_cast<int>(o), id, kObjectives[o]);
            else
                w.choice(id, kObjectives[o], "Beginner");
        }
        w.bank << "</Test>";
    }
    for (int p = 1; p <= 3; ++p) {
        w.bank << "<Test name=\"Practice " << p << "\" test_type=\"PracticeTest\" time=\"600\" time_remaining=\"600\"><property/>";
        for (std::size_t o = 0; o < kObjectives.size(); ++o)
            for (const char* level : kLevels)
                for (int k = 0; k < kPerCell; ++k)
                    if (k % 3 == p - 1)
                        w.choice("P" + std::to_string(p) + "-" + std::to_string(o) + "-" + level + "-" + std::to_string(k),
                                 kObjectives[o], level);
        w.bank << "</Test>";
    }
    w.bank << "</QuestionBank>";
    w.answers << "</Answers>";
    writeFile(product / "data" / "QuestionBank.xml", w.bank.str());
    writeFile(product / "data" / "Answers.xml", w.answers.str());
    writeFile(product / "data" / "Quiz.xml", generatedQuiz());
    fs::create_directories(product / "files" / "Database" / "images");
    writeFile(product / "files" / "Database" / "images" / "synthetic.svg",
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\"/>");
}

}  // namespace

fs::path sourceProduct() {
    const char* src = std::getenv("EXAMSIM_SOURCE_DIR");
    return fs::path(src ? src : ".") / "product";
}

CheckRun runCheck(const fs::path& product) {
    CheckRun run;
    const std::string cmd = std::string("'") + EXAMSIM_PACK + "' check '" + product.string() + "' 2>&1";
    FILE* pipe = ::popen(cmd.c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buf{};
    std::size_t n = 0;
    while ((n = std::fread(buf.data(), 1, buf.size(), pipe)) > 0) run.output.append(buf.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

ProductCopy::ProductCopy() {
    fs::copy(sourceProduct(), path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    writeGeneratedQuestions(path());
}

void ProductCopy::editData(const std::string& name, const std::function<void(pugi::xml_document&)>& edit) {
    const fs::path file = path() / "data" / (name + ".xml");
    pugi::xml_document doc;
    ASSERT_TRUE(parseXml(doc, readFile(file))) << file;
    edit(doc);
    ASSERT_TRUE(doc.save_file(file.c_str(), "  ", pugi::format_default, pugi::encoding_utf8));
}

void ProductCopy::replaceText(const std::string& relative, const std::string& from, const std::string& to) {
    std::string text = readFile(path() / relative);
    const auto at = text.find(from);
    ASSERT_NE(at, std::string::npos) << relative << " holds no \"" << from << "\"";
    text.replace(at, from.size(), to);
    writeFile(path() / relative, text);
}

void ProductCopy::remove(const std::string& relative) { ASSERT_TRUE(fs::remove(path() / relative)) << relative; }

}  // namespace examsim::test
