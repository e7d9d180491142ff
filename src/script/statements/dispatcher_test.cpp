#include "script/statements/dispatcher.h"

#include "script/script_test_support.h"
#include "support/paths.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace vx {
namespace {

using script_testing::Diagnostic;
using script_testing::FrontEndTest;

// Whether DECLARE has declared a variable of that name (path).
bool declared(const ScriptTypes& types, std::string_view name) {
    return std::any_of(types.variables().begin(), types.variables().end(),
                       [&](const ScriptVariable& variable) { return variable.name == name; });
}

class DispatcherTest : public FrontEndTest {
protected:
    // A script with the usual head, so that only the statements under test
    // give messages.
    int run_body(const std::string& body) { return run("HEADER m, 1, , c\nBEGIN\n" + body); }

    std::vector<std::string> codes_of(char severity) {
        std::vector<std::string> result;
        for (const Diagnostic& d : diagnostics()) {
            if (d.severity == severity) {
                result.push_back(d.code);
            }
        }
        return result;
    }

    // Records written while the body was read (after the HEADER records).
    static std::vector<std::string> body_records() {
        std::vector<std::string> all = records();
        auto it = std::find_if(all.begin(), all.end(),
                               [](const std::string& r) { return r.rfind("E0 ", 0) == 0; });
        return it == all.end() ? all : std::vector<std::string>(it + 1, all.end());
    }

    const BlockState& state() { return front_end_->block_state(); }
};

// Keywords, language and arguments.

TEST_F(DispatcherTest, KeywordsAreCaseInsensitiveAndArgumentsChecked) {
    run("HEADER\nBEGIN\nSERVICE s\nTEST t\nELEMENT\nvAr x\nVAR\nEND ELEMENT\nEND TEST\n"
        "END SERVICE\n");
    Diagnostic header = first("STXVALEXP");
    EXPECT_EQ(header.severity, 'W');
    EXPECT_EQ(header.line, 1);
    std::vector<Diagnostic> all = diagnostics();
    auto var = std::find_if(all.begin(), all.end(), [](const Diagnostic& d) {
        return d.code == "STXVALEXP" && d.severity == 'E';
    });
    ASSERT_NE(var, all.end());
    EXPECT_EQ(var->line, 7);
    EXPECT_NE(var->body.find("VAR"), std::string::npos);
    // vAr x was a variable statement of the element.
    EXPECT_FALSE(has("W-STXMETAIN"));
    EXPECT_FALSE(has("W-ELMT_VIDE"));
}

TEST_F(DispatcherTest, UnknownAndUnhandledKeywordsAreReported) {
    run_body("FOO bar\nCOV x\nLIST y\nEXCEPTION e\nINHERITE i\nINCLUDE SEGMENT s\nEND_TEST\n");
    std::vector<std::string> unknown;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "STXMETAIN") {
            unknown.push_back(d.body.substr(d.body.find(": ") + 2));
        }
    }
    EXPECT_EQ(unknown, (std::vector<std::string>{"FOO bar", "COV x", "LIST y", "EXCEPTION e",
                                                 "INHERITE i", "INCLUDE SEGMENT s", "END_TEST"}));
}

TEST_F(DispatcherTest, RegisterIsAcceptedAndIgnored) {
    run_body("SERVICE s\nTEST t\nELEMENT\nregister r, INIT = 1, EV = 1\nEND ELEMENT\n");
    // Nothing of it reached the element, and nothing is said of it.
    EXPECT_TRUE(has("W-ELMT_VIDE"));
    EXPECT_FALSE(has("W-MOTCLEOBS"));
    EXPECT_FALSE(has("W-STXMETAIN"));
}

TEST_F(DispatcherTest, TrailingSemicolonIsReportedExceptInComments) {
    run_body("COMMENT a;\nSERVICE s;\n");
    Diagnostic semicolon = first("LIGNERRON");
    EXPECT_EQ(semicolon.severity, 'W');
    EXPECT_EQ(semicolon.line, 4);
    std::vector<std::string> all = codes();
    EXPECT_EQ(std::count(all.begin(), all.end(), "W-LIGNERRON"), 1);
}

TEST_F(DispatcherTest, FirstFrenchKeywordSwitchesTheScriptToFrench) {
    // ENTETE switches the English script to French; BEGIN, English only,
    // switches it back while no keyword has agreed yet; SERVICE, common to
    // both, agrees and closes the switch: DEBUT is then unknown. Without
    // VEXORLAN the switches are the script's own choice and are not told.
    run("ENTETE m, 1, , c\nBEGIN\nSERVICE s\nDEBUT\n");
    std::vector<Diagnostic> all = diagnostics();
    ASSERT_GE(all.size(), 1u);
    EXPECT_EQ(all[0].code, "STXMETAIN");
    EXPECT_EQ(all[0].line, 4);
    EXPECT_FALSE(has("I-LANSWITCH"));
    EXPECT_EQ(language_.language(), script_language_gb);
}

TEST_F(DispatcherTest, KeywordOfTheOtherLanguageIsRefusedOnceTheScriptAgreed) {
    run("HEADER m, 1, , c\nDEBUT\nBEGIN\n");
    // HEADER agrees with English and closes the switch: DEBUT is unknown.
    Diagnostic refused = first("STXMETAIN");
    EXPECT_EQ(refused.line, 2);
    EXPECT_NE(refused.body.find("DEBUT"), std::string::npos);
    EXPECT_FALSE(has("I-LANSWITCH"));
    EXPECT_TRUE(state().begin_seen);
}

TEST_F(DispatcherTest, FrenchScriptNamesKeywordsInFrench) {
    language_.set_language(script_language_fr);
    run("ENTETE m, 1, , c\nDEBUT\nSERVICE a\nTEST t\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nFIN "
        "ELEMENT\nFIN TEST\n"
        "SERVICE b\n");
    Diagnostic missing = first("MOTCLEABS");
    EXPECT_NE(missing.body.find("FIN SERVICE"), std::string::npos);
    EXPECT_EQ(missing.line, 9);
}

// Script level.

TEST_F(DispatcherTest, HeaderWritesItsRecords) {
    environment_.variables["VX_TEST_MODULE"] = "calc";
    run("HEADER $VX_TEST_MODULE, 1 . 2 ,  third  part , a  \"b  c\" ( d )\nBEGIN\n"
        "HEADER again\n");
    EXPECT_TRUE(has_record("E1 calc"));
    EXPECT_TRUE(has_record("E2 1.2"));
    EXPECT_TRUE(has_record("E10 a\"b  c\"(d)"));
    EXPECT_TRUE(has_record("E0 calc , 1.2 , third part , a\"b  c\"(d)"));
    Diagnostic twice = first("MOTDOUBLE");
    EXPECT_EQ(twice.line, 3);
    EXPECT_NE(twice.body.find("HEADER"), std::string::npos);
}

TEST_F(DispatcherTest, HeaderWithFewFieldsOrUnsetVariable) {
    run("HEADER $VX_TEST_UNSET, 2\nBEGIN\n");
    EXPECT_TRUE(has("W-FORMENTET"));
    Diagnostic unset = first("NOLOGIDEF");
    EXPECT_NE(unset.body.find("VX_TEST_UNSET"), std::string::npos);
    EXPECT_TRUE(has_record("E1 "));
    EXPECT_TRUE(has_record("E2 2"));
    EXPECT_TRUE(has_record("E0  , 2 , "));
}

TEST_F(DispatcherTest, VersionFoundInTheSourceFileWinsOverHeader) {
    write("unit.c", "char v[] = \"VERSION 'V2'\";\n");
    source_ = "unit.c";
    settings_.version_pattern = "VERSION";
    run("HEADER m, V1, , c\nBEGIN\n");
    EXPECT_TRUE(has_record("E2 V2"));
    Diagnostic mismatch = first("MISMNUVER");
    EXPECT_NE(mismatch.body.find("V2 / PTU : V1"), std::string::npos);
}

