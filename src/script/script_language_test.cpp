#include "script/script_language.h"

#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace vx {
namespace {

class ScriptLanguageTest : public ::testing::Test {
protected:
    testkit::FreshReporter fresh;
    ScriptLanguage lang;
};

TEST_F(ScriptLanguageTest, FirstFrenchKeywordSwitchesAnEnglishScriptOnce) {
    lang.read_default_script_language(std::nullopt);
    int switched_to = -1;
    lang.on_switch([&](int l) { switched_to = l; });
    fresh.shown();
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 1);
    EXPECT_EQ(lang.language(), script_language_fr);
    EXPECT_EQ(switched_to, script_language_fr);
    // A switch leaves the door open; the next agreeing keyword closes it.
    EXPECT_TRUE(lang.switch_allowed());
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 1);
    EXPECT_FALSE(lang.switch_allowed());
    EXPECT_EQ(lang.switch_script_language(keyword_english, fresh.get()), 0);
    EXPECT_EQ(lang.language(), script_language_fr);
    // Without VEXORLAN the keywords alone say the language: nothing to tell.
    EXPECT_EQ(fresh.shown(), "");
}

TEST_F(ScriptLanguageTest, SwitchAwayFromVexorlanNamesItsValueAndTheAllowedOnes) {
    lang.read_default_script_language(std::string("fr"));
    EXPECT_EQ(lang.language(), script_language_fr);
    fresh.shown();
    EXPECT_EQ(lang.switch_script_language(keyword_english, fresh.get()), 1);
    EXPECT_EQ(lang.language(), script_language_gb);
    // Switching back is the script's own doing: said once only.
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 1);
    EXPECT_EQ(fresh.shown(),
              "Harnex-I-LANSWITCH,  Incorrect value for VEXORLAN environment variable: 'fr' "
              "(FR or FA for French keywords, GB for English ones; unset, the keywords of the "
              "script decide)\n");
}

TEST_F(ScriptLanguageTest, VexorlanNamingNoLanguageIsToldOnceAtTheFirstKeyword) {
    fresh.shown();
    lang.read_default_script_language(std::string("de"));
    EXPECT_EQ(lang.language(), script_language_gb);
    EXPECT_EQ(fresh.shown(), "");
    fresh.shown();
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 1);
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 1);
    std::string err = fresh.shown();
    EXPECT_NE(err.find("LANSWITCH"), std::string::npos);
    EXPECT_NE(err.find("'de'"), std::string::npos);
    EXPECT_EQ(err.find("LANSWITCH"), err.rfind("LANSWITCH")) << err;
}

TEST_F(ScriptLanguageTest, CommonSpellingAgreesAndClosesTheSwitch) {
    EXPECT_EQ(lang.switch_script_language(keyword_common, fresh.get()), 1);
    EXPECT_EQ(lang.switch_script_language(keyword_french, fresh.get()), 0);
    EXPECT_EQ(lang.language(), script_language_gb);
}

TEST_F(ScriptLanguageTest, FrenchScriptSwitchesToEnglish) {
    lang.set_language(script_language_fa);
    EXPECT_EQ(lang.switch_script_language(keyword_english, fresh.get()), 1);
    EXPECT_EQ(lang.language(), script_language_gb);
}

TEST_F(ScriptLanguageTest, UndefinedLanguageIsRefusedWithAWarning) {
    lang.set_language(7);
    fresh.shown();
    EXPECT_EQ(lang.switch_script_language(keyword_english, fresh.get()), 0);
    EXPECT_NE(fresh.shown().find("LANGANDEF"), std::string::npos);
    EXPECT_EQ(fresh.get().warning_count(), 1);
}

TEST(ScriptLanguageDefault, VexorlanIsUpperCasedAndUnknownValuesGiveEnglish) {
    EXPECT_EQ(script_language_from_name("fr"), script_language_fr);
    EXPECT_EQ(script_language_from_name("Fa"), script_language_fa);
    EXPECT_EQ(script_language_from_name("GB"), script_language_gb);
    EXPECT_EQ(script_language_from_name("de"), -1);

    ScriptLanguage lang;
    lang.read_default_script_language(std::string("fr"));
    EXPECT_EQ(lang.language(), script_language_fr);
    lang.read_default_script_language(std::string("xx"));
    EXPECT_EQ(lang.language(), script_language_gb);
}

}  // namespace
}  // namespace vx
