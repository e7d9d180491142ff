// The declaration parser's context: the lexer state and the actions of the
// grammar (declaration_grammar.y). Internal to the declaration analysis;
// the rest of the compiler uses declaration_parser.h.
//
// The grammar's semantic values are plain records (the parser stack is
// copied bytewise); what they point at lives in the context's arenas for
// the length of one parse.
#pragma once

#include "canalysis/types/c_types.h"
#include "canalysis/decl/declaration_parser.h"
#include "canalysis/diagnostic_sink.h"
#include "canalysis/types/type_table.h"

#include <cstddef>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::decl {

// True for "sizeof" and the spellings of "_Alignof" (`alignment` then set):
// their parentheses hold an operand, not a cast (array_bounds.cpp).
bool is_size_operator(std::string_view word, bool& alignment);

// A piece of the source text: a token's spelling or a captured text.
struct TextRef {
    const char* data;
    std::size_t size;
    long line;
    std::string_view view() const { return {data, size}; }
};

struct Declarator;
struct Parameters;

// The specifiers of one declaration, in the order written.
struct Specs {
    unsigned storage = 0;
    std::vector<std::string_view>
        words;                  // char, short, int, long, signed, unsigned, float, double, void
    TypeNode* other = nullptr;  // struct, union, enum, typedef name, typeof
    std::vector<std::string_view> qualifiers;  // const, volatile, inline, type modifiers
    bool implicit = false;                     // no specifier at all (K&R "f();")
    long line = 0;
    // The composed base type, once composed (its warnings are given once
    // for all the declarators of the declaration).
    bool composed = false;
    TypeNode* base = nullptr;
};

enum class ItemKind { storage, word, other, qualifier };

struct SpecItem {
    ItemKind kind;
    unsigned storage;
    const char* text;
    std::size_t size;
    TypeNode* type;
};

struct ParameterDecl {
    Specs* specs;
    Declarator* declarator;
};

struct Parameters {
    std::vector<ParameterDecl> declarations;
    std::vector<std::string_view> identifiers;  // K&R identifier list
    bool variadic = false;
    bool kr = false;
};

enum class DerivationKind { pointer, array, function };

struct Derivation {
    DerivationKind kind;
    Specs* qualifiers = nullptr;       // pointer: the qualifiers after "*"
    std::string_view bound;            // array: the text between the brackets
    Parameters* parameters = nullptr;  // function: null for "()"
};

// A declarator: the name and the derivations that apply to the base type,
// in the order they apply.
struct Declarator {
    std::string_view name;
    long line = 0;
    std::vector<Derivation> derivations;
};

// Makes a used object as a new one, keeping the room its vectors have.
inline void reuse(Specs& specs) {
    std::vector<std::string_view> words = std::move(specs.words);
    std::vector<std::string_view> qualifiers = std::move(specs.qualifiers);
    words.clear();
    qualifiers.clear();
    specs = Specs{};
    specs.words = std::move(words);
    specs.qualifiers = std::move(qualifiers);
}
inline void reuse(Declarator& declarator) {
    declarator.name = {};
    declarator.line = 0;
    declarator.derivations.clear();
}
inline void reuse(Parameters& parameters) {
    parameters.declarations.clear();
    parameters.identifiers.clear();
    parameters.variadic = false;
    parameters.kr = false;
}

// The objects of one kind that the declaration being parsed needs: taken in
// turn, and all given back when a top-level declaration ends, for the next
// one to reuse. A header set of a hundred thousand declarations then needs
// only as many as its largest declaration, not one allocation each.
template <typename T>
class ReusedPool {
public:
    T& take() {
        if (used_ == items_.size()) {
            items_.emplace_back();
        } else {
            reuse(items_[used_]);
        }
        return items_[used_++];
    }
    void give_back_all() { used_ = 0; }

private:
    std::deque<T> items_;  // a deque: taken objects never move
    std::size_t used_ = 0;
};

struct SemanticValue {
    TextRef text;
    int flag;
    Specs* specs;
    Declarator* declarator;
    Parameters* parameters;
    TypeNode* type;
    SpecItem item;
    ParameterDecl param;
};

// The token codes of the grammar, as the lexer returns them.
int token_code(const char* name);

class ParserContext {
public:
    ParserContext(std::string_view text, TypeTable& table, const DeclarationOptions& options,
                  DiagnosticSink& sink, DeclarationRun& run);

    // ---- lexer ----
    int lex(SemanticValue& value);
    void syntax_error(const char* message);
    bool stopped() const { return stopped_; }

    // ---- specifiers ----
    Specs* new_specs();
    Specs* implicit_specs();
    SemanticValue storage_item(unsigned flag);
    SemanticValue word_item(const char* word);
    SemanticValue typedef_item(TextRef name);
    SemanticValue type_item(TypeNode* type);
    // The type of an extended real keyword ("_Float16", "__float128" ...).
    TypeNode* extended_real(TextRef keyword);
    // The type "typeof(text)" stands for: the type name the text spells,
    // else the type of the expression it is. An empty text (__auto_type)
    // and an expression of no known type give void.
    TypeNode* atomic_type(TextRef text);
    TypeNode* typeof_type(TextRef text);
    SemanticValue qualifier_item(TextRef word);
    SemanticValue qualifier_item(const char* word);
    SemanticValue prefixed_qualifier(const char* prefix, const SemanticValue& qualifier);
    void add_spec(Specs* specs, const SemanticValue& item);
    void push_specs(Specs* specs);
    void pop_specs();

