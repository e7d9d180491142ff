// Folding of generated lines, banner texts and link records.
//
// find_cut scans the text once, left to right, keeping the literal state:
// a double or single quote opens a literal that the same quote closes, and
// in C and C++ a backslash inside a literal takes the next character with
// it. Every separator met outside a literal (except at position 0) is a
// candidate; the cut is the last candidate before the width, else the first
// one at or after it, unless that one is the very last character.
#include "codegen/output/folding.h"

#include "support/text_scanner.h"

#include <optional>

namespace vx {

namespace {

constexpr std::string_view code_separators = " ,;()";
constexpr std::string_view banner_separators = "/ ,";

struct CutRules {
    std::string_view separators;
    bool track_literals;
    QuoteRules quotes;
};

// Generated code of any language: both quotes open literals, with the
// backslash escapes in C and C++ only.
constexpr QuoteRules other_code_quotes{true, false, false, false};

CutRules rules_for(FoldMode mode) {
    bool c_like = mode == FoldMode::c || mode == FoldMode::cpp;
    return {code_separators, true, c_like ? c_quote_rules : other_code_quotes};
}

std::optional<std::size_t> find_cut(std::string_view text, std::size_t width,
                                    const CutRules& rules) {
    std::optional<std::size_t> last_within;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (rules.track_literals && opens_quotation(text, i, rules.quotes)) {
            i = quotation_end(text, i, rules.quotes) - 1;
            continue;
        }
        if (i == 0 || rules.separators.find(c) == std::string_view::npos) {
            continue;
        }
        if (i < width) {
            last_within = i;
            continue;
        }
        if (last_within) {
            return last_within;
        }
        // The first separator after the width: no cut when it ends the text.
        if (i + 1 == text.size()) {
            return std::nullopt;
        }
        return i;
    }
    return last_within;
}

// Cuts `text` while it is longer than `threshold`, using `first_width` for
// the first cut and `next_width` for the others.
std::vector<std::string> cut_text(std::string_view text, std::size_t threshold,
                                  std::size_t first_width, std::size_t next_width,
                                  std::size_t next_threshold, const CutRules& rules) {
    std::vector<std::string> pieces;
    std::size_t width = first_width;
    while (text.size() > threshold) {
        std::optional<std::size_t> cut = find_cut(text, width, rules);
        if (!cut) {
            break;
        }
        pieces.emplace_back(text.substr(0, *cut));
        text.remove_prefix(*cut);
        width = next_width;
        threshold = next_threshold;
    }
    pieces.emplace_back(text);
    return pieces;
}

}  // namespace

std::vector<std::string> fold_line(std::string_view text, FoldMode mode, std::size_t width) {
    if (mode == FoldMode::never) {
        return {std::string(text)};
    }
    return cut_text(text, width, width, width, width, rules_for(mode));
}

std::vector<std::string> cut_banner_text(std::string_view content) {
    constexpr CutRules rules{banner_separators, false, plain_quote_rules};
    return cut_text(content, banner_cut_threshold, banner_first_width, banner_continuation_width,
                    banner_continuation_width, rules);
}

std::vector<std::string> fold_record(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t take = record_width;
    std::string lead;
    do {
        std::string_view piece = text.substr(0, take);
        lines.push_back(lead + std::string(piece));
        text.remove_prefix(piece.size());
        lead = record_continuation;
        take = record_width - record_continuation.size();
    } while (!text.empty());
    return lines;
}

}  // namespace vx
