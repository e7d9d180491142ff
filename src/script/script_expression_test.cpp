#include "script/script_expression.h"

#include "support/languages.h"
#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

// One message line as "E-SYNTAXERO ')' expected": severity, code, and the
// text after the code.
std::vector<std::string> messages(const std::string& output) {
    std::vector<std::string> result;
    std::istringstream in(output);
    std::string line;
    const std::string tag = "Harnex-";
    while (std::getline(in, line)) {
        if (line.rfind(tag, 0) != 0) {
            continue;
        }
        const std::size_t comma = line.find(',');
        result.push_back(line.substr(tag.size(), comma - tag.size()) + " " +
                         line.substr(comma + 3));
    }
    return result;
}

std::vector<std::string> codes(const std::string& output) {
    std::vector<std::string> result;
    for (const std::string& message : messages(output)) {
        result.push_back(message.substr(0, message.find(' ')));
    }
    return result;
}

class ExpressionTest : public ::testing::Test {
protected:
    ScriptValue analyse(const std::string& text, int language = tested_language_c,
                        unsigned mode = 0, int expected = expected_kind_none) {
        ScriptValue value;
        ok_ = analyser_->analyse_script_expression(text, language, script_language_, mode, expected,
                                                   value);
        return value;
    }

    std::string composite_text(const std::string& text, int language = tested_language_c) {
        ScriptValue value = analyse(text, language);
        EXPECT_TRUE(ok_) << text;
        EXPECT_EQ(value.kind, TokenKind::expression) << text;
        return value.text;
    }

    std::int64_t integer(const std::string& text, int language = tested_language_c) {
        ScriptValue value = analyse(text, language);
        EXPECT_TRUE(ok_) << text;
        EXPECT_EQ(value.kind, TokenKind::integer) << text;
        return pint_low64(value.integer);
    }

    // What was reported since the last call.
    std::string output() {
        std::string text = capture_->output();
        capture_.reset();
        capture_ = std::make_unique<ReportCapture>();
        analyser_ = std::make_unique<ScriptExpressionAnalyser>(capture_->reporter(), &constants_);
        return text;
    }

    std::unique_ptr<ReportCapture> capture_ = std::make_unique<ReportCapture>();
    ScriptConstants constants_;
    std::unique_ptr<ScriptExpressionAnalyser> analyser_ =
        std::make_unique<ScriptExpressionAnalyser>(capture_->reporter(), &constants_);
    int script_language_ = script_language_gb;
    bool ok_ = false;
};

// Folding and rebuilding.

TEST_F(ExpressionTest, ConstantArithmeticFoldsExactly) {
    EXPECT_EQ(integer("1 + 2 * 3"), 7);
    EXPECT_EQ(integer("-5"), -5);
    EXPECT_EQ(integer("(1 + 2) * 3"), 9);
    EXPECT_EQ(integer("2 * 3 - 10"), -4);
    EXPECT_EQ(integer("10 - 2 - 3"), 5);  // left to right
    EXPECT_EQ(integer("- - 5"), 5);
    EXPECT_EQ(integer("+5"), 5);
    // Division rounds toward minus infinity.
    EXPECT_EQ(integer("7 / 2"), 3);
    EXPECT_EQ(integer("-7 / 2"), -4);
    // Mixed operands fold as reals.
    ScriptValue real = analyse("1 + 0.5");
    EXPECT_EQ(real.kind, TokenKind::real);
    EXPECT_EQ(real_image(real.real), "0.15E1");
    EXPECT_EQ(real_image(analyse("3 / 2.0").real), "0.15E1");
    EXPECT_EQ(output(), "");
}

