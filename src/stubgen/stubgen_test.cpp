// The stub generator: the symbols it reads from compiled code, the
// prototypes it cuts from headers, and the whole loop on a unit that calls
// three drivers and the C library: the blocks it writes build warning-free
// with gcc and clang, a described call passes, an undescribed one fails.
#include "stubgen/object_symbols.h"
#include "stubgen/stub_blocks.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace fs = std::filesystem;

namespace vx {
namespace {

// The unit of the stubs example, and a script of the test's own.
const std::string unit_dir = std::string(VX_SOURCE_DIR) + "/examples/stubs/unit";
const std::string script_file = std::string(VX_SOURCE_DIR) + "/tests/data/stubgen/link.ptu";

std::string vexorstubs() { return testkit::dist_dir() + "/bin/vexorstubs"; }

bool have(const std::string& program) {
    return testkit::run_program("/bin/sh", {"-c", "command -v " + program}).status == 0;
}

TEST(ObjectSymbols, ReadsDefinitionsAndReferencesOfObjectsAndArchives) {
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("a.c"),
                        "extern int gpio_read(int pin);\nextern int shared;\n"
                        "static int hidden(void) { return 1; }\n"
                        "int sensor_poll(void) { return gpio_read(3) + shared + hidden(); }\n"
                        "__attribute__((weak)) void sensor_hook(void) {}\n"
                        "int sensor_count = 3;\nconst char sensor_name[] = \"s\";\n");
    ASSERT_EQ(testkit::run_program("cc", {"-c", "-o", dir.file("a.o"), dir.file("a.c")}).status, 0);
    ObjectSymbols symbols;
    std::string error;
    ASSERT_TRUE(read_object_symbols(dir.file("a.o"), symbols, error)) << error;
    EXPECT_EQ(symbols.defined,
              (std::set<std::string>{"sensor_count", "sensor_hook", "sensor_name", "sensor_poll"}));
    EXPECT_EQ(symbols.undefined, (std::set<std::string>{"gpio_read", "shared"}));

    // The same object in an archive, beside a member that is not ELF.
    testkit::write_file(dir.file("notes.txt"), "not code\n");
    ASSERT_EQ(testkit::run_program(
                  "ar", {"rc", dir.file("liba.a"), dir.file("a.o"), dir.file("notes.txt")})
                  .status,
              0);
    ObjectSymbols archived;
    ASSERT_TRUE(read_object_symbols(dir.file("liba.a"), archived, error)) << error;
    EXPECT_EQ(archived.defined, symbols.defined);
    EXPECT_EQ(archived.undefined, symbols.undefined);

    // A damaged file is refused, never read past its end.
    std::string bytes = testkit::read_file(dir.file("a.o"));
    ObjectSymbols damaged;
    EXPECT_FALSE(read_object_bytes(bytes.substr(0, 80), damaged, error));
    EXPECT_FALSE(read_object_bytes("int x;", damaged, error));
    EXPECT_FALSE(read_object_symbols(dir.file("missing.o"), damaged, error));
}

TEST(ObjectSymbols, ReadsABigEndianThirtyTwoBitTarget) {
    if (!have("powerpc-linux-gnu-gcc")) GTEST_SKIP() << "no PowerPC cross compiler";
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("b.c"),
                        "int can_send(int);\nint frame(void) { return can_send(7); }\n");
    ASSERT_EQ(testkit::run_program("powerpc-linux-gnu-gcc",
                                   {"-c", "-o", dir.file("b.o"), dir.file("b.c")})
                  .status,
              0);
    ObjectSymbols symbols;
    std::string error;
    ASSERT_TRUE(read_object_symbols(dir.file("b.o"), symbols, error)) << error;
    EXPECT_EQ(symbols.defined, (std::set<std::string>{"frame"}));
    EXPECT_EQ(symbols.undefined, (std::set<std::string>{"can_send"}));
}

