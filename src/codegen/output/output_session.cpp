// The session of one run: opening the outputs with their banners and
// header records, closing them in their fixed order, and the process-wide
// access used by the statement handlers and generators.
#include "codegen/output/output_session.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <random>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "diag/file_guard.h"
#include "diag/process_end.h"
#include "diag/reporter.h"
#include "diag/signal_cleanup.h"
#include "support/languages.h"
#include "support/paths.h"

namespace vx {

namespace {

// An exclusive lock on a directory (flock on the directory itself, so that
// no lock file is left beside the outputs), released at the end of the
// scope. Without a lock (a file system that has none) the merge goes on
// unlocked, as before.
class DirectoryLock {
public:
    explicit DirectoryLock(const std::string& directory) {
        descriptor_ =
            ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (descriptor_ < 0) return;
        while (::flock(descriptor_, LOCK_EX) != 0 && errno == EINTR) {
        }
    }
    ~DirectoryLock() {
        if (descriptor_ >= 0) ::close(descriptor_);
    }
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

private:
    int descriptor_ = -1;
};

std::string directory_of(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
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

OutputSession::OutputSession(OutputSettings settings, Reporter& reporter, RunFiles& files)
    : reporter_(reporter),
      files_(files),
      settings_(std::move(settings)),
      output_(reporter, files, settings_.vistal_log_path, settings_.rename_path),
      records_(reporter, files, settings_.no_edit),
      stamp_(new_compilation_stamp()) {
    reporter_.set_cleanup(this, [this] { abandon(); });
}

OutputSession::~OutputSession() { reporter_.remove_cleanup(this); }

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
    const std::string report_file = reporter_.report_file();
    const long report_line = reporter_.report_line();
    reporter_.set_report_file("");
    reporter_.set_report_line(0);
    const CommentDelimiters delimiters = comment_delimiters_for(settings_.tested_language);
    const BannerText banner = banner_text();

    create_with_banner(output_.generated_file(), settings_.generated_path, delimiters);
    // The C compilers read line directives: their messages and debuggers
    // then point at the script's lines.
    if (settings_.tested_language == tested_language_c ||
        settings_.tested_language == tested_language_cpp) {
        output_.map_lines(absolute_file_name(settings_.generated_path));
    }
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
        description_.open(reporter_, files_, names, settings_.vistal_log_path, banner);
        records_.attach_report_description(&description_);
    }

    records_.write_run_records({settings_.run_date, settings_.target_option, settings_.sql_mode,
                                settings_.dbms_name, settings_.tested_language,
                                settings_.language_name, settings_.script_path,
                                settings_.source_path});
    reporter_.set_report_file(report_file);
    reporter_.set_report_line(report_line);
}

void OutputSession::finish_outputs(bool errors, const std::vector<UsageCount>& usage_counts) {
    if (!started_ || finished_) {
        return;
    }
    finished_ = true;
    const bool keep = !errors;
    // The shared configuration header is merged under a lock on its
    // directory, taken before the ending signals are held: waiting for
    // another compilation to release it stays interruptible.
    std::optional<DirectoryLock> lock;
    if (keep && !settings_.config_header_path.empty()) {
        lock.emplace(directory_of(settings_.config_header_path));
    }
    // Every input has been read: a log of created files that is one of
    // them is refused before any output is put in place, so that the run
    // never leaves some outputs new and the others old.
    if (keep && !settings_.vistal_log_path.empty() &&
        files_.is_input(file_identity(settings_.vistal_log_path))) {
        throw reporter_.fatal(msg::FICENTSOR, settings_.vistal_log_path);
    }
    const EndingSignalsHeld held;

    // Text still held in an open element or test belongs to the harness.
    if (keep && output_.generated_file().is_open()) {
        output_.flush_section(SectionKind::element_pair);
        output_.flush_section(SectionKind::test_pair);
    }
    output_.discard_sections();

    if (keep) {
        OutputFile& declarations = output_.declarations_file();
        if (declarations.is_open()) {
            declarations.write_line("#undef VXU_STAMP");
            declarations.write_line("#define VXU_STAMP \"" + stamp_ + "\"");
        }
        if (records_.is_open()) {
            // Each statement a warning says was dropped, cut short or
            // changed: the report gives no PASSED to this script.
            for (const Reporter::DroppedStatement& dropped : reporter_.dropped_statements()) {
                records_.write_record("E24 " + dropped.code + " " + dropped.text);
            }
            records_.write_end_record(stamp_);
        }
    }
    output_.declarations_file().close(keep);
    output_.constants_file().close(keep);
    output_.close_rename_list(keep);
    records_.close(keep);
    records_.attach_report_description(nullptr);
    description_.close(errors);
    output_.generated_file().close(keep);

    if (keep && !settings_.config_header_path.empty()) {
        create_config_header(reporter_, files_, settings_.config_header_path, usage_counts,
                             settings_.vistal_log_path, banner_text());
    }
}

std::string new_compilation_stamp() {
    // The clock, the process and a draw of the system's random source,
    // mixed: two compilations in the same nanosecond of two processes, or
    // of one process, still differ.
    std::uint64_t state = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    state ^= static_cast<std::uint64_t>(::getpid()) << 32;
    static std::uint64_t drawn = 0;
    state ^= ++drawn * 0x9e3779b97f4a7c15ULL;
    try {
        std::random_device device;
        state ^= (static_cast<std::uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        // No random source: the clock and the process remain.
    }
    // splitmix64's finaliser spreads every bit of the state.
    state ^= state >> 30;
    state *= 0xbf58476d1ce4e5b9ULL;
    state ^= state >> 27;
    state *= 0x94d049bb133111ebULL;
    state ^= state >> 31;
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(state));
    return text;
}

void OutputSession::abandon() noexcept {
    output_.discard_sections();
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

void create_config_header(Reporter& reporter, const RunFiles& files, const std::string& path,
                          const std::vector<UsageCount>& usage_counts, std::string_view log_path,
                          const BannerText& banner) {
    // Several scripts may be compiled into one directory, and each harness
    // there is built with this one header: a family of runtime macros that
    // an earlier harness uses must stay in, so each counter keeps the
    // larger of its old and new values.
    //
    // Two compilations into one directory at once (make -j) must not both
    // read the old header and each write back only its own counters: the
    // caller holds the directory's lock from the read to the rename.
    std::string existing;
    std::error_code ignored;
    if (std::filesystem::is_regular_file(path, ignored)) {
        std::ifstream in(path, std::ios::binary);
        existing.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    const std::vector<UsageCount> counts = merged_usage_counts(usage_counts, existing);
    const CommentDelimiters c_comment = comment_delimiter_table[tested_language_c];
    OutputFile file = create_output(reporter, files, path, log_path);
    write_banner(file, path, c_comment.start, c_comment.end, banner);
    for (const UsageCount& usage : counts) {
        file.write_line("#define " + usage.name + " " + std::to_string(usage.count));
    }
    file.close(true);
}

}  // namespace vx
