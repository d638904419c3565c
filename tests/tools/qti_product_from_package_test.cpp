// A product whose questions come from nothing but QTI packages: every test
// and the quiz are imported, the product passes the check, assembles, and
// every question scores right and wrong in the program.
#include "qti_play_support.h"

#include "core/xml.h"

#include <gtest/gtest.h>
#include <array>
#include <sstream>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;

namespace {

const std::array<const char*, 7>& kObjectives = sampleObjectives();

const char* difficultyOf(const std::string& level) {
    return level == "Beginner" ? "easy" : level == "Intermediate" ? "medium" : "difficult";
}

// A package written item by item: generated choice and text-entry items, or
// sample items copied in, each with its objective and level in the manifest.
class PackageWriter {
public:
    PackageWriter(fs::path folder, std::string title) : folder_(std::move(folder)), title_(std::move(title)) {
        fs::create_directories(folder_ / "items");
    }

    void sample(const KindSample& s, const std::string& objective, const std::string& level) {
        fs::copy_file(qtiSamples() / s.file, folder_ / s.file);
        if (!fs::exists(folder_ / "images")) fs::copy(qtiSamples() / "images", folder_ / "images");
        resource(s.file, objective, level);
        answers_[s.questionId] = {s.right, s.wrong};
    }

    void choice(const std::string& id, const std::string& objective, const std::string& level) {
        item(id, "<choiceInteraction responseIdentifier=\"R\" maxChoices=\"1\"><prompt>Question " + id +
                     ": which is right?</prompt><simpleChoice identifier=\"w\">wrong " + id +
                     "</simpleChoice><simpleChoice identifier=\"r\">right " + id + "</simpleChoice></choiceInteraction>",
             "identifier", "r", objective, level);
        answers_["QTI-" + id] = {choosing({"right " + id}), choosing({"wrong " + id})};
    }

    void textEntry(const std::string& id, const std::string& objective, const std::string& level) {
        item(id, "<p>Type the code word " + id + ": <textEntryInteraction responseIdentifier=\"R\"/></p>", "string",
             "word-" + id, objective, level);
        answers_["QTI-" + id] = {typing("WORD-" + id), typing("word")};
    }

    // Writes the manifest and the assessmentTest.
    void finish() {
        std::ostringstream m, t;
        m << "<manifest xmlns=\"http://www.imsglobal.org/xsd/imscp_v1p1\" identifier=\"m\"><resources>" << resources_
          << "<resource identifier=\"test\" type=\"imsqti_test_xmlv2p2\" href=\"test.xml\"/></resources></manifest>";
        t << "<assessmentTest identifier=\"t\" title=\"" << title_ << "\"><testPart identifier=\"p\">"
          << "<assessmentSection identifier=\"s\">" << refs_ << "</assessmentSection></testPart></assessmentTest>";
        writeFile(folder_ / "imsmanifest.xml", m.str());
        writeFile(folder_ / "test.xml", t.str());
    }

    const std::map<std::string, std::pair<Learner, Learner>>& answers() const { return answers_; }

private:
    void item(const std::string& id, const std::string& interaction, const std::string& baseType,
              const std::string& correct, const std::string& objective, const std::string& level) {
        writeFile(folder_ / "items" / (id + ".xml"),
                  "<assessmentItem xmlns=\"http://www.imsglobal.org/xsd/imsqti_v2p2\" identifier=\"" + id +
                      "\" title=\"" + id + "\" adaptive=\"false\" timeDependent=\"false\">"
                      "<responseDeclaration identifier=\"R\" cardinality=\"single\" baseType=\"" + baseType +
                      "\"><correctResponse><value>" + correct + "</value></correctResponse></responseDeclaration>"
                      "<itemBody>" + interaction + "</itemBody><responseProcessing template=\"http://www.imsglobal.org/"
                      "question/qti_v2p2/rptemplates/match_correct\"/></assessmentItem>");
        resource("items/" + id + ".xml", objective, level);
    }

    void resource(const std::string& href, const std::string& objective, const std::string& level) {
        resources_ += "<resource identifier=\"r" + std::to_string(++count_) + "\" type=\"imsqti_item_xmlv2p2\" href=\"" +
                      href + "\"><metadata><lom><classification><taxonPath><taxon><entry><string>" + objective +
                      "</string></entry></taxon></taxonPath></classification><educational><difficulty><value>" +
                      difficultyOf(level) + "</value></difficulty></educational></lom></metadata></resource>";
        refs_ += "<assessmentItemRef identifier=\"i" + std::to_string(count_) + "\" href=\"" + href + "\"/>";
    }

