#include "diag/reporter.h"

#include "diag/signal_cleanup.h"

#include <QString>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace vx {

namespace {

// Fills "%1" and "%2" in one pass, so that a "%2" inside the first
// replacement (a file name, say) is never taken for a placeholder.
QString fill_placeholders(const QString& text, const QString& first, const QString& second) {
    QString out;
    out.reserve(text.size() + first.size() + second.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'%' && i + 1 < text.size()) {
            if (text[i + 1] == u'1') {
                out += first;
                ++i;
                continue;
            }
            if (text[i + 1] == u'2') {
                out += second;
                ++i;
                continue;
            }
        }
        out += text[i];
    }
    return out;
}

QString header_text(Severity severity, MessageCode code) {
    std::string_view name = message_code_name(code);
    return QStringLiteral("Harnex-%1-%2,  ")
        .arg(QChar::fromLatin1(severity_letter(severity)))
        .arg(QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
}

// The text of a message after its header: the catalogue's text with the
// location prefix and the argument in their slots.
QString body_text(const MessageCatalogue& catalogue, const QString& prefix, MessageCode code,
                  const QString& argument) {
    if (const std::string* stored = catalogue.find(message_code_name(code))) {
        const QString text = QString::fromStdString(*stored);
        // Most texts begin with the location slot "%1" and show the argument
        // in "%2". The few written as a sentence with a single slot ("File
        // %1 opening problem") take the argument there; it would otherwise
        // be lost.
        if (catalogue.argument_in_first_slot(message_code_name(code))) {
            return fill_placeholders(text, argument, QString());
        }
        return fill_placeholders(text, prefix, argument);
    }
    return prefix + QLatin1Char(' ') + argument;
}

QString decode(Severity severity, std::string_view argument) {
    auto size = static_cast<qsizetype>(argument.size());
    if (severity == Severity::error || severity == Severity::warning) {
        return QString::fromLocal8Bit(argument.data(), size);
    }
    return QString::fromLatin1(argument.data(), size);
}

// Pads a listing line to 77 columns and closes it with "*" in column 78, or
// with " *" when it is already that long.
std::string boxed(std::string line) {
    if (line.size() >= listing_width - 1) {
        return line + " *";
    }
    line.resize(listing_width - 1, ' ');
    return line + "*";
}

bool is_echo_cut(char c) { return c == ' ' || c == ',' || c == ';' || c == '(' || c == ')'; }

}  // namespace

char severity_letter(Severity severity) {
    switch (severity) {
        case Severity::internal:
            return 'S';
        case Severity::fatal:
            return 'F';
        case Severity::error:
            return 'E';
        case Severity::warning:
            return 'W';
        case Severity::info:
            return 'I';
    }
    return '?';
}

Reporter::Reporter(const MessageCatalogue& catalogue) : catalogue_(catalogue) {}

Reporter::~Reporter() { close_details_file(); }

class Reporter::Text {
public:
    QString value;
};

std::string Reporter::location_prefix(const SourceLocation& where) {
    if (!where.file.empty()) {
        return "[" + where.file + ":" + std::to_string(where.line) + "] ";
    }
    if (where.line != 0) {
        return "[" + std::to_string(where.line) + "] ";
    }
    return {};
}

void Reporter::report(const SourceLocation& where, Severity severity, MessageCode code,
                      std::string_view argument) {
#ifndef NDEBUG
    // The code's row does not give this severity: a place of the compiler
    // contradicts the catalogue. The places that name a code are audited
    // against the rows; this catches, in the test builds, a code that
    // reaches here through a variable.
    if (!severity_allowed(code, severity)) {
        throw internal(msg::ERRINTFCT,
                       std::string("report / ") + std::string(message_code_name(code)));
    }
#endif
    raise_text(where, severity, code, Text{decode(severity, argument)});
    if (severity == Severity::fatal) {
        throw RunStopped{exit_fatal};
    }
    if (severity == Severity::internal) {
        throw RunStopped{exit_internal};
    }
}

std::string Reporter::compose(Severity severity, MessageCode code,
                              std::string_view argument) const {
    return compose_text(here(), severity, code, Text{decode(severity, argument)});
}

void Reporter::raise(Severity severity, MessageCode code, std::string_view argument) {
    raise_text(here(), severity, code, Text{decode(severity, argument)});
}

void Reporter::raise(Severity severity, MessageCode code, const TranslatedText& argument) {
    raise_text(here(), severity, code, Text{QString::fromStdString(argument.utf8)});
}

std::string Reporter::compose_text(const SourceLocation& where, Severity severity, MessageCode code,
                                   const Text& decoded) const {
    QString line = header_text(severity, code);
    line +=
        body_text(catalogue_, QString::fromLocal8Bit(location_prefix(where)), code, decoded.value);
    line += QLatin1Char('\n');
    return line.toLocal8Bit().toStdString();
}

