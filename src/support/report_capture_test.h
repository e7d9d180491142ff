// Test helper: a fresh reporter whose lines are collected instead of
// written to standard error, so that a test can read them and observe the
// state the code left behind after a fatal or internal report (which the
// code under test throws as a RunStopped).
#pragma once

#include "diag/process_end.h"
#include "diag/reporter.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <string>

namespace vx::testing_support {

class ReportCapture {
public:
    // Every line shown since the capture began, or since the last call.
    std::string output() { return fresh_.shown(); }

    Reporter& reporter() { return fresh_.get(); }

private:
    testkit::FreshReporter fresh_;
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
