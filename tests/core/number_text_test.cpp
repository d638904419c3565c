#include "core/atomic_file.h"
#include "core/number_text.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

using namespace examsim;
using namespace examsim::test;

TEST(NumberText, ReadsStoredNumberTextsAndRefusesOthers) {
    EXPECT_EQ(numberValue(" 12 "), 12.0);
    EXPECT_EQ(numberValue("+0.5"), 0.5);
    EXPECT_EQ(numberValue("-1.5e1"), -15.0);
    EXPECT_EQ(numberValue(""), std::nullopt);
    EXPECT_EQ(numberValue("1 2"), std::nullopt);
    EXPECT_EQ(numberValue("++1"), std::nullopt);
    EXPECT_EQ(numberValue("inf"), std::nullopt);
    EXPECT_EQ(numberValue("1,5"), std::nullopt);
}

TEST(NumberText, WholeNumbersRoundTiesToEven) {
    EXPECT_EQ(wholeNumber("0.5"), 0);
    EXPECT_EQ(wholeNumber("1.5"), 2);
    EXPECT_EQ(wholeNumber("2.5"), 2);
    EXPECT_EQ(wholeNumber("-2.5"), -2);
    EXPECT_EQ(wholeNumber("2.51"), 3);
    EXPECT_EQ(roundedToWhole(12.5), 12);
    EXPECT_EQ(roundedToWhole(87.5), 88);
    EXPECT_EQ(wholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(wholeNumber("2147483648"), std::nullopt);
}

TEST(AbandonedTemporaries, OnlyTheTargetsOwnTemporariesAreRemoved) {
    TempFolder t;
    writeFile(t / ".MainReport.wlb.tmp-abcdefghij", "x");
    writeFile(t / ".bookmark.wlb.tmp-abcdefghij", "x");
    writeFile(t / ".MainReport.wlb.tmp-short", "x");
    writeFile(t / "MainReport.wlb", "kept");
    removeAbandonedTemporaries(t / "MainReport.wlb");
    EXPECT_FALSE(std::filesystem::exists(t / ".MainReport.wlb.tmp-abcdefghij"));
    EXPECT_TRUE(std::filesystem::exists(t / ".bookmark.wlb.tmp-abcdefghij"));
    EXPECT_TRUE(std::filesystem::exists(t / ".MainReport.wlb.tmp-short"));
    EXPECT_EQ(readFile(t / "MainReport.wlb"), "kept");
}
