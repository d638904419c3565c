#pragma once
#include "desktop/movie/movie_page.h"

class QWebEngineView;
class QWidget;

namespace examsim {

struct AppContext;
class WebEnvironment;

// Hands a link a page or movie follows to `openLink`.
MoviePage::LinkHandler openLinkHandler(AppContext& ctx);

// A web view for the program's own pages: it stays on the program's schemes
// and hands any other link to `openLink`.
QWebEngineView* newPageView(AppContext& ctx, WebEnvironment& web, QWidget* parent);

}  // namespace examsim