TEST(PrototypeText, IsCutFromTheHeaderAsItIsWritten) {
    const std::string text =
        "#ifndef SPI_H\n"
        "#define SPI_H\n"
        "#define SPI_BURST 8\n"
        "/* Sends a burst: spi_send(bus, data) is not this one. */\n"
        "extern int spi_send(spi_bus_t *bus,   /* the bus */\n"
        "                    const uint8_t data[SPI_BURST]) __attribute__((nonnull));\n"
        "void spi_halt(void) __attribute__((noreturn));\n"
        "int (*spi_handler(int irq))(void);\n"
        "static inline int spi_ready(void) { return 1; }\n"
        "int spi_a, spi_count(void);\n"
        "#define SPI_DECLARE(n) int spi_##n(void)\n"
        "SPI_DECLARE(reset);\n"
        "#endif\n";
    const HeaderDeclarations header(text);
    EXPECT_EQ(header.prototype_text("spi_send", 5),
              "int spi_send(spi_bus_t *bus, const uint8_t data[SPI_BURST])");
    EXPECT_EQ(header.prototype_text("spi_halt", 7), "_Noreturn void spi_halt(void)");
    // Forms the cut cannot follow are written from the analysed type.
    EXPECT_EQ(header.prototype_text("spi_handler", 8), std::nullopt);
    EXPECT_EQ(header.prototype_text("spi_ready", 9), std::nullopt);
    EXPECT_EQ(header.prototype_text("spi_count", 10), std::nullopt);
    EXPECT_EQ(header.prototype_text("spi_reset", 12), std::nullopt);

    EXPECT_TRUE(header.says_noreturn(7));
    EXPECT_TRUE(HeaderDeclarations("LIB_API(void, lib_abort, (int code), LIB_NORETURN);\n")
                    .says_noreturn(1));
    EXPECT_FALSE(header.says_noreturn(5));

    EXPECT_EQ(split_parameter_list("(int a, void (*cb)(int, int), const char s[N])"),
              (std::vector<std::string>{"int a", "void (*cb)(int, int)", "const char s[N]"}));
    EXPECT_EQ(split_parameter_list("(void)"), (std::vector<std::string>{"void"}));
    EXPECT_EQ(stub_block_name("board/uart-v2.h"), "uart_v2");
    EXPECT_EQ(stub_block_name("2d.h"), "h_2d");
}

// The unit's files copied into a fresh directory, where the loop runs.
class StubLoop : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(unit_dir, dir_.path(), fs::copy_options::recursive);
        fs::copy(script_file, dir_.file("link.ptu"));
        env_ = {{"HARNEXDIR", testkit::dist_dir()},
                {"VXLTGT", testkit::dist_dir() + "/target"},
                {"VXUTGT", std::nullopt},
                {"VEXOR_SUPPRESS_COPYRIGHT", "1"},
                {"LC_ALL", "C"}};
    }

    testkit::ProcessResult generate(std::vector<std::string> headers, const std::string& out) {
        std::vector<std::string> args{"-I."};
        for (const std::string& h : headers) {
            args.push_back("--header");
            args.push_back(h);
        }
        args.insert(args.end(), {"link.c", "-o", out});
        return testkit::run_program(vexorstubs(), args, env_, dir_.path());
    }

    testkit::ScratchDir dir_;
    testkit::EnvChanges env_;
};

TEST_F(StubLoop, GeneratedBlocksBuildAndCheckTheCallsTheyDescribe) {
    auto made = generate({"board/uart.h", "logger.h", "clock.h"}, "stubs.ptu");
    ASSERT_EQ(made.status, 0) << made.err;
    const std::string stubs = testkit::read_file(dir_.file("stubs.ptu"));
    // strlen and memcpy belong to the C library, clock_s is defined in its
    // header: none of them gets a stub. Every block keeps the header's own
    // text: the macro bound, the typedefs, restrict; directions come from
    // the types; a noreturn attribute becomes the keyword.
    for (const char* line :
         {"##include \"board/uart.h\"\n##include \"clock.h\"\n##include \"logger.h\"\n",
          "DEFINE STUB uart\n"
          "#int uart_write(_in uart_t *u, _in const uint8_t buf[UART_FIFO], _in size_t n);\n"
          "END DEFINE\n",
          "DEFINE STUB clock\n"
          "#uint32_t clock_ms(void);\n"
          "#void clock_get(_inout clock_time_t *out);\n"
          "#int clock_alarm(_in uint32_t at, _in clock_cb cb, _in void *ctx);\n"
          "#_Noreturn void clock_panic(_in const char *why);\n"
          "END DEFINE\n",
          "DEFINE STUB logger\n"
          "#int log_printf(_in int level, _in const char *restrict fmt, ...);\n"
          "END DEFINE\n"}) {
        EXPECT_NE(stubs.find(line), std::string::npos) << line << "\nin\n" << stubs;
    }
    for (const char* absent : {"strlen", "memcpy", "clock_s", "uart_read", "on_alarm"}) {
        EXPECT_EQ(stubs.find(absent), std::string::npos) << absent;
    }
    // The same input writes the same bytes.
    ASSERT_EQ(generate({"board/uart.h", "logger.h", "clock.h"}, "again.ptu").status, 0);
    EXPECT_EQ(testkit::read_file(dir_.file("again.ptu")), stubs);

    auto compiled =
        testkit::run_program(testkit::compiler_path(),
                             {"link.ptu", "t.c", ".", "-LANGUAGE=C", "-INCL=."}, env_, dir_.path());
    ASSERT_EQ(compiled.status, 0) << compiled.out << compiled.err;
    const std::string lib = testkit::dist_dir() + "/target/lib";
    for (const char* cc : {"gcc", "clang"}) {
        if (!have(cc)) continue;
        auto built = testkit::run_program(cc,
                                          {"-std=c99", "-Wall", "-Wextra", "-Werror", "-I" + lib,
                                           "-I.", "-I.", "t.c", "link.c", lib + "/TP.c", "-o", "t"},
                                          env_, dir_.path());
        ASSERT_EQ(built.status, 0) << cc << "\n" << built.err;
    }
    // The panic's test does not reach its end: the harness says so by 2.
    auto ran = testkit::run_program(dir_.file("t"), {}, env_, dir_.path());
    EXPECT_EQ(ran.status, 2) << ran.err;
    auto report = testkit::run_program(testkit::dist_dir() + "/bin/vexorreport", {"t.tdc", "t.rio"},
                                       env_, dir_.path());
    EXPECT_EQ(report.status, 1);
    for (const char* line : {
             "  TEST short_frame: passed (",
             "FAIL  stub clock_alarm: calls: obtained 1, expected no call",
             "  TEST alarm_undescribed: FAILED (1 of ",
             "did not finish",
         }) {
        EXPECT_NE(report.out.find(line), std::string::npos) << line << "\n" << report.out;
    }
    EXPECT_EQ(report.out.find("TEST too_long: passed"), std::string::npos) << report.out;
}

