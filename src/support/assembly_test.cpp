#include "support/assembly.h"

#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace vx {
namespace {

using testing_support::ReportCapture;

constexpr char guard = 'Z';

// A destination of exactly the documented size followed by guard bytes.
struct GuardedBuffer {
    std::vector<char> bytes = std::vector<char>(assembly_buffer_size + 16, guard);
    char* data() { return bytes.data(); }
    bool guard_intact() const {
        for (std::size_t i = assembly_buffer_size; i < bytes.size(); ++i) {
            if (bytes[i] != guard) {
                return false;
            }
        }
        return true;
    }
};

TEST(Assembly, CopiesAndAppendsPieces) {
    AssemblyBuffer buffer;
    xstrcpy(buffer.data(), "PTU_", std::string("INTEGER"), std::string_view("_C("), nullptr, ")");
    EXPECT_STREQ(buffer.data(), "PTU_INTEGER_C()");
    xstrcat(buffer.data(), ";", "\n");
    EXPECT_STREQ(buffer.data(), "PTU_INTEGER_C();\n");
    xstrcpy(buffer.data(), "x");
    EXPECT_STREQ(buffer.data(), "x");
}

TEST(Assembly, StopsAtTheLimitAndSkipsTheRest) {
    GuardedBuffer buffer;
    std::string long_piece(assembly_limit - 1, 'a');
    xstrcpy(buffer.data(), long_piece, "bc", "d");
    EXPECT_EQ(std::strlen(buffer.data()), assembly_limit);
    EXPECT_EQ(buffer.data()[assembly_limit - 1], 'b');
    EXPECT_TRUE(buffer.guard_intact());

    std::string huge(assembly_limit + 500, 'q');
    xstrcpy(buffer.data(), "head ", huge);
    EXPECT_EQ(std::strlen(buffer.data()), assembly_limit);
    EXPECT_EQ(std::string(buffer.data(), 5), "head ");
    EXPECT_TRUE(buffer.guard_intact());

    // Appending to a full destination changes nothing.
    xstrcat(buffer.data(), "more");
    EXPECT_EQ(std::strlen(buffer.data()), assembly_limit);
    EXPECT_TRUE(buffer.guard_intact());
}

TEST(Assembly, DestinationAsAPieceIsRefusedAndTheOthersKept) {
    {
        ReportCapture capture;
        AssemblyBuffer buffer;
        std::strcpy(buffer.data(), "old");
        EXPECT_INTERNAL_REPORT(capture, xstrcpy(buffer.data(), "first-", buffer.data(), "third"),
                               "ERRINTFCT", "in the function xstrcpy\n");
        EXPECT_STREQ(buffer.data(), "first-third");
    }
    {
        ReportCapture capture;
        AssemblyBuffer buffer;
        std::strcpy(buffer.data(), "old-");
        EXPECT_INTERNAL_REPORT(capture, xstrcat(buffer.data(), buffer.data(), "new"),
                               "ERRINTFCT", "in the function xstrcat\n");
        EXPECT_STREQ(buffer.data(), "old-new");
    }
    {
        ReportCapture capture;
        std::string text = "old";
        EXPECT_INTERNAL_REPORT(capture, xstrcpy(text, "a", text, "b"), "ERRINTFCT",
                               "in the function xstrcpy\n");
        EXPECT_EQ(text, "ab");
    }
}

TEST(Assembly, NullDestinationIsReported) {
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, xstrcpy(static_cast<char*>(nullptr), "a"), "ERRINTFCT",
                               "in the function xstrcpy (2)\n");
    }
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, xstrcat(static_cast<char*>(nullptr), "a"), "ERRINTFCT",
                               "in the function xstrcat (2)\n");
    }
}

TEST(Assembly, PiecesInsideTheDestinationAreReadBeforeItIsRewritten) {
    AssemblyBuffer buffer;
    std::strcpy(buffer.data(), "abcdef");
    xstrcpy(buffer.data(), "<<<", buffer.data() + 2, ">", buffer.data() + 4);
    EXPECT_STREQ(buffer.data(), "<<<cdef>ef");

    std::string text = "abcdef";
    std::string_view view = text;
    xstrcat(text, "|", view.substr(1, 3), "|");
    EXPECT_EQ(text, "abcdef|bcd|");
}

TEST(Assembly, StringFormsKeepTheLimit) {
    std::string text(assembly_limit - 2, 'x');
    xstrcat(text, "yz", "w");
    EXPECT_EQ(text.size(), assembly_limit);
    EXPECT_EQ(text.substr(text.size() - 2), "yz");

    xstrcpy(text, "a", "b");
    EXPECT_EQ(text, "ab");

    EXPECT_EQ(join("int ", "x", ";"), "int x;");
    EXPECT_EQ(join(std::string(assembly_limit, 'a'), "b").size(), assembly_limit);
}

TEST(Assembly, JoinNewAllocatesTheExactText) {
    CharBuffer joined = join_new("ab", std::string("cd"), nullptr, "e");
    ASSERT_TRUE(joined);
    EXPECT_STREQ(joined.get(), "abcde");

    std::string big(assembly_limit, 'b');
    CharBuffer capped = join_new("a", big);
    ASSERT_TRUE(capped);
    EXPECT_EQ(std::strlen(capped.get()), assembly_limit);
    EXPECT_EQ(capped[0], 'a');

    CharBuffer empty = join_new({});
    ASSERT_TRUE(empty);
    EXPECT_STREQ(empty.get(), "");
}

}  // namespace
}  // namespace vx