TEST_F(ExpressionTest, NamesMakeCompositeExpressions) {
    EXPECT_EQ(analyse("abc").kind, TokenKind::identifier);
    EXPECT_EQ(composite_text("A + 1"), "A+1");
    EXPECT_EQ(composite_text("1 + 2 + A"), "3+A");
    EXPECT_EQ(composite_text("A - -5"), "A-(-5)");
    EXPECT_EQ(composite_text("A - - B"), "A-(-B)");
    EXPECT_EQ(composite_text("-(A + 1)"), "-(A+1)");
    EXPECT_EQ(composite_text("2 * (B + C)"), "2*(B+C)");
    EXPECT_EQ(composite_text("A * 0x10"), "A*16");
    EXPECT_EQ(composite_text("A + 1.50"), "A+1.50");
    EXPECT_EQ(composite_text("A + 1.5 * 2"), "A+0.3E1");
    EXPECT_EQ(composite_text("A + \"q\\\"\""), "A+\"q\\\"\"");
    EXPECT_EQ(composite_text("f(1 + 1, x)[2].m->n"), "f(2,x)[2].m->n");
    EXPECT_EQ(composite_text("t[1, 2]"), "t[1][2]");
    EXPECT_EQ(composite_text("t[1, 2]", tested_language_ada), "T[1,2]");
    EXPECT_EQ(composite_text("(a, b)"), "(a,b)");
    EXPECT_EQ(composite_text("[1, 2 + 1]"), "[1,3]");
    EXPECT_EQ(composite_text("3 & 5"), "3&5");
    // Names of the case-insensitive languages are upper-cased.
    EXPECT_EQ(analyse("abc", tested_language_pascal).text, "ABC");
    EXPECT_EQ(output(), "");
}

TEST_F(ExpressionTest, UnaryOperatorsOfEachLanguage) {
    // An address stays an address in C and C++.
    EXPECT_EQ(composite_text("&buf"), "&buf");
    EXPECT_EQ(composite_text("*p + 1"), "*p+1");
    EXPECT_EQ(composite_text("&t[2]", tested_language_cpp), "&t[2]");
    // Elsewhere "&" is dropped.
    EXPECT_EQ(analyse("&x", tested_language_ada).text, "X");
    EXPECT_EQ(composite_text("@x", tested_language_plm), "@X");
    EXPECT_EQ(composite_text("#5", tested_language_asm), "#5");
    EXPECT_EQ(composite_text("::count + 1", tested_language_cpp), "::count+1");
    EXPECT_EQ(composite_text("a::b", tested_language_cpp), "a::b");
    EXPECT_EQ(composite_text("p^.f", tested_language_pascal), "P^.F");
    EXPECT_EQ(composite_text("x'first", tested_language_ada), "X'FIRST");
    // A type name followed by "*" and ")" is a pointer type.
    EXPECT_EQ(composite_text("sizeof(char *)"), "sizeof(char *)");
    EXPECT_EQ(composite_text("sizeof(int **)"), "sizeof(int **)");
    EXPECT_EQ(composite_text("int * 2"), "int*2");
    EXPECT_EQ(output(), "");
    // "*" is no prefix operator outside C and C++.
    analyse("*p", tested_language_ada);
    EXPECT_FALSE(ok_);
    EXPECT_EQ(codes(output()),
              (std::vector<std::string>{"I-EXPERRONE", "I-POSIT_ERR", "E-SYNTAXERO"}));
}

// Numbers.

TEST_F(ExpressionTest, NumberNotations) {
    const std::pair<const char*, std::int64_t> cases[] = {
        {"0x1F", 31},   {"0X1f", 31},    {"1FH", 31},       {"0FFh", 255},
        {"31", 31},     {"0101B", 5},    {"1BH", 27},  // B then H: hexadecimal
        {"017", 15},    {"018", 18},     {"0", 0},          {"10L", 10},
        {"0x10UL", 16}, {"1E5H", 0x1E5}, {"12E4H", 0x12E4},
    };
    for (const auto& [text, expected] : cases) {
        EXPECT_EQ(integer(text), expected) << text;
    }
    EXPECT_EQ(real_image(analyse("1.5").real), "0.15E1");
    EXPECT_EQ(real_image(analyse("1.5E3").real), "0.15E4");
    EXPECT_EQ(real_image(analyse("1E5").real), "0.1E6");
    EXPECT_EQ(real_image(analyse("25E-1").real), "0.25E1");
    EXPECT_EQ(real_image(analyse(".5").real), "0.5");
    EXPECT_EQ(real_image(analyse("0.0025").real), "0.25E-2");
    EXPECT_EQ(analyse("1.5").kind, TokenKind::real);
    EXPECT_EQ(output(), "");
}

TEST_F(ExpressionTest, RangesAreNotReals) {
    // "1..5" is the integer 1, a range mark and the integer 5; the
    // grammar has no range, so the mark ends the expression.
    analyse("1..5");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(messages(output()).back(), "E-SYNTAXERO <fin d'expression> expected");
}

