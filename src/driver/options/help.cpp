// The help and version texts of the compiler.
#include "driver/options/help.h"

#include "diag/catalogue.h"
#include "support/identity.h"

#include <string_view>

namespace vx {

namespace {

constexpr const char help_context[] = "Help";

// One line of the help: a heading (no form), or an argument or option with
// what it does. Forms stay as written; the descriptions are translated.
struct HelpLine {
    const char* form;
    const char* text;
};

constexpr HelpLine help_lines[] = {
    {nullptr, "Arguments:"},
    {"<test_script_file>", "the test script (extension .ptu when none is given)"},
    {"<generated_file>",
     "the C harness to write; its link records (.tdc), declarations (.ic) and vexor_cfg.h go "
     "beside it"},
    {"[<rep_file_rio>]",
     "the directory of the traces file the harness writes (default: that of the harness)"},
    {nullptr, "The script:"},
    {"-LANGUAGE=<language_name>", "C (the default) or CSQL"},
    {"-DEFINE=<identifier>[,identifier]", "names that make IF true"},
    {"-NOSIMULATION", "generate the ELSE_SIMUL parts instead of the SIMUL parts"},
    {"-SOURCE=<source_file>", "the unit's source, read for its version number"},
    {"-STRVER|-NOSTRVER=<strvers>", "the pattern of that version number"},
    {"-CONST=<const_file>", "also write the constants of the script to this C file"},
    {"-TARGET=<target_name>", "the name of the target, written in the link records"},
    {"-VERSION=<version_nb>", "a version, shown in the command line of the outputs"},
    {"-COMMAND|-NOCOMMAND=<command>", "a command text, written in the link records"},
    {nullptr, "Choosing what to generate (names separated by commas):"},
    {"-SERVICE=<service_name>", "only these services (-OPERATION alike)"},
    {"-TEST=<test_name>", "only these tests"},
    {"-FAMILY=<family_name>", "only the tests of these families"},
    {"-EXSERVICE=<exservice_name>", "all services but these (-EXOPERATION alike)"},
    {"-EXTEST=<extest_name>", "all tests but these"},
    {"-EXFAMILY=<exfamily_name>", "all tests but those whose families are all among these"},
    {nullptr, "The C analysis:"},
    {"-INCL=<directory>[,directory]", "directories of the unit's headers and included scripts"},
    {"-NOANALYZE", "no C analysis: the types of variables are given in the script"},
    {"-STD_DEFINE=<define_file>",
     "the standard definitions of the target's compiler (default: those of the target package)"},
    {"-COMPRESS|-NOCOMPRESS", "take every aggregate whole"},
    {"-EXPAND|-NOEXPAND", "take every aggregate member by member"},
    {"-FAST|-NOFAST", "leave unanalysed what is not generated (on by default)"},
    {"-RESTRICTION=<KR|ANSI>", "the C dialect of the harness and of the analysis"},
    {"-SYMBTAB=<symbtab_file>", "write the symbol table of the analysis to this file"},
    {"-RENAME=<rename_file>", "write the names of the stubbed functions to this option file"},
    {nullptr, "The outputs:"},
    {"-NOEDIT", "a harness without its reporting calls"},
    {"-NOPATH", "the harness names its included files without their directory"},
    {"-RIONAME=<rio_file>", "the name of the traces file"},
    {"-TSF=<tsf_file>", "also write a report description"},
    {"-VISTAL_LOG=<vistal_log_file>", "add the name of every file created to this log"},
    {"-E=<Max_error_displayed>", "show at most this many errors (60 by default)"},
    {"-W=<Max_warning_displayed>", "show at most this many warnings (120 by default)"},
    {"-DIAGNOSTICS=<HARNEX|GNU>",
     "GNU: messages as \"file:line: error: text [CODE]\", as editors and CI servers read them"},
    {nullptr, "Kept for other platforms and languages (no effect on a C harness):"},
    {"-SYSCOMP=<NT|DOS|OS2|VMS|UNIX>",
     "the compiler system; other than UNIX, the declarations file is included by its name"},
    {"-SUB_SYSTEM, -SYSTEM, -SS", "subsystem tests of another tested language"},
    {"-CLASS=<class_name>", "C++ only"},
    {"-DBMS=<dbms_name>", "the database of CSQL (oracle by default)"},
    {"-ADALINK=<adalink_file>, -STANDARD=<standard_file>", "Ada only"},
    {"-WITHSEPARATE", "accepted, no effect"},
    {"-DATA=<data_file>, -LEARN", "obsolete, ignored with a warning"},
    {"-RESTRICTION=<NOEXCEP|NOIMAGE|NOPOS|NOSQLSAV|SEPAR|NOALLOC|ADA83>", "other languages"},
    {nullptr, "Information:"},
    {"--help, -h", "this help"},
    {"--version", "the name and version of the program"},
};

constexpr std::size_t form_width = 34;

std::string translated(const char* source) {
    return local_encoding(translate(help_context, source));
}

}  // namespace

InformationRequest information_request(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") return InformationRequest::help;
        if (argument == "--version") return InformationRequest::version;
    }
    return InformationRequest::none;
}

std::string help_text() {
    std::string text = translated(
        "Usage: vexorprepro <test_script_file> <generated_file> [<rep_file_rio>] [options]");
    text += '\n';
    text += translated(
        "Compiles a test script into a C test harness. Options begin with one \"-\", may be "
        "abbreviated and written in French (-LANGAGE, -FAMILLE ...); @file or -OPTION=file reads "
        "more of them from a file.");
    text += '\n';
    for (const HelpLine& line : help_lines) {
        if (line.form == nullptr) {
            text += '\n';
            text += translated(line.text);
            text += '\n';
            continue;
        }
        std::string form = std::string("  ") + line.form;
        if (form.size() + 1 > form_width) {
            form += "\n" + std::string(form_width, ' ');
        } else {
            form.append(form_width - form.size(), ' ');
        }
        text += form + translated(line.text) + '\n';
    }
    return text;
}

std::string version_text() { return std::string("vexorprepro ") + tool_version + "\n"; }

}  // namespace vx
