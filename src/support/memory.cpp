// The memory wrappers: thin calls into the C library allocator that turn a
// null answer into the internal report "ERRINTFCT" / "memory overflow".
#include "support/memory.h"

#include "diag/catalogue.h"
#include "diag/reporter.h"

#include <cstdlib>
#include <cstring>

namespace vx {

namespace {

// Reports exhaustion. The report ends the run; the caller's null return is
// reached only when the ending has been substituted.
void report_memory_overflow() {
    report_internal(msg::ERRINTFCT, translate("Internal Error Parameter", "memory overflow",
                                              "Used as a parameter for 'ERRINTFCT' error message"));
}

std::size_t served_size(std::size_t size) { return size == 0 ? 1 : size; }

}  // namespace

void* allocate(std::size_t size) {
    void* block = std::malloc(served_size(size));
    if (block == nullptr) {
        report_memory_overflow();
    }
    return block;
}

void* allocate_zeroed(std::size_t count, std::size_t size) {
    if (count == 0 || size == 0) {
        count = 1;
        size = 1;
    }
    void* block = std::calloc(count, size);
    if (block == nullptr) {
        report_memory_overflow();
    }
    return block;
}

void* reallocate(void* block, std::size_t size) {
    void* moved = std::realloc(block, served_size(size));
    if (moved == nullptr) {
        report_memory_overflow();
    }
    return moved;
}

void release(void* block) { std::free(block); }

CharBuffer duplicate(const char* text) {
    if (text == nullptr) {
        return CharBuffer();
    }
    std::size_t size = std::strlen(text) + 1;
    CharBuffer copy(static_cast<char*>(allocate(size)));
    if (copy) {
        std::memcpy(copy.get(), text, size);
    }
    return copy;
}

}  // namespace vx
