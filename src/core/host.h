#pragma once
#include <ctime>
#include <filesystem>
#include <string>

namespace examsim {

// The few ways the logic reaches the user. The desktop layer implements
// them; tests fake them.

// Message box styles and answers, numbered as the stored data and callers use them.
namespace msg {
inline constexpr int OkOnly = 0;
inline constexpr int OkCancel = 1;
inline constexpr int YesNo = 4;
inline constexpr int Critical = 16;
inline constexpr int Question = 32;
inline constexpr int Exclamation = 48;
inline constexpr int Information = 64;

inline constexpr int Ok = 1;
inline constexpr int Cancel = 2;
inline constexpr int Yes = 6;
inline constexpr int No = 7;
}  // namespace msg

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed (msg::Ok, msg::Yes, ...).
    virtual int show(const std::string& text, int style, const std::string& title) = 0;
};

class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    // A web or mail link, or a file inside the application folder. Never starts a program.
    virtual void openLink(const std::string& target) = 0;
};

struct MailMessage {
    std::string to;
    std::string cc;
    std::string subject;
    std::string htmlBody;
    std::filesystem::path attachment;
};

class Mailer {
public:
    virtual ~Mailer() = default;
    // False when no mail program took the message.
    virtual bool send(const MailMessage& mail) = 0;
};

class ProgramControl {
public:
    virtual ~ProgramControl() = default;
    // Closes every window and ends the process; runs no further code of the caller.
    [[noreturn]] virtual void endProgram(int exitCode) = 0;
};

struct ScreenSize {
    int width = 0;
    int height = 0;
};

class ScreenServices {
public:
    virtual ~ScreenServices() = default;
    virtual ScreenSize screenPixels() = 0;
    virtual void setApplicationHelpFile(const std::filesystem::path& helpFile) = 0;
    virtual void resetMousePointer() = 0;
};

// The help window: a topic of a compiled help file.
class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    virtual void showTopic(const std::filesystem::path& helpFile, const std::string& topic) = 0;
};

// The about screen, shown modally from any screen's "btnAbout".
class AboutScreen {
public:
    virtual ~AboutScreen() = default;
    virtual void showAbout() = 0;
};

// A screen's movie as the logic sees it.
class Movie {
public:
    virtual ~Movie() = default;
    virtual void LoadMovie(int layer, const std::filesystem::path& file) = 0;
    virtual void SetVariable(const std::string& name, const std::string& value) = 0;
    virtual std::string GetVariable(const std::string& name) = 0;
    virtual void GotoFrame(int frame) = 0;
    virtual void TGotoFrame(const std::string& target, int frame) = 0;
    virtual int FrameNum() = 0;
    virtual void Rewind() = 0;
    virtual void Stop() = 0;
};

// Uniform draws in [0, 1) for the random tests; the program's is seeded from
// the clock, tests queue their own values.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual double next() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::time_t now() = 0;
    // The day of `when` (local time) in the user's short date form.
    virtual std::string shortDate(std::time_t when) = 0;
};

// What the logic holds of the desktop; any member may be left empty in tests
// that do not reach it.
struct Host {
    MessageBoxes* messages = nullptr;
    LinkOpener* links = nullptr;
    Mailer* mail = nullptr;
    ProgramControl* program = nullptr;
    ScreenServices* screen = nullptr;
    RandomSource* random = nullptr;  // empty: a clock-seeded generator of the logic's own
    Clock* clock = nullptr;          // empty: the system clock (SystemClock)
    HelpViewer* help = nullptr;
    AboutScreen* about = nullptr;
};

}  // namespace examsim
