// VAR, ARRAY and STR statements.
//
// A statement is "variable, [type,] clause, clause ...". The text is cut
// at top-level commas. When the second piece begins with a clause keyword
// the type comes from the C declarations of the variable, otherwise the
// second piece is an explicit type. Each clause starts with its keyword
// (DELTA, INIT, MAX, MIN, VA or EV, in any script language) and runs to
// the next top-level comma. After the clauses the item is checked as a
// whole (EV against MIN / MAX, the kind against the clauses, links to
// earlier variables, the per-test limits) and its records are appended to
// the list. An aggregate variable expanded by the C declarations gives one
// record per scalar component, its INIT and EV brace lists split over the
// components.
#include "script/statements/variable_statement.h"

#include "diag/catalogue.h"
#include "diag/reporter.h"
#include "support/languages.h"
#include "support/numbers.h"
#include "support/text.h"
#include "support/text_scanner.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace vx {

namespace {

bool french(int script_language) { return script_language != script_language_gb; }

bool starts_with_word(std::string_view upper, std::string_view word) {
    if (upper.substr(0, word.size()) != word) {
        return false;
    }
    if (upper.size() == word.size()) {
        return true;
    }
    const char next = upper[word.size()];
    return !(std::isalnum(static_cast<unsigned char>(next)) || next == '_');
}

std::string_view after(std::string_view text, std::size_t n) { return trimmed(text.substr(n)); }

// The leading identifier of a clause, upper-cased.
std::string clause_keyword(std::string_view text) {
    std::size_t n = 0;
    while (n < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[n])) || text[n] == '_')) {
        ++n;
    }
    return upper_copy(text.substr(0, n));
}

constexpr std::string_view clause_keywords[] = {"DELTA", "INIT", "MAX", "MIN", "VA", "EV"};

bool is_clause_keyword(std::string_view word) {
    return std::find(std::begin(clause_keywords), std::end(clause_keywords), word) !=
           std::end(clause_keywords);
}

// A piece that begins with no clause word, as a message shows it: with the
// clause words near its first word ("INTI = 2 (INIT)"), or with every
// clause word when none is near.
std::string with_fitting_clause_words(std::string_view piece) {
    const std::string word = clause_keyword(piece);
    std::string near;
    std::string all;
    for (std::string_view keyword : clause_keywords) {
        all += (all.empty() ? "" : ", ") + std::string(keyword);
        if (!word.empty() && spelt_near(word, keyword)) {
            near += (near.empty() ? "" : ", ") + std::string(keyword);
        }
    }
    return std::string(piece) + " (" + (near.empty() ? all : near) + ")";
}

bool strict_integer(std::string_view text, long long& value) {
    return integer_constant(trimmed(text), value);
}

bool is_pointer(VariableKind k) {
    return k == VariableKind::pointer || k == VariableKind::function_pointer;
}

// The text of a preprocessed value or expression: its lines joined, the
// line markers ("#line 12 \"s.ptu\"") the preprocessor writes when the
// text does not follow the last one it read dropped.
std::string without_line_markers(std::string_view output) {
    std::string out;
    std::size_t at = 0;
    while (at < output.size()) {
        std::size_t end = output.find('\n', at);
        if (end == std::string_view::npos) end = output.size();
        const std::string_view line_text = trimmed(output.substr(at, end - at));
        if (!line_text.empty() && line_text.front() != '#') {
            if (!out.empty()) out += ' ';
            out += line_text;
        }
        at = end + 1;
    }
    while (!out.empty() && (out.back() == '\r' || is_blank(out.back()))) out.pop_back();
    return out;
}

}  // namespace

std::string without_unnamed_structures(std::string_view expression, std::string_view prefix) {
    std::string out;
    out.reserve(expression.size());
    std::size_t i = 0;
    while (i < expression.size()) {
        const bool component_start = i == 0 || expression[i - 1] == '.' || expression[i - 1] == '>';
        if (component_start && !prefix.empty() && expression.substr(i, prefix.size()) == prefix) {
            std::size_t j = i + prefix.size();
            std::size_t digits = j;
            while (j < expression.size() &&
                   std::isdigit(static_cast<unsigned char>(expression[j]))) {
                ++j;
            }
            if (j > digits && j < expression.size() && expression[j] == '.') {
                i = j + 1;
                continue;
            }
        }
        out += expression[i++];
    }
    return out;
}

struct VariableStatementParser::Item {
    VariableClause clause;
    const VariableContext* context = nullptr;
    int tested_language = 3;
    bool c_family = true;
    std::string text;    // the whole item, for messages
    bool array = false;  // the variable is an array (of scalars or aggregates)
    bool seen_init = false, seen_ev = false, seen_min = false, seen_max = false, seen_delta = false;
    // With C analysis: the variable expression as the declarations are
    // searched with it (macros expanded), and how its components are walked.
    std::string lookup;
    ComponentWalk walk = ComponentWalk::none;
};

VariableStatementParser::VariableStatementParser(Reporter& reporter, const ScriptOptions& options,
                                                 NativeAnalysis& native,
                                                 const ScriptConstants* constants)
    : reporter_(reporter), options_(options), native_(native), constants_(constants) {}

void VariableStatementParser::begin_test() {
    dynamic_initialisations_ = 0;
    ev_in_checks_ = 0;
    test_variables_.clear();
}

void VariableStatementParser::begin_element() { test_variables_.clear(); }

bool VariableStatementParser::count_environment_record(const VariableClause& c) {
    const bool dynamic = c.init_in || c.init_from;
    if (dynamic && dynamic_initialisations_ + 1 > dynamic_initialisation_limit) {
        reporter_.error(msg::NBINITDYN, c.variable);
        return false;
    }
    if (c.ev_in && ev_in_checks_ + 1 > ev_in_limit) {
        reporter_.error(msg::NBVAINOVE, c.variable);
        return false;
    }
    if (dynamic) ++dynamic_initialisations_;
    if (c.ev_in) ++ev_in_checks_;
    return true;
}

