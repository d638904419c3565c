#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/about_screen.h"

namespace examsim {

// frmAbout's window: the about movie, shown modally (exec).
class AboutWindow : public MovieWindow {
    Q_OBJECT
public:
    AboutWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner = nullptr);
    frmAbout& logic() { return logic_; }

private:
    frmAbout logic_;
};

}  // namespace examsim
