// Memory acquisition with one uniform failure report.
//
// Every block the compiler takes from the heap goes through these wrappers.
// When the C library cannot satisfy a request, the wrapper reports the
// internal error "ERRINTFCT" with the translated parameter "memory overflow"
// and gives back a null block; an internal report ends the run, so the null
// is only seen when a test has substituted the process ending.
//
// The raw functions keep the C shape (size in, block out). Owners should
// hold their blocks in the RAII types below: CharBuffer for character
// blocks, Block<T> for one object built in a block by make_block.
#pragma once

#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <utility>

namespace vx {

// A block of `size` bytes (a zero size is served as one byte, so that a
// legitimate empty request is never taken for exhaustion).
void* allocate(std::size_t size);
// A zero-filled block of `count` elements of `size` bytes each; a product
// that does not fit in a size_t is exhaustion too.
void* allocate_zeroed(std::size_t count, std::size_t size);
// The block resized to `size` bytes, contents kept up to the smaller size;
// a null block behaves as allocate. On failure the old block is untouched.
void* reallocate(void* block, std::size_t size);
// Gives a block back; a null block is ignored.
void release(void* block);

// Deleter for blocks acquired by the functions above.
struct BlockReleaser {
    void operator()(void* block) const noexcept { release(block); }
};

// An owned array of trivial elements in one block.
template <typename T>
using BlockArray = std::unique_ptr<T[], BlockReleaser>;

// An owned block of characters (NUL-terminated text by convention).
using CharBuffer = BlockArray<char>;

// A copy of the text in a new block of its length + 1 bytes. A null text
// gives a null buffer.
CharBuffer duplicate(const char* text);

// Deleter for an object built in a block by make_block.
template <typename T>
struct BlockDestroyer {
    void operator()(T* object) const noexcept {
        object->~T();
        release(object);
    }
};

template <typename T>
using Block = std::unique_ptr<T, BlockDestroyer<T>>;

// Builds a T in a block acquired through allocate (so exhaustion is
// reported like any other), value-initialising it when no argument is
// given. Null when the block could not be had.
template <typename T, typename... Args>
Block<T> make_block(Args&&... args) {
    static_assert(alignof(T) <= alignof(std::max_align_t), "over-aligned type");
    static_assert(std::is_nothrow_constructible_v<T, Args...>, "a throwing constructor would leak");
    void* raw = allocate(sizeof(T));
    if (raw == nullptr) {
        return Block<T>();
    }
    return Block<T>(::new (raw) T(std::forward<Args>(args)...));
}

}  // namespace vx
