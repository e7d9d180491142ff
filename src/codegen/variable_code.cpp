#include "codegen/variable_code.h"

#include "codegen/harness_layout.h"
#include "codegen/link_records.h"
#include "codegen/output/output_session.h"
#include "diag/reporter.h"
#include "support/languages.h"
#include "support/numbers.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace vx {

namespace {

// Most values a value table may hold.
constexpr std::size_t value_table_limit = 100;

// How a value kind is initialised, traced and checked.
enum class Family {
    integer,
    boolean,
    character,
    real,
    string,
    pointer,
    string_pointer,
    function_pointer
};

Family family_of(VariableKind kind) {
    switch (kind) {
        case VariableKind::boolean:
            return Family::boolean;
        case VariableKind::character:
            return Family::character;
        case VariableKind::real:
            return Family::real;
        case VariableKind::string:
            return Family::string;
        case VariableKind::pointer:
            return Family::pointer;
        case VariableKind::string_pointer:
            return Family::string_pointer;
        case VariableKind::function_pointer:
            return Family::function_pointer;
        default:
            return Family::integer;
    }
}

std::string trim_copy(std::string_view text) { return std::string(trimmed(text)); }

bool same_word(std::string_view text, std::string_view word) {
    return upper_copy(trimmed(text)) == word;
}

std::string number_text(int n) { return std::to_string(n); }

std::string reference(int record) { return "0+" + number_text(record); }

// The values of a list, cut at top-level commas and trimmed.
std::vector<std::string> list_values(std::string_view text) {
    std::vector<std::string> out;
    for (std::string_view piece : split_top_level(text, true)) out.emplace_back(piece);
    return out;
}

// A list written with its delimiters loses them.
std::string_view without_delimiters(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 && ((text.front() == '[' && text.back() == ']') ||
                             (text.front() == '{' && text.back() == '}'))) {
        return trimmed(text.substr(1, text.size() - 2));
    }
    return text;
}

std::string number_image(long double value, bool integral) {
    char buffer[64];
    if (integral && std::fabs(value) < 9.2e18L && value == std::floor(value)) {
        std::snprintf(buffer, sizeof buffer, "%lld", static_cast<long long>(value));
    } else {
        std::snprintf(buffer, sizeof buffer, "%.17Lg", value);
    }
    return buffer;
}

// The extreme values of a type, for a range given by one bound only.
void type_extremes(const VariableClause& c, std::string& low, std::string& high) {
    const Family f = family_of(c.kind);
    if (f == Family::real) {
        low = c.facts.is_double ? "-1.0e308" : "-3.4e38";
        high = c.facts.is_double ? "1.0e308" : "3.4e38";
        return;
    }
    if (f == Family::character) {
        low = c.facts.is_unsigned ? "0" : "-128";
        high = c.facts.is_unsigned ? "255" : "127";
        return;
    }
    if (f == Family::string) {
        low = "\"\"";
        high = "\"\\377\"";
        return;
    }
    const int bits = c.facts.bits > 0 && c.facts.bits <= 64 ? c.facts.bits : 64;
    if (c.facts.is_unsigned) {
        low = "0";
        high = bits == 64 ? "18446744073709551615U" : std::to_string((1ULL << bits) - 1) + "U";
        return;
    }
    if (bits == 64) {
        low = "(-9223372036854775807-1)";
        high = "9223372036854775807";
        return;
    }
    const long long top = (1LL << (bits - 1)) - 1;
    low = "(-" + std::to_string(top) + "-1)";
    high = std::to_string(top);
}

// Display base and record format of an integer from the FORMAT text:
// HEXADECIMAL, DECIMAL, BINARY or UNSIGNED (any abbreviation), else
// decimal.
char format_letter(const VariableClause& c) {
    const std::string f = upper_copy(trimmed(c.format));
    if (!f.empty()) {
        switch (f.front()) {
            case 'H':
            case 'X':
                return 'H';
            case 'B':
                return 'B';
            case 'U':
                return 'U';
            default:
                break;
        }
    }
    // The elements of byte arrays (signed and unsigned char, uint8_t ...)
    // are shown in hexadecimal, as hashes and keys are read.
    if (c.facts.is_byte &&
        (!c.facts.dimensions.empty() || (!c.variable.empty() && c.variable.back() == ']'))) {
        return 'H';
    }
    return c.facts.is_unsigned ? 'U' : 'D';
}

std::string display_base(const VariableClause& c) {
    switch (format_letter(c)) {
        case 'H':
            return ",16";
        case 'B':
            return ",2";
        default:
            return ",10";
    }
}

// The cast of a value to the variable's C type inside an integer check:
// none for "long" and enumerations.
std::string type_cast(const VariableClause& c) {
    const std::string type =
        trim_copy(c.facts.dimensions.empty() ? c.type_text : c.facts.element_type);
    if (type.empty() || type == "long" || type.rfind("enum ", 0) == 0) return {};
    return "(" + type + ")";
}

// The C type of a pointer variable, for its assignments.
std::string pointer_cast(const VariableClause& c) {
    return trim_copy(c.facts.dimensions.empty() ? c.type_text : c.facts.element_type);
}

// A bound or step of a range as C reads it: an integer constant (octal and
// hexadecimal included, with a sign) or, for a real variable, a floating
// constant. Anything else is computed by the harness.
bool range_constant(const std::string& text, bool real, long double& value) {
    std::string_view t = trimmed(text);
    bool negative = false;
    if (!t.empty() && (t.front() == '-' || t.front() == '+')) {
        negative = t.front() == '-';
        t = trimmed(t.substr(1));
    }
    long long n = 0;
    __int128 wide = 0;
    if (integer_constant(t, n)) {
        value = static_cast<long double>(n);
    } else if (decimal_integer(t, wide)) {
        value = static_cast<long double>(wide);
    } else if (real && floating_constant(t) && real_constant(t, value)) {
    } else {
        return false;
    }
    if (negative) value = -value;
    return true;
}

// Whether an integer check's bound is computed by the harness (not an
// integer constant, which the compiler checked against the type) for a
// variable narrower than the runtime's integers.
bool computed_bound(const VariableClause& c, const std::string& text) {
    const std::string_view t = without_outer_parentheses(text);
    long double ignored = 0;
    if (range_constant(std::string(t), false, ignored)) return false;
    if (c.kind == VariableKind::enumeration) {
        // An enumerator is a constant; a value is held to the 32 bits an
        // enumeration is stored in, not to the 64 of a wider one.
        const auto& named = c.facts.enumerators;
        return !named.empty() && c_enumeration_bits(c.facts) == 32 &&
               std::none_of(named.begin(), named.end(),
                            [&](const auto& e) { return e.first == t; });
    }
    return c.facts.bits > 0 && c.facts.bits < 64;
}

