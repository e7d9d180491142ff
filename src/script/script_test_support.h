// Test support of the script front end: each test runs in a scratch
// directory of its own with a fresh reporter writing a details file, a
// process ending that throws instead of exiting, and an output session
// whose files (t.c, t.ic, t.tdc) can be read back after the run. The
// messages of a run are read back from the details file.
#pragma once

#include "codegen/output/output_session.h"
#include "diag/catalogue.h"
#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "script/front_end.h"
#include "script/front_end_outputs_support.h"
#include "script/script_language.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace vx::script_testing {

// One message line of the details file.
struct Diagnostic {
    char severity = 0;
    std::string code;
    std::string file;
    long line = 0;
    std::string body;  // the text after the location prefix
};

inline std::vector<Diagnostic> parse_diagnostics(const std::string& text) {
    std::vector<Diagnostic> result;
    const std::string tag = "Harnex-";
    for (const std::string& line : testkit::split_lines(text)) {
        if (line.rfind(tag, 0) != 0 || line.size() < 20) {
            continue;
        }
        Diagnostic d;
        d.severity = line[tag.size()];
        std::size_t code_end = line.find(',', tag.size() + 2);
        d.code = line.substr(tag.size() + 2, code_end - tag.size() - 2);
        std::string body = line.substr(code_end + 3);
        if (!body.empty() && body.front() == '[') {
            std::size_t close = body.find("] ");
            std::string location = body.substr(1, close - 1);
            std::size_t colon = location.rfind(':');
            if (colon != std::string::npos) {
                d.file = location.substr(0, colon);
                d.line = std::stol(location.substr(colon + 1));
            } else {
                d.line = std::stol(location);
            }
            body = body.substr(close + 2);
        }
        d.body = body;
        result.push_back(d);
    }
    return result;
}

// Records the calls of the generation hooks.
class RecordingHooks : public HarnessHooks {
public:
    std::vector<std::string> calls;

    void emit_prologue() override { calls.push_back("prologue"); }
    void emit_stub_services() override { calls.push_back("stub_services"); }
    void emit_service_head(const ServiceHead& s) override {
        calls.push_back("service_head " + s.function_name);
    }
    void emit_service_banner(const ServiceHead& s) override {
        calls.push_back("service_banner " + s.name);
    }
    void emit_service_declaration(int number, std::string_view name) override {
        calls.push_back("service_declaration " + std::to_string(number) + " " + std::string(name));
    }
    void emit_test_head(const TestHead& t) override {
        calls.push_back("test_head " + std::to_string(t.record_number) + " " + t.name +
                        (t.loop_expression.empty() ? "" : " loop " + t.loop_expression));
    }
    // The start of an element is not recorded: the tests follow its head.
    void begin_element() override {}
    void emit_element_head(int ordinal) override {
        calls.push_back("element_head " + std::to_string(ordinal));
    }
    void generate_element_code() override { calls.push_back("element_code"); }
    void emit_element_end() override { calls.push_back("element_end"); }
    void emit_test_end() override { calls.push_back("test_end"); }
    void emit_service_end(const ServiceHead& s) override {
        calls.push_back("service_end " + s.name);
    }
    void generate_stub_definition(const StubDefinition& stub) override {
        calls.push_back("stub " + stub.name + " " + stub.qualifier + " " +
                        std::to_string(stub.line) + ":" + stub.text);
    }
    // The statement's text after its keyword.
    void describe_stub_call(const StubCall& call) override {
        calls.push_back("stub_call " + call.text.substr(call.text.find(' ') + 1));
    }
    void emit_main(const SelectionFacts&) override { calls.push_back("main"); }
    void add_variable(const VariableClause& clause, bool in_environment) override {
        calls.push_back(std::string(in_environment ? "environment " : "") + "variable " +
                        clause.variable);
    }
    void add_environment_variable(const VariableClause& clause) override {
        calls.push_back("environment_variable " + clause.variable + " init " + clause.init_value +
                        " ev " + clause.ev_value);
    }

    bool called(const std::string& call) const {
        return std::find(calls.begin(), calls.end(), call) != calls.end();
    }
};

// A C analysis that records what it is handed and knows a set of macros.
class RecordingNative : public WithoutNativeAnalysis {
public:
    std::vector<std::string> preprocessed;
    std::vector<long> preprocessed_lines;
    std::vector<std::string> analysed;
    std::set<std::string> macros;
    bool has_preprocessor = false;

    std::string preprocess(std::string_view text, std::string_view, long first_line) override {
        preprocessed.emplace_back(text);
        preprocessed_lines.push_back(first_line);
        return std::string(text);
    }
    void analyse_declarations(std::string_view text, std::string_view scope) override {
        analysed.emplace_back(text);
        scopes.emplace_back(scope);
    }
    std::vector<std::string> scopes;
    std::optional<bool> macro_defined(std::string_view name) override {
        if (!has_preprocessor) {
            return std::nullopt;
        }
        return macros.count(std::string(name)) != 0;
    }
};

class FrontEndTest : public ::testing::Test {
protected:
    void SetUp() override {
        scratch_ = std::make_unique<testkit::ScratchDir>();
        cwd_ = std::make_unique<testkit::WorkingDir>(scratch_->path());
        catalogue_.register_all();
        reporter_ = std::make_unique<Reporter>(catalogue_);
        reporter_->open_details_file("run.lis");
        // Most tests look at the script side alone; C analysis is switched
        // on where a test is about it.
        options_.analysis_enabled = false;
    }

