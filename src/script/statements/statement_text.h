// Small pieces of statement syntax shared by the handlers: names with
// their blanks normalised, "name = value" forms, "name (a, b)" lists, the
// LOOP clause of TEST, the HEADER field rule and the service name rules.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// Longest service name kept.
inline constexpr std::size_t service_name_limit = 18;

// Runs of blanks become one blank; no blank at either end.
std::string normalise_blanks(std::string_view text);
// Every blank removed.
std::string remove_blanks(std::string_view text);

// The fields of HEADER: the text cut at the commas that stand outside
// double quotes, into at most `count` fields, the last one taking the rest.
std::vector<std::string> split_header_fields(std::string_view text, std::size_t count);

// A HEADER field: trimmed, blanks and tabs outside double quotes removed except
// one blank between two word characters.
std::string compact_header_field(std::string_view text);

// The first blank-delimited word of the trimmed text, and the trimmed rest.
struct FirstWord {
    std::string word;
    std::string rest;
};
FirstWord first_word(std::string_view text);

// Letters, digits and "_", not beginning with a digit.
bool is_identifier(std::string_view text);
// Only letters, digits and "_".
bool only_name_characters(std::string_view text);

// "name = value", cut at the first "="; both parts trimmed. False (with
// both parts empty) when there is no "=".
bool split_assignment(std::string_view text, std::string& name, std::string& value);

// "name" or "name (item, item ...)". Items are cut at the commas of the
// list only, not at those inside brackets or quotes; the list ends at the
// parenthesis that closes its own.
struct NamedList {
    std::string name;
    std::vector<std::string> items;  // trimmed
    bool has_list = false;           // an opening parenthesis follows the name
    bool closed = false;             // the list ends with ")"
    bool trailing_text = false;      // text after the closing parenthesis
};
NamedList parse_named_list(std::string_view text);

// The text upper-cased except inside string and character literals, which
// keep their case.
std::string upper_outside_quotes(std::string_view text);

// Names separated by blanks or commas.
std::vector<std::string> split_names(std::string_view text);

// TEST name [LOOP expression]: the keyword ("LOOP" or "BOUCLE", in any
// case) preceded and followed by a separator. The name has its blanks
// normalised; the expression is trimmed.
struct LoopClause {
    std::string name;
    bool found = false;
    std::string expression;
};
LoopClause split_loop_clause(std::string_view text, std::string_view keyword);

// A service name cut to 18 characters: a last "_" becomes "0" after
// another "_", and is dropped otherwise. `cut` tells whether it was cut.
std::string cut_service_name(std::string_view name, bool& cut);

}  // namespace vx
