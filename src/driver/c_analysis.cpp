#include "driver/c_analysis.h"

#include "canalysis/types/c_values.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/decl/symbol_listing.h"
#include "canalysis/types/target_model.h"
#include "codegen/output/output_file.h"
#include "diag/reporter.h"
#include "support/identity.h"
#include "driver/output_names.h"
#include "support/text.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <optional>

namespace vx {

namespace {

constexpr std::string_view stub_inactive = "STUBINACTIVE";

// The least the analysis must know without the standard definitions of a
// target package: the runtime's types that the harness declares its own
// objects with, and the types compilers have built in.
constexpr std::string_view builtin_definitions =
    "typedef int ZQZQ_LOOPVAR_T;\n"
    "typedef char *__builtin_va_list;\n"
    "typedef __int128 __int128_t;\n"
    "typedef unsigned __int128 __uint128_t;\n";

}  // namespace

CAnalysis::CAnalysis(Reporter& reporter, RunFiles& files, TargetModel* target)
    : reporter_(reporter), files_(files), sink_(reporter), run_(target ? *target : own_target_) {
    cpp_.set_target(&run_.target);
    cpp_.set_run_files(&files_);
    run_.is_type_modifier = [this](std::string_view word) {
        const std::vector<std::string>& modifiers = cpp_.type_modifiers();
        return std::find(modifiers.begin(), modifiers.end(), word) != modifiers.end();
    };
    run_.is_system_file = [this](std::string_view file) { return cpp_.is_system_file(file); };
}

std::string CAnalysis::start(const CompilerSettings& settings, const RunEnvironment& environment,
                             const CAnalysisStart& start) {
    symbol_listing_file_ = symbol_listing_path(settings.symbtab_file, environment);
    command_echo_ = settings.command_echo;
    run_date_ = start.run_date;
    CppInit init;
    init.strict = settings.restriction(Restriction::ansi);
    init.lenient = settings.restriction(Restriction::kr);
    init.script_language = start.script_language;
    init.include_dirs = settings.include_dirs;
    init.definitions = settings.defined_identifiers;
    init.runtime_package = environment.runtime_package;
    init.add_usr_include = environment.add_usr_include;
    run_.vx_ext_seen = environment.target_extensions;
    run_.no_multibyte = environment.no_multibyte;
    run_.parser_trace = environment.parser_trace;
    cpp_.set_sink(sink_);
    cpp_init(cpp_, init, true);

    std::string definitions;
    if (!settings.std_define_file.empty()) {
        // The file is read through an #include line: a name that line
        // cannot hold would lose the definitions without a word.
        if (!include_name_writable(settings.std_define_file)) {
            throw reporter_.fatal(msg::CHEMININV, settings.std_define_file);
        }
        std::string directive = "#include \"" + settings.std_define_file + "\"";
        cpp_process_text(cpp_, directive, false, "", 0, definitions);
        analyse_declarations(definitions, {});
    } else {
        // No target package: the harness's own declarations still name
        // the runtime's types.
        cpp_process_text(cpp_, builtin_definitions, false, "", 0, definitions);
        analyse_declarations(definitions, {});
    }
    std::string guard = "#ifndef " + std::string(stub_inactive) + "\n#define " +
                        std::string(stub_inactive) + " " + "\n#endif";
    std::string ignored;
    cpp_process_text(cpp_, guard, false, "", 0, ignored);
    return definitions;
}

std::string CAnalysis::preprocess(std::string_view text, std::string_view file, long first_line) {
    std::string output;
    cpp_process_text(cpp_, text, false, file, first_line, output);
    return output;
}

void CAnalysis::analyse_declarations(std::string_view text, std::string_view scope) {
    DeclarationOptions options;
    options.scope = scope;
    c_parse_declarations(text, table_, options, sink_, run_);
}

StubDeclarations CAnalysis::stub_declarations(std::string_view text) {
    auto table = std::make_unique<TypeTable>();
    table->set_secondary(&table_);
    DeclarationOptions options;
    c_parse_declarations(text, *table, options, sink_, run_);
    StubDeclarations declarations;
    declarations.table = table.get();
    declarations.member_macro = member_macros();
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
    if (Symbol* s = c_find_symbol(name, table_, ""); s && (s->storage & storage_typedef))
        return true;
    // The base types in any spelling: only their words, at least one.
    static constexpr std::string_view words[] = {"char",     "short", "int",    "long", "signed",
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

MacroBodyQuery CAnalysis::member_macros() {
    return [this](std::string_view name) -> std::optional<std::string> {
        const MacroEntry* entry = cpp_.macros().macro_lookup(name);
        if (entry == nullptr || !entry->definition || entry->definition->function_like()) {
            return std::nullopt;
        }
        return std::string(entry->definition->body);
    };
}

std::optional<bool> CAnalysis::macro_defined(std::string_view name) {
    return cpp_.macro_defined(name);
}

void CAnalysis::write_symbol_listing(const std::vector<std::string>& services) {
    if (symbol_listing_file_.empty()) return;
    const std::string& name = symbol_listing_file_;
    // The listing is in place only once it is whole.
    OutputFile file = create_output(reporter_, files_, name, {});
    SymbolListing listing{table_,       services,      name,      tool_title,
                          tool_version, command_echo_, run_date_, cpp_.script_language()};
    // The listing is written at the end of the script: its messages keep
    // the script's location.
    FunctionSink sink([this](Severity, MessageCode code, std::string_view argument,
                             std::string_view, long) { reporter_.error(code, argument); });
    vx::write_symbol_listing(
        listing, [&](std::string_view line) { file.write_line(line); }, sink);
    file.close(true);
}

void CAnalysis::finish() { cpp_finish(cpp_, false); }

// Variable types for the variable statements.

namespace {

// A slice "a[2..5]": elements 2 to 5 of an array, or of what a pointer
// points at (the flexible array member a struct ends with). Its type is an
// array of their number; the harness names it as C can, by the address of
// its first element ("(&(a)[2])", whose element k is a[2 + k]).
struct Slice {
    const TypeNode* type = nullptr;
    std::string root;
};

std::optional<Slice> slice_of(TypeTable& table, const ExprNode* root, const TypeNode* element) {
    while (root != nullptr && root->kind == ExprKind::parenthesised) root = root->first;
    if (root == nullptr || root->kind != ExprKind::range_subscript || element == nullptr) {
        return std::nullopt;
    }
    const ExprNode* low = root->second;
    const ExprNode* high = root->third;
    if (low == nullptr || high == nullptr || low->kind != ExprKind::integer_constant ||
        high->kind != ExprKind::integer_constant || !pint_fits_int64(low->value) ||
        !pint_fits_int64(high->value)) {
        return std::nullopt;
    }
    const std::int64_t first = pint_low64(low->value);
    const std::int64_t last = pint_low64(high->value);
    if (first < 0 || last < first) return std::nullopt;
    CountingSink quiet;
    Slice slice;
    slice.type = table.array_of(const_cast<TypeNode*>(element), std::to_string(last - first + 1));
    slice.root =
        "(&(" + c_expression_image(root->first, quiet) + ")[" + std::to_string(first) + "])";
    return slice;
}

// Whether an object of this type cannot be assigned: the type is const, or
// it is an array (of arrays) of const elements.
bool read_only_type(const TypeNode* type) {
    constexpr int depth_limit = 64;
    for (int depth = 0; type != nullptr && depth < depth_limit; ++depth) {
        if (c_is_const(type)) return true;
        const TypeNode* resolved = c_resolve_type(type);
        if (resolved == nullptr || resolved->kind != TypeKind::array) return false;
        type = resolved->target;
    }
    return false;
}

// The components of the value model as the statements take them.
void append_components(const TypeNode* type, const std::string& path, bool whole_arrays,
                       bool read_only, ExpressionRun& run, std::vector<NativeComponent>& out) {
    std::vector<ValueComponent> components;
    c_value_components(type, path, whole_arrays, components, &run);
    out.reserve(components.size());
    for (ValueComponent& c : components) {
        // A const member makes its own component read-only, a const whole
        // every component.
        const bool component_read_only = read_only || read_only_type(c.type);
        out.push_back({std::move(c.expression), std::move(c.type_text), c.kind, std::move(c.facts),
                       component_read_only});
    }
}

// Keeps the analysis's messages about a variable expression, so that the
// statement can refuse it.
class FindingSink final : public DiagnosticSink {
public:
    void report(Severity level, MessageCode code, std::string_view argument, std::string_view,
                long) override {
        if (level <= Severity::warning) findings.push_back({code, std::string(argument), true});
    }
    std::vector<ValueFinding> findings;
};

// The member a variable expression names ("rg.lvl", "p->lvl"), or null.
const Field* member_field(ExpressionRun& run, const ExprNode* node, std::string_view scope) {
    while (node != nullptr && node->kind == ExprKind::parenthesised) node = node->first;
    if (node == nullptr || node->kind != ExprKind::member) return nullptr;
    FindingSink quiet;
    const TypeNode* owner =
        c_resolve_type(c_expression_type(run, node->first, nullptr, "", 0, scope, quiet));
    if (owner != nullptr && node->arrow && owner->kind == TypeKind::pointer) {
        owner = c_resolve_type(owner->target);
    }
    if (owner != nullptr && !owner->complete) owner = c_complete_type(owner, run.table);
    if (owner == nullptr) return nullptr;
    for (const Field& field : owner->fields) {
        if (field.symbol != nullptr && field.symbol->name == node->text) return &field;
    }
    return nullptr;
}

// Whether the object a variable expression names cannot be assigned: its
// own type says so, or it is a member or an element of an object that
// cannot be ("cr.value" of a const structure cr, "p->n" through a pointer
// to const). The walk follows the operand of members, subscripts and
// parentheses down to the variable.
bool read_only_object(ExpressionRun& run, const ExprNode* node, std::string_view scope) {
    constexpr int depth_limit = 64;
    FindingSink quiet;
    for (int depth = 0; node != nullptr && depth < depth_limit; ++depth) {
        const TypeNode* type = c_expression_type(run, node, nullptr, "", 0, scope, quiet);
        if (read_only_type(type)) return true;
        const ExprNode* operand = node->first;
        if (node->kind == ExprKind::parenthesised) {
            node = operand;
            continue;
        }
        if (node->kind != ExprKind::member && node->kind != ExprKind::subscript) return false;
        const TypeNode* operand_type =
            c_resolve_type(c_expression_type(run, operand, nullptr, "", 0, scope, quiet));
        if (operand_type != nullptr && operand_type->kind == TypeKind::pointer) {
            // Through a pointer: the pointed object decides, not the pointer.
            return read_only_type(operand_type->target);
        }
        node = operand;
    }
    return false;
}

// The type, or the element type of an array of it, is one the runtime
// cannot hold: a 128-bit integer, an extended real, a complex number (its
// checks would see the real part only) or a vector.
bool unsupported_scalar(const TypeNode* type) {
    const TypeNode* element = type;
    const TypeNode* resolved = c_resolve_type(type);
    for (int depth = 0; resolved != nullptr && resolved->kind == TypeKind::array && depth < 64;
         ++depth) {
        element = resolved->target;
        resolved = c_resolve_type(element);
    }
    return resolved != nullptr &&
           (resolved->kind == TypeKind::wide_integer || resolved->kind == TypeKind::extended_real ||
            resolved->kind == TypeKind::vector || c_has_qualifier(element, "_Complex"));
}

// The first type among `type` and its members and elements that the
// runtime cannot hold, as C text; empty when there is none.
std::string first_unsupported_type(const TypeNode* type, int depth) {
    constexpr int depth_limit = 64;
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved == nullptr || depth > depth_limit) return {};
    if (unsupported_scalar(type)) return c_type_image(type, "");
    if ((resolved->kind == TypeKind::struct_type || resolved->kind == TypeKind::union_type) &&
        resolved->complete) {
        for (const Field& field : resolved->fields) {
            if (field.symbol == nullptr || field.symbol->type == nullptr) continue;
            std::string found = first_unsupported_type(field.symbol->type, depth + 1);
            if (!found.empty()) return found;
        }
    } else if (resolved->kind == TypeKind::array) {
        return first_unsupported_type(resolved->target, depth + 1);
    }
    return {};
}

// The messages about a variable expression that refuse it: an expression
// that changes something, a member selection that does not fit the type,
// an index outside the array.
bool refuses_variable(MessageCode code) {
    static constexpr MessageCode codes[] = {
        msg::POSTINCRE, msg::POSTDECRE, msg::AFFECTATI, msg::SOUSEXPRE, msg::INVCHASTR,
        msg::NOPOSTRUC, msg::POINSTRUC, msg::INDICEINC, msg::NONTABLEA, msg::NONPOINTE};
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

}  // namespace

std::optional<NativeVariable> CAnalysis::variable_type(std::string_view expression,
                                                       std::string_view scope,
                                                       ComponentWalk components) {
    NativeVariable result;
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    run.scope = std::string(scope);
    FindingSink sink;
    ExpressionTree tree = c_parse_expression(run, expression, "", 0, sink);
    if (tree == nullptr) return result;
    const TypeNode* type = c_expression_type(run, tree->root, nullptr, "", 0, scope, sink);
    if (c_resolve_type(type) == nullptr) {
        // A member the headers name through a macro ("st.st_mtime" for
        // "st.st_mtim.tv_sec", "ifr.ifr_flags"): the type is that of the
        // expansion, while the harness keeps the name as written.
        std::string expanded;
        NullSink quiet;
        cpp_process_text(cpp_, expression, false, "", 0, expanded, quiet);
        std::string_view text = expanded;
        while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.remove_suffix(1);
        while (!text.empty() && (text.front() == '\n' || text.front() == ' '))
            text.remove_prefix(1);
        if (!text.empty() && text != expression && text.find('#') == std::string_view::npos) {
            ExpressionTree again = c_parse_expression(run, text, "", 0, sink);
            if (again != nullptr) {
                // What was said of the text as written no longer holds.
                sink.findings.clear();
                type = c_expression_type(run, again->root, nullptr, "", 0, scope, sink);
                c_free_expression(tree);
                tree = std::move(again);
            }
        }
    }
    c_check_indexes(run, tree->root, "", 0, scope, sink);
    for (ValueFinding& finding : sink.findings) {
        if (refuses_variable(finding.code)) result.findings.push_back(std::move(finding));
    }
    // A slice is an array of its elements, named by its first one's address.
    std::string root_text(expression);
    if (std::optional<Slice> slice = slice_of(table_, tree->root, type)) {
        type = slice->type;
        root_text = slice->root;
        result.slice_root = slice->root;
    }
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved != nullptr && resolved != &run.aggregate_placeholder) {
        result.found = true;
        result.type_text = c_value_type_image(type);
        result.kind = c_value_kind(type);
        result.structure =
            resolved->kind == TypeKind::struct_type || resolved->kind == TypeKind::union_type;
        result.array = resolved->kind == TypeKind::array && !c_is_string_type(type);
        result.read_only = read_only_object(run, tree->root, scope);
        result.unknown_bound = result.array && resolved->bound.empty();
        if (result.array) {
            // A whole array of scalars is generated as a loop over its
            // elements.
            c_whole_array_facts(type, result.facts, &run);
        } else if (!result.structure) {
            result.facts = c_type_facts(type, &run);
            result.facts.field_bits = c_bit_field_width(member_field(run, tree->root, scope));
        }
        if (components != ComponentWalk::none && (result.structure || result.array)) {
            append_components(type, root_text, components == ComponentWalk::whole_arrays,
                              result.read_only, run, result.components);
        }
        if (unsupported_scalar(type)) {
            result.unsupported_type = result.type_text;
        } else if (components != ComponentWalk::none && (result.structure || result.array)) {
            result.unsupported_type = first_unsupported_type(type, 0);
        }
    }
    c_free_expression(tree);
    return result;
}

namespace {

// The type of a variable expression, the analysis keeping quiet about it.
const TypeNode* quiet_expression_type(ExpressionRun& run, TypeTable& table,
                                      std::string_view expression, std::string_view scope) {
    CountingSink quiet;
    ExpressionTree tree = c_parse_expression(run, expression, "", 0, quiet);
    const TypeNode* type = tree != nullptr
                               ? c_expression_type(run, tree->root, nullptr, "", 0, scope, quiet)
                               : nullptr;
    if (tree != nullptr) {
        if (std::optional<Slice> slice = slice_of(table, tree->root, type)) {
            type = slice->type;
        }
    }
    c_free_expression(tree);
    return type;
}

}  // namespace

std::optional<NativeSpread> CAnalysis::spread_value(std::string_view expression,
                                                    std::string_view scope,
                                                    ComponentWalk components,
                                                    std::string_view value) {
    NativeSpread result;
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    run.scope = std::string(scope);
    run.others_word = cpp_.script_language() == 2 ? "others" : "autres";
    const TypeNode* type = quiet_expression_type(run, table_, expression, scope);
    if (type == nullptr) return std::nullopt;
    std::vector<std::string> leaves;
    if (!c_spread_value(run, type, std::string(expression), value, leaves, result.failure)) {
        return result;
    }
    result.spread = true;
    if (components == ComponentWalk::scalars) {
        result.values = std::move(leaves);
        return result;
    }
    // Whole arrays of scalars take their elements as one brace list.
    std::vector<ValueComponent> walked;
    if (components == ComponentWalk::whole_arrays) {
        c_value_components(type, std::string(expression), true, walked, &run);
    } else {
        ValueComponent whole;
        c_whole_array_facts(type, whole.facts, &run);
        walked.push_back(std::move(whole));
    }
    std::size_t at = 0;
    for (const ValueComponent& component : walked) {
        std::size_t count = 1;
        for (long long d : component.facts.dimensions) count *= static_cast<std::size_t>(d);
        if (component.facts.dimensions.empty()) {
            result.values.push_back(at < leaves.size() ? leaves[at] : std::string());
        } else {
            std::string list = "{";
            for (std::size_t i = 0; i < count && at + i < leaves.size(); ++i) {
                list += (i ? "," : "") + leaves[at + i];
            }
            result.values.push_back(list + "}");
        }
        at += count;
    }
    return result;
}

std::optional<NativeSpread> CAnalysis::spread_typed_value(const TypeNode* type,
                                                          const std::string& root,
                                                          std::string_view value,
                                                          bool compound_literal) {
    if (type == nullptr) return std::nullopt;
    NativeSpread result;
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    run.others_word = cpp_.script_language() == 2 ? "others" : "autres";
    result.spread =
        c_spread_value(run, type, root, value, result.values, result.failure, compound_literal);
    return result;
}

std::optional<std::string> CAnalysis::array_value_expression(std::string_view expression,
                                                             std::string_view scope,
                                                             std::string_view value) {
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    run.scope = std::string(scope);
    run.others_word = cpp_.script_language() == 2 ? "others" : "autres";
    const TypeNode* type = quiet_expression_type(run, table_, expression, scope);
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved == nullptr || resolved->kind != TypeKind::array) return std::nullopt;
    // Any message (an omitted item, an index out of the bounds, a word
    // that is no "others") means the list gives no expression.
    CountingSink sink;
    ExpressionTree tree = c_parse_expression(run, value, "", 0, sink);
    std::optional<std::string> result;
    if (tree != nullptr && tree->root != nullptr && tree->root->kind == ExprKind::aggregate &&
        sink.count == 0) {
        std::string out;
        c_expand_array_aggregate(run, tree->root, type, out, 1, "", 0, sink);
        if (sink.count == 0 && !out.empty()) result = out;
    }
    c_free_expression(tree);
    return result;
}

std::vector<ValueFinding> CAnalysis::check_value(std::string_view text, VariableKind kind,
                                                 const TypeFacts& facts, std::string_view scope) {
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    run.scope = std::string(scope);
    run.is_macro = [this](std::string_view name) { return macro_defined(name).value_or(false); };
    return c_check_value(run, text, kind, facts);
}

std::optional<NumericValue> CAnalysis::numeric_value(std::string_view text) {
    ExpressionRun run(table_, run_);
    run.member_macro = member_macros();
    return c_numeric_value(run, text);
}

}  // namespace vx
