// The preprocessor against a peer on real headers.
//
// For every header of the C standard library and a set of common POSIX
// headers, `cpp_dump` (the compiler's preprocessing, with the shipped
// standard definitions) and `gcc -E -undef` (given the same macros and the
// same search path) must print the same sequence of tokens; white space,
// line markers and other lines beginning with "#" are not compared. No
// warning may be reported for these headers.
//
// The differences that remain are ours on purpose, and gcc's command line
// neutralises them:
// - "__STDC__" is 0 for us and 1 for gcc; none of these headers prints it.
// - "__STDC_VERSION__" is not among our definitions (headers are read as
//   C of no particular revision); gcc's is removed with -U.
// - "__STDC_HOSTED__" is among our definitions; gcc's own is removed so
//   that gcc does not warn about the definition it is given.
// - <tgmath.h> refuses every compiler but GNU C with "#error": we report
//   WARNERR (the line is the header's own), gcc stops with an error.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

namespace vx {
namespace {

const char* const headers[] = {
    // C standard library.
    "assert.h", "complex.h", "ctype.h", "errno.h", "fenv.h", "float.h", "inttypes.h",
    "iso646.h", "limits.h", "locale.h", "math.h", "setjmp.h", "signal.h", "stdalign.h",
    "stdarg.h", "stdatomic.h", "stdbool.h", "stddef.h", "stdint.h", "stdio.h", "stdlib.h",
    "stdnoreturn.h", "string.h", "tgmath.h", "threads.h", "time.h", "uchar.h", "wchar.h",
    "wctype.h",
    // POSIX.
    "unistd.h", "fcntl.h", "pthread.h", "sys/types.h", "sys/stat.h", "sys/socket.h",
    "sys/wait.h", "sys/mman.h", "netinet/in.h", "arpa/inet.h", "netdb.h", "dirent.h",
    "regex.h", "sys/time.h", "poll.h", "termios.h", "dlfcn.h", "sys/select.h", "sys/uio.h",
    "sys/utsname.h", "glob.h", "fnmatch.h", "grp.h", "pwd.h", "sched.h", "semaphore.h",
    "syslog.h",
};

// C tokens of the text, lines beginning with "#" left out.
std::vector<std::string> tokens(const std::string& text) {
    static const char* const punctuators[] = {"<<=", ">>=", "...", "->", "++", "--", "<<", ">>",
                                              "<=",  ">=",  "==",  "!=", "&&", "||", "*=", "/=",
                                              "%=",  "+=",  "-=",  "&=", "^=", "|=", "##"};
    std::vector<std::string> out;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        std::size_t i = line.find_first_not_of(" \t");
        if (i == std::string::npos || line[i] == '#') {
            continue;
        }
        while (i < line.size()) {
            unsigned char c = static_cast<unsigned char>(line[i]);
            if (std::isspace(c)) {
                ++i;
                continue;
            }
            std::size_t b = i;
            if (std::isalpha(c) || c == '_' || c == '$') {
                while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) ||
                                           line[i] == '_' || line[i] == '$')) {
                    ++i;
                }
            } else if (std::isdigit(c) ||
                       (c == '.' && i + 1 < line.size() &&
                        std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
                ++i;
                while (i < line.size() &&
                       (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '.' ||
                        line[i] == '_' ||
                        ((line[i] == '+' || line[i] == '-') &&
                         std::strchr("eEpP", line[i - 1]) != nullptr))) {
                    ++i;
                }
            } else if (c == '"' || c == '\'') {
                ++i;
                while (i < line.size() && line[i] != static_cast<char>(c)) {
                    i += line[i] == '\\' ? 2 : 1;
                }
                i = std::min(i + 1, line.size());
            } else {
                std::size_t length = 1;
                for (const char* p : punctuators) {
                    if (line.compare(i, std::strlen(p), p) == 0) {
                        length = std::strlen(p);
                        break;
                    }
                }
                i += length;
            }
            out.push_back(line.substr(b, i - b));
        }
    }
    return out;
}

