// Routing of generated lines through the work file sections.
#include "codegen/output/output_machinery.h"

#include "diag/reporter.h"
#include "diag/signal_cleanup.h"

#include <cstdio>
#include <cstdlib>
#include <unistd.h>
#include <vector>

namespace vx {

namespace {

constexpr char first_work_letter = 'a';

// Declarations are written whole in the C modes and when folding is off.
bool declaration_written_whole(FoldMode mode) {
    return mode == FoldMode::c || mode == FoldMode::cpp || mode == FoldMode::never;
}

}  // namespace

OutputMachinery::OutputMachinery(Reporter& reporter, const RunFiles& files, const SkipFlags& flags,
                                 std::string log_path, std::string rename_path)
    : reporter_(reporter),
      files_(files),
      flags_(flags),
      log_path_(std::move(log_path)),
      rename_path_(std::move(rename_path)) {}

OutputMachinery::~OutputMachinery() { discard_work_files(); }

OutputFile OutputMachinery::create_output(const std::string& path) const {
    return vx::create_output(reporter_, files_, path, log_path_);
}

void OutputMachinery::make_work_prefix() {
    if (!work_prefix_.empty()) {
        return;
    }
    std::string name(work_prefix_template);
    int descriptor = ::mkstemp(name.data());
    if (descriptor < 0) {
        throw reporter_.fatal(msg::IMPOUVFIC, work_prefix_template);
    }
    ::close(descriptor);
    add_removable_file(name);
    work_prefix_ = std::move(name);
}

std::string OutputMachinery::work_file_path(WorkFile file) const {
    char letter = static_cast<char>(first_work_letter + static_cast<int>(file));
    return work_prefix_ + letter + std::string(work_file_suffix);
}

void OutputMachinery::create_work_file(WorkFile file) {
    in_use_[static_cast<std::size_t>(file)] = true;
    if (work(file).is_open()) {
        return;  // emptied at its last flush
    }
    // The file itself comes only if its text outgrows memory. The names of
    // the work files are reserved when the main script is opened
    // (run_compile_driver), or else here before the first file is made.
    work(file) = vx::create_work_file(
        reporter_, files_,
        [this, file] {
            make_work_prefix();
            return work_file_path(file);
        },
        work_file_memory);
}

void OutputMachinery::route_line(std::string_view text) {
    if (test_pair_open_) {
        if (element_pair_open_) ++element_opening_lines_;
        work(element_pair_open_ ? WorkFile::element_opening : WorkFile::test_opening)
            .write_line(text);
        return;
    }
    if (!generated_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_line"));
    }
    generated_.write_line(text);
}

void OutputMachinery::write_line(std::string_view text) {
    if (flags_.output_enabled()) {
        route_line(text);
    }
}

void OutputMachinery::write_folded(std::string_view text, FoldMode mode) {
    if (!flags_.output_enabled()) {
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
    if (!flags_.output_enabled() || flags_.records_paused()) {
        return;
    }
    for (const std::string& piece : fold_line(text, mode)) {
        // Outside an element the text stays in the current section rather
        // than being lost.
        if (element_pair_open_) {
            work(WorkFile::element_closing).write_line(piece);
        } else {
            route_line(piece);
        }
    }
}

void OutputMachinery::write_test_close(std::string_view text) {
    if (flags_.output_enabled() && test_pair_open_) {
        work(WorkFile::test_closing).write_line(text);
    }
}

void OutputMachinery::write_loop_head(std::string_view text, FoldMode mode) {
    if (!flags_.output_enabled() || !test_pair_open_) {
        return;
    }
    if (!generated_.is_open()) {
        throw reporter_.internal(msg::ERRINTFCT, std::string_view("write_loop_head"));
    }
    for (const std::string& piece : fold_line(text, mode)) {
        generated_.write_line(piece);
    }
}

void OutputMachinery::write_main_prologue(std::string_view text) {
    if (!flags_.output_enabled()) {
        return;
    }
    if (!work_file_open(WorkFile::main_prologue)) {
        create_work_file(WorkFile::main_prologue);
    }
    work(WorkFile::main_prologue).write_line(text);
}

void OutputMachinery::write_main_epilogue(std::string_view text) {
    if (!flags_.output_enabled()) {
        return;
    }
    if (!work_file_open(WorkFile::main_epilogue)) {
        create_work_file(WorkFile::main_epilogue);
    }
    work(WorkFile::main_epilogue).write_line(text);
}

void OutputMachinery::write_declaration(std::string_view text, FoldMode mode) {
    if (!flags_.output_enabled()) {
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
            create_work_file(WorkFile::test_opening);
            create_work_file(WorkFile::test_closing);
            test_pair_open_ = true;
            write_line("");
            return;
        case SectionKind::element_pair:
            if (element_pair_open_) {
                throw reporter_.internal(msg::ERRINTFCT,
                                         std::string_view("open_section / element"));
            }
            create_work_file(WorkFile::element_opening);
            create_work_file(WorkFile::element_closing);
            element_pair_open_ = true;
            element_opening_lines_ = 0;
            element_head_mark_ = 0;
            element_head_.clear();
            write_line("");
            return;
        case SectionKind::main_prologue:
            if (!work_file_open(WorkFile::main_prologue)) {
                create_work_file(WorkFile::main_prologue);
            }
            return;
        case SectionKind::main_epilogue:
            if (!work_file_open(WorkFile::main_epilogue)) {
                create_work_file(WorkFile::main_epilogue);
            }
            return;
    }
    throw reporter_.internal(msg::ERRINTFCT, std::string_view("open_section"));
}

void OutputMachinery::copy_out(WorkFile file, bool keep_for_reuse) {
    std::string line;
    while (work(file).read_line(line)) {
        route_line(line);
    }
    in_use_[static_cast<std::size_t>(file)] = false;
    if (keep_for_reuse) {
        work(file).reuse();
    } else {
        work(file).close(false);
    }
}

void OutputMachinery::mark_element_head() {
    if (element_pair_open_) {
        element_head_mark_ = element_opening_lines_;
    }
}

void OutputMachinery::write_element_head(std::string_view text, FoldMode mode) {
    if (!flags_.output_enabled() || !element_pair_open_) {
        return;
    }
    for (std::string& piece : fold_line(text, mode)) {
        element_head_.push_back(std::move(piece));
    }
}

void OutputMachinery::copy_out_element_opening() {
    std::string line;
    std::size_t copied = 0;
    auto insert_head = [&]() {
        for (const std::string& head : element_head_) {
            route_line(head);
        }
        element_head_.clear();
    };
    while (work(WorkFile::element_opening).read_line(line)) {
        if (copied == element_head_mark_) {
            insert_head();
        }
        route_line(line);
        ++copied;
    }
    insert_head();
    in_use_[static_cast<std::size_t>(WorkFile::element_opening)] = false;
    work(WorkFile::element_opening).reuse();
}

void OutputMachinery::flush_section(SectionKind kind) {
    switch (kind) {
        case SectionKind::test_pair:
            if (!test_pair_open_) {
                return;
            }
            // An element left open belongs inside its test.
            flush_section(SectionKind::element_pair);
            work(WorkFile::test_opening).rewind();
            work(WorkFile::test_closing).rewind();
            test_pair_open_ = false;
            copy_out(WorkFile::test_opening, true);
            copy_out(WorkFile::test_closing, true);
            return;
        case SectionKind::element_pair:
            if (!element_pair_open_) {
                return;
            }
            work(WorkFile::element_opening).rewind();
            work(WorkFile::element_closing).rewind();
            element_pair_open_ = false;
            copy_out_element_opening();
            copy_out(WorkFile::element_closing, true);
            return;
        case SectionKind::main_prologue:
        case SectionKind::main_epilogue: {
            WorkFile file = kind == SectionKind::main_prologue ? WorkFile::main_prologue
                                                               : WorkFile::main_epilogue;
            if (!work_file_open(file)) {
                return;
            }
            work(file).rewind();
            copy_out(file, false);
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

void OutputMachinery::discard_work_files() noexcept {
    for (OutputFile& file : work_) {
        file.discard();
    }
    in_use_.fill(false);
    test_pair_open_ = false;
    element_pair_open_ = false;
    if (!work_prefix_.empty()) {
        std::remove(work_prefix_.c_str());
        drop_removable_file(work_prefix_);
        work_prefix_.clear();
    }
}

void OutputMachinery::discard_open_outputs() noexcept {
    generated_.discard();
    declarations_.discard();
    constants_.discard();
    rename_list_.discard();
}

}  // namespace vx
