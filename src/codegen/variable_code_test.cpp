#include "codegen/variable_code.h"

#include "codegen/codegen_test_fixture.h"
#include "codegen/harness_layout.h"
#include "codegen/output/output_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

VariableClause scalar(const std::string& name, VariableKind kind, const std::string& type) {
    VariableClause c;
    c.variable = name;
    c.kind = kind;
    c.type_text = type;
    c.line = 7;
    return c;
}

VariableClause with_init(VariableClause c, const std::string& value) {
    c.init = true;
    c.init_value = value;
    return c;
}

VariableClause with_ev(VariableClause c, const std::string& value) {
    c.ev = true;
    c.ev_value = value;
    return c;
}

// INIT IN with a list of `count` values.
VariableClause with_init_in(VariableClause c, const std::string& values, int count) {
    c.init = true;
    c.init_in = true;
    c.init_value = values;
    c.init_count = count;
    return c;
}

// The member `component` of the record of the aggregate `aggregate`, taken
// member by member in `components` records.
VariableClause member_of(VariableClause c, const std::string& aggregate, int component,
                         int components) {
    c.aggregate = aggregate;
    c.component = component;
    c.components = components;
    return c;
}

// Generates one element of one test whose body is `body` (calls of the
// generator between the element's head and its end) and returns the
// generated file, the declarations file and the link records.
class VariableCodeTest : public CodegenTest {
protected:
    struct Result {
        Lines harness;
        Lines declarations;
        Lines records;
        std::string messages;
        std::vector<UsageCount> usage;
    };

    // The session of the run generate() makes, while it lasts.
    OutputSession* session_ = nullptr;

    Result generate(const std::function<void(VariableCode&)>& body, bool no_edit = false,
                    bool analysis = true) {
        OutputSettings s = output_settings();
        s.no_edit = no_edit;
        HarnessSettings h = layout_settings();
        h.no_edit = no_edit;
        shown();
        Result result;
        {
            OutputSession session(s, reporter(), files());
            session_ = &session;
            session.start_outputs();
            HarnessLayout layout(h, session);
            VariableCode code(layout, analysis);
            layout.emit_prologue();
            layout.emit_service_head("SRV1_S");
            layout.open_element();
            layout.emit_service_declaration(1, "s");
            layout.emit_test_head(2, "t1", 1, "", 0);
            code.begin_test();
            code.begin_element();
            layout.emit_element_start();
            body(code);
            code.end_element();
            layout.emit_element_end();
            layout.emit_test_end();
            layout.emit_service_end("s");
            layout.emit_declarations_end();
            result.usage = layout.usage().lines();
            session.finish_outputs(false, result.usage);
            session_ = nullptr;
        }
        result.messages = shown();
        result.harness = read_lines("t.c");
        result.declarations = read_lines("t.ic");
        result.records = read_lines("t.tdc");
        return result;
    }

    // The element of the clauses, each added in turn.
    Result generate_clauses(const std::vector<VariableClause>& clauses) {
        return generate([&](VariableCode& code) {
            for (const VariableClause& c : clauses) code.add(c);
        });
    }

    // The lines of the service function from the element's first line to
    // the end of the test.
    static Lines element(const Result& r) {
        auto begin = std::find(r.harness.begin(), r.harness.end(), "START_CHRONO_C();");
        if (begin == r.harness.end()) {
            begin = std::find(r.harness.begin(), r.harness.end(), "_vx_init_muets();");
        }
        auto end = std::find(begin, r.harness.end(), "VXU_END_TEST_C();");
        return Lines(begin, end);
    }

    // The lines joined, folding undone.
    static std::string joined(const Lines& lines) {
        std::string out;
        for (const std::string& line : lines) out += line;
        return out;
    }

    static long usage(const Result& r, const std::string& name) {
        for (const UsageCount& u : r.usage) {
            if (u.name == name) return u.count;
        }
        return -1;
    }
};

