// The declaration analysis: the grammar's actions build types from
// specifiers and declarators and enter the symbols in the table.
//
// Specifiers are kept as written; the integer base type is composed from
// them right to left ("unsigned long long" is "long" with "long", then
// "unsigned" with that), with the widths of the run's target model. A
// declarator is its name and the derivations (pointer, array, function)
// in the order they apply to the base type, so building the type of
// "int *(*f)(char)" is a plain loop.
#include "canalysis/decl/declaration_parser.h"

#include "canalysis/types/c_characters.h"
#include "canalysis/declaration_grammar.hpp"
#include "canalysis/decl/declaration_parser_context.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/cpp/if_evaluator.h"
#include "canalysis/types/target_model.h"
#include "support/numbers.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cstdlib>
#include <string>

namespace vx {

namespace decl {

namespace {

bool contains(std::string_view name, std::string_view word) {
    return name.find(word) != std::string_view::npos;
}

// The text without blanks outside literals, control characters dropped:
// how an enumerator's value expression prints.
std::string without_blanks(std::string_view s) {
    std::string out;
    std::size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        if (opens_quotation(s, i, c_quote_rules)) {
            const std::size_t end = quotation_end(s, i, c_quote_rules);
            out += s.substr(i, end - i);
            i = end;
            continue;
        }
        if (!is_c_blank(c) && static_cast<unsigned char>(c) >= ' ') {
            out += c;
        }
        ++i;
    }
    return out;
}

bool is_integer_word(std::string_view w) {
    return w == "char" || w == "short" || w == "int" || w == "long" || w == "signed" ||
           w == "unsigned" || w == "const" || w == "volatile";
}

}  // namespace

ParserContext::ParserContext(std::string_view text, TypeTable& table,
                             const DeclarationOptions& options, DiagnosticSink& sink,
                             DeclarationRun& run)
    : text_(text),
      line_(options.first_line),
      file_(table.file_name(options.file)),
      table_(table),
      options_(options),
      sink_(sink),
      run_(run) {}

void ParserContext::report(Severity level, MessageCode code, std::string_view argument, long line) {
    // A system header may declare again what another one declared: the
    // compiler accepts it from its own headers without a word.
    if (level == Severity::warning &&
        (code == msg::REDEFSYMB || code == msg::REDEFSTRU || code == msg::TYPDEFSEU) &&
        run_.is_system_file && run_.is_system_file(file_)) {
        return;
    }
    sink_.report(level, code, argument, file_, line);
}

std::string ParserContext::statement_text() const {
    std::size_t end =
        std::min(last_token_end_ > statement_start_ ? last_token_end_ : pos_, text_.size());
    if (end < statement_start_) end = statement_start_;
    std::string_view piece = text_.substr(statement_start_, end - statement_start_);
    std::string shown;
    shown.reserve(piece.size());
    for (char c : piece) shown += static_cast<unsigned char>(c) < ' ' ? ' ' : c;
    std::string_view kept = trimmed(shown, c_blanks);
    if (kept.size() > syntax_error_shown) kept = kept.substr(kept.size() - syntax_error_shown);
    return std::string(kept);
}

void ParserContext::syntax_error(const char* message) {
    std::string_view what(message);
    if (what.find("exhausted") != std::string_view::npos) {
        // The parser's stack is full: reported as a syntax error, and the
        // parse ends.
        report(Severity::warning, msg::SYNTAXERR, statement_text(), last_token_line_);
        stopped_ = true;
        return;
    }
    if (at_end_) {
        if (reported_eof_) return;
        reported_eof_ = true;
        report(Severity::error, msg::UNEXP_EOF, statement_text(),
               initializer_line_ ? initializer_line_ : last_token_line_);
        return;
    }
    report(Severity::warning, msg::SYNTAXERR, statement_text(), last_token_line_);
}

// ---- specifiers ----------------------------------------------------------------

Specs* ParserContext::new_specs() {
    Specs& s = specs_.take();
    s.line = last_token_line_;
    return &s;
}

Specs* ParserContext::implicit_specs() {
    Specs* s = new_specs();
    s->implicit = true;
    return s;
}

SemanticValue ParserContext::storage_item(unsigned flag) {
    SemanticValue v{};
    v.item = SpecItem{ItemKind::storage, flag, nullptr, 0, nullptr};
    return v;
}

SemanticValue ParserContext::word_item(const char* word) {
    SemanticValue v{};
    v.item = SpecItem{ItemKind::word, 0, word, std::char_traits<char>::length(word), nullptr};
    return v;
}

SemanticValue ParserContext::typedef_item(TextRef name) {
    SemanticValue v{};
    TypeNode* named = nullptr;
    Symbol* s = table_.lookup_symbol(name.view(), options_.scope);
    if (!s || !(s->storage & storage_typedef)) s = table_.global_typedef(name.view());
    if (s) named = s->type;
    v.item = SpecItem{ItemKind::other, 0, name.data, name.size, named};
    return v;
}

SemanticValue ParserContext::type_item(TypeNode* type) {
    SemanticValue v{};
    v.item = SpecItem{ItemKind::other, 0, nullptr, 0, type};
    return v;
}

TypeNode* ParserContext::extended_real(TextRef keyword) {
    return table_.extended_real_type(keyword.view());
}

TypeNode* ParserContext::typeof_type(TextRef text) {
    std::string_view inside = trimmed(text.view(), c_blanks);
    if (inside.empty()) return table_.void_type();
    if (TypeNode* type = c_type_from_text(inside, table_, options_.scope, run_)) return type;
    ExpressionRun run(table_, run_);
    run.scope = std::string(options_.scope);
    CountingSink quiet;  // what the expression cannot type is void
    ExpressionTree tree = c_parse_expression(run, inside, file_, text.line, quiet);
    const TypeNode* type = nullptr;
    if (tree != nullptr) {
        type = c_expression_type(run, tree->root, nullptr, file_, text.line, options_.scope, quiet);
        if (type == &run.aggregate_placeholder) type = nullptr;
        c_free_expression(tree);
    }
    return type ? const_cast<TypeNode*>(type) : table_.void_type();
}

TypeNode* ParserContext::atomic_type(TextRef text) {
    // The atomic form of the named type: a qualified type, so that the
    // harness reads and writes it with plain loads and stores, and its
    // declarations say "_Atomic" as the unit's do.
    TypeNode* type = typeof_type(text);
    if (type == table_.void_type()) return type;
    return table_.qualified("_Atomic", type);
}

SemanticValue ParserContext::qualifier_item(TextRef word) {
    SemanticValue v{};
    v.item = SpecItem{ItemKind::qualifier, 0, word.data, word.size, nullptr};
    return v;
}

SemanticValue ParserContext::qualifier_item(const char* word) {
    SemanticValue v{};
    v.item = SpecItem{ItemKind::qualifier, 0, word, std::char_traits<char>::length(word), nullptr};
    return v;
}

SemanticValue ParserContext::prefixed_qualifier(const char* prefix,
                                                const SemanticValue& qualifier) {
    std::string& word = strings_.emplace_back(prefix);
    word.append(qualifier.item.text, qualifier.item.size);
    SemanticValue v{};
    v.item = SpecItem{ItemKind::qualifier, 0, word.data(), word.size(), nullptr};
    return v;
}

void ParserContext::add_spec(Specs* specs, const SemanticValue& value) {
    const SpecItem& item = value.item;
    switch (item.kind) {
        case ItemKind::storage:
            specs->storage |= item.storage;
            break;
        case ItemKind::word:
            specs->words.emplace_back(item.text, item.size);
            break;
        case ItemKind::other:
            if (!specs->other) specs->other = item.type;
            break;
        case ItemKind::qualifier:
            specs->qualifiers.emplace_back(item.text, item.size);
            break;
    }
}

void ParserContext::push_specs(Specs* specs) { specs_stack_.push_back(specs); }

void ParserContext::pop_specs() {
    if (!specs_stack_.empty()) specs_stack_.pop_back();
}

// ---- composing the base type ----------------------------------------------------

TypeNode* ParserContext::base_word_type(std::string_view word) {
    const TargetModel& t = run_.target;
    if (word == "char") {
        int bits = t.base_width(BaseInteger::char_type);
        return table_.integer_type("char", t.plain_char_signed() ? -bits : bits, true);
    }
    if (word == "short")
        return table_.integer_type("short", -t.base_width(BaseInteger::short_type), false);
    if (word == "int")
        return table_.integer_type("int", -t.base_width(BaseInteger::int_type), false);
    if (word == "long")
        return table_.integer_type("long", -t.base_width(BaseInteger::long_type), false);
    if (word == "signed")
        return table_.integer_type("signed", -t.base_width(BaseInteger::int_type), false);
    if (word == "unsigned")
        return table_.integer_type("unsigned", t.base_width(BaseInteger::int_type), false);
    if (word == "float" || word == "double") return table_.floating_type(word);
    if (word == "__int128") return table_.wide_integer_type("__int128", -128);
    return table_.void_type();
}

TypeNode* ParserContext::compose(Specs& specs) {
    if (!specs.composed) {
        specs.base = compose_words(specs);
        specs.composed = true;
    }
    return specs.base;
}

TypeNode* ParserContext::compose_words(const Specs& specs) {
    const TargetModel& target = run_.target;
    TypeNode* type = nullptr;
    auto construct = [&](std::string_view left, std::string_view right) {
        report(Severity::warning, msg::CONSTRUCT, std::string(left) + " " + std::string(right),
               specs.line);
        return static_cast<TypeNode*>(nullptr);
    };
    if (!specs.words.empty()) {
        if (specs.other) {
            return construct(specs.words.front(), specs.other->name);
        }
        type = base_word_type(specs.words.back());
        for (std::size_t i = specs.words.size() - 1; i-- > 0;) {
            std::string_view left = specs.words[i];
            if (type->kind == TypeKind::wide_integer) {
                // Only a sign goes with __int128.
                if (left != "signed" && left != "unsigned") return construct(left, type->name);
                type = table_.wide_integer_type(std::string(left) + " " + type->name,
                                                left == "signed" ? -128 : 128);
                continue;
            }
            if (left == "__int128") {
                // "__int128" after its sign: "unsigned __int128" written
                // the other way round.
                if (type->name != "signed" && type->name != "unsigned")
                    return construct(left, type->name);
                type = table_.wide_integer_type(type->name + " __int128",
                                                type->width > 0 ? 128 : -128);
                continue;
            }
            if (type->kind == TypeKind::floating) {
                if (contains(left, "long") && type->name == "double") {
                    type = table_.floating_type("long double");
                    continue;
                }
                return construct(left, type->name);
            }
            if (type->kind != TypeKind::integer || left == "float" || left == "double" ||
                left == "void") {
                return construct(left, type->kind == TypeKind::void_type ? "void" : type->name);
            }
            const std::string right = type->name;
            const int w = type->width;
            const int magnitude = w < 0 ? -w : w;
            if ((contains(left, "unsigned") && contains(right, "signed")) ||
                (contains(left, "signed") && contains(right, "unsigned")) ||
                (contains(left, "short") && contains(right, "long")) ||
                (contains(left, "long") && contains(right, "short"))) {
                return construct(left, right);
            }
            std::string name = std::string(left) + " " + right;
            if (contains(left, "unsigned")) {
                type = table_.integer_type(name, magnitude, type->is_char);
            } else if (contains(left, "signed")) {
                type = table_.integer_type(name, -magnitude, type->is_char);
            } else if (contains(left, "long")) {
                int bits = contains(right, "long") ? target.base_width(BaseInteger::long_long_type)
                                                   : target.base_width(BaseInteger::long_type);
                type = table_.integer_type(name, w > 0 ? bits : -bits, false);
            } else if (contains(left, "short")) {
                int bits = target.base_width(BaseInteger::short_type);
                type = table_.integer_type(name, w <= 0 ? -bits : bits, type->is_char);
            } else {
                return construct(left, right);
            }
        }
    } else if (specs.other) {
        type = specs.other;
    } else {
        // No type at all: the int of old C.
        type = base_word_type("int");
    }
    for (std::size_t i = specs.qualifiers.size(); i-- > 0;) {
        type = table_.qualified(specs.qualifiers[i], type);
    }
    return type;
}

// ---- declarators -----------------------------------------------------------------

Declarator* ParserContext::named_declarator(TextRef name) {
    Declarator& d = declarators_.take();
    d.name = name.data ? name.view() : std::string_view{};
    d.line = name.data ? name.line : last_token_line_;
    return &d;
}

Declarator* ParserContext::pointer_declarator(Specs* qualifiers, Declarator* inner) {
    Declarator& d = declarators_.take();
    d.line = last_token_line_;
    d.derivations.push_back(Derivation{DerivationKind::pointer, qualifiers, {}, nullptr});
    if (inner) {
        for (const Derivation& x : inner->derivations) d.derivations.push_back(x);
    }
    return &d;
}

Declarator* ParserContext::with_pointer(Declarator* declarator, Declarator* pointer) {
    // The pointer applies to the base type before the declarator's own
    // derivations: "*a[3]" is an array of pointers.
    std::vector<Derivation> all = pointer->derivations;
    for (const Derivation& x : declarator->derivations) all.push_back(x);
    declarator->derivations = std::move(all);
    return declarator;
}

Declarator* ParserContext::with_array(Declarator* declarator, TextRef bound) {
    // A suffix applies before everything already derived: "(*p)[3]" is a
    // pointer to an array.
    declarator->derivations.insert(
        declarator->derivations.begin(),
        Derivation{DerivationKind::array, nullptr, bound.view(), nullptr});
    return declarator;
}

Declarator* ParserContext::with_function(Declarator* declarator, Parameters* parameters) {
    declarator->derivations.insert(declarator->derivations.begin(),
                                   Derivation{DerivationKind::function, nullptr, {}, parameters});
    return declarator;
}

Parameters* ParserContext::new_parameters() { return &parameters_.take(); }

void ParserContext::add_parameter(Parameters* list, const SemanticValue& parameter) {
    list->declarations.push_back(parameter.param);
}

void ParserContext::add_identifier(Parameters* list, TextRef name) {
    list->kr = true;
    list->identifiers.push_back(name.view());
}

SemanticValue ParserContext::parameter(Specs* specs, Declarator* declarator) {
    SemanticValue v{};
    v.param = ParameterDecl{specs, declarator};
    vector_size_.clear();  // vectors are not followed into parameters
    return v;
}

std::string ParserContext::normalise_bound(std::string_view bound) {
    if (bound.size() >= long_bound_text) {
        TargetIfEnvironment environment(run_.target,
                                        [this](MessageCode code, std::string_view text) {
                                            report(Severity::warning, code, text, line_);
                                        });
        IfValue value = evaluate_if_expression(bound, environment);
        if (!value.is_unsigned ? value.value > 0 : value.value != 0) {
            return std::to_string(static_cast<unsigned long long>(value.value));
        }
    }
    return without_blanks(without_casts(bound));
}

std::string ParserContext::without_casts(std::string_view bound) const {
    std::string text(bound);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < ' ') c = ' ';
    }
    // Casts to an integer type or a typedef name go: "(size_t)10" is "10".
    std::string out;
    for (std::size_t i = 0; i < text.size();) {
        // The parentheses of "sizeof (type)" hold its operand, not a cast.
        std::size_t word_end = out.size();
        while (word_end > 0 && is_c_blank(out[word_end - 1])) --word_end;
        std::size_t word_start = word_end;
        while (word_start > 0 && is_ident_char(out[word_start - 1])) --word_start;
        bool alignment = false;
        const bool operand = is_size_operator(
            std::string_view(out.data() + word_start, word_end - word_start), alignment);
        if (text[i] == '(' && !operand) {
            std::size_t close = text.find(')', i);
            if (close != std::string::npos) {
                std::string_view inside(text.data() + i + 1, close - i - 1);
                bool all_type_words = false;
                int words = 0;
                bool only_words = true;
                std::string_view single;
                for (std::size_t j = 0; j < inside.size();) {
                    if (is_c_blank(inside[j])) {
                        ++j;
                        continue;
                    }
                    if (!is_ident_char(inside[j])) {
                        only_words = false;
                        break;
                    }
                    std::size_t k = j;
                    while (k < inside.size() && is_ident_char(inside[k])) ++k;
                    std::string_view w = inside.substr(j, k - j);
                    ++words;
                    single = w;
                    all_type_words = (words == 1 || all_type_words) && is_integer_word(w);
                    j = k;
                }
                bool is_cast = only_words && words > 0 &&
                               (all_type_words || (words == 1 && table_.global_typedef(single)));
                if (is_cast) {
                    i = close + 1;
                    continue;
                }
            }
        }
        out += text[i++];
    }
    return out;
}

