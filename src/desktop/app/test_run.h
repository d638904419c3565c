#pragma once
#include "screens/main_window_screen.h"
#include "screens/question_screen.h"
#include "screens/test_run_peers.h"

#include <functional>
#include <memory>

namespace examsim {

struct AppContext;
class ExhibitViewers;
class ImageScreens;
class MainWindow;
class QuestionScreenWindow;
class ReportScreen;
class WebEnvironment;

// Plays tests on the question screen, created by the first start; starts the
// standard tests of the main window's menus until the mode screen does.
class DesktopTestRun : public QuestionScreen, public TestLauncher, public ModeScreenReturn {
public:
    DesktopTestRun(AppContext& ctx, WebEnvironment& web);
    ~DesktopTestRun() override;

    // The frame the question screen opens in; set before the first start.
    void attach(MainWindow& main) { main_ = &main; }

    bool startTest(const std::string& name) override;
    void openQuestionScreen(const std::string& modeLabel) override;
    void showQuestionScreen(bool resumed) override;
    void showModeScreen() override;

    // The mode screen's window, once there is one.
    std::function<void()> hideMode;
    std::function<void()> showMode;
    ReportScreen* report = nullptr;  // the report screen, set before the first start
    DragDropScreen* dragDrop = nullptr;

    QuestionScreenWindow* questionScreen() const { return question_; }
    ExhibitViewers& exhibits() { return *exhibits_; }
    ImageScreens& images() { return *images_; }

private:
    AppContext& ctx_;
    WebEnvironment& web_;
    MainWindow* main_ = nullptr;
    QuestionScreenWindow* question_ = nullptr;
    std::unique_ptr<ExhibitViewers> exhibits_;
    std::unique_ptr<ImageScreens> images_;
};

}  // namespace examsim
