// The values of C types, as the harness initialises, traces and checks
// them: one model that the variable code and the stub generator share.
//
// A C type is classified into a value kind: an integer, a boolean, a
// character, a real, a character string, an enumeration, a data pointer,
// a string pointer or a function pointer. Plain "char" is a character and
// an array of it a string; "signed char", "unsigned char" and every
// typedef of them (uint8_t, BYTE, guint8, __u8 ...) are small integers,
// and an array of them a byte array, checked element by element like any
// array of integers. Beside its kind a type has the facts the generators
// need: its signedness and width, whether it is double, the enumerators of
// an enumeration with their folded values, the dimensions of an array.
//
// An aggregate (struct, union, array) is walked component by component in
// declaration order: the members of a struct, the first member of a union,
// the elements of an array of constant bound; a string is one component,
// and with `whole_arrays` an array of scalars is one component too.
//
// A value written for an aggregate is spread over the same components:
// positional items, index associations "k => v", ranges "k1..k2 => v",
// "others => v" for the places not named, nested lists for sub-arrays and
// members that are aggregates themselves (or the flat list of their
// scalars, as C allows), a scalar given to every scalar below it, and a
// string literal for a byte array, taken as its exact bytes.
//
// The check kinds (check_kinds.def) are the table of runtime macros, casts
// and usage counters that a value kind is checked with.
#pragma once

