#include "canalysis/cpp/macro_table.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace {

class Recorder : public vx::MacroReporter {
public:
    void macro_report(vx::Severity, vx::MessageCode code, std::string_view argument) override {
        reports.push_back(std::string(vx::message_code_name(code)) + ":" + std::string(argument));
    }
    std::vector<std::string> reports;
};

std::string defined_text(vx::MacroTable& table, const char* name) {
    vx::MacroEntry* entry = table.macro_lookup(name);
    if (entry == nullptr || !entry->definition) {
        return "<none>";
    }
    return vx::macro_definition_text(*entry->definition);
}

TEST(MacroTable, HashesIntoTheChainsOfTheTable) {
    EXPECT_EQ(vx::macro_hash("A"), 65u);
    EXPECT_EQ(vx::macro_hash("ab"), (97u * 4 + 98) % 1403);
    // Long names wrap in 32 bits and are masked to 31 before the modulo.
    std::uint32_t h = 0;
    for (char c : std::string("a_rather_long_macro_name_for_the_hash")) {
        h = h * 4 + static_cast<unsigned char>(c);
    }
    EXPECT_EQ(vx::macro_hash("a_rather_long_macro_name_for_the_hash"), (h & 0x7fffffffu) % 1403);
}

TEST(MacroTable, TheLatestEntryOfANameIsFoundAndRemovalTakesThemAll) {
    vx::MacroTable table;
    table.macro_install("X", vx::MacroKind::constant, 1);
    table.macro_install("X", vx::MacroKind::constant, 2);
    ASSERT_NE(table.macro_lookup("X"), nullptr);
    EXPECT_EQ(table.macro_lookup("X")->value, 2);
    EXPECT_EQ(table.macro_lookup("XY"), nullptr);
    EXPECT_EQ(table.remove_all("X"), 2);
    EXPECT_EQ(table.macro_lookup("X"), nullptr);
    EXPECT_EQ(table.size(), 0u);
}

// The table against a plain map, through enough definitions, removals and
// resets that entries and the room of their texts are reused many times:
// each name leads to its newest definition, whole, and to nothing once
// removed.
TEST(MacroTable, AgreesWithAMapThroughRedefinitionsRemovalsAndResets) {
    vx::MacroTable table;
    Recorder r;
    std::map<std::string, std::string> expected;  // name -> stored text
    std::mt19937 random(7);
    for (int step = 0; step < 20000; ++step) {
        // Few distinct names, so that names come back after their removal.
        const std::string name = "N" + std::to_string(random() % 3000);
        const unsigned what = static_cast<unsigned>(random() % 16);
        if (what < 5) {
            table.macro_undefine(name, r);
            expected.erase(name);
        } else if (what == 5 && step % 7 == 0) {
            table.undefine_ordinary();
            for (auto it = expected.begin(); it != expected.end();) {
                it = it->second == "<constant>" ? std::next(it) : expected.erase(it);
            }
        } else if (what == 6) {
            table.remove_all(name);
            table.macro_install(name, vx::MacroKind::constant, step);
            expected[name] = "<constant>";
        } else {
            // Bodies of all lengths, some far larger than the names.
            const std::string body = "step_" + std::to_string(step) +
                                     std::string(static_cast<std::size_t>(step % 97), '+');
            table.macro_define(what % 2 ? name + "(a) a " + body : name + " " + body, r);
            expected[name] = what % 2 ? "(a) a " + body : body;
        }
        if (step % 997 == 0 || step == 19999) {
            for (int n = 0; n < 3000; ++n) {
                const std::string probe = "N" + std::to_string(n);
                auto found = expected.find(probe);
                vx::MacroEntry* entry = table.macro_lookup(probe);
                if (found == expected.end()) {
                    ASSERT_EQ(entry, nullptr) << probe << " at step " << step;
                } else if (found->second == "<constant>") {
                    ASSERT_NE(entry, nullptr) << probe << " at step " << step;
                    EXPECT_EQ(entry->kind, vx::MacroKind::constant);
                    EXPECT_EQ(entry->name, probe);
                } else {
                    ASSERT_EQ(defined_text(table, probe.c_str()), found->second)
                        << probe << " at step " << step;
                }
            }
            EXPECT_EQ(table.size(), expected.size());
        }
    }
}

