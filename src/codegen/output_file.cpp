// Files written by the compiler, with their failure reports and the log of
// created files.
#include "codegen/output_file.h"

#include "diag/reporter.h"
#include "diag/system_calls.h"

#include <array>
#include <sys/stat.h>
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
    {".c", "C   "},   {".ic", "C   "},   {".h", "H   "},    {".C", "CPP "},
    {".cpp", "CPP "}, {".icc", "CPP "}, {".icpp", "CPP "}, {".cc", "CCP "},
    {".iC", "CCP "},  {".a", "ADA "},   {".ada", "ADA "},  {".adb", "ADA "},
    {".ads", "ADA "}, {".ro", "RO  "},  {".rod", "ROD "},  {".tdc", "TDC "},
    {".ddt", "DDT "}, {".mdt", "MDT "}, {".tsf", "TSF "},  {".xrd", "XRD "},
}};

std::string_view extension_of(std::string_view path) {
    std::size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    std::size_t dot = name.rfind('.');
    return dot == std::string_view::npos ? std::string_view{} : name.substr(dot);
}

}  // namespace

OutputFile::OutputFile(OutputFile&& other) noexcept
    : stream_(std::exchange(other.stream_, nullptr)), path_(std::move(other.path_)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        if (stream_ != nullptr) {
            std::fclose(stream_);
        }
        stream_ = std::exchange(other.stream_, nullptr);
        path_ = std::move(other.path_);
    }
    return *this;
}

OutputFile::~OutputFile() {
    if (stream_ != nullptr) {
        std::fclose(stream_);
    }
}

void OutputFile::fail(std::string_view code) {
    // The stream stays open: the cleanup of the fatal report closes and
    // deletes whatever the run still holds.
    report_fatal(code, path_);
}

void OutputFile::write_line(std::string_view text) {
    if (stream_ == nullptr) {
        report_internal("ERRINTFCT", "write_line / " + path_);
    }
    if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size() ||
        std::fputc('\n', stream_) == EOF || std::ferror(stream_) != 0) {
        fail("IMPECRFIC");
    }
}

void OutputFile::write_text(std::string_view text) {
    if (stream_ == nullptr) {
        report_internal("ERRINTFCT", "write_text / " + path_);
    }
    if (std::fwrite(text.data(), 1, text.size(), stream_) != text.size() ||
        std::ferror(stream_) != 0) {
        fail("IMPECRFIC");
    }
}

void OutputFile::rewind() {
    if (stream_ == nullptr) {
        report_fatal("IMPRESFIC", path_);
    }
    if (std::fflush(stream_) != 0) {
        fail("IMPECRFIC");
    }
    if (std::fseek(stream_, 0, SEEK_SET) != 0) {
        fail("IMPRESFIC");
    }
}

void OutputFile::truncate() {
    rewind();
    if (::ftruncate(::fileno(stream_), 0) != 0) {
        fail("IMPECRFIC");
    }
}

bool read_text_line(std::FILE* stream, std::string& line) {
    line.clear();
    // Read through the stream's buffer up to the newline: a long generated
    // line comes back whole, never in pieces.
    int c = 0;
    while ((c = std::getc(stream)) != EOF) {
        if (c == '\n') {
            return true;
        }
        line += static_cast<char>(c);
    }
    if (std::ferror(stream) != 0) {
        fatal_system_call("fgets");
    }
    return !line.empty();
}

bool OutputFile::read_line(std::string& line) {
    if (stream_ == nullptr) {
        line.clear();
        return false;
    }
    return read_text_line(stream_, line);
}

void OutputFile::close(bool keep) {
    if (stream_ == nullptr) {
        return;
    }
    std::FILE* stream = std::exchange(stream_, nullptr);
    if (keep) {
        bool flushed = std::fflush(stream) == 0;
        bool closed = std::fclose(stream) == 0;
        if (!flushed) {
            report_fatal("IMPECRFIC", path_);
        }
        if (!closed) {
            report_fatal("IMPFERFIC", path_);
        }
        return;
    }
    bool closed = std::fclose(stream) == 0;
    bool removed = remove_output(path_);
    if (!closed || !removed) {
        report_fatal("IMPFERFIC", path_);
    }
}

void OutputFile::discard() noexcept {
    if (stream_ == nullptr) {
        return;
    }
    std::fclose(std::exchange(stream_, nullptr));
    remove_output(path_);
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

[[noreturn]] void report_log_failure(LogResult result, std::string_view log_path) {
    report_fatal(result == LogResult::cannot_open ? "IMPOUVFIC" : "IMPECRFIC", log_path);
}

}  // namespace

void log_created_file(std::string_view log_path, std::string_view path) {
    LogResult result = append_log_line(log_path, path);
    if (result != LogResult::done) {
        report_log_failure(result, log_path);
    }
}

OutputFile create_output(const std::string& path, std::string_view log_path) {
    std::FILE* stream = std::fopen(path.c_str(), "w+");
    if (stream == nullptr) {
        report_fatal("IMPOUVFIC", path);
    }
    OutputFile file(stream, path);
    LogResult result = append_log_line(log_path, path);
    if (result != LogResult::done) {
        // The new file is nobody's yet: remove it before the run stops.
        file.discard();
        report_log_failure(result, log_path);
    }
    return file;
}

}  // namespace vx
