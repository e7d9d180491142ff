// Fuzz target for the command line with option files: the input up to the
// first NUL byte is written as an option file; the rest, split at NUL
// bytes, is the argument vector, in which every argument "@" names that
// file (and the file is named once more at the end when the first byte is
// odd). The vector is expanded (option files read, environment references
// replaced) and analysed against the compiler's description, as a run
// does. Refusals are expected; crashes, hangs and sanitizer reports are not.
#include "driver/options/command_analyser.h"
#include "driver/options/compiler_options.h"

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

// The option file of the inputs, in a directory of its own for the run.
const std::string& option_file_path() {
    static const std::string path = [] {
        char directory[] = "/tmp/vx_command_line_fuzzXXXXXX";
        if (::mkdtemp(directory) == nullptr) {
            std::abort();
        }
        return std::string(directory) + "/options";
    }();
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t nul = input.find('\0');
    std::string_view file_text = input.substr(0, nul);
    std::string_view vector_text =
        nul == std::string_view::npos ? std::string_view() : input.substr(nul + 1);

    const std::string& path = option_file_path();
    if (std::FILE* file = std::fopen(path.c_str(), "wb")) {
        std::fwrite(file_text.data(), 1, file_text.size(), file);
        std::fclose(file);
    }

    std::vector<std::string> arguments = {"vexorprepro"};
    std::size_t start = 0;
    while (start < vector_text.size()) {
        std::size_t end = vector_text.find('\0', start);
        if (end == std::string_view::npos) {
            end = vector_text.size();
        }
        std::string argument(vector_text.substr(start, end - start));
        arguments.push_back(argument == "@" ? "@" + path : argument);
        start = end + 1;
    }
    if (size > 0 && (data[0] & 1) != 0) {
        arguments.push_back("-OPTION=" + path);
    }

    std::vector<const char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(argument.c_str());
    }
    vx::CommandAnalysis analysis(vx::compiler_command());
    std::vector<std::string> expanded;
    const vx::EnvironmentSnapshot environment = {{"HOME", "/home/fuzz"}, {"VX_SELF", "a$VX_SELF"}};
    if (analysis.expand_arguments(static_cast<int>(argv.size()), argv.data(), environment,
                                  expanded) == 0) {
        analysis.analyse_arguments(expanded);
    }
    return 0;
}
