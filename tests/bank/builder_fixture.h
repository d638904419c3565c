#pragma once
#include "core/app_context.h"
#include "support/fakes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>
#include <string>
#include <vector>

namespace examsim::test {

// A context on a temporary folder with every fake attached, and helpers to
// fill its documents and read back the test a builder handed over.
class BuilderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void setBank(const std::string& text);
    void setAnswers(const std::string& text);
    void setReport(const std::string& text);
    // The current test file, parsed; fails the test when it is missing.
    pugi::xml_node handedOver();
    std::vector<std::string> handedOverIds();

    TempFolder t;
    AppContext ctx;
    FakeHost host;
    pugi::xml_document handed;
};

// One practice item: <item questionId=id type=type topic=topic level=level total_marks="1">.
std::string practiceItem(const std::string& id, const std::string& topic, const std::string& level,
                         const std::string& type = "Single Choice");

// A bank of one practice test holding the items.
std::string practiceBank(const std::string& items);

std::vector<std::string> questionIds(const pugi::xml_node& test);

}  // namespace examsim::test
