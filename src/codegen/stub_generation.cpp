#include "codegen/stub_generation.h"

#include "canalysis/types/c_values.h"
#include "canalysis/decl/declaration_parser.h"
#include "codegen/harness_layout.h"
#include "codegen/link_records.h"
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "support/numbers.h"
#include "support/text_scanner.h"
#include "support/text.h"

#include <algorithm>
#include <set>
#include <cctype>

namespace vx {

namespace {

constexpr std::string_view unnamed_prefix = "Vexor_P_";
constexpr std::string_view skipped_stub = "__vexor_var";
constexpr std::string_view direction_words[] = {"_in", "_out", "_inout"};
constexpr int bits_8_limit = 256;
constexpr int bits_16_limit = 65536;

// Removes the direction words from a C text, with the blank after them.
std::string without_directions(std::string text) {
    for (std::string_view word : direction_words) {
        std::size_t at = 0;
        while ((at = text.find(word, at)) != std::string::npos) {
            std::size_t end = at + word.size();
            bool starts = at == 0 || !is_word_char(text[at - 1]);
            bool ends = end >= text.size() || !is_word_char(text[end]);
            if (!starts || !ends) {
                at = end;
                continue;
            }
            while (end < text.size() && text[end] == ' ') ++end;
            text.erase(at, end - at);
        }
    }
    return std::string(trimmed(text));
}

// Whether a direction word qualifies the parameter: it may stand at any
// level of its declarator ("_out int **pp", "_out BYTE buf[4]").
bool has_direction(const TypeNode* type, std::string_view word) {
    for (int depth = 0; type != nullptr && depth < component_depth_limit; ++depth) {
        if (c_has_qualifier(type, word)) return true;
        const TypeNode* resolved = c_resolve_type(type);
        if (resolved == nullptr) return false;
        if (resolved->kind == TypeKind::pointer) {
            if (std::find(resolved->qualifiers.begin(), resolved->qualifiers.end(), word) !=
                resolved->qualifiers.end()) {
                return true;
            }
        } else if (resolved->kind != TypeKind::array) {
            return false;
        }
        type = resolved->target;
    }
    return false;
}

// Drops the qualifiers that would make a stored copy read-only, and the
// direction words, from the top of a type.
const TypeNode* stored_type(const TypeNode* type) {
    while (type != nullptr && type->kind == TypeKind::qualified &&
           (type->name == "const" || type->name == "volatile" || type->name == "_in" ||
            type->name == "_out" || type->name == "_inout")) {
        type = type->target;
    }
    return type;
}

// An anonymous struct or union reached through a pointer typedef
// ("typedef struct { ... } image, *imagep;") is written by a typedef name
// that names it, the first in alphabetical order: its body cannot be
// repeated in a declaration.
const TypeNode* by_typedef_name(const TypeNode* type, const TypeTable* table) {
    if (type == nullptr ||
        (type->kind != TypeKind::struct_type && type->kind != TypeKind::union_type) ||
        !type->name.empty()) {
        return type;
    }
    const Symbol* found = nullptr;
    for (const TypeTable* t = table; t != nullptr; t = t->secondary()) {
        t->for_each_symbol([&](const Symbol& s) {
            if ((s.storage & storage_typedef) == 0 || s.type == nullptr ||
                s.type->kind != TypeKind::named || (found != nullptr && s.name >= found->name)) {
                return;
            }
            // Each declarator of the typedef composes the struct anew: the
            // same struct has the same members.
            const TypeNode* named = c_resolve_type(s.type->target);
            if (named == type ||
                (named != nullptr && named->kind == type->kind && named->name.empty() &&
                 !named->fields.empty() && named->fields.size() == type->fields.size() &&
                 named->fields.front().symbol == type->fields.front().symbol)) {
                found = &s;
            }
        });
    }
    return found != nullptr ? found->type : type;
}

std::string number_text(long n) { return std::to_string(n); }

// NIL and NONIL in any case, as the runtime spells them; function
// pointers take the function forms.
std::string pointer_value(const std::string& value, bool function) {
    if (!c_is_pointer_word(value)) return value;
    const bool null = upper_copy(trimmed(value)).rfind("NIL", 0) == 0;
    if (null) return function ? "NILFUNC" : "NIL";
    return function ? "NONILFUNC" : "NONIL";
}

StubParameterForm record_form(StubValueKind kind) {
    switch (kind) {
        case StubValueKind::integer:
        case StubValueKind::unsigned_integer:
        case StubValueKind::character:
            return StubParameterForm::integer;
        case StubValueKind::floating:
        case StubValueKind::double_floating:
            return StubParameterForm::floating;
        default:
            return StubParameterForm::other;
    }
}

}  // namespace

std::string stub_file_key(std::string_view file) {
    std::size_t slash = file.find_last_of("/\\");
    std::string_view base = slash == std::string_view::npos ? file : file.substr(slash + 1);
    std::size_t dot = base.find('.');
    if (dot != std::string_view::npos) base = base.substr(0, dot);
    std::string key;
    for (char c : base) key += is_word_char(c) ? c : '_';
    return key;
}

void StubGenerator::line(std::string_view text) {
    session_.write_folded_test_level(text, settings_.fold);
}

const Stub* StubGenerator::find(std::string_view name) const {
    for (const Stub& stub : stubs_) {
        if (stub.name == name) return &stub;
    }
    return nullptr;
}

Stub* StubGenerator::find_mutable(std::string_view name) {
    return const_cast<Stub*>(static_cast<const StubGenerator*>(this)->find(name));
}

const TypeNode* StubGenerator::complete(const TypeNode* type) const {
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved != nullptr &&
        (resolved->kind == TypeKind::struct_type || resolved->kind == TypeKind::union_type) &&
        !resolved->complete && table_ != nullptr) {
        if (const TypeNode* full = c_complete_type(resolved, *table_)) return full;
    }
    return resolved;
}

StubValueKind StubGenerator::kind_of(const TypeNode* type) const {
    const TypeNode* r = complete(type);
    if (r == nullptr) return StubValueKind::other;
    switch (r->kind) {
        case TypeKind::struct_type:
        case TypeKind::union_type:
            return StubValueKind::aggregate;
        case TypeKind::function:
            return StubValueKind::function_pointer;
        case TypeKind::array:
            // Only strings are compared whole; other arrays are aggregates'
            // members the stub does not compare.
            return c_value_kind(type) == CValueKind::string ? StubValueKind::char_array
                                                            : StubValueKind::other;
        default:
            break;
    }
    // Scalars as the value model classifies them, so that a stub's
    // parameter and a variable of the same type are checked alike.
    const CValueKind kind = c_value_kind(type);
    if (kind == CValueKind::unknown) return StubValueKind::other;
    switch (c_check_kind(kind, c_type_facts(type))) {
        case CheckKind::unsigned_integer:
            return StubValueKind::unsigned_integer;
        case CheckKind::character:
            return StubValueKind::character;
        case CheckKind::floating:
            return StubValueKind::floating;
        case CheckKind::double_floating:
            return StubValueKind::double_floating;
        case CheckKind::string:
            return StubValueKind::string;
        case CheckKind::pointer:
            return StubValueKind::pointer;
        case CheckKind::function_pointer:
            return StubValueKind::function_pointer;
        case CheckKind::boolean:
            return c_type_facts(type).is_unsigned ? StubValueKind::unsigned_integer
                                                  : StubValueKind::integer;
        case CheckKind::integer:
            return StubValueKind::integer;
    }
    return StubValueKind::other;
}

std::string StubGenerator::type_image(const TypeNode* type, std::string_view name) const {
    return without_directions(c_type_image(type, name));
}

std::string StubGenerator::aggregate_key(const TypeNode* type) const {
    const TypeNode* r = complete(type);
    std::string key = r != nullptr && r->kind == TypeKind::union_type ? "_u_" : "_s_";
    if (r != nullptr && !r->name.empty()) return key + r->name;
    // An anonymous aggregate is known by its typedef name.
    const TypeNode* t = type;
    while (t != nullptr && t->kind == TypeKind::qualified) t = t->target;
    if (t != nullptr && t->kind == TypeKind::named) return "_t_" + t->name;
    return key + "anonymous";
}