std::string Reporter::editor_text(const SourceLocation& where, Severity severity, MessageCode code,
                                  const Text& decoded) const {
    std::string place = "vexorprepro";
    if (!where.file.empty()) {
        place = where.file + ":" + std::to_string(where.line);
    } else if (where.line != 0) {
        place = "line " + std::to_string(where.line);
    }
    const char* kind = severity == Severity::warning ? "warning"
                       : severity == Severity::info  ? "note"
                                                     : "error";
    const QString text = body_text(catalogue_, QString(), code, decoded.value).trimmed();
    return place + ": " + kind + ": " + text.toLocal8Bit().toStdString() + " [" +
           std::string(message_code_name(code)) + "]\n";
}

void Reporter::write_raw(const std::string& bytes, bool to_stderr, bool flush_details,
                         const std::string* console_line) {
    const std::string& shown = console_line != nullptr ? *console_line : bytes;
    if (to_stderr && console_) {
        console_(shown);
    } else if (to_stderr) {
        std::fwrite(shown.data(), 1, shown.size(), stderr);
        std::fflush(stderr);
    } else {
        hidden_ = true;
    }
    if (details_ != nullptr) {
        std::fwrite(bytes.data(), 1, bytes.size(), details_);
        if (flush_details) {
            std::fflush(details_);
        }
    }
}

void Reporter::raise_text(const SourceLocation& where, Severity severity, MessageCode code,
                          const Text& argument) {
    if (severity == Severity::fatal || severity == Severity::internal) {
        run_cleanup();
    }

    bool repetition = have_previous_ && previous_file_ == where.file &&
                      previous_line_ == where.line && previous_code_ == code;
    have_previous_ = true;
    previous_file_ = where.file;
    previous_line_ = where.line;
    previous_code_ = code;

    bool hidden = false;
    if (severity == Severity::error) {
        ++errors_;
        hidden = errors_ > error_limit_ || repetition;
    } else if (severity == Severity::warning) {
        ++warnings_;
        hidden = warnings_ > warning_limit_ || repetition;
    }

    // Warnings and notes wait in the listing's buffer: a script with
    // thousands of them would otherwise cost a system call each. An error
    // puts them on disk at once; the summary, a fatal or internal error,
    // the crash handler and the process's exit close or flush the file. A
    // run ended by an interrupting signal stops at once, without them.
    const bool flush = severity != Severity::warning && severity != Severity::info;
    const std::string line = compose_text(where, severity, code, argument);
    if (editor_form_) {
        const std::string editor_line = editor_text(where, severity, code, argument);
        write_raw(line, !hidden, flush, &editor_line);
    } else {
        write_raw(line, !hidden, flush);
    }

    // A statement the script lost is kept whatever the display limits: the
    // link records name it, and the report gives no PASSED after it.
    if (severity == Severity::warning && warning_drops_statement(code)) {
        const QString message = body_text(
            catalogue_, QString::fromLocal8Bit(location_prefix(where)), code, argument.value);
        dropped_.push_back(
            {std::string(message_code_name(code)), message.toLocal8Bit().toStdString()});
    }

    if (severity == Severity::fatal || severity == Severity::internal) {
        close_details_file();
    }
}

void Reporter::open_details_file(const std::string& name) {
    close_details_file();
    details_name_ = name;
    // Written beside its name and renamed at the end; a name that is not a
    // regular file (a pipe, a terminal, /dev/null) is written in place.
    struct stat existing {};
    const bool in_place = ::stat(name.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode);
    details_staged_name_ =
        in_place ? std::string() : name + ".vx" + std::to_string(::getpid()) + "_lis";
    const std::string& written = in_place ? name : details_staged_name_;
    {
        // The staged file is made and handed to the signal cleanup as one
        // step: a signal between the two left it behind.
        EndingSignalsHeld held;
        // A pipe nobody reads is refused at once instead of waited on.
        int fd =
            ::open(written.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0666);
        if (fd >= 0) {
            int flags = ::fcntl(fd, F_GETFL);
            if (flags >= 0) {
                ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
            }
            details_ = ::fdopen(fd, "w");
            if (details_ == nullptr) {
                ::close(fd);
                if (!in_place) ::unlink(written.c_str());
            } else {
                set_listing_descriptor(fd, details_staged_name_, details_name_);
            }
        }
    }
    if (details_ == nullptr) {
        throw fatal(msg::FICERROPN, std::string_view(name));
    }
}

void Reporter::write_details_line(std::string_view text) {
    if (details_ == nullptr) {
        return;
    }
    std::fwrite(text.data(), 1, text.size(), details_);
    std::fputc('\n', details_);
}

