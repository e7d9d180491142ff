// Stub generation: C functions of the code under test replaced by
// simulations written into the harness.
//
// A DEFINE STUB block declares, as native C lines, the functions to
// replace. For each one the generator writes, at END DEFINE, into the
// generated file:
//
//   the stub key K = "_" + n + "_" + file key + "_" + name, where n numbers
//   the stubs of the script from 1, and the guard of the file key;
//   the comparison functions the stub needs (pointers, strings, structs),
//   each written once per harness;
//   the data declarations: the call index _ix+K, and under "#if size"+K
//   the input record counter _it+K, the table of expected calls _os+K
//   (min, max, return value, selectors, given outputs, expected inputs) and
//   the table of input records _is+K;
//   the stub function, with the head of the replaced function: it counts
//   the call, selects the expected call whose range holds the call number,
//   compares the inputs, traces the call (EDV_CHRONO_MUET_C), keeps the
//   inputs of a call that failed, gives back the outputs and returns the
//   value described;
//   the check function checkin+K, called by _vx_check_muets at the end of
//   every element: the call count against the calls described, then every
//   kept input record against the call it belongs to.
//
// STUB statements fill, per element, the entries of _os+K: one entry per
// statement (call range, selectors, values), then an entry with min and
// max 0 that closes the table. The entries are written at the head of the
// element, right after "_vx_init_muets();", so that they hold before the
// code under test runs; size+K, the largest count of entries of any
// element, is defined at the end of the run in the declarations file.
//
// Selectors: one per input or input-output parameter (is it checked?)
// followed by one per output or input-output parameter (is it given
// back?); sel[i] is 1 when the statement gave that value.
#pragma once

#include "canalysis/types/c_values.h"
#include "codegen/output/folding.h"
#include "codegen/stub_records.h"

#include <algorithm>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;

class OutputSession;

class UsageCounters;

enum class StubDirection { input, output, inout };

// How a value of a stub is compared, checked and copied.
enum class StubValueKind {
    integer,
    unsigned_integer,
    character,
    floating,
    double_floating,
    string,   // char pointer: compared as a string
    pointer,  // any other data pointer: compared as an address
    function_pointer,
    aggregate,   // struct or union: member by member
    char_array,  // only as a given output or an aggregate member
    other,       // arrays of other elements, as aggregate members
    buffer,      // an array parameter with a bound: element by element
};

struct StubParameter {
    std::string name;  // as declared, or Vexor_P_ + ordinal
    StubDirection direction = StubDirection::input;
    const TypeNode* declared = nullptr;  // the type of the parameter
    const TypeNode* value = nullptr;     // the stored value: pointed-to type of outputs
    StubValueKind kind = StubValueKind::integer;
    std::string field_type;  // type of the stored value, no direction words
    std::string head;        // the parameter in the stub function's head
    // The value model's view of the stored value, for the checks of the
    // values a STUB statement gives it.
    CValueKind value_kind = CValueKind::unknown;
    TypeFacts facts;
    // A buffer (an array with a bound in the prototype, passed as a
    // pointer): its number of elements, and its scalar components named
    // from the parameter ("data[3]", "items[1].id"; a text buffer of plain
    // characters is one component, the parameter itself).
    long long buffer = 0;
    bool text = false;
    std::vector<ValueComponent> components;
    int check_selector = -1;  // index in sel[], -1 when not an input
    int give_selector = -1;   // index in sel[], -1 when not an output
    bool input() const { return direction != StubDirection::output; }
    bool output() const { return direction != StubDirection::input; }
    // The value at call time: the parameter, or what it points to (a
    // buffer is reached through the parameter itself).
    std::string actual() const {
        return direction == StubDirection::input || kind == StubValueKind::buffer
                   ? name
                   : "*(" + name + ")";
    }
    // The expected value of an integer input narrower than 64 bits is kept
    // in the table at 64 bits: a value the harness computes that the
    // parameter cannot take ("STUB dac (base + 200)" for a uint8_t) stays
    // whole, so that no call matches it, instead of being cut to a value
    // that one does.
    // The same holds for a plain char, whose expected value is a character
    // when it is a code from -128 to 255, and for an enumeration.
    bool held() const {
        if (!input()) return false;
        if (kind == StubValueKind::character) return value_kind == CValueKind::character;
        if (kind != StubValueKind::integer && kind != StubValueKind::unsigned_integer) {
            return false;
        }
        return (value_kind == CValueKind::integer || value_kind == CValueKind::enumeration) &&
               held_bits() > 0 && held_bits() < 64;
    }
    // The width a held value is stored in: an enumeration's is that of
    // its constants.
    int held_bits() const {
        return value_kind == CValueKind::enumeration ? c_enumeration_bits(facts) : facts.bits;
    }
    // Whether a held value is unsigned: an enumeration is stored in an
    // unsigned int when none of its constants is negative.
    bool held_unsigned() const {
        if (kind == StubValueKind::character) return false;
        if (value_kind == CValueKind::enumeration) {
            return std::none_of(facts.enumerators.begin(), facts.enumerators.end(),
                                [](const auto& e) { return e.second < 0; });
        }
        return facts.is_unsigned;
    }
    // The type of the expected value in the table.
    std::string expected_type() const {
        if (!held()) return field_type;
        return held_unsigned() ? "vxu_unsigned" : "vxu_integer";
    }
    // A buffer whose components are its elements, each one scalar.
    bool scalar_elements() const {
        return kind == StubValueKind::buffer && !text &&
               components.size() == static_cast<std::size_t>(buffer);
    }
};

