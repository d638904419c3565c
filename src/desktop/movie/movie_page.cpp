#include "desktop/movie/movie_page.h"

#include "desktop/movie/app_scheme.h"

#include <iostream>

namespace examsim {

MoviePage::MoviePage(QWebEngineProfile* profile, LinkHandler onLink, QObject* parent, bool linkCatcher)
    : QWebEnginePage(profile, parent), onLink_(std::move(onLink)), linkCatcher_(linkCatcher) {}

bool MoviePage::acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) {
    const QString scheme = url.scheme();
    if (linkCatcher_) {
        if (onLink_ && !url.isEmpty()) onLink_(url);
        deleteLater();
        return false;
    }
    if (scheme == kAppScheme || scheme == kHelpScheme) return true;
    if (scheme == "about" || scheme == "data") return !isMainFrame || type != NavigationTypeLinkClicked;
    if (type == NavigationTypeLinkClicked && onLink_) onLink_(url);
    return false;
}

// A link meant for a new window opens through `openLink` as well.
QWebEnginePage* MoviePage::createWindow(WebWindowType) {
    return new MoviePage(profile(), onLink_, this, true);
}

void MoviePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                         const QString& source) {
    if (level == ErrorMessageLevel)
        std::cerr << "examsim: movie script error: " << message.toStdString() << " (" << source.toStdString() << ":"
                  << line << ")\n";
}

}  // namespace examsim
