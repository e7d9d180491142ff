// The ribbon. Positions are turned into (directory, page, slot) by plain
// division; the directory chain is walked from its first link, which costs
// one step per million characters. Names are read and written a page run at
// a time. Lookup keeps each list in its order (longest first, then signed
// bytes ascending), so a search stops as soon as it has passed the place
// where the name would stand, and that place is where a new entry goes.
#include "support/ribbon.h"

#include "diag/reporter.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace vx {

namespace {

// Signed byte ordering of two texts of the same length: -1 when `text`
// comes first, 1 when after, 0 when equal, decided at the first difference.
int compare_bytes(const char* stored, const char* text, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        auto a = static_cast<signed char>(text[i]);
        auto b = static_cast<signed char>(stored[i]);
        if (a != b) {
            return a < b ? -1 : 1;
        }
    }
    return 0;
}

// -1 when `text` sorts before a stored name of `stored_length` characters
// because it is longer, 1 when it is shorter, 0 when the lengths agree.
int compare_lengths(std::size_t stored_length, std::size_t text_length) {
    if (text_length == stored_length) {
        return 0;
    }
    return text_length > stored_length ? -1 : 1;
}

const char* blank_page() {
    static const std::string blanks(Ribbon::page_size, ' ');
    return blanks.data();
}

void report_overflow() { report_internal("DEBORUBAN", std::string_view()); }

void report_not_initialised() { report_internal("RUBNOTINI", std::string_view()); }

}  // namespace

Ribbon::~Ribbon() = default;

int Ribbon::list_of(std::size_t length) {
    return static_cast<int>(std::min<std::size_t>(length, long_name_list));
}

const RibbonEntry* Ribbon::list_head(int list) const {
    if (list < 0 || list >= list_count) {
        return nullptr;
    }
    return heads_[static_cast<std::size_t>(list)];
}

std::size_t Ribbon::directory_count() const {
    std::size_t count = 0;
    for (const Directory* d = first_.get(); d != nullptr; d = d->next.get()) {
        ++count;
    }
    return count;
}

std::size_t Ribbon::page_count() const {
    std::size_t count = 0;
    for (const Directory* d = first_.get(); d != nullptr; d = d->next.get()) {
        count += static_cast<std::size_t>(
            std::count_if(d->pages.begin(), d->pages.end(), [](const CharBuffer& p) { return p != nullptr; }));
    }
    return count;
}

char* Ribbon::writable_page(std::int64_t position) {
    Block<Directory>* link = &first_;
    for (std::int64_t d = position / directory_span;; --d) {
        if (!*link) {
            *link = make_block<Directory>();
            if (!*link) {
                return nullptr;
            }
        }
        if (d == 0) {
            break;
        }
        link = &(*link)->next;
    }
    auto page = static_cast<std::size_t>((position % directory_span) /
                                         static_cast<std::int64_t>(page_size));
    CharBuffer& slot = (*link)->pages[page];
    if (!slot) {
        slot.reset(static_cast<char*>(allocate_zeroed(page_size, 1)));
    }
    return slot.get();
}

const char* Ribbon::page_at(std::int64_t position) const {
    if (position < 0) {
        return nullptr;
    }
    const Directory* directory = first_.get();
    for (std::int64_t d = position / directory_span; directory != nullptr && d > 0; --d) {
        directory = directory->next.get();
    }
    if (directory == nullptr) {
        return nullptr;
    }
    auto page = static_cast<std::size_t>((position % directory_span) /
                                         static_cast<std::int64_t>(page_size));
    return directory->pages[page].get();
}

char Ribbon::char_at(std::int64_t position) const {
    const char* page = page_at(position);
    if (page == nullptr) {
        report_overflow();
        return ' ';
    }
    return page[static_cast<std::size_t>(position) % page_size];
}

template <typename Take>
void Ribbon::read_runs(const RibbonEntry& entry, Take take) const {
    std::int64_t position = entry.start;
    std::size_t remaining = entry.length > 0 ? static_cast<std::size_t>(entry.length) : 0;
    while (remaining > 0) {
        std::size_t slot = static_cast<std::size_t>(position) % page_size;
        std::size_t run = std::min(remaining, page_size - slot);
        const char* page = page_at(position);
        const char* chars = page != nullptr ? page + slot : blank_page();
        if (page == nullptr) {
            report_overflow();
        }
        if (!take(chars, run)) {
            return;
        }
        position += static_cast<std::int64_t>(run);
        remaining -= run;
    }
}

