// The block state of the script: which blocks are open, what has been seen
// so far, and the lists of names that must be unique.
//
// The script nests as script level (HEADER, BEGIN, INITIALIZATION,
// TERMINATION, ENVIRONMENT, DEFINE, CONST ...) > SERVICE > TEST (FAMILY
// first, then elements) > ELEMENT. IF levels and SIMUL blocks may surround
// any statements. The state lives for the whole run; the dispatcher is its
// only writer, the reader reads where native lines go.
#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

namespace vx {

// Names given to blocks the script did not open itself.
inline constexpr std::string_view unknown_service_name = "INCONNUE";
inline constexpr std::string_view unknown_test_name = "INCONNU";

// The scope a definition belongs to.
enum class ScopeLevel : int { script = 0, service = 1, test = 2, element = 3 };

// One level of IF: whether its ELSE was seen, and whether the text around
// the IF was being skipped (skip flag 4 at the IF).
struct IfLevel {
    bool else_seen = false;
    bool enclosing_skipped = false;
};

struct ServiceState {
    bool open = false;
    std::string name;           // cut to 18 characters and made unique
    std::string script_name;    // as the script wrote it: records and traces
    int ordinal = 0;            // count of SERVICE statements so far
    std::string function_name;  // "SRV%d_%s"
    std::vector<std::string> test_names;
    int test_count = 0;            // TEST statements in the service
    int generated_test_count = 0;  // of them, tests not left out
    bool element_seen = false;     // its "O" header is due at the first element
    bool service_type_given = false;
};

struct TestState {
    bool open = false;
    std::string name;
    std::string file;  // the script of its TEST statement (absolute), and its line
    long line = 0;
    std::string loop_expression;
    int ordinal = 0;  // in the service
    int element_count = 0;
    bool element_opened = false;
    bool family_allowed = false;  // before the first element, once per test
    bool family_given = false;
    bool family_open = false;
    int variable_statements = 0;  // VAR, ARRAY, STR and USE statements
};

struct ElementState {
    bool open = false;
    int ordinal = 0;       // in the test
    bool content = false;  // variables, stub uses or environment uses
    bool code = false;     // a native line of code
    // Variables given an initial and an expected value since the element's
    // last native line, with the line of their statement: placed after the
    // code under test, their check sees nothing but their own initial value.
    std::vector<std::pair<long, std::string>> checked_after_code;
};

// The open ENVIRONMENT block; its record is kept by the environment list.
struct EnvironmentState {
    bool open = false;
    std::string name;
    bool content = false;  // a variable or stub statement was met in it
};

// NEXT_TEST: the phase base name, the phase counter and the FAMILY text
// applied again to every phase.
struct PhaseState {
    std::string base_name;
    int counter = 0;
    std::string family_text;
    bool family_recorded = false;

    void forget() { *this = PhaseState{}; }
};

struct BlockState {
    bool header_seen = false;
    bool begin_seen = false;
    bool first_service_seen = false;
    bool stub_services_due = true;  // until the first generated SERVICE
    bool script_service_type_given = false;

    ServiceState service;
    TestState test;
    ElementState element;
    EnvironmentState environment;

    bool define_structure_open = false;
    bool define_stub_open = false;
    // A DEFINE STUB block inside a service: its text is taken and dropped,
    // since a stub cannot be written inside the service's function.
    bool define_stub_refused = false;
    std::string stub_name;
    std::string stub_qualifier;
    long stub_line = 0;
    bool initialization_open = false;
    bool termination_open = false;

    bool simul_open = false;
    bool else_simul_seen = false;
    bool system_seen = false;
    bool segment_open = false;
    bool far_open = false;
    bool near_open = false;
    bool sequence_mode = false;

    std::vector<IfLevel> if_stack;
    PhaseState phase;

    // Every service name of the script (as made unique), for NOMOPEDBL.
    std::vector<std::string> service_names;
    // The same names upper-cased, and for each base name the last number
    // given to a repeated one: a name is made unique in constant time.
    std::unordered_set<std::string> used_service_names;
    std::unordered_map<std::string, int> service_name_numbers;
    // For the end-of-script checks of the selection options: every test
    // name and family name met, and the services not left out.
    std::vector<std::string> all_test_names;
    std::vector<std::string> family_names;
    std::vector<std::string> generated_service_names;

    // Native text is analysed before the next statement (cleared inside
    // tests, set again at their end).
    bool native_analysis_due = true;

    ScopeLevel current_level() const {
        if (element.open) return ScopeLevel::element;
        if (test.open) return ScopeLevel::test;
        if (service.open) return ScopeLevel::service;
        return ScopeLevel::script;
    }
};

}  // namespace vx
