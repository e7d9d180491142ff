#include "codegen/harness_layout.h"

#include "codegen/codegen_test_fixture.h"

#include <gtest/gtest.h>

#include <memory>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class HarnessLayoutTest : public CodegenTest {
protected:
    // Starts and installs the outputs of a run; the layout to generate with.
    HarnessLayout& start(const OutputSettings& outputs = output_settings(),
                         const HarnessSettings& harness = layout_settings()) {
        layout_.reset();
        session_ = std::make_unique<OutputSession>(outputs, reporter(), files());
        session_->start_outputs();
        layout_ = std::make_unique<HarnessLayout>(harness, *session_);
        return *layout_;
    }

    // Closes the outputs: kept with the layout's usage counts, or deleted as
    // after a run with errors.
    void finish(bool errors) {
        if (errors) {
            session_->finish_outputs(true);
        } else {
            session_->finish_outputs(false, layout_->usage().lines());
        }
    }

    void TearDown() override {
        layout_.reset();
        session_.reset();
        CodegenTest::TearDown();
    }

    std::unique_ptr<OutputSession> session_;
    std::unique_ptr<HarnessLayout> layout_;

    // The generated file without its banner.
    static Lines body(const std::string& path) {
        Lines lines = read_lines(path);
        std::size_t stars = 0;
        std::size_t i = 0;
        for (; i < lines.size() && stars < 2; ++i) {
            if (lines[i].rfind("/*****", 0) == 0) {
                ++stars;
            }
        }
        return Lines(lines.begin() + static_cast<long>(i), lines.end());
    }

    // One service with one test of one element, in the order the statement
    // handlers call the generator.
    static void one_service(HarnessLayout& layout, std::string_view loop = "") {
        layout.emit_prologue();
        layout.emit_stub_services();
        layout.emit_service_head("SRV1_ADD");
        layout.emit_service_banner("add", 1);
        layout.open_element();
        layout.emit_service_declaration(1, "add");
        layout.emit_test_head(2, "t1", 1, loop, loop.empty() ? 0 : 3);
        layout.emit_element_start();
        layout.session().write_line("r = add(x, 2);");
        layout.emit_element_end();
        layout.emit_test_end();
        layout.emit_service_end("add");
        SelectionFacts facts;
        facts.services = {"add"};
        facts.generated_services = {"add"};
        layout.emit_main(facts);
        layout.emit_declarations_end();
    }
};