TypeNode* ParserContext::function_type(TypeNode* result, const Parameters* parameters) {
    TypeNode* f = table_.new_node(TypeKind::function);
    f->target = result;
    if (!parameters) {
        f->unprototyped = true;
        return f;
    }
    f->variadic = parameters->variadic;
    if (parameters->kr) {
        for (std::string_view name : parameters->identifiers) {
            f->parameters.push_back(Parameter{std::string(name), nullptr});
        }
        return f;
    }
    for (const ParameterDecl& p : parameters->declarations) {
        TypeNode* base = compose(*p.specs);
        TypeNode* type = base ? apply(base, p.declarator) : nullptr;
        std::string name = p.declarator ? std::string(p.declarator->name) : std::string();
        f->parameters.push_back(Parameter{name, type});
    }
    return f;
}

TypeNode* ParserContext::apply(TypeNode* base, const Declarator* declarator) {
    TypeNode* type = base;
    if (!declarator) return type;
    for (const Derivation& d : declarator->derivations) {
        switch (d.kind) {
            case DerivationKind::pointer: {
                std::vector<std::string> qualifiers;
                if (d.qualifiers) {
                    for (std::string_view q : d.qualifiers->qualifiers) qualifiers.emplace_back(q);
                }
                type = table_.pointer_to(type, qualifiers);
                break;
            }
            case DerivationKind::array: {
                type = table_.array_of(type, normalise_bound(d.bound));
                // The bound keeps its text; its value, when the analysis
                // can tell it, is the array's length everywhere else. The
                // node is shared by every array of that bound text.
                if (type->length == 0 && !type->bound.empty()) {
                    const std::optional<long long> value =
                        constant_value(without_casts(d.bound), 0);
                    if (value && *value > 0) type->length = *value;
                }
                break;
            }
            case DerivationKind::function:
                type = function_type(type, d.parameters);
                break;
        }
    }
    return type;
}

