#include "desktop/screens/help_window.h"

#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/chm_file.h"
#include "desktop/screens/help_contents.h"
#include "desktop/screens/page_view.h"
#include "desktop/screens/window_place.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QGuiApplication>
#include <QMimeDatabase>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QToolBar>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>
#include <QWebEngineHistory>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineView>
#include <QWindow>
#include <algorithm>

namespace examsim {
namespace {

constexpr int kPageRole = Qt::UserRole;

QString pageOf(const QUrl& url) { return url.path().mid(1); }

}  // namespace

void HelpSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    const QString path = job->requestUrl().path();
    const auto bytes = file_ ? file_->read(path) : std::nullopt;
    if (!bytes) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    static const QMimeDatabase mimes;
    auto* buffer = new QBuffer(job);
    buffer->setData(*bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(mimes.mimeTypeForFile(path, QMimeDatabase::MatchExtension).name().toUtf8(), buffer);
}

HelpWindow::HelpWindow(AppContext& ctx, WebEnvironment& web)
    : ctx_(ctx), web_(web), view_(newPageView(ctx, web, this)), contents_(new QTreeWidget(this)),
      scheme_(new HelpSchemeHandler(this)) {
    setObjectName("HelpWindow");
    setWindowTitle("Help");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    back_ = view_->pageAction(QWebEnginePage::Back);
    back_->setText("Back");
    back_->setObjectName("back");
    back_->setShortcut(QKeySequence::Back);
    QAction* forward = view_->pageAction(QWebEnginePage::Forward);
    forward->setText("Forward");
    forward->setShortcut(QKeySequence::Forward);
    bar->addAction(back_);
    bar->addAction(forward);
    layout->addWidget(bar);

    contents_->setObjectName("contents");
    contents_->setHeaderHidden(true);
    contents_->setAccessibleName("Contents");
    auto* split = new QSplitter(this);
    split->addWidget(contents_);
    split->addWidget(view_);
    split->setStretchFactor(1, 1);
    split->setSizes({230, 670});
    layout->addWidget(split, 1);

    connect(contents_, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        const QString page = item ? item->data(0, kPageRole).toString() : QString();
        if (!page.isEmpty() && page.compare(pageOf(view_->url()), Qt::CaseInsensitive) != 0) openPage(page);
    });
    connect(view_, &QWebEngineView::urlChanged, this, &HelpWindow::markPage);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    web.profile()->installUrlSchemeHandler(kHelpScheme, scheme_);
}

HelpWindow::~HelpWindow() { web_.profile()->removeUrlSchemeHandler(scheme_); }

void HelpWindow::showTopic(const std::filesystem::path& helpFile, const std::string& topic) {
    auto file = std::make_shared<ChmFile>(helpFile);
    if (!file->isOpen()) {
        if (ctx_.host.messages)
            ctx_.host.messages->show("The help file " + helpFile.filename().string() + " cannot be opened.",
                                     msg::OkOnly | msg::Exclamation, "Help");
        return;
    }
    QString page = QString::fromStdString(topic);
    if (!file->read("/" + page)) page = file->firstPage().mid(1);
    if (helpFile != file_) {
        file_ = helpFile;
        contents_->clear();
        fillContents(parseHelpContents(file->contents()), nullptr);
        contents_->expandAll();
        view_->history()->clear();
    }
    scheme_->setFile(file);
    openPage(page);
    if (!isVisible()) {
        if (!placed_) fitToScreen();
        placed_ = true;
        centerOnOwner(*this, QApplication::activeWindow());
    }
    show();
    // Opened from a modal window, it answers the user as that window does.
    const QWidget* modal = QApplication::activeModalWidget();
    windowHandle()->setTransientParent(modal && modal != this ? modal->windowHandle() : nullptr);
    raise();
    activateWindow();
}

// Its design size, but never more than three quarters of a small screen.
void HelpWindow::fitToScreen() {
    const QWidget* owner = QApplication::activeWindow();
    const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QSize room = screen->availableGeometry().size() * 3 / 4;
    resize(std::min(width(), room.width()), std::min(height(), room.height()));
}

void HelpWindow::fillContents(const std::vector<HelpTopic>& topics, QTreeWidgetItem* parent) {
    for (const HelpTopic& topic : topics) {
        auto* item = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(contents_);
        item->setText(0, topic.name.isEmpty() ? topic.local : topic.name);
        item->setData(0, kPageRole, topic.local);
        fillContents(topic.children, item);
    }
}

void HelpWindow::openPage(const QString& page) {
    QUrl url;
    url.setScheme(kHelpScheme);
    url.setHost(kAppHost);
    url.setPath("/" + page);
    view_->setUrl(url);
}

void HelpWindow::markPage(const QUrl& url) {
    const QString page = pageOf(url);
    const QSignalBlocker quiet(contents_);
    for (QTreeWidgetItemIterator it(contents_); *it; ++it)
        if ((*it)->data(0, kPageRole).toString().compare(page, Qt::CaseInsensitive) == 0) {
            contents_->setCurrentItem(*it);
            return;
        }
    contents_->setCurrentItem(nullptr);
}

}  // namespace examsim
