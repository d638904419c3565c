#pragma once
#include <string>

namespace examsim::pack {

// One inconsistency of a product: the source file (relative to the product
// folder), the element it concerns, and what is wrong.
struct Finding {
    std::string file;
    std::string element;
    std::string message;
};

}  // namespace examsim::pack