// What the stub generator asks of the C analysis about the values of STUB
// statements: the same model of C values the variable statements use.
class StubValueModel {
public:
    virtual ~StubValueModel() = default;
    // The values of the scalar components of `type` (named `root`) for one
    // value, in the order of c_value_components; false with the reason
    // when the value does not fit. With `compound_literal` a list is read
    // as C reads one: a component it leaves out has an empty text, and is
    // zero.
    virtual bool spread(const TypeNode* type, const std::string& root, std::string_view value,
                        std::vector<std::string>& leaves, SpreadFailure& failure,
                        bool compound_literal) = 0;
    // What makes one value unfit for a scalar of that kind.
    virtual std::vector<ValueFinding> check(std::string_view value, CValueKind kind,
                                            const TypeFacts& facts) = 0;
};

// One entry of the table of expected calls of an element.
struct StubEntry {
    long min = 0;
    long max = 0;
    std::vector<std::string> lines;  // the assignments of the entry
    // The STUB statement that described it: script line, and file number
    // of the link records (-1: unknown).
    long line = 0;
    int file = -1;
};

struct Stub {
    int number = 0;
    // Defined after the stub service functions were written: they reach it
    // through the declarations file, which names every stub of the script
    // (late_declaration_lines), so that the elements of the services before
    // its definition check it too.
    bool late = false;
    std::string name;
    std::string key;
    std::string file_key;
    long line = 0;
    const Symbol* function = nullptr;
    const TypeTable* table = nullptr;
    const TypeNode* result = nullptr;  // null for a void function
    std::string result_type;
    std::vector<StubParameter> parameters;
    // The prototype ends in "...": the stub takes the variable arguments
    // and leaves them alone; only the fixed parameters are checked.
    bool variadic = false;
    // Declared noreturn: the stub ends the test instead of returning.
    bool no_return = false;
    int selectors = 0;
    bool has_inputs = false;
    int size = 0;  // largest number of entries of any element
    // Highest call number any element describes: the input records keep
    // the inputs of every described call (and one more), up to a bound.
    long described_calls = 0;
    // The element being read.
    std::vector<StubEntry> entries;
    long last_call = 0;
    bool has_parameter_data() const { return !parameters.empty(); }
};

struct StubSettings {
    bool kr = false;
    bool no_edit = false;
    FoldMode fold = FoldMode::c;
    int tested_language = 3;
};

// The generator of the whole run; stubs live until its end.
class StubGenerator {
public:
    StubGenerator(StubSettings settings, UsageCounters& usage, OutputSession& session)
        : settings_(settings), usage_(usage), session_(session) {}

    // END DEFINE of a DEFINE STUB block: one stub per function declared.
    void define(std::string_view block_name, long line, std::string_view file,
                const StubDeclarations& declarations);