void Reporter::write_listing_header(std::string_view command_echo, std::string_view details_name,
                                    std::string_view run_date) {
    if (details_ == nullptr) {
        return;
    }
    const std::string stars(listing_width, '*');
    auto put = [this](const std::string& line) { write_details_line(line); };

    put(stars);
    put(boxed("C Test Script Compiler 8.3.0.1.342.020"));
    put(boxed("*"));

    std::string_view echo = command_echo.substr(0, 20479);
    std::string lead = "* COMMANDE : ";
    do {
        std::size_t take = echo.size();
        if (take > listing_echo_piece) {
            take = 0;
            for (std::size_t i = listing_echo_piece; i > 0; --i) {
                if (is_echo_cut(echo[i])) {
                    take = i;
                    break;
                }
            }
            if (take == 0) {
                take = listing_echo_piece;
            }
        }
        std::string line = lead;
        line.append(echo.data(), take);
        put(boxed(std::move(line)));
        echo.remove_prefix(take);
        // A blank where the echo was cut is the line break itself.
        if (!echo.empty() && echo.front() == ' ') {
            echo.remove_prefix(1);
        }
        lead.assign(1, '*').append(12, ' ');
    } while (!echo.empty());

    std::string file_line = "* FICHIER : ";
    file_line.append(details_name);
    put(boxed(std::move(file_line)));
    std::string date_line = "* DATE : ";
    date_line.append(run_date);
    put(boxed(std::move(date_line)));
    put(boxed("*"));
    put(stars);
    std::fflush(details_);
}

void Reporter::close_details_file() {
    if (details_ != nullptr) {
        set_listing_descriptor(-1, {}, {});
        std::fclose(details_);
        details_ = nullptr;
        // The rename replaces the name, never the file a link there leads
        // to.
        if (!details_staged_name_.empty()) {
            std::rename(details_staged_name_.c_str(), details_name_.c_str());
            details_staged_name_.clear();
        }
    }
}

void Reporter::set_cleanup(const void* owner, std::function<void()> cleanup) {
    cleanup_owner_ = owner;
    cleanup_ = std::move(cleanup);
}

void Reporter::remove_cleanup(const void* owner) {
    if (cleanup_owner_ == owner) {
        cleanup_owner_ = nullptr;
        cleanup_ = nullptr;
    }
}

void Reporter::run_cleanup() {
    if (cleanup_) {
        cleanup_();
    }
}

int Reporter::end_of_execution() {
    run_cleanup();

    MessageCode code = msg::ENDNOENWR;
    QString first;
    QString second;
    int status = exit_clean;
    if (errors_ > 0 && warnings_ > 0) {
        code = msg::ENDERRWAR;
        first = QString::number(errors_);
        second = QString::number(warnings_);
        status = exit_errors;
    } else if (errors_ > 0) {
        code = msg::ENDERRNWR;
        first = QString::number(errors_);
        status = exit_errors;
    } else if (warnings_ > 0) {
        code = msg::ENDNOEWAR;
        second = QString::number(warnings_);
        status = exit_warnings;
    }

    auto summary = [this](MessageCode summary_code, const QString& a, const QString& b) {
        QString line = header_text(Severity::info, summary_code);
        if (const std::string* text = catalogue_.find(message_code_name(summary_code))) {
            line += fill_placeholders(QString::fromStdString(*text), a, b);
        } else {
            line += a + QLatin1Char(' ') + b;
        }
        line += QLatin1Char('\n');
        write_raw(line.toLocal8Bit().toStdString(), true, true);
    };

    if (status != exit_clean && hidden_) {
        summary(msg::MORERWALI, QString::fromLocal8Bit(details_name_), QString());
    }
    summary(code, first, second);

    close_details_file();
    if (status == exit_clean && !details_name_.empty()) {
        std::remove(details_name_.c_str());
    }
    return status;
}

namespace {
std::string_view text_or_empty(const char* argument) {
    return argument == nullptr ? std::string_view() : std::string_view(argument);
}
}  // namespace

void Reporter::info(MessageCode code, std::string_view argument) {
    raise(Severity::info, code, argument);
}
void Reporter::info(MessageCode code, const char* argument) {
    raise(Severity::info, code, text_or_empty(argument));
}
void Reporter::warning(MessageCode code, std::string_view argument) {
    raise(Severity::warning, code, argument);
}
void Reporter::warning(MessageCode code, const TranslatedText& argument) {
    raise(Severity::warning, code, argument);
}
void Reporter::warning(MessageCode code, const char* argument) {
    raise(Severity::warning, code, text_or_empty(argument));
}
void Reporter::error(MessageCode code, std::string_view argument) {
    raise(Severity::error, code, argument);
}
void Reporter::error(MessageCode code, const TranslatedText& argument) {
    raise(Severity::error, code, argument);
}
void Reporter::error(MessageCode code, const char* argument) {
    raise(Severity::error, code, text_or_empty(argument));
}
RunStopped Reporter::fatal(MessageCode code, std::string_view argument) {
    raise(Severity::fatal, code, argument);
    return RunStopped{exit_fatal};
}
RunStopped Reporter::fatal(MessageCode code, const char* argument) {
    return fatal(code, text_or_empty(argument));
}
RunStopped Reporter::internal(MessageCode code, std::string_view argument) {
    raise(Severity::internal, code, argument);
    return RunStopped{exit_internal};
}
RunStopped Reporter::internal(MessageCode code, const char* argument) {
    return internal(code, text_or_empty(argument));
}

}  // namespace vx
