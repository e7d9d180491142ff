// The settings of a run: one record with a typed field for each thing the
// command line decides, filled once by the driver from its option table
// (driver/options/compiler_options.cpp). It lives here, below every
// stage, so that each stage reads the record itself (by const reference)
// instead of a copy: the script front end's options are a view of this
// record and of the environment record (script/script_options.h), and the
// C analysis starts from both (driver/c_analysis.h).
#pragma once

#include "support/languages.h"
#include "support/selection_list.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

namespace vx {

// The restriction flags of -RESTRICTION, in the order of the settings.
enum class Restriction { noexcep, noimage, kr, ansi, nosqlsav, separ, noalloc, nopos, ada83 };
inline constexpr std::size_t restriction_count = 9;
inline constexpr std::array<const char*, restriction_count> restriction_names = {
    "NOEXCEP", "NOIMAGE", "KR", "ANSI", "NOSQLSAV", "SEPAR", "NOALLOC", "NOPOS", "ADA83"};

// The compiler system of -SYSCOMP, by its code.
enum class CompilerSystem { unix_system = 0, os2 = 1, dos = 2, vms = 3, nt = 4 };

struct CompilerSettings {
    std::string script_path;
    std::string generated_path;
    std::string link_record_dir;

    std::string language_name = "C";
    int tested_language = tested_language_c;
    int language_variant = 5;
    int language_subvariant = 0;
    bool sql_mode = false;

    std::string version;
    std::string target_name;    // the -TARGET value, or the language's default target
    bool target_given = false;  // -TARGET was on the command line
    std::string class_name = "VEXOR";
    std::string dbms_name = "oracle";
    std::string dbms_helper_path;

    bool const_given = false;
    std::string const_file;
    std::string vistal_log_path;
    std::string rio_name;

    bool no_simulation = false;
    bool no_edit = false;
    bool no_path = false;
    bool with_separate = false;
    std::array<bool, tested_language_count> analysis_by_language = analysis_by_default;
    bool sub_system = false;

    std::string command_text;
    // The option files the command line named (inputs of the run).
    std::vector<std::string> option_files;
    std::string source_file;
    std::string version_pattern;
    bool fast = true;
    bool compress = false;
    bool expand = false;

    std::string std_define_file;
    std::string rename_file;
    std::string symbtab_file;
    std::string adalink_file;
    std::string standard_file;
    std::string report_description_file;
    bool report_description_wanted = false;

    SelectionList operation_list;
    SelectionList test_list;
    SelectionList family_list;
    SelectionList exclude_operation_list;
    SelectionList exclude_test_list;
    SelectionList exclude_family_list;
    std::vector<std::string> include_dirs;
    std::vector<std::string> defined_identifiers;

    std::array<bool, restriction_count> restrictions{};
    CompilerSystem compiler_system = CompilerSystem::unix_system;

    std::vector<int> trace_levels;  // -XT

    int error_limit = 60;
    int warning_limit = 120;
    // -DIAGNOSTICS=GNU: messages on standard error in the form editors and
    // CI servers read ("file:line: error: text [CODE]").
    bool editor_diagnostics = false;

    std::string command_echo;

    // C analysis for the language of the code under test.
    bool c_analysis() const {
        return analysis_by_language[static_cast<std::size_t>(tested_language)];
    }
    bool restriction(Restriction flag) const {
        return restrictions[static_cast<std::size_t>(flag)];
    }
    // The default extension of the generated file ("c" for C).
    const char* generated_extension() const {
        return tested_language_extensions[static_cast<std::size_t>(tested_language)];
    }
};

}  // namespace vx
