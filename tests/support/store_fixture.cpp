#include "support/store_fixture.h"

#include "core/xml.h"

#include <algorithm>

namespace examsim::test {

void StoreFixture::SetUp() {
    ContextFixture::SetUp();
    ctx.catalogue["qe5"] = "Cannot read the data. ";
    ctx.catalogue["ri11"] = "Bookmarks saved.";
    ctx.windowTitle = "Network Essentials Exam Simulator";
    useProduct(productXml(65));
}

void StoreFixture::useProduct(const std::string& xml) { ASSERT_TRUE(parseXml(ctx.productDoc, xml)); }

std::vector<std::string> StoreFixture::shownTexts() const {
    std::vector<std::string> texts;
    for (const ShownMessage& m : host.messages.shown) texts.push_back(m.text);
    return texts;
}

std::size_t StoreFixture::records() const { return selectAll(ctx.reportDoc, "QuestionBank/History/Test").size(); }

std::vector<std::string> StoreFixture::strayFiles(const std::vector<std::string>& expected) const {
    std::vector<std::string> stray;
    for (const auto& folder : {t.path(), t / "Database"})
        for (const auto& e : std::filesystem::directory_iterator(folder)) {
            const std::string name = e.path().filename().string();
            if (e.is_regular_file() && std::find(expected.begin(), expected.end(), name) == expected.end()) stray.push_back(name);
        }
    return stray;
}

}  // namespace examsim::test
