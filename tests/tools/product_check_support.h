#pragma once
#include "support/temp_folder.h"

#include <array>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace examsim::test {

// The exit status of one run of examsim-pack and what it printed (standard
// output and error together).
struct PackRun {
    int status = -1;
    std::string output;
};

// Runs `examsim-pack <verb> <paths...>`.
PackRun runPack(const std::string& verb, std::initializer_list<std::filesystem::path> paths);

std::filesystem::path sourceProduct();

// The sample product's seven objectives, in its order.
const std::array<const char*, 7>& sampleObjectives();

// A copy of the sample product whose questions are replaced by a small,
// generated, complete set, so the rule tests do not depend on the content.
class ProductCopy {
public:
    ProductCopy();
    const std::filesystem::path& path() const { return folder_.path(); }

private:
    TempFolder folder_;
};

}  // namespace examsim::test
