// Building the verdict: one walk over the trace lines with a small state
// (current service, test run, element, stub context and aggregate depth).
// Service and test lines open new runs after their record numbers and
// names have been checked against the link records; element starts open
// elements; initial values, checks and notes are added to the current
// element, each named after its link record. Lines that come where no test
// or element is open (a hand-made harness may do that) are kept under
// stand-in runs rather than dropped.
#include "report/verdict.h"

#include <numeric>

namespace vx::report {

namespace {

constexpr std::string_view outside_service = "(outside any service)";
constexpr std::string_view outside_test = "(outside any test)";

std::string_view trim_right(std::string_view text)
{
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

class VerdictBuilder {
public:
    VerdictBuilder(const LinkRecordFile& links, Verdict& verdict)
        : links_(links), verdict_(verdict)
    {
    }

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
    ElementRun& element();
    void add_note(const TraceLine& line, std::string text);
    // The variable record of that number, or a failure naming what it is.
    std::optional<Failure> variable_record(const TraceLine& line, const LinkRecord*& record);
    std::string describe(long number) const;

    const LinkRecordFile& links_;
    Verdict& verdict_;
    bool service_open_ = false;
    bool test_open_ = false;
    long stub_ = 0;
    long stub_call_ = 0;
    int depth_ = 0;
    // The whole array whose element checks are being read, and the index
    // of the next one in declaration order.
    long array_mode_ = 0;
    long array_index_ = 0;
};

// The name of element `index` (in declaration order) of a whole array
// whose record names it with its dimensions ("m[2][3]"): "m[1][0]" for
// index 3. A negative index gives the bare name.
std::string array_element_name(const std::string& shape, long index)
{
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

Failure failure_at(const TraceLine& line, std::string message)
{
    return Failure{Source::traces, line.line, std::move(message)};
}

std::string VerdictBuilder::describe(long number) const
{
    const LinkRecord* record = links_.numbered(number);
    if (record == nullptr) {
        return "there is no record " + std::to_string(number) + " in the link record file";
    }
    return "record " + std::to_string(number) + " of the link record file is a \"" +
           std::string(1, record->kind) + "\" record (line " + std::to_string(record->file_line) +
           ")";
}

ServiceRun& VerdictBuilder::service()
{
    if (!service_open_) {
        ServiceRun run;
        run.name = std::string(outside_service);
        verdict_.services.push_back(std::move(run));
        service_open_ = true;
    }
    return verdict_.services.back();
}

TestRun& VerdictBuilder::test()
{
    ServiceRun& owner = service();
    if (!test_open_) {
        TestRun run;
        run.name = std::string(outside_test);
        owner.tests.push_back(std::move(run));
        test_open_ = true;
    }
    return owner.tests.back();
}

ElementRun& VerdictBuilder::element()
{
    TestRun& run = test();
    if (run.elements.empty()) {
        ElementRun first;
        first.ordinal = 1;
        std::vector<const LinkRecord*> described = links_.elements_of_test(run.record);
        if (!described.empty()) {
            first.location = links_.location_text(described.front()->location);
        }
        run.elements.push_back(std::move(first));
    }
    return run.elements.back();
}

void VerdictBuilder::add_note(const TraceLine& line, std::string text)
{
    Entry entry;
    entry.kind = EntryKind::note;
    entry.name = std::move(text);
    entry.depth = depth_;
    entry.trace_line = line.line;
    element().entries.push_back(std::move(entry));
}

std::optional<Failure> VerdictBuilder::variable_record(const TraceLine& line,
                                                       const LinkRecord*& record)
{
    record = links_.numbered(line.record);
    if (record == nullptr || !is_variable_kind(record->kind)) {
        return failure_at(line, "the trace names record " + std::to_string(line.record) +
                                    " as a variable, but " + describe(line.record));
    }
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_service(const TraceLine& line)
{
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'O') {
        return failure_at(line, "DCL_OP_C names service record " + std::to_string(line.record) +
                                    ", but " + describe(line.record));
    }
    if (trim_right(record->text) != trim_right(line.text)) {
        return failure_at(line, "service record " + std::to_string(line.record) + " is \"" +
                                    record->text + "\" in the link record file but \"" +
                                    line.text + "\" in the traces");
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

std::optional<Failure> VerdictBuilder::on_test(const TraceLine& line)
{
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'T') {
        return failure_at(line, "DCL_TST_C names test record " + std::to_string(line.record) +
                                    ", but " + describe(line.record));
    }
    if (trim_right(record->text) != trim_right(line.text)) {
        return failure_at(line, "test record " + std::to_string(line.record) + " is \"" +
                                    record->text + "\" in the link record file but \"" +
                                    line.text + "\" in the traces");
    }
    const LinkRecord* owner = links_.service_of_test(line.record);
    if (service_open_ && owner != nullptr && service().record != owner->number) {
        return failure_at(line, "test record " + std::to_string(line.record) +
                                    " belongs to service record " + std::to_string(owner->number) +
                                    " in the link record file, but follows service record " +
                                    std::to_string(service().record) + " in the traces");
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
    run.location = links_.location_text(record->location);
    for (const TestRun& earlier : owner_run.tests) {
        if (earlier.record == run.record) {
            ++run.iteration;
        }
    }
    owner_run.tests.push_back(std::move(run));
    test_open_ = true;
    stub_ = 0;
    stub_call_ = 0;
    depth_ = 0;
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_value(const TraceLine& line)
{
    Entry entry;
    entry.kind = line.kind == TraceKind::initial ? EntryKind::initial : EntryKind::check;
    entry.type = line.type;
    entry.outcome = line.outcome;
    entry.range = line.range;
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
    } else {
        const LinkRecord* record = nullptr;
        if (auto failure = variable_record(line, record)) {
            return failure;
        }
        VariableText text = split_variable_text(record->text);
        if (record->kind == 'A') {
            text.name = array_element_name(text.name, array_mode_ == line.record &&
                                                          entry.kind == EntryKind::check
                                                      ? array_index_++
                                                      : -1);
        }
        entry.name = stub_label.empty() ? text.name : stub_label + ": " + text.name;
        entry.script_expected = text.expected;
        entry.location = links_.location_text(record->location);
    }

    TestRun& run = test();
    if (entry.kind == EntryKind::check) {
        switch (entry.outcome) {
        case Outcome::passed: ++run.passed; break;
        case Outcome::failed: ++run.failed; break;
        case Outcome::recorded: ++run.recorded; break;
        }
    }
    element().entries.push_back(std::move(entry));
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_bracket(const TraceLine& line)
{
    if (line.kind == TraceKind::close_bracket) {
        if (depth_ > 0) {
            --depth_;
        }
        return std::nullopt;
    }
    const LinkRecord* record = nullptr;
    if (auto failure = variable_record(line, record)) {
        return failure;
    }
    Entry entry;
    entry.kind = EntryKind::group;
    entry.name = split_variable_text(record->text).name;
    entry.location = links_.location_text(record->location);
    entry.depth = depth_;
    entry.trace_line = line.line;
    element().entries.push_back(std::move(entry));
    ++depth_;
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::on_repetition(const TraceLine& line)
{
    const LinkRecord* record = links_.numbered(line.record);
    if (record == nullptr || record->kind != 'R') {
        return failure_at(line, "DCL_FAC_REP_C names repetition record " +
                                    std::to_string(line.record) + ", but " +
                                    describe(line.record));
    }
    add_note(line, "repeated " + std::to_string(line.value) + " time(s)");
    return std::nullopt;
}

std::optional<Failure> VerdictBuilder::add(const TraceLine& line)
{
    verdict_.last_line = line.line;
    switch (line.kind) {
    case TraceKind::service:
        return on_service(line);
    case TraceKind::test:
        return on_test(line);
    case TraceKind::repetition:
        return on_repetition(line);
    case TraceKind::element_start: {
        TestRun& run = test();
        ElementRun next;
        next.ordinal = static_cast<int>(run.elements.size()) + 1;
        std::vector<const LinkRecord*> described = links_.elements_of_test(run.record);
        if (static_cast<std::size_t>(next.ordinal) <= described.size()) {
            next.location = links_.location_text(described[next.ordinal - 1]->location);
        }
        run.elements.push_back(std::move(next));
        depth_ = 0;
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
        return std::nullopt;
    case TraceKind::stub_call:
    {
        std::string name = links_.stub_of_record(line.record);
        std::string stub = name.empty() ? "the stub of record " + std::to_string(line.record)
                                        : "stub " + name;
        if (line.flag) {
            add_note(line, "call " + std::to_string(line.value) + " of " + stub +
                               " did not match the calls described");
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
        add_note(line, "runtime warning: " + line.text);
        return std::nullopt;
    case TraceKind::end_test:
        if (test_open_) {
            test().ended = true;
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
    case TraceKind::constant_mode_on:
    case TraceKind::constant_mode_off:
    case TraceKind::end_file:
        return std::nullopt;
    }
    return std::nullopt;
}

void VerdictBuilder::finish(const TracesFile& traces)
{
    verdict_.complete = traces.complete;
    verdict_.last_line = traces.line_count;
    verdict_.program = links_.script_base();
    Totals& totals = verdict_.totals;
    totals = Totals();
    for (const ServiceRun& service : verdict_.services) {
        ++totals.services;
        for (const TestRun& run : service.tests) {
            ++totals.tests;
            if (run.has_failures()) {
                ++totals.tests_failed;
            }
            totals.elements += static_cast<long>(run.elements.size());
            totals.checks_passed += run.passed;
            totals.checks_failed += run.failed;
            totals.recorded += run.recorded;
        }
    }
}

}  // namespace

std::string Entry::expected_text() const
{
    if (range || low != high) {
        return "in [" + low + ", " + high + "]";
    }
    return low;
}

long TestRun::microseconds() const
{
    return std::accumulate(elements.begin(), elements.end(), 0L,
                           [](long sum, const ElementRun& element) {
                               return sum + element.microseconds.value_or(0);
                           });
}

std::optional<Failure> build_verdict(const LinkRecordFile& links, const TracesFile& traces,
                                     Verdict& verdict)
{
    verdict = Verdict();
    VerdictBuilder builder(links, verdict);
    for (const TraceLine& line : traces.lines) {
        if (auto failure = builder.add(line)) {
            return failure;
        }
    }
    builder.finish(traces);
    return std::nullopt;
}

}  // namespace vx::report