VariableKind VariableStatementParser::explicit_kind(std::string_view type_text) const {
    std::string t;
    for (char c : type_text) {
        if (!is_blank(c)) t += lower_char(c);
    }
    if (t.empty()) return VariableKind::unknown;
    if (t.find("(*)") != std::string::npos) return VariableKind::function_pointer;
    // Plain char is text; signed and unsigned char are bytes (small
    // integers), as the model of C values says.
    if (t == "char*" || t == "constchar*") {
        return VariableKind::string_pointer;
    }
    if (t.back() == '*' || t == "pointer" || t == "access" || t == "address") {
        return VariableKind::pointer;
    }
    if (t.rfind("char[", 0) == 0 || t == "string") return VariableKind::string;
    if (t.rfind("enum", 0) == 0) return VariableKind::enumeration;
    if (t == "_bool" || t == "bool" || t == "boolean") return VariableKind::boolean;
    if (t == "char" || t == "character") {
        return VariableKind::character;
    }
    if (t == "signedchar" || t == "unsignedchar") return VariableKind::integer;
    if (t == "float" || t == "double" || t == "longdouble" || t == "real")
        return VariableKind::real;
    if (t == "bit") return VariableKind::bit;
    static constexpr std::string_view integers[] = {"int",
                                                    "signed",
                                                    "unsigned",
                                                    "short",
                                                    "long",
                                                    "shortint",
                                                    "longint",
                                                    "unsignedint",
                                                    "unsignedshort",
                                                    "unsignedlong",
                                                    "longlong",
                                                    "unsignedlonglong",
                                                    "signedint",
                                                    "shortunsigned",
                                                    "longunsigned",
                                                    "unsignedshortint",
                                                    "unsignedlongint",
                                                    "longlongint",
                                                    "integer",
                                                    "natural",
                                                    "positive",
                                                    "size_t"};
    for (std::string_view name : integers) {
        if (t == name) return VariableKind::integer;
    }
    if (t.rfind("int", 0) == 0 || t.rfind("uint", 0) == 0) {
        // int8_t, uint32_t and the like
        if (t.size() > 2 && t.substr(t.size() - 2) == "_t") return VariableKind::integer;
    }
    if (auto known = native_.base_type(type_text); known.has_value() && *known) {
        return VariableKind::integer;
    }
    return VariableKind::unknown;
}

// A clause value: preprocessed with C analysis, checked by the script
// expression analyser without it. Aggregates (brace or bracket lists) are
// kept as written.
bool VariableStatementParser::value(Item& item, std::string_view text, unsigned mode,
                                    std::string& out) {
    text = trimmed(text);
    if (options_.analysis_enabled) {
        out =
            without_line_markers(native_.preprocess(text, item.context->file, item.context->line));
        out = c_with_unsigned_suffix(out);
        return true;
    }
    out = std::string(text);
    if (!text.empty() && (text.front() == '{' || text.front() == '[')) {
        return true;
    }
    ScriptExpressionAnalyser analyser(reporter_, constants_);
    ScriptValue result;
    return analyser.analyse_script_expression(text, item.tested_language,
                                              item.context->script_language, mode, 0, result);
}

bool VariableStatementParser::parse_list(Item& item, std::string_view text, bool init,
                                         std::string& joined, int& count) {
    MessageCode code = init ? msg::LISTEINIT : msg::LISTEVAIN;
    text = trimmed(text);
    if (text.size() < 3) {
        reporter_.error(code, text);
        return false;
    }
    char close = 0;
    if (text.front() == '[') {
        close = ']';
    } else if (options_.analysis_enabled && item.c_family && text.front() == '{') {
        close = '}';
    } else if (options_.analysis_enabled && item.tested_language == tested_language_ada &&
               text.front() == '(') {
        close = ')';
    }
    if (close == 0 || text.back() != close) {
        reporter_.error(code, text);
        return false;
    }
    const std::string_view inner = text.substr(1, text.size() - 2);
    joined.clear();
    count = 0;
    for (std::string_view piece : split_top_level(inner, item.c_family)) {
        if (!options_.analysis_enabled && !piece.empty() && piece.front() == '[') {
            reporter_.error(
                code, translate("Error Parameter", ": array are forbidden in list: %1").arg(piece));
            return false;
        }
        if (init &&
            (is_pointer(item.clause.kind) || item.clause.kind == VariableKind::string_pointer)) {
            const std::string upper = upper_copy(piece);
            if (upper == "NONIL" || upper == "NONILFUNC") {
                reporter_.error(msg::POINTINIT, "INIT");
                return false;
            }
        }
        std::string v;
        if (!value(item, piece, 0, v)) {
            return false;
        }
        if (count > 0) joined += ',';
        joined += v;
        ++count;
    }
    return true;
}

