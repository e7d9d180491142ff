// What a new user reads and runs first must work as written.
//
// - Every script shipped in examples/ compiles with exit status 0 and no
//   message, and its harness is valid C under -Wall -Wextra -Werror.
// - The examples of docs/language.md compile. A fenced block whose info
//   string begins with "ptu" is an example: "ptu" alone is a whole script;
//   "ptu script", "ptu test" and "ptu element" are the lines of a script
//   after its BEGIN, of a test, or of an element, and are completed with the
//   reference's "ptu prelude" block (its HEADER, declarations and BEGIN)
//   and the blocks around them. "status=N" gives the exit status the
//   example must have (0 by default) and "expect=CODE" a message code it
//   must print: the reference shows its refusals too.
// - The script, C and CMake blocks of README.md and docs/tutorial.md are
//   copied from files of examples/: each piece between two "..." lines
//   appears, line for line, in one of them.
// - The tutorial's project gives the verdicts the tutorial announces: the
//   first script passes, the second fails on the unit's fault.
// - The map of docs/hacking.md names only files and folders that exist, and
//   names every source (.cpp) of the libraries and programs of src/.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace vx {
namespace {

const fs::path source_root = fs::path(VX_SOURCE_DIR);
const fs::path examples_root = source_root / "examples";

struct Block {
    std::string info;
    std::vector<std::string> lines;
    int line = 0;  // of the opening fence, from 1
};

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        lines.push_back(line);
    }
    return lines;
}

// The fenced blocks of a Markdown text (fences of three backquotes at the
// start of a line).
std::vector<Block> fenced_blocks(const std::string& text) {
    std::vector<Block> blocks;
    std::vector<std::string> lines = lines_of(text);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind("```", 0) != 0) {
            continue;
        }
        Block block;
        block.info = lines[i].substr(3);
        block.line = static_cast<int>(i) + 1;
        std::size_t j = i + 1;
        while (j < lines.size() && lines[j].rfind("```", 0) != 0) {
            block.lines.push_back(lines[j]);
            ++j;
        }
        EXPECT_LT(j, lines.size()) << "fence of line " << block.line << " is never closed";
        blocks.push_back(block);
        i = j;
    }
    return blocks;
}

std::vector<std::string> words_of(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        words.push_back(word);
    }
    return words;
}

