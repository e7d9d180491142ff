// VAR, ARRAY and STR statements: a variable of the code under test with its
// clauses (INIT, EV / VA, MIN, MAX, DELTA), parsed into VariableClause
// records. See docs/variable-statements.md for the grammar and the way an
// aggregate is taken component by component.
#pragma once

#include "codegen/harness_hooks.h"
#include "script/script_expression.h"
#include "script/script_options.h"
#include "codegen/variable_clause.h"
#include "support/text.h"

#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Where the statement stands: the script's keyword language, the scope
// for the type lookup, the place its values are read from, and whether it
// belongs to an ENVIRONMENT block rather than to an element.
struct VariableContext {
    int script_language = 2;
    std::string scope;
    std::string file;
    long line = 0;
    int file_number = -1;  // of the link records
    bool environment = false;
};

class VariableStatementParser {
public:
    VariableStatementParser(Reporter& reporter, const ScriptOptions& options,
                            NativeAnalysis& native, const ScriptConstants* constants);

    // A new test: the counters of dynamic initialisations and EV IN checks
    // and the names seen in the test start again.
    void begin_test();
    // A new element: each element is a step of its own, so a variable it
    // names was not yet named in it.
    void begin_element();

    // Parses one statement and appends its records to `list` (the
    // element's or environment's variable list, also searched for linked
    // variables). Returns the number of records added.
    int parse_variable_statement(std::string_view argument, int tested_language, bool whole_array,
                                 bool whole_structure, const VariableContext& context,
                                 std::vector<VariableClause>& list);

    // A record an environment brings to an element of the test: it counts
    // towards the test's limits like the test's own statements. False,
    // with NBINITDYN or NBVAINOVE, when it would pass them.
    bool count_environment_record(const VariableClause& clause);

    int dynamic_initialisations() const { return dynamic_initialisations_; }
    int ev_in_checks() const { return ev_in_checks_; }

private:
    struct Item;
    bool parse_item(Item& item, std::string_view clauses);
    bool parse_init(Item& item, std::string_view argument);
    bool parse_ev(Item& item, std::string_view argument, std::string_view clause_name);
    bool parse_linked(Item& item, std::string_view argument, bool init, std::string& link, bool& in,
                      bool& with, std::string& values, int& count);
    bool parse_bound(Item& item, std::string_view argument, std::string_view clause_name,
                     bool& given, std::string& value);
    bool parse_list(Item& item, std::string_view text, bool init, std::string& joined, int& count);
    bool parse_range(Item& item, std::string_view argument);
    bool check_item(Item& item);
    bool check_links(Item& item, const std::vector<VariableClause>& list);
    bool split_over_components(Item& item, const std::vector<NativeComponent>& components,
                               std::vector<VariableClause>& records);
    bool check_bounds(Item& item);
    bool spread_whole_array(Item& item);
    bool check_values(Item& item, const VariableClause& record);
    bool value(Item& item, std::string_view text, unsigned mode, std::string& out);
    VariableKind explicit_kind(std::string_view type_text) const;

    Reporter& reporter_;
    const ScriptOptions& options_;
    NativeAnalysis& native_;
    const ScriptConstants* constants_;
    int dynamic_initialisations_ = 0;
    int ev_in_checks_ = 0;
    std::vector<std::string> test_variables_;
};

// Removes the unnamed-structure components ("<prefix><digits>.") of a path.
std::string without_unnamed_structures(std::string_view expression, std::string_view prefix);

}  // namespace vx
