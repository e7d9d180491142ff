// cpp_dump: runs a C file, or the native text of a test script, through the
// C preprocessor as the compiler would, and prints the preprocessed text.
//
//   cpp_dump [-INCL=dir]... [-DEFINE=name[=value]]... [-STD_DEFINE=file]
//            [-RESTRICTION=ANSI|KR] [-SCRIPT] [-DECLARATIONS] file
//
// The preprocessor is started as in a run (restriction flags, -INCL,
// -DEFINE, the standard-definitions file, by default the target package's
// ana/vxus_c.def, and STUBINACTIVE), with the environment of a run: the
// target package (VXLTGT, else VXUTGT) and the variables that shape the
// analysis, taken once when the tool starts. A C file is preprocessed as
// the text of an include directive naming it; with -SCRIPT the native
// lines of the script ("#" and "!" lines, marker dropped) are preprocessed
// as one text that keeps the script's line layout. With -DECLARATIONS the
// preprocessed text is also analysed as declarations, into the type table
// of the run, as a script's headers are. Diagnostics go to
// standard error as in a run; the exit status is 0, or 1 when a warning or
// an error was reported.
#include "diag/catalogue.h"
#include "diag/reporter.h"
#include "diag/translations.h"
#include "driver/c_analysis.h"
#include "driver/run_environment.h"
#include "driver/options/compiler_options.h"

#include <unistd.h>

#include <cstdio>
#include <string>
#include <string_view>

namespace {

bool option(std::string_view arg, std::string_view name, std::string& value) {
    if (arg.substr(0, name.size()) != name) {
        return false;
    }
    value = std::string(arg.substr(name.size()));
    return true;
}

std::string script_native_text(const std::string& script) {
    std::string out;
    std::size_t begin = 0;
    while (begin < script.size()) {
        std::size_t end = script.find('\n', begin);
        if (end == std::string::npos) {
            end = script.size();
        }
        std::string_view line(script.data() + begin, end - begin);
        std::size_t first = line.find_first_not_of(" \t\r");
        if (first != std::string_view::npos && (line[first] == '#' || line[first] == '!')) {
            out.append(line.substr(first + 1));
        }
        out += '\n';
        begin = end + 1;
    }
    return out;
}

int dump(int argc, char** argv) {
    vx::TranslationSession toolkit(argc, argv);
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    vx::Reporter reporter(catalogue);

    // The same look at the process environment as a run's.
    const vx::RunEnvironment environment = vx::read_run_environment();
    vx::CompilerSettings settings;
    if (environment.runtime_package) {
        settings.std_define_file = vx::package_standard_definitions(*environment.runtime_package);
    }
    bool script = false;
    bool declarations = false;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string value;
        if (option(arg, "-INCL=", value)) {
            settings.include_dirs.push_back(value);
        } else if (option(arg, "-DEFINE=", value)) {
            settings.defined_identifiers.push_back(value);
        } else if (option(arg, "-STD_DEFINE=", value)) {
            settings.std_define_file = value;
        } else if (option(arg, "-RESTRICTION=", value)) {
            settings.restrictions[static_cast<std::size_t>(vx::Restriction::ansi)] =
                value == "ANSI";
            settings.restrictions[static_cast<std::size_t>(vx::Restriction::kr)] = value == "KR";
        } else if (arg == "-SCRIPT") {
            script = true;
        } else if (arg == "-DECLARATIONS") {
            declarations = true;
        } else if (!arg.empty() && arg[0] != '-' && file.empty()) {
            file = std::string(arg);
        } else {
            std::fprintf(stderr, "cpp_dump: unknown argument %s\n", argv[i]);
            return 2;
        }
    }
    if (file.empty()) {
        std::fprintf(stderr,
                     "usage: cpp_dump [-INCL=dir]... [-DEFINE=name]... [-STD_DEFINE=file] "
                     "[-RESTRICTION=ANSI|KR] [-SCRIPT] [-DECLARATIONS] file\n");
        return 2;
    }

    // The tool writes nothing but its standard output: no output of its own
    // to guard, but the files read are noted all the same.
    vx::RunFiles files;
    vx::CAnalysis analysis(reporter, files);
    analysis.start(settings, environment);
    std::string output;
    if (script) {
        std::string text;
        vx::InputRefusal refusal;
        if (!vx::read_whole_file(file, text, &files, &refusal)) {
            throw reporter.fatal(refusal.message(), refusal.message_argument(file));
        }
        output = analysis.preprocess(script_native_text(text), file, 0);
    } else {
        output = analysis.preprocess("#include \"" + file + "\"\n", "", 0);
    }
    if (declarations) {
        analysis.analyse_declarations(output, {});
    }
    analysis.finish();
    std::fwrite(output.data(), 1, output.size(), stdout);
    return reporter.error_count() > 0 || reporter.warning_count() > 0 ? 1 : 0;
}

}  // namespace

// A fatal report unwinds to here with the status to end with.
int main(int argc, char** argv) {
    try {
        return dump(argc, argv);
    } catch (const vx::RunStopped& stopped) {
        return stopped.status;
    }
}
