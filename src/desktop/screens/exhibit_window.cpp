#include "desktop/screens/exhibit_window.h"

#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/page_view.h"

#include <QApplication>
#include <QPushButton>
#include <QResizeEvent>
#include <QWebEnginePage>
#include <QWebEngineView>

namespace examsim {
namespace {

const char* kNoPicture =
    "<!DOCTYPE html><html><head><meta charset='utf-8'><style>"
    "body{font-family:'DejaVu Sans',Arial,sans-serif;display:flex;align-items:center;justify-content:center;"
    "height:90vh;margin:0;color:#38505f;background:#f4f7fa}div{text-align:center}"
    "</style></head><body><div><h2>No picture</h2><p>This exhibit names no picture to show.</p></div></body></html>";

// The picture in the middle of the window, made smaller when it does not fit;
// a picture opened on its own would sit in a corner.
QString picturePage(const QUrl& picture, const std::string& caption) {
    return QString("<!DOCTYPE html><html><head><meta charset='utf-8'><style>"
                   "html,body{margin:0;height:100%;background:#f4f7fa}"
                   "body{display:flex;align-items:center;justify-content:center}"
                   "img{max-width:100%;max-height:100%;object-fit:contain}"
                   "</style></head><body><img alt='%1' src='%2'></body></html>")
        .arg(QString::fromStdString(caption).toHtmlEscaped(), picture.toString(QUrl::FullyEncoded).toHtmlEscaped());
}

}  // namespace

ExhibitWindow::ExhibitWindow(AppContext& ctx, WebEnvironment& web, const std::string& picturePath,
                             const std::string& caption, QWidget* owner)
    : ScreenDialog(owner), logic_(ctx) {
    setObjectName("frmExhibit");
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    logic_.picturePath = picturePath;
    logic_.caption = caption;
    view_ = newPageView(ctx, web, this);
    view_->setObjectName("Web_Image");
    view_->setContextMenuPolicy(Qt::NoContextMenu);
    close_ = new QPushButton("Close", this);
    close_->setObjectName("cmd_close");
    close_->setAccessibleName("Close the exhibit");
    connect(close_, &QPushButton::clicked, this, &QDialog::close);
    const auto picture = logic_.load();
    setWindowTitle(QString::fromStdString(logic_.caption));
    showsPicture_ = picture.has_value();
    if (picture)
        view_->setHtml(picturePage(appUrl(ctx.paths, *picture), logic_.caption), appUrl(ctx.paths, *picture));
    else
        view_->setHtml(kNoPicture);
    resize(720, 560);
}

void ExhibitWindow::resizeEvent(QResizeEvent* event) {
    ScreenDialog::resizeEvent(event);
    const double twips = 1440.0 / logicalDpiX();
    const auto l = frmExhibit::resizeLayout(isMinimized(), static_cast<int>(width() * twips), static_cast<int>(height() * twips));
    if (!l) return;
    view_->setGeometry(0, 0, static_cast<int>(l->viewWidth / twips), static_cast<int>(l->viewHeight / twips));
    // The rule places a button 2000 twips wide; this one is centred on the same spot.
    close_->move(static_cast<int>((l->closeLeft + 1000) / twips) - close_->width() / 2, static_cast<int>(l->closeTop / twips));
}

void ExhibitViewers::closeExhibit() {
    if (current_) current_->close();
}

void ExhibitViewers::showExhibit(const std::string& picturePath, const std::string& caption) {
    current_ = new ExhibitWindow(ctx_, web_, picturePath, caption, QApplication::activeWindow());
    current_->show();
}

}  // namespace examsim
