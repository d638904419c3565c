#include "core/product_config.h"

#include "core/app_context.h"
#include "core/data_file.h"
#include "core/messages.h"
#include "core/xml.h"

#include <string_view>

namespace examsim {

void loadProductDocument(AppContext& ctx) {
    if (!loadDataDocument(ctx, "Product", ctx.productDoc)) {
        showMessage(ctx, msgcode::ProductFileUnreadable, msg::OkOnly);
        return;
    }
    ctx.sku = productText(ctx, productkey::Sku);
    ctx.validateValue = productText(ctx, productkey::Validate);
}

pugi::xml_node productNode(const AppContext& ctx, const char* key) {
    const std::string_view k(key);
    // The common "//name" form needs no XPath: a plain walk in document order.
    if (k.size() > 2 && k.substr(0, 2) == "//" && k.find('/', 2) == std::string_view::npos)
        return firstNamed(ctx.productDoc, k.substr(2));
    return selectFirst(ctx.productDoc, key);
}

std::string productText(const AppContext& ctx, const char* key) { return textContent(productNode(ctx, key)); }

std::string productAttribute(const AppContext& ctx, const char* key, const char* attribute) {
    return productNode(ctx, key).attribute(attribute).value();
}

}  // namespace examsim
