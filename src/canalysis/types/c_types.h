// The C types and symbols that the declaration analysis finds, as the rest
// of the compiler reads them.
//
// A TypeNode is one type construction: an integer or floating base type, a
// struct, union or enum, a pointer, an array, a reference to a typedef
// name, a function, void, the "..." of a parameter list, or a qualified
// type (const, volatile, inline, or a type modifier such as "_in"). Nodes
// are shared: every symbol declared with "struct s *" points at the same
// pointer node, and every use of a typedef at the same named node. A
// Symbol is one declared identifier: variable, function, typedef name,
// struct field or parameter.
//
// Nodes and symbols belong to their TypeTable (type_table.h) and live as
// long as it; everything else holds plain pointers into it. The variable
// and stub generators read these records and walk their components; they
// never reach into the parser.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

struct Symbol;

enum class TypeKind {
    integer,
    floating,
    // The 128-bit integers of GNU C ("__int128", "unsigned __int128"):
    // wider than any integer the runtime traces, so kept apart from the
    // ordinary integers. Width as for integer (-128 or 128).
    wide_integer,
    // The reals beyond float, double and long double: "_Float16" ...
    // "_Float128x", "__float128", "__bf16", "_Decimal32" ... The name is
    // the keyword as written.
    extended_real,
    // A vector of GNU C ("__attribute__((vector_size(16)))", the __m128 of
    // the intrinsics headers): target is the element type, bound the
    // size text.
    vector,
    struct_type,
    union_type,
    enum_type,
    pointer,
    array,
    named,
    function,
    void_type,
    ellipsis,
    qualified,
};

// Storage flags of a symbol.
inline constexpr unsigned storage_typedef = 1;
inline constexpr unsigned storage_extern = 2;
inline constexpr unsigned storage_static = 4;
inline constexpr unsigned storage_auto = 8;
inline constexpr unsigned storage_register = 16;

struct Enumerator {
    std::string name;
    // The value as an expression text: written ("X*2"), or derived from
    // the last written one ("X*2+1"), or the position ("0", "1" ...).
    std::string value;
    // True when the enumerator was written with "=".
    bool explicit_value = false;
};

struct Field {
    Symbol* symbol = nullptr;
    // The bit-field width text, empty for an ordinary member.
    std::string bit_width;
};

struct Parameter {
    std::string name;  // empty for an unnamed parameter
    struct TypeNode* type = nullptr;
};

struct TypeNode {
    TypeKind kind = TypeKind::void_type;

    // integer, floating: the type name as composed ("unsigned long");
    // struct, union, enum: the tag (empty when anonymous); named: the
    // typedef name; qualified: the qualifier word ("const", "_in", "@far").
    std::string name;

    // integer, wide_integer: width in bits, negative for a signed type.
    int width = 0;
    // integer: the char family.
    bool is_char = false;

    // struct, union, enum: the scope of the declaration (empty: global).
    std::string scope;

    // struct, union: the members; complete once a body was seen.
    std::vector<Field> fields;
    bool complete = false;
    // enum: the enumerators.
    std::vector<Enumerator> enumerators;

    // pointer: the pointed-to type; array: the element type; named: the
    // type the typedef name stands for; function: the return type;
    // qualified: the qualified type.
    TypeNode* target = nullptr;
    // pointer: the qualifiers written after the "*".
    std::vector<std::string> qualifiers;
    // array: the bound text as written, normalised (empty for "[]").
    std::string bound;
    // array: the number of elements, when the bound is a number or an
    // integer constant expression the declaration analysis evaluates
    // (macros expanded, enumerators, sizeof, casts ...); 0 when it cannot
    // tell.
    long long length = 0;
    // function: the parameters and whether "..." ends them; a list made
    // of one unnamed "void" is kept as written.
    std::vector<Parameter> parameters;
    bool variadic = false;
    // function: true for a declaration with "()" and no parameter list.
    bool unprototyped = false;
};

struct Symbol {
    std::string name;
    TypeNode* type = nullptr;  // none after a CONSTRUCT error
    std::string scope;         // empty for a global
    unsigned storage = 0;
    // The source file of the declaration: a view of the name kept by the
    // type table (TypeTable::file_name), which every symbol of the file shares.
    std::string_view file;
    long line = 0;
    std::string initial_value;  // the text after "=", trimmed
    std::string body;           // a function's body, when kept
    bool is_function_definition = false;
    // A function declared "_Noreturn" or with the noreturn attribute.
    bool no_return = false;
};

// Follows named types and qualifiers down to the type that says what a
// value is (integer, struct, pointer ...). Null stays null.
const TypeNode* c_resolve_type(const TypeNode* type);
TypeNode* c_resolve_type(TypeNode* type);

// True when the type is qualified by "const" (named types followed).
bool c_is_const(const TypeNode* type);
// Whether a parameter of a function type takes an argument: not the "void"
// of "(void)", not an ellipsis, not one whose type is unknown.
bool c_takes_argument(const Parameter& parameter);

// True when the type carries the qualifier or type modifier `word`
// (qualified nodes down to the first non-qualified one, named types
// followed).
bool c_has_qualifier(const TypeNode* type, std::string_view word);

// One scalar component of an aggregate value: its access path from the
// variable ("v.a.b", "(*p).c" is the caller's choice of root) and its type.
struct ScalarComponent {
    std::string path;
    const TypeNode* type = nullptr;
    // The field symbol, for a struct member (its bit width among others).
    const Field* field = nullptr;
};

// Calls `visit` for each scalar component of a value of type `type` named
// `root`, in declaration order: members of structs in turn, the first
// member of a union, arrays and all other types as one component each.
// Incomplete structs yield nothing. A struct found inside itself is one
// component, and a walk stops after a million components, so that no
// input, however malformed, makes it loop or explode.
// The body of an object-like macro of the analysed C, or nothing: the
// walks below ask it about member names.
using MacroBodyQuery = std::function<std::optional<std::string>(std::string_view)>;

// The access path of member `member` of the aggregate at `path`. A C
// library may name a member through a macro of the same name ("#define
// sa_handler __sigaction_handler.sa_handler"): written in full, the path
// would be expanded a second time by the compiler, so the part the macro
// supplies is left to it.
std::string c_member_path(const std::string& path, std::string_view member,
                          const MacroBodyQuery& macro_body);

void c_walk_scalar_components(const TypeNode* type, const std::string& root,
                              const std::function<void(const ScalarComponent&)>& visit,
                              const MacroBodyQuery& macro_body = {});

}  // namespace vx
