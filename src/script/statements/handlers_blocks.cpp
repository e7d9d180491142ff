// The statements of the block structure: HEADER and BEGIN at the script
// level, SERVICE, TEST (with NEXT_TEST phases), FAMILY and ELEMENT with
// their ends, and END / FIN, which closes the block its second word names.
//
// Every block has one closing action, used by its END statement and by the
// implicit closes of other statements alike. The headers of services,
// tests and families ("O", "T", "F" records and the harness declarations
// they number) are due at the first element of the block, or at its end
// when it has none, so that comments met before are attached to them.
#include "codegen/harness_layout.h"
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "script/statements/dispatcher.h"
#include "script/script_language.h"
#include "script/statements/statement_text.h"
#include "support/numbers.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cstdlib>

namespace vx {

namespace {

constexpr std::string_view phase_infix = "_PHASE_";
constexpr std::string_view default_phase_base = "TEST";
constexpr std::size_t header_field_count = 4;

bool left_out(const SelectionList& include, const SelectionList& exclude, std::string_view name) {
    return (include.given && !include.contains(name)) || (exclude.given && exclude.contains(name));
}

// The repetition of LOOP: a constant count is an integer constant, by the
// same rule the harness generator uses for its loop.
TestRepetition repetition_of(const LoopClause& loop) {
    TestRepetition repetition;
    repetition.present = loop.found && !loop.expression.empty();
    long long count = 0;
    if (repetition.present && integer_constant(loop.expression, count)) {
        repetition.constant = true;
        repetition.count = count;
    }
    return repetition;
}

}  // namespace

// Script level.

void Dispatcher::ensure_begin() {
    if (!state_.begin_seen) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::begin));
        perform_begin();
    }
}

void Dispatcher::perform_begin() {
    if (!state_.header_seen) {
        reporter_.error(msg::ENTETEERR, "");
    }
    close_environment_and_define();
    state_.begin_seen = true;
    hooks_.emit_prologue();
    if (options_.analysis_enabled) {
        // The harness objects scripts may name (loop counters and stub call
        // order).
        native_.analyse_declarations(HarnessLayout::harness_declarations(), {});
    }
    if (!options_.data_file.empty()) {
        if (options_.learn_mode && reader_.resolve_include(options_.data_file).empty()) {
            throw reporter_.fatal(msg::IMPOUVFIC, options_.data_file);
        }
        reader_.push_script(options_.data_file);
    }
}

void Dispatcher::handle_header(const Statement& s) {
    if (state_.header_seen) {
        reporter_.warning(msg::MOTDOUBLE, name(KeywordName::header));
        return;
    }
    state_.header_seen = true;

    std::vector<std::string> fields = split_header_fields(s.argument, header_field_count);
    if (fields.size() < header_field_count) {
        reporter_.warning(msg::FORMENTET, s.argument);
        fields.resize(header_field_count);
    }

    for (std::string& field : fields) {
        field = compact_header_field(field);
        if (!field.empty() && field.front() == '$') {
            const std::string variable = field.substr(1);
            const std::optional<std::string> value = options_.environment.get(variable);
            if (!value) {
                reporter_.warning(msg::NOLOGIDEF, variable);
                field.clear();
            } else {
                field = *value;
            }
        }
    }
    if (session_.output_enabled()) {
        session_.records().write_module_header(
            {fields[0], fields[1], fields[2], fields[3], found_version_});
    }
}

void Dispatcher::handle_begin(const Statement&) {
    if (state_.begin_seen) {
        reporter_.warning(msg::MOTDOUBLE, name(KeywordName::begin));
        return;
    }
    perform_begin();
}

// Headers due at the first element.

void Dispatcher::write_block_headers() {
    if (!session_.output_enabled()) {
        return;
    }
    LinkRecords& records = session_.records();
    if (state_.service.open && records.service_header_pending()) {
        const int number = records.write_service_header();
        // The traces and the report name the service as the script wrote
        // it; the cut, unique name is only that of its C function.
        hooks_.emit_service_declaration(number, state_.service.script_name);
    }
    if (state_.test.open && records.test_header_pending()) {
        const int number = records.write_test_header();
        hooks_.emit_test_head({number, state_.test.name, state_.test.ordinal,
                               state_.test.loop_expression, state_.test.file, state_.test.line});
    }
    if (state_.test.family_open && records.family_header_pending()) {
        records.write_family_header();
    }
}

