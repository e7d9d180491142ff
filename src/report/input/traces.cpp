// Reading the traces file. Each line is cut into fields by a small scanner
// (blank-separated words, or C-quoted strings with an optional "~" mark for
// a cut string); the kind letter selects a row of the line table, which
// gives the number of fields; the fields are then checked and turned into
// a TraceLine. The runtime writes only printable ASCII, so any other byte
// means the file was damaged.
#include "report/input/traces.h"

#include "report/input/link_record_file.h"
#include "support/text.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace vx::report {

namespace {

struct LineShape {
    char letter;
    TraceKind kind;
    int fields;
};

constexpr LineShape line_shapes[] = {
    {'O', TraceKind::service, 2},
    {'T', TraceKind::test, 2},
    {'R', TraceKind::repetition, 2},
    {'S', TraceKind::element_start, 0},
    {'Z', TraceKind::element_stop, 1},
    {'I', TraceKind::initial, 3},
    {'C', TraceKind::check, 8},
    {'K', TraceKind::stub_context, 2},
    {'M', TraceKind::stub_call, 3},
    {'[', TraceKind::open_bracket, 1},
    {']', TraceKind::close_bracket, 1},
    {'A', TraceKind::array_mode_on, 1},
    {'a', TraceKind::array_mode_off, 1},
    {'N', TraceKind::constant_mode_on, 1},
    {'n', TraceKind::constant_mode_off, 1},
    {'X', TraceKind::interruption, 1},
    {'W', TraceKind::warning, 1},
    {'E', TraceKind::end_test, 0},
    {'F', TraceKind::end_file, 1},
    {'e', TraceKind::element_end, 0},
    {'Q', TraceKind::test_outcome, 3},
    {'G', TraceKind::test_begin, 1},
    {'U', TraceKind::test_left_out, 1},
    {'D', TraceKind::test_time, 2},
};

// How an isolated test that did not reach its end ended ("Q" lines).
constexpr std::string_view outcome_kinds[] = {"signal", "exit", "timeout", "left"};

struct TypeName {
    std::string_view name;
    ValueType type;
    bool has_base;
};

constexpr TypeName type_names[] = {
    {"int", ValueType::integer, true},          {"uns", ValueType::unsigned_integer, true},
    {"bool", ValueType::boolean, false},        {"char", ValueType::character, false},
    {"float", ValueType::single_float, false},  {"double", ValueType::double_float, false},
    {"ldouble", ValueType::long_double, false}, {"str", ValueType::string, false},
    {"ptr", ValueType::pointer, false},         {"fptr", ValueType::function_pointer, false},
};

constexpr char stamp_mark = 'H';
constexpr int default_base = 10;
constexpr int hex_base = 16;
constexpr int octal_base = 8;
constexpr int binary_base = 2;
constexpr unsigned char first_printable = 0x20;
constexpr unsigned char last_printable = 0x7e;
constexpr long largest_char_code = 255;

struct Field {
    std::string_view token;  // as written (quotes included)
    bool quoted = false;
    bool cut = false;  // "~" after the closing quote
    long offset = 0;   // "@" + offset before the opening quote
    std::string raw;   // unescaped text of a quoted field
};

struct LineError {
    std::string message;
};

template <typename Number>
bool parse_number(std::string_view token, Number& value) {
    if (token.empty() || token.front() == '+') {
        return false;
    }
    auto [end, error] = std::from_chars(token.data(), token.data() + token.size(), value);
    return error == std::errc() && end == token.data() + token.size();
}

std::string byte_image(unsigned char c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02x", c);
    return buffer;
}

// Reads the quoted string that starts at text[0]; returns the characters
// used, or 0 with an error.
std::size_t scan_quoted(std::string_view text, Field& field, std::optional<LineError>& error) {
    std::size_t i = 1;
    while (i < text.size()) {
        char c = text[i];
        if (c == '"') {
            ++i;
            if (i < text.size() && text[i] == '~') {
                field.cut = true;
                ++i;
            }
            return i;
        }
        if (c != '\\') {
            field.raw.push_back(c);
            ++i;
            continue;
        }
        if (i + 1 >= text.size()) {
            break;
        }
        char e = text[i + 1];
        switch (e) {
            case '\\':
                field.raw.push_back('\\');
                i += 2;
                continue;
            case '"':
                field.raw.push_back('"');
                i += 2;
                continue;
            case 'n':
                field.raw.push_back('\n');
                i += 2;
                continue;
            case 't':
                field.raw.push_back('\t');
                i += 2;
                continue;
            case 'r':
                field.raw.push_back('\r');
                i += 2;
                continue;
            case 'x': {
                int high = i + 2 < text.size() ? hex_value(text[i + 2]) : -1;
                int low = i + 3 < text.size() ? hex_value(text[i + 3]) : -1;
                if (high < 0 || low < 0) {
                    error = LineError{"bad \\x escape in a quoted string"};
                    return 0;
                }
                field.raw.push_back(static_cast<char>(high * 16 + low));
                i += 4;
                continue;
            }
            default:
                error = LineError{std::string("unknown escape \\") + e + " in a quoted string"};
                return 0;
        }
    }
    error = LineError{"a quoted string is not closed"};
    return 0;
}

std::optional<LineError> split_fields(std::string_view rest, std::vector<Field>& fields) {
    while (!rest.empty()) {
        if (rest.front() != ' ') {
            return LineError{"fields must be separated by one blank"};
        }
        rest.remove_prefix(1);
        if (rest.empty() || rest.front() == ' ') {
            return LineError{"empty field"};
        }
        Field field;
        std::size_t used = 0;
        std::size_t quote = 0;
        if (rest.front() == '@') {
            quote = rest.find_first_not_of("0123456789", 1);
            if (quote == 1 || quote == std::string_view::npos || rest[quote] != '"' ||
                !parse_number(rest.substr(1, quote - 1), field.offset)) {
                return LineError{"\"@\" must be followed by an offset and a quoted string"};
            }
        }
        if (rest[quote] == '"') {
            std::optional<LineError> error;
            used = quote + scan_quoted(rest.substr(quote), field, error);
            if (error) {
                return error;
            }
            field.quoted = true;
            if (used < rest.size() && rest[used] != ' ') {
                return LineError{"text after a quoted string"};
            }
        } else {
            used = rest.find(' ');
            if (used == std::string_view::npos) {
                used = rest.size();
            }
        }
        field.token = rest.substr(0, used);
        fields.push_back(std::move(field));
        rest.remove_prefix(used);
    }
    return std::nullopt;
}

std::optional<LineError> need_number(const Field& field, long& value, const char* what,
                                     long minimum = 0) {
    if (field.quoted || !parse_number(field.token, value) || value < minimum) {
        return LineError{std::string("bad ") + what + " \"" + std::string(field.token) + "\""};
    }
    return std::nullopt;
}

std::optional<LineError> need_string(const Field& field, std::string& value, const char* what) {
    if (!field.quoted) {
        return LineError{std::string(what) + " must be a quoted string"};
    }
    value = field.raw;
    return std::nullopt;
}

std::string digits_in_base(unsigned long long magnitude, int base) {
    if (magnitude == 0) {
        return "0";
    }
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    while (magnitude > 0) {
        text.insert(text.begin(), digits[magnitude % static_cast<unsigned>(base)]);
        magnitude /= static_cast<unsigned>(base);
    }
    return text;
}

std::string based_image(bool negative, unsigned long long magnitude, int base) {
    std::string sign = negative ? "-" : "";
    switch (base) {
        case hex_base:
            return sign + "0x" + digits_in_base(magnitude, base);
        case binary_base:
            return sign + "0b" + digits_in_base(magnitude, base);
        case octal_base:
            return magnitude == 0 ? "0" : sign + "0" + digits_in_base(magnitude, base);
        default:
            return sign + digits_in_base(magnitude, default_base);
    }
}

std::string char_image(long code) {
    char c = static_cast<char>(code);
    switch (c) {
        case '\'':
            return "'\\''";
        case '\\':
            return "'\\\\'";
        case '\n':
            return "'\\n'";
        case '\t':
            return "'\\t'";
        case '\r':
            return "'\\r'";
        case '\0':
            return "'\\0'";
        default:
            break;
    }
    if (code >= first_printable && code <= last_printable) {
        return std::string("'") + c + "'";
    }
    char buffer[12];
    std::snprintf(buffer, sizeof buffer, "'\\x%02lx'", code);
    return buffer;
}

bool is_hex_address(std::string_view token) {
    if (token.size() < 3 || token.substr(0, 2) != "0x") {
        return false;
    }
    for (char c : token.substr(2)) {
        if (hex_value(c) < 0) {
            return false;
        }
    }
    return true;
}

bool is_floating(std::string_view token) {
    if (token == "nan" || token == "inf" || token == "-inf") {
        return true;
    }
    if (token.empty()) {
        return false;
    }
    for (char c : token) {
        if (!((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.' || c == 'e' || c == 'E')) {
            return false;
        }
    }
    std::string copy(token);
    char* end = nullptr;
    std::strtod(copy.c_str(), &end);
    return end == copy.c_str() + copy.size();
}

// The display image of one value field of the given type.
std::optional<LineError> value_image(const Field& field, ValueType type, int base,
                                     std::string& image) {
    std::string_view token = field.token;
    auto bad = [&]() { return LineError{"bad value \"" + std::string(token) + "\""}; };
    if (field.quoted && type != ValueType::string) {
        return bad();
    }
    switch (type) {
        case ValueType::integer: {
            long long value = 0;
            if (!parse_number(token, value)) return bad();
            unsigned long long magnitude = value < 0 ? 0ULL - static_cast<unsigned long long>(value)
                                                     : static_cast<unsigned long long>(value);
            image = based_image(value < 0, magnitude, base);
            return std::nullopt;
        }
        case ValueType::unsigned_integer: {
            unsigned long long value = 0;
            if (!parse_number(token, value)) return bad();
            image = based_image(false, value, base);
            return std::nullopt;
        }
        case ValueType::boolean:
            if (token != "0" && token != "1") return bad();
            image = token == "1" ? "true" : "false";
            return std::nullopt;
        case ValueType::character: {
            long code = 0;
            if (!parse_number(token, code) || code < 0 || code > largest_char_code) return bad();
            image = char_image(code);
            return std::nullopt;
        }
        case ValueType::single_float:
        case ValueType::double_float:
        case ValueType::long_double:
            if (!is_floating(token)) return bad();
            image = std::string(token);
            return std::nullopt;
        case ValueType::string:
            if (!field.quoted) {
                if (token != "NULL" && token != "NONIL") return bad();
                image = std::string(token);
                return std::nullopt;
            }
            image = quote_for_display(field.raw);
            if (field.offset > 0) {
                image = "..." + image;
            }
            if (field.cut) {
                image += "...";
            }
            if (field.offset > 0) {
                image += " (from character " + std::to_string(field.offset + 1) + ")";
            }
            return std::nullopt;
        case ValueType::pointer:
            if (token != "NIL" && token != "NONIL" && !is_hex_address(token)) return bad();
            image = std::string(token);
            return std::nullopt;
        case ValueType::function_pointer:
            if (token != "NILFUNC" && token != "NONILFUNC" && token != "FUNC" &&
                !is_hex_address(token)) {
                return bad();
            }
            image = std::string(token);
            return std::nullopt;
    }
    return bad();
}

std::optional<LineError> parse_type(const Field& field, ValueType& type, int& base) {
    std::string_view token = field.token;
    std::string_view name = token;
    std::string_view base_text;
    std::size_t slash = token.find('/');
    if (slash != std::string_view::npos) {
        name = token.substr(0, slash);
        base_text = token.substr(slash + 1);
    }
    for (const TypeName& entry : type_names) {
        if (field.quoted || entry.name != name) {
            continue;
        }
        type = entry.type;
        base = default_base;
        if (slash == std::string_view::npos) {
            return std::nullopt;
        }
        if (!entry.has_base || !parse_number(base_text, base) ||
            (base != binary_base && base != octal_base && base != default_base &&
             base != hex_base)) {
            break;
        }
        return std::nullopt;
    }
    return LineError{"unknown value type \"" + std::string(token) + "\""};
}

std::optional<LineError> parse_check(const std::vector<Field>& fields, TraceLine& line) {
    int base = default_base;
    if (auto error = need_number(fields[0], line.record, "record number")) return error;
    if (auto error = parse_type(fields[1], line.type, base)) return error;
    long check = 0;
    long range = 0;
    if (auto error = need_number(fields[2], check, "check flag"); error || check > 1) {
        return LineError{"bad check flag \"" + std::string(fields[2].token) + "\""};
    }
    if (auto error = need_number(fields[3], range, "range flag"); error || range > 1) {
        return LineError{"bad range flag \"" + std::string(fields[3].token) + "\""};
    }
    line.range = range == 1;
    std::string_view verdict = fields[4].token;
    if (verdict == "ok") {
        line.outcome = Outcome::passed;
    } else if (verdict == "KO") {
        line.outcome = Outcome::failed;
    } else if (verdict == "--") {
        line.outcome = Outcome::recorded;
    } else {
        return LineError{"unknown verdict \"" + std::string(verdict) + "\""};
    }
    if ((check == 0) != (line.outcome == Outcome::recorded)) {
        return LineError{"verdict \"" + std::string(verdict) + "\" contradicts check flag " +
                         std::to_string(check)};
    }
    if (auto error = value_image(fields[5], line.type, base, line.obtained)) return error;
    if (auto error = value_image(fields[6], line.type, base, line.low)) return error;
    if (auto error = value_image(fields[7], line.type, base, line.high)) return error;
    return std::nullopt;
}

std::optional<LineError> parse_fields(const LineShape& shape, const std::vector<Field>& fields,
                                      TraceLine& line) {
    switch (shape.kind) {
        case TraceKind::service:
        case TraceKind::test:
            if (auto error = need_number(fields[0], line.record, "record number", 1)) return error;
            return need_string(fields[1], line.text, "the name");
        case TraceKind::repetition:
            if (auto error = need_number(fields[0], line.record, "record number", 1)) return error;
            line.has_value = true;
            return need_number(fields[1], line.value, "repetition count", 0);
        case TraceKind::element_stop:
            if (!fields[0].quoted && fields[0].token == "-") {
                return std::nullopt;
            }
            line.has_value = true;
            return need_number(fields[0], line.value, "duration");
        case TraceKind::initial: {
            int base = default_base;
            if (auto error = need_number(fields[0], line.record, "record number", 1)) return error;
            if (auto error = parse_type(fields[1], line.type, base)) return error;
            return value_image(fields[2], line.type, base, line.obtained);
        }
        case TraceKind::check:
            return parse_check(fields, line);
        case TraceKind::stub_context:
            if (auto error = need_number(fields[0], line.record, "stub number")) return error;
            line.has_value = true;
            return need_number(fields[1], line.value, "call number");
        case TraceKind::stub_call: {
            long result = 0;
            if (auto error = need_number(fields[0], line.record, "record number")) return error;
            line.has_value = true;
            if (auto error = need_number(fields[1], line.value, "call number", -1)) return error;
            if (need_number(fields[2], result, "call result") || result > 1) {
                return LineError{"bad call result \"" + std::string(fields[2].token) + "\""};
            }
            line.flag = result == 1;
            return std::nullopt;
        }
        case TraceKind::open_bracket:
        case TraceKind::close_bracket:
        case TraceKind::array_mode_on:
        case TraceKind::array_mode_off:
        case TraceKind::constant_mode_on:
        case TraceKind::constant_mode_off:
        case TraceKind::interruption:
            return need_number(fields[0], line.record, "record number");
        case TraceKind::test_begin:
        case TraceKind::test_left_out:
            return need_number(fields[0], line.record, "record number", 1);
        case TraceKind::warning:
            return need_string(fields[0], line.text, "the warning");
        case TraceKind::end_file:
            line.has_value = true;
            return need_number(fields[0], line.value, "line count");
        case TraceKind::test_time:
            if (auto error = need_number(fields[0], line.record, "record number", 1)) return error;
            line.has_value = true;
            return need_number(fields[1], line.value, "duration");
        case TraceKind::test_outcome: {
            if (auto error = need_number(fields[0], line.record, "record number", 1)) return error;
            bool known = false;
            for (std::string_view how : outcome_kinds) {
                known = known || (!fields[1].quoted && fields[1].token == how);
            }
            if (!known) {
                return LineError{"unknown way for a test to end \"" + std::string(fields[1].token) +
                                 "\""};
            }
            line.text = std::string(fields[1].token);
            if (fields[2].quoted || fields[2].token.empty() ||
                fields[2].token.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-") !=
                    std::string_view::npos) {
                return LineError{"bad detail \"" + std::string(fields[2].token) + "\""};
            }
            line.detail = std::string(fields[2].token);
            return std::nullopt;
        }
        case TraceKind::element_start:
        case TraceKind::end_test:
        case TraceKind::element_end:
            return std::nullopt;
    }
    return std::nullopt;
}

Failure failure_at(long line, std::string message) {
    return Failure{Source::traces, line, std::move(message)};
}

}  // namespace

std::string quote_for_display(std::string_view raw) {
    std::string image = "\"";
    for (char c : raw) {
        unsigned char u = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                image += "\\\"";
                continue;
            case '\\':
                image += "\\\\";
                continue;
            case '\n':
                image += "\\n";
                continue;
            case '\t':
                image += "\\t";
                continue;
            case '\r':
                image += "\\r";
                continue;
            default:
                break;
        }
        if (u < first_printable || u > last_printable) {
            char buffer[8];
            std::snprintf(buffer, sizeof buffer, "\\x%02x", u);
            image += buffer;
        } else {
            image.push_back(c);
        }
    }
    image += "\"";
    return image;
}

std::optional<Failure> parse_traces(std::string_view content, TracesFile& out,
                                    const std::function<void(TraceLine&&)>& sink) {
    out = TracesFile();
    if (content.empty()) {
        return failure_at(0,
                          "the traces file is empty: the harness stopped before OPF_C "
                          "opened it, or never ran");
    }
    long line_number = 0;
    std::size_t position = 0;
    std::vector<Field> fields;  // of the line being read, kept for its room
    while (position < content.size()) {
        std::size_t end = content.find('\n', position);
        ++line_number;
        if (end == std::string_view::npos) {
            if (line_number == 1) {
                return failure_at(line_number,
                                  "the line is cut short (no end of line): the "
                                  "harness stopped while writing it");
            }
            // The harness stopped while writing its last line: what comes
            // before it is read, and the file counts as cut.
            out.cut_line = true;
            --line_number;
            break;
        }
        std::string_view text = content.substr(position, end - position);
        position = end + 1;
        if (!text.empty() && text.back() == '\r') {
            text.remove_suffix(1);
        }
        if (out.complete) {
            return failure_at(line_number, "text after the end line \"F\"");
        }
        for (std::size_t column = 0; column < text.size(); ++column) {
            unsigned char u = static_cast<unsigned char>(text[column]);
            if (u < first_printable || u > last_printable) {
                return failure_at(line_number, "unexpected byte " + byte_image(u) + " in column " +
                                                   std::to_string(column + 1));
            }
        }
        if (line_number == 1) {
            if (text == traces_header_v1) {
                out.version = 1;
                continue;
            }
            if (text == traces_header_v2) {
                out.version = 2;
                continue;
            }
            if (text != traces_header) {
                if (text.substr(0, traces_magic.size()) == traces_magic) {
                    return failure_at(1, "traces format \"" + std::string(text) +
                                             "\" is not known (expected \"" +
                                             std::string(traces_header) + "\")");
                }
                return failure_at(1,
                                  "not a traces file of the vexor runtime (it must begin "
                                  "with \"" +
                                      std::string(traces_header) + "\")");
            }
            continue;
        }
        if (text.empty()) {
            return failure_at(line_number, "empty line");
        }
        if (text.front() == stamp_mark) {
            if (line_number != 2 || out.version < 3) {
                return failure_at(line_number,
                                  "the stamp line \"H\" may only follow the header \"" +
                                      std::string(traces_header) + "\"");
            }
            if (text.size() < 2 || text[1] != ' ' || !is_stamp(text.substr(2))) {
                return failure_at(line_number,
                                  "the stamp line must be \"H\" and 16 lowercase hexadecimal "
                                  "digits");
            }
            out.stamp = std::string(text.substr(2));
            continue;
        }
        const LineShape* shape = nullptr;
        for (const LineShape& candidate : line_shapes) {
            if (candidate.letter == text.front()) {
                shape = &candidate;
                break;
            }
        }
        if (shape == nullptr) {
            return failure_at(line_number,
                              std::string("unknown trace kind '") + text.front() + "'");
        }
        fields.clear();
        if (auto error = split_fields(text.substr(1), fields)) {
            return failure_at(line_number, error->message);
        }
        if (static_cast<int>(fields.size()) != shape->fields) {
            return failure_at(line_number, std::string("a line of kind '") + shape->letter +
                                               "' has " + std::to_string(shape->fields) +
                                               " field(s), this one has " +
                                               std::to_string(fields.size()));
        }
        TraceLine line;
        line.kind = shape->kind;
        line.line = line_number;
        if (auto error = parse_fields(*shape, fields, line)) {
            return failure_at(line_number, error->message);
        }
        if (line.kind == TraceKind::end_file) {
            if (line.value != line_number - 1) {
                return failure_at(line_number, "the end line counts " + std::to_string(line.value) +
                                                   " line(s) before it, the file has " +
                                                   std::to_string(line_number - 1));
            }
            out.complete = true;
        }
        ++out.read_lines;
        sink(std::move(line));
    }
    out.line_count = line_number;
    return std::nullopt;
}

}  // namespace vx::report
