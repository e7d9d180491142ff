// Writing the text report. Each element lists its entries in trace order
// with a four-letter tag ("ok", "FAIL", "rec", "init", "note"), indented by
// aggregate depth; each test run ends with its own verdict line and the
// report with the totals and the overall verdict. In quiet mode only the
// failed checks are listed, with the headings they need.
#include "report/output/text_report.h"

#include <cstdio>

namespace vx::report {

// " in 12.3 ms": the test's wall-clock time, when the harness measured it.
std::string test_time_text(const TestRun& run) {
    if (!run.wall_microseconds) {
        return {};
    }
    const long us = *run.wall_microseconds;
    if (us < 1000) {
        return " in " + std::to_string(us) + " us";
    }
    char text[32];
    std::snprintf(text, sizeof text, " in %.1f ms", static_cast<double>(us) / 1000.0);
    return text;
}

namespace {

constexpr std::string_view service_indent = "";
constexpr std::string_view test_indent = "  ";
constexpr std::string_view element_indent = "    ";
constexpr std::string_view entry_indent = "      ";
constexpr std::string_view depth_indent = "  ";

std::string_view tag_of(const Entry& entry) {
    switch (entry.kind) {
        case EntryKind::initial:
            return "init";
        case EntryKind::group:
            return "    ";
        case EntryKind::note:
            return "note";
        case EntryKind::problem:
            return "FAIL";
        case EntryKind::stop:
            return "STOP";
        case EntryKind::given:
            return "gives";
        case EntryKind::check:
            break;
    }
    switch (entry.outcome) {
        case Outcome::passed:
            return "ok  ";
        case Outcome::failed:
            return "FAIL";
        case Outcome::recorded:
            return "rec ";
    }
    return "    ";
}

std::string entry_text(const Entry& entry) {
    switch (entry.kind) {
        case EntryKind::initial:
        case EntryKind::given:
            return entry.name + " = " + entry.obtained;
        case EntryKind::group:
            return entry.name + ":";
        case EntryKind::note:
        case EntryKind::problem:
        case EntryKind::stop:
            return entry.name;
        case EntryKind::check:
            break;
    }
    if (entry.outcome == Outcome::recorded) {
        return entry.name + " = " + entry.obtained;
    }
    return check_summary(entry);
}

std::string plural(long count, std::string_view word) {
    return std::to_string(count) + " " + std::string(word) + (count == 1 ? "" : "s");
}

class TextWriter {
public:
    TextWriter(const TextOptions& options, std::ostream& out) : options_(options), out_(out) {}

    void write(const Verdict& verdict);

private:
    void write_entry(const Entry& entry);
    void heading_service(const ServiceRun& service);
    void heading_test(const TestRun& run);
    void heading_element(const ElementRun& element);
    void heading_service_if_pending() {
        if (pending_service_ != nullptr) {
            heading_service(*pending_service_);
            pending_service_ = nullptr;
        }
    }

