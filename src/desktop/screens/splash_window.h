#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/splash_screen.h"

#include <QElapsedTimer>
#include <QTimer>
#include <functional>

class QLabel;

namespace examsim {

// What the splash screen's loader reaches beyond itself.
struct SplashSteps {
    std::function<void()> loadReports;
    std::function<void()> loadQuestionBank;
    std::function<void()> prepareScreens;
    std::function<bool()> modeScreenReady;
    std::function<void()> startModeScreen;
    std::function<void()> handOver;
};

// frmSplash's window: the splash movie, the status label lblStatus and the
// loader timer Timer1.
class SplashWindow : public MovieWindow, public SplashHost {
    Q_OBJECT
public:
    static constexpr int kTickMilliseconds = 10;
    static constexpr int kShownMilliseconds = 80;

    SplashWindow(AppContext& ctx, WebEnvironment& web, SplashSteps steps);

    // Shows the window, loads the movie and starts the loader.
    void start();
    frmSplash& logic() { return logic_; }
    QLabel* lblStatus() { return status_; }

    void setCaption(const std::string& text) override;
    void setStatusLabel(const std::string& text) override;
    void loadReports() override;
    void loadQuestionBank() override;
    void prepareScreens() override;
    bool readyForHandOver() override;
    void stopTimer() override { timer_.stop(); }
    void startModeScreen() override;
    void handOver() override;

private:
    frmSplash logic_;
    SplashSteps steps_;
    QLabel* status_;
    QTimer timer_;
    QElapsedTimer drawn_;
};

}  // namespace examsim
