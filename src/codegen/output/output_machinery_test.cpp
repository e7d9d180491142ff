// Routing of generated lines through the sections held in memory, the skip
// flags, folding per writer, the rename list and the failure ends; every
// test ends with no staged output left in its scratch directory.
#include "codegen/output/output_machinery.h"

#include "codegen/codegen_test_fixture.h"
#include "codegen/output/output_session.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <fstream>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class OutputMachineryTest : public CodegenTest {
protected:
    void SetUp() override {
        CodegenTest::SetUp();
        machinery_ = std::make_unique<OutputMachinery>(reporter(), files(), "", "");
        machinery_->set_generated_file(machinery_->create_output("t.c"));
        machinery_->set_declarations_file(machinery_->create_output("t.ic"));
    }
    void TearDown() override {
        machinery_.reset();
        CodegenTest::TearDown();
    }

    Lines generated() {
        machinery_->generated_file().close(true);
        return read_lines("t.c");
    }
    // The staged files of one output.
    static Lines staged_files_of(const std::string& output) {
        Lines left;
        for (const std::string& name : staged_files_left()) {
            if (name.rfind(output + ".vx", 0) == 0) left.push_back(name);
        }
        return left;
    }
    // The generated file's lines so far, without closing it: they are in
    // its staged file beside it.
    Lines generated_so_far() {
        std::string staged;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("t.c.vx", 0) == 0) staged = name;
        }
        EXPECT_FALSE(staged.empty());
        machinery_->generated_file().write_text("");
        std::fflush(nullptr);
        return read_lines(staged);
    }

    std::unique_ptr<OutputMachinery> machinery_;
};

TEST_F(OutputMachineryTest, LineDirectivesFollowEachLineThroughTheSections) {
    OutputMachinery& out = *machinery_;
    out.map_lines("/w/t.c");
    out.write_line("#include \"vxu.h\"");
    {
        // Two native lines that follow each other in the script need one
        // directive; a line from elsewhere needs its own.
        const SourceScope at(out, "/w/s.ptu", 2);
        out.write_line("#include \"unit.h\"");
    }
    {
        const SourceScope at(out, "/w/s.ptu", 3);
        out.write_line("int r;");
    }
    out.write_line("void SRV1(void) {");
    out.open_section(SectionKind::test_pair);
    out.open_section(SectionKind::element_pair);
    out.write_line("START_CHRONO_C();");
    out.mark_element_head();
    {
        // A statement's initialisation and its check: both its line, the
        // check copied after the code under test.
        const SourceScope at(out, "/w/s.ptu", 9);
        out.write_line("r = 1;");
        out.write_element_close("EDV_INTEGER_C(r, 4,", FoldMode::never);
        out.write_element_close("4);", FoldMode::never);
    }
    {
        const SourceScope at(out, "/w/s.ptu", 10);
        out.write_line("r = twice(2);");
    }
    {
        // A stub table learned at the end of the element goes back to its
        // mark; what follows the mark keeps its own origin.
        const SourceScope at(out, "/w/s.ptu", 7);
        out.write_element_head("static int table[1];", FoldMode::never);
    }
    out.write_element_close("VXU_END_ELEMENT_C();", FoldMode::never);
    out.flush_section(SectionKind::test_pair);
    {
        // No directive may cut a macro continued over two lines.
        const SourceScope at(out, "/w/s.ptu", 20);
        out.write_line("#define TWICE(x) \\");
        out.write_line("  ((x) * 2)");
    }
    out.write_line("}");

    const Lines expected = {"#include \"vxu.h\"",
                            "#line 2 \"/w/s.ptu\"",
                            "#include \"unit.h\"",
                            "int r;",
                            "#line 6 \"/w/t.c\"",
                            "void SRV1(void) {",
                            "",
                            "",
                            "START_CHRONO_C();",
                            "#line 7 \"/w/s.ptu\"",
                            "static int table[1];",
                            "#line 9 \"/w/s.ptu\"",
                            "r = 1;",
                            "r = twice(2);",
                            "#line 9 \"/w/s.ptu\"",
                            "EDV_INTEGER_C(r, 4,",
                            "#line 9 \"/w/s.ptu\"",
                            "4);",
                            "#line 20 \"/w/t.c\"",
                            "VXU_END_ELEMENT_C();",
                            "#line 20 \"/w/s.ptu\"",
                            "#define TWICE(x) \\",
                            "  ((x) * 2)",
                            "#line 25 \"/w/t.c\"",
                            "}"};
    EXPECT_EQ(generated(), expected);
}

