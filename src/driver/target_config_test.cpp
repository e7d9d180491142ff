#include "driver/target_config.h"

#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vx {
namespace {

// Sets or removes the target variables for one test, and puts them back.
class TargetEnv : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : names) {
            if (const char* value = std::getenv(name)) {
                saved[name] = value;
            }
            ::unsetenv(name);
        }
    }
    void TearDown() override {
        for (const char* name : names) {
            ::unsetenv(name);
        }
        for (const auto& [name, value] : saved) {
            ::setenv(name.c_str(), value.c_str(), 1);
        }
    }
    static constexpr const char* names[] = {"VXUTGT", "VXLTGT", "VEXORCINC", "VEXORCSGBD"};
    std::map<std::string, std::string> saved;
    testkit::FreshReporter fresh;
};

TEST_F(TargetEnv, RuntimeHeaderFoundInTheTargetLibFolder) {
    testkit::ScratchDir dir;
    std::filesystem::create_directories(dir.file("lib"));
    testkit::write_file(dir.file("lib/kestunt.h"), "");
    ::setenv("VXLTGT", dir.path().c_str(), 1);
    auto config = configure_target(fresh.get(), false, "UNIX");
    EXPECT_EQ(config.runtime_include, "\"" + dir.file("lib/kestunt.h") + "\"");
    EXPECT_EQ(config.sql_include, "\"" + dir.file("lib/vexorcsgbd") + "\"");

    // TP.h is preferred, and VXUTGT wins over VXLTGT.
    testkit::ScratchDir other;
    std::filesystem::create_directories(other.file("lib"));
    testkit::write_file(other.file("lib/TP.h"), "");
    ::setenv("VXUTGT", other.path().c_str(), 1);
    EXPECT_EQ(configure_target(fresh.get(), false, "").runtime_include,
              "\"" + other.file("lib/TP.h") + "\"");
    EXPECT_EQ(configure_target(fresh.get(), true, "").runtime_include, "\"TP.h\"");
    EXPECT_EQ(fresh.get().warning_count(), 0);
}

TEST_F(TargetEnv, NoTargetWarnsAndFallsBack) {
    testing::internal::CaptureStderr();
    auto config = configure_target(fresh.get(), false, "UNIX");
    EXPECT_EQ(
        testing::internal::GetCapturedStderr(),
        "Harnex-W-BADRUNTIM,  Target Package not found, check VXLTGT environment variable.\n");
    EXPECT_EQ(config.runtime_include, "\"TP.h\"");
    EXPECT_EQ(config.sql_include, "\"/usr/vexor/vexorcsgbd\"");
}

TEST_F(TargetEnv, SqlHeaderNamePerCompilerSystemAndOverrides) {
    testing::internal::CaptureStderr();
    EXPECT_EQ(configure_target(fresh.get(), false, "NT").sql_include, "\"vxc.sgbd\"");
    EXPECT_EQ(configure_target(fresh.get(), false, "VMS").sql_include, "\"vexor$c$sgbd\"");
    EXPECT_EQ(configure_target(fresh.get(), true, "UNIX").sql_include, "\"vexorcsgbd\"");
    ::setenv("VEXORCINC", "my/tp.h", 1);
    ::setenv("VEXORCSGBD", "", 1);  // empty: no override
    auto config = configure_target(fresh.get(), false, "UNIX");
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(config.runtime_include, "\"my/tp.h\"");
    EXPECT_EQ(config.sql_include, "\"/usr/vexor/vexorcsgbd\"");
}

}  // namespace
}  // namespace vx
