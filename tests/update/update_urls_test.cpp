#include "update/update_urls.h"

#include "core/xml.h"
#include "support/context_fixture.h"

using namespace examsim;
using namespace examsim::test;

namespace {

class UpdateUrls : public ContextFixture {};

// Joined as stored, unescaped; only the blanks around the whole are trimmed.
TEST_F(UpdateUrls, BuiltFromTheProductAsStored) {
    ASSERT_TRUE(parseXml(ctx.productDoc, R"(<product><sku>NE 101</sku><version_code>2.5</version_code>
      <live_update checkUpdate="True">  http://up.example/u/</live_update></product>)"));
    const UpdateAddress a = UpdateAddress::of(ctx);
    EXPECT_EQ(a.versionCheck(), "http://up.example/u/getUpdate.php?version=2.5&product=NE 101&download=NO");
    EXPECT_EQ(a.newsPackage(), "http://up.example/u/getUpdate2.php?product=NE 101&versionType=full&newsletter=YES");
    EXPECT_EQ(a.updatePackage(), "http://up.example/u/getUpdate.php?version=2.5&product=NE 101&download=YES");
    EXPECT_EQ((UpdateAddress{"http://h/", "3 ", "P"}.versionCheck()), "http://h/getUpdate.php?version=3 &product=P&download=NO");
    EXPECT_EQ(UpdateAddress{}.versionCheck(), "getUpdate.php?version=&product=&download=NO");
}

}  // namespace
