// Reading link record files: folded records, locations, lookups, refusals.
#include "report/input/link_record_file.h"
#include "support/text.h"
#include "report/input/link_records_testing.h"

#include <gtest/gtest.h>

namespace {

using vx::report::LinkRecordFile;
using vx::report::parse_link_records;
using vx::report::split_variable_text;
using vx::report::testing::sealed;

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
    std::string content = sealed("****\n* banner line *\nE11 0 /s/t.ptu\nE12 0 9\n" + folded +
                                 "M0\nP13\nY1 colour\nY-1 NEG\nY0 0\n");

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
    const std::string content = sealed(
        "E11 0 /work/main.ptu\n"
        "E17 0 3\nE16 0 4\nO1 add\nC2 about add\nT3 t1\nE14 0 5\nB4 1\n"
        "E11 1 /work/inc/more.ptu\nE12 1 7\nV5 x RA=FORM=ND,INIT=1 VA=2\n"
        "E14 0 9\nB6 2\nE22 1\n"
        "E17 0 12\nE16 0 13\nO7 sub\nT8 t2\nE14 0 14\nB9 1\nE22 1\n");
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
    const std::string content = sealed(
        "C0 vexorprepro t.ptu t.c .\nH0 today\nE6  t\nE4  \nE30\n"
        "O5 add\nC5 kept comment\nT6 t1\nE22 1\n");
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
        {"O1 add\nW2 what\n", 2, "unknown link record kind 'W'"},
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

// The end record closes the file: a file without it, with lines lost or
// added, with anything after it, or cut inside it is refused; the twin
// with its end record whole is read, and keeps its stamp.
TEST(LinkRecords, TheEndRecordClosesTheFile) {
    const std::string records = "****\n* banner *\nE16 0 4\nO1 add\nT2 t1\nB3 1\nE22 1\n";
    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(sealed(records, "0123456789abcdef"), file).has_value());
    EXPECT_EQ(file.stamp, "0123456789abcdef");
    ASSERT_FALSE(parse_link_records(records + "Z 7 0123456789abcdef\r\n", file).has_value());

    struct Case {
        std::string content;
        long line;
        std::string message;
    };
    const Case cases[] = {
        {records, 7, "ends without its end record \"Z\""},
        {"", 1, "the link record file is empty"},
        {records + "Z 6 0123456789abcdef\n", 8, "counts 6 line(s) before it, the file has 7"},
        {records + "Z 8 0123456789abcdef\n", 8, "counts 8 line(s)"},
        {records + "Z 7 0123456789abcdef\nO4 more\n", 9, "text after the end record"},
        {records + "Z 7 0123456789abcdef\n\n", 9, "text after the end record"},
        {records + "Z 7 0123456789abcdef", 8, "the end record is cut short"},
        {records + "Z 7 0123456789abcde\n", 8, "is not 16 lowercase hexadecimal digits"},
        {records + "Z 7 0123456789ABCDEF\n", 8, "is not 16 lowercase hexadecimal digits"},
        {records + "Z 7\n", 8, "the end record must be"},
        {records + "Z7 0123456789abcdef\n", 8, "the end record must be"},
        {records + "Z 7  0123456789abcdef\n", 8, "is not 16 lowercase"},
    };
    for (const Case& test : cases) {
        auto failure = parse_link_records(test.content, file);
        ASSERT_TRUE(failure.has_value()) << test.content;
        EXPECT_EQ(failure->line, test.line) << test.content;
        EXPECT_NE(failure->message.find(test.message), std::string::npos)
            << test.content << " -> " << failure->message;
    }
}

// "E22" gives each test its number of runs; a test without it, or a
// product that is not one, is refused.
TEST(LinkRecords, EachTestHasItsNumberOfRuns) {
    const std::string content = sealed(
        "O1 add\nT2 once\nB3 1\nE22 1\n"
        "T4 looped\nR5 ?\nB6 1\nB7 2\nE22 2*R5*3\n"
        "T8 never\nB9 1\nE22 0\n");
    LinkRecordFile file;
    auto failure = parse_link_records(content, file);
    ASSERT_FALSE(failure.has_value()) << failure->line << ": " << failure->message;
    ASSERT_NE(file.runs_of_test(2), nullptr);
    EXPECT_EQ(file.runs_of_test(2)->constant, 1);
    EXPECT_TRUE(file.runs_of_test(2)->repetitions.empty());
    ASSERT_NE(file.runs_of_test(4), nullptr);
    EXPECT_EQ(file.runs_of_test(4)->constant, 6);
    EXPECT_EQ(file.runs_of_test(4)->repetitions, std::vector<long>{5});
    EXPECT_EQ(file.runs_of_test(8)->constant, 0);
    EXPECT_EQ(file.runs_of_test(3), nullptr);

    struct Case {
        std::string records;
        long line;
        std::string message;
    };
    const Case cases[] = {
        {"O1 add\nT2 t1\nB3 1\n", 2, "test record 2 \"t1\" has no record E22"},
        {"O1 add\nT2 t1\nB3 1\nE22 1\nT4 t2\nB5 1\n", 5, "test record 4 \"t2\" has no record E22"},
        {"O1 add\nE22 1\nT2 t1\n", 2, "comes before any test record"},
        {"O1 add\nT2 t1\nE22 1\nE22 1\n", 4, "has a second number of runs"},
        {"O1 add\nT2 t1\nE22 1\nO3 sub\nE22 1\n", 5, "comes before any test record"},
        {"O1 add\nT2 t1\nB3 1\nE22 R3\n", 2, "names R3, which is not a repetition record"},
        {"O1 add\nT2 t1\nE22 R9\n", 2, "names R9, which is not a repetition record"},
    };
    for (const Case& test : cases) {
        failure = parse_link_records(sealed(test.records), file);
        ASSERT_TRUE(failure.has_value()) << test.records;
        EXPECT_EQ(failure->line, test.line) << test.records;
        EXPECT_NE(failure->message.find(test.message), std::string::npos)
            << test.records << " -> " << failure->message;
    }
    for (const char* product : {"", "x", "2*", "*2", "2**3", "R", "-1", "2*R", "1.5", "2 * 3",
                                "99999999999*99999999999"}) {
        failure = parse_link_records(
            sealed("O1 add\nT2 t1\nR3 ?\nE22 " + std::string(product) + "\n"), file);
        ASSERT_TRUE(failure.has_value()) << product;
        EXPECT_EQ(failure->line, 4) << product;
        EXPECT_NE(failure->message.find("number of runs"), std::string::npos) << failure->message;
    }
}

