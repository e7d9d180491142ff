// The layout of the generated harness.
//
// The statement handlers decide when a piece of the harness is due; this
// generator knows what text it is and where it goes:
//
//   banner                      (written when the file is created)
//   prologue                    at BEGIN: guards, "/* PROGRAM " line, the
//                               runtime header, the declarations file, the
//                               four guarded type macros
//   native C text               where it stands in the script
//   _vx_check_muets/_vx_init_muets   at the first generated SERVICE
//   one function per SERVICE    "void SRV1_ADD (void) { " ... "}/* END SERVICE add*/"
//     banner and number block   at its first TEST
//     DCL_OP_C                  at its first ELEMENT
//     test text                 held in the test's sections: DCL_TST_C,
//                               NUM_TEST block, loop head, elements, and the
//                               closing half ending in "VXU_END_TEST_C();"
//   main                        at the end of the script, with the INITIALIZATION
//                               and TERMINATION text around the service calls
//   trailer                     VXU_TRACES_FILE with the traces path
//
// It also keeps the usage counters of the runtime macros, written into the
// configuration header at the end of a clean run, and writes the end of the
// declarations file (stub globals and loop pseudo variables).
#pragma once

#include "codegen/harness_hooks.h"
#include "codegen/output/folding.h"
#include "codegen/output/output_session.h"
#include "codegen/stub_generation.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// The 22 main usage counters, by index.
enum class Usage : int {
    edv_boolean = 0,
    edv_char,
    edv_double,
    edv_float,
    edv_integer,
    edv_pointer,
    edv_str,
    edv_unsigned,
    ptu_boolean,
    ptu_char,
    ptu_double,
    ptu_float,
    ptu_integer,
    ptu_unsigned,
    ini_str,
    chrono_muet,
    comp_str,
    dcl_fac_rep,
    muet_check,
    open_bra,
    rupt,
    concat_str,
};
inline constexpr int main_usage_count = 22;
inline constexpr int typed_usage_count = 8;  // indices with array and constant counters
inline constexpr int usage_counter_count = main_usage_count + 2 * typed_usage_count;  // 38

class UsageCounters {
public:
    // Marks the next count of a typed check as an array or a constant one.
    void mark_array() { array_mark_ = true; }
    void mark_constant() { constant_mark_ = true; }
    void count_use(Usage usage);
    long count(Usage usage) const { return main_[static_cast<int>(usage)]; }
    long array_count(Usage usage) const { return array_[static_cast<int>(usage)]; }
    long constant_count(Usage usage) const { return constant_[static_cast<int>(usage)]; }
    // The lines of the configuration header, in their order.
    std::vector<UsageCount> lines() const;

private:
    std::array<long, main_usage_count> main_{};
    std::array<long, typed_usage_count> array_{};
    std::array<long, typed_usage_count> constant_{};
    bool array_mark_ = false;
    bool constant_mark_ = false;
};

struct HarnessSettings {
    int tested_language = tested_language_c;
    bool kr = false;                   // K&R function heads (-RESTRICTION=KR)
    bool no_edit = false;              // -NOEDIT: no reporting calls
    std::string program_name;          // base name of the generated file
    std::string runtime_include;       // the runtime header, in double quotes
    std::string declarations_include;  // path of the declarations file as included
    std::string traces_path;           // the traces file named in the harness
    bool sql = false;                  // database header in the prologue
    std::string sql_include;
};

// The harness's own names are spelt with the "_vx_" prefix, which a C unit
// cannot use by accident (names beginning with an underscore are reserved
// at file scope): a unit's I, J, I1 or J1 keep meaning the unit's objects.
// Loop counter k of a test ("_vx_J" + k), the count of that loop when it is
// taken at run time ("_vx_N" + k), the counter of dimension k of an array
// walked element by element ("_vx_I" + k).
std::string loop_counter(int k);
std::string loop_bound(int k);
std::string array_counter(int k);
// How many of each the C analysis knows of, so that script values may name
// them.
inline constexpr int declared_loop_counters = 16;
inline constexpr int declared_array_counters = 8;

