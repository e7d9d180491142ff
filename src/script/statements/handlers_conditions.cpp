// Conditional generation: IF / ELSE / END IF on defined names, SIMUL /
// ELSE_SIMUL / END SIMUL on the simulation option, and SEQUENCE mode.
//
// Every IF level remembers whether the text around it was being skipped
// (skip flag 4 when the IF was met). A false condition sets the flag; ELSE
// inverts it unless the text around the IF is skipped anyway; END IF gives
// back the state of the text around. These statements are handled even
// while skipping, so that the levels stay matched.
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "script/statements/dispatcher.h"
#include "support/text.h"

#include <algorithm>

namespace vx {

bool Dispatcher::condition_true(std::string_view names) {
    const std::vector<std::string>& defined = options_.settings.defined_identifiers;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = names.find(',', start);
        std::string identifier(trimmed(names.substr(
            start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
        if (!identifier.empty()) {
            if (options_.analysis_of_c()) {
                if (std::optional<bool> macro = native_.macro_defined(identifier)) {
                    if (*macro) {
                        return true;
                    }
                } else if (std::find(defined.begin(), defined.end(), identifier) != defined.end()) {
                    return true;
                }
            } else {
                to_upper(identifier);
                if (std::find(defined.begin(), defined.end(), identifier) != defined.end()) {
                    return true;
                }
            }
        }
        if (comma == std::string_view::npos) {
            return false;
        }
        start = comma + 1;
    }
}

void Dispatcher::handle_if(const Statement& s) {
    const bool skipping = flags().test(SkipFlag::false_condition);
    state_.if_stack.push_back(IfLevel{false, skipping});
    if (!condition_true(s.argument)) {
        flags().set(SkipFlag::false_condition);
    }
}

void Dispatcher::handle_else(const Statement&) {
    // An ELSE belongs to the innermost open IF, which may have only one.
    if (state_.if_stack.empty() || state_.if_stack.back().else_seen) {
        reporter_.error(msg::TROPSINON, "");
        return;
    }
    IfLevel& level = state_.if_stack.back();
    level.else_seen = true;
    if (!level.enclosing_skipped) {
        flags().set(SkipFlag::false_condition, !flags().test(SkipFlag::false_condition));
    }
}

void Dispatcher::handle_end_if(const Statement&) {
    if (state_.if_stack.empty()) {
        reporter_.warning(msg::TROPFINSI, "");
        return;
    }
    flags().set(SkipFlag::false_condition, state_.if_stack.back().enclosing_skipped);
    state_.if_stack.pop_back();
}

void Dispatcher::handle_simul(const Statement&) {
    if (state_.simul_open) {
        reporter_.warning(msg::MOTDOUBLE, name(KeywordName::simul));
        return;
    }
    state_.simul_open = true;
    state_.else_simul_seen = false;
    flags().set(SkipFlag::simulation_branch, options_.settings.no_simulation);
}

void Dispatcher::handle_else_simul(const Statement&) {
    if (!state_.simul_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::simul));
        return;
    }
    if (state_.else_simul_seen) {
        reporter_.warning(msg::MOTDOUBLE, name(KeywordName::else_simul));
        return;
    }
    state_.else_simul_seen = true;
    flags().set(SkipFlag::simulation_branch, !options_.settings.no_simulation);
}

void Dispatcher::handle_end_simul(const Statement&) {
    if (!state_.simul_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::simul));
        return;
    }
    state_.simul_open = false;
    state_.else_simul_seen = false;
    flags().clear(SkipFlag::simulation_branch);
}

void Dispatcher::handle_sequence(const Statement&) { state_.sequence_mode = true; }

}  // namespace vx
