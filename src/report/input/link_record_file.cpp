// Reading the link record file: one pass over the lines. Banner lines are
// skipped, "&" lines are appended to the record before them, every other
// line must begin with a known kind letter followed by its number (or, for
// "E" records, its code). Location records update the last location seen
// for their code; a numbered record takes the location of the statement
// that made it. After the pass, index() builds the lookups by number, the
// service of each test and the elements of each test.
//
// The end record "Z <count> <stamp>" must be the last line, whole, with
// the right count of lines before it: a file cut anywhere, or with lines
// lost or added, is refused. Every test record must have the "E22" record
// of its number of runs, whose "R" factors name repetition records. A
// script's fingerprint "E23 n size hash" must have exactly that shape.
#include "report/input/link_record_file.h"
#include "support/text.h"

#include <charconv>
#include <climits>
#include <cstdio>
#include <set>
#include <sstream>

namespace vx::report {

namespace {

constexpr std::string_view numbered_kinds = "OSCXQTRFBDIVAUPL";
constexpr std::string_view other_kinds = "EHJMNY";
constexpr std::string_view range_keyword = " RA=";
constexpr std::string_view expected_keyword = " VA";

// Location codes of the "E" records and the kinds whose statements they
// locate.
constexpr long script_file_code = 11;
constexpr long run_count_code = 22;
constexpr long fingerprint_code = 23;
struct LocationOwner {
    long code;
    char kind;
};
constexpr LocationOwner location_owners[] = {
    {17, 'O'}, {16, 'T'}, {14, 'B'}, {12, 'V'}, {12, 'A'}, {15, 'U'}, {15, 'J'},
};

bool is_location_code(long code) {
    for (const auto& owner : location_owners) {
        if (owner.code == code) {
            return true;
        }
    }
    return false;
}

long location_code_of(char kind) {
    for (const auto& owner : location_owners) {
        if (owner.kind == kind) {
            return owner.code;
        }
    }
    return -1;
}

// Reads a decimal number (with an optional "-" when allowed) at the start
// of text; returns the count of characters used, 0 when there is none.
std::size_t read_number(std::string_view text, bool allow_sign, long& value) {
    std::size_t n = 0;
    if (allow_sign && !text.empty() && text.front() == '-') {
        n = 1;
    }
    std::size_t digits = n;
    while (digits < text.size() && is_digit(text[digits])) {
        ++digits;
    }
    if (digits == n) {
        return 0;
    }
    auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error != std::errc() || end != text.data() + digits) {
        return 0;
    }
    return digits;
}

Failure failure_at(long line, std::string message) {
    return Failure{Source::link_records, line, std::move(message)};
}

std::string printable_kind(char c) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u >= 0x20 && u < 0x7f) {
        return std::string("'") + c + "'";
    }
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "0x%02x", u);
    return buffer;
}

// Reads the fields "n size hash" of an "E23" record.
std::optional<std::string> read_fingerprint(std::string_view text, long& file,
                                            ScriptFingerprint& fingerprint) {
    const std::string shape =
        "the script fingerprint E23 must be \"E23 <file number> <size> <16 lowercase "
        "hexadecimal digits>\"";
    std::size_t used = read_number(text, false, file);
    if (used == 0 || used >= text.size() || text[used] != ' ') {
        return shape;
    }
    text.remove_prefix(used + 1);
    const std::size_t blank = text.find(' ');
    if (blank == std::string_view::npos) {
        return shape;
    }
    const std::string_view size = text.substr(0, blank);
    const std::string_view hash = text.substr(blank + 1);
    auto [size_end, size_error] =
        std::from_chars(size.data(), size.data() + size.size(), fingerprint.size);
    if (size.empty() || !is_digit(size.front()) || size_error != std::errc() ||
        size_end != size.data() + size.size() || !is_stamp(hash)) {
        return shape;
    }
    // Sixteen hexadecimal digits always fit in 64 bits.
    std::from_chars(hash.data(), hash.data() + hash.size(), fingerprint.hash, 16);
    return std::nullopt;
}

