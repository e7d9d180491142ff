#include "canalysis/cpp/if_evaluator.h"

#include "canalysis/types/target_model.h"
#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {
namespace {

// An environment that records the warnings instead of raising them.
class RecordingEnvironment : public IfEnvironment {
public:
    explicit RecordingEnvironment(const TargetModel& target) : target_(target) {}
    bool char_unsigned_macro() const override { return char_unsigned; }
    int size_of(std::string_view type_text) const override { return target_.size_of(type_text); }
    void warn(MessageCode code, std::string_view argument) const override {
        warnings.push_back(std::string(vx::message_code_name(code)) + ":" + std::string(argument));
    }

    bool char_unsigned = false;
    mutable std::vector<std::string> warnings;

private:
    const TargetModel& target_;
};

class IfEvaluator : public ::testing::Test {
protected:
    IfValue eval(std::string_view text) {
        environment_.warnings.clear();
        return evaluate_if_expression(text, environment_);
    }
    std::int64_t value(std::string_view text) {
        IfValue v = eval(text);
        EXPECT_TRUE(environment_.warnings.empty()) << text << ": " << environment_.warnings[0];
        return v.value;
    }
    const std::vector<std::string>& warnings() const { return environment_.warnings; }

    TargetModel target_;
    RecordingEnvironment environment_{target_};
};

TEST_F(IfEvaluator, NumbersInEveryBaseWithTheirSuffixes) {
    const std::pair<std::string_view, std::int64_t> cases[] = {
        {"42", 42},   {"052", 42},  {"0x2A", 42}, {"0X2a", 42},  {"0", 0},
        {"42UL", 42}, {"42lu", 42}, {"42ll", 42}, {"42uLL", 42},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(value(text), expected) << text;
    }
    EXPECT_TRUE(eval("1u").is_unsigned);
    EXPECT_FALSE(eval("1L").is_unsigned);
    // Beyond intmax_t a constant is unsigned, as in C.
    EXPECT_TRUE(eval("0xffffffffffffffff").is_unsigned);
    EXPECT_TRUE(eval("18446744073709551615").is_unsigned);
}

TEST_F(IfEvaluator, OperatorsAndPrecedence) {
    EXPECT_EQ(value("1 + 2 * 3"), 7);
    EXPECT_EQ(value("(1 + 2) * 3"), 9);
    EXPECT_EQ(value("10 - 4 - 3"), 3);
    EXPECT_EQ(value("7 / 2"), 3);
    EXPECT_EQ(value("-7 / 2"), -3);  // C truncates
    EXPECT_EQ(value("-7 % 2"), -1);
    EXPECT_EQ(value("1 << 4 >> 2"), 4);
    EXPECT_EQ(value("1 | 2 ^ 3 & 6"), 1 | (2 ^ (3 & 6)));
    EXPECT_EQ(value("3 < 4 == 1"), 1);
    EXPECT_EQ(value("2 >= 3"), 0);
    EXPECT_EQ(value("2 <= 2 && 3 != 4"), 1);
    EXPECT_EQ(value("0 || 0"), 0);
    EXPECT_EQ(value("!0 + ~0"), 0);
    EXPECT_EQ(value("-(-3)"), 3);
    EXPECT_EQ(value("+5"), 5);
    EXPECT_EQ(value("1 ? 2 : 3"), 2);
    EXPECT_EQ(value("0 ? 2 : 0 ? 4 : 5"), 5);
    EXPECT_EQ(value("1, 0"), 0);
    EXPECT_EQ(value("UNDEFINED_NAME + 3"), 3);
    EXPECT_EQ(value("  \t 1\n"), 1);
}

TEST_F(IfEvaluator, SignedAndUnsignedAsCDoes) {
    EXPECT_TRUE(eval("-1 > 0u").truth());
    EXPECT_FALSE(eval("-1 > 0").truth());
    EXPECT_TRUE(eval("-1 < 0").truth());
    EXPECT_EQ(value("-1 / 2u"), static_cast<std::int64_t>(0x7FFFFFFFFFFFFFFFULL));
    // The conditions that real headers ask on a 64-bit target.
    EXPECT_TRUE(eval("0x100000000").truth());
    EXPECT_TRUE(eval("0xffffffffffffffffU > 0xffffffffU").truth());
    EXPECT_TRUE(eval("18446744073709551615UL > 4294967295UL").truth());
    EXPECT_TRUE(eval("(-9223372036854775807L - 1) < 0").truth());
    EXPECT_EQ(value("0x7fffffffffffffff + 1 < 0"), 1);  // wraps, no trap
    // A shift keeps the type of its left operand; counts are C's.
    EXPECT_EQ(value("1 << 40"), std::int64_t{1} << 40);
    EXPECT_EQ(value("-1 >> 63u"), -1);
    EXPECT_EQ(value("0xffffffffffffffff >> 63"), 1);
    EXPECT_EQ(value("1 << 64"), 0);
    EXPECT_EQ(value("-8 >> 100"), -1);
    EXPECT_EQ(value("16 >> -2"), 64);
    EXPECT_TRUE(eval("(1 ? 1u : -1) > 0").truth());
    EXPECT_FALSE(eval("(1 ? 1 : -1) > 0 == 0").truth());
}

TEST_F(IfEvaluator, CharacterConstants) {
    EXPECT_EQ(value("'a'"), 97);
    EXPECT_EQ(value("'\\n'"), 10);
    EXPECT_EQ(value("'\\e'"), 27);
    EXPECT_EQ(value("'\\a' + '\\b' + '\\f' + '\\r' + '\\t' + '\\v'"), 7 + 8 + 12 + 13 + 9 + 11);
    EXPECT_EQ(value("'\\x41'"), 65);
    EXPECT_EQ(value("'\\101'"), 65);
    EXPECT_EQ(value("'\\0'"), 0);
    EXPECT_EQ(value("'\\^A'"), 1);
    EXPECT_EQ(value("'\\^?'"), 127);
    EXPECT_EQ(value("'\\''"), 39);
    EXPECT_EQ(value("'\\q'"), 'q');
    // Plain characters are signed unless the target says otherwise.
    EXPECT_EQ(value("'\\xff'"), -1);
    EXPECT_EQ(value("'\\377' < 0"), 1);
    environment_.char_unsigned = true;
    EXPECT_EQ(value("'\\xff'"), 255);
    environment_.char_unsigned = false;
    EXPECT_EQ(value("L'\\xff'"), 255);
    EXPECT_TRUE(eval("'ab'").is_unsigned);
    EXPECT_EQ(value("'ab'"), ('a' << 8) | 'b');

    IfValue v = eval("'\\x1ff'");
    EXPECT_EQ(v.value, -1);  // the low 8 bits, sign-extended
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "NOFITBYTE:'\\x1ff");
    eval("'\\777' == 0xff");
    EXPECT_EQ(warnings().size(), 1u);
}

