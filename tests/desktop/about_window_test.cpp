#include "core/xml.h"
#include "desktop/movie/movie_player.h"
#include "desktop/screens/about_window.h"
#include "engine_support.h"
#include "screens/about_contract.h"
#include "window_input.h"

#include <QWebEnginePage>
#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

namespace {

struct AboutOnSample : ::testing::Test {
    Engine e;
    void SetUp() override {
        parseXml(e.ctx.productDoc, "<product><product-name>Network Essentials</product-name></product>");
        writeMovie(e.folder / "about.wlb", sampleMovie("about"));
    }
    QString js(AboutWindow& about, const QString& script) { return evaluate(about.player().page(), script).toString(); }
};

const QString kActive = "document.activeElement ? document.activeElement.getAttribute('data-button') || '' : ''";

}  // namespace

TEST_F(AboutOnSample, ClosesByEscapeTheWindowManagerAndItsOwnButton) {
    enum class Way { Escape, WindowManager, CloseButton };
    for (Way way : {Way::Escape, Way::WindowManager, Way::CloseButton}) {
        AboutWindow about(e.ctx, e.web);
        whenShown(about_contract::kScreen, [&](QWidget& w) {
            ASSERT_TRUE(waitUntil([&] { return about.player().isDrawn(); }));
            if (way == Way::CloseButton)
                js(about, QString("document.querySelector('[data-button=%1]').click()").arg(about_contract::button::Close));
            else
                closeBy(w, way == Way::Escape ? CloseWay::EscapeKey : CloseWay::WindowManager);
        });
        about.exec();
        EXPECT_FALSE(about.isVisible()) << static_cast<int>(way);
    }
}

// The close button is reached with Tab, names itself, shows that it has the
// focus, and Enter on it closes the window.
TEST_F(AboutOnSample, TheCloseButtonIsReachedByKeyboardAndShowsItsFocus) {
    AboutWindow about(e.ctx, e.web);
    bool reached = false;
    whenShown(about_contract::kScreen, [&](QWidget& w) {
        ASSERT_TRUE(waitUntil([&] { return about.player().isDrawn(); }));
        keepShot(&w, "about");
        for (int tab = 0; tab < 8 && !reached; ++tab) {
            pressKey(w, Qt::Key_Tab);
            waitUntil([&] { return !js(about, kActive).isEmpty(); }, 500);
            reached = js(about, kActive) == about_contract::button::Close;
        }
        ASSERT_TRUE(reached) << "Tab never reached the close button";
        EXPECT_EQ(js(about, "document.activeElement.getAttribute('aria-label') || document.activeElement.textContent.trim()"),
                  "Close");
        EXPECT_EQ(js(about, "getComputedStyle(document.activeElement).outlineStyle"), "solid");
        EXPECT_NE(js(about, "getComputedStyle(document.activeElement).outlineWidth"), "0px");
        pressKey(w, Qt::Key_Return);
        if (!waitUntil([&] { return !about.isVisible(); }, 5000)) {
            ADD_FAILURE() << "Enter on the close button left the window open";
            about.close();
        }
    });
    about.exec();
    EXPECT_TRUE(reached);
    EXPECT_FALSE(about.isVisible());
}

// A publisher or support line the product leaves out is not shown as a bare label.
TEST(AboutLines, OnlyThePublisherAndSupportLinesTheProductGivesAreShown) {
    const struct {
        const char* screen;
        const char* shown;
    } cases[] = {
        {"<screen name='about'><company_link uri='https://example.org/'/><email_text uri='support@example.org'/></screen>",
         "Publisher|Support"},
        {"<screen name='about'><email_text uri='support@example.org'/></screen>", "Support"},
        {"<screen name='about'><company_link uri='https://example.org/'/></screen>", "Publisher"},
        {"", ""},
    };
    for (const auto& c : cases) {
        Engine e;
        parseXml(e.ctx.productDoc, std::string("<product><product-name>Network Essentials</product-name>") + c.screen + "</product>");
        writeMovie(e.folder / "about.wlb", sampleMovie("about"));
        AboutWindow about(e.ctx, e.web);
        about.show();
        ASSERT_TRUE(waitUntil([&] { return about.player().isDrawn(); }));
        const auto shown = [&] {
            return evaluate(about.player().page(), "Array.from(document.querySelectorAll('dt'))"
                                                   ".filter(function (d) { return d.offsetParent !== null; })"
                                                   ".map(function (d) { return d.textContent; }).join('|')")
                .toString()
                .toStdString();
        };
        waitUntil([&] { return shown() == c.shown; }, 3000);  // the product's values come after the first drawing
        EXPECT_EQ(shown(), c.shown) << c.screen;
    }
}
