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

namespace vx {
namespace {

TEST_F(CAnalysisTest, NativeDeclarationsFillTheTypeTableInTheirScope) {
    testkit::write_file(dir.file("std.def"),
                        "#pragma vexor sizeof long 64\ntypedef int ZQZQ_LOOPVAR_T;\n"
                        "#pragma vexor type_modifier = _in\n");
    TargetModel target;
    CAnalysis analysis(&target);
    CAnalysisStart start;
    start.std_define_file = dir.file("std.def");
    analysis.start(start);
    // The line given is the one before the text, as the reader counts.
    analysis.analyse_declarations(
        analysis.preprocess("#define N 4\ntypedef unsigned long count_t;\nint table[N];\n", "s.ptu", 1), {});
    analysis.analyse_declarations(analysis.preprocess("count_t local;\nint f(_in int x);\n", "s.ptu", 10),
                                  "add");
    EXPECT_EQ(diagnostics(), "");

    TypeTable& table = analysis.type_table();
    const Symbol* array = c_lookup_symbol("table", table, "");
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->type->bound, "4");
    EXPECT_EQ(array->file, "s.ptu");
    EXPECT_EQ(array->line, 4);
    const Symbol* local = c_lookup_symbol("local", table, "add");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->scope, "add");
    EXPECT_EQ(c_resolve_type(local->type)->width, 64);  // the target's long
    EXPECT_EQ(c_lookup_symbol("local", table, ""), nullptr);
    EXPECT_TRUE(c_has_qualifier(c_lookup_symbol("f", table, "add")->type->parameters[0].type, "_in"));

    EXPECT_EQ(analysis.base_type("count_t"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("unsigned long"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("double"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("table"), std::optional<bool>(false));
    EXPECT_EQ(analysis.base_type("struct s"), std::optional<bool>(false));
    EXPECT_EQ(analysis.base_type(""), std::optional<bool>(false));
}

TEST_F(CAnalysisTest, DeclarationErrorsNameTheScriptLine) {
    TargetModel target;
    CAnalysis analysis(&target);
    analysis.start(CAnalysisStart{});
    analysis.analyse_declarations(analysis.preprocess("int ok;\nint 5 bad;\n", "s.ptu", 6), {});
    std::string out = diagnostics();
    EXPECT_NE(out.find("Harnex-W-SYNTAXERR,  [s.ptu:8] Syntax error: int 5"), std::string::npos) << out;
}

}  // namespace
}  // namespace vx