bool VariableStatementParser::parse_range(Item& item, std::string_view argument) {
    VariableClause& c = item.clause;
    const bool fr = french(item.context->script_language);
    const std::string upper = upper_copy(argument) + " ";
    const std::string_view start_word = fr ? "DE" : "FROM";
    if (!starts_with_word(upper, start_word)) {
        reporter_.error(msg::EGALABSEN, "INIT");
        return false;
    }
    const std::string_view end_word = fr ? " A " : " TO ";
    const std::size_t end_at = upper.find(end_word, start_word.size());
    if (end_at == std::string::npos) {
        reporter_.error(msg::TOATTENDU);
        return false;
    }
    const std::string text = std::string(argument) + " ";
    const std::string_view start_value =
        trimmed(std::string_view(text).substr(start_word.size(), end_at - start_word.size()));
    struct Word {
        std::string_view french, english;
        InitFromKind kind;
    };
    static constexpr Word words[] = {{" INCREMENT ", " STEP ", InitFromKind::step},
                                     {" NB_VALEUR ", " NB_VALUE ", InitFromKind::count},
                                     {" NB_VALEURS ", " NB_TIMES ", InitFromKind::count},
                                     {" NB_HASARD ", " NB_RANDOM ", InitFromKind::random}};
    const std::size_t rest_at = end_at + end_word.size() - 1;
    std::size_t word_at = std::string::npos;
    std::size_t word_size = 0;
    for (const Word& w : words) {
        const std::string_view word = fr ? w.french : w.english;
        const std::size_t at = upper.find(word, rest_at);
        if (at != std::string::npos) {
            word_at = at;
            word_size = word.size();
            c.init_from_kind = w.kind;
            break;
        }
    }
    if (word_at == std::string::npos) {
        reporter_.error(msg::STIMDOMAT);
        return false;
    }
    const std::string_view end_value =
        trimmed(std::string_view(text).substr(rest_at, word_at - rest_at));
    std::string_view count_text = trimmed(std::string_view(text).substr(word_at + word_size - 1));
    if (c.init_from_kind == InitFromKind::random) {
        const std::string_view bounds = fr ? "BORNES" : "BOUNDS";
        const std::string count_upper = upper_copy(count_text);
        const std::size_t plus = count_upper.rfind('+');
        const std::size_t bounds_at = count_upper.rfind(bounds);
        if (plus != std::string::npos &&
            trimmed(std::string_view(count_upper).substr(plus + 1)) == bounds) {
            count_text = trimmed(count_text.substr(0, plus));
            if (count_text.empty()) {
                reporter_.error(msg::VALHASARD, "");
                return false;
            }
            c.init_from_kind = InitFromKind::random_bounds;
        } else if (bounds_at != std::string::npos &&
                   bounds_at + bounds.size() == count_upper.size()) {
            reporter_.error(msg::PLUSBOUND);
            return false;
        }
    }
    if (start_value.empty() || end_value.empty()) {
        reporter_.error(msg::STX_ERRRA, argument);
        return false;
    }
    long long n = 0;
    bool literal = strict_integer(count_text, n);
    if (!literal && !count_text.empty() && c.init_from_kind != InitFromKind::step &&
        options_.analysis_enabled) {
        // A macro that stands for a number gives that number.
        std::string expanded;
        literal = value(item, count_text, 0, expanded) && strict_integer(expanded, n);
    }
    const long long minimum = c.init_from_kind == InitFromKind::count ? 2 : 1;
    if (c.init_from_kind != InitFromKind::step &&
        (count_text.empty() || (literal && n < minimum))) {
        reporter_.error(msg::INTSUPEUN, count_text);
        return false;
    }
    if (c.init_from_kind != InitFromKind::step && !literal) {
        // The harness is built with that many values (the table of random
        // values, the spacing of the repeated ones): a count only the run
        // knows cannot be generated.
        reporter_.error(msg::FOR_CONST, count_text);
        return false;
    }
    c.init_count = 0;
    if (c.init_from_kind != InitFromKind::step && literal) {
        if (c.init_from_kind != InitFromKind::count && n > random_count_limit) {
            reporter_.error(msg::VALUEINCO, "(1<nb_random<256)");
            n = random_count_default;
        }
        c.init_count =
            static_cast<int>(n) + (c.init_from_kind == InitFromKind::random_bounds ? 2 : 0);
    }
    std::string from, to, step;
    if (!value(item, start_value, 0, from) || !value(item, end_value, 0, to) ||
        (c.init_from_kind == InitFromKind::step && !value(item, count_text, 0, step))) {
        return false;
    }
    if (c.init_from_kind != InitFromKind::step) step = std::string(count_text);
    if (step.empty()) {
        reporter_.error(msg::STIMDOMAT);
        return false;
    }
    long double first = 0, last = 0, increment = 0;
    if (c.init_from_kind == InitFromKind::step && real_constant(step, increment)) {
        // The loop would never reach its end: a zero step, or a step that
        // goes down a range that goes up (a range that goes down takes
        // its step either way).
        const bool rising = real_constant(from, first) && real_constant(to, last) && first <= last;
        if (increment == 0 || (increment < 0 && rising)) {
            reporter_.error(msg::INCREMENT, step);
            return false;
        }
    }
    c.init_from = true;
    c.init_value = from + "," + to + "," + step;
    return true;
}

bool VariableStatementParser::parse_init(Item& item, std::string_view a) {
    VariableClause& c = item.clause;
    a = trimmed(a);
    if (a.empty()) {
        reporter_.error(msg::EGALABSEN, "INIT");
        return false;
    }
    c.init = true;
    const std::string upper = upper_copy(a);
    if (upper.rfind("==", 0) == 0) {
        c.init_double_equal = true;
        if (after(a, 2).empty()) {
            reporter_.error(msg::INITABSEN, c.variable);
            return false;
        }
        return value(item, after(a, 2), 0, c.init_value);
    }
    if (upper.front() == '=') {
        if (after(a, 1).empty()) {
            reporter_.error(msg::INITABSEN, c.variable);
            return false;
        }
        return value(item, after(a, 1), 0, c.init_value);
    }
    if (starts_with_word(upper, "DANS") || starts_with_word(upper, "IN")) {
        c.init_in = true;
        return parse_list(item, after(a, upper[0] == 'D' ? 4 : 2), true, c.init_value,
                          c.init_count);
    }
    if (upper.front() == '(') {
        return parse_linked(item, a, true, c.init_link, c.init_in, c.init_with, c.init_value,
                            c.init_count);
    }
    return parse_range(item, a);
}

