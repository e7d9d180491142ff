#include "support/arena.h"

#include <gtest/gtest.h>

#include <string>
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

}  // namespace
}  // namespace vx
