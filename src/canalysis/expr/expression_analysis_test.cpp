#include "canalysis/expr/expression_analysis.h"

#include "canalysis/expr/expression_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {
namespace {

using expression_test::Analysis;

class Expressions : public ::testing::Test, protected Analysis {
protected:
    const ExprNode* parse(std::string_view text) {
        trees_.push_back(c_parse_expression(run, text, "t.ptu", 7, sink));
        return trees_.back() ? trees_.back()->root : nullptr;
    }
    std::string image(std::string_view text) { return c_expression_image(parse(text), sink); }
    std::vector<std::string> messages_of(std::string_view text) {
        sink.messages.clear();
        parse(text);
        return sink.messages;
    }
    std::string type_image(std::string_view text, const TypeNode* enclosing = nullptr) {
        const TypeNode* t = c_expression_type(run, parse(text), enclosing, "t.ptu", 7, "", sink);
        return t ? c_type_image(t, "") : "<none>";
    }
    std::vector<std::string> type_messages(std::string_view text) {
        const ExprNode* tree = parse(text);
        sink.messages.clear();
        c_expression_type(run, tree, nullptr, "t.ptu", 7, "", sink);
        return sink.messages;
    }
    std::string expand(std::string_view aggregate, std::string_view array) {
        const Symbol* s = c_find_symbol(array, table, "");
        EXPECT_NE(s, nullptr);
        std::string out;
        c_expand_array_aggregate(run, parse(aggregate), s ? s->type : nullptr, out, 1, "t.ptu", 7,
                                 sink);
        return out;
    }
    std::vector<std::string> index_messages(std::string_view text) {
        const ExprNode* tree = parse(text);
        sink.messages.clear();
        c_check_indexes(run, tree, "t.ptu", 7, "", sink);
        return sink.messages;
    }
    std::vector<ExpressionTree> trees_;
};

using Messages = std::vector<std::string>;

TEST_F(Expressions, ConstantsFoldWithCSemantics) {
    EXPECT_EQ(image("-(3)"), "-3");
    EXPECT_EQ(parse("-(3)")->kind, ExprKind::integer_constant);
    EXPECT_EQ(image("~0"), "-1");
    EXPECT_EQ(image("10/4"), "2");
    // Division truncates toward zero and the remainder follows the dividend.
    EXPECT_EQ(image("-7/2"), "-3");
    EXPECT_EQ(image("-7%2"), "-1");
    EXPECT_EQ(image("7%-2"), "1");
    EXPECT_EQ(image("1<<4|3"), "19");
    EXPECT_EQ(image("!5 + (2 > 1) + (3 == 3 && 0 || 1)"), "2");
    EXPECT_EQ(image("1 ? 4 : 5"), "4");
    // Unsigned arithmetic wraps at the width of its type.
    EXPECT_EQ(image("0xFFFFFFFF"), "4294967295U");
    EXPECT_EQ(image("0xFFFFFFFF + 1"), "0U");
    EXPECT_EQ(image("1U - 2"), "4294967295U");
    EXPECT_EQ(image("-1 < 1U"), "0");
    EXPECT_EQ(image("2000000000 + 2000000000"), "4000000000");
    EXPECT_EQ(image("5LL * 3"), "15LL");
    EXPECT_EQ(image("'a' + 1"), "98");
    EXPECT_EQ(image("1.5 * 2"), "0.3E1");
    EXPECT_EQ(image("-2.5F"), "-0.25E1F");
    EXPECT_EQ(image("0.5 < 1"), "1");
    // Left to the C compiler, shifts out of range; a division by zero is
    // left unfolded and said.
    EXPECT_EQ(image("1<<200"), "1<<200");
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(image("1/0"), "1/0");
    EXPECT_EQ(image("1.5/0.0"), "0.15E1/0.0");
    ASSERT_EQ(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0].rfind("W:DIVISZERO:", 0), 0u) << sink.messages[0];
}

