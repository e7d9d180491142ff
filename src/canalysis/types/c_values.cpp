#include "canalysis/types/c_values.h"

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/expr/expression_analysis.h"
#include "support/numbers.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>

namespace vx {

namespace {

// The analysis's messages, kept rather than shown: the caller decides
// which of them refuse a value.
class CollectingSink final : public DiagnosticSink {
public:
    struct Entry {
        Severity level;
        MessageCode code;
        std::string argument;
    };
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view,
                long) override {
        entries.push_back({level, code, std::string(argument)});
    }
    std::vector<Entry> entries;
};

const ExprNode* unparenthesised(const ExprNode* node) {
    while (node != nullptr && node->kind == ExprKind::parenthesised && node->first != nullptr) {
        node = node->first;
    }
    return node;
}

bool is_ident_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

// Replaces the identifiers of `names` in a C expression by their values.
std::string substitute_names(std::string_view text, const std::map<std::string, long long>& names) {
    std::string out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            std::size_t j = i + 1;
            while (j < text.size() && text[j] != c) j += text[j] == '\\' ? 2 : 1;
            j = std::min(j + 1, text.size());
            out.append(text.substr(i, j - i));
            i = j;
            continue;
        }
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t j = i;
            while (j < text.size() && is_ident_char(text[j])) ++j;
            const std::string word(text.substr(i, j - i));
            auto found = names.find(word);
            out += found != names.end() ? "(" + std::to_string(found->second) + ")" : word;
            i = j;
            continue;
        }
        out += c;
        ++i;
    }
    return out;
}

// The integer constant a text folds to, with names known.
std::optional<long long> fold_integer(ExpressionRun* run, std::string_view text,
                                      const std::map<std::string, long long>& names) {
    long long value = 0;
    if (integer_constant(trimmed(text), value)) return value;
    if (run == nullptr) return std::nullopt;
    CollectingSink sink;
    ExpressionTree tree = c_parse_expression(*run, substitute_names(text, names), "", 0, sink);
    std::optional<long long> result;
    if (tree != nullptr) {
        const ExprNode* root = unparenthesised(tree->root);
        if (root != nullptr && root->kind == ExprKind::integer_constant &&
            pint_fits_int64(root->value)) {
            result = pint_low64(root->value);
        }
    }
    c_free_expression(tree);
    return result;
}

std::string lower_word(std::string_view text) {
    std::string out(trimmed(text));
    to_lower(out);
    return out;
}

}  // namespace

// ---- classification -----------------------------------------------------------

bool c_is_byte_type(const TypeNode* type) {
    const TypeNode* r = c_resolve_type(type);
    return r != nullptr && r->kind == TypeKind::integer && r->is_char && r->name != "char" &&
           c_value_kind(type) == CValueKind::integer;
}

CValueKind c_value_kind(const TypeNode* type) {
    // A boolean is known by its name: the target may define _Bool as a
    // typedef of a character type.
    for (const TypeNode* t = type;
         t != nullptr && (t->kind == TypeKind::named || t->kind == TypeKind::qualified);
         t = t->target) {
        if (t->kind == TypeKind::named && (t->name == "_Bool" || t->name == "bool")) {
            return CValueKind::boolean;
        }
    }
    const TypeNode* r = c_resolve_type(type);
    if (r == nullptr) return CValueKind::unknown;
    switch (r->kind) {
        case TypeKind::integer:
            if (r->name == "_Bool" || r->name == "bool") return CValueKind::boolean;
            // Plain char holds characters; signed and unsigned char hold
            // small numbers (bytes), whatever typedef names them.
            if (r->is_char && r->name == "char") return CValueKind::character;
            return CValueKind::integer;
        case TypeKind::floating:
            return CValueKind::real;
        case TypeKind::enum_type:
            return CValueKind::enumeration;
        case TypeKind::pointer: {
            const TypeNode* target = c_resolve_type(r->target);
            if (target != nullptr && target->kind == TypeKind::function)
                return CValueKind::function_pointer;
            if (c_value_kind(r->target) == CValueKind::character) return CValueKind::string_pointer;
            return CValueKind::pointer;
        }
        case TypeKind::array: {
            const CValueKind element = c_value_kind(r->target);
            return element == CValueKind::character ? CValueKind::string : element;
        }
        default:
            return CValueKind::unknown;
    }
}

bool c_is_string_type(const TypeNode* type) {
    const TypeNode* r = c_resolve_type(type);
    return r != nullptr && r->kind == TypeKind::array &&
           c_value_kind(r->target) == CValueKind::character;
}

std::string c_value_type_image(const TypeNode* type) {
    // An atomic object is read and written with plain loads and stores,
    // and a cast to an atomic type is refused by some compilers: the
    // harness's casts name the type under the atomic qualifier, even when
    // a typedef ("atomic_ulong") hides it.
    constexpr int depth_limit = 64;
    const TypeNode* t = type;
    for (int depth = 0; t != nullptr && depth < depth_limit; ++depth) {
        if (t->kind == TypeKind::qualified && t->name == "_Atomic") {
            return c_type_image(t->target, "");
        }
        if (t->kind != TypeKind::named && t->kind != TypeKind::qualified) break;
        t = t->target;
    }
    return c_type_image(type, "");
}