// ---- definition --------------------------------------------------------------

void StubGenerator::define(std::string_view block_name, long line_number, std::string_view file,
                           const StubDeclarations& declarations) {
    // A block of an excluded branch defines nothing: the service functions
    // must not call stubs that were never written.
    if (!session_.output_enabled()) {
        return;
    }
    table_ = declarations.table;
    member_macro_ = declarations.member_macro;
    session_.report_description().summary_stub_block(block_name, line_number);
    for (const Symbol* function : declarations.functions) {
        if (function == nullptr || function->name == skipped_stub) continue;
        Stub stub;
        stub.number = static_cast<int>(stubs_.size()) + 1;
        stub.name = function->name;
        stub.file_key = stub_file_key(file);
        stub.key = "_" + std::to_string(stub.number) + "_" + stub.file_key + "_" + stub.name;
        stub.line = function->line > 0 ? function->line : line_number;
        stub.table = declarations.table;
        if (find(stub.name) != nullptr) {
            session_.reporter().warning(msg::LISPARINC, stub.name);
            continue;
        }
        if (!build_stub(stub, *function)) continue;
        stub.late = services_written_;
        stubs_.push_back(std::move(stub));
        write_definition(stubs_.back());
    }
}

bool StubGenerator::build_stub(Stub& stub, const Symbol& function) {
    const TypeNode* type = c_resolve_type(function.type);
    if (type == nullptr || type->kind != TypeKind::function) return false;
    stub.function = &function;
    // C compilers know these standard functions never return, whatever a
    // header says to a compiler that is not GNU C (newlib declares longjmp
    // noreturn for GNU C only): a stub of one must not return either.
    static const std::set<std::string, std::less<>> known_no_return = {
        "abort", "exit", "_Exit", "_exit", "quick_exit", "longjmp", "siglongjmp", "_longjmp"};
    stub.no_return = function.no_return || known_no_return.count(function.name) > 0;
    const TypeNode* result = c_resolve_type(type->target);
    if (result != nullptr && result->kind != TypeKind::void_type) {
        stub.result = stored_type(type->target);
        stub.result_type = type_image(stub.result, "");
    }
    if (type->variadic) {
        // A K&R definition cannot take variable arguments, and C before
        // C23 needs a fixed parameter before the "...".
        const bool fixed =
            std::any_of(type->parameters.begin(), type->parameters.end(), c_takes_argument);
        if (settings_.kr || !fixed) {
            session_.reporter().warning(msg::PARINCDEC, "...");
            return false;
        }
        stub.variadic = true;
    }
    // The unit's own declaration of the function, when the analysis knows
    // it: the stub's head takes its array and pointer forms, which the
    // compiler compares with the prototype it has seen.
    const TypeNode* unit_type = nullptr;
    if (stub.table != nullptr && stub.table->secondary() != nullptr) {
        if (const Symbol* unit = stub.table->secondary()->lookup_symbol(stub.name, "")) {
            const TypeNode* t = c_resolve_type(unit->type);
            if (t != nullptr && t->kind == TypeKind::function &&
                t->parameters.size() == type->parameters.size()) {
                unit_type = t;
            }
            // The compiler holds the stub to the header's noreturn.
            if (unit->no_return) stub.no_return = true;
        }
    }
    int ordinal = 0;
    for (const Parameter& declared : type->parameters) {
        ++ordinal;
        if (!c_takes_argument(declared)) continue;  // "(void)"
        const TypeNode* resolved = c_resolve_type(declared.type);
        StubParameter p;
        p.name = declared.name.empty() ? std::string(unnamed_prefix) + std::to_string(ordinal)
                                       : declared.name;
        p.declared = declared.type;
        p.head = type_image(declared.type, p.name);
        if (unit_type != nullptr) {
            const TypeNode* unit_parameter =
                unit_type->parameters[static_cast<std::size_t>(ordinal - 1)].type;
            const TypeNode* unit_resolved = c_resolve_type(unit_parameter);
            if (unit_resolved != nullptr &&
                (resolved->kind == TypeKind::array || unit_resolved->kind == TypeKind::array) &&
                (unit_resolved->kind == TypeKind::array ||
                 unit_resolved->kind == TypeKind::pointer)) {
                p.head = type_image(unit_parameter, p.name);
            }
        }
        bool in = has_direction(declared.type, "_in");
        bool out = has_direction(declared.type, "_out");
        bool inout = has_direction(declared.type, "_inout");
        if (inout || (in && out)) {
            p.direction = StubDirection::inout;
        } else if (out) {
            p.direction = StubDirection::output;
        } else {
            p.direction = StubDirection::input;
        }
        const bool bounded_array = resolved->kind == TypeKind::array && c_array_bound(resolved) > 0;
        if (bounded_array) {
            // A buffer of that many elements, whatever the direction.
            const TypeNode* element = stored_type(resolved->target);
            if (p.output() && c_is_const(resolved->target)) {
                session_.reporter().warning(msg::PARINCDEC, p.name);
                return false;
            }
            p.kind = StubValueKind::buffer;
            p.value = declared.type;
            p.buffer = c_array_bound(resolved);
            p.text = c_is_string_type(resolved);
            p.field_type = type_image(element, "");
            c_value_components(declared.type, p.name, false, p.components, nullptr, member_macro_);
            bool fits = !p.components.empty() && p.components.size() < component_limit;
            for (const ValueComponent& c : p.components) {
                const StubValueKind k = kind_of(c.type);
                if (c.kind == CValueKind::unknown || k == StubValueKind::other ||
                    k == StubValueKind::aggregate) {
                    fits = false;
                }
            }
            if (!fits) {
                session_.reporter().warning(msg::PARINCDEC, p.name);
                return false;
            }
        } else if (p.direction == StubDirection::input) {
            if (resolved->kind == TypeKind::array || resolved->kind == TypeKind::function) {
                // Passed as a pointer: stored and compared as one.
                p.value = declared.type;
                p.kind = resolved->kind == TypeKind::function ? StubValueKind::function_pointer
                                                              : kind_of(declared.type);
                p.kind = p.kind == StubValueKind::char_array ? StubValueKind::string
                         : p.kind == StubValueKind::other    ? StubValueKind::pointer
                                                             : p.kind;
                std::string element = resolved->kind == TypeKind::array
                                          ? type_image(resolved->target, "")
                                          : type_image(declared.type, "(*)");
                p.field_type = resolved->kind == TypeKind::array ? element + " *" : element;
                p.value_kind = resolved->kind == TypeKind::function ? CValueKind::function_pointer
                               : p.kind == StubValueKind::string    ? CValueKind::string_pointer
                                                                    : CValueKind::pointer;
            } else {
                p.value = stored_type(declared.type);
                p.kind = kind_of(p.value);
                p.field_type = type_image(p.value, "");
            }
        } else {
            // An output is given back through a pointer to a writable value;
            // an array without bound is that pointer.
            const TypeNode* target =
                resolved->kind == TypeKind::pointer || resolved->kind == TypeKind::array
                    ? resolved->target
                    : nullptr;
            const TypeNode* target_resolved = c_resolve_type(target);
            if (target == nullptr || target_resolved == nullptr ||
                target_resolved->kind == TypeKind::void_type ||
                target_resolved->kind == TypeKind::function || c_is_const(target)) {
                session_.reporter().warning(msg::PARINCDEC, p.name);
                return false;
            }
            if (target_resolved->kind == TypeKind::array && target_resolved->bound.empty()) {
                session_.reporter().error(msg::UNKARRSIZ, type_image(target, ""));
                return false;
            }
            p.value = by_typedef_name(stored_type(target), stub.table);
            p.kind = kind_of(p.value);
            p.field_type = type_image(p.value, "");
        }
        if (p.kind != StubValueKind::buffer && p.value_kind == CValueKind::unknown) {
            p.value_kind = c_value_kind(p.value);
            p.facts = c_type_facts(p.value);
        }
        if (p.kind == StubValueKind::aggregate) {
            const TypeNode* full = complete(p.value);
            if (full == nullptr || !full->complete) {
                session_.reporter().warning(msg::PARINCDEC, p.name);
                return false;
            }
            bool unknown = false;
            c_walk_scalar_components(
                full, p.name,
                [&](const ScalarComponent& c) {
                    const TypeNode* r = c_resolve_type(c.type);
                    if (r != nullptr && r->kind == TypeKind::array && r->bound.empty())
                        unknown = true;
                },
                member_macro_);
            if (unknown) {
                session_.reporter().error(msg::UNKARRSIZ, p.field_type);
                return false;
            }
        }
        if (p.kind == StubValueKind::other && p.direction == StubDirection::input) {
            session_.reporter().warning(msg::PARINCDEC, p.name);
            return false;
        }
        stub.parameters.push_back(std::move(p));
    }
    for (StubParameter& p : stub.parameters) {
        if (p.input()) {
            p.check_selector = stub.selectors++;
            stub.has_inputs = true;
        }
    }
    for (StubParameter& p : stub.parameters) {
        if (p.output()) p.give_selector = stub.selectors++;
    }
    return true;
}

