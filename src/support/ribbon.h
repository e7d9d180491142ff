// The ribbon: a dictionary of names kept in one long paged character store.
//
// Names are appended one after the other, without terminators, to a ribbon
// of characters addressed by position. The ribbon is cut into pages of 1000
// characters, allocated zero-filled the first time a character is written
// into them; 1000 page pointers make a directory, and directories are
// chained, so position n lies in directory n / 1000000, page
// (n % 1000000) / 1000, slot n % 1000. An entry records where its name
// starts and how long it is; no name gets an allocation of its own.
//
// Entries hang in 51 lists chosen by name length (list 50 takes every name
// of 50 characters or more). Within a list the longer names come first and
// names of equal length ascend by their bytes compared as signed chars;
// lookup walks the list in that order and inserts a missing name where it
// belongs.
//
// Reading a position no page covers is reported as the internal error
// "DEBORUBAN" (RIBBON overflow); the operations that may be handed no
// ribbon report "RUBNOTINI" (ribbon not initialised) or, for copies,
// "DEBORUBAN", and give a blank character or an empty text when a test has
// substituted the process ending.
#pragma once

#include "support/memory.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

namespace vx {

struct RibbonEntry {
    RibbonEntry* next = nullptr;  // next entry of the same list
    std::int32_t start = 0;       // position of the first character
    std::int32_t length = 0;      // number of characters
};

class Ribbon {
public:
    static constexpr int list_count = 51;
    static constexpr int long_name_list = 50;
    static constexpr std::size_t page_size = 1000;
    static constexpr std::size_t pages_per_directory = 1000;
    static constexpr std::int64_t directory_span =
        static_cast<std::int64_t>(page_size * pages_per_directory);

    Ribbon() = default;
    Ribbon(const Ribbon&) = delete;
    Ribbon& operator=(const Ribbon&) = delete;
    ~Ribbon();

    // The entry holding the name, added when absent. Null only when the
    // ribbon cannot take the name (reported).
    const RibbonEntry* find_or_add(std::string_view name);

    // 0 when the entry holds the text; -1 when the text sorts before the
    // entry's name, 1 when after (longer first, then signed bytes).
    int compare(const RibbonEntry& entry, std::string_view text) const;

    // The entry's name. A null entry is reported ("DEBORUBAN") and gives an
    // empty text.
    std::string text(const RibbonEntry* entry) const;
    // Copies the entry's name into `out`; returns its length.
    std::size_t copy(const RibbonEntry* entry, std::string& out) const;
    // A new block of length + 1 bytes holding the name and a terminator.
    CharBuffer extract(const RibbonEntry* entry) const;

    // Forgets every entry and empties the lists; the character count goes
    // back to 0 and the pages stay allocated for the names that follow.
    void clear();

    // The character at a position; a position no page covers is reported
    // ("DEBORUBAN") and reads as a blank.
    char char_at(std::int64_t position) const;

    // The characters stored so far (the next free position).
    std::int32_t size() const { return count_; }
    // The first entry of a list (0..50), for walking it.
    const RibbonEntry* list_head(int list) const;
    std::size_t entry_count() const { return entries_.size(); }
    std::size_t directory_count() const;
    std::size_t page_count() const;

    static int list_of(std::size_t length);

private:
    struct Directory {
        std::array<CharBuffer, pages_per_directory> pages;
        Block<Directory> next;
    };

    // The page holding a position, made (with the directories on the way)
    // when missing; null only on exhaustion.
    char* writable_page(std::int64_t position);
    // The page holding a position, or null when none covers it.
    const char* page_at(std::int64_t position) const;
    bool append(std::string_view name);
    // Calls `take(chars, count)` for each run of the entry's characters
    // that lies in one page, until it returns false; an uncovered page is
    // reported and read as blanks.
    template <typename Take>
    void read_runs(const RibbonEntry& entry, Take take) const;

    std::array<RibbonEntry*, list_count> heads_{};
    std::deque<RibbonEntry> entries_;
    Block<Directory> first_;
    std::int32_t count_ = 0;
};

// The operations on a ribbon reached through a pointer, with the checks
// for a missing ribbon.
const RibbonEntry* ribbon_find_or_add(std::string_view name, std::unique_ptr<Ribbon>& ribbon);
int ribbon_compare(const Ribbon* ribbon, const RibbonEntry& entry, std::string_view text);
std::size_t ribbon_copy(const Ribbon* ribbon, const RibbonEntry* entry, std::string& out);
CharBuffer ribbon_extract(const Ribbon* ribbon, const RibbonEntry* entry);
void ribbon_clear(Ribbon* ribbon);
char ribbon_char(const Ribbon* ribbon, std::int64_t position);

// The process-wide ribbon of variable, field and type names.
Ribbon& name_ribbon();

}  // namespace vx
