// A whole run on the file side: outputs and their banners, header records,
// the log of created files, the closing order, deletion after errors, and
// the cleanup of fatal and internal ends.
#include "codegen/output/output_session.h"

#include "codegen/codegen_test_fixture.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class OutputSessionTest : public CodegenTest {
protected:
    // The small run of the fixture, with options on its command line, its
    // unit and the log of created files.
    static OutputSettings settings() {
        OutputSettings s = output_settings();
        s.command_echo = "vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST";
        s.absolute_script_path = "/w/s.ptu";
        s.source_path = "unit_012.c";
        s.vistal_log_path = "created.log";
        return s;
    }

    // The part of a run between the opening and the closing of the outputs:
    // one service with one test and one element, and INITIALIZATION text.
    static void generate_a_little(OutputSession& session) {
        session.open_section(SectionKind::main_prologue);
        session.write_main_prologue("init();");
        LinkRecords& records = session.records();
        records.begin_service("add", 3);
        records.begin_test("t1", 4);
        session.write_line("void SRV1_ADD (void) { ");
        records.write_service_header();
        session.open_section(SectionKind::test_pair);
        records.write_test_header();
        session.write_line("DCL_TST_C(2, \"t1\");");
        session.open_section(SectionKind::element_pair);
        records.write_element(5, 1);
        session.write_line("r = add(1, 2);");
        session.write_element_close("EDV_INTEGER_C(r);", FoldMode::c);
        session.write_declaration("int r;", FoldMode::c);
        session.add_renamed_symbol("add");
    }
};

TEST_F(OutputSessionTest, StartWritesBannersHeaderRecordsAndTheLog) {
    OutputSettings s = settings();
    s.const_path = "k.c";
    s.report_description_path = "r.tsf";
    s.report_path = "/w/r.xrd";
    s.report_name = "r.xrd";
    OutputSession session(s, reporter(), files());
    session.start_outputs();
    generate_a_little(session);
    session.finish_outputs(false, {{"ZQZQUSE_EDV_INTEGER_C", 1}, {"ZQZQUSE_RUPT ", 0}});

    Lines generated = read_lines("t.c");
    ASSERT_GT(generated.size(), 9u);
    EXPECT_EQ(generated[0], "/*" + std::string(72, '*') + "*/");
    EXPECT_EQ(generated[5].substr(0, 14), "/** FILE : t.c");
    EXPECT_EQ(after_banner(generated),
              (Lines{"void SRV1_ADD (void) { ", "", "DCL_TST_C(2, \"t1\");", "", "r = add(1, 2);",
                     "EDV_INTEGER_C(r);"}));
    EXPECT_EQ(read_lines("t.ic")[5].substr(0, 15), "/** FILE : t.ic");
    EXPECT_EQ(
        after_banner(read_lines("t.ic")),
        (Lines{"int r;", "#undef VXU_STAMP", "#define VXU_STAMP \"" + session.stamp() + "\""}));
    EXPECT_EQ(session.stamp().size(), 16u);
    EXPECT_NE(session.stamp(), new_compilation_stamp());
    EXPECT_EQ(read_lines("k.c")[5].substr(0, 14), "/** FILE : k.c");

    EXPECT_EQ(after_banner(read_lines("t.tdc")),
              (Lines{"E11 0 /w/s.ptu", "C0 vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST",
                     "H0 Mon Jan  1 10:00:00 2024", "E7 indefinie", "E8 8.3.0.1.342.020", "E9 C C",
                     "E6  s", "E4  unit_012", "E5  012", "E17 0 3", "E16 0 4", "O1 add", "T2 t1",
                     "E14 0 5", "B3 1", "Z 24 " + session.stamp()}));
    // The end record counts every line before it, the banner's included.
    EXPECT_EQ(read_lines("t.tdc").size(), 25u);
    Lines description = after_banner(read_lines("r.tsf"));
    ASSERT_GT(description.size(), 5u);
    EXPECT_EQ(description[5], "SI 9");
    EXPECT_EQ(description.back(), "ED");

    Lines config = read_lines("vexor_cfg.h");
    EXPECT_EQ(config.front(), "/*" + std::string(72, '*') + "*/");
    EXPECT_EQ(after_banner(config),
              (Lines{"#define ZQZQUSE_EDV_INTEGER_C 1", "#define ZQZQUSE_RUPT  0"}));

    // Every kept output is logged by its extension, in the order the run
    // puts them in place; the rename list (no known extension) is not.
    EXPECT_EQ(read_lines("created.log"), (Lines{"C   t.ic", "C   k.c", "TDC t.tdc", "TSF r.tsf",
                                                "C   t.c", "H   vexor_cfg.h"}));
}

TEST_F(OutputSessionTest, RunWithErrorsLeavesNoOutput) {
    OutputSettings s = settings();
    s.const_path = "k.c";
    s.report_description_path = "r.tsf";
    s.rename_path = "stubs.opt";
    OutputSession session(s, reporter(), files());
    session.start_outputs();
    generate_a_little(session);
    session.finish_outputs(true, {{"ZQZQUSE_RUPT ", 0}});
    for (const char* name : {"t.c", "t.ic", "t.tdc", "k.c", "r.tsf", "stubs.opt", "vexor_cfg.h"}) {
        EXPECT_FALSE(exists(name)) << name;
    }
    // Nothing was kept: the log names nothing.
    EXPECT_FALSE(exists("created.log"));
}