// A computed bound held to the variable's width: a value the variable can
// hold is taken as C converts it (for an unsigned variable, a negative
// value is all ones at its width), any other stays whole, so that no value
// of the variable matches it. "EV = raw * 2" for a uint8_t expects 400, not
// the 144 a conversion would make of it.
std::string held_to_width(const VariableClause& c, const std::string& text) {
    if (!c.facts.is_unsigned) return "(vxu_integer)" + c_operand(text);
    return "VXU_HELD_UNSIGNED((vxu_integer)" + c_operand(text) + "," +
           std::to_string(c.facts.bits) + ")";
}

// A bound of a plain char variable that the harness computes: a constant
// or a character literal is not. The runtime takes it whole, so that
// "EV = code + 200" is not cut to a char that the variable can hold.
bool computed_character(const VariableClause& c, const std::string& text) {
    return !is_character_literal(without_outer_parentheses(text)) && computed_bound(c, text);
}

// Pseudo-random fractions for NB_RANDOM tables, the same on every run.
std::string random_fraction(unsigned long long& state, bool one) {
    if (one) return "1.0";
    state = state * 6364136223846793005ULL + 1442695040888963407ULL;
    const unsigned long long digits = (state >> 24) % 1000000ULL;
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "0.%06llu", digits);
    return buffer;
}

// The pieces of a string value written as a list, "(\"ab\", \"cd\")",
// lose their parentheses or braces: they become the arguments of the
// concatenation.
std::string string_pieces(std::string_view text) {
    text = trimmed(text);
    if (text.size() >= 2 &&
        ((text.front() == '(' && text.back() == ')') ||
         (text.front() == '{' && text.back() == '}')) &&
        list_values(text.substr(1, text.size() - 2)).size() > 1) {
        return trim_copy(text.substr(1, text.size() - 2));
    }
    return std::string(text);
}

std::string int128_image(__int128 value, bool is_unsigned) {
    const bool negative = value < 0;
    unsigned __int128 magnitude =
        negative ? static_cast<unsigned __int128>(-value) : static_cast<unsigned __int128>(value);
    std::string digits;
    do {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(magnitude % 10)));
        magnitude /= 10;
    } while (magnitude != 0);
    if (negative) return "(-" + digits + ")";
    return digits + (is_unsigned ? "U" : "");
}

// The bounds E - D and E + D of a tolerance, as texts. When both are
// integer literals of an integer variable the bounds are computed here and
// stop at the extremes of its type instead of wrapping round (E + D past
// the largest unsigned long long would be 0).
void tolerance_bounds(const VariableClause& c, const std::string& e, const std::string& d,
                      const std::string& absolute, std::string& low, std::string& high) {
    low = "(" + e + ") - (" + absolute + ")";
    high = "(" + e + ") + (" + absolute + ")";
    __int128 ev = 0;
    __int128 dv = 0;
    if (family_of(c.kind) != Family::integer || c.kind == VariableKind::enumeration ||
        !decimal_integer(e, ev) || !decimal_integer(d, dv)) {
        return;
    }
    const int bits = c.facts.bits > 0 && c.facts.bits <= 64 ? c.facts.bits : 64;
    const __int128 one = 1;
    const __int128 smallest = c.facts.is_unsigned ? 0 : -(one << (bits - 1));
    const __int128 largest = c.facts.is_unsigned ? (one << bits) - 1 : (one << (bits - 1)) - 1;
    if (dv < 0) dv = -dv;
    low = int128_image(std::max(smallest, ev - dv), c.facts.is_unsigned);
    high = int128_image(std::min(largest, ev + dv), c.facts.is_unsigned);
}

}  // namespace

struct VariableCode::Check {
    bool given = false;  // anything to trace or check
    bool check = true;   // compare, or only record
    bool range = false;
    std::string low;
    std::string high;
    std::string record_value = expected_none();  // the value part of the "V" record
    // A tolerance whose expected value or size the harness computes: the
    // check takes each once, into temporaries, and builds its bounds from
    // them ("e" the expected value, "d" the tolerance, a percentage of the
    // expected value when `percent`).
    bool tolerance = false;
    bool percent = false;
    std::string e;
    std::string d;
};

VariableCode::VariableCode(HarnessLayout& layout, bool analysis)
    : layout_(layout),
      session_(layout.session()),
      analysis_(analysis),
      fold_(layout.fold_mode()),
      no_edit_(layout.settings().no_edit) {}

void VariableCode::begin_test() { test_loops_.clear(); }

void VariableCode::begin_element() {
    pending_group_.clear();
    environment_.clear();
    element_variables_.clear();
    to_head_ = false;
}

void VariableCode::declare_range_count(int k) {
    if (range_starts_declared_.insert(k).second) {
        session_.write_declaration(
            "static long double _vx_F" + number_text(k) + ", _vx_S" + number_text(k) + ";",
            FoldMode::never);
    }
    if (range_count_declared_) return;
    range_count_declared_ = true;
    // The number of values of a range whose bounds or step the script
    // computes: its span over the step's size, plus one; a step of zero
    // gives one run. The step becomes the signed step towards the end.
    // Reals get a little room, so that a step that does not fall exactly on
    // the end still reaches it.
    for (const char* line :
         {"static int _vx_range_count(long double from, long double to, long double *step,",
          "    int integral)", "{", "    long double span = to < from ? from - to : to - from;",
          "    if (*step < 0) *step = -*step;", "    if (to < from) *step = -*step;",
          "    if (*step == 0) return 1;", "    span = span / (*step < 0 ? -*step : *step);",
          "    if (!integral) span += span * 1e-12L + 1e-12L;",
          "    if (span > 2147483646.0L) return 2147483647;", "    return (int)span + 1;", "}"}) {
        session_.write_declaration(line, FoldMode::never);
    }
}

void VariableCode::declare(std::string_view text) {
    if (declare_) declare_(text);
}

void VariableCode::open_line(std::string_view text) {
    if (to_head_) {
        session_.write_element_head(text, fold_);
    } else {
        session_.write_folded_test_level(text, fold_);
    }
}

