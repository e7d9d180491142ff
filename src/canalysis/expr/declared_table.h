// A type table filled from C text, with the target and the declaration run
// it was parsed with: what the tests and the fuzz targets of the
// expressions and of the values analyse against.
#pragma once

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/diagnostic_sink.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/types/target_model.h"
#include "canalysis/types/type_table.h"

#include <string_view>

namespace vx {

struct DeclaredTable {
    // Parses `c_text` as the file `file` into the table; its messages go to
    // `sink`.
    void declare(std::string_view c_text, std::string_view file, DiagnosticSink& sink) {
        DeclarationOptions options;
        options.file = file;
        c_parse_declarations(c_text, table, options, sink, declarations);
    }

    TargetModel target;
    DeclarationRun declarations{target};
    TypeTable table;
};

// The table of a fuzz target: a small fixed header, parsed once for a whole
// fuzzing run with its messages only counted.
struct FuzzTypeTable : DeclaredTable {
    explicit FuzzTypeTable(const char* header) {
        CountingSink quiet;
        declare(header, "fuzz.h", quiet);
    }
    // A run of the expression analysis on the table, "others" written in
    // French or in English.
    ExpressionRun expression_run(bool french_others) {
        ExpressionRun run(table, declarations);
        run.others_word = french_others ? "autres" : "others";
        return run;
    }
};

}  // namespace vx
