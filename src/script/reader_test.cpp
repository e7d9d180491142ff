#include "script/reader.h"

#include "script/script_test_support.h"
#include "support/paths.h"
#include "support/text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace vx {
namespace {

using script_testing::Diagnostic;
using script_testing::FrontEndTest;

// A dispatcher stand-in that records each statement with the location the
// reader gives it, and performs INCLUDE PTU.
class RecordingClient : public ReaderClient {
public:
    struct Dispatched {
        std::string text;
        std::string file;
        long counter = 0;
        long start_line = 0;
    };

    RecordingClient(ScriptReader& reader, Reporter& reporter)
        : reader_(reader), reporter_(reporter) {}

    void dispatch_statement(std::string_view text) override {
        statements.push_back({std::string(text), reporter_.report_file(), reporter_.report_line(),
                              reader_.statement_line()});
        if (is_include_script_statement(text)) {
            std::string word;
            std::string rest;
            split_word(text, word, rest);
            std::string name;
            split_word(rest, word, name);
            reader_.push_script(name);
        }
    }
    NativeDestination native_destination() const override { return destination; }
    void native_code_line() override { ++native_code_lines; }
    bool element_open() const override { return element; }
    void native_comment(std::string_view line) override { comments.emplace_back(line); }

    std::vector<Dispatched> statements;
    std::vector<std::string> comments;
    int native_code_lines = 0;
    NativeDestination destination = NativeDestination::generated;
    bool element = false;

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (const Dispatched& d : statements) {
            result.push_back(d.text);
        }
        return result;
    }

private:
    ScriptReader& reader_;
    Reporter& reporter_;
};

class ReaderTest : public FrontEndTest {
protected:
    // Reads a script with the recording client; the status of a fatal end,
    // or -1.
    int read(const std::string& text, const std::string& name = "t.ptu") {
        write(name, text);
        session_ = std::make_unique<OutputSession>(settings(name), reporter(), files());
        reader_ = std::make_unique<ScriptReader>(reporter(), options_, *session_, native_);
        client_ = std::make_unique<RecordingClient>(*reader_, reporter());
        client_->destination = destination_;
        client_->element = element_;
        reader_->set_client(*client_);
        return run_steps([&] {
            reader_->open_main_script(name);
            session_->start_outputs();
            reader_->read_script_statements();
        });
    }

    std::vector<std::string> statements() const { return client_->texts(); }

    void TearDown() override {
        client_.reset();
        reader_.reset();
        FrontEndTest::TearDown();
    }

    std::unique_ptr<ScriptReader> reader_;
    std::unique_ptr<RecordingClient> client_;
    NativeDestination destination_ = NativeDestination::generated;
    bool element_ = false;
};

// Lines and comments.

TEST(ReadPhysicalLine, StripsLineEndsAndNeverCutsLongLines) {
    std::FILE* stream = std::tmpfile();
    ASSERT_NE(stream, nullptr);
    std::string exact(max_line_length, 'a');
    std::string longer(max_line_length + 5, 'b');
    std::string text = "one\r\n" + exact + "\n" + longer + "\ntwo\r\r\nlast";
    std::fwrite(text.data(), 1, text.size(), stream);
    std::rewind(stream);

    testkit::FreshReporter fresh;
    std::string line;
    std::vector<std::string> lines;
    std::vector<bool> too_long;
    bool flag = false;
    while (read_physical_line(fresh.get(), stream, line, &flag)) {
        lines.push_back(line);
        too_long.push_back(flag);
    }
    std::fclose(stream);

    // A line of exactly the limit is a line; a longer one comes whole and
    // is marked, for the reader to refuse: never in pieces.
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "one");
    EXPECT_EQ(lines[1], exact);
    EXPECT_FALSE(too_long[1]);
    EXPECT_EQ(lines[2], longer);
    EXPECT_TRUE(too_long[2]);
    EXPECT_EQ(lines[3], "two");
    EXPECT_EQ(lines[4], "last");
    EXPECT_FALSE(too_long[4]);
}

