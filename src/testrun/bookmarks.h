#pragma once
// The store itself (bookmarkStorePath, loadBookmarks) sits in bank, where the
// re-take builders read it too.
#include "bank/bookmark_store.h"

#include <string>

namespace examsim {

struct AppContext;
class Movie;

// Stores the bookmark document given as XML text, replacing the store.
// False, after a message, when the text does not parse or cannot be written.
bool saveBookmarks(AppContext& ctx, const std::string& xml);

// Writes the bookmarks as the plain "\Database\bookmark" that the mode movie
// lists. False, after "No Bookmark availaible", when there are none to read.
bool createBookmarkfile(AppContext& ctx);

// Merges the marked questions of a played or evaluated test into the store:
// one copy per questionId, the last bookmarked at the end. The result goes to
// the mode screen's movie ("new_xml", "flgpaint"), the store and its plain copy.
void bookmarkQuestions(AppContext& ctx, const std::string& testXml, Movie& modeMovie);

enum class PruneOutcome { Stored, Deleted, Unchanged };

// The mode screen keeps the bookmarks its movie returned: stored when at least
// one question is left, the store deleted when none is, unchanged (after a
// message) when the movie's text does not parse.
PruneOutcome pruneBookmarks(AppContext& ctx, const std::string& keptXml);

}  // namespace examsim
