// The statements that define things rather than blocks of tests: CONST,
// INITIALIZATION and TERMINATION, ENVIRONMENT and USE, DEFINE STRUCTURE
// with FIELD, DEFINE STUB, STUB, DECLARE, FORMAT, and the variable
// statements VAR, ARRAY and STR.
//
// The handlers place and check each statement here. What a statement
// finally produces (the values of constants, variable code, stubs) belongs
// to the stages that analyse script values, C expressions and generate
// code; they take it up from the points marked by the hooks. The contents
// of an environment are kept in its record and reach the hooks only when
// an element applies it (see environments.h).
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "script/statements/dispatcher.h"
#include "script/script_language.h"
#include "script/statements/statement_text.h"
#include "script/statements/stub_statement.h"
#include "support/text_scanner.h"
#include "support/text.h"

#include <algorithm>
#include <cctype>

namespace vx {

// Implicit closes.

void Dispatcher::end_environment_action() {
    if (!state_.environment.content) {
        reporter_.warning(msg::BLENVVIDE, state_.environment.name);
    }
    state_.environment.open = false;
    open_environment_ = nullptr;
}

void Dispatcher::end_define_action() {
    if (state_.define_structure_open) {
        state_.define_structure_open = false;
        const ScriptStructure* structure = types_.latest_structure();
        if (structure != nullptr && structure->fields.empty()) {
            reporter_.warning(msg::BLSTRVIDE, structure->name);
        }
    }
    if (state_.define_stub_open) {
        state_.define_stub_open = false;
        PendingCText& pending = reader_.pending_c_text();
        if (!state_.define_stub_refused) {
            hooks_.generate_stub_definition({state_.stub_name, state_.stub_qualifier,
                                             state_.stub_line, pending.text,
                                             reader_.current_file()});
        }
        state_.define_stub_refused = false;
        pending.clear();
    }
}

void Dispatcher::close_environment_and_define() {
    if (state_.environment.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_environment));
        end_environment_action();
    }
    if (state_.define_structure_open || state_.define_stub_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_define));
        end_define_action();
    }
}

void Dispatcher::close_initialization_and_termination() {
    if (state_.initialization_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_initialization));
        end_initialization();
    }
    if (state_.termination_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_termination));
        end_termination();
    }
}

// INITIALIZATION and TERMINATION.

void Dispatcher::handle_initialization(const Statement&) {
    ensure_begin();
    if (state_.service.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_service));
        end_service_action();
    }
    close_environment_and_define();
    if (state_.termination_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_termination));
        end_termination();
    }
    state_.initialization_open = true;
    state_.native_analysis_due = false;
}

void Dispatcher::handle_termination(const Statement&) {
    ensure_begin();
    if (state_.service.open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_service));
        end_service_action();
    }
    close_environment_and_define();
    if (state_.initialization_open) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::end_initialization));
        end_initialization();
    }
    state_.termination_open = true;
    state_.native_analysis_due = false;
}

void Dispatcher::end_initialization() {
    if (!state_.initialization_open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_initialization));
        return;
    }
    state_.initialization_open = false;
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
}

void Dispatcher::end_termination() {
    if (!state_.termination_open) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::end_termination));
        return;
    }
    state_.termination_open = false;
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
}

// CONST.

void Dispatcher::handle_constant(const Statement& s) {
    ensure_begin();
    if (state_.first_service_seen) {
        reporter_.error(msg::FORWCONST, s.argument);
        return;
    }
    if (!session_.output_enabled()) {
        return;
    }
    std::string constant;
    std::string value;
    if (!split_assignment(s.argument, constant, value)) {
        reporter_.error(msg::EGALABSEN, s.argument);
        reporter_.info(msg::LIGNERRON, "CONST " + s.argument);
        return;
    }
    const bool french = language_.language() != script_language_gb;
    if (constant.empty()) {
        reporter_.error(msg::SYNTAXERO, french ? "NOM constante" : "Constant NAME");
        return;
    }
    if (value.empty()) {
        reporter_.error(msg::SYNTAXERO, french ? "VALEUR constante" : "Constant VALUE");
        return;
    }
    if (options_.case_insensitive_names()) {
        to_upper(constant);
    }
    if (options_.analysis_enabled) {
        // The constant becomes a macro of the C analysis and of the harness.
        const std::string directive = "#define " + constant + " " + value;
        native_.preprocess(directive, reader_.current_file(), reader_.line_counter());
        reader_.restore_report_location();
        session_.output().write_line(directive);
        return;
    }
    define_constant(s, std::move(constant), value);
}