TEST(SplitComment, CutsOutsideLiteralsOnly) {
    EXPECT_EQ(split_comment("VAR x, INIT = 0 -- note", "--", 3).code, "VAR x, INIT = 0 ");
    EXPECT_EQ(split_comment("VAR x, INIT = 0 -- note", "--", 3).comment, " note");
    EXPECT_EQ(split_comment("VAR s, INIT = \"a--b\" -- c", "--", 3).code,
              "VAR s, INIT = \"a--b\" ");
    EXPECT_EQ(split_comment("VAR s, INIT = \"a\\\"--\" -- c", "--", 3).code,
              "VAR s, INIT = \"a\\\"--\" ");
    // C: a single quote opens a character literal.
    EXPECT_EQ(split_comment("x = '-' -- c", "--", 3).code, "x = '-' ");
    EXPECT_EQ(split_comment("x = '--'", "--", 3).code, "x = '--'");
    // Ada: 'x' is a literal, any other quote an attribute mark.
    EXPECT_EQ(split_comment("a'Last -- c", "--", 0).code, "a'Last ");
    EXPECT_EQ(split_comment("c = '-' -- c", "--", 0).code, "c = '-' ");
    // An unclosed string runs to the end of the line.
    EXPECT_EQ(split_comment("x = \"-- open", "--", 3).comment, "");
}

TEST(SplitComment, WithoutAMarkerEverythingIsCode) {
    const CommentSplit parts = split_comment("x = 1 -- c", "", 3);
    EXPECT_EQ(parts.code, "x = 1 -- c");
    EXPECT_EQ(parts.comment, "");
}

// Statement assembly.

TEST_F(ReaderTest, ContinuationAndCommentLinesMakeOneStatement) {
    EXPECT_EQ(read("VAR x,\n-- the initial value\n& INIT = 0\nEND\n"), -1);
    EXPECT_EQ(statements(), (std::vector<std::string>{"VAR x, INIT = 0", "END"}));
}

TEST_F(ReaderTest, BlankNativeAndKeywordLinesEndAStatement) {
    EXPECT_EQ(read("VAR a\n\n& x\nVAR b\n#int c;\n& y\nVAR c\nVAR d -- cut\n"), -1);
    // A "&" line after the end of a statement continues nothing: it is read
    // as a statement of its own.
    EXPECT_EQ(statements(),
              (std::vector<std::string>{"VAR a", "& x", "VAR b", "& y", "VAR c", "VAR d"}));
}

TEST_F(ReaderTest, StatementAtTheLengthLimitIsAcceptedOneMoreIsFatal) {
    // "VAR " + a + " " + b: the joined statement has exactly 20479
    // characters.
    const std::string first = "VAR " + std::string(10000, 'a');
    const std::string part(max_line_length - first.size() - 1, 'b');
    EXPECT_EQ(read(first + "\n& " + part + "\n"), -1);
    ASSERT_EQ(statements().size(), 1u);
    EXPECT_EQ(statements()[0].size(), max_line_length);
    EXPECT_EQ(statements()[0], first + " " + part);
}

TEST_F(ReaderTest, StatementOneCharacterOverTheLimitEndsTheRun) {
    const std::string first = "VAR " + std::string(10000, 'a');
    const std::string part(max_line_length - first.size(), 'b');
    EXPECT_EQ(read(first + "\n& " + part + "\n"), exit_fatal);
    EXPECT_TRUE(statements().empty());
    EXPECT_TRUE(has("F-LINETOLON"));
}

TEST_F(ReaderTest, PhysicalLineOverTheLimitEndsTheRunWhereverItIs) {
    // A value padded across the limit, and a comment whose tail would read
    // as a statement: neither may be cut in two.
    const std::string padded =
        "VAR x, INIT = 0, EV = 123" + std::string(max_line_length, ' ') + "45\n";
    EXPECT_EQ(read(padded), exit_fatal);
    EXPECT_TRUE(statements().empty());
    EXPECT_TRUE(has("F-LINETOLON"));

    const std::string comment = "-- " + std::string(max_line_length, '-') + "END\n";
    EXPECT_EQ(read("VAR a\n" + comment), exit_fatal);
    EXPECT_TRUE(has("F-LINETOLON"));
}

TEST_F(ReaderTest, ScriptOfCommentsOnlyHasNoKeyword) {
    EXPECT_EQ(read("-- a comment\n\n   -- another\n"), exit_fatal);
    EXPECT_TRUE(has("F-AUCUNMETA"));
}

