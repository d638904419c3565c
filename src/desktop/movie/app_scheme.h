#pragma once
#include "core/app_paths.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QWebEngineUrlSchemeHandler>

class QWebEngineProfile;

namespace examsim {

inline constexpr const char* kAppScheme = "app";
inline constexpr const char* kAppHost = "local";
inline constexpr const char* kHelpScheme = "help";

// Registers the program's URL schemes; must run before QApplication exists.
void registerUrlSchemes();

// "app://local/" serves the movies from memory and, read-only, the files of the
// application folder; a path that leaves the folder is refused.
class AppSchemeHandler : public QWebEngineUrlSchemeHandler {
    Q_OBJECT
public:
    AppSchemeHandler(const AppPaths& paths, QObject* parent = nullptr);

    // Keeps a movie's text in memory and returns the URL it is served at.
    QUrl addMovie(const QByteArray& html);
    void removeMovie(const QUrl& url);

    void requestStarted(QWebEngineUrlRequestJob* job) override;

private:
    const AppPaths& paths_;
    QHash<QString, QByteArray> movies_;
    quint64 next_ = 0;
};

// The "app:" URL of a file inside the application folder.
QUrl appUrl(const AppPaths& paths, const std::filesystem::path& file);

// The web profile every movie and page of the program runs in.
class WebEnvironment {
public:
    explicit WebEnvironment(const AppPaths& paths);
    ~WebEnvironment();
    QWebEngineProfile* profile() const { return profile_; }
    AppSchemeHandler& movies() { return *movies_; }

private:
    QWebEngineProfile* profile_;
    AppSchemeHandler* movies_;
};

}  // namespace examsim
