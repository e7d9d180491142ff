// Bounded assembly: the pieces are taken in order and copied until the
// destination holds assembly_limit characters; the piece that crosses the
// limit is cut and the rest are skipped. A piece starting at the
// destination's first character is refused with "ERRINTFCT" before anything
// is written. When some accepted piece lies inside the destination buffer,
// the text is first assembled aside, so that no piece is read after the
// destination has been rewritten under it.
#include "support/assembly.h"

#include "diag/reporter.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>

namespace vx::detail {

namespace {

std::string_view operation_name(AssemblyMode mode) {
    return mode == AssemblyMode::copy ? "xstrcpy" : "xstrcat";
}

std::string_view null_destination_name(AssemblyMode mode) {
    return mode == AssemblyMode::copy ? "xstrcpy (2)" : "xstrcat (2)";
}

struct SortedPieces {
    std::vector<std::string_view> accepted;
    std::size_t refused = 0;
};

// Sets apart the pieces that are the destination itself.
SortedPieces sort_pieces(const char* destination, std::initializer_list<std::string_view> pieces) {
    SortedPieces sorted;
    sorted.accepted.reserve(pieces.size());
    for (std::string_view piece : pieces) {
        if (piece.data() == destination) {
            ++sorted.refused;
        } else {
            sorted.accepted.push_back(piece);
        }
    }
    return sorted;
}

void report_refusals(AssemblyMode mode, const SortedPieces& sorted) {
    for (std::size_t i = 0; i < sorted.refused; ++i) {
        report_internal("ERRINTFCT", operation_name(mode));
    }
}

bool lies_in(std::string_view piece, const char* begin, const char* end) {
    if (piece.empty()) {
        return false;
    }
    std::less<const char*> before;
    return !before(piece.data(), begin) && before(piece.data(), end);
}

// Appends the pieces to `out` until it holds `limit` characters.
void append_bounded(std::string& out, const std::vector<std::string_view>& pieces,
                    std::size_t limit) {
    for (std::string_view piece : pieces) {
        std::size_t room = limit - std::min(limit, out.size());
        if (room == 0) {
            return;
        }
        out.append(piece.substr(0, room));
    }
}

}  // namespace

void assemble(AssemblyMode mode, char* destination,
              std::initializer_list<std::string_view> pieces) {
    if (destination == nullptr) {
        report_internal("ERRINTFCT", null_destination_name(mode));
        return;
    }
    const SortedPieces sorted = sort_pieces(destination, pieces);
    const std::vector<std::string_view>& accepted = sorted.accepted;

    std::size_t length = 0;
    if (mode == AssemblyMode::append) {
        length = std::min(std::strlen(destination), assembly_limit);
    }

    const char* buffer_end = destination + assembly_buffer_size;
    bool overlapping = std::any_of(accepted.begin(), accepted.end(), [&](std::string_view piece) {
        return lies_in(piece, destination, buffer_end);
    });
    if (overlapping) {
        std::string aside;
        append_bounded(aside, accepted, assembly_limit - length);
        if (!aside.empty()) {
            std::memcpy(destination + length, aside.data(), aside.size());
        }
        destination[length + aside.size()] = '\0';
        report_refusals(mode, sorted);
        return;
    }

    for (std::string_view piece : accepted) {
        std::size_t take = std::min(piece.size(), assembly_limit - length);
        if (take > 0) {
            std::memcpy(destination + length, piece.data(), take);
        }
        length += take;
    }
    destination[length] = '\0';
    report_refusals(mode, sorted);
}

void assemble(AssemblyMode mode, std::string& destination,
              std::initializer_list<std::string_view> pieces) {
    const SortedPieces sorted = sort_pieces(destination.data(), pieces);
    const std::vector<std::string_view>& accepted = sorted.accepted;

    const char* begin = destination.data();
    const char* end = begin + destination.size() + 1;
    bool overlapping = std::any_of(accepted.begin(), accepted.end(), [&](std::string_view piece) {
        return lies_in(piece, begin, end);
    });
    if (overlapping) {
        std::string assembled;
        if (mode == AssemblyMode::append) {
            assembled.assign(destination, 0, std::min(destination.size(), assembly_limit));
        }
        append_bounded(assembled, accepted, assembly_limit);
        destination = std::move(assembled);
        report_refusals(mode, sorted);
        return;
    }
    if (mode == AssemblyMode::copy) {
        destination.clear();
    } else if (destination.size() > assembly_limit) {
        destination.resize(assembly_limit);
    }
    append_bounded(destination, accepted, assembly_limit);
    report_refusals(mode, sorted);
}

}  // namespace vx::detail

namespace vx {

CharBuffer join_new(std::initializer_list<std::string_view> pieces) {
    std::size_t total = 0;
    for (std::string_view piece : pieces) {
        total += piece.size();
        if (total >= assembly_limit) {
            total = assembly_limit;
            break;
        }
    }
    CharBuffer joined(static_cast<char*>(allocate(total + 1)));
    if (!joined) {
        return joined;
    }
    std::size_t length = 0;
    for (std::string_view piece : pieces) {
        std::size_t take = std::min(piece.size(), total - length);
        if (take > 0) {
            std::memcpy(joined.get() + length, piece.data(), take);
        }
        length += take;
    }
    joined[length] = '\0';
    return joined;
}

}  // namespace vx
