// The type search of expression trees.
//
// Each node's C type is found from its children's, the way a C compiler
// would for the expressions of test scripts: names from the type table,
// member names from the struct or union they select in, subscripts and
// calls through arrays, pointers and function types, and the arithmetic
// types of operators. What cannot be typed is warned once, where it is
// found, and gives no type; its parents then give no type either, without
// a message of their own.
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/types/target_model.h"

#include <algorithm>
#include <cstdlib>

namespace vx {

namespace {

// Anonymous struct or union members nested deeper than this are not
// searched for a field name.
constexpr int anonymous_member_depth = 16;

const char* binary_spelling(BinaryOp op) {
    static const char* const spellings[] = {"+",  "-",  "*",  "/",  "%", "<", ">", "<=", ">=",
                                            "!=", "==", "&&", "||", "&", "|", "^", "<<", ">>"};
    return spellings[static_cast<int>(op)];
}

bool is_integral(const TypeNode* t) {
    return t && (t->kind == TypeKind::integer || t->kind == TypeKind::enum_type);
}
bool is_arithmetic(const TypeNode* t) {
    return is_integral(t) || (t && t->kind == TypeKind::floating);
}
bool is_struct_or_union(const TypeNode* t) {
    return t && (t->kind == TypeKind::struct_type || t->kind == TypeKind::union_type);
}

class TypeSearch {
public:
    TypeSearch(ExpressionRun& run, std::string_view file, long line, std::string_view scope,
               DiagnosticSink& sink)
        : run_(run), file_(file), line_(line), scope_(scope), sink_(sink) {}

    const TypeNode* type(const ExprNode* node, const TypeNode* enclosing);

private:
    void warn(MessageCode code, std::string_view argument) {
        sink_.report(Severity::warning, code, argument, file_, line_);
    }
    std::string image(const ExprNode* node) {
        CountingSink quiet;
        return c_expression_image(node, quiet);
    }
    int width_of(BaseInteger kind) const { return run_.declarations.target.base_width(kind); }
    const TypeNode* integer_of_width(int width, bool is_unsigned, int long_count, bool is_char);
    const TypeNode* resolved(const TypeNode* t) {
        const TypeNode* r = c_resolve_type(t);
        if (is_struct_or_union(r) && !r->complete) {
            if (const TypeNode* full = c_complete_type(r, run_.table)) r = c_resolve_type(full);
        }
        return r;
    }
    const Field* find_field(const TypeNode* aggregate, std::string_view name, int depth);
    const TypeNode* field_type(const TypeNode* aggregate, std::string_view name);
    const TypeNode* identifier(const ExprNode* node, const TypeNode* enclosing);
    const TypeNode* member(const ExprNode* node, const TypeNode* enclosing);
    const TypeNode* unary(const ExprNode* node, const TypeNode* enclosing);
    const TypeNode* binary(const ExprNode* node, const TypeNode* enclosing);

