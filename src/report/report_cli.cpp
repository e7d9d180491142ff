// The command line: options are read wherever they stand, the two
// positional arguments are the link record file and the traces file. Both
// files are read whole, parsed, matched into a verdict, and the verdict is
// printed (and written as JUnit XML when asked). With --depfile the two
// positional arguments are the target of the rule and the link record
// file, and the dependency file of the compilation is written instead.
// Every refusal is one message "vexorreport: FILE:LINE: why" and the exit
// status 2.
//
// No output is written over another output or over a file the report
// reads (the link records, the traces, the .gcda files, the scripts the
// page quotes, the sources of the coverage): files are compared by device
// and inode, and names that lead nowhere yet by the name their links
// resolve to. Every clash is found before anything is written; like any
// refusal, it leaves in each output that is not an input a "no verdict"
// in place of an older run's verdict.
#include "report/report_cli.h"

#include "report/output/coverage.h"
#include "report/output/coverage_export.h"
#include "diag/file_guard.h"
#include "report/output/depfile.h"
#include "report/output/html_report.h"
#include "report/output/index_page.h"
#include "report/output/junit.h"
#include "report/output/report_file.h"
#include "report/input/link_record_file.h"
#include "report/output/text_report.h"
#include "report/input/traces.h"
#include "report/verdict.h"
#include "support/identity.h"
#include "support/text.h"

#include <QDateTime>
#include <QFileInfo>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

extern char** environ;

