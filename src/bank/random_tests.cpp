#include "bank/random_tests.h"

#include "bank/answer_merge.h"
#include "bank/question_bank.h"
#include "bank/random_draw.h"
#include "bank/test_document.h"
#include "core/app_context.h"

namespace examsim {

bool buildRandomTest(AppContext& ctx, std::int32_t n, double seconds) {
    if (n < 1) return false;
    const std::vector<pugi::xml_node> children = practicePoolChildren(ctx);
    const auto questionCount = static_cast<std::int32_t>(children.size()) - 1;  // position 0 is the property
    if (questionCount < n) return false;
    const std::vector<std::int32_t> positions = pickDistinctIndexes(ctx, questionCount, n);
    pugi::xml_document doc;
    const std::string time = timeText(seconds);
    pugi::xml_node test = newTestDocument(doc, "Randomize Question Test", time);
    for (std::int32_t i = 0; i < n; ++i) test.append_copy(children[static_cast<std::size_t>(positions[static_cast<std::size_t>(i)])]);
    mergeAnswersInto(ctx, test);
    return handOverTest(ctx, test);
}

bool showCustomOption(AppContext& ctx) {
    pugi::xml_document pool;
    buildPracticePool(ctx, pool);
    const pugi::xml_node root = pool.document_element();
    if (childNodes(root).size() < 2) return false;
    // The mode screen plays this file as it is, so it carries the answers too.
    mergeAnswersInto(ctx, root);
    return handOverTest(ctx, root);
}

}  // namespace examsim
