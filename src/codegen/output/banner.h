// The banner at the top of every created file (`file_banner`).
//
// A box of 72 columns drawn inside the comment delimiters of the file:
//   full line     start + 72 "*" + end
//   boxed line    start + "* " + content padded to 68 + " *" + end
//   continuation  start + "*   " + piece padded to 66 + " *" + end
//   blank line    start + "*" + 70 blanks + "*" + end
// holding the tool and its version, the command line, the file's own path
// and the date of the run; the labels follow the script language ("OUTIL",
// "COMMANDE", "FICHIER" in French). A content longer than 67 characters is
// cut (cut_banner_text) over a boxed line and continuation lines. When the
// environment variable VEXOR_SUPPRESS_LINE_IN_HEADER is set, the blank line
// after the tool line and the file line are left out, so that banners of
// runs in different places compare equal.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace vx {

class OutputFile;

inline constexpr std::string_view tool_version = "8.3.0.1.342.020";

inline constexpr std::size_t banner_width = 72;
inline constexpr std::size_t banner_content_width = 68;
inline constexpr std::size_t banner_continuation_pad = 66;

// What a banner says, apart from its delimiters.
struct BannerText {
    int script_language = 2;  // 0 and 1 French labels, 2 English
    std::string command;      // the command echo of the run
    std::string date;         // the run date
    // The command and date lines are left out (the environment's
    // VEXOR_SUPPRESS_LINE_IN_HEADER), so that outputs compare across runs.
    bool suppress_lines = false;
};

// The lines of the banner of `file`; `suppress_lines` as if
// VEXOR_SUPPRESS_LINE_IN_HEADER were set.
std::vector<std::string> file_banner(const BannerText& text, std::string_view file,
                                     std::string_view comment_start, std::string_view comment_end,
                                     bool suppress_lines);

// Writes the banner of `file` (normally the output's own path) to `output`.
void write_banner(OutputFile& output, std::string_view file, std::string_view comment_start,
                  std::string_view comment_end, const BannerText& text);

}  // namespace vx
