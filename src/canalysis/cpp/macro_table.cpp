// The macro table and the parsing of "#define" and "#undef".
//
// A definition is read in one pass over the directive text: the name, the
// parameter list when "(" or "[" follows the name at once, then the body.
// While the body is copied, every identifier that names a parameter is cut
// out and becomes a substitution point; "#" and "#@" before a parameter make
// it stringised or character-ised, "##" swallows the blanks around it and
// marks its neighbours raw. Anything malformed is reported and the whole
// definition is dropped, leaving the table as it was.
#include "canalysis/cpp/macro_table.h"

#include "canalysis/cpp/cpp_text.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>

namespace vx {

namespace {

std::size_t skip_blanks(std::string_view text, std::size_t i) {
    while (i < text.size() && is_horizontal_blank(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i;
}

std::size_t identifier_end(std::string_view text, std::size_t i) {
    while (i < text.size() && is_identifier_char(static_cast<unsigned char>(text[i]))) {
        ++i;
    }
    return i;
}

// Runs of blanks become one blank; used to compare bodies.
std::string collapse_blanks(std::string_view text) {
    std::string out;
    bool in_blank = false;
    for (char c : trimmed(text, c_line_blanks)) {
        if (is_horizontal_blank(static_cast<unsigned char>(c)) || c == '\n') {
            in_blank = true;
            continue;
        }
        if (in_blank) {
            out += ' ';
            in_blank = false;
        }
        out += c;
    }
    return out;
}

class BodyBuilder {
public:
    explicit BodyBuilder(MacroDraft& definition) : d_(definition) {}

    void literal(std::string_view text) {
        if (text.empty()) {
            return;
        }
        d_.body.append(text);
        raw_next_ = false;
    }
    void point(int parameter, bool stringise, bool charise) {
        SubstitutionPoint p;
        p.parameter = parameter;
        p.literal_length = d_.body.size() - last_end_;
        p.stringise = stringise;
        p.charise = charise;
        p.raw_before = raw_next_;
        raw_next_ = false;
        last_end_ = d_.body.size();
        d_.points.push_back(p);
    }
    // "##": the blanks before it go; a parameter right before it is raw.
    void paste() {
        while (d_.body.size() > last_end_ &&
               is_horizontal_blank(static_cast<unsigned char>(d_.body.back()))) {
            d_.body.pop_back();
        }
        if (!d_.points.empty() && d_.body.size() == last_end_) {
            d_.points.back().raw_after = true;
        }
        raw_next_ = true;
    }
    void finish() {
        while (d_.body.size() > last_end_ &&
               is_horizontal_blank(static_cast<unsigned char>(d_.body.back()))) {
            d_.body.pop_back();
        }
    }

private:
    MacroDraft& d_;
    std::size_t last_end_ = 0;
    bool raw_next_ = false;
};

int parameter_index(const MacroDraft& d, std::string_view word) {
    const std::vector<std::string_view>& names = d.names;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == word) {
            // The anonymous "..." is reached only through __VA_ARGS__.
            if (d.variadic == VariadicForm::anonymous && i + 1 == names.size()) {
                continue;
            }
            return static_cast<int>(i);
        }
    }
    if (d.variadic == VariadicForm::anonymous && word == "__VA_ARGS__") {
        return static_cast<int>(names.size()) - 1;
    }
    return -1;
}

// Reads the parameter list from just after the opening character; returns
// the position after the closing character, or npos when dropped.
std::size_t parse_parameters(std::string_view text, std::size_t i, MacroDraft& d,
                             MacroReporter& reporter) {
    std::vector<std::string_view>& names = d.names;
    i = skip_blanks(text, i);
    if (i < text.size() && text[i] == d.close) {
        d.parameter_count = 0;
        return i + 1;
    }
    // The end of the "..." at `at`; npos, reported, for any other run of
    // dots.
    auto ellipsis_end = [&](std::size_t at) {
        std::size_t dots = at;
        while (dots < text.size() && text[dots] == '.') {
            ++dots;
        }
        if (dots - at != 3) {
            reporter.macro_report(Severity::warning, msg::BADPARDEF, "\"...\" expected");
            return std::string_view::npos;
        }
        return dots;
    };
    while (true) {
        i = skip_blanks(text, i);
        if (i >= text.size()) {
            reporter.macro_report(Severity::warning, msg::UNTPARDEF, text);
            return std::string_view::npos;
        }
        if (d.variadic != VariadicForm::none) {
            reporter.macro_report(Severity::warning, msg::BADPARDEF,
                                  "another parameter follow \"...\"");
            return std::string_view::npos;
        }
        unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == ',' || c == static_cast<unsigned char>(d.close)) {
            reporter.macro_report(Severity::warning, msg::BADPARDEF, text.substr(i));
            return std::string_view::npos;
        }
        if (is_identifier_start(c)) {
            std::size_t e = identifier_end(text, i);
            names.push_back(text.substr(i, e - i));
            i = skip_blanks(text, e);
            if (i < text.size() && text[i] == '.') {
                std::size_t dots = ellipsis_end(i);
                if (dots == std::string_view::npos) {
                    return dots;
                }
                d.variadic = VariadicForm::named;
                i = skip_blanks(text, dots);
            }
        } else if (c == '.') {
            std::size_t dots = ellipsis_end(i);
            if (dots == std::string_view::npos) {
                return dots;
            }
            names.push_back("__VA_ARGS__");
            d.variadic = VariadicForm::anonymous;
            i = skip_blanks(text, dots);
        } else {
            reporter.macro_report(Severity::warning, msg::PARASTART, text.substr(i));
            return std::string_view::npos;
        }
        if (i >= text.size()) {
            reporter.macro_report(Severity::warning, msg::UNTPARDEF, text);
            return std::string_view::npos;
        }
        if (text[i] == d.close) {
            d.parameter_count = static_cast<int>(names.size());
            return i + 1;
        }
        if (text[i] != ',') {
            reporter.macro_report(Severity::warning, msg::BADPARDEF, text.substr(i));
            return std::string_view::npos;
        }
        ++i;
        if (d.variadic != VariadicForm::none) {
            std::size_t next = skip_blanks(text, i);
            if (next < text.size() && text[next] != d.close) {
                reporter.macro_report(Severity::warning, msg::BADPARDEF,
                                      "another parameter follow \"...\"");
                return std::string_view::npos;
            }
        }
    }
}

// Reads the body; false when dropped.
bool parse_body(std::string_view text, MacroDraft& d, MacroReporter& reporter, bool lenient) {
    BodyBuilder body(d);
    text = trimmed(text, c_line_blanks);
    std::size_t i = 0;
    const bool function_like = d.function_like();
    while (i < text.size()) {
        char c = text[i];
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            std::size_t end = text.find("*/", i + 2);
            i = end == std::string_view::npos ? text.size() : end + 2;
            if (!lenient) {
                body.literal(" ");
            }
            continue;
        }
        if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            break;
        }
        if (c == '"' || c == '\'') {
            std::size_t e = quotation_end(text, i, c_line_quote_rules);
            body.literal(text.substr(i, e - i));
            i = e;
            continue;
        }
        if (c == '\\' && i + 1 < text.size() && text[i + 1] == '#') {
            body.literal("#");
            i += 2;
            continue;
        }
        if (c == '#' && i + 1 < text.size() && text[i + 1] == '#') {
            body.paste();
            i = skip_blanks(text, i + 2);
            continue;
        }
        if (c == '#' && function_like) {
            bool charise = i + 1 < text.size() && text[i + 1] == '@';
            std::size_t j = skip_blanks(text, i + (charise ? 2 : 1));
            std::size_t e = identifier_end(text, j);
            int p = -1;
            if (e > j && is_identifier_start(static_cast<unsigned char>(text[j]))) {
                p = parameter_index(d, text.substr(j, e - j));
            }
            if (p < 0) {
                reporter.macro_report(Severity::warning, msg::OPERMACRO, text.substr(i));
                return false;
            }
            body.point(p, !charise, charise);
            i = e;
            continue;
        }
        if (is_digit(c) || (c == '.' && i + 1 < text.size() && is_digit(text[i + 1]))) {
            std::size_t e = number_end(text, i);
            body.literal(text.substr(i, e - i));
            i = e;
            continue;
        }
        if (is_identifier_start(static_cast<unsigned char>(c))) {
            std::size_t e = identifier_end(text, i);
            int p = function_like ? parameter_index(d, text.substr(i, e - i)) : -1;
            if (p >= 0) {
                body.point(p, false, false);
            } else {
                body.literal(text.substr(i, e - i));
            }
            i = e;
            continue;
        }
        body.literal(text.substr(i, 1));
        ++i;
    }
    body.finish();
    return true;
}

