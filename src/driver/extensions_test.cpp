#include "driver/extensions.h"

#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

using vx::testing::ScopedVariable;

TEST(Extensions, AVariableThatIsSetReplacesTheDefaultEvenWhenEmpty) {
    {
        ScopedVariable unset("VEXORTDC", nullptr);
        EXPECT_EQ(extension_for(ExtensionKind::link_records), "tdc");
    }
    {
        ScopedVariable set("VEXORTDC", "lnk");
        EXPECT_EQ(extension_for(ExtensionKind::link_records), "lnk");
    }
    {
        ScopedVariable empty("VEXORLIS", "");
        EXPECT_EQ(extension_for(ExtensionKind::details), "");
    }
}

}  // namespace
}  // namespace vx
