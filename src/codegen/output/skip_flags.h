// The skip flags: the seven switches that decide whether generated text and
// link records are written at the moment.
//
// The statement dispatcher sets and clears them as it enters and leaves
// blocks (an excluded SIMUL branch, a service, test or family left out by
// the selection options, a false IF condition) and around the analysis and
// generation of variable statements. Every writer of generated text asks
// `output_enabled` first: output is on while none of the flags 0 to 4 is
// set. Flag 5 (a VAR, ARRAY or STR statement is being analysed) pauses the
// link records and the closing half of an element, flag 6 only tells that
// element code is being generated.
//
// The flags belong to the block state of the dispatcher, but the writers
// live here, below it; so the object lives here too and the dispatcher
// reaches it through the output session (`skip_flags()`).
#pragma once

#include <array>
#include <cstddef>

namespace vx {

enum class SkipFlag : std::size_t {
    simulation_branch = 0,   // the excluded branch of SIMUL / ELSE_SIMUL
    service_excluded = 1,    // a service left out by the selection options
    test_excluded = 2,       // a test left out
    family_excluded = 3,     // a family left out
    false_condition = 4,     // a false IF condition
    variable_analysis = 5,   // a VAR, ARRAY or STR statement is analysed
    element_generation = 6,  // element code is being generated
};

inline constexpr std::size_t skip_flag_count = 7;
// Flags 0 to 4 suppress output; the others only pause or mark.
inline constexpr std::size_t suppressing_flag_count = 5;

class SkipFlags {
public:
    void set(SkipFlag flag, bool on = true) { flags_[static_cast<std::size_t>(flag)] = on; }
    void clear(SkipFlag flag) { set(flag, false); }
    bool test(SkipFlag flag) const { return flags_[static_cast<std::size_t>(flag)]; }
    void clear_all() { flags_.fill(false); }

    // True while none of the flags 0 to 4 is set.
    bool output_enabled() const;
    // True while flag 5 is set: link records and element closing text wait.
    bool records_paused() const { return test(SkipFlag::variable_analysis); }

private:
    std::array<bool, skip_flag_count> flags_{};
};

}  // namespace vx