std::vector<fs::path> files_under(const fs::path& root, const std::string& extension) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_regular_file() &&
            (extension.empty() || entry.path().extension() == extension)) {
            files.push_back(entry.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string target_dir() { return testkit::dist_dir() + "/target"; }

struct Compilation {
    testkit::ProcessResult run;
    std::string harness;  // the generated C file
};

// vexorprepro on a script, writing into dir/out, as the README runs it.
Compilation compile_script(const std::string& script, const std::string& dir,
                           const std::vector<std::string>& include_dirs) {
    fs::create_directories(dir + "/out");
    std::vector<std::string> args = {script, "out/t.c", "out/", "-LANGUAGE=C"};
    for (const std::string& include : include_dirs) {
        args.push_back("-INCL=" + include);
    }
    Compilation c;
    c.run = testkit::run_compiler(args, {{"VXLTGT", target_dir()}}, dir);
    c.harness = dir + "/out/t.c";
    return c;
}

// The harness of a compilation must be C that the usual warnings accept.
testkit::ProcessResult check_harness_syntax(const std::string& dir,
                                            const std::vector<std::string>& include_dirs) {
    std::vector<std::string> args = {"-std=c99",         "-Wall",
                                     "-Wextra",          "-Werror",
                                     "-fsyntax-only",    "-I" + target_dir() + "/lib",
                                     "-I" + dir + "/out"};
    for (const std::string& include : include_dirs) {
        args.push_back("-I" + include);
    }
    args.push_back(dir + "/out/t.c");
    return testkit::run_program("cc", args, {}, dir);
}

// The diagnostics of a run, without the banner and the closing summary.
std::string messages_of(const std::string& err) {
    std::string kept;
    for (const std::string& line : lines_of(err)) {
        if (line.find("-STARTEXEC,") != std::string::npos ||
            line.find("-ENDNOENWR,") != std::string::npos) {
            continue;
        }
        kept += line + "\n";
    }
    return kept;
}

std::vector<std::string> include_dirs_of(const fs::path& script) {
    std::vector<std::string> dirs = {script.parent_path().string()};
    fs::path unit = script.parent_path().parent_path() / "unit";
    if (fs::is_directory(unit)) {
        dirs.push_back(unit.string());
    }
    return dirs;
}

TEST(ShippedScripts, EachCompilesWithoutAnyMessageIntoValidC) {
    std::vector<fs::path> scripts = files_under(examples_root, ".ptu");
    ASSERT_GE(scripts.size(), 6u);
    for (const fs::path& script : scripts) {
        SCOPED_TRACE(script.string());
        testkit::ScratchDir scratch;
        std::vector<std::string> includes = include_dirs_of(script);
        if (testkit::read_file(script.string()).find("INCLUDE PTU stubs.ptu") !=
            std::string::npos) {
            // Its stubs are written as the build writes them: from the
            // unit's sources and every header beside them.
            const fs::path unit = script.parent_path().parent_path() / "unit";
            std::vector<std::string> args = {"-I" + unit.string()};
            for (const fs::path& header : files_under(unit, ".h")) {
                args.push_back("--header");
                args.push_back(fs::relative(header, unit).string());
            }
            for (const fs::path& source : files_under(unit, ".c")) args.push_back(source.string());
            args.push_back("-o");
            args.push_back(scratch.file("stubs.ptu"));
            testkit::ProcessResult stubs = testkit::run_program(
                testkit::dist_dir() + "/bin/vexorstubs", args,
                {{"VXLTGT", target_dir()}, {"HARNEXDIR", testkit::dist_dir()}}, scratch.path());
            ASSERT_EQ(stubs.status, 0) << stubs.err;
        }
        Compilation c = compile_script(script.string(), scratch.path(), includes);
        EXPECT_EQ(c.run.status, 0) << c.run.err;
        EXPECT_EQ(messages_of(c.run.err), "");
        if (c.run.status == 0) {
            testkit::ProcessResult cc = check_harness_syntax(scratch.path(), includes);
            EXPECT_EQ(cc.status, 0) << cc.err;
        }
    }
}

// One example of the reference, made a whole script.
struct Example {
    int line = 0;
    std::string script;
    int status = 0;
    std::vector<std::string> codes;
};

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines) {
        text += line + "\n";
    }
    return text;
}

std::vector<Example> reference_examples(const std::vector<Block>& blocks) {
    std::vector<std::string> prelude;
    for (const Block& block : blocks) {
        std::vector<std::string> words = words_of(block.info);
        if (words.size() == 2 && words[0] == "ptu" && words[1] == "prelude") {
            EXPECT_TRUE(prelude.empty()) << "two prelude blocks";
            prelude = block.lines;
        }
    }
    EXPECT_FALSE(prelude.empty()) << "the reference has no \"ptu prelude\" block";
    std::vector<Example> examples;
    for (const Block& block : blocks) {
        std::vector<std::string> words = words_of(block.info);
        if (words.empty() || words[0] != "ptu") {
            continue;
        }
        Example example;
        example.line = block.line;
        std::string kind = "whole";
        for (std::size_t i = 1; i < words.size(); ++i) {
            const std::string& word = words[i];
            if (word.rfind("status=", 0) == 0) {
                example.status = std::stoi(word.substr(7));
            } else if (word.rfind("expect=", 0) == 0) {
                example.codes.push_back(word.substr(7));
            } else {
                kind = word;
            }
        }
        const std::string body = joined(block.lines);
        if (kind == "prelude") {
            continue;
        } else if (kind == "whole") {
            example.script = body;
        } else if (kind == "script") {
            example.script = joined(prelude) + body;
        } else if (kind == "test") {
            example.script = joined(prelude) + "SERVICE example\nTEST example\nFAMILY nominal\n" +
                             body + "END FAMILY\nEND TEST\nEND SERVICE\n";
        } else if (kind == "element") {
            example.script = joined(prelude) +
                             "SERVICE example\nTEST example\nFAMILY nominal\nELEMENT\n" + body +
                             "END ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";
        } else {
            ADD_FAILURE() << "line " << block.line << ": unknown example kind " << kind;
            continue;
        }
        examples.push_back(example);
    }
    return examples;
}

