// Whole-program cases: each folder of tests/e2e holds a test script and the
// files a run must leave behind.
//
//   args          the command-line arguments, one per line
//   env           optional NAME=VALUE lines added to the environment
//   status        the expected exit status
//   expected/     every file the run must leave in its directory, plus
//                 "stdout" and "stderr" for the two streams; a file NAME
//                 is compared whole, a file NAME.part only by the pieces
//                 the case is about (see part_missing)
//   anything else input files, copied into the run directory
//
// The run happens in a directory of fixed length under /tmp, so that the
// absolute paths the compiler writes fold the same way on every machine.
// Before comparison the run date, the run directory, the source tree and
// the installed tree are masked. The run directory must hold exactly the
// inputs and the expected files afterwards: an output that should have been
// deleted, or a staged file left behind, fails the case; so does an input
// file the run changed or removed.
//
// Every run gets VXLTGT pointing at the installed runtime package (which
// also selects its standard definitions for the C analysis) and
// VEXORCINC=TP.h, so that harnesses include the runtime header by name.
// When a run succeeds and leaves a harness, the harness must be valid C on
// its own (compiled against the minimal header of tests/e2e/syntax), and it
// must compile on its own with -Wall -Wextra -Werror (and -O2 when the case
// has a file "strict"), build with the runtime package and the case's own
// C files, run, and give the verdict of the file "verdict" (default 0) in
// vexorreport; when the case has a file "report", the report's text (run
// directory and pointer addresses masked) must be that file, and with a
// file "junit" the JUnit XML as well. The harness's own exit status is the
// verdict's, or the file "harness_status"; "harness_flags" adds C compiler
// flags to its build and "harness_env" NAME=VALUE lines to its run.
//
// VX_UPDATE_GOLDEN=1 rewrites the whole expected files and the reports
// from the actual run; the parts are the case's own statements of what
// matters and are kept (a part that no longer matches still fails).
//
// One case holds every generated output whole, the reference of each kind
// of text; the others pin the pieces they are about and prove the rest by
// building and running their harness.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QRegularExpression>
#include <QString>
#include <QStringDecoder>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <set>
#include <sstream>

namespace fs = std::filesystem;

namespace vx {
namespace {

const fs::path cases_root = fs::path(VX_SOURCE_DIR) / "tests" / "e2e";

std::vector<std::string> case_names() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(cases_root)) {
        if (entry.is_directory() && fs::exists(entry.path() / "args")) {
            names.push_back(entry.path().filename().string());
        }
    }
    std::sort(names.begin(), names.end());
    return names;
}

std::string run_root() {
    QByteArray hash = QCryptographicHash::hash(QByteArray(VX_BINARY_DIR), QCryptographicHash::Md5)
                          .toHex()
                          .left(8);
    return "/tmp/vxe2e_" + hash.toStdString();
}

// The runtime package as the runs see it: a link of a fixed-length name
// beside the run directories, so that the command echo, which names the
// standard-definitions file of the package and is cut into boxed lines,
// is cut at the same places on every machine whatever the checkout's path.
std::string target_link() {
    const std::string link = run_root() + "/_target";
    std::error_code ignored;
    fs::create_directories(run_root(), ignored);
    if (!fs::is_symlink(link, ignored)) {
        // Cases run in parallel: another one may create it first.
        fs::create_directory_symlink(testkit::dist_dir() + "/target", link, ignored);
    }
    return link;
}

std::string mask(const std::string& text, const std::string& run_dir) {
    // Outputs are UTF-8 or, like the accented words of a French symbol
    // listing, Latin-1: they are masked and given back in their own bytes.
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString masked = utf8(QByteArray::fromStdString(text));
    const bool latin1 = utf8.hasError();
    if (latin1) masked = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    masked.replace(QString::fromStdString(run_dir), QStringLiteral("<DIR>"));
    masked.replace(QString::fromStdString(run_root() + "/_target"), QStringLiteral("<TGT>"));
    // A boxed line may cut the link's path after the root.
    masked.replace(QString::fromStdString(run_root()), QStringLiteral("<ROOT>"));
    // or inside it, leaving the part that names this build tree.
    static const QRegularExpression root_name(QStringLiteral("vxe2e_[0-9a-f]{8}"));
    masked.replace(root_name, QStringLiteral("vxe2e_<HASH>"));
    masked.replace(QStringLiteral(VX_DIST_DIR), QStringLiteral("<DIST>"));
    masked.replace(QStringLiteral(VX_SOURCE_DIR), QStringLiteral("<SRC>"));
    static const QRegularExpression date(
        QStringLiteral("(Mon|Tue|Wed|Thu|Fri|Sat|Sun) (Jan|Feb|Mar|Apr|May|Jun|Jul|Aug|Sep|Oct|"
                       "Nov|Dec) [ 0-9][0-9] [0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]{4}"));
    masked.replace(date, QStringLiteral("<DATE>"));
    // Every compilation draws a stamp of its own.
    static const QRegularExpression stamp(
        QStringLiteral("(#define VXU_STAMP \"|^Z [0-9]+ )[0-9a-f]{16}"),
        QRegularExpression::MultilineOption);
    masked.replace(stamp, QStringLiteral("\\1<STAMP>"));
    // The run directory and the date have the same length on every
    // machine, so the boxes around them keep their exact padding; the source
    // and installed trees do not, so boxed lines naming them are compared
    // with their padding squeezed.
    static const QRegularExpression padding(
        QStringLiteral("^(.*<(?:SRC|DIST)>.*?)[ ]{2,}(\\*\\*?/?)$"),
        QRegularExpression::MultilineOption);
    masked.replace(padding, QStringLiteral("\\1 \\2"));
    return latin1 ? masked.toLatin1().toStdString() : masked.toStdString();
}

std::vector<std::string> read_lines(const fs::path& path) {
    return testkit::split_lines(testkit::read_file(path.string()));
}

// A part of an expected output: pieces of consecutive whole lines,
// separated by a line "...", that the output holds in that order. An empty
// part asks only that the output exists. Gives what is wrong, or an empty
// text.
std::string part_missing(const std::vector<std::string>& part,
                         const std::vector<std::string>& output) {
    std::vector<std::vector<std::string>> pieces(1);
    for (const auto& line : part) {
        if (line == "...") {
            pieces.emplace_back();
        } else {
            pieces.back().push_back(line);
        }
    }
    auto from = output.begin();
    for (const auto& piece : pieces) {
        if (piece.empty()) continue;
        auto found = std::search(from, output.end(), piece.begin(), piece.end());
        if (found == output.end()) {
            // Say how far the piece agrees from where its first line is,
            // which is where the difference usually is.
            std::ostringstream why;
            why << "the piece beginning \"" << piece.front() << "\" is not in the output";
            auto first = std::find(from, output.end(), piece.front());
            if (first != output.end()) {
                std::size_t i = 0;
                while (i < piece.size() && first + static_cast<std::ptrdiff_t>(i) != output.end() &&
                       first[static_cast<std::ptrdiff_t>(i)] == piece[i]) {
                    ++i;
                }
                const auto at = first + static_cast<std::ptrdiff_t>(i);
                why << "; from line " << (first - output.begin() + 1) << " it agrees for " << i
                    << " lines, then\n  expected: " << (i < piece.size() ? piece[i] : "")
                    << "\n  actual:   " << (at != output.end() ? *at : "<end of output>");
            }
            return why.str();
        }
        from = found + static_cast<std::ptrdiff_t>(piece.size());
    }
    return {};
}

// The lines of an output as a part sees them. A "#line" directive that
// leads back into the output itself holds the number of the line after it
// (checked for every harness by self_lines_wrong); a part writes that
// number "<N>", so that a piece does not depend on the length of what comes
// before it.
// Whether the line is a "#line" directive that leads back into the
// output `name` itself.
bool leads_back_into(const std::string& line, const std::string& name) {
    const std::string self = "\"<DIR>/" + name + "\"";
    return line.rfind("#line ", 0) == 0 && line.size() > self.size() &&
           line.compare(line.size() - self.size(), self.size(), self) == 0;
}

