#include "script/statements/variable_statement.h"

#include "support/languages.h"
#include "support/report_capture_test.h"
#include "support/text_scanner.h"

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

// The C side of a test: the declarations of a few variables.
class FakeDeclarations final : public WithoutNativeAnalysis {
public:
    std::map<std::string, NativeVariable> variables;
    std::optional<NativeVariable> variable_type(std::string_view expression, std::string_view,
                                                ComponentWalk) override {
        auto it = variables.find(std::string(expression));
        if (it == variables.end()) return NativeVariable{};
        return it->second;
    }
};

NativeVariable declared(const char* type, VariableKind kind, bool structure) {
    NativeVariable v;
    v.found = true;
    v.type_text = type;
    v.kind = kind;
    v.structure = structure;
    return v;
}

class VariableStatementTest : public ::testing::Test {
protected:
    VariableStatementTest() {
        options_.analysis_enabled = false;
        declarations_.variables["n"] = declared("int", VariableKind::integer, false);
        declarations_.variables["p"] = declared("int *", VariableKind::pointer, false);
        declarations_.variables["c"] = declared("char", VariableKind::character, false);
        declarations_.variables["f"] = declared("float", VariableKind::real, false);
        declarations_.variables["s"] = declared("struct point", VariableKind::unknown, true);
        declarations_.variables["s"].kind = VariableKind::integer;
    }

    // Parses one statement; returns the codes reported ("E-LISTEINIT" ...).
    std::vector<std::string> parse(const std::string& text, bool whole_array = false,
                                   bool whole_structure = false) {
        // Each statement at a line of its own: a message repeated at one
        // place is shown once.
        capture_.reporter().set_report_line(++statements_);
        capture_.output();
        VariableContext context;
        context.script_language = script_language_;
        added_ = parser_.parse_variable_statement(text, tested_language_c, whole_array,
                                                  whole_structure, context, list_);
        std::istringstream in(capture_.output());
        std::vector<std::string> codes;
        std::string line;
        while (std::getline(in, line)) {
            if (line.rfind("Harnex-", 0) == 0) {
                last_line_ = line;
                codes.push_back(line.substr(7, line.find(',') - 7));
            }
        }
        return codes;
    }
    const VariableClause& last() { return list_.back(); }
    using Codes = std::vector<std::string>;

    ReportCapture capture_;
    long statements_ = 0;
    // The run's records and the front end's view of them.
    CompilerSettings settings_;
    RunEnvironment environment_;
    ScriptOptions options_{settings_, environment_};
    FakeDeclarations declarations_;
    VariableStatementParser parser_{capture_.reporter(), options_, declarations_, nullptr};
    std::vector<VariableClause> list_;
    int script_language_ = script_language_gb;
    int added_ = 0;
    std::string last_line_;
};

// Values and forms of one item.

TEST_F(VariableStatementTest, InitAndEvInBothLanguages) {
    EXPECT_EQ(parse("x, int, INIT = 0, EV = 0"), Codes{});
    ASSERT_EQ(added_, 1);
    EXPECT_EQ(last().variable, "x");
    EXPECT_EQ(last().type_text, "int");
    EXPECT_EQ(last().kind, VariableKind::integer);
    EXPECT_TRUE(last().init && last().ev);
    EXPECT_FALSE(last().init_double_equal);
    EXPECT_EQ(last().ev_form, EvForm::equal);
    EXPECT_EQ(last().init_value, "0");
    EXPECT_EQ(last().ev_value, "0");

    script_language_ = script_language_fr;
    EXPECT_EQ(parse("y, float, init == 1.5, va = 2.5"), Codes{});
    EXPECT_TRUE(last().init_double_equal);
    EXPECT_EQ(last().init_value, "1.5");
    EXPECT_EQ(last().kind, VariableKind::real);
    // EV is accepted in a French script, VA in an English one.
    EXPECT_EQ(parse("z, int, EV = 1"), Codes{});
    script_language_ = script_language_gb;
    EXPECT_EQ(parse("w, int, VA = 1"), Codes{});
}

