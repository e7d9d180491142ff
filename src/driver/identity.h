// The compiler's identity: the product title that starts the banner and the
// command analyser's messages, the tool's title and its version. The banner
// reads "<product> <tool> <version>"; the listing header and the "E8 " link
// record carry the tool's title and version.
#pragma once

namespace vx {

inline constexpr char product_title[] = "Harnex";
inline constexpr char tool_title[] = "C Test Script Compiler";
inline constexpr char tool_version[] = "8.3.0.1.342.020";

}  // namespace vx
