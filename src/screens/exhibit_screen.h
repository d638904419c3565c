#pragma once
#include <filesystem>
#include <optional>
#include <string>

namespace examsim {

struct AppContext;

// The exhibit viewer, frmExhibit: a picture of the application folder beside
// the question, not modal.
class frmExhibit {
public:
    // Control placement after a resize, in twips.
    struct Layout {
        int viewWidth = 0;
        int viewHeight = 0;
        int closeTop = 0;
        int closeLeft = 0;
    };

    explicit frmExhibit(AppContext& ctx) : ctx_(ctx) {}

    // Set by the caller before the window loads.
    std::string picturePath;  // prefix + "$" + path relative to the application folder
    std::string caption;

    // The caption becomes the window title; returns the picture to show, or
    // nothing when the path names none inside the application folder.
    std::optional<std::filesystem::path> load();

    // Nothing moves while the window is minimised or too small.
    static std::optional<Layout> resizeLayout(bool minimised, int width, int height);

private:
    AppContext& ctx_;
};

}  // namespace examsim