TEST(LinkRecords, VariablesBelongToTheElementBeforeThem) {
    const std::string content = sealed(
        "E11 0 /w/t.ptu\nO1 add\nE16 0 3\nT2 t1\nE14 0 4\nB3 1\nV4 x RA=\nA5 tab RA=\n"
        "V6 tab[0] RA=\nE14 0 8\nB7 2\nV8 y RA=\nV9 env RA=\nE22 1\n"
        "E16 0 12\nT10 t2\nE14 0 13\nB11 1\nV12 z RA=\nE22 1\n"
        "U13  stub(p)\nP14\nL15 p RA=\n");
    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(content, file).has_value());
    EXPECT_EQ(file.element_of_variable(4), 3);
    EXPECT_EQ(file.element_of_variable(5), 3);
    EXPECT_EQ(file.element_of_variable(6), 3);
    EXPECT_EQ(file.element_of_variable(8), 7);
    EXPECT_EQ(file.element_of_variable(9), 7);  // an environment's, after the element's own
    EXPECT_EQ(file.element_of_variable(12), 11);
    EXPECT_EQ(file.element_of_variable(15), 0);  // stub parameters belong to no element
    EXPECT_EQ(file.element_text(7, 2), "element 2 (t.ptu:8)");
    EXPECT_EQ(file.element_text(11, 2), "element 1 of test \"t2\" (t.ptu:13)");
}

}  // namespace

namespace {

// The fingerprint of a script: FNV-1a over all its bytes, as the "E23"
// record carries it.
TEST(LinkRecords, ScriptFingerprintsAreReadPerFile) {
    using vx::fnv1a_64;
    EXPECT_EQ(fnv1a_64(""), 0xcbf29ce484222325ULL);
    EXPECT_EQ(fnv1a_64("a"), 0xaf63dc4c8601ec8cULL);
    EXPECT_EQ(fnv1a_64("foobar"), 0x85944171f73967e8ULL);
    EXPECT_EQ(vx::report::fingerprint_of("foobar").size, 6u);

    // The end record counts the E23 lines as any other; a file without
    // them is read too, with no fingerprint.
    LinkRecordFile file;
    ASSERT_FALSE(parse_link_records(sealed("E11 0 /s/t.ptu\nE23 0 6 85944171f73967e8\n"
                                           "E11 1 /s/inc.ptu\nE23 1 0 cbf29ce484222325\n"
                                           "E6  t\n"),
                                    file)
                     .has_value());
    ASSERT_NE(file.script_fingerprint(0), nullptr);
    EXPECT_EQ(file.script_fingerprint(0)->size, 6u);
    EXPECT_EQ(file.script_fingerprint(0)->hash, 0x85944171f73967e8ULL);
    ASSERT_NE(file.script_fingerprint(1), nullptr);
    EXPECT_EQ(file.script_fingerprint(1)->size, 0u);
    EXPECT_EQ(file.script_fingerprint(2), nullptr);
    EXPECT_EQ(file.script_paths(), (std::vector<std::string>{"/s/t.ptu", "/s/inc.ptu"}));
    ASSERT_FALSE(parse_link_records(sealed("E11 0 /s/t.ptu\nE6  t\n"), file).has_value());
    EXPECT_EQ(file.script_fingerprint(0), nullptr);

    // Lines lost or added around them are still seen by the count.
    std::string added = sealed("E11 0 /s/t.ptu\nE23 0 6 85944171f73967e8\n");
    added.insert(added.find("E23"), "E23 0 6 85944171f73967e8\n");
    EXPECT_TRUE(parse_link_records(added, file).has_value());

    for (const char* damaged :
         {"E23 0 6", "E23 0 6 85944171F73967E8", "E23 0 6 85944171f73967e",
          "E23 0 -6 85944171f73967e8", "E23 x 6 85944171f73967e8", "E23 0 6  85944171f73967e8",
          "E23 0 6 85944171f73967e8 x", "E23 0 99999999999999999999999 85944171f73967e8"}) {
        auto failure =
            parse_link_records(sealed(std::string("E11 0 /s/t.ptu\n") + damaged + "\n"), file);
        ASSERT_TRUE(failure.has_value()) << damaged;
        EXPECT_EQ(failure->line, 2) << damaged;
        EXPECT_NE(failure->message.find("E23"), std::string::npos) << failure->message;
    }
}

}  // namespace
