#include "product_check_support.h"

#include <array>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <sys/wait.h>
#include <vector>

namespace examsim::test {
namespace fs = std::filesystem;

namespace {

const std::array<const char*, 7>& kObjectives = sampleObjectives();

struct Kind {
    const char* type;
    std::string body, answer;
};

const std::string kPicture = R"(<resource name="questionimage" uri="Database/images">synthetic.svg</resource>)";

std::string hotspots(const char* secondCorrect) {
    return kPicture +
           R"(<hotspots><hotspot name="H1" x="0" y="0" width="5" height="5" correct="true" label="one"/>)"
           R"(<hotspot name="H2" x="6" y="0" width="5" height="5" correct=")" + secondCorrect +
           R"(" label="two"/><hotspot name="H3" x="12" y="0" width="5" height="5" correct="false" label="three"/></hotspots>)";
}

// Single choice, then one of each other kind for a test's first questions.
const std::vector<Kind>& kinds() {
    static const std::vector<Kind> k = {
        {"Single Choice", R"(<responses><response name="A">one</response><response name="B">two</response>)"
                          R"(<response name="C">three</response></responses>)", "B"},
        {"Multiple Choice", R"(<responses><response name="A">a</response><response name="B">b</response>)"
                            R"(<response name="C">c</response></responses>)", "<c>A</c><c>C</c>"},
        {"Fill in the blank", "", R"(<response name="answer">443</response>)"},
        {"DragNDrop", kPicture + R"(<responses><response name="A" uri="Database/images" label="a">synthetic.svg</response>)"
                      R"(<response name="B" uri="Database/images" label="b">synthetic.svg</response></responses>)"
                      R"(<targets><target name="T1" x="0" y="0" width="10" height="10" answer="B"/></targets>)", ""},
        {"HotSpot", hotspots("false"), ""},
        {"MultipleHotSpot", hotspots("true"), ""}};
    return k;
}

struct Writer {
    std::ostringstream bank, answers;

    void test(const std::string& name, const char* attributes = "") {
        bank << "<Test name=\"" << name << "\"" << attributes << " time=\"600\" time_remaining=\"600\"><property/>";
    }
    void item(const std::string& id, const Kind& kind, const char* topic, const char* level) {
        bank << "<item questionId=\"" << id << "\" type=\"" << kind.type << "\" topic=\"" << topic << "\" category=\""
             << topic << "\" level=\"" << level << "\" total_marks=\"1\" time=\"60\"><statement>Synthetic question "
             << id << "</statement>" << kind.body << "<explanation>Because.</explanation></item>";
        answers << "<Ans quid=\"" << id << "\">" << kind.answer << "</Ans>";
    }
};

void writeGeneratedQuestions(const fs::path& product) {
    Writer w, quiz;
    w.bank << "<QuestionBank>";
    for (const char* test : {"Diagnostic", "Final"}) {
        w.test(test);
        for (std::size_t o = 0; o < kObjectives.size(); ++o)
            w.item(std::string(test) + "-" + std::to_string(o), kinds()[o < 5 ? o + 1 : 0], kObjectives[o], "Beginner");
        w.bank << "</Test>";
    }
    // Ten questions per objective and level across the practice tests: enough
    // for every list of the grid page.
    for (int p = 1; p <= 3; ++p) {
        w.test("Practice " + std::to_string(p), " test_type=\"PracticeTest\"");
        for (std::size_t o = 0; o < kObjectives.size(); ++o)
            for (const char* level : {"Beginner", "Intermediate", "Expert"})
                for (int k = p - 1; k < 10; k += 3)
                    w.item("P" + std::to_string(p) + "-" + std::to_string(o) + "-" + level + "-" + std::to_string(k),
                           kinds()[0], kObjectives[o], level);
        w.bank << "</Test>";
    }
    // The quiz carries its correct marks in the options.
    const Kind quizKind{"Single Choice", R"(<responses><response name="A" correct="true">x</response>)"
                                         R"(<response name="B" correct="false">y</response></responses>)", ""};
    quiz.bank << "<QuestionBank>";
    quiz.test("Quiz");
    for (std::size_t o = 0; o < kObjectives.size(); ++o) quiz.item("Q-" + std::to_string(o), quizKind, kObjectives[o], "Beginner");
    writeFile(product / "data" / "QuestionBank.xml", w.bank.str() + "</QuestionBank>");
    writeFile(product / "data" / "Answers.xml", "<Answers>" + w.answers.str() + "</Answers>");
    writeFile(product / "data" / "Quiz.xml", quiz.bank.str() + "</Test></QuestionBank>");
    fs::create_directories(product / "files" / "Database" / "images");
    writeFile(product / "files" / "Database" / "images" / "synthetic.svg",
              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"20\" height=\"20\"/>");
}

}  // namespace

const std::array<const char*, 7>& sampleObjectives() {
    static const std::array<const char*, 7> names = {
        "Network Models and Media", "IP Addressing and Subnetting",    "Switching and Routing",
        "Network Services",         "Wireless and Wide Area Networks", "Network Security",
        "Troubleshooting and Tools"};
    return names;
}

fs::path sourceProduct() {
    const char* src = std::getenv("EXAMSIM_SOURCE_DIR");
    return fs::path(src ? src : ".") / "product";
}

PackRun runPack(const std::string& verb, std::initializer_list<fs::path> paths) {
    std::string cmd = std::string("'") + EXAMSIM_PACK + "' " + verb;
    for (const auto& p : paths) cmd += " '" + p.string() + "'";
    PackRun run;
    FILE* pipe = ::popen((cmd + " 2>&1").c_str(), "r");
    if (!pipe) return run;
    std::array<char, 4096> buf{};
    while (std::size_t n = std::fread(buf.data(), 1, buf.size(), pipe)) run.output.append(buf.data(), n);
    const int status = ::pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

ProductCopy::ProductCopy() {
    fs::copy(sourceProduct(), path(), fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    writeGeneratedQuestions(path());
}

}  // namespace examsim::test
