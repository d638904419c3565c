#pragma once
#include <ctime>
#include <filesystem>
#include <string>

namespace examsim {

// The few ways the logic reaches the user. The desktop layer implements
// them; tests fake them.

// Message boxes: the buttons, the icon and the answer, numbered as the
// catalogue's callers and the stored data write them (a style is buttons + icon).
enum class BoxButtons { OkOnly = 0, OkCancel = 1, AbortRetryIgnore = 2, YesNoCancel = 3, YesNo = 4, RetryCancel = 5 };
enum class BoxIcon { None = 0, Critical = 16, Question = 32, Exclamation = 48, Information = 64 };
enum class BoxAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct BoxStyle {
    BoxButtons buttons = BoxButtons::OkOnly;
    BoxIcon icon = BoxIcon::None;

    // Not explicit: a button set alone, or an icon with OK, is a style.
    constexpr BoxStyle() = default;
    constexpr BoxStyle(BoxButtons b) : buttons(b) {}
    constexpr BoxStyle(BoxIcon i) : icon(i) {}
    constexpr BoxStyle(BoxButtons b, BoxIcon i) : buttons(b), icon(i) {}
    friend constexpr bool operator==(const BoxStyle&, const BoxStyle&) = default;
};
constexpr BoxStyle operator|(BoxButtons b, BoxIcon i) { return {b, i}; }

// The short names callers write: msg::YesNo, msg::OkOnly | msg::Critical, msg::Yes.
namespace msg {
inline constexpr BoxButtons OkOnly = BoxButtons::OkOnly;
inline constexpr BoxButtons OkCancel = BoxButtons::OkCancel;
inline constexpr BoxButtons AbortRetryIgnore = BoxButtons::AbortRetryIgnore;
inline constexpr BoxButtons YesNoCancel = BoxButtons::YesNoCancel;
inline constexpr BoxButtons YesNo = BoxButtons::YesNo;
inline constexpr BoxButtons RetryCancel = BoxButtons::RetryCancel;

inline constexpr BoxIcon Critical = BoxIcon::Critical;
inline constexpr BoxIcon Question = BoxIcon::Question;
inline constexpr BoxIcon Exclamation = BoxIcon::Exclamation;
inline constexpr BoxIcon Information = BoxIcon::Information;

inline constexpr BoxAnswer Ok = BoxAnswer::Ok;
inline constexpr BoxAnswer Cancel = BoxAnswer::Cancel;
inline constexpr BoxAnswer Abort = BoxAnswer::Abort;
inline constexpr BoxAnswer Retry = BoxAnswer::Retry;
inline constexpr BoxAnswer Ignore = BoxAnswer::Ignore;
inline constexpr BoxAnswer Yes = BoxAnswer::Yes;
inline constexpr BoxAnswer No = BoxAnswer::No;
}  // namespace msg

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Shows a modal box and returns the button pressed; closing a box that
    // has a Cancel button answers Cancel.
    virtual BoxAnswer show(const std::string& text, BoxStyle style, const std::string& title) = 0;
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

// Pixel sizes of picture files (questions' pictures, exhibits).
class PictureReader {
public:
    virtual ~PictureReader() = default;
    // False when the file is missing or not a picture.
    virtual bool pictureSize(const std::filesystem::path& file, ScreenSize& size) = 0;
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
    PictureReader* pictures = nullptr;
};

}  // namespace examsim