    ExpressionRun& run_;
    std::string_view file_;
    long line_;
    std::string_view scope_;
    DiagnosticSink& sink_;
};

// The integer type of a width: the base type of that width (the one the
// long count names when it has that width), "unsigned" when asked.
const TypeNode* TypeSearch::integer_of_width(int width, bool is_unsigned, int long_count,
                                             bool is_char) {
    struct Base {
        BaseInteger kind;
        const char* name;
    };
    static const Base bases[] = {{BaseInteger::char_type, "char"},
                                 {BaseInteger::short_type, "short"},
                                 {BaseInteger::int_type, "int"},
                                 {BaseInteger::long_type, "long"},
                                 {BaseInteger::long_long_type, "long long"}};
    std::string name;
    int wanted = std::min(2 + long_count, 4);
    if (!is_char && width_of(bases[wanted].kind) == width) name = bases[wanted].name;
    for (int k = is_char ? 0 : 1; name.empty() && k < 5; ++k) {
        if (width_of(bases[k].kind) == width) name = bases[k].name;
    }
    if (name.empty()) name = "int";
    if (is_unsigned) name = "unsigned " + name;
    return run_.table.integer_type(name, is_unsigned ? width : -width, is_char);
}

const Field* TypeSearch::find_field(const TypeNode* aggregate, std::string_view name, int depth) {
    for (const Field& f : aggregate->fields) {
        if (!f.symbol) continue;
        if (f.symbol->name == name) return &f;
        if (f.symbol->name.empty() && depth < anonymous_member_depth) {
            const TypeNode* inner = resolved(f.symbol->type);
            if (is_struct_or_union(inner)) {
                if (const Field* found = find_field(inner, name, depth + 1)) return found;
            }
        }
    }
    return nullptr;
}

const TypeNode* TypeSearch::field_type(const TypeNode* aggregate, std::string_view name) {
    const Field* f = find_field(aggregate, name, 0);
    if (!f) {
        warn(msg::CHAMPINCO, name);
        return nullptr;
    }
    return f->symbol->type;
}

const TypeNode* TypeSearch::identifier(const ExprNode* node, const TypeNode* enclosing) {
    if (enclosing) {
        const TypeNode* r = resolved(enclosing);
        if (is_struct_or_union(r)) return field_type(r, node->text);
    }
    if (const Symbol* s = c_find_symbol(node->text, run_.table, scope_)) return s->type;
    if (const EnumerationConstant* e = c_lookup_enumerator(node->text, run_.table))
        return e->enum_type;
    warn(msg::IDENTIINC, node->text);
    return nullptr;
}

const TypeNode* TypeSearch::member(const ExprNode* node, const TypeNode* enclosing) {
    const TypeNode* operand = type(node->first, enclosing);
    if (!operand) return nullptr;
    const TypeNode* r = resolved(operand);
    if (!node->arrow) {
        if (is_struct_or_union(r)) return field_type(r, node->text);
        warn(msg::INVCHASTR, image(node));
        return nullptr;
    }
    if (is_struct_or_union(r)) {
        warn(msg::NOPOSTRUC, image(node));
        return nullptr;
    }
    if (r && (r->kind == TypeKind::pointer || r->kind == TypeKind::array)) {
        const TypeNode* pointed = resolved(r->target);
        if (is_struct_or_union(pointed)) return field_type(pointed, node->text);
        warn(msg::POINSTRUC, image(node));
        return nullptr;
    }
    warn(msg::INVCHASTR, image(node));
    return nullptr;
}

const TypeNode* TypeSearch::unary(const ExprNode* node, const TypeNode* enclosing) {
    const TypeNode* operand = type(node->first, enclosing);
    if (node->unary_op == UnaryOp::size_of || node->unary_op == UnaryOp::align_of)
        return integer_of_width(width_of(BaseInteger::long_type), true, 1, false);
    if (!operand) return nullptr;
    const TypeNode* r = resolved(operand);
    switch (node->unary_op) {
        case UnaryOp::logical_not:
            if (is_arithmetic(r) ||
                (r && (r->kind == TypeKind::pointer || r->kind == TypeKind::array)))
                return integer_of_width(width_of(BaseInteger::int_type), false, 0, false);
            warn(msg::OPERSCALA, "\"!\"");
            return nullptr;
        case UnaryOp::bit_not:
            if (is_integral(r)) return operand;
            warn(msg::OPERENTIE, "\"~\"");
            return nullptr;
        default:
            if (is_arithmetic(r)) return operand;
            warn(msg::OPERARITH, " \"-\" ");
            return nullptr;
    }
}

const TypeNode* TypeSearch::binary(const ExprNode* node, const TypeNode* enclosing) {
    const TypeNode* left = type(node->first, enclosing);
    const TypeNode* right = type(node->second, enclosing);
    if (!left || !right) return nullptr;
    BinaryOp op = node->binary_op;
    if ((op >= BinaryOp::lt && op <= BinaryOp::logical_or))
        return integer_of_width(width_of(BaseInteger::int_type), false, 0, false);
    const TypeNode* l = resolved(left);
    const TypeNode* r = resolved(right);
    if (is_integral(l) && is_integral(r)) {
        int int_bits = width_of(BaseInteger::int_type);
        int lw = l->kind == TypeKind::enum_type ? -int_bits : l->width;
        int rw = r->kind == TypeKind::enum_type ? -int_bits : r->width;
        int width = std::max(std::abs(lw), std::abs(rw));
        return integer_of_width(width, lw > 0 && rw > 0, 0, false);
    }
    bool arithmetic_op =
        op == BinaryOp::add || op == BinaryOp::sub || op == BinaryOp::mul || op == BinaryOp::div;
    if (arithmetic_op && is_arithmetic(l) && is_arithmetic(r)) {
        bool any_long = (l->kind == TypeKind::floating && l->name == "long double") ||
                        (r->kind == TypeKind::floating && r->name == "long double");
        bool all_float = (l->kind != TypeKind::floating || l->name == "float") &&
                         (r->kind != TypeKind::floating || r->name == "float");
        return run_.table.floating_type(any_long ? "long double" : all_float ? "float" : "double");
    }
    auto pointer_like = [](const TypeNode* t) {
        return t && (t->kind == TypeKind::pointer || t->kind == TypeKind::array);
    };
    if ((op == BinaryOp::add || op == BinaryOp::sub) && pointer_like(l) && is_integral(r))
        return l->kind == TypeKind::pointer ? left : run_.table.pointer_to(l->target);
    if (op == BinaryOp::add && is_integral(l) && pointer_like(r))
        return r->kind == TypeKind::pointer ? right : run_.table.pointer_to(r->target);
    if (op == BinaryOp::sub && pointer_like(l) && pointer_like(r))
        return integer_of_width(width_of(BaseInteger::long_type), false, 1, false);
    std::string spelling = " \"";
    spelling += binary_spelling(op);
    spelling += "\" ";
    warn(msg::OPERARITH, spelling);
    return nullptr;
}

const TypeNode* TypeSearch::type(const ExprNode* node, const TypeNode* enclosing) {
    if (!node) return nullptr;
    switch (node->kind) {
        case ExprKind::integer_constant: {
            int char_bits = width_of(BaseInteger::char_type);
            bool is_char = node->written_as_character && node->width == char_bits;
            return integer_of_width(node->width, node->is_unsigned, node->long_count, is_char);
        }
        case ExprKind::real_constant:
            return run_.table.floating_type(node->suffix == 'F'   ? "float"
                                            : node->suffix == 'L' ? "long double"
                                                                  : "double");
        case ExprKind::string_literal:
            if (node->wide)
                return integer_of_width(width_of(BaseInteger::int_type), false, 0, false);
            return integer_of_width(width_of(BaseInteger::char_type), false, 0, true);
        case ExprKind::identifier:
            return identifier(node, enclosing);
        case ExprKind::parenthesised:
            return type(node->first, enclosing);
        case ExprKind::subscript:
        case ExprKind::range_subscript: {
            const TypeNode* operand = type(node->first, enclosing);
            type(node->second, nullptr);
            type(node->third, nullptr);
            if (!operand) return nullptr;
            const TypeNode* r = resolved(operand);
            if (r && (r->kind == TypeKind::array || r->kind == TypeKind::pointer)) return r->target;
            warn(msg::NONTABLEA, image(node->first));
            return nullptr;
        }
        case ExprKind::call: {
            const TypeNode* operand = type(node->first, enclosing);
            for (const ExprNode* a : node->items) type(a, nullptr);
            if (!operand) return nullptr;
            const TypeNode* r = resolved(operand);
            if (r && r->kind == TypeKind::pointer) r = resolved(r->target);
            if (r && r->kind == TypeKind::function) return r->target;
            warn(msg::NONFONCTI, image(node->first));
            return nullptr;
        }
        case ExprKind::member:
            return member(node, enclosing);
        case ExprKind::unary:
            return unary(node, enclosing);
        case ExprKind::binary:
            return binary(node, enclosing);
        case ExprKind::conditional: {
            type(node->first, enclosing);
            const TypeNode* then_type = type(node->second, enclosing);
            type(node->third, enclosing);
            return then_type;
        }
        case ExprKind::address: {
            const TypeNode* operand = type(node->first, enclosing);
            return operand ? run_.table.pointer_to(const_cast<TypeNode*>(operand)) : nullptr;
        }
        case ExprKind::dereference: {
            const TypeNode* operand = type(node->first, enclosing);
            if (!operand) return nullptr;
            const TypeNode* r = resolved(operand);
            if (r && (r->kind == TypeKind::pointer || r->kind == TypeKind::array)) return r->target;
            warn(msg::NONPOINTE, image(node->first));
            return nullptr;
        }
        case ExprKind::list: {
            const TypeNode* first = nullptr;
            bool reported = false;
            for (std::size_t i = 0; i < node->items.size(); ++i) {
                const TypeNode* t = type(node->items[i], enclosing);
                if (i == 0) {
                    first = t;
                    continue;
                }
                const TypeNode* a = resolved(first);
                const TypeNode* b = resolved(t);
                if (!reported && a && b && a->kind != b->kind) {
                    warn(msg::TYPESDIFF, image(node));
                    reported = true;
                }
            }
            return first;
        }
        case ExprKind::type_name:
            return c_type_from_text(node->text, run_.table, scope_, run_.declarations);
        case ExprKind::cast: {
            type(node->second, enclosing);
            return type(node->first, enclosing);
        }
        case ExprKind::range: {
            const TypeNode* low = type(node->first, enclosing);
            const TypeNode* high = type(node->second, enclosing);
            return low ? low : high;
        }
        case ExprKind::association:
            return type(node->third, enclosing);
        case ExprKind::aggregate:
            return &run_.aggregate_placeholder;
        case ExprKind::omitted:
        case ExprKind::error:
            return nullptr;
    }
    sink_.report(Severity::internal, msg::ERRINTERN, "expression type search", file_, line_);
    return nullptr;
}

}  // namespace

const TypeNode* c_expression_type(ExpressionRun& run, const ExprNode* node,
                                  const TypeNode* enclosing, std::string_view file, long line,
                                  std::string_view scope, DiagnosticSink& sink) {
    TypeSearch search(run, file, line, scope, sink);
    return search.type(node, enclosing);
}

}  // namespace vx
