// The keywords of the test script language, as data.
//
// Every statement begins with a keyword. The keyword table lists each
// spelling (upper case) with its code, its argument rules and its
// language: French, English, or common to both. Several spellings share a
// code (SERVICE and OPERATION, TAB and ARRAY ...). The table is searched in
// order from the first row. Three small tables follow the same pattern for
// the second word of END / FIN, DEFINE / DEFINIR and INCLUDE / INCLURE.
//
// Messages name keywords in the language of the script ("FIN SERVICE" in a
// French script, "END SERVICE" in an English one): KeywordName gives both
// spellings of every keyword a message names.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace vx {

// The language of a spelling, as handed to switch_script_language.
enum class KeywordLanguage : int { french = 0, english = 1, both = 2 };

enum class KeywordCode : int {
    none = 0,
    constant = 1,
    header = 2,
    service = 3,
    end_service = 4,
    test = 5,
    end_test = 6,
    family = 7,
    end_family = 8,
    element = 9,
    end_element = 10,
    var = 11,
    array = 12,
    register_variable = 13,
    simul = 14,
    end_simul = 15,
    else_simul = 16,
    comment = 17,
    environment = 18,
    end_environment = 19,
    use = 20,
    segment = 21,
    end_segment = 22,
    system = 23,
    far_block = 24,
    end_far = 25,
    near_block = 26,
    end_near = 27,
    begin = 28,
    service_type = 29,
    end = 30,
    exception = 31,
    include = 32,
    define = 34,
    field = 35,
    if_condition = 36,
    else_condition = 37,
    end_if = 38,
    structure = 39,
    declare = 40,
    initialization = 41,
    termination = 42,
    access = 43,
    service_access = 44,
    table = 45,
    format = 46,
    inherite = 47,
    stub = 48,
    init_base = 49,
    next_test = 59,
    sequence = 60,
    coverage = 61,
    list = 62,
    requirement = 63,
};

// One past the highest keyword code.
inline constexpr int keyword_code_limit = 64;

struct KeywordRow {
    std::string_view text;
    KeywordCode code;
    bool argument_required;
    bool argument_expected;
    KeywordLanguage language;
};

inline constexpr std::size_t keyword_row_count = 82;

