// The records of stubs that the script side and the stub generator both
// read: a DEFINE STUB block's functions as the C declarations give them, and
// one STUB statement as the script writes it.
#pragma once

#include "canalysis/types/c_types.h"
#include "canalysis/types/type_table.h"

#include <optional>
#include <string>
#include <vector>

namespace vx {

// The functions declared by the native lines of a DEFINE STUB block, in
// order, with the table their types live in (its secondary table is the
// table of the code under test, so typedefs and tags of the unit resolve).
struct StubDeclarations {
    const TypeTable* table = nullptr;
    // Members named through macros (see c_member_path).
    MacroBodyQuery member_macro;
    std::vector<const Symbol*> functions;
};

// One STUB statement: which calls of which stub it describes, and the
// values of those calls.
//
//   STUB name [N | N..M] [( value, value, ... )] [return value]
//
// Without a call number the statement describes the call after the last
// one described (first == 0). A value of an input-output parameter is
// written "expected => given". An empty value leaves its parameter
// unchecked (an input) or not given back (an output).
struct StubCallValue {
    std::string expected;  // inputs and input-outputs; empty: not checked
    std::string given;     // outputs and input-outputs; empty: not given back
    bool arrow = false;    // written with "=>"
};

struct StubCall {
    std::string name;
    long first = 0;  // 0: the call after the last one described
    long last = 0;
    bool has_list = false;
    std::vector<std::string> values;  // as written, trimmed
    std::optional<std::string> return_value;
    long line = 0;
    int file = -1;     // its script file's number in the link records, -1: unknown
    std::string text;  // the statement as written, for the report
};

}  // namespace vx
