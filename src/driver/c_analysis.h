// The C analysis of a run behind the front end's NativeAnalysis seam: the
// preprocessor (and, later, the declaration parser).
//
// `start` initialises the preprocessor as a run does before the script is
// read: the ANSI and K&R restriction flags, the script language, the -INCL
// directories and the -DEFINE identifiers, then the standard-definitions
// file read through an include directive (so its search-path pragmas,
// macros and size pragmas are known), then the guarded empty definition of
// STUBINACTIVE. Native text of the script, INCLUDE CODE files and CONST
// lines are preprocessed in the same state; the preprocessed text goes to
// the declaration analysis, which fills the run's type table in the scope
// of the current service. `finish` ends preprocessing at the end of the
// generated program.
#pragma once

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/diagnostic_sink.h"
#include "canalysis/cpp/preprocessor.h"
#include "canalysis/types/target_model.h"
#include "canalysis/types/type_table.h"
#include "codegen/harness_hooks.h"
#include "support/compiler_settings.h"
#include "support/run_environment.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;

class TargetModel;

// What the analysis learns beside the settings and the environment of the
// run: the script language it starts in, and the date its symbol listing
// shows.
struct CAnalysisStart {
    int script_language = 2;
    std::string run_date;
};

class CAnalysis : public NativeAnalysis {
public:
    CAnalysis(Reporter& reporter, RunFiles& files, TargetModel* target = nullptr);

    // Initialises the preprocessor from the settings of the run (the
    // restrictions ANSI and KR, -INCL, -DEFINE, -STD_DEFINE, -SYMBTAB and
    // the command echo the listing's banner shows) and its environment (the
    // target package's include directory, the extension of the symbol
    // listing, the compiler extensions, the multi-character constants, the
    // parser trace); returns the preprocessed text of the
    // standard-definitions file (empty without one).
    std::string start(const CompilerSettings& settings, const RunEnvironment& environment,
                      const CAnalysisStart& start = {});

    std::string preprocess(std::string_view text, std::string_view file, long first_line) override;
    void analyse_declarations(std::string_view text, std::string_view scope) override;
    std::optional<bool> macro_defined(std::string_view name) override;
    // The bodies of the object-like macros, as the walks of members ask.
    MacroBodyQuery member_macros();
    // A C base type of the type table: a base type spelling ("unsigned
    // long", "double") or a typedef name.
    std::optional<bool> base_type(std::string_view name) override;
    void write_symbol_listing(const std::vector<std::string>& services) override;
    std::optional<NativeVariable> variable_type(std::string_view expression, std::string_view scope,
                                                ComponentWalk components) override;
    std::optional<NativeSpread> spread_value(std::string_view expression, std::string_view scope,
                                             ComponentWalk components,
                                             std::string_view value) override;
    std::optional<NativeSpread> spread_typed_value(const TypeNode* type, const std::string& root,
                                                   std::string_view value,
                                                   bool compound_literal) override;
    std::optional<std::string> array_value_expression(std::string_view expression,
                                                      std::string_view scope,
                                                      std::string_view value) override;
    std::vector<ValueFinding> check_value(std::string_view text, VariableKind kind,
                                          const TypeFacts& facts, std::string_view scope) override;
    std::optional<NumericValue> numeric_value(std::string_view text) override;
    StubDeclarations stub_declarations(std::string_view text) override;
    void finish() override;

    Preprocessor& preprocessor() { return cpp_; }
    TypeTable& type_table() { return table_; }
    DeclarationRun& declaration_run() { return run_; }

private:
    Reporter& reporter_;
    RunFiles& files_;
    ReporterSink sink_;       // the run's reporter, for the analysis
    TargetModel own_target_;  // when the run gives none
    Preprocessor cpp_;
    DeclarationRun run_;
    TypeTable table_;
    // One table per DEFINE STUB block, its secondary being table_; they
    // live for the run, as the stubs that point into them.
    std::vector<std::unique_ptr<TypeTable>> stub_tables_;
    std::string symbol_listing_file_;  // empty: no listing
    std::string command_echo_;
    std::string run_date_;
};

}  // namespace vx
