// The expression parser's context: the lexer state and the actions of the
// grammar (expression_grammar.y). Internal to the expression analysis; the
// rest of the compiler uses expression_analysis.h.
//
// The grammar's semantic values are plain records (the parser stack is
// copied bytewise): node pointers into the Expression being built, which
// owns every node even when the parser drops it during error recovery.
#pragma once

#include "canalysis/expr/expression_analysis.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx::expr {

struct SemanticValue {
    ExprNode* node;
    int op;  // the operator of a token or a rule
};

class ParserContext {
public:
    ParserContext(ExpressionRun& run, std::string_view text, std::string_view file, long line,
                  DiagnosticSink& sink, Expression& tree);

    // ---- lexer (expression_lexer.cpp) ----
    int lex(SemanticValue& value);
    void syntax_error(const char* message);
    bool stopped() const { return stopped_; }

    // ---- actions (expression_parser.cpp) ----
    ExprNode* error_node();
    ExprNode* omitted();
    ExprNode* unary(UnaryOp op, ExprNode* operand);
    ExprNode* unary_plus(ExprNode* operand);
    ExprNode* binary(BinaryOp op, ExprNode* left, ExprNode* right);
    ExprNode* conditional(ExprNode* condition, ExprNode* then_value, ExprNode* else_value);
    ExprNode* parenthesised(ExprNode* inner);
    ExprNode* comma(ExprNode* list, ExprNode* next);
    ExprNode* subscript(ExprNode* array, ExprNode* index);
    ExprNode* range_subscript(ExprNode* array, ExprNode* low, ExprNode* high);
    ExprNode* call(ExprNode* function, ExprNode* arguments);
    ExprNode* arguments(ExprNode* list, ExprNode* argument);
    ExprNode* member(ExprNode* operand, ExprNode* name, bool arrow);
    ExprNode* address(ExprNode* operand);
    ExprNode* dereference(ExprNode* operand);
    ExprNode* cast(ExprNode* type, ExprNode* operand);
    ExprNode* range(ExprNode* low, ExprNode* high);
    ExprNode* malformed_range();
    ExprNode* increment(ExprNode* operand, bool decrement);
    ExprNode* assignment(ExprNode* target, ExprNode* value);
    ExprNode* concatenate(ExprNode* left, ExprNode* right);
    ExprNode* items(ExprNode* list, ExprNode* item);
    ExprNode* aggregate(ExprNode* items);
    ExprNode* association(ExprNode* low, ExprNode* high, ExprNode* value);
    void set_root(ExprNode* root) { tree_.root = root; }

    void report(Severity level, MessageCode code, std::string_view argument);

private:
    ExprNode* make(ExprKind kind, ExprNode* a = nullptr, ExprNode* b = nullptr,
                   ExprNode* c = nullptr);
    void deepen(ExprNode* node, const ExprNode* child);
    ExprNode* fold_unary(UnaryOp op, ExprNode* operand);
    ExprNode* fold_binary(BinaryOp op, ExprNode* left, ExprNode* right);
    ExprNode* integer(const pint& value, int width, bool is_unsigned, int long_count);
    int constant_width(const pint& value, bool is_unsigned, int long_count, bool decimal,
                       bool& made_unsigned) const;
    std::string shown_text() const;

    // lexer pieces
    void skip_blanks();
    int number(SemanticValue& value);
    int character(SemanticValue& value, bool wide);
    int string_literal(SemanticValue& value, bool wide);
    int identifier(SemanticValue& value);
    bool is_type_word(std::string_view word) const;
    int type_name(SemanticValue& value, std::size_t start);
    // Reads one character of a literal after a backslash; pos_ is after the
    // backslash. Returns false (diagnosed) on a malformed escape.
    bool escape(unsigned long& value, bool wide, std::string_view literal);
    // Reads the literal between the quote at pos_ and the same quote
    // further on the line, its escapes decoded into `chars`; `literal` is
    // its whole text from `start`. One left open is reported with
    // `unclosed`. False when it is left open or holds a bad escape.
    bool quoted_literal(char quote, bool wide, std::size_t start, MessageCode unclosed,
                        std::vector<unsigned long>& chars, std::string_view& literal);

    ExpressionRun& run_;
    std::string_view text_;
    std::string_view file_;
    long line_;
    DiagnosticSink& sink_;
    Expression& tree_;

    std::size_t pos_ = 0;
    bool stopped_ = false;
    bool reported_syntax_ = false;
    // One entry per open "[": whether a ".." was read inside it.
    std::vector<bool> brackets_;
    // The refused forms already warned in this expression (each is warned
    // once, however often it appears).
    bool increment_reported_ = false;
    bool decrement_reported_ = false;
    bool assignment_reported_ = false;
};

}  // namespace vx::expr
