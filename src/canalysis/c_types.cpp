// Facts about C types that do not need the table: following named types
// and qualifiers, counting and walking the scalar components of aggregates.
#include "canalysis/c_types.h"

namespace vx {

namespace {

// Aggregates nest far less deeply than this in real code; a deeper chain
// can only come from a cycle (a named type that leads back to itself).
constexpr int walk_depth_limit = 256;

}  // namespace

const TypeNode* c_resolve_type(const TypeNode* type) {
    for (int steps = 0; type && steps < walk_depth_limit; ++steps) {
        if (type->kind != TypeKind::named && type->kind != TypeKind::qualified) return type;
        type = type->target;
    }
    return type && (type->kind == TypeKind::named || type->kind == TypeKind::qualified) ? nullptr : type;
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

int scalar_count(const TypeNode* type, int depth) {
    type = c_resolve_type(type);
    if (!type || depth > walk_depth_limit) return 1;
    switch (type->kind) {
    case TypeKind::struct_type: {
        int n = 0;
        for (const Field& f : type->fields) n += scalar_count(f.symbol ? f.symbol->type : nullptr, depth + 1);
        return n;
    }
    case TypeKind::union_type:
        if (type->fields.empty() || !type->fields[0].symbol) return 0;
        return scalar_count(type->fields[0].symbol->type, depth + 1);
    case TypeKind::array: return scalar_count(type->target, depth + 1);
    default: return 1;
    }
}

void walk(const TypeNode* type, const std::string& path, const Field* field, int depth,
          const std::function<void(const ScalarComponent&)>& visit) {
    const TypeNode* resolved = c_resolve_type(type);
    if (depth > walk_depth_limit) return;
    if (resolved && resolved->kind == TypeKind::struct_type) {
        for (const Field& f : resolved->fields) {
            if (!f.symbol) continue;
            // The members of an unnamed member are reached directly.
            walk(f.symbol->type, f.symbol->name.empty() ? path : path + "." + f.symbol->name, &f, depth + 1,
                 visit);
        }
        return;
    }
    if (resolved && resolved->kind == TypeKind::union_type) {
        if (!resolved->fields.empty() && resolved->fields[0].symbol) {
            const Field& f = resolved->fields[0];
            walk(f.symbol->type, f.symbol->name.empty() ? path : path + "." + f.symbol->name, &f, depth + 1,
                 visit);
        }
        return;
    }
    visit(ScalarComponent{path, type, field});
}

}  // namespace

int c_scalar_count(const TypeNode* type) { return scalar_count(type, 0); }

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
    walk(type, root, nullptr, 0, visit);
}

}  // namespace vx