TEST_F(IfEvaluator, SizeofAnswersFromTheTargetModel) {
    const std::pair<std::string_view, std::int64_t> cases[] = {
        {"sizeof(long) == 4", 1},      {"sizeof(char)", 1},
        {"sizeof(short)", 2},          {"sizeof ( unsigned int )", 4},
        {"sizeof(long long)", 8},      {"sizeof(unsigned long int)", 4},
        {"sizeof(struct unknown)", 0}, {"sizeof(f(a[2], (b)))", 0},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(value(text), expected) << text;
    }
    target_.set_base_width(BaseInteger::long_type, 64);
    target_.declare_type_size("long", 8);
    target_.declare_type_size("size_t", 8);
    EXPECT_EQ(value("sizeof(long) == 8"), 1);
    EXPECT_EQ(value("sizeof(size_t) * 2"), 16);
    target_.declare_type_size("size_t", 4);
    EXPECT_EQ(value("sizeof(size_t)"), 4);  // the later declaration holds
}

TEST_F(IfEvaluator, ZeroDivisorsAreWarnedAndTakenAsOne) {
    IfValue v = eval("1/0");
    EXPECT_TRUE(v.truth());
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "DIVISZERO:#if");
    EXPECT_EQ(eval("7 % 0").value, 0);
    EXPECT_EQ(warnings()[0], "DIVISZERO:#if");
    // Operands that are never evaluated are not warned about.
    EXPECT_EQ(eval("0 && 1/0").value, 0);
    EXPECT_TRUE(warnings().empty());
    EXPECT_EQ(eval("1 || 1/0").value, 1);
    EXPECT_EQ(eval("1 ? 2 : 3/0").value, 2);
    EXPECT_TRUE(warnings().empty());
    EXPECT_EQ(eval("(-9223372036854775807L - 1) / -1 < 0").value, 1);
    EXPECT_TRUE(warnings().empty());
}

