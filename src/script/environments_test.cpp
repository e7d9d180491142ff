#include "script/environments.h"

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
    EXPECT_EQ(replaced("PP", p, {"3"}), "PP");
    EXPECT_EQ(replaced("P_1 + _P + P1 + 1P", p, {"3"}), "P_1 + _P + P1 + 1P");
    EXPECT_EQ(replaced("t[P].P->f(P,P)", p, {"i"}), "t[i].i->f(i,i)");
    EXPECT_EQ(replaced("P", p, {"a + b"}), "a + b");
    EXPECT_EQ(replaced("", p, {"3"}), "");
    // Names of another case are other names, unless the language ignores
    // case.
    EXPECT_EQ(replaced("p + P", p, {"3"}), "p + 3");
    EXPECT_EQ(replaced("p + P", p, {"3"}, true), "3 + 3");
}

TEST(Environments, ArgumentsAreNotReplacedAgain) {
    // The arguments swap the two parameters: each occurrence takes its own
    // argument, whatever the argument spells.
    EXPECT_EQ(replaced("A - B", {"A", "B"}, {"B", "A"}), "B - A");
    EXPECT_EQ(replaced("A", {"A", "B"}, {"B + 1", "2"}), "B + 1");
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

TEST(Environments, ListIsSortedAndNamesAreUniqueByTheCaseRule) {
    Environments exact(false);
    ASSERT_NE(exact.define_environment("c", ScopeLevel::script), nullptr);
    EnvironmentRecord* a = exact.define_environment("a", ScopeLevel::test);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(exact.define_environment("b", ScopeLevel::script), nullptr);
    EXPECT_NE(exact.define_environment("A", ScopeLevel::script), nullptr);
    EXPECT_EQ(exact.define_environment("b", ScopeLevel::script), nullptr);
    std::vector<std::string> names;
    for (const auto& record : exact.records()) {
        names.push_back(record->name);
    }
    EXPECT_EQ(names, (std::vector<std::string>{"A", "a", "b", "c"}));
    // Records stay in place while others are inserted before them.
    EXPECT_EQ(exact.find("a"), a);
    EXPECT_EQ(a->level, ScopeLevel::test);

    Environments ignoring(true);
    ASSERT_NE(ignoring.define_environment("Env", ScopeLevel::script), nullptr);
    EXPECT_EQ(ignoring.define_environment("ENV", ScopeLevel::script), nullptr);
    EXPECT_NE(ignoring.find("env"), nullptr);
}

std::vector<std::string> active_names(const Environments& environments) {
    std::vector<std::string> names;
    for (const UseEntry& use : environments.active_uses()) {
        names.push_back(use.environment->name);
    }
    return names;
}

TEST(Environments, UsesLastUntilTheEndOfTheirLevel) {
    Environments environments(false);
    for (const char* name : {"s", "v", "t", "e"}) {
        environments.define_environment(name, ScopeLevel::script);
    }
    environments.define_environment("p", ScopeLevel::script)->parameters = {"X"};

    EXPECT_EQ(environments.use_environment("none", ScopeLevel::script, {}),
              UseResult::unknown_environment);
    EXPECT_EQ(environments.use_environment("p", ScopeLevel::script, {}),
              UseResult::parameter_count);
    EXPECT_EQ(environments.use_environment("p", ScopeLevel::script, {"1", "2"}),
              UseResult::parameter_count);
    EXPECT_TRUE(environments.active_uses().empty());

    ASSERT_EQ(environments.use_environment("s", ScopeLevel::script, {}), UseResult::used);
    ASSERT_EQ(environments.use_environment("v", ScopeLevel::service, {}), UseResult::used);
    ASSERT_EQ(environments.use_environment("t", ScopeLevel::test, {}), UseResult::used);
    ASSERT_EQ(environments.use_environment("p", ScopeLevel::test, {"1"}), UseResult::used);
    ASSERT_EQ(environments.use_environment("e", ScopeLevel::element, {}), UseResult::used);
    EXPECT_EQ(environments.mark(ScopeLevel::script), 1u);
    EXPECT_EQ(environments.mark(ScopeLevel::service), 2u);
    EXPECT_EQ(environments.mark(ScopeLevel::test), 4u);
    EXPECT_EQ(environments.mark(ScopeLevel::element), 5u);
    EXPECT_EQ(active_names(environments), (std::vector<std::string>{"s", "v", "t", "p", "e"}));
    EXPECT_EQ(environments.active_uses()[3].arguments, (std::vector<std::string>{"1"}));

    environments.pop_uses(ScopeLevel::element);
    EXPECT_EQ(active_names(environments), (std::vector<std::string>{"s", "v", "t", "p"}));
    environments.pop_uses(ScopeLevel::test);
    EXPECT_EQ(active_names(environments), (std::vector<std::string>{"s", "v"}));
    EXPECT_EQ(environments.mark(ScopeLevel::test), 2u);
    // A use at the script level after a service raises every mark.
    environments.pop_uses(ScopeLevel::service);
    ASSERT_EQ(environments.use_environment("e", ScopeLevel::script, {}), UseResult::used);
    EXPECT_EQ(active_names(environments), (std::vector<std::string>{"s", "e"}));
    EXPECT_EQ(environments.mark(ScopeLevel::script), 2u);
    EXPECT_EQ(environments.mark(ScopeLevel::element), 2u);
    environments.pop_uses(ScopeLevel::service);
    EXPECT_EQ(active_names(environments), (std::vector<std::string>{"s", "e"}));
}

}  // namespace
}  // namespace vx
