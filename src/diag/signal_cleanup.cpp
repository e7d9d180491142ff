#include "diag/signal_cleanup.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstring>

namespace vx {

namespace {

// Enough for every output of a run and its staged file.
constexpr int removable_slots = 64;
constexpr std::size_t removable_name_size = 4096;
constexpr std::size_t signal_message_size = 512;
constexpr int highest_signal = 64;

struct RemovableSlot {
    volatile sig_atomic_t used = 0;
    char name[removable_name_size] = {};
};

RemovableSlot removable[removable_slots];

struct SignalMessage {
    std::size_t length = 0;
    char text[signal_message_size] = {};
};

SignalMessage messages[highest_signal + 1];

volatile sig_atomic_t listing_descriptor = -1;
// The listing's names: written under the first, renamed to the second.
volatile sig_atomic_t listing_renamed = 0;
char listing_staged[removable_name_size] = {};
char listing_name[removable_name_size] = {};

extern "C" void on_ending_signal(int signal_number) {
    // A second signal during the cleanup must not start it again.
    for (const EndingSignal& other : ending_signals) {
        ::signal(other.number, SIG_IGN);
    }
    remove_removable_files();
    if (signal_number > 0 && signal_number <= highest_signal) {
        const SignalMessage& message = messages[signal_number];
        if (message.length > 0) {
            ssize_t ignored = ::write(STDERR_FILENO, message.text, message.length);
            // The listing ends with the same message, on a line of its own
            // after whatever of it had reached the file.
            const int listing = listing_descriptor;
            if (listing >= 0) {
                ignored = ::write(listing, "\n", 1);
                ignored = ::write(listing, message.text, message.length);
                if (listing_renamed != 0) {
                    ::rename(listing_staged, listing_name);
                }
            }
            (void)ignored;
        }
    }
    ::_exit(128 + signal_number);
}

}  // namespace

EndingSignalsHeld::EndingSignalsHeld() {
    sigset_t ending;
    sigemptyset(&ending);
    for (const EndingSignal& signal : ending_signals) {
        sigaddset(&ending, signal.number);
    }
    ::sigprocmask(SIG_BLOCK, &ending, &previous_);
}

EndingSignalsHeld::~EndingSignalsHeld() { ::sigprocmask(SIG_SETMASK, &previous_, nullptr); }

void set_listing_descriptor(int descriptor, std::string_view staged, std::string_view name) {
    listing_descriptor = -1;
    std::atomic_signal_fence(std::memory_order_seq_cst);
    listing_renamed = 0;
    if (!staged.empty() && staged.size() < removable_name_size &&
        name.size() < removable_name_size) {
        std::memcpy(listing_staged, staged.data(), staged.size());
        listing_staged[staged.size()] = '\0';
        std::memcpy(listing_name, name.data(), name.size());
        listing_name[name.size()] = '\0';
        listing_renamed = 1;
    }
    std::atomic_signal_fence(std::memory_order_seq_cst);
    listing_descriptor = descriptor;
}

const char* ending_signal_name(int signal_number) {
    for (const EndingSignal& ending : ending_signals) {
        if (ending.number == signal_number) return ending.name;
    }
    return "signal";
}

void add_removable_file(std::string_view path) {
    if (path.empty() || path.size() >= removable_name_size) {
        return;
    }
    for (RemovableSlot& slot : removable) {
        if (slot.used == 0) {
            std::memcpy(slot.name, path.data(), path.size());
            slot.name[path.size()] = '\0';
            // The name is whole before the handler can see the slot.
            std::atomic_signal_fence(std::memory_order_seq_cst);
            slot.used = 1;
            return;
        }
    }
}

void drop_removable_file(std::string_view path) {
    for (RemovableSlot& slot : removable) {
        if (slot.used != 0 && std::string_view(slot.name) == path) {
            slot.used = 0;
            std::atomic_signal_fence(std::memory_order_seq_cst);
            return;
        }
    }
}

void remove_removable_files() noexcept {
    for (RemovableSlot& slot : removable) {
        if (slot.used != 0) {
            ::unlink(slot.name);
            slot.used = 0;
        }
    }
}

namespace detail {

void set_signal_message(int signal_number, std::string_view message) {
    if (signal_number <= 0 || signal_number > highest_signal) {
        return;
    }
    SignalMessage& slot = messages[signal_number];
    slot.length = std::min(message.size(), signal_message_size);
    std::memcpy(slot.text, message.data(), slot.length);
}

void install_signal_handlers() {
    for (const EndingSignal& ending : ending_signals) {
        const int signal_number = ending.number;
        struct sigaction action {};
        action.sa_handler = on_ending_signal;
        sigemptyset(&action.sa_mask);
        for (const EndingSignal& other : ending_signals) {
            sigaddset(&action.sa_mask, other.number);
        }
        action.sa_flags = 0;
        ::sigaction(signal_number, &action, nullptr);
    }
}

}  // namespace detail

}  // namespace vx
