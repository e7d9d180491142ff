// Files written by the compiler, with their failure reports and the log of
// created files.
#include "codegen/output/output_file.h"

#include "diag/file_guard.h"
#include "diag/reporter.h"
#include "diag/signal_cleanup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <utility>

namespace vx {

namespace {

struct LogTag {
    std::string_view extension;
    std::string_view tag;
};

// Extensions are compared exactly: ".c" and ".C" are different languages.
// Deletes an output. Only a regular file (or a link to one) is ever
// deleted: an output named after a device such as /dev/null must survive a
// run with errors.
bool remove_output(const std::string& path) {
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        return false;
    }
    if (!S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
        return true;
    }
    return std::remove(path.c_str()) == 0;
}

constexpr std::array<LogTag, 20> log_tags = {{
    {".c", "C   "},   {".ic", "C   "},   {".h", "H   "},   {".C", "CPP "},   {".cpp", "CPP "},
    {".icc", "CPP "}, {".icpp", "CPP "}, {".cc", "CCP "},  {".iC", "CCP "},  {".a", "ADA "},
    {".ada", "ADA "}, {".adb", "ADA "},  {".ads", "ADA "}, {".ro", "RO  "},  {".rod", "ROD "},
    {".tdc", "TDC "}, {".ddt", "DDT "},  {".mdt", "MDT "}, {".tsf", "TSF "}, {".xrd", "XRD "},
}};

std::string_view extension_of(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

}  // namespace

OutputFile::OutputFile(OutputFile&& other) noexcept
    : reporter_(other.reporter_),
      files_(other.files_),
      stream_(std::exchange(other.stream_, nullptr)),
      lines_(other.lines_),
      path_(std::move(other.path_)),
      log_path_(std::move(other.log_path_)),
      written_path_(std::move(other.written_path_)),
      staged_(other.staged_) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        if (stream_ != nullptr) {
            keep_quietly();
        }
        reporter_ = other.reporter_;
        files_ = other.files_;
        stream_ = std::exchange(other.stream_, nullptr);
        lines_ = other.lines_;
        path_ = std::move(other.path_);
        log_path_ = std::move(other.log_path_);
        written_path_ = std::move(other.written_path_);
        staged_ = other.staged_;
    }
    return *this;
}

OutputFile::~OutputFile() {
    if (stream_ != nullptr) {
        keep_quietly();
    }
}

void OutputFile::keep_quietly() noexcept {
    std::fclose(std::exchange(stream_, nullptr));
    if (staged_) {
        std::rename(written_path_.c_str(), canonical_file_name(path_).c_str());
    }
    drop_removable_file(written_path_);
}

bool OutputFile::remove_written() noexcept {
    if (stream_ != nullptr) {
        std::fclose(std::exchange(stream_, nullptr));
    }
    bool removed = remove_output(written_path_);
    drop_removable_file(written_path_);
    return removed;
}

RunStopped OutputFile::fail(MessageCode code) {
    // The stream stays open: the cleanup of the fatal report closes and
    // deletes whatever the run still holds.
    if (reporter_ == nullptr) {
        return misuse("fail");
    }
    return reporter_->fatal(code, path_);
}

RunStopped OutputFile::misuse(std::string_view operation) const {
    if (reporter_ != nullptr) {
        return reporter_->internal(msg::ERRINTFCT, std::string(operation) + " / " + path_);
    }
    // No run owns the file: the crash handler reports the fault.
    std::abort();
}

void OutputFile::put(std::string_view text, bool newline) {
    lines_ +=
        static_cast<std::uint64_t>(std::count(text.begin(), text.end(), '\n')) + (newline ? 1 : 0);
    if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size() ||
        (newline && std::fputc('\n', stream_) == EOF) || std::ferror(stream_) != 0) {
        throw fail(msg::IMPECRFIC);
    }
}

void OutputFile::write_line(std::string_view text) {
    if (!is_open()) {
        throw misuse("write_line");
    }
    put(text, true);
}

void OutputFile::write_text(std::string_view text) {
    if (!is_open()) {
        throw misuse("write_text");
    }
    put(text, false);
}

