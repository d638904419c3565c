#pragma once
#include "core/app_context.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

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
    TempFolder t;
    AppContext ctx;
    FakeHost host;
};

}  // namespace examsim::test
