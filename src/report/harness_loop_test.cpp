// The whole loop on hand-written harnesses (tests/harness/): each harness
// uses the runtime macros in the shapes the compiler writes, is built with
// a C compiler and the installed runtime package, run in a scratch
// directory, and its traces are read by the installed vexorreport; the
// tests assert on the text, the exit status and the JUnit XML.
#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include <cstdio>
#include <sstream>
#include <string>

namespace {

using namespace vx::harness_testing;

bool contains(const std::string& text, const std::string& piece) {
    return text.find(piece) != std::string::npos;
}

#define EXPECT_CONTAINS(text, piece) \
    EXPECT_TRUE(contains((text), (piece))) << "missing: " << (piece) << "\nin:\n" << (text)

class HarnessLoop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        compiler_ = find_compiler(QStringLiteral("cc"));
        ASSERT_FALSE(compiler_.isEmpty()) << "no C compiler named cc";
    }

    QString dir() const { return scratch_.path(); }
    QString in_dir(const QString& name) const { return dir() + QLatin1Char('/') + name; }

    // Builds (with the sanitizers, to catch any overrun in the runtime) and
    // runs harness `name`; returns the harness's own run.
    ProcessResult build_and_run(const QString& name, const QStringList& flags = {},
                                const QStringList& first_includes = {}) {
        QStringList all = {QStringLiteral("-fsanitize=address,undefined"),
                           QStringLiteral("-fno-sanitize-recover=undefined")};
        all << flags;
        ProcessResult build = compile_harness(compiler_, name, dir(), name, all, first_includes);
        EXPECT_TRUE(build.started && build.exit_code == 0 && !build.crashed)
            << "build of " << name.toStdString() << " failed:\n"
            << build.err;
        return run_program(in_dir(name), {}, dir());
    }

    ProcessResult report(const QString& name, const QStringList& extra = {}) {
        QStringList arguments = extra;
        arguments << harness_file(name + QStringLiteral(".tdc"))
                  << in_dir(name + QStringLiteral(".rio"));
        return run_report(arguments, dir());
    }

    // Builds and runs harness `name`, whose own status must be `status` and
    // whose summary line `summary`; returns the report of its traces, with
    // the JUnit XML written beside them.
    ProcessResult run_and_report(const QString& name, int status, const std::string& summary) {
        ProcessResult run = build_and_run(name);
        EXPECT_EQ(run.exit_code, status) << run.err;
        EXPECT_CONTAINS(run.out, summary);
        return report(name, {QStringLiteral("--junit"), in_dir(name + QStringLiteral(".xml"))});
    }

    QTemporaryDir scratch_;
    QString compiler_;
};

TEST_F(HarnessLoop, WorkedExamplePassesWithTextAndJUnit) {
    ProcessResult verdict =
        run_and_report(QStringLiteral("worked"), 0, "vexor runtime: 2 check(s) passed, 0 failed");
    EXPECT_EQ(verdict.exit_code, 0) << verdict.err;
    EXPECT_CONTAINS(verdict.out, "SERVICE add  (worked.ptu:3)");
    EXPECT_CONTAINS(verdict.out, "  TEST t1  (worked.ptu:4)");
    EXPECT_CONTAINS(verdict.out, "    ELEMENT 1  (worked.ptu:5)");
    EXPECT_CONTAINS(verdict.out, "init  x = 1  (worked.ptu:6)");
    EXPECT_CONTAINS(verdict.out, "ok    r: obtained 3, expected 3  (worked.ptu:7)");
    EXPECT_CONTAINS(verdict.out, "VERDICT: PASSED");

    // The same traces cut after any line, or inside one, never pass.
    const std::string whole = read_file(in_dir(QStringLiteral("worked.rio")));
    int cuts = 0;
    for (std::size_t end = 0; (end = whole.find('\n', end)) != std::string::npos; ++end) {
        if (end + 1 == whole.size()) break;
        for (std::size_t extra : {std::size_t{1}, std::size_t{3}}) {
            const std::string cut = whole.substr(0, std::min(end + extra, whole.size() - 1));
            ASSERT_TRUE(write_file(in_dir(QStringLiteral("cut.rio")), cut));
            ProcessResult partial = run_report(
                {harness_file(QStringLiteral("worked.tdc")), in_dir(QStringLiteral("cut.rio"))},
                dir());
            EXPECT_EQ(partial.exit_code, 2) << cut;
            EXPECT_FALSE(contains(partial.out, "PASSED")) << cut << partial.out;
            ++cuts;
        }
    }
    EXPECT_GE(cuts, 20);

    JUnitDocument junit = parse_junit(read_file(in_dir(QStringLiteral("worked.xml"))));
    ASSERT_TRUE(junit.well_formed) << junit.error.toStdString();
    EXPECT_EQ(junit.root_attributes["tests"], QStringLiteral("1"));
    EXPECT_EQ(junit.root_attributes["failures"], QStringLiteral("0"));
    ASSERT_EQ(junit.cases.size(), 1u);
    EXPECT_EQ(junit.cases[0].suite, QStringLiteral("add"));
    EXPECT_EQ(junit.cases[0].name, QStringLiteral("t1"));
    EXPECT_EQ(junit.cases[0].classname, QStringLiteral("worked.add"));
    EXPECT_FALSE(junit.cases[0].failed);

    // VXURIO moves the traces file without rebuilding the harness.
    ProcessResult moved =
        run_program(in_dir(QStringLiteral("worked")), {}, dir(),
                    {{QStringLiteral("VXURIO"), in_dir(QStringLiteral("moved.rio"))}});
    ASSERT_EQ(moved.exit_code, 0);
    ProcessResult moved_verdict = run_report(
        {harness_file(QStringLiteral("worked.tdc")), in_dir(QStringLiteral("moved.rio"))}, dir());
    EXPECT_EQ(moved_verdict.exit_code, 0) << moved_verdict.err;
}