TEST_F(DispatcherTest, BeginNeedsAHeaderAndComesOnce) {
    run("BEGIN\nBEGIN\n");
    EXPECT_EQ(first("ENTETEERR").severity, 'E');
    EXPECT_EQ(first("MOTDOUBLE").line, 2);
    EXPECT_EQ(std::count(hooks_.calls.begin(), hooks_.calls.end(), "prologue"), 1);
}

TEST_F(DispatcherTest, ServiceBeforeBeginPerformsItImplicitly) {
    run("HEADER m, 1, , c\nSERVICE s\nEND SERVICE\n");
    std::vector<std::string> all = codes();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all.front(), "W-MOTCLEABS");
    EXPECT_NE(first("MOTCLEABS").body.find("BEGIN"), std::string::npos);
    EXPECT_EQ(hooks_.calls.front(), "prologue");
}

// Services.

TEST_F(DispatcherTest, ServiceNamesAreMadeUnique) {
    run_body("SERVICE ABC\nEND SERVICE\nSERVICE abc\nEND SERVICE\nSERVICE ABC\nEND SERVICE\n");
    std::vector<Diagnostic> all = diagnostics();
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const Diagnostic& d) { return d.code == "NOMOPEDBL"; }),
              2);
    EXPECT_EQ(first("NOMOPEDBL").line, 5);
    EXPECT_EQ(state().service_names, (std::vector<std::string>{"ABC", "abc_1", "ABC_2"}));
    EXPECT_TRUE(hooks_.called("service_head SRV1_ABC"));
    EXPECT_TRUE(hooks_.called("service_head SRV2_ABC_1"));
    EXPECT_TRUE(hooks_.called("service_head SRV3_ABC_2"));
    EXPECT_EQ(std::count(hooks_.calls.begin(), hooks_.calls.end(), "stub_services"), 1);
}

TEST_F(DispatcherTest, RepeatedNamesTakeTheFirstFreeNumber) {
    run_body(
        "SERVICE A\nEND SERVICE\nSERVICE A_2\nEND SERVICE\nSERVICE a\nEND SERVICE\n"
        "SERVICE A\nEND SERVICE\nSERVICE A_1\nEND SERVICE\nSERVICE b\nEND SERVICE\n"
        "SERVICE B\nEND SERVICE\n");
    EXPECT_EQ(state().service_names,
              (std::vector<std::string>{"A", "A_2", "a_1", "A_3", "A_1_1", "b", "B_1"}));
}

TEST_F(DispatcherTest, ControlCharactersInBlockNamesAreRefused) {
    run_body(
        "SERVICE a\x01"
        "b\nTEST t\x1b[1m\nFAMILY f\x7f\nELEMENT e\x02\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n");
    std::vector<Diagnostic> all = diagnostics();
    EXPECT_EQ(std::count_if(all.begin(), all.end(),
                            [](const Diagnostic& d) { return d.code == "CARCTLNOM"; }),
              4);
    const Diagnostic refused = first("CARCTLNOM");
    EXPECT_EQ(refused.severity, 'E');
    EXPECT_EQ(refused.line, 3);
    EXPECT_NE(refused.body.find("a?b"), std::string::npos) << refused.body;
    // The blocks go on under the cleaned names.
    EXPECT_EQ(state().service_names, (std::vector<std::string>{"a?b"}));
    EXPECT_EQ(hooks_.calls.back(), "main");
}

TEST_F(DispatcherTest, LongServiceNamesAreCutWithoutDuplicateWarning) {
    run_body(
        "SERVICE abcdefghijklmnopqrst\nEND SERVICE\nSERVICE abcdefghijklmnopqrXY\n"
        "END SERVICE\nSERVICE abcdefghijklmnopq_tail\nEND SERVICE\n"
        "SERVICE abcdefghijklmnop__tail\nEND SERVICE\nSERVICE bad-name x\n");
    EXPECT_EQ(state().service_names,
              (std::vector<std::string>{"abcdefghijklmnopqr", "abcdefghijklmnopqr_1",
                                        "abcdefghijklmnopq", "abcdefghijklmnop_0", "bad-name"}));
    EXPECT_FALSE(has("W-NOMOPEDBL"));
    Diagnostic invalid = first("CHARINVAL");
    EXPECT_EQ(invalid.severity, 'E');
    EXPECT_NE(invalid.body.find("bad-name"), std::string::npos);
    EXPECT_TRUE(has("W-LIGNERRON"));
}

TEST_F(DispatcherTest, TestWithoutServiceOpensTheUnknownService) {
    run_body("TEST t\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nTEST u\n");
    Diagnostic missing = first("MOTCLEABS");
    EXPECT_EQ(missing.severity, 'E');
    EXPECT_EQ(missing.line, 3);
    EXPECT_NE(missing.body.find("SERVICE"), std::string::npos);
    EXPECT_EQ(state().service_names, (std::vector<std::string>{"INCONNUE"}));
    EXPECT_TRUE(hooks_.called("service_head SRV1_INCONNUE"));
    EXPECT_EQ(state().service.test_names, (std::vector<std::string>{"t", "u"}));
}

TEST_F(DispatcherTest, ElementWithoutTestOpensTheUnknownTest) {
    run_body("SERVICE s\nELEMENT\nVAR x, int, INIT = 0, EV = 0\n");
    Diagnostic missing = first("MOTCLEABS");
    EXPECT_EQ(missing.severity, 'E');
    EXPECT_NE(missing.body.find("TEST"), std::string::npos);
    EXPECT_EQ(state().service.test_names, (std::vector<std::string>{"INCONNU"}));
}

TEST_F(DispatcherTest, ServiceWithoutTestAndServiceLeftOpen) {
    run_body(
        "SERVICE empty\nEND SERVICE\nSERVICE open\nTEST t\nELEMENT\nVAR x, int, INIT = 0, EV = "
        "0\n");
    EXPECT_EQ(first("OPER_VIDE").line, 4);
    // The end of the script closes what is still open, each close reported.
    std::vector<std::string> tail(hooks_.calls.end() - 5, hooks_.calls.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"element_code", "element_end", "test_end",
                                              "service_end open", "main"}));
    std::vector<std::string> all = codes();
    std::vector<std::string> last(all.end() - 3, all.end());
    EXPECT_EQ(last, (std::vector<std::string>{"W-MOTCLEABS", "W-MOTCLEABS", "W-MOTCLEABS"}));
    EXPECT_EQ(hooks_.calls.back(), "main");
    EXPECT_TRUE(hooks_.called("service_end open"));
    EXPECT_FALSE(state().service.open);
}

TEST_F(DispatcherTest, EndStatementsOutOfPlace) {
    run_body("END SERVICE\nEND TEST\nSERVICE s\nEND TEST\nEND ELEMENT\nTEST t\nEND ELEMENT\n");
    std::vector<std::string> all = codes();
    std::vector<std::string> expected = {"W-MAL_PLACE", "W-MAL_PLACE", "W-MOTCLEABS", "I-MAL_PLACE",
                                         "W-MAL_PLACE", "W-MOTCLEABS", "I-MAL_PLACE"};
    EXPECT_EQ(std::vector<std::string>(all.begin(), all.begin() + 7), expected);
}

// Records and their lines.