TEST_F(HarnessLayoutTest, WorkedExampleLayout) {
    HarnessLayout& layout = start();
    one_service(layout);
    finish(false);

    Lines expected = {
        "#ifndef USE_VXU",
        "#define USE_VXU 1",
        "#endif",
        "#ifndef VXL_CPLUSPLUS_LANGUAGE",
        "#define VXL_CPLUSPLUS_LANGUAGE 0",
        "#endif",
        "/* PROGRAM t*/",
        "#include \"TP.h\"",
        "#include \"t.ic\"",
        "",
        "#ifndef vxu_integer",
        "#define vxu_integer long",
        "#endif",
        "",
        "#ifndef vxu_unsigned",
        "#define vxu_unsigned unsigned long",
        "#endif",
        "",
        "#ifndef vxu_pointer",
        "#define vxu_pointer char *",
        "#endif",
        "",
        "#ifndef vxu_charstring",
        "#define vxu_charstring char *",
        "#endif",
        "",
        "void _vx_check_muets(void)",
        "{",
        "_vx_late_stub_checks",
        "EDV_MUET_CHECK(0,0);",
        "}",
        "void _vx_init_muets(void)",
        "{",
        "VXU_GLOBAL_STUB_INIT",
        "#ifdef STUB_CALL_IDX_MAX",
        "/* when STUB_CALL_IDX_MAX is defined vxu.c declare _vx_call_order_Idx and "
        "_vx_call_order[] */",
        "   for(_vx_call_order_Idx=0; _vx_call_order_Idx<STUB_CALL_IDX_MAX; "
        "_vx_call_order_Idx++)",
        "      _vx_call_order[_vx_call_order_Idx]=0;",
        "#endif",
        "_vx_late_stub_inits",
        "}",
        "void SRV1_ADD (void) { ",
        "/* BEGIN  SERVICE add */",
        "#ifdef NEEDS_NUM_TEST_OPE",
        "NUM_OPERATION = 1;",
        "#endif /*NEEDS_NUM_TEST_OPE*/",
        "",
        "DCL_OP_C(1, \"add\");",
        "if (VXU_TEST_BEGIN_C(2)) {",
        "",
        "DCL_TST_C(2, \"t1\");",
        "#ifdef NEEDS_NUM_TEST_OPE",
        "NUM_TEST = 1;",
        "#endif /*NEEDS_NUM_TEST_OPE*/",
        "START_CHRONO_C();",
        "_vx_init_muets();",
        "r = add(x, 2);",
        "STOP_CHRONO_C();",
        "_vx_check_muets();",
        "VXU_END_ELEMENT_C();",
        "VXU_END_TEST_C();",
        "VXU_TEST_DONE_C(); }",
        "}/* END SERVICE add*/",
        "#ifdef ZQZQ_MAIN_HEADER",
        " ZQZQ_MAIN_HEADER",
        "#else",
        "int main(int argc, char ** argv)",
        "{",
        "#endif",
        "   VXU_INIT_DATA",
        "   VXU_COMMAND_LINE",
        "OPF_C(\"t.rio\");",
        "",
        "#pragma vexor testing_tool_call_place",
        "SRV1_ADD();",
        "CLF_C(\"t.rio\");",
        "",
        "",
        "#ifdef ZQZQ_MAIN_RETURN",
        " ZQZQ_MAIN_RETURN",
        "#else",
        " return(0);",
        "#endif",
        "",
        "}/* end t */",
        "",
        "VXU_TRACES_FILE(\"t.rio\")",
        "",
        "VXU_TESTS_BEGIN",
        "VXU_TESTS_END",
        "",
    };
    EXPECT_EQ(body("t.c"), expected);

    Lines declarations = body("t.ic");
    Lines expected_declarations = {
        "#ifndef VXU_GLOBAL_STUB_INITIALISED",
        "#define VXU_GLOBAL_STUB_INITIALISED(X) (X)",
        "#endif",
        "#ifndef STUBINACTIVE",
        "#define STUBINACTIVE = -1",
        "#endif",
        "#ifndef VXU_GLOBAL_STUB_INIT",
        "#define VXU_GLOBAL_STUB_INIT",
        "#endif",
        "#ifndef VXU_GLOBAL_STUB_INITIALISE",
        "#define VXU_GLOBAL_STUB_INITIALISE",
        "#endif",
        "VXU_GLOBAL_STUB_INITIALISE",
        "#define _vx_late_stub_checks",
        "#define _vx_late_stub_inits",
        "#ifdef STUB_CALL_IDX_MAX",
        "static ZQZQ_U_INT8 _vx_call_order[STUB_CALL_IDX_MAX];",
        "unsigned int _vx_call_order_Idx;",
        "#define STUB_CALL_ORDER(stubID) if(_vx_call_order_Idx<STUB_CALL_IDX_MAX) "
        "_vx_call_order[_vx_call_order_Idx++]=stubID;",
        "#endif",
        "#define NB_MAX_J_PSEUDO 0",
        "#define NB_MAX_I_PSEUDO 0",
        "#undef VXU_STAMP",
        "#define VXU_STAMP \"" + session_->stamp() + "\"",
    };
    EXPECT_EQ(declarations, expected_declarations);

    // The configuration header: 38 counters, MUET_CHECK used once, and the
    // two names with a trailing blank.
    Lines config = read_lines("vexor_cfg.h");
    Lines defines;
    for (const auto& line : config) {
        if (line.rfind("#define ", 0) == 0) {
            defines.push_back(line);
        }
    }
    ASSERT_EQ(defines.size(), 38u);
    EXPECT_EQ(defines[0], "#define ZQZQUSE_EDV_BOOLEAN_C 0");
    EXPECT_EQ(defines[1], "#define ZQZQUSE_ARRAY_BOOLEAN_C 0");
    EXPECT_EQ(defines[2], "#define ZQZQUSE_CONSTANT_BOOLEAN_C 0");
    EXPECT_EQ(defines[24], "#define ZQZQUSE_PTU_BOOLEAN_C 0");
    EXPECT_EQ(defines[34], "#define ZQZQUSE_MUET_CHECK 1");
    EXPECT_EQ(defines[36], "#define ZQZQUSE_RUPT  0");
    EXPECT_EQ(defines[37], "#define ZQZQUSE_CONCAT_STR_C  0");
}

