// The bounds of arrays as the C compiler reads them: integer constant
// expressions.
//
// Embedded headers size their buffers with expressions rather than
// numbers: "uint8_t window[2 << WINDOW_BITS]", "int16_t index[N * 2]",
// "char names[SLOTS + 1][sizeof(uint32_t)]". The preprocessor has already
// replaced the macros; what is left are numbers, operators, enumeration
// constants, casts and "sizeof"/"_Alignof". The analysis evaluates them
// here so that such an array is an array of known length everywhere (the
// value model, ranges, others, stub buffers, the listing). A bound it
// cannot evaluate exactly (the size of a struct, of a pointer, a name it
// does not know) keeps its text, as a C compiler would still read it.
#include "canalysis/cpp/if_evaluator.h"
#include "canalysis/declaration_grammar.hpp"
#include "canalysis/decl/c_keywords.h"
#include "canalysis/decl/declaration_parser_context.h"
#include "canalysis/types/c_characters.h"
#include "canalysis/types/target_model.h"
#include "canalysis/types/type_table.h"
#include "support/text.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace vx::decl {

namespace {

// Enumerators defined from enumerators, deeper than this, are not followed.
constexpr int bound_depth_limit = 64;

}  // namespace

bool is_size_operator(std::string_view word, bool& alignment) {
    CKeyword keyword;
    if (!c_keyword(word, keyword)) return false;
    alignment = keyword == CKeyword::alignof_keyword;
    return alignment || keyword == CKeyword::sizeof_keyword;
}

std::optional<long long> ParserContext::type_size(const TypeNode* type, bool alignment,
                                                  int depth) const {
    if (type == nullptr || depth > bound_depth_limit) return std::nullopt;
    switch (type->kind) {
        case TypeKind::named:
        case TypeKind::qualified:
            return type_size(type->target, alignment, depth + 1);
        case TypeKind::integer:
            return std::abs(type->width) / 8;
        case TypeKind::enum_type:
            return run_.target.base_width(BaseInteger::int_type) / 8;
        case TypeKind::floating: {
            // The IEEE formats of float and double hold on every target the
            // harness runs on; the others only when the target declares them.
            if (type->name == "float") return 4;
            if (type->name == "double") return 8;
            const int declared = run_.target.declared_size(type->name);
            if (declared <= 0) return std::nullopt;
            return declared;
        }
        case TypeKind::array: {
            const long long count = type->length;
            if (count <= 0) return std::nullopt;
            const std::optional<long long> element = type_size(type->target, alignment, depth + 1);
            if (!element || *element <= 0) return std::nullopt;
            return alignment ? *element : count * *element;
        }
        default:
            // Structs and unions (their layout belongs to the compiler and
            // its attributes), pointers (whose width the target model does
            // not know), functions and void.
            return std::nullopt;
    }
}

std::optional<long long> ParserContext::operand_size(std::string_view operand,
                                                     bool alignment) const {
    operand = trimmed(operand);
    while (operand.size() >= 2 && operand.front() == '(' && operand.back() == ')') {
        operand = trimmed(operand.substr(1, operand.size() - 2));
    }
    if (operand.empty()) return std::nullopt;
    // One word: a typedef name or an object whose type is known.
    bool one_word = is_ident_start(operand.front());
    for (char c : operand) one_word = one_word && is_ident_char(c);
    if (one_word) {
        if (Symbol* t = table_.global_typedef(operand)) return type_size(t->type, alignment, 0);
        if (Symbol* s = c_find_symbol(operand, table_, options_.scope)) {
            if (!(s->storage & storage_typedef)) return type_size(s->type, alignment, 0);
        }
    }
    // The base integer types in any spelling.
    const int bytes = run_.target.size_of(operand);
    if (bytes <= 0) return std::nullopt;
    return bytes;
}

std::optional<long long> ParserContext::constant_value(std::string_view text, int depth) const {
    if (depth > bound_depth_limit) return std::nullopt;
    std::string expression;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '\'' || c == '"') {
            if (c == '"') return std::nullopt;
            std::size_t end = i + 1;
            while (end < text.size() && text[end] != '\'') end += text[end] == '\\' ? 2 : 1;
            if (end >= text.size()) return std::nullopt;
            expression.append(text.substr(i, end + 1 - i));
            i = end + 1;
            continue;
        }
        if (c >= '0' && c <= '9') {
            // A number with its suffixes (and the letters of a hexadecimal).
            std::size_t end = i;
            while (end < text.size() && (is_ident_char(text[end]) || text[end] == '.')) ++end;
            expression.append(text.substr(i, end - i));
            i = end;
            continue;
        }
        if (!is_ident_start(c)) {
            expression += c;
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && is_ident_char(text[end])) ++end;
        const std::string_view word = text.substr(i, end - i);
        i = end;
        bool alignment = false;
        if (is_size_operator(word, alignment)) {
            while (i < text.size() && is_c_blank(text[i])) ++i;
            std::string_view operand;
            if (i < text.size() && text[i] == '(') {
                int open = 0;
                std::size_t close = i;
                for (; close < text.size(); ++close) {
                    if (text[close] == '(') ++open;
                    if (text[close] == ')' && --open == 0) break;
                }
                if (close >= text.size()) return std::nullopt;
                operand = text.substr(i, close + 1 - i);
                i = close + 1;
            } else {
                std::size_t e = i;
                while (e < text.size() && is_ident_char(text[e])) ++e;
                operand = text.substr(i, e - i);
                i = e;
            }
            const std::optional<long long> size = operand_size(operand, alignment);
            if (!size) return std::nullopt;
            expression += "(" + std::to_string(*size) + ")";
            continue;
        }
        const EnumerationConstant* constant = c_lookup_enumerator(word, table_);
        if (constant == nullptr || constant->enum_type == nullptr || constant->index < 0 ||
            static_cast<std::size_t>(constant->index) >= constant->enum_type->enumerators.size()) {
            return std::nullopt;
        }
        const std::string& value = constant->enum_type->enumerators[constant->index].value;
        const std::optional<long long> v = constant_value(value, depth + 1);
        if (!v) return std::nullopt;
        expression += "(" + std::to_string(*v) + ")";
    }
    // A bound the evaluator complains about is not a value.
    bool complained = false;
    TargetIfEnvironment environment(
        run_.target, [&complained](MessageCode, std::string_view) { complained = true; },
        !run_.target.plain_char_signed());
    const IfValue value = evaluate_if_expression(expression, environment);
    if (complained) return std::nullopt;
    // An unsigned value beyond long long is no length of an array.
    if (value.is_unsigned && value.value < 0) return std::nullopt;
    return value.value;
}

}  // namespace vx::decl