TEST(LanguageReference, EveryExampleCompilesAsItSays) {
    const std::string text = testkit::read_file((source_root / "docs/language.md").string());
    ASSERT_FALSE(text.empty());
    std::vector<Example> examples = reference_examples(fenced_blocks(text));
    ASSERT_GE(examples.size(), 25u);
    const std::string reference_unit = (examples_root / "reference").string();
    for (const Example& example : examples) {
        SCOPED_TRACE("docs/language.md:" + std::to_string(example.line));
        testkit::ScratchDir scratch;
        testkit::write_file(scratch.file("example.ptu"), example.script);
        Compilation c = compile_script("example.ptu", scratch.path(), {reference_unit});
        EXPECT_EQ(c.run.status, example.status) << example.script << c.run.err;
        if (example.status == 0) {
            EXPECT_EQ(messages_of(c.run.err), "") << example.script;
        }
        for (const std::string& code : example.codes) {
            EXPECT_NE(c.run.err.find("-" + code + ","), std::string::npos)
                << code << " not printed by\n"
                << example.script << c.run.err;
        }
        if (c.run.status == 0 || c.run.status == 3) {
            testkit::ProcessResult cc = check_harness_syntax(scratch.path(), {reference_unit});
            EXPECT_EQ(cc.status, 0) << example.script << cc.err;
        }
    }
}

// True when `piece` appears, line for line, in `lines`.
bool contains_lines(const std::vector<std::string>& lines, const std::vector<std::string>& piece) {
    if (piece.empty()) {
        return true;
    }
    return std::search(lines.begin(), lines.end(), piece.begin(), piece.end()) != lines.end();
}

std::string trimmed(const std::string& text) {
    std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// The number of blocks checked; a piece found in no shipped file fails.
int expect_copied_from_examples(const std::string& document) {
    const std::string text = testkit::read_file((source_root / document).string());
    EXPECT_FALSE(text.empty()) << document;
    std::vector<std::vector<std::string>> shipped;
    for (const fs::path& file : files_under(examples_root, "")) {
        shipped.push_back(lines_of(testkit::read_file(file.string())));
    }
    int checked = 0;
    for (const Block& block : fenced_blocks(text)) {
        std::vector<std::string> words = words_of(block.info);
        if (words.empty() || (words[0] != "ptu" && words[0] != "c" && words[0] != "cmake")) {
            continue;
        }
        ++checked;
        std::vector<std::string> piece;
        auto check_piece = [&] {
            bool found = std::any_of(shipped.begin(), shipped.end(), [&](const auto& lines) {
                return contains_lines(lines, piece);
            });
            EXPECT_TRUE(found) << document << ":" << block.line
                               << ": not copied from a file of examples/:\n"
                               << joined(piece);
            piece.clear();
        };
        for (const std::string& line : block.lines) {
            if (trimmed(line) == "...") {
                check_piece();
            } else {
                piece.push_back(line);
            }
        }
        check_piece();
    }
    return checked;
}

TEST(CopiedExamples, ReadmeAndTutorialShowOnlyShippedText) {
    EXPECT_GE(expect_copied_from_examples("README.md"), 2);
    EXPECT_GE(expect_copied_from_examples("docs/tutorial.md"), 8);
}

TEST(CopiedExamples, APieceFoundNowhereIsCaught) {
    std::vector<std::string> lines = {"A", "B", "C"};
    EXPECT_TRUE(contains_lines(lines, {"B", "C"}));
    EXPECT_FALSE(contains_lines(lines, {"A", "C"}));
    std::vector<Block> blocks = fenced_blocks("x\n```ptu element\nVAR a\n...\n```\n```\ny\n```\n");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].info, "ptu element");
    EXPECT_EQ(blocks[0].line, 2);
    EXPECT_EQ(blocks[0].lines, (std::vector<std::string>{"VAR a", "..."}));
}

