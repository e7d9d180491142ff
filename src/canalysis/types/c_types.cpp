// Facts about C types that do not need the table: following named types
// and qualifiers, counting and walking the scalar components of aggregates.
#include "canalysis/types/c_types.h"

#include "support/text.h"

#include <algorithm>
#include <cctype>
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

bool c_takes_argument(const Parameter& parameter) {
    const TypeNode* r = c_resolve_type(parameter.type);
    return r != nullptr && r->kind != TypeKind::void_type && r->kind != TypeKind::ellipsis;
}

namespace {

// A struct that holds itself (only invalid code can say so) counts and
// walks as one component; counts saturate instead of overflowing.
bool on_path(const std::vector<const TypeNode*>& path, const TypeNode* type) {
    for (const TypeNode* t : path) {
        if (t == type) return true;
    }
    return false;
}

struct Walk {
    const std::function<void(const ScalarComponent&)>& visit;
    const MacroBodyQuery& macro_body;
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
            (*this)(f.symbol->type,
                    f.symbol->name.empty() ? name : c_member_path(name, f.symbol->name, macro_body),
                    &f);
        }
        path.pop_back();
    }
};

}  // namespace

std::string c_member_path(const std::string& path, std::string_view member,
                          const MacroBodyQuery& macro_body) {
    std::string full = path + "." + std::string(member);
    if (!macro_body) return full;
    const std::optional<std::string> body = macro_body(member);
    if (!body) return full;
    // The macro must spell a chain of members ending in the member itself,
    // and the path must end with the rest of that chain.
    const std::string chain(trimmed(*body, c_blanks));
    if (chain.size() <= member.size() + 1 || !chain.ends_with("." + std::string(member)) ||
        !std::all_of(chain.begin(), chain.end(), [](char c) {
            return c == '.' || c == '_' || std::isalnum(static_cast<unsigned char>(c));
        })) {
        return full;
    }
    const std::string supplied = "." + chain.substr(0, chain.size() - member.size() - 1);
    if (!path.ends_with(supplied)) return full;
    return path.substr(0, path.size() - supplied.size()) + "." + std::string(member);
}

void c_walk_scalar_components(const TypeNode* type, const std::string& root,
                              const std::function<void(const ScalarComponent&)>& visit,
                              const MacroBodyQuery& macro_body) {
    Walk walk{visit, macro_body, {}, 0};
    walk(type, root, nullptr);
}

}  // namespace vx
