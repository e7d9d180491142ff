// Bounded assembly of texts from pieces.
//
// Statement texts, generated lines and messages are built by concatenating
// a list of pieces into a destination. At most 61440 characters ever stand
// in a destination: the piece that would cross the limit is cut there, the
// pieces after it are skipped, and nothing is reported, so a destination
// buffer of 61441 bytes (limit + terminator) can never overflow.
//
// A piece that is the destination itself cannot be read while the
// destination is being rewritten; it is left out, assembly goes on with the
// next piece, and once the destination holds the rest the refusal is
// reported as the internal error "ERRINTFCT" naming the operation
// ("xstrcpy" or "xstrcat"). A null destination is reported as "ERRINTFCT"
// with "xstrcpy (2)" or "xstrcat (2)" and nothing is written. (Internal
// reports end the run; reporting last leaves a complete destination for
// whatever the ending does.)
//
// Two forms exist. The buffer form writes into a char array of at least
// assembly_buffer_size bytes; the string form assigns to or appends to a
// std::string with the same limit. In both, "the destination itself" means
// a piece that starts at the destination's first character; any other
// piece may lie inside the destination (it is read before the destination
// is rewritten). A null `const char*` piece counts as an empty piece.
#pragma once

#include "support/memory.h"

#include <array>
#include <concepts>
#include <initializer_list>
#include <cstddef>
#include <string>
#include <string_view>

namespace vx {

// The most characters an assembled text may hold.
inline constexpr std::size_t assembly_limit = 61440;
// The size of a buffer that can take any assembled text and its terminator.
inline constexpr std::size_t assembly_buffer_size = assembly_limit + 1;

using AssemblyBuffer = std::array<char, assembly_buffer_size>;

namespace detail {

// One piece as the assembly sees it: its characters and the address they
// start at, which is what the refusal of the destination compares.
inline std::string_view piece_view(const char* piece) {
    return piece == nullptr ? std::string_view() : std::string_view(piece);
}
inline std::string_view piece_view(std::string_view piece) { return piece; }

template <typename T>
concept CPiece = std::convertible_to<const T&, const char*>;

template <typename T>
concept TextPiece = CPiece<T> || std::convertible_to<const T&, std::string_view>;

template <typename T>
std::string_view as_piece(const T& piece) {
    if constexpr (CPiece<T>) {
        return piece_view(static_cast<const char*>(piece));
    } else {
        return piece_view(static_cast<std::string_view>(piece));
    }
}

enum class AssemblyMode { copy, append };

// The buffer form of both operations.
void assemble(AssemblyMode mode, char* destination, std::initializer_list<std::string_view> pieces);
// The string form of both operations.
void assemble(AssemblyMode mode, std::string& destination,
              std::initializer_list<std::string_view> pieces);

}  // namespace detail

// Writes the concatenation of the pieces at the beginning of `destination`
// (a buffer of at least assembly_buffer_size bytes), with its terminator.
template <detail::TextPiece... Pieces>
void xstrcpy(char* destination, const Pieces&... pieces) {
    detail::assemble(detail::AssemblyMode::copy, destination, {detail::as_piece(pieces)...});
}

// The same, starting at the current end of the text in `destination`.
template <detail::TextPiece... Pieces>
void xstrcat(char* destination, const Pieces&... pieces) {
    detail::assemble(detail::AssemblyMode::append, destination, {detail::as_piece(pieces)...});
}

// The string forms: `destination` becomes (xstrcpy) or is extended by
// (xstrcat) the concatenation, never holding more than assembly_limit
// characters.
template <detail::TextPiece... Pieces>
void xstrcpy(std::string& destination, const Pieces&... pieces) {
    detail::assemble(detail::AssemblyMode::copy, destination, {detail::as_piece(pieces)...});
}

template <detail::TextPiece... Pieces>
void xstrcat(std::string& destination, const Pieces&... pieces) {
    detail::assemble(detail::AssemblyMode::append, destination, {detail::as_piece(pieces)...});
}

// A new block of exactly the assembled length + 1 bytes holding the
// concatenation (at most assembly_limit characters).
CharBuffer join_new(std::initializer_list<std::string_view> pieces);

template <detail::TextPiece... Pieces>
CharBuffer join_new(const Pieces&... pieces) {
    return join_new({detail::as_piece(pieces)...});
}

// The concatenation as a string, with the same limit.
template <detail::TextPiece... Pieces>
std::string join(const Pieces&... pieces) {
    std::string text;
    detail::assemble(detail::AssemblyMode::copy, text, {detail::as_piece(pieces)...});
    return text;
}

}  // namespace vx
