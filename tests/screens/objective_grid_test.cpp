#include "core/xml.h"
#include "mode_fixture.h"
#include "screens/objective_grid.h"
#include "support/data_files.h"

#include <map>
#include <set>

using namespace examsim;
using namespace examsim::test;

namespace {

struct FakeGridForm : GridForm {
    bool checked(const std::string& id) override { return ticked.contains(id); }
    std::int32_t listValue(const std::string& id) override { return lists.contains(id) ? lists[id] : 0; }
    std::string text(const std::string& id) override { return id == "txt_time" ? time : ""; }
    std::set<std::string> ticked;
    std::map<std::string, std::int32_t> lists;
    std::string time = "60";
};

// Names a page id is built from, whatever they hold.
const std::string kOdd[] = {"Cabling & Media", "Routing", "Learner's Tools", "Wide \xE2\x80\x93 Area"};

class Grid : public ModeFixture {
protected:
    void SetUp() override {
        ModeFixture::SetUp();
        std::string custom = "<custom>";
        for (const std::string& o : kOdd) {
            pugi::xml_document d;
            d.append_child("objective").append_child(pugi::node_pcdata).set_value(o.c_str());
            custom += xmlText(d.first_child()).insert(10, " Beginner='4' Intermediate='4' Expert='4'");
        }
        writeDataText(ctx, "custom", custom + "</custom>");
        writeEnciphered(ctx, t / "Database" / "pGrid.wlb", "<html>grid \xE2\x80\x93</html>");
        ctx.windowTitle = "Network Essentials Exam Simulator";
        loaded();
    }
    // Ticks the objective with its Beginner, Intermediate and Expert counts.
    void choose(const std::string& topic, std::int32_t b, std::int32_t i, std::int32_t e) {
        form.ticked.insert(topic + "_chk");
        form.lists[topic + "_obj_3"] = b;
        form.lists[topic + "_obj_2"] = i;
        form.lists[topic + "_obj_1"] = e;
    }
    FakeGridForm form;
};

}  // namespace

TEST_F(Grid, ThePageLivesWhileTheDialogIsLoaded) {
    frmPGrid grid(ctx, *mode);
    const auto page = grid.load();
    ASSERT_TRUE(page);
    EXPECT_EQ(*page, t / "Database" / "grid.html");
    EXPECT_EQ(readFile(*page), "<html>grid \x96</html>") << "deciphered as stored, Windows-1252";
    grid.unload();
    EXPECT_FALSE(std::filesystem::exists(*page));
    std::filesystem::remove(t / "Database" / "pGrid.wlb");
    EXPECT_FALSE(grid.cmd_reset());
    EXPECT_FALSE(std::filesystem::exists(*page));
    EXPECT_EQ(said(), (std::vector<std::string>{"The Customized Test page is not part of this product."}));
}

TEST_F(Grid, TotalsTimeAndTheAdaptiveMinimumDecideBeforeAnythingIsBuilt) {
    const struct {
        std::array<std::int32_t, 3> routing;
        std::string time;
        bool adaptive;
        std::vector<std::string> said;
        std::string title;
    } rows[] = {
        {{0, 0, 0}, "60", false, {"ri10"}, "Network Essentials Exam Simulator"},
        {{1, 0, 0}, "0", false, {"qi12"}, "Network Essentials Exam Simulator"},
        {{1, 0, 0}, "soon", false, {"qi12"}, "Network Essentials Exam Simulator"},
        {{1, 0, 0}, "301", false, {"qi23"}, "Network Essentials Exam Simulator"},
        {{15, 15, 14}, "60", true, {"qi8"}, "Network Essentials Exam Simulator"},
        {{15, 15, 15}, "60", true, {"qi21"}, "Network Essentials Exam Simulator"},
        {{0, 3, 0}, "300", false, {"qi21"}, " Exam Simulator"},
    };
    frmPGrid grid(ctx, *mode);
    std::filesystem::remove(currentTestFilePath(ctx));
    for (const auto& row : rows) {
        SCOPED_TRACE(row.time);
        form = {};
        choose("Routing", row.routing[0], row.routing[1], row.routing[2]);
        form.time = row.time;
        if (row.adaptive) form.ticked.insert("chk_adaptive");
        ctx.examClosed = true;
        const auto shown = host.messages.shown;
        EXPECT_FALSE(grid.cmd_Start(form));
        EXPECT_FALSE(ctx.examClosed);
        ASSERT_EQ(host.messages.shown.size(), 1u);
        EXPECT_EQ(host.messages.shown[0].style, msg::OkOnly);
        EXPECT_EQ(host.messages.shown[0].title, row.title);
        EXPECT_EQ(said(), row.said);
        EXPECT_EQ(grid.totals(), row.routing) << "unticked objectives add nothing, whatever the file keeps";
        EXPECT_FALSE(grid.closed());
        EXPECT_FALSE(handedOver());
    }
    EXPECT_TRUE(screens.log.empty());
}

TEST_F(Grid, ObjectivesWithAnyCharacterInTheirNamesBuildTheirTest) {
    frmPGrid grid(ctx, *mode);
    ctx.currentModeLabel = "Learning";
    for (const std::string& o : kOdd) choose(o, 1, 0, 1);
    form.ticked.erase("Routing_chk");
    form.time = "300";
    // Only the two sample objectives have questions: Cabling & Media gives two.
    ASSERT_TRUE(grid.cmd_Start(form));
    EXPECT_TRUE(grid.closed());
    EXPECT_EQ(grid.totals(), (std::array<std::int32_t, 3>{3, 0, 3}));
    EXPECT_EQ(screens.log, (std::vector<std::string>{"hide", "question"}));
    pugi::xml_document test;
    ASSERT_TRUE(parseXml(test, readFile(currentTestFilePath(ctx))));
    EXPECT_STREQ(test.child("Test").attribute("time").value(), "18000");
    EXPECT_EQ(std::distance(test.child("Test").children("item").begin(), test.child("Test").children("item").end()), 2);
    EXPECT_EQ(ctx.currentModeLabel, "Learning");
}