TEST_F(VariableCodeTest, UnsignedScalarIsAssignedTracedAndCheckedAfterTheCall) {
    VariableClause u =
        with_ev(with_init(scalar("u", VariableKind::integer, "unsigned int"), "3"), "3");
    u.facts.is_unsigned = true;
    u.facts.bits = 32;
    Result r = generate([&](VariableCode& code) {
        code.add(u);
        session_->write_line("call();");
    });
    EXPECT_EQ(element(r),
              (Lines{"START_CHRONO_C();", "_vx_init_muets();", "u = 3;",
                     "PTU_UNSIGNED_C((vxu_unsigned)(u),0+1,10);", "call();", "STOP_CHRONO_C();",
                     "_vx_check_muets();",
                     "EDV_UNSIGNED_C(1,0,(vxu_unsigned)(u),0+1,10,(vxu_unsigned)((unsigned int)3),",
                     "(vxu_unsigned)((unsigned int)3));", "VXU_END_ELEMENT_C();"}));
    EXPECT_TRUE(has(r.records, "E12 0 7"));
    EXPECT_TRUE(has(r.records, "V1 u RA=FORM=CU32,INIT=3 VA=3"));
    EXPECT_EQ(usage(r, "ZQZQUSE_EDV_UNSIGNED_C"), 1);
    EXPECT_EQ(usage(r, "ZQZQUSE_PTU_UNSIGNED_C"), 1);
}

TEST_F(VariableCodeTest, LongAndEnumerationsHaveNoTypeCastShortHasOne) {
    Result r = generate([&](VariableCode& code) {
        code.add(with_ev(scalar("l", VariableKind::integer, "long"), "1"));
        code.add(with_ev(scalar("s", VariableKind::integer, "short"), "1"));
        code.add(with_ev(scalar("e", VariableKind::enumeration, "enum colour"), "RED"));
    });
    const std::string e = joined(element(r));
    EXPECT_NE(
        e.find("EDV_INTEGER_C(1,0,(vxu_integer)(l),0+1,10,(vxu_integer)(1),(vxu_integer)(1));"),
        std::string::npos);
    EXPECT_NE(e.find("EDV_INTEGER_C(1,0,(vxu_integer)(s),0+2,10,(vxu_integer)((short)1),(vxu_"
                     "integer)((short)1));"),
              std::string::npos);
    EXPECT_NE(
        e.find("EDV_INTEGER_C(1,0,(vxu_integer)(e),0+3,10,(vxu_integer)(RED),(vxu_integer)(RED));"),
        std::string::npos);
}

TEST_F(VariableCodeTest, StringsPointersAndTheirSpecialValues) {
    Result r = generate([&](VariableCode& code) {
        code.add(
            with_ev(with_init(scalar("name", VariableKind::string, "char [8]"), "(\"ab\", \"cd\")"),
                    "\"abcd\""));
        code.add(with_ev(with_init(scalar("p", VariableKind::pointer, "int *"), "nil"), "nonil"));
        code.add(with_ev(with_init(scalar("q", VariableKind::pointer, "int *"), "NONIL"), "NIL"));
        code.add(with_ev(
            with_init(scalar("f", VariableKind::function_pointer, "int (*)(int)"), "NIL"), "NIL"));
    });
    const Lines e = element(r);
    EXPECT_TRUE(has(
        e, "INI_STR_C((char *)(name), 1, 0+1, CONCAT_STR_C(\"ab\", \"cd\",(vxu_charstring)0));"));
    EXPECT_TRUE(has(e, "p = (int *)NIL;"));
    EXPECT_TRUE(has(e, "EDV_POINTER_C(1,0,(vxu_pointer)(p),0+2,(vxu_pointer)(NONIL));"));
    // NONIL is no initial value: nothing is assigned, and a warning says so.
    EXPECT_FALSE(std::any_of(e.begin(), e.end(),
                             [](const std::string& l) { return l.rfind("q =", 0) == 0; }));
    EXPECT_NE(r.messages.find("POINOINIT"), std::string::npos);
    EXPECT_TRUE(has(e, "f = (int (*)(int))NILFUNC;"));
    EXPECT_TRUE(has(e, "EDV_NILFUNCPOINTER_C(1,0,(f),0+4,(NILFUNC));"));
    EXPECT_EQ(usage(r, "ZQZQUSE_INI_STR_C"), 1);
    EXPECT_EQ(usage(r, "ZQZQUSE_CONCAT_STR_C "), 1);
}

