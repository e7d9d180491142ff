// Building the verdict: one walk over the trace lines with a small state
// (current service, test run, element, stub context and aggregate depth).
// Service and test lines open new runs after their record numbers and
// names have been checked against the link records; element starts open
// elements; initial values, checks and notes are added to the current
// element, each named after its link record. Lines that come where no test
// or element is open (a hand-made harness may do that) are kept under
// stand-in runs rather than dropped.
//
// Along the walk the builder counts the runs ("T" lines) of each test and
// keeps the repetition counts ("R" lines); at the end each test's runs are
// compared with its "E22" record. Each value line of a variable record is
// matched with the element being read, and each run that reaches its end
// with the test's elements.
#include "report/verdict.h"

#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cctype>
#include <climits>
#include <map>
#include <numeric>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <sstream>

namespace vx::report {

namespace {

constexpr std::string_view outside_service = "(outside any service)";
constexpr std::string_view outside_test = "(outside any test)";

class VerdictBuilder {
public:
    VerdictBuilder(const LinkRecordFile& links, Verdict& verdict)
        : links_(links), verdict_(verdict) {}

    std::optional<Failure> add(const TraceLine& line);
    void finish(const TracesFile& traces);

private:
    std::optional<Failure> on_service(const TraceLine& line);
    std::optional<Failure> on_test(const TraceLine& line);
    std::optional<Failure> on_value(const TraceLine& line);
    std::optional<Failure> on_bracket(const TraceLine& line);
    std::optional<Failure> on_repetition(const TraceLine& line);

    ServiceRun& service();
    TestRun& test();
    // How many runs of the test the latest service run holds before the
    // one being added, which it counts.
    int earlier_runs(long test_record);
    // Gives the test run the location of its TEST statement.
    void locate(TestRun& run, const ScriptLocation& where) const;
    ElementRun& element();
    void add_note(const TraceLine& line, std::string text);
    // The variable record of that number, or a failure naming what it is.
    std::optional<Failure> variable_record(const TraceLine& line, const LinkRecord*& record);
    std::string describe(long number) const;

    // The element being read ends: its stub calls that matched no call
    // described and whose inputs were never checked become failures, and
    // when it did not reach its end line it gets a stop entry with `reason`.
    void close_element(std::string_view reason);
    // The open test run ends; `reason` is empty when it reached its end.
    void close_test(std::string_view reason);
    std::optional<Failure> on_outcome(const TraceLine& line);
    // After a stub's call count: what the element's STUB statements of
    // that stub give back.
    void add_given_values();
    // Names the enumerators of an entry's values, after the variable record
    // text that says how they show.
    void name_enumerators(const std::string& record_text, Entry& entry) const;
    void add_tests_not_run();
    // The variable record of `line` belongs to the element being read;
    // otherwise the element gets a problem naming the element it belongs to.
    // Lines of a stand-in run are not matched: they belong to no test.
    void check_owner(const TraceLine& line, const LinkRecord& record, std::string_view what);
    // A run that reached its end holds every element of its test.
    void check_elements_ran(TestRun& run);
    // A harness that tells where its tests begin runs elements only inside
    // them: element lines under a stand-in run mean its code jumped out.
    void check_outside_lines(TestRun& run);
    // The runs of each test against its "E22" record.
    void check_runs();
    // The number of runs that test's "E22" record promises; nullopt with
    // `missing` set when a repetition count it needs was never traced.
    std::optional<long long> promised_runs(const RunProduct& product, long& missing) const;
    // True when the test's repetition count was 0 and the traces show it
    // was reached: it legitimately ran no time.
    bool ran_no_time(long test_record) const;

