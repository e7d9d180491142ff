#include "driver/extensions.h"

#include "diag/reporter.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <string>

namespace vx {
namespace {

using vx::testing::ScopedVariable;

TEST(Extensions, LogicalNameWarnsWhenUnset) {
    MessageCatalogue catalogue;
    catalogue.register_all();
    Reporter reporter(catalogue);
    install_reporter(&reporter);
    ScopedVariable set("VX_LOGICAL_SET", "value");
    ScopedVariable unset("VX_LOGICAL_UNSET", nullptr);

    ::testing::internal::CaptureStderr();
    EXPECT_EQ(logical_name("VX_LOGICAL_SET", "fallback"), "value");
    EXPECT_EQ(logical_name("VX_LOGICAL_UNSET", "fallback"), "fallback");
    std::string err = ::testing::internal::GetCapturedStderr();
    install_reporter(nullptr);
    EXPECT_EQ(reporter.warning_count(), 1);
    EXPECT_EQ(err.rfind("Harnex-W-NOLOGIDEF,", 0), 0u) << err;
    EXPECT_NE(err.find("VX_LOGICAL_UNSET"), std::string::npos);
}

}  // namespace
}  // namespace vx
