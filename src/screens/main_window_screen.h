// frmMDIMain, the main window: the frame the screens open in, its menus and
// what they do, and the exit guard.
#pragma once
#include "screens/instruction_dialog.h"

#include <filesystem>
#include <string>
#include <vector>

namespace examsim {

struct AppContext;

struct MenuItem {
    std::string name;
    std::string caption;
    bool enabled = true;
    std::vector<MenuItem> items;
    bool separator() const { return caption == "-"; }
};

// The screens the menus lead to. Each comes with a later part of the program;
// until it is there its menu entries stay disabled.
class TestLauncher {
public:
    virtual ~TestLauncher() = default;
    virtual bool startTest(const std::string& name) = 0;
    // Clears the exam-closed flag, sets the mode label, hides the mode screen
    // and shows the question screen.
    virtual void openQuestionScreen(const std::string& modeLabel) = 0;
};

class ModeScreenControl {
public:
    virtual ~ModeScreenControl() = default;
    virtual int frameNum() = 0;
    virtual void gotoFrame(int frame) = 0;
    virtual void setModeLabel(const std::string& label) = 0;
    virtual bool showCustomOption() = 0;
    virtual bool showPerformanceHistory() = 0;
};

class HtmlViewer {
public:
    virtual ~HtmlViewer() = default;
    virtual void showModal(const std::filesystem::path& page) = 0;
};

// The main window's own modal dialogs.
class ShellDialogs {
public:
    virtual ~ShellDialogs() = default;
    virtual void showInstructions(InstructionTarget& parent) = 0;
    // The exit confirmation (frmMsg); its "Yes" ends the program.
    virtual void confirmExit() = 0;
};

struct ShellTargets {
    TestLauncher* tests = nullptr;
    ModeScreenControl* mode = nullptr;
    HtmlViewer* viewer = nullptr;
    ShellDialogs* dialogs = nullptr;
};

// Movie placement inside the main window, in twips.
struct MovieLayout {
    int movieTop = 0;
    int movieWidth = 0;
    int movieHeight = 0;
    int mainHeight = 0;  // the main window's height after the rule
};
MovieLayout resizeLayout(bool maximised, int mainWidth, int mainHeight);

// The instruction dialog answers through InstructionTarget.
class frmMDIMain : public InstructionTarget {
public:
    frmMDIMain(AppContext& ctx, ShellTargets targets);

    void load();
    void activate();
    // A menu entry was chosen; practice items are named "mnuPractice(i)".
    void menuCommand(const std::string& name);
    // The close box and "Exit": the exit confirmation decides.
    void requestClose();

    // The exam instructions before a standard test, when the product asks
    // for them; false when the learner cancelled them.
    bool instructionsAccepted();
    // A screen switches an entry on or off; it stays so across activations.
    void setEntryEnabled(const std::string& name, bool on);

    const std::vector<MenuItem>& menus() const { return menus_; }
    const MenuItem* find(const std::string& name) const;
    const std::string& caption() const { return caption_; }


private:
    MenuItem* findMutable(const std::string& name);
    void enable(const std::string& name, bool on);
    void standardStart(const std::string& name);
    void practice(int i);
    void quiz();
    void performanceHistory();
    void resetAll();

    AppContext& ctx_;
    ShellTargets targets_;
    std::vector<MenuItem> menus_;
    std::string caption_;
    std::string helpFolder_;
    std::string quickRevisionFolder_;
    std::string quickRevisionFile_;
    bool hasQuickRevision_ = false;
    bool historyReset_ = false;
    bool resetHeldOff_ = false;
    std::string learningLabel_;
    std::string certificationLabel_;
    std::string interactiveLabel_;
};

}  // namespace examsim