TEST_F(VariableStatementTest, ClausesAppearOnceAndKeywordsAreKnown) {
    EXPECT_EQ(parse("x, int, INIT = 0, INIT = 1, EV = 0"), Codes{"E-DEFMULTIP"});
    EXPECT_NE(last_line_.find("INIT"), std::string::npos);
    EXPECT_EQ(parse("x, int, EV = 0, VA = 1"), Codes{"E-DEFMULTIP"});
    EXPECT_EQ(parse("x, int, INIT = 0, FOO = 1"), Codes{"E-INVMOTCLE"});
    EXPECT_EQ(parse("x"), Codes{"E-STXERRTYP"});
    EXPECT_EQ(parse("x, int"), Codes{"E-STXERRTYP"});
    EXPECT_EQ(parse(", int, EV = 0"), Codes{"E-VARNAMMSG"});
    EXPECT_EQ(parse("INIT = 1, EV = 0"), Codes{"E-VARNAMMSG"});
    EXPECT_EQ(parse("EV(1), EV = 0"), Codes{"E-VARNAMMSG"});
    // A name that only begins like a clause is a name.
    EXPECT_EQ(parse("initial, int, EV = 0"), Codes{});
    EXPECT_EQ(parse("x, no_such_type, EV = 0"), Codes{"E-TYPEINCON"});
    EXPECT_EQ(list_.size(), 1u);
}

// A misspelt clause word is told as one, with the clause words it may
// have meant, wherever it stands: in the place of a type too, which it
// could not be ("INTI = 2" is no type).
TEST_F(VariableStatementTest, AMisspeltClauseWordNamesTheWordsThatFit) {
    EXPECT_EQ(parse("x, INTI = 2, EV = 0"), Codes{"E-INVMOTCLE"});
    EXPECT_NE(last_line_.find("Unknown keyword INTI = 2 (INIT)"), std::string::npos) << last_line_;
    EXPECT_EQ(parse("x, int, INIT = 0, VE = 1"), Codes{"E-INVMOTCLE"});
    EXPECT_NE(last_line_.find("VE = 1 (VA, EV)"), std::string::npos) << last_line_;
    EXPECT_EQ(parse("x, int, INIT = 0, DELAT = 1"), Codes{"E-INVMOTCLE"});
    EXPECT_NE(last_line_.find("DELAT = 1 (DELTA)"), std::string::npos) << last_line_;
    EXPECT_EQ(parse("x, int, INIT = 0, FOO = 1"), Codes{"E-INVMOTCLE"});
    EXPECT_NE(last_line_.find("FOO = 1 (DELTA, INIT, MAX, MIN, VA, EV)"), std::string::npos)
        << last_line_;
    EXPECT_TRUE(list_.empty());
}

