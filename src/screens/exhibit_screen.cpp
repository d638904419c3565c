#include "screens/exhibit_screen.h"

#include "core/app_context.h"

namespace examsim {

std::optional<std::filesystem::path> frmExhibit::load() {
    caption = ctx_.windowTitle;
    const std::size_t dollar = picturePath.find('$');
    if (dollar == std::string::npos) return std::nullopt;
    const std::size_t end = picturePath.find('$', dollar + 1);
    const std::string piece = picturePath.substr(dollar + 1, end == std::string::npos ? std::string::npos : end - dollar - 1);
    if (piece.empty()) return std::nullopt;
    return ctx_.paths.confined(piece);
}

std::optional<frmExhibit::Layout> frmExhibit::resizeLayout(bool minimised, int width, int height) {
    if (minimised || height < 1500 || width < 100) return std::nullopt;
    Layout l;
    l.viewWidth = width - 100;
    l.viewHeight = height - 1000;
    l.closeTop = l.viewHeight + 150;
    l.closeLeft = width / 2 - 1000;
    return l;
}

}  // namespace examsim