std::vector<std::string> as_part_sees(const std::string& name, const std::string& text) {
    std::vector<std::string> lines = testkit::split_lines(text);
    for (auto& line : lines) {
        if (leads_back_into(line, name)) line = "#line <N> \"<DIR>/" + name + "\"";
    }
    return lines;
}

// The "#line" directives of a harness that lead back into the harness
// itself at another line than the one after them, or an empty text.
std::string self_lines_wrong(const std::string& name, const std::string& text) {
    const std::vector<std::string> lines = testkit::split_lines(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (leads_back_into(lines[i], name) &&
            std::atol(lines[i].c_str() + 6) != static_cast<long>(i + 2)) {
            return "line " + std::to_string(i + 1) + ": " + lines[i];
        }
    }
    return {};
}

// A report or a JUnit file with what changes from run to run masked: the
// addresses of pointers (bytes, shown in hexadecimal too, have two digits
// at most) and the times of the tests.
std::string comparable(const std::string& text, const fs::path& run_dir) {
    static const QRegularExpression address(QStringLiteral("0x[0-9a-f]{5,}"));
    static const QRegularExpression time(QStringLiteral(" in [0-9.]+ (us|ms|s)$"),
                                         QRegularExpression::MultilineOption);
    static const QRegularExpression junit_time(QStringLiteral("time=\"[0-9.]+\""));
    return QString::fromStdString(mask(text, run_dir.string()))
        .replace(address, QStringLiteral("<ADDR>"))
        .replace(time, QStringLiteral(" in <TIME>"))
        .replace(junit_time, QStringLiteral("time=\"<T>\""))
        .toStdString();
}

// Compiles, builds, runs and reports every harness a successful run left.
void check_harnesses(const fs::path& source, const fs::path& run_dir,
                     const std::set<std::string>& inputs,
                     const std::map<std::string, std::string>& actual) {
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    const std::string syntax_dir = (cases_root / "syntax").string();
    std::vector<std::string> unit_sources;
    for (const auto& input : inputs) {
        if (input.size() > 2 && input.substr(input.size() - 2) == ".c") {
            unit_sources.push_back((run_dir / input).string());
        }
    }
    int expected_verdict = 0;
    if (fs::exists(source / "verdict")) {
        expected_verdict = std::atoi(testkit::read_file((source / "verdict").string()).c_str());
    }
    // The harness's own exit status follows the verdict unless the case
    // says otherwise (a test that did not finish gives 2, a crash of a
    // harness without isolation -1).
    int expected_harness_status = expected_verdict;
    if (fs::exists(source / "harness_status")) {
        expected_harness_status =
            std::atoi(testkit::read_file((source / "harness_status").string()).c_str());
    }
    // Extra C compiler flags for the harness build, and environment
    // variables for its run, one per line.
    std::vector<std::string> harness_flags;
    if (fs::exists(source / "harness_flags")) {
        std::istringstream lines(testkit::read_file((source / "harness_flags").string()));
        for (std::string flag; std::getline(lines, flag);) {
            if (!flag.empty()) harness_flags.push_back(flag);
        }
    }
    testkit::EnvChanges harness_env;
    if (fs::exists(source / "harness_env")) {
        std::istringstream lines(testkit::read_file((source / "harness_env").string()));
        for (std::string entry; std::getline(lines, entry);) {
            const auto equal = entry.find('=');
            if (equal != std::string::npos) {
                harness_env[entry.substr(0, equal)] = entry.substr(equal + 1);
            }
        }
    }
    for (const auto& [name, text] : actual) {
        if (name.size() < 2 || name.substr(name.size() - 2) != ".c" ||
            text.find("VXU_TRACES_FILE(") == std::string::npos) {
            continue;
        }
        const fs::path harness = run_dir / name;
        const std::string harness_dir = harness.parent_path().string();

        auto syntax =
            testkit::run_program("cc", {"-std=c99", "-fsyntax-only", "-Wall", "-Wextra", "-Werror",
                                        "-Wno-unused-variable", "-I" + syntax_dir,
                                        "-I" + harness_dir, harness.string()});
        EXPECT_EQ(syntax.status, 0) << name << " is not valid C:\n" << syntax.err;

        const fs::path program = harness.parent_path() / (harness.stem().string() + "_harness");
        // The harness itself must compile without a single warning; the
        // unit sources are the case's own C and are built as they are.
        const fs::path object = harness.parent_path() / (harness.stem().string() + "_harness.o");
        std::vector<std::string> strict_flags = {
            "-std=c99",         "-Wall", "-Wextra",        "-Werror", "-I" + target_lib,
            "-I" + harness_dir, "-c",    harness.string(), "-o",      object.string()};
        if (fs::exists(source / "strict")) {
            // The optimiser's flow analysis finds what a plain compile cannot.
            strict_flags.insert(strict_flags.begin() + 1, "-O2");
        }
        auto strict = testkit::run_program("cc", strict_flags);
        ASSERT_EQ(strict.status, 0) << name << " draws warnings:\n" << strict.err;
        std::vector<std::string> build = {"-std=c99", "-I" + target_lib, "-I" + harness_dir};
        build.insert(build.end(), harness_flags.begin(), harness_flags.end());
        build.push_back(object.string());
        build.insert(build.end(), unit_sources.begin(), unit_sources.end());
        build.insert(build.end(), {target_lib + "/TP.c", "-o", program.string()});
        auto built = testkit::run_program("cc", build);
        ASSERT_EQ(built.status, 0) << name << " does not build with the runtime:\n" << built.err;

        auto ran = testkit::run_program(program.string(), {}, harness_env, run_dir.string());
        EXPECT_EQ(ran.status, expected_harness_status)
            << name << " ended with an unexpected status:\n"
            << ran.out << ran.err;

        if (text.find("OPF_C(") == std::string::npos) {
            continue;  // without reporting calls (-NOEDIT) there are no traces to read
        }
        const fs::path stem = harness.parent_path() / harness.stem();
        std::string rio;
        for (const auto& entry : fs::recursive_directory_iterator(run_dir)) {
            if (entry.path().extension() == ".rio") {
                rio = entry.path().string();
            }
        }
        ASSERT_FALSE(rio.empty()) << name << " wrote no traces file";
        const fs::path junit = stem.string() + ".xml";
        auto report =
            testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                 {"--junit", junit.string(), stem.string() + ".tdc", rio});
        EXPECT_EQ(report.status, expected_verdict) << report.out << report.err;
        // A case with a "report" file pins the report's text as well; the
        // addresses of pointers differ from run to run and are masked.
        const fs::path golden_report = source / "report";
        if (fs::exists(golden_report)) {
            const std::string text = comparable(report.out, run_dir);
            if (std::getenv("VX_UPDATE_GOLDEN") != nullptr) {
                testkit::write_file(golden_report.string(), text);
            } else {
                EXPECT_EQ(text, testkit::read_file(golden_report.string())) << "report of " << name;
            }
        }
        // A case with a "junit" file pins the JUnit XML too (CPU times masked).
        const fs::path golden_junit = source / "junit";
        if (fs::exists(golden_junit)) {
            static const QRegularExpression time(QStringLiteral("time=\"[0-9.]+\""));
            static const QRegularExpression address(QStringLiteral("0x[0-9a-f]+"));
            std::string xml = mask(testkit::read_file(junit.string()), run_dir.string());
            xml = QString::fromStdString(xml)
                      .replace(time, QStringLiteral("time=\"<T>\""))
                      .replace(address, QStringLiteral("<ADDR>"))
                      .toStdString();
            if (std::getenv("VX_UPDATE_GOLDEN") != nullptr) {
                testkit::write_file(golden_junit.string(), xml);
            } else {
                EXPECT_EQ(xml, testkit::read_file(golden_junit.string())) << "JUnit of " << name;
            }
        }
        // The same harness running four tests at once leaves the same
        // report, times apart: the traces keep the order of the script.
        auto parallel =
            testkit::run_program(program.string(), {"--jobs", "4"}, harness_env, run_dir.string());
        EXPECT_EQ(parallel.status, ran.status) << name << " with --jobs 4:\n"
                                               << parallel.out << parallel.err;
        const fs::path parallel_junit = stem.string() + ".jobs.xml";
        auto parallel_report =
            testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                 {"--junit", parallel_junit.string(), stem.string() + ".tdc", rio});
        EXPECT_EQ(parallel_report.status, report.status) << parallel_report.out;
        EXPECT_EQ(comparable(parallel_report.out, run_dir), comparable(report.out, run_dir))
            << "report of " << name << " with --jobs 4";
        EXPECT_EQ(comparable(testkit::read_file(parallel_junit.string()), run_dir),
                  comparable(testkit::read_file(junit.string()), run_dir))
            << "JUnit of " << name << " with --jobs 4";
        std::error_code ignored;
        fs::remove(junit, ignored);
        fs::remove(parallel_junit, ignored);
    }
}

