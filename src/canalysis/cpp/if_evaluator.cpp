// The evaluator of preprocessor conditions.
//
// A hand-written recursive-descent parser over the expanded condition,
// evaluating as it parses. Binary operators are read by precedence
// climbing, so one nesting level of parentheses costs a handful of stack
// frames, and the nesting is counted: past if_max_nesting the condition is
// refused as a parser whose stack is exhausted. Tokens are read straight
// from the text, nothing is copied or allocated unless a diagnostic has to
// be composed.
//
// Values are those of a C preprocessor: every signed type is intmax_t and
// every unsigned type uintmax_t (64 bits here). Arithmetic wraps instead of
// being undefined; an operand that is not evaluated (the untaken side of
// "&&", "||" and "?:") is parsed and typed but raises no division warning.
#include "canalysis/cpp/if_evaluator.h"

#include "canalysis/types/c_characters.h"
#include "canalysis/types/target_model.h"
#include "diag/reporter.h"

#include <cstdint>
#include <string>

namespace vx {

int TargetIfEnvironment::size_of(std::string_view type_text) const {
    return target_.size_of(type_text);
}

void TargetIfEnvironment::warn(MessageCode code, std::string_view argument) const {
    if (warning_) {
        warning_(code, argument);
    }
}

namespace {

using u64 = std::uint64_t;
using i64 = std::int64_t;

// The longest condition text shown whole in EXPERRONE; a longer one shows
// its last expr_error_tail characters.
constexpr std::size_t expr_error_shown = 40;
constexpr std::size_t expr_error_tail = 39;

enum class Tok {
    number,
    identifier,
    size_of,
    lparen,
    rparen,
    question,
    colon,
    comma,
    op,  // a unary or binary operator, see Op
    end,
    bad,  // a lexical error, already described by `bad_reason`
};

enum class Op {
    none,
    logical_or,
    logical_and,
    bit_or,
    bit_xor,
    bit_and,
    equal,
    not_equal,
    less,
    greater,
    less_equal,
    greater_equal,
    shift_left,
    shift_right,
    plus,
    minus,
    times,
    divide,
    modulo,
    logical_not,
    complement,
};

// Binary precedence, higher binds tighter; 0 for an operator that is not
// binary.
int precedence(Op op) {
    switch (op) {
        case Op::logical_or:
            return 1;
        case Op::logical_and:
            return 2;
        case Op::bit_or:
            return 3;
        case Op::bit_xor:
            return 4;
        case Op::bit_and:
            return 5;
        case Op::equal:
        case Op::not_equal:
            return 6;
        case Op::less:
        case Op::greater:
        case Op::less_equal:
        case Op::greater_equal:
            return 7;
        case Op::shift_left:
        case Op::shift_right:
            return 8;
        case Op::plus:
        case Op::minus:
            return 9;
        case Op::times:
        case Op::divide:
        case Op::modulo:
            return 10;
        default:
            return 0;
    }
}

struct Token {
    Tok kind = Tok::end;
    Op op = Op::none;
    IfValue value;
    std::size_t start = 0;
    std::size_t end = 0;
};

class Evaluator {
public:
    Evaluator(std::string_view text, const IfEnvironment& environment)
        : text_(text), env_(environment) {}

    IfValue run() {
        std::size_t first = 0;
        while (first < text_.size() && is_c_blank(text_[first])) ++first;
        if (first == text_.size()) {
            env_.warn(msg::EMPTYEXPR, "#if");
            return {};
        }
        advance();
        IfValue result = comma_expression(true);
        if (failed_) return {};
        if (token_.kind != Tok::end) {
            if (token_.kind == Tok::bad) {
                fail();
                return {};
            }
            std::string_view rest = text_.substr(token_.start);
            while (!rest.empty() && is_c_blank(rest.back())) rest.remove_suffix(1);
            env_.warn(msg::ERRAFTEND, rest);
        }
        return result;
    }

private:
    // ---- lexer ---------------------------------------------------------------

