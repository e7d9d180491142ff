// Interning cost of the string pool on a header-sized vocabulary.
//
// Builds 200000 distinct identifiers shaped like those of large C header
// sets (prefixed, snake_case and camelCase names made from a fixed word
// list, some with numbers or type suffixes), generated from a fixed seed so
// that every run sees the same names. Then interns them all once (every
// call adds an entry) and a second time (every call finds its entry), and
// prints the time per identifier of each pass, the number of distinct
// pointers handed back and the spread over the buckets. Peak memory of the
// whole process is measured from outside (bench/run.sh).
#include "support/string_pool.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <unordered_set>
#include <vector>

namespace {

constexpr std::size_t identifier_count = 200000;

// A small linear congruential generator: the same sequence on every
// platform, unlike the distributions of <random>.
class Generator {
public:
    explicit Generator(std::uint64_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<std::uint32_t>(state_ >> 33);
    }
    std::size_t below(std::size_t bound) { return next() % bound; }

private:
    std::uint64_t state_;
};

constexpr const char* prefixes[] = {"", "", "", "g_", "s_", "p", "ui", "st", "e", "k", "m_", "__"};
constexpr const char* modules[] = {"",     "",      "can_", "usb_", "fs_",  "net_", "spi_", "adc_",
                                   "dma_", "rtos_", "hal_", "io_",  "mem_", "crc_", "lin_", "pwm_"};
constexpr const char* words[] = {
    "buffer", "count", "index", "length", "handle",  "config", "status", "state",  "value",
    "flag",   "mode",  "timer", "event",  "queue",   "frame",  "packet", "header", "offset",
    "size",   "limit", "error", "result", "channel", "device", "driver", "port",   "pin",
    "clock",  "rate",  "data",  "table",  "entry",   "node",   "list",   "task",   "lock",
    "init",   "read",  "write", "open",   "close",   "get",    "set",    "reset",  "start",
    "stop",   "min",   "max",   "next",   "prev",    "first",  "last",   "temp",   "cfg"};
constexpr const char* suffixes[] = {"", "", "", "", "_t", "_e", "_s", "_cb", "_fn", "_ptr"};

std::string capitalised(std::string word) {
    word[0] = static_cast<char>(word[0] - 'a' + 'A');
    return word;
}

std::string make_identifier(Generator& gen) {
    std::string name = prefixes[gen.below(std::size(prefixes))];
    name += modules[gen.below(std::size(modules))];
    const bool camel = gen.below(4) == 0;
    const std::size_t parts = 1 + gen.below(3);
    for (std::size_t i = 0; i < parts; ++i) {
        std::string word = words[gen.below(std::size(words))];
        if (camel && i > 0) {
            name += capitalised(word);
        } else {
            if (i > 0) {
                name += '_';
            }
            name += word;
        }
    }
    if (gen.below(3) == 0) {
        name += std::to_string(gen.below(64));
    }
    name += suffixes[gen.below(std::size(suffixes))];
    return name;
}

std::vector<std::string> make_identifiers() {
    Generator gen(20240611);
    std::unordered_set<std::string> seen;
    std::vector<std::string> names;
    names.reserve(identifier_count);
    while (names.size() < identifier_count) {
        std::string name = make_identifier(gen);
        // The word list alone cannot give 200000 distinct names: past the
        // first duplicates a running number is appended, as generated code
        // and large enumerations do.
        if (!seen.insert(name).second) {
            name += "_" + std::to_string(names.size());
            if (!seen.insert(name).second) {
                continue;
            }
        }
        names.push_back(std::move(name));
    }
    return names;
}

// Wall and processor time of one pass. The processor time is the steadier
// figure on a machine shared with other work.
struct PassTime {
    std::chrono::steady_clock::duration wall;
    std::clock_t cpu;
};

template <typename Pass>
PassTime timed(Pass pass) {
    auto wall_start = std::chrono::steady_clock::now();
    std::clock_t cpu_start = std::clock();
    pass();
    return PassTime{std::chrono::steady_clock::now() - wall_start, std::clock() - cpu_start};
}

void print_pass(const char* label, const PassTime& time) {
    double wall = static_cast<double>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(time.wall).count());
    double cpu = static_cast<double>(time.cpu) * 1e9 / CLOCKS_PER_SEC;
    std::printf("%-24s%.1f ns per identifier (processor), %.1f ns (wall)\n", label,
                cpu / identifier_count, wall / identifier_count);
}

}  // namespace

int main() {
    const std::vector<std::string> names = make_identifiers();
    std::size_t total_length = 0;
    for (const std::string& name : names) {
        total_length += name.size();
    }

    vx::StringPool pool;
    pool.init();
    std::vector<const char*> pointers(names.size());

    PassTime added = timed([&] {
        for (std::size_t i = 0; i < names.size(); ++i) {
            pointers[i] = pool.intern(names[i]);
        }
    });

    std::size_t mismatches = 0;
    PassTime found = timed([&] {
        for (std::size_t i = 0; i < names.size(); ++i) {
            mismatches += pool.intern(names[i]) != pointers[i] ? 1 : 0;
        }
    });

    std::unordered_set<const char*> distinct(pointers.begin(), pointers.end());
    std::size_t used_buckets = 0;
    std::size_t longest_chain = 0;
    for (int bucket = 0; bucket < vx::StringPool::bucket_count; ++bucket) {
        std::size_t length = pool.chain_length(bucket);
        used_buckets += length > 0 ? 1 : 0;
        longest_chain = std::max(longest_chain, length);
    }

    std::printf("identifiers:            %zu (mean length %.1f)\n", names.size(),
                static_cast<double>(total_length) / static_cast<double>(names.size()));
    print_pass("intern, new text:", added);
    print_pass("intern, known text:", found);
    std::printf("distinct pointers:      %zu\n", distinct.size());
    std::printf("pointer mismatches:     %zu\n", mismatches);
    std::printf("buckets used:           %zu of %d, longest chain %zu\n", used_buckets,
                vx::StringPool::bucket_count, longest_chain);
    std::printf("character blocks:       %zu, entry capacity %zu\n", pool.block_count(),
                pool.entry_capacity());
    std::printf("pool footprint:         %.1f MiB (at most)\n",
                static_cast<double>(pool.footprint()) / (1024.0 * 1024.0));
    return distinct.size() == names.size() && mismatches == 0 ? 0 : 1;
}
