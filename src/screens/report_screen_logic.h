// frmReport, the report screen: the result of one test, its review, its
// bookmarks, mail, printing and the way on to the history or the bookmarks.
#pragma once
#include "core/message_codes.h"
#include "screens/movie_screen.h"
#include "screens/report_peers.h"

#include <string>

namespace examsim {

// The report screen, frmReport. Its movie reads the test in the current test
// file and hands it back as "reportXml" (shown) and "myreportXml" (to store).
class frmReport : public MovieScreen {
public:
    static constexpr const char* kSaved = "Your Report has been Saved!";
    static constexpr const char* kAlreadySaved = "This Report is already saved!";
    static constexpr const char* kUseBookmarkOption =
        "Use Bookmark this question option at the top of the screen to create a bookmark.";
    static constexpr const char* kSaveBookmarks = "Do you want to save your Bookmark(s)?";
    static constexpr const char* kUpdateRemarks = "Do you want to update your Remark(s)?";
    static constexpr const char* kReportNotRead = "Error while loading report xml";
    static constexpr const char* kMailerFailed = "Error while opening Default mailer";
    static constexpr const char* kMailSubject = "(Report)";

    frmReport(AppContext& ctx, ReportPeers peers = {});

    ReportPeers& peers() { return peers_; }

    // Set by the mode screen before it opens the bookmark explanations;
    // cleared by load and once sent to the movie.
    bool reportBookmarked = false;

    // Once per window: the product texts, "txtResolution", the flag cleared.
    void load();
    // Each time the screen becomes active: the movie afresh and its variables
    // in order. The movie control's height is given in twips.
    void activate(double movieHeightTwips);

    const std::string& productTitle() const { return productTitle_; }

private:
    void addCommands();
    void addButtons();

    BoxAnswer titled(const std::string& text, BoxStyle style = {});
    BoxAnswer untitled(const std::string& text, BoxStyle style = {});
    BoxAnswer titled(const MessageCode& code, BoxStyle style = {});

    bool bookmarkPressed();
    void bookmarkQuestions(const std::string& testXml);
    void closeExplanation();
    void saveBookmark();
    void closeReportBookmark(const std::string& testXml);
    void performanceHistory();
    void emailReport();
    bool record();
    void closeReport();
    void saveReport();
    void submitScore();
    void feedback(const std::string& questionId);
    void printQuestions(const std::string& positions);
    void dragDropReport(const std::string& questionXml, const char* logLabel, const std::string& caption, bool response);
    void backToTest();
    void leaveToMode(int frame);

    ReportPeers peers_;
    std::string productName_;
    std::string productTitle_;
    std::string syncLink_;
    std::string forumLink_;
    std::string onlineResources_;
    std::string mailAddress_;
    std::string mentorAddress_;
};

}  // namespace examsim