namespace {

// The lines that set a stub up for an element: no call made, none described.
void append_init_lines(const Stub& stub, std::vector<std::string>& lines) {
    const std::string& k = stub.key;
    lines.push_back("_ix" + k + "=0;");
    lines.push_back("#if size" + k);
    lines.push_back("_os" + k + "[0].min=-1;");
    lines.push_back("_os" + k + "[0].max=0;");
    if (stub.has_inputs) lines.push_back("_it" + k + "=0;");
    lines.push_back("#endif");
}

}  // namespace

void StubGenerator::write_definition(Stub& stub) {
    const std::string& k = stub.key;
    session_.report_description().summary_stub(stub.name, stub.number, stub.line);
    line("");
    line("/* simulation: " + stub.name + " */");
    line("");
    line("#define _fn" + k + " " + std::to_string(stub.number));
    // The stub's number under the harness's own spelling: a DEFINE STUB
    // block named uart with a stub send must not turn the unit's own
    // uart_send into a number.
    const std::string guard = "_vx_" + stub.file_key + "_" + stub.name;
    line("#ifndef " + guard);
    line("#define " + guard + " " + std::to_string(stub.number) + " /* " +
         without_directions(c_type_image(stub.function->type, stub.name)) + " */");
    line("#endif");
    write_comparison_functions(stub);
    line("");
    write_data_declarations(stub);
    line("");
    line("#pragma vexor vxo_stub");
    write_stub_function(stub);
    session_.add_renamed_symbol(stub.name);
    write_check_function(stub);
    if (stub.late) {
        // The service functions, written before this stub, initialise it
        // through this function (late_declaration_lines).
        line("void _vx_init" + k + (settings_.kr ? "()" : "(void)"));
        line("{");
        std::vector<std::string> init;
        append_init_lines(stub, init);
        for (const std::string& text : init) line(text);
        line("}");
    }
    if (session_.output_enabled()) {
        for (std::size_t i = 0; i < stub.parameters.size(); ++i) {
            if (stub.parameters[i].output()) {
                session_.records().write_stub_output(static_cast<int>(i + 1),
                                                     stub.parameters[i].name);
            }
        }
        if (stub.result != nullptr) session_.records().write_stub_output(0, "return");
    }
    session_.records().write_stub_end();
}

bool StubGenerator::uses_comparisons(const Stub& stub) const {
    bool addresses = false;
    for (const StubParameter& p : stub.parameters) {
        if (!p.input()) continue;
        if (p.kind == StubValueKind::string || p.kind == StubValueKind::pointer) addresses = true;
        if (p.kind == StubValueKind::aggregate) {
            c_walk_scalar_components(
                complete(p.value), "",
                [&](const ScalarComponent& c) {
                    StubValueKind kind = kind_of(c.type);
                    if (kind == StubValueKind::string || kind == StubValueKind::pointer) {
                        addresses = true;
                    }
                },
                member_macro_);
        }
    }
    return addresses;
}

void StubGenerator::write_comparison_functions(const Stub& stub) {
    bool addresses = uses_comparisons(stub);
    std::vector<const TypeNode*> aggregates;
    for (const StubParameter& p : stub.parameters) {
        if (p.input() && p.kind == StubValueKind::aggregate) aggregates.push_back(p.value);
    }
    if (addresses && !comparisons_written_) {
        comparisons_written_ = true;
        usage_.count_use(Usage::comp_str);
        if (settings_.kr) {
            line("static int _vxcc_ptr(ptr, ref)");
            line("char * ptr;");
            line("char * ref;");
        } else {
            line("static int _vxcc_ptr(vxu_pointer ptr, vxu_pointer ref)");
        }
        line("{");
        line(" if (ref==NONIL) { return(ptr==NULL); } else { return(ref!=ptr); }");
        line("}");
        if (settings_.kr) {
            line("static int _vxcc_str(str, ref)");
            line("char * str;");
            line("char * ref;");
        } else {
            line("static int _vxcc_str(char *str, char *ref)");
        }
        line("{");
        line(" if (ref==NONIL) { return(str==NULL); } else { return(COMP_STR_C(ref,str)); }");
        line("}");
        line("#ifndef VXU_STUB_STR_KEEP");
        line("#define VXU_STUB_STR_KEEP(s) (s)");
        line("#endif");
    }
    for (const TypeNode* type : aggregates) write_aggregate_comparison(type);
}

// "int _vxcc" + type key + "(p, ref, mem, store, sel)": 1 when the value
// at p differs from the one at ref in any member, 0 when they agree or
// when sel[mem], the selector of the parameter, is 0; the value is copied
// to store when store is not null.
void StubGenerator::write_aggregate_comparison(const TypeNode* type) {
    const std::string key = aggregate_key(type);
    if (!aggregates_written_.insert(key).second) return;
    const std::string name = type_image(type, "");
    if (!aggregate_guard_written_) {
        aggregate_guard_written_ = true;
        line("#ifndef _vxcc_const");
        line("#define _vxcc_const");
        line("#endif");
    }
    if (settings_.kr) {
        line("int _vxcc" + key + "( p,ref,mem,store,sel)");
        line("_vxcc_const " + name + " *p;");
        line("_vxcc_const " + name + " *ref;");
        line("int mem;");
        line(name + " *store;");
        line("_vxcc_const int *sel;");
    } else {
        line("int _vxcc" + key + "( _vxcc_const " + name + " *p, _vxcc_const " + name +
             " *ref, int mem, " + name + " *store, _vxcc_const int *sel)");
    }
    line("{");
    line("int Vexor_res;");
    line("Vexor_res=0;");
    line("if (sel[mem]){");
    c_walk_scalar_components(
        complete(type), "",
        [&](const ScalarComponent& c) {
            const std::string a = "(*p)" + c.path;
            const std::string b = "(*ref)" + c.path;
            switch (kind_of(c.type)) {
                case StubValueKind::string:
                    line("  Vexor_res|=_vxcc_str((char *)(" + a + "),(char *)(" + b + "));");
                    break;
                case StubValueKind::pointer:
                    line("  Vexor_res|=_vxcc_ptr((vxu_pointer)(" + a + "),(vxu_pointer)(" + b +
                         "));");
                    break;
                case StubValueKind::function_pointer:
                    line("  Vexor_res|=_VXCC_FUNCPTR(" + a + "," + b + ");");
                    break;
                case StubValueKind::char_array:
                    line("  Vexor_res|=(strcmp(" + a + "," + b + ")!=0);");
                    break;
                case StubValueKind::other:
                case StubValueKind::aggregate:
                    line("  Vexor_res|=(memcmp(&(" + a + "),&(" + b + "),sizeof(" + a + "))!=0);");
                    break;
                default:
                    line("  Vexor_res|=((" + a + ")!=(" + b + "));");
                    break;
            }
        },
        member_macro_);
    line("}");
    line("if (store){");
    line("  *store=*p;");
    line("}");
    line("return (Vexor_res);");
    line("}");
}

