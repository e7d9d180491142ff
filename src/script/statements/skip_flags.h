// The skip flags: why the text of the script being read is not generated at
// the moment.
//
// The statement dispatcher sets and clears them as it enters and leaves
// blocks: an excluded SIMUL branch, a service, test or family left out by
// the selection options, a false IF condition. Output is on while none is
// set. Every change is handed to the output machinery at once, so that the
// generators only ever see one switch, on or off, and never the reasons.
#pragma once

#include "codegen/output/output_machinery.h"

#include <array>
#include <cstddef>

namespace vx {

enum class SkipFlag : std::size_t {
    simulation_branch = 0,  // the excluded branch of SIMUL / ELSE_SIMUL
    service_excluded = 1,   // a service left out by the selection options
    test_excluded = 2,      // a test left out
    family_excluded = 3,    // a family left out
    false_condition = 4,    // a false IF condition
};

inline constexpr std::size_t skip_flag_count = 5;

class SkipFlags {
public:
    explicit SkipFlags(OutputMachinery& output) : output_(output) {}

    void set(SkipFlag flag, bool on = true) {
        flags_[static_cast<std::size_t>(flag)] = on;
        output_.set_enabled(output_enabled());
    }
    void clear(SkipFlag flag) { set(flag, false); }
    bool test(SkipFlag flag) const { return flags_[static_cast<std::size_t>(flag)]; }

    // True while no flag is set.
    bool output_enabled() const {
        for (bool flag : flags_) {
            if (flag) return false;
        }
        return true;
    }

private:
    OutputMachinery& output_;
    std::array<bool, skip_flag_count> flags_{};
};

}  // namespace vx
