#include "script/script_lexer.h"

#include "support/languages.h"
#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

// The kinds and start positions of every token up to the end.
std::string tokens(Reporter& reporter, const std::string& text, int language) {
    ScriptLexer lexer(reporter);
    EXPECT_TRUE(lexer.initialise(text, language, script_language_gb));
    std::string result;
    for (int guard = 0; guard < 100; ++guard) {
        lexer.advance();
        const Token& t = lexer.current();
        result += std::to_string(static_cast<int>(t.kind)) + "@" + std::to_string(t.start) + " ";
        if (t.kind == TokenKind::end || t.kind == TokenKind::error) {
            break;
        }
    }
    return result;
}

TEST(ScriptLexerTest, SymbolsOfCPlusPlus) {
    ReportCapture capture;
    EXPECT_EQ(tokens(capture.reporter(), "a->*b .*c ::d<e>{f}", tested_language_cpp),
              "1@0 20@1 1@4 21@6 1@8 22@10 1@12 23@13 1@14 24@15 25@16 1@17 26@18 17@19 ");
    EXPECT_EQ(tokens(capture.reporter(), "a->b - >c, #d..e", tested_language_c),
              "1@0 14@1 1@3 0@5 18@7 ");  // ">" alone is no C token
    EXPECT_NE(capture.output().find("Harnex-E-CHARINVAL"), std::string::npos);
}

TEST(ScriptLexerTest, SymbolsOfTheOtherLanguages) {
    ReportCapture capture;
    EXPECT_EQ(tokens(capture.reporter(), "p^.f[1..2], 'x' x'y", tested_language_pascal),
              "1@0 12@1 10@2 1@3 8@4 2@5 11@6 2@8 9@9 16@10 4@12 1@16 13@17 1@18 17@19 ");
    EXPECT_EQ(tokens(capture.reporter(), "@a # 'b", tested_language_plm),
              "15@0 1@1 19@3 13@5 1@6 17@7 ");
    EXPECT_EQ(capture.output(), "");
}

TEST(ScriptLexerTest, OperatorsCarryTheirSubCodes) {
    ReportCapture capture;
    ScriptLexer lexer(capture.reporter());
    ASSERT_TRUE(lexer.initialise("+ - * / &", tested_language_c, script_language_gb));
    for (OperatorCode code : {OperatorCode::plus, OperatorCode::minus, OperatorCode::times,
                              OperatorCode::divide, OperatorCode::ampersand}) {
        lexer.advance();
        EXPECT_EQ(lexer.current().kind, TokenKind::op);
        EXPECT_EQ(lexer.current().op, code);
        EXPECT_EQ(lexer.current().text, operator_texts[static_cast<std::size_t>(code)]);
    }
}

TEST(ScriptLexerTest, DottedAssemblerNames) {
    ReportCapture capture;
    ScriptLexer lexer(capture.reporter());
    ASSERT_TRUE(lexer.initialise("lab.sub", tested_language_asm, script_language_gb, true));
    lexer.advance();
    EXPECT_EQ(lexer.current().text, "LAB.SUB");
    ASSERT_TRUE(lexer.initialise("lab.sub", tested_language_asm, script_language_gb, false));
    lexer.advance();
    EXPECT_EQ(lexer.current().text, "LAB");
}

TEST(ScriptLexerTest, MarkAndResetLookAhead) {
    ReportCapture capture;
    ScriptLexer lexer(capture.reporter());
    ASSERT_TRUE(lexer.initialise("a b c", tested_language_c, script_language_gb));
    lexer.advance();
    const ScriptLexer::Mark mark = lexer.mark();
    lexer.advance();
    lexer.advance();
    EXPECT_EQ(lexer.current().text, "c");
    lexer.reset(mark);
    EXPECT_EQ(lexer.current().text, "a");
    lexer.advance();
    EXPECT_EQ(lexer.current().text, "b");
}

}  // namespace
}  // namespace vx
