// The lexer of script values: tokens, the number machine, strings, and the
// error display of one expression.
#include "script/script_lexer.h"

#include "diag/reporter.h"
#include "support/languages.h"

#include <cctype>

namespace vx {

const std::array<TokenKindName, token_kind_count> token_kind_names = {{
    {TokenKind::op, "OPERATEUR", "OPERATOR"},
    {TokenKind::identifier, "IDENTIFICATEUR", "IDENTIFIER"},
    {TokenKind::integer, "CST_ENTIERE", "INTEGER_CST"},
    {TokenKind::real, "CST_REELLE", "REAL_CST"},
    {TokenKind::string, "CST_STRING", "STRING_CST"},
    {TokenKind::expression, "EXPRESSION_IRREDUCTIBLE", "IRREDUCTIBLE_EXPRESSION"},
    {TokenKind::lparen, "PG", "LP"},
    {TokenKind::rparen, "PD", "RP"},
    {TokenKind::lbracket, "CG", "LSB"},
    {TokenKind::rbracket, "CD", "RSB"},
    {TokenKind::dot, "POINT", "DOT"},
    {TokenKind::dot_dot, "POINT_POINT", "DOT_DOT"},
    {TokenKind::pointer, "POINTEUR", "POINTER"},
    {TokenKind::quote, "QUOTE", "QUOTE"},
    {TokenKind::arrow, "CH_POINT", "STR_POINT"},
    {TokenKind::at, "AROBASQUE", "AROBASQUE"},
    {TokenKind::comma, "VIRGULE", "COMMA"},
    {TokenKind::end, "END_LEX", "END_LEX"},
    {TokenKind::error, "ERREUR", "ERROR"},
    {TokenKind::sharp, "DIESE", "SHARP"},
    {TokenKind::arrow_star, "FLECHE_ETOILE", "ARROW_STAR"},
    {TokenKind::dot_star, "POINT_ETOILE", "DOT_STAR"},
    {TokenKind::scope, "OPER_RESOLUTION_PORTEE", "SCOPE_RESOLUTION_OERATOR"},
    {TokenKind::less, "INFERIEUR", "INFERIOR"},
    {TokenKind::greater, "SUPERIEUR", "SUPERIOR"},
    {TokenKind::lbrace, "ACCOLADE_G", "L_BRACKET"},
    {TokenKind::rbrace, "ACCOLADE_D", "R_BRACKET"},
}};

std::string_view token_kind_name(TokenKind kind, int script_language) {
    const TokenKindName& row = token_kind_names[static_cast<std::size_t>(kind)];
    return script_language == script_language_gb ? row.english : row.french;
}

namespace {

// The number machine. Characters are classed, and the next state is
// number_states[state][class]; states 12 to 16 end the number without
// consuming the character that ended it.
enum NumberState : int {
    end_binary = 12,
    end_decimal = 13,
    end_hexadecimal = 14,
    end_real = 15,
    end_error = 16,
};

constexpr int number_classes = 10;
constexpr int number_states[12][number_classes] = {
    // 0-1  2-9  ACDF  B   E   +-   .   H   X  other
    {0, 2, 3, 1, 4, 13, 10, 6, 11, 13},        // 0: binary digits so far
    {1, 3, 3, 3, 3, 12, 12, 6, 16, 12},        // 1: binary digits and B
    {2, 2, 3, 3, 4, 13, 10, 6, 16, 13},        // 2: decimal digits
    {3, 3, 3, 3, 3, 16, 16, 6, 16, 16},        // 3: hexadecimal digits
    {7, 7, 3, 3, 3, 9, 16, 6, 16, 16},         // 4: digits and E
    {5, 5, 15, 15, 8, 15, 15, 15, 15, 15},     // 5: fraction digits
    {14, 14, 14, 14, 14, 14, 14, 14, 16, 14},  // 6: hexadecimal and H
    // 7: digits, E, digits: an exponent, or hexadecimal digits while an H
    // may still follow. An H here ends a hexadecimal number like in every
    // other digit state (1E5H is 0x1E5), so it goes to state 6, which
    // consumes it.
    {7, 7, 3, 3, 3, 15, 15, 6, 15, 15},
    {9, 9, 16, 16, 16, 9, 16, 16, 16, 16},     // 8: fraction, E
    {9, 9, 15, 15, 15, 15, 15, 15, 15, 15},    // 9: exponent digits
    {5, 5, 16, 16, 16, 16, 16, 16, 16, 16},    // 10: digits and "."
    {11, 11, 11, 11, 11, 14, 16, 16, 16, 14},  // 11: after 0x
};

int number_class(std::string_view text, std::size_t i) {
    const char c = text[i];
    switch (std::toupper(static_cast<unsigned char>(c))) {
        case '0':
        case '1':
            return 0;
        case '2':
        case '3':
        case '4':
        case '5':
        case '6':
        case '7':
        case '8':
        case '9':
            return 1;
        case 'A':
        case 'C':
        case 'D':
        case 'F':
            return 2;
        case 'B':
            return 3;
        case 'E':
            return 4;
        case '+':
        case '-':
            return 5;
        case '.':
            // ".." is a range: the number ends before it.
            return i + 1 < text.size() && text[i + 1] == '.' ? 9 : 6;
        case 'H':
            return 7;
        case 'X':
            return 8;
        default:
            return 9;
    }
}

bool skipped_suffix(char c) { return c == 'L' || c == 'l' || c == 'U' || c == 'u'; }

int digit_value(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    return std::toupper(static_cast<unsigned char>(c)) - 'A' + 10;
}

// Converts digits in a base into a big number; false when the value does
// not fit in 168 bits. The test before each step keeps the library's own
// overflow report out of it: value * base + digit <= max exactly when
// value < max / base, or value == max / base and digit <= max % base.
bool convert_digits(std::string_view digits, unsigned base, pint& value) {
    static const pint max = pint_largest();
    pint limit;
    pint rest;
    pint_divmod(max, pint_from_int(base), limit, rest);
    const std::int64_t last = pint_low64(rest);
    value = pint_zero;
    for (char c : digits) {
        const int digit = digit_value(c);
        const int order = pint_compare(value, limit);
        if (order > 0 || (order == 0 && digit > last)) {
            return false;
        }
        pint_mul_small(value, base, value);
        pint_add_small(value, digit, value);
    }
    return true;
}

// The most significant digits a real keeps; further digits of the integer
// part only raise the exponent, further fraction digits are dropped.
constexpr std::size_t real_significant_digits = 45;
// Exponents written beyond this are refused as an overflow.
constexpr long real_exponent_limit = 99999;

}  // namespace

bool ScriptLexer::initialise(std::string_view text, int tested_language, int script_language,
                             bool dotted_identifiers) {
    initialised_ = false;
    error_shown_ = false;
    failed_ = false;
    tested_language_ = tested_language;
    script_language_ = script_language;
    dotted_identifiers_ = dotted_identifiers;
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && (text[first] == ' ' || text[first] == '\t')) {
        ++first;
    }
    while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t' ||
                            text[last - 1] == '\n' || text[last - 1] == '\r')) {
        --last;
    }
    if (last - first > script_text_limit) {
        failed_ = true;
        reporter_.error(msg::LINETOLON, text.substr(first, 40));
        return false;
    }
    text_.assign(text.substr(first, last - first));
    length_ = text_.size();
    text_.append(4, ' ');
    position_ = 0;
    current_ = Token{};
    initialised_ = true;
    return true;
}

