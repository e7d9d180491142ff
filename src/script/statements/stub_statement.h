// The STUB statement: the calls expected of a stub in an element.
//
//   STUB name [first[..last]] [(value, ..., in => out, ...)] [return value]
//
// The call number or range says which calls of the element the values
// describe (none: the call after the last one described); each value is
// the expected input of a parameter, the output given back, or both around
// "=>"; what follows the list is the value the stub returns.
#pragma once

#include "codegen/stub_records.h"

#include <string_view>

namespace vx {

class Reporter;

// Parses the argument of a STUB statement; false (after a report) when it
// cannot be read.
bool parse_stub_call(Reporter& reporter, std::string_view argument, StubCall& call);

}  // namespace vx
