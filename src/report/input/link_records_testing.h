// For the report's tests: link record texts ended by their end record, as
// the compiler writes them, with the stamp of the hand-written fixtures.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>

namespace vx::report::testing {

inline constexpr std::string_view fixture_stamp = "5eed5eed5eed5eed";

// `records` (whole lines) followed by "Z <count> <stamp>".
inline std::string sealed(const std::string& records, std::string_view stamp = fixture_stamp) {
    const long lines = static_cast<long>(std::count(records.begin(), records.end(), '\n'));
    return records + "Z " + std::to_string(lines) + " " + std::string(stamp) + "\n";
}

}  // namespace vx::report::testing
