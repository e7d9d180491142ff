// The controlled files: every refusal text, the silent and the fatal
// failures to open, the message location while reading, and the filter on
// script lines.
#include "codegen/output/controlled_files.h"

#include "codegen/codegen_test_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace vx {
namespace {

using vx::testing::CodegenTest;

class ControlledFilesTest : public CodegenTest {
protected:
    void SetUp() override {
        CodegenTest::SetUp();
        controlled_ = std::make_unique<ControlledFiles>(reporter(), files());
    }
    void TearDown() override {
        controlled_.reset();
        CodegenTest::TearDown();
    }
    std::unique_ptr<ControlledFiles> controlled_;
};

TEST_F(ControlledFilesTest, RefusedActionsAreInternalErrorsWithTheirTexts) {
    struct Case {
        ControlledFile type;
        FileAction action;
        const char* text;
    };
    const Case cases[] = {
        {ControlledFile::F_INC, FileAction::A_OUVRIR_ECR,
         "MAJ_FIC / ouvert. en ecr. interdite sur inc"},
        {ControlledFile::F_SOURCE, FileAction::A_OUVRIR_ECR,
         "MAJ_FIC / ouvert. en ecr. interdite sur source"},
        {ControlledFile::F_INC, FileAction::A_FERMER_DEL,
         "MAJ_FIC / fermeture + delete interdite sur inc"},
        {ControlledFile::F_SOURCE, FileAction::A_FERMER_DEL,
         "MAJ_FIC / fermeture + delete interdite sur source"},
        {ControlledFile::F_PTU, FileAction::A_OUVRIR,
         "MAJ_FIC / F_PTU : type enum fic inconnu, ou operation interdite \n"},
        {ControlledFile::F_PTU, FileAction::A_FERMER_SAUV,
         "MAJ_FIC / F_PTU : type enum fic inconnu, ou operation interdite \n"},
        {ControlledFile::F_INC, static_cast<FileAction>(9),
         "MAJ_FIC / 9 : action demandee inconnue"},
    };
    for (const Case& c : cases) {
        auto [status, err] = expect_end([&] { controlled_->file_action(c.type, c.action, "x.h"); });
        EXPECT_EQ(status, 9);
        EXPECT_NE(err.find("Harnex-S-ERRINTFCT"), std::string::npos) << err;
        EXPECT_NE(err.find(c.text), std::string::npos) << err;
    }
    auto [status, err] = expect_end([&] {
        std::string line;
        controlled_->read_controlled_line(static_cast<ControlledFile>(5), line);
    });
    EXPECT_EQ(status, 9);
    EXPECT_NE(err.find("MAJ_FIC / 5 : type enum fic inconnu\n"), std::string::npos) << err;
}

TEST_F(ControlledFilesTest, MissingIncludeIsSilentMissingSourceIsFatal) {
    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(controlled_->file_action(ControlledFile::F_INC, FileAction::A_OUVRIR, "absent.h"));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(controlled_->is_open(ControlledFile::F_INC));

    auto [status, err] = expect_end([&] {
        controlled_->file_action(ControlledFile::F_SOURCE, FileAction::A_OUVRIR, "absent.c");
    });
    EXPECT_EQ(status, 7);
    EXPECT_NE(err.find("Harnex-F-IMPOUVFIC"), std::string::npos) << err;
    EXPECT_NE(err.find("absent.c"), std::string::npos) << err;
}

TEST_F(ControlledFilesTest, ReadingAnIncludeMovesTheMessageLocation) {
    write_file("unit.h", "int a;\r\nint b;\n#define C 1");
    ASSERT_TRUE(controlled_->file_action(ControlledFile::F_INC, FileAction::A_OUVRIR, "unit.h"));
    EXPECT_EQ(reporter_->report_file(), "unit.h");
    EXPECT_EQ(reporter_->report_line(), -1);

    std::string line;
    std::vector<std::string> lines;
    while (controlled_->read_controlled_line(ControlledFile::F_INC, line)) {
        lines.push_back(line);
    }
    EXPECT_EQ(lines, (std::vector<std::string>{"int a;", "int b;", "#define C 1"}));
    EXPECT_EQ(reporter_->report_line(), 2);

    ASSERT_TRUE(controlled_->file_action(ControlledFile::F_INC, FileAction::A_RESETER, "unit.h"));
    EXPECT_EQ(reporter_->report_line(), -1);
    ASSERT_TRUE(controlled_->read_controlled_line(ControlledFile::F_INC, line));
    EXPECT_EQ(line, "int a;");

    EXPECT_TRUE(
        controlled_->file_action(ControlledFile::F_INC, FileAction::A_FERMER_SAUV, "unit.h"));
    EXPECT_FALSE(controlled_->is_open(ControlledFile::F_INC));
    EXPECT_TRUE(exists("unit.h"));
    EXPECT_FALSE(controlled_->read_controlled_line(ControlledFile::F_INC, line));
}

TEST_F(ControlledFilesTest, ScriptLinesAreFilteredToNativeAndDirectiveLines) {
    write_file("s.ptu", "HEADER m, 1, \n#include \"unit.h\"\nSERVICE add\n@ptu_line\n  #x\n");
    std::FILE* script = std::fopen("s.ptu", "r");
    ASSERT_NE(script, nullptr);
    controlled_->set_script(script, "s.ptu");

    std::string line;
    ASSERT_TRUE(controlled_->read_controlled_line(ControlledFile::F_PTU, line));
    EXPECT_EQ(line, "include \"unit.h\"");
    ASSERT_TRUE(controlled_->read_controlled_line(ControlledFile::F_PTU, line));
    EXPECT_EQ(line, "ptu_line");
    EXPECT_FALSE(controlled_->read_controlled_line(ControlledFile::F_PTU, line));

    reporter_->set_report_line(40);
    ASSERT_TRUE(controlled_->file_action(ControlledFile::F_PTU, FileAction::A_RESETER, {}));
    EXPECT_EQ(reporter_->report_file(), "s.ptu");
    EXPECT_EQ(reporter_->report_line(), -1);
    ASSERT_TRUE(controlled_->read_controlled_line(ControlledFile::F_PTU, line));
    EXPECT_EQ(line, "include \"unit.h\"");
    controlled_->set_script(nullptr, {});
    std::fclose(script);
}

}  // namespace
}  // namespace vx
