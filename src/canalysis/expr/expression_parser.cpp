// The actions of the expression grammar: node construction with constant
// folding, the parse-time refusals, and the parse itself.
//
// Folding happens as each node is built, so a constant sub-expression is
// one constant by the time its parent sees it. Integers fold exactly in
// 168 bits with the C types of their operands: the usual conversions pick
// the width and signedness, an unsigned result wraps at its width, "/"
// and "%" truncate toward zero as in C. Reals fold in decimal. Whatever C
// leaves undefined or the target decides (division by zero, shifts out of
// range, "sizeof") is left for the C compiler.
#include "canalysis/expression_grammar.hpp"
#include "canalysis/expr/expression_parser_context.h"
#include "canalysis/types/target_model.h"

#include <algorithm>
#include <cstdlib>

int vxexpr_parse(vx::expr::ParserContext& ctx);

namespace vx::expr {

namespace {

// Operands folded only below these sizes, so that no exact operation can
// leave the 168 bits.
constexpr int fold_add_bits = 160;
constexpr int fold_mul_bits = 83;
constexpr int fold_shift_limit = 128;

bool is_int(const ExprNode* n) { return n && n->kind == ExprKind::integer_constant; }
bool is_real(const ExprNode* n) { return n && n->kind == ExprKind::real_constant; }

// The C type of an integer operand after promotion: a narrower type than
// int becomes int.
struct IntType {
    int width;
    bool is_unsigned;
};

}  // namespace

ParserContext::ParserContext(ExpressionRun& run, std::string_view text, std::string_view file,
                             long line, DiagnosticSink& sink, Expression& tree)
    : run_(run), text_(text), file_(file), line_(line), sink_(sink), tree_(tree) {}

void ParserContext::report(Severity level, MessageCode code, std::string_view argument) {
    sink_.report(level, code, argument, file_, line_);
}

std::string ParserContext::shown_text() const {
    std::string shown;
    for (char c : text_) shown += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    std::size_t first = shown.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    std::size_t last = shown.find_last_not_of(' ');
    return shown.substr(first, last + 1 - first);
}

void ParserContext::syntax_error(const char* message) {
    if (stopped_ || reported_syntax_) return;
    reported_syntax_ = true;
    if (std::string_view(message).find("exhausted") != std::string_view::npos) {
        stopped_ = true;
        report(Severity::warning, msg::SYNTAXERR, shown_text());
        return;
    }
    if (!brackets_.empty() && brackets_.back()) {
        report(Severity::warning, msg::SYNTAXERR, "[min..max]");
        return;
    }
    report(Severity::warning, msg::SYNTAXERR, shown_text());
}

void ParserContext::deepen(ExprNode* node, const ExprNode* child) {
    if (!child) return;
    node->depth = std::max(node->depth, child->depth + 1);
    if (node->depth > expression_max_depth && !stopped_) {
        // Too deep to walk: the parse ends here.
        stopped_ = true;
        report(Severity::warning, msg::SYNTAXERR, shown_text());
    }
}

ExprNode* ParserContext::make(ExprKind kind, ExprNode* a, ExprNode* b, ExprNode* c) {
    ExprNode* node = tree_.make(kind);
    node->first = a;
    node->second = b;
    node->third = c;
    deepen(node, a);
    deepen(node, b);
    deepen(node, c);
    return node;
}

ExprNode* ParserContext::error_node() { return make(ExprKind::error); }
ExprNode* ParserContext::omitted() { return make(ExprKind::omitted); }

// An integer constant of a type at least `width` wide: a signed value that
// does not fit moves to the first wider type that holds it, an unsigned
// one wraps.
ExprNode* ParserContext::integer(const pint& value, int width, bool is_unsigned, int long_count) {
    ExprNode* node = make(ExprKind::integer_constant);
    node->value = value;
    node->is_unsigned = is_unsigned;
    node->long_count = long_count;
    if (is_unsigned) {
        pint_truncate(node->value, width);
    } else if (!pint_fits(value, width)) {
        const TargetModel& target = run_.declarations.target;
        int candidates[] = {target.base_width(BaseInteger::long_type),
                            target.base_width(BaseInteger::long_long_type)};
        int grown = 0;
        for (int w : candidates) {
            if (w > width && w <= pint_bits && pint_fits(value, w)) {
                grown = w;
                break;
            }
        }
        if (grown == 0) {
            grown = width;
            while (grown < pint_bits && !pint_fits(value, grown)) ++grown;
        }
        width = grown;
    }
    node->width = width;
    return node;
}

namespace {

IntType promoted(const ExprNode* n, int int_bits) {
    if (n->width < int_bits) return {int_bits, false};
    return {n->width, n->is_unsigned};
}

IntType usual_conversion(const ExprNode* a, const ExprNode* b, int int_bits) {
    IntType x = promoted(a, int_bits);
    IntType y = promoted(b, int_bits);
    if (x.width != y.width) return x.width > y.width ? x : y;
    return {x.width, x.is_unsigned || y.is_unsigned};
}

Real real_of(const ExprNode* n) {
    if (n->kind == ExprKind::real_constant) return n->real;
    Real r;
    real_from_pint(n->value, r);
    return r;
}

bool is_comparison(BinaryOp op) {
    return op == BinaryOp::lt || op == BinaryOp::gt || op == BinaryOp::le || op == BinaryOp::ge ||
           op == BinaryOp::ne || op == BinaryOp::eq;
}

bool compare_holds(BinaryOp op, int order) {
    switch (op) {
        case BinaryOp::lt:
            return order < 0;
        case BinaryOp::gt:
            return order > 0;
        case BinaryOp::le:
            return order <= 0;
        case BinaryOp::ge:
            return order >= 0;
        case BinaryOp::ne:
            return order != 0;
        default:
            return order == 0;
    }
}

// C division: the quotient truncated toward zero, the remainder with the
// sign of the dividend.
void truncating_divmod(const pint& a, const pint& b, pint& quotient, pint& remainder) {
    pint ma = a;
    pint mb = b;
    bool na = pint_is_negative(a);
    bool nb = pint_is_negative(b);
    if (na) pint_negate(a, ma);
    if (nb) pint_negate(b, mb);
    pint_divmod(ma, mb, quotient, remainder);
    if (na != nb) pint_negate(quotient, quotient);
    if (na) pint_negate(remainder, remainder);
}

}  // namespace

ExprNode* ParserContext::fold_unary(UnaryOp op, ExprNode* operand) {
    int int_bits = run_.declarations.target.base_width(BaseInteger::int_type);
    if (is_int(operand) && pint_fits(operand->value, fold_add_bits)) {
        IntType type = promoted(operand, int_bits);
        pint result;
        switch (op) {
            case UnaryOp::negate:
                pint_negate(operand->value, result);
                return integer(result, type.width, type.is_unsigned, operand->long_count);
            case UnaryOp::bit_not:
                pint_not(operand->value, result);
                return integer(result, type.width, type.is_unsigned, operand->long_count);
            case UnaryOp::logical_not:
                pint_logical_not(operand->value, result);
                return integer(result, int_bits, false, 0);
            default:
                return nullptr;
        }
    }
    if (is_real(operand)) {
        if (op == UnaryOp::negate) {
            ExprNode* node = make(ExprKind::real_constant);
            real_negate(operand->real, node->real);
            node->suffix = operand->suffix;
            return node;
        }
        if (op == UnaryOp::logical_not)
            return integer(real_is_zero(operand->real) ? pint_one : pint_zero, int_bits, false, 0);
    }
    return nullptr;
}

ExprNode* ParserContext::fold_binary(BinaryOp op, ExprNode* left, ExprNode* right) {
    int int_bits = run_.declarations.target.base_width(BaseInteger::int_type);
    if (is_int(left) && is_int(right)) {
        if (!pint_fits(left->value, fold_add_bits) || !pint_fits(right->value, fold_add_bits))
            return nullptr;
        IntType type = usual_conversion(left, right, int_bits);
        int long_count = std::max(left->long_count, right->long_count);
        pint a = left->value;
        pint b = right->value;
        if (op == BinaryOp::shift_left || op == BinaryOp::shift_right) {
            // The result has the promoted type of the left operand.
            type = promoted(left, int_bits);
            long_count = left->long_count;
            if (pint_is_negative(b) || !pint_fits(b, 9) || pint_low64(b) >= fold_shift_limit)
                return nullptr;
            if (type.is_unsigned) pint_truncate(a, type.width);
            pint result;
            if (op == BinaryOp::shift_left) {
                if (!pint_fits(a, fold_add_bits - static_cast<int>(pint_low64(b)))) return nullptr;
                pint_shift_left(a, b, result);
            } else {
                pint_shift_right(a, b, result);
            }
            return integer(result, type.width, type.is_unsigned, long_count);
        }
        if (op == BinaryOp::logical_and || op == BinaryOp::logical_or) {
            bool x = !pint_is_zero(a);
            bool y = !pint_is_zero(b);
            bool r = op == BinaryOp::logical_and ? (x && y) : (x || y);
            return integer(r ? pint_one : pint_zero, int_bits, false, 0);
        }
        if (type.is_unsigned) {
            pint_truncate(a, type.width);
            pint_truncate(b, type.width);
        }
        if (is_comparison(op)) {
            bool r = compare_holds(op, pint_compare(a, b));
            return integer(r ? pint_one : pint_zero, int_bits, false, 0);
        }
        pint result;
        pint remainder;
        switch (op) {
            case BinaryOp::add:
                pint_add(a, b, result);
                break;
            case BinaryOp::sub:
                pint_sub(a, b, result);
                break;
            case BinaryOp::mul:
                if (!pint_fits(a, fold_mul_bits) || !pint_fits(b, fold_mul_bits)) return nullptr;
                pint_mul(a, b, result);
                break;
            case BinaryOp::div:
            case BinaryOp::mod:
                if (pint_is_zero(b)) {
                    report(Severity::warning, msg::DIVISZERO, shown_text());
                    return nullptr;
                }
                truncating_divmod(a, b, result, remainder);
                if (op == BinaryOp::mod) result = remainder;
                break;
            case BinaryOp::bit_and:
                pint_and(a, b, result);
                break;
            case BinaryOp::bit_or:
                pint_or(a, b, result);
                break;
            case BinaryOp::bit_xor:
                pint_xor(a, b, result);
                break;
            default:
                return nullptr;
        }
        return integer(result, type.width, type.is_unsigned, long_count);
    }
    if ((is_real(left) && (is_real(right) || is_int(right))) || (is_int(left) && is_real(right))) {
        Real a = real_of(left);
        Real b = real_of(right);
        if (is_comparison(op)) {
            bool r = compare_holds(op, real_compare(a, b));
            return integer(r ? pint_one : pint_zero, int_bits, false, 0);
        }
        if (op == BinaryOp::logical_and || op == BinaryOp::logical_or) {
            bool x = !real_is_zero(a);
            bool y = !real_is_zero(b);
            bool r = op == BinaryOp::logical_and ? (x && y) : (x || y);
            return integer(r ? pint_one : pint_zero, int_bits, false, 0);
        }
        Real result;
        switch (op) {
            case BinaryOp::add:
                real_add(a, b, result);
                break;
            case BinaryOp::sub:
                real_sub(a, b, result);
                break;
            case BinaryOp::mul:
                real_mul(a, b, result);
                break;
            case BinaryOp::div:
                if (real_is_zero(b)) {
                    report(Severity::warning, msg::DIVISZERO, shown_text());
                    return nullptr;
                }
                real_div(a, b, result);
                break;
            default:
                return nullptr;
        }
        ExprNode* node = make(ExprKind::real_constant);
        node->real = result;
        // float op float stays float; a long double operand makes the
        // result long double; anything else is double.
        char ls = is_real(left) ? left->suffix : 'F';
        char rs = is_real(right) ? right->suffix : 'F';
        node->suffix = (ls == 'L' || rs == 'L') ? 'L' : (ls == 'F' && rs == 'F') ? 'F' : 0;
        return node;
    }
    return nullptr;
}

ExprNode* ParserContext::unary(UnaryOp op, ExprNode* operand) {
    if (ExprNode* folded = fold_unary(op, operand)) return folded;
    ExprNode* node = make(ExprKind::unary, operand);
    node->unary_op = op;
    return node;
}

ExprNode* ParserContext::unary_plus(ExprNode* operand) { return operand; }

ExprNode* ParserContext::binary(BinaryOp op, ExprNode* left, ExprNode* right) {
    if (ExprNode* folded = fold_binary(op, left, right)) return folded;
    ExprNode* node = make(ExprKind::binary, left, right);
    node->binary_op = op;
    return node;
}

ExprNode* ParserContext::conditional(ExprNode* condition, ExprNode* then_value,
                                     ExprNode* else_value) {
    if (is_int(condition) && is_int(then_value) && is_int(else_value)) {
        int int_bits = run_.declarations.target.base_width(BaseInteger::int_type);
        IntType type = usual_conversion(then_value, else_value, int_bits);
        const ExprNode* chosen = pint_is_zero(condition->value) ? else_value : then_value;
        return integer(chosen->value, type.width, type.is_unsigned,
                       std::max(then_value->long_count, else_value->long_count));
    }
    return make(ExprKind::conditional, condition, then_value, else_value);
}

ExprNode* ParserContext::parenthesised(ExprNode* inner) {
    switch (inner->kind) {
        case ExprKind::integer_constant:
        case ExprKind::real_constant:
        case ExprKind::string_literal:
        case ExprKind::identifier:
        case ExprKind::subscript:
        case ExprKind::range_subscript:
        case ExprKind::call:
        case ExprKind::parenthesised:
        case ExprKind::conditional:  // its image brings its own parentheses
        case ExprKind::error:
            return inner;
        default:
            return make(ExprKind::parenthesised, inner);
    }
}

ExprNode* ParserContext::comma(ExprNode* list, ExprNode* next) {
    if (list->kind != ExprKind::list) {
        report(Severity::warning, msg::SOUSEXPRE, shown_text());
        ExprNode* first = list;
        list = make(ExprKind::list);
        list->items.push_back(first);
        deepen(list, first);
    }
    list->items.push_back(next);
    deepen(list, next);
    return list;
}

ExprNode* ParserContext::subscript(ExprNode* array, ExprNode* index) {
    return make(ExprKind::subscript, array, index);
}

ExprNode* ParserContext::range_subscript(ExprNode* array, ExprNode* low, ExprNode* high) {
    return make(ExprKind::range_subscript, array, low, high);
}

ExprNode* ParserContext::arguments(ExprNode* list, ExprNode* argument) {
    if (!list) list = make(ExprKind::list);
    list->items.push_back(argument);
    deepen(list, argument);
    return list;
}

ExprNode* ParserContext::call(ExprNode* function, ExprNode* arguments) {
    ExprNode* node = make(ExprKind::call, function);
    if (arguments) {
        node->items = std::move(arguments->items);
        for (const ExprNode* a : node->items) deepen(node, a);
    }
    return node;
}

ExprNode* ParserContext::member(ExprNode* operand, ExprNode* name, bool arrow) {
    ExprNode* node = make(ExprKind::member, operand);
    node->text = name->text;
    node->arrow = arrow;
    return node;
}

ExprNode* ParserContext::address(ExprNode* operand) { return make(ExprKind::address, operand); }
ExprNode* ParserContext::dereference(ExprNode* operand) {
    return make(ExprKind::dereference, operand);
}
ExprNode* ParserContext::cast(ExprNode* type, ExprNode* operand) {
    return make(ExprKind::cast, type, operand);
}

ExprNode* ParserContext::range(ExprNode* low, ExprNode* high) {
    if (!low && !high) return malformed_range();
    return make(ExprKind::range, low, high);
}

ExprNode* ParserContext::malformed_range() {
    report(Severity::warning, msg::SYNTAXERR, "[min..max]");
    return make(ExprKind::error);
}

ExprNode* ParserContext::increment(ExprNode*, bool decrement) {
    bool& reported = decrement ? decrement_reported_ : increment_reported_;
    if (!reported)
        report(Severity::warning, decrement ? msg::POSTDECRE : msg::POSTINCRE, shown_text());
    reported = true;
    return make(ExprKind::error);
}

ExprNode* ParserContext::assignment(ExprNode*, ExprNode*) {
    if (!assignment_reported_) report(Severity::warning, msg::AFFECTATI, shown_text());
    assignment_reported_ = true;
    return make(ExprKind::error);
}

ExprNode* ParserContext::concatenate(ExprNode* left, ExprNode* right) {
    if (left->kind != ExprKind::string_literal) return left;
    if (right->kind != ExprKind::string_literal) return right;
    left->text += right->text;
    left->wide = left->wide || right->wide;
    return left;
}

ExprNode* ParserContext::items(ExprNode* list, ExprNode* item) {
    if (!list) list = make(ExprKind::aggregate);
    list->items.push_back(item);
    deepen(list, item);
    return list;
}

ExprNode* ParserContext::aggregate(ExprNode* items) {
    // "{}" is an aggregate of no item, not of one omitted item.
    if (items->items.size() == 1 && items->items.front()->kind == ExprKind::omitted)
        items->items.clear();
    return items;
}

ExprNode* ParserContext::association(ExprNode* low, ExprNode* high, ExprNode* value) {
    return make(ExprKind::association, low, high, value);
}

}  // namespace vx::expr

namespace vx {

ExpressionRun::ExpressionRun(TypeTable& type_table, DeclarationRun& declaration_run)
    : table(type_table), declarations(declaration_run), no_multibyte(declaration_run.no_multibyte) {
    aggregate_placeholder.kind = TypeKind::struct_type;
}

ExpressionTree c_parse_expression(ExpressionRun& run, std::string_view text, std::string_view file,
                                  long line, DiagnosticSink& sink) {
    if (text.find_first_not_of(" \t\n\r\f\v") == std::string_view::npos) return nullptr;
    auto tree = std::make_unique<Expression>();
    expr::ParserContext ctx(run, text, file, line, sink, *tree);
    vxexpr_debug = run.declarations.parser_trace ? 1 : 0;
    int status = vxexpr_parse(ctx);
    vxexpr_debug = 0;
    if (status != 0 || ctx.stopped() || !tree->root) tree->root = tree->make(ExprKind::error);
    return tree;
}

void c_free_expression(ExpressionTree& tree) { tree.reset(); }

}  // namespace vx