// The linked forms of INIT and EV: "(" link ")" followed by a list
// (DANS / IN) or by values (AVEC / WITH).
bool VariableStatementParser::parse_linked(Item& item, std::string_view a, bool init,
                                           std::string& link, bool& in, bool& with,
                                           std::string& values, int& count) {
    int depth = 0;
    std::size_t close = std::string::npos;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] == '(') ++depth;
        if (a[i] == ')' && --depth == 0) {
            close = i;
            break;
        }
    }
    if (close == std::string::npos) {
        reporter_.error(msg::STX_ERRRA, a);
        return false;
    }
    link = std::string(trimmed(a.substr(1, close - 1)));
    const std::string_view rest = after(a, close + 1);
    const std::string rest_upper = upper_copy(rest);
    if (starts_with_word(rest_upper, "DANS") || starts_with_word(rest_upper, "IN")) {
        in = true;
        return parse_list(item, after(rest, rest_upper[0] == 'D' ? 4 : 2), init, values, count);
    }
    if (starts_with_word(rest_upper, "AVEC") || starts_with_word(rest_upper, "WITH")) {
        with = true;
        const std::string_view list = after(rest, 4);
        if (list.empty()) {
            reporter_.error(msg::STX_ERRRA, a);
            return false;
        }
        // An expected list is read, counted and recorded as an IN list is.
        if (!init && (list.front() == '{' || list.front() == '[')) {
            return parse_list(item, list, init, values, count);
        }
        return value(item, list, 0, values);
    }
    reporter_.error(msg::STX_ERRRA, a);
    return false;
}

bool VariableStatementParser::parse_ev(Item& item, std::string_view a,
                                       std::string_view clause_name) {
    VariableClause& c = item.clause;
    a = trimmed(a);
    if (a.empty()) {
        reporter_.error(msg::EGALABSEN, clause_name);
        return false;
    }
    c.ev = true;
    const std::string upper = upper_copy(a);
    if (upper.rfind("==", 0) == 0) {
        c.ev_form = EvForm::double_equal;
        if (!after(a, 2).empty()) {
            reporter_.info(msg::IGNEXPRES, after(a, 2));
        }
        return true;
    }
    if (upper.rfind("=>", 0) == 0) {
        c.ev_form = EvForm::arrow;
        c.ev_learn = options_.learn_mode;
        if (after(a, 2).empty()) {
            reporter_.error(msg::STX_ERRRA, a);
            return false;
        }
        c.ev_target = std::string(after(a, 2));
        return true;
    }
    if (upper.front() == '=') {
        if (after(a, 1).empty()) {
            reporter_.error(msg::STX_ERRRA, a);
            return false;
        }
        return value(item, after(a, 1), 0, c.ev_value);
    }
    if (starts_with_word(upper, "DANS") || starts_with_word(upper, "IN")) {
        c.ev_in = true;
        return parse_list(item, after(a, upper[0] == 'D' ? 4 : 2), false, c.ev_value, c.ev_count);
    }
    if (upper.front() == '(') {
        return parse_linked(item, a, false, c.ev_link, c.ev_in, c.ev_with, c.ev_value, c.ev_count);
    }
    reporter_.error(msg::STX_ERRRA, a);
    return false;
}

bool VariableStatementParser::parse_bound(Item& item, std::string_view a,
                                          std::string_view clause_name, bool& given,
                                          std::string& out) {
    a = trimmed(a);
    if (a.empty() || a.front() != '=') {
        reporter_.error(msg::EGALABSEN, clause_name);
        return false;
    }
    std::string_view v = after(a, 1);
    if (v.empty()) {
        reporter_.error(msg::STX_ERRRA, a);
        return false;
    }
    given = true;
    if (clause_name == "DELTA") {
        if (v.back() == '%') {
            item.clause.delta = DeltaKind::percent;
            v = trimmed(v.substr(0, v.size() - 1));
            if (v.empty()) {
                reporter_.error(msg::STX_ERRRA, a);
                return false;
            }
        } else {
            item.clause.delta = DeltaKind::absolute;
        }
    }
    return value(item, v, 0, out);
}

bool VariableStatementParser::parse_item(Item& item, std::string_view clauses) {
    const std::vector<std::string_view> pieces = split_top_level(clauses, item.c_family);
    for (std::string_view piece : pieces) {
        const std::string keyword = clause_keyword(piece);
        if (!is_clause_keyword(keyword)) {
            if (piece.empty()) {
                reporter_.error(msg::INVMOTCLE, item.text);
            } else {
                reporter_.error(msg::INVMOTCLE, with_fitting_clause_words(piece));
            }
            return false;
        }
        const std::string_view argument = after(piece, keyword.size());
        bool* seen = keyword == "DELTA"  ? &item.seen_delta
                     : keyword == "INIT" ? &item.seen_init
                     : keyword == "MAX"  ? &item.seen_max
                     : keyword == "MIN"  ? &item.seen_min
                                         : &item.seen_ev;
        if (*seen) {
            reporter_.error(msg::DEFMULTIP, keyword);
            return false;
        }
        *seen = true;
        bool ok = true;
        VariableClause& c = item.clause;
        if (keyword == "INIT") {
            ok = parse_init(item, argument);
        } else if (keyword == "VA" || keyword == "EV") {
            ok = parse_ev(item, argument, keyword);
        } else if (keyword == "MIN") {
            ok = parse_bound(item, argument, keyword, c.min, c.min_value);
        } else if (keyword == "MAX") {
            ok = parse_bound(item, argument, keyword, c.max, c.max_value);
        } else {
            bool given = false;
            ok = parse_bound(item, argument, keyword, given, c.delta_value);
        }
        if (!ok) {
            return false;
        }
    }
    return true;
}

