// The session of one run: opening the outputs with their banners and
// header records, closing them in their fixed order, and the process-wide
// access used by the statement handlers and generators.
#include "codegen/output/output_session.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "diag/process_end.h"
#include "diag/reporter.h"

namespace vx {

namespace {

OutputSession* installed_session = nullptr;

void abandon_installed_session() {
    if (installed_session != nullptr) {
        installed_session->abandon();
    }
}

}  // namespace

FoldMode fold_mode_for(int tested_language) {
    if (tested_language == tested_language_c) {
        return FoldMode::c;
    }
    if (tested_language == tested_language_cpp) {
        return FoldMode::cpp;
    }
    return FoldMode::other_language;
}

OutputSession::OutputSession(OutputSettings settings)
    : settings_(std::move(settings)),
      output_(flags_, settings_.vistal_log_path, settings_.rename_path),
      records_(flags_, settings_.no_edit) {}

OutputSession::~OutputSession() {
    if (installed_session == this) {
        install_output_session(nullptr);
    }
}

BannerText OutputSession::banner_text() const {
    return {settings_.script_language, settings_.command_echo, settings_.run_date,
            settings_.suppress_banner_lines};
}

std::vector<std::string> OutputSettings::output_paths() const {
    std::vector<std::string> paths;
    for (const std::string* path : {&generated_path, &declarations_path, &link_record_path,
                                    &const_path, &report_description_path, &config_header_path,
                                    &vistal_log_path, &rename_path, &details_path}) {
        if (!path->empty()) {
            paths.push_back(*path);
        }
    }
    return paths;
}

void OutputSession::create_with_banner(OutputFile& destination, const std::string& path,
                                       CommentDelimiters delimiters) {
    // The file is in its place before anything is written to it, so that
    // the cleanup of a failed write finds it.
    destination = output_.create_output(path);
    write_banner(destination, path, delimiters.start, delimiters.end, banner_text());
}

void OutputSession::start_outputs() {
    started_ = true;
    // The outputs come from the command line, not from a line of the
    // script: a failure to create one names the file alone.
    const bool located = has_reporter();
    const std::string report_file = located ? reporter().report_file() : std::string();
    const long report_line = located ? reporter().report_line() : 0;
    if (located) {
        set_report_file("");
        set_report_line(0);
    }
    const CommentDelimiters delimiters = comment_delimiters_for(settings_.tested_language);
    const BannerText banner = banner_text();

    create_with_banner(output_.generated_file(), settings_.generated_path, delimiters);
    create_with_banner(output_.declarations_file(), settings_.declarations_path, delimiters);

    records_.open(settings_.link_record_path, settings_.vistal_log_path, banner);
    records_.write_opening_records(settings_.absolute_script_path, settings_.command_option,
                                   settings_.command_echo);

    if (!settings_.const_path.empty()) {
        create_with_banner(output_.constants_file(), settings_.const_path, delimiters);
    }
    if (!settings_.report_description_path.empty()) {
        ReportDescriptionNames names = report_description_names(
            settings_.report_description_path, settings_.script_path, settings_.script_file_name);
        if (!settings_.report_path.empty()) {
            names.path = settings_.report_description_path;
            names.report_path = settings_.report_path;
            names.report_name = settings_.report_name;
        }
        description_.open(names, settings_.vistal_log_path, banner);
        records_.attach_report_description(&description_);
    }

    records_.write_run_records({settings_.run_date, settings_.target_option, settings_.sql_mode,
                                settings_.dbms_name, settings_.tested_language,
                                settings_.language_name, settings_.script_path,
                                settings_.source_path});
    if (located) {
        set_report_file(report_file);
        set_report_line(report_line);
    }
}

void OutputSession::finish_outputs(bool errors, const std::vector<UsageCount>& usage_counts) {
    if (!started_ || finished_) {
        return;
    }
    finished_ = true;
    const bool keep = !errors;

    // Text still held in an open element or test belongs to the harness.
    if (keep && output_.generated_file().is_open()) {
        output_.flush_section(SectionKind::element_pair);
        output_.flush_section(SectionKind::test_pair);
    }
    output_.discard_work_files();

    output_.declarations_file().close(keep);
    output_.constants_file().close(keep);
    output_.close_rename_list(keep);
    records_.close(keep);
    records_.attach_report_description(nullptr);
    description_.close(errors);
    output_.generated_file().close(keep);
    if (controlled_.is_open(ControlledFile::F_SOURCE)) {
        controlled_.file_action(ControlledFile::F_SOURCE, FileAction::A_FERMER_SAUV, {});
    }

    if (keep && !settings_.config_header_path.empty()) {
        create_config_header(settings_.config_header_path, usage_counts, settings_.vistal_log_path,
                             banner_text());
    }
}

void OutputSession::abandon() noexcept {
    output_.discard_work_files();
    output_.discard_open_outputs();
    records_.discard();
    description_.discard();
}

std::vector<UsageCount> merged_usage_counts(const std::vector<UsageCount>& usage_counts,
                                            std::string_view existing_text) {
    std::vector<UsageCount> merged = usage_counts;
    std::size_t start = 0;
    while (start < existing_text.size()) {
        std::size_t end = existing_text.find('\n', start);
        if (end == std::string_view::npos) end = existing_text.size();
        std::string_view line = existing_text.substr(start, end - start);
        start = end + 1;
        constexpr std::string_view define = "#define ";
        if (line.substr(0, define.size()) != define) continue;
        line.remove_prefix(define.size());
        const std::size_t blank = line.find(' ');
        if (blank == std::string_view::npos) continue;
        const std::string name(line.substr(0, blank));
        const std::string digits(line.substr(blank + 1));
        if (digits.empty() || digits.size() > 9 ||
            digits.find_first_not_of("0123456789") != std::string::npos) {
            continue;
        }
        const long count = std::stol(digits);
        auto same = std::find_if(merged.begin(), merged.end(),
                                 [&](const UsageCount& usage) { return usage.name == name; });
        if (same == merged.end()) {
            merged.push_back(UsageCount{name, count});
        } else if (same->count < count) {
            same->count = count;
        }
    }
    return merged;
}

void create_config_header(const std::string& path, const std::vector<UsageCount>& usage_counts,
                          std::string_view log_path, const BannerText& banner) {
    // Several scripts may be compiled into one directory, and each harness
    // there is built with this one header: a family of runtime macros that
    // an earlier harness uses must stay in, so each counter keeps the
    // larger of its old and new values.
    std::string existing;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) {
        std::ifstream in(path, std::ios::binary);
        existing.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<UsageCount> counts = merged_usage_counts(usage_counts, existing);
    const CommentDelimiters c_comment = comment_delimiter_table[tested_language_c];
    OutputFile file = create_output(path, log_path);
    write_banner(file, path, c_comment.start, c_comment.end, banner);
    for (const UsageCount& usage : counts) {
        file.write_line("#define " + usage.name + " " + std::to_string(usage.count));
    }
    file.close(true);
}

void install_output_session(OutputSession* session) {
    installed_session = session;
    if (session != nullptr) {
        set_work_file_cleanup(abandon_installed_session);
    } else {
        set_work_file_cleanup({});
    }
}

bool has_output_session() { return installed_session != nullptr; }

OutputSession& output_session() {
    if (installed_session == nullptr) {
        report_internal(msg::ERRINTFCT, std::string_view("output_session"));
    }
    return *installed_session;
}

SkipFlags& skip_flags() { return output_session().skip_flags(); }
bool output_enabled() { return output_session().skip_flags().output_enabled(); }

void write_line(std::string_view text) { output_session().output().write_line(text); }
void write_folded(std::string_view text, FoldMode mode) {
    output_session().output().write_folded(text, mode);
}
void write_folded_test_level(std::string_view text, FoldMode mode) {
    output_session().output().write_folded_test_level(text, mode);
}
void mark_element_head() { output_session().output().mark_element_head(); }

void write_element_head(std::string_view text, FoldMode mode) {
    output_session().output().write_element_head(text, mode);
}

void write_element_close(std::string_view text, FoldMode mode) {
    output_session().output().write_element_close(text, mode);
}
void write_test_close(std::string_view text) { output_session().output().write_test_close(text); }
void write_loop_head(std::string_view text, FoldMode mode) {
    output_session().output().write_loop_head(text, mode);
}
void write_main_prologue(std::string_view text) {
    output_session().output().write_main_prologue(text);
}
void write_main_epilogue(std::string_view text) {
    output_session().output().write_main_epilogue(text);
}
void write_declaration(std::string_view text, FoldMode mode) {
    output_session().output().write_declaration(text, mode);
}
void open_section(SectionKind kind) { output_session().output().open_section(kind); }
void flush_section(SectionKind kind) { output_session().output().flush_section(kind); }
void add_renamed_symbol(std::string_view name) {
    output_session().output().add_renamed_symbol(name);
}

LinkRecords& link_records() { return output_session().records(); }
void write_record(std::string_view text) { output_session().records().write_record(text); }
int record_number() { return output_session().records().record_number(); }

bool file_action(ControlledFile type, FileAction action, std::string_view path) {
    return output_session().controlled_files().file_action(type, action, path);
}
bool read_controlled_line(ControlledFile type, std::string& line) {
    return output_session().controlled_files().read_controlled_line(type, line);
}

}  // namespace vx