bool ScriptLexer::c_family() const {
    return tested_language_ == tested_language_c || tested_language_ == tested_language_cpp;
}

bool ScriptLexer::case_insensitive() const {
    return tested_language_ == tested_language_ada || tested_language_ == tested_language_pascal ||
           tested_language_ == tested_language_plm || tested_language_ == tested_language_asm;
}

void ScriptLexer::reset(const Mark& mark) {
    position_ = mark.position;
    current_ = mark.token;
}

void ScriptLexer::report(MessageCode code, std::string_view argument) {
    failed_ = true;
    if (error_shown_) {
        return;
    }
    error_shown_ = true;
    reporter_.info(msg::EXPERRONE, text());
    std::string caret(std::min(current_.start, length_), ' ');
    caret += '^';
    reporter_.info(msg::POSIT_ERR, caret);
    reporter_.error(code, argument);
}

void ScriptLexer::lexical_error(std::string_view argument) {
    report(msg::ERRLEXCAL, argument);
    current_.kind = TokenKind::error;
}

void ScriptLexer::advance() {
    if (!initialised_) {
        throw reporter_.internal(msg::LEXNOTINI, "script_lexer");
    }
    while (position_ < length_ && (text_[position_] == ' ' || text_[position_] == '\t' ||
                                   text_[position_] == '\n' || text_[position_] == '\r')) {
        ++position_;
    }
    current_ = Token{};
    current_.start = position_;
    if (position_ >= length_) {
        current_.kind = TokenKind::end;
        current_.start = length_;
        return;
    }
    const char c = text_[position_];
    if (c == '$' || c == '_' || std::isalpha(static_cast<unsigned char>(c))) {
        read_identifier();
    } else if (std::isdigit(static_cast<unsigned char>(c)) ||
               (c == '.' && std::isdigit(static_cast<unsigned char>(text_[position_ + 1])))) {
        read_number();
    } else if (c == '"') {
        read_string('"');
    } else if (c == '\'' && (c_family() || text_[position_ + 2] == '\'')) {
        read_string('\'');
    } else {
        read_symbol();
    }
}

