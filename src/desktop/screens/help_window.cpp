#include "desktop/screens/help_window.h"

#include "core/app_context.h"
#include "core/links.h"
#include "desktop/movie/app_scheme.h"
#include "desktop/screens/chm_file.h"
#include "desktop/movie/movie_page.h"

#include <QBuffer>
#include <QMimeDatabase>
#include <QVBoxLayout>
#include <QWebEngineProfile>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineView>

namespace examsim {

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
    : ctx_(ctx), view_(new QWebEngineView(this)), scheme_(new HelpSchemeHandler(this)), web_(web) {
    setObjectName("HelpWindow");
    setWindowTitle("Help");
    resize(900, 640);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(view_);
    view_->setPage(new MoviePage(web.profile(), [&ctx](const QUrl& url) {
        openLink(ctx, url.toString().toStdString());
    }, view_));
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
    QString page = "/" + QString::fromStdString(topic);
    if (!file->read(page)) page = file->firstPage();
    scheme_->setFile(file);
    QUrl url;
    url.setScheme(kHelpScheme);
    url.setHost(kAppHost);
    url.setPath(page);
    view_->setUrl(url);
    show();
    raise();
    activateWindow();
}

}  // namespace examsim
