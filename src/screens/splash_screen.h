// frmSplash, the splash screen: the product's title while the loader
// prepares the main window and the mode screen.
#pragma once
#include "screens/movie_screen.h"

#include <string>

namespace examsim {

// What the splash loader drives outside itself: its window and the loaders
// and screens of the layers above.
class SplashHost {
public:
    virtual ~SplashHost() = default;
    virtual void setCaption(const std::string& text) = 0;
    virtual void setStatusLabel(const std::string& text) = 0;
    virtual void loadReports() = 0;
    // Loads the question bank with its load trace and counts the practice tests.
    virtual void loadQuestionBank() = 0;
    // Loads the main window and the mode screen without showing them.
    virtual void prepareScreens() = 0;
    // The hand-over rule: the mode screen's movie has reported ready.
    virtual bool readyForHandOver() = 0;
    virtual void stopTimer() = 0;
    virtual void startModeScreen() = 0;
    // Unloads the splash screen and shows the mode screen, then the main window.
    virtual void handOver() = 0;
};

class frmSplash : public MovieScreen {
public:
    frmSplash(AppContext& ctx, SplashHost& host);

    // Loads the movie and sends it the product's texts.
    void load();
    // One tick of the loader timer.
    void runSplashLoader();

    int ticks() const { return ticks_; }
    bool loaded() const { return loaded_; }

private:
    void status(const std::string& text);
    void loadingBlock();

    SplashHost& host_;
    int ticks_ = 0;
    bool loaded_ = false;
    bool handedOver_ = false;
};

}  // namespace examsim
