// Declaration images: the C text of a type around a declarator name, and
// the whole declaration of a symbol as the generated harness writes it.
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

std::string parameter_list(const TypeNode* f, bool name_unnamed, DiagnosticSink* sink, int depth) {
    if (f->unprototyped) return "";
    std::string out;
    for (std::size_t i = 0; i < f->parameters.size(); ++i) {
        const Parameter& p = f->parameters[i];
        if (i) out += ", ";
        std::string name = p.name;
        bool is_void = p.type && p.type->kind == TypeKind::void_type;
        bool is_ellipsis = p.type && p.type->kind == TypeKind::ellipsis;
        if (name.empty() && name_unnamed && !is_void && !is_ellipsis)
            name = "p" + std::to_string(i + 1);
        if (!p.type) {
            if (sink) sink->report(Severity::warning, msg::PARAMINCO, name, "", 0);
            out += "int " + name;
            continue;
        }
        out += type_image(p.type, name, depth + 1);
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
            return type_image(type->target,
                              inner + "(" + parameter_list(type, false, nullptr, depth) + ")",
                              depth + 1);
    }
    return inner;
}

}  // namespace

std::string c_type_image(const TypeNode* type, std::string_view name) {
    return type_image(type, std::string(name), 0);
}

std::string c_declaration_image(const Symbol& symbol, const ImageFlags& flags,
                                DiagnosticSink* sink) {
    std::string out;
    if (flags.with_extern) out += "extern ";
    if (flags.with_static) out += "static ";
    if (flags.with_auto) out += "auto ";
    if (flags.with_register) out += "register ";

    const TypeNode* type = symbol.type;
    if (symbol.storage & storage_typedef) {
        const TypeNode* aliased = type && type->kind == TypeKind::named ? type->target : type;
        return out + "typedef " + c_type_image(aliased, symbol.name) + ";";
    }
    if (type && type->kind == TypeKind::function) {
        if (flags.return_variable) {
            return out + c_type_image(type->target, "ret_" + symbol.name) + ";";
        }
        // A declaration names every parameter: unnamed ones are p1, p2 ...
        std::string declarator = symbol.name + "(" + parameter_list(type, true, sink, 0) + ")";
        return out + type_image(type->target, declarator, 1) + ";";
    }
    out += c_type_image(type, symbol.name);
    if (!symbol.initial_value.empty() && out.rfind("extern ", 0) != 0)
        out += " = " + symbol.initial_value;
    return out + ";";
}

}  // namespace vx
