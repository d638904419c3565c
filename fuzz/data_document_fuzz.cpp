// A data file as anything may have left it: deciphered, parsed, saved and
// loaded again, it must come back as it was.
#include "core/data_file.h"
#include "core/xml.h"
#include "support/fuzz_app.h"

using namespace examsim;
using namespace examsim::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    AppContext& ctx = app().fresh();
    writeContainer(dataFilePath(ctx, "Fuzz"), {reinterpret_cast<const char*>(data), size});
    pugi::xml_document doc;
    if (!loadDataDocument(ctx, "Fuzz", doc)) return 0;
    require(nestingDepth(doc) <= kMaxXmlDepth, "a loaded document stays within the nesting limit");
    (void)textContent(doc);
    saveDataDocument(ctx, doc, "Fuzz");
    pugi::xml_document back;
    require(static_cast<bool>(loadDataDocument(ctx, "Fuzz", back)), "a saved document loads again");
    require(contentText(back) == contentText(doc), "a saved document loads back unchanged");
    return 0;
}
