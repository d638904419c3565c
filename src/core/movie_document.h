#pragma once
#include "core/xml.h"

#include <cstddef>
#include <pugixml.hpp>
#include <string_view>

namespace examsim {

struct AppContext;

// Bounds on a document a movie sends (a played test, a selection, kept
// bookmarks): far above any real test, and shallow enough that a played test
// kept inside the report history stays well within kMaxXmlDepth.
inline constexpr std::size_t kMaxMovieDocumentBytes = 16 * 1024 * 1024;
inline constexpr std::size_t kMaxMovieDocumentDepth = 200;

inline constexpr const char* kMovieDocumentRefused =
    "The screen sent a document that is too large or nested too deeply to be read; it was not used.";

// Parses a document that came from a movie. One beyond the bounds is refused
// with a message to the user (the caller's own failure handling follows, as
// for any text that does not parse); the document is then left empty.
XmlParseOutcome parseMovieXml(AppContext& ctx, pugi::xml_document& doc, std::string_view text);

}  // namespace examsim
