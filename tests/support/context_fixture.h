#pragma once
#include "core/app_context.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace examsim::test {

// An empty application folder with its Database folder, and a context wired
// to the fakes.
class ContextFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ctx.paths.setFolder(t.path());
        std::filesystem::create_directories(t / "Database");
        host.attach(ctx);
    }
    // Texts of the boxes shown so far, then forgotten.
    std::vector<std::string> said() {
        std::vector<std::string> texts;
        for (const ShownMessage& m : host.messages.shown) texts.push_back(m.text);
        host.messages.shown.clear();
        return texts;
    }
    TempFolder t;
    AppContext ctx;
    FakeHost host;
};

}  // namespace examsim::test
