#include "driver/output_names.h"

#include "testkit/child_process.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace vx {
namespace {

using vx::testing::ScopedWorkingDirectory;
using vx::testing::ScratchDirectory;

class OutputNamesTest : public ::testing::Test {
protected:
    ScratchDirectory scratch;
    ScopedWorkingDirectory cwd{scratch.path()};
    // No variable that changes an extension, unless a test sets one.
    RunEnvironment environment;
    std::string here = std::filesystem::current_path().string() + "/";

    OutputNames derive_output_names(const CompilerSettings& settings) const {
        return vx::derive_output_names(settings, environment);
    }

    static CompilerSettings command(std::string script, std::string generated,
                                    std::string link_dir = "") {
        CompilerSettings s;
        s.script_path = std::move(script);
        s.generated_path = std::move(generated);
        s.link_record_dir = std::move(link_dir);
        return s;
    }
};

TEST_F(OutputNamesTest, ScriptWithoutExtensionAndGeneratedInASubdirectory) {
    OutputNames n = derive_output_names(command("tests/sample", "out/h"));
    EXPECT_EQ(n.script_path, "tests/sample.ptu");
    EXPECT_EQ(n.script_file_name, "sample.ptu");
    EXPECT_EQ(n.script_dir, "tests/");
    EXPECT_EQ(n.details_file, "sample.lis");

    EXPECT_EQ(n.generated_dir, here + "out/");
    EXPECT_EQ(n.generated_path, here + "out/h.c");
    EXPECT_EQ(n.link_record_file, here + "out/h.tdc");
    EXPECT_EQ(n.declarations_file, here + "out/h.ic");
    EXPECT_EQ(n.companion_file, here + "out/ne_h.c");
    EXPECT_EQ(n.segment_file, here + "out/h.seg");
    EXPECT_EQ(n.config_header, here + "out/vexor_cfg.h");
    EXPECT_EQ(n.rio_file, here + "out/h.rio");
    EXPECT_EQ(n.base_name, "h");
    EXPECT_TRUE(n.report_description_path.empty());
}

TEST_F(OutputNamesTest, NamesInTheCurrentDirectoryKeepTheirExtensions) {
    OutputNames n = derive_output_names(command("s.test.ptu", "./h.cc"));
    EXPECT_EQ(n.script_path, "./s.test.ptu");
    EXPECT_EQ(n.details_file, "s.test.lis");
    EXPECT_EQ(n.generated_path, here + "h.cc");
    EXPECT_EQ(n.declarations_file, here + "h.icc");
}

TEST_F(OutputNamesTest, ExtensionsFromTheEnvironment) {
    environment = environment_from(
        {{"VEXORLIS", "log"}, {"VEXORTDC", ""}, {"VEXORPTU", "scr"}, {"VEXORSMB", "sym"}});
    CompilerSettings s = command("sample", "h");
    s.symbtab_file = "listing";
    OutputNames n = derive_output_names(s);
    EXPECT_EQ(n.details_file, "sample.log");
    EXPECT_EQ(n.link_record_file, here + "h.");
    EXPECT_EQ(n.script_path, "./sample.scr");
    EXPECT_EQ(n.rio_file, here + "h.rio");
    EXPECT_EQ(n.symbol_listing_file, "listing.sym");
    EXPECT_EQ(extension_for(environment, ExtensionKind::standard_defs), "def");
}

TEST_F(OutputNamesTest, SymbolListingTakesTheExtensionOnlyWhenItHasNone) {
    CompilerSettings s = command("s", "h");
    EXPECT_EQ(derive_output_names(s).symbol_listing_file, "");
    s.symbtab_file = "dir.v2/listing";
    EXPECT_EQ(derive_output_names(s).symbol_listing_file, "dir.v2/listing.smb");
    s.symbtab_file = "listing.txt";
    EXPECT_EQ(derive_output_names(s).symbol_listing_file, "listing.txt");
}

TEST_F(OutputNamesTest, TheThirdArgumentIsTheDirectoryOfTheRioFileWithOrWithoutItsSlash) {
    EXPECT_EQ(derive_output_names(command("s", "h.c", "rio/")).rio_file, "rio/h.rio");
    EXPECT_EQ(derive_output_names(command("s", "h.c", "rio")).rio_file, "rio/h.rio");
    EXPECT_EQ(derive_output_names(command("s", "h.c", ".")).rio_file, "./h.rio");
    EXPECT_EQ(derive_output_names(command("s", "h.c", "/")).rio_file, "/h.rio");
    CompilerSettings named = command("s", "h.c", "rio/");
    named.rio_name = "traces.out";
    OutputNames n = derive_output_names(named);
    EXPECT_EQ(n.rio_file_name, "traces.out");
    EXPECT_EQ(n.rio_file, "rio/traces.out");
}

TEST_F(OutputNamesTest, DeclarationsFileWithoutDirectoryForOtherCompilerSystems) {
    CompilerSettings s = command("s", "out/h");
    s.compiler_system = CompilerSystem::nt;
    EXPECT_EQ(derive_output_names(s).declarations_file, "h.ic");
}

TEST_F(OutputNamesTest, ReportDescriptionNames) {
    CompilerSettings s = command("s", "h");
    s.report_description_wanted = true;
    s.report_description_file = "rep/desc";
    OutputNames n = derive_output_names(s);
    EXPECT_EQ(n.report_description_path, "rep/desc.tsf");
    EXPECT_EQ(n.report_xrd_file, "rep/desc.xrd");
    EXPECT_EQ(n.report_xrd_name, "desc.xrd");
}

}  // namespace
}  // namespace vx