long long c_array_bound(const TypeNode* type) {
    const TypeNode* r = c_resolve_type(type);
    if (r == nullptr || r->kind != TypeKind::array) return 0;
    return r->length;
}

TypeFacts c_type_facts(const TypeNode* type, ExpressionRun* run) {
    TypeFacts facts;
    const TypeNode* r = c_resolve_type(type);
    if (r == nullptr) return facts;
    switch (r->kind) {
        case TypeKind::integer:
            facts.is_unsigned = r->width > 0;
            facts.bits = r->width < 0 ? -r->width : r->width;
            facts.is_byte = c_is_byte_type(type);
            break;
        case TypeKind::floating:
            facts.is_double = r->name.find("double") != std::string::npos;
            facts.is_long_double = r->name.find("long double") != std::string::npos;
            break;
        case TypeKind::array:
            if (c_is_string_type(type)) facts.length = c_array_bound(type);
            break;
        case TypeKind::enum_type: {
            facts.enum_name = r->name.empty() ? c_type_image(type, "") : "enum " + r->name;
            // Each enumerator's value folded, the earlier ones known by name;
            // one that cannot be folded counts on from the last one known.
            std::map<std::string, long long> known;
            long long next = 0;
            for (const Enumerator& enumerator : r->enumerators) {
                // One written without a value follows the one before it.
                const long long value =
                    enumerator.explicit_value
                        ? fold_integer(run, enumerator.value, known).value_or(next)
                        : next;
                facts.enumerators.emplace_back(enumerator.name, value);
                known[enumerator.name] = value;
                next = value + 1;
            }
            break;
        }
        default:
            break;
    }
    return facts;
}

bool c_whole_array_facts(const TypeNode* type, TypeFacts& facts, ExpressionRun* run) {
    std::vector<long long> dimensions;
    const TypeNode* element = c_resolve_type(type);
    while (element != nullptr && element->kind == TypeKind::array && !c_is_string_type(element)) {
        const long long bound = c_array_bound(element);
        if (bound <= 0) return false;
        dimensions.push_back(bound);
        type = element->target;
        element = c_resolve_type(type);
    }
    if (dimensions.empty() || element == nullptr) return false;
    const CValueKind kind = c_value_kind(type);
    if (kind == CValueKind::unknown || element->kind == TypeKind::struct_type ||
        element->kind == TypeKind::union_type || kind == CValueKind::string) {
        return false;
    }
    facts = c_type_facts(type, run);
    facts.dimensions = std::move(dimensions);
    facts.element_type = c_type_image(type, "");
    return true;
}

// ---- components -----------------------------------------------------------------

namespace {

bool is_complete_aggregate(const TypeNode* r) {
    return r != nullptr && (r->kind == TypeKind::struct_type || r->kind == TypeKind::union_type) &&
           r->complete;
}

// The members of a struct or union that a value of the whole covers: every
// named member with a type, the first only of a union, and never a
// flexible array member (the "uint8_t data[];" that ends a struct), whose
// length only the code that allocated the struct knows.
std::vector<const Field*> valued_fields(const TypeNode* r) {
    std::vector<const Field*> fields;
    for (std::size_t k = 0; k < r->fields.size(); ++k) {
        const Field& field = r->fields[k];
        if (field.symbol == nullptr || field.symbol->type == nullptr) continue;
        const TypeNode* t = c_resolve_type(field.symbol->type);
        const bool flexible = r->kind == TypeKind::struct_type && k + 1 == r->fields.size() &&
                              t != nullptr && t->kind == TypeKind::array && t->bound.empty();
        if (flexible) continue;
        fields.push_back(&field);
        if (r->kind == TypeKind::union_type) break;
    }
    return fields;
}

// An array the walk goes into: constant bound, elements that are no
// characters.
bool is_walked_array(const TypeNode* type) {
    const TypeNode* r = c_resolve_type(type);
    return r != nullptr && r->kind == TypeKind::array && !c_is_string_type(type) &&
           c_array_bound(type) > 0;
}

}  // namespace

int c_enumeration_bits(const TypeFacts& facts) {
    for (const auto& [name, value] : facts.enumerators) {
        if (value < -2147483648LL || value > 4294967295LL) return 64;
    }
    return 32;
}

int c_bit_field_width(const Field* field) {
    if (field == nullptr || field->bit_width.empty() || field->bit_width.size() > 2 ||
        !std::all_of(field->bit_width.begin(), field->bit_width.end(),
                     [](char c) { return c >= '0' && c <= '9'; })) {
        return 0;
    }
    return std::stoi(field->bit_width);
}

namespace {

void append_components(const TypeNode* type, const std::string& path, int depth, bool whole_arrays,
                       std::vector<ValueComponent>& out, ExpressionRun* run,
                       const MacroBodyQuery& macro_body, const Field* field = nullptr) {
    if (out.size() >= component_limit) return;
    const TypeNode* r = c_resolve_type(type);
    const CValueKind kind = c_value_kind(type);
    if (r != nullptr && depth < component_depth_limit) {
        if (is_complete_aggregate(r)) {
            for (const Field* field : valued_fields(r)) {
                append_components(field->symbol->type,
                                  c_member_path(path, field->symbol->name, macro_body), depth + 1,
                                  whole_arrays, out, run, macro_body, field);
            }
            return;
        }
        TypeFacts whole;
        if (whole_arrays && r->kind == TypeKind::array && c_whole_array_facts(type, whole, run)) {
            out.push_back({path, c_value_type_image(type), kind, std::move(whole), type});
            return;
        }
        if (is_walked_array(type)) {
            const long long bound = c_array_bound(type);
            for (long long i = 0; i < bound && out.size() < component_limit; ++i) {
                append_components(r->target, path + "[" + std::to_string(i) + "]", depth + 1,
                                  whole_arrays, out, run, macro_body);
            }
            return;
        }
    }
    TypeFacts facts = c_type_facts(type, run);
    facts.field_bits = c_bit_field_width(field);
    out.push_back({path, c_value_type_image(type), kind, std::move(facts), type});
}

}  // namespace

