// Fuzz target of the declaration analysis: arbitrary bytes read as
// preprocessed C text into a fresh type table, then every symbol printed
// back as a declaration and walked as an aggregate, and a piece of the
// input read as a type name.
//
// The first byte chooses the scope (global or a service) and whether
// bodies are kept. Diagnostics go to a sink that only counts them: every
// one is a warning or an error, and none may end the process.
#include "canalysis/decl/declaration_parser.h"
#include "canalysis/types/target_model.h"

#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    vx::TargetModel target;
    vx::DeclarationRun run(target);
    run.is_type_modifier = [](std::string_view w) {
        return w == "_in" || w == "_out" || w == "far";
    };
    vx::TypeTable table;
    vx::CountingSink sink;
    vx::DeclarationOptions options;
    options.scope = (data[0] & 1) ? "SRV1_FUZZ" : "";
    options.file = "fuzz.h";
    options.keep_bodies = (data[0] & 2) != 0;
    std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    vx::c_parse_declarations(text, table, options, sink, run);

    std::size_t total = 0;
    table.for_each_symbol([&](const vx::Symbol& symbol) {
        total += vx::c_type_image(symbol.type, symbol.name).size();
        vx::c_walk_scalar_components(symbol.type, symbol.name,
                                     [&](const vx::ScalarComponent& c) { total += c.path.size(); });
    });
    (void)vx::c_type_from_text(text.substr(0, 64), table, options.scope, run);
    volatile std::size_t keep = total;
    (void)keep;
    return 0;
}