void VariableCode::close_line(std::string_view text) { session_.write_element_close(text, fold_); }

void VariableCode::add(const VariableClause& clause) {
    if (!session_.output_enabled()) return;
    auto [named, first] = element_variables_.try_emplace(clause.variable);
    if (first) named->second.line = clause.line;
    named->second.initialised = named->second.initialised || clause.init;
    if (clause.components <= 1 || clause.aggregate.empty()) {
        generate_group({&clause});
        return;
    }
    pending_group_.push_back(clause);
    if (clause.component + 1 >= clause.components) {
        std::vector<const VariableClause*> group;
        group.reserve(pending_group_.size());
        for (const VariableClause& member : pending_group_) group.push_back(&member);
        generate_group(group);
        pending_group_.clear();
    }
}

void VariableCode::add_environment(const VariableClause& clause) {
    if (!session_.output_enabled()) return;
    environment_.push_back(clause);
}

void VariableCode::end_element() {
    if (environment_.empty()) return;
    to_head_ = true;
    std::vector<const VariableClause*> group;
    auto flush = [&] {
        if (!group.empty()) generate_group(group);
        group.clear();
    };
    // A variable named by several environments keeps the record of the
    // one applied last (the innermost use), unless the element names it.
    std::vector<bool> replaced(environment_.size(), false);
    {
        std::set<std::string, std::less<>> later;
        for (std::size_t i = environment_.size(); i-- > 0;) {
            replaced[i] = !later.insert(environment_[i].variable).second;
        }
    }
    for (std::size_t i = 0; i < environment_.size(); ++i) {
        const VariableClause& clause = environment_[i];
        if (replaced[i]) continue;
        if (auto own = element_variables_.find(clause.variable); own != element_variables_.end()) {
            // The element's statement replaces the environment's whole: an
            // INIT the environment gave is gone when the element gives none.
            if (clause.init && !own->second.initialised && clause.component == 0) {
                Reporter& reporter = session_.reporter();
                reporter.report({reporter.report_file(), own->second.line}, Severity::info,
                                msg::INITENVRE, clause.variable);
            }
            continue;
        }
        if (!group.empty() &&
            (clause.aggregate.empty() || clause.aggregate != group.back()->aggregate ||
             clause.component <= group.back()->component)) {
            flush();
        }
        group.push_back(&clause);
        if (clause.aggregate.empty()) flush();
    }
    flush();
    to_head_ = false;
    environment_.clear();
}

void VariableCode::generate_group(const std::vector<const VariableClause*>& group) {
    if (group.empty()) return;
    const VariableClause& first = *group.front();
    // Its code comes from the statement's line: compiler messages on it
    // point there.
    const SourceScope from_script(session_.output(), session_.records().script_path(first.file),
                                  first.line);
    if (group.size() == 1 && first.aggregate.empty()) {
        generate_record(first, false);
        return;
    }
    // The aggregate's own record, then its components between brackets.
    VariableClause whole;
    whole.variable = first.aggregate;
    whole.line = first.line;
    const int record = session_.record_number();
    if (!no_edit_) {
        close_line("VEXOR_OPEN_BRA_C(" + number_text(record) + ");");
        layout_.usage().count_use(Usage::open_bra);
        if (first.aggregate_array) close_line("SET_MODE_TAB_C(" + number_text(record) + ");");
    }
    write_record(whole, 'V', Check{});
    aggregate_record_ = record;
    in_array_ = first.aggregate_array;
    for (const VariableClause* member : group) {
        generate_record(*member, true);
    }
    aggregate_record_ = 0;
    in_array_ = false;
    if (!no_edit_) {
        if (first.aggregate_array) close_line("UNSET_MODE_TAB_C(" + number_text(record) + ");");
        close_line("VEXOR_CLOSE_BRA_C(" + number_text(record) + ");");
    }
}

// The loop variable J of the INIT IN list of `link` in this test (the
// variable's own list when `link` is empty), 0 when there is none.
int VariableCode::loop_of(const VariableClause& clause, std::string_view link) {
    const std::string wanted = link.empty() ? clause.variable : trim_copy(link);
    for (auto it = test_loops_.rbegin(); it != test_loops_.rend(); ++it) {
        if (it->variable == wanted) return it->index;
    }
    return 0;
}

std::string VariableCode::value_table(std::string_view kind, std::string_view list, int loop_index,
                                      const VariableClause& clause) {
    const bool initin = kind == "tab_initin";
    const int number = initin ? ++initin_tables_ : ++value_tables_;
    std::vector<std::string> values = list_values(without_delimiters(list));
    if (values.size() > value_table_limit) {
        session_.reporter().error(msg::NBVALLIST, list);
    }
    const Family family = family_of(clause.kind);
    // Pointer values are cast to the variable's own type, so that the
    // table's values assign without a warning.
    const bool cast_values = family == Family::pointer || family == Family::function_pointer;
    const std::string cast = cast_values ? pointer_cast(clause) : std::string();
    const std::string j = loop_counter(loop_index);
    std::string body;
    std::size_t owed = 0;
    for (std::size_t d = 0; d < values.size(); ++d) {
        std::string value = values[d];
        if (family == Family::function_pointer) {
            if (same_word(value, "NIL")) value = "NILFUNC";
            if (same_word(value, "NONIL")) value = "NONILFUNC";
        }
        value = cast_values ? "(" + cast + ")(" + value + ")" : c_operand(value);
        if (d + 1 < values.size()) {
            body += "(" + j + " == " + std::to_string(d + 1) + " ? " + value + " :";
            ++owed;
        } else {
            body += (d > 0 && cast_values ? " " : "") + value;
        }
    }
    body.append(owed, ')');
    const std::string name = "_vx_" + std::string(kind) + number_text(number) + "(" + j + ")";
    const std::string definition = "#define " + name + " " + body;
    session_.write_declaration(definition, FoldMode::never);
    declare(definition);
    return name;
}