// ---- entering symbols --------------------------------------------------------------

namespace {

const TypeNode* as_function(const TypeNode* type) {
    return type && type->kind == TypeKind::function ? type : nullptr;
}

bool is_void_list(const TypeNode* f) {
    if (f->parameters.size() != 1 || !f->parameters[0].name.empty()) return false;
    const TypeNode* t = f->parameters[0].type;
    return t && t->kind == TypeKind::void_type;
}

}  // namespace

bool ParserContext::same_parameters(const TypeNode* a, const TypeNode* b) const {
    if (a->unprototyped || b->unprototyped) return true;
    if (a->parameters.size() == b->parameters.size()) return true;
    if (a->parameters.empty() && is_void_list(b)) return true;
    if (b->parameters.empty() && is_void_list(a)) return true;
    return false;
}

void ParserContext::merge_functions(Symbol* old_symbol, TypeNode* new_type) {
    const TypeNode* old_type = old_symbol->type;
    if (!same_parameters(old_type, new_type)) {
        report(Severity::warning, msg::REDEFSYMB, old_symbol->name, last_token_line_);
        old_symbol->type = new_type;
        return;
    }
    if (new_type->unprototyped && !old_type->unprototyped) return;  // "f();" after a prototype
    if (!old_type->unprototyped && old_type->parameters.size() == new_type->parameters.size()) {
        for (std::size_t i = 0; i < new_type->parameters.size(); ++i) {
            if (new_type->parameters[i].name.empty())
                new_type->parameters[i].name = old_type->parameters[i].name;
        }
    }
    old_symbol->type = new_type;
}

