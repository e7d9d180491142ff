// The analysis of the C expressions written in test scripts.
//
// An initial or expected value ("INIT", "EV") is a C expression or an
// aggregate in the tool's notation: "{1, 2, 3}", "[0 => 1, 1..3 => 2,
// others => 0]", a range "[1..5]". The text is parsed into an expression
// tree with its constants folded exactly; the tree is then typed against
// the type table, its constant indexes checked against the declared array
// bounds, printed back as C text for the generated harness, and an array
// aggregate turned into one conditional expression of the loop counters
// "I1", "I2" ... with which the harness walks the array.
//
// Every problem is a warning through the sink (an internal inconsistency
// "ERRINTERN" at internal level), given with the
// file and line of the script statement; a part that did not parse stays
// in the tree as an error node, which has no type.
#pragma once

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/diagnostic_sink.h"
#include "canalysis/expr/expression_tree.h"
#include "canalysis/types/type_table.h"

#include <memory>
#include <functional>
#include <string>
#include <string_view>

namespace vx {

// What the expression analysis needs beyond one text, for a whole run: the
// type table and the declaration run (target model), the word of an
// "others" association in the script's language, whether multi-character
// constants are refused (as the declaration run says), and whether
// the first multi-character constant was already announced.
struct ExpressionRun {
    ExpressionRun(TypeTable& type_table, DeclarationRun& declaration_run);
    TypeTable& table;
    DeclarationRun& declarations;
    // The scope in which typedef names are looked up while lexing.
    std::string scope;
    // "others" in English scripts, "autres" in French ones.
    std::string others_word = "others";
    bool no_multibyte = false;
    bool multibyte_reported = false;
    // The type of an aggregate value: a struct of no known members.
    TypeNode aggregate_placeholder;
    // Whether a name is a macro of the analysed C. Set, it lets the checks
    // of a value find the names nothing declares; unset, they do not look.
    std::function<bool(std::string_view)> is_macro;
    // The bodies of object-like macros, for members a library names
    // through a macro (see c_member_path).
    MacroBodyQuery member_macro;
};

using ExpressionTree = std::unique_ptr<Expression>;

// The tree of a text, or null for a text of blanks only.
ExpressionTree c_parse_expression(ExpressionRun& run, std::string_view text, std::string_view file,
                                  long line, DiagnosticSink& sink);
void c_free_expression(ExpressionTree& tree);

// The C type of an expression, or null. `enclosing` is the struct or union
// whose member names a bare identifier stands for, or null.
const TypeNode* c_expression_type(ExpressionRun& run, const ExprNode* node,
                                  const TypeNode* enclosing, std::string_view file, long line,
                                  std::string_view scope, DiagnosticSink& sink);

// Appends the C text of the tree to `out`.
void c_expression_image(const ExprNode* node, std::string& out, std::string_view file, long line,
                        DiagnosticSink& sink);
std::string c_expression_image(const ExprNode* node, DiagnosticSink& sink);

// Warns "INDICEINC" for every constant index outside the declared bounds
// of the array it subscripts.
void c_check_indexes(ExpressionRun& run, const ExprNode* node, std::string_view file, long line,
                     std::string_view scope, DiagnosticSink& sink);

// Appends the conditional expression of the loop counters that gives the
// value of an array element for the aggregate; `dimension` is the number of
// the counter of the array's first dimension (1 for "I1").
void c_expand_array_aggregate(ExpressionRun& run, const ExprNode* aggregate,
                              const TypeNode* array_type, std::string& out, int dimension,
                              std::string_view file, long line, DiagnosticSink& sink);

}  // namespace vx