// Reads the end record "Z <count> <stamp>" of line `line_number`.
std::optional<Failure> read_end_record(std::string_view line, long line_number,
                                       std::string& stamp) {
    const std::string shape = "the end record must be \"Z <count of the lines before it> <stamp>\"";
    std::string_view rest = line.substr(1);
    long count = 0;
    std::size_t used =
        rest.size() > 1 && rest.front() == ' ' ? read_number(rest.substr(1), false, count) : 0;
    if (used == 0 || used + 1 >= rest.size() || rest[used + 1] != ' ') {
        return failure_at(line_number, shape);
    }
    std::string_view text = rest.substr(used + 2);
    if (!is_stamp(text)) {
        return failure_at(line_number, "the stamp \"" + std::string(text) +
                                           "\" of the end record is not 16 lowercase "
                                           "hexadecimal digits");
    }
    if (count != line_number - 1) {
        return failure_at(line_number, "the end record counts " + std::to_string(count) +
                                           " line(s) before it, the file has " +
                                           std::to_string(line_number - 1) +
                                           ": lines were lost or added");
    }
    stamp = std::string(text);
    return std::nullopt;
}

}  // namespace

ScriptFingerprint fingerprint_of(std::string_view content) {
    return ScriptFingerprint{static_cast<std::uint64_t>(content.size()), fnv1a_64(content)};
}

bool is_stamp(std::string_view text) {
    if (text.size() != stamp_digits) {
        return false;
    }
    for (char c : text) {
        if (!is_digit(c) && !(c >= 'a' && c <= 'f')) {
            return false;
        }
    }
    return true;
}

std::optional<std::string> read_run_product(std::string_view text, RunProduct& product) {
    product = RunProduct();
    product.text = std::string(text);
    const std::string shape = "the number of runs \"" + std::string(text) +
                              "\" is not a product of numbers and \"R\" records (\"2*R14\")";
    if (text.empty()) {
        return shape;
    }
    while (true) {
        const std::size_t star = text.find('*');
        std::string_view factor = text.substr(0, star);
        const bool repetition = !factor.empty() && factor.front() == 'R';
        if (repetition) {
            factor.remove_prefix(1);
        }
        long value = 0;
        if (factor.empty() || read_number(factor, false, value) != factor.size()) {
            return shape;
        }
        if (repetition) {
            product.repetitions.push_back(value);
        } else if (value != 0 && product.constant > LLONG_MAX / value) {
            return "the number of runs \"" + std::string(text) + "\" is too large";
        } else {
            product.constant *= value;
        }
        if (star == std::string_view::npos) {
            return std::nullopt;
        }
        text.remove_prefix(star + 1);
    }
}

bool is_variable_kind(char kind) { return kind == 'V' || kind == 'A' || kind == 'L'; }

VariableText split_variable_text(std::string_view text) {
    VariableText result;
    std::size_t range = text.find(range_keyword);
    if (range == std::string_view::npos) {
        result.name = std::string(trimmed(text));
        return result;
    }
    result.name = std::string(trimmed(text.substr(0, range)));
    std::size_t expected = text.find(expected_keyword, range + range_keyword.size());
    if (expected != std::string_view::npos) {
        std::string_view value = trimmed(text.substr(expected + expected_keyword.size()));
        if (!value.empty() && value.front() == '=') {
            value = trimmed(value.substr(1));
        }
        result.expected = std::string(value);
    }
    return result;
}

