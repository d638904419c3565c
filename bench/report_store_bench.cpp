// recordReport against the bare cost of storing the same report document
// (serialise and encipher), with 2,000 records already in the history; and
// evaluateTest on a 500-question test.
#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/xml.h"
#include "reports/evaluation.h"
#include "reports/report_history.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <iostream>
#include <map>
#include <stdexcept>
#include <unistd.h>

using namespace examsim;

namespace {

constexpr int kStoredRecords = 2000;
constexpr int kQuestionsPerTest = 35;

std::string productXml() {
    std::string xml = "<product><reports><test_pass_percentage>65</test_pass_percentage>"
                      "<test_result_analysis min_marks=\"0\" max_marks=\"64\">Review every objective again.</test_result_analysis>"
                      "<test_result_analysis min_marks=\"65\" max_marks=\"100\">Ready for the examination.</test_result_analysis>"
                      "</reports><objectives>";
    for (int o = 1; o <= 6; ++o) xml += "<objective name=\"Objective " + std::to_string(o) + "\"/>";
    return xml + "</objectives></product>";
}

// A played test whose questions look like the sample product's: a stem, four
// options with their marks, an explanation and the movie's response record.
std::string playedTest(int questions) {
    std::string xml = "<Test name=\"Practice1\" time=\"3600\" time_remaining=\"1200\" currentQuestionID=\"1\"><property/>";
    for (int q = 1; q <= questions; ++q) {
        const std::string n = std::to_string(q);
        xml += "<item questionId=\"NE-" + n + "\" type=\"Single Choice\" category=\"Objective " + std::to_string(q % 6 + 1) +
               "\" level=\"Intermediate\" total_marks=\"1\"><question>Which device forwards frames between the segments of one "
               "network by their hardware address, and what does it do with a frame whose destination it has not learned yet (" +
               n + ")?</question><responses>";
        for (const char* option : {"A", "B", "C", "D"})
            xml += std::string("<response name=\"") + option + "\" correct=\"" + (option[0] == 'B' ? "true" : "false") +
                   "\">A switch; it floods the frame out of every port except the one it arrived on.</response>";
        xml += "</responses><explanation>A switch learns source addresses and floods unknown unicast frames.</explanation>"
               "<user_attempt_report><user_attempts>B</user_attempts><marks_scored>" +
               std::string(q % 3 ? "1" : "0") + "</marks_scored></user_attempt_report></item>";
    }
    return xml + "</Test>";
}

struct Fixture {
    std::filesystem::path folder;
    AppContext ctx;
    std::string played;

    explicit Fixture(int records) {
        folder = std::filesystem::temp_directory_path() / ("examsim-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "Database");
        ctx.paths.setFolder(folder);
        parseXml(ctx.productDoc, productXml());
        loadReportHistory(ctx);
        played = playedTest(kQuestionsPerTest);
        std::string text = played;
        if (records > 0 && !recordReport(ctx, text)) throw std::runtime_error("the first record failed");
        pugi::xml_node history = selectFirst(ctx.reportDoc, "QuestionBank/History");
        const pugi::xml_node first = history.first_child();
        for (int i = 1; i < records; ++i) history.append_copy(first);
        if (records > 0) saveDataDocument(ctx, ctx.reportDoc, "MainReport");
    }
    ~Fixture() {
        std::error_code ec;
        std::filesystem::remove_all(folder, ec);
    }
};

void BM_RecordReport(benchmark::State& state) {
    Fixture f(kStoredRecords);
    pugi::xml_node history = selectFirst(f.ctx.reportDoc, "QuestionBank/History");
    for (auto _ : state) {
        std::string text = f.played;
        benchmark::DoNotOptimize(recordReport(f.ctx, text));
        state.PauseTiming();
        history.remove_child(history.last_child());  // stay at 2,000 stored records
        f.ctx.reportTrace.clear();
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(std::filesystem::file_size(reportHistoryPath(f.ctx)));
}

void BM_SerialiseAndEncipher(benchmark::State& state) {
    Fixture f(kStoredRecords);
    for (auto _ : state) {
        std::string bytes = storedBytes(f.ctx.reportDoc);
        f.ctx.dataCipher.EncryptByte({reinterpret_cast<std::uint8_t*>(bytes.data()), bytes.size()}, kPassPhrase);
        benchmark::DoNotOptimize(bytes.data());
    }
}

void BM_EvaluateTest500(benchmark::State& state) {
    Fixture f(0);
    const std::string test = playedTest(500);
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluateTest(f.ctx, test));
        f.ctx.reportTrace.clear();  // the trace of one evaluation, not of thousands
    }
}

void BM_ParseAndSerialise500(benchmark::State& state) {
    const std::string test = playedTest(500);
    for (auto _ : state) {
        pugi::xml_document doc;
        parseXml(doc, test);
        benchmark::DoNotOptimize(xmlText(doc.document_element()));
    }
}

BENCHMARK(BM_RecordReport)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_SerialiseAndEncipher)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_EvaluateTest500)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_ParseAndSerialise500)->Unit(benchmark::kMillisecond)->UseRealTime();

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& r : runs) ms[r.benchmark_name()] = r.GetAdjustedRealTime();
    }
    std::map<std::string, double> ms;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    auto& t = reporter.ms;
    const auto has = [&](const char* a, const char* b) { return t.count(a) && t.count(b) && t[b] > 0; };
    if (has("BM_RecordReport/min_time:2.000/real_time", "BM_SerialiseAndEncipher/min_time:2.000/real_time"))
        std::cout << "recordReport with " << kStoredRecords << " stored records / serialise and encipher alone: "
                  << t["BM_RecordReport/min_time:2.000/real_time"] / t["BM_SerialiseAndEncipher/min_time:2.000/real_time"]
                  << "x (target at most 1.5x)\n";
    if (has("BM_EvaluateTest500/real_time", "BM_ParseAndSerialise500/real_time"))
        std::cout << "evaluateTest, 500 questions: " << t["BM_EvaluateTest500/real_time"] << " ms, "
                  << t["BM_EvaluateTest500/real_time"] / t["BM_ParseAndSerialise500/real_time"]
                  << "x of parsing and serialising the same test\n";
    benchmark::Shutdown();
    return 0;
}