TEST_F(Expressions, NumbersAndRanges) {
    const ExprNode* range = parse("1..5");
    ASSERT_EQ(range->kind, ExprKind::range);
    EXPECT_EQ(range->first->kind, ExprKind::integer_constant);
    EXPECT_EQ(range->second->kind, ExprKind::integer_constant);
    EXPECT_EQ(parse("1.5")->kind, ExprKind::real_constant);
    EXPECT_EQ(image("[1..5]"), "[1..5]");
    EXPECT_EQ(image("[..5]"), "[..5]");
    EXPECT_EQ(image("[-2..]"), "[-2..]");
    EXPECT_EQ(image("t[1..3]"), "t[1..3]");
    EXPECT_EQ(parse("t[1..3]")->kind, ExprKind::range_subscript);
    EXPECT_EQ(image("017 + 0x1f + 0b101"), "51");
    EXPECT_EQ(image(".5"), "0.5");
    EXPECT_EQ(image("1e3"), "0.1E4");
    EXPECT_EQ(image("12.5e-1L"), "0.125E1L");
    EXPECT_EQ(image("3000000000"), "3000000000");
    EXPECT_EQ(parse("3000000000")->width, 64);
    EXPECT_EQ(image("2147483647"), "2147483647");
    EXPECT_EQ(image("18446744073709551615"), "18446744073709551615U");
    EXPECT_EQ(image("7ul"), "7UL");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(Expressions, MalformedNumbersAreWarnedAndBecomeErrorNodes) {
    struct Case {
        const char* text;
        const char* code;
    };
    const Case cases[] = {
        {"0x1.5", "CSTBASE16"},
        {"1.2.3", "CSTINCORR"},
        {"12abc", "CARNONNUM"},
        {"08", "CARNUMERI"},
        {"0b102", "CARNUMERI"},
        {"0x", "CSTNUMERI"},
        {"1uu", "CARDOUINT"},
        {"1.0ff", "CARDOUFLO"},
        {"1lll", "CARTRIINT"},
        {"1e+", "ERREXPOSA"},
        {"12_a", "INVFINNUM"},
        {"1.5u", "CARNONNUM"},
        {"99999999999999999999", "ENTOUTRAN"},
    };
    for (const Case& c : cases) {
        Messages m = messages_of(c.text);
        ASSERT_EQ(m.size(), 1u) << c.text;
        EXPECT_EQ(m[0], std::string("W:") + c.code + ":" + c.text);
        EXPECT_EQ(trees_.back()->root->kind, ExprKind::error) << c.text;
    }
}

TEST_F(Expressions, CharacterConstantsAndTheirDiagnostics) {
    EXPECT_EQ(pint_low64(parse("'\\n'")->value), 10);
    EXPECT_EQ(pint_low64(parse("'\\E'")->value), 27);
    EXPECT_EQ(pint_low64(parse("'\\x41'")->value), 65);
    EXPECT_EQ(pint_low64(parse("'\\101'")->value), 65);
    EXPECT_EQ(pint_low64(parse("'\\{'")->value), '{');
    EXPECT_TRUE(sink.messages.empty());

    EXPECT_EQ(messages_of("'\\q'"), Messages{"W:SEQUEINCO:'\\q'"});
    EXPECT_EQ(pint_low64(trees_.back()->root->value), 'q');
    EXPECT_EQ(messages_of("'\\x'"), Messages{"W:NOHEXDIGI:'\\x'"});
    EXPECT_EQ(messages_of("'\\777'"), Messages{"W:SEQOUTRAN:'\\777'"});
    EXPECT_EQ(messages_of("'\\x1FF'"), Messages{"W:SEQOUTRAN:'\\x1FF'"});
    EXPECT_EQ(messages_of("''"), Messages{"W:CSTCARVID:''"});
    EXPECT_EQ(messages_of("'abc"), Messages{"W:INVCSTCAR:'abc"});
    EXPECT_EQ(messages_of("L'ab'"), Messages{"W:TOLOCSTCA:L'ab'"});
    EXPECT_EQ(messages_of("a \\ b"), (Messages{"W:CHAINUTIL:'\\'", "W:SYNTAXERR:a \\ b"}));

    // A multi-character constant: announced once in a run.
    EXPECT_EQ(messages_of("'ab'"), Messages{"I:MULTIBYTE:'ab'"});
    EXPECT_EQ(pint_low64(trees_.back()->root->value), 'a' * 256 + 'b');
    EXPECT_EQ(image("'ab'"), "'ab'");
    EXPECT_EQ(messages_of("'cd'"), Messages{});
    run.no_multibyte = true;
    EXPECT_EQ(messages_of("'cd'"), Messages{"W:MULCARCST:'cd'"});

    // Too long for any character: an old way of writing a string.
    EXPECT_EQ(messages_of("'hello'"),
              Messages{"W:SYNTAXERR:deprecated use of single quote strings"});
    EXPECT_EQ(c_expression_image(trees_.back()->root, sink), "\"hello\"");
}

TEST_F(Expressions, ImagesOfCharactersAndStrings) {
    auto char_image = [&](int value) {
        ExprNode node;
        node.kind = ExprKind::integer_constant;
        node.value = pint_from_int(value);
        node.width = 8;
        node.written_as_character = true;
        return c_expression_image(&node, sink);
    };
    EXPECT_EQ(char_image(10), "'\\n'");
    EXPECT_EQ(char_image(200), "'\\310'");
    EXPECT_EQ(char_image(1), "'\\01'");
    EXPECT_EQ(char_image(0), "'\\0'");
    EXPECT_EQ(char_image(34), "'\\\"'");
    EXPECT_EQ(char_image(39), "'\\''");
    EXPECT_EQ(char_image(92), "'\\\\'");
    EXPECT_EQ(char_image(27), "'\\033'");
    EXPECT_EQ(char_image('A'), "'A'");
    EXPECT_EQ(image("L'x'"), "L'x'");

    EXPECT_EQ(image("\"a\\\"b\" \"\\n\\x01'\""), "\"a\\\"b\\n\\001\\'\"");
    EXPECT_EQ(image("L\"wide\""), "L\"wide\"");
    EXPECT_EQ(messages_of("\"open"), Messages{"W:SYNTAXERR:\"open"});
}

TEST_F(Expressions, RefusedFormsAreWarnedAtParseTime) {
    EXPECT_EQ(messages_of("x++"), Messages{"W:POSTINCRE:x++"});
    EXPECT_EQ(trees_.back()->root->kind, ExprKind::error);
    EXPECT_EQ(messages_of("--x"), Messages{"W:POSTDECRE:--x"});
    EXPECT_EQ(messages_of("a++ + b++ - c-- + (d = 1) + (e = 2)"),
              (Messages{"W:POSTINCRE:a++ + b++ - c-- + (d = 1) + (e = 2)",
                        "W:POSTDECRE:a++ + b++ - c-- + (d = 1) + (e = 2)",
                        "W:AFFECTATI:a++ + b++ - c-- + (d = 1) + (e = 2)"}));
    EXPECT_EQ(messages_of("a = 1"), Messages{"W:AFFECTATI:a = 1"});
    EXPECT_EQ(messages_of("a <<= 1"), Messages{"W:AFFECTATI:a <<= 1"});
    EXPECT_EQ(messages_of("(a, b, c)"), Messages{"W:SOUSEXPRE:(a, b, c)"});
    EXPECT_EQ(trees_.back()->root->first->items.size(), 3u);
    EXPECT_EQ(messages_of("[..]"), Messages{"W:SYNTAXERR:[min..max]"});
    EXPECT_EQ(messages_of("[1..2..3]"), Messages{"W:SYNTAXERR:[min..max]"});
    EXPECT_EQ(messages_of("a +"), Messages{"W:SYNTAXERR:a +"});
    EXPECT_EQ(trees_.back()->root->kind, ExprKind::error);
    EXPECT_EQ(messages_of("f((1 +), 2)"), Messages{"W:SYNTAXERR:f((1 +), 2)"});
    EXPECT_EQ(image("f((1 +), 2)"), "f(,2)");
    EXPECT_EQ(messages_of("if"), Messages{"W:SYNTAXERR:if"});
    EXPECT_EQ(parse("   "), nullptr);
}

TEST_F(Expressions, DeepNestingIsASyntaxErrorNotAStackOverflow) {
    const std::string parens = std::string(20000, '(') + "1" + std::string(20000, ')');
    const std::string negations = std::string(5000, '!') + "x";
    std::string chain = "a";
    for (int i = 0; i < 5000; ++i) chain += "+a";
    std::string nested = std::string(3000, '{') + std::string(3000, '}');
    for (const std::string& text : {parens, negations, chain, nested}) {
        Messages m = messages_of(text);
        ASSERT_EQ(m.size(), 1u);
        EXPECT_EQ(m[0].substr(0, 12), "W:SYNTAXERR:");
        EXPECT_EQ(trees_.back()->root->kind, ExprKind::error);
    }
    // Nesting below the bound is analysed whole.
    std::string shallow = std::string(500, '(') + "x" + std::string(500, ')');
    EXPECT_EQ(image(shallow), "x");
}

TEST_F(Expressions, MultiCharacterConstantsCanBeRefusedForTheWholeRun) {
    // The run's setting reaches every expression run made from it.
    EXPECT_EQ(messages_of("'ab'"), Messages{"I:MULTIBYTE:'ab'"});
    declarations.no_multibyte = true;
    ExpressionRun refusing(table, declarations);
    sink.messages.clear();
    ExpressionTree tree = c_parse_expression(refusing, "'ab'", "t.ptu", 7, sink);
    EXPECT_EQ(sink.messages, Messages{"W:MULCARCST:'ab'"});
}

TEST_F(Expressions, AnUnknownNodeKindIsAnInternalError) {
    ExprNode node;
    node.kind = static_cast<ExprKind>(99);
    std::string out;
    c_expression_image(&node, out, "t.ptu", 7, sink);
    EXPECT_EQ(c_expression_type(run, &node, nullptr, "t.ptu", 7, "", sink), nullptr);
    EXPECT_EQ(sink.messages, (Messages{"S:ERRINTERN:expression image search",
                                       "S:ERRINTERN:expression type search"}));
}

TEST_F(Expressions, TheParserTraceGoesToStandardOutput) {
    declarations.parser_trace = true;
    ::testing::internal::CaptureStdout();
    parse("a+1");
    std::string traced = ::testing::internal::GetCapturedStdout();
    declarations.parser_trace = false;
    ::testing::internal::CaptureStdout();
    parse("a+1");
    std::string quiet = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(traced.find("C_atexp_debug: "), std::string::npos);
    EXPECT_NE(traced.find("IDENTIFIER"), std::string::npos);
    std::size_t start = 0;
    while (start < traced.size()) {
        EXPECT_EQ(traced.compare(start, 8, "C_atexp_"), 0);
        std::size_t end = traced.find('\n', start);
        start = end == std::string::npos ? traced.size() : end + 1;
    }
    EXPECT_EQ(quiet, "");
}

// ---- types, against the header of a unit under test ------------------------

constexpr const char* unit_header =
    "typedef unsigned long size_t;\n"
    "struct point { int x, y; };\n"
    "typedef struct point point_t;\n"
    "enum color { RED, GREEN = 4, BLUE };\n"
    "struct shape {\n"
    "    point_t corners[4];\n"
    "    struct shape *next;\n"
    "    enum color color;\n"
    "    int (*area)(const struct shape *);\n"
    "    union { int i; float f; } u;\n"
    "    unsigned char flags;\n"
    "};\n"
    "typedef struct shape *shape_ref;\n"
    "struct shape shapes[3];\n"
    "struct shape *current;\n"
    "shape_ref chosen;\n"
    "point_t origin;\n"
    "int t[5];\n"
    "int m[2][3];\n"
    "char *names[4];\n"
    "long count;\n"
    "long long total;\n"
    "double ratio;\n"
    "int compute(int a, int b);\n"
    "point_t (*make_point)(int, int);\n";

class ExpressionTypes : public Expressions {
protected:
    void SetUp() override { declare(unit_header); }
};

TEST_F(ExpressionTypes, MemberChainsSubscriptsCallsCastsAndSizeof) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"shapes[1].corners[2].x", "int"},
        {"current->next->color", "enum color"},
        {"chosen->corners", "point_t [4]"},
        {"current->area(current)", "int"},
        {"(*current).u.f", "float"},
        {"make_point(1, 2).y", "int"},
        {"compute(t[0], 2)", "int"},
        {"m[1]", "int [3]"},
        {"*names[1]", "char"},
        {"&origin", "point_t *"},
        {"(size_t)3", "size_t"},
        {"(struct point *)0", "struct point *"},
        {"(unsigned char)count", "unsigned char"},
        {"sizeof(point_t)", "unsigned long"},
        {"sizeof origin", "unsigned long"},
        {"GREEN", "enum color"},
        {"t[0] + total", "long long"},
        {"shapes[0].flags + 1U", "unsigned int"},
        {"t[0] + ratio", "double"},
        {"names[0] + 1", "char *"},
        {"t[0] < ratio", "int"},
        {"current ? origin : origin", "point_t"},
        {"3000000000", "long long"},
        {"'a'", "char"},
        {"\"text\"", "char"},
        {"2.5F", "float"},
        {"{1, 2}", "struct { }"},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(type_image(text), expected) << text;
    }
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front();

    // Bare member names inside the struct the clause is about.
    const TypeNode* point = c_lookup_tag("point", table, TagKind::struct_tag);
    EXPECT_EQ(type_image("x + y", point), "int");
    EXPECT_EQ(type_image("z", point), "<none>");
    EXPECT_EQ(sink.messages.back(), "W:CHAMPINCO:z");
}

