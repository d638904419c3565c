// MovieScreen, the base of every movie screen: the movie, the command
// dispatch and the buttons that mean the same on every screen.
#pragma once
#include "core/host.h"

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace examsim {

struct AppContext;

inline constexpr const char* kTempMovie = "\\tempSwf.swf";
inline constexpr const char* kHelpTopic = "using__vostrane_exam_simulator.htm";
inline constexpr const char* kMovieNotWritten =
    "The screen cannot be shown: its movie could not be written to the application folder.";
inline constexpr const char* kCopyrightLine = "Copyright \xC2\xA9 2026 The examsim authors. All rights reserved.";

// Deciphers a movie of the application folder to the temporary movie, loads
// it on layer 0 and deletes the temporary file, whatever the load did. When
// the temporary movie cannot be written the user is told why, nothing is
// loaded and the result is false.
bool loadScreenMovie(AppContext& ctx, Movie& movie, std::string_view movieFile);

// The screen-1024 flag as a movie number: "-1" or "0".
std::string resolutionValue(const AppContext& ctx);

// The text, or a single blank when it is empty (movies show nothing for "").
std::string blankIfEmpty(const std::string& text);

// application folder + "\" + the product's help uri + "\Help.chm".
std::filesystem::path productHelpFile(const AppContext& ctx);

// The window a screen's movie plays in, as the screen's logic sees it.
class ScreenWindow {
public:
    virtual ~ScreenWindow() = default;
    virtual void closeWindow() = 0;
};

class MovieScreen {
public:
    using Button = std::function<void()>;
    using Command = std::function<void(const std::string& args)>;

    explicit MovieScreen(AppContext& ctx);
    virtual ~MovieScreen() = default;
    MovieScreen(const MovieScreen&) = delete;
    MovieScreen& operator=(const MovieScreen&) = delete;

    void attachMovie(Movie& movie) { movie_ = &movie; }
    void attachWindow(ScreenWindow& window) { window_ = &window; }
    bool hasMovie() const { return movie_ != nullptr; }
    Movie& movie() { return *movie_; }

    // The movie's command event. Names compare exactly; the first match
    // decides and a name that matches nothing is ignored.
    virtual void FSCommand(const std::string& command, const std::string& args);

    // The help key: what the screen's "btnHelp" does, or the product's help
    // topic on a screen without one.
    void showHelp();

protected:
    void onButton(const std::string& name, Button action) { buttons_[name] = std::move(action); }
    void onCommand(const std::string& name, Command action) { commands_[name] = std::move(action); }
    void forgetCommand(const std::string& name) { commands_.erase(name); }

    // The shared buttons, for the screens that have them.
    void addHelpButton(std::function<std::filesystem::path()> helpFile);
    void addAboutButton();
    void addUtpButtons();

    // "kill": deletes the named file of "\Database\" when the host handed it
    // to a movie (the current test file, or one named in handedToMovies); the
    // name may differ in case. Any other name deletes nothing and is logged.
    void killFile(const std::string& name);

    // Names a plain file of "\Database\" this screen wrote for its movie.
    void handToMovie(const std::string& name);

    void set(const std::string& name, const std::string& value);
    // Closes the screen's window, when it has one.
    void closeWindow();

    AppContext& ctx_;

private:
    Movie* movie_ = nullptr;
    ScreenWindow* window_ = nullptr;
    std::map<std::string, Button> buttons_;
    std::map<std::string, Command> commands_;
};

}  // namespace examsim
