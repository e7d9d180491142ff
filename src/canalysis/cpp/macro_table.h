// The macro table of the C preprocessor.
//
// Every macro known to the analysis lives here: the ones of "#define" in
// analysed code, the "-D" definitions of the command line, and the special
// macros whose value is computed when they are met (__LINE__, __FILE__ ...).
// Names hash into 1403 chains (h = h * 4 + byte over the name, masked to 31
// bits, modulo 1403); a new entry goes to the head of its chain, so the
// latest definition of a name is the one found.
//
// An ordinary macro keeps its definition in cut form: the body text with
// the places where arguments go removed, and one substitution point per
// such place telling which parameter goes there, how much literal body text
// precedes it, and in which form the argument is used (stringised with "#",
// character-ised with "#@", raw next to "##", otherwise fully expanded).
#pragma once

#include "canalysis/cpp/cpp_diagnostics.h"
#include "support/arena.h"
#include "support/name_interner.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

enum class MacroKind {
    line,              // __LINE__
    date,              // __DATE__
    file,              // __FILE__
    base_file,         // __BASE_FILE__
    include_level,     // __INCLUDE_LEVEL__
    time,              // __TIME__
    constant,          // __STDC__: expands to its integer value
    ordinary,          // "#define" or "-D"
    disabled,          // an ordinary macro while its own expansion is rescanned
    defined_operator,  // the "defined" of "#if" conditions
    feature_test,      // __has_include, __has_builtin ...: value is the FeatureTest
};

// The feature-test operators, as the value of their macro entries.
enum class FeatureTest { include, include_next, builtin, attribute, c_attribute, feature };

enum class VariadicForm { none, named, anonymous };

inline constexpr int macro_chain_count = 1403;

struct SubstitutionPoint {
    int parameter = 0;               // index of the parameter
    std::size_t literal_length = 0;  // body text between the previous point and this one
    bool stringise = false;          // "#param"
    bool charise = false;            // "#@param"
    bool raw_before = false;         // "##" precedes the parameter
    bool raw_after = false;          // "##" follows the parameter
};

// A definition as the table keeps it: views of the text the table holds
// for as long as the definition stands.
struct MacroDefinition {
    int parameter_count = -1;          // negative for an object-like macro
    std::string_view parameter_names;  // joined with ", "
    std::string_view body;             // literal text, substitution points cut out
    char open = 0;                     // '(' or '[' for a function-like macro
    char close = 0;                    // ')' or ']'
    VariadicForm variadic = VariadicForm::none;
    std::span<const SubstitutionPoint> points;

    bool function_like() const { return parameter_count >= 0; }
};

// A definition being read from a "#define": it owns its text, and the
// table reads every definition into the same draft, so that its room
// serves the next one.
struct MacroDraft {
    int parameter_count = -1;
    std::string parameter_names;
    std::string body;
    char open = 0;
    char close = 0;
    VariadicForm variadic = VariadicForm::none;
    std::vector<SubstitutionPoint> points;
    // The parameters' names, views of the directive text being read.
    std::vector<std::string_view> names;

    bool function_like() const { return parameter_count >= 0; }
    // Empty again, keeping the room.
    void reset();
    // The draft seen as a definition (views of the draft's own text).
    MacroDefinition view() const;
};

struct MacroEntry {
    MacroKind kind = MacroKind::ordinary;
    std::string_view name;      // the table's interned copy
    std::uint32_t name_id = 0;  // its number in the table's interner
    long value = 0;             // kind constant
    std::optional<MacroDefinition> definition;
};

// The name hash of the table.
std::uint32_t macro_hash(std::string_view name);

// The character classes of the preprocessor, fixed tables of 256 flags.
struct CharClassTable {
    bool identifier[256] = {};  // letters, digits, "_" and "$"
    bool start[256] = {};       // the same without the digits
    bool blank[256] = {};       // space, tab, vertical tab, form feed, carriage return
    constexpr CharClassTable() {
        for (int c = 0; c < 256; ++c) {
            bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == '$';
            start[c] = letter;
            identifier[c] = letter || (c >= '0' && c <= '9');
            blank[c] = c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
        }
    }
};
inline constexpr CharClassTable char_classes{};

inline bool is_identifier_char(unsigned char c) { return char_classes.identifier[c]; }
inline bool is_identifier_start(unsigned char c) { return char_classes.start[c]; }
inline bool is_horizontal_blank(unsigned char c) { return char_classes.blank[c]; }

class MacroTable {
public:
    MacroTable() = default;
    MacroTable(const MacroTable&) = delete;
    MacroTable& operator=(const MacroTable&) = delete;

    MacroEntry* macro_lookup(std::string_view name) const;
    // A new entry at the head of its chain, the newest of its name (an
    // ordinary macro's definition is set by macro_define).
    MacroEntry& macro_install(std::string_view name, MacroKind kind, long value = 0);
    // Removes every entry of that name; returns how many there were.
    int remove_all(std::string_view name);

    // "#define": the text after the directive name. `lenient` is the K&R
    // flag (comments in the body vanish without leaving a blank).
    void macro_define(std::string_view line_text, MacroReporter& reporter, bool lenient = false);
    // "#undef": the text after the directive name.
    void macro_undefine(std::string_view line_text, MacroReporter& reporter);
    // Removes every ordinary (and disabled) macro.
    void undefine_ordinary();

    std::size_t size() const { return count_; }

private:
    // Puts the chain's entries that `gone` picks back among the spare ones.
    template <typename Gone>
    std::size_t drop_entries(std::vector<MacroEntry*>& chain, Gone gone);

    // The chains keep the entries in order of definition. Lookups go
    // through the interned names: a name's number leads to its newest entry.
    std::array<std::vector<MacroEntry*>, macro_chain_count> chains_;
    NameInterner names_;
    std::vector<MacroEntry*> newest_;  // by name number; null when undefined

    // The entries are made a block at a time; a removed entry waits among
    // the spare ones for the next definition.
    Arena<MacroEntry> entries_;
    std::vector<MacroEntry*> spare_entries_;
    // The text of the definitions (parameter names, bodies, substitution
    // points). A removed definition's text stays until no ordinary macro is
    // left (undefine_ordinary), when it all goes at once.
    ByteArena texts_;
    MacroDraft draft_;
    std::size_t count_ = 0;
};

// Reads a definition of "#define" (the text after the directive name) into
// the draft, for tests and the table: false, reported, when the definition
// is to be dropped. `name` receives the defined name, a view of the text.
bool parse_macro_definition(std::string_view line_text, std::string_view& name, MacroDraft& draft,
                            MacroReporter& reporter, bool lenient);

// The definition rebuilt as text (parameters and "#", "##" operators),
// for tests and listings: "(a, b) a ## b".
std::string macro_definition_text(const MacroDefinition& definition);

}  // namespace vx
