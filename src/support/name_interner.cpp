#include "support/name_interner.h"

#include "support/text.h"

#include <algorithm>

namespace vx {

std::size_t NameInterner::slot_of(std::string_view name, std::uint64_t hash) const {
    const std::size_t mask = slots_.size() - 1;
    const std::uint32_t high = high_half(hash);
    std::size_t i = hash & mask;
    while (slots_[i].number != 0 &&
           (slots_[i].hash != high || names_[slots_[i].number - 1]->text != name)) {
        i = (i + 1) & mask;
    }
    return i;
}

const InternedName* NameInterner::find(std::string_view name) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const Slot& slot = slots_[slot_of(name, name_hash(name))];
    return slot.number == 0 ? nullptr : names_[slot.number - 1];
}

const InternedName& NameInterner::intern(std::string_view name) {
    // At most half full: probes stay short, and a miss (the common case of
    // a word that names nothing) meets an empty slot soon.
    if ((names_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint64_t hash = name_hash(name);
    Slot& slot = slots_[slot_of(name, hash)];
    if (slot.number != 0) {
        return *names_[slot.number - 1];
    }
    InternedName& made = records_.make();
    made.text = texts_.copy(name);
    made.id = static_cast<std::uint32_t>(names_.size());
    made.hash = hash;
    names_.push_back(&made);
    slot = Slot{high_half(hash), made.id + 1};
    return made;
}

void NameInterner::grow() {
    slots_.assign(slots_.empty() ? 1024 : slots_.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    // In the order of the numbers: the records lie one after the other.
    for (const InternedName* name : names_) {
        std::size_t i = name->hash & mask;
        while (slots_[i].number != 0) {
            i = (i + 1) & mask;
        }
        slots_[i] = Slot{high_half(name->hash), name->id + 1};
    }
}

}  // namespace vx