void ParserContext::enter_ordinary(Symbol* symbol) {
    Symbol* old = table_.lookup_exact(symbol->name, symbol->scope);
    if (!old) {
        table_.enter_symbol(symbol);
        return;
    }
    if (old->storage & storage_extern) {
        // An extern declaration completed by the definition.
        bool was_definition = old->is_function_definition;
        const bool no_return = old->no_return || symbol->no_return;
        TypeNode* old_type = old->type;
        Symbol saved = *symbol;
        *old = saved;
        if (as_function(old_type) && as_function(saved.type)) {
            old->type = old_type;
            merge_functions(old, saved.type);
        }
        old->is_function_definition = old->is_function_definition || was_definition;
        old->no_return = no_return;
        return;
    }
    if ((old->storage & storage_static) && old->file != symbol->file) {
        table_.enter_symbol(symbol);
        return;
    }
    if (as_function(old->type) && as_function(symbol->type)) {
        merge_functions(old, symbol->type);
        old->no_return = old->no_return || symbol->no_return;
        if (symbol->is_function_definition) {
            old->is_function_definition = true;
            old->body = symbol->body;
            old->file = symbol->file;
            old->line = symbol->line;
        }
        old->storage |= symbol->storage & storage_static;
        return;
    }
    if ((symbol->storage & storage_extern) && old->type == symbol->type) {
        return;  // a later extern declaration of a known object
    }
    report(Severity::warning, msg::REDEFSYMB, symbol->name, symbol->line);
    old->type = symbol->type;
    old->storage = symbol->storage;
    old->initial_value = symbol->initial_value;
}

