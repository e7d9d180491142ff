// The output machinery: where every generated line goes.
//
// Generated text is not produced in file order. A test's closing lines are
// known before its body is finished, an element's checks are produced with
// its initialisations, and `main` collects the text of INITIALIZATION and
// TERMINATION blocks spread over the script. So lines are routed into work
// files that buffer one test and one element, each as a pair of halves:
//
//   a.tmp  test opening half     b.tmp  test closing half
//   c.tmp  element opening half  d.tmp  element closing half
//   e.tmp  main prologue         f.tmp  main epilogue
//
// `write_line` appends to the innermost open opening half (c.tmp inside an
// element, else a.tmp inside a test) or, outside a test, directly to the
// generated file. Flushing a pair rewinds both halves, closes the pair and
// copies the opening half, then the closing half, line by line through
// `write_line` into the enclosing destination, deleting each work file
// after it: an element lands in its test's a.tmp, a test in the generated
// file. Opening a test or element pair writes an empty line into it first.
//
// Work files are named from a prefix made once per run in the current
// directory from the template "vxXXXXXX" by mkstemp; the file mkstemp
// creates stays as the reservation of the prefix until the run ends, so that
// no other run can take the same names. `discard_work_files` closes and
// deletes every work file and the reservation; it is the cleanup of a run
// that stops early and runs again at the normal end.
//
// A line is written only while output is enabled (no skip flag 0 to 4 set);
// the copying of a flush is not filtered again. The closing half of an
// element also waits while a variable statement is analysed (flag 5).
#pragma once

#include "codegen/output/folding.h"
#include "codegen/output/output_file.h"
#include "codegen/output/skip_flags.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;
class RunFiles;

// The text a work file keeps in memory before it writes to its file.
inline constexpr std::size_t work_file_memory = 256 * 1024;

enum class SectionKind : int {
    test_pair = 0,
    element_pair = 1,
    main_prologue = 3,
    main_epilogue = 4
};

// The work files, in the order of their name letters "a" to "f".
enum class WorkFile : int {
    test_opening = 0,
    test_closing,
    element_opening,
    element_closing,
    main_prologue,
    main_epilogue,
};
inline constexpr std::size_t work_file_count = 6;

inline constexpr std::string_view work_prefix_template = "vxXXXXXX";
inline constexpr std::string_view work_file_suffix = ".tmp";
inline constexpr std::string_view rename_option = "-RENAME";

class OutputMachinery {
public:
    // `log_path`: the log of created files (-VISTAL_LOG), empty for none;
    // `rename_path`: the rename list (-RENAME), empty for none.
    OutputMachinery(Reporter& reporter, const RunFiles& files, const SkipFlags& flags,
                    std::string log_path, std::string rename_path);
    ~OutputMachinery();
    OutputMachinery(const OutputMachinery&) = delete;
    OutputMachinery& operator=(const OutputMachinery&) = delete;

    // Creates an output file, logged in the log of created files.
    OutputFile create_output(const std::string& path) const;
    const std::string& log_path() const { return log_path_; }

    // Destinations. The generated file receives everything outside tests;
    // the declarations file receives `write_declaration`; the constants
    // file of -CONST is kept here so that it is closed with the others.
    void set_generated_file(OutputFile file) { generated_ = std::move(file); }
    void set_declarations_file(OutputFile file) { declarations_ = std::move(file); }
    void set_constants_file(OutputFile file) { constants_ = std::move(file); }
    OutputFile& generated_file() { return generated_; }
    OutputFile& declarations_file() { return declarations_; }
    OutputFile& constants_file() { return constants_; }

    // Makes the work file prefix (once; later calls keep it).
    void make_work_prefix();
    const std::string& work_prefix() const { return work_prefix_; }
    std::string work_file_path(WorkFile file) const;

    // Routing of generated lines.
    void write_line(std::string_view text);
    void write_folded(std::string_view text, FoldMode mode);
    // As write_folded, but a line beginning with "#" (a preprocessor line)
    // is never folded.
    void write_folded_test_level(std::string_view text, FoldMode mode);
    void write_element_close(std::string_view text, FoldMode mode);
    void write_test_close(std::string_view text);
    void write_loop_head(std::string_view text, FoldMode mode);
    void write_main_prologue(std::string_view text);
    void write_main_epilogue(std::string_view text);
    void write_declaration(std::string_view text, FoldMode mode);

    // The head of an element: lines placed in its opening half at the
    // point marked by mark_element_head (after its stub initialisation),
    // whenever they are written before the element is flushed. Generators
    // that learn at END ELEMENT what must hold before the code under test
    // (stub tables) write them here.
    void mark_element_head();
    void write_element_head(std::string_view text, FoldMode mode);
    void open_section(SectionKind kind);
    void flush_section(SectionKind kind);
    bool test_pair_open() const { return test_pair_open_; }
    bool element_pair_open() const { return element_pair_open_; }
    // Whether the work file holds a section being written.
    bool work_file_open(WorkFile file) const { return in_use_[static_cast<std::size_t>(file)]; }

    // The rename list of -RENAME: one option line "-RENAME=a,\" continued
    // over several lines.
    void add_renamed_symbol(std::string_view name);
    void close_rename_list(bool keep);
    int renamed_count() const { return renamed_count_; }

    // Closes and deletes every work file and the prefix reservation, without
    // any report.
    void discard_work_files() noexcept;
    // Deletes every output still open here (generated, declarations,
    // constants file, rename list), without any report: the cleanup of a
    // run that stopped before its outputs were complete.
    void discard_open_outputs() noexcept;

private:
    OutputFile& work(WorkFile file) { return work_[static_cast<std::size_t>(file)]; }
    const OutputFile& work(WorkFile file) const { return work_[static_cast<std::size_t>(file)]; }
    void create_work_file(WorkFile file);
    // Appends to the current section without asking the skip flags.
    void route_line(std::string_view text);
    // Copies the file's lines to the enclosing destination, then empties it
    // for reuse (test and element pairs) or closes and deletes it.
    void copy_out(WorkFile file, bool keep_for_reuse);
    // As copy_out for the element's opening half, with the element head
    // inserted at its mark.
    void copy_out_element_opening();

    Reporter& reporter_;
    const RunFiles& files_;
    const SkipFlags& flags_;
    std::string log_path_;
    std::string rename_path_;
    OutputFile generated_;
    OutputFile declarations_;
    OutputFile constants_;
    OutputFile rename_list_;
    int renamed_count_ = 0;
    std::string work_prefix_;
    std::array<OutputFile, work_file_count> work_;
    // A flushed test or element pair keeps its (emptied) files open for the
    // next test or element, instead of deleting and creating them again
    // thousands of times in a large script; they go at the end of the run.
    std::array<bool, work_file_count> in_use_{};
    bool test_pair_open_ = false;
    bool element_pair_open_ = false;
    std::size_t element_opening_lines_ = 0;
    std::size_t element_head_mark_ = 0;
    std::vector<std::string> element_head_;
};

}  // namespace vx
