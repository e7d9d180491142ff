// The output machinery: where every generated line goes.
//
// Generated text is not produced in file order. A test's closing lines are
// known before its body is finished, the loops of a test are opened by
// elements met after its first ones, an element's checks are produced with
// its initialisations, and `main` collects the text of INITIALIZATION and
// TERMINATION blocks spread over the script. So lines are routed into
// sections held in memory: one test and one element, each as a pair of
// halves, and the two parts of `main`:
//
//   test opening half      test closing half
//   element opening half   element closing half
//   main prologue          main epilogue
//
// `write_line` appends to the innermost open opening half (the element's
// inside an element, else the test's inside a test) or, outside a test,
// directly to the generated file. Flushing a pair closes it and copies the
// opening half, then the closing half, line by line into the enclosing
// destination: an element lands in its test's opening half, a test in the
// generated file. The loop heads of a test go to the generated file at
// once, ahead of the test's text. Opening a test or element pair writes an
// empty line into it first. The memory a run holds is thus one test's
// text, whatever the number of tests.
//
// Line directives. Once `map_lines` names the generated file, every line
// carries where it comes from: a line of a script (the native lines, the
// code of a VAR statement) or the harness's own text. Lines written while
// a SourceScope is open come from its script line; the others are the
// harness's own. A half records the origin of its lines as marker lines
// (a control character, never written out) that travel with them when the
// half is copied, and the generated file turns each change of origin into
// a "#line" directive: compiler messages and debuggers then point at the
// script for the script's lines and at the generated file for the rest.
// No directive is written after a line continued by a backslash.
//
// A line is written only while output is enabled: the front end switches it
// off for the blocks the script leaves out (an excluded SIMUL branch, a
// false IF condition, a service, test or family left out by the selection
// options), whose structure it still follows. The copying of a flush is not
// filtered again.
#pragma once

#include "codegen/output/folding.h"
#include "codegen/output/output_file.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class Reporter;
class RunFiles;

enum class SectionKind : int {
    test_pair = 0,
    element_pair = 1,
    main_prologue = 3,
    main_epilogue = 4
};

// The halves of the sections.
enum class Half : int {
    test_opening = 0,
    test_closing,
    element_opening,
    element_closing,
    main_prologue,
    main_epilogue,
};
inline constexpr std::size_t half_count = 6;

inline constexpr std::string_view rename_option = "-RENAME";

class OutputMachinery {
public:
    // `log_path`: the log of created files (-VISTAL_LOG), empty for none;
    // `rename_path`: the rename list (-RENAME), empty for none.
    OutputMachinery(Reporter& reporter, const RunFiles& files, std::string log_path,
                    std::string rename_path);
    ~OutputMachinery();
    OutputMachinery(const OutputMachinery&) = delete;
    OutputMachinery& operator=(const OutputMachinery&) = delete;

    // Whether generated text is written at the moment.
    bool enabled() const { return enabled_; }
    void set_enabled(bool enabled) { enabled_ = enabled; }

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

    // Writes line directives into the generated file from now on;
    // `generated_path` is the name the directives mapping back to it give.
    void map_lines(std::string_view generated_path);
    // The script line the lines written from now on come from (`file` an
    // absolute path), or the harness itself.
    void set_source(std::string_view file, long line);
    void clear_source();

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
    // Whether the half holds a section being written.
    bool half_open(Half half) const { return section(half).open; }

    // The rename list of -RENAME: one option line "-RENAME=a,\" continued
    // over several lines.
    void add_renamed_symbol(std::string_view name);
    void close_rename_list(bool keep);
    int renamed_count() const { return renamed_count_; }

    // Forgets the text of every section still open, without any report.
    void discard_sections() noexcept;
    // Deletes every output still open here (generated, declarations,
    // constants file, rename list), without any report: the cleanup of a
    // run that stopped before its outputs were complete.
    void discard_open_outputs() noexcept;

private:
    // The text of a half: lines ended by newlines. A flushed half keeps its
    // storage for the next test or element.
    struct HalfText {
        std::string lines;
        bool open = false;
        // The marker of the origin of its last line; empty before its first.
        std::string origin;
    };
    HalfText& section(Half half) { return halves_[static_cast<std::size_t>(half)]; }
    const HalfText& section(Half half) const { return halves_[static_cast<std::size_t>(half)]; }
    void open_half(Half half) { section(half).open = true; }
    // Appends a line written now, of the current origin.
    void append(HalfText& half, std::string_view line);
    // Appends a line copied from a half: a marker sets the origin of the
    // lines after it.
    static void append_copied(HalfText& half, std::string_view line);
    // Appends to the current section, enabled or not.
    void route_line(std::string_view text);
    // As route_line, for a line copied from a half.
    void route_copied(std::string_view text);
    // Writes a line to the generated file, after the directive its origin
    // (a marker) needs.
    void write_generated(std::string_view text, std::string_view origin);
    // Copies the lines of `from`, from byte `begin` to byte `end`, to the
    // enclosing destination.
    void copy_lines(const std::string& from, std::size_t begin, std::size_t end);
    // Copies the half's lines to the enclosing destination and empties it.
    void copy_out(Half half);
    // As copy_out for the element's opening half, with the element head
    // inserted at its mark.
    void copy_out_element_opening();

    Reporter& reporter_;
    const RunFiles& files_;
    std::string log_path_;
    std::string rename_path_;
    OutputFile generated_;
    OutputFile declarations_;
    OutputFile constants_;
    OutputFile rename_list_;
    int renamed_count_ = 0;
    bool enabled_ = true;
    std::array<HalfText, half_count> halves_;
    bool test_pair_open_ = false;
    bool element_pair_open_ = false;
    // The place of the element head in the element's opening half, in bytes.
    std::size_t element_head_mark_ = 0;
    std::vector<std::string> element_head_;
    // The origin in force at the element head's mark, and that of the last
    // line of the head.
    std::string element_head_origin_;
    std::string element_head_last_origin_;

    // Line directives: whether they are written, the generated file's name
    // as a C string's text, the marker of the current origin, and what
    // the compiler will take the next line of the generated file for: the
    // generated file itself, or `mapped_file_` (C string text) with line
    // numbers `mapped_delta_` away from the physical ones.
    bool mapping_ = false;
    std::string generated_name_;
    std::string origin_;
    std::string source_file_;       // the script of the last origin given,
    std::string source_file_text_;  // and its name as a C string's text
    bool mapped_to_script_ = false;
    std::string mapped_file_;
    long long mapped_delta_ = 0;
    bool continued_ = false;     // the last line written ended with a backslash
    std::string copied_origin_;  // of the lines being copied into the generated file
};

// Lines written while a scope lives come from a script line.
class SourceScope {
public:
    SourceScope(OutputMachinery& output, std::string_view file, long line) : output_(output) {
        output_.set_source(file, line);
    }
    ~SourceScope() { output_.clear_source(); }
    SourceScope(const SourceScope&) = delete;
    SourceScope& operator=(const SourceScope&) = delete;

private:
    OutputMachinery& output_;
};

}  // namespace vx