void StubGenerator::write_data_declarations(const Stub& stub) {
    const std::string& k = stub.key;
    line("VXU_STUB_CNT _ix" + k + " STUBINACTIVE ;");
    line("#if size" + k);
    if (stub.has_inputs) line("VXU_STUB_CNT _it" + k + ";");
    line("");
    line("static struct _so" + k + " {");
    line(" VXU_STUB_CNT min;");
    line(" VXU_STUB_CNT max;");
    if (stub.result != nullptr) line(" " + type_image(stub.result, "ret") + ";");
    if (stub.has_parameter_data()) line(" int sel[" + std::to_string(stub.selectors + 1) + "];");
    // `expected`: the inputs as the table of expected calls keeps them.
    auto fields = [&](bool inputs, bool expected) {
        for (const StubParameter& p : stub.parameters) {
            if (!(inputs ? p.input() : p.output())) continue;
            if (p.kind == StubValueKind::buffer) {
                // A text keeps room for its terminating zero.
                line(" " + p.field_type + " " + p.name + "[" +
                     std::to_string(p.buffer + (p.text ? 1 : 0)) + "];");
            } else {
                line(" " + (expected ? p.expected_type() : p.field_type) + " " + p.name + ";");
            }
        }
    };
    bool outputs = std::any_of(stub.parameters.begin(), stub.parameters.end(),
                               [](const StubParameter& p) { return p.output(); });
    if (outputs) {
        line(" struct {");
        fields(false, false);
        line("        } _dataout;");
    }
    if (stub.has_inputs) {
        line(" struct {");
        fields(true, true);
        line("        } _datain;");
        line("} _os" + k + "[size" + k + "+1];");
        line("");
        line("static struct _si" + k + " {");
        line("unsigned int indice;");
        line("struct {");
        fields(true, false);
        line("  } _datain;");
        line("} _is" + k + "[calls" + k + "];");
    } else {
        line("} _os" + k + "[size" + k + "+1];");
    }
    line("#endif");
}

std::string StubGenerator::differs(StubValueKind kind, const std::string& actual,
                                   const std::string& expected, const TypeNode* aggregate) const {
    switch (kind) {
        case StubValueKind::string:
            return "_vxcc_str((char *)(" + actual + "),(char *)(" + expected + "))";
        case StubValueKind::pointer:
            return "_vxcc_ptr((vxu_pointer)(" + actual + "),(vxu_pointer)(" + expected + "))";
        case StubValueKind::function_pointer:
            return "_VXCC_FUNCPTR(" + actual + "," + expected + ")";
        case StubValueKind::char_array:
            return "strcmp(" + actual + "," + expected + ")";
        case StubValueKind::aggregate:
            return "_vxcc" + aggregate_key(aggregate) + "(&(" + actual + "),&(" + expected +
                   "),0,0,0)";
        default:
            return "((" + actual + ")!=" + expected + ")";
    }
}

std::string StubGenerator::input_comparison(const Stub& stub, const StubParameter& p) const {
    (void)stub;
    const std::string expected = "Vexor_ptr_out->_datain." + p.name;
    const std::string actual = p.actual();
    const std::string selected = "Vexor_ptr_out->sel[" + std::to_string(p.check_selector) + "]";
    if (p.kind == StubValueKind::aggregate) {
        // The selector is read by the comparison function itself.
        return "Vexor_res|=(" +
               std::string(p.direction == StubDirection::inout ? "!VXU_GIVEN(" + p.name + ")||"
                                                               : "") +
               "_vxcc" + aggregate_key(p.value) + "(&(" + actual + "),&(" + expected + ")," +
               std::to_string(p.check_selector) + ",(Vexor_ptr_in?&(Vexor_ptr_in->_datain." +
               p.name + "):0),&(Vexor_ptr_out->sel[0])));";
    }
    if (p.kind == StubValueKind::buffer) {
        // A null buffer has nothing to compare: the call does not match.
        const std::string head =
            "if (" + selected + ") { if (!VXU_GIVEN(" + p.name + ")) Vexor_res=1; else ";
        if (p.text) {
            return head + "Vexor_res|=(strncmp((const char *)(" + p.name + ")," + expected + "," +
                   std::to_string(p.buffer) + ")!=0); }";
        }
        if (p.scalar_elements()) {
            const StubValueKind element = kind_of(p.components.front().type);
            return head + "for (_Vexor_j=0;_Vexor_j<" + std::to_string(p.buffer) +
                   ";++_Vexor_j) Vexor_res|=" +
                   differs(element, "(" + p.name + ")[_Vexor_j]", expected + "[_Vexor_j]",
                           nullptr) +
                   "; }";
        }
        std::string text = head + "{";
        for (const ValueComponent& c : p.components) {
            const std::string path = c.expression.substr(p.name.size());
            text += " Vexor_res|=" +
                    differs(kind_of(c.type), "(" + p.name + ")" + path, expected + path, nullptr) +
                    ";";
        }
        return text + " } }";
    }
    std::string test = differs(p.kind, actual, expected, p.value);
    if (p.direction == StubDirection::inout) {
        // A null pointer has no value to compare: the call does not match.
        test = "(!VXU_GIVEN(" + p.name + ")||" + test + ")";
    }
    return "Vexor_res|=(" + selected + "&&" + test + ");";
}

