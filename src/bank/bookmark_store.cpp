#include "bank/bookmark_store.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/file_ops.h"

namespace examsim {

namespace {

constexpr const char* kStoreName = "bookmark";

}  // namespace

std::filesystem::path bookmarkStorePath(const AppContext& ctx) { return dataFilePath(ctx, kStoreName); }

Result<pugi::xml_node, BookmarkFault> loadBookmarks(AppContext& ctx, pugi::xml_document& doc) {
    doc.reset();
    if (!fileExists(bookmarkStorePath(ctx))) return failure(BookmarkFault::Missing);
    try {
        const XmlParseOutcome parsed = loadDataDocument(ctx, kStoreName, doc);
        if (!parsed || !doc.document_element()) {
            doc.reset();
            return failure(BookmarkFault::NotParsed, parsed.description);
        }
    } catch (const CryptError& e) {
        return failure(BookmarkFault::Unreadable, e.description());
    }
    return doc.document_element();
}

}  // namespace examsim
