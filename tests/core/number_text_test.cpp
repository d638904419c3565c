#include "core/number_text.h"

#include <gtest/gtest.h>

using namespace examsim;

TEST(NumberText, ReadsStoredNumberTextsAndRefusesOthers) {
    const std::pair<const char*, std::optional<double>> rows[] = {
        {" 12 ", 12.0}, {"+0.5", 0.5}, {"-1.5e1", -15.0}, {"", std::nullopt}, {"1 2", std::nullopt},
        {"++1", std::nullopt}, {"+-1", std::nullopt}, {"inf", std::nullopt}, {"1,5", std::nullopt}};
    for (const auto& [text, expected] : rows) EXPECT_EQ(numberValue(text), expected) << '"' << text << '"';
}

TEST(NumberText, WholeNumbersRoundTiesToEvenWithinInt32) {
    const std::pair<const char*, std::optional<std::int32_t>> rows[] = {
        {"0.5", 0}, {"1.5", 2}, {"2.5", 2}, {"-2.5", -2}, {"2.51", 3}, {"87.5", 88},
        {"2147483647", 2147483647}, {"2147483648", std::nullopt}};
    for (const auto& [text, expected] : rows) EXPECT_EQ(wholeNumber(text), expected) << text;
}
