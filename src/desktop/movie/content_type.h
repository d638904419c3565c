#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace examsim {

// The Content-Type a file of the application folder is served with, so a
// movie reads the characters that were written. The product's web files
// (pages, styles, scripts, pictures, stylesheets) go as they are stored and
// their own declarations decide; anything else is data, which the program
// writes in Windows-1252, unless a byte-order mark or an XML declaration
// names its encoding.
QByteArray contentType(const QString& fileName, QByteArrayView bytes);

}  // namespace examsim
