// The symbol listing: banner and section lines framed as C comments, a
// line per symbol with its type in words, and the declared types with their
// members. Words come from one table with a column per script language;
// the accented French column is written in Latin-1 bytes.
#include "canalysis/decl/symbol_listing.h"

#include "diag/reporter.h"

#include <array>

namespace vx {

namespace {

enum Word {
    w_tool,
    w_version,
    w_command,
    w_file,
    w_date,
    w_title,
    w_globals,
    w_locals,
    w_types,
    w_integer,
    w_unsigned,
    w_character,
    w_real,
    w_array,
    w_pointer,
    w_function,
    w_struct,
    w_union,
    w_enum,
    w_self_pointer,
    w_unspecified,
    word_count,
};

// French, French with accents (Latin-1), English.
constexpr std::array<std::array<const char*, 3>, word_count> words = {{
    {"OUTIL", "OUTIL", "TOOL"},
    {"VERSION", "VERSION", "VERSION"},
    {"COMMANDE", "COMMANDE", "COMMAND"},
    {"FICHIER", "FICHIER", "FILE"},
    {"DATE", "DATE", "DATE"},
    {"TABLE DES SYMBOLES", "TABLE DES SYMBOLES", "SYMBOLS TABLE"},
    {"Variables globales", "Variables globales", "Global variables"},
    {"Variables locales au service %s", "Variables locales au service %s",
     "Variables for %s's service"},
    {"Types declares", "Types declar\xe9s", "Declared types"},
    {"entier", "entier", "integer"},
    {"entier non signe", "entier non sign\xe9", "unsigned integer"},
    {"caractere", "caract\xe8re", "character"},
    {"reel", "r\xe9\x65l", "real"},
    {"tableau [%s] de", "tableau [%s] de", "array [%s] of"},
    {"pointeur sur", "pointeur sur", "pointer on"},
    {"fonction retournant", "fonction retournant", "function returning"},
    {"structure", "structure", "structure"},
    {"union", "union", "union"},
    {"enum", "enum", "enum"},
    {"%s pointeur sur la structure en cours", "%s pointeur sur la structure en cours",
     "%s pointer on the current structure"},
    {"type non precise", "type non precis\xe9", "type not specified"},
}};

// Descriptions of types nested deeper than this (only damaged input has
// them) stop there.
constexpr int describe_depth_limit = 256;

std::string word(Word w, int language) {
    int column = language < 0 || language > 2 ? 2 : language;
    return words[static_cast<std::size_t>(w)][static_cast<std::size_t>(column)];
}

std::string with_argument(Word w, int language, std::string_view argument) {
    std::string text = word(w, language);
    std::size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, argument);
    return text;
}

// The comment lines of a content: one line when it fits in 70 characters,
// else pieces closed by " */" and continued after "/*" and two blanks.
void comment_lines(std::string_view content, char fill,
                   const std::function<void(std::string_view)>& write) {
    const std::size_t room = listing_fill_column - 2;
    std::string_view rest = content;
    bool first = true;
    for (;;) {
        std::string line = first ? "/*" : "/*  ";
        std::size_t last_room = room - (line.size() - 2);
        if (rest.size() <= last_room) {
            line += rest;
            line.append(listing_fill_column - line.size(), fill);
            line += "*/";
            write(line);
            return;
        }
        std::size_t piece = listing_line_width - 3 - line.size();
        line += rest.substr(0, piece);
        line += " */";
        write(line);
        rest.remove_prefix(piece);
        first = false;
    }
}

void star_line(const std::function<void(std::string_view)>& write) {
    comment_lines("", '*', write);
}
void blank_line(const std::function<void(std::string_view)>& write) {
    comment_lines("", ' ', write);
}

void section_header(const std::string& title, const std::function<void(std::string_view)>& write) {
    star_line(write);
    blank_line(write);
    comment_lines("        " + title, ' ', write);
    blank_line(write);
    star_line(write);
    write("");
}

class Describer {
public:
    explicit Describer(int language) : language_(language) {}

