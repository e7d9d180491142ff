// Link records: header records, folding, numbering with the kept records
// of lazily written headers, NOEDIT, the pause of variable analysis, the
// enum type records and deletion after errors.
#include "codegen/link_records.h"

#include "codegen/output/banner.h"
#include "codegen/codegen_test_fixture.h"
#include "codegen/report_description.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace vx {
namespace {

using Lines = std::vector<std::string>;
using vx::testing::CodegenTest;

class LinkRecordsTest : public CodegenTest {
protected:
    void TearDown() override {
        records_.reset();  // puts an unclosed record file in place
        CodegenTest::TearDown();
    }
    LinkRecords& open(bool no_edit = false) {
        records_ = std::make_unique<LinkRecords>(reporter(), files(), no_edit);
        records_->open("t.tdc", "", BannerText{2, "vexorprepro s.ptu t.c", "today"});
        return *records_;
    }
    Lines records() {
        records_->close(true);
        return after_banner(read_lines("t.tdc"));
    }

    std::unique_ptr<LinkRecords> records_;
};

RunRecordFields run_fields() {
    RunRecordFields fields;
    fields.run_date = "Mon Jan  1 10:00:00 2024";
    fields.tested_language = 3;
    fields.language_name = "C";
    fields.script_path = "scripts/sample.v2.ptu";
    fields.source_path = "src/unit_012.c";
    return fields;
}

TEST_F(LinkRecordsTest, HeaderRecordsInTheirOrder) {
    LinkRecords& r = open();
    r.write_opening_records("/work/scripts/sample.v2.ptu", "", "vexorprepro sample.v2.ptu t.c");
    r.write_run_records(run_fields());
    EXPECT_EQ(records(),
              (Lines{"E11 0 /work/scripts/sample.v2.ptu", "C0 vexorprepro sample.v2.ptu t.c",
                     "H0 Mon Jan  1 10:00:00 2024", "E7 indefinie", "E8 8.3.0.1.342.020", "E9 C C",
                     "E6  sample", "E4  unit_012", "E5  012"}));
}

TEST_F(LinkRecordsTest, HeaderRecordsWithTargetCommandDatabaseAndPlainSource) {
    LinkRecords& r = open();
    r.write_opening_records("", "make harness", "vexorprepro s.ptu t.c");
    RunRecordFields fields = run_fields();
    fields.target_option = "linux64";
    fields.sql_mode = true;
    fields.dbms_name = "oracle";
    fields.language_name = "CSQL";
    fields.source_path = "unit.c";
    r.write_run_records(fields);
    EXPECT_EQ(records(), (Lines{"E11 0 ", "C0 make harness", "H0 Mon Jan  1 10:00:00 2024",
                                "E7 LINUX64", "E20 oracle", "E8 8.3.0.1.342.020", "E9 C CSQL",
                                "E6  sample", "E4  unit", "E5  "}));
}

TEST(RecordNames, BaseNamesAndVersionSuffixes) {
    EXPECT_EQ(record_base_name("a/b.c/unit_012.c"), "unit_012");
    EXPECT_EQ(record_base_name("x.tar.gz"), "x");
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"unit_012", "012"}, {"ab12x", "12x"}, {"012", ""}, {"unit", ""}, {"unit_0a2", ""},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(version_suffix(text), expected) << text;
    }
}

TEST_F(LinkRecordsTest, BannerHasNoCommentDelimiters) {
    open();
    records_->close(true);
    Lines lines = read_lines("t.tdc");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), std::string(72, '*'));
    EXPECT_EQ(lines[1].substr(0, 9), "* TOOL : ");
}

TEST_F(LinkRecordsTest, LongRecordsAreFolded) {
    LinkRecords& r = open();
    std::string text(300, 'v');
    r.write_record(text);
    EXPECT_EQ(records(), (Lines{std::string(132, 'v'), "&" + std::string(131, 'v'),
                                "&" + std::string(37, 'v')}));
}