TEST_F(DispatcherTest, LocationRecordsCarryTheFirstLineOfTheStatement) {
    run_body(
        "SERVICE add\n-- comment\n\nTEST t1\nFAMILY nominal\nELEMENT\nVAR x,\n"
        "& INIT = 1\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    std::vector<std::string> body = body_records();
    std::vector<std::string> expected = {"E17 0 3",    "E16 0 6", "O1 add", "T2 t1",
                                         "F3 nominal", "E14 0 8", "B4 1"};
    EXPECT_EQ(body, expected);
    EXPECT_TRUE(hooks_.called("service_declaration 1 add"));
    EXPECT_TRUE(hooks_.called("test_head 2 t1"));
}

TEST_F(DispatcherTest, CommentsWaitForTheHeaderTheyBelongTo) {
    run_body(
        "COMMENT before\nSERVICE s\nCOMMENT of service\nREQUIREMENT r1\nTEST t\n"
        "COMMENT of test\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nCOMMENT "
        "between\n");
    std::vector<std::string> body = body_records();
    std::vector<std::string> expected = {"X1 before",     "E17 0 4", "E16 0 7",   "O2 s",
                                         "C3 of service", "Q4 r1",   "T5 t",      "C6 of test",
                                         "E14 0 9",       "B7 1",    "X8 between"};
    EXPECT_EQ(body, expected);
}

TEST_F(DispatcherTest, IncludedScriptsHaveTheirOwnFileNumberAndLines) {
    write("inc.ptu", "-- included\nTEST t\nFOO\n");
    run_body("SERVICE s\nINCLUDE PTU inc.ptu\nBAR\n");
    std::vector<std::string> body = body_records();
    ASSERT_GE(body.size(), 5u);
    EXPECT_EQ(body[0], "E17 0 3");
    EXPECT_EQ(body[1].substr(0, 1), "I");
    EXPECT_EQ(body[2], "E11 1 " + full_file_name("inc.ptu"));
    // The included script's size and hash: its 23 bytes.
    EXPECT_EQ(body[3].rfind("E23 1 23 ", 0), 0u) << body[3];
    EXPECT_EQ(body[4], "E16 1 2");
    std::vector<Diagnostic> unknown;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "STXMETAIN") {
            unknown.push_back(d);
        }
    }
    ASSERT_EQ(unknown.size(), 2u);
    EXPECT_EQ(unknown[0].file, "inc.ptu");
    EXPECT_EQ(unknown[0].line, 3);
    EXPECT_EQ(unknown[1].file, "t.ptu");
    EXPECT_EQ(unknown[1].line, 5);
}

TEST_F(DispatcherTest, SelfInclusionIsRefusedButRepetitionIsRead) {
    write("self.ptu", "COMMENT in self\nINCLUDE PTU self.ptu\n");
    write("twice.ptu", "COMMENT twice\n");
    run_body("INCLUDE PTU self.ptu\nINCLUDE PTU twice.ptu\nINCLUDE PTU twice.ptu\n");
    Diagnostic refused = first("LIGNTRAIT");
    EXPECT_EQ(refused.file, "self.ptu");
    EXPECT_EQ(refused.line, 2);
    std::vector<std::string> body = body_records();
    EXPECT_EQ(std::count_if(body.begin(), body.end(),
                            [](const std::string& r) {
                                return r[0] == 'X' && r.size() > 6 &&
                                       r.substr(r.size() - 6) == " twice";
                            }),
              2);
    EXPECT_EQ(std::count_if(body.begin(), body.end(),
                            [](const std::string& r) { return r.rfind("E11 ", 0) == 0; }),
              3);
}

// Tests, phases and families.

TEST_F(DispatcherTest, NextTestStartsTheNextPhase) {
    run_body(
        "SERVICE s\nTEST T1 first\nFAMILY nominal\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND "
        "ELEMENT\n"
        "END FAMILY\nNEXT_TEST second\nELEMENT\nVAR y, int, INIT = 0, EV = 0\nEND ELEMENT\nEND "
        "FAMILY\n"
        "NEXT_TEST\nELEMENT\nVAR z, int, INIT = 0, EV = 0\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
        "NEXT_TEST after\nEND SERVICE\n");
    EXPECT_EQ(state().service.test_names,
              (std::vector<std::string>{"T1 first", "T1_PHASE_2 second", "T1_PHASE_3",
                                        "TEST_PHASE_1 after"}));
    // The family of the first phase goes with every phase; END TEST forgets
    // it with the phase name.
    std::vector<std::string> body = body_records();
    EXPECT_EQ(std::count_if(body.begin(), body.end(),
                            [](const std::string& r) {
                                return r[0] == 'F' && r.find(" nominal") != std::string::npos;
                            }),
              3);
    std::vector<Diagnostic> all = diagnostics();
    ASSERT_FALSE(all.empty());
    EXPECT_EQ(all[0].code, "MOTCLEABS");
    EXPECT_EQ(all[0].line, 21);
    EXPECT_NE(all[0].body.find("TEST"), std::string::npos);
}

TEST_F(DispatcherTest, LoopClauseOfTest) {
    run_body(
        "SERVICE s\nTEST t LOOP 3\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\n"
        "TEST u loop\nEND TEST\n");
    EXPECT_TRUE(hooks_.called("test_head 2 t loop 3"));
    EXPECT_TRUE(has_record("R3 3"));
    EXPECT_EQ(first("INDBOUINC").line, 9);
    EXPECT_EQ(state().service.test_names, (std::vector<std::string>{"t", "u"}));
}

TEST_F(DispatcherTest, EmptyTestAndElementAreReported) {
    run_body(
        "SERVICE s\nTEST t\nEND TEST\nTEST t\nFAMILY f\nELEMENT\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n");
    std::vector<std::string> warnings = codes_of('W');
    std::vector<std::string> expected = {"BLOC_ABST", "TEST_VIDE", "NOMTSTDBL", "ELMT_VIDE",
                                         "TEST_VIDE"};
    EXPECT_EQ(warnings, expected);
    // A test without element still gets its header at its end.
    EXPECT_TRUE(hooks_.called("test_head 2 t"));
}

TEST_F(DispatcherTest, FamilyPlacement) {
    run_body(
        "FAMILY outside\nSERVICE s\nTEST t\nFAMILY a, b\nFAMILY c\nELEMENT\nVAR x, int, INIT = 0, "
        "EV = 0\n"
        "END FAMILY\nEND ELEMENT\nEND FAMILY\nEND TEST\n");
    std::vector<Diagnostic> all = diagnostics();
    std::vector<long> misplaced;
    for (const Diagnostic& d : all) {
        if (d.code == "MAL_PLACE") {
            misplaced.push_back(d.line);
        }
    }
    EXPECT_EQ(misplaced, (std::vector<long>{3, 7, 10}));
    EXPECT_TRUE(has_record("F3 a, b"));
}

TEST_F(DispatcherTest, FamilyOfSeparatorsOnlyNamesNoFamily) {
    run_body(
        "SERVICE s\nTEST t\nFAMILY , ,\nELEMENT\nEND ELEMENT\nEND TEST\nTEST u\n"
        "FAMILY a,b\nEND TEST\n");
    std::vector<Diagnostic> empty;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "NOMFAMVID") empty.push_back(d);
    }
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(empty[0].severity, 'W');
    EXPECT_EQ(empty[0].file, "t.ptu");
    EXPECT_EQ(empty[0].line, 5);
    EXPECT_EQ(empty[0].body, "Empty family name , ,");
}

// Selection.

TEST_F(DispatcherTest, SelectionLeavesServicesOutOfTheRecords) {
    settings_.operation_list = {true, {"KEPT"}};
    run_body(
        "SERVICE left\nTEST a\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nEND "
        "SERVICE\n"
        "SERVICE kept\nTEST b\nELEMENT\nVAR y, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nEND "
        "SERVICE\n");
    std::vector<std::string> body = body_records();
    std::vector<std::string> expected = {"E17 0 10", "E16 0 11", "O1 kept",
                                         "T2 b",     "E14 0 12", "B3 1"};
    EXPECT_EQ(body, expected);
    EXPECT_TRUE(session_->output_enabled());
}

TEST_F(DispatcherTest, TestAndFamilySelection) {
    settings_.exclude_test_list = {true, {"SKIPPED"}};
    settings_.family_list = {true, {"NOMINAL"}};
    run_body(
        "SERVICE s\nTEST skipped\nFAMILY nominal\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND "
        "ELEMENT\nEND TEST\n"
        "TEST other\nFAMILY robust\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\n"
        "TEST run\nFAMILY robust, nominal\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND "
        "TEST\n"
        "END SERVICE\n");
    std::vector<std::string> body = body_records();
    EXPECT_EQ(
        std::count_if(body.begin(), body.end(), [](const std::string& r) { return r[0] == 'T'; }),
        1);
    EXPECT_NE(std::find(body.begin(), body.end(), "T2 run"), body.end());
    EXPECT_FALSE(has("I-OPERXVIDE"));
}