// The value a FROM ... TO range gives the variable in one run of the test,
// with the loop (or the repetition of the test) that goes through it.
std::string VariableCode::range_value(const VariableClause& c) {
    const std::vector<std::string> parts = list_values(c.init_value);
    const std::string from = parts.size() > 0 ? parts[0] : "0";
    const std::string to = parts.size() > 1 ? parts[1] : from;
    const std::string third = parts.size() > 2 ? parts[2] : "1";
    const bool real = family_of(c.kind) == Family::real;
    const int record = session_.record_number();
    std::string value;
    if (c.init_from_kind == InitFromKind::step) {
        // The test runs once per value of the range, on a counter of the
        // harness: the variable is assigned from the counter before each
        // run, so what the code under test writes to it changes neither
        // the values nor the number of runs. The range goes down when its
        // end is below its start, by the step's size whatever its sign.
        long double f = 0, t = 0, s = 0;
        const bool constant = range_constant(from, real, f) && range_constant(to, real, t) &&
                              range_constant(third, real, s);
        const int k = layout_.take_loop_variable();
        const std::string j = loop_counter(k);
        // The counter is widened before it is multiplied, so that a range
        // of long long or of reals past the int of the counter is reached.
        const std::string index = std::string(real                  ? "(long double)("
                                              : c.facts.is_unsigned ? "(unsigned long long)("
                                                                    : "(long long)(") +
                                  j + " - 1)";
        long double count_value = 0;
        std::string count_text;
        if (constant) {
            const long double size = s < 0 ? -s : s;
            const bool decreasing = t < f;
            const long double span = decreasing ? f - t : t - f;
            if (size == 0) {
                count_value = 1;
            } else if (real) {
                // A little room, so that 0.0 TO 1.0 STEP 0.1 reaches 1.0.
                const long double steps = span / size;
                count_value = std::floor(steps + steps * 1e-12L + 1e-12L) + 1;
            } else {
                count_value = std::floor(span / size) + 1;
            }
            count_text = number_image(count_value, true);
            const std::string size_text = s < 0 ? "(-(" + third + "))" : "(" + third + ")";
            value = "(" + from + ")" + (decreasing ? " - " : " + ") + index + " * " + size_text;
            layout_.write_counted_loop_head(k, count_text);
            layout_.add_run_factor(count_text);
        } else {
            // Bounds the script computes: the number of runs is taken once,
            // before the first run.
            declare_range_count(k);
            const std::string bound = loop_bound(k);
            const std::string start = "_vx_F" + number_text(k);
            const std::string step = "_vx_S" + number_text(k);
            // Inside the test's other loops it is taken on their first run.
            std::string first_run;
            for (int outer = 1; outer < k; ++outer) {
                first_run += (first_run.empty() ? "if (" : " && ") + loop_counter(outer) + " == 1";
            }
            if (!first_run.empty()) first_run += ") ";
            // The start, the step towards the end and the count are taken
            // once: what the code under test writes to the bounds changes
            // neither the values nor the number of runs.
            session_.write_loop_head(first_run + "{ " + start + " = (long double)(" + from + "); " +
                                         step + " = (long double)(" + third + "); " + bound +
                                         " = _vx_range_count(" + start + ", (long double)(" + to +
                                         "), &" + step + ", " + (real ? "0" : "1") + "); }",
                                     fold_);
            if (!no_edit_) {
                session_.write_loop_head(
                    first_run + "DCL_FAC_REP_C(" + number_text(record) + "," + bound + ");", fold_);
                layout_.usage().count_use(Usage::dcl_fac_rep);
            }
            layout_.write_counted_loop_head(k, bound);
            layout_.add_run_factor("R" + number_text(record));
            value = start + " + (long double)(" + j + " - 1) * " + step;
        }
        session_.write_test_close("}");
        session_.records().write_numbered(
            'R', count_value > 0 ? number_image(count_value, true) : std::string("?"));
        return value;
    }
    // A count of values: a loop over a counter, one value per run.
    const int count = c.init_count > 0 ? c.init_count : 1;
    if (c.init_from_kind == InitFromKind::count) {
        const std::string j = loop_counter(layout_.open_test_loop(number_text(count)));
        const std::string span = "((" + to + ") - (" + from + "))";
        value = real
                    ? "(" + from + ") + " + span + " * (double)(" + j + " - 1) / " +
                          number_text(count - 1)
                    : "(" + from + ") + " + span + " * (" + j + " - 1) / " + number_text(count - 1);
    } else {
        // Random tables and INIT IN tables share their numbers.
        const int number = ++initin_tables_;
        const int k = layout_.take_loop_variable();
        const std::string j = loop_counter(k);
        layout_.add_run_factor(number_text(count));
        unsigned long long state = 0x9e3779b97f4a7c15ULL ^ static_cast<unsigned long long>(number);
        std::string table = "float _vx_rand" + number_text(number) + "[] = { ";
        const bool bounds = c.init_from_kind == InitFromKind::random_bounds;
        for (int i = 0; i < count; ++i) {
            if (i > 0) table += ", ";
            if (bounds && i == 0) {
                table += "0.0";
            } else {
                table += random_fraction(state, bounds && i == count - 1);
            }
        }
        table += "};";
        session_.write_declaration(table, FoldMode::never);
        declare(table);
        session_.write_loop_head(
            " for ( " + j + " = 1; (" + j + "-1) < " + number_text(count) + "; " + j + "++ ) {",
            fold_);
        const std::string entry = "_vx_rand" + number_text(number) + "[" + j + "-1]";
        value = real ? "(" + from + ") + ( ( (double)( " + to + " ) - (" + from + ") ) * " + entry +
                           " )"
                     : "(" + from + ") + (vxu_integer)( ( (double)( " + to + " ) - (" + from +
                           ") ) * " + entry + " + 0.5 )";
    }
    session_.write_test_close("}");
    return value;
}

bool VariableCode::initial_value(const VariableClause& c, std::string& value) {
    value.clear();
    if (!c.init) return false;
    if (c.init_from) {
        value = range_value(c);
        return !value.empty();
    }
    if (c.init_in && c.init_link.empty()) {
        const int k = layout_.open_test_loop(number_text(c.init_count));
        session_.write_test_close("}");
        test_loops_.push_back({c.variable, k, c.init_count});
        value = value_table("tab_initin", c.init_value, k, c);
        return true;
    }
    if (c.init_in || c.init_with) {
        const int k = loop_of(c, c.init_link);
        if (k == 0) {
            session_.reporter().error(msg::VARLIEINC, c.init_link);
            return false;
        }
        test_loops_.push_back({c.variable, k});
        value = value_table("tab_init_avec", c.init_value, k, c);
        return true;
    }
    value = c.init_value;
    return true;
}

