#include "script/harness_generation.h"

namespace vx {

void HarnessGeneration::set_native_analysis(NativeAnalysis* native) {
    if (native == nullptr) {
        variables_.set_declare(nullptr);
        return;
    }
    variables_.set_declare([native](std::string_view text) {
        native->analyse_declarations(native->preprocess(text, "", 0), "");
    });
}

void HarnessGeneration::emit_test_head(const TestHead& test) {
    variables_.begin_test();
    // The "R" record of a repeated test follows its "T" record.
    int repetition_record = test.loop_expression.empty() ? 0 : test.record_number + 1;
    layout_.emit_test_head(test.record_number, test.name, test.ordinal, test.loop_expression,
                           repetition_record);
}

void HarnessGeneration::emit_main() {
    // A script that never reached BEGIN still gets a complete program.
    layout_.emit_prologue();
    SelectionFacts facts;
    if (state_ != nullptr) {
        facts.services = state_->service_names;
        facts.tests = state_->all_test_names;
        facts.families = state_->family_names;
        facts.generated_services = state_->generated_service_names;
    }
    auto list = [](const SelectionList& selection) {
        return selection.given ? &selection.names : nullptr;
    };
    facts.include_services = list(options_.service_list);
    facts.exclude_services = list(options_.exclude_service_list);
    facts.include_tests = list(options_.test_list);
    facts.exclude_tests = list(options_.exclude_test_list);
    facts.include_families = list(options_.family_list);
    facts.exclude_families = list(options_.exclude_family_list);
    layout_.emit_main(facts);
}

}  // namespace vx
