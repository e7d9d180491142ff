// Robustness of the readers: thousands of mutations of valid link records
// and traces (bytes flipped, cut, inserted, lines repeated or dropped) go
// through the whole report in-process. Nothing may crash (the test build
// runs with the sanitizers), and every refusal names a line of the file.
#include "report/verdict_testing.h"
#include "report/output/junit_testing.h"
#include "report/input/link_record_file.h"
#include "report/input/link_records_testing.h"
#include "report/output/text_report.h"
#include "report/input/traces.h"
#include "report/verdict.h"

#include "harness/harness_runner.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace {

using namespace vx::report;

constexpr int mutation_rounds = 3000;
constexpr unsigned seed = 20261208;

const std::string sample_traces =
    "VXU-TRACES 1\nO 1 \"add\"\nT 2 \"t1\"\nS\nI 4 int/10 1\nZ 13\nK 0 0\n"
    "C 4 int/16 1 0 ok 1 1 1\nC 5 str 1 1 KO \"a\\\"b\"~ @12\"c\" NULL\n"
    "[ 4\nC 4 double 1 1 ok 1.5 1 2\n] 4\nK 2 0\nC 0 uns/2 1 0 KO 3 2 2\nM 4 1 1\n"
    "W \"w\"\nX 4\nR 9 2\nE\nF 19\n";

std::string mutate(std::string text, std::mt19937& random) {
    auto pick = [&](std::size_t bound) {
        return bound == 0 ? 0 : std::uniform_int_distribution<std::size_t>(0, bound - 1)(random);
    };
    int steps = 1 + static_cast<int>(pick(3));
    for (int step = 0; step < steps && !text.empty(); ++step) {
        switch (pick(6)) {
            case 0:
                text[pick(text.size())] = static_cast<char>(pick(256));
                break;
            case 1:
                text.resize(pick(text.size()));
                break;
            case 2:
                text.insert(pick(text.size() + 1),
                            std::string(1 + pick(4), static_cast<char>(pick(256))));
                break;
            case 3: {
                std::size_t from = pick(text.size());
                text.erase(from, 1 + pick(20));
                break;
            }
            case 4: {
                std::size_t start = text.rfind('\n', pick(text.size()));
                start = start == std::string::npos ? 0 : start + 1;
                std::size_t end = text.find('\n', start);
                if (end != std::string::npos) {
                    text.insert(start, text.substr(start, end - start + 1));
                }
                break;
            }
            default: {
                static const char* pieces[] = {" ", "\"", "\\", "~",    "@",
                                               "0", "-",  "\n", "C 0 ", "&"};
                text.insert(pick(text.size() + 1), pieces[pick(10)]);
                break;
            }
        }
    }
    return text;
}

long line_count(const std::string& text) {
    return 1 + static_cast<long>(std::count(text.begin(), text.end(), '\n'));
}

TEST(ReportRobustness, MutatedInputsNeverCrashAndRefusalsNameALine) {
    // The fixture with two more records, before its end record.
    std::string fixture = vx::harness_testing::read_file(
        vx::harness_testing::harness_file(QStringLiteral("worked.tdc")));
    ASSERT_FALSE(fixture.empty());
    fixture.erase(fixture.rfind("Z "));
    const std::string good_links =
        vx::report::testing::sealed(fixture + "L5 p RA=FORM=CD64, INIT=, VA=\nR9 ?\n");
    {
        LinkRecordFile whole;
        ASSERT_FALSE(parse_link_records(good_links, whole).has_value());
    }
    std::mt19937 random(seed);
    int accepted = 0;
    for (int round = 0; round < mutation_rounds; ++round) {
        bool mutate_links = round % 4 == 0;
        std::string links = mutate_links ? mutate(good_links, random) : good_links;
        std::string traces = mutate_links ? sample_traces : mutate(sample_traces, random);

        LinkRecordFile link_file;
        auto link_failure = parse_link_records(links, link_file);
        if (link_failure) {
            EXPECT_GE(link_failure->line, 1);
            EXPECT_LE(link_failure->line, line_count(links));
            EXPECT_FALSE(link_failure->message.empty());
            continue;
        }
        TracesFile trace_file;
        auto trace_failure = parse_traces(traces, trace_file);
        if (trace_failure) {
            EXPECT_GE(trace_failure->line, 0);
            EXPECT_LE(trace_failure->line, line_count(traces));
            EXPECT_FALSE(trace_failure->message.empty());
            continue;
        }
        Verdict verdict;
        auto verdict_failure = build_verdict(link_file, trace_file, verdict);
        if (verdict_failure) {
            EXPECT_GE(verdict_failure->line, 2);
            EXPECT_FALSE(verdict_failure->message.empty());
            continue;
        }
        ++accepted;
        std::ostringstream out;
        write_text_report(verdict, TextOptions{}, out);
        EXPECT_NE(out.str().find("VERDICT: "), std::string::npos);
        auto junit = vx::harness_testing::parse_junit(junit_document(verdict));
        EXPECT_TRUE(junit.well_formed) << junit.error.toStdString();
    }
    // Some mutations leave valid files (a changed digit in a value): the
    // accepting path is exercised too.
    EXPECT_GT(accepted, 0);
}

TEST(ReportRobustness, RandomBytesAreRefused) {
    std::mt19937 random(seed + 1);
    for (int round = 0; round < 500; ++round) {
        std::string bytes(std::uniform_int_distribution<int>(0, 400)(random), '\0');
        for (char& c : bytes) {
            c = static_cast<char>(random());
        }
        TracesFile traces;
        EXPECT_TRUE(parse_traces(bytes, traces).has_value());
        LinkRecordFile links;
        parse_link_records(bytes, links);  // may accept banner-like noise; must not crash
    }
}

}  // namespace