#include "canalysis/types/c_types.h"
#include "canalysis/diagnostic_sink.h"

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {

struct ExpressionRun;

// The value kind of a type; the numbers are fixed (they are the kinds the
// variable statements use).
enum class CValueKind : int {
    integer = 0,
    boolean = 1,
    character = 2,
    real = 3,
    string = 4,
    enumeration = 5,
    pointer = 6,
    bit = 7,
    unknown = 8,
    string_pointer = 9,
    private_type = 10,
    function_pointer = 11,
};

// What the generators need of a type beyond its kind.
struct TypeFacts {
    bool is_unsigned = false;     // integer: an unsigned type
    bool is_double = false;       // real: double or long double
    bool is_long_double = false;  // real: long double, checked in its own precision
    int bits = 0;                 // integer: width in bits, 0 when not known
    int field_bits = 0;           // a bit-field member: its width (the values it can hold)
    bool is_byte = false;         // integer: signed or unsigned char underneath
    long long length = 0;         // string: the bound of the character array (0: unknown)
    // Enumeration: the type's name and its enumerators with their values.
    std::string enum_name;
    std::vector<std::pair<std::string, long long>> enumerators;
    // An array taken as a whole: its dimensions, outermost first, and the
    // type of one element.
    std::vector<long long> dimensions;
    std::string element_type;
};

// ---- classification -----------------------------------------------------------

CValueKind c_value_kind(const TypeNode* type);
// True for signed char, unsigned char and their typedefs: the character
// types that hold numbers.
bool c_is_byte_type(const TypeNode* type);
// The facts of a scalar type. With a run, the enumerators' values written
// as expressions ("-1", "1 << 4", "A + 1") are folded.
TypeFacts c_type_facts(const TypeNode* type, ExpressionRun* run = nullptr);
// The bits an enumeration is stored in: 32 (an int, or an unsigned int
// when no value is negative), 64 when one of its values needs more.
int c_enumeration_bits(const TypeFacts& facts);
// The width of a bit-field member written as a number; 0 for any other.
int c_bit_field_width(const Field* field);
// An array of scalars (of any depth) with constant bounds: its dimensions,
// element type and element facts into `facts`; false for anything else.
bool c_whole_array_facts(const TypeNode* type, TypeFacts& facts, ExpressionRun* run = nullptr);
// True for an array of plain characters: a string.
bool c_is_string_type(const TypeNode* type);
// The constant bound of an array type (named types followed), 0 when it has
// none.
long long c_array_bound(const TypeNode* type);

// ---- components -----------------------------------------------------------------

struct ValueComponent {
    std::string expression;  // the C expression of the component
    std::string type_text;   // its declaration image
    CValueKind kind = CValueKind::unknown;
    TypeFacts facts;
    const TypeNode* type = nullptr;
};

// Deep enough for any real declaration, and a bound on what a walk may
// produce whatever the input.
inline constexpr int component_depth_limit = 64;
inline constexpr std::size_t component_limit = std::size_t{1} << 20;

// Appends the components of a value of type `type` named `root`.
// Members named through macros are written as c_member_path says, with the
// run's macros, else with `macro_body`.
void c_value_components(const TypeNode* type, const std::string& root, bool whole_arrays,
                        std::vector<ValueComponent>& out, ExpressionRun* run = nullptr,
                        const MacroBodyQuery& macro_body = {});

// ---- values of aggregates -----------------------------------------------------

// Why a value could not be spread: the message code and the place (the
// component's expression, or the item) it names.
struct SpreadFailure {
    std::optional<MessageCode> code;
    std::string place;
};

// The values of the scalar components of `value` for a variable of type
// `type` named `root`: one text a component of c_value_components(type,
// root, false), in order. A value that is no list is given to every
// component. False with the failure when the value does not fit the type:
// too many or too few items ("INITAGREG"), an index outside the bounds
// ("INDICEINC"), an index that is not a constant or a misplaced "others"
// ("TABEXPINC"), a byte string of the wrong length ("INITAGREG").
// With `zero_rest` a list is read as C reads a compound literal: the
// components no item gives are zero, and their texts are left empty.
bool c_spread_value(ExpressionRun& run, const TypeNode* type, const std::string& root,
                    std::string_view value, std::vector<std::string>& leaves,
                    SpreadFailure& failure, bool zero_rest = false);

// The image of a type as the harness's casts and temporaries name it: the
// type itself, or the type under its atomic qualifier.
std::string c_value_type_image(const TypeNode* type);

// A decimal constant above the largest long long is unsigned in C, and
// compilers say so: the text of such a constant gets its "U" suffix.
std::string c_with_unsigned_suffix(std::string_view text);

// Whether the text is one of the runtime's pointer words, NIL, NONIL,
// NILFUNC or NONILFUNC, in any case.
bool c_is_pointer_word(std::string_view text);

// Whether the text is a list of the aggregate notation: "{...}" or "[...]".
bool c_is_value_list(std::string_view text);

// ---- checks of one value ------------------------------------------------------

// One finding about a value: a code, its argument, and whether it refuses
// the value (an error) or only warns.
struct ValueFinding {
    MessageCode code;
    std::string argument;
    bool refuses = true;
};

// Whether the text holds the script's aggregate notation, an association
// "=>" or a range "..", outside the braces or brackets of an aggregate: C
// has no meaning for it. Read on the text, as a value the expression parser
// cannot read is still handed to the C compiler.
bool c_has_stray_notation(std::string_view text);

// Checks one value text (preprocessed) given to a scalar of that kind: the
// expression analysis's own findings (assignments, increments, division by
// zero, empty character constants, malformed constants), a string where a
// number or a character is expected and the reverse, a string longer than
// its array, an integer constant outside the range of the type.
std::vector<ValueFinding> c_check_value(ExpressionRun& run, std::string_view text, CValueKind kind,
                                        const TypeFacts& facts);

// The folded value of a numeric constant text, when it is one.
struct NumericValue {
    bool integer = false;
    bool real = false;
    long double value = 0;
};
NumericValue c_numeric_value(ExpressionRun& run, std::string_view text);

// ---- check kinds ------------------------------------------------------------------

enum class CheckKind : int {
#define VX_CHECK_KIND(id, check, trace, cast, function, check_counter, trace_counter) id,
#include "canalysis/types/check_kinds.def"
#undef VX_CHECK_KIND
};

struct CheckKindRow {
    CheckKind id;
    std::string_view name;
    std::string_view check_macro;
    std::string_view trace_macro;
    std::string_view cast;
    std::string_view runtime_function;
};

const CheckKindRow& c_check_kind_row(CheckKind kind);
// The check a value of that kind and facts gets; enumerations, bits and
// the unknown kind are checked as integers.
CheckKind c_check_kind(CValueKind kind, const TypeFacts& facts);

}  // namespace vx
