#include "stubgen/stub_blocks.h"

#include "canalysis/decl/declaration_parser.h"
#include "canalysis/types/c_values.h"
#include "codegen/stub_generation.h"
#include "support/text.h"

#include <cctype>

namespace vx {
namespace {

bool identifier_character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The text with its comments made blanks (newlines kept) and each
// preprocessing directive made blanks behind a ";", so that a declaration
// never runs across one. Literals are kept.
std::string declarations_only(std::string_view source) {
    std::string out(source);
    std::size_t i = 0;
    bool line_start = true;
    while (i < out.size()) {
        const char c = out[i];
        if (c == '\n') {
            line_start = true;
            ++i;
            continue;
        }
        if (line_start && c == '#') {
            out[i++] = ';';
            while (i < out.size() && out[i] != '\n') {
                if (out[i] == '\\' && i + 1 < out.size() && out[i + 1] == '\n') {
                    out[i] = ' ';
                    i += 2;
                    continue;
                }
                out[i++] = ' ';
            }
            continue;
        }
        if (c != ' ' && c != '\t' && c != '\r' && c != '\f') line_start = false;
        if (c == '/' && i + 1 < out.size() && out[i + 1] == '*') {
            const std::size_t end = out.find("*/", i + 2);
            const std::size_t stop = end == std::string::npos ? out.size() : end + 2;
            for (; i < stop; ++i) {
                if (out[i] != '\n') out[i] = ' ';
            }
            continue;
        }
        if (c == '/' && i + 1 < out.size() && out[i + 1] == '/') {
            while (i < out.size() && out[i] != '\n') out[i++] = ' ';
            continue;
        }
        if (c == '"' || c == '\'') {
            ++i;
            while (i < out.size() && out[i] != c && out[i] != '\n') {
                i += out[i] == '\\' ? 2 : 1;
            }
            ++i;
            continue;
        }
        ++i;
    }
    return out;
}

// The position just past the parenthesis that closes the one at `open`.
std::size_t closing_parenthesis(std::string_view text, std::size_t open) {
    int depth = 0;
    for (std::size_t i = open; i < text.size(); ++i) {
        if (text[i] == '(') ++depth;
        if (text[i] == ')' && --depth == 0) return i + 1;
    }
    return std::string_view::npos;
}

std::string folded_blanks(std::string_view text) {
    std::string out;
    bool blank = false;
    for (char c : text) {
        if (std::isspace(static_cast<unsigned char>(c)) != 0) {
            blank = !out.empty();
            continue;
        }
        if (blank) out += ' ';
        blank = false;
        out += c;
    }
    // No blank inside parentheses or before a comma.
    std::string tidy;
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (out[i] == ' ' && i + 1 < out.size() && (out[i + 1] == ')' || out[i + 1] == ',')) {
            continue;
        }
        if (out[i] == ' ' && !tidy.empty() && tidy.back() == '(') continue;
        tidy += out[i];
    }
    return tidy;
}

// The prototype text of one occurrence of the name at `at` in the cleaned
// text, or nothing.
std::optional<std::string> prototype_at(std::string_view clean, std::size_t at,
                                        std::size_t name_size) {
    std::size_t open = at + name_size;
    while (open < clean.size() && std::isspace(static_cast<unsigned char>(clean[open])) != 0) {
        ++open;
    }
    if (open >= clean.size() || clean[open] != '(') return std::nullopt;
    const std::size_t close = closing_parenthesis(clean, open);
    if (close == std::string_view::npos) return std::nullopt;
    std::size_t after = close;
    while (after < clean.size() && std::isspace(static_cast<unsigned char>(clean[after])) != 0) {
        ++after;
    }
    // A body is a definition, not a prototype; "(", ")" or "[" after the
    // list belong to a declarator around the name.
    if (after >= clean.size() || clean[after] == '{' || clean[after] == '(' ||
        clean[after] == ')' || clean[after] == '[' || clean[after] == ',' || clean[after] == '=') {
        return std::nullopt;
    }
    std::size_t begin = at;
    while (begin > 0 && clean[begin - 1] != ';' && clean[begin - 1] != '}' &&
           clean[begin - 1] != '{') {
        --begin;
    }
    const std::string_view head = clean.substr(begin, at - begin);
    // "(*name)", "(name)": a parenthesised declarator. "," or "=": another
    // declarator shares the declaration.
    for (char c : head) {
        if (c == '(' || c == ')' || c == ',' || c == '=' || c == '"') return std::nullopt;
    }
    std::string text = folded_blanks(clean.substr(begin, close - begin));
    if (text.rfind("extern ", 0) == 0) text.erase(0, 7);
    if (text.size() <= name_size + 2) return std::nullopt;  // no result type
    // A noreturn attribute, wherever the header puts it, becomes the
    // keyword in front: attributes vanish where the C library defines them
    // away, and the stub must not return either.
    const std::size_t end = clean.find(';', close);
    const std::string_view whole =
        clean.substr(begin, (end == std::string_view::npos ? clean.size() : end) - begin);
    if (whole.find("noreturn") != std::string_view::npos &&
        text.find("_Noreturn") == std::string::npos) {
        text.insert(0, "_Noreturn ");
    }
    return text;
}

// Whether the declaration at that line says it does not return, in any
// spelling ("_Noreturn", "__attribute__((noreturn))", a library's own
// PNG_NORETURN): attributes a macro hides from the analysis still reach
// the compiler.
bool declaration_says_noreturn(const std::string& clean, std::size_t at) {
    std::size_t begin = at;
    while (begin > 0 && clean[begin - 1] != ';' && clean[begin - 1] != '}' &&
           clean[begin - 1] != '{') {
        --begin;
    }
    const std::size_t end = clean.find(';', at);
    std::string statement =
        clean.substr(begin, end == std::string::npos ? std::string::npos : end - begin);
    for (char& c : statement) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return statement.find("noreturn") != std::string::npos;
}

}  // namespace

