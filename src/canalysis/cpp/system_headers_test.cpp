// The C library and POSIX headers of this machine, read as a script's
// native lines would be: through the preprocessor with the shipped
// standard definitions, then into the type table. Not one diagnostic is
// expected, and the table must then know the types a test engineer uses.
#include "canalysis/decl/declaration_parser.h"
#include "canalysis/cpp/preprocessor.h"
#include "canalysis/types/target_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace vx {
namespace {

constexpr const char* standard_definitions = VX_DIST_DIR "/target/ana/vxus_c.def";

const char* const header_set[] = {
    "stdio.h",      "stdlib.h",    "string.h",    "stdint.h",    "stddef.h",   "stdarg.h",
    "stdbool.h",    "errno.h",     "limits.h",    "float.h",     "ctype.h",    "math.h",
    "time.h",       "signal.h",    "setjmp.h",    "assert.h",    "locale.h",   "wchar.h",
    "inttypes.h",   "unistd.h",    "fcntl.h",     "sys/types.h", "sys/stat.h", "sys/socket.h",
    "netinet/in.h", "arpa/inet.h", "pthread.h",   "sys/time.h",  "sys/wait.h", "dirent.h",
    "poll.h",       "sys/mman.h",  "semaphore.h", "netdb.h",     "termios.h",
};

class Collecting : public DiagnosticSink {
public:
    void report(Severity, MessageCode code, std::string_view argument, std::string_view file,
                long line) override {
        messages.push_back(std::string(vx::message_code_name(code)) + " [" + std::string(file) +
                           ":" + std::to_string(line) + "] " + std::string(argument));
    }
    std::vector<std::string> messages;
};

class SystemHeaders : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        state_ = new State;
        State& s = *state_;
        s.cpp.set_target(&s.target);
        static FunctionSink sink([](Severity, MessageCode code, std::string_view argument,
                                    std::string_view file, long line) {
            state_->cpp_messages.push_back(std::string(vx::message_code_name(code)) + " [" +
                                           std::string(file) + ":" + std::to_string(line) + "] " +
                                           std::string(argument));
        });
        s.cpp.set_sink(sink);
        cpp_init(s.cpp, CppInit{}, true);
        std::string text = std::string("#include \"") + standard_definitions + "\"\n";
        for (const char* h : header_set) text += std::string("#include <") + h + ">\n";
        cpp_process_text(s.cpp, text, false, "unit.c", 1, s.output, sink);
        s.run.is_type_modifier = [](std::string_view word) {
            const auto& modifiers = state_->cpp.type_modifiers();
            return std::find(modifiers.begin(), modifiers.end(), word) != modifiers.end();
        };
        DeclarationOptions options;
        options.file = "unit.c";
        c_parse_declarations(s.output, s.table, options, s.sink, s.run);
    }
    static void TearDownTestSuite() {
        delete state_;
        state_ = nullptr;
    }

    struct State {
        TargetModel target;
        Preprocessor cpp;
        DeclarationRun run{target};
        TypeTable table;
        Collecting sink;
        std::vector<std::string> cpp_messages;
        std::string output;
    };
    static State* state_;

    static const Symbol* symbol(std::string_view name) {
        return c_find_symbol(name, state_->table, "");
    }
    static const TypeNode* resolved(std::string_view name) {
        const Symbol* s = symbol(name);
        return s ? c_resolve_type(s->type) : nullptr;
    }
};

SystemHeaders::State* SystemHeaders::state_ = nullptr;

TEST_F(SystemHeaders, AreReadWithoutAnyDiagnostic) {
    EXPECT_TRUE(state_->cpp_messages.empty()) << state_->cpp_messages.front();
    EXPECT_TRUE(state_->sink.messages.empty()) << state_->sink.messages.front();
    std::size_t symbols = 0;
    state_->table.for_each_symbol([&](const Symbol&) { ++symbols; });
    EXPECT_GT(symbols, 1000u);
}

TEST_F(SystemHeaders, GiveTheTypesAndWidthsOfTheTarget) {
    const TypeNode* size = resolved("size_t");
    ASSERT_NE(size, nullptr);
    EXPECT_EQ(size->kind, TypeKind::integer);
    EXPECT_EQ(size->width, 64);
    EXPECT_EQ(resolved("int64_t")->width, -64);
    EXPECT_EQ(resolved("uint8_t")->width, 8);
    EXPECT_TRUE(resolved("uint8_t")->is_char);
    EXPECT_EQ(resolved("int32_t")->width, -32);
    EXPECT_EQ(resolved("ssize_t")->width, -64);

    const TypeNode* file = resolved("FILE");
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(file->kind, TypeKind::struct_type);
    EXPECT_TRUE(c_complete_type(file, state_->table) != nullptr);

    const TypeNode* stat = c_lookup_tag("stat", state_->table, TagKind::struct_tag);
    ASSERT_NE(stat, nullptr);
    EXPECT_TRUE(stat->complete);
    auto has_field = [](const TypeNode* type, std::string_view name) {
        return std::any_of(type->fields.begin(), type->fields.end(), [&](const Field& field) {
            return field.symbol != nullptr && field.symbol->name == name;
        });
    };
    EXPECT_TRUE(has_field(stat, "st_size"));
    EXPECT_TRUE(has_field(stat, "st_mode"));
    const TypeNode* sockaddr_in = c_lookup_tag("sockaddr_in", state_->table, TagKind::struct_tag);
    ASSERT_NE(sockaddr_in, nullptr);
    EXPECT_TRUE(has_field(sockaddr_in, "sin_port"));
    EXPECT_TRUE(has_field(sockaddr_in, "sin_addr"));
    const TypeNode* mutex = resolved("pthread_mutex_t");
    ASSERT_NE(mutex, nullptr);
    EXPECT_EQ(mutex->kind, TypeKind::union_type);
}

TEST_F(SystemHeaders, GiveFunctionsErrnoAndEnumerators) {
    const TypeNode* printf_type = resolved("printf");
    ASSERT_NE(printf_type, nullptr);
    EXPECT_EQ(printf_type->kind, TypeKind::function);
    EXPECT_TRUE(printf_type->variadic);
    EXPECT_EQ(c_type_image(symbol("printf")->type, "printf"),
              "int printf(const char *__format, ...)");
    EXPECT_EQ(c_type_image(symbol("strlen")->type, "strlen"), "size_t strlen(const char *__s)");
    // errno is the macro of a function returning the thread's int.
    std::string expanded;
    NullSink quiet;
    cpp_process_text(state_->cpp, "errno\n", false, "script.ptu", 1, expanded, quiet);
    EXPECT_NE(expanded.find("__errno_location"), std::string::npos) << expanded;
    const TypeNode* location = resolved("__errno_location");
    ASSERT_NE(location, nullptr);
    ASSERT_EQ(location->kind, TypeKind::function);
    EXPECT_EQ(c_resolve_type(location->target)->kind, TypeKind::pointer);
    // An enumeration of the socket headers.
    const EnumerationConstant* stream = c_lookup_enumerator("SOCK_STREAM", state_->table);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->enum_type->name, "__socket_type");
    EXPECT_EQ(stream->enum_type->enumerators[static_cast<std::size_t>(stream->index)].value, "1");
    const EnumerationConstant* tcp = c_lookup_enumerator("IPPROTO_TCP", state_->table);
    ASSERT_NE(tcp, nullptr);
}

}  // namespace
}  // namespace vx