TEST_F(ExpressionTest, MalformedNumbersAreLexicalErrors) {
    for (const char* text : {"12AB", "0x", "1x5", "1.E3", "1FHX", "0x1.5"}) {
        SCOPED_TRACE(text);
        ScriptValue value = analyse(text);
        EXPECT_FALSE(ok_);
        EXPECT_EQ(value.kind, TokenKind::error);
        EXPECT_TRUE(output().find("Harnex-E-ERRLEXCAL") != std::string::npos);
    }
}

TEST_F(ExpressionTest, NumbersBeyond168BitsOverflow) {
    // 2^167 - 1 is the largest value.
    ScriptValue largest = analyse("187072209578355573530071658587684226515959365500927");
    ASSERT_TRUE(ok_);
    EXPECT_EQ(pint_image(largest.integer, ImageFormat::decimal),
              "187072209578355573530071658587684226515959365500927");
    EXPECT_EQ(output(), "");
    for (const std::string& text :
         {std::string("187072209578355573530071658587684226515959365500928"),
          std::string("0x800000000000000000000000000000000000000000"),
          std::string("99999999999999999999999999999999999999999999999999999999"),
          "1" + std::string(167, '0') + "B", std::string(20000, '7')}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_FALSE(ok_);
        EXPECT_EQ(codes(output()),
                  (std::vector<std::string>{"I-EXPERRONE", "I-POSIT_ERR", "E-OVERFLOW"}));
    }
}

