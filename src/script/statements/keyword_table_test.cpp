#include "script/statements/keyword_table.h"

#include "codegen/language_tables.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace vx {
namespace {

TEST(KeywordTable, SpellingsAreUniqueUpperCaseAndFoundInOrder) {
    std::set<std::string_view> seen;
    for (const KeywordRow& row : keyword_table) {
        EXPECT_TRUE(seen.insert(row.text).second) << row.text;
        for (char c : row.text) {
            EXPECT_TRUE((c >= 'A' && c <= 'Z') || c == '_') << row.text;
        }
        EXPECT_EQ(find_keyword(row.text), &row);
        // No row both requires and merely expects its argument.
        EXPECT_FALSE(row.argument_required && row.argument_expected) << row.text;
    }
    EXPECT_EQ(keyword_table.front().text, "CONST");
    EXPECT_EQ(keyword_table.back().text, "REQUIREMENT");
    EXPECT_EQ(find_keyword("var"), nullptr);  // callers upper-case first
    EXPECT_EQ(find_keyword("END_TEST"), nullptr);
}

TEST(KeywordTable, SharedCodesAndLanguages) {
    const KeywordRow* service = find_keyword("SERVICE");
    const KeywordRow* operation = find_keyword("OPERATION");
    ASSERT_NE(service, nullptr);
    ASSERT_NE(operation, nullptr);
    EXPECT_EQ(service->code, operation->code);
    EXPECT_EQ(find_keyword("TAB")->code, find_keyword("ARRAY")->code);
    EXPECT_EQ(find_keyword("TAB")->language, KeywordLanguage::french);
    EXPECT_EQ(find_keyword("ARRAY")->language, KeywordLanguage::english);
    EXPECT_EQ(find_keyword("INITIALISATION")->language, KeywordLanguage::both);
    EXPECT_EQ(find_keyword("STR")->code, KeywordCode::structure);
    EXPECT_EQ(static_cast<int>(find_keyword("NEXT_TEST")->code), 59);
    EXPECT_EQ(static_cast<int>(find_keyword("COV")->code), 61);
    EXPECT_TRUE(find_keyword("VAR")->argument_required);
    EXPECT_TRUE(find_keyword("HEADER")->argument_expected);
    EXPECT_TRUE(find_keyword("END")->argument_expected);
    EXPECT_FALSE(find_keyword("ELEMENT")->argument_required);
}

TEST(KeywordTable, SecondWordTables) {
    EXPECT_EQ(find_end_keyword("OPERATION")->block, EndBlock::service);
    EXPECT_EQ(find_end_keyword("FAMILLE")->language, KeywordLanguage::french);
    EXPECT_EQ(find_end_keyword("INITIALISATION")->language, KeywordLanguage::both);
    EXPECT_EQ(find_end_keyword("SI")->block, EndBlock::if_level);
    EXPECT_EQ(find_end_keyword("STRUCTURE"), nullptr);
    EXPECT_EQ(find_define_keyword("MUET")->kind, DefineKind::stub);
    EXPECT_EQ(find_define_keyword("STUB")->language, KeywordLanguage::english);
    EXPECT_EQ(find_include_keyword("PTU")->kind, IncludeKind::script);
    EXPECT_EQ(find_include_keyword("SEGMENT")->kind, IncludeKind::segment);
    EXPECT_EQ(find_include_keyword("FILE"), nullptr);
}

TEST(KeywordTable, MessagesNameKeywordsInTheScriptLanguage) {
    EXPECT_EQ(keyword_name(KeywordName::end_service, script_language_fr), "FIN SERVICE");
    EXPECT_EQ(keyword_name(KeywordName::end_service, script_language_fa), "FIN SERVICE");
    EXPECT_EQ(keyword_name(KeywordName::end_service, script_language_gb), "END SERVICE");
    EXPECT_EQ(keyword_name(KeywordName::define_stub, script_language_fr), "DEFINIR MUET");
    EXPECT_EQ(keyword_name(KeywordName::end_initialization, script_language_gb),
              "END INITIALIZATION");
    EXPECT_EQ(keyword_name(KeywordName::begin, script_language_fr), "DEBUT");
    for (const KeywordNameRow& row : keyword_name_table) {
        EXPECT_FALSE(row.french.empty());
        EXPECT_FALSE(row.english.empty());
    }
}

}  // namespace
}  // namespace vx