Symbol* ParserContext::new_declared_symbol(const Declarator& declarator, const Specs& specs) {
    Symbol* symbol = table_.new_symbol();
    symbol->name = declarator.name;
    symbol->scope = options_.scope;
    symbol->storage = specs.storage;
    symbol->file = file_;
    symbol->line = declarator.line;
    return symbol;
}

void ParserContext::declare(Declarator* declarator, const TextRef* initializer) {
    if (specs_stack_.empty() || !declarator) return;
    Specs* specs = specs_stack_.back();
    TypeNode* base = compose(*specs);
    if (base && !vector_size_.empty()) base = table_.vector_of(base, vector_size_);
    vector_size_.clear();
    TypeNode* type = base ? apply(base, declarator) : nullptr;
    // GNU C's "__auto_type x = e;" (read as void) has the type of e.
    if (type != nullptr && type == table_.void_type() && initializer != nullptr &&
        !(specs->storage & storage_typedef)) {
        type = typeof_type(*initializer);
    }
    Symbol* symbol = new_declared_symbol(*declarator, *specs);
    symbol->no_return = no_return_ && type != nullptr && type->kind == TypeKind::function;
    if (initializer) symbol->initial_value = trimmed(initializer->view(), c_blanks);
    if (kr_mode_) {
        symbol->type = type;
        kr_parameters_.push_back(symbol);
        return;
    }
    if (specs->storage & storage_typedef) {
        Symbol* old = table_.lookup_exact(symbol->name, symbol->scope);
        if (old && (old->storage & storage_typedef) && old->type && type &&
            old->type->target == type) {
            return;  // the same typedef again
        }
        symbol->type = type ? table_.named_type(symbol->name, type, symbol->scope) : nullptr;
    } else {
        symbol->type = type;
    }
    if (symbol->name.empty()) return;
    enter_ordinary(symbol);
}

