// The command line's guard of its files: an output never shares a file
// with another output or with an input (the link records, the traces, the
// scripts the page quotes), whatever name leads there; and the HTML page
// of a real run quotes the script only when it is the one compiled.
#include "report/input/link_record_file.h"
#include "report/input/link_records_testing.h"
#include "report/report_cli.h"

#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

#include <cstdio>
#include <sstream>

namespace {

using namespace vx::report;
using vx::harness_testing::read_file;
using vx::harness_testing::write_file;

const std::string script_text = "SERVICE calc\nTEST first\nELEMENT\nVAR x, INIT = 1, EV = 2\n";
const std::string traces_text =
    "VXU-TRACES 3\nH " + std::string(vx::report::testing::fixture_stamp) +
    "\nO 1 \"calc\"\nG 2\nT 2 \"first\"\nS\nC 4 int/10 1 0 KO 1 2 2\ne\nE\nF 9\n";

class ReportFiles : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(scratch_.isValid());
        ASSERT_TRUE(write_file(in("t.ptu"), script_text));
        ASSERT_TRUE(write_file(in("t.rio"), traces_text));
        write_links("t.ptu", true);
    }

    QString in(const std::string& name) const {
        return scratch_.path() + QLatin1Char('/') + QString::fromStdString(name);
    }
    std::string path(const std::string& name) const { return in(name).toStdString(); }

    // t.tdc, naming `script` as its main script, with the fingerprint of
    // the compiled script when `fingerprinted`.
    void write_links(const std::string& script, bool fingerprinted) {
        std::string head = "E11 0 " + path(script) + "\n";
        if (fingerprinted) {
            const ScriptFingerprint compiled = fingerprint_of(script_text);
            char hash[17];
            std::snprintf(hash, sizeof hash, "%016llx",
                          static_cast<unsigned long long>(compiled.hash));
            head += "E23 0 " + std::to_string(compiled.size) + " " + hash + "\n";
        }
        ASSERT_TRUE(write_file(in("t.tdc"), vx::report::testing::sealed(
                                                head + "E6  t\nE17 0 1\nO1 calc\nE16 0 2\n"
                                                       "T2 first\nE14 0 3\nB3 1\nE12 0 4\n"
                                                       "V4 x RA=FORM=CD64,INIT=1 VA=2\nE22 1\n")));
    }

    int report(const std::vector<std::string>& arguments) {
        std::ostringstream out;
        std::ostringstream err;
        std::vector<std::string> all = arguments;
        all.push_back(path("t.tdc"));
        all.push_back(path("t.rio"));
        const int status = run_report(all, out, err);
        err_ = err.str();
        return status;
    }

    QTemporaryDir scratch_;
    std::string err_;
};

TEST_F(ReportFiles, TwoOutputsNamingOneFileAreRefused) {
    ASSERT_EQ(::symlink(path("page.html").c_str(), path("link.xml").c_str()), 0);
    ASSERT_EQ(::symlink("later.html", path("dangling.xml").c_str()), 0);
    struct Case {
        std::string junit;
        std::string html;
    };
    // The same name, another spelling of it, a link to a file that exists
    // and a link to one not yet made.
    for (const Case& c : {Case{path("out.xml"), path("out.xml")},
                          Case{path("out.xml"), scratch_.path().toStdString() + "/./out.xml"},
                          Case{path("link.xml"), path("page.html")},
                          Case{path("dangling.xml"), path("later.html")}}) {
        // An older run's file; the name not yet made is left so.
        if (c.junit != path("dangling.xml")) {
            ASSERT_TRUE(write_file(QString::fromStdString(c.junit), "older verdict\n"));
        }
        EXPECT_EQ(report({"--junit", c.junit, "--html", c.html}), exit_unusable) << c.junit;
        EXPECT_EQ(err_, "vexorreport: the JUnit file " + c.junit + " and the HTML file " + c.html +
                            " are one file: give each output a file of its own\n");
        // The one file is no input: it holds the refusal as a JUnit test
        // case in error (what a CI server reads), never the older verdict,
        // and the refusal's page is not written over it.
        const std::string xml = read_file(QString::fromStdString(c.junit));
        const auto junit = vx::harness_testing::parse_junit(xml);
        ASSERT_TRUE(junit.well_formed) << xml;
        EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("1")) << xml;
        EXPECT_NE(xml.find("are one file"), std::string::npos) << xml;
        EXPECT_EQ(read_file(QString::fromStdString(c.html)), xml);
    }

    // Two files of their own: both written.
    EXPECT_EQ(report({"--junit", path("out.xml"), "--html", path("page.html")}), exit_failed)
        << err_;
    EXPECT_NE(read_file(in("out.xml")).find("<testsuites"), std::string::npos);
    EXPECT_NE(read_file(in("page.html")).find("<!DOCTYPE html>"), std::string::npos);
}

