// The analyser of script values: the recursive descent over the tokens of
// the script lexer, the table that combines two operands, the CONST table
// and the variable paths.
#include "script/script_expression.h"

#include "diag/reporter.h"
#include "script/script_types.h"
#include "support/languages.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vx {

namespace {

// Texts of the grammar shown in "SYNTAXERO" ("%1%2 expected").
constexpr std::string_view expected_end = "<fin d'expression>";
constexpr std::string_view expected_term = "<TERME>";
constexpr std::string_view expected_factor = "<FACTEUR>";
constexpr std::string_view expected_identifier = "<IDENTIFICATEUR>";
constexpr std::string_view expected_rparen = "')'";
constexpr std::string_view expected_rbracket = "']'";
constexpr std::string_view expected_any_factor =
    "'(' ou '[' ou '@' ou <CONSTANTE> ou <IDENTIFICATEUR>";
constexpr std::string_view expected_after_sign = "'(' ou <CONSTANTE> ou <IDENTIFICATEUR>";
constexpr std::string_view expected_after_at = "'(' ou <IDENTIFICATEUR>";

// The pseudo-variable of a tolerance given as a percentage.
constexpr std::string_view percent_integer = "*(VA)/100";
constexpr std::string_view percent_real = "*(VA)/100.0";

// Real exponents beyond this are refused before a multiplication or a
// division could carry them out of the host's int.
constexpr long real_fold_exponent_limit = 100000000;

bool is_c_family(int language) {
    return language == tested_language_c || language == tested_language_cpp;
}

// The operand classes of the combination table.
enum class Operand { name, integer, real, string };

Operand operand_class(TokenKind kind) {
    switch (kind) {
        case TokenKind::integer:
            return Operand::integer;
        case TokenKind::real:
            return Operand::real;
        case TokenKind::string:
            return Operand::string;
        default:
            return Operand::name;
    }
}

const pint& min_value() {
    static const pint value = pint_smallest();
    return value;
}

const pint& max_value() {
    static const pint value = pint_largest();
    return value;
}

std::string escaped_c(std::string_view text, char delimiter) {
    std::string out;
    char previous = 0;
    for (char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (ch == '\\' || ch == delimiter || (ch == '?' && previous == '?')) {
            out += '\\';
            out += ch;
        } else if (ch == '\n') {
            out += "\\n";
        } else if (ch == '\t') {
            out += "\\t";
        } else if (ch == '\r') {
            out += "\\r";
        } else if (c < 0x20 || c == 0x7F) {
            char octal[8];
            std::snprintf(octal, sizeof octal, "\\%03o", c);
            out += octal;
        } else {
            out += ch;
        }
        previous = ch;
    }
    return out;
}

std::string doubled(std::string_view text, char delimiter) {
    std::string out;
    for (char ch : text) {
        out += ch;
        if (ch == delimiter) {
            out += ch;
        }
    }
    return out;
}

// An operand printed to the right of an operator: a leading sign is put in
// parentheses, so that "A - -5" does not become "A--5".
std::string right_operand(std::string text) {
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        return "(" + text + ")";
    }
    return text;
}

// The separator that joins a string with a name: the runtime's
// concatenation macro takes a list in C, C++ and PL/M.
std::string_view string_separator(int language, std::string_view op) {
    if (is_c_family(language) || language == tested_language_plm) {
        return ",";
    }
    if (language == tested_language_ada) {
        return "&";
    }
    return op == "&" ? "+" : op;
}

ScriptValue error_value() {
    ScriptValue value;
    value.kind = TokenKind::error;
    return value;
}

std::string joined(const std::vector<ScriptValue>& items, int language,
                   std::string_view separator) {
    std::string text;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i != 0) {
            text += separator;
        }
        text += printed_value(items[i], language);
    }
    return text;
}

// Counts one level of nesting for the time of a call.
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;
    bool too_deep() const { return depth_ > max_expression_depth; }

private:
    int& depth_;
};

}  // namespace