    fs::path folder_;
    std::string title_, resources_, refs_;
    int count_ = 0;
    std::map<std::string, std::pair<Learner, Learner>> answers_;
};

class ProductFromPackages : public AssembledProduct {
protected:
    // The sample product with no question, answer or quiz left.
    void emptyFrame() {
        writeFile(product.path() / "data" / "QuestionBank.xml",
                  "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<QuestionBank>\n</QuestionBank>\n");
        writeFile(product.path() / "data" / "Answers.xml", "<?xml version=\"1.0\" encoding=\"windows-1252\"?>\n<Answers/>\n");
        fs::remove(product.path() / "data" / "Quiz.xml");
    }

    // Plays a built test twice, every question right and then every one
    // wrong, and checks the marks.
    void playBoth(const std::function<pugi::xml_node()>& build) {
        for (const bool right : {true, false}) {
            SCOPED_TRACE(right ? "right" : "wrong");
            const pugi::xml_node test = build();
            ASSERT_TRUE(test);
            int asked = 0;
            for (pugi::xml_node item : test.children("item")) {
                const auto a = answers.find(item.attribute("questionId").value());
                ASSERT_NE(a, answers.end()) << item.attribute("questionId").value();
                answer(item, right ? a->second.first : a->second.second);
                ++asked;
            }
            EXPECT_GT(asked, 0);
            const auto [marks, total] = score();
            EXPECT_EQ(marks, right ? total : 0);
        }
    }

    ProductCopy product;
    TempFolder work;
    std::map<std::string, std::pair<Learner, Learner>> answers;
};

TEST_F(ProductFromPackages, ImportedTestsAndQuizPassTheCheckAssembleAndScore) {
    emptyFrame();
    std::vector<PackageWriter> packages;
    // The Diagnostic holds one sample of each kind and comes as a ZIP.
    packages.emplace_back(work / "diagnostic", "Diagnostic");
    for (std::size_t o = 0; o < kObjectives.size(); ++o) {
        if (o < kindSamples().size())
            packages.back().sample(kindSamples()[o], kObjectives[o], "Beginner");
        else
            packages.back().choice("d" + std::to_string(o), kObjectives[o], "Beginner");
    }
    packages.emplace_back(work / "final", "Final");
    for (std::size_t o = 0; o < kObjectives.size(); ++o) packages.back().choice("f" + std::to_string(o), kObjectives[o], "Expert");
    packages.emplace_back(work / "quiz", "Quiz");
    for (std::size_t o = 0; o < kObjectives.size(); ++o)
        if (o % 2)
            packages.back().textEntry("q" + std::to_string(o), kObjectives[o], "Intermediate");
        else
            packages.back().choice("q" + std::to_string(o), kObjectives[o], "Intermediate");
    // Ten questions per objective and level: what the grid page offers at most.
    packages.emplace_back(work / "practice", "Practice 1");
    for (std::size_t o = 0; o < kObjectives.size(); ++o)
        for (const char* level : {"Beginner", "Intermediate", "Expert"})
            for (int k = 0; k < 10; ++k)
                packages.back().choice("p" + std::to_string(o) + std::string(level).substr(0, 1) + std::to_string(k),
                                       kObjectives[o], level);
    for (auto& p : packages) {
        p.finish();
        answers.insert(p.answers().begin(), p.answers().end());
    }
    writeZip(work / "diagnostic.zip", work / "diagnostic");

    // Until the last import the product is incomplete: imported, with findings.
    const std::vector<fs::path> sources = {work / "diagnostic.zip", work / "final", work / "quiz", work / "practice"};
    for (std::size_t i = 0; i < sources.size(); ++i) {
        SCOPED_TRACE(sources[i].filename().string());
        const PackRun run = runPack("import-qti", {sources[i], "--product", product.path()});
        EXPECT_EQ(run.status, i + 1 < sources.size() ? 3 : 0) << run.output;
    }
    const PackRun check = runPack("check", {product.path()});
    ASSERT_EQ(check.status, 0) << check.output;

    assemble(product.path());
    for (const char* test : {"Diagnostic", "Final", "Practice 1"}) {
        SCOPED_TRACE(test);
        playBoth([&] { return start(test); });
    }
    SCOPED_TRACE("Quiz");
    playBoth([&] { return startQuiz(); });
}

}  // namespace
