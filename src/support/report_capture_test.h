// Test helper: a fresh reporter whose lines are collected instead of
// written to standard error, so that a test can read them and observe the
// state the code left behind after a fatal or internal report (which the
// code under test throws as a RunStopped).
#pragma once

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"

#include <gtest/gtest.h>

#include <string>

namespace vx::testing_support {

class ReportCapture {
public:
    ReportCapture() : reporter_(catalogue_) {
        catalogue_.register_all();
        reporter_.set_console([this](std::string_view line) { captured_.append(line); });
    }
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    // Every line shown since the capture began, or since the last call.
    std::string output() { return std::exchange(captured_, std::string()); }

    Reporter& reporter() { return reporter_; }

private:
    MessageCatalogue catalogue_;
    Reporter reporter_;
    std::string captured_;
};

}  // namespace vx::testing_support

// Runs the statement, expects it to stop the run with an internal report,
// and expects the code and argument in the reported line.
#define EXPECT_INTERNAL_REPORT(capture, statement, code, argument)                         \
    do {                                                                                   \
        int vx_status_ = -1;                                                               \
        try {                                                                              \
            statement;                                                                     \
        } catch (const ::vx::RunStopped& stopped) {                                        \
            vx_status_ = stopped.status;                                                   \
        }                                                                                  \
        EXPECT_EQ(vx_status_, ::vx::exit_internal);                                        \
        std::string vx_output_ = (capture).output();                                       \
        EXPECT_NE(vx_output_.find("Harnex-S-" code ","), std::string::npos) << vx_output_; \
        EXPECT_NE(vx_output_.find(argument), std::string::npos) << vx_output_;             \
    } while (0)