// clang-format off
inline constexpr std::array<KeywordRow, keyword_row_count> keyword_table = {{
    {"CONST",          KeywordCode::constant,          true,  false, KeywordLanguage::both},
    {"ENTETE",         KeywordCode::header,            false, true,  KeywordLanguage::french},
    {"HEADER",         KeywordCode::header,            false, true,  KeywordLanguage::english},
    {"OPERATION",      KeywordCode::service,           true,  false, KeywordLanguage::both},
    {"SERVICE",        KeywordCode::service,           true,  false, KeywordLanguage::both},
    {"FOP",            KeywordCode::end_service,       false, false, KeywordLanguage::french},
    {"FSERV",          KeywordCode::end_service,       false, false, KeywordLanguage::french},
    {"TEST",           KeywordCode::test,              true,  false, KeywordLanguage::both},
    {"FTEST",          KeywordCode::end_test,          false, false, KeywordLanguage::french},
    {"FAMILLE",        KeywordCode::family,            false, true,  KeywordLanguage::french},
    {"FAMILY",         KeywordCode::family,            false, true,  KeywordLanguage::english},
    {"FFAM",           KeywordCode::end_family,        false, false, KeywordLanguage::french},
    {"ELEMENT",        KeywordCode::element,           false, false, KeywordLanguage::both},
    {"FEL",            KeywordCode::end_element,       false, false, KeywordLanguage::french},
    {"VAR",            KeywordCode::var,               true,  false, KeywordLanguage::both},
    {"TAB",            KeywordCode::array,             true,  false, KeywordLanguage::french},
    {"ARRAY",          KeywordCode::array,             true,  false, KeywordLanguage::english},
    {"REGISTRE",       KeywordCode::register_variable, true,  false, KeywordLanguage::french},
    {"REGISTER",       KeywordCode::register_variable, true,  false, KeywordLanguage::english},
    {"SIMUL",          KeywordCode::simul,             false, false, KeywordLanguage::both},
    {"FSIMUL",         KeywordCode::end_simul,         false, false, KeywordLanguage::french},
    {"ELSE_SIMUL",     KeywordCode::else_simul,        false, false, KeywordLanguage::both},
    {"SINON_SIMUL",    KeywordCode::else_simul,        false, false, KeywordLanguage::french},
    {"COMMENT",        KeywordCode::comment,           false, false, KeywordLanguage::both},
    {"ENVIRONNEMENT",  KeywordCode::environment,       true,  false, KeywordLanguage::french},
    {"ENVIRONMENT",    KeywordCode::environment,       true,  false, KeywordLanguage::english},
    {"FENVIR",         KeywordCode::end_environment,   false, false, KeywordLanguage::french},
    {"UTILISE",        KeywordCode::use,               true,  false, KeywordLanguage::french},
    {"USE",            KeywordCode::use,               true,  false, KeywordLanguage::english},
    {"SEGMENT",        KeywordCode::segment,           true,  false, KeywordLanguage::both},
    {"FSEGMENT",       KeywordCode::end_segment,       false, false, KeywordLanguage::french},
    {"SYSTEME",        KeywordCode::system,            true,  false, KeywordLanguage::french},
    {"SYSTEM",         KeywordCode::system,            true,  false, KeywordLanguage::english},
    {"FAR",            KeywordCode::far_block,         false, false, KeywordLanguage::both},
    {"FFAR",           KeywordCode::end_far,           false, false, KeywordLanguage::french},
    {"NEAR",           KeywordCode::near_block,        false, false, KeywordLanguage::both},
    {"FNEAR",          KeywordCode::end_near,          false, false, KeywordLanguage::french},
    {"DEBUT",          KeywordCode::begin,             false, false, KeywordLanguage::french},
    {"BEGIN",          KeywordCode::begin,             false, false, KeywordLanguage::english},
    {"TYPE_SERVICE",   KeywordCode::service_type,      false, true,  KeywordLanguage::french},
    {"SERVICE_TYPE",   KeywordCode::service_type,      false, true,  KeywordLanguage::english},
    {"FIN",            KeywordCode::end,               false, true,  KeywordLanguage::french},
    {"END",            KeywordCode::end,               false, true,  KeywordLanguage::english},
    {"EXCEPTION",      KeywordCode::exception,         true,  false, KeywordLanguage::both},
    {"INCLURE",        KeywordCode::include,           true,  false, KeywordLanguage::french},
    {"INCLUDE",        KeywordCode::include,           true,  false, KeywordLanguage::english},
    {"DEFINIR",        KeywordCode::define,            true,  false, KeywordLanguage::french},
    {"DEFINE",         KeywordCode::define,            true,  false, KeywordLanguage::english},
    {"CHAMP",          KeywordCode::field,             true,  false, KeywordLanguage::french},
    {"FIELD",          KeywordCode::field,             true,  false, KeywordLanguage::english},
    {"SI",             KeywordCode::if_condition,      true,  false, KeywordLanguage::french},
    {"IF",             KeywordCode::if_condition,      true,  false, KeywordLanguage::english},
    {"SINON",          KeywordCode::else_condition,    false, false, KeywordLanguage::french},
    {"ELSE",           KeywordCode::else_condition,    false, false, KeywordLanguage::english},
    {"FINSI",          KeywordCode::end_if,            false, false, KeywordLanguage::french},
    {"ENDIF",          KeywordCode::end_if,            false, false, KeywordLanguage::english},
    {"STRUCTURE",      KeywordCode::structure,         true,  false, KeywordLanguage::both},
    {"STR",            KeywordCode::structure,         true,  false, KeywordLanguage::both},
    {"DECLARE",        KeywordCode::declare,           true,  false, KeywordLanguage::both},
    {"INITIALISATION", KeywordCode::initialization,    false, false, KeywordLanguage::both},
    {"INITIALIZATION", KeywordCode::initialization,    false, false, KeywordLanguage::english},
    {"TERMINAISON",    KeywordCode::termination,       false, false, KeywordLanguage::french},
    {"TERMINATION",    KeywordCode::termination,       false, false, KeywordLanguage::english},
    {"ACCES",          KeywordCode::access,            true,  false, KeywordLanguage::french},
    {"ACCESS",         KeywordCode::access,            true,  false, KeywordLanguage::english},
    {"ACCES_SERVICE",  KeywordCode::service_access,    true,  false, KeywordLanguage::french},
    {"SERVICE_ACCESS", KeywordCode::service_access,    true,  false, KeywordLanguage::english},
    {"TABLE",          KeywordCode::table,             true,  false, KeywordLanguage::both},
    {"FORMAT",         KeywordCode::format,            true,  false, KeywordLanguage::both},
    {"HERITE",         KeywordCode::inherite,          true,  false, KeywordLanguage::french},
    {"INHERITE",       KeywordCode::inherite,          true,  false, KeywordLanguage::english},
    {"MUET",           KeywordCode::stub,              true,  false, KeywordLanguage::french},
    {"STUB",           KeywordCode::stub,              true,  false, KeywordLanguage::english},
    {"INIT_BASE",      KeywordCode::init_base,         true,  false, KeywordLanguage::both},
    {"TEST_SUITE",     KeywordCode::next_test,         false, false, KeywordLanguage::french},
    {"NEXT_TEST",      KeywordCode::next_test,         false, false, KeywordLanguage::english},
    {"SEQUENCE",       KeywordCode::sequence,          false, false, KeywordLanguage::both},
    {"COUV",           KeywordCode::coverage,          true,  false, KeywordLanguage::french},
    {"COV",            KeywordCode::coverage,          true,  false, KeywordLanguage::english},
    {"LISTE",          KeywordCode::list,              true,  false, KeywordLanguage::french},
    {"LIST",           KeywordCode::list,              true,  false, KeywordLanguage::english},
    {"REQUIREMENT",    KeywordCode::requirement,       false, false, KeywordLanguage::both},
}};
// clang-format on