void c_value_components(const TypeNode* type, const std::string& root, bool whole_arrays,
                        std::vector<ValueComponent>& out, ExpressionRun* run,
                        const MacroBodyQuery& macro_body) {
    append_components(type, root, 0, whole_arrays, out, run,
                      macro_body || run == nullptr ? macro_body : run->member_macro);
}

// ---- values of aggregates -----------------------------------------------------

std::string c_with_unsigned_suffix(std::string_view text) {
    std::string out(trimmed(text));
    const bool digits =
        !out.empty() && out.front() != '0' &&
        std::all_of(out.begin(), out.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (digits && out.size() >= 19 && (out.size() > 19 || out > "9223372036854775807") &&
        (out.size() < 20 || (out.size() == 20 && out <= "18446744073709551615"))) {
        out += "U";
    }
    return out;
}

bool c_is_pointer_word(std::string_view text) {
    const std::string word = upper_copy(trimmed(text));
    return word == "NIL" || word == "NONIL" || word == "NILFUNC" || word == "NONILFUNC";
}

bool c_is_value_list(std::string_view text) {
    text = trimmed(text);
    if (text.size() < 2) return false;
    const char open = text.front();
    const char close = open == '{' ? '}' : open == '[' ? ']' : 0;
    if (close == 0 || text.back() != close) return false;
    // The opening bracket must be closed by the last one, not earlier
    // ("[1] + a[2]" is no list).
    TextScanner scan(text, c_quote_rules);
    while (scan.next()) {
        const char c = scan.current();
        if ((c == ')' || c == ']' || c == '}') && scan.depth() == 0 &&
            scan.at() + 1 < text.size()) {
            return false;
        }
    }
    return scan.balanced();
}

namespace {

// One item of a list: a value, or "key => value".
struct ListItem {
    std::string_view text;  // the whole item
    bool association = false;
    std::string_view key;
    std::string_view value;
};

std::vector<ListItem> list_items(std::string_view list) {
    list = trimmed(list);
    std::vector<ListItem> items;
    const std::string_view inner = list.substr(1, list.size() - 2);
    if (trimmed(inner).empty()) return items;
    for (std::string_view piece : split_top_level(inner, true)) {
        ListItem item;
        item.text = piece;
        const std::size_t arrow = find_top_level(piece, "=>");
        if (arrow != std::string_view::npos) {
            item.association = true;
            item.key = trimmed(piece.substr(0, arrow));
            item.value = trimmed(piece.substr(arrow + 2));
        } else {
            item.value = piece;
        }
        items.push_back(item);
    }
    return items;
}

bool is_string_literal(std::string_view text) {
    text = trimmed(text);
    if (!text.empty() && text.front() == 'L') text.remove_prefix(1);
    return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

std::string byte_image(unsigned char byte) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02x", byte);
    return buffer;
}

class Spreader {
public:
    Spreader(ExpressionRun& run, SpreadFailure& failure, bool zero_rest)
        : run_(run), failure_(failure), zero_rest_(zero_rest) {}

    bool fill(const TypeNode* type, const std::string& path, std::string_view value, int depth,
              std::vector<std::string>& out);

private:
    bool fail(MessageCode code, std::string place) {
        if (!failure_.code) {
            failure_.code = code;
            failure_.place = std::move(place);
        }
        return false;
    }
    bool is_others(std::string_view key) const {
        const std::string word = lower_word(key);
        return word == lower_word(run_.others_word) || word == "others" || word == "autres";
    }
    bool aggregate(const TypeNode* type) const {
        return is_complete_aggregate(c_resolve_type(type)) || is_walked_array(type);
    }
    bool byte_string_for(const TypeNode* type, std::string_view value) const {
        return is_walked_array(type) && c_is_byte_type(c_resolve_type(type)->target) &&
               is_string_literal(value);
    }
    bool index_value(std::string_view text, long long& value);
    // Whether the value is a C expression of struct or union type (an
    // object such as "defaults"): it is a whole aggregate, never the first
    // member of one.
    bool whole_aggregate_value(std::string_view value) {
        CollectingSink quiet;
        ExpressionTree tree = c_parse_expression(run_, value, "", 0, quiet);
        const TypeNode* type =
            tree != nullptr && tree->root != nullptr
                ? c_expression_type(run_, tree->root, nullptr, "", 0, run_.scope, quiet)
                : nullptr;
        c_free_expression(tree);
        return is_complete_aggregate(c_resolve_type(type));
    }
    bool bytes(const TypeNode* type, const std::string& path, std::string_view value,
               std::vector<std::string>& out);
    bool fill_from(const TypeNode* type, const std::string& path,
                   const std::vector<ListItem>& items, std::size_t& at,
                   const std::optional<std::string_view>& others, int depth,
                   std::vector<std::string>& out);
    template <typename TypeOf, typename Place, typename Named>
    bool fill_slots(std::string_view list, const std::string& path, std::size_t count,
                    TypeOf type_of, Place place, Named named, int depth,
                    std::vector<std::string>& out);
    bool fill_array(const TypeNode* type, const std::string& path, std::string_view list, int depth,
                    std::vector<std::string>& out);
    bool fill_struct(const TypeNode* type, const std::string& path, std::string_view list,
                     int depth, std::vector<std::string>& out);

    // The components of a slot no item gives, when the list is read as a
    // compound literal: each an empty text.
    bool zeros(const TypeNode* type, const std::string& path, int depth,
               std::vector<std::string>& out) {
        zeroing_ = true;
        const bool ok = fill(type, path, "0", depth, out);
        zeroing_ = false;
        return ok;
    }

    ExpressionRun& run_;
    SpreadFailure& failure_;
    bool zero_rest_ = false;
    bool zeroing_ = false;
};

bool Spreader::index_value(std::string_view text, long long& value) {
    if (integer_constant(trimmed(text), value)) return true;
    // Enumeration constants stand for their values.
    std::map<std::string, long long> names;
    for (std::size_t i = 0; i < text.size();) {
        if (!std::isalpha(static_cast<unsigned char>(text[i])) && text[i] != '_') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < text.size() && is_ident_char(text[j])) ++j;
        const std::string word(text.substr(i, j - i));
        if (const EnumerationConstant* e = c_lookup_enumerator(word, run_.table)) {
            const TypeFacts facts = c_type_facts(e->enum_type, &run_);
            if (e->index >= 0 && static_cast<std::size_t>(e->index) < facts.enumerators.size()) {
                names[word] = facts.enumerators[static_cast<std::size_t>(e->index)].second;
            }
        }
        i = j;
    }
    CollectingSink sink;
    ExpressionTree tree = c_parse_expression(run_, substitute_names(text, names), "", 0, sink);
    bool known = false;
    if (tree != nullptr) {
        const ExprNode* root = unparenthesised(tree->root);
        if (root != nullptr && root->kind == ExprKind::integer_constant &&
            pint_fits_int64(root->value)) {
            value = pint_low64(root->value);
            known = true;
        }
    }
    c_free_expression(tree);
    return known;
}

bool Spreader::bytes(const TypeNode* type, const std::string& path, std::string_view value,
                     std::vector<std::string>& out) {
    CollectingSink sink;
    ExpressionTree tree = c_parse_expression(run_, value, "", 0, sink);
    const ExprNode* root = tree != nullptr ? unparenthesised(tree->root) : nullptr;
    if (root == nullptr || root->kind != ExprKind::string_literal || root->wide) {
        c_free_expression(tree);
        return fail(msg::TYPESMISM, path + " = " + std::string(trimmed(value)));
    }
    const std::string data = root->text;
    c_free_expression(tree);
    // A string C refuses ("\x03abc" is one escape, out of a byte's range)
    // is refused here rather than cut to a byte.
    for (const CollectingSink::Entry& entry : sink.entries) {
        if (entry.code == msg::SEQOUTRAN || entry.code == msg::NOHEXDIGI ||
            entry.code == msg::UNTERSTRI || entry.code == msg::INVCSTCAR) {
            return fail(entry.code, path + " = " + std::string(trimmed(value)));
        }
    }
    const long long bound = c_array_bound(type);
    const auto size = static_cast<long long>(data.size());
    // As C initialises a byte array from a string: its bytes, then zeros
    // up to the bound (its terminating zero is left out when the bytes
    // fill the array exactly); a longer string does not fit.
    if (size > bound) {
        return fail(msg::CSTTOLONG,
                    path + ": " + std::to_string(size) + " bytes for " + std::to_string(bound));
    }
    for (long long i = 0; i < bound; ++i) {
        out.push_back(byte_image(
            i < size ? static_cast<unsigned char>(data[static_cast<std::size_t>(i)]) : 0));
    }
    return true;
}

bool Spreader::fill(const TypeNode* type, const std::string& path, std::string_view value,
                    int depth, std::vector<std::string>& out) {
    value = trimmed(value);
    if (out.size() >= component_limit) return fail(msg::INITAGREG, path);
    const TypeNode* r = c_resolve_type(type);
    const bool list = c_is_value_list(value);
    if (depth < component_depth_limit && is_complete_aggregate(r)) {
        if (list) return fill_struct(r, path, value, depth, out);
        // A struct given a struct: the value model spreads scalars only.
        if (!zeroing_ && whole_aggregate_value(value)) {
            return fail(msg::TYPESMISM, path + " = " + std::string(value));
        }
        for (const Field* field : valued_fields(r)) {
            if (!fill(field->symbol->type, path + "." + field->symbol->name, value, depth + 1,
                      out)) {
                return false;
            }
        }
        return true;
    }
    if (depth < component_depth_limit && is_walked_array(type)) {
        if (list) return fill_array(type, path, value, depth, out);
        if (byte_string_for(type, value)) return bytes(type, path, value, out);
        const long long bound = c_array_bound(type);
        for (long long i = 0; i < bound; ++i) {
            if (!fill(r->target, path + "[" + std::to_string(i) + "]", value, depth + 1, out))
                return false;
        }
        return true;
    }
    if (list) {
        // A list of strings is the concatenation of a string's pieces.
        bool pieces = c_value_kind(type) == CValueKind::string && value.front() == '{';
        if (pieces) {
            for (const ListItem& item : list_items(value)) {
                pieces = pieces && !item.association && is_string_literal(item.value);
            }
        }
        if (!pieces) return fail(msg::INITAGREG, path + " = " + std::string(value));
    }
    if (zeroing_) {
        out.emplace_back();
        return true;
    }
    out.push_back(c_with_unsigned_suffix(value));
    return true;
}

// Fills an aggregate from consecutive items of a list whose inner braces
// were left out: one item a scalar, in order. Past the items, the list's
// "others" value fills the rest.
bool Spreader::fill_from(const TypeNode* type, const std::string& path,
                         const std::vector<ListItem>& items, std::size_t& at,
                         const std::optional<std::string_view>& others, int depth,
                         std::vector<std::string>& out) {
    while (at < items.size() && items[at].association && is_others(items[at].key)) ++at;
    if (at >= items.size()) {
        if (others.has_value()) return fill(type, path, *others, depth, out);
        if (zero_rest_) return zeros(type, path, depth, out);
        return fail(msg::INITAGREG, path);
    }
    const ListItem& item = items[at];
    if (item.association) return fail(msg::TABEXPINC, std::string(item.text));
    const TypeNode* r = c_resolve_type(type);
    if (depth < component_depth_limit && aggregate(type) && !c_is_value_list(item.value) &&
        !byte_string_for(type, item.value)) {
        // C takes a struct-valued item whole where a struct stands; the
        // value model, which spreads scalars, cannot.
        if (is_complete_aggregate(r) && whole_aggregate_value(item.value)) {
            return fail(msg::TYPESMISM, path + " = " + std::string(item.value));
        }
        if (is_complete_aggregate(r)) {
            for (const Field* field : valued_fields(r)) {
                if (!fill_from(field->symbol->type, path + "." + field->symbol->name, items, at,
                               others, depth + 1, out)) {
                    return false;
                }
            }
            return true;
        }
        const long long bound = c_array_bound(type);
        for (long long i = 0; i < bound; ++i) {
            if (!fill_from(r->target, path + "[" + std::to_string(i) + "]", items, at, others,
                           depth + 1, out)) {
                return false;
            }
        }
        return true;
    }
    ++at;
    return fill(type, path, item.value, depth, out);
}

// Spreads the items of a list over `count` slots, the elements of an array
// or the members of a struct: a positional item fills the next slot, an
// association the slots its key names (`named` reads the key into the
// first and the last slot, false once it has failed), and "others" every
// slot left. `type_of` and `place` give the type and the path of a slot.
template <typename TypeOf, typename Place, typename Named>
bool Spreader::fill_slots(std::string_view list, const std::string& path, std::size_t count,
                          TypeOf type_of, Place place, Named named, int depth,
                          std::vector<std::string>& out) {
    const std::vector<ListItem> items = list_items(list);
    std::optional<std::string_view> others;
    for (const ListItem& item : items) {
        if (item.association && is_others(item.key)) others = item.value;
    }
    std::vector<std::vector<std::string>> blocks(count);
    std::vector<bool> given(count, false);
    auto take = [&](std::size_t k) {
        if (given[k]) return fail(msg::INITAGREG, place(k));
        given[k] = true;
        return true;
    };
    std::size_t next = 0;
    std::size_t at = 0;
    while (at < items.size()) {
        const ListItem& item = items[at];
        if (item.association) {
            ++at;
            if (is_others(item.key)) continue;
            std::size_t first = 0;
            std::size_t last = 0;
            if (!named(item, first, last)) return false;
            for (std::size_t k = first; k <= last; ++k) {
                if (!take(k) || !fill(type_of(k), place(k), item.value, depth + 1, blocks[k])) {
                    return false;
                }
            }
            next = last + 1;
            continue;
        }
        // More values than the aggregate has members.
        if (next >= count) return fail(msg::AGREGTROP, path + ": " + std::string(item.text));
        if (!take(next) ||
            !fill_from(type_of(next), place(next), items, at, others, depth + 1, blocks[next])) {
            return false;
        }
        ++next;
    }
    for (std::size_t k = 0; k < count; ++k) {
        if (given[k]) continue;
        if (!others.has_value()) {
            if (zero_rest_ && zeros(type_of(k), place(k), depth + 1, blocks[k])) continue;
            return fail(msg::INITAGREG, place(k));
        }
        if (!fill(type_of(k), place(k), *others, depth + 1, blocks[k])) return false;
    }
    for (std::vector<std::string>& block : blocks) {
        for (std::string& leaf : block) out.push_back(std::move(leaf));
    }
    return true;
}

bool Spreader::fill_array(const TypeNode* type, const std::string& path, std::string_view list,
                          int depth, std::vector<std::string>& out) {
    const TypeNode* element = c_resolve_type(type)->target;
    const long long bound = c_array_bound(type);
    // An index or a range of indexes "low..high".
    auto named = [&](const ListItem& item, std::size_t& first, std::size_t& last) {
        const std::size_t dots = find_top_level(item.key, "..");
        long long low = 0;
        long long high = 0;
        if (dots != std::string_view::npos) {
            if (!index_value(item.key.substr(0, dots), low) ||
                !index_value(item.key.substr(dots + 2), high)) {
                return fail(msg::TABEXPINC, std::string(item.text));
            }
        } else if (!index_value(item.key, low)) {
            return fail(msg::TABEXPINC, std::string(item.text));
        } else {
            high = low;
        }
        if (low > high || low < 0 || high >= bound) {
            return fail(msg::INDICEINC, path + "[" + std::string(item.key) + "]");
        }
        first = static_cast<std::size_t>(low);
        last = static_cast<std::size_t>(high);
        return true;
    };
    return fill_slots(
        list, path, static_cast<std::size_t>(bound), [&](std::size_t) { return element; },
        [&](std::size_t k) { return path + "[" + std::to_string(k) + "]"; }, named, depth, out);
}

bool Spreader::fill_struct(const TypeNode* type, const std::string& path, std::string_view list,
                           int depth, std::vector<std::string>& out) {
    const std::vector<const Field*> fields = valued_fields(type);
    // A member named by its name.
    auto named = [&](const ListItem& item, std::size_t& first, std::size_t& last) {
        std::size_t k = 0;
        while (k < fields.size() && fields[k]->symbol->name != item.key) ++k;
        if (k == fields.size()) return fail(msg::TABEXPINC, std::string(item.text));
        first = last = k;
        return true;
    };
    return fill_slots(
        list, path, fields.size(), [&](std::size_t k) { return fields[k]->symbol->type; },
        [&](std::size_t k) { return path + "." + fields[k]->symbol->name; }, named, depth, out);
}

}  // namespace

