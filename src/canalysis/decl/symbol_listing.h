// The symbol listing: a text file of the C symbols known after analysis.
//
// Written at the end of the generated main program when -SYMBTAB names a
// file: the global variables, the local variables of each service of the
// script, and the declared struct, union and enum types, each with its type
// described in words of the script's language (French, French with accents
// in Latin-1, or English), framed by comment lines of 74 characters.
#pragma once

#include "canalysis/diagnostic_sink.h"
#include "canalysis/types/type_table.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Comment lines: "/*", the content, the fill character up to column 72,
// "*/".
inline constexpr std::size_t listing_line_width = 74;
inline constexpr std::size_t listing_fill_column = 72;
// A symbol's name and " :" are padded to this width.
inline constexpr std::size_t listing_name_width = 24;

struct SymbolListing {
    const TypeTable& table;
    std::vector<std::string> services;  // in the order of the script
    std::string listing_name;
    std::string title;    // the program title
    std::string version;  // its version text
    std::string command;  // the command echo
    std::string date;     // the run date, ctime form without newline
    int language = 2;     // 0 French, 1 French with accents, 2 English
};

// Writes the listing one line at a time (without its newline). A local
// function of a service is reported to the sink (PROCIMBRI, error, without
// a location of its own) and left out.
void write_symbol_listing(const SymbolListing& listing,
                          const std::function<void(std::string_view)>& write_line,
                          DiagnosticSink& sink);

}  // namespace vx
