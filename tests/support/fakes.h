#pragma once
#include "core/app_context.h"
#include "core/host.h"

#include <deque>
#include <locale>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace examsim::test {

struct ShownMessage {
    std::string text;
    BoxStyle style;
    std::string title;
};

// Records every box; answers from a queue (msg::Ok when it is empty).
class FakeMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(const std::string& text, BoxStyle style, const std::string& title) override;
    std::vector<ShownMessage> shown;
    std::deque<BoxAnswer> answers;
};

class FakeLinkOpener : public LinkOpener {
public:
    void openLink(const std::string& target) override { opened.push_back(target); }
    std::vector<std::string> opened;
};

class FakeMailer : public Mailer {
public:
    bool send(const MailMessage& mail) override;
    std::vector<MailMessage> sent;
    bool succeed = true;
};

// Thrown instead of ending the process, so a test can see the program end.
struct ProgramEnded : std::runtime_error {
    explicit ProgramEnded(int code) : std::runtime_error("program ended"), exitCode(code) {}
    int exitCode;
};

class FakeProgramControl : public ProgramControl {
public:
    [[noreturn]] void endProgram(int exitCode) override;
    int endCount = 0;
};

class FakeScreen : public ScreenServices {
public:
    ScreenSize screenPixels() override { return size; }
    void setApplicationHelpFile(const std::filesystem::path& p) override { helpFile = p; }
    void resetMousePointer() override { ++pointerResets; }
    ScreenSize size{1024, 768};
    std::filesystem::path helpFile;
    int pointerResets = 0;
};

class FakeHelpViewer : public HelpViewer {
public:
    void showTopic(const std::filesystem::path& file, const std::string& topic) override {
        shown.emplace_back(file, topic);
    }
    std::vector<std::pair<std::filesystem::path, std::string>> shown;
};

class FakeAboutScreen : public AboutScreen {
public:
    void showAbout() override { ++shown; }
    int shown = 0;
};

// Movie whose variables are a map; every call is logged in order.
class FakeMovie : public Movie {
public:
    void LoadMovie(int layer, const std::filesystem::path& file) override;
    void SetVariable(const std::string& name, const std::string& value) override;
    std::string GetVariable(const std::string& name) override;
    void GotoFrame(int frame) override;
    void TGotoFrame(const std::string& target, int frame) override;
    int FrameNum() override { return frame; }
    void Rewind() override;
    void Stop() override { log.push_back("Stop"); }

    std::map<std::string, std::string> vars;
    std::vector<std::pair<std::string, std::string>> sets;  // in order
    std::vector<std::string> log;
    int frame = 0;
};

// Returns the queued draws in order, then a fixed repeating sequence.
class FakeRandom : public RandomSource {
public:
    double next() override;
    std::deque<double> values;
    int drawn = 0;
};

// A fixed time; dates in the form of a chosen locale, "C" unless a test sets one.
class FakeClock : public Clock {
public:
    std::time_t now() override { return time; }
    std::string shortDate(std::time_t when) override;
    std::time_t time = 1796558400;  // 2026-12-06 12:00 UTC
    std::locale locale = std::locale::classic();
};

// A context wired to all the fakes, rooted at a folder.
struct FakeHost {
    FakeMessageBoxes messages;
    FakeLinkOpener links;
    FakeMailer mail;
    FakeProgramControl program;
    FakeScreen screen;
    FakeRandom random;
    FakeClock clock;
    FakeHelpViewer help;
    FakeAboutScreen about;
    void attach(AppContext& ctx);
};

}  // namespace examsim::test