bool c_spread_value(ExpressionRun& run, const TypeNode* type, const std::string& root,
                    std::string_view value, std::vector<std::string>& leaves,
                    SpreadFailure& failure, bool zero_rest) {
    leaves.clear();
    failure = {};
    Spreader spreader(run, failure, zero_rest);
    if (!spreader.fill(type, root, value, 0, leaves)) {
        leaves.clear();
        return false;
    }
    return true;
}

// ---- checks of one value ------------------------------------------------------

namespace {

// The analysis's findings that make a value unfit for the harness.
constexpr MessageCode refusing_codes[] = {
    msg::POSTINCRE, msg::POSTDECRE, msg::AFFECTATI, msg::SOUSEXPRE, msg::DIVISZERO, msg::CSTCARVID,
    msg::ENTOUTRAN, msg::INVCSTCAR, msg::UNTERSTRI, msg::NOHEXDIGI, msg::SEQOUTRAN};

bool refuses(MessageCode code) {
    return std::find(std::begin(refusing_codes), std::end(refusing_codes), code) !=
           std::end(refusing_codes);
}

// Whether an integer fits a type of `bits` bits. An unsigned type also
// takes the negative values of its width (-1 for all ones), as C
// compilers accept them without a word.
bool integer_fits(const pint& value, int bits, bool is_unsigned) {
    if (bits <= 0 || bits >= pint_bits - 1) return true;
    if (!is_unsigned || pint_is_negative(value)) return pint_fits(value, bits);
    return pint_fits(value, bits + 1);
}

}  // namespace

