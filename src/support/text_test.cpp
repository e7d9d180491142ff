#include "support/text.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>

namespace vx {
namespace {

TEST(Text, TrimBoundsSkipsSpacesAndTabsOnly) {
    TrimBounds bounds = trim_bounds(" \t ab c\t \n");
    // A line feed is not a blank: it stays in the trimmed text.
    EXPECT_EQ(bounds.start, 3u);
    EXPECT_EQ(bounds.length, 7u);

    bounds = trim_bounds(" \t  ");
    EXPECT_EQ(bounds.length, 0u);
}

// The readers trim different blanks: script text spaces and tabs, C text
// the white space within its line or all of it. A text of blanks only is
// empty after trimming, whatever the set.
TEST(Text, EachReaderTrimsItsOwnBlanks) {
    const std::string_view text = " \t\v x\f \r\n";
    EXPECT_EQ(trimmed(text), "\v x\f \r\n");
    EXPECT_EQ(trimmed(text, script_blanks), trimmed(text));
    EXPECT_EQ(trimmed(text, c_line_blanks), "x\f \r\n");
    EXPECT_EQ(trimmed(text, c_blanks), "x");
    EXPECT_EQ(trimmed(" \n\t", c_blanks), "");
    EXPECT_EQ(trimmed("", c_blanks), "");
    EXPECT_EQ(trimmed_end(" x \t\r", " \t\r"), " x");
    EXPECT_EQ(trimmed_end("\r\r", " \t\r"), "");
    // A NUL byte is no blank.
    EXPECT_EQ(trimmed(std::string_view(" \0 ", 3), c_blanks), std::string_view("\0", 1));
}

TEST(Text, EditDistanceCountsAddedRemovedChangedAndSwappedLetters) {
    EXPECT_EQ(edit_distance_ignoring_case("LANGUAGE", "language"), 0u);
    EXPECT_EQ(edit_distance_ignoring_case("LANGUGE", "LANGUAGE"), 1u);  // one missing
    EXPECT_EQ(edit_distance_ignoring_case("SERVICEE", "SERVICE"), 1u);  // one added
    EXPECT_EQ(edit_distance_ignoring_case("SERVIDE", "SERVICE"), 1u);   // one changed
    EXPECT_EQ(edit_distance_ignoring_case("SEVRICE", "SERVICE"), 1u);   // two swapped
    EXPECT_EQ(edit_distance_ignoring_case("", "TEST"), 4u);
    EXPECT_EQ(edit_distance_ignoring_case("TEST", ""), 4u);
    EXPECT_EQ(edit_distance_ignoring_case("FAMILLE", "FAMILY"), 2u);
    EXPECT_EQ(edit_distance_ignoring_case("abc", "xyz"), 3u);
}

// A name is offered for a misspelt word only when at most one letter in
// three of it differs; of two as near, the first listed.
TEST(Text, TheNearestSpellingIsNearEnoughOrNone) {
    EXPECT_TRUE(spelt_near("EV", "VE"));
    EXPECT_FALSE(spelt_near("XY", "EV"));
    EXPECT_TRUE(spelt_near("LANGUGE", "LANGUAGE"));
    EXPECT_FALSE(spelt_near("LNGGE", "LANGUAGE"));
    const std::vector<std::string> names = {"FAMILY", "FAMILLE", "TEST"};
    EXPECT_EQ(nearest_spelling("FAMILE", names), "FAMILY");
    EXPECT_EQ(nearest_spelling("famille", names), "FAMILLE");
    EXPECT_EQ(nearest_spelling("QQQQ", names), "");
}

TEST(Text, DigitsAndHexadecimalValues) {
    static_assert(hex_value('f') == 15 && hex_value('F') == 15 && hex_value('0') == 0);
    // "\xB2" is the superscript two of Latin-1.
    for (char c : std::string_view("/:@G`g\xB2\xFF ")) {
        EXPECT_FALSE(is_digit(c)) << c;
        EXPECT_EQ(hex_value(c), -1) << c;
    }
    for (char c = '0'; c <= '9'; ++c) {
        EXPECT_TRUE(is_digit(c));
        EXPECT_EQ(hex_value(c), c - '0');
    }
    EXPECT_EQ(hex_value('a'), 10);
    EXPECT_EQ(hex_value('E'), 14);
    EXPECT_FALSE(is_digit('a'));
}

struct WordCase {
    const char* text;
    const char* word;
    const char* rest;
};

TEST(Text, SplitWordCutsTheLeadingWord) {
    const WordCase cases[] = {
        {"  Var   x = 3  ", "VAR", "x = 3"},
        {"(a, b)", "", "(a, b)"},
        {"  (a, b) ", "", "(a, b)"},
        {"END_TEST;", "END_TEST", ";"},
        {"end_test ; x", "END_TEST", "; x"},
        {"$ptr_1\tValue", "$PTR_1", "Value"},
        {"Word", "WORD", ""},
        {"", "", ""},
        {"\xE9t\xE9 x", "", "\xE9t\xE9 x"},
        {"a\xE9", "A", "\xE9"},
    };
    for (const WordCase& c : cases) {
        std::string word = "stale";
        std::string rest = "stale";
        split_word(c.text, word, rest);
        EXPECT_EQ(word, c.word) << c.text;
        EXPECT_EQ(rest, c.rest) << c.text;
    }
}

TEST(Text, SplitWordPeelsABufferInPlace) {
    std::string statement = "  var  x , init = 3 ";
    std::string word;
    split_word(statement, word, statement);
    EXPECT_EQ(word, "VAR");
    EXPECT_EQ(statement, "x , init = 3");
    split_word(statement, word, statement);
    EXPECT_EQ(word, "X");
    EXPECT_EQ(statement, ", init = 3");
}

TEST(Text, CaseConversionTouchesAsciiLettersOnly) {
    std::string text = "Abz_09\xE9\xC9[`{@";
    to_upper(text);
    EXPECT_EQ(text, "ABZ_09\xE9\xC9[`{@");
    to_lower(text);
    EXPECT_EQ(text, "abz_09\xE9\xC9[`{@");
}

TEST(UpperCopy, CopiesInCapitals) { EXPECT_EQ(upper_copy("Loop_3x"), "LOOP_3X"); }

// Text from outside that reaches generated C keeps its meaning and cannot
// end the literal or the comment it stands in.
TEST(GeneratedCText, StringLiteralsMeanExactlyTheirBytes) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"plain/path.rio", "plain/path.rio"},
        {"a\"b\\c", "a\\\"b\\\\c"},
        {"x?\?/y", "x?\\?/y"},
        {"???", "?\\?\\?"},
        {"line\nnext", "line\\nnext"},
        {"\x1b[m\x7f", "\\033[m\\177"},
        {"\xc3\xa9", "\xc3\xa9"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(c_string_text(text), expected) << text;
    }
    // An octal escape always has three digits: a digit after it stays a
    // character of its own.
    EXPECT_EQ(c_string_text(std::string("a\0"
                                        "1",
                                        3)),
              "a\\0001");
}

