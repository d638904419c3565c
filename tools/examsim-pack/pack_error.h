#pragma once
#include <stdexcept>

namespace examsim::pack {

// Thrown for input the tool refuses; the message is shown as it is.
struct PackError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

}  // namespace examsim::pack