// ---- the map of docs/hacking.md -------------------------------------------

// The names of the table under "## The map", each from the top of the tree:
// a row whose first cell is in bold names a folder, and the names in the
// first cell of the rows under it are named from that folder. A name may
// hold "*" in its last part (`statements/handlers_*.cpp`).
std::vector<std::string> map_names(const std::string& markdown) {
    std::vector<std::string> names;
    std::string folder;
    bool in_map = false;
    for (const std::string& line : lines_of(markdown)) {
        if (line.rfind("## ", 0) == 0) {
            in_map = line == "## The map";
            continue;
        }
        if (!in_map || line.rfind("| ", 0) != 0) {
            continue;
        }
        const std::size_t end = line.find(" |", 1);
        const std::string cell = line.substr(2, end == std::string::npos ? 0 : end - 2);
        const bool bold = cell.rfind("**", 0) == 0;
        std::size_t at = 0;
        while ((at = cell.find('`', at)) != std::string::npos) {
            const std::size_t close = cell.find('`', at + 1);
            if (close == std::string::npos) break;
            const std::string name = cell.substr(at + 1, close - at - 1);
            at = close + 1;
            if (bold) {
                folder = name;
                names.push_back(name);
                break;
            }
            names.push_back(folder + name);
        }
    }
    return names;
}

// Whether a file name matches a pattern where "*" stands for any text.
bool name_matches(std::string_view name, std::string_view pattern) {
    const std::size_t star = pattern.find('*');
    if (star == std::string_view::npos) return name == pattern;
    const std::string_view head = pattern.substr(0, star);
    const std::string_view tail = pattern.substr(star + 1);
    return name.size() >= head.size() + tail.size() && name.substr(0, head.size()) == head &&
           name.substr(name.size() - tail.size()) == tail;
}

// The files and folders of the tree (from `root`) that a map name names.
std::vector<std::string> named_paths(const fs::path& root, const std::string& name) {
    std::vector<std::string> found;
    const std::string trimmed_name = name.back() == '/' ? name.substr(0, name.size() - 1) : name;
    const fs::path path(trimmed_name);
    if (trimmed_name.find('*') == std::string::npos) {
        if (fs::exists(root / path)) found.push_back(trimmed_name);
        return found;
    }
    const fs::path directory = root / path.parent_path();
    if (!fs::is_directory(directory)) return found;
    for (const fs::directory_entry& entry : fs::directory_iterator(directory)) {
        const std::string file = entry.path().filename().string();
        if (name_matches(file, path.filename().string())) {
            found.push_back((path.parent_path() / file).string());
        }
    }
    return found;
}

// The map names that name nothing in the tree under `root`.
std::vector<std::string> missing_map_names(const fs::path& root, const std::string& markdown) {
    std::vector<std::string> missing;
    for (const std::string& name : map_names(markdown)) {
        if (named_paths(root, name).empty()) missing.push_back(name);
    }
    return missing;
}

TEST(HackingMap, NamesOnlyFilesAndFoldersThatExist) {
    const std::string map = testkit::read_file((source_root / "docs" / "hacking.md").string());
    const std::vector<std::string> names = map_names(map);
    // A table that could not be read would name nothing wrong.
    ASSERT_GE(names.size(), 100u);
    EXPECT_NE(std::find(names.begin(), names.end(), "src/diag/reporter.cpp"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "src/canalysis/cpp/bignum.cpp"), names.end());
    EXPECT_EQ(missing_map_names(source_root, map), std::vector<std::string>{});
}