// SERVICE.

void Dispatcher::open_service(std::string_view argument, std::string_view statement) {
    ensure_begin();
    close_initialization_and_termination();
    if (state_.service.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_service));
        end_service_action();
    }
    close_environment_and_define();

    FirstWord words = first_word(argument);
    if (!words.rest.empty()) {
        reporter_.warning(msg::LIGNERRON, statement);
    }
    if (!only_name_characters(words.word)) {
        reporter_.error(msg::CHARINVAL, words.word);
    }
    std::string service_name = words.word.empty() ? std::string(unknown_service_name) : words.word;
    const std::string script_name = service_name;
    const bool excluded =
        left_out(options_.settings.operation_list, options_.settings.exclude_operation_list,
                 upper_copy(service_name));

    bool cut = false;
    service_name = cut_service_name(service_name, cut);
    const std::string upper_name = upper_copy(service_name);
    if (upper_name != unknown_service_name && state_.used_service_names.count(upper_name) != 0) {
        if (!cut) {
            reporter_.warning(msg::NOMOPEDBL, service_name);
        }
        // The first free "_<n>": every number up to the base name's last
        // one is taken already, so the search starts after it.
        int& number = state_.service_name_numbers[upper_name];
        std::string candidate;
        do {
            candidate = service_name + "_" + std::to_string(++number);
        } while (state_.used_service_names.count(upper_copy(candidate)) != 0);
        service_name = std::move(candidate);
    }
    state_.service_names.push_back(service_name);
    state_.used_service_names.insert(upper_copy(service_name));

    state_.first_service_seen = true;
    const int ordinal = state_.service.ordinal + 1;
    state_.service = ServiceState{};
    state_.service.open = true;
    state_.service.name = service_name;
    state_.service.script_name = script_name;
    state_.service.ordinal = ordinal;
    state_.service.function_name = "SRV" + std::to_string(ordinal) + "_" + upper_copy(service_name);
    types_.close_level(ScopeLevel::service);
    formats_.clear();

    flags().set(SkipFlag::service_excluded, excluded);
    if (session_.output_enabled()) {
        state_.generated_service_names.push_back(service_name);
        session_.records().begin_service(script_name, line());
    }
    // The stub service functions precede the first service that is
    // generated, which is not always the first of the script.
    if (state_.stub_services_due && session_.output_enabled()) {
        state_.stub_services_due = false;
        hooks_.emit_stub_services();
    }
    hooks_.emit_service_head(service_head());
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
}

void Dispatcher::handle_service(const Statement& s) { open_service(s.argument, s.text); }

void Dispatcher::end_service_action() {
    if (state_.test.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_test));
        end_test_action(true);
    }
    close_environment_and_define();
    ServiceState& service = state_.service;
    if (service.test_count == 0) {
        reporter_.warning(msg::OPER_VIDE, service.name);
        hooks_.emit_service_banner(service_head());
    } else if (session_.output_enabled() && service.generated_test_count == 0) {
        reporter_.info(msg::OPERXVIDE, service.name);
    }
    write_block_headers();
    hooks_.emit_service_end(service_head());
    session_.records().end_service();
    service.open = false;
    environments_.pop_uses(ScopeLevel::service);
    types_.close_level(ScopeLevel::service);
    formats_.clear();
    flags().clear(SkipFlag::service_excluded);
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
}

void Dispatcher::handle_end_service(const Statement&) {
    if (!state_.service.open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_service));
        return;
    }
    end_service_action();
}

// TEST and NEXT_TEST.

