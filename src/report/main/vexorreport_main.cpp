// vexorreport: prints the verdict of a harness run from its link record
// file and its traces file (see report/report_cli.h).
#include "report/report_cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return vx::report::run_report(arguments, std::cout, std::cerr);
}
