// Output is enabled while no suppressing flag is set.
#include "codegen/output/skip_flags.h"

namespace vx {

bool SkipFlags::output_enabled() const {
    for (std::size_t i = 0; i < suppressing_flag_count; ++i) {
        if (flags_[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace vx
