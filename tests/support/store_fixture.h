#pragma once
#include "support/context_fixture.h"
#include "support/played_test.h"

namespace examsim::test {

// A ContextFixture with the product document loaded (pass at 65) and "qe5"
// in the catalogue.
class StoreFixture : public ContextFixture {
protected:
    void SetUp() override;
    void useProduct(const std::string& xml);
    // Texts of the boxes shown so far.
    std::vector<std::string> shownTexts() const;
    // Records of the report history in memory.
    std::size_t records() const;
    // Files of the application folder and Database whose name is not in `expected`.
    std::vector<std::string> strayFiles(const std::vector<std::string>& expected) const;

    FakeMovie modeMovie;
};

}  // namespace examsim::test
