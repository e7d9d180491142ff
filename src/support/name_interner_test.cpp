#include "support/name_interner.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>

namespace vx {
namespace {

// The interner against a plain map, through enough names to grow its table
// several times: one record per distinct name, numbered in order of first
// sight, its text intact wherever the table has moved since.
TEST(NameInterner, OneRecordPerNameThroughGrowth) {
    NameInterner names;
    std::map<std::string, const InternedName*> expected;
    std::mt19937 random(11);
    for (int step = 0; step < 30000; ++step) {
        const std::string name = "name_" + std::to_string(random() % 9000);
        const InternedName& record = names.intern(name);
        auto [it, made] = expected.emplace(name, &record);
        if (made) {
            EXPECT_EQ(record.id, expected.size() - 1) << name;
        }
        ASSERT_EQ(it->second, &record) << name << " at step " << step;
    }
    EXPECT_EQ(names.size(), expected.size());
    for (const auto& [name, record] : expected) {
        ASSERT_EQ(names.find(name), record) << name;
        EXPECT_EQ(record->text, name);
        EXPECT_EQ(&names[record->id], record);
    }
    // Asking does not make a record.
    EXPECT_EQ(names.find("name_99999"), nullptr);
    EXPECT_EQ(names.find(""), nullptr);
    EXPECT_EQ(names.size(), expected.size());
    // Names that share their hash's low bits and prefixes stay apart.
    EXPECT_NE(&names.intern("ab"), &names.intern("ba"));
    EXPECT_NE(&names.intern("a"), &names.intern(std::string_view("a\0", 2)));

    names.clear();
    EXPECT_EQ(names.size(), 0u);
    EXPECT_EQ(names.find("name_1"), nullptr);
    EXPECT_EQ(names.intern("again").id, 0u);
    EXPECT_EQ(names.find("again")->text, "again");
}

TEST(ByteArena, CopiesStayPutAcrossBlocksAndLargePieces) {
    ByteArena arena(64);
    std::vector<std::pair<std::string, std::string_view>> copies;
    for (int i = 0; i < 40; ++i) {
        // Some pieces larger than a quarter block go to blocks of their own.
        std::string text(static_cast<std::size_t>(i % 7 == 0 ? 40 : 5),
                         static_cast<char>('a' + i % 26));
        copies.emplace_back(text, arena.copy(text));
    }
    for (const auto& [text, copy] : copies) {
        EXPECT_EQ(copy, text);
    }
    EXPECT_TRUE(arena.copy("").empty());

    // Records come back aligned, after texts of odd lengths.
    struct Pair {
        long a;
        int b;
    };
    arena.copy(std::string_view("odd"));
    const Pair pairs[] = {{1, 2}, {3, 4}};
    std::span<const Pair> copied = arena.copy(std::span<const Pair>(pairs));
    ASSERT_EQ(copied.size(), 2u);
    EXPECT_EQ(reinterpret_cast<std::uintptr_t>(copied.data()) % alignof(Pair), 0u);
    EXPECT_EQ(copied[1].a, 3);
    EXPECT_EQ(copied[1].b, 4);

    const std::size_t before = arena.reserved();
    arena.clear();
    EXPECT_EQ(arena.reserved(), 64u);  // the first block is kept for what comes next
    EXPECT_LT(arena.reserved(), before);
    EXPECT_EQ(arena.copy("fresh"), "fresh");
    EXPECT_EQ(arena.reserved(), 64u);
}

}  // namespace
}  // namespace vx