void StubGenerator::write_stub_function(const Stub& stub) {
    const std::string& k = stub.key;
    const bool data = stub.has_parameter_data();
    const bool inputs = stub.has_inputs;
    // The head.
    std::string list;
    for (const StubParameter& p : stub.parameters) {
        if (!list.empty()) list += ", ";
        list += settings_.kr ? p.name : p.head;
    }
    if (list.empty() && !settings_.kr) list = "void";
    if (stub.variadic) list += ", ...";
    const TypeNode* fn = c_resolve_type(stub.function->type);
    // The name in parentheses: a C library may also define the function
    // as a function-like macro for GNU C only (newlib's tolower), which
    // the analysis, reading the headers as portable C, never sees.
    const std::string declarator = "(" + stub.name + ")(" + list + ")";
    line(stub.result != nullptr ? type_image(fn->target, declarator) : "void " + declarator);
    if (settings_.kr) {
        for (const StubParameter& p : stub.parameters) line(p.head + ";");
    }
    line("{");
    line("char Vexor_res;");
    line("#define VEXOR_F_IDX _ix" + k);
    line("#if size" + k);
    if (inputs) line("struct _si" + k + " * Vexor_ptr_in;");
    line("struct _so" + k + " * Vexor_ptr_out;");
    line("unsigned int _Vexor_i;");
    const bool element_loops =
        std::any_of(stub.parameters.begin(), stub.parameters.end(),
                    [](const StubParameter& p) { return p.input() && p.scalar_elements(); });
    if (element_loops) line("unsigned int _Vexor_j;");
    line("Vexor_res=0;");
    // A call before the first element (the stub not initialised yet)
    // skips the selection: the outputs then read this entry, which gives
    // nothing back, instead of an unset pointer.
    line("Vexor_ptr_out=&(_os" + k + "[0]);");
    if (inputs) {
        line("  if (VXU_GLOBAL_STUB_INITIALISED(_ix" + k + " >= 0))");
        line("    {");
        line("  if (_it" + k + "<calls" + k + ")");
        line("    {");
        line("       Vexor_ptr_in = &(_is" + k + "[_it" + k + "]);");
        line("       Vexor_ptr_in->indice=0;");
        line("    }");
        line("  else");
        line("    {");
        line("       Vexor_ptr_in = (struct _si" + k + " *)0;");
        line("    }");
    }
    line("#endif");
    if (uses_comparisons(stub)) {
        // Used here whatever the size, so that a harness whose stubs are
        // never called still compiles without warning.
        line("  (void)_vxcc_ptr;");
        line("  (void)_vxcc_str;");
    }
    line("  _ix" + k + "++;");
    // The expected call whose range holds this call's number.
    line("#if size" + k);
    line("  {");
    line("    for (_Vexor_i=0;");
    line("         ((_Vexor_i<size" + k + ")");
    line("\t   &&(_os" + k + "[_Vexor_i].min)");
    line("\t   &&(  ((unsigned int)_os" + k + "[_Vexor_i].min>(unsigned int)_ix" + k + ")");
    line("\t      ||((unsigned int)_os" + k + "[_Vexor_i].max<(unsigned int)_ix" + k + ")));");
    line("\t  ++_Vexor_i);");
    line("  if ((_Vexor_i)&&(!_os" + k + "[_Vexor_i].max)){_Vexor_i--;Vexor_res=1;}");
    line("    Vexor_ptr_out=&(_os" + k + "[_Vexor_i]);");
    line("  }");
    if (!data && stub.result == nullptr) line("  (void)Vexor_ptr_out;");
    for (const StubParameter& p : stub.parameters) {
        if (p.input()) line(input_comparison(stub, p));
    }
    int record = 0;
    if (!settings_.no_edit && session_.output_enabled()) {
        std::string names;
        for (const StubParameter& p : stub.parameters) {
            if (!names.empty()) names += ",";
            names += p.name;
        }
        record = session_.records().write_stub_call(stub.line, stub.name + "(" + names + ")");
    }
    line("#else");
    line("  Vexor_res=1;");
    for (const StubParameter& p : stub.parameters) line("  (void)(" + p.name + ");");
    line("#endif");
    line("  EDV_CHRONO_MUET_C( " + std::to_string(record) + ", Vexor_res,_ix" + k + " );");
    usage_.count_use(Usage::chrono_muet);
    if (inputs) {
        line("#if size" + k);
        line("  if (Vexor_res && Vexor_ptr_in)");
        line("    {");
        line("      Vexor_ptr_in->indice=_ix" + k + ";");
        for (const StubParameter& p : stub.parameters) {
            if (!p.input()) continue;
            const std::string field = "Vexor_ptr_in->_datain." + p.name;
            if (p.kind == StubValueKind::buffer) {
                // The caller's buffer as it was at the call; a text up to its
                // end, its terminating zero kept by the record.
                line("      if (VXU_GIVEN(" + p.name + ")) " +
                     (p.text ? "strncpy(" + field + ",(const char *)(" + p.name + ")," +
                                   std::to_string(p.buffer) + ");"
                             : "memcpy(" + field + "," + p.name + ",sizeof(" + field + "));"));
            } else if (p.kind == StubValueKind::char_array) {
                line("      VXU_STRCPY(" + field + "," + p.actual() + ");");
            } else if (p.kind == StubValueKind::string) {
                // A copy: the caller's buffer may change before the check.
                line("      " + field + "=(" + p.field_type + ")VXU_STUB_STR_KEEP(" + p.actual() +
                     ");");
            } else if (p.direction == StubDirection::inout) {
                line("      if (VXU_GIVEN(" + p.name + ")) " + field + "=" + p.actual() + ";");
            } else {
                line("      " + field + "=" + p.actual() + ";");
            }
        }
        line("      _it" + k + "++;");
        line("    }");
        line("     }");
        line("#endif");
    }
    line("#ifdef STUB_CALL_ORDER");
    line("     STUB_CALL_ORDER(_fn" + k + ");");
    line("#endif");
    bool outputs = std::any_of(stub.parameters.begin(), stub.parameters.end(),
                               [](const StubParameter& p) { return p.output(); });
    if (outputs) {
        line("#if size" + k);
        for (const StubParameter& p : stub.parameters) {
            if (!p.output()) continue;
            const std::string given = "Vexor_ptr_out->_dataout." + p.name;
            // Nothing is given back by a stub the element did not describe
            // (its first entry is the one _vx_init_muets leaves).
            const std::string guard = "  if (VXU_GIVEN(" + p.name + ")&&(Vexor_ptr_out->min>0)&&" +
                                      "(Vexor_ptr_out->sel[" + std::to_string(p.give_selector) +
                                      "])) ";
            if (p.kind == StubValueKind::buffer) {
                line(guard + "memcpy(" + p.name + "," + given + "," +
                     (p.text ? std::to_string(p.buffer) : "sizeof(" + given + ")") + ");");
            } else if (p.kind == StubValueKind::char_array) {
                line(guard + "VXU_STRCPY(*(" + p.name + ")," + given + ");");
            } else {
                line(guard + "*(" + p.name + ")=" + given + ";");
            }
        }
        line("#endif");
    }
    if (stub.no_return) {
        // The function does not return, nor may its stub: the call ends the
        // test, which then does not reach its end.
        line("  VXU_STUB_NO_RETURN(_fn" + k + ");");
        line("#undef VEXOR_F_IDX");
        line("}");
        return;
    }
    if (stub.result == nullptr) {
        line("#undef VEXOR_F_IDX");
        line("}");
        return;
    }
    line("#if size" + k);
    line("  if (VXU_GLOBAL_STUB_INITIALISED(_ix" + k + " >= 0))");
    line("    {");
    line("      return(Vexor_ptr_out->ret);");
    line("    }");
    line("#endif");
    line("#ifndef VXU_NO_STUB_RETURN_VALUE");
    StubValueKind kind = kind_of(stub.result);
    if (kind == StubValueKind::aggregate) {
        // A zero value of the aggregate: static storage is all zeros.
        line("{");
        line("  static " + type_image(stub.result, "ret") + ";");
        line("  return ret;");
        line("}");
    } else {
        line("  return(" + stub.result_type + ")0;");
    }
    line("#endif");
    line("#undef VEXOR_F_IDX");
    line("}");
}