TEST_F(IfEvaluator, MalformedConditionsAreWarnedAndGetAValue) {
    IfValue v = eval("");
    EXPECT_FALSE(v.truth());
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "EMPTYEXPR:#if");
    eval("   ");
    EXPECT_EQ(warnings()[0], "EMPTYEXPR:#if");

    struct Case {
        const char* text;
        const char* shown;
    };
    for (const Case& c : {
             Case{"1.0", "1.0"},
             Case{"1 + 2.5e3", "1 + 2.5e3"},
             Case{"08", "08"},
             Case{"0x", "0x"},
             Case{"12abc", "12abc"},
             Case{"1uu", "1uu"},
             Case{"\"text\" == 1", "\"text\""},
             Case{"1 + @", "1 + @"},
             Case{"1 = 2", "1 ="},
             Case{"(1 + 2", "(1 + 2"},
             Case{"1 +", "1 +"},
             Case{"''", "''"},
             Case{"'abc", "'abc"},
             Case{"sizeof long", "sizeof long"},
             Case{"1 ? 2", "1 ? 2"},
         }) {
        IfValue bad = eval(c.text);
        EXPECT_EQ(bad.value, 0) << c.text;
        ASSERT_EQ(warnings().size(), 1u) << c.text;
        EXPECT_EQ(warnings()[0], std::string("EXPERRONE:") + c.shown) << c.text;
    }
}

TEST_F(IfEvaluator, LongBadConditionsShowTheirLastCharacters) {
    std::string forty(38, '1');
    forty = "(" + forty + "+";  // 40 characters read, then the end
    eval(forty);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "EXPERRONE:" + forty);
    std::string longer = "(" + std::string(50, '2') + " + 1.5";
    eval(longer);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "EXPERRONE:" + longer.substr(longer.size() - 39));
}

TEST_F(IfEvaluator, TextAfterACompleteExpressionIsWarned) {
    IfValue v = eval("1 + 1 )  ");
    EXPECT_EQ(v.value, 2);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0], "ERRAFTEND:)");
    v = eval("3 4 5");
    EXPECT_EQ(v.value, 3);
    EXPECT_EQ(warnings()[0], "ERRAFTEND:4 5");
}

TEST_F(IfEvaluator, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    std::string deep(100000, '(');
    deep += "1";
    IfValue v = eval(deep);
    EXPECT_EQ(v.value, 0);
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0].rfind("EXPERRONE:", 0), 0u);
    std::string unary(100000, '-');
    eval(unary + "1");
    ASSERT_EQ(warnings().size(), 1u);
    EXPECT_EQ(warnings()[0].rfind("EXPERRONE:", 0), 0u);
    std::string ternary;
    for (int i = 0; i < 50000; ++i) ternary += "1 ? ";
    eval(ternary);
    ASSERT_EQ(warnings().size(), 1u);
    // Nesting that real headers use is far below the limit.
    std::string fine(200, '(');
    fine += "1" + std::string(200, ')');
    EXPECT_EQ(value(fine), 1);
}

TEST(IfEvaluatorReporting, TheTargetEnvironmentHandsItsWarningsToItsCaller) {
    testing_support::ReportCapture capture;
    TargetModel target;
    TargetIfEnvironment environment(target, [&](MessageCode code, std::string_view text) {
        capture.reporter().warning(code, text);
    });
    IfValue v = evaluate_if_expression("1/0", environment);
    EXPECT_TRUE(v.truth());
    EXPECT_EQ(capture.reporter().warning_count(), 1);
    std::string out = capture.output();
    EXPECT_NE(out.find("Harnex-W-DIVISZERO,  Division by zero in #if"), std::string::npos) << out;
}

TEST(TargetModel, SizesAndWidths) {
    TargetModel target;
    EXPECT_EQ(target.base_width(BaseInteger::char_type), 8);
    EXPECT_EQ(target.base_width(BaseInteger::short_type), 16);
    EXPECT_EQ(target.base_width(BaseInteger::int_type), 32);
    EXPECT_EQ(target.base_width(BaseInteger::long_type), 32);
    EXPECT_EQ(target.base_width(BaseInteger::long_long_type), 64);
    EXPECT_TRUE(target.plain_char_signed());
    BaseInteger kind;
    EXPECT_TRUE(TargetModel::base_integer_of("longlong", kind));
    EXPECT_EQ(kind, BaseInteger::long_long_type);
    EXPECT_FALSE(TargetModel::base_integer_of("float", kind));
    EXPECT_EQ(target.size_of("signed char"), 1);
    EXPECT_EQ(target.size_of("short int"), 2);
    EXPECT_EQ(target.size_of("unsigned"), 4);
    EXPECT_EQ(target.size_of("long long int"), 8);
    EXPECT_EQ(target.size_of("char *"), 0);
    EXPECT_EQ(target.size_of("float"), 0);
    target.declare_type_size("float", 4);
    target.declare_type_size("unsigned  long", 8);
    EXPECT_EQ(target.size_of("float"), 4);
    EXPECT_EQ(target.declared_size(" unsigned long "), 8);
    EXPECT_EQ(target.declared_size("double"), -1);
    EXPECT_EQ(target.declared_sizes().size(), 2u);
}

}  // namespace
}  // namespace vx