void Dispatcher::open_test(std::string_view argument, bool phase) {
    if (!state_.service.open) {
        reporter_.error(msg::MOTCLEABS, name(KeywordName::service));
        open_service(unknown_service_name, unknown_service_name);
    }
    if (state_.test.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_test));
        end_test_action(!phase);
    }
    close_environment_and_define();
    variables_.begin_test();

    const bool french = language_.language() != script_language_gb;
    LoopClause loop = split_loop_clause(argument, french ? "BOUCLE" : "LOOP");
    if (loop.found && loop.expression.empty()) {
        reporter_.warning(msg::INDBOUINC, argument);
    }
    std::string test_name = loop.name.empty() ? std::string(unknown_test_name) : loop.name;

    ServiceState& service = state_.service;
    if (test_name != unknown_test_name &&
        std::find(service.test_names.begin(), service.test_names.end(), test_name) !=
            service.test_names.end()) {
        reporter_.warning(msg::NOMTSTDBL, test_name);
    }
    service.test_names.push_back(test_name);
    state_.all_test_names.push_back(test_name);
    ++service.test_count;

    state_.test = TestState{};
    state_.test.open = true;
    state_.test.name = test_name;
    state_.test.loop_expression = loop.expression;
    state_.test.ordinal = service.test_count;
    state_.test.family_allowed = true;

    // The banner belongs to the service: a first test that is left out
    // does not take it away from a service that is generated.
    if (service.test_count == 1) {
        hooks_.emit_service_banner(service_head());
    }

    const std::string upper_name = upper_copy(test_name);
    const bool excluded =
        left_out(options_.settings.test_list, options_.settings.exclude_test_list, upper_name) ||
        (options_.settings.exclude_operation_list.given &&
         options_.settings.exclude_operation_list.contains(upper_copy(service.name)));
    flags().set(SkipFlag::test_excluded, excluded);
    if (session_.output_enabled()) {
        ++service.generated_test_count;
        session_.records().begin_test(test_name, line(), repetition_of(loop));
        state_.test.file = session_.records().script_path(session_.records().current_file_number());
        state_.test.line = line();
    }
    state_.native_analysis_due = false;
    if (!phase) {
        state_.phase.base_name = first_word(argument).word;
        state_.phase.counter = 1;
    }
}

void Dispatcher::handle_test(const Statement& s) { open_test(s.argument, false); }

void Dispatcher::end_test_action(bool forget_phase) {
    if (state_.element.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_element));
        end_element_action();
    }
    if (state_.test.family_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_family));
        end_family_action();
    }
    close_environment_and_define();
    if (state_.test.element_count == 0) {
        reporter_.warning(msg::BLOC_ABST, name(KeywordName::element));
    }
    if (state_.test.variable_statements == 0) {
        reporter_.warning(msg::TEST_VIDE, state_.test.name);
    }
    write_block_headers();
    hooks_.emit_test_end();
    session_.records().end_test();
    state_.test.open = false;
    environments_.pop_uses(ScopeLevel::test);
    types_.close_level(ScopeLevel::test);
    flags().clear(SkipFlag::test_excluded);
    flags().clear(SkipFlag::family_excluded);
    if (forget_phase) {
        state_.phase.forget();
    }
}

void Dispatcher::handle_end_test(const Statement&) {
    if (!state_.test.open) {
        if (state_.service.open) {
            reporter_.warning(msg::MOTCLEABS, name(KeywordName::test));
            reporter_.info(msg::MAL_PLACE, name(KeywordName::end_test));
        } else {
            reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_test));
        }
        return;
    }
    end_test_action(true);
}

void Dispatcher::handle_next_test(const Statement& s) {
    PhaseState& phase = state_.phase;
    if (!phase.base_name.empty()) {
        PhaseState kept = phase;
        if (state_.test.open) {
            end_test_action(false);
        }
        phase = kept;
        ++phase.counter;
    } else {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::test));
        phase.base_name = default_phase_base;
        phase.counter = 1;
    }
    std::string text = phase.base_name + std::string(phase_infix) + std::to_string(phase.counter) +
                       " " + s.argument;
    open_test(text, true);
    if (phase.family_recorded) {
        std::string family = phase.family_text;
        apply_family(family);
    }
}

// FAMILY.

void Dispatcher::apply_family(std::string_view text) {
    std::vector<std::string> names = split_names(text);
    for (std::string& family : names) {
        to_upper(family);
        if (std::find(state_.family_names.begin(), state_.family_names.end(), family) ==
            state_.family_names.end()) {
            state_.family_names.push_back(family);
        }
    }
    bool excluded = false;
    if (options_.settings.family_list.given) {
        excluded = std::none_of(names.begin(), names.end(), [&](const std::string& family) {
            return options_.settings.family_list.contains(family);
        });
    }
    if (options_.settings.exclude_family_list.given && !names.empty() &&
        std::all_of(names.begin(), names.end(), [&](const std::string& family) {
            return options_.settings.exclude_family_list.contains(family);
        })) {
        excluded = true;
    }
    flags().set(SkipFlag::family_excluded, excluded);
    state_.test.family_given = true;
    state_.test.family_open = true;
    state_.phase.family_text = std::string(text);
    state_.phase.family_recorded = true;
    if (session_.output_enabled()) {
        session_.records().begin_family(text);
    }
}

