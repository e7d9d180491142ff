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

bool is_digit(char c) { return c >= '0' && c <= '9'; }

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

std::string_view trim_blanks(std::string_view text) {
    std::size_t b = skip_blanks(text, 0);
    std::size_t e = text.size();
    while (e > b && is_horizontal_blank(static_cast<unsigned char>(text[e - 1]))) {
        --e;
    }
    return text.substr(b, e - b);
}

// Runs of blanks become one blank; used to compare bodies.
std::string collapse_blanks(std::string_view text) {
    std::string out;
    bool in_blank = false;
    for (char c : trim_blanks(text)) {
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
    explicit BodyBuilder(MacroDefinition& definition) : d_(definition) {}

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
    MacroDefinition& d_;
    std::size_t last_end_ = 0;
    bool raw_next_ = false;
};

int parameter_index(const std::vector<std::string>& names, const MacroDefinition& d,
                    std::string_view word) {
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
std::size_t parse_parameters(std::string_view text, std::size_t i, MacroDefinition& d,
                             std::vector<std::string>& names, MacroReporter& reporter) {
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
            names.emplace_back(text.substr(i, e - i));
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
            names.emplace_back("__VA_ARGS__");
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
bool parse_body(std::string_view text, MacroDefinition& d, const std::vector<std::string>& names,
                MacroReporter& reporter, bool lenient) {
    BodyBuilder body(d);
    text = trim_blanks(text);
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
                p = parameter_index(names, d, text.substr(j, e - j));
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
            int p = function_like ? parameter_index(names, d, text.substr(i, e - i)) : -1;
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

std::size_t MacroIndex::slot_of(std::string_view name, std::uint64_t hash) const {
    if (slots_.empty()) {
        return std::string_view::npos;
    }
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = home(hash);; i = (i + 1) & mask) {
        const Slot& slot = slots_[i];
        if (slot.entry == nullptr) {
            return std::string_view::npos;
        }
        if (slot.hash == hash && slot.entry->name == name) {
            return i;
        }
    }
}

MacroEntry* MacroIndex::find(std::string_view name) const {
    const std::size_t i = slot_of(name, name_hash(name));
    return i == std::string_view::npos ? nullptr : slots_[i].entry;
}

void MacroIndex::grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{});
    const std::size_t mask = slots_.size() - 1;
    for (const Slot& slot : old) {
        if (slot.entry != nullptr) {
            std::size_t i = home(slot.hash);
            while (slots_[i].entry != nullptr) {
                i = (i + 1) & mask;
            }
            slots_[i] = slot;
        }
    }
}

void MacroIndex::assign(MacroEntry* entry) {
    // At most three quarters full: probes stay short.
    if ((used_ + 1) * 4 > slots_.size() * 3) {
        grow();
    }
    const std::uint64_t hash = name_hash(entry->name);
    const std::size_t mask = slots_.size() - 1;
    std::size_t i = home(hash);
    while (slots_[i].entry != nullptr) {
        if (slots_[i].hash == hash && slots_[i].entry->name == entry->name) {
            slots_[i].entry = entry;
            return;
        }
        i = (i + 1) & mask;
    }
    slots_[i] = Slot{hash, entry};
    ++used_;
}

void MacroIndex::erase(std::string_view name) {
    std::size_t hole = slot_of(name, name_hash(name));
    if (hole == std::string_view::npos) {
        return;
    }
    // Each slot after the hole, up to the first empty one, moves into the
    // hole unless its home lies cyclically after the hole and at or before
    // the slot itself (it would then be found no more).
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t j = (hole + 1) & mask; slots_[j].entry != nullptr; j = (j + 1) & mask) {
        const std::size_t from_hole = (j - hole) & mask;
        const std::size_t from_home = (j - home(slots_[j].hash)) & mask;
        if (from_home >= from_hole) {
            slots_[hole] = slots_[j];
            hole = j;
        }
    }
    slots_[hole] = Slot{};
    --used_;
}

void MacroIndex::clear() {
    std::fill(slots_.begin(), slots_.end(), Slot{});
    used_ = 0;
}

MacroEntry* MacroTable::macro_lookup(std::string_view name) const { return index_.find(name); }

