#include "diag/system_calls.h"

#include "diag/catalogue.h"
#include "diag/process_end.h"

#include <QString>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vx {

void fatal_system_call(std::string_view name) {
    QString text = QString::fromStdString(
        translate("Fatal Error (cstsyst)",
                  "FATAL ERROR on '%1',\n Please contact your administrative.",
                  "'%1' is a function name")
            .utf8);
    text.replace(QStringLiteral("%1"),
                 QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size())));
    QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stderr);
    std::fflush(stderr);
    std::fflush(stdout);
    end_process(exit_fatal);
}

void* guarded_allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block == nullptr) {
        fatal_system_call("malloc");
    }
    return block;
}

void* guarded_reallocate(void* block, std::size_t size) {
    void* resized = std::realloc(block, size == 0 ? 1 : size);
    if (resized == nullptr) {
        fatal_system_call("realloc");
    }
    return resized;
}

char* guarded_duplicate(const char* text) {
    if (text == nullptr) {
        return nullptr;
    }
    char* copy = ::strdup(text);
    if (copy == nullptr) {
        fatal_system_call("strdup");
    }
    return copy;
}

bool guarded_read_line(std::FILE* stream, std::string& line) {
    std::vector<char> buffer(guarded_line_max + 1);
    if (std::fgets(buffer.data(), static_cast<int>(buffer.size()), stream) == nullptr) {
        if (std::ferror(stream)) {
            fatal_system_call("fgets");
        }
        line.clear();
        return false;
    }
    line.assign(buffer.data());
    return true;
}

void guarded_close(std::FILE* stream) {
    if (std::fclose(stream) != 0) {
        fatal_system_call("fclose");
    }
}

int guarded_printf(const char* format, ...) {
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(stdout, format, args);
    va_end(args);
    if (written < 0 || std::fflush(stdout) != 0) {
        fatal_system_call(
            QStringLiteral("printf(%1)").arg(QString::fromLatin1(format)).toStdString());
    }
    return written;
}

int guarded_fprintf(std::FILE* stream, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int written = std::vfprintf(stream, format, args);
    va_end(args);
    if (written < 0 || std::fflush(stream) != 0) {
        fatal_system_call("fprintf");
    }
    return written;
}

int guarded_sprintf(char* buffer, std::size_t size, const char* format, ...) {
    va_list args;
    va_start(args, format);
    int written = std::vsnprintf(buffer, size, format, args);
    va_end(args);
    if (written < 0) {
        fatal_system_call(
            QStringLiteral("sprintf(%1").arg(QString::fromLatin1(format)).toStdString());
    }
    return written;
}

long guarded_number(const char* text) {
    int base = 10;
    if (text[0] != '\0' && text[1] == 'x') {
        base = 16;
    } else if (text[0] == '0') {
        base = 8;
    }
    char* end = nullptr;
    errno = 0;
    long value = std::strtol(text, &end, base);
    if (end == text) {
        fatal_system_call("strtol");
    }
    return value;
}

int compare_file_age(const char* first, const char* second) {
    struct stat first_status {};
    struct stat second_status {};
    if (::stat(first, &first_status) != 0) {
        if (errno == ENOENT) {
            return 0;
        }
        fatal_system_call("stat");
    }
    if (::stat(second, &second_status) != 0) {
        if (errno == ENOENT) {
            return 0;
        }
        fatal_system_call("stat");
    }
    const auto& a = first_status.st_mtim;
    const auto& b = second_status.st_mtim;
    bool newer = a.tv_sec > b.tv_sec || (a.tv_sec == b.tv_sec && a.tv_nsec > b.tv_nsec);
    return newer ? 2 : 1;
}

std::string path_join(std::string_view directory, std::string_view name) {
    std::string joined;
    joined.reserve(directory.size() + 1 + name.size());
    joined.append(directory).append("/").append(name);
    return joined;
}

}  // namespace vx