    void TearDown() override {
        front_end_.reset();
        session_.reset();
        reporter_.reset();
        cwd_.reset();
        EXPECT_TRUE(staged_files_left().empty());
        scratch_.reset();
    }

    // Staged files of outputs ("t.c.vx" + process + serial): an output
    // neither put in place nor deleted.
    std::vector<std::string> staged_files_left() const {
        std::vector<std::string> left;
        for (const std::string& name : scratch_->entries()) {
            if (name.find(".vx") != std::string::npos) {
                left.push_back(name);
            }
        }
        return left;
    }

    static void write(const std::string& name, const std::string& text) {
        testkit::write_file(name, text);
    }

    OutputSettings settings(const std::string& script) const {
        return front_end_outputs(settings_.tested_language, script, "t",
                                 "Mon Jan  1 00:00:00 2024");
    }

    // Runs the whole front end on a script text; returns the exit status a
    // fatal report asked for, or -1 when the run went through.
    int run(const std::string& text, const std::string& name = "t.ptu") {
        write(name, text);
        return run_file(name);
    }

    int run_file(const std::string& name) {
        front_end_.reset();
        session_ = std::make_unique<OutputSession>(settings(name), *reporter_, files_);
        front_end_ =
            std::make_unique<FrontEnd>(*reporter_, options_, language_, *session_, hooks_, native_);
        return run_steps([&] { front_end_->compile(name, source_, settings_.version_pattern); });
    }

    // Runs the steps of a run on the session; returns the exit
    // status a fatal report asked for, or -1 when the steps went through,
    // and then closes the outputs as the end of a run does.
    template <typename Steps>
    int run_steps(Steps steps) {
        int status = -1;
        try {
            steps();
        } catch (const RunStopped& stopped) {
            status = stopped.status;
        }
        if (status < 0) {
            // Routed main text is copied where a harness would put it.
            session_->output().flush_section(SectionKind::main_prologue);
            session_->output().flush_section(SectionKind::main_epilogue);
            session_->finish_outputs(false);
        }
        return status;
    }

    std::vector<Diagnostic> diagnostics() {
        reporter_->close_details_file();
        return parse_diagnostics(testkit::read_file("run.lis"));
    }

    // The codes of the messages, in order, as "W-STXMETAIN".
    std::vector<std::string> codes() {
        std::vector<std::string> result;
        for (const Diagnostic& d : diagnostics()) {
            result.push_back(std::string(1, d.severity) + "-" + d.code);
        }
        return result;
    }

    bool has(const std::string& severity_code) {
        std::vector<std::string> all = codes();
        return std::find(all.begin(), all.end(), severity_code) != all.end();
    }

    // The first message of that code.
    Diagnostic first(const std::string& code) {
        for (const Diagnostic& d : diagnostics()) {
            if (d.code == code) {
                return d;
            }
        }
        ADD_FAILURE() << "no message " << code;
        return {};
    }

    // The link records after the banner, each whole: a record folded at
    // the line width (a long path does that) goes on in "&" lines, which
    // are joined to it as the report's reader does.
    // The end record ("Z" + count + stamp), which every run writes last, is
    // left out.
    static std::vector<std::string> records() {
        std::vector<std::string> result;
        for (const std::string& line : testkit::split_lines(testkit::read_file("t.tdc"))) {
            if (line.empty() || line.front() == '*' || line.rfind("Z ", 0) == 0) {
                continue;
            }
            if (line.front() == '&' && !result.empty()) {
                result.back().append(line, 1);
            } else {
                result.push_back(line);
            }
        }
        return result;
    }

    // The records from the first of that kind on ("E17" ...), or all
    // records written while the script was read when `kind` is empty.
    static std::vector<std::string> records_from(const std::string& prefix) {
        std::vector<std::string> all = records();
        auto it = std::find_if(all.begin(), all.end(),
                               [&](const std::string& r) { return r.rfind(prefix, 0) == 0; });
        return {it, all.end()};
    }

    static bool has_record(const std::string& record) {
        std::vector<std::string> all = records();
        return std::find(all.begin(), all.end(), record) != all.end();
    }

    // The generated file after its banner.
    static std::vector<std::string> generated() {
        std::vector<std::string> lines = testkit::split_lines(testkit::read_file("t.c"));
        const std::string full = "/*" + std::string(72, '*') + "*/";
        int seen = 0;
        std::size_t start = 0;
        for (std::size_t i = 0; i < lines.size() && seen < 2; ++i) {
            if (lines[i] == full) {
                ++seen;
                start = i + 1;
            }
        }
        return {lines.begin() + static_cast<std::ptrdiff_t>(start), lines.end()};
    }

    std::string details() {
        reporter_->close_details_file();
        return testkit::read_file("run.lis");
    }

    Reporter& reporter() { return *reporter_; }
    // The run's registry of inputs and outputs, one per test.
    RunFiles& files() { return files_; }
    RunFiles files_;

    // The run's records and the front end's view of them.
    CompilerSettings settings_;
    RunEnvironment environment_;
    ScriptOptions options_{settings_, environment_};
    ScriptLanguage language_;
    RecordingHooks hooks_;
    RecordingNative native_;
    std::string source_;
    std::unique_ptr<OutputSession> session_;
    std::unique_ptr<FrontEnd> front_end_;

private:
    std::unique_ptr<testkit::ScratchDir> scratch_;
    std::unique_ptr<testkit::WorkingDir> cwd_;
    MessageCatalogue catalogue_;
    std::unique_ptr<Reporter> reporter_;
};

}  // namespace vx::script_testing