class EndToEnd : public ::testing::TestWithParam<std::string> {};

TEST_P(EndToEnd, RunMatchesGoldenFiles) {
    const fs::path source = cases_root / GetParam();
    const fs::path run_dir = fs::path(run_root()) / GetParam();
    fs::remove_all(run_dir);
    fs::create_directories(run_dir);

    std::set<std::string> inputs;
    for (const auto& entry : fs::recursive_directory_iterator(source)) {
        fs::path rel = fs::relative(entry.path(), source);
        std::string first = rel.begin()->string();
        if (first == "expected" || first == "args" || first == "env" || first == "status") {
            continue;
        }
        if (entry.is_directory()) {
            fs::create_directories(run_dir / rel);
        } else {
            fs::copy_file(entry.path(), run_dir / rel);
            inputs.insert(rel.string());
        }
    }

    std::vector<std::string> args;
    for (const auto& line : read_lines(source / "args")) {
        if (!line.empty()) {
            args.push_back(line);
        }
    }
    testkit::EnvChanges env = {
        {"VXLTGT", target_link()},
        {"VEXORCINC", std::string("TP.h")},
    };
    if (fs::exists(source / "env")) {
        for (const auto& line : read_lines(source / "env")) {
            auto eq = line.find('=');
            if (eq != std::string::npos) {
                env[line.substr(0, eq)] = line.substr(eq + 1);
            }
        }
    }
    std::map<std::string, std::string> input_texts;
    for (const auto& input : inputs) {
        input_texts[input] = testkit::read_file((run_dir / input).string());
    }
    auto result = testkit::run_compiler(args, env, run_dir.string());
    for (const auto& [input, text] : input_texts) {
        EXPECT_TRUE(fs::exists(run_dir / input) &&
                    testkit::read_file((run_dir / input).string()) == text)
            << "the run changed or removed its input " << input;
    }

    const bool update = std::getenv("VX_UPDATE_GOLDEN") != nullptr;
    const fs::path expected_dir = source / "expected";
    int expected_status = std::atoi(testkit::read_file((source / "status").string()).c_str());

    std::map<std::string, std::string> actual;
    actual["stdout"] = mask(result.out, run_dir.string());
    actual["stderr"] = mask(result.err, run_dir.string());
    for (const auto& entry : fs::recursive_directory_iterator(run_dir)) {
        if (entry.is_regular_file()) {
            std::string rel = fs::relative(entry.path(), run_dir).string();
            if (!inputs.count(rel)) {
                actual[rel] = mask(testkit::read_file(entry.path().string()), run_dir.string());
            }
        }
    }

    // The outputs the case pins by parts, not whole.
    std::set<std::string> parts;
    if (fs::exists(expected_dir)) {
        for (const auto& entry : fs::recursive_directory_iterator(expected_dir)) {
            const std::string rel = fs::relative(entry.path(), expected_dir).string();
            if (entry.is_regular_file() && entry.path().extension() == ".part") {
                parts.insert(rel.substr(0, rel.size() - 5));
            }
        }
    }

    if (update) {
        if (fs::exists(expected_dir)) {
            std::vector<fs::path> whole;
            for (const auto& entry : fs::recursive_directory_iterator(expected_dir)) {
                if (entry.is_regular_file() && entry.path().extension() != ".part") {
                    whole.push_back(entry.path());
                }
            }
            for (const auto& path : whole) fs::remove(path);
        }
        for (const auto& [name, text] : actual) {
            if (parts.count(name)) {
                const std::string why = part_missing(read_lines(expected_dir / (name + ".part")),
                                                     as_part_sees(name, text));
                EXPECT_TRUE(why.empty()) << name << ".part: " << why;
                continue;
            }
            fs::create_directories((expected_dir / name).parent_path());
            testkit::write_file((expected_dir / name).string(), text);
        }
        testkit::write_file((source / "status").string(), std::to_string(result.status) + "\n");
        if (result.status == 0 || result.status == 3) {
            // The harness runs again, so that a pinned report is rewritten.
            check_harnesses(source, run_dir, inputs, actual);
        }
        fs::remove_all(run_dir);
        GTEST_SKIP() << "golden files rewritten";
    }

    EXPECT_EQ(result.status, expected_status) << result.err;
    std::set<std::string> expected_names;
    for (const auto& entry : fs::recursive_directory_iterator(expected_dir)) {
        if (entry.is_regular_file()) {
            std::string rel = fs::relative(entry.path(), expected_dir).string();
            if (entry.path().extension() == ".part") rel.resize(rel.size() - 5);
            expected_names.insert(rel);
        }
    }
    for (const auto& name : expected_names) {
        auto it = actual.find(name);
        if (it == actual.end()) {
            ADD_FAILURE() << "the run did not leave " << name;
            continue;
        }
        if (name.size() > 2 && name.substr(name.size() - 2) == ".c") {
            const std::string wrong = self_lines_wrong(name, it->second);
            EXPECT_TRUE(wrong.empty())
                << name << " leads back into itself at the wrong line, " << wrong;
        }
        auto got = testkit::split_lines(it->second);
        if (parts.count(name)) {
            const std::string why = part_missing(read_lines(expected_dir / (name + ".part")),
                                                 as_part_sees(name, it->second));
            EXPECT_TRUE(why.empty()) << name << ".part: " << why;
            continue;
        }
        auto want = read_lines(expected_dir / name);
        for (std::size_t i = 0; i < std::max(want.size(), got.size()); ++i) {
            std::string w = i < want.size() ? want[i] : "<missing line>";
            std::string g = i < got.size() ? got[i] : "<missing line>";
            if (w != g) {
                ADD_FAILURE() << name << ":" << (i + 1) << "\n  expected: " << w
                              << "\n  actual:   " << g;
                break;
            }
        }
    }
    for (const auto& [name, text] : actual) {
        EXPECT_TRUE(expected_names.count(name)) << "the run left an unexpected file " << name;
    }
    if (!HasFailure() && (result.status == 0 || result.status == 3)) {
        check_harnesses(source, run_dir, inputs, actual);
    }
    fs::remove_all(run_dir);
}

// Builds harness `stem`.c of `dir` with the runtime and `unit`; returns the
// program's path, or an empty path after a failed assertion.
std::string build_harness(const fs::path& dir, const std::string& stem, const std::string& unit,
                          const std::vector<std::string>& flags = {}) {
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    const std::string program = (dir / (stem + "_harness")).string();
    std::vector<std::string> args = {"-std=c99", "-Wall", "-Wextra", "-Werror"};
    args.insert(args.end(), flags.begin(), flags.end());
    args.insert(args.end(), {"-I" + target_lib, "-I" + dir.string(), (dir / (stem + ".c")).string(),
                             (dir / unit).string(), target_lib + "/TP.c", "-o", program});
    auto built = testkit::run_program("cc", args);
    EXPECT_EQ(built.status, 0) << stem << " does not build:\n" << built.err;
    return built.status == 0 ? program : std::string();
}

