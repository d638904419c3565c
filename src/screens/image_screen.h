// frmImage, the drag-and-drop screen: plays one drag-and-drop or hot-spot
// question, handed over in the current test file, over the question screen,
// and hands the learner's response record back to the question movie.
#pragma once
#include "screens/finish_dialog.h"
#include "screens/movie_screen.h"
#include "screens/test_run_peers.h"

#include <optional>
#include <string>

namespace examsim {

// Sizes for a "dimensions" command: the movie in the window's own units
// (pixels), the window in twips.
struct ImageScreenSize {
    int movieWidth = 0;
    int movieHeight = 0;
    int windowWidthTwips = 0;
    int windowHeightTwips = 0;
    friend bool operator==(const ImageScreenSize&, const ImageScreenSize&) = default;
};

// The window the screen plays in.
class ImageWindow {
public:
    virtual ~ImageWindow() = default;
    virtual void hideImageScreen() = 0;
    virtual void disableFileMenu() = 0;
    virtual double twipsPerPixelX() = 0;
    virtual double twipsPerPixelY() = 0;
    virtual void sizeImageScreen(const ImageScreenSize& size) = 0;
};

struct ImageScreenPeers {
    ImageWindow* window = nullptr;
    FinishDialogs* finish = nullptr;
    class ReportScreen* report = nullptr;
    ModeScreenReturn* mode = nullptr;
    // The question screen under this one: hidden as well when a test ends here.
    QuestionWindow* question = nullptr;
    // The question movie, which takes the response record in "txtUAR".
    Movie* questionMovie = nullptr;
};

class frmImage : public MovieScreen, public ReplyTarget {
public:
    frmImage(AppContext& ctx, ImageScreenPeers peers);

    // Once per window: the mode label, help folder and copyright line.
    void load();
    // Each time the screen is shown: the movie afresh and its start variables.
    void activate();
    // "txtUAR" = "" in this screen's movie.
    void clearResponse();

    // "Practice2" -> "Practice 2 Exam", "Diagnostic" -> "Diagnostic Exam".
    static std::string examCaption(const std::string& modeLabel);
    // Nothing unless the argument is two numbers in pixels joined by ":".
    static std::optional<ImageScreenSize> dimensions(const std::string& args, double twipsPerPixelX,
                                                     double twipsPerPixelY);

    const std::string& helpFolder() const { return helpFolder_; }
    const std::string& copyright() const { return copyright_; }

private:
    void resize(const std::string& args);
    void finishQuestion(const std::string& record);
    void feedback(const std::string& questionId);
    void timeOver();
    void finishTest();
    void saveAndResume();
    bool askFinish(bool afterTimeOver);
    void endTest(bool afterTimeOver);
    void leaveTest(bool modeScreen);
    void hideScreens();

    ImageScreenPeers peers_;
    std::string helpFolder_;
    std::string copyright_;
    int dialogs_ = 0;
};

}  // namespace examsim