namespace vx::report {

namespace {

constexpr std::string_view program_name = "vexorreport";
constexpr std::string_view usage_text =
    "usage: vexorreport [--junit FILE] [--html FILE] [--coverage DIR]\n"
    "                   [--lcov FILE] [--cobertura FILE] [--fail-under-line P]\n"
    "                   [--fail-under-branch P] [--source-root DIR] [--quiet]\n"
    "                   FILE.tdc FILE.rio\n"
    "       vexorreport --depfile OUT [--include-dir DIR]... TARGET FILE.tdc\n"
    "       vexorreport --index LIST --html INDEX.html [--lcov FILE] [--cobertura FILE]\n"
    "                   [--fail-under-line P] [--fail-under-branch P] [--source-root DIR]\n"
    "  FILE.tdc      link record file written by vexorprepro\n"
    "  FILE.rio      traces file written by the harness\n"
    "  --junit FILE  also write the verdict as JUnit XML to FILE\n"
    "  --html FILE   also write the verdict as one self-contained HTML page\n"
    "  --coverage DIR  add the line and branch coverage of the unit, measured by\n"
    "                gcov from the .gcda files under DIR (a unit built with\n"
    "                gcc --coverage)\n"
    "  --gcov PROGRAM  the gcov to run (default gcov)\n"
    "  --lcov FILE   also write the coverage as an lcov tracefile (with --coverage)\n"
    "  --cobertura FILE  also write the coverage as Cobertura XML (with --coverage)\n"
    "  --fail-under-line P  exit with 1 when less than P percent of the lines of\n"
    "                the unit ran (with --coverage)\n"
    "  --fail-under-branch P  the same for the branches taken\n"
    "  --source-root DIR  the HTML page shows the text of a covered source only\n"
    "                when it lies under DIR (default: the directory of the main\n"
    "                script of FILE.tdc); the lcov and Cobertura files name the\n"
    "                sources relative to DIR (default: the directory they share)\n"
    "  --quiet       list only the failed checks and the totals\n"
    "  --depfile OUT write to OUT the Make rule \"TARGET: inputs\" naming the\n"
    "                scripts and headers the compilation of FILE.tdc read\n"
    "  --include-dir DIR  a directory the compilation searched for headers\n"
    "                (its -INCL directories, in their order)\n"
    "  --index LIST  write the index of a project's scripts to the --html file: LIST\n"
    "                holds one script a line, NAME, its .tdc, its traces, its page\n"
    "                and its coverage directory, separated by tabs (the last two\n"
    "                may be empty); the exports and thresholds take the coverage\n"
    "                of all the scripts together\n"
    "  --help, -h    this help;  --version  the name and version of the program\n"
    "exit status: 0 every test ran to its end and every check passed, 1 a check\n"
    "             failed or a test did not finish or did not run, or the coverage\n"
    "             is below a --fail-under threshold, 2 unusable input\n"
    "             (damaged or cut files, traces of another compilation) or traces\n"
    "             cut short (verdict INCOMPLETE)\n"
    "             (with --depfile: 0 written, 2 not written)\n";

struct Arguments {
    std::string link_records;
    std::string traces;
    std::string junit;
    std::string html;
    std::string coverage;
    std::string gcov = "gcov";
    std::string lcov;
    std::string cobertura;
    std::optional<double> fail_under_line;
    std::optional<double> fail_under_branch;
    std::string source_root;
    std::string depfile;
    std::string depfile_target;
    std::string index;
    std::vector<std::string> include_dirs;
    bool quiet = false;
    bool help = false;
    bool version = false;
};

// Every option of the command line, for the one meant by a misspelt one.
const std::vector<std::string> option_names = {
    "--junit",       "--html",      "--coverage",        "--gcov",
    "--lcov",        "--cobertura", "--fail-under-line", "--fail-under-branch",
    "--source-root", "--depfile",   "--include-dir",     "--quiet",
    "--help",        "--version",   "--index",
};

// A threshold in percent: a number from 0 to 100.
std::optional<double> percent_value(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789.") != std::string::npos ||
        std::count(text.begin(), text.end(), '.') > 1 || text == ".") {
        return std::nullopt;
    }
    const double value = std::strtod(text.c_str(), nullptr);
    if (value < 0.0 || value > 100.0) return std::nullopt;
    return value;
}

// The option nearest to an unknown one, when one is near enough to be what
// was meant.
std::string nearest_option(std::string_view given) {
    return nearest_spelling(given.substr(0, given.find('=')), option_names);
}

// Reads the value of an option given as "--name VALUE" or "--name=VALUE"
// at arguments[i]; false when arguments[i] is not that option.
bool option_value(const std::vector<std::string>& arguments, std::size_t& i, std::string_view name,
                  std::string_view short_name, std::string_view what, std::string& value,
                  std::optional<std::string>& problem) {
    const std::string& argument = arguments[i];
    if (argument == name || (!short_name.empty() && argument == short_name)) {
        if (i + 1 >= arguments.size()) {
            problem = "option " + argument + " needs " + std::string(what);
            return true;
        }
        value = arguments[++i];
    } else if (argument.size() > name.size() && argument.compare(0, name.size(), name) == 0 &&
               argument[name.size()] == '=') {
        value = argument.substr(name.size() + 1);
    } else {
        return false;
    }
    if (value.empty()) {
        problem = "option " + std::string(name) + " needs " + std::string(what);
    }
    return true;
}

// The name of the threshold option at arguments[i] with its value read, or
// nullptr when arguments[i] is none.
const char* threshold_option(const std::vector<std::string>& arguments, std::size_t& i,
                             std::string& value, std::optional<std::string>& problem) {
    for (const char* name : {"--fail-under-line", "--fail-under-branch"}) {
        if (option_value(arguments, i, name, "", "a percentage", value, problem)) {
            return name;
        }
    }
    return nullptr;
}

// The lcov test name of the run: the script's name in letters, digits and
// underscores.
std::string lcov_test_name(const LinkRecordFile& links) {
    std::string name = std::filesystem::path(links.script_path(0)).stem().string();
    for (char& c : name) {
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    }
    return name.empty() ? std::string("vexor") : name;
}

std::optional<std::string> parse_arguments(const std::vector<std::string>& arguments,
                                           Arguments& parsed) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        std::optional<std::string> problem;
        std::string directory;
        if (option_value(arguments, i, "--junit", "-j", "a file name", parsed.junit, problem) ||
            option_value(arguments, i, "--html", "", "a file name", parsed.html, problem) ||
            option_value(arguments, i, "--coverage", "", "a directory", parsed.coverage, problem) ||
            option_value(arguments, i, "--gcov", "", "a program", parsed.gcov, problem) ||
            option_value(arguments, i, "--source-root", "", "a directory", parsed.source_root,
                         problem) ||
            option_value(arguments, i, "--lcov", "", "a file name", parsed.lcov, problem) ||
            option_value(arguments, i, "--cobertura", "", "a file name", parsed.cobertura,
                         problem) ||
            option_value(arguments, i, "--depfile", "", "a file name", parsed.depfile, problem) ||
            option_value(arguments, i, "--index", "", "a file name", parsed.index, problem)) {
            if (problem) {
                return problem;
            }
        } else if (const char* name = threshold_option(arguments, i, directory, problem)) {
            if (problem) {
                return problem;
            }
            const std::optional<double> threshold = percent_value(directory);
            if (!threshold) {
                return std::string(name) + " takes a percentage from 0 to 100, not " + directory;
            }
            (std::string_view(name) == "--fail-under-line" ? parsed.fail_under_line
                                                           : parsed.fail_under_branch) = threshold;
        } else if (option_value(arguments, i, "--include-dir", "", "a directory", directory,
                                problem)) {
            if (problem) {
                return problem;
            }
            parsed.include_dirs.push_back(directory);
        } else if (argument == "--quiet" || argument == "-q") {
            parsed.quiet = true;
        } else if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (argument == "--version") {
            parsed.version = true;
        } else if (argument == "--") {
            positional.insert(positional.end(), arguments.begin() + static_cast<long>(i) + 1,
                              arguments.end());
            break;
        } else if (argument.size() > 1 && argument.front() == '-') {
            const std::string meant = nearest_option(argument);
            return "unknown option " + argument +
                   (meant.empty() ? std::string() : " (did you mean " + meant + "?)");
        } else {
            positional.push_back(argument);
        }
    }
    if (parsed.help || parsed.version) {
        return std::nullopt;
    }
    if (!parsed.index.empty()) {
        if (parsed.html.empty()) {
            return std::string("--index writes its page to the file --html names");
        }
        if (!parsed.junit.empty() || !parsed.coverage.empty() || !parsed.depfile.empty() ||
            parsed.quiet || !positional.empty()) {
            return std::string(
                "--index reads its scripts from LIST: --junit, --coverage, --depfile, --quiet "
                "and files do not go with it");
        }
        return std::nullopt;
    }
    if (!parsed.depfile.empty()) {
        if (!parsed.junit.empty() || !parsed.html.empty() || !parsed.coverage.empty() ||
            !parsed.source_root.empty() || parsed.quiet) {
            return std::string(
                "--depfile writes no verdict: --junit, --html, --coverage, --source-root and "
                "--quiet do not go with it");
        }
        if (positional.size() != 2) {
            return "expected the target of the rule and the link record file (got " +
                   std::to_string(positional.size()) + ")";
        }
        parsed.depfile_target = positional[0];
        parsed.link_records = positional[1];
        return std::nullopt;
    }
    if (!parsed.include_dirs.empty()) {
        return std::string("--include-dir goes with --depfile");
    }
    if (parsed.coverage.empty()) {
        const char* needs = !parsed.lcov.empty()        ? "--lcov"
                            : !parsed.cobertura.empty() ? "--cobertura"
                            : parsed.fail_under_line    ? "--fail-under-line"
                            : parsed.fail_under_branch  ? "--fail-under-branch"
                                                        : nullptr;
        if (needs != nullptr) {
            return std::string(needs) + " needs --coverage DIR, the coverage it reads";
        }
    }
    if (positional.size() != 2) {
        return "expected two files, the link record file and the traces file (got " +
               std::to_string(positional.size()) + ")";
    }
    parsed.link_records = positional[0];
    parsed.traces = positional[1];
    return std::nullopt;
}