TEST_F(HarnessLayoutTest, RepeatedTestEnclosesTheWholeTestText) {
    HarnessLayout& layout = start();
    one_service(layout, "n");
    finish(false);

    Lines lines = body("t.c");
    auto at = [&](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) - lines.begin();
    };
    // A count that is not a constant is taken once, before the first run,
    // and reported then; the loop runs on the harness's own counter.
    EXPECT_LT(at("DCL_OP_C(1, \"add\");"), at("_vx_N1 = (n);"));
    EXPECT_EQ(at("_vx_N1 = (n);") + 1, at("DCL_FAC_REP_C(3,_vx_N1);"));
    EXPECT_EQ(at("DCL_FAC_REP_C(3,_vx_N1);") + 1,
              at("for (_vx_J1 = 1 ; _vx_J1<=_vx_N1;_vx_J1++ ){"));
    EXPECT_LT(at("for (_vx_J1 = 1 ; _vx_J1<=_vx_N1;_vx_J1++ ){"), at("DCL_TST_C(2, \"t1\");"));
    EXPECT_EQ(lines.at(static_cast<std::size_t>(at("VXU_END_TEST_C();") - 1)), "}");
    Lines declarations = body("t.ic");
    EXPECT_NE(std::find(declarations.begin(), declarations.end(), "#define NB_MAX_J_PSEUDO 1"),
              declarations.end());
    // No macro renames a plain word: the unit's J stays the unit's.
    for (const std::string& line : declarations) {
        EXPECT_EQ(line.find("#define J"), std::string::npos) << line;
        EXPECT_EQ(line.find("#define I "), std::string::npos) << line;
    }
    EXPECT_NE(std::find(declarations.begin(), declarations.end(), "static ZQZQ_LOOPVAR_T _vx_J1;"),
              declarations.end());
    // The link records promise as many runs as the harness reports.
    Lines records = read_lines("t.tdc");
    EXPECT_NE(std::find(records.begin(), records.end(), "E22 R3"), records.end());
}

TEST_F(HarnessLayoutTest, NoEditKeepsOnlyTheStubAndNumberLines) {
    OutputSettings s = output_settings();
    s.no_edit = true;
    HarnessSettings h = layout_settings();
    h.no_edit = true;
    h.kr = true;
    h.traces_path = "d\\x\"y.rio";
    HarnessLayout& layout = start(s, h);
    one_service(layout);
    finish(false);

    std::string text = read_all("t.c");
    for (const char* absent : {"DCL_OP_C", "DCL_TST_C", "OPF_C", "CLF_C", "START_CHRONO_C",
                               "STOP_CHRONO_C", "_vx_check_muets();"}) {
        EXPECT_EQ(text.find(absent), std::string::npos) << absent;
    }
    EXPECT_NE(text.find("_vx_init_muets();"), std::string::npos);
    EXPECT_NE(text.find("NUM_TEST = 1;"), std::string::npos);
    EXPECT_NE(text.find("void SRV1_ADD () { "), std::string::npos);
    EXPECT_NE(text.find("int main(argc, argv)\nint argc;\nchar ** argv;\n{"), std::string::npos);
    EXPECT_NE(text.find("void _vx_check_muets()\n"), std::string::npos);
    EXPECT_NE(text.find("VXU_TRACES_FILE(\"d\\\\x\\\"y.rio\")"), std::string::npos);
}

