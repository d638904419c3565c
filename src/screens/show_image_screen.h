// frmShowImage, the drag-and-drop report screen: one drag-and-drop or hot-spot
// question of a report, the learner's answer or the right one, opened modally
// by the report screen with the question in the current test file.
#pragma once
#include "screens/movie_screen.h"

#include <string>

namespace examsim {

class LiveUpdate;
class ModeScreenFromReport;
class PageViewers;
class QuestionScreen;

// The windows this screen hides.
class ShowImageWindows {
public:
    virtual ~ShowImageWindows() = default;
    virtual void hideShowImage() = 0;
    virtual void hideReportScreen() = 0;
};

struct ShowImagePeers {
    ShowImageWindows* windows = nullptr;
    ModeScreenFromReport* mode = nullptr;
    QuestionScreen* question = nullptr;
    PageViewers* viewers = nullptr;
    LiveUpdate* update = nullptr;
};

class frmShowImage : public MovieScreen {
public:
    frmShowImage(AppContext& ctx, ShowImagePeers peers);

    // Set by the report screen before it shows this one; cleared once sent.
    bool showUserResponse = false;

    // Once per window: "txtResolution".
    void load();
    // Each time the screen is shown: the movie afresh and its variables.
    void activate();

    // The chosen questions of "reportXml" ("2,1": children 2 and 1 of its
    // Test, the property being child 0), as a printable document.
    std::string printReport(const std::string& positions);
    // The whole of "reportXml" as a printable document.
    std::string simulatorText();

private:
    std::string productTitle() const;
    void say(const std::string& text, BoxStyle style, const std::string& title);
    void bookmark(const std::string& xml);
    void closeExplanation(const std::string& xml);
    void performanceHistory();
    void leaveToMode(int frame);
    Movie* modeMovie();
    void emailReport();
    void closeReport();
    void saveReport();
    void printQuestion(const std::string& positions);
    void closeReportBookmarks(const std::string& xml);

    ShowImagePeers peers_;
};

}  // namespace examsim
