// Cutting long lines into pieces.
//
// Generated lines longer than 80 characters are folded: the text is scanned
// from the left, keeping track of string and character literals, and cut
// before the last separator (blank, ",", ";", "(" or ")") that lies outside
// the literals within the first 80 characters; when there is none, before
// the first separator after them. The separator begins the remaining text,
// which is folded again the same way. A separator in the first position
// never counts, a separator that is the last character gives no cut, and a
// text that offers no cut is written whole however long it is.
//
// The banner uses the same cutting with width 68 for the first piece and 65
// for the continuations, and "/", blank and "," as separators (its texts
// are command lines and paths, so quotes are not literals there).
//
// Link records are folded differently, by length alone: 132 characters,
// then continuation lines of "&" and at most 131 characters.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

// How generated text is folded. The values are the mode numbers callers
// pass around: 3 for C, 6 for C++, 4 never folds, 0 the rules of the other
// tested languages (literals without backslash escapes).
enum class FoldMode : int { other_language = 0, c = 3, never = 4, cpp = 6 };

inline constexpr std::size_t fold_width = 80;

inline constexpr std::size_t banner_cut_threshold = 67;
inline constexpr std::size_t banner_first_width = 68;
inline constexpr std::size_t banner_continuation_width = 65;

inline constexpr std::size_t record_width = 132;
inline constexpr std::string_view record_continuation = "&";

// The pieces of a generated line, each to be written on its own line.
std::vector<std::string> fold_line(std::string_view text, FoldMode mode,
                                   std::size_t width = fold_width);

// The pieces of a banner content longer than 67 characters (one piece when
// it is not longer).
std::vector<std::string> cut_banner_text(std::string_view content);

// The lines of one link record: the first 132 characters, then "&" + at
// most 131 characters per line.
std::vector<std::string> fold_record(std::string_view text);

}  // namespace vx