TEST_F(VariableStatementTest, InitFormsAndTheirErrors) {
    EXPECT_EQ(parse("x, int, INIT, EV = 0"), Codes{"E-EGALABSEN"});
    EXPECT_EQ(parse("x, int, INIT =, EV = 0"), Codes{"E-INITABSEN"});
    EXPECT_EQ(parse("x, int, INIT 3, EV = 0"), Codes{"E-EGALABSEN"});
    EXPECT_EQ(parse("x, int, INIT (a, EV = 0"), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(parse("x, int, INIT (a) OF [1,2], EV = 0"), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(added_, 0);
}

TEST_F(VariableStatementTest, InitInListsAndTheirDelimiters) {
    options_.analysis_enabled = true;
    EXPECT_EQ(parse("x, int, INIT IN {1, 2, 3}, EV = 0"), Codes{});
    EXPECT_TRUE(last().init_in);
    EXPECT_EQ(last().init_count, 3);
    EXPECT_EQ(last().init_value, "1,2,3");
    EXPECT_EQ(parse("x2, int, INIT IN 1, 2, 3, EV = 0"), Codes{"E-LISTEINIT"});
    EXPECT_EQ(parse("x3, int, INIT DANS [f(1, 2), {3, 4}], EV = 0"), Codes{});
    EXPECT_EQ(last().init_count, 2);
    EXPECT_EQ(parse("x4, int, INIT IN [], EV = 0"), Codes{"E-LISTEINIT"});

    // Without C analysis only brackets delimit a list, and a list holds no
    // array.
    options_.analysis_enabled = false;
    EXPECT_EQ(parse("y, int, INIT IN {1, 2, 3}, EV = 0"), Codes{"E-LISTEINIT"});
    EXPECT_EQ(parse("y, int, INIT IN [1, [2, 3]], EV = 0"), Codes{"E-LISTEINIT"});
    EXPECT_NE(last_line_.find("array are forbidden in list: [2, 3]"), std::string::npos);
    EXPECT_EQ(parse("y, int, INIT IN [1, 2 +, 3], EV = 0").back(), "E-SYNTAXERO");
    EXPECT_EQ(parse("p, int *, INIT IN [NIL, NONIL], EV = NIL"), Codes{"E-POINTINIT"});
}

TEST_F(VariableStatementTest, RangesCountTheirValues) {
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10 STEP 2, EV = 0"), Codes{});
    EXPECT_TRUE(last().init_from);
    EXPECT_EQ(last().init_from_kind, InitFromKind::step);
    EXPECT_EQ(last().init_count, 0);
    EXPECT_EQ(last().init_value, "0,10,2");
    EXPECT_EQ(parse("b, int, INIT FROM 0 TO 10 NB_TIMES 5, EV = 0"), Codes{});
    EXPECT_EQ(last().init_from_kind, InitFromKind::count);
    EXPECT_EQ(last().init_count, 5);
    // The harness needs the count to build the values.
    EXPECT_EQ(parse("c, int, INIT FROM 0 TO 10 NB_VALUE N, EV = 0"), Codes{"E-FOR_CONST"});
    EXPECT_EQ(parse("c, int, INIT FROM 0 TO 10 NB_RANDOM 2*N, EV = 0"), Codes{"E-FOR_CONST"});
    EXPECT_EQ(last().variable, "b");
    EXPECT_EQ(parse("d, int, INIT FROM 0 TO 10 NB_RANDOM 3 +BOUNDS, EV = 0"), Codes{});
    EXPECT_EQ(last().init_from_kind, InitFromKind::random_bounds);
    EXPECT_EQ(last().init_count, 5);
    EXPECT_EQ(last().init_value, "0,10,3");
    EXPECT_EQ(parse("e, int, INIT FROM 0 TO 10 NB_RANDOM 300, EV = 0"), Codes{"E-VALUEINCO"});
    EXPECT_EQ(last().init_count, 10);
    EXPECT_EQ(last().variable, "e");
}

TEST_F(VariableStatementTest, FrenchRangesUseTheirOwnWords) {
    script_language_ = script_language_fr;
    EXPECT_EQ(parse("a, int, INIT DE 0 A 10 INCREMENT 2, VA = 0"), Codes{});
    EXPECT_EQ(last().init_value, "0,10,2");
    EXPECT_EQ(parse("b, int, INIT DE 0 A 10 NB_VALEURS 5, VA = 0"), Codes{});
    EXPECT_EQ(last().init_count, 5);
    EXPECT_EQ(parse("c, int, INIT DE 1 A 9 NB_HASARD 3 +BORNES, VA = 0"), Codes{});
    EXPECT_EQ(last().init_count, 5);
    EXPECT_EQ(parse("d, int, INIT DE 1 A 9 NB_HASARD 300, VA = 0"), Codes{"E-VALUEINCO"});
    EXPECT_EQ(last().init_count, 10);
    // The English words are not range words of a French script.
    EXPECT_EQ(parse("e, int, INIT FROM 0 TO 10 STEP 2, VA = 0"), Codes{"E-EGALABSEN"});
    EXPECT_EQ(parse("e, int, INIT DE 0 A 10 STEP 2, VA = 0"), Codes{"E-STIMDOMAT"});
}

TEST_F(VariableStatementTest, RangeErrors) {
    EXPECT_EQ(parse("a, int, INIT FROM 0 STEP 2, EV = 0"), Codes{"E-TOATTENDU"});
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10, EV = 0"), Codes{"E-STIMDOMAT"});
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10 NB_RANDOM 3 BOUNDS, EV = 0"), Codes{"E-PLUSBOUND"});
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10 NB_RANDOM +BOUNDS, EV = 0"), Codes{"E-VALHASARD"});
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10 NB_TIMES 1, EV = 0"), Codes{"E-INTSUPEUN"});
    EXPECT_EQ(parse("a, int, INIT FROM 0 TO 10 NB_RANDOM 0, EV = 0"), Codes{"E-INTSUPEUN"});
    EXPECT_EQ(parse("a, char, INIT FROM 0 TO 10 STEP 1, EV = 0"), Codes{"E-TYPEIFROM"});
    EXPECT_EQ(added_, 0);
}

TEST_F(VariableStatementTest, EvForms) {
    EXPECT_EQ(parse("a, int, INIT = 1, EV =="), Codes{});
    EXPECT_EQ(last().ev_form, EvForm::double_equal);
    EXPECT_EQ(parse("b, int, INIT = 1, EV == 4"), Codes{"I-IGNEXPRES"});
    EXPECT_TRUE(last().ev_value.empty());
    options_.learn_mode = true;
    EXPECT_EQ(parse("c, int, INIT = 1, EV => c_ref"), Codes{});
    EXPECT_EQ(last().ev_form, EvForm::arrow);
    EXPECT_EQ(last().ev_target, "c_ref");
    EXPECT_TRUE(last().ev_learn);
    EXPECT_EQ(parse("d, int, INIT = 1, EV =>"), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(parse("d, int, INIT = 1, EV ="), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(parse("d, int, INIT = 1, EV"), Codes{"E-EGALABSEN"});
    EXPECT_EQ(parse("d, int, INIT = 1, EV 3"), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(parse("e, int, INIT = 1, EV IN [1, 2]"), Codes{});
    EXPECT_TRUE(last().ev_in);
    EXPECT_EQ(last().ev_count, 2);
    EXPECT_EQ(parse("f, int, INIT = 1, EV IN 1"), Codes{"E-LISTEVAIN"});
}

TEST_F(VariableStatementTest, MinMaxAndDelta) {
    EXPECT_EQ(parse("a, int, INIT = 0, MIN = 1"), Codes{"E-VAMAXABSE"});
    EXPECT_EQ(parse("a, int, INIT = 0, MAX = 1"), Codes{"E-VAMINABSE"});
    EXPECT_EQ(parse("a, int, INIT = 0"), Codes{"E-VAMIMAABS"});
    EXPECT_EQ(parse("a, int, INIT = 0, EV = 3, MAX = 4"), Codes{"E-VA_MINMAX"});
    EXPECT_EQ(parse("a, int, MIN = 0, MAX = 4, DELTA = 1"), Codes{"E-DELMINMAX"});
    EXPECT_EQ(parse("a, int, MIN 0, MAX = 4"), Codes{"E-EGALABSEN"});
    EXPECT_EQ(parse("a, int, MIN =, MAX = 4"), Codes{"E-STX_ERRRA"});
    EXPECT_EQ(parse("p, int *, MIN = 0, MAX = 4"), Codes{"E-MINMAXDEL"});
    EXPECT_EQ(parse("c, char, EV = 'a', DELTA = 1"), Codes{"E-MINMAXDEL"});
    EXPECT_EQ(added_, 0);

    EXPECT_EQ(parse("b, int, MIN = 1, MAX = 9"), Codes{});
    EXPECT_EQ(last().min_value, "1");
    EXPECT_EQ(last().max_value, "9");
    EXPECT_EQ(parse("f, float, EV = 10.0, DELTA = 5%"), Codes{});
    EXPECT_EQ(last().delta, DeltaKind::percent);
    EXPECT_EQ(last().delta_value, "5");
    EXPECT_EQ(parse("g, float, EV = 10.0, DELTA = 0.5"), Codes{});
    EXPECT_EQ(last().delta, DeltaKind::absolute);
    EXPECT_EQ(last().delta_value, "0.5");
}

// Checks across statements of a test.

TEST_F(VariableStatementTest, DynamicInitialisationsAreLimitedPerTest) {
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(parse("v" + std::to_string(i) + ", int, INIT IN [1, 2], EV = 0"), Codes{});
    }
    EXPECT_EQ(parse("v8, int, INIT FROM 0 TO 4 STEP 1, EV = 0"), Codes{"E-NBINITDYN"});
    EXPECT_EQ(parse("v9, int, INIT = 1, EV = 0"), Codes{});
    EXPECT_EQ(parser_.dynamic_initialisations(), 8);
    parser_.begin_test();
    EXPECT_EQ(parse("v8, int, INIT IN [1, 2], EV = 0"), Codes{});
}

TEST_F(VariableStatementTest, EvInChecksAreLimitedPerTest) {
    for (int i = 0; i < 64; ++i) {
        ASSERT_EQ(parse("v" + std::to_string(i) + ", int, INIT = 0, EV IN [1, 2]"), Codes{});
    }
    EXPECT_EQ(parse("w, int, INIT = 0, EV IN [1, 2]"), Codes{"E-NBVAINOVE"});
}

TEST_F(VariableStatementTest, SameVariableTwiceInATestOverloads) {
    EXPECT_EQ(parse("x, int, INIT = 0, EV = 0"), Codes{});
    EXPECT_EQ(parse("x, int, INIT = 1, EV = 1"), Codes{"W-NOMVARDBL"});
    ASSERT_EQ(list_.size(), 2u);
    EXPECT_EQ(list_[1].init_value, "1");
    parser_.begin_test();
    EXPECT_EQ(parse("x, int, INIT = 2, EV = 2"), Codes{});
}

TEST_F(VariableStatementTest, LinkedVariablesPairWithAnEarlierInitIn) {
    EXPECT_EQ(parse("a, int, INIT IN [1, 2, 3], EV = 0"), Codes{});
    EXPECT_EQ(parse("b, int, INIT (a) IN [4, 5, 6], EV = 0"), Codes{});
    EXPECT_EQ(last().init_link, "a");
    EXPECT_EQ(last().linked_index, 0);
    EXPECT_EQ(last().linked_count, 3);
    EXPECT_EQ(parse("c, int, INIT (a) WITH [7, 8, 9], EV = 0"), Codes{});
    EXPECT_TRUE(last().init_with);
    EXPECT_EQ(parse("d, int, INIT = 0, EV (a) IN [1, 2, 3]"), Codes{});
    EXPECT_EQ(last().ev_link, "a");
    script_language_ = script_language_fr;
    EXPECT_EQ(parse("e, int, INIT (a) AVEC [7, 8, 9], VA = 0"), Codes{});

    EXPECT_EQ(parse("f, int, INIT (a) IN [4, 5], EV = 0"), Codes{"E-VARLIENNB"});
    EXPECT_EQ(parse("f, int, INIT (zz) IN [4, 5], EV = 0"), Codes{"E-VARLIEINC"});
    // Only a variable initialised by a list can be linked to.
    EXPECT_EQ(parse("f, int, INIT (d) IN [4, 5, 6], EV = 0"), Codes{"E-VARLIEINC"});
    EXPECT_EQ(parse("f, int, INIT IN [1, 2], EV IN [1, 2, 3]"), Codes{"E-VAINIT_IN"});
    EXPECT_EQ(parse("f, int, INIT IN [1, 2], EV IN [1, 2]"), Codes{});
}

// Types and flags.

TEST_F(VariableStatementTest, TypesFromTheCDeclarations) {
    options_.analysis_enabled = true;
    EXPECT_EQ(parse("n, INIT = 0, EV = 0"), Codes{});
    EXPECT_FALSE(last().explicit_type);
    EXPECT_EQ(last().type_text, "int");
    EXPECT_EQ(last().kind, VariableKind::integer);
    EXPECT_EQ(parse("p, MIN = 0, MAX = 1"), Codes{"E-MINMAXDEL"});
    EXPECT_EQ(parse("unknown_name, INIT = 0, EV = 0"), Codes{"E-NOMVARINC"});
    // An explicit boolean or character over a C integer is an integer;
    // an explicit real over a pointer keeps its kind with a warning.
    parser_.begin_test();
    EXPECT_EQ(parse("n, bool, INIT = 0, EV = 0"), Codes{});
    EXPECT_EQ(last().kind, VariableKind::integer);
    EXPECT_EQ(parse("p, double, INIT = 0, EV = 0"), Codes{"W-TYPENATIF"});
    EXPECT_EQ(last().kind, VariableKind::real);
    parser_.begin_test();
    EXPECT_EQ(parse("p, char *, INIT = NIL, EV = NIL"), Codes{});
}

TEST_F(VariableStatementTest, StructuresAllowOnlyPlainForms) {
    EXPECT_EQ(parse("r, int, INIT = {1, 2}, EV = {1, 2}", true, true), Codes{});
    EXPECT_TRUE(last().whole_array && last().whole_structure && last().structured);
    EXPECT_EQ(parse("r, int, INIT IN [1, 2], EV = 0", true, true), Codes{"E-AUTOSTRUC"});
    EXPECT_EQ(parse("r2, int, INIT = {1, 2}, EV ==", true, true), Codes{});
    EXPECT_EQ(parse("r, int, EV = {1, 2}", true, true), (Codes{"W-INVAOMISE", "W-NOMVARDBL"}));
    options_.analysis_enabled = true;
    EXPECT_EQ(parse("s, INIT = {1, 2}, EV = {1, 2}"), Codes{});
    EXPECT_TRUE(last().structured);
    EXPECT_FALSE(last().whole_structure);
}

TEST_F(VariableStatementTest, ExpandAndCompressDecideTheWholeFlags) {
    EXPECT_EQ(parse("a, int, INIT = 0, EV = 0", true, false), Codes{});
    EXPECT_TRUE(last().whole_array);
    EXPECT_FALSE(last().whole_structure);
    settings_.compress = true;
    EXPECT_EQ(parse("b, int, INIT = 0, EV = 0"), Codes{});
    EXPECT_TRUE(last().whole_array && last().whole_structure);
    settings_.compress = false;
    settings_.expand = true;
    EXPECT_EQ(parse("c, int, INIT = 0, EV = 0", true, true), Codes{});
    EXPECT_FALSE(last().whole_array || last().whole_structure);
}

// Text handling.

TEST(VariableText, TopLevelCommasOnly) {
    EXPECT_EQ(split_top_level("a, f(b, c), [d, e], {g, h}, \"i, j\", 'k', l", true),
              (std::vector<std::string_view>{"a", "f(b, c)", "[d, e]", "{g, h}", "\"i, j\"", "'k'",
                                             "l"}));
    EXPECT_EQ(split_top_level("x'First, y", false),
              (std::vector<std::string_view>{"x'First", "y"}));
    EXPECT_EQ(split_top_level("", true), (std::vector<std::string_view>{""}));
}

TEST(VariableText, UnnamedStructureComponentsAreBlanked) {
    EXPECT_EQ(without_unnamed_structures("s._unamedStruct12.x", "_unamedStruct"), "s.x");
    EXPECT_EQ(without_unnamed_structures("_unamedStruct1.a._unamedStruct2.b", "_unamedStruct"),
              "a.b");
    EXPECT_EQ(without_unnamed_structures("p->_unamedStruct3.y", "_unamedStruct"), "p->y");
    // Without digits and a point it is an ordinary name.
    EXPECT_EQ(without_unnamed_structures("s._unamedStructx.y", "_unamedStruct"),
              "s._unamedStructx.y");
    EXPECT_EQ(without_unnamed_structures("s._unamedStruct4", "_unamedStruct"), "s._unamedStruct4");
}

TEST_F(VariableStatementTest, LongStatementsAndLongLists) {
    std::string list = "[";
    int count = 0;
    while (list.size() < variable_text_limit - 40) {
        if (count > 0) list += ",";
        list += std::to_string(count % 1000);
        ++count;
    }
    list += "]";
    EXPECT_EQ(parse("x, int, INIT IN " + list + ", EV = 0"), Codes{});
    EXPECT_EQ(last().init_count, count);
    EXPECT_GT(count, 4000);
}

// Statements assembled from the grammar's own pieces at random, with and
// without C analysis and in both languages: every one ends in records or
// coded diagnostics, never in a crash (the sanitizers watch the run).
TEST_F(VariableStatementTest, RandomStatementsAreHandled) {
    static const char* const pieces[] = {"x",           ",",
                                         " ",           "INIT",
                                         "EV",          "VA",
                                         "MIN",         "MAX",
                                         "DELTA",       "=",
                                         "==",          "=>",
                                         "IN",          "DANS",
                                         "WITH",        "AVEC",
                                         "FROM",        "DE",
                                         " TO ",        " A ",
                                         " STEP ",      " INCREMENT ",
                                         " NB_TIMES ",  " NB_RANDOM ",
                                         " NB_HASARD ", "+BOUNDS",
                                         "+BORNES",     "(",
                                         ")",           "[",
                                         "]",           "{",
                                         "}",           "\"",
                                         "'",           "%",
                                         "1",           "300",
                                         "-2",          "NONIL",
                                         "int",         "char *",
                                         "others => 0", "_unamedStruct1.",
                                         "p",           "*"};
    unsigned state = 12345;
    auto next = [&] {
        state = state * 1103515245u + 12345u;
        return (state >> 16) & 0x7fff;
    };
    for (int i = 0; i < 3000; ++i) {
        options_.analysis_enabled = (i & 1) != 0;
        script_language_ = (i & 2) != 0 ? script_language_fr : script_language_gb;
        std::string text;
        const int count = 1 + static_cast<int>(next() % 24);
        for (int k = 0; k < count; ++k) {
            text += pieces[next() % (sizeof pieces / sizeof pieces[0])];
        }
        parse(text);
        if (i % 100 == 0) {
            parser_.begin_test();
            list_.clear();
        }
    }
    EXPECT_LE(parser_.dynamic_initialisations(), dynamic_initialisation_limit);
}

}  // namespace
}  // namespace vx
