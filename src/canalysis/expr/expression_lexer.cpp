// The expression lexer.
//
// Tokens of C expressions plus the aggregate notation: ".." (a range, so
// that "1..5" is 1, "..", 5 while "1.5" is a real), "=>" (an
// association). Constants are read with their exact values: integers in a
// pint with the C type their spelling and magnitude give, reals as decimal
// reals, characters with their escapes (two to four characters make a
// multi-character constant), strings decoded. A typedef name, or a run of
// type keywords ("unsigned long", "struct s *" up to a ")"), is one
// TYPE_NAME token holding the type text, which is what casts and "sizeof"
// need. Every malformed constant is warned and becomes an error node.
#include "canalysis/types/c_characters.h"
#include "canalysis/decl/c_keywords.h"
#include "canalysis/expression_grammar.hpp"
#include "canalysis/expr/expression_parser_context.h"
#include "canalysis/types/target_model.h"

#include <cstdarg>
#include <cstdio>
#include <cstdlib>

namespace vx::expr {

namespace {

bool is_hex_digit(char c) {
    return is_digit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}
bool is_alnum(char c) { return is_digit(c) || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

// Operators and punctuation, longest first.
struct Operator {
    std::string_view spelling;
    int token;
};
constexpr Operator operators[] = {
    {"...", TOK_ELIPSIS},
    {"<<=", TOK_ASSIGN_OP},
    {">>=", TOK_ASSIGN_OP},
    {"->", TOK_PTR_OP},
    {"++", TOK_INC_OP},
    {"--", TOK_DEC_OP},
    {"<<", TOK_LEFT_OP},
    {">>", TOK_RIGHT_OP},
    {"<=", TOK_LE_OP},
    {">=", TOK_GE_OP},
    {"==", TOK_EQ_OP},
    {"!=", TOK_NE_OP},
    {"&&", TOK_AND_OP},
    {"||", TOK_OR_OP},
    {"+=", TOK_ASSIGN_OP},
    {"-=", TOK_ASSIGN_OP},
    {"*=", TOK_ASSIGN_OP},
    {"/=", TOK_ASSIGN_OP},
    {"%=", TOK_ASSIGN_OP},
    {"&=", TOK_ASSIGN_OP},
    {"|=", TOK_ASSIGN_OP},
    {"^=", TOK_ASSIGN_OP},
    {"..", TOK_POINT_POINT},
    {"=>", TOK_ARROW},
    {"=", TOK_ASSIGN},
    {"&", TOK_ANDBIT_OP},
    {"|", TOK_ORBIT_OP},
    {"*", TOK_MUL_OP},
    {"/", TOK_DIV_OP},
    {"%", TOK_MOD_OP},
    {"+", TOK_ADD_OP},
    {"!", TOK_NOT_OP},
    {"~", TOK_INVBIT_OP},
    {"-", TOK_SUB_OP},
    {"^", TOK_XORBIT_OP},
    {"<", TOK_LT_OP},
    {">", TOK_GT_OP},
    {"(", '('},
    {")", ')'},
    {"[", '['},
    {"]", ']'},
    {"{", '{'},
    {"}", '}'},
    {",", ','},
    {".", '.'},
    {"?", '?'},
    {":", ':'},
};

// Integers beyond this many bits are out of range ("ENTOUTRAN").
constexpr int integer_constant_max_bits = 64;
// Exponents of reals beyond this magnitude are refused.
constexpr int real_exponent_limit = 9999;
// Characters in a character constant read as one multi-character value.
constexpr int multibyte_max_chars = 4;
constexpr unsigned long narrow_char_max = 0xFF;
constexpr unsigned long wide_char_max = 0xFFFFFFFFUL;

}  // namespace

// The parser trace: Bison's debugging lines on standard output, each with
// the "C_atexp_" prefix.
int trace_printf(std::FILE*, const char* format, ...) {
    static bool line_start = true;
    va_list args;
    va_start(args, format);
    char buffer[1024];
    int n = std::vsnprintf(buffer, sizeof buffer, format, args);
    va_end(args);
    if (n < 0) return n;
    std::size_t length = static_cast<std::size_t>(n) < sizeof buffer ? static_cast<std::size_t>(n)
                                                                     : sizeof buffer - 1;
    for (std::size_t i = 0; i < length; ++i) {
        if (line_start) std::fputs("C_atexp_debug: ", stdout);
        std::fputc(buffer[i], stdout);
        line_start = buffer[i] == '\n';
    }
    return n;
}

void ParserContext::skip_blanks() {
    while (pos_ < text_.size() && is_c_blank(text_[pos_])) ++pos_;
}

int ParserContext::lex(SemanticValue& value) {
    value = SemanticValue{};
    if (stopped_) return 0;
    for (;;) {
        skip_blanks();
        if (pos_ >= text_.size()) return 0;
        char c = text_[pos_];
        char next = pos_ + 1 < text_.size() ? text_[pos_ + 1] : '\0';
        if (c == 'L' && (next == '\'' || next == '"')) {
            ++pos_;
            return next == '\'' ? character(value, true) : string_literal(value, true);
        }
        if (is_ident_start(c)) return identifier(value);
        if (is_digit(c) || (c == '.' && is_digit(next))) return number(value);
        if (c == '\'') return character(value, false);
        if (c == '"') return string_literal(value, false);
        for (const Operator& op : operators) {
            if (text_.substr(pos_, op.spelling.size()) != op.spelling) continue;
            pos_ += op.spelling.size();
            if (op.token == '[') brackets_.push_back(false);
            if (op.token == ']' && !brackets_.empty()) brackets_.pop_back();
            if (op.token == TOK_POINT_POINT && !brackets_.empty()) brackets_.back() = true;
            return op.token;
        }
        std::string shown = "'";
        shown += c;
        shown += "'";
        report(Severity::warning, msg::CHAINUTIL, shown);
        ++pos_;
    }
}

int ParserContext::identifier(SemanticValue& value) {
    std::size_t start = pos_;
    while (pos_ < text_.size() && is_ident_char(text_[pos_])) ++pos_;
    std::string_view word = text_.substr(start, pos_ - start);
    if (CKeyword keyword; c_keyword(word, keyword)) {
        if (keyword == CKeyword::sizeof_keyword) return TOK_SIZEOF;
        if (keyword == CKeyword::alignof_keyword) return TOK_ALIGNOF;
        if (c_keyword_in_type_name(keyword)) return type_name(value, start);
        return TOK_KEYWORD;
    }
    if (is_type_word(word)) return type_name(value, start);
    value.node = make(ExprKind::identifier);
    value.node->text = word;
    return TOK_IDENTIFIER;
}

bool ParserContext::is_type_word(std::string_view word) const {
    if (const Symbol* s = c_find_symbol(word, run_.table, run_.scope))
        return (s->storage & storage_typedef) != 0;
    return run_.table.global_typedef(word) != nullptr;
}

// A type name: type keywords, a typedef name, "struct tag" and the like,
// then, when a ")" follows them, the "*" and qualifiers before it. pos_
// is after the first word, which began at `start`.
int ParserContext::type_name(SemanticValue& value, std::size_t start) {
    std::size_t j = start;
    std::size_t end = start;
    bool base_seen = false;
    bool expect_tag = false;
    for (;;) {
        while (j < text_.size() && is_c_blank(text_[j])) ++j;
        std::size_t w = j;
        while (j < text_.size() && is_ident_char(text_[j])) ++j;
        std::string_view word = text_.substr(w, j - w);
        if (word.empty() || is_digit(word.front())) break;
        CKeyword keyword;
        bool is_keyword = c_keyword(word, keyword);
        if (expect_tag) {
            if (is_keyword) break;
            expect_tag = false;
            base_seen = true;
        } else if (is_keyword && c_keyword_in_type_name(keyword)) {
            if (keyword == CKeyword::struct_keyword || keyword == CKeyword::union_keyword ||
                keyword == CKeyword::enum_keyword) {
                expect_tag = true;
            } else if (keyword != CKeyword::const_keyword &&
                       keyword != CKeyword::volatile_keyword) {
                base_seen = true;
            }
        } else if (!is_keyword && !base_seen && is_type_word(word)) {
            base_seen = true;
        } else {
            break;
        }
        end = j;
    }
    // The abstract declarator of a cast: stars and qualifiers up to ")".
    std::size_t k = end;
    for (;;) {
        while (k < text_.size() && is_c_blank(text_[k])) ++k;
        if (k < text_.size() && text_[k] == '*') {
            ++k;
            continue;
        }
        std::size_t w = k;
        while (k < text_.size() && is_ident_char(text_[k])) ++k;
        std::string_view word = text_.substr(w, k - w);
        if (word == "const" || word == "volatile") continue;
        k = w;
        break;
    }
    if (k < text_.size() && text_[k] == ')') end = k;
    std::string type;
    bool blank = false;
    for (std::size_t i = start; i < end; ++i) {
        if (is_c_blank(text_[i])) {
            blank = true;
            continue;
        }
        if (blank && !type.empty()) type += ' ';
        blank = false;
        type += text_[i];
    }
    pos_ = end;
    value.node = make(ExprKind::type_name);
    value.node->text = type;
    return TOK_TYPE_NAME;
}

int ParserContext::number(SemanticValue& value) {
    std::size_t start = pos_;
    std::size_t n = text_.size();
    bool hex =
        text_[pos_] == '0' && pos_ + 1 < n && (text_[pos_ + 1] == 'x' || text_[pos_ + 1] == 'X');
    bool binary =
        text_[pos_] == '0' && pos_ + 1 < n && (text_[pos_ + 1] == 'b' || text_[pos_ + 1] == 'B');
    std::size_t i = pos_ + (hex || binary ? 2 : 0);
    while (i < n) {
        char c = text_[i];
        if (is_alnum(c)) {
            if (!hex && (c == 'e' || c == 'E') && i + 1 < n &&
                (text_[i + 1] == '+' || text_[i + 1] == '-')) {
                i += 2;
                continue;
            }
            ++i;
            continue;
        }
        if (c == '.' && !(i + 1 < n && text_[i + 1] == '.')) {
            ++i;
            continue;
        }
        break;
    }
    pos_ = i;
    std::string_view spelling = text_.substr(start, i - start);
    std::string shown(spelling);
    auto refuse = [&](MessageCode code, std::string_view argument) {
        report(Severity::warning, code, argument);
        value.node = make(ExprKind::error);
        return TOK_CONSTANT;
    };
    if (pos_ < n && (text_[pos_] == '_' || text_[pos_] == '$')) {
        while (pos_ < n && is_ident_char(text_[pos_])) ++pos_;
        return refuse(msg::INVFINNUM, text_.substr(start, pos_ - start));
    }

    std::string_view body = spelling.substr(hex || binary ? 2 : 0);
    std::size_t k = 0;
    std::string int_digits;
    std::string fraction;
    std::string exponent;
    bool has_point = false;
    bool has_exponent = false;
    if (hex) {
        while (k < body.size() && is_hex_digit(body[k])) int_digits += body[k++];
        if (k < body.size() && body[k] == '.') return refuse(msg::CSTBASE16, shown);
    } else {
        while (k < body.size() && is_digit(body[k])) int_digits += body[k++];
        if (!binary && k < body.size() && body[k] == '.') {
            has_point = true;
            ++k;
            while (k < body.size() && is_digit(body[k])) fraction += body[k++];
        }
        if (!binary && k < body.size() && (body[k] == 'e' || body[k] == 'E')) {
            has_exponent = true;
            ++k;
            if (k < body.size() && (body[k] == '+' || body[k] == '-')) exponent += body[k++];
            std::size_t digits_start = k;
            while (k < body.size() && is_digit(body[k])) exponent += body[k++];
            if (k == digits_start) return refuse(msg::ERREXPOSA, shown);
        }
    }
    bool floating = has_point || has_exponent;
    if (int_digits.empty() && fraction.empty()) return refuse(msg::CSTNUMERI, shown);

    // The suffix letters.
    int u_count = 0;
    int l_count = 0;
    int f_count = 0;
    for (; k < body.size(); ++k) {
        char c = body[k];
        if (c == 'u' || c == 'U') {
            if (floating) return refuse(msg::CARNONNUM, shown);
            ++u_count;
        } else if (c == 'l' || c == 'L') {
            ++l_count;
        } else if (floating && (c == 'f' || c == 'F')) {
            ++f_count;
        } else if (c == '.') {
            return refuse(msg::CSTINCORR, shown);
        } else if (is_digit(c)) {
            return refuse(msg::CARNUMERI, shown);
        } else {
            return refuse(msg::CARNONNUM, shown);
        }
    }
    if (floating) {
        if (f_count > 1 || l_count > 1) return refuse(msg::CARDOUFLO, shown);
        if (f_count + l_count > 1) return refuse(msg::CSTINCORR, shown);
        long exponent_value = 0;
        bool negative_exponent = !exponent.empty() && exponent.front() == '-';
        for (char c : exponent) {
            if (!is_digit(c)) continue;
            exponent_value = exponent_value * 10 + (c - '0');
            if (exponent_value > real_exponent_limit) return refuse(msg::CSTINCORR, shown);
        }
        // Leading zeros of the integer part do not count.
        std::size_t first = int_digits.find_first_not_of('0');
        std::string normal = first == std::string::npos ? "0" : int_digits.substr(first);
        normal += '.';
        normal += fraction.empty() ? "0" : fraction;
        if (exponent_value != 0) {
            normal += negative_exponent ? "E-" : "E";
            normal += std::to_string(exponent_value);
        }
        Real real;
        if (!real_from_text(normal, real)) return refuse(msg::CSTINCORR, shown);
        value.node = make(ExprKind::real_constant);
        value.node->real = real;
        value.node->suffix = f_count ? 'F' : (l_count ? 'L' : 0);
        return TOK_CONSTANT;
    }
    if (u_count > 1) return refuse(msg::CARDOUINT, shown);
    if (l_count > 2) return refuse(msg::CARTRIINT, shown);
    if (l_count == 2 && spelling.find("ll") == std::string_view::npos &&
        spelling.find("LL") == std::string_view::npos)
        return refuse(msg::CARDOUINT, shown);

    int radix = hex                                                    ? 16
                : binary                                               ? 2
                : (int_digits.size() > 1 && int_digits.front() == '0') ? 8
                                                                       : 10;
    pint result = pint_zero;
    for (char c : int_digits) {
        int digit = hex_value(c);
        if (digit >= radix) return refuse(msg::CARNUMERI, shown);
        pint_mul_small(result, static_cast<unsigned>(radix), result);
        pint_add_small(result, digit, result);
        if (!pint_fits(result, integer_constant_max_bits + 1)) return refuse(msg::ENTOUTRAN, shown);
    }
    bool made_unsigned = false;
    int width = constant_width(result, u_count > 0, l_count, radix == 10, made_unsigned);
    if (width == 0) return refuse(msg::ENTOUTRAN, shown);
    value.node = make(ExprKind::integer_constant);
    value.node->value = result;
    value.node->width = width;
    value.node->is_unsigned = made_unsigned;
    value.node->long_count = l_count;
    return TOK_CONSTANT;
}

// The width of the C type of an integer constant: the first of int, long
// and long long (their unsigned forms too, for an unsigned suffix or an
// octal, hexadecimal or binary spelling) that holds the value. A decimal
// value beyond every signed type is unsigned long long. 0 when none holds
// it.
int ParserContext::constant_width(const pint& value, bool is_unsigned, int long_count, bool decimal,
                                  bool& made_unsigned) const {
    const TargetModel& target = run_.declarations.target;
    const int widths[] = {target.base_width(BaseInteger::int_type),
                          target.base_width(BaseInteger::long_type),
                          target.base_width(BaseInteger::long_long_type)};
    for (int rank = long_count; rank < 3; ++rank) {
        int w = widths[rank];
        if (w <= 0 || w > pint_bits - 2) continue;
        if (!is_unsigned && pint_fits(value, w)) {
            made_unsigned = false;
            return w;
        }
        if ((is_unsigned || !decimal) && pint_fits(value, w + 1)) {
            made_unsigned = true;
            return w;
        }
    }
    int widest = widths[2];
    if (widest > 0 && widest <= pint_bits - 2 && pint_fits(value, widest + 1)) {
        made_unsigned = true;
        return widest;
    }
    return 0;
}

// One character after a backslash; pos_ is after the backslash and ends
// after the escape.
bool ParserContext::escape(unsigned long& value, bool wide, std::string_view literal) {
    unsigned long limit = wide ? wide_char_max : narrow_char_max;
    char c = text_[pos_];
    if (c >= '0' && c <= '7') {
        value = 0;
        for (int count = 0;
             count < 3 && pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '7'; ++count)
            value = value * 8 + static_cast<unsigned long>(text_[pos_++] - '0');
        if (value > limit) {
            report(Severity::warning, msg::SEQOUTRAN, literal);
            value &= limit;
        }
        return true;
    }
    ++pos_;
    switch (c) {
        case 'x': {
            if (pos_ >= text_.size() || !is_hex_digit(text_[pos_])) {
                report(Severity::warning, msg::NOHEXDIGI, literal);
                return false;
            }
            value = 0;
            bool out = false;
            while (pos_ < text_.size() && is_hex_digit(text_[pos_])) {
                value = value * 16 + static_cast<unsigned long>(hex_value(text_[pos_++]));
                if (value > limit) {
                    out = true;
                    value &= limit;
                }
            }
            if (out) report(Severity::warning, msg::SEQOUTRAN, literal);
            return true;
        }
        case 'a':
            value = 7;
            return true;
        case 'b':
            value = 8;
            return true;
        case 'f':
            value = 12;
            return true;
        case 'n':
            value = 10;
            return true;
        case 'r':
            value = 13;
            return true;
        case 't':
            value = 9;
            return true;
        case 'v':
            value = 11;
            return true;
        case 'E':
            value = 27;
            return true;
        case '"':
        case '\'':
        case '(':
        case '?':
        case '[':
        case '\\':
        case '{':
            value = static_cast<unsigned char>(c);
            return true;
        default:
            report(Severity::warning, msg::SEQUEINCO, literal);
            value = static_cast<unsigned char>(c);
            return true;
    }
}

bool ParserContext::quoted_literal(char quote, bool wide, std::size_t start, MessageCode unclosed,
                                   std::vector<unsigned long>& chars, std::string_view& literal) {
    std::size_t close = pos_ + 1;
    while (close < text_.size() && text_[close] != quote && text_[close] != '\n') {
        if (text_[close] == '\\' && close + 1 < text_.size()) ++close;
        ++close;
    }
    if (close >= text_.size() || text_[close] != quote) {
        pos_ = close;
        report(Severity::warning, unclosed, text_.substr(start, close - start));
        return false;
    }
    literal = text_.substr(start, close + 1 - start);
    bool good = true;
    pos_ = pos_ + 1;
    while (pos_ < close) {
        if (text_[pos_] == '\\') {
            ++pos_;
            unsigned long c = 0;
            if (escape(c, wide, literal))
                chars.push_back(c);
            else
                good = false;
        } else {
            chars.push_back(static_cast<unsigned char>(text_[pos_++]));
        }
    }
    pos_ = close + 1;
    return good;
}

int ParserContext::character(SemanticValue& value, bool wide) {
    std::vector<unsigned long> chars;
    std::string_view literal;
    if (!quoted_literal('\'', wide, pos_ - (wide ? 1 : 0), msg::INVCSTCAR, chars, literal)) {
        value.node = make(ExprKind::error);
        return TOK_CONSTANT;
    }
    if (chars.empty()) {
        report(Severity::warning, msg::CSTCARVID, literal);
        value.node = make(ExprKind::error);
        return TOK_CONSTANT;
    }
    const TargetModel& target = run_.declarations.target;
    int char_bits = target.base_width(BaseInteger::char_type);
    if (char_bits <= 0 || char_bits > 32) char_bits = default_char_bits;
    if (wide && chars.size() > 1) report(Severity::warning, msg::TOLOCSTCA, literal);
    if (!wide && chars.size() > static_cast<std::size_t>(multibyte_max_chars)) {
        // Not a character at all: an old way of writing a string.
        report(Severity::warning, msg::SYNTAXERR, "deprecated use of single quote strings");
        value.node = make(ExprKind::string_literal);
        for (unsigned long c : chars) value.node->text += static_cast<char>(c);
        return TOK_STRING_LITERAL;
    }
    pint result = pint_zero;
    int width = char_bits;
    if (wide) {
        result = pint_from_unsigned(chars.front());
        width = target.base_width(BaseInteger::int_type);
    } else if (chars.size() > 1) {
        if (run_.no_multibyte) {
            report(Severity::warning, msg::MULCARCST, literal);
            value.node = make(ExprKind::error);
            return TOK_CONSTANT;
        }
        if (!run_.multibyte_reported) {
            run_.multibyte_reported = true;
            report(Severity::info, msg::MULTIBYTE, literal);
        }
        std::uint64_t combined = 0;
        for (unsigned long c : chars) combined = (combined << 8) | (c & narrow_char_max);
        result = pint_from_unsigned(combined);
        width = 8 * static_cast<int>(chars.size());
    } else {
        result = pint_from_unsigned(chars.front());
    }
    value.node = make(ExprKind::integer_constant);
    value.node->value = result;
    value.node->width = width;
    value.node->written_as_character = true;
    value.node->wide = wide;
    return TOK_CONSTANT;
}

int ParserContext::string_literal(SemanticValue& value, bool wide) {
    std::vector<unsigned long> chars;
    std::string_view literal;
    if (!quoted_literal('"', false, pos_ - (wide ? 1 : 0), msg::SYNTAXERR, chars, literal)) {
        value.node = make(ExprKind::error);
        return TOK_CONSTANT;
    }
    std::string decoded;
    for (unsigned long c : chars) decoded += static_cast<char>(c);
    value.node = make(ExprKind::string_literal);
    value.node->text = std::move(decoded);
    value.node->wide = wide;
    return TOK_STRING_LITERAL;
}

}  // namespace vx::expr

int vxexpr_lex(VXEXPR_STYPE* value, vx::expr::ParserContext& ctx) { return ctx.lex(*value); }

void vxexpr_error(vx::expr::ParserContext& ctx, const char* message) { ctx.syntax_error(message); }
