// Reading link record files: folded records, locations, lookups, refusals.
#include "report/input/link_record_file.h"

#include <gtest/gtest.h>

namespace {

using vx::report::LinkRecordFile;
using vx::report::parse_link_records;
using vx::report::split_variable_text;

constexpr std::size_t record_width = 132;

// Folds one record the way the compiler writes it: 132 characters, then
// "&" + at most 131 characters per line.
std::string fold(const std::string& record) {
    std::string lines = record.substr(0, record_width) + "\n";
    for (std::size_t at = record_width; at < record.size(); at += record_width - 1) {
        lines += "&" + record.substr(at, record_width - 1) + "\n";
    }
    return lines;
}

TEST(LinkRecords, FoldedRecordsAreJoinedAndNumbered) {
    std::string record = "V12 long_name RA=FORM=ND,INIT=? , VA=";
    while (record.size() < 300) {
        record += std::to_string(record.size() % 10);
    }
    std::string folded = fold(record);
    ASSERT_EQ(std::count(folded.begin(), folded.end(), '\n'), 3);
    std::string content = "****\n* banner line *\nE11 0 /s/t.ptu\nE12 0 9\n" + folded +
                          "M0\nP13\nY1 colour\nY-1 NEG\nY0 0\n";

    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(content, file).has_value());
    const vx::report::LinkRecord* variable = file.numbered(12);
    ASSERT_NE(variable, nullptr);
    EXPECT_EQ(variable->kind, 'V');
    EXPECT_EQ(variable->text, record.substr(4));
    EXPECT_EQ(variable->file_line, 5);
    EXPECT_EQ(split_variable_text(variable->text).name, "long_name");
    EXPECT_EQ(file.location_text(variable->location), "t.ptu:9");
    ASSERT_NE(file.numbered(13), nullptr);
    EXPECT_EQ(file.numbered(13)->kind, 'P');
}

TEST(LinkRecords, EachRecordKeepsTheLocationOfItsOwnStatement) {
    const std::string content =
        "E11 0 /work/main.ptu\n"
        "E17 0 3\nE16 0 4\nO1 add\nC2 about add\nT3 t1\nE14 0 5\nB4 1\n"
        "E11 1 /work/inc/more.ptu\nE12 1 7\nV5 x RA=FORM=ND,INIT=1 VA=2\n"
        "E14 0 9\nB6 2\n"
        "E17 0 12\nE16 0 13\nO7 sub\nT8 t2\nE14 0 14\nB9 1\n";
    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(content, file).has_value());
    EXPECT_EQ(file.location_text(file.numbered(1)->location), "main.ptu:3");
    EXPECT_EQ(file.location_text(file.numbered(3)->location), "main.ptu:4");
    EXPECT_EQ(file.location_text(file.numbered(4)->location), "main.ptu:5");
    EXPECT_EQ(file.location_text(file.numbered(5)->location), "more.ptu:7");
    EXPECT_FALSE(file.numbered(2)->location.known());
    EXPECT_EQ(file.script_path(1), "/work/inc/more.ptu");

    ASSERT_NE(file.service_of_test(3), nullptr);
    EXPECT_EQ(file.service_of_test(3)->text, "add");
    EXPECT_EQ(file.service_of_test(8)->text, "sub");
    auto elements = file.elements_of_test(3);
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[1]->number, 6);
    EXPECT_EQ(file.elements_of_test(8).size(), 1u);
}

TEST(LinkRecords, HeaderRecordsAndSharedNumbersUnderNoedit) {
    const std::string content =
        "C0 vexorprepro t.ptu t.c .\nH0 today\nE6  t\nE4  \nE30\n"
        "O5 add\nC5 kept comment\nT6 t1\n";
    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(content, file).has_value());
    EXPECT_EQ(file.script_base(), "t");
    EXPECT_EQ(file.numbered(0), nullptr);
    ASSERT_NE(file.numbered(5), nullptr);
    EXPECT_EQ(file.numbered(5)->kind, 'O');
}

TEST(LinkRecords, VariableTextsGiveNameAndExpectedValue) {
    auto plain = split_variable_text("x RA=FORM=ND,INIT=1 VA=2");
    EXPECT_EQ(plain.name, "x");
    EXPECT_EQ(plain.expected, "2");
    auto delta = split_variable_text("a[i + 1] RA=FORM=NF6,INIT=? , VA=1 +/- 0.5");
    EXPECT_EQ(delta.name, "a[i + 1]");
    EXPECT_EQ(delta.expected, "1 +/- 0.5");
    EXPECT_EQ(split_variable_text("t RA=FORM=ND,INIT=? , VA IN (3) 1,2,3").expected,
              "IN (3) 1,2,3");
    EXPECT_EQ(split_variable_text("p RA=FORM=CD64, INIT=, VA=").expected, "");
    EXPECT_EQ(split_variable_text(" lonely ").name, "lonely");
}

TEST(LinkRecords, DamagedFilesAreRefusedWithTheirLine) {
    struct Case {
        std::string content;
        long line;
        std::string message;
    };
    const Case cases[] = {
        {"O1 add\nZ2 what\n", 2, "unknown link record kind 'Z'"},
        {"*banner\n&continued\n", 2, "continuation line"},
        {"O1 add\nV x RA=\n", 2, "has no number"},
        {"O1add\n", 1, "a blank must follow the number"},
        {"E12 0\n", 1, "needs a file number and a line number"},
        {"E12 0 7x\n", 1, "needs a file number and a line number"},
        {"E16 x 7\n", 1, "has no file number"},
        {std::string("O1 a\0b\n", 7), 1, "control character 0x00"},
        {"O99999999999999999999999 big\n", 1, "has no number"},
    };
    for (const Case& test : cases) {
        LinkRecordFile file;
        auto failure = parse_link_records(test.content, file);
        ASSERT_TRUE(failure.has_value()) << test.content;
        EXPECT_EQ(failure->line, test.line) << test.content;
        EXPECT_NE(failure->message.find(test.message), std::string::npos) << failure->message;
    }
}

}  // namespace
