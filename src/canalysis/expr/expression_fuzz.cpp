// Fuzz target of the expression analysis: arbitrary bytes read as the
// expression of a script statement against a small fixed type table, then
// typed, checked against the array bounds, printed back, expanded as an
// array aggregate and read item by item; the image is parsed again.
//
// The first byte chooses the language of "others", whether
// multi-character constants are refused, and the array the aggregate is
// expanded for. Diagnostics go to a sink that only counts them: every one
// is a warning, an information or an error, and none may end the process.
#include "canalysis/expr/expression_analysis.h"
#include "canalysis/expr/declared_table.h"
#include "canalysis/types/target_model.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

constexpr const char* fuzz_header =
    "typedef unsigned long size_t;\n"
    "struct point { int x, y; };\n"
    "typedef struct point point_t;\n"
    "enum color { RED, GREEN = 4, BLUE };\n"
    "struct shape { point_t corners[4]; struct shape *next; enum color color;\n"
    "               int (*area)(const struct shape *); union { int i; float f; } u; };\n"
    "struct shape shapes[3];\n"
    "struct shape *current;\n"
    "point_t origin;\n"
    "int t[5];\n"
    "int m[2][3];\n"
    "char *names[4];\n"
    "double ratio;\n"
    "int compute(int a, int b);\n";

// A sink that checks that nothing asks to end the run.
class CheckingSink : public vx::DiagnosticSink {
public:
    void report(vx::Severity level, vx::MessageCode, std::string_view, std::string_view,
                long) override {
        if (level <= vx::Severity::fatal) std::abort();
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    static vx::FuzzTypeTable fixture(fuzz_header);
    vx::ExpressionRun run = fixture.expression_run((data[0] & 1) != 0);
    run.no_multibyte = (data[0] & 2) != 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    CheckingSink sink;
    vx::ExpressionTree tree = vx::c_parse_expression(run, text, "fuzz.ptu", 1, sink);
    if (!tree) return 0;
    const vx::ExprNode* root = tree->root;
    const vx::TypeNode* point = vx::c_lookup_tag("point", fixture.table, vx::TagKind::struct_tag);
    (void)vx::c_expression_type(run, root, (data[0] & 4) ? point : nullptr, "fuzz.ptu", 1, "",
                                sink);
    vx::c_check_indexes(run, root, "fuzz.ptu", 1, "", sink);
    std::string image;
    vx::c_expression_image(root, image, "fuzz.ptu", 1, sink);
    vx::ExpressionTree again = vx::c_parse_expression(run, image, "fuzz.ptu", 1, sink);
    const vx::Symbol* array = vx::c_find_symbol((data[0] & 8) ? "m" : "t", fixture.table, "");
    std::string expanded;
    vx::c_expand_array_aggregate(run, root, array ? array->type : nullptr, expanded, 1, "fuzz.ptu",
                                 1, sink);
    vx::c_free_expression(tree);
    return 0;
}