void ScriptLexer::read_identifier() {
    std::size_t end = position_ + 1;
    while (end < length_) {
        const char c = text_[end];
        if (c == '$' || c == '_' || std::isalnum(static_cast<unsigned char>(c)) ||
            (c == '.' && dotted_identifiers_ && tested_language_ == tested_language_asm)) {
            ++end;
        } else {
            break;
        }
    }
    current_.kind = TokenKind::identifier;
    current_.text = text_.substr(position_, end - position_);
    if (case_insensitive()) {
        for (char& ch : current_.text) {
            ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        }
    }
    position_ = end;
}

void ScriptLexer::read_number() {
    std::string digits;  // the characters consumed, without L and U
    int state = 0;
    bool prefix = false;
    std::size_t i = position_;
    while (state < end_binary) {
        if (skipped_suffix(text_[i])) {
            ++i;
            continue;
        }
        const int next = number_states[state][number_class(text_, i)];
        if (next >= end_binary) {
            state = next;
            break;
        }
        if (next == 11) {
            prefix = true;
        }
        digits += text_[i];
        ++i;
        state = next;
    }
    current_.text = text_.substr(position_, i - position_);
    position_ = i;
    current_.kind = TokenKind::integer;
    bool fits = true;
    switch (state) {
        case end_binary:
            fits = convert_digits(std::string_view(digits).substr(0, digits.size() - 1), 2,
                                  current_.integer);
            break;
        case end_decimal: {
            const bool octal = digits.size() > 1 && digits.front() == '0' &&
                               digits.find_first_of("89") == std::string::npos;
            if (octal && digits.find_first_not_of("01234567") != std::string::npos) {
                throw reporter_.internal(msg::ANAEXPERR, current_.text);
            }
            fits = convert_digits(digits, octal ? 8 : 10, current_.integer);
            break;
        }
        case end_hexadecimal:
            if (prefix) {
                const std::size_t x = digits.find_first_of("xX");
                if (digits.substr(0, x) != "0" || x + 1 == digits.size()) {
                    lexical_error(current_.text);
                    return;
                }
                fits = convert_digits(std::string_view(digits).substr(x + 1), 16, current_.integer);
            } else {
                fits = convert_digits(std::string_view(digits).substr(0, digits.size() - 1), 16,
                                      current_.integer);
            }
            break;
        case end_real: {
            // Mantissa digits scaled by ten to the exponent minus the number of
            // fraction digits.
            current_.kind = TokenKind::real;
            std::string mantissa;
            long scale = 0;
            bool fraction = false;
            std::size_t k = 0;
            for (; k < digits.size(); ++k) {
                const char d = digits[k];
                if (d == '.') {
                    fraction = true;
                    continue;
                }
                if (d == 'e' || d == 'E') {
                    break;
                }
                if (mantissa.empty() && d == '0') {
                    if (fraction) {
                        --scale;
                    }
                    continue;
                }
                if (mantissa.size() < real_significant_digits) {
                    mantissa += d;
                    if (fraction) {
                        --scale;
                    }
                } else if (!fraction) {
                    ++scale;
                }
            }
            long exponent = 0;
            if (k < digits.size()) {
                bool negative = false;
                ++k;
                if (k < digits.size() && (digits[k] == '+' || digits[k] == '-')) {
                    negative = digits[k] == '-';
                    ++k;
                }
                for (; k < digits.size(); ++k) {
                    exponent = exponent * 10 + (digits[k] - '0');
                    if (exponent > real_exponent_limit) {
                        report(msg::OVERFLOW, current_.text);
                        current_.kind = TokenKind::error;
                        return;
                    }
                }
                if (negative) {
                    exponent = -exponent;
                }
            }
            current_.real = Real{};
            if (!mantissa.empty()) {
                pint m;
                convert_digits(mantissa, 10, m);
                Real value;
                real_from_pint(m, value);
                value.exponent += static_cast<int>(exponent + scale);
                current_.real = value;
            }
            return;
        }
        default:
            lexical_error(current_.text);
            return;
    }
    if (!fits) {
        report(msg::OVERFLOW, current_.text);
        current_.kind = TokenKind::error;
    }
}