std::optional<std::string> read_file(const std::string& path, std::string& content) {
    // A pipe, a device or a directory is refused before it is read: it
    // could block, never end or fail half-way.
    OpenedInput opened;
    if (read_input_file(path, content, opened)) {
        return std::nullopt;
    }
    switch (opened.problem) {
        case InputProblem::not_regular:
            return path + " is not a regular file";
        case InputProblem::too_large:
            return "cannot read " + input_problem_text(path, opened);
        case InputProblem::read_error:
            return "cannot read " + input_problem_text(path, opened);
        case InputProblem::missing:
        case InputProblem::none:
            break;
    }
    return "cannot open " + input_problem_text(path, opened);
}

// A file the report writes or reads, and what it is to the run ("JUnit
// file", "link record file" ...).
struct NamedFile {
    std::string role;
    std::string path;
};

constexpr int max_link_hops = 40;

// The name `path` leads to: its symbolic links followed to their end (the
// last may lead to a file not yet made), then made absolute and real.
std::string resolved_name(const std::string& path) {
    namespace fs = std::filesystem;
    fs::path current(path);
    for (int hop = 0; hop < max_link_hops; ++hop) {
        std::error_code error;
        if (!fs::is_symlink(fs::symlink_status(current, error)) || error) break;
        const fs::path target = fs::read_symlink(current, error);
        if (error) break;
        current = target.is_absolute() ? target : current.parent_path() / target;
    }
    return canonical_file_name(current.string());
}