void VariableCode::mark_tolerance(const VariableClause& c, const std::string& e, Check& check) {
    const Family family = family_of(c.kind);
    long double ev = 0, dv = 0;
    if ((family != Family::integer && family != Family::real) ||
        c.kind == VariableKind::enumeration ||
        (real_constant(e, ev) && real_constant(c.delta_value, dv))) {
        return;
    }
    __int128 ei = 0, di = 0;
    if (decimal_integer(e, ei) && decimal_integer(c.delta_value, di)) return;
    check.tolerance = true;
    check.percent = c.delta == DeltaKind::percent;
    check.e = e;
    check.d = c.delta_value;
}

bool VariableCode::expected_values(const VariableClause& c, Check& check) {
    const Family family = family_of(c.kind);
    auto neutral = [&](std::string& a, std::string& b) {
        if (family == Family::string || family == Family::string_pointer) {
            a = b = "\"\"";
        } else if (family == Family::pointer || family == Family::function_pointer) {
            a = b = "NIL";
        } else {
            a = b = "0";
        }
    };
    if (c.ev && (c.ev_form == EvForm::double_equal || (c.ev_form == EvForm::arrow && c.ev_learn))) {
        // The obtained value is recorded, not compared.
        check.given = true;
        check.check = false;
        neutral(check.low, check.high);
        return true;
    }
    if (c.ev && (c.ev_in || c.ev_with)) {
        int k = loop_of(c, c.ev_link);
        if (k == 0 && c.ev_link.empty() && !test_loops_.empty()) {
            k = test_loops_.front().index;
            // A list of another length than the loop's would give its
            // last value to the runs past its end, or never be read whole.
            const int count = test_loops_.front().count;
            if (count > 0 && c.ev_count > 0 && c.ev_count != count) {
                session_.reporter().error(msg::VARLIENNB, test_loops_.front().variable);
                return false;
            }
        }
        if (k == 0) {
            session_.reporter().error(msg::LISTEVAIN, c.ev_value);
            return false;
        }
        const std::string call = value_table("tab_vain", c.ev_value, k, c);
        check.given = true;
        check.low = check.high = call;
        check.record_value =
            expected_list(static_cast<std::size_t>(c.ev_count > 0 ? c.ev_count : 0),
                          without_delimiters(c.ev_value));
        // A tolerance applies to each value of the list.
        if (c.delta != DeltaKind::none && !c.delta_value.empty()) {
            check.range = true;
            std::string d = c.delta_value;
            if (c.delta == DeltaKind::percent) {
                d = "(" + d + ")*(" + call + ")/" + (family == Family::real ? "100.0" : "100");
            }
            const std::string a = c_operand(d);
            const std::string absolute = a + ">=0?" + a + ":-(" + d + ")";
            tolerance_bounds(c, call, d, absolute, check.low, check.high);
            mark_tolerance(c, call, check);
        }
        return true;
    }
    if (c.ev) {
        const std::string e = c.ev_form == EvForm::arrow ? c.ev_target : c.ev_value;
        check.given = true;
        check.low = check.high = e;
        if (c.delta != DeltaKind::none && !c.delta_value.empty()) {
            check.range = true;
            const bool percent = c.delta == DeltaKind::percent;
            check.record_value = expected_value(e, c.delta_value + (percent ? "%" : ""));
            long double ev = 0, dv = 0;
            if (!analysis_ && real_constant(e, ev) && real_constant(c.delta_value, dv)) {
                // Script values: folded exactly when both are constants.
                const long double tolerance = std::fabs(percent ? dv * ev / 100 : dv);
                const bool integral = family != Family::real &&
                                      tolerance == std::floor(tolerance) && ev == std::floor(ev);
                // An unsigned variable's range stops at zero.
                const long double low = ev - tolerance;
                check.low = number_image(
                    c.facts.is_unsigned && family == Family::integer && low < 0 ? 0 : low,
                    integral);
                check.high = number_image(ev + tolerance, integral);
            } else if (family == Family::integer && c.kind != VariableKind::enumeration &&
                       real_constant(e, ev) && real_constant(c.delta_value, dv) &&
                       (percent || dv != std::floor(dv) || ev != std::floor(ev)) &&
                       std::fabs(ev) + std::fabs(percent ? dv * ev / 100 : dv) < 9e18L) {
                // A tolerance that is no whole number of units (1.5, or a
                // percentage) around a constant: the integers within it,
                // folded here. Cut toward zero at run time, -10 +/- 1.5
                // gave [-11, -8], and 10% of 1000000000 overflowed an int.
                const long double tolerance = std::fabs(percent ? dv * ev / 100 : dv);
                const int bits = c.facts.bits > 0 && c.facts.bits <= 64 ? c.facts.bits : 64;
                const long double smallest =
                    c.facts.is_unsigned ? 0.0L : -std::ldexp(1.0L, bits - 1);
                const long double largest = c.facts.is_unsigned ? std::ldexp(1.0L, bits) - 1
                                                                : std::ldexp(1.0L, bits - 1) - 1;
                check.low = number_image(std::max(smallest, std::ceil(ev - tolerance)), true);
                check.high = number_image(std::min(largest, std::floor(ev + tolerance)), true);
            } else {
                std::string d = c.delta_value;
                if (percent) {
                    d = "(" + d + ")*(" + e + ")/" + (family == Family::real ? "100.0" : "100");
                }
                const std::string a = c_operand(d);
                const std::string absolute = a + ">=0?" + a + ":-(" + d + ")";
                tolerance_bounds(c, e, d, absolute, check.low, check.high);
                mark_tolerance(c, e, check);
            }
        } else {
            check.record_value = expected_value(e);
        }
        return true;
    }
    if (c.min || c.max) {
        check.given = true;
        check.range = true;
        std::string low;
        std::string high;
        type_extremes(c, low, high);
        check.low = c.min ? c.min_value : low;
        check.high = c.max ? c.max_value : high;
        check.record_value = expected_range(check.low, check.high);
        return true;
    }
    return true;
}

