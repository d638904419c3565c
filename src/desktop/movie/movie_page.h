#pragma once
#include <QWebEnginePage>
#include <functional>

namespace examsim {

// A page that stays on the program's own schemes: a link to anything else is
// refused here and handed to `openLink` instead.
class MoviePage : public QWebEnginePage {
    Q_OBJECT
public:
    using LinkHandler = std::function<void(const QUrl&)>;
    MoviePage(QWebEngineProfile* profile, LinkHandler onLink, QObject* parent = nullptr, bool linkCatcher = false);

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override;
    QWebEnginePage* createWindow(WebWindowType type) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int line,
                                  const QString& source) override;

private:
    LinkHandler onLink_;
    bool linkCatcher_;
};

}  // namespace examsim