std::string context(const std::vector<std::string>& t, std::size_t at) {
    std::string s;
    for (std::size_t k = at < 8 ? 0 : at - 8; k < t.size() && k < at + 12; ++k) {
        s += t[k] + " ";
    }
    return s;
}

class Conformance : public ::testing::Test {
protected:
    void SetUp() override {
        if (std::system("gcc --version > /dev/null 2>&1") != 0) {
            GTEST_SKIP() << "gcc not available";
        }
        defs_ = testkit::dist_dir() + "/target/ana/vxus_c.def";
        ASSERT_TRUE(testkit::file_exists(defs_)) << defs_;
        // The same macros and search path for gcc.
        std::string macros;
        for (const std::string& line : testkit::split_lines(testkit::read_file(defs_))) {
            if (line.rfind("#define ", 0) == 0) {
                macros += line + "\n";
            }
            const std::string incl = "#pragma vexor incl_std \"";
            if (line.rfind(incl, 0) == 0) {
                gcc_args_.push_back("-I" + line.substr(incl.size(), line.size() - incl.size() - 1));
            }
        }
        ASSERT_FALSE(gcc_args_.empty());
        testkit::write_file(scratch_.file("macros.h"), macros);
    }

    std::string defs_;
    std::vector<std::string> gcc_args_;
    testkit::ScratchDir scratch_;
};

TEST_F(Conformance, HeadersGiveTheTokensOfGcc) {
    const std::string cpp_dump = std::string(VX_BINARY_DIR) + "/tests/cpp_dump";
    const testkit::EnvChanges env = {{"VXLTGT", testkit::dist_dir() + "/target"},
                                     {"VXUTGT", std::nullopt},
                                     {"LC_ALL", "C"}};
    int compared = 0;
    std::size_t total = 0;
    for (const char* header : headers) {
        const std::string source = scratch_.file("h.c");
        testkit::write_file(source, std::string("#include <") + header + ">\n");
        testkit::ProcessResult ours = testkit::run_program(cpp_dump, {source}, env);
        std::vector<std::string> args = {"-E", "-undef", "-nostdinc", "-U__STDC_VERSION__",
                                         "-U__STDC_HOSTED__", "-include",
                                         scratch_.file("macros.h")};
        args.insert(args.end(), gcc_args_.begin(), gcc_args_.end());
        args.push_back(source);
        testkit::ProcessResult gcc = testkit::run_program("/usr/bin/env", [&] {
            std::vector<std::string> a = {"gcc"};
            a.insert(a.end(), args.begin(), args.end());
            return a;
        }());
        if (std::string(header) == "tgmath.h") {
            EXPECT_NE(ours.err.find("Harnex-W-WARNERR"), std::string::npos) << ours.err;
            EXPECT_NE(ours.err.find("tgmath.h:"), std::string::npos) << ours.err;
            EXPECT_NE(gcc.status, 0);
        } else {
            EXPECT_EQ(ours.status, 0) << header << ": " << ours.err;
            EXPECT_EQ(ours.err, "") << header;
            EXPECT_EQ(gcc.status, 0) << header << ": " << gcc.err;
        }
        std::vector<std::string> a = tokens(ours.out);
        std::vector<std::string> b = tokens(gcc.out);
        std::size_t at = 0;
        while (at < a.size() && at < b.size() && a[at] == b[at]) {
            ++at;
        }
        EXPECT_TRUE(at == a.size() && at == b.size())
            << header << ": token " << at << " of " << a.size() << " / " << b.size()
            << "\n  ours: " << context(a, at) << "\n  gcc:  " << context(b, at);
        ++compared;
        total += a.size();
    }
    EXPECT_EQ(compared, static_cast<int>(std::size(headers)));
    // The headers declare something: tens of thousands of tokens.
    EXPECT_GT(total, 20000u);
}

}  // namespace
}  // namespace vx