TEST_F(StubLoop, AFunctionWithoutPrototypeIsReportedAtItsCaller) {
    auto made = generate({"board/uart.h", "logger.h"}, "stubs.ptu");
    EXPECT_EQ(made.status, 1);
    // Each at the line of the C source that first calls it; the functions
    // first called on one line share one message.
    for (const char* message :
         {"[link.c:18] No prototype of clock_panic (headers read: board/uart.h logger.h; "
          "include directories: .): no stub written",
          "[link.c:21] No prototype of clock_get (",
          "[link.c:22] No prototype of clock_alarm, "
          "clock_ms ("}) {
        EXPECT_NE(made.err.find(message), std::string::npos) << message << "\n" << made.err;
    }
    EXPECT_NE(made.err.find("link.c"), std::string::npos) << made.err;
    EXPECT_NE(made.err.find("STUBNOPROT"), std::string::npos) << made.err;
    const std::string stubs = testkit::read_file(dir_.file("stubs.ptu"));
    EXPECT_NE(stubs.find("DEFINE STUB uart\n"), std::string::npos);
    EXPECT_EQ(stubs.find("clock"), std::string::npos);
}

TEST_F(StubLoop, KeepAndStubListsOverrideTheChoice) {
    auto made = testkit::run_program(
        vexorstubs(),
        {"-I.", "--header", "board/uart.h", "--header", "logger.h", "--header", "clock.h",
         "--header", "string.h", "--keep", "clock_panic,log_printf", "--stub", "strlen", "link.c"},
        env_, dir_.path());
    ASSERT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out.find("clock_panic"), std::string::npos);
    EXPECT_EQ(made.out.find("log_printf"), std::string::npos);
    EXPECT_NE(made.out.find("DEFINE STUB string\n#size_t strlen (_in const char *__s);\n"),
              std::string::npos)
        << made.out;
    EXPECT_EQ(made.out.find("memcpy"), std::string::npos);
}

TEST_F(StubLoop, UnreadableCodeWritesNothing) {
    testkit::write_file(dir_.file("broken.o"),
                        "\x7f"
                        "ELF garbage");
    auto made = testkit::run_program(
        vexorstubs(), {"--header", "logger.h", "broken.o", "-o", "s.ptu"}, env_, dir_.path());
    EXPECT_EQ(made.status, 2);
    EXPECT_NE(made.err.find("STUBOBJECT"), std::string::npos) << made.err;
    EXPECT_FALSE(testkit::file_exists(dir_.file("s.ptu")));
    EXPECT_FALSE(testkit::file_exists(dir_.file("s.ptu.part")));
}

