// Deriving the output names of a run.
//
// The test script path and the generated path are each cut into directory,
// base and extension (the extension after the last dot of the file name).
// A missing extension takes the default of its kind. The generated file's
// directory is made absolute, and every output the compiler writes beside
// the harness (link records, declarations, segment, configuration header)
// is named in it after the generated base. The details file goes to the
// current directory under the script's base; the rio file goes in the
// directory the third argument names, with or without its final "/".
#include "driver/output_names.h"

#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "support/paths.h"

#include <algorithm>

namespace vx {

namespace {

constexpr char companion_prefix[] = "ne_";
constexpr char declarations_infix[] = ".i";
constexpr char config_header_name[] = "vexor_cfg.h";
constexpr char report_description_extension[] = "tsf";
constexpr char report_xrd_extension[] = ".xrd";

// A path cut into directory, base and extension, with a default extension.
struct SplitPath {
    std::string directory;
    std::string base;
    std::string extension;
};

SplitPath split_path(std::string_view path, std::string_view default_extension) {
    PathParts parts = split_directory(path);
    NameParts name = split_extension(parts.name);
    if (name.extension.empty()) {
        name.extension = default_extension;
    }
    return {std::move(parts.directory), std::move(name.base), std::move(name.extension)};
}

}  // namespace

OutputNames derive_output_names(const CompilerSettings& settings,
                                const RunEnvironment& environment) {
    OutputNames n;
    auto extension = [&environment](ExtensionKind kind) {
        return extension_for(environment, kind);
    };

    SplitPath script = split_path(settings.script_path, extension(ExtensionKind::test_script));
    n.script_dir = script.directory;
    n.script_base = script.base;
    n.script_extension = script.extension;
    n.script_file_name = n.script_base + "." + n.script_extension;
    n.script_path = n.script_dir + n.script_file_name;

    SplitPath generated = split_path(settings.generated_path, settings.generated_extension());
    n.generated_dir = make_absolute(generated.directory);
    n.generated_base = generated.base;
    n.generated_extension = generated.extension;
    const std::string& dir = n.generated_dir;
    const std::string& base = n.generated_base;

    n.rio_file_name =
        !settings.rio_name.empty() ? settings.rio_name : base + "." + extension(ExtensionKind::rio);
    // The third argument is a directory: "out" means the file out/h.rio,
    // never outh.rio beside it.
    std::string rio_dir = !settings.link_record_dir.empty() ? settings.link_record_dir : dir;
    if (!rio_dir.empty() && rio_dir.back() != '/') rio_dir += '/';
    n.rio_file = rio_dir + n.rio_file_name;

    n.link_record_file = dir + base + "." + extension(ExtensionKind::link_records);
    n.config_header = dir + config_header_name;
    n.companion_file = dir + companion_prefix + base + "." + n.generated_extension;
    n.declarations_file =
        (settings.compiler_system == CompilerSystem::unix_system ? dir : std::string()) + base +
        declarations_infix + n.generated_extension;
    n.segment_file = dir + base + "." + extension(ExtensionKind::segment);
    n.details_file = n.script_base + "." + extension(ExtensionKind::details);
    n.generated_path = dir + base + "." + n.generated_extension;
    n.base_name = base;
    n.symbol_listing_file = symbol_listing_path(settings.symbtab_file, environment);

    if (settings.report_description_wanted) {
        SplitPath tsf = split_path(settings.report_description_file, report_description_extension);
        n.report_description_path = tsf.directory + tsf.base + "." + tsf.extension;
        n.report_xrd_file = tsf.directory + tsf.base + report_xrd_extension;
        n.report_xrd_name = tsf.base + report_xrd_extension;
    }
    return n;
}

void open_listing(Reporter& reporter, const CompilerSettings& settings, const OutputNames& names,
                  std::string_view run_date) {
    reporter.open_details_file(names.details_file);
    reporter.write_listing_header(settings.command_echo, names.details_file, run_date);
}

std::string symbol_listing_path(const std::string& symbtab_file,
                                const RunEnvironment& environment) {
    if (symbtab_file.empty()) {
        return {};
    }
    // A name without extension gets the symbol table's.
    std::string name = symbtab_file;
    std::size_t slash = name.rfind('/');
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) {
        name += "." + extension_for(environment, ExtensionKind::symbol_table);
    }
    return name;
}

void refuse_colliding_names(Reporter& reporter, RunFiles& files, const CompilerSettings& settings,
                            const OutputNames& names) {
    // Files are compared by what they are (device and inode, through links
    // of both kinds) and, for a file not there yet, by canonical name.
    struct Known {
        const std::string* name;
        std::string canonical;
        FileIdentity identity;
    };
    auto known = [](const std::string& name) {
        return Known{&name, canonical_file_name(name), file_identity(name)};
    };
    auto same = [](const Known& a, const Known& b) {
        return a.identity.same_file(b.identity) || a.canonical == b.canonical;
    };

    std::vector<Known> inputs;
    for (const std::string* input :
         {&names.script_path, &settings.source_file, &settings.std_define_file}) {
        if (!input->empty()) {
            inputs.push_back(known(*input));
        }
    }
    for (const std::string& option_file : settings.option_files) {
        inputs.push_back(known(option_file));
    }
    for (const Known& input : inputs) {
        files.note_input(*input.name, input.identity);
    }

    const std::string const_file = settings.const_given ? settings.const_file : std::string();
    std::vector<Known> outputs;
    for (const std::string* output :
         {&names.details_file, &names.generated_path, &names.declarations_file,
          &names.link_record_file, &names.config_header, &const_file,
          &names.report_description_path, &names.report_xrd_file, &settings.rename_file,
          &settings.vistal_log_path, &names.symbol_listing_file}) {
        if (output->empty()) {
            continue;
        }
        Known candidate = known(*output);
        for (const Known& input : inputs) {
            if (same(candidate, input)) {
                throw reporter.fatal(msg::FICENTSOR, *output);
            }
        }
        for (const Known& other : outputs) {
            if (same(candidate, other)) {
                throw reporter.fatal(msg::IMPOUVFIC, *output);
            }
        }
        outputs.push_back(std::move(candidate));
        files.note_output(*output);
    }
}

}  // namespace vx