TEST(HackingMap, NamesEverySourceOfSrc) {
    const std::string map = testkit::read_file((source_root / "docs" / "hacking.md").string());
    std::vector<std::string> named;
    for (const std::string& name : map_names(map)) {
        for (const std::string& path : named_paths(source_root, name)) named.push_back(path);
    }
    std::vector<std::string> unnamed;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(source_root / "src")) {
        const std::string file = entry.path().filename().string();
        if (!entry.is_regular_file() || entry.path().extension() != ".cpp" ||
            name_matches(file, "*_test.cpp") || name_matches(file, "*_fuzz.cpp")) {
            continue;
        }
        const std::string path = fs::relative(entry.path(), source_root).string();
        if (std::find(named.begin(), named.end(), path) == named.end()) unnamed.push_back(path);
    }
    std::sort(unnamed.begin(), unnamed.end());
    EXPECT_EQ(unnamed, std::vector<std::string>{}) << "sources of src/ the map of hacking.md lacks";
}

TEST(HackingMap, AGoneFileIsCaught) {
    testkit::ScratchDir dir;
    fs::create_directories(fs::path(dir.path()) / "src" / "diag" / "cpp");
    testkit::write_file(dir.file("src/diag/here.cpp"), "");
    testkit::write_file(dir.file("src/diag/cpp/handlers_a.cpp"), "");
    const std::string map =
        "## Shape\n| `src/diag/gone.cpp` | outside the map |\n## The map\n"
        "| Folder / file | What |\n|---|---|\n| **`src/diag/`** | Diagnostics. |\n"
        "| `here.cpp`, `gone.cpp` | Two. |\n| `cpp/handlers_*.cpp`, `cpp/other_*.cpp` | Some. |\n"
        "| **`nowhere/`** | A folder. |\n## Build\n| `src/diag/gone.cpp` | after the map |\n";
    EXPECT_EQ(map_names(map),
              (std::vector<std::string>{"src/diag/", "src/diag/here.cpp", "src/diag/gone.cpp",
                                        "src/diag/cpp/handlers_*.cpp", "src/diag/cpp/other_*.cpp",
                                        "nowhere/"}));
    EXPECT_EQ(
        missing_map_names(fs::path(dir.path()), map),
        (std::vector<std::string>{"src/diag/gone.cpp", "src/diag/cpp/other_*.cpp", "nowhere/"}));
}

// The tutorial's scripts, built with the unit and the runtime and run: the
// verdicts and the failed checks the tutorial shows.
TEST(Tutorial, FirstScriptPassesAndSecondFindsTheUnitsFault) {
    const fs::path project = examples_root / "tutorial";
    const std::string unit = (project / "unit").string();
    struct Case {
        const char* script;
        int verdict;
        const char* says;
    };
    const Case cases[] = {
        {"open.ptu", 0, "VERDICT: PASSED"},
        {"lockout.ptu", 1, "FAIL  keypad.wrong: obtained 3, expected 0"},
    };
    for (const Case& one : cases) {
        SCOPED_TRACE(one.script);
        testkit::ScratchDir scratch;
        Compilation c =
            compile_script((project / "ptu" / one.script).string(), scratch.path(), {unit});
        ASSERT_EQ(c.run.status, 0) << c.run.err;
        testkit::ProcessResult build = testkit::run_program(
            "cc",
            {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + target_dir() + "/lib", "-Iout",
             "-I" + unit, "out/t.c", unit + "/keypad.c", target_dir() + "/lib/TP.c", "-o", "out/t"},
            {}, scratch.path());
        ASSERT_EQ(build.status, 0) << build.err;
        testkit::ProcessResult ran =
            testkit::run_program(scratch.file("out/t"), {}, {}, scratch.path());
        EXPECT_EQ(ran.status, one.verdict) << ran.err;
        testkit::ProcessResult report =
            testkit::run_program(testkit::dist_dir() + "/bin/vexorreport",
                                 {"out/t.tdc", "out/t.rio"}, {}, scratch.path());
        EXPECT_EQ(report.status, one.verdict) << report.out << report.err;
        EXPECT_NE(report.out.find(one.says), std::string::npos) << report.out;
    }
}

}  // namespace
}  // namespace vx