bool VariableStatementParser::check_item(Item& item) {
    const VariableClause& c = item.clause;
    const std::string& v = c.variable;
    if (!c.ev) {
        if (!c.min && !c.max) {
            reporter_.error(msg::VAMIMAABS, v);
            return false;
        }
        if (!c.max) {
            reporter_.error(msg::VAMAXABSE, v);
            return false;
        }
        if (!c.min) {
            reporter_.error(msg::VAMINABSE, v);
            return false;
        }
    }
    if (c.ev && (c.min || c.max)) {
        reporter_.error(msg::VA_MINMAX, v);
        return false;
    }
    if (c.delta != DeltaKind::none && c.min && c.max) {
        reporter_.error(msg::DELMINMAX, v);
        return false;
    }
    const VariableKind k = c.kind;
    const bool bounded = c.min || c.max || c.delta != DeltaKind::none;
    if ((bounded && is_pointer(k)) ||
        (c.delta != DeltaKind::none &&
         (k == VariableKind::character || k == VariableKind::string ||
          k == VariableKind::enumeration || k == VariableKind::string_pointer))) {
        reporter_.error(msg::MINMAXDEL, v);
        return false;
    }
    if (c.init_from && k != VariableKind::integer && k != VariableKind::real &&
        k != VariableKind::unknown) {
        reporter_.error(msg::TYPEIFROM, v);
        return false;
    }
    if (c.structured) {
        if (c.init_in || c.init_from || c.init_with || c.ev_in || c.ev_with ||
            c.ev_form == EvForm::arrow || bounded) {
            reporter_.error(msg::AUTOSTRUC, v);
            return false;
        }
        if (c.init != c.ev) {
            reporter_.warning(msg::INVAOMISE, v);
        }
    }
    return true;
}

bool VariableStatementParser::check_links(Item& item, const std::vector<VariableClause>& list) {
    VariableClause& c = item.clause;
    auto pair = [&](const std::string& link, int count) {
        // The statement's own INIT IN list: its EV follows the same loop.
        if (link == c.variable && c.init_in && c.init_link.empty()) {
            if (c.init_count != count) {
                reporter_.error(msg::VARLIENNB, link);
                return false;
            }
            c.linked_count = c.init_count;
            return true;
        }
        for (std::size_t i = list.size(); i-- > 0;) {
            if (list[i].variable == link && list[i].init_in) {
                if (list[i].init_count != count) {
                    reporter_.error(msg::VARLIENNB, link);
                    return false;
                }
                c.linked_count = list[i].init_count;
                c.linked_index = static_cast<int>(i);
                return true;
            }
        }
        reporter_.error(msg::VARLIEINC, link);
        return false;
    };
    auto count_of = [&](const std::string& values, bool with, int listed) {
        if (!with) return listed;
        std::string_view t = trimmed(values);
        if (t.size() >= 2 && (t.front() == '[' || t.front() == '{' || t.front() == '(')) {
            t = t.substr(1, t.size() - 2);
        }
        return static_cast<int>(split_top_level(t, item.c_family).size());
    };
    if (!c.init_link.empty() &&
        !pair(c.init_link, count_of(c.init_value, c.init_with, c.init_count))) {
        return false;
    }
    if (!c.ev_link.empty() && !pair(c.ev_link, count_of(c.ev_value, c.ev_with, c.ev_count))) {
        return false;
    }
    if (c.init_in && c.ev_in && c.ev_link.empty() && c.init_count != c.ev_count) {
        reporter_.error(msg::VAINIT_IN, c.variable);
        return false;
    }
    return true;
}

