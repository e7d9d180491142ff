#include "support/text_scanner.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace vx {
namespace {

TEST(TextScan, TopLevelTokensAndClosingBracketsSkipQuotesAndNesting) {
    EXPECT_EQ(find_top_level("{1 => 2} => [3]", "=>"), 9u);
    EXPECT_EQ(find_top_level("\"a => b\", 'x'", "=>"), std::string_view::npos);
    EXPECT_EQ(find_top_level("f(a, b) , c", ","), 8u);
    EXPECT_EQ(find_closing("(a, (b), \")\", ')') rest", 0), 17u);
    EXPECT_EQ(find_closing("x[{1}, 2]", 1), 8u);
    EXPECT_EQ(find_closing("(never closed", 0), std::string_view::npos);
    EXPECT_EQ(find_closing("()", 5), std::string_view::npos);
}

TEST(TextScan, QuotationEndsByTheRulesOfTheText) {
    EXPECT_EQ(quotation_end("\"ab\" x", 0, c_quote_rules), 4u);
    EXPECT_EQ(quotation_end("'\\'' x", 0, c_quote_rules), 4u);  // an escaped quote stays inside
    EXPECT_EQ(quotation_end("x = \"a\\\"b\";", 4, c_line_quote_rules), 10u);
    EXPECT_EQ(quotation_end("\"open", 0, c_quote_rules), 5u);  // unclosed: the end of the text
    // C source lines: an open literal ends with its line, unless the line
    // is continued.
    EXPECT_EQ(quotation_end("\"open\nnext\"", 0, c_line_quote_rules), 5u);
    EXPECT_EQ(quotation_end("\"open\nnext\"", 0, c_quote_rules), 11u);
    EXPECT_EQ(quotation_end("\"a\\\nb\" c", 0, c_line_quote_rules), 6u);
    EXPECT_EQ(quotation_end("'\\", 0, c_line_quote_rules), 2u);  // a backslash at the very end
    // Plain and Ada text: a backslash is an ordinary character.
    EXPECT_EQ(quotation_end("\"a\\\" b\"", 0, plain_quote_rules), 4u);
    EXPECT_EQ(quotation_end("'x' y", 0, ada_quote_rules), 3u);
    EXPECT_EQ(quotation_end("%a\"b% c", 0, ada_quote_rules), 5u);

    // Which quotes open a quotation.
    EXPECT_TRUE(opens_quotation("'a'", 0, c_quote_rules));
    EXPECT_FALSE(opens_quotation("'a'", 0, plain_quote_rules));
    EXPECT_TRUE(opens_quotation("'a'", 0, ada_quote_rules));
    EXPECT_FALSE(opens_quotation("X'First", 1, ada_quote_rules));
    EXPECT_FALSE(opens_quotation("%a", 0, c_quote_rules));
}

TEST(TextScan, DepthsStandOutsideTheirOwnBrackets) {
    const std::string_view text = "f(a, \"(\", [b]) x";
    std::string seen;
    std::vector<int> depths;
    TextScanner scan(text, c_quote_rules);
    while (scan.next()) {
        if (scan.current() != ' ') {
            seen += scan.current();
            depths.push_back(scan.depth());
        }
    }
    // The literal is stepped over whole; the brackets stand at the depth
    // outside them.
    EXPECT_EQ(seen, "f(a,,[b])x");
    EXPECT_EQ(depths, (std::vector<int>{0, 0, 1, 1, 1, 1, 2, 1, 0, 0}));
    EXPECT_TRUE(scan.balanced());

    TextScanner stray(") a (", c_quote_rules);
    ASSERT_TRUE(stray.next());
    EXPECT_TRUE(stray.stray_closer());
    EXPECT_EQ(stray.depth(), 0);
    while (stray.next()) {
    }
    EXPECT_FALSE(stray.balanced());
}

TEST(TextScan, AStrayCloserDoesNotHideWhatFollowsIt) {
    // Counting depth down past zero would hide every later top-level token.
    EXPECT_EQ(find_top_level("a) => b", "=>"), 3u);
    EXPECT_EQ(split_top_level("a), b", true), (std::vector<std::string_view>{"a)", "b"}));
}

struct SplitCase {
    const char* text;
    const char* separators;
    const char* head;
    const char* tail;
};

// Each text splits, in the given language, into its head and its tail.
void expect_splits(int language, std::initializer_list<SplitCase> cases) {
    for (const SplitCase& c : cases) {
        std::string head = "stale";
        std::string tail = "stale";
        EXPECT_TRUE(split_on_separator(c.text, c.separators, head, tail, language)) << c.text;
        EXPECT_EQ(head, c.head) << c.text;
        EXPECT_EQ(tail, c.tail) << c.text;
    }
}

TEST(Separator, SplitsAtTheFirstSeparatorOutsideBracketsAndQuotes) {
    expect_splits(language_kind_c, {
                                       {"f(a,b),c", ",", "f(a,b)", "c"},
                                       {"  a[1,2]{3,4} ; b  ", ";,", "a[1,2]{3,4} ", " b"},
                                       {"\"x,y\",z", ",", "\"x,y\"", "z"},
                                       {"no separator", ",", "no separator", ""},
                                       {"a,", ",", "a", ""},
                                       {",b", ",", "", "b"},
                                       // Brackets inside quotations do not count.
                                       {"\"(\" , x", ",", "\"(\" ", " x"},
                                       // C and C++: an escaped quote or backslash stays inside
                                       // the quotation.
                                       {"\"a\\\",b\",c", ",", "\"a\\\",b\"", "c"},
                                   });
    expect_splits(language_kind_cpp, {{"'\\\\',c", ",", "'\\\\'", "c"}});
    expect_splits(2, {{"'a,b' , 'c'", ",", "'a,b' ", " 'c'"}});
    // Other languages have no escapes: the backslash is ordinary.
    expect_splits(1, {{"\"a\\\",b\",c", ",", "\"a\\\"", "b\",c"}});
}

TEST(Separator, AdaQuotesAndPercentBrackets) {
    expect_splits(language_kind_ada, {
                                         // Character literals, including the quote and the
                                         // parenthesis.
                                         {"',' , x", ",", "',' ", " x"},
                                         {"''',x", ",", "'''", "x"},
                                         {"'(',x", ",", "'('", "x"},
                                         // Attribute marks are ordinary characters.
                                         {"T'First, x", ",", "T'First", " x"},
                                         {"F(X'Length, 2), y", ",", "F(X'Length, 2)", " y"},
                                         // A qualified expression: the first quote is an
                                         // attribute mark.
                                         {"Character'('a'), z", ",", "Character'('a')", " z"},
                                         // "%" brackets a string, except after a digit or at the
                                         // end.
                                         {"%a,b%,c", ",", "%a,b%", "c"},
                                         {"10%,c", ",", "10%", "c"},
                                         {"a,%", ",", "a", "%"},
                                     });
}

TEST(Separator, PeelsAListThroughTheSameBuffer) {
    std::string list = " f(1, 2), \"a, b\", x[3] ";
    std::string head;
    std::vector<std::string> items;
    while (!list.empty()) {
        ASSERT_TRUE(split_on_separator(list, ",", head, list, language_kind_c));
        items.push_back(head);
    }
    EXPECT_EQ(items, (std::vector<std::string>{"f(1, 2)", "\"a, b\"", "x[3]"}));
}

TEST(Separator, UnbalancedBracketsAreReportedOnceWithTheWholeText) {
    struct Unbalanced {
        const char* text;
        const char* head;
        const char* tail;
    };
    const Unbalanced cases[] = {
        {"a), b", "a)", " b"},
        {"(a], b", "(a]", " b"},
        {"(a, b", "(a, b", ""},
        {"[x)) , y", "[x)) ", " y"},
    };
    for (const Unbalanced& c : cases) {
        std::string head;
        std::string tail;
        EXPECT_FALSE(split_on_separator(c.text, ",", head, tail, language_kind_c)) << c.text;
        EXPECT_EQ(head, c.head) << c.text;
        EXPECT_EQ(tail, c.tail) << c.text;
    }
}

}  // namespace
}  // namespace vx
