#pragma once
#include "screens/exam_mode_screen.h"
#include "screens/live_update.h"
#include "screens/page_viewers.h"
#include "screens/question_screen.h"
#include "screens/report_screen.h"
#include "support/context_fixture.h"

#include <string>
#include <vector>

namespace examsim::test {

// Every screen the mode screen leads to, logging what it was asked, in order.
struct ModeScreens : QuestionScreen, ReportScreen, ModeWindow, PageViewers, ShellEntries, LiveUpdate {
    void showQuestionScreen(bool resumed) override { log.push_back(resumed ? "question resumed" : "question"); }
    void showReport() override { log.push_back("report"); }
    void showBookmarkExplanations() override { log.push_back("bookmark explanations"); }
    void hideModeScreen() override { log.push_back("hide"); }
    void showModeScreen() override { log.push_back("show"); }
    void showObjectiveGrid() override { log.push_back("grid"); }
    void showHtmlPage(const std::filesystem::path& p, const std::string& caption) override {
        log.push_back("html " + p.filename().string() + " " + caption);
    }
    void showPrintablePage(const std::filesystem::path& p, const std::string& caption) override {
        log.push_back("print " + p.filename().string() + " " + caption);
    }
    bool instructionsAccepted() override {
        log.push_back("instructions");
        return acceptInstructions;
    }
    void setMenuEntryEnabled(const std::string& name, bool on) override { log.push_back(name + (on ? " on" : " off")); }
    void checkUpdate() override { log.push_back("check update"); }
    void showLiveUpdate() override { log.push_back("live update"); }

    ModeTargets all() { return {this, this, this, this, this, this}; }
    std::vector<std::string> log;
    bool acceptInstructions = true;
};

// An application folder with a small product: two practice tests of four
// questions each, a Diagnostic and a Final, a quiz, tips and the mode movie.
// Every catalogue code reads as itself.
class ModeFixture : public ContextFixture {
protected:
    void SetUp() override;
    // The mode screen loaded on the fake movie.
    frmExamMode& loaded();
    void command(const std::string& c, const std::string& a = "") { mode->FSCommand(c, a); }
    void click(const std::string& button) { command("ButtonClick", button); }
    bool handedOver() const { return std::filesystem::exists(currentTestFilePath(ctx)); }
    // The report history holding one record per name.
    void historyOf(const std::vector<std::string>& names, bool stored = true);

    FakeMovie movie;
    ModeScreens screens;
    std::optional<frmExamMode> mode;
};

}  // namespace examsim::test
