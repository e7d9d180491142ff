// The toolkit's application object and the translation catalogues of the
// user's locale, for as long as the object lives. A program that shows
// translated messages makes one at its start, before the message
// catalogue is registered (registration looks every text up once).
#pragma once

#include <memory>
#include <span>
#include <string>

namespace vx {

class TranslationSession {
public:
    TranslationSession(int& argc, char** argv);
    ~TranslationSession();
    TranslationSession(const TranslationSession&) = delete;
    TranslationSession& operator=(const TranslationSession&) = delete;

    // Installs, for each prefix in order, the catalogue "<prefix><locale>"
    // of `directory` (shortened at its last "_" or "." until one is found:
    // bibli_fr_FR, then bibli_fr, then bibli). False when the directory does
    // not exist.
    bool load(const std::string& directory, std::span<const char* const> prefixes);

private:
    struct State;
    std::unique_ptr<State> state_;
};

}  // namespace vx