TEST_F(HarnessLoop, EveryCheckFamilyPassesAndFailsAsTheRuntimeJudged) {
    // The harness's own status says a check failed.
    ProcessResult verdict =
        run_and_report(QStringLiteral("scalars"), 1,
                       "vexor runtime: 20 check(s) passed, 5 failed, 3 value(s) recorded");
    EXPECT_EQ(verdict.exit_code, 1) << verdict.err;
    const std::string& text = verdict.out;
    // Integers, signed and unsigned, in their display bases; a MIN/MAX range.
    EXPECT_CONTAINS(text, "FAIL  s16: obtained -3, expected -4  (scalars.ptu:7)");
    EXPECT_CONTAINS(text, "init  u = 0x3");
    EXPECT_CONTAINS(text, "ok    u: obtained 0x30, expected 0x30 (script: 48)");
    EXPECT_CONTAINS(text, "ok    r: obtained 5, expected in [1, 10] (script: 1<=VA<=10)");
    // Characters, a value only recorded, booleans, a repeated test.
    EXPECT_CONTAINS(text, "ok    c: obtained 'A', expected 'A'");
    EXPECT_CONTAINS(text, "ok    c: obtained 'B', expected 'B'");
    EXPECT_CONTAINS(text, "rec   d = '1'");
    EXPECT_CONTAINS(text, "ok    even: obtained true, expected true");
    EXPECT_CONTAINS(text, "TEST chars (run 2)  (scalars.ptu:12)");
    EXPECT_CONTAINS(text, "note  repeated 2 time(s)");
    // Floating values against DELTA bounds and an exact value.
    EXPECT_CONTAINS(text, "ok    h: obtained 1.5, expected in [1.49, 1.51] (script: 1.5 +/- 0.01)");
    EXPECT_CONTAINS(text, "FAIL  avg: obtained 2.3333333333333335, expected in [1.9, 2.1]");
    EXPECT_CONTAINS(text, "ok    big: obtained 1e+300, expected 1e+300");
    // Strings: equal, concatenated, escaped, recorded NULL, a string range.
    EXPECT_CONTAINS(text, "ok    out: obtained \"Hello, Ada\", expected \"Hello, Ada\"");
    EXPECT_CONTAINS(text, "FAIL  wrong: obtained \"x\\\"y\\\\\", expected \"xy\"");
    EXPECT_CONTAINS(text, "rec   pc = NULL");
    EXPECT_CONTAINS(text, "    ELEMENT 2  (scalars.ptu:34)");
    EXPECT_CONTAINS(text, "ok    word: obtained \"cat\", expected in [\"b\", \"d\"]");
    // Pointers and function pointers with NIL and NONIL.
    EXPECT_CONTAINS(text, "ok    p: obtained 0x");
    EXPECT_CONTAINS(text, ", expected NONIL  (scalars.ptu:40)");
    EXPECT_CONTAINS(text, "ok    q: obtained NIL, expected NIL");
    EXPECT_CONTAINS(text, "FAIL  q2: obtained 0x");
    EXPECT_CONTAINS(text, "ok    g: obtained NILFUNC, expected NILFUNC");
    EXPECT_CONTAINS(text, ", expected NONILFUNC (script: NONIL)");
    // An array checked member by member.
    EXPECT_CONTAINS(text, "tab:  (scalars.ptu:50)");
    EXPECT_CONTAINS(text, "  FAIL  tab[2]: obtained 3, expected 4");
    EXPECT_CONTAINS(text, "note  check of tab interrupted");
    EXPECT_CONTAINS(text, "TEST ints: FAILED (1 of 4 checks failed)");
    EXPECT_CONTAINS(text,
                    "TOTAL: 2 services, 7 tests (2 passed, 5 failed, 0 did not finish, 0 did not "
                    "run), 8 elements, "
                    "25 checks (20 passed, 5 failed), 3 recorded");
    EXPECT_CONTAINS(text, "VERDICT: FAILED");

    JUnitDocument junit = parse_junit(read_file(in_dir(QStringLiteral("scalars.xml"))));
    ASSERT_TRUE(junit.well_formed) << junit.error.toStdString();
    EXPECT_EQ(junit.root_attributes["tests"], QStringLiteral("7"));
    EXPECT_EQ(junit.root_attributes["failures"], QStringLiteral("5"));
    ASSERT_EQ(junit.suites.size(), 2u);
    EXPECT_EQ(junit.suites[0], QStringLiteral("add"));
    EXPECT_EQ(junit.suites[1], QStringLiteral("measure"));
    ASSERT_EQ(junit.cases.size(), 7u);
    const JUnitCase* ints = junit.find(QStringLiteral("ints"));
    ASSERT_NE(ints, nullptr);
    EXPECT_TRUE(ints->failed);
    EXPECT_EQ(ints->failure_message, QStringLiteral("s16: obtained -3, expected -4"));
    const JUnitCase* second_run = junit.find(QStringLiteral("chars (run 2)"));
    ASSERT_NE(second_run, nullptr);
    EXPECT_FALSE(second_run->failed);
    const JUnitCase* strings = junit.find(QStringLiteral("strings"));
    ASSERT_NE(strings, nullptr);
    EXPECT_TRUE(strings->failure_text.contains(
        QStringLiteral("wrong: obtained \"x\\\"y\\\\\", expected \"xy\"")));
    const JUnitCase* arrays = junit.find(QStringLiteral("arrays"));
    ASSERT_NE(arrays, nullptr);
    EXPECT_EQ(arrays->suite, QStringLiteral("measure"));
    EXPECT_TRUE(arrays->failure_text.contains(QStringLiteral("tab[2]: obtained 3, expected 4")));

    // Quiet: only the failed checks, under their headings, and the totals.
    ProcessResult quiet = report(QStringLiteral("scalars"), {QStringLiteral("--quiet")});
    EXPECT_EQ(quiet.exit_code, 1);
    EXPECT_CONTAINS(quiet.out, "FAIL  s16: obtained -3, expected -4");
    EXPECT_FALSE(contains(quiet.out, "ok    a:"));
    EXPECT_FALSE(contains(quiet.out, "TEST chars"));
    EXPECT_CONTAINS(quiet.out, "VERDICT: FAILED");
}