TEST_F(DispatcherTest, ServiceWithAllTestsLeftOut) {
    settings_.test_list = {true, {"NONE"}};
    run_body(
        "SERVICE s\nTEST t\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nEND "
        "SERVICE\n");
    EXPECT_EQ(first("OPERXVIDE").severity, 'I');
}

// Conditions.

TEST_F(DispatcherTest, ElseAndEndIfMustMatchAnIf) {
    run_body("IF A\nELSE\nELSE\nENDIF\nENDIF\nIF A\nIF B\nELSE\nENDIF\nELSE\nEND IF\n");
    std::vector<std::string> all = codes();
    EXPECT_EQ(all, (std::vector<std::string>{"E-TROPSINON", "W-TROPFINSI"}));
    EXPECT_EQ(first("TROPSINON").line, 5);
    EXPECT_EQ(first("TROPFINSI").line, 7);
}

TEST_F(DispatcherTest, AnIfLeftOpenWarnsAtTheEndAndTheHarnessIsEnded) {
    run_body("SERVICE s\nTEST t\nEND TEST\nIF NOWHERE\nTEST u\nEND TEST\nEND SERVICE\n");
    // The END SERVICE under the false condition wrote nothing: the harness
    // would be cut short.
    const Diagnostic open_if = first("SINONFERM");
    EXPECT_EQ(open_if.severity, 'E');
    // At the end of the script, after its last line.
    EXPECT_EQ(open_if.line, 9);
    EXPECT_EQ(hooks_.calls.back(), "main");
    EXPECT_TRUE(session_->output_enabled());
}

TEST_F(DispatcherTest, AnIfLeftOpenUnderATrueConditionOnlyWarns) {
    settings_.defined_identifiers = {"ON"};
    run_body("SERVICE s\nTEST t\nEND TEST\nIF ON\nTEST u\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(first("SINONFERM").severity, 'W');
    EXPECT_EQ(hooks_.calls.back(), "main");
}

TEST_F(DispatcherTest, AClosedIfDoesNotWarnAtTheEnd) {
    run_body("IF A\nENDIF\nSERVICE s\nEND SERVICE\n");
    EXPECT_FALSE(has("W-SINONFERM"));
}

TEST_F(DispatcherTest, ConditionsSkipGeneration) {
    settings_.defined_identifiers = {"ON"};
    run_body(
        "IF off, on\nCOMMENT c1\nELSE\nCOMMENT c2\nENDIF\nIF OFF\nCOMMENT c3\n"
        "IF ON\nCOMMENT c4\nELSE\nCOMMENT c5\nENDIF\nELSE\nCOMMENT c6\nENDIF\n");
    std::vector<std::string> body = body_records();
    EXPECT_EQ(body, (std::vector<std::string>{"X1 c1", "X2 c6"}));
    EXPECT_TRUE(session_->output_enabled());
}

TEST_F(DispatcherTest, ConditionsAskThePreprocessorWithAnalysis) {
    options_.analysis_enabled = true;
    native_.has_preprocessor = true;
    native_.macros = {"HOST"};
    settings_.defined_identifiers = {"TARGET"};
    run_body("IF TARGET\nCOMMENT no\nENDIF\nIF HOST\nCOMMENT yes\nENDIF\n");
    EXPECT_EQ(body_records(), (std::vector<std::string>{"X1 yes"}));
}

TEST_F(DispatcherTest, SimulationBlocks) {
    settings_.no_simulation = true;
    run_body(
        "SIMUL\nCOMMENT simulated\nELSE_SIMUL\nCOMMENT real\nELSE_SIMUL\nSIMUL\n"
        "END SIMUL\nEND SIMUL\nELSE_SIMUL\nCOMMENT after\n");
    // The SIMUL and ELSE_SIMUL given twice are left out, and the link
    // records say so.
    EXPECT_EQ(body_records(), (std::vector<std::string>{
                                  "X1 real", "X2 after",
                                  "E24 MOTDOUBLE [t.ptu:7] ELSE_SIMUL keyword used more than once",
                                  "E24 MOTDOUBLE [t.ptu:8] SIMUL keyword used more than once"}));
    EXPECT_EQ(codes(), (std::vector<std::string>{"W-MOTDOUBLE", "W-MOTDOUBLE", "W-MOTCLEABS",
                                                 "W-MOTCLEABS"}));
}

// Definitions.

TEST_F(DispatcherTest, StructuresAndDeclarations) {
    run_body(
        "DEFINE STRUCTURE point\nFIELD x = int\nFIELD y = long  int\nFIELD x = int\n"
        "FIELD z = point3\nFIELD = int\nFIELD w int\nEND DEFINE\n"
        "DEFINE STRUCTURE empty\nEND DEFINE\nDEFINE STRUCTURE\nFIELD q = int\n"
        "DECLARE p = point\nDECLARE *pp = point\nDECLARE n = unknown\nDECLARE k int\n");
    std::vector<std::string> errors = codes_of('E');
    EXPECT_EQ(errors, (std::vector<std::string>{"DUPNOMCHP", "TYPEINCON", "STXERRTYP", "STXERRTYP",
                                                "TYPEINCON", "STXERRTYP"}));
    std::vector<std::string> warnings = codes_of('W');
    EXPECT_EQ(warnings, (std::vector<std::string>{"BLSTRVIDE", "STXMETAIN", "MOTCLEABS"}));
    const ScriptTypes& types = front_end_->dispatcher().types();
    ASSERT_NE(types.find_structure("point"), nullptr);
    EXPECT_EQ(types.find_structure("point")->fields.size(), 2u);
    EXPECT_TRUE(declared(types, "p.x"));
    EXPECT_TRUE(declared(types, "(*pp).y"));
    EXPECT_FALSE(declared(types, "n"));
}

TEST_F(DispatcherTest, StructureDefinedTwiceInOneBlockOrHoldingItselfIsRefused) {
    // Lines 3 and 5 define point at script level, line 7 puts a point in
    // the point; the service may define a point of its own (line 9).
    run_body(
        "DEFINE STRUCTURE point\nEND DEFINE\nDEFINE STRUCTURE point\nFIELD x = int\n"
        "FIELD next = point\nSERVICE s\nDEFINE STRUCTURE point\nFIELD y = int\n"
        "DEFINE STRUCTURE pair\nFIELD a = point\nEND DEFINE\n");
    std::vector<Diagnostic> errors;
    for (const Diagnostic& d : diagnostics()) {
        if (d.severity == 'E') errors.push_back(d);
    }
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0].code, "DUPSTRNAM");
    EXPECT_EQ(errors[0].file, "t.ptu");
    EXPECT_EQ(errors[0].line, 5);
    EXPECT_EQ(errors[0].body, "The structure point already exists");
    EXPECT_EQ(errors[1].code, "STRRECURS");
    EXPECT_EQ(errors[1].line, 7);
    EXPECT_EQ(errors[1].body, "Recursive structure point");
    // The service's structures ended with it; the script's latest point
    // kept its field x and not the one that held a point.
    const ScriptTypes& types = front_end_->dispatcher().types();
    EXPECT_EQ(types.find_structure("pair"), nullptr);
    ASSERT_NE(types.find_structure("point"), nullptr);
    ASSERT_EQ(types.find_structure("point")->fields.size(), 1u);
    EXPECT_EQ(types.find_structure("point")->fields[0].path, "x");
}

TEST_F(DispatcherTest, FormatGivenAgainWithAnotherTextIsReported) {
    options_.analysis_enabled = true;
    run_body(
        "SERVICE s\nFORMAT x = HEXA\nFORMAT x = HEXA\nFORMAT x = DECIMAL\nEND SERVICE\n"
        "SERVICE t\nFORMAT x = BINARY\nEND SERVICE\n");
    std::vector<Diagnostic> redefined;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "FORMREDEF") redefined.push_back(d);
    }
    // The same text again is no change; each service has formats of its own.
    ASSERT_EQ(redefined.size(), 1u);
    EXPECT_EQ(redefined[0].severity, 'W');
    EXPECT_EQ(redefined[0].file, "t.ptu");
    EXPECT_EQ(redefined[0].line, 6);
    EXPECT_EQ(redefined[0].body, "Format of x redefined");
    EXPECT_FALSE(has("W-FMTINCOMP"));
}

