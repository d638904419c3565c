#pragma once
#include "core/xml.h"
#include "support/context_fixture.h"

#include <pugixml.hpp>
#include <string>
#include <vector>

namespace examsim::test {

std::vector<std::string> questionIds(const pugi::xml_node& test);

// Helpers to fill the context's documents and read back the test a builder handed over.
class BuilderTest : public ContextFixture {
protected:
    void setBank(const std::string& text) { ASSERT_TRUE(parseXml(ctx.bankDoc, text)); }
    void setAnswers(const std::string& text);
    void setReport(const std::string& text) { ASSERT_TRUE(parseXml(ctx.reportDoc, text)); }
    // The current test file, parsed; fails the test when it is missing.
    pugi::xml_node handedOver();
    std::vector<std::string> handedOverIds() { return questionIds(handedOver()); }

    pugi::xml_document handed;
};

// One practice item: <item questionId=id type=type topic=topic level=level total_marks="1">.
std::string practiceItem(const std::string& id, const std::string& topic, const std::string& level,
                         const std::string& type = "Single Choice");

// A bank of one practice test holding the items.
std::string practiceBank(const std::string& items);

}  // namespace examsim::test