std::string printed_value(const ScriptValue& value, int tested_language) {
    switch (value.kind) {
        case TokenKind::integer:
            return pint_image(value.integer, ImageFormat::decimal);
        case TokenKind::real:
            // A real written in the script keeps its written form; a folded
            // one is printed by its image, which is a valid constant too.
            return value.text.empty() ? real_image(value.real) : value.text;
        case TokenKind::string: {
            const char delimiter = value.character && value.text.size() == 1 ? '\'' : '"';
            if (is_c_family(tested_language)) {
                return delimiter + escaped_c(value.text, delimiter) + delimiter;
            }
            return delimiter + doubled(value.text, delimiter) + delimiter;
        }
        case TokenKind::identifier:
        case TokenKind::expression:
            return value.text;
        default:
            return {};
    }
}

// ---- the CONST table ---------------------------------------------------

bool ScriptConstants::add(ScriptConstant constant) {
    if (constant.name.empty()) {
        return false;
    }
    auto& bucket = buckets_[static_cast<unsigned char>(constant.name.front())];
    auto at = std::lower_bound(
        bucket.begin(), bucket.end(), constant.name,
        [](const ScriptConstant& entry, const std::string& name) { return entry.name < name; });
    if (at != bucket.end() && at->name == constant.name) {
        return false;
    }
    bucket.insert(at, std::move(constant));
    return true;
}

const ScriptConstant* ScriptConstants::find(std::string_view name) const {
    if (name.empty()) {
        return nullptr;
    }
    const auto& bucket = buckets_[static_cast<unsigned char>(name.front())];
    auto at = std::lower_bound(
        bucket.begin(), bucket.end(), name,
        [](const ScriptConstant& entry, std::string_view key) { return entry.name < key; });
    if (at != bucket.end() && at->name == name) {
        return &*at;
    }
    return nullptr;
}

// ---- the analyser ------------------------------------------------------

ScriptExpressionAnalyser::ScriptExpressionAnalyser(Reporter& reporter,
                                                   const ScriptConstants* constants,
                                                   TypeNamePredicate type_name)
    : reporter_(reporter),
      constants_(constants),
      type_name_(std::move(type_name)),
      lexer_(reporter) {}

bool ScriptExpressionAnalyser::analyse_script_expression(std::string_view text, int tested_language,
                                                         int script_language, unsigned mode,
                                                         int expected_kind, ScriptValue& result) {
    std::string prepared;
    if ((mode & expression_mode_percent) != 0) {
        const std::string_view replacement =
            expected_kind == expected_kind_real ? percent_real : percent_integer;
        for (char c : text) {
            if (c == '%') {
                prepared += replacement;
            } else {
                prepared += c;
            }
        }
        text = prepared;
    }
    result = error_value();
    if (!lexer_.initialise(text, tested_language, script_language,
                           (mode & expression_mode_dotted) != 0)) {
        return false;
    }
    depth_ = 0;
    lexer_.advance();
    ScriptValue value = lexer_.failed() ? error_value() : expression();
    if (lexer_.failed()) {
        return false;
    }
    if (lexer_.current().kind != TokenKind::end) {
        syntax_error(expected_end);
        return false;
    }
    // Constants put in and signs or parentheses added can make the rebuilt
    // text longer than the written one.
    if (value.text.size() > script_text_limit) {
        fail(msg::LINETOLON, std::string_view(value.text).substr(0, 40));
        return false;
    }
    result = std::move(value);
    return true;
}

ScriptValue ScriptExpressionAnalyser::fail(MessageCode code, std::string_view argument) {
    lexer_.report(code, argument);
    return error_value();
}

ScriptValue ScriptExpressionAnalyser::syntax_error(std::string_view expected) {
    return fail(msg::SYNTAXERO, expected);
}

