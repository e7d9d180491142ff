// Test fixture of the code generation tests: each test runs in a scratch
// directory of its own under the test working directory, with a fresh
// reporter whose lines are collected, and ends by checking that no work
// file was left behind.
#pragma once

#include "codegen/harness_layout.h"
#include "codegen/output/output_session.h"
#include "diag/catalogue.h"
#include "diag/file_guard.h"
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace vx::testing {

class CodegenTest : public ::testing::Test {
protected:
    void SetUp() override {
        original_ = std::filesystem::current_path();
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        scratch_ = original_ / ("codegen_scratch_" + std::string(info->test_suite_name()) + "_" +
                                info->name() + "_" + std::to_string(::getpid()));
        std::filesystem::remove_all(scratch_);
        std::filesystem::create_directories(scratch_);
        std::filesystem::current_path(scratch_);

        fresh_ = std::make_unique<testkit::FreshReporter>();
    }

    void TearDown() override {
        EXPECT_EQ(staged_files_left(), std::vector<std::string>{});
        fresh_.reset();
        std::filesystem::current_path(original_);
        std::filesystem::remove_all(scratch_);
    }

    Reporter& reporter() { return fresh_->get(); }
    // The run's registry of inputs and outputs, one per test.
    RunFiles& files() { return files_; }
    RunFiles files_;

    // Names of the current directory that look like the staged file of an
    // output ("t.c.vx" + process + serial): an output neither put in place
    // nor deleted.
    static std::vector<std::string> staged_files_left() {
        std::vector<std::string> left;
        for (const auto& entry : std::filesystem::directory_iterator(".")) {
            std::string name = entry.path().filename().string();
            if (name.find(".vx") != std::string::npos) {
                left.push_back(name);
            }
        }
        return left;
    }

    static std::vector<std::string> read_lines(const std::string& path) {
        std::ifstream in(path);
        std::vector<std::string> lines;
        std::string line;
        while (std::getline(in, line)) {
            lines.push_back(line);
        }
        return lines;
    }

    static std::string read_all(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    // The outputs of a small run compiling s.ptu into t.c, with its
    // declarations file t.ic and its link records t.tdc.
    static OutputSettings output_settings() {
        OutputSettings s;
        s.command_echo = "vexorprepro s.ptu t.c";
        s.run_date = "Mon Jan  1 10:00:00 2024";
        s.script_path = "s.ptu";
        s.script_file_name = "s.ptu";
        s.generated_path = "t.c";
        s.declarations_path = "t.ic";
        s.link_record_path = "t.tdc";
        s.config_header_path = "vexor_cfg.h";
        return s;
    }

    // The harness of that run: program t, traces to t.rio.
    static HarnessSettings layout_settings() {
        HarnessSettings h;
        h.program_name = "t";
        h.runtime_include = "\"TP.h\"";
        h.declarations_include = output_settings().declarations_path;
        h.traces_path = "t.rio";
        return h;
    }

    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return std::find(lines.begin(), lines.end(), line) != lines.end();
    }

    static std::vector<std::string> missing(const std::vector<std::string>& lines,
                                            std::initializer_list<std::string> wanted) {
        return testkit::missing_lines(lines, wanted);
    }

    static bool exists(const std::string& path) { return std::filesystem::exists(path); }

    static void write_file(const std::string& path, const std::string& text) {
        std::ofstream(path, std::ios::binary) << text;
    }

    // Lines of `lines` from the first one that does not belong to a banner
    // (banner lines all contain "*").
    static std::vector<std::string> after_banner(const std::vector<std::string>& lines) {
        std::size_t i = 0;
        while (i < lines.size() && lines[i].find('*') != std::string::npos) {
            ++i;
        }
        return {lines.begin() + static_cast<std::ptrdiff_t>(i), lines.end()};
    }

    // The lines the reporter showed since the last call.
    std::string shown() { return fresh_->shown(); }

    // Runs `body`, which must stop the run; returns the exit status and
    // the lines the reporter showed meanwhile.
    template <typename Body>
    std::pair<int, std::string> expect_end(Body body) {
        shown();
        int status = -1;
        try {
            body();
            ADD_FAILURE() << "the run did not stop";
        } catch (const RunStopped& stopped) {
            status = stopped.status;
        }
        return {status, shown()};
    }

    std::filesystem::path original_;
    std::filesystem::path scratch_;
    std::unique_ptr<testkit::FreshReporter> fresh_;
};

}  // namespace vx::testing
