// The one way out of the process.
//
// Every end of a run (summary, fatal or internal report, crash handler,
// refused command line) goes through end_process, so that tests can replace
// the ending and so that the work files of the output machinery are always
// removed first when a run stops early.
#pragma once

#include <functional>

namespace vx {

// Exit statuses of a run.
inline constexpr int exit_clean = 0;
inline constexpr int exit_warnings = 3;
inline constexpr int exit_errors = 5;
inline constexpr int exit_fatal = 7;
inline constexpr int exit_internal = 9;

// Ends the process with the status. The substituted ending, when one is
// installed, is called first; a test may make it throw to regain control.
[[noreturn]] void end_process(int status);

using ProcessEnding = std::function<void(int status)>;
// Installs a substitute ending (an empty function restores plain exit) and
// returns the previous one.
ProcessEnding set_process_ending(ProcessEnding ending);

}  // namespace vx
