#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <optional>

struct chmFile;

namespace examsim {

// A compiled help file, read with chmlib.
class ChmFile {
public:
    explicit ChmFile(const std::filesystem::path& file);
    ~ChmFile();
    ChmFile(const ChmFile&) = delete;
    ChmFile& operator=(const ChmFile&) = delete;

    bool isOpen() const { return handle_ != nullptr; }
    // An object by its path inside the file ("/topic.htm").
    std::optional<QByteArray> read(const QString& path) const;
    // The first page of the file, for a topic that is not there.
    QString firstPage() const;
    // The table of contents (the .hhc sitemap); empty when there is none.
    QByteArray contents() const;

private:
    // The path of the first object whose name ends with one of the suffixes.
    QString firstEndingWith(const QStringList& suffixes) const;

    chmFile* handle_;
};

}  // namespace examsim
