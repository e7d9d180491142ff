// The string pool: hash to a bucket, walk its chain comparing whole texts,
// and on a miss copy the text into the current character block and link a
// new entry at the head of the chain. Blocks and the entry table are taken
// through the memory wrappers, so exhaustion is reported like everywhere
// else.
#include "support/string_pool.h"

#include "diag/reporter.h"

#include <array>
#include <cstring>
#include <limits>
#include <utility>

namespace vx {

namespace {

constexpr std::size_t prime_count = 256;

// The first 256 primes, found by trial division at compile time.
constexpr std::array<std::int16_t, prime_count> first_primes() {
    std::array<std::int16_t, prime_count> primes{};
    std::size_t found = 0;
    for (std::int16_t candidate = 2; found < prime_count; ++candidate) {
        bool prime = true;
        for (std::size_t k = 0; k < found && primes[k] * primes[k] <= candidate; ++k) {
            if (candidate % primes[k] == 0) {
                prime = false;
                break;
            }
        }
        if (prime) {
            primes[found++] = candidate;
        }
    }
    return primes;
}

constexpr std::array<std::int16_t, prime_count> hash_primes = first_primes();
static_assert(hash_primes[0] == 2 && hash_primes[255] == 1619);
static_assert((prime_count & (prime_count - 1)) == 0, "the mask below needs a power of two");

// P[h mod 256]. The low eight bits of h are its remainder modulo 256 in
// 0..255 whatever its sign (h never goes negative anyway), and cost no
// division on the byte loop.
std::int64_t prime_at(std::int64_t h) {
    return hash_primes[static_cast<std::size_t>(static_cast<std::uint64_t>(h) & (prime_count - 1))];
}

constexpr std::int64_t hash_seed = 128;

// The text the pool keeps for a view: everything before its first NUL.
std::string_view as_c_text(std::string_view text) {
    std::size_t nul = text.find('\0');
    return nul == std::string_view::npos ? text : text.substr(0, nul);
}

// The permanent text of the reserved entry 0.
constexpr char empty_text[] = "";

}  // namespace

int StringPool::bucket_of(std::string_view text) {
    std::int64_t h = hash_seed;
    for (char byte : text) {
        auto c = static_cast<signed char>(byte);
        h = h + c + prime_at(h);
        h = h + prime_at(h);
    }
    std::int64_t bucket = h % bucket_count;
    return static_cast<int>(bucket < 0 ? bucket + bucket_count : bucket);
}

void StringPool::init() {
    if (entries_) {
        return;
    }
    heads_.reset(static_cast<std::int32_t*>(allocate_zeroed(bucket_count, sizeof(std::int32_t))));
    entries_.reset(static_cast<Entry*>(allocate(initial_entries * sizeof(Entry))));
    if (!heads_ || !entries_) {
        heads_.reset();
        entries_.reset();
        return;
    }
    entry_capacity_ = initial_entries;
    entries_[0] = Entry{empty_text, 0, 0};
    entry_count_ = 1;
}

std::size_t StringPool::footprint() const {
    std::size_t bytes = heads_ ? bucket_count * sizeof(std::int32_t) : 0;
    bytes += entry_capacity_ * sizeof(Entry);
    // Every block but the last was made at a size no larger than the
    // current one; the current size bounds them all.
    bytes += blocks_.size() * block_size_;
    return bytes;
}

std::size_t StringPool::chain_length(int bucket) const {
    if (!heads_ || bucket < 0 || bucket >= bucket_count) {
        return 0;
    }
    std::size_t length = 0;
    for (std::int32_t at = heads_[bucket]; at != 0; at = entries_[at].next) {
        ++length;
    }
    return length;
}

const char* StringPool::intern(const char* text) {
    return text == nullptr ? nullptr : intern(std::string_view(text));
}

const char* StringPool::intern(std::string_view text) {
    text = as_c_text(text);
    if (text.empty()) {
        return nullptr;
    }
    if (text.size() > std::numeric_limits<std::uint32_t>::max()) {
        report_internal(msg::ERRINTFCT, std::string_view("intern"));
        return nullptr;
    }
    init();
    if (!entries_) {
        return nullptr;
    }
    const int bucket = bucket_of(text);
    if (const char* known = find(text, bucket)) {
        return known;
    }

    if (entry_count_ >= entry_capacity_ - 1) {
        grow_entries();
        if (entry_count_ >= entry_capacity_ - 1) {
            return nullptr;
        }
    }
    const char* copy = store(text);
    if (copy == nullptr) {
        return nullptr;
    }
    const auto index = static_cast<std::int32_t>(entry_count_++);
    entries_[index] = Entry{copy, static_cast<std::uint32_t>(text.size()), heads_[bucket]};
    heads_[bucket] = index;
    return copy;
}

const char* StringPool::find(std::string_view text, int bucket) const {
    for (std::int32_t at = heads_[bucket]; at != 0; at = entries_[at].next) {
        const Entry& entry = entries_[at];
        if (entry.length == text.size() && std::memcmp(entry.text, text.data(), text.size()) == 0) {
            return entry.text;
        }
    }
    return nullptr;
}

// Copies the text and its terminator into the current block, starting a
// new block when it does not fit.
const char* StringPool::store(std::string_view text) {
    const std::size_t needed = text.size() + 1;
    if (blocks_.empty() || block_size_ - block_used_ < needed) {
        if (needed > block_size_) {
            block_size_ += needed;
        }
        CharBuffer block(static_cast<char*>(allocate(block_size_)));
        if (!block) {
            return nullptr;
        }
        blocks_.push_back(std::move(block));
        block_used_ = 0;
    }
    char* copy = blocks_.back().get() + block_used_;
    std::memcpy(copy, text.data(), text.size());
    copy[text.size()] = '\0';
    block_used_ += needed;
    return copy;
}

void StringPool::grow_entries() {
    const std::size_t capacity = entry_capacity_ + entry_growth;
    void* moved = reallocate(entries_.get(), capacity * sizeof(Entry));
    if (moved == nullptr) {
        return;
    }
    (void)entries_.release();
    entries_.reset(static_cast<Entry*>(moved));
    entry_capacity_ = capacity;
}

StringPool& string_pool() {
    static StringPool pool;
    return pool;
}

void pool_init() { string_pool().init(); }

const char* intern(const char* text) { return string_pool().intern(text); }

const char* intern(std::string_view text) { return string_pool().intern(text); }

}  // namespace vx
