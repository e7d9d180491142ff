// The output session of one run: the output machinery, the link records and
// the report description, created together by the compile driver and handed
// to the statement handlers and the generators.
//
// The driver fills OutputSettings from its settings and derived names,
// builds the session with the run's reporter, and then:
//
//   session.start_outputs();      // outputs created, header records written
//   ... include scan, reading and dispatching of the script, main ...
//   session.finish_outputs(reporter.error_count() > 0, usage_counts);
//
// start_outputs creates, in this order, the generated file and the
// declarations file with the banner of the tested language, the link record
// file with its banner, writes "E11 0" and "C0 ", creates the constants
// file of -CONST (same banner as the generated file) and the report
// description of -TSF with its opening records, and writes the remaining
// header records ("H0 " to "E5  ").
//
// finish_outputs closes in this order: the sections held in memory (an
// element or test still open is first appended to the generated file), the declarations
// file, the constants file and the rename list, the link record file, the
// report description, the generated file; after a run with errors each
// output is deleted instead of kept.
// Then, when there was no error and a configuration header is named, that
// header is created with a C comment banner and one "#define" line per
// usage count.
//
// While the session lives, its reporter runs its cleanup before a fatal or
// internal end: the text held in memory is forgotten, and every output
// still open is closed and deleted, since an output cut short by a fatal
// error is not a usable result (a build tool comparing dates would take a
// half-written harness for an up-to-date one).
#pragma once

#include "codegen/output/banner.h"
#include "codegen/output/folding.h"
#include "codegen/language_tables.h"
#include "codegen/link_records.h"
#include "codegen/output/output_machinery.h"
#include "codegen/report_description.h"

#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;
class RunFiles;

// Everything the file side of a run needs, filled by the driver.
struct OutputSettings {
    // The run.
    int tested_language = tested_language_c;
    int script_language = script_language_gb;
    std::string language_name = "C";     // "C" or "CSQL"
    bool sql_mode = false;               // language "CSQL"
    std::string dbms_name;               // -DBMS, lower-cased ("oracle" by default)
    std::string target_option;           // the -TARGET value, empty when not given
    std::string command_echo;            // the normalised command line
    std::string command_option;          // the -COMMAND value, empty when not given
    std::string run_date;                // ctime form without newline
    bool suppress_banner_lines = false;  // banners without command and date lines
    bool no_edit = false;                // -NOEDIT

    // The script and the source file.
    std::string script_path;           // normalised script path
    std::string absolute_script_path;  // for "E11 0", empty when it cannot be examined
    std::string script_file_name;      // file name without directory
    std::string source_path;           // -SOURCE, empty when not given

    // The outputs.
    std::string generated_path;           // normalised generated path
    std::string declarations_path;        // the .ic file
    std::string link_record_path;         // the .tdc file
    std::string config_header_path;       // vexor_cfg.h, empty for none
    std::string const_path;               // -CONST, empty when not given
    std::string report_description_path;  // -TSF, empty when not given
    // The .xrd names; when left empty they are derived from the -TSF value
    // (report_description_names), which is then normalised as well.
    std::string report_path;      // its directory + base + ".xrd"
    std::string report_name;      // its base + ".xrd"
    std::string vistal_log_path;  // -VISTAL_LOG, empty for none
    std::string rename_path;      // -RENAME, empty for none
    std::string details_path;     // the listing of the run, empty for none

    // Every file the run writes, as named (empty names left out). No input
    // of the run may be one of them.
    std::vector<std::string> output_paths() const;
};

// One line of the configuration header: "#define " + name + " " + count.
struct UsageCount {
    std::string name;
    long count = 0;
};

// The fold mode of generated C text for a tested language.
FoldMode fold_mode_for(int tested_language);

class OutputSession {
public:
    // While the session lives, a run that stops early (fatal or internal
    // report, crash, signal) abandons it first: its outputs are deleted.
    OutputSession(OutputSettings settings, Reporter& reporter, RunFiles& files);
    ~OutputSession();
    OutputSession(const OutputSession&) = delete;
    OutputSession& operator=(const OutputSession&) = delete;

