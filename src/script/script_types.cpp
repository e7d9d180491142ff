// Script structures and declared variables, kept in definition order and
// searched from the latest, so that an inner scope hides an outer one.
#include "script/script_types.h"

#include <algorithm>

namespace vx {

const ScriptField* ScriptStructure::find_field(std::string_view path) const {
    for (const ScriptField& field : fields) {
        if (field.path == path) {
            return &field;
        }
    }
    return nullptr;
}

bool is_c_base_type_name(std::string_view name) {
    return std::find(c_base_type_names.begin(), c_base_type_names.end(), name) !=
           c_base_type_names.end();
}

ScriptStructure& ScriptTypes::define_structure(std::string name, ScopeLevel level) {
    structures_.push_back(ScriptStructure{std::move(name), level, {}});
    return structures_.back();
}

const ScriptStructure* ScriptTypes::find_structure(std::string_view name) const {
    for (auto it = structures_.rbegin(); it != structures_.rend(); ++it) {
        if (it->name == name) {
            return &*it;
        }
    }
    return nullptr;
}

ScriptStructure* ScriptTypes::latest_structure() {
    return structures_.empty() ? nullptr : &structures_.back();
}

void ScriptTypes::declare(std::string name, std::string type, ScopeLevel level) {
    variables_.push_back(ScriptVariable{std::move(name), std::move(type), level});
}

void ScriptTypes::close_level(ScopeLevel level) {
    auto inside = [level](ScopeLevel other) {
        return static_cast<int>(other) >= static_cast<int>(level);
    };
    std::erase_if(structures_, [&](const ScriptStructure& s) { return inside(s.level); });
    std::erase_if(variables_, [&](const ScriptVariable& v) { return inside(v.level); });
}

}  // namespace vx