    const LinkRecordFile& links_;
    Verdict& verdict_;
    bool service_open_ = false;
    bool test_open_ = false;
    long stub_ = 0;
    long stub_call_ = 0;
    long element_record_ = 0;  // the "B" record of the open element, 0 when unknown
    int depth_ = 0;
    // The whole array whose element checks are being read, and the index
    // of the next one in declaration order.
    long array_mode_ = 0;
    long array_index_ = 0;
    // Harnesses that announce each test ("G" lines) end each element with
    // an "e" line; an element of theirs without it did not reach its end.
    // Older harnesses write neither.
    bool strict_ = false;
    bool element_open_ = false;
    // Calls of the open element that did not match the calls described
    // ("M" lines with result 1), and the calls whose inputs were checked
    // ("K" lines), both as stub name and call number.
    struct StubCall {
        std::string stub;
        long call = 0;
        long trace_line = 0;
    };
    std::vector<StubCall> unmatched_calls_;
    std::vector<StubCall> checked_calls_;
    // The stub checks of the open element that failed: a call's inputs, or
    // the stub's call count (call 0).
    std::vector<StubCall> failed_checks_;
    // The runs ("T" lines) of each test, the first count traced for each
    // repetition record, the tests whose beginning ("G") was traced.
    std::map<long, long> runs_seen_;
    std::map<long, long> repetition_counts_;
    std::set<long> tests_begun_;
    // The tests the command line of the harness left out ("U" lines).
    std::set<long> left_out_;
    // The runs of each test in the latest service run (the one numbered
    // counted_service_ in the verdict's list).
    std::unordered_map<long, int> runs_in_service_;
    std::size_t counted_service_ = 0;
    // The wall-clock time of each test ("D" lines), by "T" record.
    std::map<long, long> test_times_;
    // Repetition counts traced before the first run of their test: shown
    // in its first element.
    std::vector<std::pair<long, std::string>> pending_notes_;
    // The open element already holds a problem about its elements.
    bool element_mismatch_ = false;
    // An element started ("S") under the open stand-in run.
    bool started_outside_ = false;
};

// A STUB statement's record: "first last statement", the statement split
// into the values of its list and what follows the list (the returned
// value), as the script wrote them.
struct StubStatement {
    long first = 0;
    long last = 0;
    std::string text;
    std::vector<std::string> values;
    std::string result;
};

std::string trimmed_copy(std::string_view text) { return std::string(trimmed(text)); }

StubStatement split_statement(const std::string& record_text) {
    StubStatement out;
    std::istringstream fields(record_text);
    fields >> out.first >> out.last;
    std::getline(fields >> std::ws, out.text);
    std::string_view rest = out.text;
    // The keyword, the stub's name, the call number or range.
    auto skip_word = [&rest]() {
        std::size_t i = 0;
        while (i < rest.size() && rest[i] == ' ') ++i;
        while (i < rest.size() && rest[i] != ' ' && rest[i] != '(') ++i;
        rest.remove_prefix(i);
    };
    skip_word();
    skip_word();
    std::string_view after = rest.substr(std::min(rest.find_first_not_of(' '), rest.size()));
    if (!after.empty() && std::isdigit(static_cast<unsigned char>(after.front()))) {
        skip_word();
    }
    const std::size_t open = rest.find_first_not_of(' ');
    if (open == std::string_view::npos || rest[open] != '(') {
        out.result = trimmed_copy(rest);
        return out;
    }
    const std::size_t close = find_closing(rest, open);
    if (close == std::string_view::npos) {
        return out;  // a list that is not closed: nothing is read from it
    }
    const std::string_view inner = trimmed(rest.substr(open + 1, close - open - 1));
    if (!inner.empty()) {
        for (std::string_view value : split_top_level(inner, true)) {
            out.values.emplace_back(value);
        }
    }
    out.result = trimmed_copy(rest.substr(close + 1));
    return out;
}

constexpr std::string_view left_element_reason =
    "did not reach its end: its code left the element early (return, break or a jump)";
constexpr std::string_view left_test_reason =
    "did not reach its end: its code left the test early (return or a jump)";
constexpr std::string_view stopped_reason =
    "did not reach its end: the harness stopped here (a crash or an exit in the code under test?)";

// The words of a "Q" line, as a reason.
std::string outcome_reason(const TraceLine& line) {
    if (line.text == "signal") {
        return "crashed (" + line.detail + ")";
    }
    if (line.text == "exit") {
        return "did not reach its end: the code under test called exit (status " + line.detail +
               ")";
    }
    if (line.text == "timeout") {
        return "timed out after " + line.detail + " s";
    }
    return std::string(left_test_reason);
}

// The name of element `index` (in declaration order) of a whole array
// whose record names it with its dimensions ("m[2][3]"): "m[1][0]" for
// index 3. A negative index gives the bare name.
std::string array_element_name(const std::string& shape, long index) {
    std::vector<long> dimensions;
    std::size_t end = shape.size();
    while (end > 0 && shape[end - 1] == ']') {
        std::size_t open = shape.rfind('[', end - 1);
        if (open == std::string::npos) break;
        long value = 0;
        const std::string digits = shape.substr(open + 1, end - open - 2);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos ||
            digits.size() > 9) {
            break;
        }
        value = std::stol(digits);
        dimensions.insert(dimensions.begin(), value);
        end = open;
    }
    const std::string name = shape.substr(0, end);
    if (index < 0 || dimensions.empty()) return name;
    std::string suffix;
    for (auto it = dimensions.rbegin(); it != dimensions.rend(); ++it) {
        const long size = *it > 0 ? *it : 1;
        suffix.insert(0, "[" + std::to_string(index % size) + "]");
        index /= size;
    }
    return name + suffix;
}

Failure failure_at(const TraceLine& line, std::string message) {
    return Failure{Source::traces, line.line, std::move(message)};
}

// A failed entry: a problem of the run (counted as a failed check by the
// caller), or a stop where an element or a run ended early.
Entry failed_entry(EntryKind kind, std::string name, long trace_line) {
    Entry entry;
    entry.kind = kind;
    entry.outcome = Outcome::failed;
    entry.name = std::move(name);
    entry.trace_line = trace_line;
    return entry;
}

std::string VerdictBuilder::describe(long number) const {
    const LinkRecord* record = links_.numbered(number);
    if (record == nullptr) {
        return "there is no record " + std::to_string(number) + " in the link record file";
    }
    return "record " + std::to_string(number) + " of the link record file is a \"" +
           std::string(1, record->kind) + "\" record (line " + std::to_string(record->file_line) +
           ")";
}

ServiceRun& VerdictBuilder::service() {
    if (!service_open_) {
        ServiceRun run;
        run.name = std::string(outside_service);
        verdict_.services.push_back(std::move(run));
        service_open_ = true;
    }
    return verdict_.services.back();
}

void VerdictBuilder::locate(TestRun& run, const ScriptLocation& where) const {
    run.location = links_.location_text(where);
    if (where.known()) {
        run.file = links_.script_path(where.file);
        run.line = where.line;
    }
}

int VerdictBuilder::earlier_runs(long test_record) {
    if (counted_service_ != verdict_.services.size()) {
        counted_service_ = verdict_.services.size();
        runs_in_service_.clear();
    }
    return runs_in_service_[test_record]++;
}

TestRun& VerdictBuilder::test() {
    ServiceRun& owner = service();
    if (!test_open_) {
        TestRun run;
        run.name = std::string(outside_test);
        owner.tests.push_back(std::move(run));
        test_open_ = true;
    }
    return owner.tests.back();
}

ElementRun& VerdictBuilder::element() {
    TestRun& run = test();
    if (run.elements.empty()) {
        ElementRun first;
        first.ordinal = 1;
        std::vector<const LinkRecord*> described = links_.elements_of_test(run.record);
        element_record_ = 0;
        element_mismatch_ = false;
        if (!described.empty()) {
            first.location = links_.location_text(described.front()->location);
            element_record_ = described.front()->number;
        }
        first.ended = !strict_;
        run.elements.push_back(std::move(first));
        element_open_ = true;
    }
    return run.elements.back();
}

void VerdictBuilder::add_note(const TraceLine& line, std::string text) {
    Entry entry;
    entry.kind = EntryKind::note;
    entry.name = std::move(text);
    entry.depth = depth_;
    entry.trace_line = line.line;
    element().entries.push_back(std::move(entry));
}

std::optional<Failure> VerdictBuilder::variable_record(const TraceLine& line,
                                                       const LinkRecord*& record) {
    record = links_.numbered(line.record);
    if (record == nullptr || !is_variable_kind(record->kind)) {
        return failure_at(line, "the trace names record " + std::to_string(line.record) +
                                    " as a variable, but " + describe(line.record));
    }
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_service(const TraceLine& line) {
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'O') {
        return failure_at(line, "DCL_OP_C names service record " + std::to_string(line.record) +
                                    ", but " + describe(line.record));
    }
    if (trimmed_end(record->text, script_blanks) != trimmed_end(line.text, script_blanks)) {
        return failure_at(line, "service record " + std::to_string(line.record) + " is \"" +
                                    record->text + "\" in the link record file but \"" + line.text +
                                    "\" in the traces");
    }
    if (test_open_) {
        close_test(left_test_reason);
    }
    ServiceRun run;
    run.record = line.record;
    run.name = line.text;
    run.location = links_.location_text(record->location);
    verdict_.services.push_back(std::move(run));
    service_open_ = true;
    test_open_ = false;
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_test(const TraceLine& line) {
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'T') {
        return failure_at(line, "DCL_TST_C names test record " + std::to_string(line.record) +
                                    ", but " + describe(line.record));
    }
    if (trimmed_end(record->text, script_blanks) != trimmed_end(line.text, script_blanks)) {
        return failure_at(line, "test record " + std::to_string(line.record) + " is \"" +
                                    record->text + "\" in the link record file but \"" + line.text +
                                    "\" in the traces");
    }
    const LinkRecord* owner = links_.service_of_test(line.record);
    if (service_open_ && owner != nullptr && service().record != owner->number) {
        return failure_at(line, "test record " + std::to_string(line.record) +
                                    " belongs to service record " + std::to_string(owner->number) +
                                    " in the link record file, but follows service record " +
                                    std::to_string(service().record) + " in the traces");
    }
    if (test_open_) {
        // Another run of the same repeated test follows its previous run;
        // any other test means the open one never reached its end.
        close_test(test().record == line.record ? std::string_view() : left_test_reason);
    }
    if (!service_open_ && owner != nullptr) {
        ServiceRun run;
        run.record = owner->number;
        run.name = owner->text;
        run.location = links_.location_text(owner->location);
        verdict_.services.push_back(std::move(run));
        service_open_ = true;
    }
    ServiceRun& owner_run = service();
    TestRun run;
    run.record = line.record;
    run.name = line.text;
    locate(run, record->location);
    run.iteration += earlier_runs(run.record);
    owner_run.tests.push_back(std::move(run));
    test_open_ = true;
    ++runs_seen_[line.record];
    element_record_ = 0;
    stub_ = 0;
    stub_call_ = 0;
    depth_ = 0;
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_value(const TraceLine& line) {
    Entry entry;
    entry.kind = line.kind == TraceKind::initial ? EntryKind::initial : EntryKind::check;
    entry.type = line.type;
    entry.outcome = line.outcome;
    entry.obtained = line.obtained;
    entry.low = line.low;
    entry.high = line.high;
    entry.depth = depth_;
    entry.trace_line = line.line;

    std::string stub_label;
    if (stub_ > 0) {
        std::string name = links_.stub_name(stub_);
        stub_label = name.empty() ? "stub " + std::to_string(stub_) : "stub " + name;
        if (stub_call_ > 0) {
            stub_label += " call " + std::to_string(stub_call_);
        }
    }
    if (line.record == 0 && entry.kind == EntryKind::check) {
        if (stub_ == 0) {
            return failure_at(line, "a check without record number (0) outside the stub checks");
        }
        entry.name = stub_call_ == 0 ? stub_label + ": calls" : stub_label;
        // The bounds the runtime checks a stub the element does not
        // describe with.
        entry.no_call = stub_call_ == 0 && line.low == "-1" && line.high == "0";
    } else {
        const LinkRecord* record = nullptr;
        if (auto failure = variable_record(line, record)) {
            return failure;
        }
        check_owner(line, *record, entry.kind == EntryKind::initial ? "initial value" : "check");
        VariableText text = split_variable_text(record->text);
        if (record->kind == 'A') {
            text.name = array_element_name(
                text.name,
                array_mode_ == line.record && entry.kind == EntryKind::check ? array_index_++ : -1);
        }
        entry.name = stub_label.empty() ? text.name : stub_label + ": " + text.name;
        entry.script_expected = text.expected;
        name_enumerators(record->text, entry);
        entry.location = links_.location_text(record->location);
        entry.where = record->location;
        // A stub's input: the STUB statement that described the call.
        if (stub_ > 0 && stub_call_ > 0) {
            if (const LinkRecord* statement =
                    links_.stub_statement(element_record_, stub_, stub_call_)) {
                const std::string text = split_statement(statement->text).text;
                // The statement beside a failing value; every input of
                // the call names its line.
                if (entry.kind == EntryKind::check && entry.outcome == Outcome::failed) {
                    entry.script_expected = text;
                }
                entry.location = links_.location_text(statement->location);
                entry.where = statement->location;
            }
        }
    }

    TestRun& run = test();
    if (entry.kind == EntryKind::check) {
        switch (entry.outcome) {
            case Outcome::passed:
                ++run.passed;
                break;
            case Outcome::failed:
                ++run.failed;
                break;
            case Outcome::recorded:
                ++run.recorded;
                break;
        }
    }
    if (stub_ > 0 && entry.kind == EntryKind::check && entry.outcome == Outcome::failed) {
        failed_checks_.push_back({links_.stub_name(stub_), stub_call_, line.line});
    }
    const bool stub_count = stub_ > 0 && stub_call_ == 0 && entry.kind == EntryKind::check;
    element().entries.push_back(std::move(entry));
    if (stub_count) {
        add_given_values();
    }
    return std::nullopt;
}

void VerdictBuilder::name_enumerators(const std::string& record_text, Entry& entry) const {
    // A value of an enumerated type reads as the script writes it: "1
    // (CMD_ERR_SYNTAX)". An expected value the script gives by the same
    // enumerator is then not repeated as the script's text.
    const LinkRecordFile::Enumeration* enumeration = links_.enumeration_of(record_text);
    if (enumeration == nullptr) return;
    const std::string expected = LinkRecordFile::enumerator_name(*enumeration, entry.low);
    if (entry.script_expected == expected && !expected.empty() && entry.low == entry.high) {
        entry.script_expected.clear();
    }
    for (std::string* value : {&entry.obtained, &entry.low, &entry.high}) {
        const std::string name = LinkRecordFile::enumerator_name(*enumeration, *value);
        if (!name.empty()) *value += " (" + name + ")";
    }
}

void VerdictBuilder::add_given_values() {
    const std::vector<std::pair<long, std::string>> outputs = links_.stub_outputs(stub_);
    if (outputs.empty()) {
        return;
    }
    const std::string name = links_.stub_name(stub_);
    const std::string stub = "stub " + (name.empty() ? std::to_string(stub_) : name);
    for (const LinkRecord* record : links_.stub_statements(element_record_, stub_)) {
        const StubStatement statement = split_statement(record->text);
        const std::string calls = statement.first == statement.last
                                      ? " call " + std::to_string(statement.first)
                                      : " calls " + std::to_string(statement.first) + ".." +
                                            std::to_string(statement.last);
        for (const auto& [position, output] : outputs) {
            std::string value;
            if (position == 0) {
                value = statement.result;
            } else if (static_cast<std::size_t>(position) <= statement.values.size()) {
                value = statement.values[static_cast<std::size_t>(position) - 1];
                // An input-output's value is "expected => given".
                const std::size_t arrow = find_top_level(value, "=>");
                if (arrow != std::string::npos) {
                    value = trimmed_copy(value.substr(arrow + 2));
                }
            }
            if (value.empty()) {
                continue;  // left out: nothing given back
            }
            Entry given;
            given.kind = EntryKind::given;
            given.name = stub + calls + ": " + output;
            given.obtained = value;
            given.location = links_.location_text(record->location);
            given.where = record->location;
            given.depth = depth_;
            element().entries.push_back(std::move(given));
        }
    }
}

std::optional<Failure> VerdictBuilder::on_bracket(const TraceLine& line) {
    if (line.kind == TraceKind::close_bracket) {
        // The end of a group holds nothing of its own: it is matched with
        // the element being read, and opens none (nor a stand-in run).
        const LinkRecord* record = links_.numbered(line.record);
        if (record != nullptr && element_open_) {
            check_owner(line, *record, "checks");
        }
        if (depth_ > 0) {
            --depth_;
        }
        return std::nullopt;
    }
    const LinkRecord* record = nullptr;
    if (auto failure = variable_record(line, record)) {
        return failure;
    }
    check_owner(line, *record, "checks");
    Entry entry;
    entry.kind = EntryKind::group;
    entry.name = split_variable_text(record->text).name;
    entry.location = links_.location_text(record->location);
    entry.where = record->location;
    entry.depth = depth_;
    entry.trace_line = line.line;
    element().entries.push_back(std::move(entry));
    ++depth_;
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_repetition(const TraceLine& line) {
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'R') {
        return failure_at(line, "DCL_FAC_REP_C names repetition record " +
                                    std::to_string(line.record) + ", but " + describe(line.record));
    }
    repetition_counts_.emplace(line.record, line.value);
    std::string note = "repeated " + std::to_string(line.value) + " time(s)";
    if (!test_open_) {
        // Taken once before the test's first run: no run is open to hold it.
        pending_notes_.emplace_back(line.line, std::move(note));
        return std::nullopt;
    }
    add_note(line, std::move(note));
    return std::nullopt;
}

void VerdictBuilder::check_owner(const TraceLine& line, const LinkRecord& record,
                                 std::string_view what) {
    if (record.kind != 'V' && record.kind != 'A') {
        return;  // stub parameters are checked wherever the stub was called
    }
    if (!test_open_ || test().record == 0) {
        // A stand-in run has no element of the script to compare with:
        // lines outside any test fail once, in check_outside_lines.
        return;
    }
    // The element the line falls in (the first one when no element start
    // came before it), which sets element_record_.
    ElementRun& current = element();
    const long owner = links_.element_of_variable(record.number);
    if (owner == element_record_ || element_mismatch_) {
        return;
    }
    element_mismatch_ = true;
    TestRun& run = test();
    const std::string owner_text = owner == 0 ? std::string("no element of the script")
                                              : links_.element_text(owner, run.record);
    Entry entry = failed_entry(
        EntryKind::problem,
        "element " + std::to_string(current.ordinal) + " holds the " + std::string(what) + " of " +
            split_variable_text(record.text).name + " (record " + std::to_string(record.number) +
            "), which belongs to " + owner_text + ": its code jumped out of its element",
        line.line);
    entry.location = links_.location_text(record.location);
    entry.where = record.location;
    entry.depth = depth_;
    current.entries.push_back(std::move(entry));
    ++run.failed;
}

void VerdictBuilder::check_outside_lines(TestRun& run) {
    bool code_ran = started_outside_;
    for (const ElementRun& element : run.elements) {
        for (const Entry& entry : element.entries) {
            code_ran =
                code_ran || (entry.kind != EntryKind::note && entry.kind != EntryKind::problem);
        }
    }
    if (!code_ran || run.elements.empty()) {
        return;
    }
    std::vector<Entry>& entries = run.elements.front().entries;
    entries.insert(entries.begin(),
                   failed_entry(EntryKind::problem,
                                "element lines outside any test: code of the script ran outside "
                                "its tests (a jump out of a test?)",
                                verdict_.last_line));
    ++run.failed;
}

void VerdictBuilder::check_elements_ran(TestRun& run) {
    if (run.record == 0 || run.state != TestState::finished) {
        return;
    }
    const std::vector<const LinkRecord*> described = links_.elements_of_test(run.record);
    for (std::size_t i = run.elements.size(); i < described.size(); ++i) {
        ElementRun missing;
        missing.ordinal = static_cast<int>(i) + 1;
        missing.location = links_.location_text(described[i]->location);
        missing.ran = false;
        missing.entries.push_back(failed_entry(
            EntryKind::stop, "element did not run: the run ended without it (a jump over it?)",
            verdict_.last_line));
        if (run.state == TestState::finished) {
            run.state = TestState::unfinished;
            run.stop_reason = "element " + std::to_string(missing.ordinal) +
                              (missing.location.empty() ? "" : " (" + missing.location + ")") +
                              " did not run";
        }
        run.elements.push_back(std::move(missing));
    }
}

std::optional<Failure> VerdictBuilder::add(const TraceLine& line) {
    verdict_.last_line = line.line;
    switch (line.kind) {
        case TraceKind::service:
            return on_service(line);
        case TraceKind::test:
            return on_test(line);
        case TraceKind::repetition:
            return on_repetition(line);
        case TraceKind::element_start: {
            close_element(left_element_reason);
            TestRun& run = test();
            started_outside_ = started_outside_ || run.record == 0;
            ElementRun next;
            next.ordinal = static_cast<int>(run.elements.size()) + 1;
            std::vector<const LinkRecord*> described = links_.elements_of_test(run.record);
            element_record_ = 0;
            element_mismatch_ = false;
            if (static_cast<std::size_t>(next.ordinal) <= described.size()) {
                next.location = links_.location_text(described[next.ordinal - 1]->location);
                element_record_ = described[next.ordinal - 1]->number;
            } else if (run.record != 0) {
                // One element more than the test has: a jump back into
                // an element, or the traces of another test.
                next.entries.push_back(failed_entry(
                    EntryKind::problem,
                    "element " + std::to_string(next.ordinal) + " is not in the script: test " +
                        run.name + " has " + std::to_string(described.size()) + " element(s)",
                    line.line));
                ++run.failed;
                element_mismatch_ = true;
            }
            next.ended = !strict_;
            const bool first = next.ordinal == 1;
            run.elements.push_back(std::move(next));
            element_open_ = true;
            depth_ = 0;
            if (first) {
                for (auto& [trace_line, text] : pending_notes_) {
                    Entry note;
                    note.kind = EntryKind::note;
                    note.name = std::move(text);
                    note.trace_line = trace_line;
                    run.elements.back().entries.push_back(std::move(note));
                }
            }
            pending_notes_.clear();
            return std::nullopt;
        }
        case TraceKind::element_end:
            element().ended = true;
            close_element({});
            return std::nullopt;
        case TraceKind::test_outcome:
            return on_outcome(line);
        case TraceKind::test_left_out: {
            const LinkRecord* record = links_.numbered(line.record);
            if (record == nullptr || record->kind != 'T') {
                return failure_at(line, "test record " + std::to_string(line.record) +
                                            " is told left out, but " + describe(line.record));
            }
            if (test_open_) {
                close_test(left_test_reason);
            }
            left_out_.insert(line.record);
            return std::nullopt;
        }
        case TraceKind::test_begin: {
            const LinkRecord* record = links_.numbered(line.record);
            if (record == nullptr || record->kind != 'T') {
                return failure_at(line, "the beginning of test record " +
                                            std::to_string(line.record) + " is told, but " +
                                            describe(line.record));
            }
            if (test_open_) {
                close_test(left_test_reason);
            }
            strict_ = true;
            tests_begun_.insert(line.record);
            pending_notes_.clear();
            return std::nullopt;
        }
        case TraceKind::element_stop:
            if (line.has_value) {
                element().microseconds = line.value;
            }
            return std::nullopt;
        case TraceKind::initial:
        case TraceKind::check:
            return on_value(line);
        case TraceKind::stub_context:
            stub_ = line.record;
            stub_call_ = line.value;
            if (stub_ > 0 && stub_call_ > 0) {
                checked_calls_.push_back({links_.stub_name(stub_), stub_call_, line.line});
            }
            return std::nullopt;
        case TraceKind::stub_call: {
            std::string name = links_.stub_of_record(line.record);
            std::string stub =
                name.empty() ? "the stub of record " + std::to_string(line.record) : "stub " + name;
            if (line.flag) {
                add_note(line, "call " + std::to_string(line.value) + " of " + stub +
                                   " did not match the calls described");
                unmatched_calls_.push_back({name, line.value, line.line});
            }
            return std::nullopt;
        }
        case TraceKind::open_bracket:
        case TraceKind::close_bracket:
            return on_bracket(line);
        case TraceKind::interruption: {
            const LinkRecord* record = links_.numbered(line.record);
            std::string name = record != nullptr && is_variable_kind(record->kind)
                                   ? split_variable_text(record->text).name
                                   : "record " + std::to_string(line.record);
            add_note(line, "check of " + name + " interrupted");
            return std::nullopt;
        }
        case TraceKind::warning:
            verdict_.warnings.push_back(line.text);
            if (!test_open_) {
                // Between a test's beginning and its first run (a fork
                // that failed): shown in its first element.
                pending_notes_.emplace_back(line.line, "runtime warning: " + line.text);
                return std::nullopt;
            }
            add_note(line, "runtime warning: " + line.text);
            return std::nullopt;
        case TraceKind::end_test:
            if (test_open_) {
                close_test({});
            }
            test_open_ = false;
            stub_ = 0;
            stub_call_ = 0;
            depth_ = 0;
            return std::nullopt;
        case TraceKind::array_mode_on:
            array_mode_ = line.record;
            array_index_ = 0;
            return std::nullopt;
        case TraceKind::array_mode_off:
            array_mode_ = 0;
            return std::nullopt;
        case TraceKind::test_time: {
            const LinkRecord* record = links_.numbered(line.record);
            if (record == nullptr || record->kind != 'T') {
                return failure_at(line, "the time of test record " + std::to_string(line.record) +
                                            " is told, but " + describe(line.record));
            }
            test_times_[line.record] = line.value;
            return std::nullopt;
        }
        case TraceKind::constant_mode_on:
        case TraceKind::constant_mode_off:
        case TraceKind::end_file:
            return std::nullopt;
    }
    return std::nullopt;
}

void VerdictBuilder::close_element(std::string_view reason) {
    if (!element_open_) {
        return;
    }
    element_open_ = false;
    ElementRun& current = test().elements.back();
    TestRun& run = test();
    // A call that matched no call described fails through a check of its
    // own (an input, or the stub's count); when none failed, for a call
    // whose inputs were not kept or that was handed a null pointer, the
    // mismatch itself fails.
    for (const StubCall& call : unmatched_calls_) {
        bool checked = false;
        for (const StubCall& seen : checked_calls_) {
            checked = checked || (seen.stub == call.stub && seen.call == call.call);
        }
        bool explained = false;
        for (const StubCall& failed : failed_checks_) {
            // A stub the link records do not name cannot be told apart.
            explained = explained || (!call.stub.empty() && failed.stub == call.stub &&
                                      (failed.call == call.call || failed.call == 0));
        }
        if (explained) {
            continue;
        }
        current.entries.push_back(failed_entry(
            EntryKind::problem,
            "stub " + (call.stub.empty() ? std::string("?") : call.stub) + " call " +
                std::to_string(call.call) + ": did not match the calls described, and " +
                (checked ? "no check of it failed (a null pointer where a value was expected?)"
                         : "its inputs were not kept"),
            call.trace_line));
        ++run.failed;
    }
    unmatched_calls_.clear();
    checked_calls_.clear();
    failed_checks_.clear();
    if (!current.ended && !reason.empty()) {
        current.entries.push_back(
            failed_entry(EntryKind::stop, "element " + std::string(reason), verdict_.last_line));
        if (run.state == TestState::finished) {
            run.state = TestState::unfinished;
            run.stop_reason =
                "element " + std::to_string(current.ordinal) + " " + std::string(reason);
        }
    }
}

void VerdictBuilder::close_test(std::string_view reason) {
    if (test().record == 0) {
        // A stand-in for lines outside any test has no end to reach.
        reason = {};
    }
    close_element(reason.empty() ? left_element_reason : reason);
    TestRun& run = test();
    if (!reason.empty() && run.state == TestState::finished) {
        run.state = TestState::unfinished;
        run.stop_reason = std::string(reason);
    }
    check_elements_ran(run);
    if (run.record == 0 && strict_) {
        check_outside_lines(run);
    }
    started_outside_ = false;
    test_open_ = false;
    stub_ = 0;
    stub_call_ = 0;
    depth_ = 0;
}

std::optional<Failure> VerdictBuilder::on_outcome(const TraceLine& line) {
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'T') {
        return failure_at(line, "the end of test record " + std::to_string(line.record) +
                                    " is told, but " + describe(line.record));
    }
    const std::string reason = outcome_reason(line);
    if (!test_open_ || test().record != line.record) {
        // The test ended before its first "T" line (in a loop head, say).
        if (test_open_) {
            close_test(left_test_reason);
        }
        const LinkRecord* owner = links_.service_of_test(line.record);
        if (!service_open_ || (owner != nullptr && service().record != owner->number)) {
            ServiceRun service_run;
            if (owner != nullptr) {
                service_run.record = owner->number;
                service_run.name = owner->text;
                service_run.location = links_.location_text(owner->location);
            }
            verdict_.services.push_back(std::move(service_run));
            service_open_ = true;
        }
        TestRun run;
        run.record = line.record;
        run.name = record->text;
        locate(run, record->location);
        earlier_runs(run.record);
        service().tests.push_back(std::move(run));
        test_open_ = true;
    }
    test().state = TestState::finished;  // the reason below is the one to tell
    close_test(reason);
    TestRun& run = service().tests.back();
    run.state = TestState::unfinished;
    run.stop_reason = reason;
    return std::nullopt;
}

namespace {

// Puts each stand-in before the first run of `tests` with a greater record,
// as inserting them one after the other would, in one pass.
void insert_in_record_order(TestRuns& tests, std::vector<TestRun>&& added) {
    // Inserted one after the other, a stand-in lands before the stand-ins
    // of greater records already in place, and after those of its own.
    std::stable_sort(added.begin(), added.end(),
                     [](const TestRun& a, const TestRun& b) { return a.record < b.record; });
    TestRuns merged;
    std::size_t next = 0;
    long highest = LONG_MIN;  // the greatest record of the runs passed so far
    for (std::size_t i = 0; i < tests.size(); ++i) {
        highest = std::max(highest, tests.record_at(i));
        while (next < added.size() && highest > added[next].record) {
            merged.push_back(std::move(added[next++]));
        }
        merged.push_back(tests[i]);
    }
    while (next < added.size()) {
        merged.push_back(std::move(added[next++]));
    }
    tests = std::move(merged);
}

}  // namespace

void VerdictBuilder::add_tests_not_run() {
    std::unordered_set<long> ran;
    // The last run of each service, where its tests that did not run go.
    std::unordered_map<long, std::size_t> home_of;
    for (std::size_t i = 0; i < verdict_.services.size(); ++i) {
        const TestRuns& tests = verdict_.services[i].tests;
        for (std::size_t k = 0; k < tests.size(); ++k) {
            ran.insert(tests.record_at(k));
        }
        home_of[verdict_.services[i].record] = i;
    }
    std::vector<std::vector<TestRun>> stand_ins(verdict_.services.size());
    for (const LinkRecord& record : links_.records) {
        if (record.kind != 'T' || ran.count(record.number) > 0) {
            continue;
        }
        const LinkRecord* owner = links_.service_of_test(record.number);
        const long owner_number = owner != nullptr ? owner->number : 0;
        auto home = home_of.find(owner_number);
        if (home == home_of.end()) {
            ServiceRun service_run;
            service_run.record = owner_number;
            if (owner != nullptr) {
                service_run.name = owner->text;
                service_run.location = links_.location_text(owner->location);
            }
            verdict_.services.push_back(std::move(service_run));
            stand_ins.emplace_back();
            home = home_of.emplace(owner_number, verdict_.services.size() - 1).first;
        }
        TestRun run;
        run.record = record.number;
        run.name = record.text;
        locate(run, record.location);
        if (left_out_.count(record.number) > 0) {
            run.state = TestState::not_selected;
            run.stop_reason = "not selected";
        } else if (ran_no_time(record.number)) {
            run.no_runs = true;
        } else {
            run.state = TestState::not_run;
            run.stop_reason = "did not run";
        }
        stand_ins[home->second].push_back(std::move(run));
    }
    // In the order of the link records, among the runs of the service.
    for (std::size_t i = 0; i < stand_ins.size(); ++i) {
        if (!stand_ins[i].empty()) {
            insert_in_record_order(verdict_.services[i].tests, std::move(stand_ins[i]));
        }
    }
    std::stable_sort(verdict_.services.begin(), verdict_.services.end(),
                     [](const ServiceRun& a, const ServiceRun& b) { return a.record < b.record; });
}

std::optional<long long> VerdictBuilder::promised_runs(const RunProduct& product,
                                                       long& missing) const {
    long long runs = product.constant;
    long unknown = 0;
    for (long repetition : product.repetitions) {
        auto found = repetition_counts_.find(repetition);
        if (found == repetition_counts_.end()) {
            // A count inside a loop that ran no time is never traced: a
            // zero elsewhere in the product settles it.
            if (unknown == 0) unknown = repetition;
            continue;
        }
        const long long count = found->second;
        runs = count != 0 && runs > LLONG_MAX / count ? LLONG_MAX : runs * count;
    }
    if (runs <= 0) return 0;
    if (unknown != 0) {
        missing = unknown;
        return std::nullopt;
    }
    return runs;
}

bool VerdictBuilder::ran_no_time(long test_record) const {
    const RunProduct* product = links_.runs_of_test(test_record);
    if (product == nullptr) {
        return false;
    }
    long missing = 0;
    const std::optional<long long> runs = promised_runs(*product, missing);
    if (!runs || *runs != 0) {
        return false;
    }
    // The harness reached the test: it told its beginning, or traced a
    // count the test's runs depend on.
    bool reached = tests_begun_.count(test_record) > 0;
    for (long repetition : product->repetitions) {
        reached = reached || repetition_counts_.count(repetition) > 0;
    }
    return reached;
}

void VerdictBuilder::check_runs() {
    // The last run of each test: its service and its place there.
    std::map<long, std::pair<std::size_t, std::size_t>> last_runs;
    std::set<long> unfinished;
    for (std::size_t s = 0; s < verdict_.services.size(); ++s) {
        std::size_t k = 0;
        for (const TestRun& run : verdict_.services[s].tests) {
            if (run.record != 0) {
                last_runs[run.record] = {s, k};
                if (run.state != TestState::finished) {
                    unfinished.insert(run.record);
                }
            }
            ++k;
        }
    }
    for (const auto& [record, place] : last_runs) {
        // A test that crashed, left early or never ran already fails with
        // its reason; its missing runs follow from it.
        const RunProduct* product = links_.runs_of_test(record);
        if (unfinished.count(record) > 0 || product == nullptr) {
            continue;
        }
        const auto seen = runs_seen_.find(record);
        const long runs = seen == runs_seen_.end() ? 0 : seen->second;
        long missing = 0;
        const std::optional<long long> promised = promised_runs(*product, missing);
        std::string reason;
        if (!promised) {
            reason = "its repetition count (record " + std::to_string(missing) +
                     ") is missing from the traces: the number of its runs cannot be checked";
        } else if (*promised != runs) {
            reason = "ran " + std::to_string(runs) + " time(s) out of " + std::to_string(*promised);
        } else {
            continue;
        }
        verdict_.services[place.first].tests.modify(place.second, [&](TestRun& run) {
            run.state = TestState::unfinished;
            run.stop_reason = reason;
        });
    }
}

void VerdictBuilder::finish(const TracesFile& traces) {
    verdict_.complete = traces.complete;
    verdict_.last_line = traces.line_count;
    verdict_.program = links_.script_base();
    if (test_open_) {
        close_test(traces.complete ? left_test_reason : stopped_reason);
    } else {
        close_element(traces.complete ? left_element_reason : stopped_reason);
    }
    add_tests_not_run();
    check_runs();
    // A test's time goes with its last run.
    for (ServiceRun& service : verdict_.services) {
        for (std::size_t k = service.tests.size(); k-- > 0;) {
            auto time = test_times_.find(service.tests.record_at(k));
            if (time != test_times_.end()) {
                service.tests.modify(k,
                                     [&](TestRun& run) { run.wall_microseconds = time->second; });
                test_times_.erase(time);
            }
        }
    }
    Totals& totals = verdict_.totals;
    totals = Totals();
    for (const ServiceRun& service : verdict_.services) {
        ++totals.services;
        for (const TestRun& run : service.tests) {
            ++totals.tests;
            if (run.state == TestState::not_run) {
                ++totals.tests_not_run;
            } else if (run.state == TestState::not_selected) {
                ++totals.tests_not_selected;
            } else if (run.state == TestState::unfinished) {
                ++totals.tests_unfinished;
            } else if (run.has_failures()) {
                ++totals.tests_failed;
            }
            totals.elements += std::count_if(run.elements.begin(), run.elements.end(),
                                             [](const ElementRun& element) { return element.ran; });
            totals.checks_passed += run.passed;
            totals.checks_failed += run.failed;
            totals.recorded += run.recorded;
        }
    }
}

}  // namespace