HeaderDeclarations::HeaderDeclarations(std::string_view source)
    : clean_(declarations_only(source)) {
    for (std::size_t i = 0; i < clean_.size(); ++i) {
        if (clean_[i] == '\n') lines_.push_back(i + 1);
    }
}

std::size_t HeaderDeclarations::line_start(long line) const {
    if (line < 1) return 0;
    const auto index = static_cast<std::size_t>(line - 1);
    return index < lines_.size() ? lines_[index] : clean_.size();
}

bool HeaderDeclarations::says_noreturn(long line) const {
    const std::size_t at = line_start(line);
    return at < clean_.size() && declaration_says_noreturn(clean_, at);
}

std::optional<std::string> HeaderDeclarations::prototype_text(std::string_view name,
                                                              long line) const {
    if (name.empty()) return std::nullopt;
    const std::string& clean = clean_;
    // The declaration nearest the line: at it or below (a declaration that
    // starts above the name's line), then above.
    std::optional<std::string> best;
    std::size_t best_distance = std::string::npos;
    const std::size_t near = line_start(line);
    for (std::size_t at = clean.find(name); at != std::string::npos;
         at = clean.find(name, at + 1)) {
        if ((at > 0 && identifier_character(clean[at - 1])) ||
            (at + name.size() < clean.size() && identifier_character(clean[at + name.size()]))) {
            continue;
        }
        std::optional<std::string> text = prototype_at(clean, at, name.size());
        if (!text) continue;
        const std::size_t distance = at >= near ? at - near : near - at;
        if (distance < best_distance) {
            best_distance = distance;
            best = std::move(text);
        }
    }
    return best;
}

std::vector<std::string> split_parameter_list(std::string_view parenthesised) {
    std::vector<std::string> out;
    const std::size_t open = parenthesised.find('(');
    if (open == std::string_view::npos) return out;
    const std::size_t close = closing_parenthesis(parenthesised, open);
    if (close == std::string_view::npos) return out;
    const std::string_view inside = parenthesised.substr(open + 1, close - open - 2);
    int depth = 0;
    std::size_t begin = 0;
    for (std::size_t i = 0; i <= inside.size(); ++i) {
        const char c = i < inside.size() ? inside[i] : ',';
        if (c == '(' || c == '[' || c == '{') ++depth;
        if (c == ')' || c == ']' || c == '}') --depth;
        if (c == ',' && depth == 0) {
            std::string piece(trimmed(inside.substr(begin, i - begin), c_blanks));
            if (!piece.empty() || i < inside.size()) out.push_back(std::move(piece));
            begin = i + 1;
        }
    }
    return out;
}

