// The stages of one run, in their fixed order: the reporter with the crash
// handler and the end of a run stopped by a signal; the environment record
// the run was started with; the default script language and the run date;
// the banner; the command line; the target; the output names and the
// details file; the C analysis; the compile driver; the summary.
#include "driver/compilation.h"

#include "diag/signal_cleanup.h"
#include "driver/crash_handler.h"
#include "support/identity.h"

#include <csignal>
#include <cstdlib>
#include <ctime>
#include <utility>

namespace vx {

namespace {

// Names of the compiler systems of -SYSCOMP, by their code.
constexpr const char* compiler_system_names[] = {"UNIX", "OS2", "DOS", "VMS", "NT"};

std::string current_run_date() {
    std::time_t now = std::time(nullptr);
    std::string date = std::ctime(&now);
    while (!date.empty() && date.back() == '\n') {
        date.pop_back();
    }
    return date;
}

}  // namespace

Compilation::Compilation(const MessageCatalogue& catalogue, RunEnvironment environment)
    : reporter_(catalogue),
      environment_(std::move(environment)),
      c_analysis_(reporter_, files_, &target_model_) {
    install_crash_handler(reporter_);
    install_signal_cleanup([this](int signal_number) {
        return reporter_.compose(Severity::fatal, msg::ARRETSIGN,
                                 std::string_view(ending_signal_name(signal_number)));
    });
    script_language_.read_default_script_language(environment_.script_language);
    run_date_ = current_run_date();
}

void Compilation::read_command_line(int argc, char** argv) {
    reporter_.info(msg::STARTEXEC,
                   std::string(product_title) + " " + tool_title + " " + tool_version);
    // The copyright, unless suppressed (even by an empty value).
    if (!environment_.suppress_copyright) {
        reporter_.info(msg::COPYRIGHT, copyright_notice);
    }

    // A refused command line ends the run with CMDFATALE.
    settings_ = analyse_command_line(reporter_, argc, argv, environment_);
    target_ = configure_target(reporter_, environment_, settings_.no_path,
                               compiler_system_names[static_cast<int>(settings_.compiler_system)]);
    names_ = derive_output_names(settings_, environment_);
    refuse_colliding_names(reporter_, files_, settings_, names_);
    open_listing(reporter_, settings_, names_, run_date_);
}

void Compilation::start_c_analysis() {
    if (!settings_.c_analysis()) {
        return;
    }
    CAnalysisStart start;
    start.script_language = script_language_.language();
    start.run_date = run_date_;
    c_analysis_.start(settings_, environment_, start);
    script_language_.on_switch(
        [this](int language) { c_analysis_.preprocessor().set_script_language(language); });
    native_ = &c_analysis_;
}

void Compilation::compile_script() { run_compile_driver(*this); }

int Compilation::end() { return reporter_.end_of_execution(); }

}  // namespace vx
