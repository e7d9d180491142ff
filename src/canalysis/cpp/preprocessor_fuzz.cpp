// Fuzz target of the C preprocessor.
//
// The first byte chooses the run flags (strict directives, K&R leniency,
// forced analysis, a "-D" definition); the rest is a text preprocessed as a
// native fragment, with a few fixed headers on the search path (written
// once into a private temporary directory, removed at exit): headers with
// guards, one reached by "#include_next", one that defines function-like
// macros, and one that includes itself. Each input gets a fresh
// preprocessor, the text is given in two calls (split at the middle, so
// that conditionals span calls), then cpp_finish runs.
//
// The sink records; fatal reports (a missing include, nesting beyond the
// limit) are a normal end of a text. An internal report would mean that
// the preprocessor contradicted itself: it aborts so that libFuzzer keeps
// the input.
#include "canalysis/cpp/preprocessor.h"

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

class FuzzHeaders {
public:
    FuzzHeaders() {
        char pattern[] = "/tmp/vx_cpp_fuzz_XXXXXX";
        if (::mkdtemp(pattern) == nullptr) {
            std::perror("mkdtemp");
            std::abort();
        }
        directory_ = pattern;
        write("one/a.h",
              "#ifndef A_H\n#define A_H\n#define A(x, ...) x __VA_ARGS__\n"
              "int a;\n#include_next <a.h>\n#endif\n");
        write("two/a.h", "#define NEXT 1\n#define S(x) #x\n#define P(a,b) a##b\n");
        write("two/b.h",
              "#pragma vexor type_modifier = far\n#if __INCLUDE_LEVEL__ < 40\n"
              "#include \"b.h\"\n#endif\nb __FILE__ __LINE__\n");
        write("two/c.h",
              "?"
              "?=define TRI 1\n<% %> /* unterminated");
    }
    ~FuzzHeaders() {
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }
    std::string path(const char* sub) const { return directory_ + "/" + sub; }

private:
    void write(const std::string& name, const std::string& text) {
        std::filesystem::create_directories(
            std::filesystem::path(path(name.c_str())).parent_path());
        std::ofstream(path(name.c_str())) << text;
    }
    std::string directory_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static FuzzHeaders headers;
    if (size == 0) {
        return 0;
    }
    const std::uint8_t flags = data[0];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    vx::Preprocessor cpp;
    vx::FunctionSink sink(
        [](vx::Severity level, vx::MessageCode, std::string_view, std::string_view, long) {
            if (level == vx::Severity::internal) {
                std::abort();
            }
        });
    cpp.set_sink(sink);
    vx::CppInit init;
    init.strict = (flags & 1) != 0;
    init.lenient = (flags & 2) != 0;
    init.include_dirs = {headers.path("one"), headers.path("two")};
    if ((flags & 8) != 0) {
        init.definitions = {"FUZZ=1", "F(x)=x"};
    }
    vx::cpp_init(cpp, init, true);
    const bool forced = (flags & 4) != 0;
    std::string output;
    std::size_t half = text.size() / 2;
    vx::cpp_process_text(cpp, text.substr(0, half), forced, "fuzz.c", 0, output, sink);
    vx::cpp_process_text(cpp, text.substr(half), forced, "fuzz2.c", 10, output, sink);
    vx::cpp_finish(cpp, (flags & 16) != 0);
    return 0;
}
