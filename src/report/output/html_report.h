// The verdict as one self-contained HTML page: inline style and a little
// inline script, nothing fetched from anywhere, readable in any browser
// and as a CI artefact. A summary band, then services, tests and elements
// as folding blocks (failures open, passes folded, a "failures only"
// switch), each check with obtained and expected values and its script
// line, and the coverage of the unit when there is any.
//
// The page quotes files the link records and gcov name, so it quotes only
// what belongs to the run: a script line only from a script whose size and
// hash are those its "E23" record gives (otherwise the location alone), a
// source of the coverage only when it lies under the source root.
#pragma once

#include "report/output/coverage.h"
#include "report/input/link_record_file.h"
#include "report/verdict.h"

#include <optional>
#include <string>

namespace vx::report {

struct HtmlInputs {
    const Verdict* verdict = nullptr;
    const LinkRecordFile* links = nullptr;
    const CoverageData* coverage = nullptr;  // may be null
    std::string run_date;                    // when the traces were written
    std::string stop_note;                   // why the traces stop early, when they do
    // The sources of the coverage section are shown line by line only when
    // they lie under this directory (none when it is empty).
    std::string source_root;
};

std::string html_document(const HtmlInputs& inputs);

// Escapes a text for HTML: markup characters become entities, control
// characters a visible replacement, and bytes that are not UTF-8 are read
// as Latin-1, so that the page always parses and never runs what it shows.
std::string html_escape(std::string_view text);

bool write_html(const HtmlInputs& inputs, const std::string& path, std::string& error);

}  // namespace vx::report
