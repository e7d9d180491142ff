// The compiler's command description and the step that turns an analysed
// command line into CompilerSettings.
//
// The description is data: the argument types, the option table (in the
// order the analyser reports positions), the two enumerations, the forbidden
// combinations and the usage text. settings_from_analysis then walks the
// options in a fixed order: positional parameters, language, version and
// target, the options that only warn, the file options, the checks that
// depend on C analysis being enabled, the selection lists (each building
// its piece of the command echo as it goes), the restriction flags, the
// compiler system, the trace levels and display limits, and last the
// command echo itself.
#include "driver/options/compiler_options.h"

#include "diag/catalogue.h"
#include "diag/reporter.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iterator>

namespace vx {

using namespace std::string_view_literals;

namespace {

// ---- the command description ---------------------------------------------

constexpr std::int32_t string_length_min = 1;
constexpr std::int32_t string_length_max = 255;
constexpr std::int32_t trace_level_max = 255;
constexpr std::int32_t display_limit_max = 255;

constexpr ArgumentType string_type(const char* french, const char* english, bool list = false) {
    return {.names = {french, french, english},
            .kind = ValueKind::string,
            .list = list,
            .minimum = string_length_min,
            .maximum = string_length_max};
}

constexpr ArgumentType parameter(const char* french, const char* french_display,
                                 const char* english, bool optional) {
    return {.names = {french, french_display, english},
            .kind = ValueKind::string,
            .list = false,
            .minimum = string_length_min,
            .maximum = string_length_max,
            .optional = optional};
}

// The French display name of the generated file is written in Latin-1.
constexpr ArgumentType command_parameters[] = {
    parameter("fichier_PTU", "fichier_PTU", "test_script_file", false),
    parameter("fichier_genere", "fichier_g\xe9n\xe9r\xe9", "generated_file", false),
    parameter("rep_fic_rio", "rep_fic_rio", "rep_file_rio", true),
};

constexpr ArgumentType language_type = string_type("nom_langage", "language_name");
constexpr ArgumentType version_type = string_type("num_version", "version_nb");
constexpr ArgumentType target_type = string_type("nom_cible", "target_name");
constexpr ArgumentType operation_type = string_type("nom_operation", "operation_name", true);
constexpr ArgumentType service_type = string_type("nom_service", "service_name", true);
constexpr ArgumentType test_type = string_type("nom_test", "test_name", true);
constexpr ArgumentType family_type = string_type("nom_famille", "family_name", true);
constexpr ArgumentType exoperation_type = string_type("nom_exoperation", "exoperation_name", true);
constexpr ArgumentType exservice_type = string_type("nom_exservice", "exservice_name", true);
constexpr ArgumentType extest_type = string_type("nom_extest", "extest_name", true);
constexpr ArgumentType exfamily_type = string_type("nom_exfamille", "exfamily_name", true);
constexpr ArgumentType directory_type = string_type("repertoire", "directory", true);
constexpr ArgumentType identifier_type = string_type("identificateur", "identifier", true);
constexpr ArgumentType const_type = string_type("fichier_const", "const_file");
constexpr ArgumentType source_type = string_type("fichier_source", "source_file");
constexpr ArgumentType command_type = string_type("commande", "command");
constexpr ArgumentType strver_type = string_type("strvers", "strvers");
constexpr ArgumentType restriction_type = string_type("restriction", "restriction", true);
constexpr ArgumentType syscomp_type = string_type("systeme_compil", "compiler_system");
constexpr ArgumentType class_type = string_type("nom_classe", "class_name");
constexpr ArgumentType dbms_type = string_type("nom_sgbd", "dbms_name");
constexpr ArgumentType data_type = string_type("fichier_donnees", "data_file");
constexpr ArgumentType define_type = string_type("fichier_define", "define_file");
constexpr ArgumentType rename_type = string_type("fichier_renommage", "rename_file");
constexpr ArgumentType symbtab_type = string_type("fichier_tabsymb", "symbtab_file");
constexpr ArgumentType adalink_type = string_type("fichier_adalien", "adalink_file");
constexpr ArgumentType standard_type = string_type("fichier_standard", "standard_file");
constexpr ArgumentType vistal_log_type = string_type("fichier_vistal_log", "vistal_log_file");
constexpr ArgumentType rio_type = string_type("fichier_rio", "rio_file");
constexpr ArgumentType tsf_type = string_type("fichier_tsf", "tsf_file");
constexpr ArgumentType level_type = {
    {"niveau", "niveau", "level"}, ValueKind::integer, true, 0, trace_level_max};
constexpr ArgumentType diagnostics_type = string_type("forme", "form");
constexpr ArgumentType count_type = {
    {"Nb", "Nb", "Nb"}, ValueKind::integer, false, 1, display_limit_max};

constexpr EnumerationValue restriction_values[] = {
    {{"NOEXCEP", "NOEXCEP", "NOEXCEP"}}, {{"NOIMAGE", "NOIMAGE", "NOIMAGE"}},
    {{"NOPOS", "NOPOS", "NOPOS"}},       {{"KR", "KR", "KR"}},
    {{"ANSI", "ANSI", "ANSI"}},          {{"NOSQLSAV", "NOSQLSAV", "NOSQLSAV"}},
    {{"SEPAR", "SEPAR", "SEPAR"}},       {{"NOALLOC", "NOALLOC", "NOALLOC"}},
    {{"ADA83", "ADA83", "ADA83"}},
};

constexpr EnumerationValue diagnostics_values[] = {
    {{"GNU", "GNU", "GNU"}},
    {{"HARNEX", "HARNEX", "HARNEX"}},
};

constexpr EnumerationValue syscomp_values[] = {
    {{"UNIX", "UNIX", "UNIX"}}, {{"VMS", "VMS", "VMS"}}, {{"OS2", "OS2", "OS2"}},
    {{"DOS", "DOS", "DOS"}},    {{"NT", "NT", "NT"}},
};

// Option flags.
constexpr unsigned negatable = 1;
constexpr unsigned default_on = 2;

constexpr OptionEntry option(const char* french, const char* english, const ArgumentType* type,
                             unsigned flags = 0, std::span<const EnumerationValue> values = {}) {
    return {.names = {french, french, english},
            .argument = type,
            .negatable = (flags & negatable) != 0,
            .default_on = (flags & default_on) != 0,
            .enumeration = values};
}

constexpr OptionEntry command_options[] = {
    option("LANGAGE", "LANGUAGE", &language_type),
    option("VERSION", "VERSION", &version_type),
    option("CIBLE", "TARGET", &target_type),
    option("OPERATION", "OPERATION", &operation_type),
    option("SERVICE", "SERVICE", &service_type),
    option("TEST", "TEST", &test_type),
    option("FAMILLE", "FAMILY", &family_type),
    option("EXOPERATION", "EXOPERATION", &exoperation_type),
    option("EXSERVICE", "EXSERVICE", &exservice_type),
    option("EXTEST", "EXTEST", &extest_type),
    option("EXFAMILLE", "EXFAMILY", &exfamily_type),
    option("INCL", "INCL", &directory_type),
    option("DEFINIR", "DEFINE", &identifier_type),
    option("NOSIMULATION", "NOSIMULATION", nullptr),
    option("NOEDIT", "NOEDIT", nullptr),
    option("CONST", "CONST", &const_type),
    option("SOURCE", "SOURCE", &source_type),
    option("COMMANDE", "COMMAND", &command_type, negatable),
    option("STRVER", "STRVER", &strver_type, negatable),
    option("RESTRICTION", "RESTRICTION", &restriction_type, 0, restriction_values),
    option("SYSCOMP", "SYSCOMP", &syscomp_type, 0, syscomp_values),
    option("SOUS_SYSTEME", "SUB_SYSTEM", nullptr, negatable),
    option("SYSTEME", "SYSTEM", nullptr, negatable),
    option("SS", "SS", nullptr, negatable),
    option("FAST", "FAST", nullptr, negatable | default_on),
    option("EXPEND", "EXPAND", nullptr, negatable),
    option("COMPRESS", "COMPRESS", nullptr, negatable),
    option("CLASSE", "CLASS", &class_type),
    option("SGBD", "DBMS", &dbms_type),
    option("DONNEES", "DATA", &data_type),
    option("APPRENTISSAGE", "LEARN", nullptr, negatable),
    option("NOANALYSE", "NOANALYZE", nullptr),
    option("NOPATH", "NOPATH", nullptr),
    option("DEFINE_STD", "STD_DEFINE", &define_type),
    option("RENOMME", "RENAME", &rename_type),
    option("TABSYMB", "SYMBTAB", &symbtab_type),
    option("ADALIEN", "ADALINK", &adalink_type),
    option("STANDARD", "STANDARD", &standard_type),
    option("VISTAL_LOG", "VISTAL_LOG", &vistal_log_type),
    option("NOMRIO", "RIONAME", &rio_type),
    option("WITHSEPARATE", "WITHSEPARATE", nullptr),
    option("TSF", "TSF", &tsf_type),
    option("XT", "XT", &level_type),
    option("E", "E", &count_type),
    option("W", "W", &count_type),
    option("DIAGNOSTICS", "DIAGNOSTICS", &diagnostics_type, 0, diagnostics_values),
};

// The options of the table by their English names, in the table's order:
// the settings read the analyser's results through these, so that a
// misspelt option is a compile error, not an option silently never given.
enum class Opt {
    LANGUAGE,
    VERSION,
    TARGET,
    OPERATION,
    SERVICE,
    TEST,
    FAMILY,
    EXOPERATION,
    EXSERVICE,
    EXTEST,
    EXFAMILY,
    INCL,
    DEFINE,
    NOSIMULATION,
    NOEDIT,
    CONST,
    SOURCE,
    COMMAND,
    STRVER,
    RESTRICTION,
    SYSCOMP,
    SUB_SYSTEM,
    SYSTEM,
    SS,
    FAST,
    EXPAND,
    COMPRESS,
    CLASS,
    DBMS,
    DATA,
    LEARN,
    NOANALYZE,
    NOPATH,
    STD_DEFINE,
    RENAME,
    SYMBTAB,
    ADALINK,
    STANDARD,
    VISTAL_LOG,
    RIONAME,
    WITHSEPARATE,
    TSF,
    XT,
    E,
    W,
    DIAGNOSTICS
};

constexpr bool same_text(const char* a, const char* b) {
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}

constexpr bool options_match_the_table() {
    constexpr const char* names[] = {"LANGUAGE",
                                     "VERSION",
                                     "TARGET",
                                     "OPERATION",
                                     "SERVICE",
                                     "TEST",
                                     "FAMILY",
                                     "EXOPERATION",
                                     "EXSERVICE",
                                     "EXTEST",
                                     "EXFAMILY",
                                     "INCL",
                                     "DEFINE",
                                     "NOSIMULATION",
                                     "NOEDIT",
                                     "CONST",
                                     "SOURCE",
                                     "COMMAND",
                                     "STRVER",
                                     "RESTRICTION",
                                     "SYSCOMP",
                                     "SUB_SYSTEM",
                                     "SYSTEM",
                                     "SS",
                                     "FAST",
                                     "EXPAND",
                                     "COMPRESS",
                                     "CLASS",
                                     "DBMS",
                                     "DATA",
                                     "LEARN",
                                     "NOANALYZE",
                                     "NOPATH",
                                     "STD_DEFINE",
                                     "RENAME",
                                     "SYMBTAB",
                                     "ADALINK",
                                     "STANDARD",
                                     "VISTAL_LOG",
                                     "RIONAME",
                                     "WITHSEPARATE",
                                     "TSF",
                                     "XT",
                                     "E",
                                     "W",
                                     "DIAGNOSTICS"};
    if (std::size(names) != std::size(command_options)) return false;
    for (std::size_t i = 0; i < std::size(names); ++i) {
        if (!same_text(names[i], command_options[i].names.english)) return false;
    }
    return true;
}
static_assert(options_match_the_table(), "Opt follows the option table");

constexpr CombinationRule command_combinations[] = {
    {"SS", "SYSTEM"},           {"SS", "SUB_SYSTEM"},         {"SYSTEM", "SUB_SYSTEM"},
    {"OPERATION", "SERVICE"},   {"EXOPERATION", "EXSERVICE"}, {"OPERATION", "EXSERVICE"},
    {"EXOPERATION", "SERVICE"}, {"OPERATION", "EXOPERATION"}, {"SERVICE", "EXSERVICE"},
    {"TEST", "EXTEST"},         {"FAMILY", "EXFAMILY"},
};

constexpr char command_usage[] =
    "\nUsage vexorprepro :\n"
    "\t<test_script_file>\n"
    "\t<generated_file>\n"
    "\t<rep_file_rio>\n"
    "\t[-LANGUAGE=<language_name>]\n"
    "\t[-VERSION=<version_nb>]\n"
    "\t[-TARGET=<target_name>]\n"
    "\t[-OPERATION=<operation_name>[,operation_name]]\n"
    "\t[-SERVICE=<service_name>[,service_name]]\n"
    "\t[-TEST=<test_name>[,test_name]]\n"
    "\t[-FAMILY=<family_name>[,family_name]]\n"
    "\t[-EXOPERATION=<exoperation_name>[,exoperation_name]]\n"
    "\t[-EXSERVICE=<exservice_name>[,exservice_name]]\n"
    "\t[-EXTEST=<extest_name>[,extest_name]]\n"
    "\t[-EXFAMILY=<exfamily_name>[,exfamily_name]]\n"
    "\t[-INCL=<directory>[,directory]]\n"
    "\t[-DEFINE=<identifier>[,identifier]]\n"
    "\t[-NOSIMULATION]\n"
    "\t[-E=<Max_error_displayed>]\n"
    "\t[-W=<Max_warning_displayed>]\n"
    "\t[-DIAGNOSTICS=<HARNEX|GNU>]\n"
    "\t[-CONST=<const_file>]\n"
    "\t[-SOURCE=<source_file>]\n"
    "\t[-COMMAND|-NOCOMMAND=<command>]\n"
    "\t[-STRVER|-NOSTRVER=<strvers>]\n"
    "\t[-RESTRICTION=<ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP>"
    "[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]\n"
    "\t[-SYSCOMP=<NT|DOS|OS2|VMS|UNIX>]\n"
    "\t[-SUB_SYSTEM|-NOSUB_SYSTEM]\n"
    "\t[-SYSTEM|-NOSYSTEM]\n"
    "\t[-SS|-NOSS]\n"
    "\t[-FAST|-NOFAST]\n"
    "\t[-EXPAND|-NOEXPAND]\n"
    "\t[-COMPRESS|-NOCOMPRESS]\n"
    "\t[-CLASS=<class_name>]\n"
    "\t[-DBMS=<dbms_name>]\n"
    "\t[-DATA=<data_file>]\n"
    "\t[-NOANALYZE]\n"
    "\t[-NOPATH]\n"
    "\t[-STD_DEFINE=<define_file>]\n"
    "\t[-RENAME=<rename_file>]\n"
    "\t[-SYMBTAB=<symbtab_file>]\n"
    "\t[-ADALINK=<adalink_file>]\n"
    "\t[-STANDARD=<standard_file>]\n"
    "\t[-VISTAL_LOG=<vistal_log_file>]\n"
    "\t[-RIONAME=<rio_file>]\n"
    "\t[-WITHSEPARATE]\n"
    "\t[-TSF=<tsf_file>]\n"
    "\t[-NOEDIT]\n"
    "\t[-LEARN|-NOLEARN]\n"
    "\t[-XT=<level>[,level]]\n";

constexpr char command_name[] = "vexorprepro";

constexpr CommandDescription description = {
    .name = command_name,
    .option_prefix = '-',
    .value_separator = '=',
    .list_separator = ',',
    .parameters = command_parameters,
    .options = command_options,
    .combinations = command_combinations,
    .usage = command_usage,
};

// ---- languages -------------------------------------------------------------

struct LanguageRow {
    const char* key;
    const char* name;
    int tested_language;
    int variant;
    int subvariant;
    const char* default_target;
};

constexpr LanguageRow language_table[] = {
    {"", "C", tested_language_c, 5, 0, "LINUX"},
    {"C", "C", tested_language_c, 5, 0, "LINUX"},
    {"CSQL", "CSQL", tested_language_c, 5, 0, "LINUX"},
};
constexpr std::size_t language_c_row = 1;
constexpr std::size_t language_csql_row = 2;
constexpr char sql_language[] = "CSQL";

// ---- settings ---------------------------------------------------------------

// A piece of the command echo holding list values stays below this length.
constexpr std::size_t echo_piece_limit = 1000;

constexpr char default_helper_dir[] = "/usr/vexor";
constexpr char std_define_in_target[] = "/ana/vxus_c.def";

std::string upper_case(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

std::string lower_case(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return text;
}

bool starts_with(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

bool is_directory(const std::string& path) {
    std::error_code error;
    return std::filesystem::is_directory(path, error);
}

// Reading the analyser's results by option.
class Options {
public:
    explicit Options(const CommandAnalysis& analysis) : analysis_(analysis) {}

    // The option's position in the analyser's list (from 1).
    static int position(Opt option) { return static_cast<int>(option) + 1; }
    static const char* name(Opt option) {
        return command_options[static_cast<std::size_t>(option)].names.english;
    }

    // From 1 when given positively, negative in the negative form, 0 when
    // not given.
    int state(Opt option) const {
        const int given = analysis_.option_state(name(option));
        return given > 0 ? 1 : given < 0 ? -1 : 0;
    }
    bool positive(Opt option) const { return state(option) > 0; }
    // Given with a value, in either form.
    bool has_value(Opt option) const { return !values(option).empty(); }
    const std::vector<AnalysedValue>& values(Opt option) const {
        return analysis_.option_values(position(option));
    }
    std::string text(Opt option) const {
        const auto& list = values(option);
        return list.empty() ? std::string() : list.front().text;
    }

private:
    const CommandAnalysis& analysis_;
};

std::string parameter_text(const CommandAnalysis& analysis, int index) {
    const AnalysedValue* value = analysis.parameter_value(index, 1);
    return value == nullptr ? std::string() : value->text;
}

std::string strip_quotes(std::string text) {
    if (!text.empty() && text.front() == '"') {
        text.erase(0, 1);
    }
    if (!text.empty() && text.back() == '"') {
        text.pop_back();
    }
    return text;
}

// A -CONST file without extension gets the generated file's extension.
std::string const_file_name(std::string value, const char* extension) {
    std::size_t name_start = value.rfind('/');
    name_start = name_start == std::string::npos ? 0 : name_start + 1;
    if (value.find('.', name_start) == std::string::npos) {
        value += '.';
        value += extension;
    }
    return value;
}

const LanguageRow& select_language(Reporter& reporter, const Options& options) {
    std::string given = options.text(Opt::LANGUAGE);
    std::string key = upper_case(given);
    for (const LanguageRow& row : language_table) {
        if (key == row.key) {
            return row;
        }
    }
    if (starts_with(key, sql_language)) {
        return language_table[language_csql_row];
    }
    if (starts_with(key, "C")) {
        return language_table[language_c_row];
    }
    throw reporter.fatal(msg::LANGINCON, given);
}

// How the values of one list option are stored: in which list, and in
// which letter case.
enum class ListCase { upper, kept, upper_without_analysis };
enum class ListKind { selection, include, define, restriction };

struct ListOption {
    Opt option;
    ListCase letter_case;
    ListKind kind;
    SelectionList CompilerSettings::*selection;
};

constexpr ListOption list_options[] = {
    {Opt::OPERATION, ListCase::upper, ListKind::selection, &CompilerSettings::operation_list},
    {Opt::SERVICE, ListCase::upper, ListKind::selection, &CompilerSettings::operation_list},
    {Opt::TEST, ListCase::upper, ListKind::selection, &CompilerSettings::test_list},
    {Opt::FAMILY, ListCase::upper, ListKind::selection, &CompilerSettings::family_list},
    {Opt::EXOPERATION, ListCase::upper, ListKind::selection,
     &CompilerSettings::exclude_operation_list},
    {Opt::EXSERVICE, ListCase::upper, ListKind::selection,
     &CompilerSettings::exclude_operation_list},
    {Opt::EXTEST, ListCase::upper, ListKind::selection, &CompilerSettings::exclude_test_list},
    {Opt::EXFAMILY, ListCase::upper, ListKind::selection, &CompilerSettings::exclude_family_list},
    {Opt::INCL, ListCase::kept, ListKind::include, nullptr},
    {Opt::DEFINE, ListCase::upper_without_analysis, ListKind::define, nullptr},
    {Opt::RESTRICTION, ListCase::kept, ListKind::restriction, nullptr},
};

// Adds a value to the list an option feeds, with the checks of that list.
// False when the value is refused.
bool add_list_value(Reporter& reporter, CompilerSettings& settings, const ListOption& option,
                    std::string value) {
    switch (option.kind) {
        case ListKind::selection: {
            SelectionList& list = settings.*option.selection;
            list.given = true;
            list.add(std::move(value));
            return true;
        }
        case ListKind::include:
            if (!is_directory(value)) {
                reporter.warning(msg::INCLTYPER, value);
                return false;
            }
            settings.include_dirs.push_back(std::move(value));
            return true;
        case ListKind::define: {
            auto& list = settings.defined_identifiers;
            if (std::find(list.begin(), list.end(), value) == list.end()) {
                list.push_back(std::move(value));
            }
            return true;
        }
        case ListKind::restriction: {
            // The values are the enumeration's own names.
            auto flag = std::find(restriction_names.begin(), restriction_names.end(), value);
            if (flag != restriction_names.end()) {
                settings.restrictions[static_cast<std::size_t>(flag - restriction_names.begin())] =
                    true;
            }
            return true;
        }
    }
    return false;
}

// The lists of the selection, include and define options, each giving its
// piece of the command echo.
std::string read_lists(Reporter& reporter, const Options& options, CompilerSettings& settings) {
    std::string echo;
    for (const ListOption& list : list_options) {
        const auto& values = options.values(list.option);
        if (options.state(list.option) == option_absent) {
            continue;
        }
        std::string piece = std::string(" -") + Options::name(list.option) + "=";
        bool first_in_piece = true;
        bool cut = false;
        for (std::size_t i = 0; i < values.size(); ++i) {
            std::string value = values[i].text;
            if (i == 0 && !value.empty() && value.front() == '(') {
                value.erase(0, 1);
            }
            if (!value.empty() && value.back() == ')') {
                value.pop_back();
            }
            if (list.letter_case == ListCase::upper ||
                (list.letter_case == ListCase::upper_without_analysis && !settings.c_analysis())) {
                value = upper_case(std::move(value));
            }
            std::string shown = value;
            if (!add_list_value(reporter, settings, list, std::move(value))) {
                continue;
            }
            std::size_t added = shown.size() + (first_in_piece ? 0 : 1);
            if (piece.size() + added < echo_piece_limit) {
                if (!first_in_piece) {
                    piece += ',';
                }
                piece += shown;
                first_in_piece = false;
            } else {
                cut = true;
            }
        }
        if (cut) {
            piece += ",...";
        }
        echo += piece;
    }
    return echo;
}

void apply_restrictions(Reporter& reporter, CompilerSettings& settings) {
    auto& flags = settings.restrictions;
    auto kr = static_cast<std::size_t>(Restriction::kr);
    auto ansi = static_cast<std::size_t>(Restriction::ansi);
    if (flags[kr] && flags[ansi]) {
        flags[kr] = false;
        reporter.warning(
            msg::CMDERREUR,
            translate("Warning Parameter", "improper RESTR=KR option",
                      "Used as a parameter for 'CMDERREUR' warning; RESTR=KR must not be "
                      "translated"));
    }
    flags[ansi] = !flags[kr];
}

void append_item(std::string& echo, const char* name, std::string_view value = {},
                 bool valued = false) {
    echo += " -";
    echo += name;
    if (valued) {
        echo += '=';
        echo += value;
    }
}

}  // namespace

const CommandDescription& compiler_command() { return description; }

std::string package_standard_definitions(std::string_view package) {
    return std::string(package) + std_define_in_target;
}

CompilerSettings settings_from_analysis(Reporter& reporter, const CommandAnalysis& analysis,
                                        const RunEnvironment& environment) {
    CompilerSettings s;
    Options options(analysis);

    s.script_path = parameter_text(analysis, 1);
    s.generated_path = parameter_text(analysis, 2);
    s.link_record_dir = strip_quotes(parameter_text(analysis, 3));

    const LanguageRow& language = select_language(reporter, options);
    s.language_name = language.name;
    s.tested_language = language.tested_language;
    s.language_variant = language.variant;
    s.language_subvariant = language.subvariant;
    s.sql_mode = s.language_name == sql_language;

    s.version = upper_case(options.text(Opt::VERSION));
    s.target_given = options.has_value(Opt::TARGET);
    s.target_name = options.has_value(Opt::TARGET) ? upper_case(options.text(Opt::TARGET))
                                                   : std::string(language.default_target);

    if (options.has_value(Opt::CLASS)) {
        s.class_name = options.text(Opt::CLASS);
        reporter.warning(msg::OPCLASSIMP);
    }

    bool dbms_given = options.has_value(Opt::DBMS);
    if (dbms_given) {
        s.dbms_name = lower_case(options.text(Opt::DBMS));
    }
    if (dbms_given && !s.sql_mode) {
        reporter.warning(msg::OPSGBDINP);
    } else {
        s.dbms_helper_path = environment.dbms_helper_dir.value_or(default_helper_dir) + "/" +
                             (s.dbms_name == "ingres" ? "vexor_ingres" : "vexor_oracle");
    }

    if (options.positive(Opt::LEARN)) {
        reporter.warning(msg::OPTOBSOLET, "LEARN"sv);
    }
    if (options.has_value(Opt::DATA)) {
        reporter.warning(msg::OPTOBSOLET, "DATA"sv);
    }

    s.const_given = options.has_value(Opt::CONST);
    if (s.const_given) {
        s.const_file = const_file_name(options.text(Opt::CONST), s.generated_extension());
    }
    s.vistal_log_path = options.text(Opt::VISTAL_LOG);
    s.rio_name = options.text(Opt::RIONAME);
    s.no_simulation = options.positive(Opt::NOSIMULATION);
    s.no_edit = options.positive(Opt::NOEDIT);
    if (options.positive(Opt::NOANALYZE)) {
        s.analysis_by_language[static_cast<std::size_t>(s.tested_language)] = false;
    }
    s.no_path = options.positive(Opt::NOPATH);
    s.with_separate = options.positive(Opt::WITHSEPARATE);
    s.sub_system = options.positive(Opt::SUB_SYSTEM) || options.positive(Opt::SYSTEM) ||
                   options.positive(Opt::SS);
    s.command_text = options.text(Opt::COMMAND);
    s.source_file = options.text(Opt::SOURCE);
    s.version_pattern = options.text(Opt::STRVER);
    s.fast = options.positive(Opt::FAST);
    s.compress = options.positive(Opt::COMPRESS);
    s.expand = options.positive(Opt::EXPAND);
    if (s.compress && s.expand) {
        reporter.warning(msg::OPINCOMPA, "COMPRESS, EXPEND"sv);
    }

    bool analysed_c = s.c_analysis() && (s.tested_language == tested_language_c ||
                                         s.tested_language == tested_language_cpp);
    if (options.has_value(Opt::STD_DEFINE)) {
        s.std_define_file = options.text(Opt::STD_DEFINE);
    } else if (environment.runtime_package && analysed_c) {
        s.std_define_file = package_standard_definitions(*environment.runtime_package);
    }
    if (!s.std_define_file.empty() && !analysed_c) {
        reporter.warning(msg::OPTCETCPP, "STD_DEFINE"sv);
        s.std_define_file.clear();
    }

    s.rename_file = options.text(Opt::RENAME);
    if (!s.rename_file.empty() && (!s.c_analysis() || s.tested_language != tested_language_c)) {
        reporter.warning(msg::OPTCETANA, "RENAME"sv);
        s.rename_file.clear();
    }
    s.symbtab_file = options.text(Opt::SYMBTAB);
    if (!s.symbtab_file.empty() && !s.c_analysis()) {
        reporter.warning(msg::OPTIONANA, "SYMBTAB"sv);
        s.symbtab_file.clear();
    }

    s.report_description_wanted = options.has_value(Opt::TSF);
    s.report_description_file = options.text(Opt::TSF);

    for (Opt option : {Opt::ADALINK, Opt::STANDARD}) {
        if (!options.has_value(option)) {
            continue;
        }
        if (!s.c_analysis()) {
            reporter.warning(msg::OPTIONANA, std::string_view(Options::name(option)));
        } else if (option == Opt::ADALINK) {
            s.adalink_file = options.text(option);
        } else {
            s.standard_file = options.text(option);
        }
    }

    std::string list_echo = read_lists(reporter, options, s);
    apply_restrictions(reporter, s);

    std::string syscomp_echo;
    if (options.has_value(Opt::SYSCOMP)) {
        std::string system = options.text(Opt::SYSCOMP);
        auto entry =
            std::find_if(std::begin(syscomp_values), std::end(syscomp_values),
                         [&](const EnumerationValue& v) { return system == v.names.english; });
        constexpr CompilerSystem systems_in_enumeration_order[] = {
            CompilerSystem::unix_system, CompilerSystem::vms, CompilerSystem::os2,
            CompilerSystem::dos, CompilerSystem::nt};
        if (entry != std::end(syscomp_values)) {
            s.compiler_system = systems_in_enumeration_order[entry - std::begin(syscomp_values)];
        }
        syscomp_echo = " -SYSCOMP=" + system;
    }

    for (const AnalysedValue& level : options.values(Opt::XT)) {
        std::printf("active trace %d\n", static_cast<int>(level.number));
        s.trace_levels.push_back(static_cast<int>(level.number));
    }
    std::fflush(stdout);

    if (const auto& limit = options.values(Opt::E); !limit.empty() && limit.front().number > 0) {
        s.error_limit = limit.front().number;
    }
    if (const auto& limit = options.values(Opt::W); !limit.empty() && limit.front().number > 0) {
        s.warning_limit = limit.front().number;
    }
    s.editor_diagnostics =
        options.has_value(Opt::DIAGNOSTICS) && options.text(Opt::DIAGNOSTICS) == "GNU";

    std::string& echo = s.command_echo;
    echo = std::string(command_name) + " " + s.script_path + " " + s.generated_path;
    if (!s.link_record_dir.empty()) {
        echo += " \"" + s.link_record_dir + "\"";
    }
    append_item(echo, "LANGUAGE", s.language_name, true);
    if (!s.version.empty()) {
        append_item(echo, "VERSION", s.version, true);
    }
    append_item(echo, "TARGET", s.target_name, true);
    if (s.sub_system) {
        append_item(echo, "SUB_SYSTEM");
    }
    if (options.has_value(Opt::SOURCE)) {
        append_item(echo, "SOURCE", s.source_file, true);
    }
    if (!s.version_pattern.empty()) {
        append_item(echo, "STRVER", s.version_pattern, true);
    }
    if (s.fast) {
        append_item(echo, "FAST");
    }
    if (s.compress) {
        append_item(echo, "COMPRESS");
    }
    if (s.expand) {
        append_item(echo, "EXPAND");
    }
    echo += list_echo;
    echo += syscomp_echo;
    if (s.no_simulation) {
        append_item(echo, "NOSIMULATION");
    }
    if (s.no_edit) {
        append_item(echo, "NOEDIT");
    }
    if (s.sql_mode) {
        append_item(echo, "DBMS", s.dbms_name, true);
    }
    if (!s.c_analysis()) {
        append_item(echo, "NOANALYZE");
    }
    const std::pair<const char*, const std::string*> file_items[] = {
        {"STD_DEFINE", &s.std_define_file},
        {"SYMBTAB", &s.symbtab_file},
        {"STANDARD", &s.standard_file},
        {"ADALINK", &s.adalink_file},
    };
    for (const auto& [name, file] : file_items) {
        if (!file->empty()) {
            append_item(echo, name, *file, true);
        }
    }
    return s;
}

CompilerSettings analyse_command_line(Reporter& reporter, int argc, char** argv,
                                      const RunEnvironment& environment) {
    CommandAnalysis analysis(compiler_command());
    std::vector<std::string> arguments;
    if (analysis.expand_arguments(argc, argv, environment.variables, arguments) != 0 ||
        analysis.analyse_arguments(arguments) != 0) {
        throw reporter.fatal(msg::CMDFATALE);
    }
    CompilerSettings settings = settings_from_analysis(reporter, analysis, environment);
    settings.option_files = analysis.option_files();
    reporter.set_error_limit(settings.error_limit);
    reporter.set_warning_limit(settings.warning_limit);
    reporter.set_editor_form(settings.editor_diagnostics);
    return settings;
}

}  // namespace vx