TEST_F(OutputMachineryTest, ElementTextLandsInsideItsTestText) {
    OutputMachinery& out = *machinery_;
    out.write_line("before");
    out.open_section(SectionKind::test_pair);
    out.write_line("DCL_TST_C(2, \"t1\");");
    out.open_section(SectionKind::element_pair);
    out.write_line("START_CHRONO_C();");
    out.write_element_close("STOP_CHRONO_C();", FoldMode::c);
    out.write_line("x = 1;");
    out.write_element_close("EDV_INTEGER_C(x);", FoldMode::c);
    out.write_test_close("VXU_END_TEST_C();");

    // While the pairs are open their text is held in memory only.
    EXPECT_TRUE(out.half_open(Half::element_opening));
    EXPECT_EQ(generated_so_far(), Lines{"before"});

    out.flush_section(SectionKind::element_pair);
    EXPECT_FALSE(out.element_pair_open());
    out.write_line("after element");
    out.flush_section(SectionKind::test_pair);
    out.write_line("after test");
    EXPECT_FALSE(out.half_open(Half::test_opening));

    // A flushed half keeps its storage for the next test and element, but
    // none of its old text reaches the output again.
    out.open_section(SectionKind::test_pair);
    out.open_section(SectionKind::element_pair);
    out.write_line("y;");
    out.flush_section(SectionKind::test_pair);

    EXPECT_EQ(generated(),
              (Lines{"before", "", "DCL_TST_C(2, \"t1\");", "", "START_CHRONO_C();", "x = 1;",
                     "STOP_CHRONO_C();", "EDV_INTEGER_C(x);", "after element", "VXU_END_TEST_C();",
                     "after test", "", "", "y;"}));
}

// The element head goes where the element marked it, however much text
// follows the mark, and the sections a stopped run held are forgotten.
TEST_F(OutputMachineryTest, TheElementHeadGoesToItsMarkAndADiscardForgetsEverything) {
    OutputMachinery& out = *machinery_;
    out.open_section(SectionKind::test_pair);
    out.open_section(SectionKind::element_pair);
    out.write_line("stub init;");
    out.mark_element_head();
    out.write_line("x = 1;");
    out.write_line("call();");
    out.write_element_head("table;", FoldMode::c);
    out.flush_section(SectionKind::test_pair);
    EXPECT_EQ(generated_so_far(), (Lines{"", "", "stub init;", "table;", "x = 1;", "call();"}));

    out.open_section(SectionKind::test_pair);
    out.open_section(SectionKind::element_pair);
    out.write_line("never written");
    out.write_main_prologue("never written either");
    out.discard_sections();
    EXPECT_FALSE(out.test_pair_open());
    EXPECT_FALSE(out.half_open(Half::main_prologue));
    out.flush_section(SectionKind::main_prologue);
    out.write_line("after");
    EXPECT_EQ(generated(), (Lines{"", "", "stub init;", "table;", "x = 1;", "call();", "after"}));
}

TEST_F(OutputMachineryTest, TestWithoutElementReachesTheFileInOnePiece) {
    OutputMachinery& out = *machinery_;
    out.write_line("void SRV1_ADD (void) { ");
    out.open_section(SectionKind::test_pair);
    out.write_line("DCL_TST_C(1, \"t\");");
    out.write_test_close("VXU_END_TEST_C();");
    out.write_loop_head("for (J1 = 1 ; J1<=3;J1++ ){", FoldMode::c);
    out.write_test_close("}");
    out.flush_section(SectionKind::test_pair);
    out.write_test_close("dropped: no test is open");

    EXPECT_EQ(generated(), (Lines{"void SRV1_ADD (void) { ", "for (J1 = 1 ; J1<=3;J1++ ){", "",
                                  "DCL_TST_C(1, \"t\");", "VXU_END_TEST_C();", "}"}));
}

