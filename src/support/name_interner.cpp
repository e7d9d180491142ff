#include "support/name_interner.h"

#include "support/text.h"

#include <algorithm>

namespace vx {

const InternedName* NameInterner::find(std::string_view name) const {
    if (slots_.empty()) {
        return nullptr;
    }
    const std::uint64_t hash = name_hash(name);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.name == nullptr) {
            return nullptr;
        }
        if (slot.hash == hash && slot.name->text == name) {
            return slot.name;
        }
    }
}

const InternedName& NameInterner::intern(std::string_view name) {
    // At most half full: probes stay short, and a miss (the common case of
    // a word that names nothing) meets an empty slot soon.
    if ((names_.size() + 1) * 2 > slots_.size()) {
        grow();
    }
    const std::uint64_t hash = name_hash(name);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = hash & mask;
    for (; slots_[i].name != nullptr; i = (i + 1) & mask) {
        if (slots_[i].hash == hash && slots_[i].name->text == name) {
            return *slots_[i].name;
        }
    }
    InternedName& made = records_.make();
    made.text = texts_.copy(name);
    made.id = static_cast<std::uint32_t>(names_.size());
    names_.push_back(&made);
    slots_[i] = Slot{hash, &made};
    return made;
}

void NameInterner::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.name != nullptr) {
            std::size_t i = slot.hash & mask;
            while (slots_[i].name != nullptr) {
                i = (i + 1) & mask;
            }
            slots_[i] = slot;
        }
    }
}

void NameInterner::clear() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    names_.clear();
    records_.clear();
    texts_.clear();
}

}  // namespace vx