ScriptValue ScriptExpressionAnalyser::expression() {
    ScriptValue left = term();
    while (!lexer_.failed() && lexer_.current().kind == TokenKind::op &&
           (lexer_.current().op == OperatorCode::plus ||
            lexer_.current().op == OperatorCode::minus ||
            (left.kind == TokenKind::string && lexer_.current().op == OperatorCode::ampersand))) {
        const OperatorCode op = lexer_.current().op;
        lexer_.advance();
        if (lexer_.failed()) {
            break;
        }
        ScriptValue right = term();
        if (lexer_.failed()) {
            break;
        }
        if (right.kind == TokenKind::end) {
            return syntax_error(expected_term);
        }
        left = combine(left, op, right);
    }
    return lexer_.failed() ? error_value() : left;
}

ScriptValue ScriptExpressionAnalyser::term() {
    ScriptValue left = factor();
    while (!lexer_.failed() && lexer_.current().kind == TokenKind::op &&
           (lexer_.current().op == OperatorCode::times ||
            lexer_.current().op == OperatorCode::divide ||
            lexer_.current().op == OperatorCode::ampersand)) {
        const OperatorCode op = lexer_.current().op;
        lexer_.advance();
        if (lexer_.failed()) {
            break;
        }
        ScriptValue right = factor();
        if (lexer_.failed()) {
            break;
        }
        if (right.kind == TokenKind::end) {
            return syntax_error(expected_factor);
        }
        left = combine(left, op, right);
    }
    return lexer_.failed() ? error_value() : left;
}

bool ScriptExpressionAnalyser::starts_factor() const {
    const Token& t = lexer_.current();
    switch (t.kind) {
        case TokenKind::op:
            return t.op != OperatorCode::divide && (t.op != OperatorCode::times || c_family());
        case TokenKind::identifier:
        case TokenKind::integer:
        case TokenKind::real:
        case TokenKind::string:
        case TokenKind::lparen:
        case TokenKind::lbracket:
            return true;
        case TokenKind::at:
            return language() == tested_language_plm;
        case TokenKind::sharp:
            return language() == tested_language_asm;
        case TokenKind::scope:
            return language() == tested_language_cpp;
        default:
            return false;
    }
}

ScriptValue ScriptExpressionAnalyser::factor() {
    DepthGuard guard(depth_);
    if (guard.too_deep()) {
        return syntax_error(expected_factor);
    }
    const Token& t = lexer_.current();
    switch (t.kind) {
        case TokenKind::op:
            if (t.op == OperatorCode::divide || (t.op == OperatorCode::times && !c_family())) {
                return syntax_error(expected_any_factor);
            }
            return unary(t.op);
        case TokenKind::identifier:
            return identifier_factor();
        case TokenKind::integer:
        case TokenKind::real:
        case TokenKind::string: {
            ScriptValue value;
            value.kind = t.kind;
            value.integer = t.integer;
            value.real = t.real;
            if (t.kind == TokenKind::string) {
                value.text = t.string;
                value.character = t.character;
            } else if (t.kind == TokenKind::real) {
                for (char c : t.text) {
                    if (c != 'L' && c != 'l' && c != 'U' && c != 'u') {
                        value.text += c;
                    }
                }
            }
            lexer_.advance();
            return lexer_.failed() ? error_value() : value;
        }
        case TokenKind::lparen:
            return group(TokenKind::lparen, TokenKind::rparen, expected_rparen);
        case TokenKind::lbracket:
            return group(TokenKind::lbracket, TokenKind::rbracket, expected_rbracket);
        case TokenKind::at: {
            if (language() != tested_language_plm) {
                return syntax_error(expected_any_factor);
            }
            lexer_.advance();
            ScriptValue operand;
            if (lexer_.current().kind == TokenKind::identifier) {
                operand = identifier_factor();
            } else if (lexer_.current().kind == TokenKind::lparen) {
                operand = group(TokenKind::lparen, TokenKind::rparen, expected_rparen);
            } else {
                return syntax_error(expected_after_at);
            }
            if (lexer_.failed()) {
                return error_value();
            }
            ScriptValue value;
            value.kind = TokenKind::expression;
            value.text = "@" + printed_value(operand, language());
            return value;
        }
        case TokenKind::sharp: {
            if (language() != tested_language_asm) {
                return syntax_error(expected_any_factor);
            }
            lexer_.advance();
            ScriptValue operand = expression();
            if (lexer_.failed()) {
                return error_value();
            }
            if (operand.kind == TokenKind::end) {
                return syntax_error(expected_factor);
            }
            ScriptValue value;
            value.kind = TokenKind::expression;
            value.text = "#" + printed_value(operand, language());
            return value;
        }
        case TokenKind::scope: {
            if (language() != tested_language_cpp) {
                return syntax_error(expected_any_factor);
            }
            lexer_.advance();
            if (lexer_.current().kind != TokenKind::identifier) {
                return syntax_error(expected_identifier);
            }
            std::string text = "::" + lexer_.current().text;
            lexer_.advance();
            if (lexer_.failed() || !selectors(text)) {
                return error_value();
            }
            ScriptValue value;
            value.kind = TokenKind::expression;
            value.text = std::move(text);
            return value;
        }
        case TokenKind::end: {
            ScriptValue value;
            value.kind = TokenKind::end;
            return value;
        }
        case TokenKind::error:
            return error_value();
        default:
            return syntax_error(expected_any_factor);
    }
}