const char* const two_scripts_header = "int twice(int x);\nconst char *name_of(int x);\n";
const char* const two_scripts_unit =
    "#include \"unit.h\"\nint twice(int x) { return 2 * x; }\n"
    "const char *name_of(int x) { return x ? \"one\" : \"zero\"; }\n";
// The first script traces and checks integers, the second only strings:
// alone, the second one's configuration header would leave the integer
// functions out of the runtime the first harness needs.
const char* const integer_script =
    "HEADER a, 1.0, , integers\n##include \"unit.h\"\n#int r;\nBEGIN\nSERVICE twice\n"
    "TEST t\nFAMILY f\nELEMENT\nVAR r, INIT = 1, EV = 4\n#r = twice(2);\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\nEND SERVICE\n";
const char* const string_script =
    "HEADER b, 1.0, , strings\n##include \"unit.h\"\n#const char *s;\nBEGIN\nSERVICE name_of\n"
    "TEST t\nFAMILY f\nELEMENT\nVAR s, EV = \"one\"\n#s = name_of(1);\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\nEND SERVICE\n";

// A fresh directory `name` under the run root holding the unit of the
// integer script (unit.h, unit.c) and that script as a.ptu, with the
// directory `sub` made inside it when one is named.
fs::path integer_script_directory(const std::string& name, const std::string& sub = {}) {
    const fs::path dir = fs::path(run_root()) / name;
    fs::remove_all(dir);
    fs::create_directories(sub.empty() ? dir : dir / sub);
    testkit::write_file((dir / "unit.h").string(), two_scripts_header);
    testkit::write_file((dir / "unit.c").string(), two_scripts_unit);
    testkit::write_file((dir / "a.ptu").string(), integer_script);
    return dir;
}

TEST(HarnessDirectory, TwoScriptsCompiledIntoOneDirectoryBothBuildAndPass) {
    const fs::path dir = integer_script_directory("_two_scripts");
    testkit::write_file((dir / "b.ptu").string(), string_script);
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    for (const char* script : {"a", "b"}) {
        auto compiled = testkit::run_compiler(
            {std::string(script) + ".ptu", std::string(script) + ".c"}, env, dir.string());
        ASSERT_EQ(compiled.status, 0) << compiled.err;
    }
    const std::string config = testkit::read_file((dir / "vexor_cfg.h").string());
    EXPECT_NE(config.find("#define ZQZQUSE_PTU_INTEGER_C 1"), std::string::npos) << config;
    EXPECT_NE(config.find("#define ZQZQUSE_EDV_STR_C 1"), std::string::npos) << config;
    for (const char* script : {"a", "b"}) {
        const std::string program = build_harness(dir, script, "unit.c");
        ASSERT_FALSE(program.empty());
        auto ran = testkit::run_program(program, {}, {}, dir.string());
        EXPECT_EQ(ran.status, 0) << script << ":\n" << ran.out << ran.err;
        auto report = testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                           {(dir / (std::string(script) + ".tdc")).string(),
                                            (dir / (std::string(script) + ".rio")).string()});
        EXPECT_EQ(report.status, 0) << report.out << report.err;
        EXPECT_NE(report.out.find("VERDICT: PASSED"), std::string::npos) << report.out;
    }
    fs::remove_all(dir);
}

// A keypad driver: a key code is read, then sent to the display through a
// function the test stubs.
const char* const keypad_header =
    "#define KEYPAD_KEYS 16u\n"
    "extern int last_key;\n"
    "void display_send(int code);\n"
    "int keypad_read(int raw);\n";
const char* const keypad_unit =
    "#include \"keypad.h\"\n"
    "int last_key = -1;\n"
    "int keypad_read(int raw) {\n"
    "    last_key = raw % (int)KEYPAD_KEYS;\n"
    "    display_send(last_key);\n"
    "    return last_key;\n"
    "}\n";

// One script whose element sets and checks a variable and describes the
// stub call; `body` replaces the statements of the element.
std::string keypad_script(const std::string& body, const std::string& end_test = "END TEST") {
    return "HEADER keypad, 1.0, , dropped statements\n##include \"keypad.h\"\n#int key;\nBEGIN\n"
           "DEFINE STUB drivers\n#void display_send(_in int code);\nEND DEFINE\n"
           "SERVICE keypad_read\nTEST wraps\nFAMILY nominal\nELEMENT\n" +
           body + "#key = keypad_read(18);\nEND ELEMENT\nEND FAMILY\n" + end_test +
           "\nEND SERVICE\n";
}

// A statement the compiler drops, cuts or changes with a warning: the
// harness still builds and runs, but the report never says PASSED, and it
// names the statement; the twin written right passes. The wrong check in
// each dropped statement would fail if it were compiled.
TEST(DroppedStatements, AScriptThatLostAStatementNeverPasses) {
    const std::string good_var = "VAR key, INIT = 0, EV = 2\n";
    const std::string good_stub = "STUB display_send 1 (2)\n";
    const struct {
        const char* name;
        std::string body;
        std::string end_test;
        const char* code;
        const char* named;
    } cases[] = {
        {"unknown_keyword", "VRA key, INIT = 0, EV = 5\n" + good_stub, "END TEST", "STXMETAIN",
         "VRA key"},
        {"unknown_stub", good_var + good_stub + "STUB display_sned 1 (9)\n", "END TEST",
         "MUETUNDEF", "display_sned"},
        {"values_of_a_stub", good_var + "STUB display_send 1 (2, 7)\n", "END TEST", "NBVALMUET",
         "display_send"},
        {"misspelt_end", good_var + good_stub, "END TSET", "STXMETAIN", "END TSET"},
    };
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    for (const auto& c : cases) {
        for (const bool twin : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (twin ? " (twin)" : ""));
            const fs::path dir = fs::path(run_root()) / ("_dropped_" + std::string(c.name));
            fs::remove_all(dir);
            fs::create_directories(dir);
            testkit::write_file((dir / "keypad.h").string(), keypad_header);
            testkit::write_file((dir / "keypad.c").string(), keypad_unit);
            testkit::write_file((dir / "k.ptu").string(), twin ? keypad_script(good_var + good_stub)
                                                               : keypad_script(c.body, c.end_test));
            auto compiled = testkit::run_compiler({"k.ptu", "k.c"}, env, dir.string());
            ASSERT_EQ(compiled.status, twin ? 0 : 3) << compiled.err;
            if (!twin) {
                EXPECT_NE(compiled.err.find(std::string("Harnex-W-") + c.code), std::string::npos)
                    << compiled.err;
            }
            const std::string program = build_harness(dir, "k", "keypad.c");
            ASSERT_FALSE(program.empty());
            auto ran = testkit::run_program(program, {}, {}, dir.string());
            auto report =
                testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                     {"--junit", (dir / "k.xml").string(), (dir / "k.tdc").string(),
                                      (dir / "k.rio").string()});
            if (twin) {
                EXPECT_EQ(ran.status, 0) << ran.out << ran.err;
                EXPECT_EQ(report.status, 0) << report.out;
                EXPECT_NE(report.out.find("VERDICT: PASSED"), std::string::npos) << report.out;
                fs::remove_all(dir);
                continue;
            }
            EXPECT_EQ(report.status, 1) << report.out;
            EXPECT_NE(report.out.find("VERDICT: FAILED"), std::string::npos) << report.out;
            const std::size_t dropped = report.out.find("DROPPED: [./k.ptu:");
            ASSERT_NE(dropped, std::string::npos) << report.out;
            const std::string line =
                report.out.substr(dropped, report.out.find('\n', dropped) - dropped);
            EXPECT_NE(line.find(c.named), std::string::npos) << line;
            EXPECT_NE(line.find(std::string("[") + c.code + "]"), std::string::npos) << line;
            const std::string junit = testkit::read_file((dir / "k.xml").string());
            EXPECT_NE(junit.find("type=\"dropped\""), std::string::npos) << junit;
            fs::remove_all(dir);
        }
    }
}

