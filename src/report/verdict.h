// The verdict of one harness run: the traces matched against the link
// records, grouped by service, test run and element.
//
// Beyond the checks, the verdict holds each test to what the link records
// promise: it ran as many times as its "E22" record says, every run holds
// the test's elements in order, one "S" ... "e" block each, and the values
// traced in an element are those of its own variables. A test that falls
// short fails, with the reason in its run.
//
// Every record number in the traces must name a record of the right kind in
// the link record file ("O" for a service, "T" for a test, "V", "A" or "L"
// for a variable, "R" for a repetition) and the names of services and tests
// must agree; otherwise the two files do not belong together and the
// verdict is refused. A check without record number (0) is a stub's call
// count and must come inside the stub checks ("K" lines).
#pragma once

#include "report/input/failure.h"
#include "report/input/link_record_file.h"
#include "report/input/traces.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace vx::report {

enum class EntryKind {
    initial,  // initial value traced before the call
    check,    // a check, or a value only recorded
    group,    // start of an aggregate's member checks
    note,     // repetitions, interruptions, stub calls, runtime warnings
    problem,  // a failure that is no value check: a stub call that matched
              // no call described and whose inputs were not kept
    stop,     // the element did not reach its end; the name says why
    given,    // what a STUB statement gives back (obtained holds the value):
              // shown on the HTML page, not in the text listing
};

struct Entry {
    EntryKind kind = EntryKind::check;
    std::string name;
    ValueType type = ValueType::integer;
    Outcome outcome = Outcome::recorded;
    std::string obtained;
    std::string low;
    std::string high;
    std::string script_expected;  // the script's text of the expected value
    bool no_call = false;         // a stub's call count when no call is described
    std::string location;         // "script.ptu:12", may be empty
    ScriptLocation where;         // the same as file number and line
    int depth = 0;                // aggregate nesting
    long trace_line = 0;

    // "2", "in [1, 3]" ...
    std::string expected_text() const;
    bool operator==(const Entry&) const = default;
};

struct ElementRun {
    int ordinal = 0;
    std::string location;
    std::vector<Entry> entries;
    std::optional<long> microseconds;
    bool ended = false;  // its end line "e" was read (always true for older harnesses)
    bool ran = true;     // false: an element of the script the run never reached
    bool operator==(const ElementRun&) const = default;
};

// What the script's REQUIREMENT and COMMENT statements say of a service
// or a test, in script order.
struct RunNotes {
    std::vector<std::string> requirements;
    std::vector<std::string> comments;
    bool empty() const { return requirements.empty() && comments.empty(); }
    bool operator==(const RunNotes&) const = default;
};

// How far a test got.
enum class TestState {
    finished,      // every element and the test reached their end
    unfinished,    // it began and did not reach its end (crash, exit, time-out, left early)
    not_run,       // the link records describe it, the traces never began it
    not_selected,  // the harness's command line left it out (--run)
};

struct TestRun {
    long record = 0;
    std::string name;
    std::string location;
    std::string file;   // the script of its TEST statement, as compiled; may be empty
    long line = 0;      // the line of its TEST statement, 0 when unknown
    int iteration = 1;  // the test's repetitions each get a run
    long passed = 0;
    long failed = 0;
    long recorded = 0;
    std::vector<ElementRun> elements;
    TestState state = TestState::finished;
    std::string stop_reason;  // why it did not finish, or did not run
    bool no_runs = false;     // its repetition count was 0: it ran no time, as promised
    RunNotes notes;
    // The wall-clock time of the whole test, all its runs, as the harness
    // measured it ("D" line); on its last run only.
    std::optional<long> wall_microseconds;

    // A test passes only when it ran to its end and no check failed.
    bool has_failures() const {
        return failed > 0 || (state != TestState::finished && state != TestState::not_selected);
    }
    long microseconds() const;
    // The time to show of the test: its wall-clock time when the harness
    // measured it, else the time of its elements' code.
    long shown_microseconds() const { return wall_microseconds.value_or(microseconds()); }
    bool operator==(const TestRun&) const = default;
};

// The runs of one service's tests. A LOOP or an INIT IN can give a test
// hundreds of thousands of runs, all held until the outputs are written:
// every run but the last is kept packed as bytes, a tenth of its unpacked
// size, and is unpacked again as it is walked. The last run, the one the
// traces are still filling, stays unpacked.
class TestRuns {
public:
    class const_iterator {
    public:
        using iterator_category = std::input_iterator_tag;
        using value_type = TestRun;
        using difference_type = std::ptrdiff_t;
        using pointer = const TestRun*;
        using reference = const TestRun&;