ScriptValue ScriptExpressionAnalyser::unary(OperatorCode op) {
    lexer_.advance();
    if (lexer_.failed()) {
        return error_value();
    }
    if (!starts_factor()) {
        return syntax_error(expected_after_sign);
    }
    ScriptValue operand = factor();
    if (lexer_.failed()) {
        return error_value();
    }
    ScriptValue value;
    switch (op) {
        case OperatorCode::plus:
            return operand;
        case OperatorCode::minus:
            switch (operand.kind) {
                case TokenKind::integer:
                    if (operand.integer == min_value()) {
                        return fail(msg::OVERFLOW, "-" + printed_value(operand, language()));
                    }
                    pint_negate(operand.integer, operand.integer);
                    return operand;
                case TokenKind::real:
                    real_negate(operand.real, operand.real);
                    if (!operand.text.empty()) {
                        operand.text = operand.text.front() == '-' ? operand.text.substr(1)
                                                                   : "-" + operand.text;
                    }
                    return operand;
                case TokenKind::identifier:
                case TokenKind::expression:
                    value.kind = TokenKind::expression;
                    value.text = "-" + right_operand(operand.text);
                    return value;
                default:
                    return syntax_error(expected_after_sign);
            }
        case OperatorCode::times:
            value.kind = TokenKind::expression;
            value.text = "*" + right_operand(printed_value(operand, language()));
            return value;
        case OperatorCode::ampersand:
            // In C and C++ the address stays an address: "&buf" is kept. The
            // other languages have no such operator and the "&" is dropped.
            if (!c_family()) {
                return operand;
            }
            value.kind = TokenKind::expression;
            value.text = "&" + right_operand(printed_value(operand, language()));
            return value;
        default:
            return syntax_error(expected_after_sign);
    }
}

bool ScriptExpressionAnalyser::type_name(std::string_view name) const {
    if (type_name_) {
        return type_name_(name);
    }
    return name == "void" || is_c_base_type_name(name);
}

