// The types and variables a script defines itself: DEFINE STRUCTURE blocks
// with their FIELD statements, and DECLARE statements.
//
// Each definition belongs to the scope it was made in (script, service,
// test or element) and disappears when that block ends. Structures are
// found by name, the latest definition first; a field path names nested
// components with "." and its depth is the number of those points.
#pragma once

#include "script/statements/block_state.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct ScriptField {
    std::string path;
    std::string type;
    int depth = 0;
};

struct ScriptStructure {
    std::string name;
    ScopeLevel level = ScopeLevel::script;
    std::vector<ScriptField> fields;

    const ScriptField* find_field(std::string_view path) const;
};

struct ScriptVariable {
    std::string name;
    std::string type;
    ScopeLevel level = ScopeLevel::script;
};

// The base type names of C, used while no type table answers.
inline constexpr std::array<std::string_view, 27> c_base_type_names = {
    "char",
    "signed char",
    "unsigned char",
    "short",
    "short int",
    "signed short",
    "unsigned short",
    "unsigned short int",
    "int",
    "signed",
    "signed int",
    "unsigned",
    "unsigned int",
    "long",
    "long int",
    "signed long",
    "unsigned long",
    "unsigned long int",
    "long long",
    "long long int",
    "unsigned long long",
    "unsigned long long int",
    "float",
    "double",
    "long double",
    "_Bool",
    "bool",
};
bool is_c_base_type_name(std::string_view name);

class ScriptTypes {
public:
    ScriptStructure& define_structure(std::string name, ScopeLevel level);
    const ScriptStructure* find_structure(std::string_view name) const;
    // The structure being defined (the latest one).
    ScriptStructure* latest_structure();

    void declare(std::string name, std::string type, ScopeLevel level);
    const std::vector<ScriptVariable>& variables() const { return variables_; }

    // Forgets every definition of that level and of deeper ones.
    void close_level(ScopeLevel level);

private:
    std::vector<ScriptStructure> structures_;
    std::vector<ScriptVariable> variables_;
};

}  // namespace vx
