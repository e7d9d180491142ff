#include "script/statements/stub_statement.h"

#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

TEST(StubStatement, CallsValuesAndReturnAsWritten) {
    ReportCapture capture;
    StubCall call;
    ASSERT_TRUE(
        parse_stub_call(capture.reporter(), "  read_sensor 2..4 ( 3 , f(1, 2) ) x + 1 ", call));
    EXPECT_EQ(call.name, "read_sensor");
    EXPECT_EQ(call.first, 2);
    EXPECT_EQ(call.last, 4);
    EXPECT_TRUE(call.has_list);
    // Commas inside brackets belong to their value.
    EXPECT_EQ(call.values, (std::vector<std::string>{"3", "f(1, 2)"}));
    EXPECT_EQ(call.return_value, std::optional<std::string>("x + 1"));

    StubCall both;
    ASSERT_TRUE(
        parse_stub_call(capture.reporter(), "exchange 7 ({1, 2} => [others => 0], , 3)", both));
    EXPECT_EQ(both.first, 7);
    EXPECT_EQ(both.last, 7);
    // An empty value between two commas is kept: that input is unchecked.
    EXPECT_EQ(both.values, (std::vector<std::string>{"{1, 2} => [others => 0]", "", "3"}));
    EXPECT_FALSE(both.return_value);

    StubCall bare;
    ASSERT_TRUE(parse_stub_call(capture.reporter(), "tick", bare));
    EXPECT_FALSE(bare.has_list);
    EXPECT_EQ(bare.first, 0);
    StubCall empty;
    ASSERT_TRUE(parse_stub_call(capture.reporter(), "tick ( ) 0", empty));
    EXPECT_TRUE(empty.has_list);
    EXPECT_TRUE(empty.values.empty());
    EXPECT_EQ(capture.output(), "");
}

TEST(StubStatement, WhatCannotBeReadIsReportedAndDropped) {
    struct Case {
        const char* text;
        const char* code;
    };
    for (const Case& c :
         {Case{"(1) 0", "Harnex-W-STXMETAIN"}, Case{"f 0 (1)", "Harnex-W-NBAPPMUET"},
          Case{"f 2.. (1)", "Harnex-W-NBAPPMUET"}, Case{"f 999999999999 (1)", "Harnex-W-NBAPPMUET"},
          Case{"f (1, g(2)", "Harnex-W-LISPARINC"}}) {
        ReportCapture capture;
        StubCall call;
        EXPECT_FALSE(parse_stub_call(capture.reporter(), c.text, call)) << c.text;
        EXPECT_EQ(capture.output().rfind(c.code, 0), 0u) << c.text;
    }
}

}  // namespace
}  // namespace vx