ScriptValue ScriptExpressionAnalyser::identifier_factor() {
    std::string name = lexer_.current().text;
    lexer_.advance();
    if (lexer_.failed()) {
        return error_value();
    }
    const TokenKind next = lexer_.current().kind;
    const bool selector =
        next == TokenKind::lparen || next == TokenKind::lbracket || next == TokenKind::dot ||
        next == TokenKind::arrow || next == TokenKind::scope || next == TokenKind::pointer ||
        next == TokenKind::quote || next == TokenKind::arrow_star || next == TokenKind::dot_star;
    if (constants_ != nullptr && !selector) {
        if (const ScriptConstant* constant = constants_->find(name)) {
            ScriptValue value = constant->value;
            if (value.kind == TokenKind::expression && !constant->list) {
                // A composite keeps its own precedence where it is used.
                value.text = "(" + value.text + ")";
            }
            return value;
        }
    }
    ScriptValue value;
    // "char *" before ")" or an operator is a pointer type in C and C++.
    if (c_family() && next == TokenKind::op && lexer_.current().op == OperatorCode::times &&
        type_name(name)) {
        std::string text = name + " ";
        while (lexer_.current().kind == TokenKind::op &&
               lexer_.current().op == OperatorCode::times) {
            const ScriptLexer::Mark before = lexer_.mark();
            lexer_.advance();
            if (lexer_.failed()) {
                return error_value();
            }
            const TokenKind after = lexer_.current().kind;
            if (after != TokenKind::rparen && after != TokenKind::op && after != TokenKind::comma &&
                after != TokenKind::end) {
                lexer_.reset(before);
                break;
            }
            text += "*";
        }
        if (text.back() == '*') {
            value.kind = TokenKind::expression;
            value.text = std::move(text);
            return value;
        }
    }
    std::string text = name;
    const std::size_t plain = text.size();
    if (!selectors(text)) {
        return error_value();
    }
    value.kind = text.size() == plain ? TokenKind::identifier : TokenKind::expression;
    value.text = std::move(text);
    return value;
}

bool ScriptExpressionAnalyser::selectors(std::string& text) {
    while (!lexer_.failed()) {
        const Token& t = lexer_.current();
        switch (t.kind) {
            case TokenKind::lparen: {
                lexer_.advance();
                if (lexer_.current().kind == TokenKind::rparen) {
                    text += "()";
                    lexer_.advance();
                    break;
                }
                std::vector<ScriptValue> arguments;
                if (!value_list(TokenKind::rparen, expected_rparen, arguments)) {
                    return false;
                }
                text += "(" + joined(arguments, language(), ",") + ")";
                break;
            }
            case TokenKind::lbracket: {
                lexer_.advance();
                std::vector<ScriptValue> indexes;
                if (!value_list(TokenKind::rbracket, expected_rbracket, indexes)) {
                    return false;
                }
                if (c_family()) {
                    for (const ScriptValue& index : indexes) {
                        text += "[" + printed_value(index, language()) + "]";
                    }
                } else {
                    text += "[" + joined(indexes, language(), ",") + "]";
                }
                break;
            }
            case TokenKind::dot:
            case TokenKind::arrow:
            case TokenKind::scope:
            case TokenKind::dot_star:
            case TokenKind::arrow_star:
            case TokenKind::quote: {
                const std::string mark = t.text;
                lexer_.advance();
                if (lexer_.failed()) {
                    return false;
                }
                if (lexer_.current().kind != TokenKind::identifier) {
                    syntax_error(expected_identifier);
                    return false;
                }
                text += mark + lexer_.current().text;
                lexer_.advance();
                break;
            }
            case TokenKind::pointer:
                text += "^";
                lexer_.advance();
                break;
            default:
                if (text.size() > script_text_limit) {
                    fail(msg::LINETOLON, std::string_view(text).substr(0, 40));
                    return false;
                }
                return true;
        }
    }
    return false;
}

bool ScriptExpressionAnalyser::value_list(TokenKind close, std::string_view missing,
                                          std::vector<ScriptValue>& items) {
    while (true) {
        ScriptValue item = expression();
        if (lexer_.failed()) {
            return false;
        }
        if (item.kind == TokenKind::end) {
            syntax_error(missing);
            return false;
        }
        items.push_back(std::move(item));
        const TokenKind next = lexer_.current().kind;
        if (next == TokenKind::comma) {
            lexer_.advance();
            if (lexer_.failed()) {
                return false;
            }
            continue;
        }
        if (next == close) {
            lexer_.advance();
            return !lexer_.failed();
        }
        syntax_error(missing);
        return false;
    }
}