// Whether two names lead to one file: by device and inode when both exist,
// by the name they resolve to when neither does.
bool one_file(const std::string& first, const std::string& second) {
    const FileIdentity a = file_identity(first);
    const FileIdentity b = file_identity(second);
    if (a.exists || b.exists) {
        return a.same_file(b);
    }
    return resolved_name(first) == resolved_name(second);
}

// The message refusing outputs that are one file, or an output that is one
// of the inputs; nullopt when every output has a file of its own.
std::optional<std::string> output_clash(const std::vector<NamedFile>& outputs,
                                        const std::vector<NamedFile>& inputs) {
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        for (std::size_t j = i + 1; j < outputs.size(); ++j) {
            if (one_file(outputs[i].path, outputs[j].path)) {
                return "the " + outputs[i].role + " " + outputs[i].path + " and the " +
                       outputs[j].role + " " + outputs[j].path +
                       " are one file: give each output a file of its own";
            }
        }
    }
    for (const NamedFile& output : outputs) {
        for (const NamedFile& input : inputs) {
            if (one_file(output.path, input.path)) {
                return "the " + output.role + " " + output.path + " is the input " + input.path +
                       " (the " + input.role + "): an output never overwrites an input";
            }
        }
    }
    return std::nullopt;
}

void print_failure(std::ostream& err, const Arguments& arguments, const Failure& failure) {
    err << program_name << ": ";
    if (failure.source != Source::command) {
        err << (failure.source == Source::link_records ? arguments.link_records : arguments.traces);
        if (failure.line > 0) {
            err << ':' << failure.line;
        }
        err << ": ";
    }
    err << failure.message << '\n';
}

// The target's "lib" directory, found as the compiler finds it: in the
// target package of the environment record.
std::string target_lib_directory(const RunEnvironment& environment) {
    if (!environment.runtime_package) return {};
    return *environment.runtime_package + "/lib";
}

// The lines of the coverage below their thresholds, one for lines and one
// for branches; empty when both are reached.
std::string coverage_below(const Arguments& arguments, const CoverageData& coverage) {
    std::string lines;
    struct Threshold {
        const std::optional<double>& wanted;
        double measured;
        const char* what;
    };
    for (const Threshold& threshold :
         {Threshold{arguments.fail_under_line, total_line_percent(coverage), "lines"},
          Threshold{arguments.fail_under_branch, total_branch_percent(coverage), "branches"}}) {
        if (threshold.wanted && threshold.measured < *threshold.wanted) {
            char line[160];
            std::snprintf(line, sizeof line,
                          "COVERAGE BELOW THRESHOLD: %s %.1f%%, at least %g%% wanted\n",
                          threshold.what, threshold.measured, *threshold.wanted);
            lines += line;
        }
    }
    return lines;
}

// The root the exports name the sources from: --source-root, or the
// directory the sources share.
std::string export_root(const Arguments& arguments, const CoverageData& coverage) {
    std::string root =
        arguments.source_root.empty()
            ? common_source_root(coverage)
            : std::filesystem::absolute(arguments.source_root).lexically_normal().string();
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
}

