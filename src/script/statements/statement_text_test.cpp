#include "script/statements/statement_text.h"

#include <gtest/gtest.h>

#include <string_view>
#include <utility>

namespace vx {
namespace {

TEST(StatementText, HeaderFieldsKeepOneBlankBetweenWords) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"  my   module  ", "my module"},  {"V 1 . 2", "V 1.2"}, {"f ( x , y )", "f(x,y)"},
        {"a \"b   c\"  d", "a\"b   c\"d"}, {"\t$VAR\t", "$VAR"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(compact_header_field(text), expected) << text;
    }
    EXPECT_EQ(split_header_fields("a, \"b,c\", d, e, f", 4),
              (std::vector<std::string>{"a", " \"b,c\"", " d", " e, f"}));
    EXPECT_EQ(split_header_fields("a, b", 4), (std::vector<std::string>{"a", " b"}));
}

TEST(StatementText, ServiceNamesAreCutAtEighteen) {
    bool cut = false;
    EXPECT_EQ(cut_service_name("short", cut), "short");
    EXPECT_FALSE(cut);
    EXPECT_EQ(cut_service_name("abcdefghijklmnopqrst", cut), "abcdefghijklmnopqr");
    EXPECT_TRUE(cut);
    EXPECT_EQ(cut_service_name("abcdefghijklmnopq_rst", cut), "abcdefghijklmnopq");
    EXPECT_EQ(cut_service_name("abcdefghijklmnop__rst", cut), "abcdefghijklmnop_0");
    EXPECT_EQ(cut_service_name("abcdefghijklmnopqr", cut), "abcdefghijklmnopqr");
    EXPECT_FALSE(cut);
}

TEST(StatementText, LoopClauseNeedsSeparatorsAroundTheKeyword) {
    LoopClause clause = split_loop_clause("my  test LOOP n + 1", "LOOP");
    EXPECT_TRUE(clause.found);
    EXPECT_EQ(clause.name, "my test");
    EXPECT_EQ(clause.expression, "n + 1");
    EXPECT_TRUE(split_loop_clause("t(loop)3", "LOOP").found);
    EXPECT_FALSE(split_loop_clause("looping", "LOOP").found);
    EXPECT_FALSE(split_loop_clause("t LOOPS 3", "LOOP").found);
    EXPECT_FALSE(split_loop_clause("LOOP", "LOOP").found);
    clause = split_loop_clause("t BOUCLE", "BOUCLE");
    EXPECT_TRUE(clause.found);
    EXPECT_EQ(clause.expression, "");
}

TEST(StatementText, NamedListsAndAssignments) {
    NamedList list = parse_named_list(" env ( a, b ,c) ");
    EXPECT_EQ(list.name, "env");
    EXPECT_TRUE(list.closed);
    EXPECT_EQ(list.items, (std::vector<std::string>{"a", "b", "c"}));
    list = parse_named_list("env(a, b");
    EXPECT_TRUE(list.has_list);
    EXPECT_FALSE(list.closed);
    list = parse_named_list("env() x");
    EXPECT_TRUE(list.items.empty());
    EXPECT_TRUE(list.trailing_text);
    // Commas and parentheses of brackets and literals belong to their item.
    list = parse_named_list("env(f(a, b), \"x,)\", ',', t[1,2])");
    EXPECT_TRUE(list.closed);
    EXPECT_FALSE(list.trailing_text);
    EXPECT_EQ(list.items, (std::vector<std::string>{"f(a, b)", "\"x,)\"", "','", "t[1,2]"}));
    EXPECT_FALSE(parse_named_list("env(f(a)").closed);
    EXPECT_EQ(upper_outside_quotes("ab + 'cd' + \"e\\\"f\""), "AB + 'cd' + \"e\\\"f\"");

    std::string name;
    std::string value;
    EXPECT_TRUE(split_assignment(" x = a == b ", name, value));
    EXPECT_EQ(name, "x");
    EXPECT_EQ(value, "a == b");
    EXPECT_FALSE(split_assignment("x", name, value));
    EXPECT_EQ(split_names("a, b  c,,d"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_TRUE(is_identifier("_a1"));
    EXPECT_FALSE(is_identifier("1a"));
    EXPECT_FALSE(is_identifier(""));
    EXPECT_EQ(normalise_blanks("  a \t b  "), "a b");
    EXPECT_EQ(first_word("  one  two three ").rest, "two three");
}

}  // namespace
}  // namespace vx