ScriptValue ScriptExpressionAnalyser::group(TokenKind open, TokenKind close,
                                            std::string_view missing) {
    const bool brackets = open == TokenKind::lbracket;
    lexer_.advance();
    if (lexer_.failed()) {
        return error_value();
    }
    ScriptValue value;
    value.kind = TokenKind::expression;
    if (brackets && lexer_.current().kind == close &&
        (language() == tested_language_pascal || language() == tested_language_modula2)) {
        // The empty set.
        lexer_.advance();
        value.text = "[]";
        return lexer_.failed() ? error_value() : value;
    }
    std::vector<ScriptValue> items;
    if (!value_list(close, missing, items)) {
        return error_value();
    }
    if (!brackets && items.size() == 1 && operand_class(items.front().kind) != Operand::name) {
        // A constant in parentheses is the constant.
        return items.front();
    }
    const std::string inside = joined(items, language(), ",");
    value.text = brackets ? "[" + inside + "]" : "(" + inside + ")";
    if (value.text.size() > script_text_limit) {
        return fail(msg::LINETOLON, std::string_view(value.text).substr(0, 40));
    }
    return value;
}

ScriptValue ScriptExpressionAnalyser::composite(const ScriptValue& left, std::string_view op,
                                                const ScriptValue& right) const {
    ScriptValue value;
    value.kind = TokenKind::expression;
    value.text = printed_value(left, language()) + std::string(op) +
                 right_operand(printed_value(right, language()));
    return value;
}

ScriptValue ScriptExpressionAnalyser::combine(const ScriptValue& left, OperatorCode op,
                                              const ScriptValue& right) {
    const std::string_view op_text = operator_texts[static_cast<std::size_t>(op)];
    if (op_text.empty()) {
        throw reporter_.internal(msg::SIGNEINCO, "");
    }
    const Operand a = operand_class(left.kind);
    const Operand b = operand_class(right.kind);
    const bool joins = op == OperatorCode::plus || op == OperatorCode::ampersand;
    ScriptValue value;
    if (a == Operand::string && b == Operand::name && joins) {
        value.kind = TokenKind::expression;
        value.text = printed_value(left, language()) +
                     std::string(string_separator(language(), op_text)) + right.text;
    } else if (a == Operand::name || b == Operand::name) {
        value = composite(left, op_text, right);
    } else if (a == Operand::integer && b == Operand::integer) {
        value = fold_integers(left.integer, op, right.integer);
    } else if (a != Operand::string && b != Operand::string) {
        Real x = left.real;
        Real y = right.real;
        if (a == Operand::integer) {
            real_from_pint(left.integer, x);
        }
        if (b == Operand::integer) {
            real_from_pint(right.integer, y);
        }
        value =
            op == OperatorCode::ampersand ? composite(left, op_text, right) : fold_reals(x, op, y);
    } else if (a == Operand::string && b == Operand::string) {
        if (joins) {
            value.kind = TokenKind::string;
            value.text = left.text + right.text;
        } else {
            value = composite(left, op_text, right);
        }
    } else {
        const int script = lexer_.script_language();
        return fail(msg::TYPESMISM, std::string(token_kind_name(left.kind, script)) + "," +
                                        std::string(token_kind_name(right.kind, script)));
    }
    if (value.kind != TokenKind::error && value.text.size() > script_text_limit) {
        return fail(msg::LINETOLON, std::string_view(value.text).substr(0, 40));
    }
    return value;
}