void MacroTable::rebuild_index() {
    index_.clear();
    for (const auto& chain : chains_) {
        for (const auto& entry : chain) {
            index_.assign(entry.get());  // the newest of a name comes last
        }
    }
}

MacroEntry& MacroTable::macro_install(std::string_view name, MacroKind kind, long value,
                                      std::unique_ptr<MacroDefinition> definition) {
    auto entry = std::make_unique<MacroEntry>();
    entry->kind = kind;
    entry->name = std::string(name);
    entry->value = value;
    entry->definition = std::move(definition);
    auto& chain = chains_[macro_hash(name)];
    chain.push_back(std::move(entry));
    ++count_;
    MacroEntry& installed = *chain.back();
    index_.assign(&installed);
    return installed;
}

int MacroTable::remove_all(std::string_view name) {
    // The index's key views the name of an entry: it goes first.
    index_.erase(name);
    auto& chain = chains_[macro_hash(name)];
    auto first = std::remove_if(chain.begin(), chain.end(),
                                [&](const auto& entry) { return entry->name == name; });
    int removed = static_cast<int>(chain.end() - first);
    chain.erase(first, chain.end());
    count_ -= static_cast<std::size_t>(removed);
    return removed;
}

void MacroTable::undefine_ordinary() {
    for (auto& chain : chains_) {
        auto first = std::remove_if(chain.begin(), chain.end(), [](const auto& entry) {
            return entry->kind == MacroKind::ordinary || entry->kind == MacroKind::disabled;
        });
        count_ -= static_cast<std::size_t>(chain.end() - first);
        chain.erase(first, chain.end());
    }
    rebuild_index();
}

std::unique_ptr<MacroDefinition> parse_macro_definition(std::string_view text, std::string& name,
                                                        MacroReporter& reporter, bool lenient) {
    std::size_t i = skip_blanks(text, 0);
    if (i >= text.size() || !is_identifier_start(static_cast<unsigned char>(text[i]))) {
        reporter.macro_report(Severity::warning, msg::INVAMACRO, trim_blanks(text));
        return nullptr;
    }
    std::size_t e = identifier_end(text, i);
    name = std::string(text.substr(i, e - i));
    if (name == "defined") {
        reporter.macro_report(Severity::warning, msg::INVDEFINE, name);
        return nullptr;
    }
    auto d = std::make_unique<MacroDefinition>();
    std::vector<std::string> names;
    i = e;
    if (i < text.size() && (text[i] == '(' || text[i] == '[')) {
        d->open = text[i];
        d->close = text[i] == '(' ? ')' : ']';
        i = parse_parameters(text, i + 1, *d, names, reporter);
        if (i == std::string_view::npos) {
            return nullptr;
        }
        for (std::size_t n = 0; n < names.size(); ++n) {
            if (n > 0) {
                d->parameter_names += ", ";
            }
            d->parameter_names += names[n];
        }
    }
    if (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
        ++i;
    }
    if (!parse_body(text.substr(i), *d, names, reporter, lenient)) {
        return nullptr;
    }
    return d;
}

void MacroTable::macro_define(std::string_view line_text, MacroReporter& reporter, bool lenient) {
    std::string name;
    std::unique_ptr<MacroDefinition> d = parse_macro_definition(line_text, name, reporter, lenient);
    if (!d) {
        return;
    }
    if (MacroEntry* old = macro_lookup(name)) {
        bool quiet = old->kind == MacroKind::constant ||
                     ((old->kind == MacroKind::ordinary || old->kind == MacroKind::disabled) &&
                      old->definition && same_definition(*old->definition, *d));
        if (!quiet) {
            reporter.macro_report(Severity::warning, msg::IDENREDEF, name);
        }
        remove_all(name);
    }
    macro_install(name, MacroKind::ordinary, 0, std::move(d));
}

void MacroTable::macro_undefine(std::string_view line_text, MacroReporter& reporter) {
    std::size_t i = skip_blanks(line_text, 0);
    std::size_t e = identifier_end(line_text, i);
    if (e == i || !is_identifier_start(static_cast<unsigned char>(line_text[i]))) {
        reporter.macro_report(Severity::warning, msg::INVAMACRO, trim_blanks(line_text));
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
        out.append(d.body, at, p.literal_length);
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
    out.append(d.body, at, std::string::npos);
    return out;
}

}  // namespace vx