        const_iterator(const TestRuns* runs, std::size_t index) : runs_(runs), index_(index) {}
        // The run, valid until the iterator moves.
        const TestRun& operator*() const;
        const TestRun* operator->() const { return &**this; }
        const_iterator& operator++() {
            ++index_;
            loaded_ = false;
            return *this;
        }
        bool operator==(const const_iterator& other) const { return index_ == other.index_; }

    private:
        const TestRuns* runs_;
        std::size_t index_;
        mutable TestRun current_;
        mutable bool loaded_ = false;
    };

    std::size_t size() const { return spans_.size() + (open_ ? 1 : 0); }
    bool empty() const { return size() == 0; }
    // Adds a run after the others: the one before it is packed.
    void push_back(TestRun run);
    // The last run, unpacked.
    TestRun& back() { return *open_; }
    const TestRun& back() const { return *open_; }
    // A copy of run `index`.
    TestRun operator[](std::size_t index) const;
    // The record number of run `index`, without unpacking the rest of it.
    long record_at(std::size_t index) const;
    // Changes run `index` in place.
    void modify(std::size_t index, const std::function<void(TestRun&)>& change);
    const_iterator begin() const { return {this, 0}; }
    const_iterator end() const { return {this, size()}; }

private:
    void load(std::size_t index, TestRun& run) const;
    // Where each packed run lies: the bytes are kept in blocks of about a
    // megabyte, so that they grow without being copied (one string would
    // hold its old and new copies at once as it doubles).
    struct Span {
        std::uint32_t block;
        std::uint32_t offset;
        std::uint32_t length;
    };
    Span store(const TestRun& run);
    std::string_view bytes_of(const Span& span) const;
    std::vector<std::string> blocks_;
    std::deque<Span> spans_;
    std::string packing_;  // the run being packed
    std::optional<TestRun> open_;
};

// Packs a run into bytes and back (for TestRuns; exposed for its tests).
void pack_test_run(const TestRun& run, std::string& out);
void unpack_test_run(std::string_view bytes, TestRun& run);

struct ServiceRun {
    long record = 0;
    std::string name;
    std::string location;
    RunNotes notes;
    TestRuns tests;
};

struct Totals {
    long services = 0;
    long tests = 0;
    long tests_failed = 0;      // finished with a failed check
    long tests_unfinished = 0;  // began and did not reach their end
    long tests_not_run = 0;
    long tests_not_selected = 0;  // left out by the command line of the harness
    long elements = 0;
    long checks_passed = 0;
    long checks_failed = 0;
    long recorded = 0;
};

struct Verdict {
    std::string program;  // base name of the script
    std::vector<ServiceRun> services;
    std::vector<std::string> warnings;  // runtime warnings ("W" lines)
    // The statements the compiler dropped, cut short or changed, each as
    // its message ("[s.ptu:12] Unknown keyword: VRA x [STXMETAIN]").
    std::vector<std::string> dropped;
    bool complete = true;  // the traces have their end line
    long last_line = 0;    // last line of the traces read
    Totals totals;

    // PASSED only when the traces are whole, every test of the link records
    // ran to its end, no check failed and the compiler took every statement
    // of the script as written.
    bool passed() const {
        return complete && totals.checks_failed == 0 && totals.tests_failed == 0 &&
               totals.tests_unfinished == 0 && totals.tests_not_run == 0 && dropped.empty();
    }
    // "PASSED", "FAILED", or "INCOMPLETE" for traces that stop before their end.
    std::string verdict_word() const;
    // " (3 of 21 tests selected)" for a run whose command line left tests
    // out; empty otherwise.
    std::string selection_note() const;
};

// Builds a verdict from the trace lines given one at a time, in the order
// of the traces file.
class VerdictAssembly {
public:
    VerdictAssembly(const LinkRecordFile& links, Verdict& verdict);
    ~VerdictAssembly();
    VerdictAssembly(const VerdictAssembly&) = delete;
    VerdictAssembly& operator=(const VerdictAssembly&) = delete;

    // A failure means the traces do not match the link records: the
    // verdict is then not to be shown, and no line is to follow.
    std::optional<Failure> add(const TraceLine& line);
    // Completes the verdict once every line is in. An incomplete traces
    // file is no failure: the verdict says so and holds what was read.
    void finish(const TracesFile& traces);

private:
    struct Parts;
    const LinkRecordFile& links_;
    Verdict& verdict_;
    std::unique_ptr<Parts> parts_;
};

// What reading the traces and building the verdict as they are read found
// wrong: the traces themselves, or how they match the link records.
struct VerdictReading {
    std::optional<Failure> damaged;
    std::optional<Failure> mismatch;
};

// Reads the traces `content` into `traces` (without keeping their lines)
// and builds the verdict line by line, so that memory holds the verdict and
// not the traces.
VerdictReading read_verdict(const LinkRecordFile& links, std::string_view content,
                            TracesFile& traces, Verdict& verdict);

}  // namespace vx::report
