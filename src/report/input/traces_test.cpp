// Reading traces files: every line kind with its display images, and the
// refusal of damaged files with the line that is wrong.
#include "report/verdict_testing.h"
#include "report/input/traces.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <tuple>

namespace {

using vx::report::Outcome;
using vx::report::parse_traces;
using vx::report::TraceKind;
using vx::report::TraceLine;
using vx::report::TracesFile;
using vx::report::ValueType;

std::string with_end(const std::string& body) {
    long lines = 1 + static_cast<long>(std::count(body.begin(), body.end(), '\n'));
    return "VXU-TRACES 1\n" + body + "F " + std::to_string(lines) + "\n";
}

TEST(Traces, EveryLineKindIsReadWithDisplayImages) {
    const std::string body =
        "O 1 \"add\"\nT 2 \"t 1\"\nR 9 3\nS\nZ 17\nZ -\n"
        "I 4 int/16 -255\n"
        "C 4 int/2 1 0 ok 5 5 5\n"
        "C 4 int/8 1 1 KO 8 0 7\n"
        "C 5 uns/10 0 1 -- 18446744073709551615 0 0\n"
        "C 6 char 1 0 KO 10 39 200\n"
        "C 7 bool 1 0 ok 1 1 1\n"
        "C 8 float 1 1 KO nan -inf 1.5e-07\n"
        "C 9 str 1 0 KO \"a\\\"b\\\\c\\n\\x01\"~ @4096\"zz\" NULL\n"
        "C 10 ptr 1 0 ok 0x7ffd1234 NONIL NONIL\n"
        "C 11 fptr 1 0 ok NILFUNC NILFUNC FUNC\n"
        "K 2 1\nM 14 3 1\n[ 3\n] 3\nA 3\na 3\nN 3\nn 3\nX 3\nW \"cut\"\nE\n";
    TracesFile traces;
    auto failure = parse_traces(with_end(body), traces);
    ASSERT_FALSE(failure.has_value()) << failure->line << ": " << failure->message;
    EXPECT_TRUE(traces.complete);
    const auto& lines = traces.lines;
    ASSERT_EQ(lines.size(), 28u);
    EXPECT_EQ(lines[1].kind, TraceKind::test);
    EXPECT_EQ(lines[1].text, "t 1");
    EXPECT_EQ(lines[1].line, 3);
    EXPECT_EQ(lines[2].value, 3);
    EXPECT_TRUE(lines[4].has_value);
    EXPECT_FALSE(lines[5].has_value);
    EXPECT_EQ(lines[7].outcome, Outcome::passed);
    EXPECT_TRUE(lines[8].range);
    EXPECT_EQ(lines[8].outcome, Outcome::failed);
    EXPECT_EQ(lines[9].outcome, Outcome::recorded);
    EXPECT_EQ(lines[13].type, ValueType::string);
    EXPECT_EQ(lines[16].kind, TraceKind::stub_context);
    EXPECT_EQ(lines[16].record, 2);
    // The display images of the values, by line and field.
    const std::tuple<std::size_t, std::string TraceLine::*, std::string_view> images[] = {
        {6, &TraceLine::obtained, "-0xFF"},
        {7, &TraceLine::obtained, "0b101"},
        {8, &TraceLine::obtained, "010"},
        {8, &TraceLine::low, "0"},
        {9, &TraceLine::obtained, "18446744073709551615"},
        {10, &TraceLine::obtained, "'\\n'"},
        {10, &TraceLine::low, "'\\''"},
        {10, &TraceLine::high, "'\\xc8'"},
        {11, &TraceLine::obtained, "true"},
        {12, &TraceLine::obtained, "nan"},
        {12, &TraceLine::high, "1.5e-07"},
        {13, &TraceLine::obtained, "\"a\\\"b\\\\c\\n\\x01\"..."},
        {13, &TraceLine::low, "...\"zz\" (from character 4097)"},
        {13, &TraceLine::high, "NULL"},
        {15, &TraceLine::high, "FUNC"},
    };
    for (const auto& [index, field, expected] : images) {
        EXPECT_EQ(lines[index].*field, expected) << "line " << index;
    }
    EXPECT_EQ(lines[16].value, 1);
    EXPECT_TRUE(lines[17].flag);
    EXPECT_EQ(lines[24].kind, TraceKind::interruption);
    EXPECT_EQ(lines[25].text, "cut");
}

TEST(Traces, WindowsLineEndsAreAccepted) {
    TracesFile traces;
    EXPECT_FALSE(parse_traces("VXU-TRACES 1\r\nS\r\nF 2\r\n", traces).has_value());
    EXPECT_TRUE(traces.complete);
}

TEST(Traces, AFileWithoutItsEndLineIsReadButIncomplete) {
    TracesFile traces;
    EXPECT_FALSE(parse_traces("VXU-TRACES 1\nO 1 \"a\"\nS\n", traces).has_value());
    EXPECT_FALSE(traces.complete);
    EXPECT_EQ(traces.line_count, 3);
}

TEST(Traces, DamagedFilesAreRefusedWithTheirLine) {
    struct Case {
        std::string content;
        long line;
        std::string message;
    };
    const std::string head = "VXU-TRACES 1\n";
    const Case cases[] = {
        {"", 0, "the traces file is empty"},
        {"hello\n", 1, "not a traces file"},
        {"VXU-TRACES 4\n", 1, "traces format \"VXU-TRACES 4\" is not known"},
        {"VXU-TRA", 1, "the line is cut short"},
        {head + "J 1\n", 2, "unknown trace kind 'J'"},
        {head + "Q 1 crashed 11\n", 2, "unknown way for a test to end \"crashed\""},
        {head + "Q 1 signal \"x\"\n", 2, "bad detail"},
        {head + "G 0\n", 2, "bad record number"},
        {head + "\n", 2, "empty line"},
        {head + "S\nO 1 \"a\x80\"\n", 3, "unexpected byte 0x80 in column 7"},
        {head + "O 1 \"a\\q\"\n", 2, "unknown escape \\q"},
        {head + "O 1 \"abc\n", 2, "a quoted string is not closed"},
        {head + "O 1 \"a\\x4\"\n", 2, "bad \\x escape"},
        {head + "O 1 \"a\"b\n", 2, "text after a quoted string"},
        {head + "O  1 \"a\"\n", 2, "empty field"},
        {head + "O1 \"a\"\n", 2, "fields must be separated by one blank"},
        {head + "O 1 a\n", 2, "the name must be a quoted string"},
        {head + "O 0 \"a\"\n", 2, "bad record number"},
        {head + "S 1\n", 2, "has 0 field(s), this one has 1"},
        {head + "C 4 int/10 2 0 ok 1 1 1\n", 2, "bad check flag"},
        {head + "C 4 int/10 0 0 ok 1 1 1\n", 2, "contradicts check flag 0"},
        {head + "C 4 int/10 1 0 maybe 1 1 1\n", 2, "unknown verdict"},
        {head + "C 4 int/7 1 0 ok 1 1 1\n", 2, "unknown value type \"int/7\""},
        {head + "C 4 char/16 1 0 ok 1 1 1\n", 2, "unknown value type"},
        {head + "C 4 int/10 1 0 ok 12a 1 1\n", 2, "bad value \"12a\""},
        {head + "C 4 int/10 1 0 ok 99999999999999999999 1 1\n", 2, "bad value"},
        {head + "C 4 char 1 0 ok 256 1 1\n", 2, "bad value \"256\""},
        {head + "C 4 float 1 0 ok 1.2.3 1 1\n", 2, "bad value \"1.2.3\""},
        {head + "C 4 str 1 0 ok abc \"\" \"\"\n", 2, "bad value \"abc\""},
        {head + "C 4 ptr 1 0 ok 0xZZ NIL NIL\n", 2, "bad value \"0xZZ\""},
        {head + "C 4 str 1 0 ok @x\"a\" \"\" \"\"\n", 2, "\"@\" must be followed"},
        {head + "M 3 1 2\n", 2, "bad call result"},
        {head + "F 1\nS\n", 3, "text after the end line"},
        {head + "S\nF 5\n", 3, "the end line counts 5 line(s) before it, the file has 2"},
    };
    for (const Case& test : cases) {
        TracesFile traces;
        auto failure = parse_traces(test.content, traces);
        ASSERT_TRUE(failure.has_value()) << test.content;
        EXPECT_EQ(failure->line, test.line) << test.content;
        EXPECT_NE(failure->message.find(test.message), std::string::npos)
            << test.content << " -> " << failure->message;
    }
}

// Version 3 carries the stamp of the compilation right after its header;
// versions 1 and 2 are still read, without one.
TEST(Traces, TheStampLineFollowsTheHeaderOfVersionThree) {
    TracesFile traces;
    ASSERT_FALSE(parse_traces("VXU-TRACES 3\nH 5eed5eed5eed5eed\nS\nF 3\n", traces).has_value());
    EXPECT_EQ(traces.version, 3);
    EXPECT_EQ(traces.stamp, "5eed5eed5eed5eed");
    ASSERT_EQ(traces.lines.size(), 2u);  // the stamp is no event, but counts as a line
    EXPECT_EQ(traces.lines[0].line, 3);
    ASSERT_FALSE(parse_traces("VXU-TRACES 3\nS\nF 2\n", traces).has_value());
    EXPECT_EQ(traces.stamp, "");
    ASSERT_FALSE(parse_traces("VXU-TRACES 2\nS\nF 2\n", traces).has_value());
    EXPECT_EQ(traces.version, 2);
    // Cut right after the stamp: read, incomplete.
    ASSERT_FALSE(parse_traces("VXU-TRACES 3\nH 5eed5eed5eed5eed\n", traces).has_value());
    EXPECT_FALSE(traces.complete);
    EXPECT_EQ(traces.stamp, "5eed5eed5eed5eed");

    const std::pair<std::string, std::string> refused[] = {
        {"VXU-TRACES 3\nS\nH 5eed5eed5eed5eed\nF 3\n", "may only follow the header"},
        {"VXU-TRACES 2\nH 5eed5eed5eed5eed\nF 2\n", "may only follow the header"},
        {"VXU-TRACES 3\nH 5EED5EED5EED5EED\nF 2\n", "16 lowercase hexadecimal digits"},
        {"VXU-TRACES 3\nH 5eed5eed5eed5ee\nF 2\n", "16 lowercase hexadecimal digits"},
        {"VXU-TRACES 3\nH5eed5eed5eed5eed\nF 2\n", "16 lowercase hexadecimal digits"},
        {"VXU-TRACES 3\nH 5eed5eed5eed5eed \nF 2\n", "16 lowercase hexadecimal digits"},
    };
    for (const auto& [content, message] : refused) {
        auto failure = parse_traces(content, traces);
        ASSERT_TRUE(failure.has_value()) << content;
        EXPECT_NE(failure->message.find(message), std::string::npos)
            << content << " -> " << failure->message;
    }
}

TEST(Traces, LongDoublesAreReadLikeDoubles) {
    TracesFile traces;
    auto failure = parse_traces(with_end("C 4 ldouble 1 1 ok 3.14159265358979324 3.1 3.2\n"
                                         "C 4 ldouble 1 0 KO nan inf -inf\nI 4 ldouble 1e-4000\n"),
                                traces);
    ASSERT_FALSE(failure.has_value()) << failure->message;
    ASSERT_EQ(traces.lines.size(), 4u);
    EXPECT_EQ(traces.lines[0].type, ValueType::long_double);
    EXPECT_EQ(traces.lines[0].obtained, "3.14159265358979324");
    EXPECT_EQ(traces.lines[1].low, "inf");
    EXPECT_EQ(traces.lines[1].high, "-inf");
    EXPECT_EQ(traces.lines[2].obtained, "1e-4000");
    for (const char* value : {"0x1p3", "1.5L", "\"1\"", "ldouble"}) {
        EXPECT_TRUE(parse_traces(with_end(std::string("I 4 ldouble ") + value + "\n"), traces))
            << value;
    }
    EXPECT_TRUE(parse_traces(with_end("I 4 ldouble/10 1\n"), traces));
}

}  // namespace
