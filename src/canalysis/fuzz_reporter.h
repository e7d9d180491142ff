// The reporter of the fuzz targets whose code reports through the coded
// messages: the catalogue registered once, no listing, errors and warnings
// past their limits (zero) sent to the closed details file only. The run a
// fatal or internal report stops is never caught: its RunStopped escapes the
// target and the fuzzer records it, since the code contradicted itself.
#pragma once

#include "diag/catalogue.h"
#include "diag/reporter.h"

namespace vx {

inline Reporter& fuzz_reporter() {
    static MessageCatalogue catalogue;
    static Reporter* reporter = [] {
        catalogue.register_all();
        auto* r = new Reporter(catalogue);
        r->set_error_limit(0);
        r->set_warning_limit(0);
        return r;
    }();
    return *reporter;
}

}  // namespace vx
