// The movies share one stylesheet: each asks for it, takes every colour from
// its palette (so it follows a dark desktop), and the dark palette leaves no
// colour of the light one behind.
#include "product_check_support.h"

#include "core/crypt_api.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace examsim;
using namespace examsim::test;
namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

namespace {

const std::string kMarker = "<!-- style movie -->";

fs::path movieCss() { return sourceProduct() / "style" / "movie.css"; }

std::set<std::string> matches(const std::string& text, const std::regex& re) {
    std::set<std::string> found;
    for (std::sregex_iterator it(text.begin(), text.end(), re), end; it != end; ++it) found.insert((*it)[1]);
    return found;
}

std::set<std::string> definedVariables(const std::string& css) { return matches(css, std::regex(R"((--[\w-]+)\s*:)")); }
std::set<std::string> usedVariables(const std::string& css) { return matches(css, std::regex(R"(var\(\s*(--[\w-]+))")); }

// The text between the brace that opens at or after `from` and its partner.
std::string block(const std::string& css, std::size_t from) {
    const std::size_t open = css.find('{', from);
    int depth = 0;
    for (std::size_t i = open; i < css.size(); ++i) {
        depth += css[i] == '{' ? 1 : css[i] == '}' ? -1 : 0;
        if (depth == 0) return css.substr(open + 1, i - open - 1);
    }
    return {};
}

// The movie's own style elements, where the stylesheet does not reach.
std::string ownStyles(const std::string& html) {
    std::string css;
    const std::regex style(R"(<style>([\s\S]*?)</style>)");
    for (std::sregex_iterator it(html.begin(), html.end(), style), end; it != end; ++it) css += (*it)[1].str() + "\n";
    return css;
}

std::vector<fs::path> movieSources() {
    std::vector<fs::path> movies;
    for (const auto& e : fs::directory_iterator(sourceProduct() / "movies"))
        if (e.path().extension() == ".html") movies.push_back(e.path());
    return movies;
}

}  // namespace

TEST(MovieStyle, TheDarkPaletteSetsEveryColourOfTheLightOne) {
    const std::string css = readFile(movieCss());
    const std::size_t dark = css.find("@media (prefers-color-scheme: dark)");
    ASSERT_NE(dark, std::string::npos);
    const std::size_t light = css.rfind(":root", dark);
    ASSERT_NE(light, std::string::npos);
    const std::set<std::string> lightNames = definedVariables(block(css, light));
    EXPECT_THAT(lightNames, Not(IsEmpty()));
    EXPECT_EQ(definedVariables(block(css, dark)), lightNames);
    EXPECT_TRUE(definedVariables(css).count("--content-size"));
    EXPECT_THAT(css, HasSubstr(":focus-visible { outline: 2px solid var(--focus)"));
}

TEST(MovieStyle, EveryMovieAsksForTheStylesheetAndTakesItsColoursFromIt) {
    const std::string shared = readFile(movieCss());
    const std::set<std::string> defined = definedVariables(shared);
    const std::regex colour(R"((#[0-9a-fA-F]{3,8}\b|\b(?:rgb|rgba|hsl|hsla)\())");
    TempFolder t;
    const PackRun run = runPack("assemble", {sourceProduct(), t / "app"});
    ASSERT_EQ(run.status, 0) << run.output;
    const std::vector<fs::path> movies = movieSources();
    EXPECT_GE(movies.size(), 2u);
    for (const fs::path& movie : movies) {
        SCOPED_TRACE(movie.filename().string());
        const std::string html = readFile(movie);
        EXPECT_THAT(html, HasSubstr(kMarker));
        const std::string own = ownStyles(html);
        EXPECT_THAT(matches(own, colour), IsEmpty()) << "colours belong in the palette";
        for (const std::string& name : usedVariables(own + shared)) EXPECT_TRUE(defined.count(name)) << name;

        std::string stored = clsCryptAPI().DecryptFile(t / "app" / (movie.stem().string() + ".wlb"), {}, kPassPhrase);
        std::erase(stored, '\r');
        EXPECT_THAT(stored, HasSubstr(shared.substr(0, shared.find("@media"))));
        EXPECT_THAT(stored, Not(HasSubstr(kMarker)));
    }
}
