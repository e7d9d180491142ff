// The declaration analysis: preprocessed C text into the type table.
//
// The text is the preprocessor's output, with its "#line" markers (which
// give the file and line of every diagnostic) and the "#pragma vexor
// sizeof" and "signof" lines (which change the run's target model). The
// parser is a Bison LALR grammar of C declarations; function bodies are
// skipped whole, or kept as text on request. Every problem is a warning
// (UNEXP_EOF an error) through the sink, and the parse recovers at the next
// ";" or "}".
#pragma once

#include "canalysis/types/c_types.h"
#include "canalysis/diagnostic_sink.h"
#include "canalysis/types/type_table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class TargetModel;

// What lives for the whole run, beyond any one table: the target model,
// the enumeration constants of every analysed text, the words the
// preprocessor declared as type modifiers, and whether "VX_EXT" was seen.
struct DeclarationRun {
    explicit DeclarationRun(TargetModel& target_model) : target(target_model) {}
    TargetModel& target;
    std::vector<EnumerationConstant> enumeration_constants;
    // True for a word declared by "#pragma vexor type_modifier".
    std::function<bool(std::string_view)> is_type_modifier;
    // True for a system header (preprocessor's is_system_file): the
    // redefinitions met in one are not reported.
    std::function<bool(std::string_view)> is_system_file;
    // "@" and what follows it up to ";" belong to the target's compiler.
    bool vx_ext_seen = false;
    // Character constants of several characters are refused.
    bool no_multibyte = false;
    // The expression parser traces its work.
    bool parser_trace = false;
};

struct DeclarationOptions {
    std::string_view scope;  // empty: global
    std::string_view file;   // the file name until a "#line" marker says otherwise
    long first_line = 1;
    bool keep_bodies = false;
};

// A text this long (or longer) between "[" and "]" is replaced by its value
// computed as a preprocessor condition, when that value is positive.
inline constexpr std::size_t long_bound_text = 59990;
// The parser's stack depth; deeper nesting is a syntax error.
inline constexpr int declaration_parser_depth = 10000;
// Characters of the current statement shown in SYNTAXERR.
inline constexpr std::size_t syntax_error_shown = 59;

void c_parse_declarations(std::string_view text, TypeTable& table,
                          const DeclarationOptions& options, DiagnosticSink& sink,
                          DeclarationRun& run);

// The type named by a type-name text ("unsigned long *", "struct s"), or
// null when the text does not parse as one.
TypeNode* c_type_from_text(std::string_view text, TypeTable& table, std::string_view scope,
                           DeclarationRun& run);

// The C text of a type with a declarator name around it: the type image of
// a cast is c_type_image(type, ""), of a declaration c_type_image(type, "x").
std::string c_type_image(const TypeNode* type, std::string_view name);

}  // namespace vx