void VariableCode::write_initialisation(const VariableClause& c, const std::string& v,
                                        const std::string& value, int record, bool trace) {
    const Family family = family_of(c.kind);
    const std::string n = reference(record);
    UsageCounters& usage = layout_.usage();
    switch (family) {
        case Family::string: {
            std::string line =
                "INI_STR_C((char *)(" + v + ")" + (trace && !no_edit_ ? ", 1, " : ", 0, ") + n;
            if (value.find(',') != std::string::npos) {
                line += ", CONCAT_STR_C(" + string_pieces(value) + ",(vxu_charstring)0));";
                usage.count_use(Usage::concat_str);
            } else {
                line += ", (vxu_charstring)" + c_operand(value) + ");";
            }
            usage.count_use(Usage::ini_str);
            open_line(line);
            return;
        }
        case Family::pointer:
        case Family::string_pointer:
        case Family::function_pointer: {
            std::string word = upper_copy(trimmed(value));
            const std::string cast = pointer_cast(c);
            if (word == "NIL" && family == Family::function_pointer) word = "NILFUNC";
            if (word == "NIL" || word == "NILFUNC") {
                open_line(v + " = (" + cast + ")" + word + ";");
            } else if (word == "NONIL" || word == "NONILFUNC") {
                session_.reporter().warning(msg::POINOINIT, v);
            } else if (!cast.empty()) {
                open_line(v + " = (" + cast + ")(" + value + ");");
            } else {
                open_line(v + " = " + value + ";");
            }
            return;
        }
        default:
            break;
    }
    // A comma expression is one value, not a value and a statement.
    open_line(v + " = " + (list_values(value).size() > 1 ? c_operand(value) : value) + ";");
    if (!trace || no_edit_) return;
    switch (family) {
        case Family::boolean:
            open_line("PTU_BOOLEAN_C(" + v + "," + n + ");");
            usage.count_use(Usage::ptu_boolean);
            break;
        case Family::character:
            open_line("PTU_CHAR_C((char)(" + v + ")," + n + ");");
            usage.count_use(Usage::ptu_char);
            break;
        case Family::real:
            if (c.facts.is_long_double) {
                open_line("PTU_LDOUBLE_C((long double)(" + v + ")," + n + ");");
                usage.count_use(Usage::ptu_double);
            } else if (c.facts.is_double) {
                open_line("PTU_DOUBLE_C((double)(" + v + ")," + n + ");");
                usage.count_use(Usage::ptu_double);
            } else {
                open_line("PTU_FLOAT_C((float)(" + v + ")," + n + ");");
                usage.count_use(Usage::ptu_float);
            }
            break;
        default:
            if (c.facts.is_unsigned) {
                open_line("PTU_UNSIGNED_C((vxu_unsigned)(" + v + ")," + n + display_base(c) + ");");
                usage.count_use(Usage::ptu_unsigned);
            } else {
                open_line("PTU_INTEGER_C((vxu_integer)(" + v + ")," + n + display_base(c) + ");");
                usage.count_use(Usage::ptu_integer);
            }
            break;
    }
}

void VariableCode::write_check(const VariableClause& c, const std::string& v, const Check& k,
                               int record) {
    if (no_edit_ || !k.given) return;
    if (k.tolerance) {
        write_tolerance_check(c, v, k, record);
        return;
    }
    const Family family = family_of(c.kind);
    const std::string n = reference(record);
    const std::string flag = k.check ? "1" : "0";
    const std::string range = k.range ? "1" : "0";
    UsageCounters& usage = layout_.usage();
    // The checks of an array's elements count as array checks too.
    if (in_array_) usage.mark_array();
    switch (family) {
        case Family::boolean:
            close_line("EDV_BOOLEAN_C(" + flag + "," + range + "," + v + "," + n + "," + k.low +
                       "," + k.high + ");");
            usage.count_use(Usage::edv_boolean);
            return;
        case Family::character:
            if (computed_character(c, k.low) || (k.range && computed_character(c, k.high))) {
                close_line("EDV_CHAR_HELD_C(" + flag + "," + range + ",(char)(" + v + ")," + n +
                           ",(vxu_integer)(" + k.low + "),(vxu_integer)(" + k.high + "));");
            } else {
                close_line("EDV_CHAR_C(" + flag + "," + range + ",(char)(" + v + ")," + n +
                           ",(char)(" + k.low + "),(char)(" + k.high + "));");
            }
            usage.count_use(Usage::edv_char);
            return;
        case Family::real: {
            const std::string cast = c.facts.is_long_double ? "(long double)("
                                     : c.facts.is_double    ? "(double)("
                                                            : "(float)(";
            close_line(std::string(c.facts.is_long_double ? "EDV_LDOUBLE_C("
                                   : c.facts.is_double    ? "EDV_DOUBLE_C("
                                                          : "EDV_FLOAT_C(") +
                       flag + "," + range + "," + cast + v + ")," + n + "," + cast + k.low + ")," +
                       cast + k.high + "));");
            usage.count_use(c.facts.is_double ? Usage::edv_double : Usage::edv_float);
            return;
        }
        case Family::string:
        case Family::string_pointer: {
            std::string line =
                "EDV_STR_C(" + flag + "," + range + ",(vxu_charstring)(" + v + ")," + n;
            bool wrapped = false;
            for (const std::string* text : {&k.low, &k.high}) {
                if (text->find(',') != std::string::npos) {
                    line += ",CONCAT_STR_C(" + string_pieces(*text) + ",(vxu_charstring)0)";
                    wrapped = true;
                } else {
                    line += ",(vxu_charstring)" + c_operand(*text);
                }
            }
            close_line(line + ");");
            usage.count_use(Usage::edv_str);
            if (wrapped) usage.count_use(Usage::concat_str);
            return;
        }
        case Family::pointer: {
            std::string a = k.low;
            const std::string word = upper_copy(trimmed(a));
            if (word == "NIL" || word == "NONIL") a = word;
            close_line("EDV_POINTER_C(" + flag + "," + range + ",(vxu_pointer)(" + v + ")," + n +
                       ",(vxu_pointer)(" + a + "));");
            usage.count_use(Usage::edv_pointer);
            return;
        }
        case Family::function_pointer: {
            const std::string word = upper_copy(trimmed(k.low));
            std::string macro = "EDV_FUNCPOINTER_C(";
            std::string a = k.low;
            if (word == "NIL" || word == "NILFUNC") {
                macro = "EDV_NILFUNCPOINTER_C(";
                a = "NILFUNC";
            } else if (word == "NONIL" || word == "NONILFUNC") {
                macro = "EDV_NONILFUNCPOINTER_C(";
                a = "NONILFUNC";
            }
            close_line(macro + flag + "," + range + ",(" + v + ")," + n + ",(" + a + "));");
            usage.count_use(Usage::edv_pointer);
            return;
        }
        case Family::integer: {
            const bool is_unsigned = c.facts.is_unsigned;
            const CheckKindRow& row =
                c_check_kind_row(is_unsigned ? CheckKind::unsigned_integer : CheckKind::integer);
            const std::string cast(row.cast);
            const std::string ctype = type_cast(c);
            // A constant bound is converted to the variable's type as a
            // whole (the compiler checked that it fits). One the harness
            // computes is held to the variable's width instead of cut to it.
            auto bound = [&](const std::string& text) {
                if (!ctype.empty() && computed_bound(c, text)) {
                    return cast + held_to_width(c, text) + ")";
                }
                return cast + (ctype.empty() ? text : ctype + c_operand(text)) + ")";
            };
            close_line(std::string(row.check_macro) + "(" + flag + "," + range + "," + cast + v +
                       ")," + n + display_base(c) + "," + bound(k.low) + "," + bound(k.high) +
                       ");");
            usage.count_use(is_unsigned ? Usage::edv_unsigned : Usage::edv_integer);
            return;
        }
    }
}

