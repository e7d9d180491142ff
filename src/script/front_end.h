// The script front end of one run: the reader with its include stack, the
// dispatcher with the block state, and what they share (the options, the
// script language, the output session and the hooks of the neighbouring
// stages). `compile` takes a run through its steps, in this order:
//
//   open_main_script(script_path);
//   session.start_outputs();
//   include_scan(script_path, ScanKind::script);
//   include_scan(source_path, ScanKind::source, version_pattern);
//   rewind_main_script();
//   read_script_statements();
//   end_of_script();
//
// The version number the scan of the source file finds is kept for the
// HEADER statement.
#pragma once

#include "script/statements/dispatcher.h"
#include "codegen/harness_hooks.h"
#include "script/reader.h"
#include "script/script_options.h"

#include <string>
#include <string_view>

namespace vx {

class OutputSession;
class Reporter;
class ScriptLanguage;

class FrontEnd {
public:
    FrontEnd(Reporter& reporter, const ScriptOptions& options, ScriptLanguage& language,
             OutputSession& session, HarnessHooks& hooks, NativeAnalysis& native);
    FrontEnd(const FrontEnd&) = delete;
    FrontEnd& operator=(const FrontEnd&) = delete;

    // The steps above; the source file's scan only when one is named. The
    // outputs stay open for the caller to finish.
    void compile(const std::string& script_path, const std::string& source_path = {},
                 std::string_view version_pattern = {});

    void open_main_script(const std::string& path) { reader_.open_main_script(path); }
    // Runs the dependency scan; the version found in a source file is
    // handed to HEADER and returned.
    std::string include_scan(const std::string& path, ScanKind kind,
                             std::string_view version_pattern = {});
    void rewind_main_script() { reader_.rewind_main_script(); }
    void read_script_statements() { reader_.read_script_statements(); }
    void end_of_script() { dispatcher_.end_of_script(); }

    const std::string& found_version() const { return found_version_; }
    ScriptReader& reader() { return reader_; }
    Dispatcher& dispatcher() { return dispatcher_; }
    const BlockState& block_state() const { return dispatcher_.state(); }

private:
    OutputSession& session_;
    ScriptReader reader_;
    Dispatcher dispatcher_;
    std::string found_version_;
};

}  // namespace vx