TEST_F(ReaderTest, EveryLineIsEchoedOnceToTheDetailsFile) {
    read("VAR x,\n-- note\n& INIT = 0\n\n#int y;\nEND\n");
    std::string echo = "\n" + details();
    for (const char* line : {"VAR x,", "-- note", "& INIT = 0", "#int y;", "END"}) {
        std::string needle = std::string("\n") + line + "\n";
        std::size_t at = echo.find(needle);
        EXPECT_NE(at, std::string::npos) << line;
        EXPECT_EQ(echo.find(needle, at + 1), std::string::npos) << line;
    }
}

TEST_F(ReaderTest, StatementsSeeTheLineOfTheLookAhead) {
    // Counted from -1, the look-ahead line stands at the number an editor
    // gives the statement's (last) line; the end of the file counts too.
    read("-- header\nVAR a\nVAR b,\n& c\n\nVAR d");
    ASSERT_EQ(client_->statements.size(), 3u);
    EXPECT_EQ(client_->statements[0].counter, 2);
    EXPECT_EQ(client_->statements[0].start_line, 2);
    EXPECT_EQ(client_->statements[1].counter, 4);
    EXPECT_EQ(client_->statements[1].start_line, 3);
    EXPECT_EQ(client_->statements[2].counter, 6);
    EXPECT_EQ(client_->statements[2].start_line, 6);
    EXPECT_EQ(client_->statements[2].file, "t.ptu");
}

// Native lines.

TEST_F(ReaderTest, NativeMarkersChooseWritingAndAnalysis) {
    options_.analysis_enabled = true;
    read("#int written_and_analysed;\n@int written_only;\n!int analysed_only;\nEND\n");
    std::vector<std::string> lines = generated();
    EXPECT_NE(std::find(lines.begin(), lines.end(), "int written_and_analysed;"), lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(), "int written_only;"), lines.end());
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "int analysed_only;"), lines.end());
    // The collected text keeps the script's line layout.
    EXPECT_EQ(reader_->pending_c_text().text, "int written_and_analysed;\n\nint analysed_only;");
    EXPECT_EQ(reader_->pending_c_text().first_line, 0);
}

TEST_F(ReaderTest, NativeTextIsNotCollectedWithoutAnalysis) {
    read("#int x;\nEND\n");
    EXPECT_TRUE(reader_->pending_c_text().empty());
}

TEST_F(ReaderTest, CollectedTextStartingWithTwoHyphensGetsABlank) {
    options_.analysis_enabled = true;
    read("#--x;\nEND\n");
    EXPECT_EQ(reader_->pending_c_text().text, " --x;");
}

TEST_F(ReaderTest, NativeLinesOfInitializationGoToTheMainPrologue) {
    destination_ = NativeDestination::main_prologue;
    read("#init_hardware();\nEND\n");
    // The prologue text reaches the file only where main is written (here,
    // the flush at the end of the test run), after everything else.
    std::vector<std::string> lines = generated();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), "init_hardware();");
}

TEST_F(ReaderTest, NativeLinesOfSegmentsAreNotWritten) {
    destination_ = NativeDestination::none;
    read("#int hidden;\nEND\n");
    std::vector<std::string> lines = generated();
    EXPECT_EQ(std::find(lines.begin(), lines.end(), "int hidden;"), lines.end());
}

TEST_F(ReaderTest, BlankLinesAreCopiedAndTraceLevelsCopyLines) {
    settings_.trace_levels = {2, 3};
    element_ = true;
    read("VAR x -- */ trap\n& y\n\n#z = 1;\nEND\n");
    std::vector<std::string> lines = generated();
    // The native line is placed at its script line, the harness's own
    // text after it back at its line of the generated file.
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[5].rfind("#line 16 \"/", 0), 0u) << lines[5];
    EXPECT_TRUE(lines[5].ends_with("/t.c\"")) << lines[5];
    lines.erase(lines.begin() + 5);
    std::vector<std::string> expected = {"/* VAR x -- * / trap */", "/* & y */", "",
                                         "#line 4 \"t.ptu\"",       "z = 1;",    "/* END */"};
    EXPECT_EQ(lines, expected);
    EXPECT_EQ(client_->comments, (std::vector<std::string>{"#z = 1;"}));
}

// Included scripts.

