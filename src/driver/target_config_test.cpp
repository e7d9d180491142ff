#include "driver/target_config.h"

#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vx {
namespace {

class TargetEnv : public ::testing::Test {
protected:
    testkit::FreshReporter fresh;
};

TEST_F(TargetEnv, RuntimeHeaderFoundInTheTargetLibFolder) {
    testkit::ScratchDir dir;
    std::filesystem::create_directories(dir.file("lib"));
    testkit::write_file(dir.file("lib/kestunt.h"), "");
    const RunEnvironment local = environment_from({{"VXLTGT", dir.path()}});
    auto config = configure_target(fresh.get(), local, false, "UNIX");
    EXPECT_EQ(config.runtime_include, "\"" + dir.file("lib/kestunt.h") + "\"");
    EXPECT_EQ(config.sql_include, "\"" + dir.file("lib/vexorcsgbd") + "\"");

    // TP.h is preferred, and VXLTGT wins over VXUTGT.
    testkit::ScratchDir other;
    std::filesystem::create_directories(other.file("lib"));
    testkit::write_file(other.file("lib/TP.h"), "");
    const RunEnvironment both =
        environment_from({{"VXLTGT", other.path()}, {"VXUTGT", dir.path()}});
    EXPECT_EQ(configure_target(fresh.get(), both, false, "").runtime_include,
              "\"" + other.file("lib/TP.h") + "\"");
    EXPECT_EQ(configure_target(fresh.get(), both, true, "").runtime_include, "\"TP.h\"");
    EXPECT_EQ(fresh.get().warning_count(), 0);
}

TEST_F(TargetEnv, NoTargetWarnsAndFallsBack) {
    fresh.shown();
    auto config = configure_target(fresh.get(), RunEnvironment{}, false, "UNIX");
    EXPECT_EQ(
        fresh.shown(),
        "Harnex-W-BADRUNTIM,  Target Package not found, check VXLTGT environment variable.\n");
    EXPECT_EQ(config.runtime_include, "\"TP.h\"");
    EXPECT_EQ(config.sql_include, "\"/usr/vexor/vexorcsgbd\"");
}

TEST_F(TargetEnv, SqlHeaderNamePerCompilerSystemAndOverrides) {
    fresh.shown();
    const RunEnvironment none;
    EXPECT_EQ(configure_target(fresh.get(), none, false, "NT").sql_include, "\"vxc.sgbd\"");
    EXPECT_EQ(configure_target(fresh.get(), none, false, "VMS").sql_include, "\"vexor$c$sgbd\"");
    EXPECT_EQ(configure_target(fresh.get(), none, true, "UNIX").sql_include, "\"vexorcsgbd\"");
    const RunEnvironment overrides =
        environment_from({{"VEXORCINC", "my/tp.h"}, {"VEXORCSGBD", ""}});  // empty: no override
    auto config = configure_target(fresh.get(), overrides, false, "UNIX");
    fresh.shown();
    EXPECT_EQ(config.runtime_include, "\"my/tp.h\"");
    EXPECT_EQ(config.sql_include, "\"/usr/vexor/vexorcsgbd\"");
}

}  // namespace
}  // namespace vx
