// The string pool: one shared copy of every identifier the compiler meets,
// so that interned texts can be compared by pointer.
//
// Layout: 19997 buckets, each the index of the first entry of its chain (0
// meaning empty); an entry table holding each text's pointer, its length
// and the index of the next entry of the same bucket; and large character
// blocks into which the texts are copied one after the other. Entry 0 is
// reserved and points to a permanent empty text. The table starts with
// 10000 entries and grows by 20000 when it is nearly full (entries are
// referred to by index, so growing never invalidates a chain). A block is
// 100000 bytes; a text longer than that raises the block size by its own
// size for every later block. Nothing is freed before the pool itself, so
// interning costs no allocation of its own per text.
//
// Texts are C strings: a view is interned up to its first NUL.
//
// The bucket of a text comes from a hash over a table of the first 256
// primes (see bucket_of). A lookup walks the bucket's chain comparing whole
// texts; a new entry goes to the head of its chain.
#pragma once

#include "support/memory.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vx {

class StringPool {
public:
    static constexpr int bucket_count = 19997;
    static constexpr std::size_t initial_entries = 10000;
    static constexpr std::size_t entry_growth = 20000;
    static constexpr std::size_t initial_block_size = 100000;

    StringPool() = default;
    StringPool(const StringPool&) = delete;
    StringPool& operator=(const StringPool&) = delete;

    // Creates the buckets and the entry table; does nothing when they exist.
    // intern creates them too when needed.
    void init();
    bool initialised() const { return entries_ != nullptr; }

    // The pool's copy of the text, added when absent; null for a null or
    // empty text. Equal texts give the same pointer for the pool's life.
    const char* intern(const char* text);
    const char* intern(std::string_view text);

    // Distinct texts held (the reserved empty entry not counted).
    std::size_t size() const { return entry_count_ == 0 ? 0 : entry_count_ - 1; }
    std::size_t entry_capacity() const { return entry_capacity_; }
    std::size_t block_count() const { return blocks_.size(); }
    std::size_t block_size() const { return block_size_; }
    // Bytes held by the pool's own tables and blocks.
    std::size_t footprint() const;
    // Length of the chain of one bucket.
    std::size_t chain_length(int bucket) const;

    // The bucket of a text: h starts at 128 (64-bit signed); for each byte c,
    // taken as a signed char, h = h + c + P[h mod 256], then
    // h = h + P[h mod 256]; the bucket is h mod 19997. P holds the first 256
    // primes. Although bytes above 127 count negative, no text can bring h
    // below its starting value (a walk of every reachable value shows the
    // two primes added always outweigh a negative byte), so both remainders
    // are plain non-negative ones.
    static int bucket_of(std::string_view text);

private:
    struct Entry {
        const char* text;
        std::uint32_t length;
        std::int32_t next;
    };

    const char* find(std::string_view text, int bucket) const;
    const char* store(std::string_view text);
    void grow_entries();

    BlockArray<std::int32_t> heads_;
    BlockArray<Entry> entries_;
    std::size_t entry_count_ = 0;
    std::size_t entry_capacity_ = 0;

    std::vector<CharBuffer> blocks_;
    std::size_t block_size_ = initial_block_size;
    std::size_t block_used_ = 0;
};

// The process-wide pool and the two operations the compiler calls on it.
StringPool& string_pool();
void pool_init();
const char* intern(const char* text);
const char* intern(std::string_view text);

}  // namespace vx