std::optional<Failure> parse_link_records(std::string_view content, LinkRecordFile& out) {
    out = LinkRecordFile();
    std::map<long, ScriptLocation> last_location;
    long line_number = 0;
    std::size_t position = 0;
    bool ended = false;  // the end record was read
    long open_test = 0;  // the test whose records are being read
    std::set<long> tests_with_runs;
    while (position < content.size()) {
        std::size_t end = content.find('\n', position);
        const bool line_ended = end != std::string_view::npos;
        if (!line_ended) {
            end = content.size();
        }
        std::string_view line = content.substr(position, end - position);
        position = end + 1;
        ++line_number;
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        for (char c : line) {
            unsigned char u = static_cast<unsigned char>(c);
            if (u < 0x20 && c != '\t') {
                return failure_at(line_number,
                                  "control character " + printable_kind(c) + " in a link record");
            }
        }
        if (!line.empty() && line.front() == end_record_mark) {
            if (auto failure = read_end_record(line, line_number, out.stamp)) {
                return failure;
            }
            if (!line_ended) {
                return failure_at(line_number,
                                  "the end record is cut short (no end of line): the file is "
                                  "incomplete");
            }
            if (position < content.size()) {
                return failure_at(line_number + 1, "text after the end record \"Z\"");
            }
            ended = true;
            break;
        }
        if (line.empty() || line.front() == banner_mark) {
            continue;
        }
        if (line.front() == continuation_mark) {
            if (out.records.empty()) {
                return failure_at(line_number, "continuation line \"&\" before any record");
            }
            out.records.back().text.append(line.substr(1));
            continue;
        }

        LinkRecord record;
        record.kind = line.front();
        record.file_line = line_number;
        bool numbered = numbered_kinds.find(record.kind) != std::string_view::npos;
        if (!numbered && other_kinds.find(record.kind) == std::string_view::npos) {
            return failure_at(line_number,
                              "unknown link record kind " + printable_kind(record.kind));
        }
        std::string_view rest = line.substr(1);
        long number = 0;
        std::size_t used = read_number(rest, record.kind == 'Y', number);
        if (used == 0) {
            return failure_at(line_number, std::string("the record ") + record.kind +
                                               " has no number after its kind letter");
        }
        record.number = number;
        rest.remove_prefix(used);
        if (!rest.empty()) {
            if (rest.front() != ' ') {
                return failure_at(line_number, "a blank must follow the number of the record");
            }
            rest.remove_prefix(1);
        }
        record.text = std::string(rest);

        if (record.kind == 'O') {
            open_test = 0;
        } else if (record.kind == 'T' && record.number > 0) {
            open_test = record.number;
        }
        if (record.kind == 'E' && record.number == run_count_code) {
            RunProduct product;
            if (auto problem = read_run_product(rest, product)) {
                return failure_at(line_number, *problem);
            }
            if (open_test == 0) {
                return failure_at(line_number,
                                  "the number of runs E22 comes before any test record");
            }
            if (!tests_with_runs.insert(open_test).second) {
                return failure_at(line_number, "test record " + std::to_string(open_test) +
                                                   " has a second number of runs E22");
            }
        } else if (record.kind == 'E' && record.number == fingerprint_code) {
            long file = 0;
            ScriptFingerprint fingerprint;
            if (auto problem = read_fingerprint(rest, file, fingerprint)) {
                return failure_at(line_number, *problem);
            }
        } else if (record.kind == 'E') {
            if (record.number == script_file_code || is_location_code(record.number)) {
                long file = 0;
                std::string_view fields = rest;
                std::size_t file_used = read_number(fields, false, file);
                if (file_used == 0) {
                    return failure_at(line_number, "location record E" +
                                                       std::to_string(record.number) +
                                                       " has no file number");
                }
                fields.remove_prefix(file_used);
                if (record.number == script_file_code) {
                    out.records.push_back(std::move(record));
                    continue;
                }
                long script_line = 0;
                std::size_t line_used = fields.empty() || fields.front() != ' '
                                            ? 0
                                            : read_number(fields.substr(1), false, script_line);
                if (line_used == 0 || line_used + 1 != fields.size()) {
                    return failure_at(line_number, "location record E" +
                                                       std::to_string(record.number) +
                                                       " needs a file number and a line number");
                }
                last_location[record.number] = ScriptLocation{file, script_line};
            }
        } else if (numbered || record.kind == 'J') {
            long code = location_code_of(record.kind);
            auto found = last_location.find(code);
            if (found != last_location.end()) {
                record.location = found->second;
            }
        }
        out.records.push_back(std::move(record));
    }
    if (!ended) {
        return failure_at(line_number > 0 ? line_number : 1,
                          line_number == 0
                              ? std::string("the link record file is empty")
                              : std::string("the link record file ends without its end record "
                                            "\"Z\": it is cut short, or an older vexorprepro "
                                            "wrote it (compile the script again)"));
    }
    out.index();
    for (const LinkRecord& record : out.records) {
        if (record.kind != 'T' || record.number <= 0 || out.numbered(record.number) != &record) {
            continue;
        }
        const RunProduct* runs = out.runs_of_test(record.number);
        if (runs == nullptr) {
            return failure_at(record.file_line, "test record " + std::to_string(record.number) +
                                                    " \"" + record.text +
                                                    "\" has no record E22 of its number of runs");
        }
        for (long repetition : runs->repetitions) {
            const LinkRecord* counted = out.numbered(repetition);
            if (counted == nullptr || counted->kind != 'R') {
                return failure_at(record.file_line, "the number of runs of test record " +
                                                        std::to_string(record.number) + " (" +
                                                        runs->text + ") names R" +
                                                        std::to_string(repetition) +
                                                        ", which is not a repetition record");
            }
        }
    }
    return std::nullopt;
}

std::string LinkRecordFile::stub_name(long stub_number) const {
    if (stub_number < 1 || static_cast<std::size_t>(stub_number) > stubs_.size()) {
        return {};
    }
    return stubs_[static_cast<std::size_t>(stub_number) - 1];
}

std::string LinkRecordFile::stub_of_record(long record_number) const {
    auto found = stub_records_.find(record_number);
    return found == stub_records_.end() ? std::string() : found->second;
}

