#include "script/script_language.h"

#include "diag/reporter.h"

#include <string>

namespace vx {

int script_language_from_name(std::string_view name) {
    std::string upper(name);
    for (char& c : upper) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    if (upper == "FR") return script_language_fr;
    if (upper == "FA") return script_language_fa;
    if (upper == "GB") return script_language_gb;
    return -1;
}

void ScriptLanguage::read_default_script_language(const std::optional<std::string>& setting) {
    chosen_by_environment_.clear();
    rejected_by_environment_.clear();
    language_ = script_language_gb;
    if (!setting || setting->empty()) {
        return;
    }
    const std::string& value = *setting;
    int language = script_language_from_name(value);
    if (language < 0) {
        // Told at the script's first keyword, where the message has a place.
        rejected_by_environment_ = value;
        return;
    }
    language_ = language;
    chosen_by_environment_ = value;
}

int ScriptLanguage::switch_script_language(int keyword_language, Reporter& reporter) {
    if (!rejected_by_environment_.empty()) {
        reporter.info(msg::LANSWITCH, rejected_by_environment_);
        rejected_by_environment_.clear();
    }
    if (language_ != script_language_fr && language_ != script_language_fa &&
        language_ != script_language_gb) {
        reporter.warning(msg::LANGANDEF, "");
        return 0;
    }
    bool french = language_ != script_language_gb;
    int agreeing = french ? keyword_french : keyword_english;
    if (keyword_language == agreeing || keyword_language == keyword_common) {
        switch_allowed_ = false;
        return 1;
    }
    if (!switch_allowed_) {
        return 0;
    }
    language_ = french ? script_language_gb : script_language_fr;
    if (!chosen_by_environment_.empty()) {
        reporter.info(msg::LANSWITCH, chosen_by_environment_);
        // Said once: a second switch comes from the script alone.
        chosen_by_environment_.clear();
    }
    if (listener_) {
        listener_(language_);
    }
    return 1;
}

}  // namespace vx