TEST_F(DispatcherTest, FormatThatNamesNoDisplayBaseIsReported) {
    options_.analysis_enabled = true;
    run_body(
        "FORMAT a = %x\nFORMAT b = octal\nFORMAT c = x\nFORMAT d = Unsigned\n"
        "FORMAT e = bin\nFORMAT f = D\n");
    std::vector<Diagnostic> refused;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "FMTINCOMP") refused.push_back(d);
    }
    ASSERT_EQ(refused.size(), 2u);
    EXPECT_EQ(refused[0].severity, 'W');
    EXPECT_EQ(refused[0].file, "t.ptu");
    EXPECT_EQ(refused[0].line, 3);
    EXPECT_EQ(refused[0].body, "Incompatible format %x");
    EXPECT_EQ(refused[1].line, 4);
    EXPECT_EQ(refused[1].body, "Incompatible format octal");
    // Still recorded: the variable keeps its default base.
    EXPECT_EQ(front_end_->dispatcher().formats().at("a"), "%x");
}

TEST_F(DispatcherTest, ConstantsBeforeTheFirstService) {
    options_.analysis_enabled = true;
    run_body("CONST N = 10\nCONST M\nCONST = 1\nCONST V =\nSERVICE s\nCONST LATE = 1\n");
    std::vector<std::string> errors = codes_of('E');
    EXPECT_EQ(errors,
              (std::vector<std::string>{"EGALABSEN", "SYNTAXERO", "SYNTAXERO", "FORWCONST"}));
    EXPECT_NE(first("SYNTAXERO").body.find("Constant NAME"), std::string::npos);
    EXPECT_TRUE(has("I-LIGNERRON"));
    std::vector<std::string> lines = generated();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "#define N 10"), lines.end());
    EXPECT_NE(std::find(native_.preprocessed.begin(), native_.preprocessed.end(), "#define N 10"),
              native_.preprocessed.end());
}

TEST_F(DispatcherTest, ConstantsWithoutAnalysisAreScriptValues) {
    run_body(
        "CONST N = 4\nCONST M = N * 2\nCONST S = \"ab\" & \"cd\"\n"
        "CONST L = [1, N + 1, \"x\"]\nCONST E = A + 1\nCONST F = E * 2\n"
        "CONST N = 5\nCONST B = [1, , 2]\nCONST T = [1, 2,]\nCONST C = (1 +\n");
    const ScriptConstants& table = front_end_->dispatcher().constants();
    auto integer = [&](const char* name) {
        const ScriptConstant* constant = table.find(name);
        EXPECT_NE(constant, nullptr) << name;
        return constant == nullptr ? -1 : pint_low64(constant->value.integer);
    };
    EXPECT_EQ(integer("N"), 4);
    EXPECT_EQ(integer("M"), 8);
    ASSERT_NE(table.find("S"), nullptr);
    EXPECT_EQ(table.find("S")->value.kind, TokenKind::string);
    EXPECT_EQ(table.find("S")->value.text, "abcd");
    const ScriptConstant* list = table.find("L");
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(list->list);
    EXPECT_EQ(list->items.size(), 3u);
    EXPECT_EQ(list->value.text, "[1,5,\"x\"]");
    ASSERT_NE(table.find("F"), nullptr);
    EXPECT_EQ(table.find("F")->value.text, "(A+1)*2");
    // A list with a bad item, and a bad value, are not kept.
    EXPECT_EQ(table.find("B"), nullptr);
    EXPECT_EQ(table.find("T"), nullptr);
    EXPECT_EQ(table.find("C"), nullptr);
    EXPECT_NE(table.find("E"), nullptr);
    EXPECT_EQ(codes(),
              (std::vector<std::string>{"E-DUPLCONST", "I-LIGNERRON", "E-STXERRTYP", "E-STXERRTYP",
                                        "I-EXPERRONE", "I-POSIT_ERR", "E-SYNTAXERO"}));
    EXPECT_EQ(first("DUPLCONST").body, "Constant value N already defined");
    EXPECT_EQ(first("LIGNERRON").body, "Error in line: CONST N = 5");
    EXPECT_EQ(first("DUPLCONST").line, 9);
    // Nothing of it reaches the generated text.
    std::vector<std::string> lines = generated();
    EXPECT_EQ(
        std::find_if(lines.begin(), lines.end(),
                     [](const std::string& l) { return l.find("#define") != std::string::npos; }),
        lines.end());
}

TEST_F(DispatcherTest, AListWhoseBracketsDoNotBalanceIsRefusedAtItsLine) {
    run_body("CONST N = 4\nCONST U = [1, (2, 3]\nCONST V = [1, 2)]\n");
    const ScriptConstants& table = front_end_->dispatcher().constants();
    EXPECT_NE(table.find("N"), nullptr);
    EXPECT_EQ(table.find("U"), nullptr);
    EXPECT_EQ(table.find("V"), nullptr);
    std::vector<std::string> all = codes();
    EXPECT_EQ(std::count(all.begin(), all.end(), "E-ERRPARENT"), 2) << testing::PrintToString(all);
    EXPECT_EQ(first("ERRPARENT").line, 4);  // after HEADER and BEGIN
    EXPECT_NE(first("ERRPARENT").body.find("(2, 3"), std::string::npos) << first("ERRPARENT").body;
}

TEST_F(DispatcherTest, ConstantNamesFollowTheCaseOfTheTestedLanguage) {
    settings_.tested_language = 1;  // Pascal
    run_body(
        "CONST n = 4\nCONST m = N * 2\nENVIRONMENT e(p, q + 1, M)\nVAR x, int, INIT = 0, EV = 0\n"
        "END ENVIRONMENT\nENVIRONMENT f(p)\nVAR x, int, INIT = p, EV = 0\nEND ENVIRONMENT\n");
    const ScriptConstants& table = front_end_->dispatcher().constants();
    ASSERT_NE(table.find("M"), nullptr);
    EXPECT_EQ(pint_low64(table.find("M")->value.integer), 8);
    // A parameter is one name: not an expression, not a constant; the
    // environment with such a parameter is not defined.
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-PARAMENVI", "E-PARAMENVI"}));
    const Environments& environments = front_end_->dispatcher().environments();
    EXPECT_EQ(environments.find("e"), nullptr);
    ASSERT_NE(environments.find("F"), nullptr);
    EXPECT_EQ(environments.find("F")->parameters, (std::vector<std::string>{"P"}));
}

TEST_F(DispatcherTest, DeclaredNamesAreVariablePaths) {
    run_body(
        "DEFINE STRUCTURE point\nFIELD x = int\nEND DEFINE\nDECLARE * pp = point\n"
        "DECLARE a b = int\nDECLARE t[2] = int\n");
    const ScriptTypes& types = front_end_->dispatcher().types();
    EXPECT_TRUE(declared(types, "*pp"));
    EXPECT_TRUE(declared(types, "(*pp).x"));
    EXPECT_TRUE(declared(types, "t[2]"));
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-NOMVARINC"}));
    EXPECT_EQ(first("NOMVARINC").body, "Bad variable name a b");
}

TEST_F(DispatcherTest, EnvironmentsAndUses) {
    run_body(
        "ENVIRONMENT env(a, 2b\nEND ENVIRONMENT\nEND ENVIRONMENT\nENVIRONMENT full\n"
        "VAR x, int, INIT = 0, EV = 0\nUSE other\nEND ENVIRONMENT\nSERVICE s\nTEST t\nELEMENT\nUSE "
        "full(1,)\n"
        "USE full(1, 2)\nEND ELEMENT\nEND TEST\nEND SERVICE\n");
    std::vector<std::string> errors = codes_of('E');
    // "2b" is a malformed number for the analysis of the parameter.
    EXPECT_EQ(errors, (std::vector<std::string>{"ERRLEXCAL", "PARAMENVI", "ENVPARAME", "MOTCLEABS",
                                                "UTILISERR", "UTIPARAME", "NBPARADIF"}));
    EXPECT_EQ(first("UTILISERR").body, "Wrong place for USE : other");
    // Neither use was made: the element and its test are empty.
    std::vector<std::string> warnings = codes_of('W');
    EXPECT_EQ(warnings,
              (std::vector<std::string>{"BLENVVIDE", "BLOC_ABST", "ELMT_VIDE", "TEST_VIDE"}));
}

