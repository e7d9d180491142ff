#include "codegen/harness_generation.h"

#include "canalysis/types/c_values.h"
#include "diag/reporter.h"
#include "support/text.h"
#include "support/text_scanner.h"

namespace vx {

void HarnessGeneration::set_native_analysis(NativeAnalysis* native) {
    native_ = native;
    if (native == nullptr) {
        variables_.set_declare(nullptr);
        return;
    }
    variables_.set_declare([native](std::string_view text) {
        native->analyse_declarations(native->preprocess(text, "", 0), "");
    });
}

void HarnessGeneration::generate_stub_definition(const StubDefinition& stub) {
    StubDeclarations declarations;
    if (native_ != nullptr) {
        declarations = native_->stub_declarations(stub.text);
    }
    layout_.stubs().define(stub.name, stub.line, stub.file, declarations);
}

std::string HarnessGeneration::preprocessed(const std::string& value) {
    if (native_ == nullptr || value.empty()) {
        return value;
    }
    std::string file = layout_.session().reporter().report_file();
    long line = layout_.session().reporter().report_line();
    std::string text = native_->preprocess(value, file, line > 0 ? line - 1 : 0);
    // The value is one expression: the line markers of the preprocessor
    // and its line ends go.
    std::string out;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string_view piece = trimmed(std::string_view(text).substr(start, end - start));
        if (!piece.empty() && piece.front() != '#') {
            if (!out.empty()) out += ' ';
            out += piece;
        }
        start = end + 1;
    }
    return std::string(trimmed(out));
}

namespace {

// The stub generator's view of the C analysis: the values of STUB
// statements go through the model the variable statements use.
class NativeStubValues : public StubValueModel {
public:
    explicit NativeStubValues(NativeAnalysis& native) : native_(native) {}
    bool spread(const TypeNode* type, const std::string& root, std::string_view value,
                std::vector<std::string>& leaves, SpreadFailure& failure,
                bool compound_literal) override {
        std::optional<NativeSpread> spread =
            native_.spread_typed_value(type, root, value, compound_literal);
        if (!spread) return false;
        failure = spread->failure;
        leaves = std::move(spread->values);
        return spread->spread;
    }
    std::vector<ValueFinding> check(std::string_view value, CValueKind kind,
                                    const TypeFacts& facts) override {
        return native_.check_value(value, kind, facts, "");
    }

private:
    NativeAnalysis& native_;
};

}  // namespace

void HarnessGeneration::describe_stub_call(const StubCall& statement) {
    // The values as the harness writes them: preprocessed, and a decimal
    // constant above the largest long long with the suffix that makes it
    // unsigned, as the compiler wants.
    StubCall call = statement;
    for (std::string& value : call.values) {
        std::size_t arrow = find_top_level(value, "=>");
        if (arrow != std::string::npos) {
            value = c_with_unsigned_suffix(preprocessed(value.substr(0, arrow))) + " => " +
                    c_with_unsigned_suffix(preprocessed(value.substr(arrow + 2)));
        } else {
            value = c_with_unsigned_suffix(preprocessed(value));
        }
    }
    if (call.return_value) {
        call.return_value = c_with_unsigned_suffix(preprocessed(*call.return_value));
    }
    if (native_ != nullptr) {
        NativeStubValues model(*native_);
        layout_.stubs().describe(call, &model);
    } else {
        layout_.stubs().describe(call);
    }
}

void HarnessGeneration::emit_test_head(const TestHead& test) {
    variables_.begin_test();
    // The "R" record of a repeated test follows its "T" record.
    int repetition_record = test.loop_expression.empty() ? 0 : test.record_number + 1;
    // A count the headers fix (a macro) is held to what a written number
    // is: a test that would run no time, or a negative number of times,
    // is refused rather than passed with nothing checked.
    if (native_ != nullptr && !test.loop_expression.empty() &&
        !std::isdigit(static_cast<unsigned char>(test.loop_expression.front()))) {
        const std::optional<NumericValue> count =
            native_->numeric_value(preprocessed(test.loop_expression));
        if (count && count->integer && count->value < 1) {
            Reporter& reporter = layout_.session().reporter();
            reporter.report(
                {reporter.report_file(), test.line > 0 ? test.line : reporter.report_line()},
                Severity::error, msg::VALBOUCER, test.loop_expression);
        }
    }
    layout_.emit_test_head(test.record_number, test.name, test.ordinal, test.loop_expression,
                           repetition_record);
    layout_.list_test(test.record_number, test.name, test.file, test.line);
}

void HarnessGeneration::emit_main(const SelectionFacts& facts) {
    // A script that never reached BEGIN still gets a complete program.
    layout_.emit_prologue();
    layout_.emit_main(facts);
    layout_.emit_declarations_end();
}

}  // namespace vx