bool same_definition(const MacroDefinition& a, const MacroDefinition& b) {
    // Rebuilt as text only when the shapes agree: a redefinition is rare.
    return a.parameter_count == b.parameter_count && a.parameter_names == b.parameter_names &&
           a.open == b.open &&
           collapse_blanks(macro_definition_text(a)) == collapse_blanks(macro_definition_text(b));
}

}  // namespace

std::uint32_t macro_hash(std::string_view name) {
    std::uint32_t h = 0;
    for (char c : name) {
        h = h * 4 + static_cast<unsigned char>(c);
    }
    return (h & 0x7fffffffu) % macro_chain_count;
}

void MacroDraft::reset() {
    parameter_count = -1;
    parameter_names.clear();
    body.clear();
    open = 0;
    close = 0;
    variadic = VariadicForm::none;
    points.clear();
    names.clear();
}

MacroDefinition MacroDraft::view() const {
    MacroDefinition d;
    d.parameter_count = parameter_count;
    d.parameter_names = parameter_names;
    d.body = body;
    d.open = open;
    d.close = close;
    d.variadic = variadic;
    d.points = points;
    return d;
}

MacroEntry* MacroTable::macro_lookup(std::string_view name) const {
    const InternedName* interned = names_.find(name);
    return interned == nullptr ? nullptr : newest_[interned->id];
}

