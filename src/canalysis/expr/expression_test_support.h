// Test helpers of the expression analysis: a run over a type table filled
// from C text, a sink that records every message, and structural equality
// of trees.
#pragma once

#include "canalysis/expr/declared_table.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/types/target_model.h"

#include <string>
#include <vector>

namespace vx::expression_test {

class RecordingSink : public DiagnosticSink {
public:
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view,
                long) override {
        const char* letter = level == Severity::error     ? "E:"
                             : level == Severity::info    ? "I:"
                             : level == Severity::warning ? "W:"
                                                          : "S:";
        messages.push_back(std::string(letter) + std::string(vx::message_code_name(code)) + ":" +
                           std::string(argument));
    }
    std::vector<std::string> messages;
};

struct Analysis : DeclaredTable {
    Analysis() { run.no_multibyte = false; }
    void declare(std::string_view c_text) {
        RecordingSink quiet;
        DeclaredTable::declare(c_text, "unit.h", quiet);
    }
    ExpressionRun run{table, declarations};
    RecordingSink sink;
};

// True when the two trees have the same nodes with the same data.
inline bool same_tree(const ExprNode* a, const ExprNode* b) {
    if (!a || !b) return a == b;
    if (a->kind != b->kind || a->text != b->text || a->arrow != b->arrow ||
        a->items.size() != b->items.size())
        return false;
    switch (a->kind) {
        case ExprKind::integer_constant:
            if (!(a->value == b->value) || a->width != b->width ||
                a->is_unsigned != b->is_unsigned || a->long_count != b->long_count ||
                a->written_as_character != b->written_as_character || a->wide != b->wide)
                return false;
            break;
        case ExprKind::real_constant:
            // The same to the 19 digits an image holds.
            if (real_image(a->real) != real_image(b->real) || a->suffix != b->suffix) return false;
            break;
        case ExprKind::string_literal:
            if (a->wide != b->wide) return false;
            break;
        case ExprKind::unary:
            if (a->unary_op != b->unary_op) return false;
            break;
        case ExprKind::binary:
            if (a->binary_op != b->binary_op) return false;
            break;
        default:
            break;
    }
    for (std::size_t i = 0; i < a->items.size(); ++i) {
        if (!same_tree(a->items[i], b->items[i])) return false;
    }
    return same_tree(a->first, b->first) && same_tree(a->second, b->second) &&
           same_tree(a->third, b->third);
}

}  // namespace vx::expression_test
