#include "screens/main_window_screen.h"

#include "bank/bookmark_store.h"
#include "bank/question_bank.h"
#include "core/app_context.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/product_settings.h"
#include "reports/report_history.h"
#include "screens/exam_mode_contract.h"
#include "screens/main_window_contract.h"
#include "screens/movie_screen.h"

#include <cstdlib>

namespace examsim {
namespace {

namespace menu = main_window_contract::menu;
namespace exam_mode_frame = exam_mode_contract::frame;

constexpr const char* kReportFile = "\\Database\\MainReport.wlb";

std::vector<MenuItem> designedMenus() {
    return {
        {menu::File, "&File", true,
         {{menu::MockExam, "&Mock Exam", true,
           {{menu::Diagnostic, "&Diagnostic", true, {}},
            {menu::PracticeExam, "&Practice", true, {{menu::practice(1), "Practice Exam-1", true, {}}}},
            {menu::Final, "Final", true, {}},
            {menu::Customized, "LearningMode", true, {}},
            {menu::Quiz, "Quiz", true, {}}}},
          {menu::Report, "&Report", true,
           {{menu::PerHistory, "Performance History", true, {}}, {menu::ResetAll, "Reset All", true, {}}}},
          {menu::Sep1, "-", true, {}},
          {menu::Exit, "Exit", true, {}}}},
        {menu::Help, "&Help", true,
         {{menu::QuickRevision, "Quick Revision Notes", true, {}},
          {menu::Content, "Contents", true, {}},
          {menu::AboutVostraneExam, "About Vostrane Exam Simulator", true, {}}}},
        {menu::Cert, "&Certification", true, {}},
    };
}

MenuItem* findIn(std::vector<MenuItem>& items, const std::string& name) {
    for (MenuItem& m : items) {
        if (m.name == name) return &m;
        if (MenuItem* found = findIn(m.items, name)) return found;
    }
    return nullptr;
}

}  // namespace

MovieLayout resizeLayout(bool maximised, int mainWidth, int mainHeight) {
    MovieLayout l;
    l.movieWidth = mainWidth - 200;
    if (maximised) {
        l.mainHeight = mainHeight;
    } else {
        l.movieTop = 0;
        l.mainHeight = static_cast<int>(mainWidth * 0.75);
    }
    l.movieHeight = l.mainHeight - 220;
    return l;
}

frmMDIMain::frmMDIMain(AppContext& ctx, ShellTargets targets)
    : ctx_(ctx), targets_(targets), menus_(designedMenus()) {}

MenuItem* frmMDIMain::findMutable(const std::string& name) { return findIn(menus_, name); }

const MenuItem* frmMDIMain::find(const std::string& name) const {
    return findIn(const_cast<std::vector<MenuItem>&>(menus_), name);
}

void frmMDIMain::enable(const std::string& name, bool on) {
    if (MenuItem* m = findMutable(name)) m->enabled = on;
}

void frmMDIMain::load() {
    ctx_.currentTestFileName = "simulator";
    const ProductSettings product(ctx_);
    helpFolder_ = product.helpFolder();
    hasQuickRevision_ = product.rootQuickRevisionNotes().has_value();
    if (hasQuickRevision_) {
        const ProductPage notes = product.quickRevisionNotes();
        quickRevisionFolder_ = notes.folder;
        quickRevisionFile_ = notes.file;
    }
    MenuItem* practice = findMutable(menu::PracticeExam);
    practice->items.resize(1);
    for (int i = 2; i <= ctx_.practiceCount; ++i)
        practice->items.push_back({menu::practice(i), "Practice Exam" + std::to_string(i), true, {}});

    const bool tests = targets_.tests != nullptr;
    enable(menu::Diagnostic, tests);
    enable(menu::Final, tests);
    for (MenuItem& item : practice->items) item.enabled = tests;
    enable(menu::Customized, targets_.mode != nullptr);
    enable(menu::Quiz, targets_.mode != nullptr);
    enable(menu::QuickRevision, targets_.viewer != nullptr && hasQuickRevision_);
    enable(menu::Content, ctx_.host.help != nullptr);
    enable(menu::AboutVostraneExam, ctx_.host.about != nullptr);
}

void frmMDIMain::activate() {
    const ProductSettings product(ctx_);
    learningLabel_ = product.learningModeLabel();
    certificationLabel_ = product.certificationModeLabel();
    interactiveLabel_ = product.interactiveQuizLabel();
    enable(menu::PerHistory, targets_.mode != nullptr && fileExists(ctx_.paths.resolve(kReportFile)));
    enable(menu::ResetAll, !historyReset_ && !resetHeldOff_);
    caption_ = ctx_.windowTitle;
}

void frmMDIMain::menuCommand(const std::string& name) {
    const MenuItem* item = find(name);
    if (!item || !item->enabled) return;
    if (name == menu::Diagnostic) standardStart("Diagnostic");
    else if (name == menu::Final) standardStart("Final");
    else if (name.rfind(menu::PracticePrefix, 0) == 0)
        practice(std::atoi(name.c_str() + std::string_view(menu::PracticePrefix).size()));
    else if (name == menu::Customized) {
        if (targets_.mode->showCustomOption()) targets_.mode->gotoFrame(exam_mode_frame::ContinueLearning);
    } else if (name == menu::Quiz) quiz();
    else if (name == menu::PerHistory) performanceHistory();
    else if (name == menu::ResetAll) resetAll();
    else if (name == menu::Exit) requestClose();
    else if (name == menu::QuickRevision) {
        if (auto page = ctx_.paths.confined(quickRevisionFolder_ + "\\" + quickRevisionFile_))
            targets_.viewer->showModal(*page);
    } else if (name == menu::Content) {
        if (auto chm = ctx_.paths.confined(helpFolder_ + "\\Help.chm")) ctx_.host.help->showTopic(*chm, kHelpTopic);
    } else if (name == menu::AboutVostraneExam) ctx_.host.about->showAbout();
    // "temp" is the message itself: no catalogue code of that name exists.
    else if (name == menu::Cert) showText(ctx_, "temp", msg::OkOnly);
}

void frmMDIMain::requestClose() {
    if (targets_.dialogs) targets_.dialogs->confirmExit();
}

// A cancel left from an earlier start must not block this one.
bool frmMDIMain::instructionsAccepted() {
    instructionCancelled = false;
    if (ProductSettings(ctx_).showExamInstructions() && targets_.dialogs)
        targets_.dialogs->showInstructions(*this);
    return !instructionCancelled;
}

void frmMDIMain::setEntryEnabled(const std::string& name, bool on) {
    if (name == menu::ResetAll) {
        resetHeldOff_ = !on;
        if (on) historyReset_ = false;
    }
    enable(name, on);
}

// Practice tests too: the product's instruction setting names them with the others.
void frmMDIMain::standardStart(const std::string& name) {
    if (!instructionsAccepted()) return;
    if (!targets_.tests->startTest(name)) return;
    targets_.tests->openQuestionScreen(certificationLabel_);
}

void frmMDIMain::practice(int i) { standardStart(practiceTestName(i)); }

void frmMDIMain::quiz() {
    if (targets_.mode->frameNum() == exam_mode_frame::Quiz) {
        showMessage(ctx_, msgcode::QuizAlreadyShown, msg::OkOnly | msg::Information);
        return;
    }
    targets_.mode->setModeLabel(interactiveLabel_);
    targets_.mode->gotoFrame(exam_mode_frame::Quiz);
}

void frmMDIMain::performanceHistory() {
    if (!fileExists(ctx_.paths.resolve(kReportFile))) {
        showMessage(ctx_, msgcode::NoHistoryYet, msg::OkOnly | msg::Information);
        return;
    }
    if (!targets_.mode->showPerformanceHistory())
        showMessage(ctx_, msgcode::HistoryUnreadable, msg::OkOnly | msg::Information);
    else
        targets_.mode->gotoFrame(exam_mode_frame::History);
}

void frmMDIMain::resetAll() {
    if (showMessage(ctx_, msgcode::ResetConfirm, msg::YesNo, "Reset Confirm") != msg::Yes) return;
    resetReportHistory(ctx_);
    deleteFile(ctx_.paths, bookmarkStorePath(ctx_));
    historyReset_ = true;
    enable(menu::PerHistory, false);
    enable(menu::ResetAll, false);
}

}  // namespace examsim