// The third argument names the directory of the traces, with or without
// its final "/": the harness writes its traces there and the report finds
// them under the name the link records give.
TEST(HarnessDirectory, ATracesDirectoryWithoutItsSlashReceivesTheTraces) {
    const fs::path dir = integer_script_directory("_traces_dir", "traces");
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    auto compiled = testkit::run_compiler({"a.ptu", "a.c", "traces"}, env, dir.string());
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    const std::string program = build_harness(dir, "a", "unit.c");
    ASSERT_FALSE(program.empty());
    auto ran = testkit::run_program(program, {}, {}, dir.string());
    EXPECT_EQ(ran.status, 0) << ran.out << ran.err;
    EXPECT_TRUE(fs::exists(dir / "traces" / "a.rio"));
    EXPECT_FALSE(fs::exists(dir / "tracesa.rio"));
    auto report =
        testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                             {(dir / "a.tdc").string(), (dir / "traces" / "a.rio").string()});
    EXPECT_EQ(report.status, 0) << report.out << report.err;
    EXPECT_NE(report.out.find("VERDICT: PASSED"), std::string::npos) << report.out;
    fs::remove_all(dir);
}

TEST(HarnessDirectory, AHarnessThatCannotCreateItsTracesEndsWithStatusTwo) {
    const fs::path dir = integer_script_directory("_no_traces", "out");
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    auto compiled = testkit::run_compiler({"a.ptu", "out/a.c", "out/"}, env, dir.string());
    ASSERT_EQ(compiled.status, 0) << compiled.err;
    fs::copy_file(dir / "unit.h", dir / "out" / "unit.h");
    fs::copy_file(dir / "unit.c", dir / "out" / "unit.c");
    const std::string program = build_harness(dir / "out", "a", "unit.c");
    ASSERT_FALSE(program.empty());
    // A stale traces file of an earlier run must not pass for this one's.
    fs::create_directories(dir / "elsewhere");
    const fs::path moved = dir / "elsewhere" / "a_harness";
    fs::rename(program, moved);
    fs::remove_all(dir / "out");
    auto ran = testkit::run_program(moved.string(), {}, {}, (dir / "elsewhere").string());
    EXPECT_EQ(ran.status, 2) << ran.out << ran.err;
    EXPECT_NE(ran.err.find("cannot create the traces file"), std::string::npos) << ran.err;
    // The same with the traces sent where no file can be made.
    auto redirected =
        testkit::run_program(moved.string(), {}, {{"VXURIO", (dir / "missing" / "t.rio").string()}},
                             (dir / "elsewhere").string());
    EXPECT_EQ(redirected.status, 2) << redirected.out << redirected.err;
    fs::remove_all(dir);
}

// A command parser as firmware writes one: a frame sized by a macro, an
// enumerated status, a driver-style entry point.
const char* const parser_header =
    "#include <stdint.h>\n#include <stddef.h>\n#define CMD_LEN 8\n"
    "typedef enum { CMD_OK = 0, CMD_ERR_SYNTAX = 1, CMD_ERR_RANGE = 3 } cmd_status;\n"
    "cmd_status parse_cmd(const uint8_t *buf, size_t len);\n";
const char* const parser_unit =
    "#include \"unit.h\"\ncmd_status parse_cmd(const uint8_t *buf, size_t len)\n{\n"
    "    if (len != CMD_LEN) return CMD_ERR_RANGE;\n"
    "    return buf[0] == 'S' ? CMD_OK : CMD_ERR_SYNTAX;\n}\n";
// Line 12 calls the unit.
const char* const parser_script =
    "HEADER parser, 1.0, , command parser\n##include \"unit.h\"\n#uint8_t frame[CMD_LEN];\n"
    "#cmd_status st;\nBEGIN\nSERVICE parse_cmd\nTEST good\nFAMILY nominal\nELEMENT\n"
    "VAR frame, INIT = \"SET 1234\", EV = \"SET 1234\"\n"
    "VAR st, INIT = CMD_ERR_RANGE, EV = CMD_OK\n#st = parse_cmd(frame, CMD_LEN);\n"
    "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";

// A fresh directory `name` under the run root holding a unit (unit.h,
// unit.c) and the script p.ptu, compiled into p.c.
fs::path script_directory(const std::string& name, const char* header, const char* unit,
                          const std::string& script) {
    const fs::path dir = fs::path(run_root()) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    testkit::write_file((dir / "unit.h").string(), header);
    testkit::write_file((dir / "unit.c").string(), unit);
    testkit::write_file((dir / "p.ptu").string(), script);
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    auto compiled = testkit::run_compiler({"p.ptu", "p.c"}, env, dir.string());
    EXPECT_EQ(compiled.status, 0) << compiled.err;
    return dir;
}

fs::path parser_directory(const std::string& name, const std::string& script) {
    return script_directory(name, parser_header, parser_unit, script);
}

// The harness maps the script's lines: a C error in a native line is
// reported by the C compiler at the script's line, and a debugger stops at
// a line of the script, steps into the unit and comes back to the script.
TEST(LineDirectives, TheCompilerAndTheDebuggerPointAtTheScript) {
    std::string missing_semicolon = parser_script;
    const std::string call = "#st = parse_cmd(frame, CMD_LEN);";
    missing_semicolon.replace(missing_semicolon.find(call), call.size(),
                              call.substr(0, call.size() - 1));
    const fs::path broken = parser_directory("_line_broken", missing_semicolon);
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    auto compiled =
        testkit::run_program("cc", {"-std=c99", "-I" + target_lib, "-I" + broken.string(), "-c",
                                    (broken / "p.c").string(), "-o", (broken / "p.o").string()});
    EXPECT_NE(compiled.status, 0);
    EXPECT_NE(compiled.err.find((broken / "p.ptu").string() + ":12:31: error: expected"),
              std::string::npos)
        << compiled.err;
    EXPECT_EQ(compiled.err.find("p.c:"), std::string::npos) << compiled.err;
    fs::remove_all(broken);

    const fs::path dir = parser_directory("_line_debugged", parser_script);
    const std::string program = build_harness(dir, "p", "unit.c", {"-g", "-O0"});
    ASSERT_FALSE(program.empty());
    // Each test runs in a child process of the harness: the debugger
    // follows it.
    auto debugged = testkit::run_program(
        "gdb",
        {"-batch", "-nx", "-ex", "set follow-fork-mode child", "-ex", "break p.ptu:12", "-ex",
         "run", "-ex", "step", "-ex", "finish", "-ex", "next", program},
        {}, dir.string());
    const std::string& out = debugged.out;
    const std::size_t stop = out.find("Breakpoint 1, SRV1_PARSE_CMD () at " +
                                      (dir / "p.ptu").string() + ":12\n12\t" + call + "\n");
    ASSERT_NE(stop, std::string::npos) << out << debugged.err;
    const std::size_t into = out.find("parse_cmd (buf=", stop);
    ASSERT_NE(into, std::string::npos) << out;
    EXPECT_NE(out.find("unit.c:4\n", into), std::string::npos) << out;
    const std::size_t back =
        out.find("SRV1_PARSE_CMD () at " + (dir / "p.ptu").string() + ":12", into);
    ASSERT_NE(back, std::string::npos) << out;
    // The harness's own code after the call is the generated file's.
    EXPECT_NE(out.find("\tSTOP_CHRONO_C();", back), std::string::npos) << out;
    fs::remove_all(dir);
}

