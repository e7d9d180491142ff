// The analyser of script values.
//
// A value written in a test script is classified, its constant arithmetic
// folded exactly, and its text rebuilt in the syntax of the tested
// language. The grammar is a small recursive descent:
//
//   expression := term { ("+" | "-") term }
//   term       := factor { ("*" | "/" | "&") factor }
//   factor     := ("+" | "-") factor | "*" factor | "&" factor
//               | identifier selectors | constant
//               | "(" expression { "," expression } ")"
//               | "[" expression { "," expression } "]"
//               | "@" ... (PL/M) | "#" expression (assembler) | "::" name (C++)
//               | end of expression
//
// Two operands are combined by a table on their kinds: two constants fold
// (integers exactly on 168 bits, "/" rounding toward minus infinity; reals
// in decimal), a constant and a name make a composite expression whose
// text is rebuilt, two strings joined by "+" or "&" make one string, and a
// string with a number is a type mismatch. A name given by CONST is
// replaced by its value, so "N * 2" with N = 4 folds to 8.
//
// The result is a value descriptor: identifier, integer, real, string,
// composite expression, nothing (an empty text) or error. Every error is a
// coded diagnostic (the first of an expression shown with its position);
// the analysis then returns false with the error kind. Nesting is bounded,
// so no input can exhaust the stack.
#pragma once

#include "canalysis/cpp/bignum.h"
#include "script/script_lexer.h"
#include "diag/message_code.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// A value descriptor. `kind` is one of identifier, integer, real, string,
// expression, end (nothing) and error.
struct ScriptValue {
    TokenKind kind = TokenKind::end;
    pint integer;
    Real real;
    // The identifier or the composite expression text; the decoded
    // characters of a string.
    std::string text;
    bool character = false;  // a string written as a character constant
};

// The value's text as it stands inside a rebuilt expression: integers in
// decimal, reals by their image ("0.12E2"), strings as constants of the
// tested language, names and composites as they are.
std::string printed_value(const ScriptValue& value, int tested_language);

// Mode flags of an analysis.
inline constexpr unsigned expression_mode_percent = 1;  // DELTA: "%" is "*(VA)/100"
inline constexpr unsigned expression_mode_dotted = 2;   // "." inside assembler names

// The value kind of the variable a value belongs to (the kinds of the
// variable statements); only "real" changes the analysis (percent mode).
inline constexpr int expected_kind_integer = 0;
inline constexpr int expected_kind_real = 3;
inline constexpr int expected_kind_none = -1;

// Deepest nesting of parentheses, brackets and unary operators.
inline constexpr int max_expression_depth = 200;

// One constant of the CONST table: a value, or a list of values in "[" "]"
// (its value is then the composite text of the list).
struct ScriptConstant {
    std::string name;
    ScriptValue value;
    bool list = false;
    std::vector<ScriptValue> items;
};

// The CONST table: one bucket per first character, each kept sorted by
// name.
class ScriptConstants {
public:
    // False when the name is already there (the table is unchanged).
    bool add(ScriptConstant constant);
    const ScriptConstant* find(std::string_view name) const;

private:
    std::array<std::vector<ScriptConstant>, 256> buckets_;
};

// One step of a variable path, in evaluation order: "(*p).x[2]" is the
// name p, a dereference, the field x, an index.
enum class PathStep { name, index, field, pointer_field, scope, dereference, pointer, attribute };

struct PathComponent {
    PathStep step = PathStep::name;
    std::string text;                // the name, field or attribute
    std::vector<ScriptValue> index;  // the index values of an index step
};

struct VariablePath {
    std::vector<PathComponent> components;
    std::string text;  // rebuilt in the tested language
};

class ScriptExpressionAnalyser {
public:
    // Tells whether a name is a type name (the pointer type "char *" in C
    // and C++); without it the C base type names are used.
    using TypeNamePredicate = std::function<bool(std::string_view)>;

    explicit ScriptExpressionAnalyser(Reporter& reporter,
                                      const ScriptConstants* constants = nullptr,
                                      TypeNamePredicate type_name = {});

    // Analyses one value. True with the descriptor on success (an empty
    // text gives the kind "end"); false with the kind "error" after a
    // coded diagnostic.
    bool analyse_script_expression(std::string_view text, int tested_language, int script_language,
                                   unsigned mode, int expected_kind, ScriptValue& result);

    // Splits a variable reference into its components; a malformed path
    // gives "NOMVARINC" and false.
    bool parse_variable_path(std::string_view text, int tested_language, int script_language,
                             VariablePath& path);

private:
    ScriptValue expression();
    ScriptValue term();
    ScriptValue factor();
    ScriptValue unary(OperatorCode op);
    ScriptValue identifier_factor();
    ScriptValue group(TokenKind open, TokenKind close, std::string_view missing);
    bool selectors(std::string& text);
    bool value_list(TokenKind close, std::string_view missing, std::vector<ScriptValue>& items);
    ScriptValue combine(const ScriptValue& left, OperatorCode op, const ScriptValue& right);
    ScriptValue fold_integers(const pint& a, OperatorCode op, const pint& b);
    ScriptValue fold_reals(const Real& a, OperatorCode op, const Real& b);
    ScriptValue composite(const ScriptValue& left, std::string_view op,
                          const ScriptValue& right) const;
    bool type_name(std::string_view name) const;
    bool path(VariablePath& path, int depth);
    ScriptValue fail(MessageCode code, std::string_view argument);
    ScriptValue syntax_error(std::string_view expected);
    bool starts_factor() const;
    bool c_family() const { return lexer_.c_family(); }
    int language() const { return lexer_.tested_language(); }

    Reporter& reporter_;
    const ScriptConstants* constants_;
    TypeNamePredicate type_name_;
    ScriptLexer lexer_;
    int depth_ = 0;
};

}  // namespace vx