namespace {

// Whether the value's expression has an array or pointer type (a
// variable's name, its address ...), as far as the analysis can type it.
bool is_address(ExpressionRun& run, const ExprNode* root) {
    CollectingSink quiet;
    const TypeNode* type = c_expression_type(run, root, nullptr, "", 0, run.scope, quiet);
    const TypeNode* resolved = c_resolve_type(type);
    return resolved != nullptr &&
           (resolved->kind == TypeKind::array || resolved->kind == TypeKind::pointer);
}

// What a value given to a text is: a text (a string, a char array or a
// pointer), a number, a conditional with one of each, or unknown.
enum class TextOperand { text, number, mixed, unknown };

bool holds_string_literal(const ExprNode* node) {
    if (node == nullptr) return false;
    if (node->kind == ExprKind::string_literal) return true;
    return holds_string_literal(node->first) || holds_string_literal(node->second) ||
           holds_string_literal(node->third) ||
           std::any_of(node->items.begin(), node->items.end(),
                       [](const ExprNode* item) { return holds_string_literal(item); });
}

// The type analysis does not follow string literals: around them the
// forms a value for a text takes are read here (an element of a string is
// a character, a string plus a number a pointer into it); elsewhere the
// analysis types the expression.
TextOperand text_operand(ExpressionRun& run, const ExprNode* node) {
    node = unparenthesised(node);
    if (node == nullptr) return TextOperand::unknown;
    if (node->kind == ExprKind::string_literal) return TextOperand::text;
    if (node->kind == ExprKind::conditional) {
        const TextOperand a = text_operand(run, node->second);
        const TextOperand b = text_operand(run, node->third);
        if (a == b) return a;
        if ((a == TextOperand::text && b == TextOperand::number) ||
            (a == TextOperand::number && b == TextOperand::text)) {
            return TextOperand::mixed;
        }
        return TextOperand::unknown;
    }
    if (holds_string_literal(node)) {
        if (node->kind == ExprKind::subscript || node->kind == ExprKind::dereference) {
            const TextOperand inner = text_operand(run, node->first);
            const TextOperand index = text_operand(run, node->second);
            return inner == TextOperand::text || index == TextOperand::text ? TextOperand::number
                                                                            : TextOperand::unknown;
        }
        if (node->kind == ExprKind::binary) {
            const TextOperand a = text_operand(run, node->first);
            const TextOperand b = text_operand(run, node->second);
            const bool moves = node->binary_op == BinaryOp::add || node->binary_op == BinaryOp::sub;
            if (moves && ((a == TextOperand::text && b == TextOperand::number) ||
                          (a == TextOperand::number && b == TextOperand::text))) {
                return TextOperand::text;  // a pointer into the string
            }
            // A comparison, or the distance between two pointers.
            return TextOperand::number;
        }
        return TextOperand::unknown;
    }
    CollectingSink quiet;
    const TypeNode* type = c_expression_type(run, node, nullptr, "", 0, run.scope, quiet);
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved == nullptr) return TextOperand::unknown;
    if (resolved->kind == TypeKind::integer || resolved->kind == TypeKind::floating ||
        resolved->kind == TypeKind::enum_type) {
        return TextOperand::number;
    }
    if (resolved->kind == TypeKind::array || resolved->kind == TypeKind::pointer) {
        return TextOperand::text;
    }
    return TextOperand::unknown;
}

