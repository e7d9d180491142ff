// The tree of one analysed C expression.
//
// Test scripts give initial and expected values of variables as C
// expressions and aggregates. The expression analysis parses such a text
// into these nodes, folding constants on the way, so that a value written
// "-(3)" or "1 << 4" arrives as one integer constant.
//
// All nodes of a tree belong to its Expression and die with it, released
// in one sweep (never by a recursive destructor). Nodes point at their
// children with plain pointers. The depth of a tree is bounded by
// expression_max_depth, so every walk over it is a bounded recursion.
#pragma once

#include "canalysis/cpp/bignum.h"

#include <memory>
#include <string>
#include <vector>

namespace vx {

enum class ExprKind {
    integer_constant,
    real_constant,
    identifier,
    parenthesised,
    subscript,
    range_subscript,
    call,
    member,
    unary,
    binary,
    aggregate,
    omitted,
    list,
    address,
    dereference,
    string_literal,
    type_name,
    conditional,
    association,
    cast,
    range,
    error,
};

// Binary operators, in the order of their codes.
enum class BinaryOp {
    add = 0,
    sub = 1,
    mul = 2,
    div = 3,
    mod = 4,
    lt = 5,
    gt = 6,
    le = 7,
    ge = 8,
    ne = 9,
    eq = 10,
    logical_and = 11,
    logical_or = 12,
    bit_and = 13,
    bit_or = 14,
    bit_xor = 15,
    shift_left = 16,
    shift_right = 17,
};

enum class UnaryOp { logical_not, negate, bit_not, size_of, align_of };

// The deepest tree the analysis builds; deeper nesting is a syntax error.
inline constexpr int expression_max_depth = 2000;

struct ExprNode {
    ExprKind kind = ExprKind::error;
    int depth = 1;

    // Children: operands, bounds, the association's index (first, and
    // second for a range) and value (third). Unused ones are null.
    ExprNode* first = nullptr;
    ExprNode* second = nullptr;
    ExprNode* third = nullptr;
    // Arguments of a call, items of an aggregate, elements of a list.
    std::vector<ExprNode*> items;

    // integer constant
    pint value;
    int width = 0;  // bits of the constant's C type
    bool is_unsigned = false;
    int long_count = 0;  // 0, 1 for "L", 2 for "LL"
    bool written_as_character = false;
    bool wide = false;  // L'c' and L"..."

    // real constant
    Real real;
    char suffix = 0;  // 'F', 'L' or 0

    // identifier and member: the name; string literal: the characters;
    // type name: the type text.
    std::string text;

    bool arrow = false;  // member: "->" rather than "."
    BinaryOp binary_op = BinaryOp::add;
    UnaryOp unary_op = UnaryOp::negate;
};

struct Expression {
    std::vector<std::unique_ptr<ExprNode>> nodes;
    ExprNode* root = nullptr;

    ExprNode* make(ExprKind kind) {
        nodes.push_back(std::make_unique<ExprNode>());
        nodes.back()->kind = kind;
        return nodes.back().get();
    }
};

}  // namespace vx
