// Folding of generated lines, banner texts and link records: where the cuts
// fall, and that nothing is lost or cut inside a literal.
#include "codegen/output/folding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vx {
namespace {

using Lines = std::vector<std::string>;

std::string joined(const Lines& pieces) {
    std::string out;
    for (const auto& piece : pieces) {
        out += piece;
    }
    return out;
}

TEST(FoldLine, CutsOutsideStringLiterals) {
    const std::string text = "foo(alpha, \"a, b\", gamma);";
    Lines pieces = fold_line(text, FoldMode::c, 12);
    EXPECT_EQ(pieces, (Lines{"foo(alpha,", " \"a, b\",", " gamma);"}));
    EXPECT_EQ(joined(pieces), text);
}

TEST(FoldLine, BackslashEscapesOnlyInCModes) {
    // In C the escaped quote stays inside the literal, so the only
    // separator before the width is the "(".
    const std::string text = "f(\"ab\\\", cd\", e)";
    EXPECT_EQ(fold_line(text, FoldMode::c, 8), (Lines{"f", "(\"ab\\\", cd\"", ", e)"}));
    // Without escapes the literal ends at the second quote and the comma
    // after it is a separator; in the rest the quote after "cd" opens a
    // literal that never closes, so only the blank before it cuts again.
    EXPECT_EQ(fold_line(text, FoldMode::other_language, 8),
              (Lines{"f(\"ab\\\"", ",", " cd\", e)"}));
}

TEST(FoldLine, LongLinesWithoutUsableSeparatorStayWhole) {
    const std::string no_separator(200, 'x');
    EXPECT_EQ(fold_line(no_separator, FoldMode::c), Lines{no_separator});

    // A separator in the first position or as the last character gives no cut.
    const std::string edges = " " + std::string(100, 'y') + ";";
    EXPECT_EQ(fold_line(edges, FoldMode::c), Lines{edges});

    const std::string text = std::string(90, 'a') + "," + std::string(10, 'b');
    EXPECT_EQ(fold_line(text, FoldMode::never), Lines{text});
}

TEST(FoldLine, CutsAtTheFirstSeparatorAfterTheWidthWhenNoneIsBefore) {
    const std::string text = std::string(90, 'a') + " bbb";
    EXPECT_EQ(fold_line(text, FoldMode::c), (Lines{std::string(90, 'a'), " bbb"}));
}

TEST(FoldLine, EveryPieceFitsWhenSeparatorsAreDense) {
    std::string text = "DCL_OP_C(";
    for (int i = 0; i < 40; ++i) {
        text += "argument_" + std::to_string(i) + ", ";
    }
    text += "last);";
    Lines pieces = fold_line(text, FoldMode::c);
    ASSERT_GT(pieces.size(), 1u);
    for (const auto& piece : pieces) {
        EXPECT_LE(piece.size(), fold_width);
    }
    EXPECT_EQ(joined(pieces), text);
    // A line of exactly 80 characters is not folded.
    EXPECT_EQ(fold_line(std::string(40, 'a') + " " + std::string(39, 'b'), FoldMode::c).size(), 1u);
}

TEST(FoldRecord, ContinuesLongRecordsOnAmpersandLines) {
    std::string record;
    for (int i = 0; i < 300; ++i) {
        record += static_cast<char>('a' + i % 26);
    }
    Lines lines = fold_record(record);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], record.substr(0, 132));
    EXPECT_EQ(lines[1], "&" + record.substr(132, 131));
    EXPECT_EQ(lines[2], "&" + record.substr(263));
    EXPECT_EQ(lines[2].size(), 38u);

    EXPECT_EQ(fold_record(std::string(132, 'r')).size(), 1u);
    EXPECT_EQ(fold_record(std::string(133, 'r')), (Lines{std::string(132, 'r'), "&r"}));
    EXPECT_EQ(fold_record(""), Lines{""});
}

TEST(CutBannerText, CutsBeforeSlashesAndBlanks) {
    EXPECT_EQ(cut_banner_text(std::string(67, 'x')), Lines{std::string(67, 'x')});

    const std::string path =
        "FILE : /home/somebody/projects/unit_tests/generated/harness/"
        "directory/with/a/long/name/t.c";
    Lines pieces = cut_banner_text(path);
    ASSERT_GE(pieces.size(), 2u);
    EXPECT_LE(pieces[0].size(), banner_first_width);
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        EXPECT_EQ(pieces[i].front(), '/');
        EXPECT_LE(pieces[i].size(), banner_first_width);
    }
    EXPECT_EQ(joined(pieces), path);
}

}  // namespace
}  // namespace vx
