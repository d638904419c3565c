#pragma once
#include <QByteArray>
#include <QString>
#include <vector>

namespace examsim {

// One entry of a help file's table of contents; `local` is the page inside
// the help file (empty for a heading without a page).
struct HelpTopic {
    QString name;
    QString local;
    std::vector<HelpTopic> children;
};

// The contents tree of a sitemap (.hhc): each "text/sitemap" object of a list
// is an entry, a list right after an entry holds its children. The text is
// UTF-8 when it is valid UTF-8 and Windows-1252 otherwise.
std::vector<HelpTopic> parseHelpContents(const QByteArray& sitemap);

}  // namespace examsim
