// Looking up the answer of every question of a generated bank: indexing the
// answer document once, then one lookup per question. The total must grow
// linearly with the bank. Times are thread CPU time (thread_cpu_time.h).
#include "bank/answers.h"
#include "bench_ratios.h"
#include "core/app_context.h"
#include "core/xml.h"
#include "generated_bank.h"
#include "thread_cpu_time.h"

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace examsim;

namespace {

void lookupEveryQuestion(benchmark::State& state, bool reversed) {
    const int n = static_cast<int>(state.range(0));
    AppContext ctx;
    parseXml(ctx.answerDoc, bench::generatedAnswers(n));
    pugi::xml_document bank;
    parseXml(bank, bench::generatedBank(n));
    std::vector<std::string> ids;
    for (const auto& x : selectAll(bank, "//item")) ids.emplace_back(x.node().attribute("questionId").value());
    if (reversed) std::reverse(ids.begin(), ids.end());
    bench::cpuTimed(state, [&] {
        indexAnswers(ctx);
        std::size_t found = 0;
        for (const std::string& id : ids) found += answerFor(ctx, id) ? 1 : 0;
        if (found != ids.size()) state.SkipWithError("an answer was not found");
        benchmark::DoNotOptimize(found);
    });
}

// In bank order, as a standard test is merged.
void BM_AnswerLookupEveryQuestion(benchmark::State& state) { lookupEveryQuestion(state, false); }
// Against the answer order, so no lookup follows the previous one.
void BM_AnswerLookupReversed(benchmark::State& state) { lookupEveryQuestion(state, true); }

}  // namespace

BENCHMARK(BM_AnswerLookupEveryQuestion)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();
BENCHMARK(BM_AnswerLookupReversed)->Arg(2000)->Arg(20000)->Unit(benchmark::kMillisecond)->UseManualTime();

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    examsim::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double small = reporter.seconds("BM_AnswerLookupEveryQuestion/2000/manual_time");
    const double large = reporter.seconds("BM_AnswerLookupEveryQuestion/20000/manual_time");
    if (small > 0 && large > 0)
        examsim::bench::printRatio("answer lookup, every question: 20,000 / 2,000", large / small, "<= 12",
                                   large / small <= 12);
    const double rsmall = reporter.seconds("BM_AnswerLookupReversed/2000/manual_time");
    const double rlarge = reporter.seconds("BM_AnswerLookupReversed/20000/manual_time");
    if (rsmall > 0 && rlarge > 0)
        std::printf("INFO  answer lookup, reversed order (every lookup hashed): 20,000 / 2,000 = %.3f\n", rlarge / rsmall);
    benchmark::Shutdown();
    return 0;
}
