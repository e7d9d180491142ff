// The symbols of compiled code, read from ELF files: relocatable objects,
// shared libraries and archives of objects, of either word size and byte
// order, so that a unit built for a target reads as well as one built for
// the host.
#pragma once

#include <set>
#include <string>

namespace vx {

struct ObjectSymbols {
    std::set<std::string> defined;    // global or weak, with a section
    std::set<std::string> undefined;  // global references without one
};

// Adds the symbols of `path` to `symbols`. False, with the reason in
// `error`, when the file cannot be read or is neither an ELF file nor an
// archive; an archive member that is not ELF is passed over.
bool read_object_symbols(const std::string& path, ObjectSymbols& symbols, std::string& error);

// The same from the bytes of a file already read.
bool read_object_bytes(const std::string& bytes, ObjectSymbols& symbols, std::string& error);

}  // namespace vx
