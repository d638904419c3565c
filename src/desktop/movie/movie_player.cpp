#include "desktop/movie/movie_player.h"

#include "core/encoding.h"
#include "core/file_io.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/movie/movie_bridge.h"
#include "desktop/movie/movie_page.h"

#include <QFile>
#include <QWebChannel>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <stdexcept>

namespace examsim {
namespace {

QWebEngineScript webChannelScript() {
    QFile file(":/qtwebchannel/qwebchannel.js");
    file.open(QIODevice::ReadOnly);
    QWebEngineScript script;
    script.setName("qwebchannel");
    script.setSourceCode(QString::fromUtf8(file.readAll()));
    script.setInjectionPoint(QWebEngineScript::DocumentCreation);
    script.setWorldId(QWebEngineScript::MainWorld);
    return script;
}

}  // namespace

MoviePlayer::MoviePlayer(WebEnvironment& web, LinkHandler onLink, QWidget* parent)
    : QWebEngineView(parent),
      movies_(web.movies()),
      page_(new MoviePage(web.profile(), std::move(onLink), this)),
      channel_(new QWebChannel(this)) {
    setObjectName("objSwf");
    setContextMenuPolicy(Qt::NoContextMenu);
    page_->scripts().insert(webChannelScript());
    page_->setWebChannel(channel_);
    page_->setBackgroundColor(Qt::transparent);
    setPage(page_);
}

MoviePlayer::~MoviePlayer() {
    if (!movieUrl_.isEmpty()) movies_.removeMovie(movieUrl_);
}

// A new bridge per movie: messages still on their way from the previous
// movie reach an object that is gone and are dropped.
void MoviePlayer::newBridge() {
    if (bridge_) {
        channel_->deregisterObject(bridge_);
        bridge_->deleteLater();
    }
    bridge_ = new MovieBridge(this);
    // Handled from the event loop, in order, not inside the web channel's
    // delivery: a modal window a command opens (the drag-and-drop screen, the
    // about screen) loads its own page only while that delivery is not on the stack.
    connect(bridge_, &MovieBridge::received, this,
            [this, generation = ++bridgeGeneration_](const QString& kind, const QString& a, const QString& b) {
                if (generation == bridgeGeneration_) received(kind, a, b);
            },
            Qt::QueuedConnection);
    channel_->registerObject("host", bridge_);
}

void MoviePlayer::LoadMovie(int, const std::filesystem::path& file) {
    std::string bytes;
    if (!readWholeFile(file, bytes)) throw std::runtime_error("cannot read the movie " + file.string());
    // Movies are stored in Windows-1252; the page is served as UTF-8.
    const std::string html = cp1252ToUtf8(bytes);
    if (!movieUrl_.isEmpty()) movies_.removeMovie(movieUrl_);
    movieUrl_ = movies_.addMovie(QByteArray(html.data(), static_cast<qsizetype>(html.size())));
    vars_.clear();
    pending_.clear();
    frame_ = 0;
    ready_ = false;
    drawn_ = false;
    newBridge();
    page_->setUrl(movieUrl_);
}

void MoviePlayer::call(const QString& op, QVariantList args) {
    if (ready_)
        emit bridge_->hostCall(op, args);
    else
        pending_.emplace_back(op, std::move(args));
}

void MoviePlayer::SetVariable(const std::string& name, const std::string& value) {
    const QString n = QString::fromStdString(name);
    const QString v = QString::fromStdString(value);
    vars_.insert(n, v);
    call("SetVariable", {n, v});
}

std::string MoviePlayer::GetVariable(const std::string& name) {
    return vars_.value(QString::fromStdString(name)).toStdString();
}

void MoviePlayer::GotoFrame(int frame) {
    frame_ = frame;
    call("GotoFrame", {frame});
}

void MoviePlayer::TGotoFrame(const std::string& target, int frame) {
    call("TGotoFrame", {QString::fromStdString(target), frame});
}

void MoviePlayer::Rewind() {
    frame_ = 0;
    call("Rewind", {});
}

void MoviePlayer::Stop() { call("Stop", {}); }

void MoviePlayer::received(const QString& kind, const QString& a, const QString& b) {
    if (kind == "var") {
        vars_.insert(a, b);
    } else if (kind == "frame") {
        frame_ = a.toInt();
    } else if (kind == "cmd") {
        emit FSCommand(a, b);
        if (onCommand_) onCommand_(a.toStdString(), b.toStdString());
    } else if (kind == "ready" && !ready_) {
        ready_ = true;
        for (auto& [op, args] : pending_) emit bridge_->hostCall(op, args);
        pending_.clear();
        emit bridge_->hostCall("Flushed", {});
        emit ready();
    } else if (kind == "drawn" && !drawn_) {
        drawn_ = true;
        emit drawn();
    }
}

}  // namespace examsim