TEST_F(LinkRecordsTest, HeadersAreFollowedByTheirKeptRecords) {
    LinkRecords& r = open();
    r.write_comment("before any service");
    r.write_service_type("global type");
    r.begin_service("add", 10);
    r.write_comment("service comment");
    r.write_service_type("service type");
    r.write_requirement("REQ-1");
    r.begin_test("t1", 12, TestRepetition{true, true, 3});
    r.write_comment("test comment");
    r.write_requirement("REQ-2");
    EXPECT_EQ(r.record_number(), 2);

    EXPECT_EQ(r.write_service_header(), 2);
    EXPECT_EQ(r.write_test_header(), 6);
    EXPECT_EQ(r.write_service_header(), 2);  // already written
    EXPECT_EQ(r.write_element(14, 1), 10);
    VariableRecord x{'V', "x", record_form('N', DisplayFormat::decimal), init_value("1"),
                     expected_value("2")};
    EXPECT_EQ(r.record_number(), 11);
    EXPECT_EQ(r.write_variable(15, x), 11);
    EXPECT_EQ(r.write_data_item("coverage"), 12);
    r.write_comment("inside the test");
    r.end_test();
    r.write_comment("between tests");
    r.write_service_type("late type");
    r.end_service();
    r.write_service_type("ignored after the first service");

    EXPECT_EQ(records(), (Lines{"X1 before any service",
                                "E3 global type",
                                "E17 0 10",
                                "E16 0 12",
                                "O2 add",
                                "S3 service type",
                                "C4 service comment",
                                "Q5 REQ-1",
                                "T6 t1",
                                "R7 3",
                                "C8 test comment",
                                "Q9 REQ-2",
                                "E14 0 14",
                                "B10 1",
                                "E12 0 15",
                                "V11 x RA=FORM=ND,INIT=1 VA=2",
                                "D12 6 coverage",
                                "C13 inside the test",
                                "X14 between tests",
                                "S15 late type"}));
}

TEST_F(LinkRecordsTest, NoEditDropsOnlyTheKeptRecordsOfServicesAndTests) {
    LinkRecords& r = open(true);
    r.begin_service("add", 3);
    r.write_comment("kept");
    r.write_requirement("kept too");
    r.begin_test("t1", 4, TestRepetition{true, false, 0});
    r.write_comment("kept for the test");
    r.write_service_header();
    r.write_test_header();
    r.begin_family("FAM_A");
    r.write_comment("kept for the family");
    r.write_family_header();
    EXPECT_EQ(records(), (Lines{"E17 0 3", "E16 0 4", "O1 add", "T2 t1", "R3 ?", "F4 FAM_A",
                                "C5 kept for the family"}));
}

TEST_F(LinkRecordsTest, AnEnumerationIsDescribedOnceAndNumberedInTheOrderMet) {
    LinkRecords& r = open();
    EXPECT_EQ(r.write_numbered('V', "written"), 1);
    EXPECT_EQ(r.enum_type_number("colour", {{"RED", "0"}, {"GREEN", "1"}}), 1);
    EXPECT_EQ(r.enum_type_number("colour", {{"RED", "0"}, {"GREEN", "1"}}), 1);
    EXPECT_EQ(r.enum_type_number("mode", {{"ON", "1"}}), 2);
    EXPECT_EQ(records(), (Lines{"V1 written", "Y1 colour", "Y0 RED", "Y1 GREEN", "Y0 0", "Y2 mode",
                                "Y1 ON", "Y0 0"}));
}