// Integer folding. Every overflow is found before the operation, so that
// the value is never wrong and the error goes through the display of the
// expression.
ScriptValue ScriptExpressionAnalyser::fold_integers(const pint& a, OperatorCode op, const pint& b) {
    ScriptValue value;
    value.kind = TokenKind::integer;
    const std::string operands = pint_image(a, ImageFormat::decimal) +
                                 std::string(operator_texts[static_cast<std::size_t>(op)]) +
                                 pint_image(b, ImageFormat::decimal);
    const bool a_negative = pint_is_negative(a);
    const bool b_negative = pint_is_negative(b);
    pint bound;
    switch (op) {
        case OperatorCode::plus:
            if (!a_negative && !b_negative) {
                pint_sub(max_value(), b, bound);
                if (pint_compare(a, bound) > 0) {
                    return fail(msg::OVERFLOW, operands);
                }
            } else if (a_negative && b_negative) {
                pint_sub(min_value(), b, bound);
                if (pint_compare(a, bound) < 0) {
                    return fail(msg::OVERFLOW, operands);
                }
            }
            pint_add(a, b, value.integer);
            return value;
        case OperatorCode::minus:
            if (b_negative) {
                pint_add(max_value(), b, bound);
                if (pint_compare(a, bound) > 0) {
                    return fail(msg::OVERFLOW, operands);
                }
            } else {
                pint_add(min_value(), b, bound);
                if (pint_compare(a, bound) < 0) {
                    return fail(msg::OVERFLOW, operands);
                }
            }
            pint_sub(a, b, value.integer);
            return value;
        case OperatorCode::times: {
            if (pint_is_zero(a) || pint_is_zero(b)) {
                value.integer = pint_zero;
                return value;
            }
            if (a == min_value() || b == min_value()) {
                const pint& other = a == min_value() ? b : a;
                if (other == pint_one) {
                    value.integer = min_value();
                    return value;
                }
                return fail(msg::OVERFLOW, operands);
            }
            pint magnitude_a = a;
            pint magnitude_b = b;
            if (a_negative) {
                pint_negate(a, magnitude_a);
            }
            if (b_negative) {
                pint_negate(b, magnitude_b);
            }
            pint quotient;
            pint remainder;
            pint_divmod(max_value(), magnitude_a, quotient, remainder);
            if (pint_compare(magnitude_b, quotient) > 0) {
                // Only the product of exactly 2^167 with a negative sign fits.
                pint next;
                pint_add_small(quotient, 1, next);
                pint remainder_next;
                pint_add_small(remainder, 1, remainder_next);
                if (a_negative != b_negative && magnitude_b == next &&
                    remainder_next == magnitude_a) {
                    value.integer = min_value();
                    return value;
                }
                return fail(msg::OVERFLOW, operands);
            }
            pint_mul(a, b, value.integer);
            return value;
        }
        case OperatorCode::divide: {
            if (pint_is_zero(b)) {
                return fail(msg::DIVBYZERO, operands);
            }
            pint minus_one = pint_from_int(-1);
            if (a == min_value() && b == minus_one) {
                return fail(msg::OVERFLOW, operands);
            }
            pint remainder;
            pint_divmod(a, b, value.integer, remainder);
            return value;
        }
        default: {
            ScriptValue left;
            left.kind = TokenKind::integer;
            left.integer = a;
            ScriptValue right = left;
            right.integer = b;
            return composite(left, operator_texts[static_cast<std::size_t>(op)], right);
        }
    }
}

ScriptValue ScriptExpressionAnalyser::fold_reals(const Real& a, OperatorCode op, const Real& b) {
    ScriptValue value;
    value.kind = TokenKind::real;
    const long exponents =
        std::labs(static_cast<long>(a.exponent)) + std::labs(static_cast<long>(b.exponent));
    switch (op) {
        case OperatorCode::plus:
            real_add(a, b, value.real);
            return value;
        case OperatorCode::minus:
            real_sub(a, b, value.real);
            return value;
        case OperatorCode::times:
            if (exponents > real_fold_exponent_limit) {
                return fail(msg::OVERFLOW, real_image(a) + "*" + real_image(b));
            }
            real_mul(a, b, value.real);
            return value;
        case OperatorCode::divide:
            if (real_is_zero(b)) {
                return fail(msg::DIVBYZERO, real_image(a) + "/" + real_image(b));
            }
            if (exponents > real_fold_exponent_limit) {
                return fail(msg::OVERFLOW, real_image(a) + "/" + real_image(b));
            }
            real_div(a, b, value.real);
            return value;
        default:
            return error_value();
    }
}

// ---- variable paths ----------------------------------------------------