// The names of a value that the analysed C declares neither as a variable
// or function, nor as an enumerator, nor as a macro: a misspelt enumerator
// or macro, which the C compiler would only find in the generated file.
// A member's field and a type name are not looked up.
void undeclared_names(ExpressionRun& run, const ExprNode* node, std::vector<std::string>& names) {
    if (node == nullptr || node->kind == ExprKind::type_name) return;
    if (node->kind == ExprKind::identifier) {
        const std::string& name = node->text;
        if (name != run.others_word && c_find_symbol(name, run.table, run.scope) == nullptr &&
            c_lookup_enumerator(name, run.table) == nullptr && !run.is_macro(name) &&
            std::find(names.begin(), names.end(), name) == names.end()) {
            names.push_back(name);
        }
        return;
    }
    undeclared_names(run, node->first, names);
    undeclared_names(run, node->second, names);
    undeclared_names(run, node->third, names);
    for (const ExprNode* item : node->items) undeclared_names(run, item, names);
}

}  // namespace

bool c_has_stray_notation(std::string_view text) {
    int depth = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"' || c == '\'') {
            for (++i; i < text.size() && text[i] != c; ++i) {
                if (text[i] == '\\') ++i;
            }
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && depth > 0) {
            --depth;
        } else if (depth == 0 && i + 1 < text.size() &&
                   ((c == '=' && text[i + 1] == '>') ||
                    (c == '.' && text[i + 1] == '.' &&
                     (i + 2 >= text.size() || text[i + 2] != '.')))) {
            return true;
        }
    }
    return false;
}