// glibc declares the functions of <math.h> in <bits/mathcalls.h>, through
// macros. Their stubs belong to <math.h>, the header a user includes, even
// when the unit reaches it through a header of its own; the reserved
// twins (__cos) get none.
TEST(StubOwnership, APrivateHeaderGivesItsFunctionsToThePublicOne) {
    const testkit::EnvChanges env = {{"HARNEXDIR", testkit::dist_dir()},
                                     {"VXLTGT", testkit::dist_dir() + "/target"},
                                     {"VXUTGT", std::nullopt},
                                     {"LC_ALL", "C"}};
    testkit::ScratchDir dir;
    testkit::write_file(dir.file("filter.h"),
                        "#include <math.h>\n#define FILTER_TAPS 4\n"
                        "double filter_gain(const double taps[FILTER_TAPS]);\n");
    testkit::write_file(dir.file("filter.c"),
                        "#include \"filter.h\"\n"
                        "double filter_step(double x) {\n"
                        "    static const double taps[FILTER_TAPS] = {1, 2, 3, 4};\n"
                        "    return cos(x) * sqrt(x) * filter_gain(taps);\n}\n");
    auto made = testkit::run_program(
        vexorstubs(), {"-I.", "--no-default-libraries", "--header", "filter.h", "filter.c"}, env,
        dir.path());
    ASSERT_EQ(made.status, 0) << made.err;
    for (const char* text :
         {"##include \"filter.h\"\n##include \"math.h\"\n", "\nDEFINE STUB math\n",
          "#double cos(_in double __x);\n", "#double sqrt(_in double __x);\n",
          "#double filter_gain(_in const double taps[FILTER_TAPS]);\n"}) {
        EXPECT_NE(made.out.find(text), std::string::npos) << text << "\n" << made.out;
    }
    EXPECT_EQ(made.out.find("bits/"), std::string::npos) << made.out;
    EXPECT_EQ(made.out.find("__cos"), std::string::npos) << made.out;
}

// Every function of each header of the C library and POSIX set, and of
// libraries in common use, gets a stub that the compiler accepts and that
// builds with -Werror under gcc and clang, one translation unit per
// header: among them the
// functions <math.h> and <complex.h> declare through private headers and
// macros, complex values, a structure whose members the library names
// through macros (<signal.h>) and a variable-length array parameter
// (<regex.h>).
TEST(StubConformance, EveryFunctionOfTheHeadersGetsAStubThatBuilds) {
    const char* const headers[] = {
        "math.h", "complex.h", "signal.h", "regex.h", "string.h", "stdio.h", "stdlib.h", "time.h",
        "wchar.h", "ctype.h", "unistd.h", "pthread.h", "fcntl.h", "netdb.h", "sys/socket.h",
        "threads.h", "dirent.h", "locale.h", "inttypes.h", "setjmp.h", "fenv.h", "uchar.h",
        "wctype.h", "sys/stat.h", "sys/wait.h", "sys/mman.h", "arpa/inet.h", "poll.h", "termios.h",
        "dlfcn.h", "sys/select.h", "sys/uio.h", "sys/utsname.h", "glob.h", "fnmatch.h", "grp.h",
        "pwd.h", "sched.h", "semaphore.h", "syslog.h", "netinet/in.h", "sys/time.h",
        // Libraries nobody here wrote, read as their users read them.
        "zlib.h", "sqlite3.h", "png.h", "curl/curl.h"};
    const testkit::EnvChanges env = {{"HARNEXDIR", testkit::dist_dir()},
                                     {"VXLTGT", testkit::dist_dir() + "/target"},
                                     {"VXUTGT", std::nullopt},
                                     {"VEXOR_SUPPRESS_COPYRIGHT", "1"},
                                     {"LC_ALL", "C"}};
    const std::string lib = testkit::dist_dir() + "/target/lib";
    for (const char* header : headers) {
        SCOPED_TRACE(header);
        testkit::ScratchDir dir;
        auto made = testkit::run_program(vexorstubs(), {"--all", "--header", header, "-o", "s.ptu"},
                                         env, dir.path());
        ASSERT_EQ(made.status, 0) << made.err;
        const std::string stubs = testkit::read_file(dir.file("s.ptu"));
        std::size_t prototypes = 0;
        for (const std::string& l : testkit::split_lines(stubs)) {
            if (l.size() > 1 && l[0] == '#' && l[1] != '#') ++prototypes;
        }
        ASSERT_GT(prototypes, 0u);
        testkit::write_file(dir.file("a.ptu"),
                            std::string("HEADER s, 1.0, , all\n##include <") + header +
                                ">\nBEGIN\nINCLUDE PTU s.ptu\nSERVICE none\nTEST t\n"
                                "FAMILY f\n  ELEMENT\n    #;\n  END ELEMENT\nEND FAMILY\n"
                                "END TEST\nEND SERVICE\n");
        auto compiled = testkit::run_program(testkit::compiler_path(),
                                             {"a.ptu", "t.c", ".", "-LANGUAGE=C"}, env, dir.path());
        // The empty element is worth a warning; nothing else is.
        EXPECT_EQ(compiled.out.find("-E-"), std::string::npos) << compiled.out;
        EXPECT_EQ(compiled.out.find("PARINCDEC"), std::string::npos) << compiled.out;
        const std::string harness = testkit::read_file(dir.file("t.c"));
        std::size_t written = 0;
        for (std::size_t at = harness.find("/* simulation: "); at != std::string::npos;
             at = harness.find("/* simulation: ", at + 1)) {
            ++written;
        }
        EXPECT_EQ(written, prototypes);
        for (const char* cc : {"gcc", "clang"}) {
            if (!have(cc)) continue;
            auto built = testkit::run_program(cc,
                                              {"-std=gnu11", "-Wall", "-Wextra", "-Werror",
                                               "-I" + lib, "-I.", "-c", "t.c", "-o", "t.o"},
                                              env, dir.path());
            EXPECT_EQ(built.status, 0) << cc << "\n" << built.err.substr(0, 2000);
        }
    }
}