TEST_F(VariableCodeTest, DeltaBoundsWithAndWithoutCAnalysis) {
    VariableClause d = with_ev(scalar("d", VariableKind::real, "double"), "10");
    d.facts.is_double = true;
    d.delta = DeltaKind::absolute;
    d.delta_value = "-2";
    VariableClause p = d;
    p.variable = "p";
    p.delta = DeltaKind::percent;
    p.delta_value = "5";
    Result texts = generate([&](VariableCode& code) {
        code.add(d);
        code.add(p);
    });
    const Lines e = element(texts);
    std::string joined;
    for (const std::string& line : e) joined += line;
    EXPECT_NE(joined.find("(double)((10) - (-2>=0?-2:-(-2)))"), std::string::npos) << joined;
    EXPECT_NE(
        joined.find("(double)((10) + (((5)*(10)/100.0)>=0?((5)*(10)/100.0):-((5)*(10)/100.0)))"),
        std::string::npos)
        << joined;
    EXPECT_TRUE(has(texts.records, "V1 d RA=FORM=CF17,INIT=? , VA=10 +/- -2"));
    EXPECT_TRUE(has(texts.records, "V2 p RA=FORM=CF17,INIT=? , VA=10 +/- 5%"));

    // Script values are folded when both are constants.
    Result folded = generate(
        [&](VariableCode& code) {
            code.add(d);
            code.add(p);
        },
        false, false);
    const Lines f = element(folded);
    EXPECT_TRUE(has(f, "EDV_DOUBLE_C(1,1,(double)(d),0+1,(double)(8),(double)(12));"));
    EXPECT_TRUE(has(f, "EDV_DOUBLE_C(1,1,(double)(p),0+2,(double)(9.5),(double)(10.5));"));
}

TEST_F(VariableCodeTest, ToleranceOnListsAndAtTheEndsOfTheType) {
    // EV IN with a tolerance: the bounds go round each value of the list.
    VariableClause r = scalar("r", VariableKind::real, "double");
    r.facts.is_double = true;
    r = with_ev(with_init_in(r, "0.5,1.5", 2), "0.5,1.5");
    r.ev_in = true;
    r.ev_link = "r";
    r.ev_count = 2;
    r.delta = DeltaKind::absolute;
    r.delta_value = "0.001";
    // An unsigned long long at its largest value: E + D does not wrap.
    VariableClause u =
        with_ev(scalar("u", VariableKind::integer, "unsigned long long"), "18446744073709551615U");
    u.facts.is_unsigned = true;
    u.facts.bits = 64;
    u.delta = DeltaKind::absolute;
    u.delta_value = "2";
    VariableClause s = with_ev(scalar("s", VariableKind::integer, "signed char"), "-127");
    s.facts.bits = 8;
    s.delta = DeltaKind::absolute;
    s.delta_value = "5";
    Result texts = generate([&](VariableCode& code) {
        code.add(r);
        code.add(u);
        code.add(s);
    });
    std::string joined;
    for (const std::string& line : element(texts)) joined += line;
    EXPECT_NE(
        joined.find(
            "{ double _vx_e = (double)(_vx_tab_vain1(_vx_J1)); double _vx_d = (double)0.001;"),
        std::string::npos)
        << joined;
    EXPECT_NE(
        joined.find(
            "EDV_DOUBLE_C(1,1,(double)(r),0+1,(double)(_vx_e - _vx_d),(double)(_vx_e + _vx_d)); }"),
        std::string::npos)
        << joined;
    EXPECT_NE(joined.find("18446744073709551613U),(vxu_unsigned)((unsigned long long)"
                          "18446744073709551615U)"),
              std::string::npos)
        << joined;
    EXPECT_NE(joined.find("(vxu_integer)((signed char)(-128)),(vxu_integer)((signed char)(-122))"),
              std::string::npos)
        << joined;
}

TEST_F(VariableCodeTest, RecordedValuesAndOneSidedRanges) {
    VariableClause recorded = scalar("n", VariableKind::integer, "int");
    recorded.ev = true;
    recorded.ev_form = EvForm::double_equal;
    VariableClause low = scalar("m", VariableKind::integer, "int");
    low.min = true;
    low.min_value = "3";
    low.facts.bits = 16;
    Result r = generate_clauses({recorded, low});
    const Lines e = element(r);
    EXPECT_TRUE(
        has(e, "EDV_INTEGER_C(0,0,(vxu_integer)(n),0+1,10,(vxu_integer)((int)0),(vxu_integer)("));
    // A missing MAX is the largest value of the type.
    EXPECT_TRUE(has(r.records, "V2 m RA=FORM=CD16,INIT=? , VA=3<=VA<=32767"));
    EXPECT_TRUE(has(r.records, "V1 n RA=FORM=ND,INIT=? , VA=?"));
}