MacroEntry& MacroTable::macro_install(std::string_view name, MacroKind kind, long value) {
    MacroEntry* entry;
    if (spare_entries_.empty()) {
        entry = &entries_.make();
    } else {
        entry = spare_entries_.back();
        spare_entries_.pop_back();
    }
    const InternedName& interned = names_.intern(name);
    entry->kind = kind;
    entry->name = interned.text;
    entry->name_id = interned.id;
    entry->value = value;
    entry->definition.reset();
    chains_[macro_hash(name)].push_back(entry);
    if (newest_.size() <= interned.id) {
        newest_.resize(names_.size(), nullptr);
    }
    newest_[interned.id] = entry;
    ++count_;
    return *entry;
}

template <typename Gone>
std::size_t MacroTable::drop_entries(std::vector<MacroEntry*>& chain, Gone gone) {
    auto first = std::stable_partition(chain.begin(), chain.end(),
                                       [&](const MacroEntry* entry) { return !gone(*entry); });
    const std::size_t dropped = static_cast<std::size_t>(chain.end() - first);
    // A spare entry is made anew, definition and all, when it is taken.
    spare_entries_.insert(spare_entries_.end(), first, chain.end());
    chain.erase(first, chain.end());
    count_ -= dropped;
    return dropped;
}

int MacroTable::remove_all(std::string_view name) {
    const InternedName* interned = names_.find(name);
    if (interned == nullptr || newest_[interned->id] == nullptr) {
        return 0;
    }
    const std::uint32_t id = interned->id;
    newest_[id] = nullptr;
    return static_cast<int>(drop_entries(
        chains_[macro_hash(name)], [id](const MacroEntry& entry) { return entry.name_id == id; }));
}

void MacroTable::undefine_ordinary() {
    for (auto& chain : chains_) {
        drop_entries(chain, [](const MacroEntry& entry) {
            return entry.kind == MacroKind::ordinary || entry.kind == MacroKind::disabled;
        });
    }
    std::fill(newest_.begin(), newest_.end(), nullptr);
    for (const auto& chain : chains_) {
        for (MacroEntry* entry : chain) {
            newest_[entry->name_id] = entry;  // the newest of a name comes last
        }
    }
    // No definition is left to view the texts.
    texts_.clear();
}

