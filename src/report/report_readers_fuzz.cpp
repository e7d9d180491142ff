// Fuzz target for vexorreport's readers: the input is a link record file
// and a traces file separated by the first NUL byte (a traces file alone
// when there is none), read, matched into a verdict and written as text and
// as JUnit XML and as the HTML page, as the program does (the page reads
// the scripts the link records name, whatever file that is, and must
// quote nothing of one that is not the compiled script). Refusals are
// expected; crashes, hangs, quadratic blow-ups and sanitizer reports are
// not.
#include "report/verdict_testing.h"
#include "report/output/html_report.h"
#include "report/output/junit_testing.h"
#include "report/input/link_record_file.h"
#include "report/output/text_report.h"
#include "report/input/traces.h"
#include "report/verdict.h"

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string_view links_text;
    std::string_view traces_text = input;
    if (std::size_t nul = input.find('\0'); nul != std::string_view::npos) {
        links_text = input.substr(0, nul);
        traces_text = input.substr(nul + 1);
    }

    vx::report::LinkRecordFile links;
    const bool links_read = !vx::report::parse_link_records(links_text, links);
    vx::report::TracesFile traces;
    if (vx::report::parse_traces(traces_text, traces) || !links_read) {
        return 0;
    }
    vx::report::Verdict verdict;
    if (vx::report::build_verdict(links, traces, verdict)) {
        return 0;
    }
    std::ostringstream text;
    vx::report::write_text_report(verdict, {}, text);
    vx::report::write_text_report(verdict, {true}, text);
    (void)vx::report::junit_document(verdict);
    vx::report::HtmlInputs page;
    page.verdict = &verdict;
    page.links = &links;
    (void)vx::report::html_document(page);
    return 0;
}