TEST(MacroTable, DefinitionsAreCutAtTheirSubstitutionPoints) {
    vx::MacroTable table;
    Recorder r;
    // Each definition, the name it defines and the text stored for it.
    const std::tuple<const char*, const char*, const char*> definitions[] = {
        {"OBJ  (1 +  2) ", "OBJ", "(1 +  2)"},
        {"F(a, b) a ## b + #a - #@b", "F", "(a, b) a####b + #a - #@b"},
        {"A[i] (i+1)", "A", "[i] (i+1)"},
        {"V(fmt, ...) p(fmt, __VA_ARGS__)", "V", "(fmt, ...) p(fmt, __VA_ARGS__)"},
        {"N(args...) q(args, __VA_ARGS__)", "N", "(args...) q(args, __VA_ARGS__)"},
        {"E() /* nothing */", "E", "() "},
        {"H(x) \\#x 1e x", "H", "(x) #x 1e x"},
    };
    for (const auto& [text, name, stored] : definitions) {
        table.macro_define(text, r);
    }
    EXPECT_TRUE(r.reports.empty());
    for (const auto& [text, name, stored] : definitions) {
        EXPECT_EQ(defined_text(table, name), stored) << text;
    }

    const vx::MacroDefinition& f = *table.macro_lookup("F")->definition;
    ASSERT_EQ(f.points.size(), 4u);
    EXPECT_TRUE(f.points[0].raw_after);
    EXPECT_TRUE(f.points[1].raw_before);
    EXPECT_TRUE(f.points[2].stringise);
    EXPECT_TRUE(f.points[3].charise);
    EXPECT_EQ(table.macro_lookup("A")->definition->close, ']');
    EXPECT_EQ(table.macro_lookup("V")->definition->variadic, vx::VariadicForm::anonymous);
    EXPECT_EQ(table.macro_lookup("N")->definition->variadic, vx::VariadicForm::named);
    // "__VA_ARGS__" of a named variable argument stays text.
    EXPECT_EQ(table.macro_lookup("N")->definition->points.size(), 1u);
}

TEST(MacroTable, MalformedDefinitionsAreWarnedAndDropped) {
    struct Case {
        const char* text;
        const char* report;
    };
    const Case cases[] = {
        {"1X 2", "INVAMACRO:1X 2"},
        {"defined 1", "INVDEFINE:defined"},
        {"M(1a) a", "PARASTART:1a) a"},
        {"M(a, ..) a", "BADPARDEF:\"...\" expected"},
        {"M(a...., b) a", "BADPARDEF:\"...\" expected"},
        {"M(..., b) a", "BADPARDEF:another parameter follow \"...\""},
        {"M(a,,b) a", "BADPARDEF:,b) a"},
        {"M(a b) a", "BADPARDEF:b) a"},
        {"M(a, b", "UNTPARDEF:M(a, b"},
        {"M(a) #b", "OPERMACRO:#b"},
    };
    for (const Case& c : cases) {
        vx::MacroTable table;
        Recorder r;
        table.macro_define(c.text, r);
        ASSERT_EQ(r.reports.size(), 1u) << c.text;
        EXPECT_EQ(r.reports[0], c.report) << c.text;
        EXPECT_EQ(table.size(), 0u) << c.text;
    }
}

TEST(MacroTable, RedefinitionIsQuietOnlyWhenBlanksAloneDiffer) {
    vx::MacroTable table;
    Recorder r;
    table.macro_define("X 1 +  2", r);
    table.macro_define("X 1 + 2", r);
    EXPECT_TRUE(r.reports.empty());
    table.macro_define("X 1+2", r);
    ASSERT_EQ(r.reports.size(), 1u);
    EXPECT_EQ(r.reports[0], "IDENREDEF:X");
    EXPECT_EQ(defined_text(table, "X"), "1+2");
    EXPECT_EQ(table.size(), 1u);

    // Different parameter names are a different macro.
    table.macro_define("G(a) a", r);
    table.macro_define("G(b) b", r);
    EXPECT_EQ(r.reports.size(), 2u);
    // A constant is replaced silently.
    table.macro_install("K", vx::MacroKind::constant, 0);
    table.macro_define("K 1", r);
    EXPECT_EQ(r.reports.size(), 2u);
    EXPECT_EQ(table.macro_lookup("K")->kind, vx::MacroKind::ordinary);
}

TEST(MacroTable, UndefiningSpecialMacrosWarnsAndStillRemoves) {
    vx::MacroTable table;
    Recorder r;
    table.macro_install("__LINE__", vx::MacroKind::line);
    table.macro_install("__STDC__", vx::MacroKind::constant, 0);
    table.macro_define("Y 1", r);
    table.macro_define("Y 1", r);
    for (const char* name : {" __LINE__ ", "__STDC__", "Y", "defined", "NEVER"}) {
        table.macro_undefine(name, r);
    }
    EXPECT_EQ(r.reports, (std::vector<std::string>{"UNDEFININ:__LINE__", "UNDEFININ:defined"}));
    EXPECT_EQ(table.size(), 0u);
}

}  // namespace
