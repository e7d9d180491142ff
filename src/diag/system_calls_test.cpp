#include "diag/system_calls.h"

#include "diag/process_end.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/time.h>

#include <cstdio>

namespace vx {
namespace {

TEST(GuardedNumber, BaseFollowsTheLeadingCharacters) {
    EXPECT_EQ(guarded_number("42"), 42);
    EXPECT_EQ(guarded_number("0x1F"), 31);
    EXPECT_EQ(guarded_number("017"), 15);
    EXPECT_EQ(guarded_number("0"), 0);
    EXPECT_EQ(guarded_number("-12"), -12);
    EXPECT_EQ(guarded_number("9z"), 9);
}

TEST(GuardedNumber, TextWithoutDigitsEndsTheRun) {
    EXPECT_EXIT(guarded_number("abc"), ::testing::ExitedWithCode(exit_fatal),
                "FATAL ERROR on 'strtol',\n Please contact your administrative.");
}

TEST(FileAge, ComparesModificationTimes) {
    testkit::ScratchDir dir;
    std::string older = dir.file("older");
    std::string newer = dir.file("newer");
    testkit::write_file(older, "a");
    testkit::write_file(newer, "b");
    struct timeval times[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(::utimes(older.c_str(), times), 0);
    times[0].tv_sec = times[1].tv_sec = 2000;
    ASSERT_EQ(::utimes(newer.c_str(), times), 0);

    EXPECT_EQ(compare_file_age(newer.c_str(), older.c_str()), 2);
    EXPECT_EQ(compare_file_age(older.c_str(), newer.c_str()), 1);
    EXPECT_EQ(compare_file_age(older.c_str(), older.c_str()), 1);
    EXPECT_EQ(compare_file_age(dir.file("missing").c_str(), older.c_str()), 0);
    EXPECT_EQ(compare_file_age(older.c_str(), dir.file("missing").c_str()), 0);
}

TEST(GuardedCalls, ReadLineAndJoin) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("f"), "one\ntwo");
    std::FILE* in = std::fopen(dir.file("f").c_str(), "r");
    ASSERT_NE(in, nullptr);
    std::string line;
    EXPECT_TRUE(guarded_read_line(in, line));
    EXPECT_EQ(line, "one\n");
    EXPECT_TRUE(guarded_read_line(in, line));
    EXPECT_EQ(line, "two");
    EXPECT_FALSE(guarded_read_line(in, line));
    guarded_close(in);

    EXPECT_EQ(path_join("/a/b", "c.h"), "/a/b/c.h");
    char buffer[16];
    EXPECT_EQ(guarded_sprintf(buffer, sizeof buffer, "%s-%d", "x", 5), 3);
    EXPECT_STREQ(buffer, "x-5");
    EXPECT_EQ(guarded_duplicate(nullptr), nullptr);
}

TEST(FatalSystemCall, WritesOnlyItsOwnLineAndEndsWithSeven) {
    testkit::FreshReporter fresh;
    testkit::EndTrap trap;
    testing::internal::CaptureStderr();
    int status = -1;
    try {
        fatal_system_call("fopen");
    } catch (const testkit::ProcessEnded& end) {
        status = end.status;
    }
    EXPECT_EQ(status, exit_fatal);
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "FATAL ERROR on 'fopen',\n Please contact your administrative.");
    EXPECT_EQ(fresh.get().error_count(), 0);
}

}  // namespace
}  // namespace vx
