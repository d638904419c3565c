#pragma once
#include "desktop/screens/movie_window.h"
#include "screens/image_screen.h"
#include "screens/test_run_peers.h"

#include <QPointer>
#include <functional>

namespace examsim {

class FinishDialogWindow;

// frmImage's window: modal over the question screen, sized by its movie,
// which fills it. Escape and the close box leave the recorded answer as it was.
class ImageScreenWindow : public MovieWindow, public ImageWindow, public FinishDialogs {
    Q_OBJECT
public:
    // peers.window and peers.finish are this window.
    ImageScreenWindow(AppContext& ctx, WebEnvironment& web, ImageScreenPeers peers, QWidget* owner = nullptr);

    // Plays the question in the current test file until the screen hides.
    void play();

    frmImage& logic() { return logic_; }

    void hideImageScreen() override;
    void disableFileMenu() override;
    double twipsPerPixelX() override;
    double twipsPerPixelY() override;
    void sizeImageScreen(const ImageScreenSize& size) override;
    void showFinish(ReplyTarget& parent, const FinishFlags& flags) override;
    bool finishOpen() override { return !finish_.isNull(); }
    void closeFinish() override;

signals:
    // The modal wait of play() has begun.
    void playing();
    // The movie asked for a size and the window took it.
    void sized(const ImageScreenSize& size);
    void finishShown(FinishDialogWindow* dialog);

private:
    frmImage logic_;
    QuestionWindow* question_;
    QPointer<FinishDialogWindow> finish_;
};

// The drag-and-drop screen as the question screen drives it: one window,
// created on first use, playing over the question screen.
class ImageScreens : public DragDropScreen {
public:
    ImageScreens(AppContext& ctx, WebEnvironment& web) : ctx_(ctx), web_(web) {}
    // The question screen whose movie takes the response records.
    void attach(QWidget* owner, QuestionWindow* question, Movie* questionMovie, TestRunPeers peers);

    bool loaded() override { return !window_.isNull(); }
    void unload() override;
    void showModal() override;
    void hideScreen() override;
    void clearResponse() override;

    ImageScreenWindow* window() const { return window_; }
    // Called with each window made, before it plays (tests watch it).
    std::function<void(ImageScreenWindow&)> onCreated;

private:
    AppContext& ctx_;
    WebEnvironment& web_;
    QWidget* owner_ = nullptr;
    ImageScreenPeers peers_;
    QPointer<ImageScreenWindow> window_;
};

}  // namespace examsim
