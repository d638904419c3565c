#include "check.h"

#include "check_rules.h"

namespace examsim::pack {

std::vector<Finding> checkProduct(const std::filesystem::path& product) {
    ProductSources src(product);
    checkQuestionIds(src);
    checkAnswerPairing(src);
    checkAnswerOptions(src);
    checkObjectives(src);
    checkLevels(src);
    checkMessageCodes(src);
    checkProductKeys(src);
    checkResultBands(src);
    checkReferences(src);
    checkHelp(src);
    return std::move(src.findings());
}

void printFindings(const std::vector<Finding>& findings, std::ostream& out) {
    for (const auto& f : findings) out << f.file << ": " << f.element << ": " << f.message << "\n";
}

}  // namespace examsim::pack