// The blocks END / FIN closes, selected by its second word.
enum class EndBlock {
    service,
    test,
    family,
    element,
    simul,
    environment,
    segment,
    far_block,
    near_block,
    define,
    if_level,
    initialization,
    termination,
    sequence,
};

struct EndKeywordRow {
    std::string_view text;
    EndBlock block;
    KeywordLanguage language;
};

inline constexpr std::size_t end_keyword_row_count = 21;

// clang-format off
inline constexpr std::array<EndKeywordRow, end_keyword_row_count> end_keyword_table = {{
    {"OPERATION",      EndBlock::service,        KeywordLanguage::both},
    {"SERVICE",        EndBlock::service,        KeywordLanguage::both},
    {"TEST",           EndBlock::test,           KeywordLanguage::both},
    {"FAMILLE",        EndBlock::family,         KeywordLanguage::french},
    {"FAMILY",         EndBlock::family,         KeywordLanguage::english},
    {"ELEMENT",        EndBlock::element,        KeywordLanguage::both},
    {"SIMUL",          EndBlock::simul,          KeywordLanguage::both},
    {"ENVIRONNEMENT",  EndBlock::environment,    KeywordLanguage::french},
    {"ENVIRONMENT",    EndBlock::environment,    KeywordLanguage::english},
    {"SEGMENT",        EndBlock::segment,        KeywordLanguage::both},
    {"FAR",            EndBlock::far_block,      KeywordLanguage::both},
    {"NEAR",           EndBlock::near_block,     KeywordLanguage::both},
    {"DEFINIR",        EndBlock::define,         KeywordLanguage::french},
    {"DEFINE",         EndBlock::define,         KeywordLanguage::english},
    {"SI",             EndBlock::if_level,       KeywordLanguage::french},
    {"IF",             EndBlock::if_level,       KeywordLanguage::english},
    {"INITIALISATION", EndBlock::initialization, KeywordLanguage::both},
    {"INITIALIZATION", EndBlock::initialization, KeywordLanguage::english},
    {"TERMINAISON",    EndBlock::termination,    KeywordLanguage::french},
    {"TERMINATION",    EndBlock::termination,    KeywordLanguage::english},
    {"SEQUENCE",       EndBlock::sequence,       KeywordLanguage::both},
}};
// clang-format on

// The second word of DEFINE / DEFINIR.
enum class DefineKind { structure, stub };

// A row of the tables of second words: the word, what it means, the
// keyword languages it belongs to.
template <typename Kind>
struct SecondWordRow {
    std::string_view text;
    Kind kind;
    KeywordLanguage language;
};

using DefineKeywordRow = SecondWordRow<DefineKind>;

