// Ending a run on a signal.
//
// The signals that end a process (SIGINT, SIGTERM, SIGHUP, SIGPIPE, SIGQUIT,
// SIGALRM, SIGUSR1, SIGUSR2, SIGXFSZ, SIGXCPU, SIGVTALRM, SIGPROF) end the
// run as a fatal error would: every file of the run that is not a finished
// output (the outputs still being written) is removed, a
// message prepared in advance is written on standard error and at the end
// of the listing, and the process ends with 128 + the signal number.
//
// The handler may run at any instruction, so it only uses what is safe
// there: a fixed table of names filled before each file is created, and
// unlink, write and _exit. A name is added to the table before its file is
// created and taken out once the file is renamed into place or removed.
#pragma once

#include <csignal>
#include <string_view>

namespace vx {

// The signals that end a run: every one whose default action ends the
// process without a core image worth keeping, and the quit key, the file
// size and CPU limits and the timers too.
struct EndingSignal {
    int number;
    const char* name;  // the conventional name ("SIGQUIT")
};
inline constexpr EndingSignal ending_signals[] = {
    {SIGINT, "SIGINT"},   {SIGTERM, "SIGTERM"}, {SIGHUP, "SIGHUP"},       {SIGPIPE, "SIGPIPE"},
    {SIGQUIT, "SIGQUIT"}, {SIGALRM, "SIGALRM"}, {SIGUSR1, "SIGUSR1"},     {SIGUSR2, "SIGUSR2"},
    {SIGXFSZ, "SIGXFSZ"}, {SIGXCPU, "SIGXCPU"}, {SIGVTALRM, "SIGVTALRM"}, {SIGPROF, "SIGPROF"}};

// Holds the ending signals back for its scope: the outputs of a run are put
// in place together, so that a signal never leaves some of them new and
// the others old. A signal that came meanwhile ends the run at the end of
// the scope.
class EndingSignalsHeld {
public:
    EndingSignalsHeld();
    ~EndingSignalsHeld();
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t previous_;
};

// The conventional name of an ending signal ("SIGQUIT").
const char* ending_signal_name(int signal_number);

// The descriptor of the listing: a run stopped by a signal ends it with the
// message that says why (-1: no listing), then renames it from the name it
// is written under to its own (when `staged` is not empty).
void set_listing_descriptor(int descriptor, std::string_view staged, std::string_view name);

// Installs the handlers. `message_for` gives the text written on standard
// error for a signal (composed now, since the handler cannot).
template <typename MessageFor>
void install_signal_cleanup(MessageFor message_for);

// Adds or removes a name of the table of files to remove on a signal. A
// name too long for the table is not kept (it is removed by the ordinary
// cleanup paths only).
void add_removable_file(std::string_view path);
void drop_removable_file(std::string_view path);

// Removes every file of the table; async-signal-safe.
void remove_removable_files() noexcept;

namespace detail {
void set_signal_message(int signal_number, std::string_view message);
void install_signal_handlers();
}  // namespace detail

template <typename MessageFor>
void install_signal_cleanup(MessageFor message_for) {
    for (const EndingSignal& ending : ending_signals) {
        detail::set_signal_message(ending.number, message_for(ending.number));
    }
    detail::install_signal_handlers();
}

}  // namespace vx
