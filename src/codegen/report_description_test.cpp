// The report description: opening, service, test and stub records, the
// closing of a run without error, deletion after errors, derived names.
#include "codegen/report_description.h"

#include "codegen/output/banner.h"
#include "codegen/codegen_test_fixture.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class ReportDescriptionTest : public CodegenTest {
protected:
    void open() {
        description_.open(
            reporter(), files(),
            {"run.tsf", "dir/we\"ird\\s.ptu", "we\"ird\\s.ptu", "/out/run.xrd", "run.xrd"}, "",
            BannerText{2, "vexorprepro s.ptu t.c", "today"});
    }
    ReportDescription description_;
};

TEST_F(ReportDescriptionTest, BannerAndOpeningRecords) {
    open();
    description_.close(false);
    Lines lines = read_lines("run.tsf");
    ASSERT_GT(lines.size(), 9u);
    EXPECT_EQ(lines[0], "US " + std::string(72, '*'));
    EXPECT_EQ(lines[1].substr(0, 12), "US * TOOL : ");
    EXPECT_EQ(lines[1].back(), '*');  // no closing delimiter after the box
    EXPECT_EQ(lines[1].size(), 75u);
    Lines records = after_banner(lines);
    ASSERT_GE(records.size(), 5u);
    EXPECT_EQ(Lines(records.begin(), records.begin() + 5),
              (Lines{"DB \"Plumbrook-Glimser\"", "SO \"dir/we\\\"ird\\\\s.ptu\" 000 \"txt\"",
                     "IN \"File\" 9 \"we\\\"ird\\\\s.ptu\"", "TX 4 \"Parameters OK\"",
                     "TX 5 \"Test Parameters Failed\""}));
}

TEST_F(ReportDescriptionTest, ServicesTestsStubsAndClosingOfASuccessfulRun) {
    open();
    description_.summary_service("add", 1, 10);
    description_.summary_test("t1", 2, 12);
    description_.summary_stub_block("io", 30);
    description_.summary_stub("open_file", 5, 31);
    description_.summary_stub_block("net", 40);
    description_.summary_service("sub", 6, 50);
    description_.summary_test("t2", 7, 52);
    description_.close(false);
    Lines records = after_banner(read_lines("run.tsf"));
    records.erase(records.begin(), records.begin() + 5);
    EXPECT_EQ(records, (Lines{
                           "SI 9",
                           "IN \"VXUS\" 15 \"add\"",
                           "LK 10",
                           "MS 14 \"add\"",
                           "SI 15",
                           "IN \"VXUT\" 19 \"Test t1\"",
                           "LK 12",
                           "MS 18 \"t1\"",
                           "SI 9",
                           "IN \"VXUB\" 3 \"Stubs\"",
                           "LK 30",
                           "SI 3",
                           "IN \"VXUB\" 1 \"io\"",
                           "SI 1",
                           "LK 31",
                           "MS 30 \"open_file\"",
                           // the stub counter became 4 * 5 + 10, the next block is 31
                           "LK 40",
                           "SI 3",
                           "IN \"VXUB\" 31 \"net\"",
                           "SI 31",
                           "SI 9",
                           "IN \"VXUS\" 35 \"sub\"",
                           "LK 50",
                           "MS 34 \"sub\"",
                           "SI 35",
                           "IN \"VXUT\" 39 \"Test t2\"",
                           "LK 52",
                           "MS 38 \"t2\"",
                           "ID 1 0",
                           "ED",
                           "DB \"Plumbrook-Glimser\"",
                           "SO \"/out/run.xrd\" 000 \"xrd\"",
                           "IN \"File\" 9 \"run.xrd\"",
                           "LK 1",
                           "TX 6 \"Errors detected\"",
                           "LK \"Test12\"",
                           "TX 20 \"Test result\"",
                           "LK \"Test52\"",
                           "TX 40 \"Test result\"",
                           "ID 2 0",
                           "ED",
                       }));
}

TEST_F(ReportDescriptionTest, RunWithErrorsLeavesNoFile) {
    open();
    description_.summary_service("add", 1, 10);
    description_.close(true);
    EXPECT_FALSE(exists("run.tsf"));
    // Describing after the end is harmless.
    description_.summary_test("late", 3, 4);
    EXPECT_FALSE(exists("run.tsf"));
}

TEST(ReportDescriptionNames, DerivedFromTheOptionValue) {
    ReportDescriptionNames names = report_description_names("out/run", "s.ptu", "s.ptu");
    EXPECT_EQ(names.path, "out/run.tsf");
    EXPECT_EQ(names.report_path, "out/run.xrd");
    EXPECT_EQ(names.report_name, "run.xrd");
    names = report_description_names("run.desc", "s.ptu", "s.ptu");
    EXPECT_EQ(names.path, "./run.desc");
    EXPECT_EQ(names.report_path, "./run.xrd");
    EXPECT_EQ(names.report_name, "run.xrd");
}

}  // namespace
}  // namespace vx
