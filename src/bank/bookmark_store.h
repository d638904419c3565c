#pragma once
#include "core/result.h"

#include <filesystem>
#include <pugixml.hpp>

namespace examsim {

struct AppContext;

// "/Database/bookmark.wlb" under the application folder.
std::filesystem::path bookmarkStorePath(const AppContext& ctx);

// Why the bookmark store gave no document.
enum class BookmarkFault {
    Missing,     // there is no store
    Unreadable,  // the store exists but cannot be read
    NotParsed,   // its deciphered text is not an XML document
};

// The one reader of the bookmark store, for the re-take builders and the
// bookmark operations alike: deciphers and parses it into `doc` and gives its
// root element, or why there is none (`doc` then empty). Shows nothing.
Result<pugi::xml_node, BookmarkFault> loadBookmarks(AppContext& ctx, pugi::xml_document& doc);

}  // namespace examsim