TEST_F(ExpressionTest, FoldingOverflowAndDivisionByZero) {
    const std::string max = "187072209578355573530071658587684226515959365500927";
    // The smallest value is reachable, and exactly.
    ScriptValue min = analyse("-" + max + " - 1");
    ASSERT_TRUE(ok_);
    EXPECT_EQ(pint_image(min.integer, ImageFormat::decimal),
              "-187072209578355573530071658587684226515959365500928");
    EXPECT_TRUE(analyse("(-" + max + " - 1) * 1").kind == TokenKind::integer);
    EXPECT_EQ(output(), "");
    const std::string two_84 = "19342813113834066795298816";
    for (const std::string& text :
         {max + " + 1", "-" + max + " - 2", two_84 + " * " + two_84, "-(-" + max + " - 1)",
          "(-" + max + " - 1) / -1", "(-" + max + " - 1) * -1"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_EQ(codes(output()).back(), "E-OVERFLOW");
    }
    // 2^83 * -2^84 = -2^167 fits.
    ScriptValue edge = analyse("9671406556917033397649408 * -" + two_84);
    EXPECT_TRUE(ok_);
    EXPECT_EQ(edge.integer, min.integer);
    for (const char* text : {"1 / 0", "1.5 / 0", "A + 1 / (2 - 2)"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_EQ(codes(output()).back(), "E-DIVBYZERO");
    }
}

// Strings.

TEST_F(ExpressionTest, StringsJoinAndMismatch) {
    ScriptValue joined = analyse("\"ab\" & \"cd\" + \"e\"");
    EXPECT_EQ(joined.kind, TokenKind::string);
    EXPECT_EQ(joined.text, "abcde");
    // A string before a name makes the list of the concatenation macro.
    EXPECT_EQ(composite_text("\"x\" + A"), "\"x\",A");
    EXPECT_EQ(composite_text("\"x\" & A", tested_language_ada), "\"x\"&A");
    EXPECT_EQ(output(), "");

    analyse("\"a\" + 1");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(messages(output()).back(), "E-TYPESMISM Types mismatch STRING_CST,INTEGER_CST");
}

TEST_F(ExpressionTest, KindNamesFollowTheScriptLanguage) {
    script_language_ = script_language_fr;
    analyse("1.5 * \"a\"");
    EXPECT_EQ(messages(output()).back(), "E-TYPESMISM Types mismatch CST_REELLE,CST_STRING");
    EXPECT_EQ(token_kind_name(TokenKind::scope, script_language_gb), "SCOPE_RESOLUTION_OERATOR");
    EXPECT_EQ(token_kind_name(TokenKind::expression, script_language_fa),
              "EXPRESSION_IRREDUCTIBLE");
    EXPECT_EQ(token_kind_name(TokenKind::lbrace, script_language_gb), "L_BRACKET");
    for (std::size_t i = 0; i < token_kind_names.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(token_kind_names[i].kind), i);
    }
}

TEST_F(ExpressionTest, MinusBeforeAStringIsASyntaxError) {
    analyse("-\"a\"");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(messages(output()).back(),
              "E-SYNTAXERO '(' ou <CONSTANTE> ou <IDENTIFICATEUR> expected");
}

TEST_F(ExpressionTest, StringEscapesAndDelimiters) {
    // C escapes, octal codes modulo 256, other pairs kept as written.
    ScriptValue c = analyse("\"a\\n\\101\\q\\\\\\\"\\777\"");
    EXPECT_EQ(c.text, std::string("a\nA\\q\\\"") + static_cast<char>(0777 % 256));
    EXPECT_EQ(analyse("\"say \"\"hi\"\"\"").text, "say \"hi\"");
    ScriptValue character = analyse("'x'");
    EXPECT_EQ(character.kind, TokenKind::string);
    EXPECT_TRUE(character.character);
    EXPECT_EQ(composite_text("c + 'x'"), "c+'x'");
    EXPECT_EQ(composite_text("c + '\\''"), "c+'\\''");
    // No escapes outside C: the backslash is a character.
    EXPECT_EQ(analyse("\"a\\n\"", tested_language_ada).text, "a\\n");
    EXPECT_EQ(analyse("'A'", tested_language_ada).text, "A");
    EXPECT_EQ(composite_text("s & '\"'", tested_language_ada), "S&'\"'");
    // Rebuilt C strings escape what C would read differently.
    EXPECT_EQ(composite_text("p + \"a\\tb\\001?\?=\""), "p+\"a\\tb\\001?\\?=\"");
    EXPECT_EQ(output(), "");
}

TEST_F(ExpressionTest, UnterminatedStringsAreLexicalErrors) {
    for (const char* text : {"\"abc", "'a", "\"ab\\\"", "x + \"y"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_EQ(codes(output()).back(), "E-ERRLEXCAL");
    }
}

// Percent mode.

TEST_F(ExpressionTest, PercentBecomesRelativeToTheTestedValue) {
    EXPECT_EQ(analyse("5%", tested_language_c, expression_mode_percent).text, "5*(VA)/100");
    EXPECT_EQ(analyse("5%", tested_language_c, expression_mode_percent, expected_kind_real).text,
              "5*(VA)/100.0");
    EXPECT_EQ(output(), "");
    analyse("5%");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(codes(output()), (std::vector<std::string>{"I-EXPERRONE", "I-POSIT_ERR",
                                                         "E-CHARINVAL", "E-ERRLEXCAL"}));
}

// Error display.

TEST_F(ExpressionTest, FirstErrorShownWithItsPosition) {
    analyse("(1 + 2");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(messages(output()), (std::vector<std::string>{
                                      "I-EXPERRONE Bad expression: (1 + 2",
                                      "I-POSIT_ERR Error position       ^",
                                      "E-SYNTAXERO ')' expected",
                                  }));
}

TEST_F(ExpressionTest, CaretUnderTheCurrentToken) {
    analyse("  a + ) + (");
    EXPECT_EQ(messages(output()), (std::vector<std::string>{
                                      "I-EXPERRONE Bad expression: a + ) + (",
                                      "I-POSIT_ERR Error position     ^",
                                      "E-SYNTAXERO '(' ou '[' ou '@' ou <CONSTANTE> ou "
                                      "<IDENTIFICATEUR> expected",
                                  }));
}

TEST_F(ExpressionTest, SyntaxErrorsNameTheRuleExpected) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"1 2", "<fin d'expression>"},
        {"1 +", "<TERME>"},
        {"2 *", "<FACTEUR>"},
        {"f(1, 2", "')'"},
        {"t[1", "']'"},
        {"a.", "<IDENTIFICATEUR>"},
        {"-", "'(' ou <CONSTANTE> ou <IDENTIFICATEUR>"},
        {"f(1,,2)", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>"},
        {"{1}", "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>"},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_EQ(messages(output()).back(), "E-SYNTAXERO " + expected + " expected");
    }
    analyse("@x", tested_language_plm);
    EXPECT_TRUE(ok_);
    analyse("@1", tested_language_plm);
    EXPECT_EQ(messages(output()).back(), "E-SYNTAXERO '(' ou <IDENTIFICATEUR> expected");
}

TEST_F(ExpressionTest, OnlyTheFirstErrorOfAnExpressionIsReported) {
    analyse("1 + ? + \"a");
    EXPECT_EQ(codes(output()), (std::vector<std::string>{"I-EXPERRONE", "I-POSIT_ERR",
                                                         "E-CHARINVAL", "E-ERRLEXCAL"}))
        << "a later error of the same expression";
    // The next expression shows its own error again.
    analyse("1 +");
    EXPECT_EQ(codes(output()).size(), 3u);
}

