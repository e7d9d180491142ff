// Interned names: one record per distinct name, for the life of the table.
//
// The C analysis looks the same identifiers up again and again (a typedef
// name at every use, a macro name at every occurrence in the text). A
// table keyed by interned names looks a name up once in the interner, then
// goes straight to the record of its number: no string is copied or
// compared again, and the per-name data of a table is a plain vector
// indexed by the number.
#pragma once

#include "support/arena.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

struct InternedName {
    std::string_view text;   // the interner's own copy
    std::uint32_t id = 0;    // 0, 1, 2 ... in the order of first interning
    std::uint64_t hash = 0;  // of the text (name_hash)
};

class NameInterner {
public:
    NameInterner() = default;
    NameInterner(const NameInterner&) = delete;
    NameInterner& operator=(const NameInterner&) = delete;

    // The record of the name, made the first time the name is seen.
    const InternedName& intern(std::string_view name);
    // The record of the name, or null when it was never interned: a lookup
    // that does not make records for every word it is asked about.
    const InternedName* find(std::string_view name) const;
    // The record of a number given out by this interner.
    const InternedName& operator[](std::uint32_t id) const { return *names_[id]; }

    std::size_t size() const { return names_.size(); }

private:
    // Open addressing with linear probing over a power-of-two table; a slot
    // keeps the high half of its name's hash, so a probe compares text only
    // when those agree, and the number of the name plus one (0: empty).
    // Names are never removed one by one.
    struct Slot {
        std::uint32_t hash = 0;
        std::uint32_t number = 0;
    };
    static std::uint32_t high_half(std::uint64_t hash) {
        return static_cast<std::uint32_t>(hash >> 32);
    }
    // The slot of the name, or the empty slot where it would go.
    std::size_t slot_of(std::string_view name, std::uint64_t hash) const;
    void grow();

    ByteArena texts_;
    Arena<InternedName, 1024> records_;
    std::vector<const InternedName*> names_;  // by number
    std::vector<Slot> slots_;
};

}  // namespace vx
