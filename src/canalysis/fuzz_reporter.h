// The reporter of the fuzz targets whose code reports through the coded
// messages: the catalogue registered once, no listing, errors and warnings
// past their limits (zero) sent to the closed details file only, and a
// process ending that aborts, so that an internal report, which would mean
// the code contradicted itself, is recorded by the fuzzer.
#pragma once

#include "diag/catalogue.h"
#include "diag/process_end.h"
#include "diag/reporter.h"

#include <cstdlib>

namespace vx {

inline Reporter& fuzz_reporter() {
    static MessageCatalogue catalogue;
    static Reporter* reporter = [] {
        catalogue.register_all();
        auto* r = new Reporter(catalogue);
        r->set_error_limit(0);
        r->set_warning_limit(0);
        set_process_ending([](int) { std::abort(); });
        return r;
    }();
    return *reporter;
}

}  // namespace vx
