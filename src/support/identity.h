// The compiler's identity: shown in the banner, the listing header, the
// headers of generated files, the "E8 " link record and the answers of
// both programs to --version.
#pragma once

namespace vx {

inline constexpr const char* product_title = "Harnex";
inline constexpr const char* tool_title = "C Test Script Compiler";
inline constexpr const char* tool_version = "8.3.0.1.342.020";
inline constexpr const char* copyright_notice =
    "Copyright (C) 2026 the vexorprepro developers. All rights reserved.";

}  // namespace vx
