#include "driver/paths.h"

#include "diag/reporter.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vx {
namespace {

using vx::testing::ScopedVariable;
using vx::testing::ScopedWorkingDirectory;
using vx::testing::ScratchDirectory;

class Paths : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    ScopedWorkingDirectory cwd{scratch.path()};
    std::string here = std::filesystem::current_path().string() + "/";
};

TEST_F(Paths, SplittingAndAbsoluteNames) {
    EXPECT_EQ(split_directory("a/b/c.x").directory, "a/b/");
    EXPECT_EQ(split_directory("a/b/c.x").name, "c.x");
    EXPECT_EQ(split_directory("c.x").directory, "./");
    EXPECT_EQ(split_directory("/c").directory, "/");
    EXPECT_EQ(split_extension("a.b.c").base, "a.b");
    EXPECT_EQ(split_extension("a.b.c").extension, "c");
    EXPECT_EQ(split_extension("abc").base, "abc");
    EXPECT_EQ(split_extension("abc").extension, "");

    EXPECT_EQ(make_absolute("/abs/dir/"), "/abs/dir/");
    EXPECT_EQ(make_absolute("rel/"), here + "rel/");
    EXPECT_EQ(make_absolute("./"), here);
    EXPECT_EQ(make_absolute("../up"), here + "../up");
}

TEST_F(Paths, LogicalNameWarnsWhenUnset) {
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
