#include "testrun/bookmarks.h"

#include "core/ascii_case.h"
#include "core/app_context.h"
#include "core/data_file.h"
#include "core/file_ops.h"
#include "core/messages.h"
#include "core/number_text.h"
#include "core/xml.h"
#include "core/movie_document.h"

#include <algorithm>
#include <cctype>

namespace examsim {
namespace {

void show(AppContext& ctx, const std::string& text, BoxStyle style, const std::string& title = "") {
    if (ctx.host.messages) ctx.host.messages->show(text, style, title);
}

// "true" in any case, or a number other than 0, as the movies write Booleans.
bool readsAsTrue(std::string_view value) {
    if (equalIgnoringCase(value, "true")) return true;
    const auto n = numberValue(value);
    return n && *n != 0;
}

bool isMarked(const pugi::xml_node& item) {
    for (pugi::xml_node child = item.first_child(); child; child = child.next_sibling())
        for (pugi::xml_node g = child.first_child(); g; g = g.next_sibling())
            if (std::string_view(g.name()) == "bookmark" && readsAsTrue(g.attribute("value").value())) return true;
    return false;
}

void makeNewBookmarkDocument(pugi::xml_document& doc) {
    doc.reset();
    pugi::xml_node root = doc.append_child("Test");
    root.append_attribute("name").set_value("bookMark");
    root.append_child("property");
}

bool store(AppContext& ctx, const pugi::xml_node& root) {
    try {
        saveDataDocumentAt(ctx, root, bookmarkStorePath(ctx));
        return true;
    } catch (const std::exception&) {
        show(ctx, "The bookmarks could not be saved.", msg::OkOnly | msg::Critical, kStandardTitle);
        return false;
    }
}

}  // namespace

bool saveBookmarks(AppContext& ctx, const std::string& xml) {
    pugi::xml_document doc;
    if (!parseMovieXml(ctx, doc, xml) || !doc.document_element()) {
        show(ctx, "Error while loading bookmark xml", msg::OkOnly | msg::Critical);
        return false;
    }
    return store(ctx, doc.document_element());
}

bool createBookmarkfile(AppContext& ctx) {
    pugi::xml_document doc;
    const auto root = loadBookmarks(ctx, doc);
    if (!root) {
        show(ctx, "No Bookmark availaible", msg::OkOnly);
        return false;
    }
    std::string xml = xmlText(*root);
    writeXMLFile(ctx, xml, ctx.paths.resolve("\\Database\\bookmark"), "createBookmarkfile");
    ctx.handedToMovies.insert("bookmark");
    return true;
}

void bookmarkQuestions(AppContext& ctx, const std::string& testXml, Movie& modeMovie) {
    pugi::xml_document bookmarks;
    if (const auto loaded = loadBookmarks(ctx, bookmarks); !loaded) {
        if (loaded.reason() != BookmarkFault::Missing)
            show(ctx, "Error While loading bookmark", msg::OkOnly | msg::Information);
        // A damaged store is replaced by what this merge keeps.
        makeNewBookmarkDocument(bookmarks);
    }
    pugi::xml_node root = bookmarks.document_element();

    pugi::xml_document test;
    if (!parseMovieXml(ctx, test, testXml)) {
        // Nothing was merged: "saved" after this error would be a false report.
        show(ctx, "Error while loading report xml", msg::OkOnly | msg::Critical);
        return;
    }
    const pugi::xml_node played = firstNamed(test, "Test");
    for (pugi::xml_node item = played.first_child(); item; item = item.next_sibling()) {
        if (std::string_view(item.name()) != "item" || !isMarked(item)) continue;
        const std::string id = item.attribute("questionId").value();
        if (pugi::xml_node older = selectFirst(root, "item[@questionId = $id]", {{"id", id}})) root.remove_child(older);
        root.append_copy(item);
    }

    modeMovie.SetVariable("new_xml", xmlText(bookmarks));
    modeMovie.SetVariable("flgpaint", "True");
    if (root.first_child() && !store(ctx, root)) return;
    createBookmarkfile(ctx);
    showMessage(ctx, msgcode::BookmarksStored, msg::OkOnly, ctx.windowTitle);
}

PruneOutcome pruneBookmarks(AppContext& ctx, const std::string& keptXml) {
    pugi::xml_document kept;
    if (!parseMovieXml(ctx, kept, keptXml) || !kept.document_element()) {
        // Garbage from the movie must not cost the user the stored bookmarks.
        show(ctx, "Error while loading bookmark xml", msg::OkOnly | msg::Critical);
        return PruneOutcome::Unchanged;
    }
    const pugi::xml_node root = kept.document_element();
    const auto children = std::distance(root.begin(), root.end());
    if (children > 1) return store(ctx, root) ? PruneOutcome::Stored : PruneOutcome::Unchanged;
    deleteFile(ctx.paths, bookmarkStorePath(ctx));
    return PruneOutcome::Deleted;
}

}  // namespace examsim
