#include "driver/extensions.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

TEST(Extensions, AVariableThatIsSetReplacesTheDefaultEvenWhenEmpty) {
    EXPECT_EQ(extension_for(environment_from({}), ExtensionKind::link_records), "tdc");
    EXPECT_EQ(extension_for(environment_from({{"VEXORTDC", "lnk"}}), ExtensionKind::link_records),
              "lnk");
    EXPECT_EQ(extension_for(environment_from({{"VEXORLIS", ""}}), ExtensionKind::details), "");
    // Each kind has its own variable.
    EXPECT_EQ(extension_for(environment_from({{"VEXORLIS", "log"}}), ExtensionKind::link_records),
              "tdc");
}

}  // namespace
}  // namespace vx
