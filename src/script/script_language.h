// The keyword language of the test script and its automatic switch.
//
// A script is written with French or English keywords. The language starts
// from VEXORLAN (English by default); until a keyword agrees with the
// current language, a keyword of the other language switches it once.
// Keywords spelt the same in both languages agree with either. The switch
// is silent when VEXORLAN is not set: the script's first keywords are then
// the only statement of its language. When VEXORLAN is set and the script
// disagrees with it, or when it holds no language at all, an information
// message gives its value and the values it may take.
#pragma once

#include "support/languages.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace vx {

class Reporter;

// The language of a keyword spelling handed to switch_script_language.
inline constexpr int keyword_french = 0;
inline constexpr int keyword_english = 1;
inline constexpr int keyword_common = 2;

class ScriptLanguage {
public:
    int language() const { return language_; }
    void set_language(int language) { language_ = language; }
    bool switch_allowed() const { return switch_allowed_; }

    // Takes the default language from its setting (VEXORLAN): FR, FA or GB
    // in any case. Unset or empty gives GB silently; any other value gives
    // GB, and an information message at the first keyword.
    void read_default_script_language(const std::optional<std::string>& setting);

    // 1 when a keyword of that language is acceptable (possibly after a
    // switch), 0 when it is not.
    int switch_script_language(int keyword_language, Reporter& reporter);

    // Told of every switch (the C analysis keeps its own copy).
    void on_switch(std::function<void(int)> listener) { listener_ = std::move(listener); }

private:
    int language_ = script_language_gb;
    bool switch_allowed_ = true;
    // The VEXORLAN value when it named a language, empty otherwise: a
    // switch away from it is worth telling the user.
    std::string chosen_by_environment_;
    // A VEXORLAN value that names no language, told at the first keyword.
    std::string rejected_by_environment_;
    std::function<void(int)> listener_;
};

// Language from a VEXORLAN value; -1 when it names none.
int script_language_from_name(std::string_view name);

}  // namespace vx
