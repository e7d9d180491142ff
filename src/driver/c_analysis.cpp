#include "driver/c_analysis.h"

#include "canalysis/expression_analysis.h"
#include "canalysis/symbol_listing.h"
#include "canalysis/target_model.h"
#include "codegen/output_file.h"
#include "diag/reporter.h"
#include "driver/identity.h"
#include "driver/output_names.h"
#include "driver/paths.h"
#include "support/text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace vx {

namespace {

constexpr std::string_view stub_inactive = "STUBINACTIVE";

}  // namespace

CAnalysis::CAnalysis(TargetModel* target) : run_(target ? *target : own_target_) {
    cpp_.set_target(&run_.target);
    run_.is_type_modifier = [this](std::string_view word) {
        const std::vector<std::string>& modifiers = cpp_.type_modifiers();
        return std::find(modifiers.begin(), modifiers.end(), word) != modifiers.end();
    };
}

std::string CAnalysis::start(const CAnalysisStart& start) {
    symbtab_file_ = start.symbtab_file;
    command_echo_ = start.command_echo;
    run_date_ = start.run_date;
    CppInit init;
    init.strict = start.ansi;
    init.lenient = start.kr;
    init.script_language = start.script_language;
    init.include_dirs = start.include_dirs;
    init.definitions = start.definitions;
    cpp_.set_sink(reporter_sink());
    cpp_init(cpp_, init, true);

    std::string definitions;
    if (!start.std_define_file.empty()) {
        // The file is read through an #include line: a name that line
        // cannot hold would lose the definitions without a word.
        if (!include_name_writable(start.std_define_file)) {
            report_fatal("CHEMININV", start.std_define_file);
        }
        std::string directive = "#include \"" + start.std_define_file + "\"";
        cpp_process_text(cpp_, directive, false, "", 0, definitions);
        analyse_declarations(definitions, {});
    }
    std::string guard = "#ifndef " + std::string(stub_inactive) + "\n#define " +
                        std::string(stub_inactive) + " " + "\n#endif";
    std::string ignored;
    cpp_process_text(cpp_, guard, false, "", 0, ignored);
    return definitions;
}

std::string CAnalysis::preprocess(std::string_view text, std::string_view file,
                                  long first_line) {
    std::string output;
    cpp_process_text(cpp_, text, false, file, first_line, output);
    return output;
}

void CAnalysis::analyse_declarations(std::string_view text, std::string_view scope) {
    last_declarations_ = std::string(text);
    DeclarationOptions options;
    options.scope = scope;
    ReporterSink sink;
    c_parse_declarations(text, table_, options, sink, run_);
}

StubDeclarations CAnalysis::stub_declarations(std::string_view text) {
    auto table = std::make_unique<TypeTable>();
    table->set_secondary(&table_);
    DeclarationOptions options;
    ReporterSink sink;
    c_parse_declarations(text, *table, options, sink, run_);
    StubDeclarations declarations;
    declarations.table = table.get();
    table->for_each_symbol([&](const Symbol& symbol) {
        if (symbol.type != nullptr && (symbol.storage & storage_typedef) == 0 &&
            c_resolve_type(symbol.type) != nullptr &&
            c_resolve_type(symbol.type)->kind == TypeKind::function) {
            declarations.functions.push_back(&symbol);
        }
    });
    // The table walks its buckets; the stubs are numbered in the order of
    // the text.
    auto position = [&](const Symbol* symbol) {
        std::size_t at = text.find(symbol->name + "(");
        if (at == std::string_view::npos) at = text.find(symbol->name);
        return std::make_pair(symbol->line, at);
    };
    std::stable_sort(declarations.functions.begin(), declarations.functions.end(),
                     [&](const Symbol* a, const Symbol* b) { return position(a) < position(b); });
    stub_tables_.push_back(std::move(table));
    return declarations;
}

