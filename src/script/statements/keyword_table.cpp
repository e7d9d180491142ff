// Lookups in the keyword tables: a linear search from the first row, as
// the tables are short and their order is part of their meaning (the first
// matching spelling wins).
#include "script/statements/keyword_table.h"

#include "codegen/language_tables.h"

namespace vx {

namespace {

template <typename Row, std::size_t N>
const Row* find_row(const std::array<Row, N>& table, std::string_view word) {
    for (const Row& row : table) {
        if (row.text == word) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

const KeywordRow* find_keyword(std::string_view word) { return find_row(keyword_table, word); }

const EndKeywordRow* find_end_keyword(std::string_view word) {
    return find_row(end_keyword_table, word);
}

const DefineKeywordRow* find_define_keyword(std::string_view word) {
    return find_row(define_keyword_table, word);
}

const IncludeKeywordRow* find_include_keyword(std::string_view word) {
    return find_row(include_keyword_table, word);
}

std::string_view keyword_name(KeywordName name, int script_language) {
    for (const KeywordNameRow& row : keyword_name_table) {
        if (row.name == name) {
            return script_language == script_language_gb ? row.english : row.french;
        }
    }
    return {};
}

}  // namespace vx
