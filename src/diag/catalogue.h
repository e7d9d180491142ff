// The message catalogue: every diagnostic code of the compiler with its
// translatable text.
//
// The registrations are data (messages.def), grouped in the four tables the
// program registers in a fixed order: modbas, bibli, ana_c_cpp, prepro. Each
// row gives the code, the translation context (the severity title of its
// table, or none for the few texts stored untranslated), the English source
// text and the translator comment. Registering a table looks every text up
// once through the toolkit's translation function, so the stored text is
// already in the language of the installed catalogues. A code registered a
// second time keeps the later text.
#pragma once

#include <cstddef>
#include <map>
#include <span>
#include <string>
#include <string_view>

namespace vx {

enum class CatalogueTable { modbas, bibli, ana_c_cpp, prepro };

struct MessageRegistration {
    CatalogueTable table;
    const char* code;
    const char* context;  // nullptr: stored as written, never translated
    const char* source;   // English source text
    const char* comment;  // translator comment, nullptr when there is none
};

// All registrations, in registration order.
std::span<const MessageRegistration> message_registrations();

// A text in the user's language, in UTF-8: what translation gives.
struct TranslatedText {
    std::string utf8;
    // The text with every "%1" replaced by `value` (UTF-8).
    TranslatedText arg(std::string_view value) const;
    bool operator==(const TranslatedText&) const = default;
};

// Translation through the installed catalogues (the source text itself when
// no catalogue translates it).
TranslatedText translate(const char* context, const char* source, const char* comment = nullptr);

// The text in the encoding of the locale, as a terminal shows it.
std::string local_encoding(const TranslatedText& text);

class MessageCatalogue {
public:
    // Registers one table; a table registers at most once per catalogue.
    void register_table(CatalogueTable table);
    // The four tables in the program's order.
    void register_all();

    // The stored text of a code (UTF-8), or nullptr when the code is
    // unknown.
    const std::string* find(std::string_view code) const;
    // True for the few texts written as a sentence with a single slot ("File
    // %1 opening problem"): their "%1" takes the argument, not the location.
    // Decided on the English source, whatever the translation does.
    bool argument_in_first_slot(std::string_view code) const;
    std::size_t size() const { return texts_.size(); }
    std::size_t registration_count() const { return registrations_; }

private:
    std::map<std::string, std::string, std::less<>> texts_;
    std::map<std::string, bool, std::less<>> argument_first_;
    bool registered_[4] = {false, false, false, false};
    std::size_t registrations_ = 0;
};

}  // namespace vx
