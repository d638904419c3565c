#include "screens/image_dimension.h"

#include "core/app_context.h"
#include "core/xml.h"

#include <iostream>

namespace examsim {
namespace {

// The picture's size in pixels, or false with the reason logged.
bool sizeOf(AppContext& ctx, const pugi::xml_node& element, ScreenSize& size) {
    const std::string relative = std::string(element.attribute("uri").value()) + "/" + textContent(element);
    const auto file = ctx.paths.confined(relative);
    if (!file) {
        std::cerr << "examsim: picture \"" << relative << "\" is outside the application folder\n";
        return false;
    }
    if (!ctx.host.pictures || !ctx.host.pictures->pictureSize(*file, size)) {
        std::cerr << "examsim: picture \"" << relative << "\" cannot be read; left unsized\n";
        return false;
    }
    return true;
}

}  // namespace

std::string setImageDimension(AppContext& ctx, const std::string& questionXml) {
    pugi::xml_document doc;
    if (!parseXml(doc, questionXml)) return {};
    const pugi::xml_node item = doc.document_element();
    ScreenSize size;
    const pugi::xml_node picture = selectFirst(item, "resource[./@name=\"questionimage\"]");
    if (!picture) {
        std::cerr << "examsim: the drag-and-drop question has no question picture; left unsized\n";
        return questionXml;
    }
    if (!sizeOf(ctx, picture, size)) return questionXml;
    setAttribute(picture, "height", std::to_string(size.height));
    setAttribute(picture, "width", std::to_string(size.width));
    for (const pugi::xpath_node& r : selectAll(item, "responses/response")) {
        if (!sizeOf(ctx, r.node(), size)) continue;
        setAttribute(r.node(), "height", std::to_string(size.height + 10));
        setAttribute(r.node(), "width", std::to_string(size.width));
    }
    return xmlText(doc);
}

}  // namespace examsim
