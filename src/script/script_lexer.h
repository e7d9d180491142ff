// The lexer of script values.
//
// Values written in a test script (CONST values, environment parameters,
// variable paths, list items) are cut into tokens of fixed kinds. The kind
// numbers are part of the analyser's contract: the parser and the table
// that combines two operands switch on them, and every kind has a name in
// each script language that messages show ("CST_ENTIERE" in a French
// script, "INTEGER_CST" in an English one).
//
// The text is copied and trimmed (at most 20479 characters) and four blanks
// are appended, so that the number machine can always look one character
// ahead. Numbers are read by a table-driven state machine: binary digits
// followed by "B", decimal, octal with a leading 0, hexadecimal with a
// trailing "H" or a leading "0x", reals with a fraction and/or an exponent;
// the integer suffix letters L and U are skipped wherever they stand.
// Strings start with a double quote (or, in C and C++, a single quote);
// a doubled delimiter stands for itself, and C and C++ strings decode the
// C escapes.
//
// The lexer also owns the error display of one expression: the first error
// is shown in full (the expression, a caret line under the start of the
// current token, then the error); later errors of the same expression are
// not reported at all, so one mistake gives one diagnostic.
#pragma once

#include "canalysis/cpp/bignum.h"
#include "diag/message_code.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

class Reporter;

// The longest value text, as the longest statement.
inline constexpr std::size_t script_text_limit = 20479;

enum class TokenKind : int {
    op = 0,
    identifier = 1,
    integer = 2,
    real = 3,
    string = 4,
    expression = 5,  // a composite expression; a result, never a token
    lparen = 6,
    rparen = 7,
    lbracket = 8,
    rbracket = 9,
    dot = 10,
    dot_dot = 11,
    pointer = 12,  // "^" of Pascal and Modula-2
    quote = 13,    // "'" as an attribute mark
    arrow = 14,    // "->"
    at = 15,       // "@" of PL/M
    comma = 16,
    end = 17,
    error = 18,
    sharp = 19,
    arrow_star = 20,  // "->*"
    dot_star = 21,    // ".*"
    scope = 22,       // "::"
    less = 23,
    greater = 24,
    lbrace = 25,
    rbrace = 26,
};
inline constexpr int token_kind_count = 27;

// Sub-codes of the operator token.
enum class OperatorCode : int { plus = 0, minus = 1, times = 2, divide = 3, ampersand = 4 };
inline constexpr std::array<std::string_view, 5> operator_texts = {"+", "-", "*", "/", "&"};

struct TokenKindName {
    TokenKind kind;
    std::string_view french;
    std::string_view english;
};
extern const std::array<TokenKindName, token_kind_count> token_kind_names;

// The name of a kind in the script language (French for 0 and 1).
std::string_view token_kind_name(TokenKind kind, int script_language);

struct Token {
    TokenKind kind = TokenKind::end;
    OperatorCode op = OperatorCode::plus;
    std::size_t start = 0;  // position in the lexed text
    std::string text;       // identifier (cased), or the written number
    pint integer;
    Real real;
    std::string string;      // decoded string or character constant
    bool character = false;  // written with single quotes
};

class ScriptLexer {
public:
    explicit ScriptLexer(Reporter& reporter) : reporter_(reporter) {}

    // Starts a new expression. `dotted_identifiers` lets "." continue an
    // identifier (assembler names). A text longer than the limit is
    // refused ("LINETOLON") and the lexer stays uninitialised.
    bool initialise(std::string_view text, int tested_language, int script_language,
                    bool dotted_identifiers = false);
    bool initialised() const { return initialised_; }

    // Reads the next token into current(). Reading before initialise is an
    // internal error ("LEXNOTINI").
    void advance();
    const Token& current() const { return current_; }

    // Saved positions, to look further ahead than one token.
    struct Mark {
        std::size_t position;
        Token token;
    };
    Mark mark() const { return {position_, current_}; }
    void reset(const Mark& mark);

    // The display of the first error of the expression, then the error
    // itself; nothing for the later errors. Always makes failed() true.
    void report(MessageCode code, std::string_view argument);
    bool failed() const { return failed_; }

    // The trimmed text (without the blanks appended for the look-ahead).
    std::string_view text() const { return std::string_view(text_).substr(0, length_); }
    int tested_language() const { return tested_language_; }
    int script_language() const { return script_language_; }
    bool c_family() const;

private:
    Reporter& reporter_;
    void read_identifier();
    void read_number();
    void read_string(char delimiter);
    void read_symbol();
    void lexical_error(std::string_view argument);
    bool case_insensitive() const;

    std::string text_;
    std::size_t length_ = 0;
    std::size_t position_ = 0;
    int tested_language_ = 3;
    int script_language_ = 2;
    bool dotted_identifiers_ = false;
    bool initialised_ = false;
    bool error_shown_ = false;
    bool failed_ = false;
    Token current_;
};

}  // namespace vx
