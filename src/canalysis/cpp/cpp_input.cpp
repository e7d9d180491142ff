// Input preparation of the preprocessor, and the sink of a run.
//
// A file is read whole. Before scanning, its text is cut at the first NUL
// byte, given a final newline, and its trigraphs and digraphs are replaced
// in place: the line keeps its length, the characters saved by a
// replacement are added as blanks at the end of the line, so that columns
// after the line do not move. "??/" at the end of a line (blanks allowed
// after it) stays a line continuation. Digraphs are tokens, so they are
// replaced in code only, never inside literals or comments.
#include "canalysis/cpp/preprocessor.h"

#include "diag/file_guard.h"
#include "diag/reporter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>
#include <cstring>
#include <memory>

namespace vx {

namespace {

char trigraph_replacement(char c) {
    switch (c) {
        case '=':
            return '#';
        case '(':
            return '[';
        case '/':
            return '\\';
        case ')':
            return ']';
        case '\'':
            return '^';
        case '<':
            return '{';
        case '>':
            return '}';
        case '-':
            return '~';
        default:
            return 0;
    }
}

// Replaces within one line [begin, end) (end excludes the newline).
std::string replace_trigraphs(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t eol = text.find('\n', i);
        if (eol == std::string_view::npos) {
            eol = text.size();
        }
        std::string_view line = text.substr(i, eol - i);
        if (line.find("??") == std::string_view::npos) {
            out.append(line);
        } else {
            std::size_t saved = 0;
            bool continuation = false;
            for (std::size_t k = 0; k < line.size(); ++k) {
                char r = 0;
                if (line[k] == '?' && k + 2 < line.size() && line[k + 1] == '?') {
                    r = trigraph_replacement(line[k + 2]);
                }
                if (r == 0) {
                    out += line[k];
                    continue;
                }
                out += r;
                k += 2;
                saved += 2;
                if (r == '\\') {
                    std::size_t rest = k + 1;
                    while (rest < line.size() &&
                           is_horizontal_blank(static_cast<unsigned char>(line[rest]))) {
                        ++rest;
                    }
                    if (rest == line.size()) {
                        continuation = true;
                        break;
                    }
                }
            }
            if (!continuation) {
                out.append(saved, ' ');
            }
        }
        if (eol < text.size()) {
            out += '\n';
        }
        i = eol + 1;
    }
    return out;
}

char digraph_replacement(char a, char b) {
    if (a == '<' && b == ':') return '[';
    if (a == ':' && b == '>') return ']';
    if (a == '<' && b == '%') return '{';
    if (a == '%' && b == '>') return '}';
    if (a == '%' && b == ':') return '#';
    return 0;
}

bool has_digraph(std::string_view text) {
    for (const char* d : {"<:", ":>", "<%", "%>", "%:"}) {
        if (text.find(d) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

std::string replace_digraphs(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    enum class State { code, string, character, line_comment, block_comment } state = State::code;
    std::size_t saved = 0;  // blanks owed at the end of the current line
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\n') {
            out.append(saved, ' ');
            saved = 0;
            out += c;
            if (state == State::line_comment || state == State::string ||
                state == State::character) {
                if (!(i > 0 && text[i - 1] == '\\')) {
                    state = State::code;
                }
            }
            continue;
        }
        switch (state) {
            case State::code:
                if (c == '"') {
                    state = State::string;
                } else if (c == '\'') {
                    state = State::character;
                } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
                    state = State::line_comment;
                } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
                    state = State::block_comment;
                    out += "/*";
                    ++i;
                    continue;
                } else if (i + 1 < text.size()) {
                    if (char r = digraph_replacement(c, text[i + 1])) {
                        out += r;
                        ++i;
                        ++saved;
                        continue;
                    }
                }
                break;
            case State::string:
            case State::character:
                if (c == '\\' && i + 1 < text.size() && text[i + 1] != '\n') {
                    out += c;
                    out += text[++i];
                    continue;
                }
                if (c == (state == State::string ? '"' : '\'')) {
                    state = State::code;
                }
                break;
            case State::line_comment:
                break;
            case State::block_comment:
                if (c == '*' && i + 1 < text.size() && text[i + 1] == '/') {
                    out += "*/";
                    ++i;
                    state = State::code;
                    continue;
                }
                break;
        }
        out += c;
    }
    out.append(saved, ' ');
    return out;
}

}  // namespace

std::string prepare_input(std::string_view text) {
    // A UTF-8 byte order mark before the first line is not text.
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    if (std::size_t nul = text.find('\0'); nul != std::string_view::npos) {
        text = text.substr(0, nul);
    }
    std::string out =
        text.find("??") == std::string_view::npos ? std::string(text) : replace_trigraphs(text);
    if (has_digraph(out)) {
        out = replace_digraphs(out);
    }
    if (out.empty() || out.back() != '\n') {
        out += '\n';
    }
    return out;
}

bool read_whole_file(const std::string& path, std::string& text, RunFiles* files,
                     InputRefusal* refusal, FileIdentity* identity) {
    auto refuse = [&](MessageCode code, std::string argument) {
        text.clear();
        if (refusal != nullptr) {
            *refusal = {code, std::move(argument)};
        }
        return false;
    };
    OpenedInput opened;
    if (read_input_file(path, text, opened)) {
        // A header that is an output of the run would be read while it is
        // being replaced.
        if (files != nullptr) {
            if (files->output_clash(path, opened.identity) != nullptr) {
                return refuse(msg::FICENTSOR, path);
            }
            files->note_input(path, opened.identity);
        }
        if (identity != nullptr) {
            *identity = opened.identity;
        }
        return true;
    }
    if (opened.problem == InputProblem::missing &&
        (opened.error == ENOENT || opened.error == ENOTDIR)) {
        return false;  // not there: the search goes on
    }
    // There, but not a file that can be read (a pipe, a device, a
    // directory, a huge file, a read error): refused with its reason,
    // never read as empty.
    return refuse(input_problem_code(opened), input_problem_text(path, opened));
}

}  // namespace vx
