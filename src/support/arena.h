// Objects that live as long as their arena, made in blocks.
//
// A header set makes tens of thousands of type nodes and symbols, each kept
// for the whole run and pointed at from everywhere. An arena makes them a
// block at a time (one allocation per block instead of one per object),
// never moves them, and frees them all together.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <span>
#include <string_view>
#include <type_traits>
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

// Texts and plain records that live as long as their arena, copied into
// large blocks one after the other: macro bodies, interned names. Nothing
// is freed alone; clear() gives everything back at once and keeps the
// first block for what comes next.
class ByteArena {
public:
    explicit ByteArena(std::size_t block_bytes = 64 * 1024) : block_bytes_(block_bytes) {}
    ByteArena(const ByteArena&) = delete;
    ByteArena& operator=(const ByteArena&) = delete;

    // A copy of the text that stays put as long as the arena.
    std::string_view copy(std::string_view text) {
        if (text.empty()) {
            return {};
        }
        char* at = static_cast<char*>(allocate(text.size(), 1));
        std::memcpy(at, text.data(), text.size());
        return {at, text.size()};
    }

    // A copy of plain records (no constructor or destructor to run).
    template <typename T>
    std::span<const T> copy(std::span<const T> items) {
        static_assert(std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>);
        if (items.empty()) {
            return {};
        }
        T* at = static_cast<T*>(allocate(items.size_bytes(), alignof(T)));
        std::memcpy(static_cast<void*>(at), items.data(), items.size_bytes());
        return {at, items.size()};
    }

    void clear() {
        large_.clear();
        large_bytes_ = 0;
        if (blocks_.size() > 1) {
            blocks_.resize(1);
        }
        next_ = blocks_.empty() ? nullptr : blocks_.front().get();
        left_ = blocks_.empty() ? 0 : block_bytes_;
    }

    // The bytes taken from the system, for tests and figures.
    std::size_t reserved() const { return blocks_.size() * block_bytes_ + large_bytes_; }

private:
    void* allocate(std::size_t bytes, std::size_t align) {
        // A piece larger than a quarter block has a block of its own, so
        // that the current block goes on being filled.
        if (bytes > block_bytes_ / 4) {
            large_.push_back(std::make_unique_for_overwrite<std::byte[]>(bytes));
            large_bytes_ += bytes;
            return large_.back().get();
        }
        std::size_t pad = (align - reinterpret_cast<std::uintptr_t>(next_) % align) % align;
        if (next_ == nullptr || pad + bytes > left_) {
            blocks_.push_back(std::make_unique_for_overwrite<std::byte[]>(block_bytes_));
            next_ = blocks_.back().get();
            left_ = block_bytes_;
            pad = 0;
        }
        void* at = next_ + pad;
        next_ += pad + bytes;
        left_ -= pad + bytes;
        return at;
    }

    std::size_t block_bytes_;
    std::vector<std::unique_ptr<std::byte[]>> blocks_;
    std::vector<std::unique_ptr<std::byte[]>> large_;
    std::size_t large_bytes_ = 0;
    std::byte* next_ = nullptr;  // the free room of the current (last) block
    std::size_t left_ = 0;
};

}  // namespace vx
