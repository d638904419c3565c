#include "update/update_urls.h"

#include "core/product_settings.h"

namespace examsim {
namespace {

std::string trimmed(const std::string& s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    std::size_t a = 0, b = s.size();
    while (a < b && blank(s[a])) ++a;
    while (b > a && blank(s[b - 1])) --b;
    return s.substr(a, b - a);
}

}  // namespace

UpdateAddress UpdateAddress::of(const AppContext& ctx) {
    const ProductSettings product(ctx);
    return {product.liveUpdateAddress(), product.versionCode(), product.sku()};
}

std::string UpdateAddress::versionCheck() const {
    return trimmed(base + "getUpdate.php?version=" + version + "&product=" + product + "&download=NO");
}

std::string UpdateAddress::newsPackage() const {
    return trimmed(base + "getUpdate2.php?product=" + product + "&versionType=" + "full" + "&newsletter=YES");
}

std::string UpdateAddress::updatePackage() const {
    return trimmed(base + "getUpdate.php?version=" + version + "&product=" + product + "&download=YES");
}

}  // namespace examsim