namespace {

enum class LogResult { done, cannot_open, cannot_write };

LogResult append_log_line(std::string_view log_path, std::string_view path) {
    std::string_view tag = created_file_tag(path);
    if (log_path.empty() || tag.empty()) {
        return LogResult::done;
    }
    std::string log_name(log_path);
    std::FILE* log = std::fopen(log_name.c_str(), "a");
    if (log == nullptr) {
        return LogResult::cannot_open;
    }
    std::string line = std::string(tag) + std::string(path) + "\n";
    bool written = std::fwrite(line.data(), 1, line.size(), log) == line.size();
    bool closed = std::fclose(log) == 0;
    return written && closed ? LogResult::done : LogResult::cannot_write;
}

RunStopped log_failure(Reporter& reporter, LogResult result, std::string_view log_path) {
    return reporter.fatal(result == LogResult::cannot_open ? msg::IMPOUVFIC : msg::IMPECRFIC,
                          log_path);
}

}  // namespace

void OutputFile::close(bool keep) {
    if (stream_ == nullptr) {
        return;
    }
    if (keep) {
        bool flushed = std::fflush(stream_) == 0;
        bool closed = std::fclose(std::exchange(stream_, nullptr)) == 0;
        if (!flushed || !closed) {
            remove_written();
            throw reporter_->fatal(flushed ? msg::IMPFERFIC : msg::IMPECRFIC, path_);
        }
        if (staged_ &&
            std::rename(written_path_.c_str(), canonical_file_name(path_).c_str()) != 0) {
            remove_written();
            throw reporter_->fatal(msg::IMPFERFIC, path_);
        }
        drop_removable_file(written_path_);
        // The log of created files names the output once it is in place,
        // never one a failed run removes; a log that is a file the run read
        // is never written.
        if (!log_path_.empty()) {
            const std::string log = std::exchange(log_path_, std::string());
            if (files_->is_input(file_identity(log))) {
                throw reporter_->fatal(msg::FICENTSOR, log);
            }
            LogResult result = append_log_line(log, path_);
            if (result != LogResult::done) throw log_failure(*reporter_, result, log);
        }
        return;
    }
    bool closed = std::fclose(std::exchange(stream_, nullptr)) == 0;
    bool removed = remove_written();
    // The output of a failed run does not stay either, unless it is one of
    // the run's inputs.
    if (staged_ && !files_->is_input(file_identity(path_))) {
        remove_output(path_);
    }
    if (!closed || !removed) {
        throw reporter_->fatal(msg::IMPFERFIC, path_);
    }
}

void OutputFile::discard() noexcept {
    if (stream_ == nullptr) {
        return;
    }
    remove_written();
}

std::string_view created_file_tag(std::string_view path) {
    std::string_view extension = extension_of(path);
    for (const LogTag& entry : log_tags) {
        if (entry.extension == extension) {
            return entry.tag;
        }
    }
    return {};
}

namespace {

// Whether the output is written under a staged name: only when its name
// leads to a regular file or to nothing yet.
bool stageable(const std::string& path) {
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return errno == ENOENT;
    }
    return S_ISREG(status.st_mode);
}

// Creates the staged file beside the output's final file; nullptr when the
// directory does not allow it.
std::FILE* create_staged(const std::string& path, std::string& staged_path) {
    static unsigned long serial = 0;
    const std::string base = canonical_file_name(path) + ".vx";
    std::string name;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        name = base + std::to_string(::getpid()) + "_" + std::to_string(++serial);
        // The name is in the table before the file exists.
        add_removable_file(name);
        fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            drop_removable_file(name);
            if (errno != EEXIST) {
                return nullptr;
            }
        }
    }
    if (fd < 0) {
        return nullptr;
    }
    std::FILE* stream = ::fdopen(fd, "w");
    if (stream == nullptr) {
        ::close(fd);
        ::unlink(name.c_str());
        drop_removable_file(name);
        return nullptr;
    }
    staged_path = std::move(name);
    return stream;
}

}  // namespace

OutputFile create_output(Reporter& reporter, const RunFiles& files, const std::string& path,
                         std::string_view log_path) {
    std::FILE* stream = nullptr;
    std::string written_path = path;
    bool staged = !path.empty() && stageable(path);
    if (staged) {
        stream = create_staged(path, written_path);
        staged = stream != nullptr;
    }
    if (stream == nullptr) {
        const bool regular = stageable(path);
        if (regular) {
            add_removable_file(path);
        }
        stream = std::fopen(path.c_str(), "w");
        if (stream == nullptr) {
            // The system's reason: a directory missing, a permission denied.
            const int error = errno;
            if (regular) {
                drop_removable_file(path);
            }
            throw reporter.fatal(msg::IMPOUVFIC,
                                 error != 0 ? path + " (" + std::strerror(error) + ")" : path);
        }
    }
    OutputFile file(reporter, files, stream, path, written_path, staged);
    // Logged when it is kept (close).
    file.log_path_ = std::string(log_path);
    return file;
}

}  // namespace vx
