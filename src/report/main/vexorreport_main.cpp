// vexorreport: prints the verdict of a harness run from its link record
// file and its traces file (see report/report_cli.h).
#include "report/report_cli.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    // No failure ends the program with an abort: what the readers did not
    // foresee (memory exhausted, a stream error) is an unusable input.
    try {
        std::vector<std::string> arguments(argv + 1, argv + argc);
        return vx::report::run_report(arguments, std::cout, std::cerr);
    } catch (const std::exception& failure) {
        std::cerr << "vexorreport: " << failure.what() << '\n';
    } catch (...) {
        std::cerr << "vexorreport: unexpected failure\n";
    }
    return vx::report::exit_unusable;
}
