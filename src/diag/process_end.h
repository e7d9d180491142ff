// The end of a run.
//
// A fatal or internal report does not end the process where it is raised:
// the report writes its message, runs the cleanup of the run's files and
// gives a RunStopped, which the caller throws. run_compiler (and the main of
// each tool) catches it and ends the process with its status through
// end_process, as the summary does for a run that went to its end. Tests
// catch RunStopped like any exception.
#pragma once

namespace vx {

// Exit statuses of a run.
inline constexpr int exit_clean = 0;
inline constexpr int exit_warnings = 3;
inline constexpr int exit_errors = 5;
inline constexpr int exit_fatal = 7;
inline constexpr int exit_internal = 9;

// A run stopped by a fatal or internal report: the message is written, the
// listing closed and the unfinished outputs removed; only the exit remains.
struct [[nodiscard]] RunStopped {
    int status;
};

// Ends the process with the status, after removing whatever file of the run
// is still unfinished. Called by the programs' entry points and by the crash
// handler, never by the stages of a run.
[[noreturn]] void end_process(int status);

}  // namespace vx