TEST_F(ReaderTest, IncludedScriptIsReadInPlaceOfItsStatement) {
    write("inc.ptu", "VAR i1\nVAR i2\n");
    read("VAR a\nINCLUDE PTU inc.ptu\nVAR b\n");
    EXPECT_EQ(statements(), (std::vector<std::string>{"VAR a", "INCLUDE PTU inc.ptu", "VAR i1",
                                                      "VAR i2", "VAR b"}));
    ASSERT_EQ(client_->statements.size(), 5u);
    EXPECT_EQ(client_->statements[2].file, "inc.ptu");
    EXPECT_EQ(client_->statements[2].counter, 1);
    EXPECT_EQ(client_->statements[3].counter, 2);
    EXPECT_EQ(client_->statements[4].file, "t.ptu");
    EXPECT_EQ(client_->statements[4].counter, 3);
    EXPECT_TRUE(has_record("E11 1 " + full_file_name("inc.ptu")));
}

TEST_F(ReaderTest, StatementOpenAtTheEndOfAnIncludedScriptEndsThere) {
    // A statement open at the end of an included script ends with it and
    // keeps its own file and line.
    write("inc.ptu", "VAR i,\n& INIT = 1");
    read("INCLUDE PTU inc.ptu\nVAR b\n");
    EXPECT_EQ(statements(),
              (std::vector<std::string>{"INCLUDE PTU inc.ptu", "VAR i, INIT = 1", "VAR b"}));
    ASSERT_EQ(client_->statements.size(), 3u);
    EXPECT_EQ(client_->statements[1].file, "inc.ptu");
    EXPECT_EQ(client_->statements[1].counter, 2);
    EXPECT_EQ(client_->statements[1].start_line, 1);
    EXPECT_EQ(client_->statements[2].file, "t.ptu");
}

TEST_F(ReaderTest, IncludeAsLastStatementIsRead) {
    write("inc.ptu", "VAR i\n");
    read("VAR a\nINCLUDE PTU inc.ptu");
    EXPECT_EQ(statements(), (std::vector<std::string>{"VAR a", "INCLUDE PTU inc.ptu", "VAR i"}));
}

TEST_F(ReaderTest, MissingIncludeKeepsTheFollowingLine) {
    read("INCLUDE PTU nowhere.ptu\nVAR b\n");
    EXPECT_EQ(statements(), (std::vector<std::string>{"INCLUDE PTU nowhere.ptu", "VAR b"}));
    Diagnostic missing = first("FICINCINC");
    EXPECT_EQ(missing.severity, 'E');
    EXPECT_EQ(missing.file, "t.ptu");
    EXPECT_EQ(missing.line, 1);
    EXPECT_NE(missing.body.find("nowhere.ptu"), std::string::npos);
}

TEST_F(ReaderTest, ListingRecordOfAnIncludeIsPadded) {
    write("inc.ptu", "VAR i\n");
    read("INCLUDE PTU inc.ptu\nINCLUDE PTU nowhere.ptu\n");
    std::string found = "inc.ptu" + std::string(18, ' ') + " / " + full_file_name("inc.ptu");
    // The path column is padded, never cut: a long working directory runs past it.
    found.resize(std::max<std::size_t>(found.size(), 85), ' ');
    found += " / t.ptu";
    std::string missing = "nowhere.ptu" + std::string(14, ' ') + " / " + std::string(34, '-');
    missing.resize(85, ' ');
    missing += " / t.ptu";
    std::vector<std::string> all = records();
    auto numbered = [&](const std::string& text) {
        return std::any_of(all.begin(), all.end(), [&](const std::string& r) {
            return r.size() > 1 && r[0] == 'I' && r.find(' ') != std::string::npos &&
                   r.substr(r.find(' ') + 1) == text;
        });
    };
    EXPECT_TRUE(numbered(found));
    EXPECT_TRUE(numbered(missing));
}

TEST_F(ReaderTest, IncludeDirectoriesAreSearchedInOrder) {
    std::filesystem::create_directories("one");
    std::filesystem::create_directories("two");
    write("two/inc.ptu", "VAR from_two\n");
    write("one/other.ptu", "VAR other\n");
    settings_.include_dirs = {"one", "two"};
    read("INCLUDE PTU inc.ptu\n");
    EXPECT_EQ(statements(), (std::vector<std::string>{"INCLUDE PTU inc.ptu", "VAR from_two"}));
}

// Include dependency scan.