// Writes the --lcov and --cobertura files of `coverage`; false when one
// could not be written (said on `err`).
bool write_exports(const Arguments& arguments, const CoverageData& coverage,
                   const std::string& test_name, std::ostream& err) {
    const std::string root = export_root(arguments, coverage);
    bool written = true;
    std::string problem;
    if (!arguments.lcov.empty() && !write_report_file(lcov_document(coverage, root, test_name),
                                                      arguments.lcov, "lcov", problem)) {
        err << program_name << ": " << problem << '\n';
        written = false;
    }
    if (!arguments.cobertura.empty() &&
        !write_report_file(
            cobertura_document(coverage, root, static_cast<long long>(std::time(nullptr))),
            arguments.cobertura, "Cobertura", problem)) {
        err << program_name << ": " << problem << '\n';
        written = false;
    }
    return written;
}

// One script of the index: its verdict read from its files, its coverage.
IndexRow index_row(const std::vector<std::string>& fields, const std::filesystem::path& index_dir,
                   const std::string& gcov) {
    IndexRow row;
    row.name = fields[0];
    if (fields.size() > 3 && !fields[3].empty()) {
        row.page = std::filesystem::absolute(fields[3])
                       .lexically_normal()
                       .lexically_relative(index_dir)
                       .string();
    }
    std::string link_text;
    std::string traces_text;
    LinkRecordFile links;
    if (auto problem = read_file(fields[1], link_text)) {
        row.problem = *problem;
    } else if (auto unreadable = read_file(fields[2], traces_text)) {
        row.problem = *unreadable;
    } else if (auto damaged = parse_link_records(link_text, links)) {
        row.problem = fields[1] + ": " + damaged->message;
    } else {
        TracesFile traces;
        Verdict verdict;
        const VerdictReading reading = read_verdict(links, traces_text, traces, verdict);
        const bool cut_before_stamp =
            traces.stamp.empty() && traces.read_lines == 0 && !traces.complete;
        if (reading.damaged) {
            row.problem = fields[2] + ": " + reading.damaged->message;
        } else if (traces.stamp != links.stamp && !cut_before_stamp) {
            row.problem = fields[2] + " and " + fields[1] + " come from different compilations";
        } else if (reading.mismatch) {
            row.problem = fields[2] + " and " + fields[1] + " do not belong together";
        } else {
            row.verdict = verdict.verdict_word();
            row.totals = verdict.totals;
        }
    }
    if (fields.size() > 4 && !fields[4].empty()) {
        CoverageData coverage;
        if (!collect_coverage(fields[4], gcov, coverage)) {
            row.coverage = std::move(coverage);
        }
    }
    return row;
}

// --index: the page of a project's scripts, and its coverage together.
int write_index(const Arguments& arguments, std::ostream& out, std::ostream& err) {
    std::string list;
    if (auto problem = read_file(arguments.index, list)) {
        err << program_name << ": " << *problem << '\n';
        return exit_unusable;
    }
    const std::filesystem::path index_dir =
        std::filesystem::absolute(arguments.html).lexically_normal().parent_path();
    std::vector<IndexRow> rows;
    std::vector<std::string> coverage_dirs;
    std::istringstream lines(list);
    long number = 0;
    for (std::string line; std::getline(lines, line);) {
        ++number;
        if (line.empty()) continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos;
             start = tab + 1) {
            fields.push_back(line.substr(start, tab - start));
        }
        fields.push_back(line.substr(start));
        if (fields.size() < 3 || fields.size() > 5 || fields[0].empty()) {
            err << program_name << ": " << arguments.index << ':' << number
                << ": expected NAME, its .tdc and its traces, then its page and its coverage "
                   "directory, separated by tabs\n";
            return exit_unusable;
        }
        rows.push_back(index_row(fields, index_dir, arguments.gcov));
        if (fields.size() > 4 && !fields[4].empty()) {
            coverage_dirs.push_back(fields[4]);
        }
    }
    CoverageData combined;
    bool with_coverage = false;
    if (!coverage_dirs.empty()) {
        if (auto problem = collect_coverage(coverage_dirs, arguments.gcov, combined)) {
            err << program_name << ": " << *problem << '\n';
        } else {
            with_coverage = true;
        }
    }
    std::string problem;
    if (!write_report_file(
            index_document(rows, with_coverage ? &combined : nullptr,
                           with_coverage ? export_root(arguments, combined) : std::string()),
            arguments.html, "HTML", problem)) {
        err << program_name << ": " << problem << '\n';
        return exit_unusable;
    }
    bool passed = !rows.empty();
    for (const IndexRow& row : rows) {
        passed = passed && row.problem.empty() && row.verdict == "PASSED";
    }
    bool exports_written = true;
    std::string below;
    if (with_coverage) {
        exports_written = write_exports(arguments, combined, "project", err);
        below = coverage_below(arguments, combined);
    } else if (!arguments.lcov.empty() || !arguments.cobertura.empty() ||
               arguments.fail_under_line || arguments.fail_under_branch) {
        err << program_name << ": no script of " << arguments.index
            << " has coverage: no export is written and no threshold is reached\n";
        exports_written = false;
    }
    out << below << "vexor: index of " << rows.size() << " script(s) in " << arguments.html
        << (passed ? " (PASSED)" : " (FAILED)") << '\n';
    if (!exports_written) return exit_unusable;
    return passed && below.empty() ? exit_passed : exit_failed;
}

