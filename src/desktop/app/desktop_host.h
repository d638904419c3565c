#pragma once
#include "core/host.h"
#include "desktop/app/link_gate.h"

#include <QString>
#include <QUrl>
#include <functional>

namespace examsim {

struct AppContext;

// A QMessageBox with the style's buttons and icon; an empty title shows the
// application's own.
class QtMessageBoxes : public MessageBoxes {
public:
    BoxAnswer show(const std::string& text, BoxStyle style, const std::string& title) override;
};

// Web and mail links go to the desktop's default handlers; files (already
// confined by openLink) open in their viewer. Only as the user's action
// allows (LinkGate); anything else is refused and logged.
class DesktopLinks : public LinkOpener {
public:
    using Opener = std::function<bool(const QUrl&)>;  // the desktop's by default
    explicit DesktopLinks(LinkGate::Clock clock = {}, Opener open = {});
    void openLink(const std::string& target) override;

private:
    LinkGate gate_;
    Opener open_;
};

// The mail program through xdg-email, with subject, body and attachment.
class XdgMailer : public Mailer {
public:
    bool send(const MailMessage& mail) override;
    static QStringList arguments(const MailMessage& mail);
};

class QtProgramControl : public ProgramControl {
public:
    // Runs just before the process ends (releases the instance lock).
    std::function<void()> beforeEnd;
    [[noreturn]] void endProgram(int exitCode) override;
};

class QtPictures : public PictureReader {
public:
    bool pictureSize(const std::filesystem::path& file, ScreenSize& size) override;
};

class QtScreen : public ScreenServices {
public:
    ScreenSize screenPixels() override;
    void setApplicationHelpFile(const std::filesystem::path& helpFile) override { helpFile_ = helpFile; }
    void resetMousePointer() override;
    const std::filesystem::path& helpFile() const { return helpFile_; }

private:
    std::filesystem::path helpFile_;
};

}  // namespace examsim
