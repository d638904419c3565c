#include "screens/about_contract.h"
#include "screens/exam_mode_contract.h"
#include "screens/finish_dialog_contract.h"
#include "screens/image_screen_contract.h"
#include "screens/instruction_contract.h"
#include "screens/live_update_contract.h"
#include "screens/main_window_contract.h"
#include "screens/message_dialog_contract.h"
#include "screens/report_contract.h"
#include "screens/show_image_screen_contract.h"
#include "screens/splash_contract.h"
#include "support/temp_folder.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <string>

using namespace examsim;

namespace {

std::filesystem::path sourceDir() {
    const char* dir = std::getenv("EXAMSIM_SOURCE_DIR");
    return dir ? dir : ".";
}

// The names a movie source uses, as its markup and its script spell them.
struct MovieNames {
    std::set<std::string> variables;
    std::set<std::string> commands;
    std::set<std::string> buttons;
    int frames = 1;  // of the main timeline
};

MovieNames scanMovie(const std::string& html) {
    MovieNames n;
    const auto each = [&html](const char* pattern, auto&& take) {
        const std::regex re(pattern);
        for (auto it = std::sregex_iterator(html.begin(), html.end(), re); it != std::sregex_iterator(); ++it) take(*it);
    };
    // Markup: the runtime binds data-var to a variable and sends "ButtonClick"
    // for a data-button.
    each(R"re(data-var\s*=\s*["']([^"']+)["'])re", [&](const std::smatch& m) { n.variables.insert(m[1]); });
    each(R"re(data-button\s*=\s*["']([^"']+)["'])re", [&](const std::smatch& m) {
        n.buttons.insert(m[1]);
        n.commands.insert(movie_contract::command::ButtonClick);
    });
    // Script: variables read, watched or set, and commands sent.
    each(R"re(movie\.(?:onChange|get|has|set)\(\s*["']([^"']+)["'])re",
         [&](const std::smatch& m) { n.variables.insert(m[1]); });
    each(R"re(fscommand\(\s*["']([^"']+)["'](?:\s*,\s*["']([^"']*)["'])?)re", [&](const std::smatch& m) {
        n.commands.insert(m[1]);
        if (m[1] == movie_contract::command::ButtonClick && m[2].matched) n.buttons.insert(m[2]);
    });
    // Frames: the declared count, or past the highest frame an element shows on.
    each(R"re(data-frames\s*=\s*["'](\d+)["'])re", [&](const std::smatch& m) { n.frames = std::max(n.frames, std::stoi(m[1])); });
    each(R"re(data-frame\s*=\s*["']([\d,\s-]+)["'])re", [&](const std::smatch& m) {
        const std::string list = m[1];
        const std::regex number(R"(\d+)");
        for (auto it = std::sregex_iterator(list.begin(), list.end(), number); it != std::sregex_iterator(); ++it)
            n.frames = std::max(n.frames, std::stoi(it->str()) + 1);
    });
    return n;
}

// What the contract names and the movie lacks, one line per name.
std::string missingFromMovie(const ScreenContract& c, const std::string& html) {
    const MovieNames used = scanMovie(html);
    std::string missing;
    const auto check = [&](const char* kind, std::span<const char* const> names, const std::set<std::string>& have) {
        for (const char* name : names)
            if (!have.count(name)) missing += std::string(c.screen) + ": " + kind + " \"" + name + "\" is not in " + c.movieSource + "\n";
    };
    check("variable", c.variables, used.variables);
    check("command", c.commands, used.commands);
    check("button", c.buttons, used.buttons);
    for (int frame : c.frames)
        if (frame < 0 || frame >= used.frames)
            missing += std::string(c.screen) + ": frame " + std::to_string(frame) + " is past the " +
                       std::to_string(used.frames) + " frames of " + c.movieSource + "\n";
    return missing;
}

// The first comment of a file: the lines of "//" comment before anything else.
std::string firstComment(const std::string& text) {
    std::string comment;
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        const std::string line = text.substr(at, end - at);
        if (line.rfind("//", 0) == 0) comment += line + "\n";
        else if (!comment.empty() || line.rfind("#pragma", 0) != 0) break;
        at = end + 1;
    }
    return comment;
}

// One row per screen: its logic header, and the contract of its movie when
// it has one. A new movie screen adds its row here.
struct ScreenRow {
    const char* screen;
    const char* logicHeader;            // under src/screens
    const ScreenContract* movie = nullptr;
};