// The same on the cross targets, through their standard definitions made
// from their compilers: newlib on the Cortex-M3 declares some functions
// for GNU C only as macros (tolower), or as noreturn (longjmp), and spells
// va_list char * for other compilers; glibc on 32-bit big-endian PowerPC.
TEST(StubConformance, TheCrossTargetsHeadersGiveStubsThatBuild) {
    struct Target {
        const char* compiler;
        std::vector<std::string> flags;
    };
    const Target targets[] = {{"arm-none-eabi-gcc", {"-mcpu=cortex-m3", "-mthumb"}},
                              {"powerpc-linux-gnu-gcc", {}}};
    const char* const headers[] = {"stdio.h",  "stdlib.h", "string.h",   "ctype.h",
                                   "setjmp.h", "math.h",   "complex.h",  "signal.h",
                                   "wchar.h",  "time.h",   "inttypes.h", "locale.h"};
    const std::string lib = testkit::dist_dir() + "/target/lib";
    for (const Target& target : targets) {
        SCOPED_TRACE(target.compiler);
        if (!have(target.compiler)) GTEST_SKIP() << target.compiler << " is not installed";
        testkit::ScratchDir dir;
        std::vector<std::string> make = {testkit::dist_dir() + "/target/ana/make_vxus_c_def.sh",
                                         target.compiler, dir.file("target.def"),
                                         testkit::dist_dir() + "/target/ana/vxus_c_lang.def"};
        make.insert(make.end(), target.flags.begin(), target.flags.end());
        auto made_def = testkit::run_program("/bin/sh", make, {}, dir.path());
        ASSERT_EQ(made_def.status, 0) << made_def.err;
        const testkit::EnvChanges env = {
            {"HARNEXDIR", testkit::dist_dir()}, {"VXLTGT", testkit::dist_dir() + "/target"},
            {"VXUTGT", std::nullopt},           {"CC", std::string(target.compiler)},
            {"VEXOR_SUPPRESS_COPYRIGHT", "1"},  {"LC_ALL", "C"}};
        for (const char* header : headers) {
            SCOPED_TRACE(header);
            auto made = testkit::run_program(
                vexorstubs(),
                {"--all", "--header", header, "--std-define", "target.def", "-o", "s.ptu"}, env,
                dir.path());
            ASSERT_EQ(made.status, 0) << made.err;
            testkit::write_file(dir.file("a.ptu"),
                                std::string("HEADER s, 1.0, , all\n##include <") + header +
                                    ">\nBEGIN\nINCLUDE PTU s.ptu\nSERVICE none\nTEST t\n"
                                    "FAMILY f\n  ELEMENT\n    #;\n  END ELEMENT\nEND FAMILY\n"
                                    "END TEST\nEND SERVICE\n");
            auto compiled = testkit::run_program(
                testkit::compiler_path(),
                {"a.ptu", "t.c", ".", "-LANGUAGE=C", "-STD_DEFINE=target.def"}, env, dir.path());
            EXPECT_EQ(compiled.out.find("-E-"), std::string::npos) << compiled.out;
            std::vector<std::string> build = target.flags;
            for (const char* a :
                 {"-std=gnu11", "-Wall", "-Wextra", "-Werror", "-I.", "-c", "t.c", "-o", "t.o"}) {
                build.push_back(a);
            }
            build.push_back("-I" + lib);
            auto built = testkit::run_program(target.compiler, build, env, dir.path());
            EXPECT_EQ(built.status, 0) << built.err.substr(0, 2000);
        }
    }
}

}  // namespace
}  // namespace vx