// The analyser of script values, knowing the constants defined so far and
// the type names of the script and of the C analysis.
ScriptExpressionAnalyser Dispatcher::expression_analyser() const {
    return ScriptExpressionAnalyser(reporter_, &constants_, [this](std::string_view name) {
        if (name == "void") {
            return true;
        }
        const std::optional<bool> base = native_.base_type(name);
        return (base ? *base : is_c_base_type_name(name)) || types_.find_structure(name) != nullptr;
    });
}

bool Dispatcher::analyse_value(std::string_view text, ScriptValue& value) const {
    ScriptExpressionAnalyser analyser = expression_analyser();
    return analyser.analyse_script_expression(text, options_.settings.tested_language,
                                              language_.language(), 0, expected_kind_none, value);
}

// Without C analysis a constant is a value of the script: one expression,
// or a list of them in "[" "]", kept in the CONST table.
void Dispatcher::define_constant(const Statement& s, std::string name, std::string_view value) {
    ScriptConstant constant;
    constant.name = std::move(name);
    if (value.size() >= 2 && value.front() == '[' && value.back() == ']') {
        std::string rest(value.substr(1, value.size() - 2));
        while (true) {
            std::string item;
            std::string tail;
            if (!split_on_separator(rest, ",", item, tail, options_.settings.tested_language)) {
                reporter_.error(msg::ERRPARENT, rest);
            }
            ScriptValue analysed;
            if (!analyse_value(item, analysed) || analysed.kind == TokenKind::end) {
                // A list with a bad item is not kept at all: a shorter list
                // under the constant's name would be a wrong value.
                reporter_.error(msg::STXERRTYP, value);
                return;
            }
            constant.items.push_back(std::move(analysed));
            const std::string_view rest_view = trimmed(rest);
            if (tail.empty() && (rest_view.empty() || rest_view.back() != ',')) {
                break;
            }
            rest = std::move(tail);
        }
        constant.list = true;
        constant.value.kind = TokenKind::expression;
        constant.value.text = "[";
        for (std::size_t i = 0; i < constant.items.size(); ++i) {
            constant.value.text +=
                (i == 0 ? "" : ",") +
                printed_value(constant.items[i], options_.settings.tested_language);
        }
        constant.value.text += "]";
    } else if (!analyse_value(value, constant.value)) {
        return;
    }
    const std::string defined = constant.name;
    if (!constants_.add(std::move(constant))) {
        reporter_.error(msg::DUPLCONST, defined);
        reporter_.info(msg::LIGNERRON, "CONST " + s.argument);
    }
}

// ENVIRONMENT and USE.

void Dispatcher::handle_environment(const Statement& s) {
    ensure_begin();
    close_initialization_and_termination();
    close_environment_and_define();
    NamedList form = parse_named_list(s.argument);
    // The block is open whatever the verdict on the statement, so that its
    // contents do not spill into the element around it; they are recorded
    // only for an environment that was defined.
    state_.environment = EnvironmentState{};
    state_.environment.open = true;
    state_.environment.name = form.name;
    open_environment_ = nullptr;
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
    if (conditional_text_skipped()) {
        return;
    }

    bool valid = true;
    if (environments_.exists(form.name)) {
        reporter_.error(msg::DUPENVNAM, form.name);
        valid = false;
    }
    std::vector<std::string> parameters;
    for (const std::string& parameter : form.items) {
        // A parameter is a single name (upper-cased by the analysis for the
        // languages whose names ignore case).
        ScriptValue value;
        if (!analyse_value(parameter, value) || value.kind != TokenKind::identifier) {
            reporter_.error(msg::PARAMENVI, parameter);
            valid = false;
        } else {
            parameters.push_back(value.text);
        }
    }
    // The list must be closed and alone after the name; a parameter given
    // twice would leave its arguments without a meaning.
    const bool repeated =
        std::any_of(parameters.begin(), parameters.end(), [&](const std::string& p) {
            return std::count(parameters.begin(), parameters.end(), p) > 1;
        });
    if (form.name.empty() || (form.has_list && (!form.closed || form.trailing_text)) || repeated) {
        reporter_.error(msg::ENVPARAME, s.argument);
        valid = false;
    }
    if (!valid) {
        return;
    }
    open_environment_ = environments_.define_environment(form.name, state_.current_level());
    open_environment_->parameters = std::move(parameters);
    open_environment_->file_number = reader_.statement_file_number();
    open_environment_->line = line();
}

