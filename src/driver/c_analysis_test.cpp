#include "driver/c_analysis.h"

#include "diag/reporter.h"
#include "driver/run_environment.h"

#include "canalysis/types/target_model.h"
#include "script/statements/variable_statement.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

namespace vx {
namespace {

class CAnalysisTest : public ::testing::Test {
protected:
    // The lines the run's reporter showed since the last call.
    std::string diagnostics() { return fresh.shown(); }

    testkit::FreshReporter fresh;
    RunFiles files;
    testkit::ScratchDir dir;
};

TEST_F(CAnalysisTest, StartsLikeARun) {
    std::filesystem::create_directories(dir.file("inc"));
    testkit::write_file(dir.file("inc/unit.h"), "int unit(void);\n");
    testkit::write_file(dir.file("std.def"),
                        "#pragma vexor incl_std \"" + dir.file("inc") +
                            "\"\n#define TARGET_WORD 64\n#pragma vexor sizeof long 64\n");
    TargetModel target;
    CAnalysis analysis(fresh.get(), files, &target);
    CompilerSettings settings;
    settings.restrictions[static_cast<std::size_t>(Restriction::kr)] = true;
    settings.defined_identifiers = {"FROM_COMMAND_LINE", "VALUE=3"};
    settings.std_define_file = dir.file("std.def");
    std::string definitions = analysis.start(settings, RunEnvironment{});

    // The definitions file went to the declaration analysis, its size
    // pragma included: the declaration lexer alone records the sizes.
    EXPECT_NE(definitions.find("#pragma vexor sizeof long 64"), std::string::npos);
    EXPECT_EQ(target.declared_size("long"), 8);
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

TEST_F(CAnalysisTest, TheRunEnvironmentShapesTheSearchPathAndTheDeclarations) {
    // The target package's lib/ ends the search path; VX_EXT skips the
    // target compiler's "@" extensions; both come from the run's record,
    // never from the process.
    std::filesystem::create_directories(dir.file("pkg/lib"));
    testkit::write_file(dir.file("pkg/lib/runtime.h"), "int from_package;\n");
    TargetModel target;
    CAnalysis analysis(fresh.get(), files, &target);
    const RunEnvironment environment =
        environment_from({{"VXLTGT", dir.file("pkg")}, {"VX_EXT", ""}, {"VX_NOWCHAR", "1"}});
    analysis.start(CompilerSettings{}, environment);
    EXPECT_NE(analysis.preprocess("#include <runtime.h>\n", "s.ptu", 1).find("int from_package;"),
              std::string::npos);
    analysis.analyse_declarations("int port @ 0x40;\n", {});
    EXPECT_TRUE(analysis.declaration_run().vx_ext_seen);
    EXPECT_TRUE(analysis.declaration_run().no_multibyte);
    EXPECT_EQ(diagnostics().find("Harnex-E"), std::string::npos);
}

TEST(RunEnvironment, IsTheProcessEnvironmentAsTheRunStarts) {
    // Only read here: the test's own environment, whatever it holds.
    const RunEnvironment env = read_run_environment();
    for (const char* name : {"PATH", "HOME", "VXLTGT", "VXUTGT", "VX_TEST_UNSET_NAME"}) {
        const char* value = std::getenv(name);
        EXPECT_EQ(env.get(name), value ? std::optional<std::string>(value) : std::nullopt) << name;
    }
}

TEST_F(CAnalysisTest, TheSymbolListingTakesTheExtensionOfTheEnvironment) {
    CAnalysis analysis(fresh.get(), files);
    CompilerSettings settings;
    settings.symbtab_file = dir.file("symbols");
    analysis.start(settings, environment_from({{"VEXORSMB", "lst"}}));
    analysis.analyse_declarations("int counter;\n", {});
    analysis.write_symbol_listing({});
    const std::string err = diagnostics();
    EXPECT_TRUE(std::filesystem::exists(dir.file("symbols.lst"))) << err;
    EXPECT_FALSE(std::filesystem::exists(dir.file("symbols.smb")));
}

TEST_F(CAnalysisTest, MessagesOfTheDefinitionsNameTheirFile) {
    testkit::write_file(dir.file("std.def"), "\n#define A 1\n#define A 2\n");
    CAnalysis analysis(fresh.get(), files);
    CompilerSettings settings;
    settings.std_define_file = dir.file("std.def");
    analysis.start(settings, RunEnvironment{});
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
    CAnalysis analysis(fresh.get(), files, &target);
    CompilerSettings settings;
    settings.std_define_file = dir.file("std.def");
    analysis.start(settings, RunEnvironment{});
    // The line given is the one before the text, as the reader counts.
    analysis.analyse_declarations(
        analysis.preprocess("#define N 4\ntypedef unsigned long count_t;\nint table[N];\n", "s.ptu",
                            1),
        {});
    analysis.analyse_declarations(
        analysis.preprocess("count_t local;\nint f(_in int x);\n", "s.ptu", 10), "add");
    EXPECT_EQ(diagnostics(), "");

    TypeTable& table = analysis.type_table();
    const Symbol* array = table.lookup_symbol("table", "");
    ASSERT_NE(array, nullptr);
    EXPECT_EQ(array->type->bound, "4");
    EXPECT_EQ(array->file, "s.ptu");
    EXPECT_EQ(array->line, 4);
    const Symbol* local = table.lookup_symbol("local", "add");
    ASSERT_NE(local, nullptr);
    EXPECT_EQ(local->scope, "add");
    EXPECT_EQ(c_resolve_type(local->type)->width, 64);  // the target's long
    EXPECT_EQ(table.lookup_symbol("local", ""), nullptr);
    EXPECT_TRUE(c_has_qualifier(table.lookup_symbol("f", "add")->type->parameters[0].type, "_in"));

    EXPECT_EQ(analysis.base_type("count_t"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("unsigned long"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("double"), std::optional<bool>(true));
    EXPECT_EQ(analysis.base_type("table"), std::optional<bool>(false));
    EXPECT_EQ(analysis.base_type("struct s"), std::optional<bool>(false));
    EXPECT_EQ(analysis.base_type(""), std::optional<bool>(false));
}

TEST_F(CAnalysisTest, DeclarationErrorsNameTheScriptLine) {
    TargetModel target;
    CAnalysis analysis(fresh.get(), files, &target);
    analysis.start(CompilerSettings{}, RunEnvironment{});
    analysis.analyse_declarations(analysis.preprocess("int ok;\nint 5 bad;\n", "s.ptu", 6), {});
    std::string out = diagnostics();
    EXPECT_NE(out.find("Harnex-W-SYNTAXERR,  [s.ptu:8] Syntax error: int 5"), std::string::npos)
        << out;
}

// Variable types and the components of aggregates, as the variable
// statements take them.

class VariableTypeTest : public CAnalysisTest {
protected:
    VariableTypeTest() {
        analysis.start(CompilerSettings{}, RunEnvironment{});
        analysis.analyse_declarations(
            analysis.preprocess("struct inner { int a; char name[8]; };\n"
                                "struct outer { int n; struct inner in; float v[2]; int *p; };\n"
                                "struct outer o;\nstruct inner arr[2];\nint big[100000];\n"
                                "char *text;\nint (*fp)(int);\nenum colour { RED, BLUE } c;\n"
                                "double d;\nchar letter;\n",
                                "s.ptu", 1),
            {});
    }
    void TearDown() override { diagnostics(); }
    static std::vector<std::string> paths(const NativeVariable& v) {
        std::vector<std::string> out;
        for (const NativeComponent& c : v.components)
            out.push_back(c.expression + ":" + c.type_text);
        return out;
    }
    int parse(const std::string& text, bool whole_array = false, bool whole_structure = false) {
        list.clear();
        parser.begin_test();
        // Each statement on a line of its own, as in a script.
        VariableContext context;
        context.file = "s.ptu";
        context.line = ++line;
        fresh.get().set_report_file(context.file);
        fresh.get().set_report_line(context.line);
        return parser.parse_variable_statement(text, 3, whole_array, whole_structure, context,
                                               list);
    }
    long line = 0;

    TargetModel target;
    CAnalysis analysis{fresh.get(), files, &target};
    CompilerSettings settings;
    RunEnvironment environment;
    ScriptOptions options{settings, environment};
    VariableStatementParser parser{fresh.get(), options, analysis, nullptr};
    std::vector<VariableClause> list;
};

TEST_F(VariableTypeTest, KindsOfScalars) {
    auto kind = [&](const char* name) {
        return analysis.variable_type(name, "", ComponentWalk::none)->kind;
    };
    EXPECT_EQ(kind("d"), VariableKind::real);
    EXPECT_EQ(kind("letter"), VariableKind::character);
    EXPECT_EQ(kind("text"), VariableKind::string_pointer);
    EXPECT_EQ(kind("fp"), VariableKind::function_pointer);
    EXPECT_EQ(kind("o.p"), VariableKind::pointer);
    EXPECT_EQ(kind("c"), VariableKind::enumeration);
    EXPECT_EQ(kind("o.in.name"), VariableKind::string);
    EXPECT_EQ(kind("arr[1].a"), VariableKind::integer);
    EXPECT_FALSE(analysis.variable_type("nothing", "", ComponentWalk::none)->found);
    EXPECT_TRUE(analysis.variable_type("o", "", ComponentWalk::none)->structure);
}

TEST_F(VariableTypeTest, SmallIntegersAndBooleansKeepTheirKindThroughTypedefs) {
    analysis.analyse_declarations(
        analysis.preprocess("typedef unsigned char uint8_t;\ntypedef unsigned char _Bool;\n"
                            "uint8_t byte; uint8_t bytes[4]; uint8_t *cursor; char name[4];\n"
                            "struct flags { _Bool on; uint8_t level; } flags;\n",
                            "t.h", 1),
        {});
    auto kind = [&](const char* name) {
        return analysis.variable_type(name, "", ComponentWalk::none)->kind;
    };
    EXPECT_EQ(kind("byte"), VariableKind::integer);
    EXPECT_EQ(kind("bytes"), VariableKind::integer);
    EXPECT_EQ(kind("cursor"), VariableKind::pointer);
    EXPECT_EQ(kind("name"), VariableKind::string);
    std::optional<NativeVariable> f = analysis.variable_type("flags", "", ComponentWalk::scalars);
    ASSERT_EQ(f->components.size(), 2u);
    EXPECT_EQ(f->components[0].kind, VariableKind::boolean);
    EXPECT_EQ(f->components[1].kind, VariableKind::integer);
    EXPECT_TRUE(f->components[1].facts.is_unsigned);
    EXPECT_EQ(f->components[1].facts.bits, 8);
}

TEST_F(VariableTypeTest, ComponentsInDeclarationOrder) {
    std::optional<NativeVariable> o = analysis.variable_type("o", "", ComponentWalk::scalars);
    EXPECT_EQ(paths(*o), (std::vector<std::string>{"o.n:int", "o.in.a:int", "o.in.name:char [8]",
                                                   "o.v[0]:float", "o.v[1]:float", "o.p:int *"}));
    std::optional<NativeVariable> arr = analysis.variable_type("arr", "", ComponentWalk::scalars);
    EXPECT_EQ(paths(*arr), (std::vector<std::string>{"arr[0].a:int", "arr[0].name:char [8]",
                                                     "arr[1].a:int", "arr[1].name:char [8]"}));
    EXPECT_TRUE(analysis.variable_type("big", "", ComponentWalk::none)->components.empty());
    EXPECT_EQ(analysis.variable_type("big", "", ComponentWalk::scalars)->components.size(),
              100000u);
}

TEST_F(VariableTypeTest, BraceListsAreSplitOverTheComponents) {
    EXPECT_EQ(parse("arr, INIT = {{1, \"x\"}, {2, \"y\"}}, EV = {others => 0}"), 4)
        << diagnostics();
    ASSERT_EQ(list.size(), 4u);
    EXPECT_EQ(list[1].variable, "arr[0].name");
    EXPECT_EQ(list[1].kind, VariableKind::string);
    EXPECT_EQ(list[1].init_value, "\"x\"");
    EXPECT_EQ(list[2].init_value, "2");
    EXPECT_EQ(list[3].ev_value, "0");
    // A single value applies to every component.
    EXPECT_EQ(parse("o.v, INIT = 0.5, EV = 0.5"), 2);
    EXPECT_EQ(list[1].variable, "o.v[1]");
    EXPECT_EQ(list[1].init_value, "0.5");
    // Too few values, or too many.
    EXPECT_EQ(parse("o.v, INIT = {1}, EV = 0"), 0);
    EXPECT_EQ(parse("o.v, INIT = {1, 2, 3}, EV = 0"), 0);
    EXPECT_NE(diagnostics().find("INITAGREG"), std::string::npos);
    fresh.shown();
}

TEST_F(VariableTypeTest, WholeAggregatesGiveOneRecord) {
    EXPECT_EQ(parse("big, INIT = 0, EV = 0", true, false), 1);
    EXPECT_TRUE(list[0].whole_array);
    EXPECT_EQ(list[0].facts.dimensions, (std::vector<long long>{100000}));
    EXPECT_EQ(list[0].facts.element_type, "int");
    // A structure is taken member by member; its arrays of scalars stay
    // whole under the whole-array flag.
    list.clear();
    EXPECT_EQ(parse("o, INIT = {others => 0}, EV = {others => 0}", true, true), 5);
    EXPECT_TRUE(list[0].structured);
    EXPECT_EQ(list[3].variable, "o.v");
    EXPECT_EQ(list[3].facts.dimensions, (std::vector<long long>{2}));
    EXPECT_EQ(list[3].aggregate, "o");
    EXPECT_EQ(list[3].component, 3);
    EXPECT_EQ(list[3].components, 5);
    EXPECT_FALSE(list[3].aggregate_array);
    EXPECT_EQ(parse("big, INIT = 0, EV = 0"), 100000);
    EXPECT_EQ(list.back().variable, "big[99999]");
    EXPECT_EQ(parse("o, INIT IN [1, 2], EV = {0}", true, true), 0);
    EXPECT_NE(diagnostics().find("AUTOSTRUC"), std::string::npos);
    fresh.shown();
}

TEST_F(VariableTypeTest, ConstObjectsAreCheckedButNeverAssigned) {
    analysis.analyse_declarations(
        analysis.preprocess("extern const int limit;\nextern const int table[3];\n"
                            "struct rec { const int id; int value; };\nstruct rec r;\n"
                            "extern const struct rec cr;\nconst struct rec *view;\n"
                            "struct rec *edit;\n",
                            "t.h", 1),
        {});
    // Statement lines 1 to 7: an INIT would assign a const object.
    EXPECT_EQ(parse("limit, INIT = 5, EV = 4"), 0);
    EXPECT_EQ(parse("table[1], INIT = 7, EV = 2"), 0);
    EXPECT_EQ(parse("table, INIT = {1, 2, 3}, EV = {1, 2, 3}", true), 0);
    EXPECT_EQ(parse("r.id, INIT = 1, EV = 1"), 0);
    EXPECT_EQ(parse("r, INIT = {1, 2}, EV = {1, 2}", false, true), 0);
    EXPECT_EQ(parse("cr.value, INIT = 4, EV = 4"), 0);
    EXPECT_EQ(parse("view->value, INIT IN {1, 2}, EV = 4"), 0);
    // Checking them, and assigning what may be assigned, is fine.
    EXPECT_EQ(parse("limit, EV = 4"), 1);
    EXPECT_EQ(parse("table, EV = {1, 2, 3}", true), 1);
    EXPECT_EQ(parse("cr.id, EV = 3"), 1);
    EXPECT_EQ(parse("r.value, INIT = 2, EV = 2"), 1);
    EXPECT_EQ(parse("edit->value, INIT = 2, EV = 2"), 1);
    const std::string err = diagnostics();
    const std::vector<std::string> expected = {
        "[s.ptu:1] Constant limit cannot",      "[s.ptu:2] Constant table[1] cannot",
        "[s.ptu:3] Constant table cannot",      "[s.ptu:4] Constant r.id cannot",
        "[s.ptu:5] Constant r.id cannot",       "[s.ptu:6] Constant cr.value cannot",
        "[s.ptu:7] Constant view->value cannot"};
    for (const std::string& line : expected) {
        EXPECT_NE(err.find("Harnex-E-CONSTINIT,  " + line + " be initialized\n"), std::string::npos)
            << line << "\n"
            << err;
    }
    EXPECT_EQ(testkit::split_lines(err).size(), expected.size()) << err;
    fresh.shown();
}

TEST_F(VariableTypeTest, ArrayWithoutBoundIsTakenElementByElementOnly) {
    analysis.analyse_declarations(
        analysis.preprocess("extern int open_ended[];\nextern struct inner records[];\n", "t.h", 1),
        {});
    EXPECT_EQ(parse("open_ended, INIT = 0, EV = 0", true), 0);
    EXPECT_EQ(parse("open_ended, EV = 0"), 0);
    EXPECT_EQ(parse("records, EV = {others => 0}", true, true), 0);
    EXPECT_EQ(parse("open_ended[2], INIT = 1, EV = 1"), 1);
    EXPECT_EQ(parse("records[1].a, INIT = 1, EV = 1"), 1);
    const std::string err = diagnostics();
    EXPECT_NE(err.find("Harnex-E-TAITABINC,  [s.ptu:1] Unknown array size open_ended\n"),
              std::string::npos)
        << err;
    EXPECT_NE(err.find("Harnex-E-TAITABINC,  [s.ptu:2] Unknown array size open_ended\n"),
              std::string::npos);
    EXPECT_NE(err.find("Harnex-E-TAITABINC,  [s.ptu:3] Unknown array size records\n"),
              std::string::npos);
    EXPECT_EQ(testkit::split_lines(err).size(), 3u) << err;
    fresh.shown();
}

TEST_F(VariableTypeTest, RangesThatNeverEndAreRefused) {
    // Statement lines 1 to 4: the loop of the range would never stop.
    EXPECT_EQ(parse("o.n, INIT FROM 0 TO 10 STEP 0, EV = 0"), 0);
    EXPECT_EQ(parse("d, INIT FROM 0.0 TO 1.0 STEP 0.0, EV = 0"), 0);
    EXPECT_EQ(parse("arr[0].a, INIT FROM 1 TO 3 STEP -1, EV = 0"), 0);
    EXPECT_EQ(parse("arr[1].a, INIT FROM 3 TO 3 STEP -1, EV = 0"), 0);
    // A range that goes down takes its step either way; bounds or a step
    // that only the run knows are left to it.
    EXPECT_EQ(parse("o.in.a, INIT FROM 10 TO 1 STEP -2, EV = 0"), 1);
    EXPECT_EQ(parse("big[0], INIT FROM 10 TO 1 STEP 2, EV = 0"), 1);
    EXPECT_EQ(parse("big[1], INIT FROM 0 TO o.n STEP -1, EV = 0"), 1);
    EXPECT_EQ(parse("big[2], INIT FROM 0 TO 10 STEP o.n, EV = 0"), 1);
    const std::string err = diagnostics();
    for (const char* line : {"[s.ptu:1] Bad increment 0\n", "[s.ptu:2] Bad increment 0.0\n",
                             "[s.ptu:3] Bad increment -1\n", "[s.ptu:4] Bad increment -1\n"}) {
        EXPECT_NE(err.find(std::string("Harnex-E-INCREMENT,  ") + line), std::string::npos)
            << line << err;
    }
    EXPECT_EQ(testkit::split_lines(err).size(), 4u) << err;
    fresh.shown();
}

TEST_F(VariableTypeTest, FractionGivenToAWholeNumberIsTold) {
    EXPECT_EQ(parse("o.n, INIT = 1.5, EV = 2.0"), 1);
    EXPECT_EQ(parse("arr[0].a, INIT = 0, MIN = 0.5, MAX = 3"), 1);
    EXPECT_EQ(parse("letter, INIT = 'a', EV = 97.0"), 1);
    EXPECT_EQ(parse("d, INIT = 1.5, EV = 2.5"), 1);
    const std::string err = diagnostics();
    EXPECT_EQ(err,
              "Harnex-W-CONVERTYP,  [s.ptu:1] Type conversion of o.n: 1.5\n"
              "Harnex-W-CONVERTYP,  [s.ptu:2] Type conversion of arr[0].a: 0.5\n");
    fresh.shown();
}

TEST_F(VariableTypeTest, RangeCountsAreNumbersTheHarnessIsBuiltWith) {
    analysis.analyse_declarations(
        analysis.preprocess("#define COUNT 4\n#define FEW 1\nint n;\n", "t.h", 1), {});
    // A macro that stands for a number is that number.
    EXPECT_EQ(parse("o.n, INIT FROM 0 TO 10 NB_TIMES COUNT, EV = 0"), 1);
    EXPECT_EQ(list.back().init_count, 4);
    EXPECT_EQ(parse("d, INIT FROM 0.0 TO 1.0 NB_RANDOM COUNT +BOUNDS, EV = 0"), 1);
    EXPECT_EQ(list.back().init_count, 6);
    // Statement lines 3 to 5: a count only the run knows, or too small.
    EXPECT_EQ(parse("arr[0].a, INIT FROM 0 TO 10 NB_TIMES n, EV = 0"), 0);
    EXPECT_EQ(parse("arr[1].a, INIT FROM 0 TO 10 NB_RANDOM n + 1, EV = 0"), 0);
    EXPECT_EQ(parse("o.in.a, INIT FROM 0 TO 10 NB_TIMES FEW, EV = 0"), 0);
    const std::string err = diagnostics();
    EXPECT_EQ(err,
              "Harnex-E-FOR_CONST,  [s.ptu:3] Constant value expected in INIT FROM n\n"
              "Harnex-E-FOR_CONST,  [s.ptu:4] Constant value expected in INIT FROM n + 1\n"
              "Harnex-E-INTSUPEUN,  [s.ptu:5] Integer greater than 1 expected FEW\n");
    fresh.shown();
}

TEST_F(VariableTypeTest, VariablesNamedThroughMacrosKeepTheScriptsText) {
    analysis.analyse_declarations(
        analysis.preprocess("struct tm2 { long sec; };\nstruct st2 { struct tm2 mtim; } st;\n"
                            "#define st_mtime mtim.sec\n",
                            "t.h", 1),
        {});
    EXPECT_EQ(parse("st.st_mtime, INIT = 0, EV = 1234"), 1);
    EXPECT_EQ(list[0].variable, "st.st_mtime");
    EXPECT_EQ(list[0].kind, VariableKind::integer);
    EXPECT_FALSE(list[0].facts.is_unsigned);
}

TEST_F(VariableTypeTest, ExpressionsThatCannotBeGeneratedAreRefused) {
    // The variable expression: member selections that do not fit, indexes
    // outside the array.
    EXPECT_EQ(parse("o.p.x, INIT = 0, EV = 0"), 0);
    EXPECT_EQ(parse("o->n, INIT = 0, EV = 0"), 0);
    EXPECT_EQ(parse("arr[2].a, INIT = 0, EV = 0"), 0);
    EXPECT_EQ(parse("arr[-1].a, INIT = 0, EV = 0"), 0);
    EXPECT_EQ(parse("arr[1].a, INIT = 0, EV = 0"), 1);
    std::string out = diagnostics();
    EXPECT_NE(out.find("NOPOSTRUC"), std::string::npos) << out;
    EXPECT_NE(out.find("The index(s) in expression arr[2].a"), std::string::npos) << out;
    EXPECT_NE(out.find("The index(s) in expression arr[-1].a"), std::string::npos) << out;
    fresh.shown();
    // The values.
    EXPECT_EQ(parse("letter, INIT ==, EV = 'a'"), 0);
    EXPECT_EQ(parse("d, INIT = 0, MIN = 5, MAX = 1"), 0);
    EXPECT_EQ(parse("d, INIT = 0, EV = 1, DELTA = -5%"), 0);
    EXPECT_EQ(parse("o.in.name, INIT = \"12345678\", EV = \"\""), 0);
    EXPECT_EQ(parse("o.in.name, INIT = \"1234567\", EV = 0"), 1);
    EXPECT_EQ(parse("o.n, INIT IN {1, \"x\"}, EV = 0"), 0);
    EXPECT_EQ(parse("arr, INIT = {{1, \"x\"}, {2, 'y'}}, EV = {others => 0}"), 0);
    out = diagnostics();
    for (const char* code : {"INITABSEN", "MINMAXVAL", "VALUEINCO", "CSTTOLONG", "TYPESMISM"}) {
        EXPECT_NE(out.find(code), std::string::npos) << code << "\n" << out;
    }
    EXPECT_NE(out.find("Types mismatch arr[1].name: 'y'"), std::string::npos) << out;
    fresh.shown();
}

TEST_F(VariableTypeTest, ValuesAreWrittenAsTheCompilerTakesThemWithoutAWord) {
    analysis.analyse_declarations(analysis.preprocess("unsigned long long big_u;\n", "t.h", 1), {});
    EXPECT_EQ(parse("big_u, INIT = 18446744073709551615, EV = 9223372036854775807"), 1);
    EXPECT_EQ(list[0].init_value, "18446744073709551615U");
    EXPECT_EQ(list[0].ev_value, "9223372036854775807");
}

TEST_F(VariableTypeTest, AVariableIsAnOverloadOnlyWithinOneElement) {
    list.clear();
    parser.begin_test();
    EXPECT_EQ(parser.parse_variable_statement("d, INIT = 0, EV = 0", 3, false, false, {}, list), 1);
    parser.begin_element();
    EXPECT_EQ(parser.parse_variable_statement("d, INIT = 1, EV = 1", 3, false, false, {}, list), 1);
    EXPECT_EQ(diagnostics().find("NOMVARDBL"), std::string::npos);
    fresh.shown();
    EXPECT_EQ(parser.parse_variable_statement("d, INIT = 2, EV = 2", 3, false, false, {}, list), 1);
    EXPECT_NE(diagnostics().find("NOMVARDBL"), std::string::npos);
    fresh.shown();
    // The EV of a statement follows its own INIT IN list.
    EXPECT_EQ(parse("d, INIT IN {1.0, 2.0}, EV (d) IN {1.0, 2.0}"), 1);
    EXPECT_EQ(list[0].linked_count, 2);
    EXPECT_EQ(parse("d, INIT IN {1.0, 2.0}, EV (d) IN {1.0}"), 0);
    EXPECT_NE(diagnostics().find("VARLIENNB"), std::string::npos);
    fresh.shown();
}

TEST_F(VariableTypeTest, WholeArraysTakeTheirListSpreadAndKeepTheScriptsText) {
    EXPECT_EQ(parse("big, INIT = [0 => 1, 1..3 => 2, others => 0], EV = 0", true, false), 1);
    const std::string& value = list[0].init_value;
    EXPECT_EQ(value.substr(0, 10), "{1,2,2,2,0");
    EXPECT_EQ(std::count(value.begin(), value.end(), ','), 99999);
    EXPECT_EQ(list[0].init_text, "[0 => 1, 1..3 => 2, others => 0]");
    EXPECT_EQ(parse("big, INIT = {100000 => 1, others => 0}, EV = 0", true, false), 0);
    EXPECT_NE(diagnostics().find("The index(s) in expression big[100000]"), std::string::npos);
    fresh.shown();
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// Without a target package the harness's own declarations still parse, and
// a message of the analysed text leaves the script's location in place.
TEST_F(CAnalysisTest, WithoutStandardDefinitionsTheScriptKeepsItsLocation) {
    TargetModel target;
    CAnalysis analysis(fresh.get(), files, &target);
    analysis.start(CompilerSettings{}, RunEnvironment{});
    analysis.analyse_declarations(
        analysis.preprocess("extern ZQZQ_LOOPVAR_T I1;\n__int128_t wide;\n", "", 0), {});
    EXPECT_EQ(diagnostics(), "");
    const Symbol* loop = analysis.type_table().lookup_symbol("I1", "");
    ASSERT_NE(loop, nullptr);
    EXPECT_EQ(c_resolve_type(loop->type)->kind, TypeKind::integer);
    EXPECT_EQ(c_resolve_type(analysis.type_table().lookup_symbol("wide", "")->type)->kind,
              TypeKind::wide_integer);

    fresh.shown();
    fresh.get().set_report_file("k.ptu");
    fresh.get().set_report_line(6);
    analysis.analyse_declarations(analysis.preprocess("int x = ;\nint y y;\n", "k.ptu", 6), {});
    analysis.preprocess("#define D 1\n#define D 2\n", "h.h", 0);
    fresh.get().warning(msg::SYNTAXERR, "after");
    std::string err = diagnostics();
    EXPECT_NE(err.find("[k.ptu:8] Syntax error: int y y"), std::string::npos) << err;
    EXPECT_NE(err.find("[h.h:2]"), std::string::npos) << err;
    EXPECT_NE(err.find("Harnex-W-SYNTAXERR,  [k.ptu:6] Syntax error: after"), std::string::npos)
        << err;
}

// A member the headers name through a macro is typed by its expansion.
TEST_F(CAnalysisTest, MembersNamedByMacrosAreTypedByTheirExpansion) {
    TargetModel target;
    CAnalysis analysis(fresh.get(), files, &target);
    analysis.start(CompilerSettings{}, RunEnvironment{});
    analysis.analyse_declarations(
        analysis.preprocess("struct timespec { long tv_sec; long tv_nsec; };\n"
                            "struct stat { int st_mode; struct timespec st_mtim; };\n"
                            "#define st_mtime st_mtim.tv_sec\nstruct stat st;\n",
                            "s.ptu", 0),
        {});
    std::optional<NativeVariable> v =
        analysis.variable_type("st.st_mtime", "", ComponentWalk::none);
    ASSERT_TRUE(v.has_value());
    EXPECT_TRUE(v->found);
    EXPECT_EQ(v->kind, VariableKind::integer);
    EXPECT_EQ(v->type_text, "long");
    EXPECT_FALSE(analysis.variable_type("st.st_nothing", "", ComponentWalk::none)->found);
    EXPECT_EQ(diagnostics(), "");
}

}  // namespace
}  // namespace vx