    const OutputSettings& settings() const { return settings_; }
    BannerText banner_text() const;

    OutputMachinery& output() { return output_; }
    LinkRecords& records() { return records_; }
    const std::string& stamp() const { return stamp_; }
    ReportDescription& report_description() { return description_; }
    Reporter& reporter() { return reporter_; }
    RunFiles& files() { return files_; }

    // The generators' short ways to the parts above.
    bool output_enabled() const { return output_.enabled(); }
    void write_line(std::string_view text) { output_.write_line(text); }
    void write_folded(std::string_view text, FoldMode mode) { output_.write_folded(text, mode); }
    void write_folded_test_level(std::string_view text, FoldMode mode) {
        output_.write_folded_test_level(text, mode);
    }
    void write_element_close(std::string_view text, FoldMode mode) {
        output_.write_element_close(text, mode);
    }
    void mark_element_head() { output_.mark_element_head(); }
    void write_element_head(std::string_view text, FoldMode mode) {
        output_.write_element_head(text, mode);
    }
    void write_test_close(std::string_view text) { output_.write_test_close(text); }
    void write_loop_head(std::string_view text, FoldMode mode) {
        output_.write_loop_head(text, mode);
    }
    void write_main_prologue(std::string_view text) { output_.write_main_prologue(text); }
    void write_main_epilogue(std::string_view text) { output_.write_main_epilogue(text); }
    void write_declaration(std::string_view text, FoldMode mode) {
        output_.write_declaration(text, mode);
    }
    void open_section(SectionKind kind) { output_.open_section(kind); }
    void flush_section(SectionKind kind) { output_.flush_section(kind); }
    void add_renamed_symbol(std::string_view name) { output_.add_renamed_symbol(name); }
    void write_record(std::string_view text) { records_.write_record(text); }
    int record_number() { return records_.record_number(); }

    // Creates the outputs and writes the header records.
    void start_outputs();
    // Closes, assembles, keeps or deletes the outputs, and writes the
    // configuration header after a run without error. Does nothing
    // before start_outputs or a second time.
    // Before closing, the declarations file receives the stamp of the
    // compilation ("#define VXU_STAMP"), and the link record file one
    // record "E24 CODE message" per statement a warning says was dropped,
    // cut short or changed, then its end record "Z" + count of the lines
    // before it + " " + stamp.
    void finish_outputs(bool errors, const std::vector<UsageCount>& usage_counts = {});

    // The cleanup of a run that stops early: the text held in memory is
    // forgotten and every output still open is closed and deleted, without
    // any report.
    void abandon() noexcept;

private:
    void create_with_banner(OutputFile& destination, const std::string& path,
                            CommentDelimiters delimiters);

    Reporter& reporter_;
    RunFiles& files_;
    OutputSettings settings_;
    OutputMachinery output_;
    LinkRecords records_;
    ReportDescription description_;
    bool started_ = false;
    bool finished_ = false;
    // The stamp of this compilation: the declarations file hands it to the
    // harness, which writes it in its traces, and the link record file ends
    // with it, so that the report never matches the traces of one
    // compilation against the link records of another.
    std::string stamp_;
};

// 16 hexadecimal digits that differ from one compilation to the next.
std::string new_compilation_stamp();

// Creates the configuration header with a "/*" "*/" banner and one line
// "#define " + name + " " + count per usage count, and closes it.
// The counters of a new configuration header, given the text of the one
// already in its place (empty when there is none): each counter is the
// larger of the two, and counters only the old one names are kept.
std::vector<UsageCount> merged_usage_counts(const std::vector<UsageCount>& usage_counts,
                                            std::string_view existing_text);

// The caller holds the lock of the header's directory.
void create_config_header(Reporter& reporter, const RunFiles& files, const std::string& path,
                          const std::vector<UsageCount>& usage_counts, std::string_view log_path,
                          const BannerText& banner);

}  // namespace vx