// Environments applied to elements.

class EnvironmentUseTest : public DispatcherTest {
protected:
    // The hook calls that start with one of the prefixes, in order.
    std::vector<std::string> calls_of(std::initializer_list<std::string> prefixes) const {
        std::vector<std::string> result;
        for (const std::string& call : hooks_.calls) {
            for (const std::string& prefix : prefixes) {
                if (call.rfind(prefix, 0) == 0) {
                    result.push_back(call);
                    break;
                }
            }
        }
        return result;
    }
};

TEST_F(EnvironmentUseTest, UseIsCheckedAgainstTheDefinition) {
    run_body(
        "ENVIRONMENT e(P)\nVAR x, int, INIT = P, EV = P\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nUSE e(1, 2)\nUSE e\nUSE nothing(1)\n"
        "USE e(f(1, 2))\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-NBPARADIF", "E-NBPARADIF", "E-ENV_INCON"}));
    EXPECT_EQ(first("NBPARADIF").body, "Number of parameters different from environment e");
    EXPECT_EQ(first("NBPARADIF").line, 10);
    EXPECT_EQ(first("ENV_INCON").body, "Unknown environment nothing");
    // A comma inside brackets belongs to its argument.
    EXPECT_EQ(calls_of({"environment_variable"}),
              (std::vector<std::string>{"environment_variable x init f(1, 2) ev f(1, 2)"}));
}

TEST_F(EnvironmentUseTest, ServiceLevelUseAppliesUntilEndService) {
    run_body(
        "ENVIRONMENT e\nVAR a, int, INIT = 1, EV = 1\nEND ENVIRONMENT\n"
        "SERVICE s1\nUSE e\nTEST t1\nFAMILY f\nELEMENT\nEND ELEMENT\nELEMENT\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nTEST t2\nFAMILY f\nELEMENT\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND "
        "SERVICE\n"
        "SERVICE s2\nTEST t\nFAMILY f\nELEMENT\nVAR b, int, INIT = 0, EV = 0\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n");
    const std::vector<std::string> expected = {
        "service_head SRV1_S1", "environment_variable a init 1 ev 1",
        "element_code",         "environment_variable a init 1 ev 1",
        "element_code",         "environment_variable a init 1 ev 1",
        "element_code",         "service_head SRV2_S2",
        "variable b",           "element_code"};
    EXPECT_EQ(calls_of({"service_head", "environment_variable", "variable", "element_code"}),
              expected);
    // Elements that only have their environment's variables are not empty.
    EXPECT_TRUE(codes().empty());
    EXPECT_TRUE(front_end_->dispatcher().environments().active_uses().empty());
}

TEST_F(EnvironmentUseTest, OuterLevelsApplyFirstThenTheOrderOfTheUses) {
    options_.analysis_enabled = true;
    std::string body;
    for (const char* name : {"S", "V", "T1", "T2", "E"}) {
        body += std::string("ENVIRONMENT ") + name + "\nVAR " + name +
                ", int, INIT = 0, EV = 0\nEND ENVIRONMENT\n";
    }
    body +=
        "ENVIRONMENT U\nSTUB f(1)\nVAR U, int, INIT = 0, EV = 0\nEND ENVIRONMENT\n"
        "USE S\nSERVICE s\nUSE V\nTEST t\nFAMILY f\nUSE T1\nELEMENT\nUSE E\nUSE U\n"
        "VAR own, int, INIT = 0, EV = 0\nEND ELEMENT\nUSE T2\nELEMENT\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nTEST u\nFAMILY f\nELEMENT\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
        "END SERVICE\n";
    run_body(body);
    EXPECT_TRUE(codes().empty());
    // The element's own statements are given as they come; at its end each
    // use gives its variables, then its stub descriptions.
    const std::vector<std::string> expected = {"variable own",
                                               "S",
                                               "V",
                                               "T1",
                                               "E",
                                               "U",
                                               "stub_call f(1)",
                                               "element_code",
                                               "S",
                                               "V",
                                               "T1",
                                               "T2",
                                               "element_code",
                                               "S",
                                               "V",
                                               "element_code"};
    std::vector<std::string> calls =
        calls_of({"environment_variable", "variable", "stub_call", "element_code"});
    for (std::string& call : calls) {
        if (call.rfind("environment_variable ", 0) == 0) {
            call = call.substr(21, call.find(' ', 21) - 21);
        }
    }
    EXPECT_EQ(calls, expected);
}

TEST_F(EnvironmentUseTest, AnInnerUseOfTheSameEnvironmentReplacesTheOuterOne) {
    options_.analysis_enabled = true;
    run_body(
        "ENVIRONMENT tank(T)\nSTUB read(T)\nVAR level, int, INIT = T, EV = T\n"
        "END ENVIRONMENT\nSERVICE s\nTEST t\nFAMILY f\nUSE tank(2)\nELEMENT\nEND ELEMENT\n"
        "ELEMENT\nUSE tank(5)\nEND ELEMENT\nELEMENT\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
        "END SERVICE\n");
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(calls_of({"environment_variable", "stub_call", "element_code"}),
              (std::vector<std::string>{
                  "environment_variable level init 2 ev 2", "stub_call read(2)", "element_code",
                  "environment_variable level init 5 ev 5", "stub_call read(5)", "element_code",
                  "environment_variable level init 2 ev 2", "stub_call read(2)", "element_code"}));
}

TEST_F(EnvironmentUseTest, EnvironmentRecordsCountTowardsTheTestsLimits) {
    std::string body =
        "ENVIRONMENT e\nVAR x, int, INIT IN [1, 2, 3], EV = 0\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nUSE e\n";
    for (int i = 0; i < 9; ++i) body += "ELEMENT\nEND ELEMENT\n";
    body +=
        "END FAMILY\nEND TEST\nTEST u\nFAMILY f\nUSE e\nELEMENT\nEND ELEMENT\nEND FAMILY\n"
        "END TEST\nEND SERVICE\n";
    run_body(body);
    // The ninth dynamic initialisation of test t is refused; test u starts
    // again.
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-NBINITDYN"}));
    EXPECT_EQ(calls_of({"environment_variable"}).size(), 9u);
}

TEST_F(EnvironmentUseTest, FrenchKeywords) {
    language_.set_language(script_language_fr);
    run("ENTETE m, 1, , c\nDEBUT\nENVIRONNEMENT e(N)\nVAR x, int, INIT = N, VA = N + 1\n"
        "FIN ENVIRONNEMENT\nENVIRONNEMENT vide\nFENVIR\nSERVICE s\nUTILISE e(4)\nTEST t\n"
        "FAMILLE f\nELEMENT\nFIN ELEMENT\nFIN FAMILLE\nFIN TEST\nFIN SERVICE\n");
    EXPECT_EQ(codes(), (std::vector<std::string>{"W-BLENVVIDE"}));
    EXPECT_EQ(first("BLENVVIDE").body, "Empty ENVIRONMENT block vide");
    EXPECT_EQ(calls_of({"environment_variable"}),
              (std::vector<std::string>{"environment_variable x init 4 ev 4 + 1"}));
}