TEST_F(ReaderTest, ScanListsIncludesOfNativeLinesOnce) {
    write("a.h", "#include \"b.h\"\n#include <b.h>\n#include\n");
    write("b.h", "int b;\n");
    write("t.ptu", "##include \"a.h\"\n##  include <b.h>\nVAR x\n");
    session_ = std::make_unique<OutputSession>(settings("t.ptu"), reporter(), files());
    session_->start_outputs();
    ScriptReader reader(reporter(), options_, *session_, native_);
    reader.include_scan("t.ptu", ScanKind::script, {});
    session_->finish_outputs(false);

    std::vector<std::string> scanned;
    for (const std::string& r : records()) {
        if (r[0] == 'I') {
            scanned.push_back(r.substr(r.find(' ') + 1, 5));
        }
    }
    // a.h and b.h from the script, then from a.h: b.h twice (both already
    // listed).
    EXPECT_EQ(scanned, (std::vector<std::string>{"a.h  ", "b.h  ", "b.h  ", "b.h  "}));
    std::vector<std::string> all = codes();
    EXPECT_EQ(std::count(all.begin(), all.end(), "W-FICDEJAPR"), 2);
    Diagnostic empty = first("INC_NVIDE");
    EXPECT_EQ(empty.file, "a.h");
    EXPECT_EQ(empty.line, 2);
    EXPECT_NE(empty.body.find("a.h"), std::string::npos);
}

TEST_F(ReaderTest, ScanOfSourceFindsTheFirstVersion) {
    write("unit.c",
          "/* version */\nstatic char v[] = \"@(#) Vers 'V1.2' x\";\n"
          "char w[] = \"@(#) vers \\\"V9\\\"\";\n");
    session_ = std::make_unique<OutputSession>(settings("t.ptu"), reporter(), files());
    ScriptReader reader(reporter(), options_, *session_, native_);
    EXPECT_EQ(reader.include_scan("unit.c", ScanKind::source, "@(#) VERS"), "V1.2");
    Diagnostic again = first("NUVER_DBL");
    EXPECT_EQ(again.file, "unit.c");
    EXPECT_EQ(again.line, 2);
    EXPECT_NE(again.body.find("V1.2"), std::string::npos);
}

TEST_F(ReaderTest, ScanOfSourceWithoutVersionSaysSo) {
    // The pattern is there, but no quoted number follows it.
    write("unit.c", "/* @(#) vers */\nint unit;\nint other;\n");
    session_ = std::make_unique<OutputSession>(settings("t.ptu"), reporter(), files());
    ScriptReader reader(reporter(), options_, *session_, native_);
    // Without a pattern nothing is looked for, nor missed.
    EXPECT_EQ(reader.include_scan("unit.c", ScanKind::source, {}), "");
    EXPECT_EQ(reader.include_scan("unit.c", ScanKind::source, "@(#) VERS"), "");
    std::vector<Diagnostic> all = diagnostics();
    ASSERT_EQ(all.size(), 1u);
    EXPECT_EQ(all[0].code, "NUMVERABS");
    EXPECT_EQ(all[0].severity, 'W');
    EXPECT_EQ(all[0].file, "unit.c");
    EXPECT_EQ(all[0].line, 2);
    EXPECT_EQ(all[0].body, "Missing version number @(#) VERS");
}

TEST_F(ReaderTest, ScanIsSkippedWithAnalysisExceptTheVersion) {
    options_.analysis_enabled = true;
    write("unit.c", "#include \"x.h\"\nVERSION \"2.0\"\n");
    write("t.ptu", "##include \"x.h\"\n");
    session_ = std::make_unique<OutputSession>(settings("t.ptu"), reporter(), files());
    session_->start_outputs();
    ScriptReader reader(reporter(), options_, *session_, native_);
    EXPECT_EQ(reader.include_scan("t.ptu", ScanKind::script, {}), "");
    EXPECT_EQ(reader.include_scan("unit.c", ScanKind::source, "version"), "2.0");
    session_->finish_outputs(false);
    for (const std::string& r : records()) {
        EXPECT_NE(r[0], 'I') << r;
    }
}

TEST_F(ReaderTest, MissingSourceFileIsFatal) {
    session_ = std::make_unique<OutputSession>(settings("t.ptu"), reporter(), files());
    ScriptReader reader(reporter(), options_, *session_, native_);
    int status = -1;
    try {
        reader.include_scan("absent.c", ScanKind::source, "V");
    } catch (const RunStopped& ended) {
        status = ended.status;
    }
    EXPECT_EQ(status, exit_fatal);
    EXPECT_TRUE(has("F-IMPOUVFIC"));
}

}  // namespace
}  // namespace vx
