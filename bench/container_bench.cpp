// Cipher throughput against memcpy, and loading a data document (decipher,
// convert, parse) against pugixml parsing the same plain text from memory.
#include "bench_ratios.h"
#include "core/app_context.h"
#include "core/atomic_file.h"
#include "core/data_file.h"

#include <cstring>
#include <filesystem>
#include <unistd.h>

using namespace examsim;

namespace {

constexpr std::size_t kCipherBytes = 64u << 20;

std::string makeDocumentText(std::size_t targetBytes) {
    std::string s = "<?xml version=\"1.0\"?>\r\n<QuestionBank>\r\n";
    for (int i = 0; s.size() < targetBytes; ++i) {
        s += "<item questionId=\"Q" + std::to_string(i) +
             "\" type=\"Single Choice\" topic=\"IP Addressing and Subnetting\" level=\"Beginner\" total_marks=\"1\">"
             "<statement>Which mask gives 62 usable host addresses per subnet? Caf\xC3\xA9 \xE2\x82\xAC</statement>"
             "<responses><response name=\"A\">255.255.255.192</response><response name=\"B\">255.255.255.224</response>"
             "</responses><explanation>A /26 leaves 6 host bits: 2^6 - 2 = 62.</explanation></item>\r\n";
    }
    return s + "</QuestionBank>\r\n";
}

struct Fixture {
    std::filesystem::path folder;
    std::string plainUtf8;
    AppContext ctx;
    Fixture() {
        folder = std::filesystem::temp_directory_path() / ("examsim-bench-" + std::to_string(::getpid()));
        std::filesystem::create_directories(folder / "Database");
        ctx.paths.setFolder(folder);
        plainUtf8 = makeDocumentText(5u << 20);
        pugi::xml_document doc;
        parseXml(doc, plainUtf8);
        saveDataDocument(ctx, doc, "Big");
        plainUtf8 = xmlText(doc);  // the same text the loader will see
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void BM_Memcpy64MiB(benchmark::State& state) {
    std::vector<std::uint8_t> a(kCipherBytes, 1), b(kCipherBytes);
    for (auto _ : state) {
        std::memcpy(b.data(), a.data(), a.size());
        benchmark::DoNotOptimize(b.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kCipherBytes));
}

void BM_Cipher64MiB(benchmark::State& state) {
    std::vector<std::uint8_t> a(kCipherBytes, 1);
    clsCryptAPI c;
    c.Key(kPassPhrase);
    for (auto _ : state) {
        c.EncryptByte(a);
        benchmark::DoNotOptimize(a.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kCipherBytes));
}

void BM_ParsePlain5MB(benchmark::State& state) {
    const std::string& text = fixture().plainUtf8;
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(doc.load_buffer(text.data(), text.size(), pugi::parse_default, pugi::encoding_utf8));
    }
}

void BM_LoadDataDocument5MB(benchmark::State& state) {
    Fixture& f = fixture();
    for (auto _ : state) {
        pugi::xml_document doc;
        benchmark::DoNotOptimize(loadDataDocument(f.ctx, "Big", doc).ok);
    }
}

}  // namespace

BENCHMARK(BM_Memcpy64MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Cipher64MiB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParsePlain5MB)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadDataDocument5MB)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    examsim::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    const double cipher = reporter.seconds("BM_Cipher64MiB"), copy = reporter.seconds("BM_Memcpy64MiB");
    const double load = reporter.seconds("BM_LoadDataDocument5MB"), parse = reporter.seconds("BM_ParsePlain5MB");
    if (cipher > 0 && copy > 0)
        examsim::bench::printRatio("cipher throughput / memcpy throughput (64 MiB)", copy / cipher, ">= 0.5", copy / cipher >= 0.5);
    if (load > 0 && parse > 0)
        examsim::bench::printRatio("load data document / plain pugixml parse (5 MB)", load / parse, "<= 1.5", load / parse <= 1.5);
    benchmark::Shutdown();
    return 0;
}
