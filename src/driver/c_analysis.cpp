#include "driver/c_analysis.h"

#include "canalysis/symbol_listing.h"
#include "canalysis/target_model.h"
#include "diag/reporter.h"
#include "driver/identity.h"
#include "driver/paths.h"

#include <cstdio>

#include <algorithm>
#include <iterator>

namespace vx {

namespace {

constexpr std::string_view stub_inactive = "STUBINACTIVE";

}  // namespace

CAnalysis::CAnalysis(TargetModel* target) : run_(target ? *target : own_target_) {
    cpp_.set_target(&run_.target);
    run_.is_type_modifier = [this](std::string_view word) {
        const std::vector<std::string>& modifiers = cpp_.type_modifiers();
        return std::find(modifiers.begin(), modifiers.end(), word) != modifiers.end();
    };
}

std::string CAnalysis::start(const CAnalysisStart& start) {
    symbtab_file_ = start.symbtab_file;
    command_echo_ = start.command_echo;
    run_date_ = start.run_date;
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
        analyse_declarations(definitions, {});
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

void CAnalysis::analyse_declarations(std::string_view text, std::string_view scope) {
    last_declarations_ = std::string(text);
    DeclarationOptions options;
    options.scope = scope;
    ReporterSink sink;
    c_parse_declarations(text, table_, options, sink, run_);
}

std::optional<bool> CAnalysis::base_type(std::string_view name) {
    if (Symbol* s = c_find_symbol(name, table_, ""); s && (s->storage & storage_typedef)) return true;
    // The base types in any spelling: only their words, at least one.
    static constexpr std::string_view words[] = {"char", "short", "int", "long", "signed",
                                                 "unsigned", "float", "double", "void"};
    bool any = false;
    std::size_t i = 0;
    while (i < name.size()) {
        if (name[i] == ' ' || name[i] == '\t') {
            ++i;
            continue;
        }
        std::size_t j = i;
        while (j < name.size() && name[j] != ' ' && name[j] != '\t') ++j;
        std::string_view word = name.substr(i, j - i);
        if (std::find(std::begin(words), std::end(words), word) == std::end(words)) return false;
        any = true;
        i = j;
    }
    return any;
}

std::optional<bool> CAnalysis::macro_defined(std::string_view name) {
    return cpp_.macro_defined(name);
}

void CAnalysis::write_symbol_listing(const std::vector<std::string>& services) {
    if (symbtab_file_.empty()) return;
    // A name without extension gets the symbol table's.
    std::string name = symbtab_file_;
    std::size_t slash = name.rfind('/');
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        name += "." + extension_for(ExtensionKind::symbol_table);
    }
    std::FILE* file = std::fopen(name.c_str(), "w");
    if (file == nullptr) report_fatal("IMPOUVFIC", name);
    SymbolListing listing{table_, services, name, tool_title, tool_version, command_echo_, run_date_,
                          cpp_.script_language()};
    bool failed = false;
    vx::write_symbol_listing(listing, [&](std::string_view line) {
        if (std::fwrite(line.data(), 1, line.size(), file) != line.size() || std::fputc('\n', file) == EOF) {
            failed = true;
        }
    });
    if (std::fclose(file) != 0) failed = true;
    if (failed) report_fatal("IMPECRFIC", name);
}

void CAnalysis::finish() { cpp_finish(cpp_, false); }

}  // namespace vx
