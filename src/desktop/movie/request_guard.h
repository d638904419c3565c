#pragma once
#include <QUrl>
#include <QWebEngineUrlRequestInterceptor>

namespace examsim {

// Movies are confined to the program: every request but the program's own
// schemes, its built-in resources (qrc) and inline data is blocked, so a page
// can neither load from the network nor send what it read anywhere.
class RequestGuard : public QWebEngineUrlRequestInterceptor {
    Q_OBJECT
public:
    using QWebEngineUrlRequestInterceptor::QWebEngineUrlRequestInterceptor;
    void interceptRequest(QWebEngineUrlRequestInfo& info) override;
    static bool allowed(const QUrl& url);
};

}  // namespace examsim
