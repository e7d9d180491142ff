// The codes of the message catalogue as an enumeration, one enumerator per
// code of messages.def, in the order of their first row. The sources raise
// a message by its enumerator (`reporter.error(msg::TYPESMISM, ...)`), so a
// code that is not in the catalogue is a compile error rather than a
// message that prints as "undefined" at run time.
#pragma once

#include "diag/severity.h"

#include <cstdint>
#include <string_view>

namespace vx {

enum class MessageCode : std::uint16_t {
#define VX_MESSAGE(table, code, severity, also, context, source, comment) code,
#define VX_MESSAGE_AGAIN(table, code, severity, also, context, source, comment)
#include "diag/messages.def"
#undef VX_MESSAGE_AGAIN
#undef VX_MESSAGE
};

// The nine-letter text of a code, as the catalogue and the printed lines
// show it.
std::string_view message_code_name(MessageCode code);

// Whether a place may raise the code at this severity: the one of its
// catalogue row, or the one other severity the row marks as deliberate.
bool severity_allowed(MessageCode code, Severity severity);

// Whether a warning of this code means that a statement of the script was
// dropped, cut short or changed (dropping_warnings.def).
bool warning_drops_statement(MessageCode code);

// The enumerators under a short name for the call sites: msg::TYPESMISM.
namespace msg {
using enum MessageCode;
}

}  // namespace vx