    // ---- declarators ----
    Declarator* named_declarator(TextRef name);
    Declarator* pointer_declarator(Specs* qualifiers, Declarator* inner);
    Declarator* with_pointer(Declarator* declarator, Declarator* pointer);
    Declarator* with_array(Declarator* declarator, TextRef bound);
    Declarator* with_function(Declarator* declarator, Parameters* parameters);
    Parameters* new_parameters();
    void add_parameter(Parameters* list, const SemanticValue& parameter);
    void add_identifier(Parameters* list, TextRef name);
    SemanticValue parameter(Specs* specs, Declarator* declarator);

    // ---- declarations ----
    void declare(Declarator* declarator, const TextRef* initializer);
    void declare_specifiers_only(Specs* specs);
    void define_function(Declarator* declarator, TextRef body);
    void begin_kr_declarations();
    void end_statement();
    void recover_top_level();
    // A top-level declaration or definition is complete: its pieces are
    // given back for the next one.
    void end_external();

    // ---- structs, unions, enums ----
    void open_members();
    void add_member(Declarator* declarator, const TextRef* bit_width);
    void anonymous_member(Specs* specs);
    void recover_member();
    TypeNode* struct_body(int is_union, TextRef tag, bool tagged);
    TypeNode* struct_reference(int is_union, TextRef tag);
    void open_enumerators();
    void add_enumerator(TextRef name, const TextRef* value);
    TypeNode* enum_body(TextRef tag, bool tagged);
    TypeNode* enum_reference(TextRef tag);

private:
    // Lexer helpers.
    void skip_blanks();
    void control_line();
    int identifier(SemanticValue& value);
    void skip_attribute();
    int capture_balanced(SemanticValue& value, char open, char close, int token);
    int capture_until_separator(SemanticValue& value, std::size_t start, int token);
    int capture_body(SemanticValue& value);
    void skip_literal(std::size_t& i) const;
    void report(Severity level, MessageCode code, std::string_view argument, long line);
    std::string statement_text() const;
    void apply_pragma(std::string_view line);
    void count_lines(std::size_t from, std::size_t to);

    // Type building.
    TypeNode* compose(Specs& specs);
    TypeNode* compose_words(const Specs& specs);
    TypeNode* base_word_type(std::string_view word);
    TypeNode* apply(TypeNode* base, const Declarator* declarator);
    TypeNode* function_type(TypeNode* result, const Parameters* parameters);
    std::string normalise_bound(std::string_view bound);
    // The bound with its casts to integer and typedef names taken out,
    // control characters turned into blanks.
    std::string without_casts(std::string_view bound) const;
    // The value of an integer constant expression of a bound (array_bounds.cpp),
    // or nothing when the analysis cannot tell it exactly.
    std::optional<long long> constant_value(std::string_view text, int depth) const;
    std::optional<long long> operand_size(std::string_view operand, bool alignment) const;
    std::optional<long long> type_size(const TypeNode* type, bool alignment, int depth) const;
    void enter_ordinary(Symbol* symbol);
    Symbol* new_declared_symbol(const Declarator& declarator, const Specs& specs);
    bool same_parameters(const TypeNode* a, const TypeNode* b) const;
    void merge_functions(Symbol* old_symbol, TypeNode* new_type);
    std::string enumerator_value_text(std::string_view written) const;

    std::string_view text_;
    std::size_t pos_ = 0;
    long line_ = 1;
    // The file the text is from (line markers change it): the table's copy
    // of its name, which the symbols declared in it view.
    std::string_view file_;
    TypeTable& table_;
    const DeclarationOptions& options_;
    DiagnosticSink& sink_;
    DeclarationRun& run_;

    // Lexer state.
    int previous_token_ = 0;
    int before_previous_token_ = 0;
    bool capture_paren_ = false;
    // The size of a "vector_size" attribute met since the last declarator
    // was entered: the next one declares a vector of its base type.
    std::string vector_size_;
    // A noreturn attribute was read in the declaration being parsed, at
    // that place of the text. The parser may have read past the end of a
    // declaration (the ";" at terminator_at_) into the next one before it
    // ends the first: the flag then belongs to the next.
    bool no_return_ = false;
    std::size_t no_return_at_ = 0;
    std::size_t terminator_at_ = 0;
    int struct_depth_ = 0;           // open struct, union and enum bodies
    std::vector<bool> brace_kinds_;  // for each open "{": a body of a struct/enum
    std::size_t statement_start_ = 0;
    long last_token_line_ = 0;
    std::size_t last_token_end_ = 0;
    long initializer_line_ = 0;  // line of an unfinished initialiser
    bool at_end_ = false;
    bool stopped_ = false;
    bool reported_eof_ = false;

    // Parse state.
    std::vector<Specs*> specs_stack_;
    struct MemberFrame {
        std::vector<Field> fields;
        std::size_t specs_depth;
    };
    std::vector<MemberFrame> member_stack_;
    struct EnumFrame {
        std::vector<Enumerator> enumerators;
        int since_explicit = 0;
        std::string last_explicit;
    };
    std::vector<EnumFrame> enum_stack_;
    bool kr_mode_ = false;
    std::vector<Symbol*> kr_parameters_;

    // The pieces of the declaration being parsed, reused by the next one.
    ReusedPool<Specs> specs_;
    ReusedPool<Declarator> declarators_;
    ReusedPool<Parameters> parameters_;
    // Texts made during the parse, which symbols may keep: for the run.
    std::deque<std::string> strings_;
};

}  // namespace vx::decl
