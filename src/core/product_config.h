#pragma once
#include "core/product_keys.h"

#include <pugixml.hpp>
#include <string>

namespace examsim {

struct AppContext;

// Deciphers and parses "Database/Product.wlb" into the product document and
// keeps its sku and validate value. A text that does not parse shows "qe7"
// and leaves the document empty; a missing file raises CryptError.
void loadProductDocument(AppContext& ctx);

// The element a product key names (see product_keys.h), first match in
// document order; an empty node when the document lacks it.
pugi::xml_node productNode(const AppContext& ctx, const char* key);

// Full text of the key's element, or of one of its attributes; the empty text
// when the element or attribute is missing.
std::string productText(const AppContext& ctx, const char* key);
std::string productAttribute(const AppContext& ctx, const char* key, const char* attribute);

}  // namespace examsim