TEST_F(HarnessLoop, LongStringsAreComparedWholeAndShownAtTheirDifference) {
    ProcessResult run = build_and_run(QStringLiteral("long_strings"));
    ASSERT_EQ(run.exit_code, 1) << run.err;  // some of its checks fail on purpose
    std::string traces = read_file(in_dir(QStringLiteral("long_strings.rio")));
    EXPECT_CONTAINS(traces, "\"~");  // images cut at their bound
    EXPECT_CONTAINS(traces, " @");   // and started near the difference

    ProcessResult verdict = report(QStringLiteral("long_strings"));
    EXPECT_EQ(verdict.exit_code, 1) << verdict.err;
    std::string difference(32, 'a');
    EXPECT_CONTAINS(verdict.out, "FAIL  long_out: obtained ...\"" + difference + "X");
    EXPECT_CONTAINS(verdict.out, "(from character 49969)");
    // A concatenation longer than the runtime's buffers is compared whole.
    EXPECT_CONTAINS(verdict.out, "ok    joined: obtained");
    EXPECT_CONTAINS(verdict.out, "ok    long_ref: obtained");

    // Without dynamic allocation the concatenation is cut: the check that
    // used it cannot pass, and the report says why.
    ProcessResult small =
        build_and_run(QStringLiteral("long_strings"), {QStringLiteral("-DVXU_NO_MALLOC")});
    ASSERT_EQ(small.exit_code, 1) << small.err;
    ProcessResult small_verdict = report(QStringLiteral("long_strings"));
    EXPECT_EQ(small_verdict.exit_code, 1);
    EXPECT_CONTAINS(small_verdict.out, "FAIL  joined: obtained");
    EXPECT_CONTAINS(small_verdict.out,
                    "WARNING: CONCAT_STR_C: the concatenated text was cut to the buffer size");
}

