// The DEFINE STUB blocks of a set of functions, written from the headers
// that declare them.
//
// Each function keeps its prototype as the header writes it (typedefs,
// qualifiers, array bounds and the macros in them), cut from the header's
// own text; a direction word goes in front of each parameter, inferred
// from its type. A prototype the header spells through a macro, or in a
// form the cut cannot follow, is written from the analysed type instead.
#pragma once

#include "canalysis/types/c_types.h"
#include "canalysis/types/type_table.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// A header's text as declarations: comments made blanks, each
// preprocessing directive a statement end. Made once per header, it answers
// for every function the header declares.
class HeaderDeclarations {
public:
    explicit HeaderDeclarations(std::string_view source);

    // The part of the text that declares `name` as a function, the
    // declaration nearest `line` (counted from 1): the result type, the name
    // and the parameter list in parentheses, blanks folded to one space, a
    // leading "extern" dropped. Nothing when that text is not a plain
    // prototype of the name (a macro builds it, a function pointer is
    // returned, several declarators share it).
    std::optional<std::string> prototype_text(std::string_view name, long line) const;

    // Whether the declaration the line belongs to says it does not return,
    // in any spelling: "_Noreturn", the attribute, or a macro of the
    // library's own such as PNG_NORETURN.
    bool says_noreturn(long line) const;

private:
    std::size_t line_start(long line) const;

    std::string clean_;
    std::vector<std::size_t> lines_{0};  // offsets of the line starts
};

// The parameters of a parenthesised list, split at its outermost commas
// and trimmed ("(int a, int (*f)(int, int))" gives two).
std::vector<std::string> split_parameter_list(std::string_view parenthesised);

// The direction a parameter of that type gets: "_in" for a value, a
// pointer to const, a void or function pointer, or a pointer to a type
// whose content the unit cannot see; "_inout" for a pointer to a writable
// value and for a buffer (an array parameter with a bound) of writable
// elements; "_in" for a buffer of const elements.
std::string_view parameter_direction(const TypeNode* type, const TypeTable& table);

// One function to stub: its symbol and the header that declares it (none
// when it cannot be read).
struct StubSource {
    const Symbol* symbol = nullptr;
    const HeaderDeclarations* header = nullptr;
};

// The prototype line of a DEFINE STUB block for the function, without its
// "#": the header's text with directions, or the analysed type's.
std::string stub_prototype(const StubSource& source, const TypeTable& table);

// A block's name from its header's name: its key as a stub's file key is
// made (the base name without its extension, every character other than a
// letter, digit or "_" made "_"), "h_" in front of a leading digit.
std::string stub_block_name(std::string_view header);

}  // namespace vx