bool Ribbon::append(std::string_view name) {
    std::size_t written = 0;
    while (written < name.size()) {
        char* page = writable_page(count_);
        if (page == nullptr) {
            return false;
        }
        std::size_t slot = static_cast<std::size_t>(count_) % page_size;
        std::size_t run = std::min(name.size() - written, page_size - slot);
        std::memcpy(page + slot, name.data() + written, run);
        written += run;
        count_ += static_cast<std::int32_t>(run);
    }
    return true;
}

int Ribbon::compare(const RibbonEntry& entry, std::string_view text) const {
    if (int by_length = compare_lengths(static_cast<std::size_t>(entry.length), text.size())) {
        return by_length;
    }
    int result = 0;
    std::size_t offset = 0;
    read_runs(entry, [&](const char* chars, std::size_t run) {
        result = compare_bytes(chars, text.data() + offset, run);
        offset += run;
        return result == 0;
    });
    return result;
}

const RibbonEntry* Ribbon::find_or_add(std::string_view name) {
    const int list = list_of(name.size());
    RibbonEntry** link = &heads_[static_cast<std::size_t>(list)];
    while (*link != nullptr && static_cast<std::size_t>((*link)->length) > name.size()) {
        link = &(*link)->next;
    }
    while (*link != nullptr && static_cast<std::size_t>((*link)->length) == name.size()) {
        int order = compare(**link, name);
        if (order == 0) {
            return *link;
        }
        if (order < 0) {
            break;
        }
        link = &(*link)->next;
    }

    constexpr auto ribbon_limit = static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max());
    if (name.size() > ribbon_limit - static_cast<std::size_t>(count_)) {
        report_overflow();
        return nullptr;
    }
    const std::int32_t start = count_;
    if (!append(name)) {
        return nullptr;
    }
    RibbonEntry& entry = entries_.emplace_back();
    entry.next = *link;
    entry.start = start;
    entry.length = static_cast<std::int32_t>(name.size());
    *link = &entry;
    return &entry;
}

std::string Ribbon::text(const RibbonEntry* entry) const {
    if (entry == nullptr) {
        report_overflow();
        return std::string();
    }
    std::string out;
    out.reserve(static_cast<std::size_t>(std::max(entry->length, 0)));
    read_runs(*entry, [&](const char* chars, std::size_t run) {
        out.append(chars, run);
        return true;
    });
    return out;
}

std::size_t Ribbon::copy(const RibbonEntry* entry, std::string& out) const {
    out = text(entry);
    return out.size();
}

CharBuffer Ribbon::extract(const RibbonEntry* entry) const {
    std::string name = text(entry);
    CharBuffer block(static_cast<char*>(allocate(name.size() + 1)));
    if (block) {
        std::memcpy(block.get(), name.c_str(), name.size() + 1);
    }
    return block;
}

void Ribbon::clear() {
    heads_.fill(nullptr);
    entries_.clear();
    count_ = 0;
}

const RibbonEntry* ribbon_find_or_add(std::string_view name, std::unique_ptr<Ribbon>& ribbon) {
    if (!ribbon) {
        ribbon = std::make_unique<Ribbon>();
    }
    return ribbon->find_or_add(name);
}

int ribbon_compare(const Ribbon* ribbon, const RibbonEntry& entry, std::string_view text) {
    if (ribbon != nullptr) {
        return ribbon->compare(entry, text);
    }
    // Without a ribbon every character of the entry reads as a blank.
    report_not_initialised();
    if (int by_length = compare_lengths(static_cast<std::size_t>(entry.length), text.size())) {
        return by_length;
    }
    const std::string blanks(text.size(), ' ');
    return compare_bytes(blanks.data(), text.data(), text.size());
}

std::size_t ribbon_copy(const Ribbon* ribbon, const RibbonEntry* entry, std::string& out) {
    if (ribbon == nullptr) {
        report_overflow();
        out.clear();
        return 0;
    }
    return ribbon->copy(entry, out);
}

CharBuffer ribbon_extract(const Ribbon* ribbon, const RibbonEntry* entry) {
    if (ribbon == nullptr) {
        report_overflow();
        return duplicate("");
    }
    return ribbon->extract(entry);
}

void ribbon_clear(Ribbon* ribbon) {
    if (ribbon != nullptr) {
        ribbon->clear();
    }
}

char ribbon_char(const Ribbon* ribbon, std::int64_t position) {
    if (ribbon == nullptr) {
        report_not_initialised();
        return ' ';
    }
    return ribbon->char_at(position);
}

Ribbon& name_ribbon() {
    static Ribbon ribbon;
    return ribbon;
}

}  // namespace vx