bool ScriptExpressionAnalyser::parse_variable_path(std::string_view text, int tested_language,
                                                   int script_language, VariablePath& result) {
    result = VariablePath{};
    bool good = lexer_.initialise(text, tested_language, script_language);
    if (good) {
        depth_ = 0;
        lexer_.advance();
        good = !lexer_.failed() && path(result, 0) && !lexer_.failed() &&
               lexer_.current().kind == TokenKind::end;
    }
    if (!good) {
        reporter_.error(msg::NOMVARINC, text);
        result = VariablePath{};
        return false;
    }
    // The text, rebuilt step by step: a selector after a dereference puts
    // the dereference in parentheses.
    std::string rebuilt;
    bool dereferenced = false;
    for (const PathComponent& component : result.components) {
        if (component.step != PathStep::dereference && component.step != PathStep::name &&
            dereferenced) {
            rebuilt = "(" + rebuilt + ")";
        }
        dereferenced = false;
        switch (component.step) {
            case PathStep::name:
                rebuilt += component.text;
                break;
            case PathStep::index:
                if (is_c_family(tested_language)) {
                    for (const ScriptValue& index : component.index) {
                        rebuilt += "[" + printed_value(index, tested_language) + "]";
                    }
                } else {
                    rebuilt += "[" + joined(component.index, tested_language, ",") + "]";
                }
                break;
            case PathStep::field:
                rebuilt += "." + component.text;
                break;
            case PathStep::pointer_field:
                rebuilt += "->" + component.text;
                break;
            case PathStep::scope:
                rebuilt += "::" + component.text;
                break;
            case PathStep::pointer:
                rebuilt += "^";
                break;
            case PathStep::attribute:
                rebuilt += "'" + component.text;
                break;
            case PathStep::dereference:
                rebuilt = "*" + rebuilt;
                dereferenced = true;
                break;
        }
    }
    result.text = std::move(rebuilt);
    return true;
}

bool ScriptExpressionAnalyser::path(VariablePath& result, int depth) {
    if (depth > max_expression_depth) {
        return false;
    }
    int dereferences = 0;
    while (c_family() && lexer_.current().kind == TokenKind::op &&
           lexer_.current().op == OperatorCode::times) {
        if (++dereferences > max_expression_depth) {
            return false;
        }
        lexer_.advance();
    }
    const Token& first = lexer_.current();
    if (first.kind == TokenKind::lparen) {
        lexer_.advance();
        if (lexer_.failed() || !path(result, depth + 1) ||
            lexer_.current().kind != TokenKind::rparen) {
            return false;
        }
        lexer_.advance();
    } else if (first.kind == TokenKind::identifier) {
        result.components.push_back({PathStep::name, first.text, {}});
        lexer_.advance();
    } else if (first.kind == TokenKind::scope) {
        lexer_.advance();
        if (lexer_.current().kind != TokenKind::identifier) {
            return false;
        }
        result.components.push_back({PathStep::name, "::" + lexer_.current().text, {}});
        lexer_.advance();
    } else {
        return false;
    }
    while (!lexer_.failed()) {
        const Token& t = lexer_.current();
        PathStep step;
        switch (t.kind) {
            case TokenKind::lbracket: {
                lexer_.advance();
                PathComponent component{PathStep::index, {}, {}};
                if (lexer_.failed() ||
                    !value_list(TokenKind::rbracket, expected_rbracket, component.index)) {
                    return false;
                }
                result.components.push_back(std::move(component));
                continue;
            }
            case TokenKind::pointer:
                result.components.push_back({PathStep::pointer, {}, {}});
                lexer_.advance();
                continue;
            case TokenKind::dot:
                step = PathStep::field;
                break;
            case TokenKind::arrow:
                step = PathStep::pointer_field;
                break;
            case TokenKind::scope:
                step = PathStep::scope;
                break;
            case TokenKind::quote:
                step = PathStep::attribute;
                break;
            default:
                for (int i = 0; i < dereferences; ++i) {
                    result.components.push_back({PathStep::dereference, {}, {}});
                }
                return true;
        }
        lexer_.advance();
        if (lexer_.current().kind != TokenKind::identifier) {
            return false;
        }
        result.components.push_back({step, lexer_.current().text, {}});
        lexer_.advance();
    }
    return false;
}

}  // namespace vx