std::string Verdict::verdict_word() const {
    if (!complete) {
        return "INCOMPLETE";
    }
    return passed() ? "PASSED" : "FAILED";
}

std::string Verdict::selection_note() const {
    if (totals.tests_not_selected == 0) {
        return {};
    }
    return " (" + std::to_string(totals.tests - totals.tests_not_selected) + " of " +
           std::to_string(totals.tests) + " tests selected)";
}

std::string Entry::expected_text() const {
    if (no_call) {
        return "no call";
    }
    // A range whose bounds are equal (a stub called exactly once) reads as
    // the one value it allows.
    if (low != high) {
        return "in [" + low + ", " + high + "]";
    }
    return low;
}

long TestRun::microseconds() const {
    return std::accumulate(
        elements.begin(), elements.end(), 0L,
        [](long sum, const ElementRun& element) { return sum + element.microseconds.value_or(0); });
}

static void describe_run(const LinkRecordFile& links, long record, RunNotes& notes) {
    if (record <= 0) return;
    for (const LinkRecord* note : links.notes_of(record)) {
        (note->kind == 'Q' ? notes.requirements : notes.comments).push_back(note->text);
    }
}

namespace {

// The verdict once every line is in: what the link records add to it.
void complete_verdict(VerdictBuilder& builder, const LinkRecordFile& links,
                      const TracesFile& traces, Verdict& verdict);

}  // namespace

