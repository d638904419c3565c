#include "desktop/screens/page_view.h"

#include "core/links.h"
#include "desktop/movie/app_scheme.h"

#include <QWebEngineView>

namespace examsim {

MoviePage::LinkHandler openLinkHandler(AppContext& ctx) {
    return [&ctx](const QUrl& url) { openLink(ctx, url.toString().toStdString()); };
}

QWebEngineView* newPageView(AppContext& ctx, WebEnvironment& web, QWidget* parent) {
    auto* view = new QWebEngineView(parent);
    view->setPage(new MoviePage(web.profile(), openLinkHandler(ctx), view));
    return view;
}

}  // namespace examsim
