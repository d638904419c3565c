#pragma once
#include <QProcess>
#include <QString>
#include <filesystem>
#include <string>

namespace examsim::test {

// The sample product assembled into `app` with the real program beside it.
bool assembleSampleApp(const std::filesystem::path& app);

// Replaces the text `from` by `to` inside the plain content of an enciphered file.
void patchEnciphered(const std::filesystem::path& file, const std::string& from, const std::string& to);

// Starts the real program of `app` offscreen, printing its window log.
void startProgram(QProcess& program, const std::filesystem::path& app, const std::filesystem::path& runtime);

// Waits until the program printed `line` on standard output or ended.
bool waitForLine(QProcess& program, const QString& line, int timeoutMs = 90000);

}  // namespace examsim::test