TEST_F(OutputMachineryTest, MainPrologueAndEpilogueAreCopiedWhereMainIsWritten) {
    OutputMachinery& out = *machinery_;
    out.open_section(SectionKind::main_prologue);
    out.write_main_prologue("init_all();");
    out.write_line("void SRV1_A (void) { }");
    out.write_main_prologue("init_more();");
    out.write_line("int main(void) {");
    out.flush_section(SectionKind::main_prologue);
    out.write_line("SRV1_A();");
    out.flush_section(SectionKind::main_epilogue);  // never opened: nothing
    out.write_line("}");
    EXPECT_EQ(generated(), (Lines{"void SRV1_A (void) { }", "int main(void) {", "init_all();",
                                  "init_more();", "SRV1_A();", "}"}));
}

TEST_F(OutputMachineryTest, NothingIsWrittenWhileOutputIsOff) {
    OutputMachinery& out = *machinery_;
    out.open_section(SectionKind::test_pair);
    out.open_section(SectionKind::element_pair);
    out.set_enabled(false);
    out.write_line("suppressed");
    out.write_folded("suppressed folded", FoldMode::c);
    out.write_declaration("int suppressed;", FoldMode::c);
    out.write_element_close("suppressed check", FoldMode::c);
    out.write_element_head("suppressed head", FoldMode::c);
    out.write_test_close("suppressed close");
    out.write_loop_head("suppressed loop", FoldMode::c);
    out.write_main_prologue("suppressed prologue");
    out.set_enabled(true);
    out.write_line("init");
    out.write_element_close("check", FoldMode::c);

    // Flushing is not filtered again: text already written stays.
    out.flush_section(SectionKind::element_pair);
    out.set_enabled(false);
    out.flush_section(SectionKind::test_pair);
    out.flush_section(SectionKind::main_prologue);
    out.set_enabled(true);

    EXPECT_EQ(generated(), (Lines{"", "", "init", "check"}));
    machinery_->declarations_file().close(true);
    EXPECT_EQ(read_lines("t.ic"), Lines{});
}

TEST_F(OutputMachineryTest, FoldingOfTestLevelDeclarationAndDirectiveLines) {
    OutputMachinery& out = *machinery_;
    std::string call = "EDV_INTEGER_C(";
    while (call.size() < 120) {
        call += "value, ";
    }
    call += "end);";
    const std::string directive =
        "#define VXU_A_RATHER_LONG_MACRO_NAME(first, second) ((first) + (second) + "
        "(first) * (second))";
    ASSERT_GT(directive.size(), fold_width);

    out.write_folded_test_level(directive, FoldMode::c);
    out.write_folded(call, FoldMode::c);
    out.write_folded(directive, FoldMode::c);
    Lines lines = generated();
    ASSERT_GE(lines.size(), 4u);
    EXPECT_EQ(lines[0], directive);
    EXPECT_EQ(lines[1].substr(0, 14), "EDV_INTEGER_C(");
    for (std::size_t i = 1; i < lines.size(); ++i) {
        EXPECT_LE(lines[i].size(), fold_width) << lines[i];
    }

    out.write_declaration(call, FoldMode::c);
    out.write_declaration(call, FoldMode::never);
    out.write_declaration(call, FoldMode::other_language);
    machinery_->declarations_file().close(true);
    Lines declarations = read_lines("t.ic");
    ASSERT_GE(declarations.size(), 4u);
    EXPECT_EQ(declarations[0], call);
    EXPECT_EQ(declarations[1], call);
    EXPECT_LE(declarations[2].size(), fold_width);
}

TEST_F(OutputMachineryTest, LongLinesAreCopiedWholeThroughTheSections) {
    OutputMachinery& out = *machinery_;
    const std::string huge(50000, 'z');
    out.open_section(SectionKind::test_pair);
    out.write_line(huge);
    out.flush_section(SectionKind::test_pair);
    EXPECT_EQ(generated(), (Lines{"", huge}));
}

TEST_F(OutputMachineryTest, RenameListIsOneContinuedOptionLine) {
    OutputMachinery out(reporter(), files(), "", "stubs.opt");
    out.close_rename_list(true);
    EXPECT_FALSE(exists("stubs.opt"));  // nothing renamed: no file
    out.add_renamed_symbol("open_file");
    out.add_renamed_symbol("read_block");
    out.add_renamed_symbol("close_file");
    out.close_rename_list(true);
    EXPECT_EQ(read_all("stubs.opt"), "-RENAME=open_file,\\\nread_block,\\\nclose_file\n");
    EXPECT_EQ(out.renamed_count(), 3);
}

