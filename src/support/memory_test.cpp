#include "support/memory.h"

#include "support/report_capture_test.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>

// Under AddressSanitizer an impossible request must come back as null, as
// it does from the C library, so that exhaustion can be observed.
extern "C" const char* __asan_default_options() { return "allocator_may_return_null=1"; }

namespace vx {
namespace {

using testing_support::ReportCapture;

TEST(Memory, BlocksAreUsableAndZeroedWhenAsked) {
    CharBuffer zeroed(static_cast<char*>(allocate_zeroed(64, 4)));
    ASSERT_TRUE(zeroed);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(zeroed[i], 0);
    }

    // A zero-sized request is served, not taken for exhaustion.
    CharBuffer empty(static_cast<char*>(allocate(0)));
    EXPECT_TRUE(empty);

    char* grown = static_cast<char*>(allocate(4));
    ASSERT_NE(grown, nullptr);
    std::memcpy(grown, "abc", 4);
    grown = static_cast<char*>(reallocate(grown, 100000));
    ASSERT_NE(grown, nullptr);
    EXPECT_STREQ(grown, "abc");
    release(grown);
    release(nullptr);
}

TEST(Memory, DuplicateCopiesTextAndKeepsNull) {
    CharBuffer copy = duplicate("identifier");
    ASSERT_TRUE(copy);
    EXPECT_STREQ(copy.get(), "identifier");
    EXPECT_FALSE(duplicate(nullptr));
}

TEST(Memory, ExhaustionIsReportedAsInternalError) {
    volatile std::size_t impossible = std::numeric_limits<std::size_t>::max() - 4096;
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)allocate(impossible), "ERRINTFCT",
                               "Internal error in the function memory overflow\n");
    }
    {
        ReportCapture capture;
        EXPECT_INTERNAL_REPORT(capture, (void)allocate_zeroed(impossible, 16), "ERRINTFCT",
                               "memory overflow");
    }
    {
        ReportCapture capture;
        CharBuffer kept(static_cast<char*>(allocate(8)));
        std::strcpy(kept.get(), "kept");
        EXPECT_INTERNAL_REPORT(capture, (void)reallocate(kept.get(), impossible), "ERRINTFCT",
                               "memory overflow");
        // A failed resize leaves the old block alone.
        EXPECT_STREQ(kept.get(), "kept");
    }
}

struct Tracked {
    int value = 7;
};

TEST(Memory, MakeBlockBuildsValueInitialisedObjects) {
    Block<Tracked> block = make_block<Tracked>();
    ASSERT_TRUE(block);
    EXPECT_EQ(block->value, 7);
}

}  // namespace
}  // namespace vx