void Dispatcher::handle_family(const Statement& s) {
    if (!state_.test.open || !state_.test.family_allowed || state_.test.family_given) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::family));
        return;
    }
    close_environment_and_define();
    if (!s.argument.empty() && split_names(s.argument).empty()) {
        // Only separators: the test belongs to no family (an empty
        // argument is reported by the dispatch already).
        reporter_.warning(msg::NOMFAMVID, s.argument);
    }
    apply_family(s.argument);
}

void Dispatcher::end_family_action() {
    if (session_.output_enabled() && session_.records().family_header_pending()) {
        session_.records().write_family_header();
    }
    session_.records().end_family();
    state_.test.family_open = false;
}

void Dispatcher::handle_end_family(const Statement&) {
    close_environment_and_define();
    if (!state_.test.open || state_.element.open || !state_.test.family_open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_family));
        return;
    }
    end_family_action();
}

// ELEMENT.

void Dispatcher::open_element() {
    if (!state_.test.open) {
        reporter_.error(msg::MOTCLEABS, name(KeywordName::test));
        open_test(unknown_test_name, false);
    }
    if (state_.element.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_element));
        end_element_action();
    }
    close_environment_and_define();
    TestState& test = state_.test;
    if (!test.element_opened && !test.family_given) {
        reporter_.warning(msg::BLOC_ABST, name(KeywordName::family));
    }
    test.element_opened = true;
    test.family_allowed = false;
    ++test.element_count;
    state_.element = ElementState{};
    element_variables_.clear();
    variables_.begin_element();
    state_.element.open = true;
    state_.element.ordinal = test.element_count;

    // The element's text sections open before the headers due at the first
    // element, so that the service and test declarations land in front of
    // its first lines.
    hooks_.begin_element();
    write_block_headers();
    if (session_.output_enabled()) {
        session_.records().write_element(line(), state_.element.ordinal);
    }
    hooks_.emit_element_head(state_.element.ordinal);
}

void Dispatcher::open_element_implicitly() {
    if (session_.output_enabled()) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::element));
    }
    open_element();
}

void Dispatcher::handle_element(const Statement& s) {
    open_element();
    element_data_items(s.argument);
}

// The items written after ELEMENT: "#name" declares a coverage flag, a
// variable the code under test sets to say it went that way; the element
// expects it set. Any other item is kept as a "D" record for the report.
void Dispatcher::element_data_items(std::string_view argument) {
    if (trimmed(argument).empty() || !session_.output_enabled()) {
        return;
    }
    std::vector<std::string> seen;
    for (std::string_view item : split_top_level(argument, true)) {
        if (item.empty()) {
            continue;
        }
        if (item.front() != '#') {
            session_.records().write_data_item(item);
            continue;
        }
        const std::string flag_name(trimmed(item.substr(1)));
        if (!is_identifier(flag_name)) {
            reporter_.error(msg::PARAMENVI, item);
            continue;
        }
        if (std::find(seen.begin(), seen.end(), flag_name) != seen.end()) {
            reporter_.error(msg::DEFMULTIP, flag_name);
            continue;
        }
        seen.push_back(flag_name);
        const std::string flag = "VXLCOV_" + flag_name;
        const std::string declaration = "unsigned char " + flag + ";";
        session_.write_declaration(declaration, FoldMode::never);
        if (std::find(coverage_flags_.begin(), coverage_flags_.end(), flag) ==
            coverage_flags_.end()) {
            coverage_flags_.push_back(flag);
            native_.analyse_declarations(native_.preprocess(declaration, "", line()), "");
        }
        const bool english = language_.language() == script_language_gb;
        Statement statement;
        statement.argument = flag + ", INIT=0, " + (english ? "EV=1" : "VA=1");
        variable_statement(statement);
    }
}