void Dispatcher::handle_end_environment(const Statement&) {
    if (!state_.environment.open) {
        reporter_.error(msg::MOTCLEABS, name(KeywordName::environment));
        return;
    }
    end_environment_action();
}

void Dispatcher::handle_use(const Statement& s) {
    NamedList form = parse_named_list(s.argument);
    if (state_.environment.open || state_.segment_open) {
        reporter_.error(msg::UTILISERR, ": " + form.name);
        return;
    }
    ensure_begin();
    close_environment_and_define();
    const bool empty_item = std::any_of(form.items.begin(), form.items.end(),
                                        [](const std::string& item) { return item.empty(); });
    if (form.name.empty() || (form.has_list && (!form.closed || form.trailing_text)) ||
        empty_item) {
        reporter_.error(msg::UTIPARAME, s.argument);
        return;
    }
    if (conditional_text_skipped()) {
        return;
    }
    if (options_.case_insensitive_names()) {
        for (std::string& argument : form.items) {
            argument = upper_outside_quotes(argument);
        }
    }
    switch (
        environments_.use_environment(form.name, state_.current_level(), std::move(form.items))) {
        case UseResult::unknown_environment:
            reporter_.error(msg::ENV_INCON, form.name);
            return;
        case UseResult::parameter_count:
            reporter_.error(msg::NBPARADIF, form.name);
            return;
        case UseResult::used:
            break;
    }
    if (state_.element.open) {
        state_.element.content = true;
    }
    if (state_.test.open) {
        ++state_.test.variable_statements;
    }
}

// DEFINE STRUCTURE, FIELD, DEFINE STUB, END DEFINE.

void Dispatcher::handle_define(const Statement& s) {
    std::string word;
    std::string rest;
    split_word(s.argument, word, rest);
    const DefineKeywordRow* row = find_define_keyword(word);
    if (row == nullptr || !keyword_accepted(row->language)) {
        reporter_.warning(msg::STXMETAIN, s.text);
        return;
    }
    if (row->kind == DefineKind::structure) {
        define_structure(rest, s.text);
    } else {
        define_stub(rest, s.text);
    }
}

void Dispatcher::define_structure(std::string_view rest, std::string_view statement) {
    close_initialization_and_termination();
    ensure_begin();
    close_environment_and_define();
    FirstWord words = first_word(rest);
    if (words.word.empty() || !words.rest.empty()) {
        reporter_.warning(msg::STXMETAIN, statement);
        if (words.word.empty()) {
            return;
        }
    }
    const ScriptStructure* earlier = types_.find_structure(words.word);
    if (earlier != nullptr && earlier->level == state_.current_level()) {
        // A block of its own may define the name again for itself; the
        // same block may not. The new definition still takes the FIELD
        // statements that follow, so that they are not reported again.
        reporter_.error(msg::DUPSTRNAM, words.word);
    }
    types_.define_structure(words.word, state_.current_level());
    state_.define_structure_open = true;
    if (options_.analysis_enabled) {
        state_.native_analysis_due = true;
    }
}

void Dispatcher::define_stub(std::string_view rest, std::string_view statement) {
    if (!options_.analysis_enabled) {
        reporter_.warning(msg::MOTCLEANA, name(KeywordName::define_stub));
        return;
    }
    close_initialization_and_termination();
    ensure_begin();
    close_environment_and_define();
    // The stub functions are C functions of the file: written inside the
    // service's function they would be nested functions, which C has not,
    // and the harness would not build. The block is refused.
    const bool in_service = state_.service.open;
    if (in_service) {
        reporter_.error(msg::MUETSERVI, "");
    }
    FirstWord words = first_word(rest);
    if (words.word.empty()) {
        reporter_.warning(msg::STXMETAIN, statement);
        return;
    }
    state_.define_stub_refused = in_service;
    state_.stub_name = words.word;
    state_.stub_qualifier = first_word(words.rest).word;
    state_.stub_line = line();
    state_.define_stub_open = true;
    state_.native_analysis_due = true;
}