    void advance() {
        std::size_t i = pos_;
        while (i < text_.size() && is_c_blank(text_[i])) ++i;
        token_ = Token{};
        token_.start = i;
        if (i >= text_.size()) {
            token_.kind = Tok::end;
            token_.end = pos_ = i;
            return;
        }
        char c = text_[i];
        char next = i + 1 < text_.size() ? text_[i + 1] : '\0';
        auto single = [&](Tok kind, Op op = Op::none, std::size_t length = 1) {
            token_.kind = kind;
            token_.op = op;
            pos_ = i + length;
        };
        if (is_digit(c) || (c == '.' && is_digit(next))) {
            read_number(i);
        } else if ((c == 'L' || c == 'U' || c == 'u') && next == '\'') {
            read_character(i + 1, true);
        } else if (c == 'u' && next == '8' && i + 2 < text_.size() && text_[i + 2] == '\'') {
            read_character(i + 2, true);
        } else if (is_ident_start(c)) {
            std::size_t j = i;
            while (j < text_.size() && is_ident_char(text_[j])) ++j;
            std::string_view word = text_.substr(i, j - i);
            token_.kind = word == "sizeof" ? Tok::size_of : Tok::identifier;
            pos_ = j;
        } else if (c == '\'') {
            read_character(i, false);
        } else {
            switch (c) {
                case '(':
                    single(Tok::lparen);
                    break;
                case ')':
                    single(Tok::rparen);
                    break;
                case '?':
                    single(Tok::question);
                    break;
                case ':':
                    single(Tok::colon);
                    break;
                case ',':
                    single(Tok::comma);
                    break;
                case '+':
                    single(Tok::op, Op::plus);
                    break;
                case '-':
                    single(Tok::op, Op::minus);
                    break;
                case '*':
                    single(Tok::op, Op::times);
                    break;
                case '/':
                    single(Tok::op, Op::divide);
                    break;
                case '%':
                    single(Tok::op, Op::modulo);
                    break;
                case '~':
                    single(Tok::op, Op::complement);
                    break;
                case '^':
                    single(Tok::op, Op::bit_xor);
                    break;
                case '|':
                    if (next == '|')
                        single(Tok::op, Op::logical_or, 2);
                    else
                        single(Tok::op, Op::bit_or);
                    break;
                case '&':
                    if (next == '&')
                        single(Tok::op, Op::logical_and, 2);
                    else
                        single(Tok::op, Op::bit_and);
                    break;
                case '=':
                    if (next == '=')
                        single(Tok::op, Op::equal, 2);
                    else
                        bad(i + 1);
                    break;
                case '!':
                    if (next == '=')
                        single(Tok::op, Op::not_equal, 2);
                    else
                        single(Tok::op, Op::logical_not);
                    break;
                case '<':
                    if (next == '<')
                        single(Tok::op, Op::shift_left, 2);
                    else if (next == '=')
                        single(Tok::op, Op::less_equal, 2);
                    else
                        single(Tok::op, Op::less);
                    break;
                case '>':
                    if (next == '>')
                        single(Tok::op, Op::shift_right, 2);
                    else if (next == '=')
                        single(Tok::op, Op::greater_equal, 2);
                    else
                        single(Tok::op, Op::greater);
                    break;
                case '"': {
                    // Strings have no value in a condition.
                    std::size_t j = i + 1;
                    while (j < text_.size() && text_[j] != '"') j += text_[j] == '\\' ? 2 : 1;
                    bad(j < text_.size() ? j + 1 : text_.size());
                    break;
                }
                default:
                    bad(i + 1);
                    break;
            }
        }
        token_.end = pos_;
    }

    void bad(std::size_t end) {
        token_.kind = Tok::bad;
        pos_ = end > text_.size() ? text_.size() : end;
    }