TEST(GeneratedCText, CommentsCannotBeClosedOrNested) {
    EXPECT_EQ(comment_text("-STRVER=x*/ int evil; /*"), "-STRVER=x* / int evil; / *");
    EXPECT_EQ(comment_text("a/*/b"), "a/ * /b");
    EXPECT_EQ(comment_text("**//**"), "** // **");
    EXPECT_EQ(comment_text("two\nlines\r"), "two?lines?");
    EXPECT_EQ(comment_text("a / b * c"), "a / b * c");
    for (std::string_view text : {"*/", "x*/*/", "/*/", "*//*"}) {
        const std::string safe = comment_text(text);
        EXPECT_EQ(safe.find("*/"), std::string::npos) << text;
        EXPECT_EQ(safe.find("/*"), std::string::npos) << text;
    }
}

TEST(GeneratedCText, LiteralsKeepTheirMeaningThroughThePreprocessor) {
    EXPECT_EQ(c_literals_reescaped(std::string("x, INIT = \"a\0b\"", 15)), "x, INIT = \"a\\000b\"");
    EXPECT_EQ(c_literals_reescaped("EV = \"c?\?/\""), "EV = \"c?\\?/\"");
    EXPECT_EQ(c_literals_reescaped("'?' ?? \"\\?\?\""), "'?' ?? \"\\?\\?\"");
    // Escapes are kept; a backslash before a control character is itself.
    EXPECT_EQ(c_literals_reescaped("\"\\n\\\"q\\\\\""), "\"\\n\\\"q\\\\\"");
    EXPECT_EQ(c_literals_reescaped(std::string("\"\\\x01\"", 4)), "\"\\\\\\001\"");
    EXPECT_EQ(c_literals_reescaped("\"a\"\"b\" ??"), "\"a\"\"b\" ??");
}

