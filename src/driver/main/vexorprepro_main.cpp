// The compiler's entry point: everything happens in run_compiler.
#include "driver/run.h"

int main(int argc, char** argv) { return vx::run_compiler(argc, argv); }
