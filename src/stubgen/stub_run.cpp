#include "stubgen/stub_run.h"

#include "canalysis/cpp/macro_table.h"
#include "canalysis/cpp/preprocessor.h"
#include "diag/reporter.h"
#include "driver/c_analysis.h"
#include "driver/options/compiler_options.h"
#include "stubgen/object_symbols.h"
#include "stubgen/stub_blocks.h"
#include "support/paths.h"
#include "support/text.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

extern char** environ;

namespace fs = std::filesystem;

namespace vx {

const char* const stub_usage_text =
    "usage: vexorstubs [-I DIR]... [-D NAME[=VALUE]]... --header FILE... [--defined FILE]...\n"
    "                  [--library FILE]... [--no-default-libraries] [--keep NAME,...]\n"
    "                  [--stub NAME,...] [--all] [--std-define FILE] [-o FILE] UNIT...\n"
    "  UNIT            the unit's object files, archives or C sources (compiled with $CC\n"
    "                  and the -I and -D options)\n"
    "  --header FILE   a header that declares functions the unit calls (repeatable)\n"
    "  --defined FILE  other code of the program: what it defines gets no stub\n"
    "  --library FILE  a library whose functions get no stub; the C and mathematics\n"
    "                  libraries of $CC are taken unless --no-default-libraries\n"
    "  --keep NAMES    functions never stubbed; --stub NAMES: always stubbed\n"
    "  --all           a stub for every function the headers declare\n"
    "  --std-define F  the standard definitions of the target (default: the\n"
    "                  target package's)\n"
    "  -o FILE         the script file to write (default: standard output)\n";

namespace {

std::vector<std::string> comma_list(const std::string& text) {
    std::vector<std::string> out;
    std::stringstream in(text);
    std::string item;
    while (std::getline(in, item, ',')) {
        if (!item.empty()) out.push_back(item);
    }
    return out;
}

// Runs a program without a shell; its standard output goes to `captured`
// when given, else it is discarded with standard error kept. Returns its
// exit status, -1 when it could not be started.
int run_program(const std::vector<std::string>& arguments, std::string* captured) {
    std::vector<char*> argv;
    for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    int pipe_ends[2] = {-1, -1};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (captured != nullptr) {
        if (pipe(pipe_ends) != 0) return -1;
        posix_spawn_file_actions_adddup2(&actions, pipe_ends[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[0]);
        posix_spawn_file_actions_addclose(&actions, pipe_ends[1]);
    }
    pid_t child = 0;
    const int started = posix_spawnp(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (captured != nullptr) {
        close(pipe_ends[1]);
        if (started == 0) {
            char buffer[4096];
            ssize_t n = 0;
            while ((n = read(pipe_ends[0], buffer, sizeof buffer)) > 0) {
                captured->append(buffer, static_cast<std::size_t>(n));
            }
        }
        close(pipe_ends[0]);
    }
    if (started != 0) return -1;
    int status = 0;
    while (waitpid(child, &status, 0) < 0) {
        if (errno != EINTR) return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// A private directory for the objects of C sources, removed with its
// content however the run ends.
class WorkDirectory {
public:
    WorkDirectory() = default;
    WorkDirectory(const WorkDirectory&) = delete;
    WorkDirectory& operator=(const WorkDirectory&) = delete;
    ~WorkDirectory() {
        if (!path_.empty()) {
            std::error_code ignored;
            fs::remove_all(path_, ignored);
        }
    }
    const std::string& path() {
        if (path_.empty()) {
            std::string pattern = (fs::temp_directory_path() / "vexorstubs.XXXXXX").string();
            if (mkdtemp(pattern.data()) != nullptr) path_ = pattern;
        }
        return path_;
    }

private:
    std::string path_;
};

// What the unit calls that is to be stubbed, and the file that first calls
// each.
struct Calls {
    std::vector<std::string> wanted;
    std::map<std::string, std::string> caller;
};

// The functions that get a block, and what the closing comments list.
struct Choice {
    std::vector<const Symbol*> functions;
    // The header a user includes for each declaring file: the file itself,
    // or, for a private part of a library (<bits/mathcalls.h>), the first
    // public header that includes it.
    std::map<std::string, std::string, std::less<>> public_header;
    std::vector<std::string> shadowed;       // also function-like macros
    std::vector<std::string> not_functions;  // objects
    bool missing = false;                    // a call without a prototype
};

class Generator {
public:
    Generator(const StubRequest& request, const RunEnvironment& environment, Reporter& reporter)
        : request_(request), environment_(environment), reporter_(reporter) {}

    int run();

private:
    // The symbols of one file given on the command line: an object or
    // archive read as it is, a C source compiled first.
    bool read_code(const std::string& path, ObjectSymbols& symbols);
    void read_default_libraries(ObjectSymbols& library);
    std::optional<Calls> calls_to_stub();
    // The headers through the C analysis, as a script's are read.
    void analyse_headers(CAnalysis& analysis);
    Choice choose(const Calls& calls, CAnalysis& analysis);
    std::string script_text(const Choice& choice, const TypeTable& table) const;
    void write_output(const std::string& text);
    std::string header_spelling(std::string_view file) const;
    std::string search_text() const;
    std::string public_header_of(std::string_view file, const Preprocessor& preprocessor) const;

    const StubRequest& request_;
    const RunEnvironment& environment_;
    Reporter& reporter_;
    WorkDirectory work_;
    int compiled_ = 0;
    // The analysis's include search path, system directories included.
    std::vector<std::string> search_path_;
};

std::string compiler_of(const RunEnvironment& environment) {
    const std::optional<std::string> cc = environment.get("CC");
    return cc && !cc->empty() ? *cc : "cc";
}

bool Generator::read_code(const std::string& path, ObjectSymbols& symbols) {
    std::string object = path;
    if (fs::path(path).extension() == ".c") {
        if (work_.path().empty()) {
            reporter_.report({path, 0}, Severity::error, msg::STUBCOMPIL, path);
            return false;
        }
        object = work_.path() + "/" + std::to_string(++compiled_) + ".o";
        std::vector<std::string> command{compiler_of(environment_), "-c", "-o", object};
        for (const std::string& d : request_.include_dirs) command.push_back("-I" + d);
        for (const std::string& d : request_.defines) command.push_back("-D" + d);
        command.push_back(path);
        if (run_program(command, nullptr) != 0) {
            reporter_.report({path, 0}, Severity::error, msg::STUBCOMPIL, path);
            return false;
        }
    }
    std::string problem;
    if (!read_object_symbols(object, symbols, problem)) {
        reporter_.report({path, 0}, Severity::error, msg::STUBOBJECT, path + ": " + problem);
        return false;
    }
    return true;
}

// The libraries every program links with: the C library and the
// mathematics library, shared or static, as the compiler finds them.
void Generator::read_default_libraries(ObjectSymbols& library) {
    for (const char* name : {"libc.so.6", "libc.a", "libm.so.6", "libm.a"}) {
        std::string found;
        if (run_program({compiler_of(environment_), std::string("-print-file-name=") + name},
                        &found) != 0) {
            continue;
        }
        while (!found.empty() && (found.back() == '\n' || found.back() == '\r')) found.pop_back();
        // Not found: the compiler echoes the bare name.
        if (found.empty() || found == name || !fs::exists(found)) continue;
        std::string ignored;
        read_object_symbols(found, library, ignored);
    }
}

// The line of a C source where `name` is first called: the name as a
// whole word followed by "(" (0 when the text has no such line, or is an
// object file's). Comments and strings are not told apart: a call named
// in a comment first gives that comment's line.
long first_call_line(std::string_view text, std::string_view name) {
    auto word_char = [](char c) { return c == '_' || std::isalnum(static_cast<unsigned char>(c)); };
    for (std::size_t at = text.find(name); at != std::string_view::npos;
         at = text.find(name, at + 1)) {
        if (at > 0 && word_char(text[at - 1])) continue;
        std::size_t next = at + name.size();
        if (next < text.size() && word_char(text[next])) continue;
        while (next < text.size() && (text[next] == ' ' || text[next] == '\t')) ++next;
        if (next < text.size() && text[next] == '(') {
            return 1 + static_cast<long>(std::count(text.begin(), text.begin() + at, '\n'));
        }
    }
    return 0;
}

// Names the implementation reserves belong to the compiler and its
// run-time support (__stack_chk_fail, __gcov_init, _GLOBAL_OFFSET_TABLE_).
bool is_reserved_name(std::string_view name) {
    return name.size() > 1 && name[0] == '_' &&
           (name[1] == '_' || std::isupper(static_cast<unsigned char>(name[1])));
}

// Whether the file the analysis read is the header named on the command
// line: the same file, or found under that name in a search directory.
bool is_header(std::string_view file, const std::string& header) {
    if (canonical_path(file) == canonical_path(header)) return true;
    return file.size() > header.size() && file.substr(file.size() - header.size()) == header &&
           file[file.size() - header.size() - 1] == '/';
}

// How the generated script includes a header: as given on the command
// line, else relative to the include directory that holds it (the user's
// first, then the target's system directories).
std::string Generator::header_spelling(std::string_view file) const {
    for (const std::string& h : request_.headers) {
        if (is_header(file, h)) return h;
    }
    const std::string wanted = canonical_path(file);
    for (const auto* dirs : {&request_.include_dirs, &search_path_}) {
        for (const std::string& d : *dirs) {
            if (d.empty()) continue;
            const std::string dir = canonical_path(d);
            if (wanted.size() > dir.size() && wanted.compare(0, dir.size(), dir) == 0 &&
                wanted[dir.size()] == '/') {
                return wanted.substr(dir.size() + 1);
            }
        }
    }
    return std::string(file);
}

// A library's private header is one a user never includes: glibc's
// <bits/...> and the <_...> headers of other C libraries. Its
// declarations belong to the public header that includes it.
bool is_private_header(std::string_view file) {
    const std::size_t slash = file.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? file : file.substr(slash + 1);
    if (!base.empty() && base[0] == '_') return true;
    const std::string_view dir =
        slash == std::string_view::npos ? std::string_view() : file.substr(0, slash);
    return dir == "bits" || dir.ends_with("/bits");
}

std::string Generator::public_header_of(std::string_view file,
                                        const Preprocessor& preprocessor) const {
    std::string_view at = file;
    for (int depth = 0; depth < 64 && is_private_header(at); ++depth) {
        const std::string_view up = preprocessor.includer_of(at);
        if (up.empty()) break;
        at = up;
    }
    return std::string(at);
}

std::string Generator::search_text() const {
    std::string text = "headers read:";
    for (const std::string& h : request_.headers) text += " " + h;
    if (!request_.include_dirs.empty()) {
        text += "; include directories:";
        for (const std::string& d : request_.include_dirs) text += " " + d;
    }
    return text;
}

// The functions of one header, in the order the header declares them.
struct HeaderBlock {
    std::string spelling;
    std::vector<const Symbol*> functions;
};

std::optional<Calls> Generator::calls_to_stub() {
    Calls calls;
    ObjectSymbols unit;
    bool readable = true;
    for (const std::string& path : request_.unit) {
        ObjectSymbols one;
        readable = read_code(path, one) && readable;
        for (const std::string& name : one.undefined) calls.caller.emplace(name, path);
        unit.defined.insert(one.defined.begin(), one.defined.end());
        unit.undefined.insert(one.undefined.begin(), one.undefined.end());
    }
    ObjectSymbols others;
    for (const std::string& path : request_.defined) readable = read_code(path, others) && readable;
    ObjectSymbols library;
    for (const std::string& path : request_.libraries) {
        std::string problem;
        if (!read_object_symbols(path, library, problem)) {
            reporter_.report({path, 0}, Severity::error, msg::STUBOBJECT, path + ": " + problem);
            readable = false;
        }
    }
    if (!readable) return std::nullopt;
    if (request_.default_libraries) read_default_libraries(library);

    for (const std::string& name : unit.undefined) {
        if (request_.keep.count(name) > 0) continue;
        const bool forced = request_.stub.count(name) > 0;
        if (!forced && (is_reserved_name(name) || unit.defined.count(name) > 0 ||
                        others.defined.count(name) > 0 || library.defined.count(name) > 0)) {
            continue;
        }
        calls.wanted.push_back(name);
    }
    for (const std::string& name : request_.stub) {
        if (unit.undefined.count(name) == 0 && request_.keep.count(name) == 0) {
            calls.wanted.push_back(name);
        }
    }
    return calls;
}

void Generator::analyse_headers(CAnalysis& analysis) {
    CompilerSettings settings;
    if (environment_.runtime_package) {
        settings.std_define_file = package_standard_definitions(*environment_.runtime_package);
    }
    if (!request_.std_define_file.empty()) settings.std_define_file = request_.std_define_file;
    settings.include_dirs = request_.include_dirs;
    settings.defined_identifiers = request_.defines;
    analysis.start(settings, environment_);
    std::string includes;
    for (const std::string& h : request_.headers) includes += "#include \"" + h + "\"\n";
    analysis.analyse_declarations(analysis.preprocess(includes, "", 0), {});
    search_path_ = analysis.preprocessor().search_path();
}

Choice Generator::choose(const Calls& calls, CAnalysis& analysis) {
    Choice choice;
    const TypeTable& table = analysis.type_table();
    auto is_function = [](const Symbol* s) {
        const TypeNode* t = s != nullptr ? c_resolve_type(s->type) : nullptr;
        return t != nullptr && t->kind == TypeKind::function && !s->is_function_definition;
    };
    std::vector<const Symbol*>& chosen = choice.functions;
    auto header_of = [&](std::string_view file) -> const std::string& {
        auto found = choice.public_header.find(file);
        if (found == choice.public_header.end()) {
            found = choice.public_header
                        .emplace(std::string(file), public_header_of(file, analysis.preprocessor()))
                        .first;
        }
        return found->second;
    };
    if (request_.all_declared) {
        table.for_each_symbol([&](const Symbol& s) {
            if (!s.scope.empty() || !is_function(&s) || request_.keep.count(s.name) > 0) return;
            // The implementation's own functions (glibc's __cos beside cos)
            // are stubbed when asked for by name only.
            if (is_reserved_name(s.name) && request_.stub.count(s.name) == 0) return;
            for (const std::string& h : request_.headers) {
                if (is_header(header_of(s.file), h)) {
                    chosen.push_back(&s);
                    return;
                }
            }
        });
    }
    // The functions without a prototype, by the file that calls them.
    std::map<std::pair<std::string, long>, std::string> unfound;
    std::map<std::string, std::string> sources;  // the text of each calling C source
    for (const std::string& name : calls.wanted) {
        const Symbol* s = table.lookup_symbol(name, "");
        if (s != nullptr && !is_function(s)) {
            choice.not_functions.push_back(name);
            continue;
        }
        if (s == nullptr) {
            const auto it = calls.caller.find(name);
            const std::string file = it != calls.caller.end() ? it->second : std::string();
            auto source = sources.find(file);
            if (source == sources.end()) {
                std::string text;
                if (fs::path(file).extension() == ".c") {
                    read_whole_file(file, text, nullptr, nullptr);
                }
                source = sources.emplace(file, std::move(text)).first;
            }
            std::string& names = unfound[{file, first_call_line(source->second, name)}];
            names += (names.empty() ? "" : ", ") + name;
            continue;
        }
        if (std::find(chosen.begin(), chosen.end(), s) == chosen.end()) chosen.push_back(s);
        header_of(s->file);
    }
    for (const auto& [location, names] : unfound) {
        reporter_.report({location.first, location.second}, Severity::warning, msg::STUBNOPROT,
                         names + " (" + search_text() + ")");
    }
    choice.missing = !unfound.empty();

    // A name the header turns into another ("#define fscanf
    // __isoc99_fscanf"): its prototype declares that other function, whose
    // own stub is written once. A function the header also defines as a
    // function-like macro: its calls reach the macro, and a prototype of it
    // would be expanded.
    const MacroTable& macros = analysis.preprocessor().macros();
    std::set<std::string> chosen_names;
    for (const Symbol* s : chosen) chosen_names.insert(s->name);
    chosen.erase(std::remove_if(chosen.begin(), chosen.end(),
                                [&](const Symbol* s) {
                                    const MacroEntry* m = macros.macro_lookup(s->name);
                                    if (m == nullptr || !m->definition) return false;
                                    if (m->definition->function_like()) {
                                        choice.shadowed.push_back(s->name);
                                        return true;
                                    }
                                    const std::string body(trimmed(m->definition->body, c_blanks));
                                    return body != s->name && chosen_names.count(body) > 0;
                                }),
                 chosen.end());
    std::sort(choice.shadowed.begin(), choice.shadowed.end());
    return choice;
}

std::string Generator::script_text(const Choice& choice, const TypeTable& table) const {
    // One block per header, headers in the order of their spelling, the
    // functions of each in the order of the header.
    std::map<std::string, HeaderBlock> blocks;
    std::map<std::string, HeaderDeclarations, std::less<>> headers;
    for (const Symbol* s : choice.functions) {
        const std::string spelling = header_spelling(choice.public_header.find(s->file)->second);
        HeaderBlock& block = blocks[spelling];
        block.spelling = spelling;
        block.functions.push_back(s);
        if (headers.find(s->file) == headers.end()) {
            std::string text;
            read_whole_file(std::string(s->file), text, nullptr, nullptr);
            headers.emplace(std::string(s->file), HeaderDeclarations(text));
        }
    }
    std::ostringstream out;
    out << "-- Stubs of the functions the unit calls and does not define, written by\n"
           "-- vexorstubs from the headers that declare them. Include this file with\n"
           "-- INCLUDE PTU before the first SERVICE.\n";
    for (const auto& [spelling, block] : blocks) out << "##include \"" << spelling << "\"\n";
    std::set<std::string> names;
    for (auto& [spelling, block] : blocks) {
        std::sort(block.functions.begin(), block.functions.end(),
                  [](const Symbol* a, const Symbol* b) {
                      return a->line != b->line ? a->line < b->line : a->name < b->name;
                  });
        std::string name = stub_block_name(spelling);
        for (int n = 2; names.count(name) > 0; ++n)
            name = stub_block_name(spelling) + "_" + std::to_string(n);
        names.insert(name);
        out << "\n-- " << spelling
            << "\n"
               "-- Directions follow the parameter types: a value, a pointer to const, a\n"
               "-- void or function pointer, or a pointer to a type the header leaves\n"
               "-- incomplete is _in; a pointer to anything else is _inout; an array\n"
               "-- parameter with a bound is a buffer of that many elements. Edit them to\n"
               "-- fit what each function does with its parameters.\n";
        out << "DEFINE STUB " << name << "\n";
        for (const Symbol* s : block.functions) {
            out << "#" << stub_prototype({s, &headers.find(s->file)->second}, table) << "\n";
        }
        out << "END DEFINE\n";
    }
    if (!choice.shadowed.empty()) {
        std::string text =
            "-- Also function-like macros of their headers (a call reaches the macro;\n"
            "-- stub what it expands to):";
        std::size_t width = text.size() - text.rfind('\n');
        for (const std::string& n : choice.shadowed) {
            if (width + n.size() + 1 > 78) {
                text += "\n--";
                width = 2;
            }
            text += " " + n;
            width += n.size() + 1;
        }
        out << "\n" << text << "\n";
    }
    if (!choice.not_functions.empty()) {
        out << "\n-- Objects the unit uses and does not define (not functions, no stub):";
        for (const std::string& n : choice.not_functions) out << " " << n;
        out << "\n";
    }
    return out.str();
}

void Generator::write_output(const std::string& text) {
    if (request_.output.empty()) {
        std::cout << text << std::flush;
        return;
    }
    // Written beside the target and renamed, so that a build never includes
    // half a file.
    const std::string staged = request_.output + ".part";
    {
        std::ofstream file(staged, std::ios::binary | std::ios::trunc);
        file << text;
        if (!file.flush()) {
            file.close();
            std::remove(staged.c_str());
            throw reporter_.fatal(msg::FICERROPN, request_.output);
        }
    }
    if (std::rename(staged.c_str(), request_.output.c_str()) != 0) {
        std::remove(staged.c_str());
        throw reporter_.fatal(msg::FICERROPN, request_.output);
    }
}

int Generator::run() {
    if (request_.unit.empty() && !request_.all_declared) {
        throw reporter_.fatal(msg::STUBNOUNIT, "(no object file or C source given)");
    }
    const std::optional<Calls> calls = calls_to_stub();
    if (!calls) return 2;
    RunFiles files;
    CAnalysis analysis(reporter_, files);
    analyse_headers(analysis);
    const Choice choice = choose(*calls, analysis);
    analysis.finish();
    const std::string text = script_text(choice, analysis.type_table());
    if (reporter_.error_count() > 0) return 2;
    write_output(text);
    return choice.missing ? 1 : 0;
}

}  // namespace

int run_stub_generator(const StubRequest& request, const RunEnvironment& environment,
                       Reporter& reporter) {
    Generator generator(request, environment, reporter);
    return generator.run();
}

bool parse_stub_arguments(const std::vector<std::string>& arguments, StubRequest& request,
                          std::string& problem) {
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&](std::string& out) {
            if (i + 1 >= arguments.size()) {
                problem = a + " needs a value";
                return false;
            }
            out = arguments[++i];
            return true;
        };
        std::string v;
        if ((a.rfind("-I", 0) == 0 || a.rfind("-D", 0) == 0) && a.size() > 2) {
            (a[1] == 'I' ? request.include_dirs : request.defines).push_back(a.substr(2));
        } else if (a == "-I" || a == "-D") {
            if (!value(v)) return false;
            (a[1] == 'I' ? request.include_dirs : request.defines).push_back(v);
        } else if (a == "--header") {
            if (!value(v)) return false;
            request.headers.push_back(v);
        } else if (a == "--std-define") {
            if (!value(v)) return false;
            request.std_define_file = v;
        } else if (a == "--defined") {
            if (!value(v)) return false;
            request.defined.push_back(v);
        } else if (a == "--library") {
            if (!value(v)) return false;
            request.libraries.push_back(v);
        } else if (a == "--no-default-libraries") {
            request.default_libraries = false;
        } else if (a == "--keep" || a == "--stub") {
            if (!value(v)) return false;
            for (std::string& n : comma_list(v))
                (a == "--keep" ? request.keep : request.stub).insert(n);
        } else if (a == "--all") {
            request.all_declared = true;
        } else if (a == "-o") {
            if (!value(v)) return false;
            request.output = v;
        } else if (!a.empty() && a[0] == '-') {
            problem = "unknown option " + a;
            return false;
        } else {
            request.unit.push_back(a);
        }
    }
    if (request.headers.empty()) {
        problem = "no --header given";
        return false;
    }
    return true;
}

}  // namespace vx