TEST_F(HarnessLoop, AHarnessThatStopsEarlyGivesAPartialVerdictAndStatusTwo) {
    ProcessResult run = build_and_run(QStringLiteral("stops"));
    // The code under test called exit(3): the harness ended without its end
    // line, and says so with status 2 whatever the status it was given.
    ASSERT_EQ(run.exit_code, 2);
    ProcessResult verdict = report(
        QStringLiteral("stops"), {QStringLiteral("--junit"), in_dir(QStringLiteral("stops.xml"))});
    EXPECT_EQ(verdict.exit_code, 2);
    EXPECT_CONTAINS(verdict.out, "ok    x: obtained 1, expected 1");
    EXPECT_CONTAINS(verdict.out, "TEST second");
    EXPECT_CONTAINS(verdict.err, "stops.rio:11: the traces end without their end line");
    EXPECT_CONTAINS(verdict.err, "the harness stopped before CLF_C");
    JUnitDocument junit = parse_junit(read_file(in_dir(QStringLiteral("stops.xml"))));
    ASSERT_TRUE(junit.well_formed);
    const JUnitCase* second = junit.find(QStringLiteral("second"));
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->error);
    // The second test, and the run that stopped before its end line.
    EXPECT_EQ(junit.root_attributes["errors"], QStringLiteral("2"));
    const JUnitCase* incomplete = junit.find(QStringLiteral("traces complete"));
    ASSERT_NE(incomplete, nullptr);
    EXPECT_TRUE(incomplete->error);
}

TEST_F(HarnessLoop, DamagedOrForeignTracesAreRefusedWithTheirLine) {
    ProcessResult run = build_and_run(QStringLiteral("worked"));
    ASSERT_EQ(run.exit_code, 0);
    const std::string good = read_file(in_dir(QStringLiteral("worked.rio")));
    ASSERT_TRUE(contains(good, "C 5 int/10 1 0 ok 3 3 3\n")) << good;

    struct Damage {
        const char* what;
        std::string traces;
        std::string message;
    };
    auto replaced = [&](const std::string& from, const std::string& to) {
        std::string copy = good;
        copy.replace(copy.find(from), from.size(), to);
        return copy;
    };
    const std::vector<Damage> damages = {
        {"truncated line", good.substr(0, good.find("ok 3 3 3") + 4),
         "damaged.rio:10: the last line is cut short and the traces end without their end line"},
        {"unknown record number", replaced("C 5 ", "C 55 "),
         "damaged.rio:11: the trace names record 55 as a variable, but there is no record 55"},
        {"record of another kind", replaced("C 5 ", "C 2 "),
         "damaged.rio:11: the trace names record 2 as a variable, but record 2 of the link "
         "record file is a \"T\" record"},
        {"garbage bytes", replaced("ok 3 3 3", "ok 3 \x01\xff 3"),
         "damaged.rio:11: unexpected byte 0x01 in column"},
        {"renamed test", replaced("\"t1\"", "\"t9\""),
         "damaged.rio:5: test record 2 is \"t1\" in the link record file but \"t9\" in the traces"},
        {"unknown kind", replaced("E\n", "J\n"), "damaged.rio:13: unknown trace kind 'J'"},
        {"missing field", replaced("ok 3 3 3", "ok 3 3"),
         "damaged.rio:11: a line of kind 'C' has 8 field(s), this one has 7"},
        {"lines lost", replaced("S\n", ""), "damaged.rio:14: the end line counts 14 line(s)"},
        {"not traces", "hello\n", "damaged.rio:1: not a traces file"},
        {"another compilation", replaced("H 5eed5eed5eed5eed", "H 5eed5eed5eed0000"),
         "damaged.rio and " + harness_file(QStringLiteral("worked.tdc")).toStdString() +
             " come from different compilations"},
    };
    for (const Damage& damage : damages) {
        ASSERT_TRUE(write_file(in_dir(QStringLiteral("damaged.rio")), damage.traces));
        ProcessResult verdict = run_report(
            {harness_file(QStringLiteral("worked.tdc")), in_dir(QStringLiteral("damaged.rio"))},
            dir());
        EXPECT_FALSE(verdict.crashed) << damage.what;
        EXPECT_EQ(verdict.exit_code, 2) << damage.what;
        EXPECT_CONTAINS(verdict.err, damage.message) << damage.what;
        // Refused, or (a file cut short) read as far as it goes: never passed.
        EXPECT_FALSE(contains(verdict.out, "VERDICT: PASSED")) << damage.what;
        EXPECT_EQ(contains(verdict.out, "VERDICT"), damage.what == std::string("truncated line"))
            << damage.what;
    }

    // Traces of one harness against the link records of another.
    ProcessResult foreign = run_report(
        {harness_file(QStringLiteral("scalars.tdc")), in_dir(QStringLiteral("worked.rio"))}, dir());
    EXPECT_EQ(foreign.exit_code, 2);
    EXPECT_CONTAINS(foreign.err, "do not belong together");

    // The files given in the wrong order.
    ProcessResult swapped = run_report(
        {in_dir(QStringLiteral("worked.rio")), harness_file(QStringLiteral("worked.tdc"))}, dir());
    EXPECT_EQ(swapped.exit_code, 2);
    EXPECT_CONTAINS(swapped.err, "is a traces file: give the link record file first");

    ProcessResult missing = run_report(
        {harness_file(QStringLiteral("worked.tdc")), in_dir(QStringLiteral("absent.rio"))}, dir());
    EXPECT_EQ(missing.exit_code, 2);
    EXPECT_CONTAINS(missing.err, "cannot open");
}

