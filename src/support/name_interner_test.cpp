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
}

}  // namespace
}  // namespace vx
