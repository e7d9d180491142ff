// Test helper: a fresh reporter whose process ending throws instead of
// exiting, so that a test can observe internal reports and the state the
// code left behind, and read what was written to standard error.
#pragma once

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"

#include <gtest/gtest.h>

#include <string>

namespace vx::testing_support {

// Thrown by the substituted process ending.
struct ProcessEnded {
    int status;
};

class ReportCapture {
public:
    ReportCapture() : reporter_(catalogue_) {
        catalogue_.register_all();
        previous_ending_ = set_process_ending([](int status) { throw ProcessEnded{status}; });
        ::testing::internal::CaptureStderr();
    }
    ~ReportCapture() {
        if (capturing_) {
            ::testing::internal::GetCapturedStderr();
        }
        set_process_ending(previous_ending_);
    }
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    // Everything written to standard error since the capture began (ends
    // the capture).
    std::string output() {
        if (capturing_) {
            captured_ = ::testing::internal::GetCapturedStderr();
            capturing_ = false;
        }
        return captured_;
    }

    // Captures standard error again after output() ended the capture.
    void restart() {
        if (!capturing_) {
            ::testing::internal::CaptureStderr();
            capturing_ = true;
        }
    }

    Reporter& reporter() { return reporter_; }

private:
    MessageCatalogue catalogue_;
    Reporter reporter_;
    ProcessEnding previous_ending_;
    bool capturing_ = true;
    std::string captured_;
};

}  // namespace vx::testing_support

// Runs the statement, expects it to end the process with an internal
// report, and expects the code and argument in the reported line.
#define EXPECT_INTERNAL_REPORT(capture, statement, code, argument)                         \
    do {                                                                                   \
        int vx_status_ = -1;                                                               \
        try {                                                                              \
            statement;                                                                     \
        } catch (const ::vx::testing_support::ProcessEnded& ended) {                       \
            vx_status_ = ended.status;                                                     \
        }                                                                                  \
        EXPECT_EQ(vx_status_, ::vx::exit_internal);                                        \
        std::string vx_output_ = (capture).output();                                       \
        EXPECT_NE(vx_output_.find("Harnex-S-" code ","), std::string::npos) << vx_output_; \
        EXPECT_NE(vx_output_.find(argument), std::string::npos) << vx_output_;             \
    } while (0)