TEST_F(ExpressionTest, EmptyTextIsNothing) {
    EXPECT_EQ(analyse("   ").kind, TokenKind::end);
    EXPECT_TRUE(ok_);
    EXPECT_EQ(output(), "");
}

TEST_F(ExpressionTest, UnknownCharactersOfALanguage) {
    for (const auto& [text, language] :
         std::vector<std::pair<std::string, int>>{{"p^", tested_language_c},
                                                  {"@x", tested_language_c},
                                                  {"a::b", tested_language_c},
                                                  {"a < b", tested_language_c},
                                                  {"x ? y", tested_language_cpp}}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(analyse(text, language).kind, TokenKind::error);
        std::vector<std::string> all = codes(output());
        ASSERT_GE(all.size(), 2u);
        EXPECT_EQ(all[all.size() - 2], "E-CHARINVAL");
        EXPECT_EQ(all.back(), "E-ERRLEXCAL");
    }
}

// Bounds.

TEST_F(ExpressionTest, DeepNestingIsRefusedWithoutExhaustingTheStack) {
    for (const std::string& text : {std::string(20000, '(') + "1", std::string(20000, '-') + "1",
                                    std::string(10000, '*') + "p", "f" + std::string(10000, '(')}) {
        EXPECT_EQ(analyse(text).kind, TokenKind::error);
        EXPECT_EQ(codes(output()).back(), "E-SYNTAXERO");
    }
    std::string nested = std::string(150, '(') + "1" + std::string(150, ')');
    EXPECT_EQ(integer(nested), 1);
}

TEST_F(ExpressionTest, TextLimit) {
    std::string longest = "1";
    while (longest.size() + 2 <= script_text_limit) {
        longest += "+1";
    }
    ASSERT_EQ(longest.size(), script_text_limit);
    EXPECT_EQ(integer(longest), 10240);
    EXPECT_EQ(output(), "");
    analyse(longest + "+1");
    EXPECT_FALSE(ok_);
    EXPECT_EQ(codes(output()), (std::vector<std::string>{"E-LINETOLON"}));
    // The percent text counts after its replacement.
    analyse(std::string(3000, '%'), tested_language_c, expression_mode_percent);
    EXPECT_EQ(codes(output()), (std::vector<std::string>{"E-LINETOLON"}));
}

TEST_F(ExpressionTest, RebuiltTextsStayWithinTheLimit) {
    // Every control character grows to an octal escape.
    std::string text = "p + \"" + std::string(15000, '\x01') + "\"";
    analyse(text);
    EXPECT_FALSE(ok_);
    EXPECT_EQ(codes(output()).back(), "E-LINETOLON");
}

TEST_F(ExpressionTest, ConstantsCannotGrowATextBeyondTheLimit) {
    ScriptConstant big;
    big.name = "BIG";
    big.value.kind = TokenKind::expression;
    big.value.text = std::string(script_text_limit - 1, 'a');
    constants_.add(big);
    EXPECT_EQ(analyse("BIG").kind, TokenKind::error);
    EXPECT_EQ(codes(output()),
              (std::vector<std::string>{"I-EXPERRONE", "I-POSIT_ERR", "E-LINETOLON"}));
    EXPECT_EQ(analyse("BIG + BIG").kind, TokenKind::error);
    EXPECT_EQ(codes(output()).back(), "E-LINETOLON");
}

TEST_F(ExpressionTest, LexerBeforeInitialisationIsAnInternalError) {
    ScriptLexer lexer(capture_->reporter());
    EXPECT_INTERNAL_REPORT(*capture_, lexer.advance(), "LEXNOTINI", "");
}

// Constants.

TEST_F(ExpressionTest, ConstantsAreReplacedByTheirValues) {
    ScriptConstant n;
    n.name = "N";
    n.value.kind = TokenKind::integer;
    n.value.integer = pint_from_int(4);
    ASSERT_TRUE(constants_.add(n));
    ScriptConstant e;
    e.name = "E";
    e.value = analyse("A + 1");
    ASSERT_TRUE(constants_.add(e));
    EXPECT_EQ(integer("N * 2"), 8);
    EXPECT_EQ(composite_text("E * 2"), "(A+1)*2");
    EXPECT_EQ(composite_text("t[N]"), "t[4]");
    // Followed by a selector the name is a name again.
    EXPECT_EQ(composite_text("N(1)"), "N(1)");
    // Names are exact: n is not N in C.
    EXPECT_EQ(analyse("n").kind, TokenKind::identifier);
    EXPECT_EQ(output(), "");
}

