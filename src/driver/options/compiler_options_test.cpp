#include "driver/options/compiler_options.h"

#include "diag/process_end.h"
#include "diag/reporter.h"
#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

namespace vx {
namespace {

using vx::testing::ScratchDirectory;

// The codes of the messages shown on standard error, in order.
std::vector<std::string> shown_codes(const std::string& err, char severity) {
    std::vector<std::string> codes;
    const std::string head = std::string("Harnex-") + severity + "-";
    std::size_t at = 0;
    while ((at = err.find(head, at)) != std::string::npos) {
        at += head.size();
        codes.push_back(err.substr(at, err.find(',', at) - at));
    }
    return codes;
}

std::string upper(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

bool ends_with(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

class Settings : public ::testing::Test {
protected:
    MessageCatalogue catalogue;
    Reporter reporter{catalogue};
    // The run's environment record: none of the variables that change
    // defaults, unless a test sets them.
    RunEnvironment environment;
    std::string err;
    std::string out;

    void SetUp() override {
        catalogue.register_all();
        reporter.set_console([this](std::string_view line) { err.append(line); });
    }

    CompilerSettings settings(std::vector<std::string> options,
                              std::vector<std::string> positional = {"s.ptu", "t.c"}) {
        std::vector<std::string> arguments = {"vexorprepro"};
        arguments.insert(arguments.end(), positional.begin(), positional.end());
        arguments.insert(arguments.end(), options.begin(), options.end());
        CommandAnalysis analysis(compiler_command());
        std::string refused;
        analysis.set_console([&](std::string_view text) { refused.append(text); });
        int status = analysis.analyse_arguments(arguments);
        EXPECT_EQ(status, 0) << refused;
        if (status != 0) {
            return {};
        }
        err.clear();
        // The active trace levels are written on standard output.
        ::testing::internal::CaptureStdout();
        CompilerSettings result = settings_from_analysis(reporter, analysis, environment);
        out = ::testing::internal::GetCapturedStdout();
        return result;
    }
    std::vector<std::string> warnings() const { return shown_codes(err, 'W'); }
};

TEST_F(Settings, PlainCommandLine) {
    CompilerSettings s = settings({});
    EXPECT_EQ(s.command_echo, "vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX -FAST");
    EXPECT_EQ(s.script_path, "s.ptu");
    EXPECT_EQ(s.generated_path, "t.c");
    EXPECT_EQ(s.link_record_dir, "");
    EXPECT_EQ(s.language_name, "C");
    EXPECT_EQ(s.tested_language, tested_language_c);
    EXPECT_EQ(s.language_variant, 5);
    EXPECT_FALSE(s.sql_mode);
    EXPECT_EQ(s.target_name, "LINUX");
    EXPECT_EQ(s.class_name, "VEXOR");
    EXPECT_EQ(s.dbms_name, "oracle");
    EXPECT_EQ(s.dbms_helper_path, "/usr/vexor/vexor_oracle");
    EXPECT_TRUE(s.fast);
    EXPECT_FALSE(s.compress || s.expand || s.sub_system || s.const_given);
    EXPECT_TRUE(s.c_analysis());
    EXPECT_TRUE(s.restriction(Restriction::ansi));
    EXPECT_FALSE(s.restriction(Restriction::kr));
    EXPECT_EQ(s.compiler_system, CompilerSystem::unix_system);
    EXPECT_EQ(s.error_limit, 60);
    EXPECT_EQ(s.warning_limit, 120);
    EXPECT_FALSE(s.operation_list.given);
    EXPECT_TRUE(s.std_define_file.empty());
    EXPECT_EQ(err, "");
    EXPECT_EQ(out, "");
}

TEST_F(Settings, LanguageSelection) {
    EXPECT_EQ(settings({"-LANGUAGE=c++"}).language_name, "C");
    CompilerSettings sql = settings({"-LANG=csqlite", "-DBMS=Ingres"});
    EXPECT_EQ(sql.language_name, "CSQL");
    EXPECT_TRUE(sql.sql_mode);
    EXPECT_EQ(sql.dbms_name, "ingres");
    EXPECT_EQ(sql.dbms_helper_path, "/usr/vexor/vexor_ingres");
    EXPECT_EQ(sql.command_echo,
              "vexorprepro s.ptu t.c -LANGUAGE=CSQL -TARGET=LINUX -FAST -DBMS=ingres");
    EXPECT_TRUE(warnings().empty());
}

TEST_F(Settings, UnknownLanguageEndsTheRun) {
    CommandAnalysis analysis(compiler_command());
    ASSERT_EQ(analysis.analyse_arguments({"vexorprepro", "s.ptu", "t.c", "-LANGUAGE=ADA"}), 0);
    std::string shown;
    reporter.set_console([&](std::string_view line) { shown.append(line); });
    int status = -1;
    try {
        (void)settings_from_analysis(reporter, analysis, environment);
    } catch (const RunStopped& stopped) {
        status = stopped.status;
    }
    EXPECT_EQ(status, exit_fatal);
    EXPECT_EQ(shown.rfind("Harnex-F-LANGINCON,", 0), 0u) << shown;
    EXPECT_NE(shown.find("ADA"), std::string::npos) << shown;
}

TEST_F(Settings, EchoHoldsEveryItemInItsOrder) {
    ScratchDirectory include;
    CompilerSettings s = settings(
        {"-NOEDIT",      "-SYSCOMP=nt",        "-STRVER=v*",     "-SOURCE=u.c",
         "-SS",          "-VERSION=v1",        "-TARGET=arm",    "-EXPAND",
         "-COMPRESS",    "-TEST=t1",           "-SERVICE=s1,s2", "-INCL=" + include.path().string(),
         "-DEFINE=d",    "-RESTRICTION=SEPAR", "-NOSIMULATION",  "-STD_DEFINE=std",
         "-SYMBTAB=sym", "-STANDARD=stdf",     "-ADALINK=ada",   "-EXFAMILY=f"},
        {"s.ptu", "t.c", "\"rio/\""});
    EXPECT_EQ(s.command_echo,
              "vexorprepro s.ptu t.c \"rio/\" -LANGUAGE=C -VERSION=V1 -TARGET=ARM -SUB_SYSTEM"
              " -SOURCE=u.c -STRVER=v* -FAST -COMPRESS -EXPAND -SERVICE=S1,S2 -TEST=T1"
              " -EXFAMILY=F -INCL=" +
                  include.path().string() +
                  " -DEFINE=d -RESTRICTION=SEPAR -SYSCOMP=NT -NOSIMULATION -NOEDIT"
                  " -STD_DEFINE=std -SYMBTAB=sym -STANDARD=stdf -ADALINK=ada");
    EXPECT_EQ(s.link_record_dir, "rio/");
    EXPECT_EQ(s.compiler_system, CompilerSystem::nt);
    EXPECT_TRUE(s.restriction(Restriction::separ));
    EXPECT_EQ(warnings(), std::vector<std::string>{"OPINCOMPA"});
    EXPECT_NE(err.find("COMPRESS, EXPEND"), std::string::npos);
    EXPECT_TRUE(s.compress && s.expand);
}

TEST_F(Settings, SelectionListsAreUpperCasedSets) {
    CompilerSettings s = settings({"-SERVICE=s1,s2,s1", "-TEST=(a,b)", "-FAMILLE=f"});
    EXPECT_TRUE(s.operation_list.given);
    EXPECT_EQ(s.operation_list.names, (std::vector<std::string>{"S1", "S2"}));
    EXPECT_TRUE(s.operation_list.contains("S2"));
    EXPECT_EQ(s.test_list.names, (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(s.family_list.names, std::vector<std::string>{"F"});
    EXPECT_FALSE(s.exclude_family_list.given);
    EXPECT_NE(s.command_echo.find(" -FAST -SERVICE=S1,S2,S1 -TEST=A,B -FAMILY=F"),
              std::string::npos)
        << s.command_echo;

    CompilerSettings ex = settings({"-EXSERVICE=z", "-EXSERV=x,z", "-EXTEST=y"});
    EXPECT_TRUE(ex.exclude_operation_list.given);
    EXPECT_EQ(ex.exclude_operation_list.names, (std::vector<std::string>{"Z", "X"}));
    EXPECT_EQ(ex.exclude_test_list.names, std::vector<std::string>{"Y"});
    EXPECT_FALSE(ex.operation_list.given);
}

TEST_F(Settings, LongListsAreCutInTheEcho) {
    std::string value(250, 'a');
    std::string list = value + "1," + value + "2," + value + "3," + value + "4";
    CompilerSettings s = settings({"-TEST=" + list, "-FAMILY=f"});
    EXPECT_EQ(s.test_list.names.size(), 4u);
    std::string expected_piece =
        " -TEST=" + upper(value) + "1," + upper(value) + "2," + upper(value) + "3,...";
    EXPECT_NE(s.command_echo.find(expected_piece + " -FAMILY=F"), std::string::npos);
}

TEST_F(Settings, IncludeDirectoriesMustExist) {
    ScratchDirectory dir;
    std::string present = dir.path().string();
    std::string absent = (dir.path() / "Missing").string();
    CompilerSettings s = settings({"-INCL=" + absent + "," + present});
    EXPECT_EQ(s.include_dirs, std::vector<std::string>{present});
    EXPECT_EQ(warnings(), std::vector<std::string>{"INCLTYPER"});
    EXPECT_NE(err.find(absent), std::string::npos);
    EXPECT_NE(s.command_echo.find(" -INCL=" + present), std::string::npos);
    EXPECT_EQ(s.command_echo.find("Missing"), std::string::npos);
}

TEST_F(Settings, Restrictions) {
    CompilerSettings kr = settings({"-RESTRICTION=KR"});
    EXPECT_TRUE(kr.restriction(Restriction::kr));
    EXPECT_FALSE(kr.restriction(Restriction::ansi));
    EXPECT_TRUE(warnings().empty());

    CompilerSettings both = settings({"-RESTRICTION=KR,ANSI,NOPOS"});
    EXPECT_FALSE(both.restriction(Restriction::kr));
    EXPECT_TRUE(both.restriction(Restriction::ansi));
    EXPECT_TRUE(both.restriction(Restriction::nopos));
    EXPECT_EQ(warnings(), std::vector<std::string>{"CMDERREUR"});
    EXPECT_NE(err.find("improper RESTR=KR option"), std::string::npos);
    EXPECT_NE(both.command_echo.find(" -RESTRICTION=KR,ANSI,NOPOS"), std::string::npos);
}

TEST_F(Settings, ObsoleteAndMisplacedOptionsWarn) {
    CompilerSettings s = settings({"-CLASS=Widget", "-DBMS=Ingres", "-LEARN"});
    EXPECT_EQ(warnings(), (std::vector<std::string>{"OPCLASSIMP", "OPSGBDINP", "OPTOBSOLET"}));
    EXPECT_NE(err.find("LEARN"), std::string::npos);
    EXPECT_EQ(s.class_name, "Widget");
    EXPECT_EQ(s.dbms_name, "ingres");
    EXPECT_EQ(s.dbms_helper_path, "");
    EXPECT_EQ(s.command_echo.find("DBMS"), std::string::npos);

    settings({"-NOLEARN"});
    EXPECT_TRUE(warnings().empty());
}

TEST_F(Settings, DataOptionIsObsolete) {
    settings({"-DATA=d"});
    EXPECT_EQ(warnings(), std::vector<std::string>{"OPTOBSOLET"});
    EXPECT_NE(err.find("DATA"), std::string::npos);
}

TEST_F(Settings, AnalysisOnlyOptionsWithoutAnalysis) {
    CompilerSettings s = settings({"-NOANALYZE", "-STD_DEFINE=std", "-RENAME=r", "-SYMBTAB=sym",
                                   "-ADALINK=a", "-DEFINE=lower"});
    EXPECT_FALSE(s.c_analysis());
    EXPECT_TRUE(s.std_define_file.empty() && s.rename_file.empty() && s.symbtab_file.empty() &&
                s.adalink_file.empty());
    // The second OPTIONANA repeats the first one's place and code: counted, not shown.
    EXPECT_EQ(warnings(), (std::vector<std::string>{"OPTCETCPP", "OPTCETANA", "OPTIONANA"}));
    EXPECT_EQ(reporter.warning_count(), 4);
    EXPECT_EQ(s.defined_identifiers, std::vector<std::string>{"LOWER"});
    EXPECT_TRUE(ends_with(s.command_echo, " -DEFINE=LOWER -NOANALYZE")) << s.command_echo;
}

TEST_F(Settings, TargetDirectoryGivesTheStandardDefinitions) {
    environment = environment_from({{"VXLTGT", "/opt/tgt"}});
    CompilerSettings s = settings({"-RENAME=r"});
    EXPECT_EQ(s.std_define_file, "/opt/tgt/ana/vxus_c.def");
    EXPECT_EQ(s.rename_file, "r");
    EXPECT_NE(s.command_echo.find(" -STD_DEFINE=/opt/tgt/ana/vxus_c.def"), std::string::npos);
    EXPECT_TRUE(settings({"-NOANALYZE"}).std_define_file.empty());
    EXPECT_TRUE(warnings().empty());
    // The same package as the runtime header's, by the same rule.
    environment = environment_from({{"VXUTGT", "/opt/tgt"}});
    EXPECT_EQ(settings({}).std_define_file, "/opt/tgt/ana/vxus_c.def");
    environment = environment_from({{"VXLTGT", "/opt/tgt"}, {"VXUTGT", "/home/u/tgt"}});
    EXPECT_EQ(settings({}).std_define_file, "/opt/tgt/ana/vxus_c.def");
    // -STD_DEFINE wins over the package.
    EXPECT_EQ(settings({"-STD_DEFINE=mine.def"}).std_define_file, "mine.def");
}

TEST_F(Settings, HelperDirectoryFromTheEnvironment) {
    environment = environment_from({{"VXUDIR", "/opt/helpers"}});
    EXPECT_EQ(settings({"-LANG=csql"}).dbms_helper_path, "/opt/helpers/vexor_oracle");
    // Set, even empty, it replaces the default directory.
    environment = environment_from({{"VXUDIR", ""}});
    EXPECT_EQ(settings({"-LANG=csql", "-DBMS=ingres"}).dbms_helper_path, "/vexor_ingres");
}

TEST_F(Settings, FilesAndFlags) {
    CompilerSettings s = settings({"-CONST=k", "-TSF=rep/d", "-RIONAME=x.rio", "-VISTAL_LOG=v",
                                   "-NOPATH", "-WITHSEPARATE", "-NOCOMMAND=make", "-NOFAST"});
    EXPECT_TRUE(s.const_given);
    EXPECT_EQ(s.const_file, "k.c");
    EXPECT_TRUE(s.report_description_wanted);
    EXPECT_EQ(s.report_description_file, "rep/d");
    EXPECT_EQ(s.rio_name, "x.rio");
    EXPECT_EQ(s.vistal_log_path, "v");
    EXPECT_TRUE(s.no_path && s.with_separate);
    EXPECT_EQ(s.command_text, "make");
    EXPECT_FALSE(s.fast);
    EXPECT_EQ(s.command_echo, "vexorprepro s.ptu t.c -LANGUAGE=C -TARGET=LINUX");

    EXPECT_EQ(settings({"-CONST=k.h"}).const_file, "k.h");
    EXPECT_EQ(settings({"-CONST=dir.d/k"}).const_file, "dir.d/k.c");
}

TEST_F(Settings, TraceLevelsAndDisplayLimits) {
    CompilerSettings s = settings({"-XT=3,0", "-XT=7", "-E=5", "-W=9"});
    EXPECT_EQ(out, "active trace 3\nactive trace 0\nactive trace 7\n");
    EXPECT_EQ(s.error_limit, 5);
    EXPECT_EQ(s.warning_limit, 9);
}

}  // namespace
}  // namespace vx