void ParserContext::declare_specifiers_only(Specs* specs) {
    // "struct s { ... };" entered its tag already; a specifier list with
    // nothing declared still has its base type composed for its warnings.
    if (!specs->words.empty()) compose(*specs);
    if (specs->storage & storage_typedef) {
        // "typedef int;", "typedef struct s { ... };": no name is defined.
        report(Severity::warning, msg::TYPDEFSEU, statement_text(), last_token_line_);
    }
    end_statement();
}

void ParserContext::begin_kr_declarations() {
    kr_mode_ = true;
    kr_parameters_.clear();
}

void ParserContext::define_function(Declarator* declarator, TextRef body) {
    kr_mode_ = false;
    if (specs_stack_.empty() || !declarator) return;
    Specs* specs = specs_stack_.back();
    TypeNode* base = compose(*specs);
    TypeNode* type = base ? apply(base, declarator) : nullptr;
    if (type && type->kind == TypeKind::function) {
        // Old-style parameters take their types from the declarations
        // between the ")" and the body; an undeclared one is an int.
        for (Parameter& p : type->parameters) {
            if (p.type) continue;
            for (Symbol* k : kr_parameters_) {
                if (k->name == p.name) p.type = k->type;
            }
            if (!p.type) p.type = base_word_type("int");
        }
    }
    kr_parameters_.clear();
    Symbol* symbol = new_declared_symbol(*declarator, *specs);
    symbol->type = type;
    symbol->is_function_definition = true;
    symbol->no_return = no_return_;
    if (options_.keep_bodies) symbol->body = body.view();
    if (!symbol->name.empty()) enter_ordinary(symbol);
    end_statement();
}