TEST_F(VariableCodeTest, ValueTablesAreConditionalChainsAndLongListsAreRefused) {
    VariableClause in =
        with_ev(with_init_in(scalar("x", VariableKind::integer, "int"), "1,2,3", 3), "x");
    VariableClause vain = with_ev(scalar("r", VariableKind::integer, "int"), "2,4,6");
    vain.ev_in = true;
    vain.ev_count = 3;
    std::string many;
    for (int i = 0; i < 101; ++i) many += (i ? "," : "") + std::to_string(i);
    VariableClause big =
        with_ev(with_init_in(scalar("y", VariableKind::integer, "int"), many, 101), "0");
    Result r = generate_clauses({in, vain, big});
    EXPECT_TRUE(has(r.declarations,
                    "#define _vx_tab_initin1(_vx_J1) (_vx_J1 == 1 ? 1 :(_vx_J1 == 2 ? 2 :3))"));
    EXPECT_TRUE(has(r.declarations,
                    "#define _vx_tab_vain1(_vx_J1) (_vx_J1 == 1 ? 2 :(_vx_J1 == 2 ? 4 :6))"));
    EXPECT_TRUE(has(r.harness, "for (_vx_J1 = 1 ; _vx_J1<=3;_vx_J1++ ){"));
    EXPECT_TRUE(has(element(r), "x = _vx_tab_initin1(_vx_J1);"));
    EXPECT_NE(r.messages.find("NBVALLIST"), std::string::npos);
    EXPECT_TRUE(has(r.declarations, "#define NB_MAX_J_PSEUDO 2"));
}

TEST_F(VariableCodeTest, RangeLoopsFollowTheirStep) {
    VariableClause up = with_ev(scalar("x", VariableKind::integer, "int"), "x");
    up.init = true;
    up.init_from = true;
    up.init_value = "0,10,2";
    VariableClause down = up;
    down.variable = "y";
    down.init_value = "10,0,5";
    VariableClause open = up;
    open.variable = "z";
    open.init_value = "0,n,2";
    Result r = generate_clauses({up, down, open});
    // Each range runs on a counter of the harness, which assigns the
    // variable before each run: the unit cannot end the loop early.
    EXPECT_TRUE(has(r.harness, "for (_vx_J1 = 1 ; _vx_J1<=6;_vx_J1++ ){"));
    EXPECT_TRUE(has(element(r), "x = (0) + (long long)(_vx_J1 - 1) * (2);"));
    EXPECT_TRUE(has(r.harness, "for (_vx_J2 = 1 ; _vx_J2<=3;_vx_J2++ ){"));
    EXPECT_TRUE(has(element(r), "y = (10) - (long long)(_vx_J2 - 1) * (5);"));
    EXPECT_EQ(missing(r.records,
                      {
                          "R1 6",
                          "R3 3",
                          "R5 ?",
                      }),
              Lines{});
    // A bound the script computes: the count is taken once, on the first
    // run of the loops around it, and reported then.
    EXPECT_TRUE(std::any_of(r.harness.begin(), r.harness.end(), [](const std::string& l) {
        return l.rfind("if (_vx_J1 == 1 && _vx_J2 == 1) { _vx_F3 = (long double)(0); _vx_S3 =",
                       0) == 0;
    }));
    EXPECT_TRUE(has(r.harness, "if (_vx_J1 == 1 && _vx_J2 == 1) DCL_FAC_REP_C(5,_vx_N3);"));
    // Each run takes its value from the start and step taken then.
    EXPECT_TRUE(has(element(r), "z = _vx_F3 + (long double)(_vx_J3 - 1) * _vx_S3;"));
}

TEST_F(VariableCodeTest, NoEditWritesOnlyTheAssignments) {
    Result r = generate(
        [&](VariableCode& code) {
            code.add(with_ev(with_init(scalar("x", VariableKind::integer, "int"), "1"), "2"));
            code.add(with_ev(with_init(scalar("s", VariableKind::string, "char [4]"), "\"a\""),
                             "\"a\""));
        },
        true);
    EXPECT_EQ(element(r), (Lines{"_vx_init_muets();", "x = 1;",
                                 "INI_STR_C((char *)(s), 0, 0+2, (vxu_charstring)\"a\");"}));
}

