// Wiring of the reader and the dispatcher: the reader hands its statements
// to the dispatcher, the dispatcher pushes included scripts on the reader.
#include "script/front_end.h"

namespace vx {

FrontEnd::FrontEnd(Reporter& reporter, const ScriptOptions& options, ScriptLanguage& language,
                   OutputSession& session, HarnessHooks& hooks, NativeAnalysis& native)
    : reader_(reporter, options, session, native),
      dispatcher_(reporter, options, language, session, hooks, native, reader_) {
    reader_.set_client(dispatcher_);
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
