#include "bank/answers.h"

#include "core/app_context.h"
#include "core/crypt_api.h"
#include "core/data_file.h"
#include "core/xml.h"

namespace examsim {

AnswerLoad loadAnswerDocument(AppContext& ctx) {
    AnswerLoad r;
    try {
        const XmlParseOutcome parsed = loadDataDocument(ctx, kAnswerDataName, ctx.answerDoc);
        if (parsed) {
            r.ok = true;
        } else {
            r.problem = "The answer file Database/Answers.wlb is damaged (" + parsed.description + ", line " +
                        std::to_string(parsed.line) + "). The simulator cannot check answers without it and will close.";
        }
    } catch (const CryptError&) {
        ctx.answerDoc.reset();
        r.problem = "The answer file Database/Answers.wlb is missing. The simulator cannot check answers without it "
                    "and will close.";
    }
    indexAnswers(ctx);
    return r;
}

void indexAnswers(AppContext& ctx) {
    ctx.answerIndex.clear();
    const pugi::xml_node root = ctx.answerDoc.document_element();
    // Descendants of the root in document order, so the first `Ans` of an id wins.
    pugi::xml_node node = root.first_child();
    while (node) {
        if (node.type() == pugi::node_element && std::string_view(node.name()) == "Ans")
            ctx.answerIndex.add(node);
        if (node.first_child()) {
            node = node.first_child();
            continue;
        }
        while (node && node != root && !node.next_sibling()) node = node.parent();
        node = node == root ? pugi::xml_node() : node.next_sibling();
    }
}

pugi::xml_node answerFor(const AppContext& ctx, const std::string& questionId) {
    return ctx.answerIndex.find(questionId);
}

}  // namespace examsim
