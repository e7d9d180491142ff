// Wiring of the reader and the dispatcher: the reader hands its statements
// to the dispatcher, the dispatcher pushes included scripts on the reader.
#include "script/front_end.h"

#include "codegen/output/output_session.h"

namespace vx {

FrontEnd::FrontEnd(Reporter& reporter, const ScriptOptions& options, ScriptLanguage& language,
                   OutputSession& session, HarnessHooks& hooks, NativeAnalysis& native)
    : session_(session),
      reader_(reporter, options, session, native),
      dispatcher_(reporter, options, language, session, hooks, native, reader_) {
    reader_.set_client(dispatcher_);
}

void FrontEnd::compile(const std::string& script_path, const std::string& source_path,
                       std::string_view version_pattern) {
    // The main script is opened first: it heads the include stack, and a
    // script that cannot be read ends the run before any output exists.
    open_main_script(script_path);
    session_.start_outputs();
    include_scan(script_path, ScanKind::script);
    if (!source_path.empty()) {
        include_scan(source_path, ScanKind::source, version_pattern);
    }
    rewind_main_script();
    read_script_statements();
    end_of_script();
}

std::string FrontEnd::include_scan(const std::string& path, ScanKind kind,
                                   std::string_view version_pattern) {
    std::string version = reader_.include_scan(path, kind, version_pattern);
    if (kind == ScanKind::source) {
        found_version_ = version;
        dispatcher_.set_found_version(version);
    }
    return version;
}

}  // namespace vx
