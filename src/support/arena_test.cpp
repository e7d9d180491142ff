#include "support/arena.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vx {
namespace {

struct Node {
    int value = 0;
    std::string name;
};

TEST(Arena, ObjectsStayWhereTheyWereMadeAcrossBlocks) {
    Arena<Node, 4> arena;
    std::vector<Node*> made;
    for (int i = 0; i < 10; ++i) {
        Node& node = arena.make();
        EXPECT_EQ(node.value, 0);  // a fresh object, whatever the block
        EXPECT_TRUE(node.name.empty());
        node.value = i;
        node.name = "node " + std::to_string(i);
        made.push_back(&node);
    }
    EXPECT_EQ(arena.size(), 10u);
    // Three blocks later, the first objects are where they were, intact.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(made[static_cast<std::size_t>(i)]->value, i);
        EXPECT_EQ(made[static_cast<std::size_t>(i)]->name, "node " + std::to_string(i));
    }
    // Objects are distinct.
    for (std::size_t i = 1; i < made.size(); ++i) {
        EXPECT_NE(made[i], made[i - 1]);
    }
    arena.clear();
    EXPECT_EQ(arena.size(), 0u);
    EXPECT_EQ(arena.make().value, 0);
    EXPECT_EQ(arena.size(), 1u);
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