void LinkRecordFile::index() {
    by_number_.clear();
    service_of_test_.clear();
    elements_.clear();
    scripts_.clear();
    fingerprints_.clear();
    stubs_.clear();
    stub_records_.clear();
    stub_statements_.clear();
    stub_outputs_.clear();
    runs_.clear();
    element_of_variable_.clear();
    test_of_element_.clear();
    notes_.clear();
    enumerations_.clear();
    // The "Y" records describe an enumerated type each: a header "Yn name"
    // (n its number), one "Yvalue name" record per enumerator, and "Y0 0".
    long enumeration = 0;
    std::optional<std::size_t> service;
    long element = 0;  // the element whose records are being read
    // The current test's number; 0 before the first "T" record (record
    // numbers start at 1).
    long test = 0;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const LinkRecord& record = records[i];
        if (record.kind == 'E' && record.number == run_count_code) {
            RunProduct product;
            if (test > 0 && !read_run_product(record.text, product)) {
                runs_.emplace(test, std::move(product));
            }
            continue;
        }
        if (record.kind == 'E') {
            if (record.number == script_file_code) {
                std::string_view text = record.text;
                std::size_t blank = text.find(' ');
                long file = 0;
                if (read_number(text, false, file) > 0) {
                    scripts_[file] = blank == std::string_view::npos
                                         ? std::string()
                                         : std::string(text.substr(blank + 1));
                }
            } else if (record.number == fingerprint_code) {
                long file = 0;
                ScriptFingerprint fingerprint;
                // The first fingerprint of a file is the one that counts.
                if (!read_fingerprint(record.text, file, fingerprint)) {
                    fingerprints_.emplace(file, fingerprint);
                }
            }
            continue;
        }
        if (record.kind == 'J' && element > 0) {
            stub_statements_[element].push_back(i);
            continue;
        }
        if (record.kind == 'Y') {
            if (enumeration == 0) {
                enumeration = record.number;
                enumerations_[enumeration];
            } else if (record.number == 0 && record.text == "0") {
                enumeration = 0;
            } else {
                enumerations_[enumeration].emplace(record.number, record.text);
            }
            continue;
        }
        if ((record.kind == 'C' || record.kind == 'Q') && record.number > 0) {
            const long owner = test > 0 ? test : service ? records[*service].number : 0;
            if (owner > 0) notes_[owner].push_back(i);
        }
        if (record.kind == 'N' && !stubs_.empty()) {
            stub_outputs_[static_cast<long>(stubs_.size())].emplace_back(record.number,
                                                                         record.text);
            continue;
        }
        if (record.kind == 'U' && record.number > 0) {
            // "read_sensor(channel,value)": the stub's name and parameters.
            std::string name = record.text.substr(0, record.text.find('('));
            name.erase(0, name.find_first_not_of(' '));
            name.erase(name.find_last_not_of(' ') + 1);
            stubs_.push_back(name);
            stub_records_[record.number] = name;
        }
        if (numbered_kinds.find(record.kind) == std::string_view::npos || record.number <= 0) {
            continue;
        }
        // Under NOEDIT two records may share a number: the first one,
        // the service or test header, is the one a trace can refer to.
        by_number_.emplace(record.number, i);
        if ((record.kind == 'V' || record.kind == 'A') && element > 0) {
            element_of_variable_.emplace(record.number, element);
        }
        if (record.kind == 'O') {
            service = i;
            test = 0;
            element = 0;
        } else if (record.kind == 'T') {
            test = record.number;
            element = 0;
            if (service) {
                service_of_test_.emplace(record.number, *service);
            }
        } else if (record.kind == 'B' && test > 0) {
            elements_[test].push_back(i);
            element = record.number;
            test_of_element_.emplace(record.number, test);
        }
    }
}

const LinkRecord* LinkRecordFile::stub_statement(long element, long stub, long call) const {
    auto found = stub_statements_.find(element);
    if (found == stub_statements_.end()) {
        return nullptr;
    }
    for (std::size_t i : found->second) {
        const LinkRecord& record = records[i];
        if (record.number != stub) {
            continue;
        }
        long first = 0;
        long last = 0;
        std::istringstream fields(record.text);
        if ((fields >> first >> last) && first <= call && call <= last) {
            return &record;
        }
    }
    return nullptr;
}

std::vector<const LinkRecord*> LinkRecordFile::stub_statements(long element, long stub) const {
    std::vector<const LinkRecord*> out;
    auto found = stub_statements_.find(element);
    if (found != stub_statements_.end()) {
        for (std::size_t i : found->second) {
            if (records[i].number == stub) {
                out.push_back(&records[i]);
            }
        }
    }
    return out;
}