TEST_F(VariableCodeTest, EnvironmentRecordsGoFirstAndYieldToTheElementsOwn) {
    Result r = generate([&](VariableCode& code) {
        code.add(with_ev(with_init(scalar("speed", VariableKind::integer, "int"), "9"), "9"));
        session_->write_line("call();");
        code.add_environment(
            with_ev(with_init(scalar("gain", VariableKind::integer, "int"), "1"), "1"));
        code.add_environment(
            with_ev(with_init(scalar("speed", VariableKind::integer, "int"), "0"), "0"));
        code.add_environment(
            with_ev(with_init(scalar("gain", VariableKind::integer, "int"), "2"), "2"));
    });
    EXPECT_EQ(
        joined(element(r)),
        "START_CHRONO_C();_vx_init_muets();gain = 2;PTU_INTEGER_C((vxu_integer)(gain),0+2,10);"
        "speed = 9;PTU_INTEGER_C((vxu_integer)(speed),0+1,10);call();STOP_CHRONO_C();"
        "_vx_check_muets();"
        "EDV_INTEGER_C(1,0,(vxu_integer)(speed),0+1,10,(vxu_integer)((int)9),(vxu_integer)((int)9))"
        ";"
        "EDV_INTEGER_C(1,0,(vxu_integer)(gain),0+2,10,(vxu_integer)((int)2),(vxu_integer)((int)2));"
        "VXU_END_ELEMENT_C();");
}

// An element's statement without INIT replaces an environment's statement
// that had one: the variable is not initialised, and a note says so at the
// element's statement. With an INIT of its own, or when the environment
// gave none, nothing is said.
TEST_F(VariableCodeTest, AnEnvironmentsInitReplacedByNoneIsNoted) {
    VariableClause checked_only = scalar("head", VariableKind::integer, "int");
    checked_only.ev = true;
    checked_only.ev_value = "3";
    checked_only.line = 14;
    Result r = generate([&](VariableCode& code) {
        code.add(checked_only);
        code.add(with_ev(with_init(scalar("tail", VariableKind::integer, "int"), "1"), "1"));
        code.add_environment(
            with_ev(with_init(scalar("head", VariableKind::integer, "int"), "0"), "0"));
        code.add_environment(
            with_ev(with_init(scalar("tail", VariableKind::integer, "int"), "0"), "0"));
    });
    EXPECT_NE(r.messages.find("Harnex-I-INITENVRE,  [14] The statement on head replaces that of "
                              "its environment"),
              std::string::npos)
        << r.messages;
    EXPECT_EQ(r.messages.find("tail"), std::string::npos) << r.messages;
    EXPECT_FALSE(has(element(r), "head = 0;"));
}

TEST_F(VariableCodeTest, WholeArraysLoopAndNameTheirShape) {
    VariableClause grid = scalar("grid", VariableKind::integer, "int [2][3]");
    grid.facts.dimensions = {2, 3};
    grid.facts.element_type = "int";
    grid = with_ev(with_init(grid, "0"), "{1, 2, others => 0}");
    Result r = generate([&](VariableCode& code) { code.add(grid); });
    const Lines e = element(r);
    EXPECT_EQ(
        missing(e,
                {
                    "for (_vx_I1 = 0 ; _vx_I1 < 2 ; _vx_I1++) { for (_vx_I2 = 0 ; _vx_I2 < 3 ;",
                    "grid[_vx_I1][_vx_I2] = 0;",
                    "SET_MODE_CST_C(1);",
                    "int _vx_cst1[] = {1,2};",
                }),
        Lines{});
    EXPECT_TRUE(has(r.records, "A1 grid[2][3] RA=FORM=CD,INIT=0 VA={1, 2, others => 0}"));
    EXPECT_EQ(usage(r, "ZQZQUSE_ARRAY_INTEGER_C"), 1);
    EXPECT_EQ(usage(r, "ZQZQUSE_CONSTANT_INTEGER_C"), 1);

    // A list longer than the array is refused, and nothing is generated.
    VariableClause small = scalar("t", VariableKind::integer, "int [2]");
    small.facts.dimensions = {2};
    small.facts.element_type = "int";
    small = with_ev(with_init(small, "{1, 2, 3}"), "0");
    Result refused = generate([&](VariableCode& code) { code.add(small); });
    EXPECT_NE(refused.messages.find("AGREGTROP"), std::string::npos) << refused.messages;
    EXPECT_FALSE(has(element(refused), "SET_MODE_TAB_C(1);"));
    // One too short, without others, is incomplete.
    small = with_ev(with_init(small, "{1}"), "0");
    Result shorter = generate([&](VariableCode& code) { code.add(small); });
    EXPECT_NE(shorter.messages.find("INITAGREG"), std::string::npos) << shorter.messages;
}

