// Fuzz target of the values of C types: arbitrary bytes read as the INIT
// or EV value of a variable of a small fixed type table, spread over the
// variable's components and checked as one scalar value.
//
// The first byte chooses the variable (an array of ints, of bytes, of
// structs, a struct holding arrays, a two-dimensional array, a string)
// and the language of "others". A spread either fails with a code or
// gives exactly one value a scalar component; nothing may end the run.
#include "canalysis/types/c_values.h"
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/expr/declared_table.h"
#include "canalysis/types/target_model.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr const char* fuzz_header =
    "typedef unsigned char BYTE;\n"
    "struct span { int len; int st[2]; int tail; };\n"
    "struct pair { int a; BYTE b[3]; };\n"
    "enum level { LOW = -1, HIGH = 1 << 2, NEXT };\n"
    "int t[5];\n"
    "BYTE hash[4];\n"
    "struct pair pairs[3];\n"
    "struct span sp;\n"
    "int m[2][3];\n"
    "char name[8];\n";

constexpr const char* variables[] = {"t", "hash", "pairs", "sp", "m", "name"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static vx::FuzzTypeTable fixture(fuzz_header);
    vx::ExpressionRun run = fixture.expression_run((data[0] & 1) != 0);
    const char* name = variables[(data[0] >> 1) % (sizeof variables / sizeof variables[0])];
    const vx::Symbol* symbol = vx::c_find_symbol(name, fixture.table, "");
    if (symbol == nullptr) std::abort();
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string> leaves;
    vx::SpreadFailure failure;
    std::vector<vx::ValueComponent> components;
    vx::c_value_components(symbol->type, name, false, components, &run);
    if (vx::c_spread_value(run, symbol->type, name, text, leaves, failure)) {
        if (leaves.size() != components.size() || failure.code.has_value()) std::abort();
        for (std::size_t i = 0; i < leaves.size(); ++i) {
            (void)vx::c_check_value(run, leaves[i], components[i].kind, components[i].facts);
        }
    } else if (!failure.code.has_value()) {
        std::abort();
    }
    return 0;
}
