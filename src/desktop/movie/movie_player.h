#pragma once
#include "core/host.h"

#include <QHash>
#include <QUrl>
#include <QVariantList>
#include <QWebEngineView>
#include <functional>
#include <vector>

class QWebChannel;

namespace examsim {

class AppSchemeHandler;
class MovieBridge;
class MoviePage;
class WebEnvironment;

// The movie player objSwf: an HTML5 movie in a web view, driven like the old
// player. Host operations made before the page is ready wait and are replayed
// in order; the movie's variables and frame are mirrored here, so GetVariable
// and FrameNum answer at once and see every change the movie made before the
// command being handled.
class MoviePlayer : public QWebEngineView, public Movie {
    Q_OBJECT
public:
    using CommandHandler = std::function<void(const std::string& command, const std::string& args)>;
    using LinkHandler = std::function<void(const QUrl&)>;

    MoviePlayer(WebEnvironment& web, LinkHandler onLink, QWidget* parent = nullptr);
    ~MoviePlayer() override;

    void setCommandHandler(CommandHandler handler) { onCommand_ = std::move(handler); }

    // Reads the movie file whole into memory and shows it; the file may be
    // deleted as soon as this returns. Throws std::runtime_error when it
    // cannot be read.
    void LoadMovie(int layer, const std::filesystem::path& file) override;
    void SetVariable(const std::string& name, const std::string& value) override;
    std::string GetVariable(const std::string& name) override;
    void GotoFrame(int frame) override;
    void TGotoFrame(const std::string& target, int frame) override;
    int FrameNum() override { return frame_; }
    void Rewind() override;
    void Stop() override;

    bool isReady() const { return ready_; }
    bool isDrawn() const { return drawn_; }

signals:
    void FSCommand(const QString& command, const QString& args);
    void ready();
    void drawn();

private:
    void call(const QString& op, QVariantList args);
    void received(const QString& kind, const QString& a, const QString& b);
    void newBridge();

    AppSchemeHandler& movies_;
    MoviePage* page_;
    QWebChannel* channel_;
    MovieBridge* bridge_ = nullptr;
    int bridgeGeneration_ = 0;
    CommandHandler onCommand_;
    QUrl movieUrl_;
    QHash<QString, QString> vars_;
    std::vector<std::pair<QString, QVariantList>> pending_;
    int frame_ = 0;
    bool ready_ = false;
    bool drawn_ = false;
};

}  // namespace examsim