TEST_F(LinkRecordsTest, IncludedScriptsStubsAndModuleHeader) {
    LinkRecords& r = open();
    r.write_dependency("unit.h");
    EXPECT_EQ(r.announce_included_script("/w/common.ptu"), 1);
    r.set_current_file_number(1);
    r.write_stub_call(20, "open_file(name,mode)");
    r.write_stub_parameter_group();
    r.write_stub_parameter("name", StubParameterForm::other);
    r.write_stub_parameter("size", StubParameterForm::integer);
    r.write_stub_parameter("ratio", StubParameterForm::floating);
    r.write_stub_end();
    r.set_current_file_number(0);
    EXPECT_EQ(r.announce_included_script("/w/other.ptu"), 2);

    r.write_module_header({"unit", "1.2", "", "author", ""});
    EXPECT_EQ(reporter().error_count(), 0);
    shown();
    r.write_module_header({"unit", " 1.2 ", "third", "author", "1.3"});
    std::string err = shown();
    EXPECT_EQ(reporter().error_count(), 1);
    EXPECT_NE(err.find("MISMNUVER"), std::string::npos);
    EXPECT_NE(err.find("1.3 / PTU :  1.2 "), std::string::npos) << err;

    EXPECT_EQ(records(),
              (Lines{"I1 unit.h", "E11 1 /w/common.ptu", "E15 1 20", "U2  open_file(name,mode)",
                     "P3", "L4 name RA=FORM=C, INIT=, VA=", "L5 size RA=FORM=CD64, INIT=, VA=",
                     "L6 ratio RA=FORM=CH0, INIT=, VA=", "M0", "E11 2 /w/other.ptu", "E1 unit",
                     "E2 1.2", "E10 author", "E0 unit , 1.2 , author", "E1 unit", "E2 1.3",
                     "E10 author", "E0 unit ,  1.2  , third , author"}));
}

TEST(VariableRecordParts, TextsOfFormsInitialAndExpectedParts) {
    EXPECT_EQ(record_form('N', DisplayFormat::hexadecimal), "FORM=NH");
    EXPECT_EQ(record_form('C', DisplayFormat::sized_unsigned, "16"), "FORM=CU16");
    EXPECT_EQ(record_form('N', DisplayFormat::enumeration, "3"), "FORM=NY3");
    EXPECT_EQ(init_range("1 TO 5"), "INIT=FROM1 TO 5");
    EXPECT_EQ(init_none(), "INIT=? ,");
    EXPECT_EQ(expected_value("2.5", "0.1"), " VA=2.5 +/- 0.1");
    EXPECT_EQ(expected_range("0", "9"), " VA=0<=VA<=9");
    EXPECT_EQ(expected_list(3, "1,2,3"), " VA IN (3) 1,2,3");
    EXPECT_EQ(expected_none(), " VA=?");
}

TEST_F(LinkRecordsTest, ClosingAfterErrorsDeletesTheFile) {
    open().write_record("E8 x");
    records_->close(false);
    EXPECT_FALSE(exists("t.tdc"));
}

TEST_F(LinkRecordsTest, WrittenHeadersAreDescribedInTheReportDescription) {
    ReportDescription description;
    description.open(reporter(), files(), {"k.tsf", "s.ptu", "s.ptu", "k.xrd", "k.xrd"}, "",
                     BannerText{});
    LinkRecords& r = open();
    r.attach_report_description(&description);
    r.begin_service("add", 7);
    r.begin_test("t1", 9);
    r.write_service_header();
    r.write_test_header();
    r.attach_report_description(nullptr);
    r.begin_test("t2", 11);
    r.write_test_header();  // not described any more
    description.close(false);

    Lines lines = after_banner(read_lines("k.tsf"));
    ASSERT_EQ(lines.size(), 24u);
    EXPECT_EQ(lines[5], "SI 9");
    EXPECT_EQ(lines[6], "IN \"VXUS\" 15 \"add\"");  // O1: 4 * 1 + 11
    EXPECT_EQ(lines[7], "LK 7");
    EXPECT_EQ(lines[9], "SI 15");
    EXPECT_EQ(lines[10], "IN \"VXUT\" 19 \"Test t1\"");  // T2: 4 * 2 + 11
    EXPECT_EQ(lines[20], "LK \"Test9\"");
    EXPECT_EQ(lines[21], "TX 20 \"Test result\"");  // 4 * 2 + 12
}

}  // namespace
}  // namespace vx
