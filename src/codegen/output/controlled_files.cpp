// The table of controlled file actions, walked as a decision on type and
// action; refusals end the run as internal errors with their fixed texts.
#include "codegen/output/controlled_files.h"

#include "codegen/output/output_file.h"
#include "diag/file_guard.h"
#include "diag/reporter.h"

#include <array>

namespace vx {

namespace {

constexpr std::array<std::string_view, 3> type_names = {"F_INC", "F_SOURCE", "F_PTU"};
constexpr std::array<std::string_view, 5> action_names = {
    "A_OUVRIR", "A_OUVRIR_ECR", "A_FERMER_SAUV", "A_FERMER_DEL", "A_RESETER"};

constexpr std::string_view refusal_lead = "MAJ_FIC / ";

bool known_type(ControlledFile type) {
    int value = static_cast<int>(type);
    return value >= 0 && value < static_cast<int>(type_names.size());
}

bool known_action(FileAction action) {
    int value = static_cast<int>(action);
    return value >= 0 && value < static_cast<int>(action_names.size());
}

[[noreturn]] void refuse(Reporter& reporter, std::string_view text) {
    reporter.internal(msg::ERRINTFCT, std::string(refusal_lead) + std::string(text));
}

[[noreturn]] void refuse_type(Reporter& reporter, ControlledFile type) {
    refuse(reporter,
           controlled_file_name(type) + " : type enum fic inconnu, ou operation interdite ");
}

// Reads one whole line without its line end ("\n", and a "\r" before it).
bool read_whole_line(std::FILE* stream, std::string& line) {
    if (!read_text_line(stream, line)) {
        return false;
    }
    while (!line.empty() && line.back() == '\r') {
        line.pop_back();
    }
    return true;
}

}  // namespace

std::string controlled_file_name(ControlledFile type) {
    if (known_type(type)) {
        return std::string(type_names[static_cast<std::size_t>(type)]);
    }
    return std::to_string(static_cast<int>(type));
}

std::string file_action_name(FileAction action) {
    if (known_action(action)) {
        return std::string(action_names[static_cast<std::size_t>(action)]);
    }
    return std::to_string(static_cast<int>(action));
}

void ControlledFiles::set_script(std::FILE* script, std::string path) {
    script_ = script;
    script_path_ = std::move(path);
}

ControlledFiles::Handle* ControlledFiles::handle(ControlledFile type) {
    switch (type) {
        case ControlledFile::F_INC:
            return &include_;
        case ControlledFile::F_SOURCE:
            return &source_;
        case ControlledFile::F_PTU:
            return nullptr;
    }
    return nullptr;
}

bool ControlledFiles::is_open(ControlledFile type) const {
    switch (type) {
        case ControlledFile::F_INC:
            return include_.stream != nullptr;
        case ControlledFile::F_SOURCE:
            return source_.stream != nullptr;
        case ControlledFile::F_PTU:
            return script_ != nullptr;
    }
    return false;
}

bool ControlledFiles::open(ControlledFile type, std::string_view path) {
    Handle& h = *handle(type);
    h.stream.reset();
    std::string name(path);
    // Never a pipe or a device, which could block or never end.
    OpenedInput opened;
    h.stream.reset(open_input_stream(name, opened));
    if (h.stream == nullptr) {
        if (type == ControlledFile::F_INC && opened.problem == InputProblem::missing) {
            return false;
        }
        reporter_.fatal(input_problem_code(opened), input_problem_text(name, opened));
    }
    check_input_identity(reporter_, files_, name, opened.identity);
    h.path = std::move(name);
    reporter_.set_report_file(h.path);
    reporter_.set_report_line(-1);
    return true;
}

void ControlledFiles::rewind(std::FILE* stream, const std::string& path) {
    if (stream == nullptr || std::fseek(stream, 0, SEEK_SET) != 0) {
        reporter_.fatal(msg::IMPRESFIC, path);
    }
    std::clearerr(stream);
    reporter_.set_report_file(path);
    reporter_.set_report_line(-1);
}

bool ControlledFiles::file_action(ControlledFile type, FileAction action, std::string_view path) {
    if (!known_action(action)) {
        refuse(reporter_, file_action_name(action) + " : action demandee inconnue");
    }
    if (!known_type(type)) {
        refuse_type(reporter_, type);
    }
    const bool include = type == ControlledFile::F_INC;

    if (type == ControlledFile::F_PTU) {
        if (action != FileAction::A_RESETER) {
            refuse_type(reporter_, type);
        }
        rewind(script_, path.empty() ? script_path_ : std::string(path));
        return true;
    }

    Handle& h = *handle(type);
    switch (action) {
        case FileAction::A_OUVRIR:
            return open(type, path);
        case FileAction::A_OUVRIR_ECR:
            refuse(reporter_, include ? "ouvert. en ecr. interdite sur inc"
                                      : "ouvert. en ecr. interdite sur source");
        case FileAction::A_FERMER_SAUV:
            h.stream.reset();
            return true;
        case FileAction::A_FERMER_DEL:
            refuse(reporter_, include ? "fermeture + delete interdite sur inc"
                                      : "fermeture + delete interdite sur source");
        case FileAction::A_RESETER:
            rewind(h.stream.get(), path.empty() ? h.path : std::string(path));
            return true;
    }
    return false;
}

bool ControlledFiles::read_controlled_line(ControlledFile type, std::string& line) {
    line.clear();
    if (!known_type(type)) {
        refuse(reporter_, controlled_file_name(type) + " : type enum fic inconnu");
    }
    if (type == ControlledFile::F_PTU) {
        if (script_ == nullptr) {
            return false;
        }
        while (read_whole_line(script_, line)) {
            if (!line.empty() && (line.front() == '#' || line.front() == '@')) {
                line.erase(0, 1);
                return true;
            }
        }
        line.clear();
        return false;
    }
    Handle& h = *handle(type);
    if (h.stream == nullptr || !read_whole_line(h.stream.get(), line)) {
        return false;
    }
    reporter_.set_report_line(reporter_.report_line() + 1);
    return true;
}

}  // namespace vx