std::vector<ValueFinding> c_check_value(ExpressionRun& run, std::string_view text, CValueKind kind,
                                        const TypeFacts& facts) {
    std::vector<ValueFinding> findings;
    text = trimmed(text);
    if (text.empty()) return findings;
    const bool pointer_kind = kind == CValueKind::pointer || kind == CValueKind::string_pointer ||
                              kind == CValueKind::function_pointer;
    // The runtime's null and any-non-null pointers are pointers: given to
    // a number, a character or a text they do not compile.
    if (c_is_pointer_word(text)) {
        if (!pointer_kind && kind != CValueKind::unknown && kind != CValueKind::private_type) {
            findings.push_back({msg::TYPESMISM, std::string(text), true});
        }
        return findings;
    }
    // A list is the value of an aggregate; a scalar cannot take one.
    if (c_is_value_list(text) && kind != CValueKind::unknown && kind != CValueKind::private_type) {
        findings.push_back({msg::BADAGGREGATE, std::string(text), true});
        return findings;
    }
    CollectingSink sink;
    ExpressionTree tree = c_parse_expression(run, text, "", 0, sink);
    for (const CollectingSink::Entry& entry : sink.entries) {
        if (refuses(entry.code)) findings.push_back({entry.code, std::string(text), true});
    }
    const ExprNode* root = tree != nullptr ? unparenthesised(tree->root) : nullptr;
    if (findings.empty() && c_has_stray_notation(text)) {
        findings.push_back({msg::BADAGGREGATE, std::string(text), true});
    }
    if (root != nullptr && findings.empty() && run.is_macro) {
        std::vector<std::string> names;
        undeclared_names(run, root, names);
        for (std::string& name : names) findings.push_back({msg::IDENTINCO, std::move(name), true});
    }
    if (root != nullptr && findings.empty()) {
        const bool string = root->kind == ExprKind::string_literal;
        const bool number =
            root->kind == ExprKind::integer_constant || root->kind == ExprKind::real_constant;
        switch (kind) {
            case CValueKind::string: {
                // A number the harness computes ("g + 65", "s[0]") would be
                // taken for the address of a text, as a constant would.
                const TextOperand operand =
                    number || string ? TextOperand::unknown : text_operand(run, root);
                // A null string (the constant 0) is an empty one for the
                // runtime; any other number or character is no string.
                if ((number && !(root->kind == ExprKind::integer_constant &&
                                 !root->written_as_character && pint_is_zero(root->value))) ||
                    operand == TextOperand::number || operand == TextOperand::mixed) {
                    findings.push_back({msg::TYPESMISM, std::string(text), true});
                } else if (string && facts.length > 0 &&
                           static_cast<long long>(root->text.size()) >= facts.length) {
                    // The copy writes the characters and a terminating zero.
                    findings.push_back({msg::CSTTOLONG,
                                        std::string(text) + " (" +
                                            std::to_string(root->text.size()) + " characters for " +
                                            std::to_string(facts.length - 1) + ")",
                                        true});
                }
                break;
            }
            case CValueKind::integer:
            case CValueKind::character:
            case CValueKind::enumeration:
            case CValueKind::boolean:
            case CValueKind::bit:
            case CValueKind::real:
                if (string || is_address(run, root)) {
                    // A string, an array or a pointer is no number: its cast
                    // to one does not compile cleanly.
                    findings.push_back({msg::TYPESMISM, std::string(text), true});
                } else if (root->kind == ExprKind::integer_constant &&
                           kind == CValueKind::integer &&
                           !integer_fits(root->value,
                                         facts.field_bits > 0 ? facts.field_bits : facts.bits,
                                         facts.is_unsigned)) {
                    findings.push_back({msg::ENTOUTRAN, std::string(text), true});
                } else if (root->kind == ExprKind::integer_constant &&
                           kind == CValueKind::enumeration &&
                           !integer_fits(
                               root->value, c_enumeration_bits(facts),
                               std::none_of(facts.enumerators.begin(), facts.enumerators.end(),
                                            [](const auto& e) { return e.second < 0; }))) {
                    // An enumeration is stored in an int (an unsigned int
                    // when no value is negative), wider only when its
                    // values need it.
                    findings.push_back({msg::ENTOUTRAN, std::string(text), true});
                } else if (root->kind == ExprKind::integer_constant &&
                           kind == CValueKind::boolean &&
                           (pint_is_negative(root->value) || !integer_fits(root->value, 1, true))) {
                    // A boolean holds 0 or 1: 2 would be taken as true, and
                    // a range [2, 3] as [1, 1].
                    findings.push_back({msg::ENTOUTRAN, std::string(text), true});
                } else if (root->kind == ExprKind::integer_constant &&
                           kind == CValueKind::character && !integer_fits(root->value, 8, true)) {
                    findings.push_back({msg::ENTOUTRAN, std::string(text), true});
                } else if (root->kind == ExprKind::real_constant && kind != CValueKind::real) {
                    // The harness converts the value to the variable's type,
                    // which drops the fraction: 2.5 is assigned, or expected,
                    // as 2. Told, not refused: C takes it.
                    const long double value = std::strtold(real_image(root->real).c_str(), nullptr);
                    if (value != std::floor(value)) {
                        findings.push_back({msg::CONVERTYP, std::string(text), false});
                    }
                }
                break;
            case CValueKind::pointer:
            case CValueKind::string_pointer:
            case CValueKind::function_pointer:
                // A real number is no address, not even through a cast.
                if (root->kind == ExprKind::real_constant) {
                    findings.push_back({msg::TYPESMISM, std::string(text), true});
                }
                break;
            default:
                break;
        }
    }
    c_free_expression(tree);
    return findings;
}

