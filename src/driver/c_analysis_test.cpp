#include "driver/c_analysis.h"

#include "canalysis/target_model.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vx {
namespace {

class CAnalysisTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* name : {"VXUTGT", "VXLTGT", "VXW_ADD_USR_INCLUDE"}) {
            ::unsetenv(name);
        }
        ::testing::internal::CaptureStderr();
    }
    std::string diagnostics() { return ::testing::internal::GetCapturedStderr(); }

    testkit::FreshReporter fresh;
    testkit::ScratchDir dir;
};

TEST_F(CAnalysisTest, StartsLikeARun) {
    std::filesystem::create_directories(dir.file("inc"));
    testkit::write_file(dir.file("inc/unit.h"), "int unit(void);\n");
    testkit::write_file(dir.file("std.def"),
                        "#pragma vexor incl_std \"" + dir.file("inc") +
                            "\"\n#define TARGET_WORD 64\n#pragma vexor sizeof long 64\n");
    TargetModel target;
    CAnalysis analysis(&target);
    CAnalysisStart start;
    start.kr = true;
    start.definitions = {"FROM_COMMAND_LINE", "VALUE=3"};
    start.std_define_file = dir.file("std.def");
    std::string definitions = analysis.start(start);

    // The definitions file went to the declaration analysis, its size
    // pragma included.
    EXPECT_NE(definitions.find("#pragma vexor sizeof long 64"), std::string::npos);
    EXPECT_EQ(analysis.last_declarations(), definitions);
    EXPECT_EQ(analysis.macro_defined("STUBINACTIVE"), std::optional<bool>(true));
    EXPECT_EQ(analysis.macro_defined("TARGET_WORD"), std::optional<bool>(true));
    EXPECT_EQ(analysis.macro_defined("FROM_COMMAND_LINE"), std::optional<bool>(true));
    // K&R: no __STDC__.
    EXPECT_EQ(analysis.macro_defined("__STDC__"), std::optional<bool>(false));

    // Native text finds headers on the path the definitions gave.
    std::string out = analysis.preprocess("#include <unit.h>\nVALUE STUBINACTIVE;\n", "s.ptu", 4);
    EXPECT_NE(out.find("int unit(void);"), std::string::npos) << out;
    EXPECT_NE(out.find("#line 5 \"s.ptu\""), std::string::npos) << out;
    EXPECT_NE(out.find("3 ;"), std::string::npos) << out;

    // A conditional left open is reported at the end, once.
    analysis.preprocess("#ifdef NEVER\n", "s.ptu", 9);
    analysis.finish();
    EXPECT_EQ(analysis.macro_defined("VALUE"), std::optional<bool>(false));
    std::string err = diagnostics();
    EXPECT_NE(err.find("Harnex-W-UNTERCOND,  [s.ptu:10] unterminated #ifdef conditional"),
              std::string::npos)
        << err;
    EXPECT_EQ(fresh.get().warning_count(), 1);
}

TEST_F(CAnalysisTest, MessagesOfTheDefinitionsNameTheirFile) {
    testkit::write_file(dir.file("std.def"), "\n#define A 1\n#define A 2\n");
    CAnalysis analysis;
    CAnalysisStart start;
    start.std_define_file = dir.file("std.def");
    analysis.start(start);
    std::string err = diagnostics();
    EXPECT_NE(err.find("Harnex-W-IDENREDEF,  [" + dir.file("std.def") + ":3] Warning: A redefined"),
              std::string::npos)
        << err;
}

}  // namespace
}  // namespace vx