TEST_F(EnvironmentUseTest, RefusedDefinitionKeepsItsContents) {
    run_body(
        "ENVIRONMENT e\nVAR a, int, INIT = 1, EV = 1\nEND ENVIRONMENT\n"
        "ENVIRONMENT e\nVAR b, int, INIT = 2, EV = 2\nEND ENVIRONMENT\n"
        "ENVIRONMENT p(3)\nVAR x, int, INIT = 0, EV = 0\nEND ENVIRONMENT\n"
        "ENVIRONMENT g(a) junk\nVAR y, int, INIT = 0, EV = 0\nEND ENVIRONMENT\n"
        "ENVIRONMENT h(a, a)\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nUSE e\nUSE p(1)\nUSE g(1)\n"
        "VAR z, int, INIT = 0, EV = 0\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(codes(),
              (std::vector<std::string>{"E-DUPENVNAM", "E-PARAMENVI", "E-ENVPARAME", "E-ENVPARAME",
                                        "W-BLENVVIDE", "E-ENV_INCON", "E-ENV_INCON"}));
    Diagnostic duplicate = first("DUPENVNAM");
    EXPECT_EQ(duplicate.line, 6);
    EXPECT_EQ(duplicate.body, "The environment e already exists");
    // The statements of refused blocks go nowhere: not to the first
    // definition, not to an element.
    EXPECT_EQ(calls_of({"variable", "environment_variable"}),
              (std::vector<std::string>{"variable z", "environment_variable a init 1 ev 1"}));
}

TEST_F(EnvironmentUseTest, ConditionalTextDefinesAndUsesNothing) {
    native_.has_preprocessor = true;
    options_.analysis_enabled = true;
    native_.macros = {"TARGET_B"};
    run_body(
        "IF TARGET_A\nENVIRONMENT e\nVAR a, int, INIT = 1, EV = 1\nEND ENVIRONMENT\n"
        "ELSE\nENVIRONMENT e\nVAR a, int, INIT = 2, EV = 2\nEND ENVIRONMENT\nEND IF\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nUSE e\nIF TARGET_A\nUSE e\nUSE unknown\n"
        "END IF\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_FALSE(has("E-DUPENVNAM"));
    EXPECT_FALSE(has("E-ENV_INCON"));
    EXPECT_EQ(calls_of({"environment_variable"}),
              (std::vector<std::string>{"environment_variable a init 2 ev 2"}));
}

TEST_F(EnvironmentUseTest, NamesAndArgumentsFollowTheCaseRule) {
    settings_.tested_language = 1;  // Pascal: names ignore case
    run_body(
        "ENVIRONMENT Env(p)\nVAR x, int, INIT = p, EV = 0\nEND ENVIRONMENT\n"
        "ENVIRONMENT ENV\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nUSE env(Some + 'Text')\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(first("DUPENVNAM").line, 6);
    EXPECT_EQ(calls_of({"environment_variable"}),
              (std::vector<std::string>{"environment_variable x init SOME + 'Text' ev 0"}));
}

TEST_F(EnvironmentUseTest, EnvironmentStatementsAreNotTheTestsOwn) {
    // The same variable in two environments and in the element that uses
    // one of them is not a variable given twice in the test.
    run_body(
        "ENVIRONMENT a\nVAR x, int, INIT = 1, EV = 1\nEND ENVIRONMENT\n"
        "ENVIRONMENT b\nVAR x, int, INIT = 2, EV = 2\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nENVIRONMENT c\n"
        "VAR x, int, INIT = 3, EV = 3\nEND ENVIRONMENT\nUSE c\n"
        "VAR x, int, INIT = 4, EV = 4\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_TRUE(codes().empty());
    EXPECT_EQ(calls_of({"variable", "environment_variable"}),
              (std::vector<std::string>{"variable x", "environment_variable x init 3 ev 3"}));
}

TEST_F(DispatcherTest, ImplicitElementForVariablesAndSequenceMode) {
    run_body(
        "SERVICE s\nTEST t\nFAMILY f\nVAR x, int, INIT = 0, EV = 0\nVAR y, int, INIT = 0, EV = "
        "0\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
        "TEST u\nFAMILY f\nSEQUENCE\nVAR a, int, INIT = 0, EV = 0\nVAR b, int, INIT = 0, EV = "
        "0\nEND SEQUENCE\nEND FAMILY\nEND TEST\n"
        "END SERVICE\n");
    // Only the first VAR misses its ELEMENT; in sequence mode each variable
    // statement is an element of its own.
    EXPECT_EQ(codes(), (std::vector<std::string>{"W-MOTCLEABS"}));
    EXPECT_EQ(first("MOTCLEABS").line, 6);
    std::vector<std::string> body = body_records();
    EXPECT_EQ(std::count_if(body.begin(), body.end(),
                            [](const std::string& r) { return r.rfind("E14 ", 0) == 0; }),
              3);
}

TEST_F(DispatcherTest, VariableStatementsFillTheElementAndEnvironmentLists) {
    run_body(
        "ENVIRONMENT env\nVAR e, int, INIT = 1, EV = 1\nEND ENVIRONMENT\n"
        "SERVICE s\nTEST t\nFAMILY f\nELEMENT\nVAR x, int, INIT = 0, EV = 0\n"
        "ARRAY a, int, INIT = 0, EV = 0\nVAR bad, int, INIT = 0\n"
        "STR r, int, INIT = {1}, EV = {1}\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-VAMIMAABS"}));
    const Dispatcher& d = front_end_->dispatcher();
    const std::vector<VariableClause>& element = d.element_variables();
    ASSERT_EQ(element.size(), 3u);
    EXPECT_EQ(element[0].variable, "x");
    EXPECT_FALSE(element[0].whole_array || element[0].whole_structure);
    EXPECT_TRUE(element[1].whole_array && !element[1].whole_structure);
    EXPECT_TRUE(element[2].whole_array && element[2].whole_structure);
    const std::vector<VariableClause>* env = d.environment_variables("env");
    ASSERT_NE(env, nullptr);
    ASSERT_EQ(env->size(), 1u);
    EXPECT_EQ((*env)[0].init_value, "1");
}

TEST_F(DispatcherTest, AnalysisOnlyStatementsNeedAnalysis) {
    run_body("DEFINE STUB f\nSTUB f(1)\nFORMAT x = %d\n");
    std::vector<std::string> warnings = codes_of('W');
    EXPECT_EQ(warnings, (std::vector<std::string>{"MOTCLEANA", "MOTCLEANA", "MOTCLEANA"}));
}

TEST_F(DispatcherTest, StubDefinitionsCollectNativeText) {
    options_.analysis_enabled = true;
    run_body(
        "DEFINE STUB stubs 2\n#int f(int a)\n#{ return a; }\nEND DEFINE\nSERVICE s\n"
        "FORMAT = %d\nFORMAT x = \nEND SERVICE\n");
    EXPECT_TRUE(hooks_.called("stub stubs 2 3:int f(int a)\n{ return a; } "));
    EXPECT_EQ(codes_of('W'), (std::vector<std::string>{"NOMVARINC", "STXERRTYP", "OPER_VIDE"}));
}

// A stub block inside a service would put C functions inside the
// service's function: it is refused at its line, and its text is dropped
// rather than left as code of the service.
TEST_F(DispatcherTest, AStubBlockInsideAServiceIsRefused) {
    options_.analysis_enabled = true;
    run_body(
        "SERVICE s\nDEFINE STUB stubs\n#int f(int a)\n#{ return a; }\nEND DEFINE\n"
        "END SERVICE\nDEFINE STUB after\n#int g(void);\nEND DEFINE\n");
    EXPECT_EQ(codes_of('E'), (std::vector<std::string>{"MUETSERVI"}));
    auto stub_named = [&](const std::string& name) {
        return std::count_if(hooks_.calls.begin(), hooks_.calls.end(), [&](const std::string& c) {
            return c.rfind("stub " + name + " ", 0) == 0;
        });
    };
    EXPECT_EQ(stub_named("stubs"), 0);
    EXPECT_EQ(stub_named("after"), 1);
}

TEST_F(DispatcherTest, StubCallsOpenAnElementOutsideEnvironments) {
    options_.analysis_enabled = true;
    run_body(
        "ENVIRONMENT e\nSTUB f(1)\nEND ENVIRONMENT\nSERVICE s\nTEST t\nFAMILY x\n"
        "STUB g(2)\nSTUB (3)\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n");
    // The environment keeps its stub description until an element uses it.
    EXPECT_FALSE(hooks_.called("stub_call f(1)"));
    ASSERT_NE(front_end_->dispatcher().environments().find("e"), nullptr);
    EXPECT_EQ(front_end_->dispatcher().environments().find("e")->stub_calls,
              (std::vector<std::string>{"f(1)"}));
    EXPECT_TRUE(hooks_.called("stub_call g(2)"));
    EXPECT_EQ(codes(), (std::vector<std::string>{"W-MOTCLEABS", "W-STXMETAIN", "W-TEST_VIDE"}));
    EXPECT_EQ(first("MOTCLEABS").line, 9);
}

TEST_F(DispatcherTest, NativeTextIsAnalysedOutsideTestsOnly) {
    options_.analysis_enabled = true;
    run_body(
        "#int global;\nSERVICE s\n#int in_service;\nTEST t\n#int local;\nELEMENT\nVAR x, int, INIT "
        "= 0, EV = 0\nEND ELEMENT\n"
        "END TEST\nEND SERVICE\n#int after;\nCOMMENT c\n");
    // BEGIN hands over the harness objects first.
    ASSERT_EQ(native_.analysed.size(), 4u);
    EXPECT_EQ(native_.analysed[0].rfind("extern ZQZQ_LOOPVAR_T _vx_J1,", 0), 0u);
    EXPECT_EQ(native_.analysed[1], "int global; ");
    EXPECT_EQ(native_.analysed[2], "int in_service; ");
    EXPECT_EQ(native_.analysed[3], "int after; ");
    // Native text of a service belongs to its scope.
    EXPECT_EQ(native_.scopes, (std::vector<std::string>{"", "", "s", ""}));
    // The preprocessor starts at the line before the first native line
    // ("#int global;" is line 3).
    ASSERT_FALSE(native_.preprocessed_lines.empty());
    EXPECT_EQ(native_.preprocessed_lines.front(), 2);
}

TEST_F(DispatcherTest, InitializationAndTerminationRouteNativeLines) {
    run_body(
        "INITIALIZATION\n#setup();\nEND INITIALIZATION\nTERMINATION\n#teardown();\n"
        "INITIALIZATION\n#again();\nEND INITIALIZATION\n#global;\n");
    std::vector<std::string> lines = generated();
    // Each native line is placed at its script line ("#line 7" for
    // "#again();"); the routing is about the lines themselves.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "#line 7 \"t.ptu\""), lines.end());
    std::erase_if(lines, [](const std::string& line) { return line.starts_with("#line "); });
    ASSERT_GE(lines.size(), 4u);
    // Outside the blocks the line lands in place; the blocks' lines reach
    // the text of main.
    EXPECT_NE(std::find(lines.begin(), lines.end(), "global;"), lines.end());
    std::vector<std::string> tail(lines.end() - 3, lines.end());
    EXPECT_EQ(tail, (std::vector<std::string>{"setup();", "again();", "teardown();"}));
    EXPECT_EQ(codes_of('W'), (std::vector<std::string>{"MOTCLEABS"}));
}

TEST_F(DispatcherTest, ServiceTypePlacement) {
    run_body(
        "SERVICE_TYPE global\nSERVICE_TYPE again\nSERVICE s\nSERVICE_TYPE local\n"
        "TEST t\nELEMENT\nVAR x, int, INIT = 0, EV = 0\nEND ELEMENT\nEND TEST\nSERVICE_TYPE "
        "twice\nEND SERVICE\n"
        "SERVICE_TYPE late\n");
    EXPECT_TRUE(has_record("E3 global"));
    EXPECT_TRUE(has_record("S2 local"));
    std::vector<long> misplaced;
    for (const Diagnostic& d : diagnostics()) {
        if (d.code == "MAL_PLACE") {
            misplaced.push_back(d.line);
        }
    }
    EXPECT_EQ(misplaced, (std::vector<long>{4, 12, 14}));
}

TEST_F(DispatcherTest, SubSystemAndDatabaseStatements) {
    run_body("SYSTEM s\nACCESS a\nTABLE t\n");
    EXPECT_EQ(codes(), (std::vector<std::string>{"W-STXMETAIN", "E-OPSGBDIMP", "E-OPSGBDIMP"}));
}

TEST_F(DispatcherTest, SubSystemModeStatements) {
    settings_.sub_system = true;
    settings_.sql_mode = true;
    run_body(
        "SEGMENT a\nSYSTEM s\nSYSTEM s\nSEGMENT a\n#hidden;\nEND SEGMENT\nEND SEGMENT\n"
        "FAR\nEND FAR\nEND NEAR\nACCESS a\n");
    EXPECT_EQ(codes(), (std::vector<std::string>{"E-MOTCLEABS", "W-MOTDOUBLE", "W-STXMETAIN",
                                                 "W-MAL_PLACE"}));
    std::vector<std::string> lines = generated();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "hidden;"), lines.end());
}

