// frmExamMode, the mode selection screen, with what it reaches outside itself.
#pragma once
#include "core/message_codes.h"
#include "screens/main_window_contract.h"
#include "screens/main_window_screen.h"
#include "screens/movie_screen.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace examsim {

class LiveUpdate;
class PageViewers;
class QuestionScreen;
class ReportScreen;

// The window the mode screen lives in.
class ModeWindow {
public:
    virtual ~ModeWindow() = default;
    virtual void hideModeScreen() = 0;
    virtual void showModeScreen() = 0;
    // frmPGrid, modally.
    virtual void showObjectiveGrid() = 0;
};

// The main window as the mode screen reaches it.
class ShellEntries {
public:
    virtual ~ShellEntries() = default;
    // The exam instructions, modally, when the product asks for them; false
    // when the learner cancelled them.
    virtual bool instructionsAccepted() = 0;
    virtual void setMenuEntryEnabled(const std::string& name, bool enabled) = 0;
};

// Where the mode screen's commands lead; any may be empty, and a command whose
// target is missing builds nothing it could not show.
struct ModeTargets {
    QuestionScreen* questions = nullptr;
    ReportScreen* reports = nullptr;
    ModeWindow* window = nullptr;
    PageViewers* viewers = nullptr;
    ShellEntries* shell = nullptr;
    LiveUpdate* update = nullptr;
};

// The mode selection screen, frmExamMode: the hub every test starts from. It
// also serves the main window's menus, as their TestLauncher and
// ModeScreenControl.
class frmExamMode : public MovieScreen, public TestLauncher, public ModeScreenControl {
public:
    // The main-window entry that the history page switches off and Back and
    // the bookmark page switch on again.
    static constexpr const char* kGuardedMenuEntry = main_window_contract::menu::ResetAll;

    frmExamMode(AppContext& ctx, ModeTargets targets = {});

    ModeTargets& targets() { return targets_; }

    // Load steps 1 to 7 (the movie's size is the window's).
    void load();
    // Activation: the content size again, and the practice marks when the
    // certification page is up.
    void activate();
    // The page the splash hands over to: certification, with the practice
    // tests already taken marked.
    void showStartPage();

    // Every command first allows everything (bookmark, record, save).
    void FSCommand(const std::string& command, const std::string& args) override;

    bool poolWritten() const { return poolWritten_; }
    std::int32_t totalQuestions() const { return totalQuestions_; }
    std::int32_t availableQuizQuestions() const { return availableQuiz_; }
    const std::string& screenTitle() const { return screenTitle_; }

    // TestLauncher.
    bool startTest(const std::string& name) override;
    void openQuestionScreen(const std::string& modeLabel) override;
    // ModeScreenControl.
    int frameNum() override;
    void gotoFrame(int frame) override;
    void setModeLabel(const std::string& label) override;
    bool showCustomOption() override;
    bool showPerformanceHistory() override;

private:
    struct Page {
        std::string text;
        std::string uri;
    };

    void readProductTexts();
    void setLoadVariables();
    void addCommands();
    void addExamModeButtons();
    void addPageButtons();

    BoxAnswer say(const MessageCode& code, BoxStyle style = {});
    BoxAnswer sayText(const std::string& text, BoxStyle style = {});
    BoxAnswer plain(const std::string& text, BoxStyle style = {});
    void open(bool resumed = false);
    void standardStart(const std::string& name, bool practice);
    void startSavedExam(bool ask);
    void startPool();
    void markPracticeTaken();
    void performanceHistory(bool fromHistoryButton);
    void quizTopicsChanged(const std::string& topics);
    void startQuiz(const std::string& topics);
    void startCustomized(const std::string& kind);
    void startAdaptive(const std::string& kind);
    std::optional<double> learningStart(const std::string& kind);
    std::optional<double> learningSeconds();
    std::optional<std::int32_t> randomQuestionCount();
    void remainingBookmarks();
    void bookmarkExplanation(const std::string& testXml);
    void reportByPerformance(const std::string& position);
    void examTimer(const std::string& value);
    void fontSize();
    void htmlPage(const Page& page, const MessageCode& missingCode, const std::string& caption);
    void showPage(const std::string& relative, const std::string& caption, bool enciphered);

    ModeTargets targets_;
    bool poolWritten_ = false;
    std::int32_t totalQuestions_ = 0;
    std::int32_t availableQuiz_ = 0;
    std::string productTitle_;
    std::string screenTitle_;
    std::string learningLabel_;
    std::string certificationLabel_;
    std::string interactiveLabel_;
    std::string mentorAddress_;
    Page examInformation_;
    Page simulatorFeature_;
    Page tipOfToday_;
    Page quickRevision_;
    Page tipsNTricks_;
    Page onlineResources_;
};

}  // namespace examsim