std::optional<bool> CAnalysis::base_type(std::string_view name) {
    if (Symbol* s = c_find_symbol(name, table_, ""); s && (s->storage & storage_typedef)) return true;
    // The base types in any spelling: only their words, at least one.
    static constexpr std::string_view words[] = {"char", "short", "int", "long", "signed",
                                                 "unsigned", "float", "double", "void"};
    bool any = false;
    std::size_t i = 0;
    while (i < name.size()) {
        if (name[i] == ' ' || name[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < name.size() && name[j] != ' ' && name[j] != '\t') ++j;
        std::string_view word = name.substr(i, j - i);
        if (std::find(std::begin(words), std::end(words), word) == std::end(words)) return false;
        any = true;
        i = j;
    }
    return any;
}

std::optional<bool> CAnalysis::macro_defined(std::string_view name) {
    return cpp_.macro_defined(name);
}

void CAnalysis::write_symbol_listing(const std::vector<std::string>& services) {
    if (symbtab_file_.empty()) return;
    const std::string name = symbol_listing_path(symbtab_file_);
    // The listing is in place only once it is whole.
    OutputFile file = create_output(name, {});
    SymbolListing listing{table_, services, name, tool_title, tool_version, command_echo_, run_date_,
                          cpp_.script_language()};
    vx::write_symbol_listing(listing, [&](std::string_view line) { file.write_line(line); });
    file.close(true);
}

void CAnalysis::finish() { cpp_finish(cpp_, false); }

// Variable types for the variable statements.

namespace {

// Analysis of a variable expression that reports nothing: a variable the
// declarations do not know is refused by the statement itself.
class SilentSink final : public DiagnosticSink {
public:
    void report(DiagnosticLevel, std::string_view, std::string_view, std::string_view,
                long) override {}
};

// The statement's value kind of a C type.
VariableKind value_kind_of(const TypeNode* type) {
    // A boolean is known by its name: the target may define _Bool as a
    // typedef of a character type.
    for (const TypeNode* t = type; t != nullptr && (t->kind == TypeKind::named ||
                                                   t->kind == TypeKind::qualified);
         t = t->target) {
        if (t->kind == TypeKind::named && (t->name == "_Bool" || t->name == "bool")) {
            return VariableKind::boolean;
        }
        // The 8-bit integer types of <stdint.h> hold numbers, not
        // characters, though they are character types underneath.
        if (t->kind == TypeKind::named) {
            static constexpr std::string_view small_integers[] = {
                "int8_t",       "uint8_t",       "int_least8_t", "uint_least8_t",
                "int_fast8_t",  "uint_fast8_t",  "__int8_t",     "__uint8_t"};
            for (std::string_view name : small_integers) {
                if (t->name == name) return VariableKind::integer;
            }
        }
    }
    type = c_resolve_type(type);
    if (type == nullptr) return VariableKind::unknown;
    switch (type->kind) {
    case TypeKind::integer:
        if (type->name == "_Bool" || type->name == "bool") return VariableKind::boolean;
        if (type->is_char) return VariableKind::character;
        return VariableKind::integer;
    case TypeKind::floating:
        return VariableKind::real;
    case TypeKind::enum_type:
        return VariableKind::enumeration;
    case TypeKind::pointer: {
        const TypeNode* target = c_resolve_type(type->target);
        if (target != nullptr && target->kind == TypeKind::function) {
            return VariableKind::function_pointer;
        }
        if (target != nullptr && target->kind == TypeKind::integer && target->is_char &&
            value_kind_of(type->target) == VariableKind::character) {
            return VariableKind::string_pointer;
        }
        return VariableKind::pointer;
    }
    case TypeKind::array: {
        // The element's kind is taken from its type as written, so that
        // an array of uint8_t is no string.
        const VariableKind element = value_kind_of(type->target);
        return element == VariableKind::character ? VariableKind::string : element;
    }
    default:
        return VariableKind::unknown;
    }
}

// The facts of a scalar type the generator needs beside its kind.
TypeFacts scalar_facts(const TypeNode* type) {
    TypeFacts facts;
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved == nullptr) return facts;
    switch (resolved->kind) {
    case TypeKind::integer:
        facts.is_unsigned = resolved->width > 0;
        facts.bits = resolved->width < 0 ? -resolved->width : resolved->width;
        break;
    case TypeKind::floating:
        facts.is_double = resolved->name.find("double") != std::string::npos;
        break;
    case TypeKind::enum_type: {
        facts.enum_name = resolved->name.empty() ? c_type_image(type, "")
                                                 : "enum " + resolved->name;
        // Values written as expressions the listing cannot fold count on
        // from the last one known.
        long long next = 0;
        for (const Enumerator& enumerator : resolved->enumerators) {
            long long value = next;
            if (!integer_constant(enumerator.value, value)) value = next;
            facts.enumerators.emplace_back(enumerator.name, value);
            next = value + 1;
        }
        break;
    }
    default:
        break;
    }
    return facts;
}

// An array of scalars with constant bounds taken as a whole: its
// dimensions and element type go into `facts`; false for anything else.
bool whole_array_facts(const TypeNode* type, TypeFacts& facts) {
    std::vector<long long> dimensions;
    const TypeNode* element = c_resolve_type(type);
    while (element != nullptr && element->kind == TypeKind::array &&
           value_kind_of(element) != VariableKind::string) {
        long long bound = 0;
        if (!integer_constant(element->bound, bound) || bound <= 0) return false;
        dimensions.push_back(bound);
        type = element->target;
        element = c_resolve_type(type);
    }
    if (dimensions.empty() || element == nullptr) return false;
    const VariableKind kind = value_kind_of(type);
    if (kind == VariableKind::unknown || element->kind == TypeKind::struct_type ||
        element->kind == TypeKind::union_type) {
        return false;
    }
    facts = scalar_facts(type);
    facts.dimensions = std::move(dimensions);
    facts.element_type = c_type_image(type, "");
    return true;
}

// Deep enough for any real declaration, and a bound on what a component
// walk may produce whatever the input.
constexpr int component_depth_limit = 64;
constexpr std::size_t component_limit = std::size_t{1} << 20;

// Appends the scalar components of `type` named `path`: every member of a
// struct, the first member of a union, every element of an array whose
// bound is an integer constant (character arrays are strings, one
// component), nested, in declaration order. With `whole_arrays` an array
// of scalars is one component.
void append_components(const TypeNode* type, const std::string& path, int depth,
                       bool whole_arrays, std::vector<NativeComponent>& out) {
    if (out.size() >= component_limit) return;
    const TypeNode* resolved = c_resolve_type(type);
    const VariableKind kind = value_kind_of(type);
    if (resolved != nullptr && depth < component_depth_limit) {
        if ((resolved->kind == TypeKind::struct_type || resolved->kind == TypeKind::union_type) &&
            resolved->complete) {
            for (const Field& field : resolved->fields) {
                if (field.symbol == nullptr || field.symbol->type == nullptr) continue;
                append_components(field.symbol->type, path + "." + field.symbol->name, depth + 1,
                                  whole_arrays, out);
                if (resolved->kind == TypeKind::union_type) break;
            }
            return;
        }
        TypeFacts whole;
        if (whole_arrays && resolved->kind == TypeKind::array && whole_array_facts(type, whole)) {
            out.push_back({path, c_type_image(type, ""), kind, std::move(whole)});
            return;
        }
        long long bound = 0;
        if (resolved->kind == TypeKind::array && kind != VariableKind::string &&
            integer_constant(resolved->bound, bound) && bound > 0) {
            for (long long i = 0; i < bound && out.size() < component_limit; ++i) {
                append_components(resolved->target, path + "[" + std::to_string(i) + "]",
                                  depth + 1, whole_arrays, out);
            }
            return;
        }
    }
    out.push_back({path, c_type_image(type, ""), kind, scalar_facts(type)});
}

}  // namespace