TEST_F(ReportFiles, AnOutputNamingAnInputIsRefusedAndTheInputKept) {
    const std::string links = read_file(in("t.tdc"));
    ASSERT_EQ(::symlink(path("t.tdc").c_str(), path("link.html").c_str()), 0);
    ASSERT_EQ(::link(path("t.ptu").c_str(), path("hard.xml").c_str()), 0);
    struct Case {
        std::string option;
        std::string output;
        std::string input;
        std::string role;
    };
    for (const Case& c : {Case{"--html", path("t.tdc"), path("t.tdc"), "link record file"},
                          Case{"--html", path("link.html"), path("t.tdc"), "link record file"},
                          Case{"--junit", path("t.rio"), path("t.rio"), "traces file"},
                          Case{"--junit", path("hard.xml"), path("t.ptu"), "script"},
                          Case{"--html", path("t.ptu"), path("t.ptu"), "script"}}) {
        EXPECT_EQ(report({c.option, c.output}), exit_unusable) << c.output;
        EXPECT_EQ(err_, "vexorreport: the " + std::string(c.option == "--html" ? "HTML" : "JUnit") +
                            " file " + c.output + " is the input " + c.input + " (the " + c.role +
                            "): an output never overwrites an input\n");
        EXPECT_EQ(read_file(in("t.tdc")), links);
        EXPECT_EQ(read_file(in("t.rio")), traces_text);
        EXPECT_EQ(read_file(in("t.ptu")), script_text);
    }

    // The dependency file is held to the scripts as well.
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_report({"--depfile", path("t.ptu"), "target", path("t.tdc")}, out, err),
              exit_unusable);
    EXPECT_NE(err.str().find("is the input " + path("t.ptu") + " (the script)"), std::string::npos)
        << err.str();
    EXPECT_EQ(read_file(in("t.ptu")), script_text);
}

