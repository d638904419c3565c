#pragma once
#include "core/app_context.h"
#include "desktop/movie/app_scheme.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <QString>
#include <filesystem>
#include <memory>
#include <string>

namespace examsim::test {

// The sample product's sources.
std::filesystem::path sampleProduct();

// A copy of the sample product under `folder` that another vendor could have
// made: objectives named with "&", an apostrophe and a non-ASCII dash, and a
// fourth practice test. Returns the copy's folder.
std::filesystem::path secondProduct(const std::filesystem::path& folder);

// The output and exit code of the authoring tool.
std::pair<int, std::string> runPack(const QStringList& args);

// An application folder assembled from a product by the authoring tool, with
// every document loaded as the splash loader leaves them, fake host services
// and the web environment.
struct AssembledApp {
    explicit AssembledApp(const std::filesystem::path& product);
    TempFolder folder;
    std::filesystem::path app;
    AppContext ctx;
    FakeHost host;
    std::unique_ptr<WebEnvironment> web;
};

}  // namespace examsim::test
