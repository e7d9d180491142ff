// Declaration images: the C text of a type around a declarator name.
//
// The declarator is built from the inside out: a pointer puts "*" before
// the text built so far (in parentheses when an array or function suffix
// follows), an array or function puts its suffix after it, and the base
// type's name goes in front at the end.
#include "canalysis/decl/declaration_parser.h"

namespace vx {

namespace {

// Deeper types than this come only from damaged input; they print as far
// as this.
constexpr int image_depth_limit = 4096;

std::string type_image(const TypeNode* type, std::string inner, int depth);

std::string parameter_list(const TypeNode* f, int depth) {
    if (f->unprototyped) return "";
    std::string out;
    for (std::size_t i = 0; i < f->parameters.size(); ++i) {
        const Parameter& p = f->parameters[i];
        if (i) out += ", ";
        out += p.type ? type_image(p.type, p.name, depth + 1) : "int " + p.name;
    }
    if (f->variadic) out += f->parameters.empty() ? "..." : ", ...";
    return out;
}

std::string with_inner(std::string head, const std::string& inner) {
    if (inner.empty()) return head;
    return head + " " + inner;
}

std::string aggregate_head(const TypeNode* type, int depth) {
    const char* keyword = type->kind == TypeKind::struct_type  ? "struct"
                          : type->kind == TypeKind::union_type ? "union"
                                                               : "enum";
    std::string out = keyword;
    if (!type->name.empty()) return out + " " + type->name;
    // An anonymous type is written whole.
    out += " {";
    if (type->kind == TypeKind::enum_type) {
        for (std::size_t i = 0; i < type->enumerators.size(); ++i) {
            const Enumerator& e = type->enumerators[i];
            out += i ? ", " : " ";
            out += e.name;
            if (e.explicit_value) out += " = " + e.value;
        }
        return out + " }";
    }
    for (const Field& f : type->fields) {
        if (!f.symbol) continue;
        out += " ";
        out += f.symbol->type ? type_image(f.symbol->type, f.symbol->name, depth + 1)
                              : "int " + f.symbol->name;
        if (!f.bit_width.empty()) out += " : " + f.bit_width;
        out += ";";
    }
    return out + " }";
}

std::string type_image(const TypeNode* type, std::string inner, int depth) {
    if (!type) return with_inner("int", inner);
    if (depth > image_depth_limit) return inner;
    switch (type->kind) {
        case TypeKind::integer:
        case TypeKind::floating:
        case TypeKind::wide_integer:
        case TypeKind::extended_real:
        case TypeKind::named:
            return with_inner(type->name, inner);
        case TypeKind::void_type:
            return with_inner("void", inner);
        case TypeKind::vector:
            return type_image(
                type->target,
                with_inner("__attribute__((__vector_size__(" + type->bound + ")))", inner),
                depth + 1);
        case TypeKind::ellipsis:
            return "...";
        case TypeKind::struct_type:
        case TypeKind::union_type:
        case TypeKind::enum_type:
            return with_inner(aggregate_head(type, depth), inner);
        case TypeKind::qualified:
            return type->name + " " + type_image(type->target, inner, depth + 1);
        case TypeKind::pointer: {
            std::string text = "*";
            for (const std::string& q : type->qualifiers) text += q + " ";
            if (!type->qualifiers.empty() && inner.empty()) text.pop_back();
            text += inner;
            const TypeNode* target = type->target;
            if (target && (target->kind == TypeKind::array || target->kind == TypeKind::function)) {
                text = "(" + text + ")";
            }
            return type_image(target, text, depth + 1);
        }
        case TypeKind::array:
            return type_image(type->target, inner + "[" + type->bound + "]", depth + 1);
        case TypeKind::function:
            return type_image(type->target, inner + "(" + parameter_list(type, depth) + ")",
                              depth + 1);
    }
    return inner;
}

}  // namespace

std::string c_type_image(const TypeNode* type, std::string_view name) {
    return type_image(type, std::string(name), 0);
}

}  // namespace vx
