#include "desktop/screens/chm_file.h"

#include <chm_lib.h>

namespace examsim {

ChmFile::ChmFile(const std::filesystem::path& file) : handle_(chm_open(file.c_str())) {}

ChmFile::~ChmFile() {
    if (handle_) chm_close(handle_);
}

std::optional<QByteArray> ChmFile::read(const QString& path) const {
    if (!handle_) return std::nullopt;
    chmUnitInfo info{};
    const QByteArray name = path.toUtf8();
    if (chm_resolve_object(handle_, name.constData(), &info) != CHM_RESOLVE_SUCCESS) return std::nullopt;
    QByteArray bytes(static_cast<qsizetype>(info.length), '\0');
    const LONGINT64 got = chm_retrieve_object(handle_, &info, reinterpret_cast<unsigned char*>(bytes.data()), 0,
                                              static_cast<LONGINT64>(info.length));
    if (got < 0) return std::nullopt;
    bytes.truncate(static_cast<qsizetype>(got));
    return bytes;
}

QString ChmFile::firstEndingWith(const QStringList& suffixes) const {
    if (!handle_) return {};
    struct Search {
        const QStringList& suffixes;
        QString found;
    } search{suffixes, {}};
    chm_enumerate(handle_, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES,
                  [](chmFile*, chmUnitInfo* ui, void* ctx) {
                      auto& s = *static_cast<Search*>(ctx);
                      const QString p = QString::fromUtf8(ui->path);
                      for (const QString& suffix : s.suffixes)
                          if (p.endsWith(suffix, Qt::CaseInsensitive)) {
                              s.found = p;
                              return CHM_ENUMERATOR_SUCCESS;
                          }
                      return CHM_ENUMERATOR_CONTINUE;
                  },
                  &search);
    return search.found;
}

QString ChmFile::firstPage() const { return firstEndingWith({".htm", ".html"}); }

QByteArray ChmFile::contents() const {
    const QString sitemap = firstEndingWith({".hhc"});
    return sitemap.isEmpty() ? QByteArray() : read(sitemap).value_or(QByteArray());
}

}  // namespace examsim