TEST_F(HarnessLayoutTest, EmptyScriptChecksAndLoopCountChecks) {
    HarnessLayout& layout = start();
    layout.emit_prologue();
    shown();
    std::vector<std::string> include = {"ADD", "NOPE"};
    SelectionFacts facts;
    facts.include_services = &include;
    facts.services = {"add"};
    ::testing::internal::CaptureStdout();
    layout.emit_main(facts);
    std::string out = ::testing::internal::GetCapturedStdout();
    std::string err = shown();
    EXPECT_NE(err.find("Harnex-E-PROGXVIDE"), std::string::npos) << err;
    EXPECT_NE(err.find("Harnex-W-OPER_INEX"), std::string::npos) << err;
    EXPECT_NE(err.find("NOPE"), std::string::npos);
    EXPECT_EQ(err.find("Harnex-E-PROG_VIDE"), std::string::npos);
    EXPECT_NE(out.find("liste totale des services \n   add\n"), std::string::npos) << out;
    finish(true);
}

TEST_F(HarnessLayoutTest, RepetitionCountMustBeAPositiveInteger) {
    struct Case {
        const char* count;
        const char* error;  // nullptr: accepted
    };
    const Case cases[] = {
        {"3", nullptr},     {"n", nullptr},       {"n + 1", nullptr},
        {"0", "VALBOUCER"}, {"2.5", "TYPBOUCLE"}, {"\"x\"", "TYPBOUCLE"},
    };
    long line = 0;
    for (const Case& c : cases) {
        reporter().set_report_line(++line);  // a repeated message at one place is not shown again
        HarnessLayout& layout = start();
        layout.emit_prologue();
        shown();
        layout.emit_test_head(2, "t1", 1, c.count, 3);
        std::string err = shown();
        layout.emit_test_end();
        bool repeated = layout.max_loop_variables() == 1;
        finish(true);
        if (c.error == nullptr) {
            EXPECT_EQ(err, "") << c.count;
            EXPECT_TRUE(repeated) << c.count;
        } else {
            EXPECT_NE(err.find(std::string("Harnex-E-") + c.error), std::string::npos)
                << c.count << ": " << err;
            EXPECT_FALSE(repeated) << c.count;
        }
    }
}

TEST_F(HarnessLayoutTest, SelectionNamesThatMatchNothingAreReported) {
    HarnessLayout& layout = start();
    layout.emit_prologue();
    std::vector<std::string> tests = {"T9"};
    std::vector<std::string> families = {"NOMINAL", "NIGHTLY"};
    SelectionFacts facts;
    facts.services = {"add"};
    facts.tests = {"t1"};
    facts.families = {"NOMINAL"};
    facts.exclude_tests = &tests;
    facts.include_families = &families;
    shown();
    ::testing::internal::CaptureStdout();
    layout.emit_main(facts);
    std::string out = ::testing::internal::GetCapturedStdout();
    std::string err = shown();
    finish(true);
    EXPECT_NE(err.find("Harnex-W-TEST_INEX,  Test T9"), std::string::npos) << err;
    EXPECT_NE(err.find("Harnex-W-FAMI_INEX"), std::string::npos) << err;
    EXPECT_NE(err.find("NIGHTLY"), std::string::npos);
    EXPECT_EQ(err.find("NOMINAL"), std::string::npos);
    EXPECT_EQ(err.find("OPER_INEX"), std::string::npos);
    EXPECT_NE(out.find("liste totale des familles \n   NOMINAL\n"), std::string::npos) << out;
    EXPECT_NE(out.find("liste en inclusion, des familles \n   NOMINAL\n   NIGHTLY\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(out.find("liste totale des services"), std::string::npos);
}

}  // namespace
}  // namespace vx
