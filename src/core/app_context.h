#pragma once
#include "core/app_paths.h"
#include "core/crypt_api.h"
#include "core/host.h"
#include "core/node_index.h"

#include <cstdint>
#include <pugixml.hpp>
#include <set>
#include <string>
#include <unordered_map>

namespace examsim {

// Everything process-wide: the data documents, the message catalogue, the two
// ciphers, the step traces, counters and flags. Members start empty and live
// as long as the context; the program has one (instance()), tests make their own.
struct AppContext {
    AppPaths paths;
    Host host;

    pugi::xml_document productDoc;
    pugi::xml_document systemDoc;
    pugi::xml_document reportDoc;
    pugi::xml_document bankDoc;
    pugi::xml_document answerDoc;
    pugi::xml_document quizDoc;
    pugi::xml_document tipDoc;
    pugi::xml_document savedExamDoc;

    std::unordered_map<std::string, std::string> catalogue;
    // Question id to its first `Ans` in the answer document; rebuilt whenever
    // that document is replaced (indexAnswers).
    NodeIndex answerIndex{"quid"};

    clsCryptAPI dataCipher;
    clsCryptAPI movieCipher;

    std::string loadTrace;
    std::string reportTrace;

    std::int16_t practiceCount = 0;
    std::int16_t currentTestIndex = 0;  // position of the last standard test started
    bool modeScreenReady = false;
    std::string versionCode;
    std::string sku;
    std::string validateValue;

    bool screen1024 = false;
    float horizontalScale = 1.0f;
    float verticalScale = 1.0f;
    std::int16_t contentSize = 0;
    std::string windowTitle;

    // The test being handed between builders, screens and the saved exam.
    std::string currentTestFileName = "simulator";
    // Other plain files of "\Database\" the host wrote for a movie to read
    // (the bookmark list, deciphered pages): with the current test file, the
    // only files a movie's "kill" may delete.
    std::set<std::string> handedToMovies;
    std::string currentModeLabel;

    // What the test being started allows, set by its starter: bookmarking its
    // questions, recording its result, saving it for later (false for a quiz).
    bool bookmarkKind = true;
    bool recordableResult = true;
    bool quizKind = true;
    // Set once the running test has been closed; every start clears it.
    bool examClosed = false;
    // The learner's timer choice: "1" runs the clock; empty until chosen.
    std::string examTimer;

    static AppContext& instance();
};

// The current test file: application folder + "\Database\" + its name.
std::filesystem::path currentTestFilePath(const AppContext& ctx);

// The screen-1024 flag and the scales from the screen's size in pixels.
void computeScreenScale(AppContext& ctx);

// The application help file and the default mouse pointer.
void initScreenAndHelp(AppContext& ctx);

}  // namespace examsim
