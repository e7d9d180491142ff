// Environments: named, optionally parameterised groups of variable records
// and stub call descriptions, written once between ENVIRONMENT and END
// ENVIRONMENT and applied to many elements by USE.
//
// The definitions live for the whole run in one list sorted by name, the
// names compared by the case rule of the tested language. A USE pushes an
// entry (the environment and its arguments) on the use stack; four level
// marks give the height of the stack at the end of the script-level,
// service-level, test-level and element-level uses, so that closing a block
// lowers the stack to the mark of the level around it: END SERVICE to the
// script mark, END TEST to the service mark, END ELEMENT to the test mark.
// Every entry below the element mark is active, outer levels first and, in
// a level, in the order of the USE statements.
//
// When an element is generated, each active entry is instantiated: every
// text of its variable records and stub descriptions has each whole-word
// occurrence of a parameter (a match neither preceded nor followed by a
// letter, a digit or "_") replaced by the matching argument. The
// replacement is made in one pass over the original text, so an argument
// that happens to spell another parameter's name is not replaced again.
#pragma once

#include "script/statements/block_state.h"
#include "codegen/variable_clause.h"

#include <array>
#include <cstddef>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct EnvironmentRecord {
    std::string name;
    ScopeLevel level = ScopeLevel::script;  // the innermost block open at its definition
    std::vector<std::string> parameters;
    int file_number = 0;  // the script file and line of the ENVIRONMENT statement
    long line = 0;
    std::vector<VariableClause> variables;
    std::vector<std::string> stub_calls;  // STUB statement arguments, as written

    bool empty() const { return variables.empty() && stub_calls.empty(); }
};

struct UseEntry {
    const EnvironmentRecord* environment = nullptr;
    std::vector<std::string> arguments;
};

// What one use gives the element: the environment's contents with the
// arguments in place of the parameters.
struct EnvironmentContents {
    std::vector<VariableClause> variables;
    std::vector<std::string> stub_calls;
};

enum class UseResult { used, unknown_environment, parameter_count };

class Environments {
public:
    explicit Environments(bool case_insensitive) : case_insensitive_(case_insensitive) {}

    bool exists(std::string_view name) const { return find(name) != nullptr; }
    // Inserts a new record at its sorted place; nullptr when the name
    // exists already. The record stays where it is for the whole run.
    EnvironmentRecord* define_environment(std::string_view name, ScopeLevel level);
    const EnvironmentRecord* find(std::string_view name) const;

    // A USE at `level`: pushed when the environment exists and takes as
    // many parameters as there are arguments.
    UseResult use_environment(std::string_view name, ScopeLevel level,
                              std::vector<std::string> arguments);
    // The end of a service, test or element: the uses of that level and of
    // the levels inside it stop applying.
    void pop_uses(ScopeLevel closing);

    std::span<const UseEntry> active_uses() const { return {uses_.data(), marks_[element_mark]}; }
    std::size_t mark(ScopeLevel level) const { return marks_[static_cast<std::size_t>(level)]; }
    const std::vector<std::unique_ptr<EnvironmentRecord>>& records() const { return records_; }

private:
    static constexpr std::size_t element_mark = static_cast<std::size_t>(ScopeLevel::element);

    std::vector<std::unique_ptr<EnvironmentRecord>>::const_iterator position(
        std::string_view name) const;
    std::string key(std::string_view name) const;

    bool case_insensitive_;
    std::vector<std::unique_ptr<EnvironmentRecord>> records_;
    std::vector<UseEntry> uses_;
    std::array<std::size_t, 4> marks_{};
};

// `text` with every whole-word occurrence of parameters[i] replaced by
// arguments[i]; names compared without regard to case when
// `case_insensitive`.
std::string replace_parameters(std::string_view text, const std::vector<std::string>& parameters,
                               const std::vector<std::string>& arguments, bool case_insensitive);

// The contents of the used environment with its parameters replaced in the
// variable expression, type text, INIT value and link, EV value, target and
// link, MIN, MAX and DELTA of each variable record, and in each stub
// description.
EnvironmentContents instantiate_environment(const UseEntry& use, bool case_insensitive);

}  // namespace vx
