#include "desktop/movie/request_guard.h"

#include "desktop/movie/app_scheme.h"

#include <QWebEngineUrlRequestInfo>
#include <iostream>

namespace examsim {

bool RequestGuard::allowed(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return scheme == kAppScheme || scheme == kHelpScheme || scheme == "qrc" || scheme == "data";
}

void RequestGuard::interceptRequest(QWebEngineUrlRequestInfo& info) {
    if (allowed(info.requestUrl())) return;
    std::cerr << "examsim: a page's request for \"" << info.requestUrl().toDisplayString().left(200).toStdString()
              << "\" was blocked\n";
    info.block(true);
}

}  // namespace examsim