// A check against E +/- D where E or D is computed by the harness: each is
// evaluated once, in a block of its own, and the bounds are built from the
// temporaries. Below zero an unsigned bound stops at zero.
void VariableCode::write_tolerance_check(const VariableClause& c, const std::string& v,
                                         const Check& k, int record) {
    const std::string n = reference(record);
    const std::string flag = k.check ? "1" : "0";
    UsageCounters& usage = layout_.usage();
    if (in_array_) usage.mark_array();
    const bool real = family_of(c.kind) == Family::real;
    std::string type;
    std::string e;
    if (real) {
        type = c.facts.is_long_double ? "long double" : c.facts.is_double ? "double" : "float";
        e = "(" + type + ")" + c_operand(k.e);
    } else {
        type = c.facts.is_unsigned ? "vxu_unsigned" : "vxu_integer";
        e = "(" + type + ")" +
            (computed_bound(c, k.e) ? held_to_width(c, k.e) : type_cast(c) + c_operand(k.e));
    }
    const std::string d_type = real ? type : std::string("vxu_integer");
    std::string d = "(" + d_type + ")" + c_operand(k.d);
    if (k.percent) {
        // In a signed type: a negative percentage of an unsigned value must
        // not wrap round into a huge tolerance.
        // For an integer, the product is taken in long double and cut
        // toward zero: a fractional percentage keeps its fraction, and an
        // integer within the tolerance is within its whole part.
        d = real ? "(" + d_type + ")(" + c_operand(k.d) + " * _vx_e / 100.0)"
                 : "(vxu_integer)((long double)" + c_operand(k.d) +
                       " * (long double)_vx_e / 100.0L)";
    }
    close_line("{ " + type + " _vx_e = " + e + "; " + d_type + " _vx_d = " + d + ";");
    close_line("if (_vx_d < 0) _vx_d = -_vx_d;");
    if (real) {
        const std::string cast = "(" + type + ")(";
        close_line(std::string(c.facts.is_long_double ? "EDV_LDOUBLE_C("
                               : c.facts.is_double    ? "EDV_DOUBLE_C("
                                                      : "EDV_FLOAT_C(") +
                   flag + ",1," + cast + v + ")," + n + "," + cast + "_vx_e - _vx_d)," + cast +
                   "_vx_e + _vx_d)); }");
        usage.count_use(c.facts.is_double ? Usage::edv_double : Usage::edv_float);
    } else if (c.facts.is_unsigned) {
        close_line("EDV_UNSIGNED_C(" + flag + ",1,(vxu_unsigned)(" + v + ")," + n +
                   display_base(c) + ",_vx_e >= (vxu_unsigned)_vx_d ? _vx_e - (vxu_unsigned)_vx_d" +
                   " : 0,_vx_e + (vxu_unsigned)_vx_d); }");
        usage.count_use(Usage::edv_unsigned);
    } else {
        close_line("EDV_INTEGER_C(" + flag + ",1,(vxu_integer)(" + v + ")," + n + display_base(c) +
                   ",_vx_e - _vx_d,_vx_e + _vx_d); }");
        usage.count_use(Usage::edv_integer);
    }
}

void VariableCode::write_record(const VariableClause& c, char letter, const Check& check) {
    VariableRecord r;
    r.letter = letter;
    r.variable = c.variable;
    // A whole array's record carries its shape, so that the report can
    // name each element it checks.
    for (long long d : c.facts.dimensions) r.variable += "[" + std::to_string(d) + "]";
    const Family family = family_of(c.kind);
    const char kind_letter = check.check ? 'C' : 'N';
    if (!c.aggregate.empty() || !c.type_text.empty() || c.kind != VariableKind::unknown) {
        if (c.kind == VariableKind::enumeration && !c.facts.enum_name.empty()) {
            std::vector<EnumeratorRecord> enumerators;
            for (const auto& [name, value] : c.facts.enumerators) {
                enumerators.push_back({name, std::to_string(value)});
            }
            const int number = session_.records().enum_type_number(c.facts.enum_name, enumerators);
            r.form = record_form(kind_letter, DisplayFormat::enumeration, number_text(number));
        } else if (family == Family::integer && c.kind != VariableKind::unknown) {
            const char f = format_letter(c);
            r.form = "FORM=" + std::string(1, kind_letter) + f +
                     (c.facts.bits > 0 ? number_text(c.facts.bits) : std::string());
        } else if (family == Family::real) {
            r.form =
                record_form(kind_letter, DisplayFormat::floating, c.facts.is_double ? "17" : "9");
        } else {
            r.form = "FORM=" + std::string(1, kind_letter);
        }
    }
    if (r.form.empty()) r.form = "FORM=" + std::string(1, kind_letter);
    if (!c.init) {
        r.initial = init_none();
    } else if (c.init_from) {
        const std::vector<std::string> parts = list_values(c.init_value);
        std::string range = parts.empty() ? std::string() : parts[0];
        if (parts.size() > 1) range += " TO " + parts[1];
        if (parts.size() > 2) {
            static constexpr const char* words[] = {" STEP ", " NB_TIMES ", " NB_RANDOM ",
                                                    " NB_RANDOM "};
            range += words[static_cast<int>(c.init_from_kind)] + parts[2];
            if (c.init_from_kind == InitFromKind::random_bounds) range += " +BOUNDS";
        }
        r.initial = init_range(" " + range);
    } else if (c.init_in) {
        r.initial = init_value("IN (" + number_text(c.init_count) + ") " +
                               std::string(without_delimiters(c.init_value)));
    } else {
        r.initial = init_value(c.init_text.empty() ? c.init_value : c.init_text);
    }
    // The value part says what the check compares with, as the script
    // wrote it.
    r.value = check.record_value;
    if (!c.ev_text.empty() && c.ev && c.ev_form == EvForm::equal && !c.ev_in && !c.ev_with &&
        c.delta == DeltaKind::none) {
        r.value = expected_value(c.ev_text);
    }
    session_.records().write_variable(c.line, r);
}

