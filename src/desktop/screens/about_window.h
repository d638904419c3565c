#pragma once
#include "screens/about_screen.h"

#include <QDialog>

namespace examsim {

class MoviePlayer;
class WebEnvironment;

// frmAbout's window: the about movie, shown modally.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    AboutWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner = nullptr);
    MoviePlayer& player() { return *player_; }
    frmAbout& logic() { return logic_; }

private:
    frmAbout logic_;
    MoviePlayer* player_;
};

}  // namespace examsim