bool parse_macro_definition(std::string_view text, std::string_view& name, MacroDraft& d,
                            MacroReporter& reporter, bool lenient) {
    d.reset();
    std::size_t i = skip_blanks(text, 0);
    if (i >= text.size() || !is_identifier_start(static_cast<unsigned char>(text[i]))) {
        reporter.macro_report(Severity::warning, msg::INVAMACRO, trimmed(text, c_line_blanks));
        return false;
    }
    std::size_t e = identifier_end(text, i);
    name = text.substr(i, e - i);
    if (name == "defined") {
        reporter.macro_report(Severity::warning, msg::INVDEFINE, name);
        return false;
    }
    i = e;
    if (i < text.size() && (text[i] == '(' || text[i] == '[')) {
        d.open = text[i];
        d.close = text[i] == '(' ? ')' : ']';
        i = parse_parameters(text, i + 1, d, reporter);
        if (i == std::string_view::npos) {
            return false;
        }
        for (std::size_t n = 0; n < d.names.size(); ++n) {
            if (n > 0) {
                d.parameter_names += ", ";
            }
            d.parameter_names += d.names[n];
        }
    }
    if (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    return parse_body(text.substr(i), d, reporter, lenient);
}

void MacroTable::macro_define(std::string_view line_text, MacroReporter& reporter, bool lenient) {
    std::string_view name;
    if (!parse_macro_definition(line_text, name, draft_, reporter, lenient)) {
        return;
    }
    const MacroDefinition read = draft_.view();
    if (MacroEntry* old = macro_lookup(name)) {
        bool quiet = old->kind == MacroKind::constant ||
                     ((old->kind == MacroKind::ordinary || old->kind == MacroKind::disabled) &&
                      old->definition && same_definition(*old->definition, read));
        if (!quiet) {
            reporter.macro_report(Severity::warning, msg::IDENREDEF, name);
        }
        remove_all(name);
    }
    MacroDefinition kept = read;
    kept.parameter_names = texts_.copy(read.parameter_names);
    kept.body = texts_.copy(read.body);
    kept.points = texts_.copy(read.points);
    macro_install(name, MacroKind::ordinary, 0).definition = kept;
}

void MacroTable::macro_undefine(std::string_view line_text, MacroReporter& reporter) {
    std::size_t i = skip_blanks(line_text, 0);
    std::size_t e = identifier_end(line_text, i);
    if (e == i || !is_identifier_start(static_cast<unsigned char>(line_text[i]))) {
        reporter.macro_report(Severity::warning, msg::INVAMACRO, trimmed(line_text, c_line_blanks));
        return;
    }
    std::string_view name = line_text.substr(i, e - i);
    if (name == "defined") {
        reporter.macro_report(Severity::warning, msg::UNDEFININ, name);
        return;
    }
    if (MacroEntry* entry = macro_lookup(name)) {
        if (entry->kind != MacroKind::ordinary && entry->kind != MacroKind::constant &&
            entry->kind != MacroKind::disabled) {
            reporter.macro_report(Severity::warning, msg::UNDEFININ, name);
        }
        remove_all(name);
    }
}

std::string macro_definition_text(const MacroDefinition& d) {
    std::vector<std::string> names;
    {
        std::string_view all = d.parameter_names;
        while (!all.empty()) {
            std::size_t comma = all.find(", ");
            names.emplace_back(all.substr(0, comma));
            all = comma == std::string_view::npos ? std::string_view{} : all.substr(comma + 2);
        }
    }
    std::string out;
    if (d.function_like()) {
        out += d.open;
        out += d.parameter_names;
        if (d.variadic == VariadicForm::named) {
            out += "...";
        }
        if (d.variadic == VariadicForm::anonymous && !out.empty()) {
            out.replace(out.size() - std::string_view("__VA_ARGS__").size(),
                        std::string_view("__VA_ARGS__").size(), "...");
        }
        out += d.close;
        out += ' ';
    }
    std::size_t at = 0;
    for (const SubstitutionPoint& p : d.points) {
        out.append(d.body.substr(at, p.literal_length));
        at += p.literal_length;
        if (p.raw_before) {
            out += "##";
        }
        if (p.stringise) {
            out += '#';
        }
        if (p.charise) {
            out += "#@";
        }
        out += p.parameter >= 0 && static_cast<std::size_t>(p.parameter) < names.size()
                   ? names[static_cast<std::size_t>(p.parameter)]
                   : std::string("?");
        if (p.raw_after) {
            out += "##";
        }
    }
    out.append(d.body.substr(std::min(at, d.body.size())));
    return out;
}

}  // namespace vx