inline constexpr std::array<DefineKeywordRow, 3> define_keyword_table = {{
    {"STRUCTURE", DefineKind::structure, KeywordLanguage::both},
    {"MUET", DefineKind::stub, KeywordLanguage::french},
    {"STUB", DefineKind::stub, KeywordLanguage::english},
}};

// The second word of INCLUDE / INCLURE.
enum class IncludeKind { code, script, segment };

using IncludeKeywordRow = SecondWordRow<IncludeKind>;

inline constexpr std::array<IncludeKeywordRow, 3> include_keyword_table = {{
    {"CODE", IncludeKind::code, KeywordLanguage::both},
    {"PTU", IncludeKind::script, KeywordLanguage::both},
    {"SEGMENT", IncludeKind::segment, KeywordLanguage::both},
}};

// Lookups of an upper-cased word; the first matching row, or nullptr.
const KeywordRow* find_keyword(std::string_view word);
const EndKeywordRow* find_end_keyword(std::string_view word);
const DefineKeywordRow* find_define_keyword(std::string_view word);
const IncludeKeywordRow* find_include_keyword(std::string_view word);

// Keywords as messages name them.
enum class KeywordName {
    begin,
    header,
    service,
    end_service,
    test,
    end_test,
    family,
    end_family,
    element,
    end_element,
    environment,
    end_environment,
    define,
    define_structure,
    define_stub,
    end_define,
    end_initialization,
    end_termination,
    simul,
    else_simul,
    system,
    segment,
    stub,
    format,
    service_type,
    far_block,
    near_block,
    end_far,
    end_near,
};

struct KeywordNameRow {
    KeywordName name;
    std::string_view french;
    std::string_view english;
};

// clang-format off
inline constexpr std::array<KeywordNameRow, 29> keyword_name_table = {{
    {KeywordName::begin,              "DEBUT",             "BEGIN"},
    {KeywordName::header,             "ENTETE",            "HEADER"},
    {KeywordName::service,            "SERVICE",           "SERVICE"},
    {KeywordName::end_service,        "FIN SERVICE",       "END SERVICE"},
    {KeywordName::test,               "TEST",              "TEST"},
    {KeywordName::end_test,           "FIN TEST",          "END TEST"},
    {KeywordName::family,             "FAMILLE",           "FAMILY"},
    {KeywordName::end_family,         "FIN FAMILLE",       "END FAMILY"},
    {KeywordName::element,            "ELEMENT",           "ELEMENT"},
    {KeywordName::end_element,        "FIN ELEMENT",       "END ELEMENT"},
    {KeywordName::environment,        "ENVIRONNEMENT",     "ENVIRONMENT"},
    {KeywordName::end_environment,    "FIN ENVIRONNEMENT", "END ENVIRONMENT"},
    {KeywordName::define,             "DEFINIR",           "DEFINE"},
    {KeywordName::define_structure,   "DEFINIR STRUCTURE", "DEFINE STRUCTURE"},
    {KeywordName::define_stub,        "DEFINIR MUET",      "DEFINE STUB"},
    {KeywordName::end_define,         "FIN DEFINIR",       "END DEFINE"},
    {KeywordName::end_initialization, "FIN INITIALISATION", "END INITIALIZATION"},
    {KeywordName::end_termination,    "FIN TERMINAISON",   "END TERMINATION"},
    {KeywordName::simul,              "SIMUL",             "SIMUL"},
    {KeywordName::else_simul,         "SINON_SIMUL",       "ELSE_SIMUL"},
    {KeywordName::system,             "SYSTEME",           "SYSTEM"},
    {KeywordName::segment,            "SEGMENT",           "SEGMENT"},
    {KeywordName::stub,               "MUET",              "STUB"},
    {KeywordName::format,             "FORMAT",            "FORMAT"},
    {KeywordName::service_type,       "TYPE_SERVICE",      "SERVICE_TYPE"},
    {KeywordName::far_block,          "FAR",               "FAR"},
    {KeywordName::near_block,         "NEAR",              "NEAR"},
    {KeywordName::end_far,            "FIN FAR",           "END FAR"},
    {KeywordName::end_near,           "FIN NEAR",          "END NEAR"},
}};
// clang-format on

// The spelling of a keyword in the script language (0 and 1 French, 2
// English).
std::string_view keyword_name(KeywordName name, int script_language);

}  // namespace vx