    const TextOptions& options_;
    std::ostream& out_;
    const ServiceRun* pending_service_ = nullptr;
    const TestRun* pending_test_ = nullptr;
    const ElementRun* pending_element_ = nullptr;
};

std::string with_location(std::string text, const std::string& location) {
    if (!location.empty()) {
        text += "  (" + location + ")";
    }
    return text;
}

void write_notes(std::ostream& out, std::string_view indent, const RunNotes& notes) {
    for (const std::string& requirement : notes.requirements) {
        out << indent << "requirement: " << requirement << '\n';
    }
    for (const std::string& comment : notes.comments) {
        out << indent << "comment: " << comment << '\n';
    }
}

void TextWriter::heading_service(const ServiceRun& service) {
    out_ << service_indent << with_location("SERVICE " + service.name, service.location) << '\n';
    write_notes(out_, test_indent, service.notes);
}

void TextWriter::heading_test(const TestRun& run) {
    out_ << test_indent << with_location("TEST " + test_label(run), run.location) << '\n';
    write_notes(out_, element_indent, run.notes);
}

void TextWriter::heading_element(const ElementRun& element) {
    out_ << element_indent
         << with_location("ELEMENT " + std::to_string(element.ordinal), element.location) << '\n';
}

void TextWriter::write_entry(const Entry& entry) {
    // What the stubs give back is the page's: the listing stays the list
    // of checks.
    if (entry.kind == EntryKind::given) {
        return;
    }
    if (options_.quiet) {
        if (entry.outcome != Outcome::failed ||
            (entry.kind != EntryKind::check && entry.kind != EntryKind::problem &&
             entry.kind != EntryKind::stop)) {
            return;
        }
        // Headings are written the first time something below them is.
        heading_service_if_pending();
        if (pending_test_ != nullptr) {
            heading_test(*pending_test_);
            pending_test_ = nullptr;
        }
        if (pending_element_ != nullptr) {
            heading_element(*pending_element_);
            pending_element_ = nullptr;
        }
    }
    out_ << entry_indent;
    out_ << depth_prefix(entry.depth, depth_indent);
    out_ << entry_line(entry) << '\n';
}

void TextWriter::write(const Verdict& verdict) {
    for (const ServiceRun& service : verdict.services) {
        if (options_.quiet) {
            pending_service_ = &service;
        } else {
            heading_service(service);
        }
        for (const TestRun& run : service.tests) {
            if (options_.quiet) {
                pending_test_ = &run;
            } else {
                heading_test(run);
            }
            for (const ElementRun& element : run.elements) {
                if (options_.quiet) {
                    pending_element_ = &element;
                } else {
                    heading_element(element);
                }
                for (const Entry& entry : element.entries) {
                    write_entry(entry);
                }
            }
            if (options_.quiet && run.has_failures() && pending_test_ != nullptr) {
                heading_service_if_pending();
                heading_test(run);
                pending_test_ = nullptr;
            }
            if (!options_.quiet || run.has_failures()) {
                out_ << test_indent << "TEST " << test_label(run) << ": " << test_outcome(run)
                     << test_time_text(run) << "\n";
            }
        }
    }
    for (const std::string& warning : verdict.warnings) {
        out_ << "WARNING: " << warning << '\n';
    }
    for (const std::string& dropped : verdict.dropped) {
        out_ << "DROPPED: " << dropped << '\n';
    }
    const Totals& totals = verdict.totals;
    out_ << "TOTAL: " << plural(totals.services, "service") << ", " << plural(totals.tests, "test")
         << " ("
         << totals.tests - totals.tests_failed - totals.tests_unfinished - totals.tests_not_run -
                totals.tests_not_selected
         << " passed, " << totals.tests_failed << " failed, " << totals.tests_unfinished
         << " did not finish, " << totals.tests_not_run << " did not run"
         << (totals.tests_not_selected > 0
                 ? ", " + std::to_string(totals.tests_not_selected) + " not selected"
                 : std::string())
         << "), " << plural(totals.elements, "element") << ", "
         << plural(totals.checks_passed + totals.checks_failed, "check") << " ("
         << totals.checks_passed << " passed, " << totals.checks_failed << " failed), "
         << totals.recorded << " recorded\n";
    out_ << "VERDICT: " << verdict.verdict_word() << verdict.selection_note() << '\n';
}

}  // namespace

std::string test_outcome(const TestRun& run) {
    const std::string checks = plural(run.passed + run.failed, "check");
    switch (run.state) {
        case TestState::not_run:
            return "NOT RUN (the link records describe it, the harness never began it)";
        case TestState::not_selected:
            return "not selected";
        case TestState::unfinished:
            return "FAILED (" + run.stop_reason +
                   (run.failed > 0 ? "; " + std::to_string(run.failed) + " of " + checks + " failed"
                                   : "; " + checks + " before it") +
                   ")";
        case TestState::finished:
            break;
    }
    if (run.failed > 0) {
        return "FAILED (" + std::to_string(run.failed) + " of " + checks + " failed)";
    }
    if (run.no_runs) {
        return "passed (ran no time: its repetition count is 0)";
    }
    return "passed (" + checks + ")";
}

std::string check_summary(const Entry& entry) {
    std::string text =
        entry.name + ": obtained " + entry.obtained + ", expected " + entry.expected_text();
    if (!entry.script_expected.empty() && entry.script_expected != entry.low) {
        text += " (script: " + entry.script_expected + ")";
    }
    return text;
}

std::string depth_prefix(int depth, std::string_view step) {
    std::string prefix;
    const int shown = depth < max_indented_depth ? depth : max_indented_depth;
    for (int i = 0; i < shown; ++i) {
        prefix += step;
    }
    if (depth > max_indented_depth) {
        prefix += "[depth " + std::to_string(depth) + "] ";
    }
    return prefix;
}

std::string entry_line(const Entry& entry) {
    return std::string(tag_of(entry)) + "  " + with_location(entry_text(entry), entry.location);
}

std::string test_label(const TestRun& run) {
    if (run.iteration > 1) {
        return run.name + " (run " + std::to_string(run.iteration) + ")";
    }
    return run.name;
}

std::string traces_stop_text(std::optional<long> last_line, bool cut_line) {
    return std::string(cut_line ? "the last line is cut short and " : "") + "the traces " +
           (last_line ? "stop at line " + std::to_string(*last_line) : std::string("end")) +
           " without their end line \"F\": the harness stopped before CLF_C (a crash or an exit "
           "in the code under test?)";
}

void write_text_report(const Verdict& verdict, const TextOptions& options, std::ostream& out) {
    TextWriter writer(options, out);
    writer.write(verdict);
}

}  // namespace vx::report