TEST(GeneratedCText, IncludeNamesHaveNoEscapes) {
    EXPECT_TRUE(include_name_writable("/home/me/out dir/t.ic"));
    EXPECT_TRUE(include_name_writable("c:\\dir\\t.ic"));
    EXPECT_FALSE(include_name_writable("out\"dir/t.ic"));
    EXPECT_FALSE(include_name_writable("out\ndir/t.ic"));
    EXPECT_FALSE(include_name_writable("out\tdir/t.ic"));
}

}  // namespace
}  // namespace vx

// A C expression pasted before a cast or an operator keeps its meaning: one
// operand already stays as written, anything else is put in parentheses.
TEST(Text, AnExpressionBecomesOneOperand) {
    EXPECT_EQ(vx::c_operand("ratio"), "ratio");
    EXPECT_EQ(vx::c_operand(" 100 "), "100");
    EXPECT_EQ(vx::c_operand("1.5e-3"), "1.5e-3");
    EXPECT_EQ(vx::c_operand("0x1p-3f"), "0x1p-3f");
    EXPECT_EQ(vx::c_operand("-1"), "-1");
    EXPECT_EQ(vx::c_operand("\"a\" \"b\""), "\"a\" \"b\"");
    EXPECT_EQ(vx::c_operand("'x'"), "'x'");
    EXPECT_EQ(vx::c_operand("(a + b)"), "(a + b)");
    EXPECT_EQ(vx::c_operand("ratio * 100"), "(ratio * 100)");
    EXPECT_EQ(vx::c_operand("(a) + (b)"), "((a) + (b))");
    EXPECT_EQ(vx::c_operand("a ? b : c"), "(a ? b : c)");
    EXPECT_EQ(vx::c_operand("f(x)"), "(f(x))");
    EXPECT_EQ(vx::c_operand("-x - 1"), "(-x - 1)");
    EXPECT_EQ(vx::c_operand("\"a)\" + 1"), "(\"a)\" + 1)");
}

// Whether an expected value is a constant the compiler reads, or a value
// the harness computes: the parentheses that wrap it whole go, and one
// character literal is a constant, an expression between two is not.
TEST(Text, OuterParenthesesAndOneCharacterLiteral) {
    EXPECT_EQ(vx::without_outer_parentheses(" ((a + 1)) "), "a + 1");
    EXPECT_EQ(vx::without_outer_parentheses("(a) + (b)"), "(a) + (b)");
    EXPECT_EQ(vx::without_outer_parentheses("(')')"), "')'");
    EXPECT_TRUE(vx::is_character_literal("'a'"));
    EXPECT_TRUE(vx::is_character_literal(" '\\'' "));
    EXPECT_TRUE(vx::is_character_literal("'\\n'"));
    EXPECT_FALSE(vx::is_character_literal("'a' + g + 'b'"));
    EXPECT_FALSE(vx::is_character_literal("\"a\""));
    EXPECT_FALSE(vx::is_character_literal("65"));
}

// What C refuses in a literal, and a NUL that would cut a compared string.
TEST(Text, LiteralsThatCRefusesOrANulCutsShort) {
    EXPECT_EQ(vx::c_literal_problem("\"plain\\n\\t\\\\\\\"\\x41\\101\\u00e9\"", true), "");
    EXPECT_EQ(vx::c_literal_problem("'\\0'", true), "");
    // Byte strings may hold zeros when no string comparison reads them.
    EXPECT_EQ(vx::c_literal_problem("\"\\x01\\x00\"", false), "");
    EXPECT_NE(vx::c_literal_problem("\"ab\\0cd\"", true).find("NUL"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"ab\\x00\"", true).find("NUL"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"ab\\000cd\"", true).find("NUL"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem(std::string("\"a\0b\"", 5), true).find("NUL"),
              std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\u0041\"", false).find("universal"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\uD800\"", false).find("universal"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\u12\"", false).find("4 hexadecimal"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\q\"", false).find("unknown escape \\q"),
              std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\x100\"", false).find("past a byte"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\777\"", false).find("past a byte"), std::string::npos);
    EXPECT_NE(vx::c_literal_problem("\"\\x\"", false).find("without"), std::string::npos);
    // Wide literals take escapes up to the width of their characters.
    EXPECT_EQ(vx::c_literal_problem("L'\\x263A'", false), "");
    EXPECT_EQ(vx::c_literal_problem("u\"\\x263A\"", false), "");
    EXPECT_NE(vx::c_literal_problem("u8\"\\x263A\"", false).find("past a byte"), std::string::npos);
    // The message names the literal at fault.
    EXPECT_EQ(vx::c_literal_problem("f(\"ok\", \"b\\q\")", false).rfind("\"b\\q\": ", 0), 0u);
}
