// The statement dispatcher: one logical statement at a time, from its
// keyword to its effect on the block state.
//
// dispatch_statement splits off the keyword, finds it in the keyword
// table, checks it against the script language (switching the language
// automatically while that is still allowed), applies the argument rules,
// hands the native C text collected since the previous statement to the C
// analysis, and runs the handler of the keyword's code.
//
// The handlers keep the block structure. A statement outside the block it
// needs opens that block implicitly (TEST opens a service "INCONNUE",
// ELEMENT a test "INCONNU", VAR an element); a block left open is closed by
// the next statement that cannot live inside it (ENVIRONMENT and DEFINE
// blocks never outlive a block boundary). Both are reported and
// processing goes on. While a skip flag is set (an excluded SIMUL
// branch, a service, test or family left out by the selection options, a
// false IF condition) the structure is still followed but nothing is
// generated.
//
// Handlers write the link records of their blocks and call the harness
// hooks at the points where the harness needs text: the variable code, the
// environments and the stubs are all reached through those hooks.
#pragma once

#include "script/statements/block_state.h"
#include "script/statements/environments.h"
#include "codegen/harness_hooks.h"
#include "script/statements/keyword_table.h"
#include "script/statements/skip_flags.h"
#include "script/reader.h"
#include "script/script_expression.h"
#include "script/script_options.h"
#include "script/script_types.h"
#include "script/statements/variable_statement.h"

#include <map>
#include <string>
#include <string_view>

namespace vx {

class OutputSession;
class Reporter;
class ScriptLanguage;

class Dispatcher final : public ReaderClient {
public:
    Dispatcher(Reporter& reporter, const ScriptOptions& options, ScriptLanguage& language,
               OutputSession& session, HarnessHooks& hooks, NativeAnalysis& native,
               ScriptReader& reader);
    Dispatcher(const Dispatcher&) = delete;
    Dispatcher& operator=(const Dispatcher&) = delete;

    // ReaderClient.
    void dispatch_statement(std::string_view statement) override;
    NativeDestination native_destination() const override;
    bool element_open() const override { return state_.element.open; }
    void native_comment(std::string_view line) override;
    void native_code_line() override;
    // CHAINEINV for a value whose literals C refuses or a NUL cuts short.
    bool refuse_literals(const VariableClause& clause);

    // The version number found in the -SOURCE file, for HEADER.
    void set_found_version(std::string version) { found_version_ = std::move(version); }

    // The end of the script: blocks still open are closed (each reported
    // as a missing closing keyword), then the main program is generated.
    void end_of_script();

    const BlockState& state() const { return state_; }
    const ScriptTypes& types() const { return types_; }
    // The CONST table (filled without C analysis).
    const ScriptConstants& constants() const { return constants_; }
    // Display formats given by FORMAT in the current service.
    const std::map<std::string, std::string>& formats() const { return formats_; }
    // The variable records of the current (or last) element, and of each
    // environment by name.
    const std::vector<VariableClause>& element_variables() const { return element_variables_; }
    const std::vector<VariableClause>* environment_variables(const std::string& name) const {
        const EnvironmentRecord* record = environments_.find(name);
        return record == nullptr ? nullptr : &record->variables;
    }
    // The environments defined so far and the uses in force.
    const Environments& environments() const { return environments_; }

private:
    struct Statement {
        std::string_view text;  // the whole statement
        std::string keyword;    // upper-cased
        std::string argument;   // trimmed
        const KeywordRow* row = nullptr;
    };
    using Handler = void (Dispatcher::*)(const Statement&);
    struct HandlerRow {
        KeywordCode code;
        Handler handler;
    };
    static const HandlerRow handler_table[];
    static Handler handler_for(KeywordCode code);

    // Helpers.
    std::string_view name(KeywordName keyword) const;
    bool keyword_accepted(KeywordLanguage language);
    SkipFlags& flags();
    long line() const;
    ServiceHead service_head() const;
    void hand_over_native_text();
    void write_block_headers();
    bool condition_true(std::string_view names);
    bool conditional_text_skipped() const;
    ScriptExpressionAnalyser expression_analyser() const;
    bool analyse_value(std::string_view text, ScriptValue& value) const;
    void define_constant(const Statement& s, std::string name, std::string_view value);

