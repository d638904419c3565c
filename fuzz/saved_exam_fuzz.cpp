// Save and resume: a played test and position as a movie may send them,
// and a saved-exam store as a damaged file may hold it.
#include "core/app_context.h"
#include "core/encoding.h"
#include "core/file_io.h"
#include "core/xml.h"
#include "support/fuzz_app.h"
#include "testrun/saved_exam.h"

using namespace examsim;
using namespace examsim::fuzz;

namespace {

bool plainText(std::string_view s) {
    for (unsigned char c : s)
        if (c < 0x20 || c > 0x7E) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const auto [position, played] = splitInput(input);
    // The bridge hands a movie's text over as UTF-8, and a saved exam holds
    // only what Windows-1252 can store.
    std::string storable;
    if (utf8ToCp1252(played, storable)) {
        AppContext& ctx = app().fresh();
        if (saveTest(ctx, std::string(played), std::string(position))) {
            require(loadSaveExam(ctx), "a saved exam resumes");
            require(!std::filesystem::exists(savedExamPath(ctx)), "resuming consumes the saved exam");
            std::string text;
            require(readWholeFile(currentTestFilePath(ctx), text), "the resumed test is handed over");
            pugi::xml_document test;
            require(static_cast<bool>(parseXml(test, cp1252ToUtf8(text))), "the resumed test parses");
            if (plainText(position))
                require(std::string(test.document_element().attribute("currentQuestionID").value()) == position,
                        "the position comes back as it was saved");
        }
    }
    AppContext& ctx = app().fresh();
    writeContainer(savedExamPath(ctx), input);
    const bool resumed = loadSaveExam(ctx);
    require(resumed != std::filesystem::exists(savedExamPath(ctx)), "the store is consumed exactly when resumed");
    return 0;
}
