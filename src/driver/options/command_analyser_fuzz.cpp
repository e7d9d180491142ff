// Fuzz target for the command analyser: the input is read both as the
// content of an option file and as an argument vector (arguments separated
// by NUL bytes) analysed against the compiler's description. Refusals are
// expected; crashes, hangs and sanitizer reports are not.
#include "driver/options/command_analyser.h"
#include "driver/options/compiler_options.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A fixed environment, so that a finding replays: a plain value, a value
// that refers to itself and two that refer to each other.
const vx::EnvironmentSnapshot fuzz_environment = {{"HOME", "/home/fuzz"},
                                                  {"VX_SELF", "a$VX_SELF"},
                                                  {"VX_PING", "$VX_PONG"},
                                                  {"VX_PONG", "$VX_PING"}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);

    std::vector<std::string> arguments = {"vexorprepro"};
    for (std::string& word : vx::option_file_words(input, fuzz_environment)) {
        arguments.push_back(std::move(word));
    }
    vx::CommandAnalysis from_file(vx::compiler_command());
    from_file.analyse_arguments(arguments);

    arguments.assign(1, "vexorprepro");
    std::size_t start = 0;
    while (start <= input.size()) {
        std::size_t end = input.find('\0', start);
        if (end == std::string_view::npos) {
            end = input.size();
        }
        arguments.push_back(
            vx::expand_environment(input.substr(start, end - start), fuzz_environment));
        start = end + 1;
    }
    vx::CommandAnalysis from_vector(vx::compiler_command());
    from_vector.analyse_arguments(arguments);
    return 0;
}
