// Collecting the inputs of a script compilation and writing them as a Make
// rule. The inputs are gathered in one work list: the scripts first, then
// the files of the "I" records, then every header an include directive of
// an earlier entry names, so each file is read once and a header that
// includes itself (or a cycle of them) ends the walk instead of looping.
#include "report/output/depfile.h"

#include "diag/file_guard.h"
#include "support/text.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <set>
#include <system_error>

namespace vx::report {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view record_separator = " / ";
constexpr std::string_view include_directive = "include";
constexpr long script_file_code = 11;
// Markers of the native lines of a script that reach the C analysis.
constexpr std::string_view analysed_markers = "#!";

// A line without its blanks, and without the carriage return of a line
// that ended in CR LF.
std::string_view trimmed_line(std::string_view text) { return trimmed(trimmed_end(text, " \t\r")); }

// The file name of an include directive written with quotes or angle
// brackets ("#include" and "#include_next"), empty for any other line.
std::string included_name(std::string_view line) {
    std::string_view text = trimmed_line(line);
    if (text.empty() || text.front() != '#') {
        return {};
    }
    text = trimmed_line(text.substr(1));
    if (text.substr(0, include_directive.size()) != include_directive) {
        return {};
    }
    text.remove_prefix(include_directive.size());
    if (text.substr(0, 5) == "_next") {
        text.remove_prefix(5);
    }
    text = trimmed_line(text);
    if (text.empty() || (text.front() != '"' && text.front() != '<')) {
        return {};
    }
    const char close = text.front() == '"' ? '"' : '>';
    std::size_t end = text.find(close, 1);
    if (end == std::string_view::npos || end == 1) {
        return {};
    }
    return std::string(text.substr(1, end - 1));
}

bool is_file(const fs::path& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

fs::path absolute_path(const fs::path& path) {
    std::error_code error;
    fs::path absolute = fs::absolute(path, error);
    return (error ? path : absolute).lexically_normal();
}

// Where the compiler's preprocessor finds `name` included from `includer`.
std::optional<fs::path> find_header(const std::string& name, const fs::path& includer,
                                    const HeaderSearch& search) {
    fs::path written(name);
    if (is_file(written)) {
        return written;
    }
    if (written.is_absolute()) {
        return std::nullopt;
    }
    std::vector<fs::path> directories(search.include_dirs.begin(), search.include_dirs.end());
    if (!search.target_lib.empty()) {
        directories.emplace_back(search.target_lib);
    }
    directories.push_back(includer.parent_path());
    for (const fs::path& directory : directories) {
        if (directory.empty()) {
            continue;
        }
        fs::path candidate = directory / written;
        if (is_file(candidate)) {
            return candidate;
        }
    }
    return std::nullopt;
}

class InputList {
public:
    // Adds an existing file once; false when it is not added.
    bool add(const fs::path& path, bool script) {
        if (!is_file(path)) {
            return false;
        }
        fs::path absolute = absolute_path(path);
        if (!seen_.insert(absolute.string()).second) {
            return false;
        }
        entries_.push_back(Entry{absolute, script});
        return true;
    }

    // Reads every entry, the ones added meanwhile included.
    void follow_includes(const HeaderSearch& search) {
        std::string line;
        for (std::size_t index = 0; index < entries_.size(); ++index) {
            const fs::path file = entries_[index].path;
            const bool script = entries_[index].script;
            // Only regular files of a sane size are read: a header that is
            // a link to a device or a pipe would never end or block.
            std::string content;
            OpenedInput opened;
            if (!read_input_file(file.string(), content, opened)) {
                continue;
            }
            std::istringstream in(content);
            while (std::getline(in, line)) {
                std::string_view text = line;
                if (script) {
                    text = trimmed_line(text);
                    if (text.empty() ||
                        analysed_markers.find(text.front()) == std::string_view::npos) {
                        continue;
                    }
                    text.remove_prefix(1);
                }
                std::string name = included_name(text);
                if (name.empty()) {
                    continue;
                }
                if (auto found = find_header(name, file, search)) {
                    add(*found, false);
                }
            }
        }
    }

    std::vector<std::string> paths() const {
        std::vector<std::string> result;
        result.reserve(entries_.size());
        for (const Entry& entry : entries_) {
            result.push_back(entry.path.string());
        }
        return result;
    }

private:
    struct Entry {
        fs::path path;
        bool script;
    };
    std::vector<Entry> entries_;
    std::set<std::string> seen_;
};

}  // namespace

std::optional<std::string> dependency_record_path(std::string_view text) {
    // The including file is a bare file name: the last separator is its.
    std::size_t last = text.rfind(record_separator);
    if (last == std::string_view::npos) {
        return std::nullopt;
    }
    // The path begins after the first separator that an absolute path (or
    // the row of "-" of a missing file) follows; the include name before it
    // may itself hold a " / ".
    std::size_t first = text.find(record_separator);
    while (first != std::string_view::npos && first < last) {
        std::size_t start = first + record_separator.size();
        char c = start < text.size() ? text[start] : '\0';
        if (c == '/' || c == '-') {
            std::string_view path = trimmed_line(text.substr(start, last - start));
            if (path.empty() || path.find_first_not_of('-') == std::string_view::npos) {
                return std::nullopt;
            }
            return std::string(path);
        }
        first = text.find(record_separator, first + 1);
    }
    return std::nullopt;
}

std::vector<std::string> compilation_inputs(const LinkRecordFile& links,
                                            const HeaderSearch& search) {
    InputList inputs;
    for (const LinkRecord& record : links.records) {
        if (record.kind == 'E' && record.number == script_file_code) {
            std::size_t blank = record.text.find(' ');
            if (blank != std::string::npos) {
                inputs.add(fs::path(record.text.substr(blank + 1)), true);
            }
        }
    }
    for (const LinkRecord& record : links.records) {
        if (record.kind == 'I') {
            if (auto path = dependency_record_path(record.text)) {
                inputs.add(fs::path(*path), false);
            }
        }
    }
    inputs.follow_includes(search);
    return inputs.paths();
}

std::optional<std::string> make_escaped(std::string_view path) {
    std::string escaped;
    std::size_t backslashes = 0;
    for (char c : path) {
        switch (c) {
            case '\n':
            case '\r':
            case '\0':
                return std::nullopt;
            case ' ':
            case '\t':
                // Make reads 2n+1 backslashes before a blank as n backslashes
                // and an escaped blank.
                escaped.append(backslashes + 1, '\\');
                escaped += c;
                break;
            case '#':
                escaped.append(backslashes, '\\');
                escaped += "\\#";
                break;
            case '$':
                escaped += "$$";
                break;
            default:
                escaped += c;
                break;
        }
        backslashes = c == '\\' ? backslashes + 1 : 0;
    }
    return escaped;
}

std::optional<std::string> depfile_text(std::string_view target,
                                        const std::vector<std::string>& inputs,
                                        std::string& refused) {
    auto target_text = make_escaped(target);
    if (!target_text || target.empty()) {
        refused = std::string(target);
        return std::nullopt;
    }
    std::string text = *target_text + ":";
    for (const std::string& input : inputs) {
        auto input_text = make_escaped(input);
        if (!input_text) {
            refused = input;
            return std::nullopt;
        }
        text += " \\\n  " + *input_text;
    }
    text += "\n";
    return text;
}

}  // namespace vx::report
