#pragma once
#include "desktop/screens/help_key.h"
#include "screens/movie_screen.h"

#include <QRect>
#include <QWidget>

namespace examsim {

class MoviePlayer;
class WebEnvironment;

// The base of every movie window: its surface is one screen's movie. Links
// the movie follows go to `openLink`; once `attach` has run, the screen's
// logic drives the player, hears the movie's commands, may close the window
// and answers F1 with its help.
class MovieWindow : public QWidget, public ScreenWindow, public HelpKeyTarget {
    Q_OBJECT
public:
    MoviePlayer& player() { return *player_; }

    // Shows the window modally, centred on its owner, until it closes: by the
    // screen's logic, its close box, the window manager or Escape.
    void exec();
    void closeWindow() override { close(); }
    void helpKey() override;

signals:
    void hidden();

protected:
    MovieWindow(AppContext& ctx, WebEnvironment& web, QWidget* owner = nullptr, Qt::WindowFlags flags = {});
    void attach(MovieScreen& screen);
    // The design's size in pixels, grown by the context's screen scales.
    void resizeByScales(int width, int height);
    // Where the movie sits; the whole window unless the screen says otherwise.
    virtual QRect movieGeometry() const { return rect(); }
    void placeMovie();
    // What the movie leaves of the window takes the movie's own background,
    // light or dark with the desktop.
    void fillWithMovieBackground();

    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void changeEvent(QEvent* event) override;

    AppContext& ctx_;

private:
    MoviePlayer* player_;
    MovieScreen* screen_ = nullptr;
    QShortcut* helpKey_ = nullptr;
};

}  // namespace examsim
