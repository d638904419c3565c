// A bookmark store as a damaged file may hold it, merged with a played test
// as a movie may send it, then pruned to what a movie may return: the store
// keeps one copy per question.
#include "core/data_file.h"
#include "core/xml.h"
#include "support/fuzz_app.h"
#include "testrun/bookmarks.h"

#include <set>

using namespace examsim;
using namespace examsim::fuzz;

namespace {

void requireOneCopyPerQuestion(AppContext& ctx) {
    pugi::xml_document doc;
    if (!loadBookmarks(ctx, doc)) return;
    std::set<std::string> seen;
    for (const pugi::xpath_node& item : selectAll(doc, "/Test/item[@questionId]"))
        require(seen.insert(item.node().attribute("questionId").value()).second, "one bookmark per question");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = app().fresh();
    const auto [stored, played] = splitInput({reinterpret_cast<const char*>(data), size});
    if (!stored.empty()) writeContainer(bookmarkStorePath(ctx), stored);
    const bool hadStore = !stored.empty();
    NullMovie mode;
    bookmarkQuestions(ctx, std::string(played), mode);
    if (!hadStore) requireOneCopyPerQuestion(ctx);
    (void)createBookmarkfile(ctx);
    const PruneOutcome pruned = pruneBookmarks(ctx, std::string(stored));
    if (pruned == PruneOutcome::Deleted) require(!std::filesystem::exists(bookmarkStorePath(ctx)), "a pruned-out store is gone");
    return 0;
}