TEST_F(DispatcherTest, IncludeCodeCopiesTheFile) {
    write("code.c", "int helper(void) { return 1; }\r\n");
    run_body("INCLUDE CODE code.c\nINCLUDE CODE missing.c\n");
    std::vector<std::string> lines = generated();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "int helper(void) { return 1; }"), lines.end());
    Diagnostic missing = first("FICINCINC");
    EXPECT_EQ(missing.line, 4);
    std::vector<std::string> body = body_records();
    EXPECT_EQ(
        std::count_if(body.begin(), body.end(), [](const std::string& r) { return r[0] == 'I'; }),
        2);
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

using script_testing::Diagnostic;

class IncludeGuardTest : public script_testing::FrontEndTest {};

TEST_F(IncludeGuardTest, OutputsDirectoriesAndDevicesAreNotIncluded) {
    std::filesystem::create_directories("dir.ptu");
    run("HEADER m, 1, , c\nBEGIN\nINCLUDE PTU t.c\nINCLUDE CODE t.tdc\nINCLUDE PTU dir.ptu\n"
        "INCLUDE CODE /dev/null\n");
    std::vector<std::string> all = codes();
    // A directory or a device is refused for what it is.
    EXPECT_EQ(all, (std::vector<std::string>{"E-LIGNTRAIT", "E-LIGNTRAIT", "E-FICNONREG",
                                             "E-FICNONREG"}));
    EXPECT_EQ(first("LIGNTRAIT").line, 3);
}

TEST_F(IncludeGuardTest, DataFileIsIncludedAtBegin) {
    write("data.ptu", "COMMENT from data\n");
    options_.data_file = "data.ptu";
    run("HEADER m, 1, , c\nBEGIN\nCOMMENT after\n");
    std::vector<std::string> all = records();
    auto data = std::find_if(all.begin(), all.end(), [](const std::string& r) {
        return r.find(" from data") != std::string::npos;
    });
    auto after = std::find_if(all.begin(), all.end(), [](const std::string& r) {
        return r.find(" after") != std::string::npos;
    });
    ASSERT_NE(data, all.end());
    ASSERT_NE(after, all.end());
    EXPECT_LT(data, after);
}

TEST_F(IncludeGuardTest, MissingDataFileInLearnModeIsFatal) {
    options_.data_file = "absent.ptu";
    options_.learn_mode = true;
    EXPECT_EQ(run("HEADER m, 1, , c\nBEGIN\n"), exit_fatal);
    EXPECT_TRUE(has("F-IMPOUVFIC"));
}

TEST_F(IncludeGuardTest, NativeLinesOfAnElementBecomeCommentsAtTraceLevelThree) {
    settings_.trace_levels = {3};
    run("HEADER m, 1, , c\nBEGIN\nSERVICE s\nTEST t\nELEMENT\n#f();\nVAR x, int, INIT = 0, EV = "
        "0\nEND ELEMENT\n"
        "END TEST\nEND SERVICE\n");
    std::vector<std::string> all = records();
    EXPECT_NE(std::find(all.begin(), all.end(), "C4 #f();"), all.end());
    std::vector<std::string> lines = generated();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "f();"), lines.end());
}

}  // namespace
}  // namespace vx
