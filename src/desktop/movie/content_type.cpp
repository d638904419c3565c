#include "desktop/movie/content_type.h"

#include <QFileInfo>
#include <QMimeDatabase>
#include <QRegularExpression>

namespace examsim {
namespace {

bool isWebFile(const QString& suffix) {
    static const QStringList web{"htm", "html", "xhtml", "css", "js", "mjs", "svg", "xsl", "xslt"};
    return web.contains(suffix, Qt::CaseInsensitive);
}

bool isText(const QByteArray& mime) {
    return mime.startsWith("text/") || mime.endsWith("+xml") || mime == "application/xml" ||
           mime == "application/json" || mime == "application/javascript";
}

bool hasByteOrderMark(QByteArrayView b) {
    return b.startsWith("\xEF\xBB\xBF") || b.startsWith("\xFF\xFE") || b.startsWith("\xFE\xFF");
}

// The encoding an XML declaration at the very start names; empty when none.
QByteArray declaredEncoding(QByteArrayView bytes) {
    if (!bytes.startsWith("<?xml")) return {};
    const qsizetype end = bytes.indexOf("?>");
    if (end < 0) return {};
    static const QRegularExpression encoding(R"(\sencoding\s*=\s*["']([A-Za-z][A-Za-z0-9._-]*)["'])");
    const auto m = encoding.match(QString::fromLatin1(bytes.first(end)));
    return m.hasMatch() ? m.captured(1).toLatin1() : QByteArray();
}

}  // namespace

QByteArray contentType(const QString& fileName, QByteArrayView bytes) {
    static const QMimeDatabase mimes;
    const QString suffix = QFileInfo(fileName).suffix();
    QByteArray mime = mimes.mimeTypeForFile(fileName, QMimeDatabase::MatchExtension).name().toUtf8();
    // The files the program hands over have no extension: a document that
    // declares itself XML is served as XML, so its stylesheet applies (the
    // printable report), and anything else as text.
    if (mime == "application/octet-stream" && suffix.isEmpty()) mime = bytes.startsWith("<?xml") ? "text/xml" : "text/plain";
    if (!isText(mime) || isWebFile(suffix) || hasByteOrderMark(bytes)) return mime;
    const QByteArray declared = declaredEncoding(bytes);
    return mime + "; charset=" + (declared.isEmpty() ? QByteArray("windows-1252") : declared);
}

}  // namespace examsim