    // A STUB statement of the element being read (its values preprocessed
    // by the caller). Values are checked against the parameters' types
    // with the model, when there is one; a value that does not fit refuses
    // the statement with an error.
    void describe(const StubCall& call, StubValueModel* model = nullptr);
    // END ELEMENT: the table entries of every stub the element described,
    // each line given to `write_head(text, entry)` with the entry it belongs
    // to (nullptr for the lines around the entries); the per-element state
    // is reset.
    template <typename Writer>
    void end_element(Writer&& write_head) {
        for (Stub& stub : stubs_) {
            if (!stub.entries.empty()) {
                const std::string count = std::to_string(stub.entries.size());
                write_head("#if size" + stub.key, nullptr);
                for (const StubEntry& entry : stub.entries) {
                    for (const std::string& line : entry.lines) write_head(line, &entry);
                }
                write_head("_os" + stub.key + "[" + count + "].min=0;", nullptr);
                write_head("_os" + stub.key + "[" + count + "].max=0;", nullptr);
                write_head(std::string("#endif"), nullptr);
                stub.size = std::max(stub.size, static_cast<int>(stub.entries.size()));
            }
            stub.entries.clear();
            stub.last_call = 0;
        }
    }

    // The bodies of _vx_check_muets and _vx_init_muets: the lines for each
    // stub, in definition order.
    std::vector<std::string> check_lines() const;
    std::vector<std::string> init_lines() const;
    // The service functions are written: stubs defined from now on get an
    // initialisation function of their own beside their check function.
    void note_service_functions_written() { services_written_ = true; }
    // The names the service functions use for the stubs they could not
    // list: the prototypes of the late stubs' check and initialisation
    // functions, and the macros late_checks_macro and late_inits_macro
    // calling them (empty without late stubs). For the declarations file,
    // which is included before the service functions.
    std::vector<std::string> late_declaration_lines() const;
    // The stub globals of the declarations file, before the call-order
    // table: "#define size" + K + " " + size for each stub.
    std::vector<std::string> size_lines() const;
    // The element type of the call-order table: 8, 16 or 32 bits.
    std::string call_order_type() const;

    const std::vector<Stub>& stubs() const { return stubs_; }
    static constexpr const char* late_checks_macro = "_vx_late_stub_checks";
    static constexpr const char* late_inits_macro = "_vx_late_stub_inits";
    const Stub* find(std::string_view name) const;

private:
    Stub* find_mutable(std::string_view name);
    bool build_stub(Stub& stub, const Symbol& function);
    void write_definition(Stub& stub);
    void write_comparison_functions(const Stub& stub);
    // Whether the stub compares pointers or strings (itself or in members).
    bool uses_comparisons(const Stub& stub) const;
    void write_aggregate_comparison(const TypeNode* type);
    void write_data_declarations(const Stub& stub);
    void write_stub_function(const Stub& stub);
    void write_check_function(const Stub& stub);
    void write_parameter_checks(const Stub& stub);
    std::string input_comparison(const Stub& stub, const StubParameter& p) const;
    std::string value_assignment(const std::string& target, const std::string& cast,
                                 StubValueKind kind, const std::string& value) const;
    // The entry lines that give `value` to a parameter's stored value
    // (`target`: its field in the entry; `expected`: the field of an
    // input's expected value); false after a refusal.
    bool value_lines(const StubParameter& p, const std::string& target, const std::string& value,
                     StubValueModel* model, std::vector<std::string>& lines,
                     bool expected = false) const;
    // The C test that a value at `actual` differs from the one at
    // `expected`, for a value of that kind.
    std::string differs(StubValueKind kind, const std::string& actual, const std::string& expected,
                        const TypeNode* aggregate) const;
    void write_buffer_checks(const StubParameter& p, const std::string& flag, bool records);
    std::string parameter_head(const StubParameter& p, const Symbol* unit_function,
                               std::size_t index) const;
    std::string type_image(const TypeNode* type, std::string_view name) const;
    std::string aggregate_key(const TypeNode* type) const;
    StubValueKind kind_of(const TypeNode* type) const;
    const TypeNode* complete(const TypeNode* type) const;

    void line(std::string_view text);

    StubSettings settings_;
    UsageCounters& usage_;
    OutputSession& session_;
    std::vector<Stub> stubs_;
    const TypeTable* table_ = nullptr;  // of the stub being written
    MacroBodyQuery member_macro_;       // of the analysis, for member paths
    bool comparisons_written_ = false;
    bool services_written_ = false;
    bool aggregate_guard_written_ = false;
    std::set<std::string> aggregates_written_;
};

// The key of a script file in stub names: its base name without
// extension, with every character other than a letter, digit or "_" made
// "_".
std::string stub_file_key(std::string_view file);

}  // namespace vx
