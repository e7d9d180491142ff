#include "support/run_environment.h"

#include <gtest/gtest.h>

#include <set>

#include <optional>
#include <string>

namespace vx {
namespace {

using Value = std::optional<std::string>;

TEST(EnvironmentFrom, OneRuleForTheTargetPackage) {
    EXPECT_EQ(environment_from({{"VXUTGT", "/u"}, {"VXLTGT", "/l"}}).runtime_package, Value("/l"));
    EXPECT_EQ(environment_from({{"VXLTGT", "/l"}}).runtime_package, Value("/l"));
    EXPECT_EQ(environment_from({{"VXUTGT", "/u"}}).runtime_package, Value("/u"));
    EXPECT_EQ(environment_from({}).runtime_package, std::nullopt);
    // An empty value names no directory: it neither hides the other
    // variable nor sends the search to the root.
    EXPECT_EQ(environment_from({{"VXUTGT", ""}, {"VXLTGT", "/l"}}).runtime_package, Value("/l"));
    EXPECT_EQ(environment_from({{"VXLTGT", ""}, {"VXUTGT", "/u"}}).runtime_package, Value("/u"));
    EXPECT_EQ(environment_from({{"VXUTGT", ""}, {"VXLTGT", ""}}).runtime_package, std::nullopt);
    // Without either, the installation's own package, when it has one.
    const auto installed = [](const std::string& path) { return path == "/opt/vx/target"; };
    EXPECT_EQ(environment_from({{"HARNEXDIR", "/opt/vx"}}, installed).runtime_package,
              Value("/opt/vx/target"));
    EXPECT_EQ(
        environment_from({{"HARNEXDIR", "/opt/vx"}, {"VXLTGT", ""}}, installed).runtime_package,
        Value("/opt/vx/target"));
    EXPECT_EQ(
        environment_from({{"HARNEXDIR", "/opt/vx"}, {"VXUTGT", "/u"}}, installed).runtime_package,
        Value("/u"));
    EXPECT_EQ(environment_from({{"HARNEXDIR", "/opt/other"}}, installed).runtime_package,
              std::nullopt);
    EXPECT_EQ(environment_from({{"HARNEXDIR", ""}}, installed).runtime_package, std::nullopt);
    EXPECT_EQ(environment_from({{"HARNEXDIR", "/opt/vx"}}).runtime_package, std::nullopt);
    EXPECT_TRUE(is_existing_directory("/"));
    EXPECT_FALSE(is_existing_directory("/no/such/directory"));
}

TEST(EnvironmentFrom, SwitchesAreOnWhenSetEvenEmpty) {
    const RunEnvironment on = environment_from({{"VXW_ADD_USR_INCLUDE", ""},
                                                {"VX_EXT", ""},
                                                {"VX_NOWCHAR", "0"},
                                                {"VEXOR_SUPPRESS_LINE_IN_HEADER", ""},
                                                {"VEXOR_SUPPRESS_COPYRIGHT", ""}});
    EXPECT_TRUE(on.add_usr_include);
    EXPECT_TRUE(on.target_extensions);
    EXPECT_TRUE(on.no_multibyte);
    EXPECT_TRUE(on.suppress_banner_lines);
    EXPECT_TRUE(on.suppress_copyright);

    const RunEnvironment off = environment_from({{"VX_EXTRA", "1"}});
    EXPECT_FALSE(off.add_usr_include || off.target_extensions || off.no_multibyte ||
                 off.suppress_banner_lines || off.suppress_copyright);
}

TEST(EnvironmentFrom, EmptyValuesThatMeanNothing) {
    // An empty prefix or header override is no value: the defaults stay.
    const RunEnvironment empty = environment_from(
        {{"VXL_UNAMESTRUCT", ""}, {"VEXORCINC", ""}, {"VEXORCSGBD", ""}, {"HARNEXDIR", ""}});
    EXPECT_EQ(empty.unnamed_structure_prefix, "_unamedStruct");
    EXPECT_EQ(empty.runtime_include_override, std::nullopt);
    EXPECT_EQ(empty.sql_include_override, std::nullopt);
    // The installation's emptiness is for the run to judge.
    EXPECT_EQ(empty.harness_home, Value(""));

    const RunEnvironment given = environment_from({{"VXL_UNAMESTRUCT", "_anon"},
                                                   {"VEXORCINC", "my/tp.h"},
                                                   {"VEXORCSGBD", "my/sql.h"},
                                                   {"HARNEXDIR", "/opt/vx"},
                                                   {"VXUDIR", "/opt/helpers"},
                                                   {"VEXORLAN", "fr"}});
    EXPECT_EQ(given.unnamed_structure_prefix, "_anon");
    EXPECT_EQ(given.runtime_include_override, Value("my/tp.h"));
    EXPECT_EQ(given.sql_include_override, Value("my/sql.h"));
    EXPECT_EQ(given.harness_home, Value("/opt/vx"));
    EXPECT_EQ(given.dbms_helper_dir, Value("/opt/helpers"));
    EXPECT_EQ(given.script_language, Value("fr"));
}

TEST(EnvironmentFrom, ParserTraceOnlyForALevelFromOneToNine) {
    auto trace = [](const char* value) {
        return environment_from({{"YYDEBUG", value}}).parser_trace;
    };
    EXPECT_TRUE(trace("1"));
    EXPECT_TRUE(trace("9"));
    EXPECT_TRUE(trace("12"));
    EXPECT_FALSE(trace("0"));
    EXPECT_FALSE(trace(""));
    EXPECT_FALSE(trace("yes"));
    EXPECT_FALSE(environment_from({}).parser_trace);
}

TEST(EnvironmentFrom, KeepsEveryVariableOfTheSnapshot) {
    const RunEnvironment env = environment_from({{"VX_TEST_ANY", "x"}, {"VX_EMPTY", ""}});
    EXPECT_EQ(env.get("VX_TEST_ANY"), Value("x"));
    EXPECT_EQ(env.get("VX_EMPTY"), Value(""));
    EXPECT_EQ(env.get("VX_TEST_UNSET_NAME"), std::nullopt);
    EXPECT_EQ(env.variables.size(), 2u);
    // A record built by hand has no variables at all.
    EXPECT_EQ(RunEnvironment{}.get("PATH"), std::nullopt);
}

TEST(EnvironmentSnapshot, ReadsAnEnvironmentList) {
    const char* const entries[] = {"PATH=/bin:/usr/bin", "EMPTY=",       "EQUALS=a=b",
                                   "NO_EQUAL_SIGN",      "PATH=/second", nullptr};
    const EnvironmentSnapshot snapshot = environment_snapshot(entries);
    // The first of a name listed twice, as getenv finds it; an entry
    // without "=" is no variable; the value runs to the end of the entry.
    const EnvironmentSnapshot expected = {
        {"PATH", "/bin:/usr/bin"}, {"EMPTY", ""}, {"EQUALS", "a=b"}};
    EXPECT_EQ(snapshot, expected);
    EXPECT_TRUE(environment_snapshot(nullptr).empty());
}

TEST(InstallationOf, IsTheInstalledPrefixOrTheBuildTreeThatHoldsTheCatalogues) {
    const std::set<std::string> directories = {"/opt/p/share/vexor/lib/locale",
                                               "/src/build/dist/lib/locale"};
    auto is_directory = [&](const std::string& path) { return directories.count(path) > 0; };
    EXPECT_EQ(installation_of("/opt/p/bin/vexorprepro", is_directory), "/opt/p/share/vexor");
    EXPECT_EQ(installation_of("/src/build/dist/bin/vexorprepro", is_directory), "/src/build/dist");
    EXPECT_EQ(installation_of("/tmp/copy/bin/vexorprepro", is_directory), std::nullopt);
    EXPECT_EQ(installation_of("vexorprepro", is_directory), std::nullopt);
}

}  // namespace
}  // namespace vx
