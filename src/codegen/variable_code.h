// The code of the variables of an element: what a VAR, ARRAY or STR record
// becomes in the harness.
//
// Each record gives, in the element's opening half, the initialisation of
// the variable before the code under test (an assignment, a string copy,
// or a loop over a whole array) with the trace of the initial value, and,
// in the closing half, the check of the obtained value against the
// expected one (EDV_ macros), followed by its "E12" and "V" link records.
// Lists of values (INIT IN, EV IN, the linked forms) become value-table
// macros in the declarations file, indexed by a loop variable J that
// repeats the whole test once per value; INIT FROM ranges and random
// values repeat the test the same way. The components of an aggregate
// taken member by member are framed by the bracket macros of the
// aggregate's record, and a whole array by the array mode macros.
//
// The records of the environments an element uses arrive at END ELEMENT.
// Their initialisations are placed before the element's own code, and a
// record is dropped when the element names the same variable itself: the
// environment gives defaults, the element refines them.
// docs/variable-code.md gives the decisions taken for each form.
#pragma once

#include "codegen/output/folding.h"
#include "codegen/variable_clause.h"

#include <functional>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class OutputSession;

class HarnessLayout;

class VariableCode {
public:
    // `analysis`: values are C texts (C analysis enabled) rather than
    // results of the script expression analyser.
    VariableCode(HarnessLayout& layout, bool analysis);

    // Declarations the generated code adds (value tables, loop variables)
    // are handed to the C declaration analysis through this callback.
    void set_declare(std::function<void(std::string_view)> declare) {
        declare_ = std::move(declare);
    }

    // A new test and a new element.
    void begin_test();
    void begin_element();
    // A record of the element's own statement, generated at once (the
    // components of one aggregate once its last component arrives).
    void add(const VariableClause& clause);
    // A record of an environment the element uses, kept until END ELEMENT.
    void add_environment(const VariableClause& clause);
    // END ELEMENT: the environment records not replaced by the element's own.
    void end_element();

private:
    struct Check;
    void generate_group(const std::vector<const VariableClause*>& group);
    void generate_record(const VariableClause& clause, bool in_aggregate);
    void generate_whole_array(const VariableClause& clause, int record);
    bool initial_value(const VariableClause& clause, std::string& value);
    bool expected_values(const VariableClause& clause, Check& check);
    void write_initialisation(const VariableClause& clause, const std::string& variable,
                              const std::string& value, int record, bool trace);
    void write_check(const VariableClause& clause, const std::string& variable, const Check& check,
                     int record);
    void write_record(const VariableClause& clause, char letter, const Check& check);
    std::string value_table(std::string_view kind, std::string_view list, int loop_index,
                            const VariableClause& clause);
    int loop_of(const VariableClause& clause, std::string_view link);
    std::string range_value(const VariableClause& clause);
    // The helper that counts the values of a range known only at run time,
    // written once into the declarations file.
    void declare_range_count(int k);
    std::set<int> range_starts_declared_;
    void mark_tolerance(const VariableClause& clause, const std::string& expected, Check& check);
    void write_tolerance_check(const VariableClause& clause, const std::string& variable,
                               const Check& check, int record);
    bool range_count_declared_ = false;
    void open_line(std::string_view text);
    void close_line(std::string_view text);
    void declare(std::string_view text);

    HarnessLayout& layout_;
    OutputSession& session_;
    bool analysis_;
    FoldMode fold_;
    bool no_edit_;
    std::function<void(std::string_view)> declare_;

    // Table numbers: "tab_init_avec" and "tab_vain" share one counter,
    // "tab_initin" and the random tables another.
    int value_tables_ = 0;
    int initin_tables_ = 0;
    // INIT IN loops of the test: the variable and its J index.
    struct TestLoop {
        std::string variable;
        int index = 0;
        int count = 0;  // the values it walks, 0 when not known here
    };
    std::vector<TestLoop> test_loops_;

    std::vector<VariableClause> pending_group_;
    std::vector<VariableClause> environment_;
    // The variables the element names itself: whether one of its
    // statements on the variable has an INIT, and the line of the first.
    struct ElementVariable {
        bool initialised = false;
        long line = 0;
    };
    std::map<std::string, ElementVariable, std::less<>> element_variables_;
    bool to_head_ = false;  // opening lines go to the element head
    // The record of the aggregate whose members are being generated.
    int aggregate_record_ = 0;
    bool in_array_ = false;  // ... and whether it is an array
};

}  // namespace vx
