#include "support/separator.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace vx {
namespace {

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