TEST_F(HarnessLoop, TheConfigurationHeaderLeavesUnusedFamiliesOut) {
    // The header as the compiler writes it, with the two blanks of the last
    // two names; the worked example uses only integer traces and checks and
    // the stub check of a script without stubs.
    std::string header = "/* configuration */\n";
    const char* families[] = {"BOOLEAN", "CHAR",    "DOUBLE", "FLOAT",
                              "INTEGER", "POINTER", "STR",    "UNSIGNED"};
    for (const char* family : families) {
        std::string count = std::string(family) == "INTEGER" ? "2" : "0";
        header += "#define ZQZQUSE_EDV_" + std::string(family) + "_C " + count + "\n";
        header += "#define ZQZQUSE_ARRAY_" + std::string(family) + "_C 0\n";
        header += "#define ZQZQUSE_CONSTANT_" + std::string(family) + "_C 0\n";
    }
    const char* others[] = {
        "PTU_BOOLEAN_C 0",  "PTU_CHAR_C 0", "PTU_DOUBLE_C 0",  "PTU_FLOAT_C 0",  "PTU_INTEGER_C 1",
        "PTU_UNSIGNED_C 0", "INI_STR_C 0",  "CHRONO_MUET_C 0", "COMP_STR_C 0",   "DCL_FAC_REP_C 0",
        "MUET_CHECK 1",     "OPEN_BRA_C 0", "RUPT  0",         "CONCAT_STR_C  0"};
    for (const char* other : others) {
        header += "#define ZQZQUSE_" + std::string(other) + "\n";
    }
    QString config_dir = in_dir(QStringLiteral("config"));
    ASSERT_TRUE(QDir().mkpath(config_dir));
    ASSERT_TRUE(write_file(config_dir + QStringLiteral("/vexor_cfg.h"), header));

    ProcessResult run = build_and_run(QStringLiteral("worked"), {}, {config_dir});
    ASSERT_EQ(run.exit_code, 0) << run.err;
    EXPECT_EQ(report(QStringLiteral("worked")).exit_code, 0);

    // A harness that uses a family the header counts as unused does not
    // link: the float check was left out of the runtime.
    ProcessResult build = compile_harness(compiler_, QStringLiteral("scalars"), dir(),
                                          QStringLiteral("scalars"), {}, {config_dir});
    EXPECT_NE(build.exit_code, 0);
    EXPECT_CONTAINS(build.err, "vxu_edv_float");
}

TEST_F(HarnessLoop, RuntimeAndHarnessesBuildWarningFreeWithEveryCompiler) {
    QStringList compilers = {compiler_};
    QString clang = find_compiler(QStringLiteral("clang"));
    if (!clang.isEmpty()) {
        compilers << clang;
    }
    for (const QString& compiler : compilers) {
        ProcessResult object = run_program(
            compiler,
            {QStringLiteral("-std=c99"), QStringLiteral("-Wall"), QStringLiteral("-Wextra"),
             QStringLiteral("-Werror"), QStringLiteral("-pedantic"), QStringLiteral("-c"),
             dist_path(QStringLiteral("target/lib/TP.c")), QStringLiteral("-o"),
             in_dir(QStringLiteral("TP.o"))},
            dir(), {}, compile_timeout_ms);
        EXPECT_EQ(object.exit_code, 0) << compiler.toStdString() << ":\n" << object.err;
        EXPECT_TRUE(object.err.empty()) << object.err;
        for (const char* name : {"worked", "scalars", "long_strings", "stops"}) {
            ProcessResult build = compile_harness(compiler, QString::fromLatin1(name), dir(),
                                                  QStringLiteral("built"));
            EXPECT_EQ(build.exit_code, 0) << compiler.toStdString() << " " << name << ":\n"
                                          << build.err;
            EXPECT_TRUE(build.err.empty()) << build.err;
        }
    }
}

}  // namespace