    std::string describe(const TypeNode* type, const TypeNode* listed, std::string_view listed_name,
                         int depth) {
        if (!type) return " int(" + word(w_unspecified, language_) + ")";
        if (depth > describe_depth_limit) return "";
        switch (type->kind) {
            case TypeKind::integer:
                if (type->width > 0) return " " + word(w_unsigned, language_);
                if (type->is_char) return " " + word(w_character, language_);
                return " " + word(w_integer, language_);
            case TypeKind::wide_integer:
                if (type->width > 0) return " " + word(w_unsigned, language_);
                return " " + word(w_integer, language_);
            case TypeKind::floating:
            case TypeKind::extended_real:
                return " " + word(w_real, language_);
            case TypeKind::void_type:
                return " void (" + word(w_unspecified, language_) + ")";
            case TypeKind::vector:
                return describe(type->target, listed, listed_name, depth + 1);
            case TypeKind::ellipsis:
                return " ...";
            case TypeKind::pointer:
                return " " + word(w_pointer, language_) +
                       describe(type->target, listed, listed_name, depth + 1);
            case TypeKind::array: {
                std::string bound = type->bound;
                for (char& c : bound) {
                    if (c == '\n') c = ' ';
                }
                return " " + with_argument(w_array, language_, bound) +
                       describe(type->target, listed, listed_name, depth + 1);
            }
            case TypeKind::named:
                // The aliased type's words (they bring their blank).
                if (type->name == listed_name) return "";
                return describe(type->target, listed, listed_name, depth + 1);
            case TypeKind::qualified:
                return " " + type->name + describe(type->target, listed, listed_name, depth + 1);
            case TypeKind::function: {
                std::string text = " " + word(w_function, language_) +
                                   describe(type->target, listed, listed_name, depth + 1) + " (";
                for (std::size_t i = 0; i < type->parameters.size(); ++i) {
                    const Parameter& p = type->parameters[i];
                    text += i ? ",\n\t" : "\n\t";
                    text += p.name + describe(p.type, listed, listed_name, depth + 1);
                }
                return text + ")";
            }
            case TypeKind::struct_type:
            case TypeKind::union_type:
            case TypeKind::enum_type:
                return aggregate(type, listed, listed_name, depth);
        }
        return "";
    }

private:
    std::string aggregate(const TypeNode* type, const TypeNode* listed,
                          std::string_view listed_name, int depth) {
        Word head = type->kind == TypeKind::struct_type  ? w_struct
                    : type->kind == TypeKind::union_type ? w_union
                                                         : w_enum;
        std::string text = " " + word(head, language_);
        if (!type->name.empty() && type != listed) return text + " " + type->name;
        // Written out once: met again inside itself (through a function
        // pointer's parameter, say) it is named by its tag.
        listed = nullptr;
        text += " {\n";
        if (type->kind == TypeKind::enum_type) {
            for (std::size_t i = 0; i < type->enumerators.size(); ++i) {
                const Enumerator& e = type->enumerators[i];
                text += "\t" + e.name;
                if (e.explicit_value) text += " = " + e.value;
                text += i + 1 < type->enumerators.size() ? ",\n" : "\n";
            }
            return text + "}";
        }
        for (const Field& f : type->fields) {
            if (!f.symbol) continue;
            text += "\t" + f.symbol->name;
            const TypeNode* field_type = c_resolve_type(f.symbol->type);
            if (field_type && field_type->kind == TypeKind::pointer &&
                c_resolve_type(field_type->target) == type) {
                text += " " + with_argument(w_self_pointer, language_, f.symbol->name);
            } else {
                text += describe(f.symbol->type, listed, listed_name, depth + 1);
            }
            if (!f.bit_width.empty()) text += ": " + f.bit_width;
            text += ";\n";
        }
        return text + "}";
    }

    int language_;
};

// Writes a text that may hold newlines as lines.
void write_text(std::string_view text, const std::function<void(std::string_view)>& write) {
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos) {
            write(text.substr(start));
            return;
        }
        write(text.substr(start, end - start));
        start = end + 1;
    }
}

// A variable worth listing: not a function or a typedef; a struct, union
// or enum only when it is named.
bool listed_variable(const Symbol& s) {
    if (s.storage & storage_typedef) return false;
    const TypeNode* t = s.type;
    while (t && t->kind == TypeKind::qualified) t = t->target;
    if (!t) return !s.name.empty();
    switch (t->kind) {
        case TypeKind::function:
            return false;
        case TypeKind::struct_type:
        case TypeKind::union_type:
        case TypeKind::enum_type:
            return !s.name.empty();
        case TypeKind::named:
            return s.name != t->name;
        default:
            return true;
    }
}

std::string symbol_line(const Symbol& s, Describer& describer) {
    std::string head = s.name + " :";
    if (head.size() < listing_name_width) head.append(listing_name_width - head.size(), ' ');
    return head + describer.describe(s.type, nullptr, s.name, 0);
}

}  // namespace

void write_symbol_listing(const SymbolListing& listing,
                          const std::function<void(std::string_view)>& write,
                          DiagnosticSink& sink) {
    const int language = listing.language;
    Describer describer(language);

    star_line(write);
    blank_line(write);
    comment_lines("  " + word(w_tool, language) + ": " + listing.title + "        " +
                      word(w_version, language) + ": " + listing.version,
                  ' ', write);
    comment_lines("  " + word(w_command, language) + ": " + listing.command, ' ', write);
    comment_lines("  " + word(w_file, language) + ": " + listing.listing_name, ' ', write);
    comment_lines("  " + word(w_date, language) + ": " + listing.date, ' ', write);
    star_line(write);
    comment_lines("                " + word(w_title, language), ' ', write);
    star_line(write);
    write("");

    bool globals = false;
    listing.table.for_each_symbol([&](const Symbol& s) {
        if (!s.scope.empty() || !listed_variable(s)) return;
        if (!globals) section_header(word(w_globals, language), write);
        globals = true;
        write_text(symbol_line(s, describer), write);
    });
    if (globals) write("");

    for (const std::string& service : listing.services) {
        bool any = false;
        auto header = [&] {
            if (!any) section_header(with_argument(w_locals, language, service), write);
            any = true;
        };
        listing.table.for_each_symbol([&](const Symbol& s) {
            if (s.scope != service) return;
            const TypeNode* t = c_resolve_type(s.type);
            if (t && t->kind == TypeKind::function && !(s.storage & storage_typedef)) {
                sink.report(Severity::error, msg::PROCIMBRI, s.name, {}, 0);
                return;
            }
            if (!listed_variable(s)) return;
            header();
            write_text(symbol_line(s, describer), write);
        });
        for (const TypeNode* t : listing.table.anonymous_types()) {
            if (t->scope != service) continue;
            header();
            write_text(" :" + describer.describe(t, t, {}, 0), write);
        }
        if (any) write("");
    }

    bool types = false;
    listing.table.for_each_tag([&](const TypeNode& t) {
        if (!t.scope.empty()) return;
        if (!types) section_header(word(w_types, language), write);
        types = true;
        write_text(t.name + " :" + describer.describe(&t, &t, t.name, 0), write);
    });
    if (types) write("");
}

}  // namespace vx
