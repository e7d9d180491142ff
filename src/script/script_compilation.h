// One compilation of a script into a harness, wired once for every program
// that compiles one (the compiler and the fuzz target of the front end):
// the output session, the harness layout and its generators, the C analysis
// (or a run without it) and the script front end.
//
//   ScriptCompilation compilation(reporter, files, options, language,
//                                 output_settings, harness_settings, native);
//   compilation.compile(script_path, source_path, version_pattern);
//   ... checks of the finished harness ...
//   compilation.finish(reporter.error_count() > 0);
//
// While it lives, a run that stops early abandons its outputs (the
// session's cleanup).
#pragma once

#include "codegen/harness_generation.h"
#include "codegen/harness_hooks.h"
#include "codegen/harness_layout.h"
#include "codegen/output/output_session.h"
#include "script/front_end.h"

#include <string>
#include <string_view>

namespace vx {

class ScriptCompilation {
public:
    // `native`: the C analysis of the run, or null for a run without it.
    ScriptCompilation(Reporter& reporter, RunFiles& files, const ScriptOptions& options,
                      ScriptLanguage& language, OutputSettings output, HarnessSettings harness,
                      NativeAnalysis* native)
        : session_(std::move(output), reporter, files),
          layout_(std::move(harness), session_),
          generation_(layout_, options.analysis_enabled),
          native_(native != nullptr ? *native : without_analysis_),
          front_end_(reporter, options, language, session_, generation_, native_) {
        generation_.set_native_analysis(&native_);
    }
    ScriptCompilation(const ScriptCompilation&) = delete;
    ScriptCompilation& operator=(const ScriptCompilation&) = delete;

    // The script from its opening to the end of the harness and of its
    // declarations; the outputs stay open.
    void compile(const std::string& script_path, const std::string& source_path = {},
                 std::string_view version_pattern = {}) {
        front_end_.compile(script_path, source_path, version_pattern);
    }
    // Closes the outputs, keeping them after a run without errors, and
    // writes the configuration header from the layout's usage counts.
    void finish(bool errors) { session_.finish_outputs(errors, layout_.usage().lines()); }

    OutputSession& session() { return session_; }
    HarnessLayout& layout() { return layout_; }
    FrontEnd& front_end() { return front_end_; }

private:
    OutputSession session_;
    HarnessLayout layout_;
    HarnessGeneration generation_;
    WithoutNativeAnalysis without_analysis_;
    NativeAnalysis& native_;
    FrontEnd front_end_;
};

}  // namespace vx
