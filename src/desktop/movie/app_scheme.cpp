#include "desktop/movie/app_scheme.h"

#include "core/file_io.h"
#include "desktop/movie/content_type.h"
#include "desktop/movie/request_guard.h"

#include <QBuffer>
#include <QWebEngineProfile>
#include <QWebEngineSettings>
#include <QWebEngineUrlRequestJob>
#include <QWebEngineUrlScheme>
#include <iostream>

namespace examsim {
namespace {

constexpr const char* kMoviePrefix = "/~movie-";

void reply(QWebEngineUrlRequestJob* job, const QByteArray& mime, const QByteArray& bytes) {
    auto* buffer = new QBuffer(job);
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    job->reply(mime, buffer);
}

}  // namespace

void registerUrlSchemes() {
    for (const char* name : {kAppScheme, kHelpScheme}) {
        QWebEngineUrlScheme scheme(name);
        // With a host, movie and files share one origin, so a movie may read them.
        scheme.setSyntax(QWebEngineUrlScheme::Syntax::Host);
        // Not a local scheme: its pages reach no file: URL, and read their own
        // origin as a web page does.
        scheme.setFlags(QWebEngineUrlScheme::SecureScheme | QWebEngineUrlScheme::CorsEnabled);
        QWebEngineUrlScheme::registerScheme(scheme);
    }
}

AppSchemeHandler::AppSchemeHandler(const AppPaths& paths, QObject* parent)
    : QWebEngineUrlSchemeHandler(parent), paths_(paths) {}

QUrl AppSchemeHandler::addMovie(const QByteArray& html) {
    const QString path = kMoviePrefix + QString::number(++next_);
    movies_.insert(path, html);
    QUrl url;
    url.setScheme(kAppScheme);
    url.setHost(kAppHost);
    url.setPath(path);
    return url;
}

void AppSchemeHandler::removeMovie(const QUrl& url) { movies_.remove(url.path()); }

void AppSchemeHandler::requestStarted(QWebEngineUrlRequestJob* job) {
    if (job->requestMethod() != "GET") {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    const QString path = job->requestUrl().path();
    if (job->requestUrl().host() != kAppHost) {
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    if (auto movie = movies_.constFind(path); movie != movies_.constEnd()) {
        reply(job, "text/html; charset=utf-8", *movie);
        return;
    }
    const auto file = paths_.confined(path.toStdString());
    if (!file) {
        std::cerr << "examsim: a movie asked for \"" << path.toStdString() << "\" outside the application folder\n";
        job->fail(QWebEngineUrlRequestJob::RequestDenied);
        return;
    }
    std::string bytes;
    if (!std::filesystem::is_regular_file(*file) || !readWholeFile(*file, bytes)) {
        job->fail(QWebEngineUrlRequestJob::UrlNotFound);
        return;
    }
    const QByteArray body(bytes.data(), static_cast<qsizetype>(bytes.size()));
    reply(job, contentType(QString::fromStdString(file->filename().string()), body), body);
}

QUrl appUrl(const AppPaths& paths, const std::filesystem::path& file) {
    const auto rel = file.lexically_relative(paths.folder());
    QUrl url;
    url.setScheme(kAppScheme);
    url.setHost(kAppHost);
    url.setPath("/" + QString::fromStdString(rel.generic_string()));
    return url;
}

WebEnvironment::WebEnvironment(const AppPaths& paths)
    : profile_(new QWebEngineProfile()), movies_(new AppSchemeHandler(paths, profile_)) {
    profile_->installUrlSchemeHandler(kAppScheme, movies_);
    profile_->setUrlRequestInterceptor(new RequestGuard(profile_));
    QWebEngineSettings* s = profile_->settings();
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, false);
    s->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    s->setAttribute(QWebEngineSettings::PluginsEnabled, false);
}

WebEnvironment::~WebEnvironment() { delete profile_; }

}  // namespace examsim
