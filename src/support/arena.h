// Objects that live as long as their arena, made in blocks.
//
// A header set makes tens of thousands of type nodes and symbols, each kept
// for the whole run and pointed at from everywhere. An arena makes them a
// block at a time (one allocation per block instead of one per object),
// never moves them, and frees them all together.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <vector>

namespace vx {

template <typename T, std::size_t block_size = 256>
class Arena {
public:
    Arena() = default;
    Arena(const Arena&) = delete;
    Arena& operator=(const Arena&) = delete;

    // A new object, value-initialised; its address never changes.
    T& make() {
        if (blocks_.empty() || used_ == block_size) {
            blocks_.push_back(std::make_unique<Block>());
            used_ = 0;
        }
        return (*blocks_.back())[used_++];
    }

    // Every object goes.
    void clear() {
        blocks_.clear();
        used_ = 0;
    }

    std::size_t size() const {
        return blocks_.empty() ? 0 : (blocks_.size() - 1) * block_size + used_;
    }

private:
    using Block = std::array<T, block_size>;
    std::vector<std::unique_ptr<Block>> blocks_;
    std::size_t used_ = 0;  // objects made in the last block
};

}  // namespace vx
