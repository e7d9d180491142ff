// The remaining statements: COMMENT and REQUIREMENT records, SERVICE_TYPE,
// INCLUDE, the sub-system statements (SYSTEM, SEGMENT, FAR, NEAR), the
// database statements, REGISTER, and the keywords known but not handled.
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "script/statements/dispatcher.h"
#include "support/text.h"

namespace vx {

void Dispatcher::handle_comment(const Statement& s) {
    if (session_.output_enabled()) {
        session_.records().write_comment(s.argument);
    }
}

void Dispatcher::handle_requirement(const Statement& s) {
    if (session_.output_enabled()) {
        session_.records().write_requirement(s.argument);
    }
}

void Dispatcher::handle_service_type(const Statement& s) {
    close_environment_and_define();
    bool* given = nullptr;
    if (!state_.segment_open) {
        if (state_.service.open) {
            given = &state_.service.service_type_given;
        } else if (!state_.first_service_seen) {
            given = &state_.script_service_type_given;
        }
    }
    if (given == nullptr || *given) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::service_type));
        return;
    }
    *given = true;
    if (session_.output_enabled()) {
        session_.records().write_service_type(s.argument);
    }
}

void Dispatcher::handle_include(const Statement& s) {
    if (!session_.output_enabled()) {
        return;
    }
    std::string word;
    std::string rest;
    split_word(s.argument, word, rest);
    const IncludeKeywordRow* row = find_include_keyword(word);
    if (row == nullptr || !keyword_accepted(row->language) || row->kind == IncludeKind::segment) {
        reporter_.warning(msg::STXMETAIN, s.text);
        return;
    }
    const std::string file(trimmed(rest));
    if (row->kind == IncludeKind::code) {
        reader_.include_code(file);
    } else {
        reader_.push_script(file);
    }
}

void Dispatcher::handle_unknown(const Statement& s) { reporter_.warning(msg::STXMETAIN, s.text); }

// REGISTER has no effect any more: the statement is ignored, and said so,
// since its variables are neither set nor checked.
void Dispatcher::handle_register(const Statement&) {}

void Dispatcher::handle_database(const Statement& s) {
    if (!options_.settings.sql_mode) {
        reporter_.error(msg::OPSGBDIMP, s.keyword);
    }
}

// Sub-system statements exist only in sub-system mode; elsewhere they are
// unknown keywords.
bool Dispatcher::sub_system_statement(const Statement& s) {
    if (!options_.settings.sub_system) {
        reporter_.warning(msg::STXMETAIN, s.text);
        return false;
    }
    return true;
}

void Dispatcher::handle_system(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (state_.system_seen) {
        reporter_.warning(msg::MOTDOUBLE, name(KeywordName::system));
        return;
    }
    state_.system_seen = true;
}

void Dispatcher::handle_segment(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (!state_.system_seen) {
        reporter_.error(msg::MOTCLEABS, name(KeywordName::system));
        return;
    }
    state_.segment_open = true;
}

void Dispatcher::handle_end_segment(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (!state_.segment_open) {
        reporter_.warning(msg::STXMETAIN, s.text);
        return;
    }
    state_.segment_open = false;
}

void Dispatcher::handle_far(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (state_.service.open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::far_block));
        return;
    }
    ensure_begin();
    state_.far_open = true;
}

void Dispatcher::handle_near(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (state_.service.open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::near_block));
        return;
    }
    ensure_begin();
    state_.near_open = true;
}

void Dispatcher::handle_end_far(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (!state_.far_open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_far));
        return;
    }
    state_.far_open = false;
}

void Dispatcher::handle_end_near(const Statement& s) {
    if (!sub_system_statement(s)) {
        return;
    }
    if (!state_.near_open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_near));
        return;
    }
    state_.near_open = false;
}

}  // namespace vx