void VariableCode::generate_record(const VariableClause& c, bool in_aggregate) {
    if (in_aggregate && c.kind == VariableKind::unknown) {
        // A member the declarations do not let the harness compare (an
        // incomplete type): the aggregate's check is interrupted there.
        Check check;
        if (!expected_values(c, check)) return;
        if (!no_edit_) {
            close_line("RUPT(" + number_text(aggregate_record_) + ");");
            layout_.usage().count_use(Usage::rupt);
        }
        write_record(c, 'V', check);
        return;
    }
    if (!c.facts.dimensions.empty()) {
        generate_whole_array(c, session_.record_number());
        return;
    }
    std::string value;
    const bool has_init = initial_value(c, value);
    Check check;
    if (!expected_values(c, check)) return;
    const int record = session_.record_number();
    if (has_init) {
        write_initialisation(c, c.variable, value, record, !c.init_double_equal);
    }
    write_check(c, c.variable, check, record);
    write_record(c, 'V', check);
}

void VariableCode::generate_whole_array(const VariableClause& c, int record) {
    const std::vector<long long>& dims = c.facts.dimensions;
    if ((c.init && (c.init_in || c.init_from || c.init_with)) || (c.ev && (c.ev_in || c.ev_with))) {
        session_.reporter().error(msg::AUTOSTRUC, c.variable);
        return;
    }
    long long total = 1;
    for (long long d : dims) total *= d;
    // A brace list is read in order, nested lists flattened, "others"
    // covering the elements it does not reach. Both lists are checked
    // before anything is written.
    const std::string& element_type = c.facts.element_type;
    const bool tables_possible =
        !element_type.empty() && element_type.find('(') == std::string::npos;
    const bool init_listed = c.init && is_braced(trimmed(c.init_value));
    const bool ev_listed = c.ev && c.ev_form == EvForm::equal && is_braced(trimmed(c.ev_value));
    BraceListLeaves init_leaves;
    BraceListLeaves ev_leaves;
    auto fits = [&](const BraceListLeaves& leaves) {
        const auto count = static_cast<long long>(leaves.values.size());
        return count <= total && (count == total || leaves.has_others);
    };
    if (init_listed) init_leaves = brace_list_leaves(c.init_value, true, {"others", "autres"});
    if (ev_listed) ev_leaves = brace_list_leaves(c.ev_value, true, {"others", "autres"});
    if ((init_listed || ev_listed) && (!tables_possible || (init_listed && !fits(init_leaves)) ||
                                       (ev_listed && !fits(ev_leaves)))) {
        // More values than elements, or fewer without "others".
        auto too_many = [&](bool listed, const BraceListLeaves& leaves) {
            return listed && static_cast<long long>(leaves.values.size()) > total;
        };
        const bool more = tables_possible &&
                          (too_many(init_listed, init_leaves) || too_many(ev_listed, ev_leaves));
        session_.reporter().error(more ? msg::AGREGTROP : msg::INITAGREG, c.variable);
        return;
    }
    layout_.note_array_variables(static_cast<int>(dims.size()));
    // The element the loops reach and its index in declaration order.
    std::string element = c.variable;
    std::string linear;
    std::string heads;
    std::string tails;
    for (std::size_t i = 0; i < dims.size(); ++i) {
        const std::string index = array_counter(static_cast<int>(i) + 1);
        element += "[" + index + "]";
        linear =
            linear.empty() ? index : "(" + linear + ")*" + std::to_string(dims[i]) + "+" + index;
        heads += "for (" + index + " = 0 ; " + index + " < " + std::to_string(dims[i]) + " ; " +
                 index + "++) { ";
        tails += "}";
    }
    VariableClause scalar = c;
    scalar.variable = element;
    scalar.type_text = element_type;
    scalar.facts.dimensions.clear();
    const std::string n = number_text(record);
    // A local table of the listed values, and the value of the element the
    // loops reach: its table entry, or "others" past the entries.
    auto table = [&](const std::string& name, const BraceListLeaves& leaves,
                     void (VariableCode::*write)(std::string_view)) {
        if (leaves.values.empty()) return leaves.others;
        std::string entries;
        for (std::size_t i = 0; i < leaves.values.size(); ++i) {
            entries += (i ? "," : "") + leaves.values[i];
        }
        (this->*write)(element_type + " " + name + "[] = {" + entries + "};");
        const std::string entry = name + "[" + linear + "]";
        if (leaves.has_others && static_cast<long long>(leaves.values.size()) < total) {
            return "(" + linear + " < " + std::to_string(leaves.values.size()) + " ? " + entry +
                   " : " + leaves.others + ")";
        }
        return entry;
    };
    // Initialisation.
    if (c.init) {
        if (init_listed) open_line("{");
        const std::string value = init_listed
                                      ? table("_vx_ini" + n, init_leaves, &VariableCode::open_line)
                                      : c.init_value;
        open_line(heads);
        write_initialisation(scalar, element, value, record, false);
        open_line(tails);
        if (init_listed) open_line("}");
    }
    // Check.
    Check check;
    if (!expected_values(scalar, check)) return;
    if (check.given && !no_edit_) {
        close_line("SET_MODE_TAB_C(" + n + ");");
        if (ev_listed) close_line("SET_MODE_CST_C(" + n + ");");
        close_line("{");
        if (ev_listed) {
            check.low = check.high = table("_vx_cst" + n, ev_leaves, &VariableCode::close_line);
        }
        close_line(heads);
        layout_.usage().mark_array();
        if (ev_listed) layout_.usage().mark_constant();
        write_check(scalar, element, check, record);
        close_line(tails);
        close_line("}");
        if (ev_listed) close_line("UNSET_MODE_CST_C(" + n + ");");
        close_line("UNSET_MODE_TAB_C(" + n + ");");
    }
    write_record(c, 'A', check);
}

}  // namespace vx
