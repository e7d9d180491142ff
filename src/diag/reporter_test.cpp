#include "diag/reporter.h"

#include "diag/process_end.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

namespace vx {
namespace {

using testkit::FreshReporter;
using testkit::read_file;
using testkit::ScratchDir;
using testkit::split_lines;

class ReporterTest : public ::testing::Test {
protected:
    // The lines shown since the last call.
    std::string shown() { return fresh.shown(); }

    FreshReporter fresh;
    Reporter& rep = fresh.get();
};

TEST_F(ReporterTest, LocationPrefixForms) {
    EXPECT_EQ(Reporter::location_prefix({}), "");
    EXPECT_EQ(Reporter::location_prefix({"", 7}), "[7] ");
    EXPECT_EQ(Reporter::location_prefix({"s.ptu", -1}), "[s.ptu:-1] ");
    EXPECT_EQ(Reporter::location_prefix({"s.ptu", 12}), "[s.ptu:12] ");
}

// A report at a location of its own (a line of a header the C analysis
// reads) leaves the statement's location to the messages that follow, and
// a fatal one stops the run.
TEST_F(ReporterTest, AReportAtItsOwnLocationLeavesTheNextOnesAlone) {
    rep.set_report_file("s.ptu");
    rep.set_report_line(4);
    shown();
    rep.report({"unit.h", 12}, Severity::warning, msg::TOMANYARG, "F");
    rep.warning(msg::STXMETAIN, "COV");
    const auto lines = split_lines(shown());
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_NE(lines[0].find("Harnex-W-TOMANYARG,  [unit.h:12] "), std::string::npos) << lines[0];
    EXPECT_NE(lines[1].find("Harnex-W-STXMETAIN,  [s.ptu:4] "), std::string::npos) << lines[1];
    int status = -1;
    try {
        rep.report({"unit.h", 13}, Severity::fatal, msg::TOMANYARG, "G");
    } catch (const RunStopped& stopped) {
        status = stopped.status;
    }
    EXPECT_EQ(status, exit_fatal);
    EXPECT_NE(shown().find("Harnex-F-TOMANYARG,  [unit.h:13] "), std::string::npos);
}

TEST_F(ReporterTest, ComposesCatalogueAndUnknownCodes) {
    rep.set_report_file("s.ptu");
    rep.set_report_line(3);
    EXPECT_EQ(rep.compose(Severity::fatal, msg::IMPOUVFIC, "x.c"),
              "Harnex-F-IMPOUVFIC,  [s.ptu:3] Cannot open the file x.c\n");
    // A code whose table is not registered shows the location and the
    // argument.
    MessageCatalogue modbas_only;
    modbas_only.register_table(CatalogueTable::modbas);
    Reporter partial(modbas_only);
    partial.set_report_file("s.ptu");
    partial.set_report_line(3);
    EXPECT_EQ(partial.compose(Severity::error, msg::IMPOUVFIC, "arg"),
              "Harnex-E-IMPOUVFIC,  [s.ptu:3]  arg\n");
    // A placeholder inside the location is text, not a slot.
    rep.set_report_file("odd%2name");
    EXPECT_EQ(rep.compose(Severity::warning, msg::IMPOUVFIC, "f"),
              "Harnex-W-IMPOUVFIC,  [odd%2name:3] Cannot open the file f\n");
}

TEST_F(ReporterTest, MessageWithoutLocationBeginsWithItsText) {
    shown();
    rep.info(msg::STARTEXEC, "banner text");
    EXPECT_EQ(shown(), "Harnex-I-STARTEXEC,  banner text\n");
}

// The console of a run is standard error: the one test that reads it.
TEST(ReporterConsole, WithoutAConsoleTheLinesGoToStandardError) {
    FreshReporter fresh;
    fresh.get().set_console({});
    testing::internal::CaptureStderr();
    fresh.get().info(msg::STARTEXEC, "banner text");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Harnex-I-STARTEXEC,  banner text\n");
}

TEST_F(ReporterTest, ErrorsPastTheLimitAreCountedButOnlyInTheDetailsFile) {
    ScratchDir dir;
    rep.open_details_file(dir.file("run.lis"));
    rep.set_report_file("s.ptu");
    shown();
    for (int line = 1; line <= 61; ++line) {
        rep.set_report_line(line);
        rep.error(msg::MOTCLEABS, "END");
    }
    std::string lines_shown = shown();
    EXPECT_EQ(split_lines(lines_shown).size(), 60u);
    EXPECT_EQ(rep.error_count(), 61);
    EXPECT_TRUE(rep.hidden_messages());

    shown();
    EXPECT_EQ(rep.end_of_execution(), exit_errors);
    auto summary = split_lines(shown());
    ASSERT_EQ(summary.size(), 2u);
    EXPECT_EQ(summary[0],
              "Harnex-I-MORERWALI,  more detailed Errors/Warnings can be found in file " +
                  dir.file("run.lis"));
    EXPECT_EQ(summary[1], "Harnex-I-ENDERRNWR,  End of execution with 61 error(s)");

    auto details = read_file(dir.file("run.lis"));
    EXPECT_NE(details.find("[s.ptu:61] Missing keyword END"), std::string::npos);
    EXPECT_NE(details.find("End of execution with 61 error(s)"), std::string::npos);
}

TEST_F(ReporterTest, RepeatedMessageIsCountedButNotShownAgain) {
    ScratchDir dir;
    rep.open_details_file(dir.file("d.lis"));
    rep.set_report_file("s.ptu");
    rep.set_report_line(4);
    shown();
    rep.warning(msg::STXMETAIN, "COV");
    rep.warning(msg::STXMETAIN, "COV");
    rep.warning(msg::LIGNTRAIT, "x");  // another code: shown
    std::string lines_shown = shown();
    EXPECT_EQ(split_lines(lines_shown).size(), 2u);
    EXPECT_EQ(rep.warning_count(), 3);
    EXPECT_TRUE(rep.hidden_messages());
    rep.close_details_file();
    EXPECT_EQ(split_lines(read_file(dir.file("d.lis"))).size(), 3u);
}

TEST_F(ReporterTest, WarningLimitHidesLaterWarnings) {
    rep.set_warning_limit(1);
    rep.set_report_file("s.ptu");
    shown();
    rep.set_report_line(1);
    rep.warning(msg::STXMETAIN, "a");
    rep.set_report_line(2);
    rep.warning(msg::STXMETAIN, "b");
    EXPECT_EQ(split_lines(shown()).size(), 1u);
    EXPECT_EQ(rep.warning_count(), 2);
}

// Warnings past the limit live in the listing only, and wait in its buffer;
// an error puts them on disk, in order, before the run goes on; a fatal
// end leaves them all in the file too.
TEST_F(ReporterTest, BufferedWarningsReachTheListingInOrderAtAnErrorAndAtTheEnd) {
    ScratchDir dir;
    rep.open_details_file(dir.file("w.lis"));
    rep.set_warning_limit(1);
    rep.set_report_file("s.ptu");
    shown();
    for (int line = 1; line <= 500; ++line) {
        rep.set_report_line(line);
        rep.warning(msg::STXMETAIN, "w" + std::to_string(line));
    }
    rep.set_report_line(501);
    rep.error(msg::STXMETAIN, "the error");
    // The listing is written beside its name until the run ends.
    std::string on_disk =
        read_file(dir.file("w.lis") + ".vx" + std::to_string(::getpid()) + "_lis");
    ASSERT_EQ(split_lines(on_disk).size(), 501u);
    EXPECT_LT(on_disk.find("[s.ptu:500]"), on_disk.find("[s.ptu:501]"));

    rep.set_report_line(502);
    rep.warning(msg::STXMETAIN, "after");
    const RunStopped stopped = rep.fatal(msg::IMPOUVFIC, "missing.ptu");
    EXPECT_EQ(stopped.status, exit_fatal);
    const auto lines = split_lines(read_file(dir.file("w.lis")));
    ASSERT_EQ(lines.size(), 503u);
    EXPECT_NE(lines[501].find("[s.ptu:502]"), std::string::npos);
    EXPECT_NE(lines[502].find("IMPOUVFIC"), std::string::npos);
}

struct SummaryCase {
    int errors;
    int warnings;
    int status;
    const char* line;
};

class SummaryTest : public ::testing::TestWithParam<SummaryCase> {};

TEST_P(SummaryTest, SummaryLineStatusAndDetailsFile) {
    const SummaryCase& c = GetParam();
    FreshReporter fresh;
    Reporter& rep = fresh.get();
    auto shown = [&] { return fresh.shown(); };
    ScratchDir dir;
    rep.open_details_file(dir.file("s.lis"));
    for (int i = 0; i < c.errors; ++i) {
        rep.set_report_line(100 + i);
        rep.error(msg::MOTCLEABS, "X");
    }
    for (int i = 0; i < c.warnings; ++i) {
        rep.set_report_line(200 + i);
        rep.warning(msg::STXMETAIN, "Y");
    }
    bool cleaned = false;
    rep.set_cleanup(this, [&] { cleaned = true; });
    shown();
    const int status = rep.end_of_execution();
    rep.remove_cleanup(this);
    auto lines = split_lines(shown());
    EXPECT_TRUE(cleaned);
    EXPECT_EQ(status, c.status);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.back(), c.line);
    EXPECT_EQ(testkit::file_exists(dir.file("s.lis")), c.status != exit_clean);
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, SummaryTest,
    ::testing::Values(
        SummaryCase{0, 0, exit_clean,
                    "Harnex-I-ENDNOENWR,  End of execution with 0 error and 0 warning"},
        SummaryCase{0, 2, exit_warnings, "Harnex-I-ENDNOEWAR,  End of execution with 2 warning(s)"},
        SummaryCase{3, 0, exit_errors, "Harnex-I-ENDERRNWR,  End of execution with 3 error(s)"},
        SummaryCase{1, 4, exit_errors,
                    "Harnex-I-ENDERRWAR,  End of execution with 1 error(s) and 4 warning(s)"}));

TEST_F(ReporterTest, FatalRunsTheCleanupFirstAndKeepsTheDetailsFile) {
    ScratchDir dir;
    rep.open_details_file(dir.file("f.lis"));
    std::string order;
    rep.set_cleanup(this, [&] { order += "cleanup;"; });
    shown();
    const RunStopped stopped = rep.fatal(msg::IMPOUVFIC, "missing.ptu");
    EXPECT_EQ(stopped.status, exit_fatal);
    order += "ended;";
    rep.remove_cleanup(this);
    EXPECT_EQ(shown(), "Harnex-F-IMPOUVFIC,  Cannot open the file missing.ptu\n");
    EXPECT_EQ(order, "cleanup;ended;");
    EXPECT_FALSE(rep.details_open());
    EXPECT_NE(read_file(dir.file("f.lis")).find("IMPOUVFIC"), std::string::npos);
}

TEST_F(ReporterTest, InternalEndsWithStatusNine) {
    shown();
    EXPECT_EQ(rep.internal(msg::INTERNERR, "Module SFC").status, exit_internal);
    EXPECT_EQ(shown(), "Harnex-S-INTERNERR,  internal error raised in  Module SFC\n");
}

TEST_F(ReporterTest, DetailsFileThatCannotBeCreatedIsFatal) {
    shown();
    try {
        rep.open_details_file("/nonexistent-dir/x.lis");
        FAIL() << "the run went on";
    } catch (const RunStopped& stopped) {
        EXPECT_EQ(stopped.status, exit_fatal);
    }
    EXPECT_EQ(shown(), "Harnex-F-FICERROPN,  File /nonexistent-dir/x.lis opening problem\n");
}

TEST_F(ReporterTest, ListingHeaderBox) {
    ScratchDir dir;
    rep.open_details_file(dir.file("h.lis"));
    rep.write_listing_header("vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST", "h.lis",
                             "Tue Dec  8 02:25:11 2026");
    rep.close_details_file();
    auto lines = split_lines(read_file(dir.file("h.lis")));
    const std::string stars(78, '*');
    auto box = [](std::string s) {
        s.resize(77, ' ');
        return s + "*";
    };
    std::vector<std::string> expected = {
        stars,
        box("C Test Script Compiler 8.3.0.1.342.020"),
        box("*"),
        box("* COMMANDE : vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST"),
        box("* FICHIER : h.lis"),
        box("* DATE : Tue Dec  8 02:25:11 2026"),
        box("*"),
        stars,
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(ReporterTest, ListingHeaderCutsALongEchoAtSeparators) {
    ScratchDir dir;
    rep.open_details_file(dir.file("h.lis"));
    std::string echo =
        "vexorprepro dir/script.ptu out/generated.c -LANGUAGE=C -TARGET=LINUX -FAST "
        "-SERVICE=alpha,beta,gamma,delta -DEFINE=ONE,TWO,THREE -INCL=/usr/include";
    rep.write_listing_header(echo, "h.lis", "d");
    rep.close_details_file();
    auto lines = split_lines(read_file(dir.file("h.lis")));
    std::string rebuilt;
    int echo_lines = 0;
    for (const auto& line : lines) {
        EXPECT_EQ(line.size(), 78u) << line;
        std::string piece;
        if (line.rfind("* COMMANDE : ", 0) == 0) {
            piece = line.substr(13);
        } else if (line.rfind("*            ", 0) == 0 && line.find_first_not_of(' ', 1) != 77) {
            piece = line.substr(13);
        } else {
            continue;
        }
        piece = piece.substr(0, piece.find_last_not_of(" *") + 1);
        EXPECT_LE(piece.size(), 63u);
        if (!rebuilt.empty() && piece.front() != ',' && piece.front() != '(' &&
            piece.front() != ')' && piece.front() != ';') {
            rebuilt += ' ';
        }
        rebuilt += piece;
        ++echo_lines;
    }
    EXPECT_GE(echo_lines, 3);
    EXPECT_EQ(rebuilt, echo);
}

}  // namespace
}  // namespace vx