TEST_F(OutputSessionTest, FatalEndRemovesUnfinishedOutputs) {
    OutputSession session(settings(), reporter(), files());
    session.start_outputs();
    generate_a_little(session);
    ASSERT_FALSE(staged_files_left().empty());
    auto [status, err] =
        expect_end([&] { throw reporter().fatal(msg::IMPOUVFIC, std::string_view("x.h")); });
    EXPECT_EQ(status, 7);
    EXPECT_EQ(staged_files_left(), Lines{});
    EXPECT_FALSE(exists("t.c"));
    EXPECT_FALSE(exists("t.tdc"));
}

// The process ends as a program's entry point ends it: on the RunStopped
// of the report, or after the summary.
TEST_F(OutputSessionTest, FatalEndOfTheProcessLeavesNoStagedOutput) {
    EXPECT_EXIT(
        {
            reporter().set_console({});
            OutputSession session(settings(), reporter(), files());
            session.start_outputs();
            generate_a_little(session);
            // A second element pair while one is open is a programming
            // error: an internal end.
            try {
                session.open_section(SectionKind::element_pair);
            } catch (const RunStopped& stopped) {
                end_process(stopped.status);
            }
        },
        ::testing::ExitedWithCode(9), "ERRINTFCT");
    EXPECT_EQ(staged_files_left(), Lines{});
    EXPECT_FALSE(exists("t.c"));

    EXPECT_EXIT(
        {
            OutputSession session(settings(), reporter(), files());
            session.start_outputs();
            generate_a_little(session);
            // The summary at the end of execution also removes them.
            end_process(reporter().end_of_execution());
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(staged_files_left(), Lines{});
}

TEST_F(OutputSessionTest, UnwritableOutputIsFatalBeforeAnythingIsLeft) {
    OutputSettings s = settings();
    s.link_record_path = "missing/dir/t.tdc";
    OutputSession session(s, reporter(), files());
    auto [status, err] = expect_end([&] { session.start_outputs(); });
    EXPECT_EQ(status, 7);
    EXPECT_NE(err.find("Harnex-F-IMPOUVFIC"), std::string::npos) << err;
    EXPECT_NE(err.find("missing/dir/t.tdc"), std::string::npos) << err;
    EXPECT_FALSE(exists("t.c"));
    EXPECT_FALSE(exists("t.ic"));
}

TEST_F(OutputSessionTest, SuppressedBannerLinesFollowTheSettings) {
    OutputSettings quiet = settings();
    quiet.suppress_banner_lines = true;
    OutputSession session(quiet, reporter(), files());
    session.start_outputs();
    session.finish_outputs(false);
    Lines generated = read_lines("t.c");
    ASSERT_EQ(generated.size(), 7u);
    for (const auto& line : generated) {
        EXPECT_EQ(line.find("FILE :"), std::string::npos);
    }
}

}  // namespace
}  // namespace vx

namespace vx {
namespace {

// A second script compiled into the directory of a first keeps every
// runtime family the first harness uses.
TEST(ConfigHeaderMerge, EachCounterKeepsTheLargerValue) {
    const std::vector<UsageCount> fresh = {
        {"ZQZQUSE_PTU_INTEGER_C", 0}, {"ZQZQUSE_EDV_STR_C", 3}, {"ZQZQUSE_EDV_DOUBLE_C", 1}};
    const std::string existing =
        "/** banner **/\n"
        "#define ZQZQUSE_PTU_INTEGER_C 4\n"
        "#define ZQZQUSE_EDV_STR_C 1\n"
        "#define ZQZQUSE_ONLY_OLD_C 2\n"
        "#define NOT_A_COUNTER text\n";
    const std::vector<UsageCount> merged = merged_usage_counts(fresh, existing);
    auto count_of = [&](const std::string& name) {
        for (const UsageCount& usage : merged) {
            if (usage.name == name) return usage.count;
        }
        return -1L;
    };
    EXPECT_EQ(count_of("ZQZQUSE_PTU_INTEGER_C"), 4);
    EXPECT_EQ(count_of("ZQZQUSE_EDV_STR_C"), 3);
    EXPECT_EQ(count_of("ZQZQUSE_EDV_DOUBLE_C"), 1);
    EXPECT_EQ(count_of("ZQZQUSE_ONLY_OLD_C"), 2);
    EXPECT_EQ(count_of("NOT_A_COUNTER"), -1);
    // The new header's own order comes first.
    ASSERT_GE(merged.size(), 3u);
    EXPECT_EQ(merged[0].name, "ZQZQUSE_PTU_INTEGER_C");
    EXPECT_EQ(merged_usage_counts(fresh, "").size(), fresh.size());
}

}  // namespace
}  // namespace vx
