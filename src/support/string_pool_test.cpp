#include "support/string_pool.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace vx {
namespace {

// Deterministic identifiers shaped like those of C headers.
std::vector<std::string> identifiers(std::size_t count) {
    static const char* const stems[] = {"get", "set", "buf", "len", "ptr", "init", "flag", "node"};
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        names.push_back(std::string(stems[i % 8]) + "_" + std::to_string(i) +
                        (i % 3 == 0 ? "_t" : ""));
    }
    return names;
}

TEST(StringPool, EqualTextsShareOneCopy) {
    StringPool pool;
    std::string first = "counter";
    std::string second = "counter";
    const char* a = pool.intern(first);
    const char* b = pool.intern(second.c_str());
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_NE(a, first.c_str());
    EXPECT_STREQ(a, "counter");
    EXPECT_NE(pool.intern("Counter"), a);
    EXPECT_NE(pool.intern("counter2"), a);
    EXPECT_EQ(pool.size(), 3u);

    // A view is interned as a C string: up to its first NUL.
    EXPECT_EQ(pool.intern(std::string_view("counter\0tail", 12)), a);
}

TEST(StringPool, NullAndEmptyGiveNull) {
    StringPool pool;
    EXPECT_EQ(pool.intern(static_cast<const char*>(nullptr)), nullptr);
    EXPECT_EQ(pool.intern(""), nullptr);
    EXPECT_EQ(pool.intern(std::string_view()), nullptr);
    EXPECT_EQ(pool.size(), 0u);
}

TEST(StringPool, BucketFollowsThePrimeTableHash) {
    // "a": h = 128 + 97 + P[128] (727) = 952; h = 952 + P[952 mod 256 = 184]
    // (1103) = 2055.
    EXPECT_EQ(StringPool::bucket_of("a"), 2055);
    // "ab": then h = 2055 + 98 + P[2055 mod 256 = 7] (19) = 2172;
    // h = 2172 + P[2172 mod 256 = 124] (691) = 2863.
    EXPECT_EQ(StringPool::bucket_of("ab"), 2863);
    // A longer name passes 19997 (h = 34434) and wraps.
    EXPECT_EQ(StringPool::bucket_of("main_loop_counter_variable"), 14437);
    // Bytes above 127 count as negative characters.
    EXPECT_EQ(StringPool::bucket_of(std::string(40, '\x80')), 10777);
}

TEST(StringPool, IdentifiersSpreadOverTheBuckets) {
    StringPool pool;
    std::vector<std::string> names = identifiers(60000);
    for (const std::string& name : names) {
        pool.intern(name);
    }
    std::size_t used = 0;
    std::size_t longest = 0;
    for (int bucket = 0; bucket < StringPool::bucket_count; ++bucket) {
        std::size_t length = pool.chain_length(bucket);
        used += length > 0 ? 1 : 0;
        longest = std::max(longest, length);
    }
    // The hash grows with the length of the text, so names of similar
    // lengths crowd a part of the table: 60000 such names fill about a third
    // of the buckets with chains of a few dozen. A hash that lost the
    // position or the value of the bytes would fall far below this.
    EXPECT_GT(used, 6000u);
    EXPECT_LT(longest, 80u);
}

TEST(StringPool, GrowthKeepsEveryTextAndItsIdentity) {
    StringPool pool;
    pool.init();
    EXPECT_EQ(pool.entry_capacity(), StringPool::initial_entries);

    std::vector<std::string> names = identifiers(25000);
    std::vector<const char*> first;
    for (const std::string& name : names) {
        first.push_back(pool.intern(name));
    }
    EXPECT_EQ(pool.size(), names.size());
    EXPECT_EQ(pool.entry_capacity(), StringPool::initial_entries + StringPool::entry_growth);
    EXPECT_GT(pool.block_count(), 1u);
    for (std::size_t i = 0; i < names.size(); ++i) {
        EXPECT_EQ(pool.intern(names[i]), first[i]);
        EXPECT_STREQ(first[i], names[i].c_str());
    }
    std::set<const char*> distinct(first.begin(), first.end());
    EXPECT_EQ(distinct.size(), names.size());
}

TEST(StringPool, TextLongerThanABlockRaisesTheBlockSize) {
    StringPool pool;
    pool.intern("short");
    std::string huge(150000, 'h');
    const char* copy = pool.intern(huge);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(std::strlen(copy), huge.size());
    EXPECT_EQ(pool.block_size(), StringPool::initial_block_size + huge.size() + 1);
    EXPECT_EQ(pool.intern(huge), copy);
    EXPECT_EQ(pool.block_count(), 2u);
}

TEST(StringPool, ProcessWidePoolIsReachable) {
    pool_init();
    const char* a = intern("process_wide_name");
    EXPECT_EQ(intern(std::string("process_wide_name")), a);
    EXPECT_EQ(&string_pool(), &string_pool());
}

}  // namespace
}  // namespace vx
