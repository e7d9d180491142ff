// Routing of generated lines through the sections held in memory.
#include "codegen/output/output_machinery.h"

#include "diag/reporter.h"
#include "support/text.h"

#include <vector>

namespace vx {

namespace {

// Declarations are written whole in the C modes and when folding is off.
bool declaration_written_whole(FoldMode mode) {
    return mode == FoldMode::c || mode == FoldMode::cpp || mode == FoldMode::never;
}

// The marker of a line's origin: the control character, then nothing for
// the harness's own text, or the script line, a blank and the script's
// name as a C string's text.
constexpr char origin_mark = '\x01';

bool is_origin(std::string_view line) { return !line.empty() && line.front() == origin_mark; }

}  // namespace

OutputMachinery::OutputMachinery(Reporter& reporter, const RunFiles& files, std::string log_path,
                                 std::string rename_path)
    : reporter_(reporter),
      files_(files),
      log_path_(std::move(log_path)),
      rename_path_(std::move(rename_path)) {}

OutputMachinery::~OutputMachinery() { discard_sections(); }

OutputFile OutputMachinery::create_output(const std::string& path) const {
    return vx::create_output(reporter_, files_, path, log_path_);
}

void OutputMachinery::map_lines(std::string_view generated_path) {
    mapping_ = true;
    generated_name_ = c_string_text(generated_path);
    origin_.assign(1, origin_mark);
}

void OutputMachinery::set_source(std::string_view file, long line) {
    if (!mapping_) return;
    origin_.assign(1, origin_mark);
    if (file.empty() || line <= 0) return;  // not known: the harness's own
    // Scripts are few and statements many: a file's name is escaped once.
    if (file != source_file_) {
        source_file_ = file;
        source_file_text_ = c_string_text(file);
    }
    origin_ += std::to_string(line);
    origin_ += ' ';
    origin_ += source_file_text_;
}

void OutputMachinery::clear_source() {
    if (mapping_) origin_.assign(1, origin_mark);
}

void OutputMachinery::append(HalfText& half, std::string_view line) {
    if (mapping_ && half.origin != origin_) {
        half.lines += origin_;
        half.lines += '\n';
        half.origin = origin_;
    }
    half.lines.append(line);
    half.lines += '\n';
}

void OutputMachinery::append_copied(HalfText& half, std::string_view line) {
    if (is_origin(line)) half.origin = line;
    half.lines.append(line);
    half.lines += '\n';
}

void OutputMachinery::write_generated(std::string_view text, std::string_view origin) {
    if (!generated_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_line"));
    }
    if (mapping_ && !continued_ && is_origin(origin)) {
        // The physical number of the line the directive would take.
        const long long here = static_cast<long long>(generated_.lines_written()) + 1;
        if (origin.size() == 1) {
            if (mapped_to_script_) {
                generated_.write_line("#line " + std::to_string(here + 1) + " \"" +
                                      generated_name_ + "\"");
                mapped_to_script_ = false;
            }
        } else {
            const std::size_t blank = origin.find(' ');
            const std::string_view file = origin.substr(blank + 1);
            long long line = 0;
            for (char c : origin.substr(1, blank - 1)) line = line * 10 + (c - '0');
            if (!mapped_to_script_ || file != mapped_file_ || here + mapped_delta_ != line) {
                generated_.write_line("#line " + std::to_string(line) + " \"" + std::string(file) +
                                      "\"");
                mapped_to_script_ = true;
                mapped_file_ = file;
                mapped_delta_ = line - (here + 1);
            }
        }
    }
    generated_.write_line(text);
    continued_ = !text.empty() && text.back() == '\\';
}

void OutputMachinery::route_line(std::string_view text) {
    if (test_pair_open_) {
        append(section(element_pair_open_ ? Half::element_opening : Half::test_opening), text);
        return;
    }
    write_generated(text, origin_);
}

void OutputMachinery::route_copied(std::string_view text) {
    if (test_pair_open_) {
        append_copied(section(element_pair_open_ ? Half::element_opening : Half::test_opening),
                      text);
        return;
    }
    if (is_origin(text)) {
        copied_origin_ = text;
        return;
    }
    write_generated(text, copied_origin_);
}

void OutputMachinery::write_line(std::string_view text) {
    if (enabled_) {
        route_line(text);
    }
}

void OutputMachinery::write_folded(std::string_view text, FoldMode mode) {
    if (!enabled_) {
        return;
    }
    for (const std::string& piece : fold_line(text, mode)) {
        route_line(piece);
    }
}

void OutputMachinery::write_folded_test_level(std::string_view text, FoldMode mode) {
    write_folded(text, !text.empty() && text.front() == '#' ? FoldMode::never : mode);
}

void OutputMachinery::write_element_close(std::string_view text, FoldMode mode) {
    if (!enabled_) {
        return;
    }
    for (const std::string& piece : fold_line(text, mode)) {
        // Outside an element the text stays in the current section rather
        // than being lost.
        if (element_pair_open_) {
            append(section(Half::element_closing), piece);
        } else {
            route_line(piece);
        }
    }
}

void OutputMachinery::write_test_close(std::string_view text) {
    if (enabled_ && test_pair_open_) {
        append(section(Half::test_closing), text);
    }
}

void OutputMachinery::write_loop_head(std::string_view text, FoldMode mode) {
    if (!enabled_ || !test_pair_open_) {
        return;
    }
    if (!generated_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_loop_head"));
    }
    for (const std::string& piece : fold_line(text, mode)) {
        write_generated(piece, origin_);
    }
}

void OutputMachinery::write_main_prologue(std::string_view text) {
    if (!enabled_) {
        return;
    }
    open_half(Half::main_prologue);
    append(section(Half::main_prologue), text);
}

void OutputMachinery::write_main_epilogue(std::string_view text) {
    if (!enabled_) {
        return;
    }
    open_half(Half::main_epilogue);
    append(section(Half::main_epilogue), text);
}

void OutputMachinery::write_declaration(std::string_view text, FoldMode mode) {
    if (!enabled_) {
        return;
    }
    if (!declarations_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_declaration"));
    }
    if (declaration_written_whole(mode)) {
        declarations_.write_line(text);
        return;
    }
    for (const std::string& piece : fold_line(text, mode)) {
        declarations_.write_line(piece);
    }
}

void OutputMachinery::open_section(SectionKind kind) {
    switch (kind) {
        case SectionKind::test_pair:
            if (test_pair_open_) {
                throw reporter_.internal(msg::ERRINTFCT, std::string_view("open_section / test"));
            }
            open_half(Half::test_opening);
            open_half(Half::test_closing);
            test_pair_open_ = true;
            write_line("");
            return;
        case SectionKind::element_pair:
            if (element_pair_open_) {
                throw reporter_.internal(msg::ERRINTFCT,
                                         std::string_view("open_section / element"));
            }
            open_half(Half::element_opening);
            open_half(Half::element_closing);
            element_pair_open_ = true;
            element_head_mark_ = 0;
            element_head_.clear();
            write_line("");
            return;
        case SectionKind::main_prologue:
            open_half(Half::main_prologue);
            return;
        case SectionKind::main_epilogue:
            open_half(Half::main_epilogue);
            return;
    }
    throw reporter_.internal(msg::ERRINTFCT, std::string_view("open_section"));
}

void OutputMachinery::copy_lines(const std::string& from, std::size_t begin, std::size_t end) {
    while (begin < end) {
        const std::size_t newline = from.find('\n', begin);
        const std::size_t stop = newline == std::string::npos || newline > end ? end : newline;
        route_copied(std::string_view(from).substr(begin, stop - begin));
        begin = stop + 1;
    }
}

void OutputMachinery::copy_out(Half half) {
    HalfText& copied = section(half);
    copied.open = false;
    copy_lines(copied.lines, 0, copied.lines.size());
    copied.lines.clear();
    copied.origin.clear();
}

void OutputMachinery::mark_element_head() {
    if (element_pair_open_) {
        const HalfText& opening = section(Half::element_opening);
        element_head_mark_ = opening.lines.size();
        element_head_origin_ = opening.origin;
    }
}

void OutputMachinery::write_element_head(std::string_view text, FoldMode mode) {
    if (!enabled_ || !element_pair_open_) {
        return;
    }
    if (mapping_ && (element_head_.empty() || element_head_last_origin_ != origin_)) {
        element_head_.push_back(origin_);
        element_head_last_origin_ = origin_;
    }
    for (std::string& piece : fold_line(text, mode)) {
        element_head_.push_back(std::move(piece));
    }
}

void OutputMachinery::copy_out_element_opening() {
    HalfText& opening = section(Half::element_opening);
    opening.open = false;
    copy_lines(opening.lines, 0, element_head_mark_);
    for (const std::string& head : element_head_) {
        route_copied(head);
    }
    // The lines after the mark keep the origin they were written with.
    if (!element_head_.empty() && !element_head_origin_.empty()) {
        route_copied(element_head_origin_);
    }
    element_head_.clear();
    copy_lines(opening.lines, element_head_mark_, opening.lines.size());
    opening.lines.clear();
    opening.origin.clear();
}

void OutputMachinery::flush_section(SectionKind kind) {
    switch (kind) {
        case SectionKind::test_pair:
            if (!test_pair_open_) {
                return;
            }
            // An element left open belongs inside its test.
            flush_section(SectionKind::element_pair);
            test_pair_open_ = false;
            copy_out(Half::test_opening);
            copy_out(Half::test_closing);
            return;
        case SectionKind::element_pair:
            if (!element_pair_open_) {
                return;
            }
            element_pair_open_ = false;
            copy_out_element_opening();
            copy_out(Half::element_closing);
            return;
        case SectionKind::main_prologue:
        case SectionKind::main_epilogue: {
            const Half half =
                kind == SectionKind::main_prologue ? Half::main_prologue : Half::main_epilogue;
            if (half_open(half)) {
                copy_out(half);
            }
            return;
        }
    }
    throw reporter_.internal(msg::ERRINTFCT, std::string_view("flush_section"));
}

void OutputMachinery::add_renamed_symbol(std::string_view name) {
    if (rename_path_.empty()) {
        return;
    }
    if (!rename_list_.is_open()) {
        rename_list_ = create_output(rename_path_);
        rename_list_.write_text(rename_option);
        rename_list_.write_text("=");
    } else {
        rename_list_.write_text(",\\\n");
    }
    rename_list_.write_text(name);
    ++renamed_count_;
}

void OutputMachinery::close_rename_list(bool keep) {
    if (!rename_list_.is_open()) {
        return;
    }
    if (keep) {
        rename_list_.write_text("\n");
    }
    rename_list_.close(keep);
}

void OutputMachinery::discard_sections() noexcept {
    for (HalfText& half : halves_) {
        half.open = false;
        half.lines.clear();
        half.origin.clear();
    }
    element_head_.clear();
    test_pair_open_ = false;
    element_pair_open_ = false;
}

void OutputMachinery::discard_open_outputs() noexcept {
    generated_.discard();
    declarations_.discard();
    constants_.discard();
    rename_list_.discard();
}

}  // namespace vx
