// Splitting a text at the first separator that stands outside brackets and
// quotations: the tool that peels lists such as "f(a,b), 'x', c" element by
// element.
//
// The trimmed text is scanned from the left. "(", "[" and "{" open a
// nesting level that only their own partner closes. Double and single
// quotes open quotations closed by the next quote of the same kind; inside
// a quotation nothing else counts. The first separator character met at
// depth zero outside any quotation ends the head; the tail is what follows
// it. The rules for quotations depend on the kind of the language whose
// text is being split (the index of the tested language):
//   - C (3) and C++ (6): inside a quotation a backslash escapes a following
//     backslash or closing quote;
//   - Ada (0): "%" is an alternative string bracket (except after a digit or
//     as the last character), and "'" opens a quotation only where a
//     character literal begins ('x'); elsewhere it is an attribute mark;
//   - any other kind: plain quotations without escapes.
// Brackets that do not balance are reported as the error "ERRPARENT" with
// the whole text, once per call, and make the result false; the split is
// still made.
#pragma once

#include <string>
#include <string_view>

namespace vx {

// Language kinds that change the quotation rules (indexes of the tested
// language).
inline constexpr int language_kind_ada = 0;
inline constexpr int language_kind_c = 3;
inline constexpr int language_kind_cpp = 6;

// `head` receives the trimmed text before the separator, `tail` the text
// after it (empty when no separator was found, the head then being the
// whole trimmed text); the separator itself goes to neither. `text` may be
// a view of `tail` (or `head`): the outputs are assigned last. Returns false
// when the brackets do not balance, for the caller to report.
bool split_on_separator(std::string_view text, std::string_view separators, std::string& head,
                        std::string& tail, int language_kind);

}  // namespace vx