NumericValue c_numeric_value(ExpressionRun& run, std::string_view text) {
    NumericValue result;
    CollectingSink sink;
    ExpressionTree tree = c_parse_expression(run, text, "", 0, sink);
    const ExprNode* root = tree != nullptr ? unparenthesised(tree->root) : nullptr;
    if (root != nullptr && root->kind == ExprKind::integer_constant &&
        pint_fits_int64(root->value)) {
        result.integer = true;
        result.value = static_cast<long double>(pint_low64(root->value));
    } else if (root != nullptr && root->kind == ExprKind::real_constant) {
        result.real = true;
        result.value = std::strtold(real_image(root->real).c_str(), nullptr);
    }
    c_free_expression(tree);
    return result;
}

// ---- check kinds ------------------------------------------------------------------

namespace {

constexpr CheckKindRow check_kind_rows[] = {
#define VX_CHECK_KIND(id, check, trace, cast, function, check_counter, trace_counter) \
    {CheckKind::id, #id, check, trace, cast, function},
#include "canalysis/types/check_kinds.def"
#undef VX_CHECK_KIND
};

}  // namespace

const CheckKindRow& c_check_kind_row(CheckKind kind) {
    return check_kind_rows[static_cast<int>(kind)];
}

CheckKind c_check_kind(CValueKind kind, const TypeFacts& facts) {
    switch (kind) {
        case CValueKind::boolean:
            return CheckKind::boolean;
        case CValueKind::character:
            return CheckKind::character;
        case CValueKind::real:
            return facts.is_double ? CheckKind::double_floating : CheckKind::floating;
        case CValueKind::string:
        case CValueKind::string_pointer:
            return CheckKind::string;
        case CValueKind::pointer:
            return CheckKind::pointer;
        case CValueKind::function_pointer:
            return CheckKind::function_pointer;
        default:
            return facts.is_unsigned ? CheckKind::unsigned_integer : CheckKind::integer;
    }
}

}  // namespace vx