namespace {

// The page of a failing run, loaded in headless Chromium through a probe
// page that reads the report's computed layout: the failing checks are
// visible, and the "failures only" switch (set from the address) hides
// every passed check and test.
TEST_F(HarnessLoop, TheHtmlPageShowsFailuresAndItsSwitchHidesThePasses) {
    const QString chromium = find_compiler(QStringLiteral("chromium"));
    ASSERT_FALSE(chromium.isEmpty())
        << "headless Chromium is not installed (scripts/install-deps.sh)";
    ProcessResult run = build_and_run(QStringLiteral("scalars"));
    ASSERT_EQ(run.exit_code, 1) << run.err;
    ProcessResult verdict =
        report(QStringLiteral("scalars"),
               {QStringLiteral("--html"), in_dir(QStringLiteral("scalars.html"))});
    ASSERT_EQ(verdict.exit_code, 1) << verdict.err;
    const std::string probe = R"(<!DOCTYPE html><html><body><pre id="result">pending</pre>
<iframe id="page" src="scalars.html#failures-only" width="1000" height="800"></iframe>
<script>
document.getElementById('page').addEventListener('load', function () {
  var d = this.contentDocument, w = this.contentWindow, out = [];
  function shown(el) { return el.getClientRects().length > 0 && w.getComputedStyle(el).display !== 'none'; }
  d.querySelectorAll('tr.failed').forEach(function (r) {
    out.push('FAILED-ROW ' + (shown(r) ? 'visible' : 'hidden') + ' ' + r.textContent.replace(/\s+/g, ' '));
  });
  d.querySelectorAll('tr.passed, details.test.passed').forEach(function (r) {
    out.push('PASSED ' + (shown(r) ? 'visible' : 'hidden'));
  });
  var summary = d.getElementById('failures'), tree = d.getElementById('tree');
  out.push('SUMMARY ' + (summary && shown(summary) &&
      summary.getBoundingClientRect().top < tree.getBoundingClientRect().top ? 'first' : 'missing'));
  d.querySelectorAll('#failures a').forEach(function (a) {
    var target = d.getElementById(a.getAttribute('href').slice(1));
    a.click();
    var top = target ? target.getBoundingClientRect().top : -1;
    out.push('LINK ' + (target && shown(target) && w.location.hash === a.getAttribute('href') &&
        top >= 0 && top < w.innerHeight ? 'lands' : 'lost ' + a.textContent));
  });
  document.getElementById('result').textContent = out.join('\n');
});
</script></body></html>
)";
    ASSERT_TRUE(write_file(in_dir(QStringLiteral("probe.html")), probe));
    ProcessResult browser = run_program(
        chromium,
        {QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
         QStringLiteral("--disable-gpu"), QStringLiteral("--allow-file-access-from-files"),
         QStringLiteral("--virtual-time-budget=5000"), QStringLiteral("--dump-dom"),
         QStringLiteral("file://") + in_dir(QStringLiteral("probe.html"))},
        dir());
    ASSERT_TRUE(browser.started && !browser.crashed) << browser.err;
    const std::string& dom = browser.out;
    EXPECT_CONTAINS(dom, "FAILED-ROW visible FAILs16-3-4scalars.ptu:7");
    EXPECT_CONTAINS(dom, "PASSED hidden");
    EXPECT_FALSE(contains(dom, "PASSED visible")) << dom;
    EXPECT_FALSE(contains(dom, "FAILED-ROW hidden")) << dom;
    // The failures come first, and each of their links lands on its row.
    EXPECT_CONTAINS(dom, "SUMMARY first");
    EXPECT_CONTAINS(dom, "LINK lands");
    EXPECT_FALSE(contains(dom, "LINK lost")) << dom;
}