TEST_F(OutputMachineryTest, OpeningAnOpenPairIsAnInternalError) {
    OutputSession session(OutputSettings{}, reporter(), files());
    session.output().set_generated_file(session.output().create_output("s.c"));
    session.output().open_section(SectionKind::test_pair);
    auto [status, err] = expect_end([&] { session.output().open_section(SectionKind::test_pair); });
    EXPECT_EQ(status, 9);
    EXPECT_NE(err.find("Harnex-S-ERRINTFCT"), std::string::npos) << err;
    // The internal end removed the generated file.
    EXPECT_EQ(staged_files_of("s.c"), Lines{});
    EXPECT_FALSE(std::filesystem::exists("s.c"));
}

TEST_F(OutputMachineryTest, WriteFailureIsFatalAndNamesTheFile) {
    OutputSession session(OutputSettings{}, reporter(), files());
    OutputMachinery& out = session.output();
    // A link in the scratch directory: the cleanup deletes the link only.
    std::filesystem::create_symlink("/dev/full", "full.c");
    out.set_generated_file(out.create_output("full.c"));
    out.open_section(SectionKind::test_pair);
    out.write_line(std::string(10000, 'x'));
    // The copy into the full device fails at the latest when the file is
    // flushed at its closing.
    auto [status, err] = expect_end([&] {
        out.flush_section(SectionKind::test_pair);
        out.generated_file().close(true);
    });
    EXPECT_EQ(status, 7);
    EXPECT_NE(err.find("Harnex-F-IMPECRFIC"), std::string::npos) << err;
    EXPECT_NE(err.find("full.c"), std::string::npos) << err;
    EXPECT_EQ(staged_files_of("full.c"), Lines{});
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
}

TEST_F(OutputMachineryTest, DevicesAreNeverDeleted) {
    // A run with errors deletes its outputs, but an output that is a device
    // is only closed.
    OutputFile null_output = create_output(reporter(), files(), "/dev/null", "");
    null_output.write_line("discarded");
    null_output.close(false);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
    OutputFile again = create_output(reporter(), files(), "/dev/null", "");
    again.discard();
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(OutputMachineryTest, CreationFailureIsFatal) {
    auto [status, err] = expect_end([&] { machinery_->create_output("no/such/dir/x.c"); });
    EXPECT_EQ(status, 7);
    EXPECT_NE(err.find("Harnex-F-IMPOUVFIC"), std::string::npos) << err;
    // The system says why.
    EXPECT_NE(err.find("no/such/dir/x.c (No such file or directory)"), std::string::npos) << err;
}

// An output is written beside its file and put in place only when kept:
// the file of that name (maybe an input) is untouched until then.
TEST_F(OutputMachineryTest, OutputsReplaceTheirFileOnlyWhenKept) {
    auto entries = [] {
        Lines names;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    };
    std::ofstream("old.c") << "the user's file\n";
    const Lines before = entries();

    OutputFile dropped = create_output(reporter(), files(), "old.c", "");
    dropped.write_line("partial");
    EXPECT_EQ(read_lines("old.c"), Lines{"the user's file"});
    dropped.discard();
    EXPECT_EQ(read_lines("old.c"), Lines{"the user's file"});
    EXPECT_EQ(entries(), before);

    OutputFile kept = create_output(reporter(), files(), "old.c", "");
    kept.write_line("new text");
    EXPECT_EQ(read_lines("old.c"), Lines{"the user's file"});
    kept.close(true);
    EXPECT_EQ(read_lines("old.c"), Lines{"new text"});
    EXPECT_EQ(entries(), before);
    // The permissions are those of a file created in place.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    const auto permissions = std::filesystem::status("old.c").permissions();
    EXPECT_EQ(static_cast<mode_t>(permissions) & 0777, 0666 & ~mask);

    // A run with errors leaves no output of that name.
    OutputFile failed = create_output(reporter(), files(), "old.c", "");
    failed.write_line("from a failed run");
    failed.close(false);
    EXPECT_FALSE(std::filesystem::exists("old.c"));
    Lines without = before;
    without.erase(std::find(without.begin(), without.end(), "old.c"));
    EXPECT_EQ(entries(), without);
}

}  // namespace
}  // namespace vx