void Dispatcher::handle_field(const Statement& s) {
    ScriptStructure* structure = types_.latest_structure();
    if (!state_.define_structure_open || structure == nullptr) {
        reporter_.warning(msg::MOTCLEABS, name(KeywordName::define_structure));
        return;
    }
    std::string path;
    std::string type;
    if (!split_assignment(s.argument, path, type) || remove_blanks(path).empty()) {
        reporter_.error(msg::STXERRTYP, s.argument);
        return;
    }
    path = remove_blanks(path);
    type = normalise_blanks(type);
    if (structure->find_field(path) != nullptr) {
        reporter_.error(msg::DUPNOMCHP, path);
        return;
    }
    if (type == structure->name) {
        // A structure cannot hold a whole copy of itself.
        reporter_.error(msg::STRRECURS, type);
        return;
    }
    const std::optional<bool> base = native_.base_type(type);
    const bool known = base ? *base : is_c_base_type_name(type);
    if (!known && types_.find_structure(type) == nullptr) {
        reporter_.error(msg::TYPEINCON, type);
        return;
    }
    const int depth = static_cast<int>(std::count(path.begin(), path.end(), '.'));
    structure->fields.push_back(ScriptField{path, type, depth});
}

// DECLARE.

void Dispatcher::handle_declare(const Statement& s) {
    std::string variable;
    std::string type;
    if (!split_assignment(s.argument, variable, type) || variable.empty()) {
        reporter_.error(msg::STXERRTYP, s.argument);
        return;
    }
    type = normalise_blanks(type);
    VariablePath path;
    if (!expression_analyser().parse_variable_path(variable, options_.settings.tested_language,
                                                   language_.language(), path)) {
        return;
    }
    variable = path.text;
    if (options_.case_insensitive_names()) {
        to_upper(variable);
    }
    const ScopeLevel level = state_.current_level();
    const std::optional<bool> base = native_.base_type(type);
    if (base ? *base : is_c_base_type_name(type)) {
        types_.declare(variable, type, level);
        return;
    }
    const ScriptStructure* structure = types_.find_structure(type);
    if (structure == nullptr) {
        reporter_.error(msg::TYPEINCON, type);
        return;
    }
    types_.declare(variable, type, level);
    const bool c_family =
        options_.settings.tested_language == 3 || options_.settings.tested_language == 6;
    std::string prefix = variable;
    if (c_family && !variable.empty() && variable.front() == '*') {
        prefix = "(" + variable + ")";
    }
    // Copied first: declaring may not disturb the structure being walked.
    const std::vector<ScriptField> fields = structure->fields;
    for (const ScriptField& field : fields) {
        std::string member = prefix + "." + field.path;
        if (options_.case_insensitive_names()) {
            to_upper(member);
        }
        types_.declare(member, field.type, level);
    }
}

// FORMAT.

void Dispatcher::handle_format(const Statement& s) {
    if (!options_.analysis_enabled) {
        reporter_.warning(msg::MOTCLEANA, name(KeywordName::format));
        return;
    }
    if (state_.initialization_open || state_.termination_open || state_.environment.open ||
        state_.define_structure_open || state_.define_stub_open || !state_.begin_seen) {
        reporter_.warning(msg::MAL_PLACE, name(KeywordName::format));
    }
    std::string variable;
    std::string format;
    if (!split_assignment(s.argument, variable, format)) {
        reporter_.error(msg::STXERRTYP, s.argument);
        return;
    }
    if (format.empty()) {
        reporter_.warning(msg::STXERRTYP, s.argument);
        return;
    }
    if (variable.empty()) {
        reporter_.warning(msg::NOMVARINC, s.argument);
        return;
    }
    // The display formats are HEXADECIMAL (or X...), DECIMAL, BINARY and
    // UNSIGNED, any abbreviation; anything else ("%x", OCTAL) would show
    // the variable in its default base without a word.
    const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(format[0])));
    if (std::string_view("HXDBU").find(letter) == std::string_view::npos) {
        reporter_.warning(msg::FMTINCOMP, format);
    }
    auto [entry, added] = formats_.try_emplace(variable, format);
    if (!added && entry->second != format) {
        // The later format is the one the checks will use.
        reporter_.warning(msg::FORMREDEF, variable);
        entry->second = format;
    }
}

const std::string* Dispatcher::format_of(std::string_view variable) const {
    std::string name(trimmed(variable));
    while (!name.empty()) {
        auto found = formats_.find(name);
        if (found != formats_.end()) {
            return &found->second;
        }
        // Up to the array or structure the name is part of.
        const std::size_t cut = name.find_last_of("[.-");
        if (cut == std::string::npos || cut == 0) {
            break;
        }
        name = std::string(trimmed(std::string_view(name).substr(0, cut)));
    }
    return nullptr;
}

// STUB.