int write_depfile(const Arguments& arguments, const RunEnvironment& environment,
                  std::ostream& err) {
    const std::vector<NamedFile> outputs = {{"dependency file", arguments.depfile}};
    if (auto clash = output_clash(outputs, {{"link record file", arguments.link_records}})) {
        err << program_name << ": " << *clash << '\n';
        return exit_unusable;
    }
    std::string link_text;
    if (auto problem = read_file(arguments.link_records, link_text)) {
        err << program_name << ": " << *problem << '\n';
        return exit_unusable;
    }
    LinkRecordFile links;
    if (auto failure = parse_link_records(link_text, links)) {
        print_failure(err, arguments, *failure);
        return exit_unusable;
    }
    HeaderSearch search{arguments.include_dirs, target_lib_directory(environment)};
    const std::vector<std::string> inputs = compilation_inputs(links, search);
    // The scripts first, by the names the link records give: the inputs
    // of the compilation hold them too, but only those that still exist
    // and under the role of any input, and a clash is told by its role.
    std::vector<NamedFile> read_by_compilation;
    for (const std::string& script : links.script_paths()) {
        read_by_compilation.push_back({"script", script});
    }
    for (const std::string& input : inputs) {
        read_by_compilation.push_back({"input of the compilation", input});
    }
    if (auto clash = output_clash(outputs, read_by_compilation)) {
        err << program_name << ": " << *clash << '\n';
        return exit_unusable;
    }
    std::string refused;
    auto text = depfile_text(arguments.depfile_target, inputs, refused);
    if (!text) {
        err << program_name << ": a dependency file cannot name \"" << refused
            << "\" (an empty name or a line end in it)\n";
        return exit_unusable;
    }
    std::ofstream out(arguments.depfile, std::ios::binary | std::ios::trunc);
    out << *text;
    out.close();
    if (!out) {
        err << program_name << ": cannot write " << arguments.depfile << '\n';
        return exit_unusable;
    }
    return exit_passed;
}

}  // namespace

int run_report(const std::vector<std::string>& argument_list, std::ostream& out,
               std::ostream& err) {
    // The program's one look at the process environment.
    return run_report(argument_list,
                      environment_from(environment_snapshot(::environ), is_existing_directory), out,
                      err);
}