class HarnessLayout {
public:
    HarnessLayout(HarnessSettings settings, OutputSession& session);

    const HarnessSettings& settings() const { return settings_; }
    FoldMode fold_mode() const { return fold_; }
    UsageCounters& usage() { return usage_; }
    StubGenerator& stubs() { return stubs_; }
    OutputSession& session() { return session_; }

    // The harness's own objects, handed to the declaration analysis so that
    // scripts may name them; never written.
    static std::string harness_declarations();

    // BEGIN: opens the main prologue and epilogue sections and writes the
    // prologue into the generated file.
    void emit_prologue();
    bool prologue_written() const { return prologue_written_; }

    // The first generated SERVICE: the two stub service functions.
    void emit_stub_services();
    bool stub_services_written() const { return stub_services_written_; }

    // SERVICE: the head of its C function; the function is called by main.
    void emit_service_head(std::string_view function_name);
    // The first TEST of a service (or END SERVICE without test).
    void emit_service_banner(std::string_view service_name, int service_ordinal);
    // The first ELEMENT of a service: DCL_OP_C with the "O" record number.
    void emit_service_declaration(int record_number, std::string_view service_name);
    // END SERVICE.
    void emit_service_end(std::string_view service_name);

    // A test's header: opens its work sections and writes DCL_TST_C, the
    // NUM_TEST block and, for a repeated test, the loop head.
    // `repetition_record` is the number of the "R" record (0 without
    // repetition).
    void emit_test_head(int record_number, std::string_view test_name, int test_ordinal,
                        std::string_view loop_expression, int repetition_record);
    bool test_open() const { return test_open_; }
    // A test the harness's command line lists and selects (--list, --run),
    // in the service of the last service declaration.
    void list_test(int record_number, std::string_view test_name, std::string_view file, long line);
    // END TEST: the closing half and the flush of the test text.
    void emit_test_end();

    // ELEMENT: opens the element's sections. The chronometer and stub lines
    // follow with emit_element_start once the test header is written.
    void open_element();
    void emit_element_start();
    // END ELEMENT: appends the element text to its test.
    void emit_element_end();

    // END of the script: main and the trailer, then the end-of-script
    // checks.
    void emit_main(const SelectionFacts& facts);

    // End of the run: stub globals and loop pseudo variables in the
    // declarations file.
    void emit_declarations_end();

    // The loop counters used by the script.
    int take_loop_variable();
    // A loop over a new counter from 1 to the constant `count` in front of
    // the whole test text; its "}" is the caller's to write. Returns the
    // counter's index.
    int open_test_loop(std::string_view count);
    // The head of the loop of counter `k` from 1 to `count` (a constant or
    // a bound already taken).
    void write_counted_loop_head(int k, std::string_view count);
    // One factor of the test's number of runs: a constant, or "R" + the
    // number of the "R" record whose count the harness reports.
    void add_run_factor(std::string factor);
    int max_loop_variables() const { return max_j_; }
    void note_array_variables(int count);

private:
    void write(std::string_view text);
    std::string function_head(std::string_view name) const;

    OutputSession& session_;
    HarnessSettings settings_;
    FoldMode fold_;
    UsageCounters usage_;
    StubGenerator stubs_;
    std::vector<std::string> service_functions_;
    // The entries of the test table of the trailer, and the service of the
    // tests being listed, as the script writes it.
    std::vector<std::string> test_entries_;
    std::string listed_service_;
    bool prologue_written_ = false;
    bool stub_services_written_ = false;
    bool test_open_ = false;
    bool test_repeated_ = false;
    std::vector<std::string> run_factors_;
    int loop_variables_in_test_ = 0;
    int max_j_ = 0;
    int max_i_ = 0;
    int generated_tests_ = 0;
};

}  // namespace vx
