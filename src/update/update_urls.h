#pragma once
#include <string>

namespace examsim {

struct AppContext;

// What the update server is asked with: the product's `live_update` text,
// `version_code` and `sku`, as the product document holds them.
struct UpdateAddress {
    std::string base;
    std::string version;
    std::string product;

    static UpdateAddress of(const AppContext& ctx);

    // Each URL is the parts joined as they are, unescaped, then trimmed of
    // blanks at both ends.
    std::string versionCheck() const;
    std::string newsPackage() const;
    std::string updatePackage() const;
};

}  // namespace examsim
