// The compile driver, in its fixed order:
//   - reset the per-run counters of the generators;
//   - open the test script;
//   - create the generated file, the declarations file, the link record
//     file (with "E11 0" and "C0 "), the constants file of -CONST and the
//     report description of -TSF, then the remaining header records;
//   - scan the script's dependencies, rewind it and read and dispatch its
//     statements, then write the end of the harness;
//   - close and assemble the outputs, keeping them after a clean run and
//     deleting them after errors, then write the configuration header.
#include "driver/compilation.h"

#include "codegen/harness_layout.h"
#include "codegen/output/output_session.h"
#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "script/script_compilation.h"
#include "support/paths.h"
#include "support/text.h"

#include <cstdio>
#include <memory>

namespace vx {

namespace {

OutputSettings output_settings(Compilation& run) {
    const CompilerSettings& s = run.settings();
    const OutputNames& n = run.names();
    OutputSettings o;
    o.tested_language = s.tested_language;
    o.script_language = run.script_language().language();
    o.suppress_banner_lines = run.environment().suppress_banner_lines;
    o.language_name = s.language_name;
    o.sql_mode = s.sql_mode;
    o.dbms_name = s.dbms_name;
    o.target_option = s.target_given ? s.target_name : std::string();
    o.command_echo = s.command_echo;
    o.command_option = s.command_text;
    o.run_date = run.run_date();
    o.no_edit = s.no_edit;
    o.script_path = n.script_path;
    o.absolute_script_path = full_file_name(n.script_path);
    o.script_file_name = n.script_file_name;
    o.source_path = s.source_file;
    o.generated_path = n.generated_path;
    o.declarations_path = n.declarations_file;
    o.link_record_path = n.link_record_file;
    o.config_header_path = n.config_header;
    o.const_path = s.const_given ? s.const_file : std::string();
    o.report_description_path = n.report_description_path;
    o.report_path = n.report_xrd_file;
    o.report_name = n.report_xrd_name;
    o.vistal_log_path = s.vistal_log_path;
    o.rename_path = s.rename_file;
    o.details_path = n.details_file;
    return o;
}

std::string file_name_part(const std::string& path) {
    std::string directory;
    std::string file;
    split_path(path, directory, file);
    return file;
}

HarnessSettings harness_settings(Compilation& run) {
    const CompilerSettings& s = run.settings();
    const OutputNames& names = run.names();
    HarnessSettings h;
    h.tested_language = s.tested_language;
    h.kr = s.restriction(Restriction::kr);
    h.no_edit = s.no_edit;
    h.program_name = names.generated_base;
    h.runtime_include = run.target().runtime_include;
    // -NOPATH names every file of the harness without its directory.
    h.declarations_include =
        s.no_path ? file_name_part(names.declarations_file) : names.declarations_file;
    h.traces_path = s.no_path ? file_name_part(names.rio_file) : names.rio_file;
    h.sql = s.sql_mode;
    h.sql_include = run.target().sql_include;
    // An #include line has no escapes: a name it cannot hold is refused
    // before any output exists.
    auto refuse_unwritable = [&run](const std::string& quoted_name) {
        std::string_view name = quoted_name;
        if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
            name = name.substr(1, name.size() - 2);
        }
        if (!include_name_writable(name)) {
            throw run.reporter().fatal(msg::CHEMININV, name);
        }
    };
    refuse_unwritable(h.runtime_include);
    refuse_unwritable("\"" + h.declarations_include + "\"");
    if (h.sql) {
        refuse_unwritable(h.sql_include);
    }
    return h;
}

}  // namespace

void run_compile_driver(Compilation& run) {
    Reporter& reporter = run.reporter();
    const CompilerSettings& settings = run.settings();
    const OutputNames& names = run.names();
    const ScriptOptions options(settings, run.environment());
    ScriptCompilation compilation(reporter, run.files(), options, run.script_language(),
                                  output_settings(run), harness_settings(run), run.native());
    compilation.compile(names.script_path, settings.source_file, settings.version_pattern);

    // The harness will write its traces over whatever file the traces path
    // names: never one of the files of this run (the script, an included
    // script, a header, an output).
    const FileIdentity traces = file_identity(names.rio_file);
    if (run.files().is_input(traces) || run.files().output_clash(names.rio_file, traces)) {
        throw reporter.fatal(msg::FICENTSOR, names.rio_file);
    }

    // closing; the configuration header after a clean run.
    compilation.finish(reporter.error_count() > 0);
}

}  // namespace vx