void StubGenerator::write_parameter_checks(const Stub& stub) {
    const bool records = session_.output_enabled();
    for (const StubParameter& p : stub.parameters) {
        if (!p.input()) continue;
        // A call that no statement describes (past the last described
        // call) has no expected values: its parameters are recorded, never
        // compared with those of another call.
        const std::string flag =
            "(Vexor_ptr_out->min>0&&(unsigned int)Vexor_ptr_out->min<=Vexor_ptr_in->indice&&"
            "Vexor_ptr_in->indice<=(unsigned int)Vexor_ptr_out->max?Vexor_ptr_out->sel[" +
            std::to_string(p.check_selector) + "]:0)";
        // One check of the value at `path`; with `elements`, of each of
        // that many elements of the array at `path`, in a loop whose
        // records follow one another.
        // `held`: the expected value is the table's whole number (see
        // StubParameter::held).
        auto check = [&](const std::string& path, const TypeNode* type, long long elements,
                         bool held) {
            StubValueKind kind = kind_of(type);
            if (kind == StubValueKind::other || kind == StubValueKind::aggregate) return;
            int rec = 0;
            std::string o = "Vexor_ptr_in->_datain." + path;
            std::string e = "Vexor_ptr_out->_datain." + path;
            std::string n;
            if (elements > 0) {
                for (long long i = 0; i < elements; ++i) {
                    const int r = records
                                      ? session_.records().write_stub_parameter(
                                            path + "[" + std::to_string(i) + "]", record_form(kind))
                                      : 0;
                    if (i == 0) rec = r;
                }
                o += "[_Vexor_j]";
                e += "[_Vexor_j]";
                n = "0+" + std::to_string(rec) + "+_Vexor_j";
                line("  for (_Vexor_j=0;_Vexor_j<" + std::to_string(elements) + ";++_Vexor_j)");
            } else {
                rec =
                    records ? session_.records().write_stub_parameter(path, record_form(kind)) : 0;
                n = "0+" + std::to_string(rec);
            }
            switch (kind) {
                case StubValueKind::integer:
                case StubValueKind::unsigned_integer: {
                    const std::string base = ",10,";
                    const CheckKindRow& row = c_check_kind_row(kind == StubValueKind::integer
                                                                   ? CheckKind::integer
                                                                   : CheckKind::unsigned_integer);
                    const std::string cast(row.cast);
                    line("  " + std::string(row.check_macro) + "(" + flag + ",0," + cast + o +
                         ")," + n + base + cast + e + ")," + cast + e + "));");
                    usage_.count_use(kind == StubValueKind::integer ? Usage::edv_integer
                                                                    : Usage::edv_unsigned);
                    break;
                }
                case StubValueKind::character:
                    if (held) {
                        line("  EDV_CHAR_HELD_C(" + flag + ",0,(char)(" + o + ")," + n +
                             ",(vxu_integer)(" + e + "),(vxu_integer)(" + e + "));");
                    } else {
                        line("  EDV_CHAR_C(" + flag + ",0,(char)(" + o + ")," + n + ",(char)(" + e +
                             "),(char)(" + e + "));");
                    }
                    usage_.count_use(Usage::edv_char);
                    break;
                case StubValueKind::floating:
                    line("  EDV_FLOAT_C(" + flag + ",0,(float)(" + o + ")," + n + ",(float)(" + e +
                         "),(float)(" + e + "));");
                    usage_.count_use(Usage::edv_float);
                    break;
                case StubValueKind::double_floating:
                    line("  EDV_DOUBLE_C(" + flag + ",0,(double)(" + o + ")," + n + ",(double)(" +
                         e + "),(double)(" + e + "));");
                    usage_.count_use(Usage::edv_double);
                    break;
                case StubValueKind::string:
                case StubValueKind::char_array:
                    line("  EDV_STR_C(" + flag + ",0,(vxu_charstring)(" + o + ")," + n +
                         ",(vxu_charstring)(" + e + "),(vxu_charstring)(" + e + "));");
                    usage_.count_use(Usage::edv_str);
                    break;
                case StubValueKind::pointer:
                    line("  EDV_POINTER_C(" + flag + ",0,(vxu_pointer)(" + o + ")," + n +
                         ",(vxu_pointer)(" + e + "));");
                    usage_.count_use(Usage::edv_pointer);
                    break;
                case StubValueKind::function_pointer:
                    line("  EDV_FUNCPOINTER_C(" + flag + ",0," + o + "," + n + "," + e + ");");
                    usage_.count_use(Usage::edv_pointer);
                    break;
                default:
                    break;
            }
        };
        if (p.kind == StubValueKind::aggregate) {
            c_walk_scalar_components(
                complete(p.value), p.name,
                [&](const ScalarComponent& c) { check(c.path, c.type, 0, false); }, member_macro_);
        } else if (p.scalar_elements()) {
            check(p.name, p.components.front().type, p.buffer, false);
        } else if (p.kind == StubValueKind::buffer) {
            for (const ValueComponent& c : p.components) check(c.expression, c.type, 0, false);
        } else {
            check(p.name, p.value, 0, p.held());
        }
    }
}

void StubGenerator::write_check_function(const Stub& stub) {
    const std::string& k = stub.key;
    const std::string n = std::to_string(stub.number);
    line("void checkin" + k + (settings_.kr ? "()" : "(void)"));
    line("{");
    line("#if size" + k);
    if (stub.has_inputs) {
        line("struct _si" + k + " * Vexor_ptr_in;");
        line("unsigned int i;");
        if (std::any_of(stub.parameters.begin(), stub.parameters.end(),
                        [](const StubParameter& p) { return p.input() && p.scalar_elements(); })) {
            line("unsigned int _Vexor_j;");
        }
    }
    line("  struct _so" + k + " * Vexor_ptr_out;");
    line("int _Vexor_i;");
    line("VXU_STUB_CNT max;");
    line("max=0;");
    line("  for (_Vexor_i=0;((_Vexor_i<(size" + k + "))&&(_os" + k +
         "[_Vexor_i].min>0));++_Vexor_i)");
    line("  {");
    line("    if (max < _os" + k + "[_Vexor_i].max)");
    line("      {");
    line("        max = _os" + k + "[_Vexor_i].max;");
    line("      }");
    line("  }");
    line("  EDV_MUET_CHECK(" + n + ",0);");
    usage_.count_use(Usage::muet_check);
    line("if ((_os" + k + "[_Vexor_i].min)||(!(_os" + k + "[_Vexor_i].max)))");
    line("  {");
    // The call count lies between two bounds: a range, said by its flag.
    line("       EDV_INTEGER_C(1,1,(vxu_integer)(_ix" + k + "),0,10,(vxu_integer)(max?max:_os" + k +
         "[0].min),(vxu_integer)max);");
    usage_.count_use(Usage::edv_integer);
    line("  }");
    line("else");
    line("  {");
    line("\t EDV_UNSIGNED_C(1,1,(vxu_unsigned)(_ix" + k +
         "),0,10,(vxu_unsigned)max,(vxu_unsigned)_os" + k + "[_Vexor_i].max);");
    usage_.count_use(Usage::edv_unsigned);
    line("  }");
    if (stub.has_inputs) {
        if (session_.output_enabled()) session_.records().write_stub_parameter_group();
        line("for (i=0;i<(unsigned int)_it" + k + ";++i){");
        line("  Vexor_ptr_in=&(_is" + k + "[i]);");
        line("  {");
        line("    for (_Vexor_i=0;");
        line("         ((_Vexor_i<size" + k + "-1)");
        line("\t   &&(_os" + k + "[_Vexor_i].min)");
        line("\t   &&(  ((unsigned int)_os" + k + "[_Vexor_i].min>Vexor_ptr_in->indice)");
        line("\t      ||((unsigned int)_os" + k + "[_Vexor_i].max<Vexor_ptr_in->indice)));");
        line("\t  ++_Vexor_i);");
        line("    Vexor_ptr_out=&(_os" + k + "[_Vexor_i]);");
        line("  }");
        line("  EDV_MUET_CHECK(" + n + ", Vexor_ptr_in->indice);");
        usage_.count_use(Usage::muet_check);
        write_parameter_checks(stub);
        line("  }");
    } else {
        line("  (void)Vexor_ptr_out;");
    }
    line("#else");
    line("  EDV_MUET_CHECK(" + n + ",0);");
    usage_.count_use(Usage::muet_check);
    line("\t EDV_INTEGER_C(1,1,(vxu_integer)(_ix" + k + "),0,10,(vxu_integer)-1,(vxu_integer)0);");
    usage_.count_use(Usage::edv_integer);
    line("#endif");
    line("}");
}

// ---- STUB statements -------------------------------------------------------------