void Dispatcher::handle_stub(const Statement& s) {
    if (!options_.analysis_enabled) {
        reporter_.warning(msg::MOTCLEANA, name(KeywordName::stub));
        return;
    }
    std::string stub;
    std::string rest;
    split_word(s.argument, stub, rest);
    if (stub.empty()) {
        reporter_.warning(msg::STXMETAIN, name(KeywordName::stub));
        return;
    }
    if (state_.environment.open) {
        // Kept as written: the arguments of a use are put in when an
        // element applies the environment.
        state_.environment.content = true;
        if (open_environment_ != nullptr) {
            open_environment_->stub_calls.push_back(s.argument);
        }
        return;
    }
    if (!state_.element.open) {
        open_element_implicitly();
    }
    state_.element.content = true;
    describe_stub_call(s.keyword, s.argument);
}

// A STUB statement of the element, or of an environment it uses, read into
// the calls it describes; one that cannot be read is reported and dropped.
void Dispatcher::describe_stub_call(std::string_view keyword, std::string_view argument) {
    StubCall call;
    if (!parse_stub_call(reporter_, argument, call)) {
        return;
    }
    call.line = reporter_.report_line();
    call.file = session_.records().current_file_number();
    call.text = std::string(keyword) + " " + std::string(trimmed(argument));
    hooks_.describe_stub_call(call);
}

// VAR, ARRAY / TAB, STR / STRUCTURE.

void Dispatcher::variable_statement(const Statement& s) {
    if (!session_.output_enabled() && options_.settings.fast) {
        // Nothing of the statement is generated: it is not analysed either.
        if (state_.environment.open) {
            state_.environment.content = true;
        } else if (!state_.element.open) {
            open_element_implicitly();
        }
        return;
    }
    const bool in_environment = state_.environment.open;
    if (in_environment) {
        state_.environment.content = true;
    } else {
        if (!state_.element.open) {
            open_element_implicitly();
        }
        state_.element.content = true;
        ++state_.test.variable_statements;
    }
    const KeywordCode code = s.row != nullptr ? s.row->code : KeywordCode::var;
    const bool whole_array = code != KeywordCode::var;
    const bool whole_structure = code == KeywordCode::structure;
    VariableContext context;
    context.script_language = language_.language();
    context.scope = state_.service.open ? state_.service.name : std::string();
    context.line = line();
    context.file_number = session_.records().current_file_number();
    context.environment = in_environment;
    // The statement of an environment whose definition was refused is still
    // analysed for its own faults, into a list that is then forgotten.
    std::vector<VariableClause> refused;
    std::vector<VariableClause>* target = &element_variables_;
    if (in_environment) {
        target = open_environment_ != nullptr ? &open_environment_->variables : &refused;
    }
    std::vector<VariableClause>& list = *target;
    const std::size_t first = list.size();
    variables_.parse_variable_statement(s.argument, options_.settings.tested_language, whole_array,
                                        whole_structure, context, list);
    for (std::size_t i = first; i < list.size(); ++i) {
        if (const std::string* format = format_of(list[i].variable)) {
            list[i].format = *format;
        }
        // An environment's records reach the generator when an element
        // applies them (END ELEMENT).
        // A value whose literals C would refuse, or whose string a NUL would
        // cut short, is refused at its statement.
        if (refuse_literals(list[i])) continue;
        if (!in_environment) {
            hooks_.add_variable(list[i], false);
            const VariableClause& c = list[i];
            if (c.init && c.ev && c.ev_form != EvForm::double_equal && !state_.sequence_mode &&
                (state_.element.checked_after_code.empty() ||
                 state_.element.checked_after_code.back().first != c.line)) {
                state_.element.checked_after_code.emplace_back(c.line, c.variable);
            }
        }
    }
}

bool Dispatcher::refuse_literals(const VariableClause& c) {
    const bool text = c.kind == VariableKind::string || c.kind == VariableKind::string_pointer;
    for (const std::string* value :
         {&c.init_value, &c.ev_value, &c.ev_target, &c.min_value, &c.max_value}) {
        const std::string problem = c_literal_problem(*value, text);
        if (!problem.empty()) {
            reporter_.error(msg::CHAINEINV, c.variable + " = " + problem);
            return true;
        }
    }
    return false;
}

void Dispatcher::handle_variable(const Statement& s) {
    if (s.argument.empty()) {
        return;
    }
    if (state_.sequence_mode && !state_.environment.open) {
        open_element();
        variable_statement(s);
        end_element_action();
        return;
    }
    variable_statement(s);
}

}  // namespace vx
