#include "script/statements/environments.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

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
    // A member takes a name given for it, never a value.
    EXPECT_EQ(replaced("pos.P + pos -> P + P", p, {"3"}), "pos.P + pos -> P + 3");
    EXPECT_EQ(replaced("pos.P", p, {"speed"}), "pos.speed");
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
    // Each text of a variable clause, as written in the record and as
    // instantiated with N = 2 and V = x.
    const std::tuple<std::string VariableClause::*, const char*, const char*> texts[] = {
        {&VariableClause::variable, "tab[N]", "tab[2]"},
        {&VariableClause::type_text, "char[N]", "char[2]"},
        {&VariableClause::init_value, "V", "x"},
        {&VariableClause::init_link, "N", "2"},
        {&VariableClause::ev_value, "V+1", "x+1"},
        {&VariableClause::ev_target, "out_N", "out_N"},  // not a whole word
        {&VariableClause::ev_link, "N", "2"},
        {&VariableClause::min_value, "V-N", "x-2"},
        {&VariableClause::max_value, "V+N", "x+2"},
        {&VariableClause::delta_value, "N", "2"},
        {&VariableClause::format, "N", "N"},  // a FORMAT, not a text of the statement
    };
    VariableClause clause;
    for (const auto& [field, text, instantiated] : texts) {
        clause.*field = text;
    }
    record.variables.push_back(clause);
    record.stub_calls = {"f(N, V) N", "g(NV)"};

    const EnvironmentContents contents = instantiate_environment({&record, {"2", "x"}}, false);
    ASSERT_EQ(contents.variables.size(), 1u);
    const VariableClause& c = contents.variables[0];
    for (const auto& [field, text, instantiated] : texts) {
        EXPECT_EQ(c.*field, instantiated) << text;
    }
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