void ParserContext::end_statement() {
    initializer_line_ = 0;
    vector_size_.clear();
    if (no_return_at_ < terminator_at_) no_return_ = false;
}

void ParserContext::recover_top_level() {
    vector_size_.clear();
    specs_stack_.clear();
    member_stack_.clear();
    enum_stack_.clear();
    kr_mode_ = false;
    kr_parameters_.clear();
    struct_depth_ = 0;
}

void ParserContext::end_external() {
    // Nothing of the declaration outlives it: its symbols and types hold
    // no specifiers, declarators or parameter lists. Inside an open body
    // (never at this point, unless the grammar changes) nothing is given
    // back.
    if (specs_stack_.empty() && member_stack_.empty()) {
        specs_.give_back_all();
        declarators_.give_back_all();
        parameters_.give_back_all();
    }
}

// ---- structs, unions, enums -------------------------------------------------------

void ParserContext::open_members() {
    member_stack_.push_back(MemberFrame{{}, specs_stack_.size()});
}

void ParserContext::add_member(Declarator* declarator, const TextRef* bit_width) {
    if (member_stack_.empty() || specs_stack_.empty()) return;
    if (!declarator) return;  // ": 3" alone pads, it declares nothing
    Specs* specs = specs_stack_.back();
    TypeNode* base = compose(*specs);
    if (base && !vector_size_.empty()) base = table_.vector_of(base, vector_size_);
    vector_size_.clear();
    Symbol* field = table_.new_symbol();
    field->name = declarator->name;
    field->type = base ? apply(base, declarator) : nullptr;
    field->scope = options_.scope;
    field->file = file_;
    field->line = declarator->line;
    Field f{field, {}};
    if (bit_width) {
        std::string width(trimmed(bit_width->view(), c_blanks));
        for (char& c : width) {
            if (static_cast<unsigned char>(c) < ' ') c = ' ';
        }
        f.bit_width = width;
    }
    member_stack_.back().fields.push_back(f);
}

void ParserContext::anonymous_member(Specs* specs) {
    if (member_stack_.empty()) return;
    TypeNode* type = compose(*specs);
    const TypeNode* resolved = c_resolve_type(type);
    // Only an unnamed struct or union is a member ("struct s;" inside a body
    // declares a tag, nothing more).
    if (!resolved ||
        (resolved->kind != TypeKind::struct_type && resolved->kind != TypeKind::union_type) ||
        !resolved->name.empty()) {
        return;
    }
    Symbol* field = table_.new_symbol();
    field->type = type;
    field->scope = options_.scope;
    field->file = file_;
    field->line = specs->line;
    member_stack_.back().fields.push_back(Field{field, {}});
}

void ParserContext::recover_member() {
    if (member_stack_.empty()) return;
    specs_stack_.resize(std::min(specs_stack_.size(), member_stack_.back().specs_depth));
}

namespace {

TagKind tag_kind(int is_union) { return is_union ? TagKind::union_tag : TagKind::struct_tag; }

}  // namespace

TypeNode* ParserContext::struct_body(int is_union, TextRef tag, bool tagged) {
    std::vector<Field> fields;
    if (!member_stack_.empty()) {
        fields = std::move(member_stack_.back().fields);
        specs_stack_.resize(std::min(specs_stack_.size(), member_stack_.back().specs_depth));
        member_stack_.pop_back();
    }
    TypeKind kind = is_union ? TypeKind::union_type : TypeKind::struct_type;
    if (!tagged) {
        TypeNode* node = table_.new_node(kind);
        node->fields = std::move(fields);
        node->complete = true;
        node->scope = options_.scope;
        table_.enter_anonymous(node);
        return node;
    }
    TypeNode* node = table_.lookup_tag(tag.view(), tag_kind(is_union));
    if (node) {
        if (node->complete) report(Severity::warning, msg::REDEFSTRU, tag.view(), tag.line);
        node->fields = std::move(fields);
        node->complete = true;
        return node;
    }
    node = table_.new_node(kind);
    node->name = tag.view();
    node->scope = options_.scope;
    node->fields = std::move(fields);
    node->complete = true;
    table_.enter_tag(node);
    return node;
}

