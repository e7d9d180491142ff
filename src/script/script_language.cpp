#include "script/script_language.h"

#include "diag/reporter.h"

#include <cstdlib>
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

void ScriptLanguage::read_default_script_language() {
    const char* value = std::getenv("VEXORLAN");
    int language = value == nullptr ? -1 : script_language_from_name(value);
    language_ = language < 0 ? script_language_gb : language;
}

int ScriptLanguage::switch_script_language(int keyword_language) {
    if (language_ != script_language_fr && language_ != script_language_fa &&
        language_ != script_language_gb) {
        report_warning("LANGANDEF", "");
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
    if (french) {
        language_ = script_language_gb;
        report_info("LANSWITCH", "elle devrait etre 'GB'");
    } else {
        language_ = script_language_fr;
        report_info("LANSWITCH", "it should be 'FR'");
    }
    if (listener_) {
        listener_(language_);
    }
    return 1;
}

}  // namespace vx