// A name in a value that neither the script nor the analysed C declares
// is refused by vexorprepro at its script line, before any C compiler
// sees the harness: in a VAR statement and in a STUB statement alike.
TEST(UndeclaredNames, AMisspeltEnumeratorIsAnErrorAtItsScriptLine) {
    const fs::path dir = fs::path(run_root()) / "_undeclared";
    fs::remove_all(dir);
    fs::create_directories(dir);
    testkit::write_file((dir / "unit.h").string(),
                        std::string(parser_header) + "void uart_send(uint8_t byte);\n");
    const std::string script_head =
        "HEADER parser, 1.0, , command parser\n##include \"unit.h\"\n#uint8_t frame[CMD_LEN];\n"
        "#cmd_status st;\nBEGIN\nDEFINE STUB uart\n#void uart_send(_in uint8_t byte);\n"
        "END DEFINE\nSERVICE parse_cmd\nTEST t\nFAMILY nominal\nELEMENT\n";
    const std::string script_tail =
        "#st = parse_cmd(frame, CMD_LEN);\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n";
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}, {"VEXORCINC", std::string("TP.h")}};
    struct Case {
        const char* lines;  // lines 13 and 14 of the script
        const char* message;
    };
    const Case cases[] = {
        {"VAR st, INIT = CMD_ERR_RANGE, EV = CMD_OK\nSTUB uart_send (CMD_LEN - 1)\n", nullptr},
        {"VAR st, INIT = CMD_ERR_RANGE, EV = CMD_OKAY\nSTUB uart_send (CMD_LEN - 1)\n",
         "[./p.ptu:13] Unknown identifier CMD_OKAY (st)"},
        {"VAR st, INIT = CMD_ERR_RANGE, EV = CMD_OK\nSTUB uart_send (CMD_LENGTH - 1)\n",
         "[./p.ptu:14] Unknown identifier CMD_LENGTH (byte)"},
    };
    for (const Case& c : cases) {
        testkit::write_file((dir / "p.ptu").string(), script_head + c.lines + script_tail);
        fs::remove(dir / "p.c");
        auto compiled = testkit::run_compiler({"p.ptu", "p.c"}, env, dir.string());
        if (c.message == nullptr) {
            EXPECT_EQ(compiled.status, 0) << compiled.err;
            continue;
        }
        EXPECT_EQ(compiled.status, 5) << compiled.err;
        EXPECT_NE(compiled.err.find(std::string("Harnex-E-IDENTINCO,  ") + c.message),
                  std::string::npos)
            << compiled.err;
        EXPECT_FALSE(fs::exists(dir / "p.c")) << c.lines;
    }
    fs::remove_all(dir);
}

// Three services of the parser's unit; "count/first" leaves a global set
// that "count/second" expects, which only holds when both run in one
// process.
const char* const selection_script =
    "HEADER parser, 1.0, , command parser\n##include \"unit.h\"\n#uint8_t frame[CMD_LEN];\n"
    "#cmd_status st;\n#int seen;\nBEGIN\n"
    "SERVICE parse_cmd\nTEST good\nFAMILY nominal\nELEMENT\n"
    "VAR frame, INIT = \"SET 1234\", EV = \"SET 1234\"\n"
    "VAR st, INIT = CMD_ERR_RANGE, EV = CMD_OK\n#st = parse_cmd(frame, CMD_LEN);\n"
    "END ELEMENT\nEND FAMILY\nEND TEST\n"
    "TEST short\nFAMILY nominal\nELEMENT\nVAR st, INIT = CMD_OK, EV = CMD_ERR_RANGE\n"
    "#st = parse_cmd(frame, 2);\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n"
    "SERVICE syntax\nTEST bad_head\nFAMILY nominal\nELEMENT\n"
    "VAR frame, INIT = \"XET 1234\", EV = \"XET 1234\"\n"
    "VAR st, INIT = CMD_OK, EV = CMD_ERR_SYNTAX\n#st = parse_cmd(frame, CMD_LEN);\n"
    "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n"
    "SERVICE count\nTEST first\nFAMILY nominal\nELEMENT\nVAR seen, INIT = 0, EV = 5\n"
    "#seen = 5;\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
    "TEST second\nFAMILY nominal\nELEMENT\nVAR seen, EV = 5\n#st = CMD_OK;\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\nEND SERVICE\n";

// The harness's command line: --list, --run with globs, --no-fork and
// VXU_NO_FORK, the refusals, and what the report makes of a selection.
TEST(HarnessCommandLine, ListSelectAndRunInOneProcess) {
    const fs::path dir = parser_directory("_command_line", selection_script);
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    const std::string program = build_harness(dir, "p", "unit.c", {"-g", "-O0"});
    ASSERT_FALSE(program.empty());
    const std::string script = (dir / "p.ptu").string();

    auto listed = testkit::run_program(program, {"--list"}, {}, dir.string());
    EXPECT_EQ(listed.status, 0) << listed.err;
    EXPECT_EQ(listed.out, "parse_cmd/good  " + script + ":8\nparse_cmd/short  " + script +
                              ":17\nsyntax/bad_head  " + script + ":27\ncount/first  " + script +
                              ":38\ncount/second  " + script + ":46\n");
    EXPECT_FALSE(fs::exists(dir / "p.rio")) << "--list runs nothing";

    auto report = [&](const std::string& traces) {
        return testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                    {(dir / "p.tdc").string(), traces});
    };
    // Two tests of three services; the others are not selected.
    const std::string chosen = (dir / "chosen.rio").string();
    auto selected = testkit::run_program(
        program, {"--run", "parse_cmd/g*", "--run=syntax/*", "--traces", chosen}, {}, dir.string());
    EXPECT_EQ(selected.status, 0) << selected.out << selected.err;
    auto verdict = report(chosen);
    EXPECT_EQ(verdict.status, 0) << verdict.out;
    EXPECT_NE(verdict.out.find("TEST good: passed"), std::string::npos) << verdict.out;
    EXPECT_NE(verdict.out.find("TEST bad_head: passed"), std::string::npos) << verdict.out;
    EXPECT_NE(verdict.out.find("TEST short: not selected"), std::string::npos) << verdict.out;
    EXPECT_NE(verdict.out.find("TEST second: not selected"), std::string::npos) << verdict.out;
    EXPECT_NE(verdict.out.find(", 3 not selected), "), std::string::npos) << verdict.out;
    EXPECT_NE(verdict.out.find("VERDICT: PASSED (2 of 5 tests selected)\n"), std::string::npos)
        << verdict.out;

    // Each test in its own process: the second test of "count" does not
    // see what the first one set, and fails ...
    const std::string forked = (dir / "forked.rio").string();
    auto isolated =
        testkit::run_program(program, {"--run", "count/*", "--traces", forked}, {}, dir.string());
    EXPECT_EQ(isolated.status, 1) << isolated.out << isolated.err;
    EXPECT_NE(report(forked).out.find("FAIL  seen: obtained 0, expected 5"), std::string::npos);
    // ... in one process it does, by option or by the environment.
    for (const bool by_environment : {false, true}) {
        const std::string one = (dir / "one.rio").string();
        std::vector<std::string> args = {"--run", "count/*", "--traces", one};
        if (!by_environment) args.push_back("--no-fork");
        testkit::EnvChanges env;
        if (by_environment) env["VXU_NO_FORK"] = std::string("1");
        auto in_place = testkit::run_program(program, args, env, dir.string());
        EXPECT_EQ(in_place.status, 0) << in_place.out << in_place.err;
        EXPECT_NE(report(one).out.find("VERDICT: PASSED (2 of 5 tests selected)"),
                  std::string::npos);
    }

    // A debugger stops in the unit without following a child.
    auto debugged = testkit::run_program(
        "gdb",
        {"-batch", "-nx", "-ex", "break parse_cmd", "-ex", "run", "--args", program, "--no-fork",
         "--run", "syntax/bad_head", "--traces", (dir / "gdb.rio").string()},
        {}, dir.string());
    EXPECT_NE(debugged.out.find("Breakpoint 1, parse_cmd (buf="), std::string::npos)
        << debugged.out << debugged.err;

    // Refusals end with 2 before any test runs.
    struct Refusal {
        std::vector<std::string> args;
        const char* message;
    };
    const Refusal refusals[] = {
        {{"--run", "nothing/*"}, "no test matches the selection nothing/*"},
        {{"--frobnicate"}, "unknown option --frobnicate"},
        {{"--timeout", "5s"}, "--timeout takes a whole number of seconds, not 5s"},
        {{"--run"}, "a value is missing after --run"},
    };
    for (const Refusal& refusal : refusals) {
        const fs::path traces = dir / "refused.rio";
        std::vector<std::string> args = refusal.args;
        args.insert(args.begin(), {"--traces", traces.string()});
        auto refused = testkit::run_program(program, args, {}, dir.string());
        EXPECT_EQ(refused.status, 2) << refusal.message;
        EXPECT_NE(refused.err.find(refusal.message), std::string::npos) << refused.err;
        EXPECT_FALSE(fs::exists(traces)) << refusal.message;
    }
    auto help = testkit::run_program(program, {"--help"}, {}, dir.string());
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--run PATTERN"), std::string::npos) << help.out;

    // A harness whose main takes no arguments selects at compile time.
    const std::string bare = (dir / "p_bare").string();
    auto bare_built =
        testkit::run_program("cc", {"-std=c99", "-Wall", "-Wextra", "-Werror",
                                    "-DZQZQ_MAIN_HEADER=int main(void) {", "-DVXU_RUN=\"syntax/*\"",
                                    "-I" + target_lib, "-I" + dir.string(), (dir / "p.c").string(),
                                    (dir / "unit.c").string(), target_lib + "/TP.c", "-o", bare});
    ASSERT_EQ(bare_built.status, 0) << bare_built.err;
    const std::string bare_traces = (dir / "bare.rio").string();
    auto bare_run = testkit::run_program(bare, {"--list"}, {{"VXURIO", bare_traces}}, dir.string());
    EXPECT_EQ(bare_run.status, 0) << bare_run.err;
    EXPECT_NE(report(bare_traces).out.find("VERDICT: PASSED (1 of 5 tests selected)"),
              std::string::npos)
        << "its arguments are not read";
    fs::remove_all(dir);
}