const ScreenRow kScreens[] = {
    {splash_contract::kScreen, "splash_screen.h", &splash_contract::kContract},
    {about_contract::kScreen, "about_screen.h", &about_contract::kContract},
    {main_window_contract::kScreen, "main_window_screen.h"},
    {instruction_contract::kScreen, "instruction_dialog.h"},
    {finish_dialog_contract::kScreen, "finish_dialog.h"},
    {message_dialog_contract::kScreen, "message_dialog.h"},
    {exam_mode_contract::kScreen, "exam_mode_screen.h", &exam_mode_contract::kContract},
    {image_contract::kScreen, "image_screen.h", &image_contract::kContract},
    {show_image_contract::kScreen, "show_image_screen.h", &show_image_contract::kContract},
    {"frmPGrid", "objective_grid.h"},
    {live_update_contract::kScreen, "live_update_screen.h", &live_update_contract::kContract},
    {"frmBrowser", "browser_viewer.h"},
    {"frmPrint", "print_viewer.h"},
    {report_contract::kScreen, "report_screen_logic.h", &report_contract::kContract},
};

}  // namespace

TEST(ScreenContract, EachScreenKeepsItsNameAndEachMovieUsesTheNamesItsContractDeclares) {
    for (const ScreenRow& row : kScreens) {
        SCOPED_TRACE(row.screen);
        const std::string header = test::readFile(sourceDir() / "src" / "screens" / row.logicHeader);
        EXPECT_NE(header.find(std::string("class ") + row.screen + " "), std::string::npos) << row.logicHeader;
        EXPECT_NE(firstComment(header).find(row.screen), std::string::npos)
            << row.logicHeader << " does not name " << row.screen << " in its first comment";
        if (!row.movie) continue;
        EXPECT_STREQ(row.movie->screen, row.screen);
        const auto source = sourceDir() / "product" / "movies" / row.movie->movieSource;
        ASSERT_TRUE(std::filesystem::exists(source)) << source;
        EXPECT_EQ(missingFromMovie(*row.movie, test::readFile(source)), "");
    }
}

// The check itself: a movie that renamed or dropped a name fails, naming the
// screen and the name; one that keeps them all passes.
TEST(ScreenContract, ARenamedVariableCommandButtonOrMissingFrameIsReported) {
    constexpr std::array vars{"txtTitle", "txtScore"};
    constexpr std::array commands{movie_contract::command::ButtonClick, "cmdFinish"};
    constexpr std::array buttons{"btnNext"};
    constexpr std::array frames{0, 4};
    const ScreenContract c{"frmSample", "\\sample.wlb", "sample.html", vars, commands, buttons, frames};
    const std::string whole = R"(<body data-frames="3"><h1 data-var='txtTitle'></h1><div data-frame="1,4"></div>
        <button data-button="btnNext">Next</button>
        <script>movie.onChange('txtScore', show); movie.fscommand("cmdFinish", '');</script></body>)";
    EXPECT_EQ(missingFromMovie(c, whole), "");

    const struct {
        std::string from, to, report;
    } broken[] = {
        {"data-var='txtTitle'", "data-var='txtHeading'", "frmSample: variable \"txtTitle\" is not in sample.html\n"},
        {"onChange('txtScore'", "onChange('txtscore'", "frmSample: variable \"txtScore\" is not in sample.html\n"},
        {"fscommand(\"cmdFinish\"", "fscommand(\"cmdEnd\"", "frmSample: command \"cmdFinish\" is not in sample.html\n"},
        {"data-button=\"btnNext\"", "data-goto=\"2\"",
         "frmSample: command \"ButtonClick\" is not in sample.html\nfrmSample: button \"btnNext\" is not in sample.html\n"},
        {"data-frame=\"1,4\"", "data-frame=\"1-2\"", "frmSample: frame 4 is past the 3 frames of sample.html\n"},
    };
    for (const auto& b : broken) {
        std::string html = whole;
        html.replace(html.find(b.from), b.from.size(), b.to);
        EXPECT_EQ(missingFromMovie(c, html), b.report) << b.to;
    }
    // A button sent by the script, not the markup, counts as well.
    std::string scripted = whole;
    const std::string markup = "data-button=\"btnNext\"";
    scripted.replace(scripted.find(markup), markup.size(), "onclick=\"movie.fscommand('ButtonClick', 'btnNext')\"");
    EXPECT_EQ(missingFromMovie(c, scripted), "");
}