struct VerdictAssembly::Parts {
    VerdictBuilder builder;
};

VerdictAssembly::VerdictAssembly(const LinkRecordFile& links, Verdict& verdict)
    : links_(links), verdict_(verdict) {
    verdict_ = Verdict();
    parts_.reset(new Parts{VerdictBuilder(links_, verdict_)});
}

VerdictAssembly::~VerdictAssembly() = default;

std::optional<Failure> VerdictAssembly::add(const TraceLine& line) {
    return parts_->builder.add(line);
}

void VerdictAssembly::finish(const TracesFile& traces) {
    complete_verdict(parts_->builder, links_, traces, verdict_);
}

VerdictReading read_verdict(const LinkRecordFile& links, std::string_view content,
                            TracesFile& traces, Verdict& verdict) {
    VerdictAssembly assembly(links, verdict);
    VerdictReading reading;
    reading.damaged = parse_traces(content, traces, [&](TraceLine&& line) {
        if (!reading.mismatch) {
            reading.mismatch = assembly.add(line);
        }
    });
    if (!reading.damaged && !reading.mismatch) {
        assembly.finish(traces);
    }
    return reading;
}

namespace {

void complete_verdict(VerdictBuilder& builder, const LinkRecordFile& links,
                      const TracesFile& traces, Verdict& verdict) {
    builder.finish(traces);
    // What the script says a service and a test are for.
    for (ServiceRun& service : verdict.services) {
        describe_run(links, service.record, service.notes);
        // Each test's notes, found once for all its runs.
        std::map<long, RunNotes> notes;
        for (std::size_t k = 0; k < service.tests.size(); ++k) {
            const long record = service.tests.record_at(k);
            auto found = notes.find(record);
            if (found == notes.end()) {
                found = notes.emplace(record, RunNotes()).first;
                describe_run(links, record, found->second);
            }
            if (!found->second.empty()) {
                service.tests.modify(k, [&](TestRun& run) { run.notes = found->second; });
            }
        }
    }
    // The statements the compilation said it dropped, cut short or changed
    // ("E24 CODE message"): the harness does not check what the script says.
    for (const LinkRecord& record : links.records) {
        if (record.kind == 'E' && record.number == dropped_statement_code) {
            const std::size_t blank = record.text.find(' ');
            verdict.dropped.push_back(blank == std::string::npos
                                          ? record.text
                                          : record.text.substr(blank + 1) + " [" +
                                                record.text.substr(0, blank) + "]");
        }
    }
}

}  // namespace

}  // namespace vx::report
