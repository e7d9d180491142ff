// The generation side of the statement handlers: the hooks the dispatcher
// calls, turned into the text of the harness layout.
#pragma once

#include "codegen/harness_layout.h"
#include "codegen/variable_code.h"
#include "script/statements/block_state.h"
#include "script/harness_hooks.h"
#include "script/script_options.h"

namespace vx {

class HarnessGeneration : public HarnessHooks {
public:
    HarnessGeneration(HarnessLayout& layout, const ScriptOptions& options)
        : layout_(layout), options_(options), variables_(layout, options.analysis_enabled) {}

    // The C analysis that learns the declarations the generated code adds,
    // reads the prototypes of stubs and preprocesses the values of STUB
    // statements.
    void set_native_analysis(NativeAnalysis* native);

    // The block state the end-of-script checks read (names met, services
    // generated).
    void set_block_state(const BlockState* state) { state_ = state; }

    void emit_prologue() override { layout_.emit_prologue(); }
    void emit_stub_services() override { layout_.emit_stub_services(); }
    void emit_service_head(const ServiceHead& service) override {
        layout_.emit_service_head(service.function_name);
    }
    void emit_service_banner(const ServiceHead& service) override {
        if (layout_.session().output_enabled()) {
            layout_.emit_service_banner(service.name, service.ordinal);
        }
    }
    void emit_service_declaration(int record_number, std::string_view name) override {
        layout_.emit_service_declaration(record_number, name);
    }
    void emit_test_head(const TestHead& test) override;
    void begin_element() override {
        layout_.open_element();
        variables_.begin_element();
    }
    void emit_element_head(int) override { layout_.emit_element_start(); }
    void add_variable(const VariableClause& clause, bool in_environment) override {
        if (!in_environment) variables_.add(clause);
    }
    void add_environment_variable(const VariableClause& clause) override {
        variables_.add_environment(clause);
    }
    void generate_element_code() override { variables_.end_element(); }
    void emit_element_end() override { layout_.emit_element_end(); }
    void emit_test_end() override { layout_.emit_test_end(); }
    void emit_service_end(const ServiceHead& service) override {
        if (layout_.session().output_enabled()) {
            layout_.emit_service_end(service.name);
        }
    }
    void emit_main() override;
    void generate_stub_definition(const StubDefinition& stub) override;
    void describe_stub_call(std::string_view keyword, std::string_view argument,
                            bool in_environment) override;

private:
    std::string preprocessed(const std::string& value);

    HarnessLayout& layout_;
    const ScriptOptions& options_;
    const BlockState* state_ = nullptr;
    VariableCode variables_;
    NativeAnalysis* native_ = nullptr;
};

}  // namespace vx
