#include "screens/movie_screen.h"

#include "core/app_context.h"
#include "core/ascii_case.h"
#include "core/atomic_file.h"
#include "core/file_ops.h"
#include "core/links.h"
#include "core/messages.h"
#include "core/xml.h"
#include "core/product_settings.h"
#include "screens/movie_contract.h"

#include <iostream>
#include <optional>

namespace examsim {

bool loadScreenMovie(AppContext& ctx, Movie& movie, std::string_view movieFile) {
    const auto temp = ctx.paths.resolve(kTempMovie);
    try {
        requireInsideFolder(ctx.paths, temp);
        ctx.movieCipher.DecryptFile2(ctx.paths.resolve(movieFile), temp, kPassPhrase);
    } catch (const FileWriteError& e) {
        // A read-only folder, or something else in the temporary movie's place.
        if (ctx.host.messages)
            ctx.host.messages->show(std::string(kMovieNotWritten) + " (" + e.what() + ")", msg::OkOnly | msg::Critical,
                                    kStandardTitle);
        return false;
    }
    struct RemoveTemp {
        const AppPaths& paths;
        std::filesystem::path p;
        ~RemoveTemp() { deleteFile(paths, p); }
    } removeTemp{ctx.paths, temp};
    movie.LoadMovie(0, temp);
    return true;
}

std::string resolutionValue(const AppContext& ctx) { return ctx.screen1024 ? "-1" : "0"; }

std::string blankIfEmpty(const std::string& text) { return text.empty() ? " " : text; }

std::filesystem::path productHelpFile(const AppContext& ctx) {
    if (auto p = ctx.paths.confined(ProductSettings(ctx).helpFolder() + "\\Help.chm")) return *p;
    return ctx.paths.resolve("\\Help.chm");
}

MovieScreen::MovieScreen(AppContext& ctx) : ctx_(ctx) {
    onCommand(movie_contract::command::Kill, [this](const std::string& args) { killFile(args); });
}

void MovieScreen::FSCommand(const std::string& command, const std::string& args) {
    if (command == movie_contract::command::ButtonClick) {
        if (auto b = buttons_.find(args); b != buttons_.end()) b->second();
        return;
    }
    if (auto c = commands_.find(command); c != commands_.end()) c->second(args);
}

void MovieScreen::showHelp() {
    if (auto b = buttons_.find(movie_contract::button::Help); b != buttons_.end()) {
        b->second();
        return;
    }
    if (ctx_.host.help) ctx_.host.help->showTopic(productHelpFile(ctx_), kHelpTopic);
}

void MovieScreen::addHelpButton(std::function<std::filesystem::path()> helpFile) {
    onButton(movie_contract::button::Help, [this, helpFile = std::move(helpFile)] {
        if (ctx_.host.help) ctx_.host.help->showTopic(helpFile(), kHelpTopic);
    });
}

void MovieScreen::addAboutButton() {
    onButton(movie_contract::button::About, [this] {
        if (ctx_.host.about) ctx_.host.about->showAbout();
    });
}

void MovieScreen::addUtpButtons() {
    const auto open = [this] { openLink(ctx_, ProductSettings(ctx_).utpLink()); };
    onButton(movie_contract::button::Utp, open);
    onButton(movie_contract::button::UtpUpper, open);
}

void MovieScreen::killFile(const std::string& name) {
    std::optional<std::string> handed;
    if (equalIgnoringCase(name, ctx_.currentTestFileName)) handed = ctx_.currentTestFileName;
    for (const std::string& h : ctx_.handedToMovies)
        if (!handed && equalIgnoringCase(name, h)) handed = h;
    if (handed)
        if (auto file = ctx_.paths.fileIn("\\Database\\", *handed)) {
            deleteFile(ctx_.paths, *file);
            return;
        }
    std::cerr << "examsim: \"kill\" with \"" << name << "\" refused: not a file handed to a movie\n";
}

void MovieScreen::handToMovie(const std::string& name) { ctx_.handedToMovies.insert(name); }

void MovieScreen::set(const std::string& name, const std::string& value) {
    if (movie_) movie_->SetVariable(name, value);
}

void MovieScreen::closeWindow() {
    if (window_) window_->closeWindow();
}

}  // namespace examsim
