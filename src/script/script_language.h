// The keyword language of the test script and its automatic switch.
//
// A script is written with French or English keywords. The language starts
// from VEXORLAN (English by default); until a keyword agrees with the
// current language, a keyword of the other language switches it once,
// with an information message. Keywords spelt the same in both languages
// agree with either.
#pragma once

#include "codegen/language_tables.h"

#include <functional>
#include <string_view>

namespace vx {

// The values of script_language (script_language_fr "FR", script_language_fa
// "FA", French keywords too, script_language_gb "GB") are shared with the
// writers of generated files and live in codegen/language_tables.h.

// The language of a keyword spelling handed to switch_script_language.
inline constexpr int keyword_french = 0;
inline constexpr int keyword_english = 1;
inline constexpr int keyword_common = 2;

class ScriptLanguage {
public:
    int language() const { return language_; }
    void set_language(int language) { language_ = language; }
    bool switch_allowed() const { return switch_allowed_; }

    // Reads VEXORLAN: FR, FA or GB in any case; anything else gives GB.
    void read_default_script_language();

    // 1 when a keyword of that language is acceptable (possibly after a
    // switch), 0 when it is not.
    int switch_script_language(int keyword_language);

    // Told of every switch (the C analysis keeps its own copy).
    void on_switch(std::function<void(int)> listener) { listener_ = std::move(listener); }

private:
    int language_ = script_language_gb;
    bool switch_allowed_ = true;
    std::function<void(int)> listener_;
};

// Language from a VEXORLAN value; -1 when it names none.
int script_language_from_name(std::string_view name);

}  // namespace vx