void ScriptLexer::read_string(char delimiter) {
    std::string value;
    std::size_t i = position_ + 1;
    const bool c_escapes = c_family();
    while (true) {
        if (i >= length_) {
            position_ = length_;
            lexical_error(text_.substr(current_.start, length_ - current_.start));
            return;
        }
        const char c = text_[i];
        if (c == delimiter) {
            if (i + 1 < length_ && text_[i + 1] == delimiter) {
                value += delimiter;
                i += 2;
                continue;
            }
            ++i;
            break;
        }
        if (c == '\\' && c_escapes && i + 1 < length_) {
            const char n = text_[i + 1];
            static constexpr std::string_view simple = "\"'?\\";
            static constexpr std::string_view letters = "abfnrtv";
            static constexpr std::string_view codes = "\a\b\f\n\r\t\v";
            if (simple.find(n) != std::string_view::npos) {
                value += n;
                i += 2;
            } else if (letters.find(n) != std::string_view::npos) {
                value += codes[letters.find(n)];
                i += 2;
            } else if (n >= '0' && n <= '7') {
                int code = 0;
                std::size_t j = i + 1;
                for (int count = 0; count < 3 && j < length_ && text_[j] >= '0' && text_[j] <= '7';
                     ++count, ++j) {
                    code = code * 8 + (text_[j] - '0');
                }
                value += static_cast<char>(code % 256);
                i = j;
            } else {
                value += c;
                value += n;
                i += 2;
            }
            continue;
        }
        value += c;
        ++i;
    }
    current_.kind = TokenKind::string;
    current_.string = std::move(value);
    current_.character = delimiter == '\'';
    current_.text = text_.substr(position_, i - position_);
    position_ = i;
}

void ScriptLexer::read_symbol() {
    const char c = text_[position_];
    const char n = text_[position_ + 1];
    const bool cpp = tested_language_ == tested_language_cpp;
    std::size_t width = 1;
    TokenKind kind = TokenKind::error;
    switch (c) {
        case '+':
            kind = TokenKind::op;
            current_.op = OperatorCode::plus;
            break;
        case '*':
            kind = TokenKind::op;
            current_.op = OperatorCode::times;
            break;
        case '/':
            kind = TokenKind::op;
            current_.op = OperatorCode::divide;
            break;
        case '&':
            kind = TokenKind::op;
            current_.op = OperatorCode::ampersand;
            break;
        case '-':
            if (n == '>' && c_family()) {
                if (cpp && text_[position_ + 2] == '*') {
                    kind = TokenKind::arrow_star;
                    width = 3;
                } else {
                    kind = TokenKind::arrow;
                    width = 2;
                }
            } else {
                kind = TokenKind::op;
                current_.op = OperatorCode::minus;
            }
            break;
        case '(':
            kind = TokenKind::lparen;
            break;
        case ')':
            kind = TokenKind::rparen;
            break;
        case '[':
            kind = TokenKind::lbracket;
            break;
        case ']':
            kind = TokenKind::rbracket;
            break;
        case '{':
            kind = TokenKind::lbrace;
            break;
        case '}':
            kind = TokenKind::rbrace;
            break;
        case ',':
            kind = TokenKind::comma;
            break;
        case '#':
            kind = TokenKind::sharp;
            break;
        case '\'':
            kind = TokenKind::quote;
            break;
        case '.':
            if (n == '.') {
                kind = TokenKind::dot_dot;
                width = 2;
            } else if (n == '*' && cpp) {
                kind = TokenKind::dot_star;
                width = 2;
            } else {
                kind = TokenKind::dot;
            }
            break;
        case '^':
            if (tested_language_ == tested_language_pascal ||
                tested_language_ == tested_language_modula2) {
                kind = TokenKind::pointer;
            }
            break;
        case '@':
            if (tested_language_ == tested_language_plm) {
                kind = TokenKind::at;
            }
            break;
        case ':':
            if (n == ':' && cpp) {
                kind = TokenKind::scope;
                width = 2;
            }
            break;
        case '<':
            if (cpp) {
                kind = TokenKind::less;
            }
            break;
        case '>':
            if (cpp) {
                kind = TokenKind::greater;
            }
            break;
        default:
            break;
    }
    current_.text = text_.substr(position_, width);
    position_ += width;
    if (kind == TokenKind::error) {
        // One event: the character, then the lexical error, shown once.
        failed_ = true;
        if (!error_shown_) {
            report(msg::CHARINVAL, current_.text);
            reporter_.error(msg::ERRLEXCAL, current_.text);
        }
    }
    current_.kind = kind;
}

}  // namespace vx