std::optional<NativeVariable> CAnalysis::variable_type(std::string_view expression,
                                                       std::string_view scope,
                                                       ComponentWalk components) {
    NativeVariable result;
    ExpressionRun run(table_, run_);
    run.scope = std::string(scope);
    SilentSink sink;
    ExpressionTree tree = c_parse_expression(run, expression, "", 0, sink);
    if (tree == nullptr) return result;
    const TypeNode* type = c_expression_type(run, tree->root, nullptr, "", 0, scope, sink);
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved != nullptr && resolved != &run.aggregate_placeholder) {
        result.found = true;
        result.type_text = c_type_image(type, "");
        result.kind = value_kind_of(type);
        result.structure = resolved->kind == TypeKind::struct_type ||
                           resolved->kind == TypeKind::union_type;
        result.array =
            resolved->kind == TypeKind::array && result.kind != VariableKind::string;
        if (result.array) {
            // A whole array of scalars is generated as a loop over its
            // elements.
            whole_array_facts(type, result.facts);
        } else if (!result.structure) {
            result.facts = scalar_facts(type);
        }
        if (components != ComponentWalk::none && (result.structure || result.array)) {
            append_components(type, std::string(expression), 0,
                              components == ComponentWalk::whole_arrays, result.components);
        }
    }
    c_free_expression(tree);
    return result;
}

}  // namespace vx
