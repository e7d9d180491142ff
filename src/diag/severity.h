// How grave a diagnostic is, from the internal error that stops the run to
// the plain information. The order is meaningful: everything up to
// `warning` is counted, and a lower value is graver. Every part of the
// compiler (the script front end, the C analysis, the generators) speaks
// with these five levels.
#pragma once

namespace vx {

enum class Severity { internal = 0, fatal = 1, error = 2, warning = 3, info = 4 };

// The letter of the printed line: S, F, E, W or I.
char severity_letter(Severity severity);

}  // namespace vx