    // Block actions, shared by the statements and the implicit closes.
    void ensure_begin();
    void perform_begin();
    void close_environment_and_define();
    void close_initialization_and_termination();
    void end_environment_action();
    void end_define_action();
    void open_service(std::string_view argument, std::string_view statement);
    void end_service_action();
    void open_test(std::string_view argument, bool phase);
    void end_test_action(bool forget_phase);
    void apply_family(std::string_view text);
    void end_family_action();
    void open_element();
    void end_element_action();
    void apply_environments();
    void open_element_implicitly();
    void variable_statement(const Statement& statement);
    void element_data_items(std::string_view argument);
    void define_structure(std::string_view rest, std::string_view statement);
    void define_stub(std::string_view rest, std::string_view statement);
    void describe_stub_call(std::string_view keyword, std::string_view argument);
    void end_initialization();
    void end_termination();
    bool sub_system_statement(const Statement& statement);

    // Statement handlers.
    void handle_constant(const Statement& s);
    void handle_header(const Statement& s);
    void handle_service(const Statement& s);
    void handle_end_service(const Statement& s);
    void handle_test(const Statement& s);
    void handle_end_test(const Statement& s);
    void handle_family(const Statement& s);
    void handle_end_family(const Statement& s);
    void handle_element(const Statement& s);
    void handle_end_element(const Statement& s);
    void handle_variable(const Statement& s);
    void handle_register(const Statement& s);
    void handle_simul(const Statement& s);
    void handle_end_simul(const Statement& s);
    void handle_else_simul(const Statement& s);
    void handle_comment(const Statement& s);
    void handle_environment(const Statement& s);
    void handle_end_environment(const Statement& s);
    void handle_use(const Statement& s);
    void handle_segment(const Statement& s);
    void handle_end_segment(const Statement& s);
    void handle_system(const Statement& s);
    void handle_far(const Statement& s);
    void handle_end_far(const Statement& s);
    void handle_near(const Statement& s);
    void handle_end_near(const Statement& s);
    void handle_begin(const Statement& s);
    void handle_service_type(const Statement& s);
    void handle_end(const Statement& s);
    void handle_unknown(const Statement& s);
    void handle_include(const Statement& s);
    void handle_define(const Statement& s);
    void handle_field(const Statement& s);
    void handle_if(const Statement& s);
    void handle_else(const Statement& s);
    void handle_end_if(const Statement& s);
    void handle_declare(const Statement& s);
    void handle_initialization(const Statement& s);
    void handle_termination(const Statement& s);
    void handle_database(const Statement& s);
    void handle_format(const Statement& s);
    void handle_stub(const Statement& s);
    void handle_next_test(const Statement& s);
    void handle_sequence(const Statement& s);
    void handle_requirement(const Statement& s);

    Reporter& reporter_;
    const ScriptOptions& options_;
    ScriptLanguage& language_;
    OutputSession& session_;
    SkipFlags skip_flags_;
    HarnessHooks& hooks_;
    NativeAnalysis& native_;
    // Coverage flags whose declaration the C analysis has been given.
    std::vector<std::string> coverage_flags_;
    ScriptReader& reader_;

    BlockState state_;
    ScriptTypes types_;
    ScriptConstants constants_;
    std::map<std::string, std::string> formats_;
    // The display format in force for `variable`: that of the variable
    // itself, else that of the array or structure it is part of ("regs[3]"
    // and "frame.len" take the format of "regs" and "frame"); nullptr for
    // none.
    const std::string* format_of(std::string_view variable) const;
    VariableStatementParser variables_;
    std::vector<VariableClause> element_variables_;
    Environments environments_;
    // The record of the open ENVIRONMENT block; none while its definition
    // was refused or lies in text that is not generated.
    EnvironmentRecord* open_environment_ = nullptr;
    std::string found_version_;
};

}  // namespace vx
