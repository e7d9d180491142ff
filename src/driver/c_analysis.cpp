#include "driver/c_analysis.h"

#include "canalysis/target_model.h"

namespace vx {

namespace {

constexpr std::string_view stub_inactive = "STUBINACTIVE";

}  // namespace

CAnalysis::CAnalysis(TargetModel* target) { cpp_.set_target(target); }

std::string CAnalysis::start(const CAnalysisStart& start) {
    CppInit init;
    init.strict = start.ansi;
    init.lenient = start.kr;
    init.script_language = start.script_language;
    init.include_dirs = start.include_dirs;
    init.definitions = start.definitions;
    cpp_.set_sink(reporter_sink());
    cpp_init(cpp_, init, true);

    std::string definitions;
    if (!start.std_define_file.empty()) {
        std::string directive = "#include \"" + start.std_define_file + "\"";
        cpp_process_text(cpp_, directive, false, "", 0, definitions);
        analyse_declarations(definitions);
    }
    std::string guard = "#ifndef " + std::string(stub_inactive) + "\n#define " +
                        std::string(stub_inactive) + " " + "\n#endif";
    std::string ignored;
    cpp_process_text(cpp_, guard, false, "", 0, ignored);
    return definitions;
}

std::string CAnalysis::preprocess(std::string_view text, std::string_view file,
                                  long first_line) {
    std::string output;
    cpp_process_text(cpp_, text, false, file, first_line, output);
    return output;
}

void CAnalysis::analyse_declarations(std::string_view text) {
    // The declaration parser takes the text here once it exists; until
    // then the text is kept only as the last one handed over.
    last_declarations_ = std::string(text);
}

std::optional<bool> CAnalysis::macro_defined(std::string_view name) {
    return cpp_.macro_defined(name);
}

void CAnalysis::finish() { cpp_finish(cpp_, false); }

}  // namespace vx