    void read_number(std::size_t i) {
        std::size_t j = i;
        // The whole preprocessing number: digits, letters, dots, and signs
        // after an exponent letter.
        while (j < text_.size()) {
            char c = text_[j];
            if (is_ident_char(c) || c == '.') {
                ++j;
            } else if ((c == '+' || c == '-') &&
                       (text_[j - 1] == 'e' || text_[j - 1] == 'E' || text_[j - 1] == 'p' ||
                        text_[j - 1] == 'P') &&
                       !(j - i >= 2 && (text_[i + 1] == 'x' || text_[i + 1] == 'X') &&
                         (text_[j - 1] == 'e' || text_[j - 1] == 'E'))) {
                ++j;
            } else {
                break;
            }
        }
        std::string_view number = text_.substr(i, j - i);
        pos_ = j;
        int base = 10;
        std::size_t k = 0;
        if (number.size() >= 2 && number[0] == '0' && (number[1] == 'x' || number[1] == 'X')) {
            base = 16;
            k = 2;
        } else if (number[0] == '0') {
            base = 8;
        }
        u64 value = 0;
        std::size_t digits_start = k;
        for (; k < number.size(); ++k) {
            int d = hex_value(number[k]);
            if (d < 0 || d >= base) break;
            value = value * static_cast<u64>(base) + static_cast<u64>(d);
        }
        if (k == digits_start && base == 16) {
            token_.kind = Tok::bad;  // "0x" alone
            return;
        }
        int us = 0, ls = 0;
        for (; k < number.size(); ++k) {
            char c = number[k];
            if (c == 'u' || c == 'U') {
                ++us;
            } else if (c == 'l' || c == 'L') {
                ++ls;
            } else {
                break;
            }
        }
        if (k != number.size() || us > 1 || ls > 2) {
            token_.kind = Tok::bad;  // "08", "1.0", "12ab", "1e5"
            return;
        }
        token_.kind = Tok::number;
        token_.value.value = static_cast<i64>(value);
        // Like a C compiler: a constant beyond intmax_t, or written with a
        // "u", is unsigned.
        token_.value.is_unsigned = us > 0 || value > static_cast<u64>(INT64_MAX);
    }

    // A character constant whose opening quote is at `quote`.
    void read_character(std::size_t quote, bool wide) {
        std::size_t j = quote + 1;
        u64 value = 0;
        int count = 0;
        bool too_long = false;
        while (j < text_.size() && text_[j] != '\'') {
            if (text_[j] == '\n') break;
            unsigned c = static_cast<unsigned char>(text_[j]);
            ++j;
            if (c == '\\' && j < text_.size()) c = read_escape(j, quote);
            if (++count > if_max_char_constant) too_long = true;
            value = (value << 8) | (c & 0xFF);
        }
        if (j >= text_.size() || text_[j] != '\'' || count == 0 || too_long) {
            bad(j < text_.size() ? j + 1 : text_.size());
            return;
        }
        pos_ = j + 1;
        token_.kind = Tok::number;
        if (count == 1) {
            i64 v = static_cast<i64>(value & 0xFF);
            if (!wide && v > 127 && !env_.char_unsigned_macro()) v -= 256;
            token_.value = {v, false};
        } else {
            // Several characters: an int-sized value, taken as unsigned.
            token_.value = {static_cast<i64>(value & 0xFFFFFFFFu), true};
        }
    }

    // The value of an escape after its backslash; `j` moves past it.
    unsigned read_escape(std::size_t& j, std::size_t quote) {
        char c = text_[j++];
        unsigned value = 0;
        switch (c) {
            case 'a':
                return 7;
            case 'b':
                return 8;
            case 'e':
                return 27;
            case 'f':
                return 12;
            case 'n':
                return 10;
            case 'r':
                return 13;
            case 't':
                return 9;
            case 'v':
                return 11;
            case '^':
                if (j < text_.size()) {
                    unsigned char control = static_cast<unsigned char>(text_[j++]);
                    return control == '?' ? 127u : (control & ~0x60u);
                }
                return '^';
            case 'x': {
                bool any = false;
                while (j < text_.size() && hex_value(text_[j]) >= 0) {
                    if (value < 0x10000000u)
                        value = value * 16 + static_cast<unsigned>(hex_value(text_[j]));
                    any = true;
                    ++j;
                }
                if (!any) return 'x';
                break;
            }
            default:
                if (c >= '0' && c <= '7') {
                    value = static_cast<unsigned>(c - '0');
                    for (int n = 1; n < 3 && j < text_.size() && text_[j] >= '0' && text_[j] <= '7';
                         ++n) {
                        value = value * 8 + static_cast<unsigned>(text_[j++] - '0');
                    }
                    break;
                }
                return static_cast<unsigned char>(c);
        }
        if (value > 255) {
            std::size_t end = j;
            env_.warn(msg::NOFITBYTE, text_.substr(quote, end - quote));
            value &= 0xFF;
        }
        return value;
    }

