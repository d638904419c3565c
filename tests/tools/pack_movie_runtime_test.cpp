#include "core/crypt_api.h"
#include "core/movie_runtime.h"
#include "support/temp_folder.h"

#include <cstdlib>
#include <string>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(PackMovies, EveryMovieCarriesTheRuntimeAtItsMarker) {
    TempFolder t;
    writeFile(t / "product" / "data" / "Product.xml", "<product/>");
    writeFile(t / "product" / "movies" / "about.html", "<html><head><!-- movie-runtime --></head><body></body></html>");
    writeFile(t / "product" / "movies" / "plain.html", "<html><body>no head</body></html>");
    const std::string cmd = std::string(EXAMSIM_PACK) + " assemble '" + (t / "product").string() + "' '" +
                            (t / "app").string() + "' > '" + (t / "log.txt").string() + "' 2>&1";
    ASSERT_EQ(std::system(cmd.c_str()), 0) << readFile(t / "log.txt");
    clsCryptAPI c;
    std::string about = c.DecryptFile(t / "app" / "about.wlb", {}, kPassPhrase);
    std::erase(about, '\r');  // stored with CR LF line breaks
    EXPECT_NE(about.find(std::string(movieRuntimeScript()).substr(0, 200)), std::string::npos);
    EXPECT_EQ(about.find("<!-- movie-runtime -->"), std::string::npos);
    EXPECT_EQ(c.DecryptFile(t / "app" / "plain.wlb", {}, kPassPhrase), "<html><body>no head</body></html>");
    EXPECT_NE(readFile(t / "log.txt").find("plain.html has no"), std::string::npos);
}
