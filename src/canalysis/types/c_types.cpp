// Facts about C types that do not need the table: following named types
// and qualifiers, counting and walking the scalar components of aggregates.
#include "canalysis/types/c_types.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace vx {

namespace {

// Aggregates nest far less deeply than this in real code; a deeper chain
// can only come from a cycle (a named type that leads back to itself).
constexpr int walk_depth_limit = 256;
// No real aggregate has this many scalar components; a walk stops there.
constexpr long long walk_component_limit = 1000000;

}  // namespace

const TypeNode* c_resolve_type(const TypeNode* type) {
    for (int steps = 0; type && steps < walk_depth_limit; ++steps) {
        if (type->kind != TypeKind::named && type->kind != TypeKind::qualified) return type;
        type = type->target;
    }
    return type && (type->kind == TypeKind::named || type->kind == TypeKind::qualified) ? nullptr
                                                                                        : type;
}

TypeNode* c_resolve_type(TypeNode* type) {
    return const_cast<TypeNode*>(c_resolve_type(static_cast<const TypeNode*>(type)));
}

bool c_has_qualifier(const TypeNode* type, std::string_view word) {
    for (int steps = 0; type && steps < walk_depth_limit; ++steps) {
        if (type->kind == TypeKind::qualified) {
            if (type->name == word) return true;
        } else if (type->kind != TypeKind::named) {
            return false;
        }
        type = type->target;
    }
    return false;
}

bool c_is_const(const TypeNode* type) { return c_has_qualifier(type, "const"); }

namespace {

// A struct that holds itself (only invalid code can say so) counts and
// walks as one component; counts saturate instead of overflowing.
bool on_path(const std::vector<const TypeNode*>& path, const TypeNode* type) {
    for (const TypeNode* t : path) {
        if (t == type) return true;
    }
    return false;
}

using CountMemo = std::unordered_map<const TypeNode*, int>;

int scalar_count(const TypeNode* type, std::vector<const TypeNode*>& path, CountMemo& memo) {
    type = c_resolve_type(type);
    if (!type || path.size() > static_cast<std::size_t>(walk_depth_limit) || on_path(path, type))
        return 1;
    switch (type->kind) {
        case TypeKind::struct_type: {
            // Each struct is counted once, however often it is nested.
            if (auto it = memo.find(type); it != memo.end()) return it->second;
            path.push_back(type);
            long long n = 0;
            for (const Field& f : type->fields) {
                n += scalar_count(f.symbol ? f.symbol->type : nullptr, path, memo);
                if (n > walk_component_limit) n = walk_component_limit;
            }
            path.pop_back();
            memo[type] = static_cast<int>(n);
            return static_cast<int>(n);
        }
        case TypeKind::union_type: {
            if (type->fields.empty() || !type->fields[0].symbol) return 0;
            path.push_back(type);
            int n = scalar_count(type->fields[0].symbol->type, path, memo);
            path.pop_back();
            return n;
        }
        case TypeKind::array:
            return scalar_count(type->target, path, memo);
        default:
            return 1;
    }
}

struct Walk {
    const std::function<void(const ScalarComponent&)>& visit;
    std::vector<const TypeNode*> path;
    long long visited = 0;

    void operator()(const TypeNode* type, const std::string& name, const Field* field) {
        if (visited >= walk_component_limit) return;
        const TypeNode* resolved = c_resolve_type(type);
        bool aggregate = resolved && (resolved->kind == TypeKind::struct_type ||
                                      resolved->kind == TypeKind::union_type);
        if (!aggregate || on_path(path, resolved) ||
            path.size() > static_cast<std::size_t>(walk_depth_limit)) {
            ++visited;
            visit(ScalarComponent{name, type, field});
            return;
        }
        path.push_back(resolved);
        std::size_t count = resolved->kind == TypeKind::union_type
                                ? std::min<std::size_t>(1, resolved->fields.size())
                                : resolved->fields.size();
        for (std::size_t i = 0; i < count; ++i) {
            const Field& f = resolved->fields[i];
            if (!f.symbol) continue;
            // The members of an unnamed member are reached directly.
            (*this)(f.symbol->type, f.symbol->name.empty() ? name : name + "." + f.symbol->name,
                    &f);
        }
        path.pop_back();
    }
};

}  // namespace

int c_scalar_count(const TypeNode* type) {
    std::vector<const TypeNode*> path;
    CountMemo memo;
    return scalar_count(type, path, memo);
}

int c_member_index(const TypeNode* type, std::string_view name) {
    type = c_resolve_type(type);
    if (!type) return 1;
    if (type->kind == TypeKind::struct_type || type->kind == TypeKind::union_type) {
        for (std::size_t i = 0; i < type->fields.size(); ++i) {
            if (type->fields[i].symbol && type->fields[i].symbol->name == name) {
                return static_cast<int>(i) + 1;
            }
        }
        return 0;
    }
    if (type->kind == TypeKind::enum_type) {
        for (std::size_t i = 0; i < type->enumerators.size(); ++i) {
            if (type->enumerators[i].name == name) return static_cast<int>(i) + 1;
        }
        return static_cast<int>(type->enumerators.size()) + 1;
    }
    return 1;
}

void c_walk_scalar_components(const TypeNode* type, const std::string& root,
                              const std::function<void(const ScalarComponent&)>& visit) {
    Walk walk{visit, {}, 0};
    walk(type, root, nullptr);
}

}  // namespace vx