std::vector<std::pair<long, std::string>> LinkRecordFile::stub_outputs(long stub) const {
    auto found = stub_outputs_.find(stub);
    return found == stub_outputs_.end() ? std::vector<std::pair<long, std::string>>{}
                                        : found->second;
}

std::vector<const LinkRecord*> LinkRecordFile::notes_of(long owner) const {
    std::vector<const LinkRecord*> out;
    auto found = notes_.find(owner);
    if (found != notes_.end()) {
        for (std::size_t i : found->second) out.push_back(&records[i]);
    }
    return out;
}

const LinkRecordFile::Enumeration* LinkRecordFile::enumeration_of(std::string_view text) const {
    // "lvl RA=FORM=CY1,INIT=..." or "FORM=NY1": a checked or recorded value.
    const std::size_t form = text.find(" RA=FORM=");
    if (form == std::string_view::npos) return nullptr;
    std::string_view letters = text.substr(form + 9);
    long type = 0;
    if (letters.size() < 3 || letters[1] != 'Y' ||
        read_number(letters.substr(2), false, type) == 0) {
        return nullptr;
    }
    auto enumeration = enumerations_.find(type);
    return enumeration == enumerations_.end() ? nullptr : &enumeration->second;
}

std::string LinkRecordFile::enumerator_name(const Enumeration& enumeration,
                                            std::string_view value) {
    long number = 0;
    if (read_number(value, true, number) != value.size()) return {};
    auto name = enumeration.find(number);
    return name == enumeration.end() ? std::string() : name->second;
}

const RunProduct* LinkRecordFile::runs_of_test(long test_number) const {
    auto found = runs_.find(test_number);
    return found == runs_.end() ? nullptr : &found->second;
}

long LinkRecordFile::element_of_variable(long record_number) const {
    auto found = element_of_variable_.find(record_number);
    return found == element_of_variable_.end() ? 0 : found->second;
}

long LinkRecordFile::test_of_element(long element_number) const {
    auto found = test_of_element_.find(element_number);
    return found == test_of_element_.end() ? 0 : found->second;
}

std::string LinkRecordFile::element_text(long element_number, long test) const {
    const LinkRecord* element = numbered(element_number);
    if (element == nullptr || element->kind != 'B') {
        return "no element";
    }
    std::string text = "element " + std::string(trimmed(element->text));
    const long owner = test_of_element(element_number);
    if (owner != test) {
        const LinkRecord* owner_record = numbered(owner);
        text += " of test \"" + (owner_record != nullptr ? owner_record->text : std::string("?")) +
                "\"";
    }
    const std::string where = location_text(element->location);
    return where.empty() ? text : text + " (" + where + ")";
}

const LinkRecord* LinkRecordFile::numbered(long number) const {
    auto found = by_number_.find(number);
    return found == by_number_.end() ? nullptr : &records[found->second];
}

const LinkRecord* LinkRecordFile::service_of_test(long test_number) const {
    auto found = service_of_test_.find(test_number);
    return found == service_of_test_.end() ? nullptr : &records[found->second];
}

std::vector<const LinkRecord*> LinkRecordFile::elements_of_test(long test_number) const {
    std::vector<const LinkRecord*> result;
    auto found = elements_.find(test_number);
    if (found != elements_.end()) {
        for (std::size_t i : found->second) {
            result.push_back(&records[i]);
        }
    }
    return result;
}

std::string LinkRecordFile::script_path(long file) const {
    auto found = scripts_.find(file);
    return found == scripts_.end() ? std::string() : found->second;
}

std::vector<std::string> LinkRecordFile::script_paths() const {
    std::vector<std::string> paths;
    for (const auto& [file, path] : scripts_) {
        if (!path.empty()) paths.push_back(path);
    }
    return paths;
}

const ScriptFingerprint* LinkRecordFile::script_fingerprint(long file) const {
    auto found = fingerprints_.find(file);
    return found == fingerprints_.end() ? nullptr : &found->second;
}

std::string LinkRecordFile::location_text(const ScriptLocation& location) const {
    if (!location.known()) {
        return {};
    }
    std::string path = script_path(location.file);
    std::size_t slash = path.find_last_of("/\\");
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (name.empty()) {
        return "line " + std::to_string(location.line);
    }
    return name + ":" + std::to_string(location.line);
}

std::string LinkRecordFile::script_base() const {
    for (const LinkRecord& record : records) {
        if (record.kind == 'E' && record.number == 6) {
            return std::string(trimmed(record.text));
        }
    }
    return {};
}

}  // namespace vx::report