int VariableStatementParser::parse_variable_statement(std::string_view argument,
                                                      int tested_language, bool whole_array,
                                                      bool whole_structure,
                                                      const VariableContext& context,
                                                      std::vector<VariableClause>& list) {
    Item item;
    item.context = &context;
    item.tested_language = tested_language;
    item.c_family = tested_language == tested_language_c || tested_language == tested_language_cpp;
    item.text = std::string(trimmed(argument));
    VariableClause& c = item.clause;
    c.whole_array = options_.settings.expand ? false : (whole_array || options_.settings.compress);
    c.whole_structure =
        options_.settings.expand ? false : (whole_structure || options_.settings.compress);

    const std::string_view text = item.text;
    std::size_t comma = std::string::npos;
    {
        const auto pieces = split_top_level(text, item.c_family);
        if (pieces.size() > 1) {
            comma = static_cast<std::size_t>(pieces[1].data() - text.data()) - 1;
            while (text[comma] != ',') --comma;
        }
    }
    if (comma == std::string::npos) {
        reporter_.error(msg::STXERRTYP, text);
        return 0;
    }
    std::string variable(trimmed(text.substr(0, comma)));
    const std::string_view clauses = trimmed(text.substr(comma + 1));
    {
        const std::string upper = upper_copy(variable);
        const std::string_view ev_name = french(context.script_language) ? "VA" : "EV";
        auto clause_like = [&](std::string_view word) {
            if (upper.rfind(word, 0) != 0) return false;
            if (upper.size() == word.size()) return true;
            const char next = upper[word.size()];
            return next == ' ' || next == '\t' || next == '=' || next == '[' || next == '(';
        };
        if (variable.empty() || clause_like("INIT") || clause_like(ev_name)) {
            reporter_.error(msg::VARNAMMSG, text);
            return 0;
        }
    }
    if (options_.analysis_enabled) {
        variable =
            without_unnamed_structures(variable, options_.environment.unnamed_structure_prefix);
    }
    c.variable = variable;
    // A range of indexes ("buffer[2..4]") inside the name.
    bool ranged = false;
    {
        int brackets = 0;
        for (std::size_t i = 0; i + 1 < variable.size() && !ranged; ++i) {
            if (variable[i] == '[') ++brackets;
            if (variable[i] == ']' && brackets > 0) --brackets;
            ranged = brackets > 0 && variable[i] == '.' && variable[i + 1] == '.';
        }
    }

    // Explicit type or C type.
    std::string_view rest = clauses;
    {
        const auto pieces = split_top_level(clauses, item.c_family);
        const std::string first = clause_keyword(pieces.front());
        if (!is_clause_keyword(first) && !first.empty() &&
            trimmed(trimmed(pieces.front()).substr(first.size())).starts_with("=")) {
            // "INTI = 2": no type has that shape; a clause word misspelt.
            reporter_.error(msg::INVMOTCLE, with_fitting_clause_words(pieces.front()));
            return 0;
        }
        if (!is_clause_keyword(first)) {
            const std::string_view type = pieces.front();
            if (type.size() < explicit_type_limit) {
                c.type_text = std::string(type);
                c.explicit_type = true;
            }
            rest = pieces.size() > 1 ? trimmed(clauses.substr(static_cast<std::size_t>(
                                           pieces[1].data() - clauses.data())))
                                     : std::string_view();
        }
    }
    std::optional<NativeVariable> native;
    if (options_.analysis_enabled) {
        // The declarations are searched with the expression the C compiler
        // sees: its macros expanded (st.st_mtime may stand for
        // st.st_mtim.tv_sec). The records keep the script's text.
        std::string lookup = variable;
        {
            const std::string expanded =
                without_line_markers(native_.preprocess(variable, context.file, context.line));
            auto compact = [](std::string_view t) {
                std::string out;
                for (char ch : t) {
                    if (!is_blank(ch)) out += ch;
                }
                return out;
            };
            if (!expanded.empty() && compact(expanded) != compact(variable)) lookup = expanded;
        }
        if (!lookup.empty() && lookup.front() == '*') {
            lookup = "(" + lookup + ")";
        }
        item.lookup = lookup;
        native = native_.variable_type(lookup, context.scope, ComponentWalk::none);
        if (native.has_value() && !native->findings.empty()) {
            for (const ValueFinding& finding : native->findings) {
                // An index out of bounds is shown in its expression.
                reporter_.error(finding.code,
                                finding.argument.empty() || finding.code == msg::INDICEINC
                                    ? variable
                                    : finding.argument);
            }
            return 0;
        }
        if (native.has_value() && native->found && (native->structure || native->array)) {
            // A structure is taken member by member; an array of scalars
            // under the whole-array flag is one record, generated as a
            // loop, and so are the arrays of scalars inside a structure.
            // Anything else is taken component by component.
            const bool whole = native->array && c.whole_array && !native->facts.dimensions.empty();
            if (!whole) {
                item.walk = c.whole_array ? ComponentWalk::whole_arrays : ComponentWalk::scalars;
                std::optional<NativeVariable> expanded =
                    native_.variable_type(lookup, context.scope, item.walk);
                if (expanded.has_value()) native = std::move(expanded);
            }
        }
        // The components are named from the script's text of the variable.
        if (native.has_value() && lookup != variable) {
            const std::string root =
                !variable.empty() && variable.front() == '*' ? "(" + variable + ")" : variable;
            for (NativeComponent& component : native->components) {
                if (component.expression.rfind(lookup, 0) == 0) {
                    component.expression = root + component.expression.substr(lookup.size());
                }
            }
        }
    }
    // A slice ("frame->data[0..3]", constant bounds, last in the name) is
    // the array of its elements, which the harness names by the address of
    // the first; any other range of indexes names no one object the harness
    // can set or check, and is refused rather than handed to the C compiler.
    if (ranged) {
        if (!native.has_value() || native->slice_root.empty()) {
            reporter_.error(msg::TABEXPINC, variable);
            return 0;
        }
        c.variable = native->slice_root;
    }
    if (native.has_value() && native->found && !native->unsupported_type.empty()) {
        // Whatever type the statement gives, the harness would hold the
        // value in a narrower one: refused rather than truncated.
        reporter_.error(msg::TYPNONGER, native->unsupported_type);
        return 0;
    }
    if (native.has_value() && native->found && native->unknown_bound) {
        // "extern int t[];": the harness has no size to assign or check
        // the array by; its elements can still be named one by one.
        reporter_.error(msg::TAITABINC, variable);
        return 0;
    }
    if (c.explicit_type) {
        c.kind = explicit_kind(c.type_text);
        if (c.kind == VariableKind::unknown) {
            reporter_.error(msg::TYPEINCON, c.type_text);
            return 0;
        }
        if (native.has_value() && native->found && native->kind != c.kind) {
            const VariableKind k = c.kind;
            const VariableKind n = native->kind;
            if (k == VariableKind::boolean || k == VariableKind::integer ||
                k == VariableKind::character || k == VariableKind::string_pointer) {
                c.kind = VariableKind::integer;
            } else if (n != VariableKind::integer && n != VariableKind::character &&
                       n != VariableKind::string && !is_pointer(k)) {
                reporter_.warning(msg::TYPENATIF, variable);
            }
        }
    } else if (native.has_value()) {
        // The kind of an aggregate is that of its components.
        const bool aggregate = native->structure || !native->components.empty();
        if (!native->found) {
            // No declaration of the script or of the analysed C names it.
            reporter_.error(msg::NOMVARINC, variable);
            return 0;
        }
        if (native->kind == VariableKind::unknown && !aggregate) {
            reporter_.error(msg::TYPEINCON, variable);
            return 0;
        }
        c.type_text = native->type_text;
        c.kind = native->kind;
    }
    if (native.has_value() && native->found) {
        c.facts = native->facts;
        item.array = native->array;
    }
    if (c.explicit_type) {
        // The explicit type decides how the value is seen.
        std::string words = upper_copy(c.type_text);
        c.facts.is_unsigned = words.find("UNSIGNED") != std::string::npos ||
                              words.rfind("UINT", 0) == 0 || words == "SIZE_T";
        c.facts.is_double = words.find("DOUBLE") != std::string::npos;
        c.facts.is_long_double = words.find("LONG DOUBLE") != std::string::npos;
    }
    c.line = context.line;
    c.file = context.file_number;
    c.structured =
        c.whole_structure ||
        (native.has_value() && (native->structure || (!native->components.empty() &&
                                                      native->kind == VariableKind::unknown)));

    if (rest.empty()) {
        reporter_.error(msg::STXERRTYP, text);
        return 0;
    }
    if (!parse_item(item, rest) || !check_item(item) || !check_links(item, list)) {
        return 0;
    }
    if (c.init && native.has_value() && native->found) {
        // The harness would assign a const object, which does not compile;
        // checking it (EV, MIN, MAX) is fine.
        std::string read_only;
        if (native->read_only) {
            read_only = variable;
        } else {
            for (const NativeComponent& component : native->components) {
                if (component.read_only) {
                    read_only = component.expression;
                    break;
                }
            }
        }
        if (!read_only.empty()) {
            reporter_.error(msg::CONSTINIT, read_only);
            return 0;
        }
    }
    // An environment's statement is not part of the test it is written in:
    // the test's limits and names count the statements of its elements.
    const bool counted = !context.environment;
    const bool dynamic = counted && (c.init_in || c.init_from);
    if (dynamic && dynamic_initialisations_ + 1 > dynamic_initialisation_limit) {
        reporter_.error(msg::NBINITDYN, variable);
        return 0;
    }
    if (counted && c.ev_in && ev_in_checks_ + 1 > ev_in_limit) {
        reporter_.error(msg::NBVAINOVE, variable);
        return 0;
    }
    if (!check_bounds(item)) {
        return 0;
    }
    std::vector<VariableClause> records;
    if (native.has_value() && !native->components.empty()) {
        if (!split_over_components(item, native->components, records)) {
            return 0;
        }
    } else {
        if (!c.facts.dimensions.empty() && !spread_whole_array(item)) {
            return 0;
        }
        records.push_back(c);
    }
    for (const VariableClause& record : records) {
        if (!check_values(item, record)) {
            return 0;
        }
    }
    if (counted) {
        if (dynamic) ++dynamic_initialisations_;
        if (c.ev_in) ++ev_in_checks_;
        if (std::find(test_variables_.begin(), test_variables_.end(), variable) !=
            test_variables_.end()) {
            reporter_.warning(msg::NOMVARDBL, variable);
        } else {
            test_variables_.push_back(variable);
        }
    }
    const int added = static_cast<int>(records.size());
    for (VariableClause& record : records) {
        list.push_back(std::move(record));
    }
    return added;
}

