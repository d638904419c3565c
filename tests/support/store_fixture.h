#pragma once
#include "core/app_context.h"
#include "support/fakes.h"
#include "support/played_test.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace examsim::test {

// An application folder with a Database folder, the fakes attached, the
// product document loaded (pass at 65) and "qe5" in the catalogue.
class StoreFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void useProduct(const std::string& xml);
    // Texts of the boxes shown so far.
    std::vector<std::string> shownTexts() const;
    // Files of the application folder and Database whose name is not in `expected`.
    std::vector<std::string> strayFiles(const std::vector<std::string>& expected) const;

    TempFolder t;
    AppContext ctx;
    FakeHost host;
    FakeMovie modeMovie;
};

}  // namespace examsim::test