int run_report(const std::vector<std::string>& argument_list, const RunEnvironment& environment,
               std::ostream& out, std::ostream& err) {
    Arguments arguments;
    if (auto problem = parse_arguments(argument_list, arguments)) {
        err << program_name << ": " << *problem << '\n' << usage_text;
        return exit_unusable;
    }
    if (arguments.help) {
        out << usage_text;
        return exit_passed;
    }
    if (arguments.version) {
        out << program_name << ' ' << tool_version << '\n';
        return exit_passed;
    }
    if (!arguments.depfile.empty()) {
        return write_depfile(arguments, environment, err);
    }
    if (!arguments.index.empty()) {
        return write_index(arguments, out, err);
    }

    std::vector<NamedFile> outputs;
    if (!arguments.junit.empty()) outputs.push_back({"JUnit file", arguments.junit});
    if (!arguments.html.empty()) outputs.push_back({"HTML file", arguments.html});
    if (!arguments.lcov.empty()) outputs.push_back({"lcov file", arguments.lcov});
    if (!arguments.cobertura.empty()) outputs.push_back({"Cobertura file", arguments.cobertura});
    // Every file the run reads, as far as it can be known before anything
    // is written: the link records, the traces, the .gcda files, the
    // scripts the link records name and the sources gcov names. The inputs
    // are read (nothing is written yet) and their problems kept, so that
    // every clash is found before the first output is written, a
    // refusal's own JUnit file and page included.
    std::vector<NamedFile> inputs = {{"link record file", arguments.link_records},
                                     {"traces file", arguments.traces}};
    if (!arguments.coverage.empty()) {
        for (const std::string& data : coverage_data_files(arguments.coverage)) {
            inputs.push_back({"coverage data file", data});
        }
    }
    std::string link_text;
    std::string traces_text;
    std::optional<std::string> unreadable = read_file(arguments.link_records, link_text);
    LinkRecordFile links;
    std::optional<Failure> links_damaged;
    if (!unreadable) {
        unreadable = read_file(arguments.traces, traces_text);
        links_damaged = parse_link_records(link_text, links);
        if (!links_damaged) {
            for (const std::string& script : links.script_paths()) {
                inputs.push_back({"script", script});
            }
        }
    }
    CoverageData coverage;
    std::optional<std::string> coverage_unusable;
    if (!arguments.coverage.empty()) {
        coverage_unusable = collect_coverage(arguments.coverage, arguments.gcov, coverage);
        if (!coverage_unusable) {
            for (const SourceCoverage& source : coverage.sources) {
                inputs.push_back({"source of the coverage", source.path});
            }
        }
    }

    // Every refusal rewrites the outputs, so that a CI server never reads
    // the verdict of an earlier run: the JUnit file gets a test case in
    // error that says why, the page says there is no verdict. An output
    // that is one of the inputs is never written; when the page and the
    // JUnit file are one file, it gets the JUnit file's error.
    auto names_input = [&](const std::string& output) {
        return std::any_of(inputs.begin(), inputs.end(),
                           [&](const NamedFile& input) { return one_file(output, input.path); });
    };
    auto refuse = [&](const std::string& why) {
        std::string program = std::filesystem::path(arguments.link_records).stem().string();
        const bool junit_written = !arguments.junit.empty() && !names_input(arguments.junit);
        if (junit_written) {
            std::string problem;
            if (!write_junit_error(program, why, arguments.junit, problem)) {
                err << program_name << ": " << problem << '\n';
            }
        }
        if (!arguments.html.empty() && !names_input(arguments.html) &&
            !(junit_written && one_file(arguments.html, arguments.junit))) {
            std::ofstream page(arguments.html, std::ios::binary | std::ios::trunc);
            page << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"/><title>"
                 << html_escape(program) << ": no verdict</title></head><body><h1>"
                 << html_escape(program) << ": no verdict</h1><p id=\"stopped\">"
                 << html_escape(why) << "</p></body></html>\n";
        }
        // No coverage of an earlier run is left to be read as this one's.
        for (const std::string* stale : {&arguments.lcov, &arguments.cobertura}) {
            if (!stale->empty() && !names_input(*stale) &&
                !(junit_written && one_file(*stale, arguments.junit))) {
                std::error_code ignored;
                std::filesystem::remove(*stale, ignored);
            }
        }
        return exit_unusable;
    };
    auto failure_text = [&](const Failure& failure) {
        std::ostringstream text;
        print_failure(text, arguments, failure);
        std::string message = text.str();
        if (!message.empty() && message.back() == '\n') message.pop_back();
        return message;
    };

    if (auto clash = output_clash(outputs, inputs)) {
        err << program_name << ": " << *clash << '\n';
        return refuse(*clash);
    }
    if (unreadable) {
        err << program_name << ": " << *unreadable << '\n';
        return refuse(*unreadable);
    }
    if (link_text.rfind(traces_magic, 0) == 0 && traces_text.rfind(traces_magic, 0) != 0) {
        const std::string why = arguments.link_records +
                                " is a traces file: give the link record file first, then the "
                                "traces file";
        err << program_name << ": " << why << '\n';
        return refuse(why);
    }
    if (links_damaged) {
        print_failure(err, arguments, *links_damaged);
        return refuse(failure_text(*links_damaged));
    }
    // The verdict is built as the traces are read; a damaged traces file,
    // then traces of another compilation, are told before a mismatch.
    TracesFile traces;
    Verdict verdict;
    const VerdictReading reading = read_verdict(links, traces_text, traces, verdict);
    if (reading.damaged) {
        print_failure(err, arguments, *reading.damaged);
        return refuse(failure_text(*reading.damaged));
    }
    // The harness writes the stamp of the compilation it was built from
    // right after the header; traces cut before it are read as INCOMPLETE.
    const bool cut_before_stamp =
        traces.stamp.empty() && traces.read_lines == 0 && !traces.complete;
    if (traces.stamp != links.stamp && !cut_before_stamp) {
        const std::string why = arguments.traces + " and " + arguments.link_records +
                                " come from different compilations: the traces " +
                                (traces.stamp.empty() ? std::string("carry no stamp")
                                                      : "carry the stamp " + traces.stamp) +
                                ", the link records the stamp " + links.stamp +
                                " (build and run the harness of this compilation again)";
        err << program_name << ": " << why << '\n';
        return refuse(why);
    }
    if (const auto& failure = reading.mismatch) {
        print_failure(err, arguments, *failure);
        err << program_name << ": " << arguments.traces << " and " << arguments.link_records
            << " do not belong together (was the harness built from another compilation?)\n";
        return refuse(failure_text(*failure) + " (the two files do not belong together)");
    }
    if (coverage_unusable) {
        err << program_name << ": " << *coverage_unusable << '\n';
        return refuse(*coverage_unusable);
    }
    const bool with_coverage = !arguments.coverage.empty();

    TextOptions options;
    options.quiet = arguments.quiet;
    write_text_report(verdict, options, out);
    if (with_coverage) {
        for (const SourceCoverage& source : coverage.sources) {
            out << "COVERAGE " << coverage_summary(source) << '\n';
        }
    }
    out.flush();
    // An output that cannot be written makes the run unusable, and the
    // other output is still written: it holds this run's verdict, never an
    // older one.
    bool outputs_written = true;
    if (!arguments.junit.empty()) {
        std::string problem;
        if (!write_junit(verdict, arguments.junit, problem, with_coverage ? &coverage : nullptr)) {
            err << program_name << ": " << problem << '\n';
            outputs_written = false;
        }
    }
    if (!arguments.html.empty()) {
        HtmlInputs page;
        page.verdict = &verdict;
        page.links = &links;
        page.coverage = with_coverage ? &coverage : nullptr;
        page.source_root = arguments.source_root;
        if (page.source_root.empty()) {
            const std::string main_script = links.script_path(0);
            page.source_root = main_script.empty()
                                   ? std::string()
                                   : std::filesystem::path(main_script).parent_path().string();
        }
        const QFileInfo traces_info(QString::fromLocal8Bit(arguments.traces.c_str()));
        if (traces_info.exists()) {
            const std::time_t when =
                static_cast<std::time_t>(traces_info.lastModified().toSecsSinceEpoch());
            char date[64];
            if (std::strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", std::localtime(&when)) > 0) {
                page.run_date = date;
            }
        }
        if (!verdict.complete) {
            page.stop_note = traces_stop_text(verdict.last_line, traces.cut_line);
        }
        std::string problem;
        if (!write_html(page, arguments.html, problem)) {
            err << program_name << ": " << problem << '\n';
            outputs_written = false;
        }
    }
    if (with_coverage && !write_exports(arguments, coverage, lcov_test_name(links), err)) {
        outputs_written = false;
    }
    // Coverage below a threshold fails the run, whatever the verdict.
    bool coverage_short = false;
    if (with_coverage) {
        const std::string below = coverage_below(arguments, coverage);
        out << below;
        out.flush();
        coverage_short = !below.empty();
    }
    if (!verdict.complete) {
        print_failure(err, arguments,
                      Failure{Source::traces, verdict.last_line,
                              traces_stop_text(std::nullopt, traces.cut_line) +
                                  "; the verdict above is INCOMPLETE"});
        return exit_unusable;
    }
    if (!outputs_written) {
        return exit_unusable;
    }
    return verdict.passed() && !coverage_short ? exit_passed : exit_failed;
}

}  // namespace vx::report
