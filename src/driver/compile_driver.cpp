// The compile driver, in its fixed order:
//   D1  reset the per-run counters of the generators;
//   D2  open the test script;
//   D3-D8 create the generated file, the declarations file, the link record
//       file (with "E11 0" and "C0 "), the constants file of -CONST and the
//       report description of -TSF, then the remaining header records;
//   D8  scan the script's dependencies, rewind it and read and dispatch its
//       statements, then write the end of the harness;
//   D9  close and assemble the outputs, keeping them after a clean run and
//       deleting them after errors, then write the configuration header.
#include "driver/compile_driver.h"

#include "codegen/output_session.h"
#include "diag/reporter.h"
#include "support/paths.h"

#include <cstdio>
#include <memory>

namespace vx {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

OutputSettings output_settings(const RunContext& run) {
    const CompilerSettings& s = run.settings;
    const OutputNames& n = run.names;
    OutputSettings o;
    o.tested_language = s.tested_language;
    o.script_language = run.script_language.language();
    o.language_name = s.language_name;
    o.sql_mode = s.sql_mode;
    o.dbms_name = s.dbms_name;
    o.target_option = s.target_given ? s.target_name : std::string();
    o.command_echo = s.command_echo;
    o.command_option = s.command_text;
    o.run_date = run.run_date;
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
    return o;
}

}  // namespace

void run_compile_driver(const RunContext& run) {
    // D1: the generators' counters start with the session below.
    OutputSession session(output_settings(run));
    install_output_session(&session);

    // D2: the main script, first of the include stack.
    std::unique_ptr<std::FILE, FileCloser> script(std::fopen(run.names.script_path.c_str(), "r"));
    if (!script) {
        report_fatal("IMPOUVFIC", run.names.script_path);
    }
    session.output().make_work_prefix();
    session.controlled_files().set_script(script.get(), run.names.script_path);

    // D3-D8: outputs and header records.
    session.start_outputs();

    // D8.3: the script is read from its first line; messages point into it.
    set_report_file(run.names.script_path);
    set_report_line(-1);

    // D9: closing.
    session.controlled_files().set_script(nullptr, std::string());
    script.reset();
    session.finish_outputs(error_count() > 0);
    install_output_session(nullptr);
}

}  // namespace vx
