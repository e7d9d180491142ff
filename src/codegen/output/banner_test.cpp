// The banner box: exact lines, labels by script language, the suppressed
// lines, and long contents continued inside the box.
#include "codegen/output/banner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using Lines = std::vector<std::string>;

std::string boxed(const std::string& content) {
    return "/** " + content + std::string(68 - content.size(), ' ') + " **/";
}

TEST(FileBanner, DrawsTheBoxInCCommentDelimiters) {
    BannerText text{2, "vexorprepro t.ptu t.c -LANGUAGE=C", "Mon Jan  1 10:00:00 2024"};
    Lines lines = file_banner(text, "/w/t.c", "/*", "*/", false);
    const std::string full = "/*" + std::string(72, '*') + "*/";
    const std::string blank = "/**" + std::string(70, ' ') + "**/";
    EXPECT_EQ(lines, (Lines{
                         full,
                         boxed("TOOL : Unit Test Compiler VERSION 8.3.0.1.342.020"),
                         blank,
                         boxed("COMMAND : vexorprepro t.ptu t.c -LANGUAGE=C"),
                         blank,
                         boxed("FILE : /w/t.c"),
                         blank,
                         boxed("DATE : Mon Jan  1 10:00:00 2024"),
                         full,
                     }));
}

TEST(FileBanner, FrenchLabelsAndSuppressedLines) {
    BannerText text{0, "vexorprepro t.ptu t.c", "date"};
    Lines lines = file_banner(text, "t.c", "", "", true);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[1].substr(0, 12), "* OUTIL : Un");
    EXPECT_EQ(lines[2].substr(0, 13), "* COMMANDE : ");
    EXPECT_EQ(lines[3], "*" + std::string(70, ' ') + "*");
    EXPECT_EQ(lines[4], lines[3]);
    EXPECT_EQ(lines[5].substr(0, 9), "* DATE : ");
    for (const auto& line : lines) {
        EXPECT_EQ(line.find("FICHIER"), std::string::npos);
    }
}

std::string without_padding(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

TEST(FileBanner, LongContentContinuesInsideTheBox) {
    const std::string command =
        "vexorprepro /home/somebody/projects/unit/tests/scripts/sample.ptu "
        "/home/somebody/projects/unit/out/sample.c -LANGUAGE=C -FAST";
    Lines lines = file_banner({2, command, "d"}, "x.c", "US ", "", false);

    // The command line and its continuations, in the report description's
    // delimiters: "US " at the start and nothing at the end.
    std::string rebuilt;
    int continuations = 0;
    for (const auto& line : lines) {
        EXPECT_EQ(line.substr(0, 3), "US ");
        EXPECT_EQ(line.size(), 3u + 72u) << line;
        if (line.rfind("US * COMMAND : ", 0) == 0) {
            rebuilt += without_padding(line.substr(5, 68));
        } else if (line.rfind("US *   ", 0) == 0) {
            ++continuations;
            EXPECT_EQ(line.substr(73), " *");
            rebuilt += without_padding(line.substr(7, 66));
        }
    }
    EXPECT_GE(continuations, 1);
    EXPECT_EQ(rebuilt, "COMMAND : " + command);
}

}  // namespace
}  // namespace vx
