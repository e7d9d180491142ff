#include "driver/crash_handler.h"

#include "diag/reporter.h"

#include <csignal>

namespace vx {

namespace {

extern "C" void on_crash(int) { report_internal(msg::INTERNERR, "Module SFC"); }

}  // namespace

void install_crash_handler() { std::signal(SIGSEGV, on_crash); }

}  // namespace vx