// The figures of the coverage of a unit built with gcc --coverage are
// gcov's own, and a branch no test takes shows.
TEST_F(HarnessLoop, CoverageOfTheUnitIsGcovsOwn) {
    ProcessResult build =
        compile_harness(compiler_, QStringLiteral("scalars"), dir(), QStringLiteral("scalars"),
                        {QStringLiteral("--coverage")});
    ASSERT_TRUE(build.started && build.exit_code == 0) << build.err;
    ProcessResult run = run_program(in_dir(QStringLiteral("scalars")), {}, dir());
    ASSERT_EQ(run.exit_code, 1) << run.err;
    ProcessResult verdict =
        report(QStringLiteral("scalars"),
               {QStringLiteral("--coverage"), dir(), QStringLiteral("--junit"),
                in_dir(QStringLiteral("scalars.xml")), QStringLiteral("--html"),
                in_dir(QStringLiteral("scalars.html")),
                // The fixture's link records name a script
                // elsewhere: the unit's sources are here.
                QStringLiteral("--source-root"), source_path(QStringLiteral("tests/harness"))});
    ASSERT_EQ(verdict.exit_code, 1) << verdict.err;

    // gcov's own summary of the unit's object.
    QStringList gcda = QDir(dir()).entryList({QStringLiteral("*unit.gcda")});
    ASSERT_EQ(gcda.size(), 1) << verdict.out;
    ProcessResult gcov =
        run_program(QStringLiteral("gcov"), {QStringLiteral("-b"), gcda[0]}, dir());
    ASSERT_EQ(gcov.exit_code, 0) << gcov.err;
    const std::string& summary = gcov.out;
    const std::size_t unit = summary.find("unit.c'");
    ASSERT_NE(unit, std::string::npos) << summary;
    double line_percent = 0;
    int lines = 0;
    double taken_percent = 0;
    int branches = 0;
    ASSERT_EQ(std::sscanf(summary.c_str() + summary.find("Lines executed:", unit),
                          "Lines executed:%lf%% of %d", &line_percent, &lines),
              2);
    ASSERT_EQ(std::sscanf(summary.c_str() + summary.find("Taken at least once:", unit),
                          "Taken at least once:%lf%% of %d", &taken_percent, &branches),
              2);
    const int lines_covered = static_cast<int>(line_percent * lines / 100.0 + 0.5);
    const int branches_taken = static_cast<int>(taken_percent * branches / 100.0 + 0.5);
    EXPECT_LT(branches_taken, branches) << "the unit has a branch no test takes";
    char expected[128];
    std::snprintf(expected, sizeof expected,
                  "COVERAGE unit.c: lines %d/%d (%.1f%%), branches %d/%d (%.1f%%)", lines_covered,
                  lines, line_percent, branches_taken, branches, taken_percent);
    EXPECT_CONTAINS(verdict.out, std::string(expected));
    const std::string xml = read_file(in_dir(QStringLiteral("scalars.xml")));
    EXPECT_CONTAINS(xml, "<property name=\"coverage.lines.unit.c\"");
    const std::string page = read_file(in_dir(QStringLiteral("scalars.html")));
    EXPECT_CONTAINS(page, "id=\"coverage\"");
    EXPECT_CONTAINS(page, "class=\"uncovered\"");
    EXPECT_CONTAINS(page, "int add(int a, int b)");

    // Without the source root the default is the directory of the main
    // script the link records name, where unit.c is not: the figures
    // stay, the source's text is not shown.
    ProcessResult elsewhere = report(QStringLiteral("scalars"),
                                     {QStringLiteral("--coverage"), dir(), QStringLiteral("--html"),
                                      in_dir(QStringLiteral("elsewhere.html"))});
    ASSERT_EQ(elsewhere.exit_code, 1) << elsewhere.err;
    const std::string bare = read_file(in_dir(QStringLiteral("elsewhere.html")));
    EXPECT_CONTAINS(bare, "id=\"coverage\"");
    EXPECT_FALSE(contains(bare, "int add(int a, int b)"));
}