    // ---- errors --------------------------------------------------------------

    // A bad expression: the first error is shown with the text read so far.
    void fail() {
        if (failed_) return;
        failed_ = true;
        std::size_t read = pos_ > text_.size() ? text_.size() : pos_;
        std::string_view shown = text_.substr(0, read);
        if (shown.size() > expr_error_shown) shown = shown.substr(shown.size() - expr_error_tail);
        env_.warn(msg::EXPERRONE, shown);
    }

    bool expect(Tok kind) {
        if (token_.kind != kind) {
            fail();
            return false;
        }
        advance();
        return true;
    }

    // ---- grammar -------------------------------------------------------------

    // expression: conditional { "," conditional }
    IfValue comma_expression(bool evaluated) {
        IfValue value = conditional(evaluated);
        while (!failed_ && token_.kind == Tok::comma) {
            advance();
            value = conditional(evaluated);
        }
        return value;
    }

    // conditional: binary [ "?" expression ":" conditional ]
    IfValue conditional(bool evaluated) {
        if (!enter()) return {};
        IfValue condition = binary(1, evaluated);
        IfValue result = condition;
        if (!failed_ && token_.kind == Tok::question) {
            advance();
            bool taken = condition.truth();
            IfValue when_true = comma_expression(evaluated && taken);
            if (!failed_ && expect(Tok::colon)) {
                IfValue when_false = conditional(evaluated && !taken);
                result = taken ? when_true : when_false;
                result.is_unsigned = when_true.is_unsigned || when_false.is_unsigned;
            }
        }
        leave();
        return failed_ ? IfValue{} : result;
    }

    // Binary operators of precedence `minimum` and above, left-associative.
    IfValue binary(int minimum, bool evaluated) {
        IfValue left = unary(evaluated);
        while (!failed_ && token_.kind == Tok::op && precedence(token_.op) >= minimum) {
            Op op = token_.op;
            int level = precedence(op);
            advance();
            bool right_evaluated = evaluated;
            if (op == Op::logical_and) right_evaluated = evaluated && left.truth();
            if (op == Op::logical_or) right_evaluated = evaluated && !left.truth();
            IfValue right = binary(level + 1, right_evaluated);
            if (failed_) return {};
            left = apply(op, left, right, evaluated);
        }
        return left;
    }

    // unary: ("-" | "+" | "!" | "~") unary | primary
    IfValue unary(bool evaluated) {
        if (token_.kind == Tok::op &&
            (token_.op == Op::minus || token_.op == Op::plus || token_.op == Op::logical_not ||
             token_.op == Op::complement)) {
            Op op = token_.op;
            advance();
            if (!enter()) return {};
            IfValue operand = unary(evaluated);
            leave();
            if (failed_) return {};
            u64 v = static_cast<u64>(operand.value);
            switch (op) {
                case Op::minus:
                    operand.value = static_cast<i64>(u64{0} - v);
                    break;
                case Op::complement:
                    operand.value = static_cast<i64>(~v);
                    break;
                case Op::logical_not:
                    operand = {v == 0 ? 1 : 0, false};
                    break;
                default:
                    break;
            }
            return operand;
        }
        return primary(evaluated);
    }

    // primary: number | identifier | "(" expression ")" | "sizeof" "(" type ")"
    IfValue primary(bool evaluated) {
        switch (token_.kind) {
            case Tok::number: {
                IfValue value = token_.value;
                advance();
                return value;
            }
            case Tok::identifier:
                // A name left after macro expansion is 0.
                advance();
                return {};
            case Tok::lparen: {
                advance();
                if (!enter()) return {};
                IfValue value = comma_expression(evaluated);
                leave();
                if (failed_ || !expect(Tok::rparen)) return {};
                return value;
            }
            case Tok::size_of:
                return size_of();
            default:
                fail();
                return {};
        }
    }

