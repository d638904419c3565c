#include "desktop/screens/help_contents.h"

#include "core/encoding.h"

#include <QRegularExpression>
#include <QStringDecoder>
#include <QTextDocumentFragment>

namespace examsim {
namespace {

QString decode(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError()) return text;
    return QString::fromStdString(cp1252ToUtf8(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

QString attribute(const QString& attributes, const QString& name) {
    static const QRegularExpression pair(R"re(([A-Za-z_:][-\w:.]*)\s*=\s*(?:"([^"]*)"|'([^']*)'|([^\s"'>]+)))re");
    for (auto it = pair.globalMatch(attributes); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(1).compare(name, Qt::CaseInsensitive) != 0) continue;
        const QString raw = m.captured(2) + m.captured(3) + m.captured(4);
        // Entities (&amp;, &#233; ...) as a browser reads them.
        return QTextDocumentFragment::fromHtml(raw.toHtmlEscaped().replace("&amp;", "&")).toPlainText();
    }
    return {};
}

}  // namespace

std::vector<HelpTopic> parseHelpContents(const QByteArray& sitemap) {
    std::vector<HelpTopic> root;
    // The lists being filled, innermost last. A list inside another belongs to
    // the entry before it; entries are only added to the innermost list, so
    // the outer ones, which the inner ones point into, do not move.
    std::vector<std::vector<HelpTopic>*> open{&root};
    HelpTopic entry;
    bool inEntry = false;
    static const QRegularExpression tag(R"(<\s*(/?)\s*(ul|object|param)\b([^>]*)>)",
                                        QRegularExpression::CaseInsensitiveOption);
    const QString text = decode(sitemap);
    for (auto it = tag.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        const bool closing = !m.captured(1).isEmpty();
        const QString name = m.captured(2).toLower();
        if (name == "ul") {
            if (closing) {
                if (open.size() > 1) open.pop_back();
            } else {
                std::vector<HelpTopic>* current = open.back();
                open.push_back(open.size() == 1 || current->empty() ? current : &current->back().children);
            }
        } else if (name == "object") {
            if (!closing) {
                inEntry = attribute(m.captured(3), "type").compare("text/sitemap", Qt::CaseInsensitive) == 0;
                entry = {};
            } else if (inEntry) {
                inEntry = false;
                if (!entry.name.isEmpty() || !entry.local.isEmpty()) open.back()->push_back(std::move(entry));
            }
        } else if (inEntry && !closing) {
            const QString key = attribute(m.captured(3), "name");
            if (key.compare("Name", Qt::CaseInsensitive) == 0) entry.name = attribute(m.captured(3), "value");
            if (key.compare("Local", Qt::CaseInsensitive) == 0) entry.local = attribute(m.captured(3), "value");
        }
    }
    return root;
}

}  // namespace examsim
