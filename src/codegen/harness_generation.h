// The generation side of the statement handlers: the hooks the dispatcher
// calls, turned into the text of the harness layout by the generators.
#pragma once

#include "codegen/harness_hooks.h"
#include "codegen/harness_layout.h"
#include "codegen/variable_code.h"

namespace vx {

class HarnessGeneration : public HarnessHooks {
public:
    // `analysis`: values are C texts checked by the C analysis.
    HarnessGeneration(HarnessLayout& layout, bool analysis)
        : layout_(layout), variables_(layout, analysis) {}

    // The C analysis that learns the declarations the generated code adds,
    // reads the prototypes of stubs and preprocesses the values of STUB
    // statements.
    void set_native_analysis(NativeAnalysis* native);

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
    void emit_main(const SelectionFacts& facts) override;
    void generate_stub_definition(const StubDefinition& stub) override;
    void describe_stub_call(const StubCall& call) override;

private:
    std::string preprocessed(const std::string& value);

    HarnessLayout& layout_;
    VariableCode variables_;
    NativeAnalysis* native_ = nullptr;
};

}  // namespace vx