namespace {

// A value that is zero as written: 0 in any base, 0.0, NIL.
bool is_zero_text(std::string_view text) {
    text = trimmed(text);
    long long number = 0;
    if (integer_constant(text, number)) return number == 0;
    if (upper_copy(text) == "NIL") return true;
    if (text.empty() || text.find_first_not_of("0.") != std::string_view::npos) return false;
    return text.find('0') != std::string_view::npos;
}

// A list C reads as it stands: no association ("=>", with which ranges and
// others are written) and no bracketed list of the script's own at any
// depth.
bool is_c_list(std::string_view value) {
    TextScanner scan(value, c_quote_rules);
    char previous = ',';
    while (scan.next()) {
        const char c = scan.current();
        if (c == '=' && scan.at() + 1 < value.size() && value[scan.at() + 1] == '>') return false;
        if (c == '[' && (previous == ',' || previous == '{')) return false;
        if (!is_blank(c)) previous = c;
    }
    return true;
}

// Whether a brace list gives each member of `type` an item of its own, in
// braces for an aggregate member: with braces left out (which the script
// allows) C fills the members in order all the same, but a compiler warns
// (-Wmissing-braces), so such a list is written member by member.
bool braced_member_by_member(std::string_view value, const TypeNode* type) {
    const TypeNode* r = c_resolve_type(type);
    std::string_view t = trimmed(value);
    if (r == nullptr || t.size() < 2 || t.front() != '{' || t.back() != '}') return false;
    std::vector<std::string_view> items;
    TextScanner scan(t.substr(1, t.size() - 2), c_quote_rules);
    int depth = 0;
    std::size_t start = 0;
    const std::string_view inner = t.substr(1, t.size() - 2);
    while (scan.next()) {
        const char c = scan.current();
        if (c == '{' || c == '(' || c == '[') ++depth;
        if (c == '}' || c == ')' || c == ']') --depth;
        if (c == ',' && depth == 0) {
            items.push_back(trimmed(inner.substr(start, scan.at() - start)));
            start = scan.at() + 1;
        }
    }
    items.push_back(trimmed(inner.substr(start)));
    std::vector<const TypeNode*> members;
    if (r->kind == TypeKind::struct_type) {
        for (const Field& f : r->fields) {
            if (f.symbol != nullptr && f.symbol->type != nullptr) members.push_back(f.symbol->type);
        }
    } else if (r->kind == TypeKind::union_type && !r->fields.empty() && r->fields[0].symbol) {
        members.push_back(r->fields[0].symbol->type);
    } else {
        return false;
    }
    if (items.size() != members.size()) return false;
    for (std::size_t i = 0; i < items.size(); ++i) {
        const TypeNode* m = c_resolve_type(members[i]);
        const bool aggregate =
            m != nullptr && (m->kind == TypeKind::struct_type || m->kind == TypeKind::union_type ||
                             (m->kind == TypeKind::array && !c_is_string_type(members[i])));
        if (!aggregate) continue;
        if (items[i].empty() || items[i].front() != '{') return false;
        if (m->kind != TypeKind::array && !braced_member_by_member(items[i], members[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string StubGenerator::value_assignment(const std::string& target, const std::string& cast,
                                            StubValueKind kind, const std::string& value) const {
    switch (kind) {
        case StubValueKind::aggregate:
            if (!value.empty() && value.front() == '{') {
                return target + "=(" + cast + ")" + value + ";";
            }
            return target + "=" + value + ";";
        case StubValueKind::char_array:
            return "VXU_STRCPY(" + target + "," + value + ");";
        case StubValueKind::other:
            return "memcpy(&(" + target + "),&(" + value + "),sizeof(" + target + "));";
        case StubValueKind::pointer:
        case StubValueKind::string:
            return target + "=(" + cast + ")(" + pointer_value(value, false) + ");";
        case StubValueKind::function_pointer:
            return target + "=(" + cast + ")(" + pointer_value(value, true) + ");";
        default:
            return target + "=(" + cast + ")(" + value + ");";
    }
}

bool StubGenerator::value_lines(const StubParameter& p, const std::string& target,
                                const std::string& value, StubValueModel* model,
                                std::vector<std::string>& lines, bool expected) const {
    // Every finding of the model on one scalar value: a refusal is an
    // error that drops the statement, the rest are warnings.
    auto checked = [&](std::string_view text, CValueKind kind, const TypeFacts& facts,
                       const std::string& place) {
        bool ok = true;
        // A literal C would refuse, or a NUL that would cut a compared
        // string short, as for a variable.
        const std::string problem = c_literal_problem(
            text, kind == CValueKind::string || kind == CValueKind::string_pointer);
        if (!problem.empty()) {
            session_.reporter().error(msg::CHAINEINV, place + " = " + problem);
            return false;
        }
        if (model == nullptr) return ok;
        for (const ValueFinding& finding : model->check(text, kind, facts)) {
            if (finding.refuses) {
                // The place first, or, for a constant, the constant.
                const bool named = finding.code == msg::ENTOUTRAN || finding.code == msg::IDENTINCO;
                session_.reporter().error(finding.code, named
                                                            ? finding.argument + " (" + place + ")"
                                                            : place + ": " + finding.argument);
                ok = false;
            } else {
                session_.reporter().warning(finding.code, finding.argument);
            }
        }
        return ok;
    };
    if (p.kind == StubValueKind::buffer) {
        std::vector<std::string> leaves;
        SpreadFailure failure;
        if (model == nullptr || !model->spread(p.value, p.name, value, leaves, failure, false)) {
            session_.reporter().error(
                failure.code.value_or(msg::BADAGGREGATE),
                failure.place.empty() ? p.name + " = " + value : failure.place);
            return false;
        }
        if (leaves.size() != p.components.size()) {
            session_.reporter().error(msg::INITAGREG, p.name + " = " + value);
            return false;
        }
        bool ok = true;
        // The target names the parameter's field: the components' paths
        // follow the parameter's name.
        const std::string base = target.substr(0, target.size() - p.name.size());
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            const ValueComponent& c = p.components[i];
            const StubValueKind kind = kind_of(c.type);
            if (!checked(leaves[i], c.kind, c.facts, c.expression)) {
                ok = false;
                continue;
            }
            const std::string field = base + c.expression;
            if (kind == StubValueKind::char_array) {
                // Zeros after the text: a text buffer is given back whole.
                lines.push_back("memset(" + field + ",0,sizeof(" + field + "));");
            }
            lines.push_back(
                value_assignment(field, without_directions(c.type_text), kind, leaves[i]));
        }
        return ok;
    }
    if (p.kind == StubValueKind::aggregate) {
        if (c_is_value_list(value) && model != nullptr) {
            // Spread over the members as the value model reads a compound
            // literal (what the list leaves out is zero), and checked member
            // by member.
            std::vector<std::string> leaves;
            SpreadFailure failure;
            std::vector<ValueComponent> components;
            c_value_components(p.value, p.name, false, components, nullptr, member_macro_);
            if (!model->spread(p.value, p.name, value, leaves, failure, true)) {
                session_.reporter().error(failure.code.value_or(msg::INITAGREG), failure.place);
                return false;
            }
            if (leaves.size() != components.size()) {
                session_.reporter().error(msg::INITAGREG, p.name + " = " + value);
                return false;
            }
            bool ok = true;
            for (std::size_t i = 0; i < leaves.size(); ++i) {
                if (leaves[i].empty()) continue;
                ok = checked(leaves[i], components[i].kind, components[i].facts,
                             components[i].expression) &&
                     ok;
            }
            if (!ok) return false;
            // A whole list C reads itself (braces and positional items, one
            // for every member) stays the compound literal it is: C elides
            // its braces and takes a struct-valued item whole. A shorter one
            // would draw a warning for the members it leaves out.
            const bool whole = std::none_of(leaves.begin(), leaves.end(),
                                            [](const std::string& l) { return l.empty(); });
            if (whole && is_c_list(value) && braced_member_by_member(value, p.value)) {
                lines.push_back(value_assignment(target, p.field_type, p.kind, value));
                return true;
            }
            // The script's own forms (associations, ranges, others) are
            // written member by member into the zeroed entry; a member given
            // zero is not named, so that others => 0 leaves alone the members
            // a C library adds after those a test cares about.
            for (const ValueComponent& c : components) {
                const StubValueKind kind = kind_of(c.type);
                if (c_is_const(c.type)) {
                    session_.reporter().error(msg::CONSTINIT, c.expression);
                    return false;
                }
                if (c.kind == CValueKind::unknown || kind == StubValueKind::other ||
                    kind == StubValueKind::aggregate) {
                    session_.reporter().error(msg::TYPNONGER, c.type_text);
                    return false;
                }
            }
            lines.push_back("memset(&(" + target + "),0,sizeof(" + target + "));");
            for (std::size_t i = 0; i < leaves.size(); ++i) {
                if (leaves[i].empty() || is_zero_text(leaves[i])) continue;
                const ValueComponent& c = components[i];
                lines.push_back(value_assignment(target + c.expression.substr(p.name.size()),
                                                 without_directions(c.type_text), kind_of(c.type),
                                                 leaves[i]));
            }
            return true;
        }
        if (c_is_pointer_word(value) || (!value.empty() && value.front() == '"')) {
            session_.reporter().error(msg::TYPESMISM, p.name + ": " + value);
            return false;
        }
        if (c_has_stray_notation(value)) {
            session_.reporter().error(msg::BADAGGREGATE, p.name + ": " + value);
            return false;
        }
        lines.push_back(value_assignment(target, p.field_type, p.kind, value));
        return true;
    }
    if (!checked(value, p.value_kind, p.facts, p.name)) return false;
    long long written = 0;
    const std::string_view bare = without_outer_parentheses(value);
    if (expected && p.held() && !is_character_literal(bare) && !integer_constant(bare, written)) {
        // Computed by the harness: taken as C converts it when the
        // parameter can hold it (for an unsigned one, a negative value is
        // all ones at its width; for a char, a code from -128 to 255), kept
        // whole otherwise.
        const std::string wide = "(vxu_integer)(" + value + ")";
        std::string held = wide;
        if (p.kind == StubValueKind::character) {
            held = "VXU_HELD_CHAR(" + wide + ")";
        } else if (p.held_unsigned()) {
            held = "VXU_HELD_UNSIGNED(" + wide + "," + std::to_string(p.held_bits()) + ")";
        }
        lines.push_back(target + "=" + held + ";");
        return true;
    }
    lines.push_back(value_assignment(target, p.field_type, p.kind, value));
    return true;
}

void StubGenerator::describe(const StubCall& call, StubValueModel* model) {
    Stub* stub = find_mutable(call.name);
    if (stub == nullptr) {
        session_.reporter().warning(msg::MUETUNDEF, call.name);
        return;
    }
    table_ = stub->table;
    long first = call.first != 0 ? call.first : stub->last_call + 1;
    long last = call.first != 0 ? call.last : first;
    if (first <= stub->last_call || last < first) {
        session_.reporter().warning(msg::NBAPPMUET, call.name);
        return;
    }
    if (!call.has_list && !stub->parameters.empty()) {
        session_.reporter().warning(msg::VALOMIMUE, call.name);
        return;
    }
    std::vector<std::string> values = call.values;
    // "( )" for a stub of one parameter: its one value is left empty.
    if (call.has_list && values.empty() && stub->parameters.size() == 1) values.emplace_back();
    if (values.size() != stub->parameters.size()) {
        session_.reporter().warning(msg::NBVALMUET, call.name);
        return;
    }
    const std::string entry = "_os" + stub->key + "[" + std::to_string(stub->entries.size()) + "]";
    StubEntry e;
    e.min = first;
    e.max = last;
    e.line = call.line;
    e.file = call.file;
    e.lines.push_back(entry + ".min=" + number_text(first) + ";");
    e.lines.push_back(entry + ".max=" + number_text(last) + ";");
    std::vector<int> selectors(static_cast<std::size_t>(stub->selectors), 0);
    bool refused = false;
    for (std::size_t i = 0; i < stub->parameters.size(); ++i) {
        const StubParameter& p = stub->parameters[i];
        std::string expected;
        std::string given;
        const std::string& value = values[i];
        std::size_t arrow_at = find_top_level(value, "=>");
        // "=>" inside a list is an association of the list, not the
        // arrow of an input-output.
        if (c_is_value_list(value)) arrow_at = std::string_view::npos;
        bool arrow = arrow_at != std::string_view::npos;
        if (arrow) {
            if (p.direction != StubDirection::inout) {
                session_.reporter().warning(msg::PARINCDEC, p.name);
                return;
            }
            expected = std::string(trimmed(std::string_view(value).substr(0, arrow_at)));
            given = std::string(trimmed(std::string_view(value).substr(arrow_at + 2)));
        } else if (p.direction == StubDirection::output) {
            given = std::string(trimmed(value));
        } else {
            expected = std::string(trimmed(value));
        }
        bool missing = (p.input() && expected.empty()) || (p.output() && given.empty());
        if (missing) session_.reporter().warning(msg::VALOMIPAR, p.name);
        if (p.input() && !expected.empty()) {
            selectors[static_cast<std::size_t>(p.check_selector)] = 1;
            refused =
                !value_lines(p, entry + "._datain." + p.name, expected, model, e.lines, true) ||
                refused;
        }
        if (p.output() && !given.empty()) {
            selectors[static_cast<std::size_t>(p.give_selector)] = 1;
            refused =
                !value_lines(p, entry + "._dataout." + p.name, given, model, e.lines) || refused;
        }
    }
    for (std::size_t s = 0; s < selectors.size(); ++s) {
        e.lines.push_back(entry + ".sel[" + std::to_string(s) +
                          "]=" + std::to_string(selectors[s]) + ";");
    }
    if (stub->result != nullptr) {
        if (!call.return_value.has_value()) {
            session_.reporter().warning(msg::VALRETMUE, call.name);
        } else {
            StubParameter result;
            result.name = call.name;
            result.value = stub->result;
            result.kind = kind_of(stub->result);
            result.field_type = stub->result_type;
            result.value_kind = c_value_kind(stub->result);
            result.facts = c_type_facts(stub->result);
            refused =
                !value_lines(result, entry + ".ret", *call.return_value, model, e.lines) || refused;
        }
    } else if (call.return_value.has_value()) {
        // The function is void: there is nothing to give back.
        session_.reporter().warning(msg::VALRETVOI, call.name);
    }
    if (refused) return;
    if (!settings_.no_edit && session_.output_enabled() && !call.text.empty()) {
        session_.records().write_stub_statement(call.line, stub->number, first, last, call.text);
    }
    stub->entries.push_back(std::move(e));
    stub->last_call = last;
    stub->described_calls = std::max(stub->described_calls, last);
}

// ---- service functions and globals ---------------------------------------------

std::vector<std::string> StubGenerator::check_lines() const {
    std::vector<std::string> lines;
    for (const Stub& stub : stubs_) lines.push_back("checkin" + stub.key + "();");
    return lines;
}

std::vector<std::string> StubGenerator::init_lines() const {
    std::vector<std::string> lines;
    for (const Stub& stub : stubs_) append_init_lines(stub, lines);
    return lines;
}

std::vector<std::string> StubGenerator::late_declaration_lines() const {
    const std::string no_parameters = settings_.kr ? "()" : "(void)";
    std::vector<std::string> lines;
    std::vector<std::string> checks;
    std::vector<std::string> inits;
    for (const Stub& stub : stubs_) {
        if (!stub.late) continue;
        lines.push_back("void checkin" + stub.key + no_parameters + ";");
        lines.push_back("void _vx_init" + stub.key + no_parameters + ";");
        checks.push_back("checkin" + stub.key + "();");
        inits.push_back("_vx_init" + stub.key + "();");
    }
    // One call a line, so that no line grows with the number of stubs.
    auto define = [&](const char* macro, const std::vector<std::string>& calls) {
        if (calls.empty()) {
            lines.push_back(std::string("#define ") + macro);
            return;
        }
        lines.push_back(std::string("#define ") + macro + " \\");
        for (std::size_t i = 0; i < calls.size(); ++i) {
            lines.push_back(calls[i] + (i + 1 < calls.size() ? " \\" : ""));
        }
    };
    define(late_checks_macro, checks);
    define(late_inits_macro, inits);
    return lines;
}

namespace {
constexpr long max_input_records = 4096;
}  // namespace

std::vector<std::string> StubGenerator::size_lines() const {
    std::vector<std::string> lines;
    for (const Stub& stub : stubs_) {
        lines.push_back("#define size" + stub.key + " " + std::to_string(stub.size));
        // Input records: one per described call and one for a call too
        // many; a call past them is still checked when it happens, its
        // "M" trace says whether it matched.
        const long records =
            std::min(std::max<long>(stub.size, stub.described_calls), max_input_records) + 1;
        lines.push_back("#define calls" + stub.key + " " + std::to_string(records));
    }
    return lines;
}

std::string StubGenerator::call_order_type() const {
    const auto count = stubs_.size();
    if (count < bits_8_limit) return "ZQZQ_U_INT8";
    if (count < bits_16_limit) return "ZQZQ_U_INT16";
    return "ZQZQ_U_INT32";
}

}  // namespace vx