TEST(ScriptConstantsTest, TableIsSortedByNameWithinFirstCharacters) {
    ScriptConstants table;
    for (const char* name : {"NB", "A", "N", "NA", "B_2", "_X"}) {
        ScriptConstant constant;
        constant.name = name;
        constant.value.kind = TokenKind::identifier;
        constant.value.text = std::string("v_") + name;
        EXPECT_TRUE(table.add(constant));
    }
    ScriptConstant again;
    again.name = "NA";
    EXPECT_FALSE(table.add(again));
    for (const char* name : {"NB", "A", "N", "NA", "B_2", "_X"}) {
        const ScriptConstant* constant = table.find(name);
        ASSERT_NE(constant, nullptr) << name;
        EXPECT_EQ(constant->value.text, std::string("v_") + name);
    }
    EXPECT_EQ(table.find("NA")->value.text, "v_NA");  // the first one stays
    EXPECT_EQ(table.find("NC"), nullptr);
    EXPECT_EQ(table.find(""), nullptr);
}

// Variable paths.

class VariablePathTest : public ExpressionTest {
protected:
    std::string steps(const VariablePath& path) {
        std::string text;
        for (const PathComponent& c : path.components) {
            static const char* names[] = {"name",  "index", "field",   "pointer_field",
                                          "scope", "deref", "pointer", "attribute"};
            text += std::string(names[static_cast<int>(c.step)]) + ":" + c.text;
            for (const ScriptValue& v : c.index) {
                text += printed_value(v, tested_language_c) + ";";
            }
            text += " ";
        }
        return text;
    }
};

TEST_F(VariablePathTest, ComponentsInEvaluationOrder) {
    ScriptConstant n;
    n.name = "N";
    n.value.kind = TokenKind::integer;
    n.value.integer = pint_from_int(4);
    constants_.add(n);
    VariablePath path;
    ASSERT_TRUE(analyser_->parse_variable_path("(*p).x[N, i+1]->y", tested_language_c,
                                               script_language_gb, path));
    EXPECT_EQ(steps(path), "name:p deref: field:x index:4;i+1; pointer_field:y ");
    EXPECT_EQ(path.text, "(*p).x[4][i+1]->y");
    ASSERT_TRUE(
        analyser_->parse_variable_path(" * p . x ", tested_language_c, script_language_gb, path));
    EXPECT_EQ(steps(path), "name:p field:x deref: ");
    EXPECT_EQ(path.text, "*p.x");
    ASSERT_TRUE(analyser_->parse_variable_path("**q", tested_language_c, script_language_gb, path));
    EXPECT_EQ(path.text, "**q");
    ASSERT_TRUE(analyser_->parse_variable_path("r.t^.f[1,2]", tested_language_pascal,
                                               script_language_gb, path));
    EXPECT_EQ(path.text, "R.T^.F[1,2]");
    ASSERT_TRUE(
        analyser_->parse_variable_path("ns::v", tested_language_cpp, script_language_gb, path));
    EXPECT_EQ(steps(path), "name:ns scope:v ");
    EXPECT_EQ(output(), "");
}

TEST_F(VariablePathTest, MalformedPaths) {
    for (const char* text : {"", "a..b", "1abc", "a[", "a[]", "(a", "a.", "a b", "a + 1", "f(x)",
                             "a->", "*", "x[\"s]"}) {
        SCOPED_TRACE(text);
        VariablePath path;
        EXPECT_FALSE(
            analyser_->parse_variable_path(text, tested_language_c, script_language_gb, path));
        EXPECT_TRUE(path.components.empty());
        EXPECT_EQ(codes(output()).back(), "E-NOMVARINC");
    }
    VariablePath path;
    EXPECT_FALSE(
        analyser_->parse_variable_path(std::string(5000, '(') + "a" + std::string(5000, ')'),
                                       tested_language_c, script_language_gb, path));
    EXPECT_FALSE(analyser_->parse_variable_path(std::string(5000, '*') + "a", tested_language_c,
                                                script_language_gb, path));
}

}  // namespace
}  // namespace vx
