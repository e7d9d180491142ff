#include "driver/crash_handler.h"

#include "diag/process_end.h"
#include "diag/reporter.h"

#include <csignal>

namespace vx {

namespace {

// The one thing a signal handler can reach: the reporter of the run.
Reporter* crash_reporter = nullptr;

extern "C" void on_crash(int signal_number) {
    if (crash_reporter != nullptr) {
        // A handler cannot unwind the run: it reports and ends here.
        crash_reporter->raise(Severity::internal, msg::INTERNERR, "Module SFC");
        end_process(exit_internal);
    }
    std::signal(signal_number, SIG_DFL);
    std::raise(signal_number);
}

}  // namespace

void install_crash_handler(Reporter& reporter) {
    crash_reporter = &reporter;
    // The faults of the program itself: a bad address, a misaligned or
    // vanished mapping, an arithmetic trap, an illegal instruction.
    for (int fault : {SIGSEGV, SIGBUS, SIGFPE, SIGILL}) {
        std::signal(fault, on_crash);
    }
    // A fault the program finds in itself (std::abort) ends the same way.
    std::signal(SIGABRT, on_crash);
}

}  // namespace vx