namespace {

// Spreads one clause value over `count` components; false when a brace
// list gives too many or too few values.
bool spread_plain(std::string_view value, std::size_t count, bool c_family,
                  std::string_view others_word, std::vector<std::string>& out) {
    out.clear();
    if (!is_braced(value)) {
        out.assign(count, std::string(value));
        return true;
    }
    BraceListLeaves leaves = brace_list_leaves(value, c_family, {others_word});
    if (leaves.values.size() > count || (leaves.values.size() < count && !leaves.has_others)) {
        return false;
    }
    out = std::move(leaves.values);
    out.resize(count, leaves.others);
    return true;
}

}  // namespace

bool VariableStatementParser::split_over_components(Item& item,
                                                    const std::vector<NativeComponent>& components,
                                                    std::vector<VariableClause>& records) {
    const VariableClause& c = item.clause;
    const std::string_view others = french(item.context->script_language) ? "autres" : "others";
    std::vector<std::string> init_values;
    std::vector<std::string> ev_values;
    const bool plain_init = c.init && !c.init_in && !c.init_from && !c.init_with;
    const bool plain_ev = c.ev && c.ev_form == EvForm::equal && !c.ev_in && !c.ev_with;
    // With the C declarations the value is spread by the type's shape;
    // without them a brace list is read in order.
    auto spread_by_type = [&](const std::string& value, std::vector<std::string>& out) {
        std::optional<NativeSpread> spread =
            native_.spread_value(item.lookup, item.context->scope, item.walk, value);
        if (!spread.has_value()) {
            if (spread_plain(value, components.size(), item.c_family, others, out)) return true;
            reporter_.error(msg::INITAGREG, c.variable);
            return false;
        }
        if (!spread->spread || spread->values.size() != components.size()) {
            reporter_.error(spread->failure.code.value_or(msg::INITAGREG),
                            spread->failure.place.empty() ? c.variable : spread->failure.place);
            return false;
        }
        out = std::move(spread->values);
        return true;
    };
    if ((plain_init && !spread_by_type(c.init_value, init_values)) ||
        (plain_ev && !spread_by_type(c.ev_value, ev_values))) {
        return false;
    }
    records.reserve(components.size());
    for (std::size_t i = 0; i < components.size(); ++i) {
        VariableClause record = c;
        record.variable = components[i].expression;
        record.type_text = components[i].type_text;
        record.kind = components[i].kind;
        record.explicit_type = false;
        record.facts = components[i].facts;
        record.aggregate = c.variable;
        record.aggregate_array = item.array;
        record.component = static_cast<int>(i);
        record.components = static_cast<int>(components.size());
        if (plain_init) record.init_value = init_values[i];
        if (plain_ev) record.ev_value = ev_values[i];
        records.push_back(std::move(record));
    }
    return true;
}

// MIN above MAX, and a negative tolerance, when the analysis can fold them.
bool VariableStatementParser::check_bounds(Item& item) {
    const VariableClause& c = item.clause;
    if (c.min && c.max) {
        const std::optional<NumericValue> low = native_.numeric_value(c.min_value);
        const std::optional<NumericValue> high = native_.numeric_value(c.max_value);
        if (low.has_value() && high.has_value() && (low->integer || low->real) &&
            (high->integer || high->real) && low->value > high->value) {
            reporter_.error(msg::MINMAXVAL, c.min_value + " > " + c.max_value);
            return false;
        }
    }
    if (c.delta != DeltaKind::none) {
        const std::optional<NumericValue> delta = native_.numeric_value(c.delta_value);
        if (delta.has_value() && (delta->integer || delta->real) && delta->value < 0) {
            reporter_.error(msg::VALUEINCO, "DELTA = " + c.delta_value +
                                                (c.delta == DeltaKind::percent ? "%" : ""));
            return false;
        }
    }
    return true;
}