TEST_F(ExpressionTypes, EachMisuseHasItsMessage) {
    EXPECT_EQ(type_messages("current.next"), Messages{"W:INVCHASTR:current.next"});
    EXPECT_EQ(type_messages("origin->x"), Messages{"W:NOPOSTRUC:origin->x"});
    EXPECT_EQ(type_messages("names[0]->x"), Messages{"W:POINSTRUC:names[0]->x"});
    EXPECT_EQ(type_messages("count.x"), Messages{"W:INVCHASTR:count.x"});
    EXPECT_EQ(type_messages("origin.z"), Messages{"W:CHAMPINCO:z"});
    EXPECT_EQ(type_messages("origin[0]"), Messages{"W:NONTABLEA:origin"});
    EXPECT_EQ(type_messages("origin(1)"), Messages{"W:NONFONCTI:origin"});
    EXPECT_EQ(type_messages("*origin"), Messages{"W:NONPOINTE:origin"});
    EXPECT_EQ(type_messages("!origin"), Messages{"W:OPERSCALA:\"!\""});
    EXPECT_EQ(type_messages("~ratio"), Messages{"W:OPERENTIE:\"~\""});
    EXPECT_EQ(type_messages("-origin"), Messages{"W:OPERARITH: \"-\" "});
    EXPECT_EQ(type_messages("unknown + 1"), Messages{"W:IDENTIINC:unknown"});
    EXPECT_EQ(type_messages("(t[0], ratio)"), Messages{"W:TYPESDIFF:t[0],ratio"});
    // An untyped part is warned once, not again by every parent.
    EXPECT_EQ(type_messages("-(unknown.a[1]->b + 2)"), Messages{"W:IDENTIINC:unknown"});
    EXPECT_EQ(type_messages("x++"), Messages{});
}