std::string_view parameter_direction(const TypeNode* type, const TypeTable& table) {
    const TypeNode* resolved = c_resolve_type(type);
    if (resolved == nullptr) return "_in";
    if (resolved->kind == TypeKind::array && c_array_bound(resolved) > 0) {
        return c_is_const(resolved->target) ? "_in" : "_inout";
    }
    if (resolved->kind != TypeKind::pointer && resolved->kind != TypeKind::array) return "_in";
    const TypeNode* target = resolved->target;
    const TypeNode* pointed = c_resolve_type(target);
    if (pointed == nullptr || c_is_const(target)) return "_in";
    switch (pointed->kind) {
        case TypeKind::void_type:
        case TypeKind::function:
            return "_in";
        case TypeKind::struct_type:
        case TypeKind::union_type: {
            // A handle: the unit passes it on and never sees inside.
            const TypeNode* full = pointed->complete ? pointed : c_complete_type(pointed, table);
            return full != nullptr && full->complete ? "_inout" : "_in";
        }
        case TypeKind::array:
            // A pointer to an array of unknown bound cannot be stored.
            return pointed->bound.empty() ? "_in" : "_inout";
        default:
            return "_inout";
    }
}

std::string stub_prototype(const StubSource& source, const TypeTable& table) {
    const Symbol& symbol = *source.symbol;
    const bool no_return =
        symbol.no_return || (source.header != nullptr && source.header->says_noreturn(symbol.line));
    const TypeNode* function = c_resolve_type(symbol.type);
    std::vector<const Parameter*> parameters;
    if (function != nullptr) {
        for (const Parameter& p : function->parameters) {
            if (c_takes_argument(p)) parameters.push_back(&p);
        }
    }
    if (std::optional<std::string> text =
            source.header != nullptr ? source.header->prototype_text(symbol.name, symbol.line)
                                     : std::nullopt) {
        const std::size_t open = text->find('(', text->rfind(symbol.name, text->find('(')));
        std::vector<std::string> pieces =
            split_parameter_list(std::string_view(*text).substr(open));
        if (!pieces.empty() && pieces.back() == "...") pieces.pop_back();
        if (pieces.size() == 1 && pieces[0] == "void") pieces.clear();
        if (pieces.size() == parameters.size()) {
            std::string list;
            for (std::size_t i = 0; i < pieces.size(); ++i) {
                if (i > 0) list += ", ";
                list +=
                    std::string(parameter_direction(parameters[i]->type, table)) + " " + pieces[i];
            }
            if (function != nullptr && function->variadic) list += ", ...";
            if (list.empty()) list = "void";
            const bool keyword = text->find("_Noreturn") != std::string::npos;
            return (no_return && !keyword ? "_Noreturn " : "") + text->substr(0, open) + "(" +
                   list + ");";
        }
    }
    // Written from the analysed type: typedef names and qualifiers are kept,
    // macros are not.
    std::string list;
    for (const Parameter* p : parameters) {
        if (!list.empty()) list += ", ";
        list +=
            std::string(parameter_direction(p->type, table)) + " " + c_type_image(p->type, p->name);
    }
    if (function != nullptr && function->variadic) list += ", ...";
    if (list.empty()) list = "void";
    const std::string declarator = symbol.name + "(" + list + ")";
    if (function == nullptr) return declarator + ";";
    return (no_return ? "_Noreturn " : "") + c_type_image(function->target, declarator) + ";";
}

std::string stub_block_name(std::string_view header) {
    std::string name = stub_file_key(header);
    if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])) != 0) {
        name.insert(0, "h_");
    }
    return name;
}

}  // namespace vx