TypeNode* ParserContext::struct_reference(int is_union, TextRef tag) {
    if (TypeNode* node = c_lookup_tag(tag.view(), table_, tag_kind(is_union))) return node;
    TypeNode* node = table_.new_node(is_union ? TypeKind::union_type : TypeKind::struct_type);
    node->name = tag.view();
    node->scope = options_.scope;
    table_.enter_tag(node);
    return node;
}

void ParserContext::open_enumerators() { enum_stack_.emplace_back(); }

void ParserContext::add_enumerator(TextRef name, const TextRef* value) {
    if (enum_stack_.empty()) return;
    EnumFrame& frame = enum_stack_.back();
    Enumerator e;
    e.name = name.view();
    if (value) {
        e.value = without_blanks(value->view());
        e.explicit_value = true;
        frame.last_explicit = e.value;
        frame.since_explicit = 0;
    } else if (frame.last_explicit.empty()) {
        e.value = std::to_string(frame.enumerators.size());
    } else {
        ++frame.since_explicit;
        e.value = frame.last_explicit + "+" + std::to_string(frame.since_explicit);
    }
    frame.enumerators.push_back(std::move(e));
}

TypeNode* ParserContext::enum_body(TextRef tag, bool tagged) {
    std::vector<Enumerator> enumerators;
    if (!enum_stack_.empty()) {
        enumerators = std::move(enum_stack_.back().enumerators);
        enum_stack_.pop_back();
    }
    TypeNode* node = nullptr;
    if (tagged) {
        node = table_.lookup_tag(tag.view(), TagKind::enum_tag);
        if (node && node->complete) report(Severity::warning, msg::REDEFSTRU, tag.view(), tag.line);
    }
    if (!node) {
        node = table_.new_node(TypeKind::enum_type);
        node->scope = options_.scope;
        if (tagged) {
            node->name = tag.view();
            table_.enter_tag(node);
        } else {
            table_.enter_anonymous(node);
        }
    }
    node->enumerators = std::move(enumerators);
    node->complete = true;
    for (std::size_t i = 0; i < node->enumerators.size(); ++i) {
        EnumerationConstant constant{node->enumerators[i].name, node, static_cast<int>(i)};
        table_.enter_enumerator(constant);
        run_.enumeration_constants.push_back(constant);
    }
    return node;
}

TypeNode* ParserContext::enum_reference(TextRef tag) {
    if (TypeNode* node = c_lookup_tag(tag.view(), table_, TagKind::enum_tag)) return node;
    TypeNode* node = table_.new_node(TypeKind::enum_type);
    node->name = tag.view();
    node->scope = options_.scope;
    table_.enter_tag(node);
    return node;
}

}  // namespace decl

// ---- entry points ----------------------------------------------------------------------

void c_parse_declarations(std::string_view text, TypeTable& table,
                          const DeclarationOptions& options, DiagnosticSink& sink,
                          DeclarationRun& run) {
    decl::ParserContext context(text, table, options, sink, run);
    vxdecl_parse(context);
}

TypeNode* c_type_from_text(std::string_view text, TypeTable& table, std::string_view scope,
                           DeclarationRun& run) {
    static constexpr std::string_view wrapper = "__vexor_var";
    std::string declaration = std::string(wrapper) + "(" + std::string(text) + ");";
    CountingSink sink;
    DeclarationOptions options;
    options.scope = scope;
    options.file = "*type*";
    c_parse_declarations(declaration, table, options, sink, run);
    TypeNode* result = nullptr;
    Symbol* symbol = table.lookup_exact(wrapper, scope);
    if (sink.count == 0 && symbol && symbol->type && symbol->type->kind == TypeKind::function &&
        symbol->type->parameters.size() == 1 && symbol->type->parameters[0].name.empty() &&
        symbol->type->parameters[0].type) {
        result = symbol->type->parameters[0].type;
    }
    while (table.remove_symbol(wrapper, scope)) {
    }
    return result;
}

}  // namespace vx