TEST_F(VariableCodeTest, MembersOfAnAggregateAreFramedByItsRecord) {
    VariableClause a = member_of(
        with_ev(with_init(scalar("o.n", VariableKind::integer, "int"), "1"), "1"), "o", 0, 2);
    VariableClause b = member_of(
        with_ev(with_init(scalar("o.f", VariableKind::real, "float"), "2.0"), "2.0"), "o", 1, 2);
    Result r = generate_clauses({a, b});
    const Lines e = element(r);
    auto open = std::find(e.begin(), e.end(), "VEXOR_OPEN_BRA_C(1);");
    auto close = std::find(e.begin(), e.end(), "VEXOR_CLOSE_BRA_C(1);");
    ASSERT_NE(open, e.end());
    ASSERT_NE(close, e.end());
    EXPECT_LT(open, close);
    EXPECT_EQ(missing(r.records,
                      {
                          "V1 o RA=FORM=C,INIT=? , VA=?",
                          "V2 o.n RA=FORM=CD,INIT=1 VA=1",
                          "V3 o.f RA=FORM=CF9,INIT=2.0 VA=2.0",
                      }),
              Lines{});
    EXPECT_EQ(usage(r, "ZQZQUSE_OPEN_BRA_C"), 1);
}

TEST_F(VariableCodeTest, ElementChecksOfAnArrayCountAsArrayChecks) {
    std::vector<VariableClause> elements;
    for (int i = 0; i < 3; ++i) {
        VariableClause e = member_of(
            with_ev(scalar("t[" + std::to_string(i) + "]", VariableKind::integer, "int"), "0"), "t",
            i, 3);
        e.aggregate_array = true;
        elements.push_back(e);
    }
    VariableClause alone = with_ev(scalar("n", VariableKind::integer, "int"), "0");
    Result r = generate([&](VariableCode& code) {
        for (const VariableClause& e : elements) code.add(e);
        code.add(alone);
    });
    EXPECT_TRUE(has(element(r), "SET_MODE_TAB_C(1);"));
    EXPECT_EQ(usage(r, "ZQZQUSE_EDV_INTEGER_C"), 4);
    EXPECT_EQ(usage(r, "ZQZQUSE_ARRAY_INTEGER_C"), 3);
}

TEST_F(VariableCodeTest, RandomTablesShareTheNumbersOfInitInTables) {
    VariableClause in =
        with_ev(with_init_in(scalar("x", VariableKind::integer, "int"), "1,2", 2), "x");
    VariableClause random = with_ev(scalar("y", VariableKind::integer, "int"), "y");
    random.init = true;
    random.init_from = true;
    random.init_from_kind = InitFromKind::random;
    random.init_value = "0,9,2";
    random.init_count = 2;
    Result r = generate_clauses({in, random});
    EXPECT_TRUE(has(r.declarations, "#define _vx_tab_initin1(_vx_J1) (_vx_J1 == 1 ? 1 :2)"));
    EXPECT_TRUE(std::any_of(r.declarations.begin(), r.declarations.end(), [](const std::string& l) {
        return l.rfind("float _vx_rand2[] = { ", 0) == 0;
    }));
    EXPECT_TRUE(has(r.harness, " for ( _vx_J2 = 1; (_vx_J2-1) < 2; _vx_J2++ ) {"));
}

TEST_F(VariableCodeTest, AMemberThatCannotBeComparedInterruptsItsAggregate) {
    VariableClause a = member_of(
        with_ev(with_init(scalar("o.n", VariableKind::integer, "int"), "1"), "1"), "o", 0, 2);
    VariableClause b = member_of(
        with_ev(scalar("o.opaque", VariableKind::unknown, "struct hidden"), "0"), "o", 1, 2);
    Result r = generate_clauses({a, b});
    const Lines e = element(r);
    EXPECT_TRUE(has(e, "RUPT(1);"));
    EXPECT_FALSE(std::any_of(e.begin(), e.end(), [](const std::string& l) {
        return l.find("(o.opaque)") != std::string::npos;
    }));
    EXPECT_EQ(usage(r, "ZQZQUSE_RUPT "), 1);
}

}  // namespace
}  // namespace vx
