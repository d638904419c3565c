#pragma once
#include <filesystem>
#include <string>

namespace examsim {

struct AppContext;

// "\Database\savedexam" under the application folder.
std::filesystem::path savedExamPath(const AppContext& ctx);

// Stores the played test as the one saved exam, with "currentQuestionID" =
// position on its root. False, after a message, when the text does not parse
// or the store cannot be written; an earlier saved exam is then kept.
bool saveTest(AppContext& ctx, const std::string& testXml, const std::string& position);

// Restores the saved exam into the current test file, sets the current mode
// label from its "name" and consumes the store. A store that does not parse
// shows "qe5" and stays. False when nothing was restored.
bool loadSaveExam(AppContext& ctx);

// Writes the text as the current test file.
void saveQuestionXml(AppContext& ctx, std::string text);

}  // namespace examsim