    // "sizeof" "(" type ")": the text up to the matching ")", skipping
    // nested parentheses and brackets.
    IfValue size_of() {
        advance();
        if (token_.kind != Tok::lparen) {
            fail();
            return {};
        }
        std::size_t start = token_.end;
        std::size_t i = start;
        int depth = 1;
        while (i < text_.size()) {
            char c = text_[i];
            if (c == '(' || c == '[') ++depth;
            if (c == ')' || c == ']') {
                if (--depth == 0) break;
            }
            ++i;
        }
        if (i >= text_.size()) {
            pos_ = text_.size();
            fail();
            return {};
        }
        int size = env_.size_of(text_.substr(start, i - start));
        pos_ = i + 1;
        advance();
        return {size, false};
    }

    IfValue apply(Op op, IfValue a, IfValue b, bool evaluated) {
        bool is_unsigned = a.is_unsigned || b.is_unsigned;
        u64 x = static_cast<u64>(a.value), y = static_cast<u64>(b.value);
        auto out = [&](u64 v, bool u) { return IfValue{static_cast<i64>(v), u}; };
        auto truth = [](bool t) { return IfValue{t ? 1 : 0, false}; };
        switch (op) {
            case Op::plus:
                return out(x + y, is_unsigned);
            case Op::minus:
                return out(x - y, is_unsigned);
            case Op::times:
                return out(x * y, is_unsigned);
            case Op::bit_and:
                return out(x & y, is_unsigned);
            case Op::bit_or:
                return out(x | y, is_unsigned);
            case Op::bit_xor:
                return out(x ^ y, is_unsigned);
            case Op::divide:
            case Op::modulo: {
                if (y == 0) {
                    if (evaluated) env_.warn(msg::DIVISZERO, "#if");
                    y = 1;
                }
                if (is_unsigned) return out(op == Op::divide ? x / y : x % y, true);
                i64 sx = a.value, sy = static_cast<i64>(y);
                if (sx == INT64_MIN && sy == -1) return out(op == Op::divide ? x : 0, false);
                return IfValue{op == Op::divide ? sx / sy : sx % sy, false};
            }
            case Op::equal:
                return truth(x == y);
            case Op::not_equal:
                return truth(x != y);
            case Op::less:
                return truth(is_unsigned ? x < y : a.value < b.value);
            case Op::greater:
                return truth(is_unsigned ? x > y : a.value > b.value);
            case Op::less_equal:
                return truth(is_unsigned ? x <= y : a.value <= b.value);
            case Op::greater_equal:
                return truth(is_unsigned ? x >= y : a.value >= b.value);
            case Op::logical_and:
                return truth(a.truth() && b.truth());
            case Op::logical_or:
                return truth(a.truth() || b.truth());
            case Op::shift_left:
            case Op::shift_right:
                return shift(op == Op::shift_left, a, b);
            default:
                return a;
        }
    }

    // Shifts as a C preprocessor does them: the result has the left
    // operand's type; a negative count shifts the other way; a count of 64
    // or more leaves 0 (or -1 for a negative signed value shifted right).
    static IfValue shift(bool left, IfValue a, IfValue b) {
        u64 x = static_cast<u64>(a.value);
        bool count_negative = !b.is_unsigned && b.value < 0;
        u64 count = count_negative ? u64{0} - static_cast<u64>(b.value) : static_cast<u64>(b.value);
        if (count_negative) left = !left;
        bool sign_fill = !a.is_unsigned && a.value < 0;
        u64 v;
        if (left) {
            v = count >= 64 ? 0 : x << count;
        } else if (sign_fill) {
            v = count >= 64 ? ~u64{0} : ~(~x >> count);
        } else {
            v = count >= 64 ? 0 : x >> count;
        }
        return {static_cast<i64>(v), a.is_unsigned};
    }

    bool enter() {
        if (++depth_ > if_max_nesting) {
            // Like a parser whose stack is exhausted.
            fail();
            return false;
        }
        return true;
    }
    void leave() { --depth_; }

    std::string_view text_;
    const IfEnvironment& env_;
    std::size_t pos_ = 0;
    Token token_;
    int depth_ = 0;
    bool failed_ = false;
};

}  // namespace

IfValue evaluate_if_expression(std::string_view condition, const IfEnvironment& environment) {
    Evaluator evaluator(condition, environment);
    return evaluator.run();
}

}  // namespace vx
