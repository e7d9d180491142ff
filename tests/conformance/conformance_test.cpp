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
// - "__GNUC__" and the compiler's other names for itself are not among our
//   definitions, so neither side has them; the feature tests (__has_include,
//   __has_builtin, __has_attribute ...) answer alike, ours from the answers
//   of the same compiler recorded in the standard definitions.
//
// The library headers (LibraryHeaders below) are those of common -dev
// packages, found through pkg-config as their users find them, and the
// kernel's UAPI headers, read on their own. Each set is also analysed as
// declarations, as a script's headers are: not one diagnostic either.
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace vx {
namespace {

const char* const headers[] = {
    // C standard library.
    "assert.h",
    "complex.h",
    "ctype.h",
    "errno.h",
    "fenv.h",
    "float.h",
    "inttypes.h",
    "iso646.h",
    "limits.h",
    "locale.h",
    "math.h",
    "setjmp.h",
    "signal.h",
    "stdalign.h",
    "stdarg.h",
    "stdatomic.h",
    "stdbool.h",
    "stddef.h",
    "stdint.h",
    "stdio.h",
    "stdlib.h",
    "stdnoreturn.h",
    "string.h",
    "tgmath.h",
    "threads.h",
    "time.h",
    "uchar.h",
    "wchar.h",
    "wctype.h",
    // POSIX.
    "unistd.h",
    "fcntl.h",
    "pthread.h",
    "sys/types.h",
    "sys/stat.h",
    "sys/socket.h",
    "sys/wait.h",
    "sys/mman.h",
    "netinet/in.h",
    "arpa/inet.h",
    "netdb.h",
    "dirent.h",
    "regex.h",
    "sys/time.h",
    "poll.h",
    "termios.h",
    "dlfcn.h",
    "sys/select.h",
    "sys/uio.h",
    "sys/utsname.h",
    "glob.h",
    "fnmatch.h",
    "grp.h",
    "pwd.h",
    "sched.h",
    "semaphore.h",
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
            } else if (std::isdigit(c) || (c == '.' && i + 1 < line.size() &&
                                           std::isdigit(static_cast<unsigned char>(line[i + 1])))) {
                ++i;
                while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) ||
                                           line[i] == '.' || line[i] == '_' ||
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

// One set of library headers, read together in one translation unit:
// its pkg-config module (empty: none) and the text that includes them.
struct HeaderSet {
    const char* name;
    const char* module;
    const char* text;
};

// Shown by its name in test listings.
[[maybe_unused]] void PrintTo(const HeaderSet& set, std::ostream* out) { *out << set.name; }

const HeaderSet library_sets[] = {
    {"glib", "glib-2.0 gmodule-2.0",
     "#include <glib.h>\n#include <glib/gstdio.h>\n#include <glib-unix.h>\n#include <gmodule.h>\n"},
    {"gobject", "gobject-2.0", "#include <glib-object.h>\n"},
    {"gio", "gio-unix-2.0", "#include <gio/gio.h>\n#include <gio/gunixfdlist.h>\n"},
    {"gtk", "gtk+-3.0",
     "#include <gtk/gtk.h>\n#include <gdk/gdk.h>\n#include <gdk-pixbuf/gdk-pixbuf.h>\n"
     "#include <pango/pango.h>\n#include <cairo.h>\n#include <atk/atk.h>\n"},
    {"openssl", "openssl",
     "#include <openssl/ssl.h>\n#include <openssl/evp.h>\n#include <openssl/x509.h>\n"
     "#include <openssl/rsa.h>\n#include <openssl/sha.h>\n#include <openssl/err.h>\n"
     "#include <openssl/bio.h>\n#include <openssl/rand.h>\n#include <openssl/hmac.h>\n"
     "#include <openssl/aes.h>\n"},
    {"curl", "libcurl", "#include <curl/curl.h>\n"},
    {"libxml2", "libxml-2.0",
     "#include <libxml/parser.h>\n#include <libxml/tree.h>\n#include <libxml/xpath.h>\n"
     "#include <libxml/xmlwriter.h>\n"},
    {"sqlite", "sqlite3", "#include <sqlite3.h>\n"},
    {"zlib", "zlib", "#include <zlib.h>\n"},
    {"libpng", "libpng", "#include <png.h>\n"},
    // jpeglib.h leaves FILE and size_t to its user.
    {"libjpeg", "libjpeg", "#include <stdio.h>\n#include <jpeglib.h>\n"},
    {"libevent", "libevent",
     "#include <event2/event.h>\n#include <event2/buffer.h>\n#include <event2/http.h>\n"
     "#include <event2/bufferevent.h>\n#include <event2/dns.h>\n"},
    {"systemd", "libsystemd",
     "#include <systemd/sd-bus.h>\n#include <systemd/sd-journal.h>\n#include "
     "<systemd/sd-daemon.h>\n"
     "#include <systemd/sd-event.h>\n#include <systemd/sd-login.h>\n"},
    {"libuv", "libuv", "#include <uv.h>\n"},
    {"json-c", "json-c", "#include <json.h>\n"},
    {"yaml", "yaml-0.1", "#include <yaml.h>\n"},
    {"pcre2", "libpcre2-8", "#define PCRE2_CODE_UNIT_WIDTH 8\n#include <pcre2.h>\n"},
    {"libarchive", "libarchive", "#include <archive.h>\n#include <archive_entry.h>\n"},
    {"zstd", "libzstd", "#include <zstd.h>\n#include <zstd_errors.h>\n"},
    {"lz4", "liblz4", "#include <lz4.h>\n#include <lz4hc.h>\n#include <lz4frame.h>\n"},
    {"ffi", "libffi", "#include <ffi.h>\n"},
    {"readline", "readline",
     "#include <stdio.h>\n#include <readline/readline.h>\n#include <readline/history.h>\n"},
    {"ncurses", "ncurses panel menu form",
     "#include <ncurses.h>\n#include <panel.h>\n#include <menu.h>\n#include <form.h>\n"},
    {"libcap", "libcap", "#include <sys/capability.h>\n"},
    {"selinux", "libselinux", "#include <selinux/selinux.h>\n#include <selinux/label.h>\n"},
    {"dbus", "dbus-1", "#include <dbus/dbus.h>\n"},
    {"libusb", "libusb-1.0", "#include <libusb.h>\n"},
    {"alsa", "alsa", "#include <alsa/asoundlib.h>\n"},
    {"pulse", "libpulse-simple", "#include <pulse/pulseaudio.h>\n#include <pulse/simple.h>\n"},
    {"sdl2", "sdl2", "#include <SDL.h>\n"},
    {"lua", "lua5.4", "#include <lua.h>\n#include <lauxlib.h>\n#include <lualib.h>\n"},
    {"tcl-tk", "tk", "#include <tcl.h>\n#include <tk.h>\n"},
    {"python", "python3", "#include <Python.h>\n"},
    {"mariadb", "libmariadb", "#include <mysql.h>\n"},
    {"postgresql", "libpq", "#include <libpq-fe.h>\n"},
    {"uuid", "uuid", "#include <uuid.h>\n"},
    {"epoxy", "epoxy", "#include <epoxy/gl.h>\n"},
    {"expat", "expat", "#include <expat.h>\n"},
    {"libmount", "mount", "#include <libmount.h>\n#include <linux/fs.h>\n"},
    {"link", "", "#include <link.h>\n"},
    {"uapi-bpf", "", "#include <linux/bpf.h>\n"},
    {"uapi-sched", "", "#include <linux/sched.h>\n"},
    {"uapi-gpio", "", "#include <linux/gpio.h>\n"},
    {"uapi-io_uring", "", "#include <linux/io_uring.h>\n"},
    {"uapi-if_packet", "", "#include <linux/if_packet.h>\n"},
    {"uapi-nl80211", "", "#include <linux/nl80211.h>\n"},
    {"uapi-can", "", "#include <linux/can.h>\n"},
    {"uapi-if_ether", "", "#include <linux/if_ether.h>\n"},
    {"uapi-if_tun", "", "#include <linux/if_tun.h>\n"},
    {"uapi-ethtool", "", "#include <linux/ethtool.h>\n"},
    {"uapi-btrfs", "", "#include <linux/btrfs.h>\n"},
    {"uapi-userfaultfd", "", "#include <linux/userfaultfd.h>\n"},
};

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
    const testkit::EnvChanges env = {
        {"VXLTGT", testkit::dist_dir() + "/target"}, {"VXUTGT", std::nullopt}, {"LC_ALL", "C"}};
    int compared = 0;
    std::size_t total = 0;
    for (const char* header : headers) {
        const std::string source = scratch_.file("h.c");
        testkit::write_file(source, std::string("#include <") + header + ">\n");
        testkit::ProcessResult ours = testkit::run_program(cpp_dump, {source}, env);
        std::vector<std::string> args = {"-E",
                                         "-undef",
                                         "-nostdinc",
                                         "-U__STDC_VERSION__",
                                         "-U__STDC_HOSTED__",
                                         "-include",
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

// The include directories pkg-config gives for the modules, in order.
std::vector<std::string> include_dirs_of(const std::string& modules) {
    std::vector<std::string> dirs;
    if (modules.empty()) return dirs;
    std::vector<std::string> args = {"pkg-config", "--cflags-only-I"};
    std::istringstream words(modules);
    for (std::string m; words >> m;) args.push_back(m);
    testkit::ProcessResult r = testkit::run_program("/usr/bin/env", args);
    EXPECT_EQ(r.status, 0) << modules << ": " << r.err;
    std::istringstream flags(r.out);
    for (std::string flag; flags >> flag;) {
        if (flag.rfind("-I", 0) == 0) dirs.push_back(flag.substr(2));
    }
    return dirs;
}

class LibraryHeaders : public Conformance, public ::testing::WithParamInterface<HeaderSet> {};

TEST_P(LibraryHeaders, GiveTheTokensOfGccAndNoDiagnostic) {
    const HeaderSet& set = GetParam();
    if (std::system("pkg-config --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pkg-config not available";
    }
    const std::vector<std::string> dirs = include_dirs_of(set.module);
    const std::string source = scratch_.file("set.c");
    testkit::write_file(source, set.text);
    const std::string cpp_dump = std::string(VX_BINARY_DIR) + "/tests/cpp_dump";
    const testkit::EnvChanges env = {
        {"VXLTGT", testkit::dist_dir() + "/target"}, {"VXUTGT", std::nullopt}, {"LC_ALL", "C"}};
    std::vector<std::string> ours_args;
    std::vector<std::string> gcc_args = {"gcc",
                                         "-E",
                                         "-undef",
                                         "-nostdinc",
                                         "-U__STDC_VERSION__",
                                         "-U__STDC_HOSTED__",
                                         "-include",
                                         scratch_.file("macros.h")};
    for (const std::string& d : dirs) {
        ours_args.push_back("-INCL=" + d);
        gcc_args.push_back("-I" + d);
    }
    ours_args.push_back("-DECLARATIONS");
    ours_args.push_back(source);
    gcc_args.insert(gcc_args.end(), gcc_args_.begin(), gcc_args_.end());
    gcc_args.push_back(source);
    testkit::ProcessResult ours = testkit::run_program(cpp_dump, ours_args, env);
    testkit::ProcessResult gcc = testkit::run_program("/usr/bin/env", gcc_args);
    EXPECT_EQ(ours.status, 0) << set.name << ": " << ours.err.substr(0, 4000);
    EXPECT_EQ(ours.err, "") << set.name;
    ASSERT_EQ(gcc.status, 0) << set.name << ": " << gcc.err.substr(0, 4000);
    std::vector<std::string> a = tokens(ours.out);
    std::vector<std::string> b = tokens(gcc.out);
    std::size_t at = 0;
    while (at < a.size() && at < b.size() && a[at] == b[at]) {
        ++at;
    }
    EXPECT_TRUE(at == a.size() && at == b.size())
        << set.name << ": token " << at << " of " << a.size() << " / " << b.size()
        << "\n  ours: " << context(a, at) << "\n  gcc:  " << context(b, at);
    // Every set declares something.
    EXPECT_GT(a.size(), 100u) << set.name;
}

// A script that includes every set at once (each header once, in the
// order of the sets) is compiled without a diagnostic, and a VAR on a
// member of a kernel structure finds its type.
TEST_F(Conformance, ScriptIncludingEverySetCompilesWithoutDiagnostic) {
    if (std::system("pkg-config --version > /dev/null 2>&1") != 0) {
        GTEST_SKIP() << "pkg-config not available";
    }
    std::string modules;
    std::vector<std::string> lines;
    for (const HeaderSet& set : library_sets) {
        modules += std::string(" ") + set.module;
        for (const std::string& line : testkit::split_lines(set.text)) {
            if (!line.empty() && std::find(lines.begin(), lines.end(), line) == lines.end()) {
                lines.push_back(line);
            }
        }
    }
    std::string script = "HEADER whole, 1.0, , every header set\n";
    for (const std::string& line : lines) script += "#" + line + "\n";
    script +=
        "#struct can_frame frame;\nBEGIN\nSERVICE s\nTEST t\nFAMILY f\nELEMENT\n"
        "VAR frame.can_id, INIT = 1, EV = 1\nEND ELEMENT\nEND FAMILY\nEND TEST\nEND SERVICE\n";
    testkit::write_file(scratch_.file("whole.ptu"), script);
    std::vector<std::string> args = {scratch_.file("whole.ptu"), scratch_.file("whole.c")};
    for (const std::string& d : include_dirs_of(modules)) args.push_back("-INCL=" + d);
    args.push_back(scratch_.path());
    testkit::ProcessResult run = testkit::run_compiler(
        args, {{"VXLTGT", testkit::dist_dir() + "/target"}, {"VXUTGT", std::nullopt}});
    EXPECT_EQ(run.status, 0) << run.err.substr(0, 4000);
    EXPECT_EQ(run.err.find("Harnex-W-"), std::string::npos) << run.err.substr(0, 4000);
    EXPECT_EQ(run.err.find("Harnex-E-"), std::string::npos) << run.err.substr(0, 4000);
}

// A directory of the search path is made a system one by naming it in
// "#pragma vexor incl_std" on a line only the analysis reads ("!"): its
// headers' redefinitions are not reported, and the harness, which never
// sees the pragma, builds warning-free with the directory given to the
// compiler as a system one. Without the pragma the same header is the
// user's and its redefinition is reported.
TEST_F(Conformance, IncludeDirectoriesMarkedSystemKeepQuietAndStayOutOfTheHarness) {
    const std::string sys = scratch_.file("vendor");
    std::filesystem::create_directories(sys);
    testkit::write_file(sys + "/dev.h",
                        "#define DEV_LIMIT 10\n#define DEV_LIMIT 20\nint dev_get(void);\n");
    const std::string body =
        "##include <dev.h>\n#int r;\nBEGIN\nSERVICE dev_get\nTEST t\nFAMILY f\n"
        "ELEMENT\nVAR r, INIT = 0, EV = 20\n#r = dev_get();\nEND ELEMENT\n"
        "END FAMILY\nEND TEST\nEND SERVICE\n";
    testkit::write_file(scratch_.file("quiet.ptu"),
                        "HEADER dev, 1.0, , x\n!#pragma vexor incl_std \"" + sys + "\"\n" + body);
    testkit::write_file(scratch_.file("loud.ptu"), "HEADER dev, 1.0, , x\n" + body);
    const testkit::EnvChanges env = {{"VXLTGT", testkit::dist_dir() + "/target"},
                                     {"VXUTGT", std::nullopt}};
    testkit::ProcessResult quiet = testkit::run_compiler(
        {scratch_.file("quiet.ptu"), scratch_.file("quiet.c"), "-INCL=" + sys}, env);
    EXPECT_EQ(quiet.status, 0) << quiet.err;
    EXPECT_EQ(quiet.err.find("IDENREDEF"), std::string::npos) << quiet.err;
    const std::string harness = testkit::read_file(scratch_.file("quiet.c"));
    EXPECT_EQ(harness.find("incl_std"), std::string::npos);
    const std::string lib = testkit::dist_dir() + "/target/lib";
    testkit::ProcessResult built =
        testkit::run_program("cc", {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib,
                                    "-isystem", sys, "-I" + scratch_.path(), "-c",
                                    scratch_.file("quiet.c"), "-o", scratch_.file("quiet.o")});
    EXPECT_EQ(built.status, 0) << built.err;

    testkit::ProcessResult loud = testkit::run_compiler(
        {scratch_.file("loud.ptu"), scratch_.file("loud.c"), "-INCL=" + sys}, env);
    EXPECT_NE(loud.err.find("IDENREDEF"), std::string::npos) << loud.err;
}

INSTANTIATE_TEST_SUITE_P(Sets, LibraryHeaders, ::testing::ValuesIn(library_sets),
                         [](const ::testing::TestParamInfo<HeaderSet>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             }
                             return name;
                         });

}  // namespace
}  // namespace vx
