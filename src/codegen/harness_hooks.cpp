#include "codegen/harness_hooks.h"

namespace vx {

std::string WithoutNativeAnalysis::preprocess(std::string_view text, std::string_view, long) {
    return std::string(text);
}

void WithoutNativeAnalysis::analyse_declarations(std::string_view, std::string_view) {}

std::optional<bool> WithoutNativeAnalysis::macro_defined(std::string_view) { return std::nullopt; }

void WithoutNativeAnalysis::write_symbol_listing(const std::vector<std::string>&) {}

std::optional<bool> WithoutNativeAnalysis::base_type(std::string_view) { return std::nullopt; }

std::optional<NativeVariable> WithoutNativeAnalysis::variable_type(std::string_view,
                                                                   std::string_view,
                                                                   ComponentWalk) {
    return std::nullopt;
}

std::optional<NativeSpread> WithoutNativeAnalysis::spread_value(std::string_view, std::string_view,
                                                                ComponentWalk, std::string_view) {
    return std::nullopt;
}

std::optional<NativeSpread> WithoutNativeAnalysis::spread_typed_value(const TypeNode*,
                                                                      const std::string&,
                                                                      std::string_view, bool) {
    return std::nullopt;
}

std::optional<std::string> WithoutNativeAnalysis::array_value_expression(std::string_view,
                                                                         std::string_view,
                                                                         std::string_view) {
    return std::nullopt;
}

std::vector<ValueFinding> WithoutNativeAnalysis::check_value(std::string_view, VariableKind,
                                                             const TypeFacts&, std::string_view) {
    return {};
}

std::optional<NumericValue> WithoutNativeAnalysis::numeric_value(std::string_view) {
    return std::nullopt;
}

StubDeclarations WithoutNativeAnalysis::stub_declarations(std::string_view) { return {}; }

void WithoutNativeAnalysis::finish() {}

}  // namespace vx