// A clash found only once the link records or the coverage are read (an
// output naming a script, or a source gcov names) refuses the run like any
// other refusal: the inputs are kept, and no output of an earlier run stays
// behind to be read as this run's verdict.
TEST_F(ReportFiles, ALateClashLeavesNoEarlierVerdictBehind) {
    // An earlier run's JUnit file, in which every test passed.
    const std::string stale =
        "<?xml version=\"1.0\"?>\n<testsuites name=\"t\" tests=\"1\" failures=\"0\" "
        "errors=\"0\"><testsuite name=\"calc\" tests=\"1\" failures=\"0\" errors=\"0\">"
        "<testcase name=\"first\" classname=\"t.calc\"/></testsuite></testsuites>\n";
    // The JUnit file now holds one test case in error that says why.
    auto expect_refusal_in_junit = [&](const std::string& why) {
        const std::string xml = read_file(in("out.xml"));
        const auto junit = vx::harness_testing::parse_junit(xml);
        ASSERT_TRUE(junit.well_formed) << xml;
        EXPECT_EQ(junit.root_attributes.at(QStringLiteral("errors")), QStringLiteral("1")) << xml;
        ASSERT_EQ(junit.cases.size(), 1u) << xml;
        EXPECT_TRUE(junit.cases[0].error) << xml;
        EXPECT_EQ(junit.find(QStringLiteral("first")), nullptr) << xml;
        EXPECT_NE(xml.find(why), std::string::npos) << xml;
    };

    // The page names the script the link records name.
    ASSERT_TRUE(write_file(in("out.xml"), stale));
    EXPECT_EQ(report({"--junit", path("out.xml"), "--html", path("t.ptu")}), exit_unusable);
    EXPECT_NE(err_.find("is the input " + path("t.ptu") + " (the script)"), std::string::npos)
        << err_;
    EXPECT_EQ(read_file(in("t.ptu")), script_text);
    expect_refusal_in_junit("(the script): an output never overwrites an input");

    // The page names a source of the coverage: a stand-in gcov names
    // unit.c beside the scripts for the one .gcda file there is.
    ASSERT_TRUE(QDir(scratch_.path()).mkpath(QStringLiteral("cov")));
    ASSERT_TRUE(write_file(in("cov/unit.gcda"), "gcda"));
    const std::string unit_text = "int unit(void) { return 1; }\n";
    ASSERT_TRUE(write_file(in("unit.c"), unit_text));
    ASSERT_TRUE(write_file(
        in("gcov.sh"),
        "#!/bin/sh\necho '{\"format_version\":\"1\",\"current_working_directory\":\"" +
            scratch_.path().toStdString() +
            "\",\"files\":[{\"file\":\"unit.c\",\"lines\":[{\"line_number\":1,\"count\":1,"
            "\"branches\":[]}]}]}'\n"));
    ASSERT_TRUE(QFile::setPermissions(in("gcov.sh"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    const std::vector<std::string> coverage = {"--coverage", path("cov"), "--gcov",
                                               path("gcov.sh")};
    auto with_coverage = [&](std::vector<std::string> outputs) {
        outputs.insert(outputs.begin(), coverage.begin(), coverage.end());
        return report(outputs);
    };
    // The stand-in gcov is good: a run without a clash has its coverage.
    EXPECT_EQ(with_coverage({"--junit", path("out.xml")}), exit_failed) << err_;
    EXPECT_NE(read_file(in("out.xml")).find("coverage.lines.unit.c"), std::string::npos);

    ASSERT_TRUE(write_file(in("out.xml"), stale));
    EXPECT_EQ(with_coverage({"--junit", path("out.xml"), "--html", path("unit.c")}), exit_unusable);
    EXPECT_NE(err_.find("is the input " + path("unit.c") + " (the source of the coverage)"),
              std::string::npos)
        << err_;
    EXPECT_EQ(read_file(in("unit.c")), unit_text);
    expect_refusal_in_junit("(the source of the coverage)");

    // Damaged traces are refused too, but the clash comes first: the
    // refusal's page is never written over the source.
    ASSERT_TRUE(write_file(in("t.rio"), "VXU-TRACES 3\nH " +
                                            std::string(vx::report::testing::fixture_stamp) +
                                            "\nthis is no trace line\n"));
    EXPECT_EQ(with_coverage({"--html", path("unit.c")}), exit_unusable);
    EXPECT_NE(err_.find("(the source of the coverage)"), std::string::npos) << err_;
    EXPECT_EQ(read_file(in("unit.c")), unit_text);
    ASSERT_TRUE(write_file(in("t.rio"), traces_text));

    // A JUnit file that cannot be written still leaves a page of this
    // run's verdict, never an older one.
    ASSERT_TRUE(write_file(in("page.html"), "older page\n"));
    EXPECT_EQ(report({"--junit", path("no/such/dir/out.xml"), "--html", path("page.html")}),
              exit_unusable);
    EXPECT_NE(err_.find("cannot write the JUnit file"), std::string::npos) << err_;
    const std::string page = read_file(in("page.html"));
    EXPECT_NE(page.find("<!DOCTYPE html>"), std::string::npos) << page;
    EXPECT_NE(page.find(": FAILED</title>"), std::string::npos) << page;
}

// A real run through the command line: the page quotes the script it was
// compiled from, and nothing of a file the link records were edited to
// name instead.
TEST_F(ReportFiles, ThePageQuotesOnlyTheCompiledScript) {
    EXPECT_EQ(report({"--html", path("page.html")}), exit_failed) << err_;
    EXPECT_NE(read_file(in("page.html")).find("VAR x, INIT = 1, EV = 2"), std::string::npos);

    ASSERT_TRUE(write_file(in("secret.txt"), "a\nb\nc\nTHE SECRET LINE\n"));
    for (bool fingerprinted : {true, false}) {
        write_links("secret.txt", fingerprinted);
        EXPECT_EQ(report({"--html", path("page.html")}), exit_failed) << err_;
        const std::string page = read_file(in("page.html"));
        EXPECT_EQ(page.find("SECRET"), std::string::npos) << page;
        EXPECT_NE(page.find("secret.txt:4"), std::string::npos);
    }
}

}  // namespace

namespace {

// The index of a project: a script that failed, one whose traces are
// missing; a malformed list is refused with its line.
TEST_F(ReportFiles, TheIndexListsEachScriptWithItsVerdict) {
    ASSERT_TRUE(write_file(in("index.list"), "calc\t" + path("t.tdc") + "\t" + path("t.rio") +
                                                 "\t" + path("pages/t.html") + "\t\n" + "lost\t" +
                                                 path("t.tdc") + "\t" + path("missing.rio") +
                                                 "\n"));
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(run_report({"--index", path("index.list"), "--html", path("index.html")}, out, err),
              1)
        << err.str();
    EXPECT_NE(out.str().find("vexor: index of 2 script(s) in " + path("index.html") + " (FAILED)"),
              std::string::npos)
        << out.str();
    const std::string page = read_file(in("index.html"));
    EXPECT_NE(page.find("<a href=\"pages/t.html\">calc</a></td><td class=\"failed\">FAILED</td>"
                        "<td>1: 0 passed, 1 failed, 0 not run</td><td>0 passed, 1 failed</td>"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find("<tr><td>lost</td><td class=\"none\">NO VERDICT</td>"), std::string::npos)
        << page;
    EXPECT_EQ(page.find("Coverage of the project"), std::string::npos);

    ASSERT_TRUE(write_file(in("bad.list"), "calc\t" + path("t.tdc") + "\n"));
    std::ostringstream bad_out;
    std::ostringstream bad_err;
    EXPECT_EQ(
        run_report({"--index", path("bad.list"), "--html", path("bad.html")}, bad_out, bad_err), 2);
    EXPECT_NE(bad_err.str().find(path("bad.list") + ":1: expected NAME"), std::string::npos)
        << bad_err.str();
    // Exports need the coverage of at least one script.
    std::ostringstream no_out;
    std::ostringstream no_err;
    EXPECT_EQ(run_report({"--index", path("index.list"), "--html", path("index.html"), "--lcov",
                          path("p.info")},
                         no_out, no_err),
              2);
    EXPECT_NE(no_err.str().find("has coverage"), std::string::npos) << no_err.str();
}

}  // namespace