// A unit whose calls take time, crash, exit or wait for one another, for
// the tests run side by side.
const char* const jobs_header =
    "#include <stdint.h>\n#define SLOW_MS 300\n#define MEET_MS 1500\n"
    "int32_t nap(int32_t ms);\nvoid crash(void);\nvoid leave(int32_t code);\n"
    "int32_t meet(const char *mine, const char *theirs, int32_t ms);\n";
const char* const jobs_unit =
    "#define _POSIX_C_SOURCE 200809L\n#include <stdio.h>\n#include <stdlib.h>\n#include <time.h>\n"
    "#include <unistd.h>\n#include \"unit.h\"\n"
    "int32_t nap(int32_t ms) {\n"
    "    struct timespec pause = {ms / 1000, (long)(ms % 1000) * 1000000L};\n"
    "    nanosleep(&pause, NULL);\n    return ms;\n}\n"
    "void crash(void) { volatile int *volatile nowhere = NULL; *nowhere = 1; }\n"
    "void leave(int32_t code) { exit(code); }\n"
    "/* Leaves the file `mine`, then waits up to ms for `theirs`: 1 when the\n"
    "   other side showed up in time. */\n"
    "int32_t meet(const char *mine, const char *theirs, int32_t ms) {\n"
    "    FILE *f = fopen(mine, \"w\");\n    if (f != NULL) fclose(f);\n"
    "    for (int32_t waited = 0; waited < ms; waited += 10) {\n"
    "        if (access(theirs, F_OK) == 0) return 1;\n        nap(10);\n    }\n"
    "    return 0;\n}\n";
const char* const jobs_script =
    "HEADER jobs, 1.0, , tests side by side\n##include \"unit.h\"\n#int32_t n;\nBEGIN\n"
    "SERVICE outcomes\n"
    "TEST slow_first\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = SLOW_MS\n"
    "#n = nap(SLOW_MS);\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
    "TEST fails\nFAMILY nominal\nELEMENT\nVAR n, INIT = 1, EV = 2\n#n = nap(1);\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\n"
    "TEST crashes\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 0\n#crash();\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\n"
    "TEST exits\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 0\n#leave(3);\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\n"
    "TEST hangs\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 0\n#nap(5000);\nEND ELEMENT\n"
    "END FAMILY\nEND TEST\n"
    "TEST looped\nFAMILY nominal\nELEMENT\nVAR n, INIT IN {1, 2, 3}, EV = 3\n#nap(n);\n"
    "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n"
    "SERVICE rendezvous\n"
    "TEST left_side\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 1\n"
    "#n = meet(\"left.flag\", \"right.flag\", MEET_MS);\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
    "TEST right_side\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 1\n"
    "#n = meet(\"right.flag\", \"left.flag\", MEET_MS);\nEND ELEMENT\nEND FAMILY\nEND TEST\n"
    "END SERVICE\n"
    "SERVICE tail\nTEST fast_last\nFAMILY nominal\nELEMENT\nVAR n, INIT = 0, EV = 4\n"
    "#n = nap(4);\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";

// The traces with what changes from run to run masked: the times of the
// tests (D) and of the elements (Z).
std::string without_times(const std::string& traces) {
    static const QRegularExpression times(QStringLiteral("^(D [0-9]+|Z) [0-9]+$"),
                                          QRegularExpression::MultilineOption);
    return QString::fromStdString(traces)
        .replace(times, QStringLiteral("\\1 <TIME>"))
        .toStdString();
}

// --jobs runs tests side by side and leaves the traces of a run one test at
// a time: a slow first test, a failure, a crash, an exit, a time-out, a
// repeated test and tests left out by the selection all land in the order
// of the script. Two tests that wait for each other meet only when they
// run at the same time.
TEST(HarnessCommandLine, JobsRunTestsSideBySideInScriptOrder) {
    const fs::path dir = script_directory("_jobs", jobs_header, jobs_unit, jobs_script);
    const std::string program = build_harness(dir, "p", "unit.c");
    ASSERT_FALSE(program.empty());
    auto report = [&](const std::string& traces) {
        return testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                    {(dir / "p.tdc").string(), traces});
    };

    std::map<std::string, std::string> traces;
    std::map<std::string, std::string> reports;
    for (const char* jobs : {"1", "4"}) {
        const std::string rio = (dir / (std::string("jobs") + jobs + ".rio")).string();
        auto ran = testkit::run_program(program,
                                        {"--jobs", jobs, "--timeout", "1", "--run", "outcomes/*",
                                         "--run", "tail/*", "--traces", rio},
                                        {}, dir.string());
        EXPECT_EQ(ran.status, 2) << jobs << ": a test did not finish\n" << ran.out << ran.err;
        traces[jobs] = without_times(testkit::read_file(rio));
        reports[jobs] = comparable(report(rio).out, dir);
    }
    EXPECT_EQ(traces["4"], traces["1"]);
    EXPECT_EQ(reports["4"], reports["1"]);
    for (const char* outcome :
         {"TEST slow_first: passed", "TEST fails: FAILED", "crashed (SIGSEGV)",
          "called exit (status 3)", "timed out after 1 s", "TEST looped: FAILED",
          "TEST left_side: not selected", "TEST fast_last: passed"}) {
        EXPECT_NE(reports["4"].find(outcome), std::string::npos) << outcome << "\n" << reports["4"];
    }

    // The twin that must fail: one at a time, the left side waits for the
    // right side in vain and is stopped by its time limit.
    for (const char* jobs : {"1", "2"}) {
        fs::remove(dir / "left.flag");
        fs::remove(dir / "right.flag");
        const std::string rio = (dir / (std::string("meet") + jobs + ".rio")).string();
        auto ran = testkit::run_program(
            program, {"--jobs", jobs, "--timeout", "1", "--run", "rendezvous/*", "--traces", rio},
            {}, dir.string());
        const auto verdict = report(rio);
        if (std::string(jobs) == "2") {
            EXPECT_EQ(ran.status, 0) << ran.out << ran.err;
            EXPECT_NE(verdict.out.find("VERDICT: PASSED (2 of 9 tests selected)"),
                      std::string::npos)
                << verdict.out;
        } else {
            EXPECT_NE(ran.status, 0);
            EXPECT_NE(verdict.out.find("timed out after 1 s"), std::string::npos) << verdict.out;
        }
    }

    for (const char* refused : {"0", "65", "two"}) {
        auto ran = testkit::run_program(program, {"--jobs", refused}, {}, dir.string());
        EXPECT_EQ(ran.status, 2) << refused;
        EXPECT_NE(ran.err.find(std::string("--jobs takes a number of tests from 1 to 64, not ") +
                               refused),
                  std::string::npos)
            << ran.err;
    }
    fs::remove_all(dir);
}

