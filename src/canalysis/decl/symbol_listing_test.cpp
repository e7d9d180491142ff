#include "canalysis/decl/symbol_listing.h"

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/types/target_model.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace vx {
namespace {

using Lines = std::vector<std::string>;

class Listing : public ::testing::Test {
protected:
    void declare(std::string_view text, std::string_view scope = {}) {
        DeclarationOptions options;
        options.scope = scope;
        options.file = "unit.h";
        c_parse_declarations(text, table_, options, sink_, run_);
        ASSERT_EQ(sink_.count, 0) << text;
    }
    std::vector<std::string> write(int language = 2, std::vector<std::string> services = {}) {
        SymbolListing listing{table_,
                              std::move(services),
                              "unit.smb",
                              "C Test Script Compiler",
                              "8.3",
                              "vexorprepro s.ptu t.c",
                              "Tue Dec  8 12:00:00 2026",
                              language};
        std::vector<std::string> lines;
        write_symbol_listing(
            listing, [&](std::string_view line) { lines.emplace_back(line); }, listing_sink_);
        return lines;
    }
    // A comment line of a short content.
    static std::string boxed(const std::string& content) {
        return "/*" + content + std::string(70 - content.size(), ' ') + "*/";
    }
    static bool has(const std::vector<std::string>& lines, const std::string& line) {
        return testkit::missing_lines(lines, {line}).empty();
    }
    static std::vector<std::string> missing(const std::vector<std::string>& lines,
                                            std::initializer_list<std::string> wanted) {
        return testkit::missing_lines(lines, wanted);
    }

    TargetModel target_;
    DeclarationRun run_{target_};
    TypeTable table_;
    CountingSink sink_;
    // The messages of the listing itself.
    std::vector<MessageCode> listed_codes_;
    FunctionSink listing_sink_{[this](Severity, MessageCode code, std::string_view,
                                      std::string_view, long) { listed_codes_.push_back(code); }};
};

TEST_F(Listing, CommentLinesAreSeventyFourCharactersAndLongContentContinues) {
    std::string long_command = "vexorprepro " + std::string(150, 'c');
    SymbolListing listing{table_, {},           "unit.smb", "C Test Script Compiler",
                          "8.3",  long_command, "DATE",     2};
    std::vector<std::string> lines;
    write_symbol_listing(
        listing, [&](std::string_view line) { lines.emplace_back(line); }, listing_sink_);
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(lines[0], "/*" + std::string(70, '*') + "*/");
    EXPECT_EQ(lines[1], "/*" + std::string(70, ' ') + "*/");
    EXPECT_EQ(lines[2], boxed("  TOOL: C Test Script Compiler        VERSION: 8.3"));
    // "  COMMAND: " and the command: 163 characters over three lines.
    EXPECT_EQ(lines[3].substr(0, 25), "/*  COMMAND: vexorprepro ");
    EXPECT_EQ(lines[3].substr(71), " */");
    EXPECT_EQ(lines[4].substr(0, 4), "/*  ");
    EXPECT_EQ(lines[4].substr(71), " */");
    EXPECT_EQ(lines[5].substr(72), "*/");
    std::string joined = lines[3].substr(2, 69) + lines[4].substr(4, 67) + lines[5].substr(4);
    EXPECT_EQ(joined.substr(0, 2 + 9 + long_command.size()), "  COMMAND: " + long_command);
    for (const auto& line : lines) {
        if (line.rfind("/*", 0) == 0) {
            EXPECT_EQ(line.size(), listing_line_width) << line;
        }
    }
    // Nothing declared: no section at all.
    EXPECT_EQ(lines.size(), 12u);
    EXPECT_EQ(lines.back(), "");
}

TEST_F(Listing, SymbolsAndTypesAreDescribedInWords) {
    declare(
        "unsigned short x;\nstruct s { struct s *next; unsigned flags : 3; } v;\n"
        "enum colour { RED, GREEN = 4, BLUE } c;\ntypedef int count_t;\ncount_t n;\n"
        "int (*fp)(int a, char *b);\nconst char *text;\nvoid f(void);\nint t[N];\n");
    std::vector<std::string> lines = write();
    EXPECT_EQ(missing(lines,
                      {
                          "x :" + std::string(21, ' ') + " unsigned integer",
                          "v :                      structure s",
                          "c :                      enum colour",
                          "n :                      integer",
                          "text :                   pointer on const character",
                          "t :                      array [N] of integer",
                          "fp :                     pointer on function returning integer (",
                          "\ta integer,",
                          "\tb pointer on character)",
                      }),
              Lines{});
    // Functions and typedefs are not variables.
    for (const auto& l : lines) {
        EXPECT_NE(l.rfind("f :", 0), 0u) << l;
        EXPECT_NE(l.rfind("count_t :", 0), 0u) << l;
    }
    EXPECT_EQ(missing(lines,
                      {
                          boxed("        Declared types"),
                          "s : structure {",
                          "\tnext next pointer on the current structure;",
                          "\tflags unsigned integer: 3;",
                          "colour : enum {",
                          "\tGREEN = 4,",
                          "\tBLUE",
                      }),
              Lines{});
}

TEST_F(Listing, AStructMetInsideItselfIsNamedByItsTag) {
    declare("struct shape { int sides; void (*draw)(const struct shape *self, int depth); };");
    std::vector<std::string> lines = write();
    EXPECT_EQ(missing(lines,
                      {
                          "shape : structure {",
                          "\tdraw pointer on function returning void (type not specified) (",
                          "\tself pointer on const structure shape,",
                      }),
              Lines{});
    EXPECT_LT(lines.size(), 40u);
}

TEST_F(Listing, WordsFollowTheScriptLanguage) {
    declare("unsigned char u; char k; double r; struct t { int a; };");
    std::vector<std::string> french = write(0);
    EXPECT_EQ(missing(french,
                      {
                          "u :                      entier non signe",
                          "k :                      caractere",
                          "r :                      reel",
                          boxed("        Types declares"),
                          boxed("                TABLE DES SYMBOLES"),
                      }),
              Lines{});
    std::vector<std::string> accents = write(1);
    EXPECT_EQ(missing(accents,
                      {
                          "u :                      entier non sign\xe9",
                          "k :                      caract\xe8re",
                          "r :                      r\xe9\x65l",
                          boxed("        Types declar\xe9s"),
                      }),
              Lines{});
}

TEST_F(Listing, LocalsOfEachServiceAndLocalFunctions) {
    declare("int global;");
    declare("int first; struct { int a; } anon;", "one");
    declare("float second; int inner(void);", "two");
    std::vector<std::string> lines = write(2, {"one", "two", "three"});
    EXPECT_EQ(listed_codes_, std::vector<MessageCode>{msg::PROCIMBRI});
    EXPECT_TRUE(has(lines, boxed("        Variables for one's service")));
    EXPECT_TRUE(has(lines, boxed("        Variables for two's service")));
    EXPECT_FALSE(has(lines, boxed("        Variables for three's service")));
    EXPECT_TRUE(has(lines, "first :                  integer"));
    EXPECT_TRUE(has(lines, "anon :                   structure {"));
    EXPECT_TRUE(has(lines, " : structure {"));  // the anonymous local type
    EXPECT_TRUE(has(lines, "second :                 real"));
    for (const auto& l : lines) EXPECT_NE(l.rfind("inner", 0), 0u);
}

}  // namespace
}  // namespace vx