// An array taken whole: a list or a byte string becomes the brace list of
// all its elements, in order, so that the generator reads it as it is.
bool VariableStatementParser::spread_whole_array(Item& item) {
    VariableClause& c = item.clause;
    auto spread = [&](std::string& value, std::string& script_text) {
        const std::string_view text = trimmed(value);
        if (!is_braced(text) && !(text.size() >= 2 && text.front() == '[' && text.back() == ']') &&
            !(text.size() >= 2 && text.front() == '"')) {
            return true;
        }
        std::optional<NativeSpread> spread =
            native_.spread_value(item.lookup, item.context->scope, ComponentWalk::none, value);
        if (!spread.has_value()) return true;
        if (!spread->spread && spread->failure.code == msg::TABEXPINC) {
            // Indexes that are no constants: the value of each element is
            // chosen in the loop that walks the array.
            std::optional<std::string> expression =
                native_.array_value_expression(item.lookup, item.context->scope, value);
            if (expression.has_value()) {
                script_text = value;
                value = *expression;
                return true;
            }
        }
        if (!spread->spread || spread->values.size() != 1) {
            reporter_.error(spread->failure.code.value_or(msg::INITAGREG),
                            spread->failure.place.empty() ? c.variable : spread->failure.place);
            return false;
        }
        script_text = value;
        value = spread->values.front();
        return true;
    };
    if (c.init && !c.init_in && !c.init_from && !c.init_with &&
        !spread(c.init_value, c.init_text)) {
        return false;
    }
    // A tolerance and bounds are checked element by element in the loop
    // that walks the array: a list gives each element its own value there,
    // chosen by the loop's counter.
    auto per_element = [&](std::string& value, std::string* script_text) {
        const std::string_view text = trimmed(value);
        if (!is_braced(text) && !(text.size() >= 2 && text.front() == '[' && text.back() == ']')) {
            return true;
        }
        std::optional<std::string> expression =
            native_.array_value_expression(item.lookup, item.context->scope, value);
        if (!expression.has_value()) {
            reporter_.error(msg::BADAGGREGATE, c.variable + ": " + value);
            return false;
        }
        if (script_text != nullptr) *script_text = value;
        value = *expression;
        return true;
    };
    if (c.ev && c.ev_form == EvForm::equal && !c.ev_in && !c.ev_with) {
        if (c.delta != DeltaKind::none ? !per_element(c.ev_value, &c.ev_text)
                                       : !spread(c.ev_value, c.ev_text)) {
            return false;
        }
    }
    if ((c.min && !per_element(c.min_value, nullptr)) ||
        (c.max && !per_element(c.max_value, nullptr))) {
        return false;
    }
    return true;
}

// Every value of a record checked against the record's kind: the analysis
// refuses values the harness could not take (a string for a number, a
// number for a string, a string longer than its array, a constant out of
// the type's range, an assignment, a division by zero ...).
bool VariableStatementParser::check_values(Item& item, const VariableClause& record) {
    if (!options_.analysis_enabled || record.kind == VariableKind::unknown) return true;
    const std::string_view others = french(item.context->script_language) ? "autres" : "others";
    bool ok = true;
    auto check = [&](std::string_view text) {
        text = trimmed(text);
        if (text.empty()) return;
        std::vector<std::string> values;
        const bool text_kind =
            record.kind == VariableKind::string || record.kind == VariableKind::string_pointer;
        if (text_kind && text.size() >= 2 &&
            ((text.front() == '(' && text.back() == ')') ||
             (text.front() == '{' && text.back() == '}')) &&
            split_top_level(text.substr(1, text.size() - 2), item.c_family).size() > 1) {
            // The pieces of a string written as a list, each a string.
            for (std::string_view piece :
                 split_top_level(text.substr(1, text.size() - 2), item.c_family)) {
                values.emplace_back(piece);
            }
        } else if (!record.facts.dimensions.empty() && is_braced(text)) {
            // An array taken whole: each element's value.
            BraceListLeaves leaves = brace_list_leaves(text, item.c_family, {others});
            values = std::move(leaves.values);
            if (leaves.has_others) values.push_back(leaves.others);
        } else {
            values.emplace_back(text);
        }
        for (const std::string& v : values) {
            for (const ValueFinding& finding :
                 native_.check_value(v, record.kind, record.facts, item.context->scope)) {
                if (finding.code == msg::IDENTINCO) {
                    // A name the C does not declare may be the script's own:
                    // a constant, or a parameter of the environment.
                    if (item.context->environment ||
                        (constants_ != nullptr && constants_->find(finding.argument) != nullptr)) {
                        continue;
                    }
                    reporter_.error(finding.code, finding.argument + " (" + record.variable + ")");
                    ok = false;
                } else if (finding.refuses) {
                    // The place first, or, for a constant, the constant.
                    reporter_.error(finding.code,
                                    finding.code == msg::ENTOUTRAN
                                        ? finding.argument + " (" + record.variable + ")"
                                        : record.variable + ": " + finding.argument);
                    ok = false;
                } else {
                    reporter_.warning(finding.code, record.variable + ": " + finding.argument);
                }
            }
        }
    };
    auto check_list = [&](std::string_view list) {
        std::string_view t = trimmed(list);
        if (t.size() >= 2 && (t.front() == '[' || t.front() == '{' || t.front() == '(')) {
            t = t.substr(1, t.size() - 2);
        }
        for (std::string_view piece : split_top_level(t, item.c_family)) check(piece);
    };
    if (record.init) {
        if (record.init_in || record.init_with) {
            check_list(record.init_value);
        } else if (record.init_from) {
            // From, to and step: a fractional step is cut for an integer
            // as a bound is, and told.
            const auto parts = split_top_level(record.init_value, item.c_family);
            for (std::size_t i = 0; i < parts.size() && i < 3; ++i) check(parts[i]);
        } else {
            check(record.init_value);
        }
    }
    if (record.ev && record.ev_form == EvForm::equal) {
        if (record.ev_in || record.ev_with) {
            check_list(record.ev_value);
        } else {
            check(record.ev_value);
        }
    }
    if (record.min) check(record.min_value);
    if (record.max) check(record.max_value);
    return ok;
}

}  // namespace vx
