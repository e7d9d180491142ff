#include "script/statements/environments.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

std::string replaced(std::string_view text, const std::vector<std::string>& parameters,
                     const std::vector<std::string>& arguments, bool case_insensitive = false) {
    return replace_parameters(text, parameters, arguments, case_insensitive);
}

TEST(Environments, ParametersAreReplacedAsWholeWordsOnly) {
    const std::vector<std::string> p = {"P"};
    EXPECT_EQ(replaced("P+1", p, {"3"}), "3+1");
    EXPECT_EQ(replaced("PP + P_1 + _P + P1 + 1P", p, {"3"}), "PP + P_1 + _P + P1 + 1P");
    EXPECT_EQ(replaced("t[P].P->f(P,P)", p, {"i"}), "t[i].i->f(i,i)");
    // Names of another case are other names, unless the language ignores
    // case.
    EXPECT_EQ(replaced("p + P", p, {"3"}), "p + 3");
    EXPECT_EQ(replaced("p + P", p, {"3"}, true), "3 + 3");
    // Each occurrence takes its own argument, whatever the argument spells.
    EXPECT_EQ(replaced("A - B", {"A", "B"}, {"B", "A"}), "B - A");
}

TEST(Environments, EveryTextOfARecordIsInstantiated) {
    EnvironmentRecord record;
    record.name = "e";
    record.parameters = {"N", "V"};
    VariableClause clause;
    clause.variable = "tab[N]";
    clause.type_text = "char[N]";
    clause.init_value = "V";
    clause.init_link = "N";
    clause.ev_value = "V+1";
    clause.ev_target = "out_N";  // not a whole word
    clause.ev_link = "N";
    clause.min_value = "V-N";
    clause.max_value = "V+N";
    clause.delta_value = "N";
    clause.format = "N";  // a FORMAT, not a text of the statement
    record.variables.push_back(clause);
    record.stub_calls = {"f(N, V) N", "g(NV)"};

    const EnvironmentContents contents = instantiate_environment({&record, {"2", "x"}}, false);
    ASSERT_EQ(contents.variables.size(), 1u);
    const VariableClause& c = contents.variables[0];
    EXPECT_EQ(c.variable, "tab[2]");
    EXPECT_EQ(c.type_text, "char[2]");
    EXPECT_EQ(c.init_value, "x");
    EXPECT_EQ(c.init_link, "2");
    EXPECT_EQ(c.ev_value, "x+1");
    EXPECT_EQ(c.ev_target, "out_N");
    EXPECT_EQ(c.ev_link, "2");
    EXPECT_EQ(c.min_value, "x-2");
    EXPECT_EQ(c.max_value, "x+2");
    EXPECT_EQ(c.delta_value, "2");
    EXPECT_EQ(c.format, "N");
    EXPECT_EQ(contents.stub_calls, (std::vector<std::string>{"f(2, x) 2", "g(NV)"}));
    // The definition itself is left as it was, for the next use.
    EXPECT_EQ(record.variables[0].variable, "tab[N]");
    EXPECT_EQ(record.stub_calls[0], "f(N, V) N");
}

TEST(Environments, ListIsSortedAndRecordsStayInPlace) {
    Environments environments(false);
    EnvironmentRecord* c = environments.define_environment("c", ScopeLevel::test);
    ASSERT_NE(c, nullptr);
    ASSERT_NE(environments.define_environment("a", ScopeLevel::script), nullptr);
    ASSERT_NE(environments.define_environment("C", ScopeLevel::script), nullptr);
    EXPECT_EQ(environments.define_environment("a", ScopeLevel::script), nullptr);
    std::vector<std::string> names;
    for (const auto& record : environments.records()) {
        names.push_back(record->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"C", "a", "c"}));
    EXPECT_EQ(environments.find("c"), c);
    EXPECT_EQ(c->level, ScopeLevel::test);
}

}  // namespace
}  // namespace vx
