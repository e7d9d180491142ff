// Reader of the traces file (.rio) written by the target runtime (TP.c).
//
// The first line is "VXU-TRACES 3" (older harnesses wrote "VXU-TRACES 2"
// or "VXU-TRACES 1", read the same way); in version 3 it may be followed by
// "H <stamp>", the stamp of the compilation the harness was built from,
// which must match the one of the link record file. Every other line is a kind letter and
// blank-separated fields, the last one "F" + the count of lines before it.
// Strings are quoted with C escapes. The reader checks every field, so a
// damaged file (cut line, unknown kind, stray bytes, bad number) is
// refused with the number of the line, never half understood. Values are
// turned into their display images here: integers in the display base the
// harness asked for, characters as C character constants, strings as C
// literals.
#pragma once

#include "report/input/failure.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx::report {

// Version 2 adds the beginning of each test ("G"), the end of each element
// ("e") and the way an isolated test ended when it did not reach its end
// ("Q"); version 3 the stamp line ("H") and the type "ldouble", and writes
// the repetition count ("R") once per test before its first run; version
// 1 files are read as before.
inline constexpr std::string_view traces_header = "VXU-TRACES 3";
inline constexpr std::string_view traces_header_v2 = "VXU-TRACES 2";
inline constexpr std::string_view traces_header_v1 = "VXU-TRACES 1";
inline constexpr std::string_view traces_magic = "VXU-TRACES";

enum class TraceKind {
    service,            // O rec "name"
    test,               // T rec "name"
    repetition,         // R rec count
    element_start,      // S
    element_stop,       // Z microseconds | -
    initial,            // I rec type value
    check,              // C rec type check range verdict obtained low high
    stub_context,       // K stub call
    stub_call,          // M rec call result
    open_bracket,       // [ rec
    close_bracket,      // ] rec
    array_mode_on,      // A rec
    array_mode_off,     // a rec
    constant_mode_on,   // N rec
    constant_mode_off,  // n rec
    interruption,       // X rec
    warning,            // W "text"
    end_test,           // E
    element_end,        // e
    test_begin,         // G rec
    test_left_out,      // U rec
    test_time,          // D rec microseconds
    test_outcome,       // Q rec how detail
    end_file,           // F count
};

enum class ValueType {
    integer,
    unsigned_integer,
    boolean,
    character,
    single_float,
    double_float,
    long_double,
    string,
    pointer,
    function_pointer,
};

enum class Outcome { recorded, passed, failed };

struct TraceLine {
    TraceKind kind = TraceKind::end_test;
    long line = 0;    // line number in the traces file
    long record = 0;  // record number, stub number for "K"
    long value = 0;   // repetition count, call number, duration
    bool has_value = false;
    bool flag = false;   // "M": the call did not match what was expected
    std::string text;    // names of "O" and "T", text of "W", how of "Q"
    std::string detail;  // detail of "Q": a signal name or a number
    ValueType type = ValueType::integer;
    bool range = false;
    Outcome outcome = Outcome::recorded;
    std::string obtained;  // display images
    std::string low;
    std::string high;
};

struct TracesFile {
    std::vector<TraceLine> lines;  // every line, when a reader keeps them (see parse_traces)
    bool complete = false;         // the end line "F" was read
    int version = 3;               // of the header line
    std::string stamp;             // of the "H" line; empty when there is none
    bool cut_line = false;         // the last line was cut short and left out
    long line_count = 0;           // lines in the file
    long read_lines = 0;           // lines read after the header and the stamp
};

// Reads the traces, handing each line to `sink` as it is read (`out.lines`
// stays empty, `out.read_lines` counts them): memory does not grow with the
// traces.
std::optional<Failure> parse_traces(std::string_view content, TracesFile& out,
                                    const std::function<void(TraceLine&&)>& sink);

// Display image of a raw string value: a C literal with escapes.
std::string quote_for_display(std::string_view raw);

}  // namespace vx::report