TEST_F(ExpressionTypes, ConstantIndexesOutsideTheirBounds) {
    EXPECT_EQ(index_messages("t[-1]"), Messages{"W:INDICEINC:-1"});
    EXPECT_EQ(index_messages("t[5]"), Messages{"W:INDICEINC:5"});
    EXPECT_EQ(index_messages("t[4] + t[0]"), Messages{});
    EXPECT_EQ(index_messages("m[1][3]"), Messages{"W:INDICEINC:3"});
    EXPECT_EQ(index_messages("m[2][0]"), Messages{"W:INDICEINC:2"});
    EXPECT_EQ(index_messages("shapes[1].corners[4].x"), Messages{"W:INDICEINC:4"});
    EXPECT_EQ(index_messages("t[1..5]"), Messages{"W:INDICEINC:5"});
    EXPECT_EQ(index_messages("compute(t[9], 0)"), Messages{"W:INDICEINC:9"});
    // Pointers have no bound; variable indexes are not checked.
    EXPECT_EQ(index_messages("names[0][100] + t[count]"), Messages{});
}

TEST_F(ExpressionTypes, ArrayAggregatesBecomeConditionalsOfTheLoopCounters) {
    EXPECT_EQ(expand("{1, 2, 3}", "t"), "(_vx_I1 == (0)?1:(_vx_I1 == (1)?2:3))");
    EXPECT_EQ(expand("[0 => 1, 1..3 => 2, others => 0]", "t"),
              "(_vx_I1 == 0?1:(((_vx_I1>=1) && (_vx_I1<=(3)))?2:0))");
    EXPECT_EQ(expand("{{1, 2, 3}, {4, 5, 6}}", "m"),
              "(_vx_I1 == (0)?(_vx_I2 == (0)?1:(_vx_I2 == (1)?2:3)):(_vx_I2 == (0)?4:(_vx_I2 == "
              "(1)?5:6)))");
    EXPECT_EQ(expand("[GREEN => 1, count..4 => 2, others => 0]", "t"),
              "(_vx_I1 == (GREEN)?1:(((_vx_I1>=(count)) && (_vx_I1<=(4)))?2:0))");
    EXPECT_EQ(expand("7", "t"), "7");
    EXPECT_TRUE(sink.messages.empty()) << sink.messages.front();

    EXPECT_EQ(expand("{1, , 3}", "t"), "(_vx_I1 == (0)?1:3)");
    EXPECT_EQ(sink.messages, Messages{"W:OMIVALTAB:{1,,3}"});
    sink.messages.clear();
    EXPECT_EQ(expand("{1, 2, }", "t"), "(_vx_I1 == (0)?1:(_vx_I1 == (1)?2:0))");
    EXPECT_EQ(sink.messages, Messages{"W:OMIVALTAB:{1,2,}"});
    sink.messages.clear();
    EXPECT_EQ(expand("[7 => 1, -1 => 2, 1 => 3, others => 0]", "t"), "(_vx_I1 == 1?3:0)");
    EXPECT_EQ(sink.messages, (Messages{"W:INDICEINC:7", "W:INDICEINC:-1"}));
    sink.messages.clear();
    EXPECT_EQ(expand("[1 => 2, autres => 0]", "t"), "(_vx_I1 == 1?2:0)");
    EXPECT_EQ(sink.messages, Messages{"W:TABEXPINC:autres"});
    sink.messages.clear();
    run.others_word = "autres";
    EXPECT_EQ(expand("[1 => 2, autres => 0]", "t"), "(_vx_I1 == 1?2:0)");
    EXPECT_TRUE(sink.messages.empty());
}

TEST_F(ExpressionTypes, ImagesParseBackToTheSameTree) {
    const char* texts[] = {
        "a - -3",
        "a - -b",
        "-(-x)",
        "&*current",
        "t[0] & &t[1] != 0",
        "(a ? b : c) + 1",
        "(a + b) * -c",
        "sizeof(a + b)",
        "sizeof(size_t)",
        "(size_t)-1 / 2",
        "a / *names[0]",
        "{1, {2, 3}, }",
        "[0 => 1, 1..2 => {3}, others => 0]",
        "f()(1)[2].x->y",
        "\"a\" L\"b\"",
        "'\\377' + 'q'",
        "[a..b]",
        "1.25e-7F * x",
    };
    for (const char* text : texts) {
        const ExprNode* first = parse(text);
        std::string shown = c_expression_image(first, sink);
        const ExprNode* again = parse(shown);
        EXPECT_TRUE(expression_test::same_tree(first, again)) << text << " -> " << shown;
    }
}

}  // namespace
}  // namespace vx