// The environments in force join the element: each use in stack order
// (outer levels first, then in USE order), its variable records before its
// stub descriptions, instantiated with the use's arguments. The generator
// puts their initialisations before the element's own code and lets an
// element's own statement for a variable replace the environment's record.
void Dispatcher::apply_environments() {
    const bool case_insensitive = options_.case_insensitive_names();
    const auto uses = environments_.active_uses();
    for (std::size_t i = 0; i < uses.size(); ++i) {
        const UseEntry& use = uses[i];
        // An environment used again at an inner level, with other
        // arguments, replaces its outer use for this element.
        bool replaced = false;
        for (std::size_t j = i + 1; j < uses.size() && !replaced; ++j) {
            replaced = uses[j].environment == use.environment;
        }
        if (replaced) {
            continue;
        }
        EnvironmentContents contents = instantiate_environment(use, case_insensitive);
        bool refused = false;
        for (VariableClause& clause : contents.variables) {
            // The display format is the one in force where the element is.
            if (const std::string* format = format_of(clause.variable)) {
                clause.format = *format;
            }
            // Only the first component of an aggregate counts: the record
            // of its statement. A refused statement loses all its records.
            if (clause.component == 0) {
                refused = !variables_.count_environment_record(clause);
            }
            if (refused) {
                continue;
            }
            hooks_.add_environment_variable(clause);
        }
        for (const std::string& stub : contents.stub_calls) {
            describe_stub_call(name(KeywordName::stub), stub);
        }
        if (!contents.variables.empty() || !contents.stub_calls.empty()) {
            state_.element.content = true;
        }
        if (!contents.variables.empty() && state_.test.open) {
            ++state_.test.variable_statements;
        }
    }
}

void Dispatcher::end_element_action() {
    close_environment_and_define();
    apply_environments();
    hooks_.generate_element_code();
    if (!state_.element.content && !state_.sequence_mode) {
        reporter_.warning(msg::ELMT_VIDE, std::to_string(state_.element.ordinal));
    }
    if (state_.element.code) {
        // Each at the line of its statement.
        for (const auto& [statement_line, variable] : state_.element.checked_after_code) {
            reporter_.report({reporter_.report_file(), statement_line}, Severity::warning,
                             msg::INITAPRES, variable);
        }
    }
    state_.element.code = false;
    state_.element.checked_after_code.clear();
    hooks_.emit_element_end();
    state_.element.open = false;
    environments_.pop_uses(ScopeLevel::element);
    types_.close_level(ScopeLevel::element);
}

void Dispatcher::handle_end_element(const Statement&) {
    close_environment_and_define();
    if (!state_.element.open) {
        if (state_.test.open) {
            reporter_.warning(msg::MOTCLEABS, name(KeywordName::element));
            reporter_.info(msg::MAL_PLACE, name(KeywordName::end_element));
        } else {
            reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_element));
        }
        return;
    }
    end_element_action();
}

// END / FIN.

void Dispatcher::handle_end(const Statement& s) {
    std::string word;
    std::string rest;
    split_word(s.argument, word, rest);
    const EndKeywordRow* row = find_end_keyword(word);
    if (row == nullptr || !keyword_accepted(row->language)) {
        reporter_.warning(msg::STXMETAIN, s.text);
        return;
    }
    switch (row->block) {
        case EndBlock::service:
            handle_end_service(s);
            break;
        case EndBlock::test:
            handle_end_test(s);
            break;
        case EndBlock::family:
            handle_end_family(s);
            break;
        case EndBlock::element:
            handle_end_element(s);
            break;
        case EndBlock::simul:
            handle_end_simul(s);
            break;
        case EndBlock::environment:
            handle_end_environment(s);
            break;
        case EndBlock::segment:
            handle_end_segment(s);
            break;
        case EndBlock::far_block:
            handle_end_far(s);
            break;
        case EndBlock::near_block:
            handle_end_near(s);
            break;
        case EndBlock::define:
            if (!state_.define_structure_open && !state_.define_stub_open) {
                reporter_.error(msg::MOTCLEABS, name(KeywordName::define));
            } else {
                end_define_action();
            }
            break;
        case EndBlock::if_level:
            handle_end_if(s);
            break;
        case EndBlock::initialization:
            end_initialization();
            break;
        case EndBlock::termination:
            end_termination();
            break;
        case EndBlock::sequence:
            state_.sequence_mode = false;
            break;
    }
}

}  // namespace vx
