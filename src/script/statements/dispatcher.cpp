// The dispatch of one statement: keyword lookup, language check, argument
// rules, hand-over of native text, and the handler found in the handler
// table by the keyword's code. Codes without a row in the handler table
// (COV and LIST among them) are unknown keywords once they have passed the
// checks.
#include "script/statements/dispatcher.h"

#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "script/script_language.h"
#include "support/text.h"

#include <algorithm>

namespace vx {

namespace {

bool is_control_character(char ch) {
    const auto c = static_cast<unsigned char>(ch);
    return (c < 0x20 && ch != '\t') || c == 0x7F;
}

bool has_control_character(std::string_view text) {
    return std::any_of(text.begin(), text.end(), is_control_character);
}

std::string without_control_characters(std::string_view text) {
    std::string out(text);
    std::replace_if(out.begin(), out.end(), is_control_character, '?');
    return out;
}

bool names_a_block(KeywordCode code) {
    return code == KeywordCode::service || code == KeywordCode::test ||
           code == KeywordCode::next_test || code == KeywordCode::family ||
           code == KeywordCode::element;
}

}  // namespace

// clang-format off
const Dispatcher::HandlerRow Dispatcher::handler_table[] = {
    {KeywordCode::constant,          &Dispatcher::handle_constant},
    {KeywordCode::header,            &Dispatcher::handle_header},
    {KeywordCode::service,           &Dispatcher::handle_service},
    {KeywordCode::end_service,       &Dispatcher::handle_end_service},
    {KeywordCode::test,              &Dispatcher::handle_test},
    {KeywordCode::end_test,          &Dispatcher::handle_end_test},
    {KeywordCode::family,            &Dispatcher::handle_family},
    {KeywordCode::end_family,        &Dispatcher::handle_end_family},
    {KeywordCode::element,           &Dispatcher::handle_element},
    {KeywordCode::end_element,       &Dispatcher::handle_end_element},
    {KeywordCode::var,               &Dispatcher::handle_variable},
    {KeywordCode::array,             &Dispatcher::handle_variable},
    {KeywordCode::register_variable, &Dispatcher::handle_register},
    {KeywordCode::simul,             &Dispatcher::handle_simul},
    {KeywordCode::end_simul,         &Dispatcher::handle_end_simul},
    {KeywordCode::else_simul,        &Dispatcher::handle_else_simul},
    {KeywordCode::comment,           &Dispatcher::handle_comment},
    {KeywordCode::environment,       &Dispatcher::handle_environment},
    {KeywordCode::end_environment,   &Dispatcher::handle_end_environment},
    {KeywordCode::use,               &Dispatcher::handle_use},
    {KeywordCode::segment,           &Dispatcher::handle_segment},
    {KeywordCode::end_segment,       &Dispatcher::handle_end_segment},
    {KeywordCode::system,            &Dispatcher::handle_system},
    {KeywordCode::far_block,         &Dispatcher::handle_far},
    {KeywordCode::end_far,           &Dispatcher::handle_end_far},
    {KeywordCode::near_block,        &Dispatcher::handle_near},
    {KeywordCode::end_near,          &Dispatcher::handle_end_near},
    {KeywordCode::begin,             &Dispatcher::handle_begin},
    {KeywordCode::service_type,      &Dispatcher::handle_service_type},
    {KeywordCode::end,               &Dispatcher::handle_end},
    {KeywordCode::exception,         &Dispatcher::handle_unknown},
    {KeywordCode::include,           &Dispatcher::handle_include},
    {KeywordCode::define,            &Dispatcher::handle_define},
    {KeywordCode::field,             &Dispatcher::handle_field},
    {KeywordCode::if_condition,      &Dispatcher::handle_if},
    {KeywordCode::else_condition,    &Dispatcher::handle_else},
    {KeywordCode::end_if,            &Dispatcher::handle_end_if},
    {KeywordCode::structure,         &Dispatcher::handle_variable},
    {KeywordCode::declare,           &Dispatcher::handle_declare},
    {KeywordCode::initialization,    &Dispatcher::handle_initialization},
    {KeywordCode::termination,       &Dispatcher::handle_termination},
    {KeywordCode::access,            &Dispatcher::handle_database},
    {KeywordCode::service_access,    &Dispatcher::handle_database},
    {KeywordCode::table,             &Dispatcher::handle_database},
    {KeywordCode::format,            &Dispatcher::handle_format},
    {KeywordCode::inherite,          &Dispatcher::handle_unknown},
    {KeywordCode::stub,              &Dispatcher::handle_stub},
    {KeywordCode::init_base,         &Dispatcher::handle_database},
    {KeywordCode::next_test,         &Dispatcher::handle_next_test},
    {KeywordCode::sequence,          &Dispatcher::handle_sequence},
    {KeywordCode::requirement,       &Dispatcher::handle_requirement},
};
// clang-format on

Dispatcher::Handler Dispatcher::handler_for(KeywordCode code) {
    for (const HandlerRow& row : handler_table) {
        if (row.code == code) {
            return row.handler;
        }
    }
    return nullptr;
}

Dispatcher::Dispatcher(Reporter& reporter, const ScriptOptions& options, ScriptLanguage& language,
                       OutputSession& session, HarnessHooks& hooks, NativeAnalysis& native,
                       ScriptReader& reader)
    : reporter_(reporter),
      options_(options),
      language_(language),
      session_(session),
      skip_flags_(session.output()),
      hooks_(hooks),
      native_(native),
      reader_(reader),
      variables_(reporter, options, native, &constants_),
      environments_(options.case_insensitive_names()) {}

std::string_view Dispatcher::name(KeywordName keyword) const {
    return keyword_name(keyword, language_.language());
}

bool Dispatcher::keyword_accepted(KeywordLanguage language) {
    return language_.switch_script_language(static_cast<int>(language), reporter_) != 0;
}

// Text in the excluded branch of SIMUL or under a false IF is not part of
// the script being compiled, unlike a block left out by the selection
// options, whose structure is followed. Definitions made there do not
// exist.
bool Dispatcher::conditional_text_skipped() const {
    return skip_flags_.test(SkipFlag::simulation_branch) ||
           skip_flags_.test(SkipFlag::false_condition);
}

SkipFlags& Dispatcher::flags() { return skip_flags_; }

long Dispatcher::line() const { return reader_.statement_line(); }

ServiceHead Dispatcher::service_head() const {
    return {state_.service.name, state_.service.ordinal, state_.service.function_name};
}

void Dispatcher::dispatch_statement(std::string_view text) {
    Statement statement;
    statement.text = text;
    split_word(text, statement.keyword, statement.argument);

    statement.row = find_keyword(statement.keyword);
    if (statement.row == nullptr || !keyword_accepted(statement.row->language)) {
        reporter_.warning(msg::STXMETAIN, text);
        return;
    }

    if (statement.argument.empty()) {
        if (statement.row->argument_required) {
            reporter_.error(msg::STXVALEXP, text);
        } else if (statement.row->argument_expected) {
            reporter_.warning(msg::STXVALEXP, text);
        }
    } else if (statement.row->code != KeywordCode::comment && statement.argument.back() == ';') {
        reporter_.warning(msg::LIGNERRON, text);
    }

    hand_over_native_text();

    // Names of services, tests, families and elements go into the link
    // records and the harness's strings, where a control character would
    // make the records unreadable: refused, and the block goes on under a
    // name with "?" in its place so that its structure is kept.
    std::string named_text;
    if (names_a_block(statement.row->code) && has_control_character(statement.argument)) {
        named_text = without_control_characters(text);
        statement.argument = without_control_characters(statement.argument);
        statement.text = named_text;
        reporter_.error(msg::CARCTLNOM, statement.argument);
    }

    // Values reach the harness through the preprocessor: their literals
    // are written so that it reads them as the script means them.
    std::string value_text;
    if (handler_for(statement.row->code) == &Dispatcher::handle_variable) {
        value_text = c_literals_reescaped(statement.text);
        statement.argument = c_literals_reescaped(statement.argument);
        statement.text = value_text;
    }

    Handler handler = handler_for(statement.row->code);
    if (handler == nullptr) {
        reporter_.warning(msg::STXMETAIN, text);
        return;
    }
    (this->*handler)(statement);
}

void Dispatcher::hand_over_native_text() {
    PendingCText& pending = reader_.pending_c_text();
    if (pending.empty()) {
        return;
    }
    const bool due = state_.native_analysis_due;
    if (due) {
        pending.text += ' ';
        // The reader's counter of a line is the number of lines before it,
        // which is the starting line the preprocessor wants: the first
        // native line then carries its own number in the markers.
        const long start = std::max(pending.first_line, 0L);
        pending.text = native_.preprocess(pending.text, reader_.current_file(), start);
    }
    if (options_.analysis_enabled) {
        if (due && !state_.define_stub_open) {
            native_.analyse_declarations(pending.text, state_.service.open
                                                           ? std::string_view(state_.service.name)
                                                           : std::string_view());
        }
        if (!state_.define_stub_open) {
            pending.clear();
            reader_.restore_report_location();
        }
    }
}

NativeDestination Dispatcher::native_destination() const {
    if (state_.initialization_open) {
        return NativeDestination::main_prologue;
    }
    if (state_.termination_open) {
        return NativeDestination::main_epilogue;
    }
    if (state_.segment_open || state_.define_stub_open) {
        return NativeDestination::none;
    }
    return NativeDestination::generated;
}

void Dispatcher::native_code_line() {
    if (!state_.element.open || state_.sequence_mode) return;
    state_.element.code = true;
    state_.element.checked_after_code.clear();
}

void Dispatcher::native_comment(std::string_view line) {
    if (session_.output_enabled()) {
        session_.records().write_comment(line);
    }
}

void Dispatcher::end_of_script() {
    // An IF without its END IF runs to the end of the script. Under a true
    // condition nothing was lost: a warning. Under a false one everything
    // after it was left out, the ends of blocks opened before it among
    // them, so the harness would be cut short: an error, and no harness.
    if (!state_.if_stack.empty()) {
        if (flags().test(SkipFlag::false_condition)) {
            reporter_.error(msg::SINONFERM, "");
        } else {
            reporter_.warning(msg::SINONFERM, "");
        }
        flags().set(SkipFlag::false_condition, state_.if_stack.front().enclosing_skipped);
        state_.if_stack.clear();
    }
    if (state_.service.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_service));
        end_service_action();
    }
    close_environment_and_define();
    close_initialization_and_termination();
    SelectionFacts facts;
    facts.services = state_.service_names;
    facts.tests = state_.all_test_names;
    facts.families = state_.family_names;
    facts.generated_services = state_.generated_service_names;
    auto list = [](const SelectionList& selection) {
        return selection.given ? &selection.names : nullptr;
    };
    facts.include_services = list(options_.settings.operation_list);
    facts.exclude_services = list(options_.settings.exclude_operation_list);
    facts.include_tests = list(options_.settings.test_list);
    facts.exclude_tests = list(options_.settings.exclude_test_list);
    facts.include_families = list(options_.settings.family_list);
    facts.exclude_families = list(options_.settings.exclude_family_list);
    hooks_.emit_main(facts);
    native_.write_symbol_listing(state_.service_names);
    native_.finish();
}

}  // namespace vx
