// Guarded system calls: a failure ends the run at once with
// "FATAL ERROR on '<name>'", outside the catalogue and the counters.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>
#include <string>
#include <string_view>

namespace vx {

inline constexpr std::size_t guarded_line_max = 20000;

[[noreturn]] void fatal_system_call(std::string_view name);

void* guarded_allocate(std::size_t size);
void* guarded_reallocate(void* block, std::size_t size);
char* guarded_duplicate(const char* text);  // nullptr gives nullptr

// Reads one line of at most guarded_line_max bytes (newline kept when it
// fits). False at end of file; a read error ends the run.
bool guarded_read_line(std::FILE* stream, std::string& line);
void guarded_close(std::FILE* stream);

int guarded_printf(const char* format, ...) __attribute__((format(printf, 1, 2)));
int guarded_fprintf(std::FILE* stream, const char* format, ...)
    __attribute__((format(printf, 2, 3)));
int guarded_sprintf(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Base 16 when the second character is "x", base 8 when the text begins
// with "0", base 10 otherwise; a text with no usable character ends the run.
long guarded_number(const char* text);

// 0 when either file is missing, 1 when the first is not newer than the
// second, 2 when it is newer.
int compare_file_age(const char* first, const char* second);

std::string path_join(std::string_view directory, std::string_view name);

}  // namespace vx
