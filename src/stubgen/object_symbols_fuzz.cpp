// Fuzz target for what vexorstubs reads that nobody checked: the bytes of an
// object file, archive or shared library (ELF of either class and byte
// order), and the text of a header from which prototypes are cut. Refusals
// are expected; crashes, reads out of bounds, hangs and sanitizer reports
// are not.
#include "stubgen/object_symbols.h"
#include "stubgen/stub_blocks.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    vx::ObjectSymbols symbols;
    std::string error;
    vx::read_object_bytes(bytes, symbols, error);
    // Every name read is cut from the same bytes taken as a header.
    const vx::HeaderDeclarations header(bytes);
    int tried = 0;
    for (const std::string& name : symbols.undefined) {
        if (++tried > 8) break;
        (void)header.prototype_text(name, 1);
    }
    for (const char* name : {"f", "uart_write", "main"}) {
        (void)header.prototype_text(name, static_cast<long>(size % 40));
    }
    (void)header.says_noreturn(static_cast<long>(size % 40));
    (void)vx::split_parameter_list(bytes);
    (void)vx::stub_block_name(bytes);
    return 0;
}
