#include "stubgen/object_symbols.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

namespace vx {
namespace {

constexpr unsigned symbol_table = 2;      // SHT_SYMTAB
constexpr unsigned dynamic_symbols = 11;  // SHT_DYNSYM
constexpr unsigned shared_object = 3;     // ET_DYN
constexpr unsigned local_binding = 0;     // STB_LOCAL
constexpr unsigned global_binding = 1;    // STB_GLOBAL
constexpr unsigned weak_binding = 2;      // STB_WEAK
constexpr unsigned section_type = 3;      // STT_SECTION
constexpr unsigned file_symbol = 4;       // STT_FILE

// Bounds-checked reads of one ELF image in its own byte order.
class ElfImage {
public:
    ElfImage(std::string_view bytes, bool wide, bool big) : bytes_(bytes), wide_(wide), big_(big) {}

    bool fits(std::uint64_t at, std::uint64_t size) const {
        return at <= bytes_.size() && size <= bytes_.size() - at;
    }
    std::uint64_t number(std::uint64_t at, int size) const {
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i) {
            const int byte = big_ ? i : size - 1 - i;
            value = (value << 8) |
                    static_cast<unsigned char>(bytes_[static_cast<std::size_t>(at) + byte]);
        }
        return value;
    }
    // An address or offset: 4 bytes in ELF32, 8 in ELF64.
    std::uint64_t word(std::uint64_t at) const { return number(at, wide_ ? 8 : 4); }
    std::string_view text(std::uint64_t table, std::uint64_t table_size,
                          std::uint64_t offset) const {
        if (offset >= table_size || !fits(table, table_size)) return {};
        std::string_view strings =
            bytes_.substr(static_cast<std::size_t>(table), static_cast<std::size_t>(table_size));
        std::string_view rest = strings.substr(static_cast<std::size_t>(offset));
        const std::size_t end = rest.find('\0');
        return end == std::string_view::npos ? std::string_view{} : rest.substr(0, end);
    }
    bool wide() const { return wide_; }

private:
    std::string_view bytes_;
    bool wide_;
    bool big_;
};

struct Section {
    std::uint64_t type = 0, offset = 0, size = 0, link = 0, entry_size = 0;
};

bool read_elf(std::string_view bytes, ObjectSymbols& symbols, std::string& error) {
    if (bytes.size() < 52 || bytes.substr(0, 4) !=
                                 "\x7f"
                                 "ELF") {
        error = "not an ELF file";
        return false;
    }
    const bool wide = bytes[4] == 2;
    const bool big = bytes[5] == 2;
    if ((bytes[4] != 1 && bytes[4] != 2) || (bytes[5] != 1 && bytes[5] != 2)) {
        error = "an ELF file of unknown class or byte order";
        return false;
    }
    const ElfImage elf(bytes, wide, big);
    if (wide && !elf.fits(0, 64)) {
        error = "a truncated ELF header";
        return false;
    }
    const std::uint64_t elf_type = elf.number(16, 2);
    const std::uint64_t sections_at = elf.word(wide ? 40 : 32);
    const std::uint64_t section_size = elf.number(wide ? 58 : 46, 2);
    const std::uint64_t section_count = elf.number(wide ? 60 : 48, 2);
    if (section_count == 0) return true;
    if (section_size < (wide ? 64u : 40u) || !elf.fits(sections_at, section_size * section_count)) {
        error = "a section table outside the file";
        return false;
    }
    auto section = [&](std::uint64_t index) {
        const std::uint64_t at = sections_at + index * section_size;
        Section s;
        s.type = elf.number(at + 4, 4);
        s.offset = elf.word(at + (wide ? 24 : 16));
        s.size = elf.word(at + (wide ? 32 : 20));
        s.link = elf.number(at + (wide ? 40 : 24), 4);
        s.entry_size = elf.word(at + (wide ? 56 : 36));
        return s;
    };
    // A shared library exports through its dynamic table; an object or an
    // executable names everything in its full one.
    const unsigned wanted = elf_type == shared_object ? dynamic_symbols : symbol_table;
    for (std::uint64_t i = 0; i < section_count; ++i) {
        const Section table = section(i);
        if (table.type != wanted) continue;
        const std::uint64_t entry = wide ? 24 : 16;
        if (table.entry_size < entry || table.link >= section_count ||
            !elf.fits(table.offset, table.size)) {
            error = "a damaged symbol table";
            return false;
        }
        const Section strings = section(table.link);
        for (std::uint64_t at = table.offset; at + entry <= table.offset + table.size;
             at += table.entry_size) {
            const std::uint64_t name = elf.number(at, 4);
            const unsigned info = static_cast<unsigned>(elf.number(at + (wide ? 4 : 12), 1));
            const std::uint64_t index = elf.number(at + (wide ? 6 : 14), 2);
            const unsigned binding = info >> 4;
            const unsigned type = info & 0xf;
            if (binding == local_binding || type == section_type || type == file_symbol) continue;
            if (binding != global_binding && binding != weak_binding) continue;
            std::string_view text = elf.text(strings.offset, strings.size, name);
            if (text.empty()) continue;
            // A versioned name of a shared library ("memcpy@@GLIBC_2.14").
            text = text.substr(0, text.find('@'));
            if (index == 0) {
                symbols.undefined.insert(std::string(text));
            } else {
                symbols.defined.insert(std::string(text));
            }
        }
    }
    return true;
}

// An archive: "!<arch>\n", then members, each behind a header of 60 bytes
// whose size field is decimal, each starting on an even offset.
bool read_archive(std::string_view bytes, ObjectSymbols& symbols, std::string& error) {
    std::size_t at = 8;
    while (at + 60 <= bytes.size()) {
        const std::string_view header = bytes.substr(at, 60);
        if (header.substr(58, 2) != "`\n") {
            error = "a damaged archive member header";
            return false;
        }
        const std::string size_text(header.substr(48, 10));
        char* end = nullptr;
        const unsigned long long size = std::strtoull(size_text.c_str(), &end, 10);
        at += 60;
        if (size > bytes.size() - at) {
            error = "an archive member past the end of the file";
            return false;
        }
        std::string_view member = bytes.substr(at, static_cast<std::size_t>(size));
        // BSD archives put a long name in front of the member's bytes.
        if (header.substr(0, 3) == "#1/") {
            const unsigned long name_size =
                std::strtoul(std::string(header.substr(3, 13)).c_str(), nullptr, 10);
            member = name_size <= member.size() ? member.substr(name_size) : std::string_view{};
        }
        if (member.substr(0, 4) ==
            "\x7f"
            "ELF") {
            std::string member_error;
            if (!read_elf(member, symbols, member_error)) {
                error = "an archive member: " + member_error;
                return false;
            }
        }
        at += static_cast<std::size_t>(size) + (size & 1);
    }
    return true;
}

}  // namespace

bool read_object_bytes(const std::string& bytes, ObjectSymbols& symbols, std::string& error) {
    if (bytes.compare(0, 8, "!<arch>\n") == 0) return read_archive(bytes, symbols, error);
    return read_elf(bytes, symbols, error);
}

bool read_object_symbols(const std::string& path, ObjectSymbols& symbols, std::string& error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot be opened";
        return false;
    }
    std::ostringstream content;
    content << in.rdbuf();
    return read_object_bytes(content.str(), symbols, error);
}

}  // namespace vx