// A unit whose tests share a variable, and may crash, hang or exit.
const char* const shared_header =
    "#include <stdint.h>\n"
    "extern int32_t seen;\n"
    "int32_t nap(int32_t ms);\n"
    "void crash(void);\n"
    "void leave(int32_t code);\n";
const char* const shared_unit =
    "#define _POSIX_C_SOURCE 200809L\n"
    "#include <stdlib.h>\n"
    "#include <time.h>\n"
    "#include \"unit.h\"\n"
    "int32_t seen;\n"
    "int32_t nap(int32_t ms) { struct timespec p = {ms / 1000, (long)(ms % 1000) * 1000000L}; "
    "nanosleep(&p, NULL); return ms; }\n"
    "void crash(void) { volatile int *volatile nowhere = NULL; *nowhere = 1; }\n"
    "void leave(int32_t code) { exit(code); }\n";
// "reads" expects what "sets" left; "fresh", after a crash, expects what
// the harness itself holds.
const char* const shared_script =
    "HEADER c, 1.0, , crash isolation\n"
    "##include \"unit.h\"\n"
    "BEGIN\n"
    "SERVICE shared\n"
    "TEST sets\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, INIT = 0, EV = 5\n"
    "#seen = 5;\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "TEST reads\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, EV = 5\n"
    "#nap(1);\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "TEST crashes\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, EV = 5\n"
    "#crash();\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "END SERVICE\n"
    "SERVICE after\n"
    "TEST fresh\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, EV = 0\n"
    "#nap(1);\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "TEST hangs\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, INIT = 1, EV = 1\n"
    "#nap(5000);\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "TEST exits\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, INIT = 2, EV = 2\n"
    "#leave(3);\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "TEST last\n"
    "FAMILY nominal\n"
    "ELEMENT\n"
    "VAR seen, INIT = 7, EV = 7\n"
    "#nap(1);\n"
    "END ELEMENT\n"
    "END FAMILY\n"
    "END TEST\n"
    "END SERVICE\n";

// --isolation=crash runs the tests in one process, so that one sees what
// the one before it left, and goes on in a fresh process after a crash,
// a time-out or an exit; its traces are those of --isolation=test but for
// that sharing, and the report says the tests shared their state.
TEST(HarnessCommandLine, CrashIsolationSharesStateAndSurvivesCrashes) {
    const fs::path dir = script_directory("_isolation", shared_header, shared_unit, shared_script);
    const std::string program = build_harness(dir, "p", "unit.c");
    ASSERT_FALSE(program.empty());
    auto report = [&](const std::string& traces) {
        return testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                    {(dir / "p.tdc").string(), traces});
    };
    std::map<std::string, std::string> reports;
    std::map<std::string, std::string> traces;
    for (const char* mode : {"test", "crash"}) {
        const std::string rio = (dir / (std::string(mode) + ".rio")).string();
        testkit::EnvChanges by_environment;
        std::vector<std::string> args = {"--timeout", "1", "--traces", rio};
        if (std::string(mode) == "crash") {
            by_environment["VXU_ISOLATION"] = std::string("crash");
        } else {
            args.insert(args.begin(), {"--isolation", mode});
        }
        auto ran = testkit::run_program(program, args, by_environment, dir.string());
        EXPECT_EQ(ran.status, 2) << mode << ": tests did not finish\n" << ran.out << ran.err;
        reports[mode] = report(rio).out;
        traces[mode] = without_times(testkit::read_file(rio));
    }
    for (const char* outcome : {"TEST sets: passed", "TEST crashes: FAILED (crashed (SIGSEGV)",
                                "TEST fresh: passed", "TEST hangs: FAILED (timed out after 1 s",
                                "called exit (status 3)", "TEST last: passed"}) {
        EXPECT_NE(reports["test"].find(outcome), std::string::npos) << outcome << reports["test"];
        EXPECT_NE(reports["crash"].find(outcome), std::string::npos) << outcome << reports["crash"];
    }
    // The one difference: "reads" sees what "sets" left only when they share
    // a process, and the report says they did.
    EXPECT_NE(reports["test"].find("FAIL  seen: obtained 0, expected 5"), std::string::npos)
        << reports["test"];
    EXPECT_NE(reports["crash"].find("TEST reads: passed"), std::string::npos) << reports["crash"];
    EXPECT_NE(reports["crash"].find("WARNING: the tests share their state"), std::string::npos);
    EXPECT_EQ(reports["test"].find("WARNING"), std::string::npos);
    auto comparable_traces = [](std::string text) {
        text = QString::fromStdString(text)
                   .replace(QRegularExpression(QStringLiteral("^(W .*|F [0-9]+)\n"),
                                               QRegularExpression::MultilineOption),
                            QString())
                   .toStdString();
        const std::string shared = "C 9 int/10 1 0 ok 5 5 5";
        const std::string apart = "C 9 int/10 1 0 KO 0 5 5";
        const std::size_t at = text.find(shared);
        if (at != std::string::npos) text.replace(at, shared.size(), apart);
        return text;
    };
    EXPECT_EQ(comparable_traces(traces["crash"]), comparable_traces(traces["test"]));

    auto refused = testkit::run_program(program, {"--isolation", "sometimes"}, {}, dir.string());
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("--isolation is test, crash or none, not sometimes"),
              std::string::npos)
        << refused.err;
    fs::remove_all(dir);
}

// --list on the demo's scripts gives every SERVICE/TEST of the script with
// the line of its TEST statement, in script order, and runs nothing.
TEST(HarnessCommandLine, ListOnTheDemoScripts) {
    const fs::path examples = fs::path(VX_SOURCE_DIR) / "examples";
    const fs::path dir = fs::path(run_root()) / "_demo_list";
    fs::remove_all(dir);
    fs::create_directories(dir);
    const testkit::EnvChanges env = {{"VXLTGT", target_link()}};
    const std::string target_lib = testkit::dist_dir() + "/target/lib";
    for (const char* name : {"calc", "thermo"}) {
        const fs::path script = examples / (std::string(name) + ".ptu");
        auto compiled =
            testkit::run_compiler({script.string(), (dir / (std::string(name) + ".c")).string(),
                                   dir.string() + "/", "-LANGUAGE=C"},
                                  env, dir.string());
        ASSERT_EQ(compiled.status, 0) << compiled.err;
        const std::string program = (dir / name).string();
        auto built = testkit::run_program(
            "cc", {"-std=c99", "-I" + target_lib, "-I" + dir.string(), "-I" + examples.string(),
                   (dir / (std::string(name) + ".c")).string(),
                   (examples / (std::string(name) + ".c")).string(), target_lib + "/TP.c", "-o",
                   program});
        ASSERT_EQ(built.status, 0) << built.err;
        // What the script says, read from its SERVICE and TEST lines.
        std::string expected;
        std::string service;
        long number = 0;
        for (const std::string& line : read_lines(script)) {
            ++number;
            if (line.rfind("SERVICE ", 0) == 0) service = line.substr(8);
            if (line.rfind("TEST ", 0) == 0) {
                expected += service + "/" + line.substr(5) + "  " + script.string() + ":" +
                            std::to_string(number) + "\n";
            }
        }
        ASSERT_FALSE(expected.empty());
        auto listed = testkit::run_program(program, {"--list"}, {}, dir.string());
        EXPECT_EQ(listed.status, 0) << listed.err;
        EXPECT_EQ(listed.out, expected) << name;
        EXPECT_FALSE(fs::exists(dir / (std::string(name) + ".rio"))) << name;
    }
    fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Cases, EndToEnd, ::testing::ValuesIn(case_names()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace vx
