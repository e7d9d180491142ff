// Fuzz target of the analyser of script values.
//
// The first byte chooses the tested language (its low three bits), the
// script language, percent mode, the dotted assembler names and the
// expected real kind; the rest is a value text. It is analysed as an
// expression, converted to an absolute value when that succeeded, and
// read again as a variable path. A small CONST table (an integer, a
// composite and a list) is known, so that substitution is exercised.
//
// Errors are the normal outcome of a bad text, but each must be a coded
// diagnostic: an analysis that fails without having counted an error, a
// success with the error kind, or a rebuilt text beyond the limit aborts.
// So does an internal report, which would mean the analyser contradicted
// itself.
#include "canalysis/cpp/bignum.h"
#include "canalysis/fuzz_reporter.h"
#include "script/script_expression.h"
#include "support/languages.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

const vx::ScriptConstants& fuzz_constants() {
    static const vx::ScriptConstants table = [] {
        vx::ScriptConstants t;
        vx::ScriptConstant n;
        n.name = "N";
        n.value.kind = vx::TokenKind::integer;
        n.value.integer = vx::pint_from_int(4);
        t.add(n);
        vx::ScriptConstant e;
        e.name = "E";
        e.value.kind = vx::TokenKind::expression;
        e.value.text = "A+1";
        t.add(e);
        vx::ScriptConstant l;
        l.name = "L";
        l.list = true;
        l.items = {n.value, e.value};
        l.value.kind = vx::TokenKind::expression;
        l.value.text = "[4,A+1]";
        t.add(l);
        return t;
    }();
    return table;
}

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    vx::Reporter& reporter = vx::fuzz_reporter();
    if (size == 0) {
        return 0;
    }
    const int language = data[0] & 7;
    const int script_language =
        (data[0] & 8) != 0 ? vx::script_language_fr : vx::script_language_gb;
    unsigned mode = 0;
    if ((data[0] & 16) != 0) {
        mode |= vx::expression_mode_percent;
    }
    if ((data[0] & 32) != 0) {
        mode |= vx::expression_mode_dotted;
    }
    const int expected = (data[0] & 64) != 0 ? vx::expected_kind_real : vx::expected_kind_integer;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);

    vx::ScriptExpressionAnalyser analyser(reporter, &fuzz_constants());
    vx::ScriptValue value;
    int errors = reporter.error_count();
    const bool ok =
        analyser.analyse_script_expression(text, language, script_language, mode, expected, value);
    if (ok) {
        check(value.kind != vx::TokenKind::error);
        check(value.text.size() <= vx::script_text_limit);
        const std::string printed = vx::printed_value(value, language);
        volatile std::size_t keep = printed.size();
        (void)keep;
    } else {
        check(value.kind == vx::TokenKind::error);
        check(reporter.error_count() > errors);
    }

    vx::VariablePath path;
    errors = reporter.error_count();
    if (analyser.parse_variable_path(text, language, script_language, path)) {
        check(!path.components.empty());
        check(path.components.front().step == vx::PathStep::name);
    } else {
        check(reporter.error_count() > errors);
        check(path.components.empty());
    }
    return 0;
}