// The coverage leaves in the formats CI servers read, each read back by its
// format's own tool: genhtml draws the lcov tracefile, and the Cobertura XML
// is valid against the format's document type (a damaged copy is not). A
// threshold above the coverage fails a run whose verdict passed; one below
// it leaves it passing.
TEST_F(HarnessLoop, CoverageExportsAndThresholds) {
    ProcessResult build = compile_harness(compiler_, QStringLiteral("worked"), dir(),
                                          QStringLiteral("worked"), {QStringLiteral("--coverage")});
    ASSERT_TRUE(build.started && build.exit_code == 0) << build.err;
    ProcessResult run = run_program(in_dir(QStringLiteral("worked")), {}, dir());
    ASSERT_EQ(run.exit_code, 0) << run.err;
    const QString root = source_path(QStringLiteral("tests/harness"));
    ProcessResult verdict = report(
        QStringLiteral("worked"), {QStringLiteral("--coverage"), dir(), QStringLiteral("--lcov"),
                                   in_dir(QStringLiteral("w.info")), QStringLiteral("--cobertura"),
                                   in_dir(QStringLiteral("w.xml")), QStringLiteral("--source-root"),
                                   root, QStringLiteral("--fail-under-line"), QStringLiteral("1")});
    ASSERT_EQ(verdict.exit_code, 0) << verdict.out << verdict.err;

    // The lcov record of the unit has the figures the text report gives.
    const std::string info = read_file(in_dir(QStringLiteral("w.info")));
    const std::size_t unit = info.find("SF:unit.c\n");
    ASSERT_NE(unit, std::string::npos) << info;
    const std::size_t end = info.find("end_of_record", unit);
    ASSERT_NE(end, std::string::npos);
    const std::string record = info.substr(unit, end - unit);
    int covered = 0;
    int lines = 0;
    const std::size_t summary = verdict.out.find("COVERAGE unit.c: lines ");
    ASSERT_NE(summary, std::string::npos) << verdict.out;
    ASSERT_EQ(std::sscanf(verdict.out.c_str() + summary, "COVERAGE unit.c: lines %d/%d", &covered,
                          &lines),
              2);
    EXPECT_CONTAINS(record,
                    "\nLF:" + std::to_string(lines) + "\nLH:" + std::to_string(covered) + "\n");
    EXPECT_CONTAINS(record, "DA:8,1\n");  // the body of add(), called once
    // Line for line and branch for branch, the counts are gcov's own.
    ProcessResult gcov =
        run_program(QStringLiteral("gcov"),
                    {QStringLiteral("-b"), QStringLiteral("-c"),
                     QDir(dir()).entryList({QStringLiteral("*unit.gcda")}).value(0)},
                    dir());
    ASSERT_EQ(gcov.exit_code, 0) << gcov.err;
    std::string expected_record;
    std::string expected_branches;
    {
        std::istringstream listing(read_file(in_dir(QStringLiteral("unit.c.gcov"))));
        long line_number = 0;
        long line_count = 0;
        int branch = 0;
        for (std::string line; std::getline(listing, line);) {
            if (line.rfind("branch ", 0) == 0) {
                expected_branches +=
                    "BRDA:" + std::to_string(line_number) + ",0," + std::to_string(branch++) + "," +
                    (line.find("never executed") != std::string::npos
                         ? std::string("-")
                         : line.substr(line.find("taken ") + 6,
                                       line.find_first_of(" \n", line.find("taken ") + 6) -
                                           line.find("taken ") - 6)) +
                    "\n";
                continue;
            }
            const std::size_t colon = line.find(':');
            if (colon == std::string::npos || line.rfind("function", 0) == 0) continue;
            const std::string count = line.substr(0, colon);
            line_number = std::atol(line.c_str() + colon + 1);
            branch = 0;
            if (count.find('-') != std::string::npos || line_number == 0) continue;
            line_count = count.find('#') != std::string::npos ? 0 : std::atol(count.c_str());
            expected_record +=
                "DA:" + std::to_string(line_number) + "," + std::to_string(line_count) + "\n";
        }
    }
    ASSERT_FALSE(expected_record.empty());
    ASSERT_FALSE(expected_branches.empty()) << "the unit has branches";
    EXPECT_CONTAINS(record, expected_record + expected_branches);
    ProcessResult drawn = run_program(
        QStringLiteral("genhtml"),
        {QStringLiteral("--quiet"), QStringLiteral("--branch-coverage"), QStringLiteral("-o"),
         in_dir(QStringLiteral("lcov-html")), in_dir(QStringLiteral("w.info"))},
        root);
    ASSERT_TRUE(drawn.started) << "genhtml is installed with the build's dependencies";
    EXPECT_EQ(drawn.exit_code, 0) << drawn.out << drawn.err;
    EXPECT_TRUE(QFileInfo::exists(in_dir(QStringLiteral("lcov-html/index.html"))));

    const std::string xml = read_file(in_dir(QStringLiteral("w.xml")));
    EXPECT_CONTAINS(xml, "filename=\"unit.c\"");
    EXPECT_CONTAINS(xml, "<line number=\"8\" hits=\"1\" branch=\"false\"/>");
    const QString dtd = source_path(QStringLiteral("tests/data/cobertura/coverage-04.dtd"));
    auto valid = [&](const QString& file) {
        return run_program(QStringLiteral("xmllint"),
                           {QStringLiteral("--nonet"), QStringLiteral("--noout"),
                            QStringLiteral("--dtdvalid"), dtd, file},
                           dir());
    };
    ProcessResult checked = valid(in_dir(QStringLiteral("w.xml")));
    EXPECT_EQ(checked.exit_code, 0) << checked.err;
    std::string damaged = xml;
    damaged.replace(damaged.find(" hits="), 6, " hitz=");
    QFile copy(in_dir(QStringLiteral("damaged.xml")));
    ASSERT_TRUE(copy.open(QIODevice::WriteOnly));
    copy.write(damaged.data(), static_cast<qint64>(damaged.size()));
    copy.close();
    EXPECT_NE(valid(in_dir(QStringLiteral("damaged.xml"))).exit_code, 0);

    for (const char* option : {"--fail-under-line", "--fail-under-branch"}) {
        ProcessResult strict =
            report(QStringLiteral("worked"), {QStringLiteral("--coverage"), dir(),
                                              QString::fromLatin1(option), QStringLiteral("100")});
        EXPECT_EQ(strict.exit_code, 1) << option << strict.out;
        EXPECT_CONTAINS(strict.out, "VERDICT: PASSED");
        EXPECT_CONTAINS(strict.out,
                        std::string("COVERAGE BELOW THRESHOLD: ") +
                            (std::string(option) == "--fail-under-line" ? "lines " : "branches "));
    }
    ProcessResult without = report(QStringLiteral("worked"),
                                   {QStringLiteral("--lcov"), in_dir(QStringLiteral("x.info"))});
    EXPECT_EQ(without.exit_code, 2);
    EXPECT_CONTAINS(without.err, "--lcov needs --coverage DIR");
    ProcessResult beyond =
        report(QStringLiteral("worked"),
               {QStringLiteral("--coverage"), dir(), QStringLiteral("--fail-under-line=120")});
    EXPECT_EQ(beyond.exit_code, 2);
    EXPECT_CONTAINS(beyond.err, "--fail-under-line takes a percentage from 0 to 100, not 120");
}

}  // namespace
