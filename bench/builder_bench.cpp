// Every test builder on generated banks of 2,000 and 20,000 practice
// questions: random 200, customized over all objectives, random adaptive 350,
// and the re-take of wrong answers over a history of 500 stored tests (each
// holding 2 % of the bank). Each must scale linearly with the bank. Times are
// thread CPU time (thread_cpu_time.h).
#include "bank/adaptive_tests.h"
#include "bank/answers.h"
#include "bank/customized_test.h"
#include "bank/random_tests.h"
#include "bank/retake_tests.h"
#include "bench_ratios.h"
#include "core/app_context.h"
#include "core/xml.h"
#include "generated_bank.h"
#include "thread_cpu_time.h"

#include <filesystem>
#include <map>
#include <memory>
#include <unistd.h>

using namespace examsim;

namespace {

std::string generatedHistory(int n) {
    const int perTest = n / 50;
    std::string s = "<QuestionBank><History>";
    for (int t = 0; t < 500; ++t) {
        s += "<Test name=\"Practice 1\" remarks=\"Fail\"><Test name=\"Practice 1\"><property/>";
        for (int i = 0; i < perTest; ++i) {
            const int q = (t * perTest + i) % n;
            const bool right = (t + i) % 3 != 0;
            s += "<item questionId=\"Q" + std::to_string(q) + "\" type=\"Single Choice\" level=\"" + bench::levelOf(q) +
                 "\" att=\"1\" total_marks=\"1\"><statement>Question " + std::to_string(q) +
                 "</statement><user_attempt_report><marks_scored>" + (right ? "1" : "0") +
                 "</marks_scored></user_attempt_report></item>";
        }
        s += "</Test></Test>";
    }
    return s + "</History><Objectives/></QuestionBank>";
}

std::string allObjectives() {
    std::string s = "<custom>";
    for (int o = 0; o < 10; ++o)
        s += "<objective Beginner=\"5\" Intermediate=\"5\" Expert=\"5\">" + bench::topicOf(o) + "</objective>";
    return s + "</custom>";
}

struct Fixture {
    std::filesystem::path folder;
    AppContext ctx;
    explicit Fixture(int n) {
        folder = std::filesystem::temp_directory_path() /
                 ("examsim-builder-bench-" + std::to_string(::getpid()) + "-" + std::to_string(n));
        std::filesystem::create_directories(folder / "Database");
        ctx.paths.setFolder(folder);
        parseXml(ctx.bankDoc, bench::generatedBank(n));
        parseXml(ctx.answerDoc, bench::generatedAnswers(n));
        indexAnswers(ctx);
        parseXml(ctx.reportDoc, generatedHistory(n));
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture(int n) {
    static std::map<int, std::unique_ptr<Fixture>> fixtures;
    auto& f = fixtures[n];
    if (!f) f = std::make_unique<Fixture>(n);
    return *f;
}

template <typename Build>
void run(benchmark::State& state, Build build) {
    AppContext& ctx = fixture(static_cast<int>(state.range(0))).ctx;
    bench::cpuTimed(state, [&] {
        if (!build(ctx)) state.SkipWithError("the builder refused");
    });
}

void BM_Random200(benchmark::State& s) { run(s, [](AppContext& c) { return buildRandomTest(c, 200, 3600); }); }
void BM_CustomizedAllObjectives(benchmark::State& s) {
    const std::string selection = allObjectives();
    run(s, [&](AppContext& c) { return buildCustomizedTest(c, 3600, selection, false); });
}
void BM_RandomAdaptive350(benchmark::State& s) { run(s, [](AppContext& c) { return buildRandomAdaptiveTest(c, 350, 3600); }); }
void BM_RetakeOver500Tests(benchmark::State& s) { run(s, [](AppContext& c) { return buildIncorrectTest(c, 3600, false); }); }

const char* kBuilders[] = {"BM_Random200", "BM_CustomizedAllObjectives", "BM_RandomAdaptive350", "BM_RetakeOver500Tests"};

}  // namespace

BENCHMARK(BM_Random200)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_CustomizedAllObjectives)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_RandomAdaptive350)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_RetakeOver500Tests)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    examsim::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    for (const char* name : kBuilders) {
        const double small = reporter.seconds(std::string(name) + "/2000/manual_time");
        const double large = reporter.seconds(std::string(name) + "/20000/manual_time");
        if (small <= 0 || large <= 0) continue;
        const std::string what = std::string(name + 3) + ": 20,000 / 2,000";
        examsim::bench::printRatio(what.c_str(), large / small, "<= 12", large / small <= 12);
        std::printf("      %s at 20,000 questions: %.2f ms CPU\n", name + 3, large * 1000.0);
    }
    benchmark::Shutdown();
    return 0;
}
