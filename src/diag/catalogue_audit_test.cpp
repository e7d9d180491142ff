// The catalogue against the sources: every code of the catalogue is either
// raised by the compiler or listed in unraised_messages.def with its reason,
// and that list holds no stale or unknown code.
//
// A code counts as raised when it appears as a whole word in a source of the
// compiler under src/ (.cpp, .h, .y, .def), tests, test helpers and fuzz
// targets left out, and the two tables themselves too. Whether the code is
// written as a string or as an enumerator makes no difference; a code put
// together at run time from pieces does not count.
#include "diag/catalogue.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

bool is_word_character(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_';
}

// The whole words of a text.
void collect_words(std::string_view text, std::set<std::string, std::less<>>& words) {
    std::size_t i = 0;
    while (i < text.size()) {
        if (!is_word_character(text[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && is_word_character(text[end])) {
            ++end;
        }
        words.emplace(text.substr(i, end - i));
        i = end;
    }
}

bool is_compiler_source(const fs::path& path) {
    static const std::set<std::string, std::less<>> extensions = {".cpp", ".h", ".y", ".def"};
    if (extensions.count(path.extension().string()) == 0) {
        return false;
    }
    const std::string name = path.filename().string();
    if (name == "messages.def" || name == "unraised_messages.def") {
        return false;
    }
    // main_test.cpp, expression_test_support.h, codegen_test_fixture.h,
    // preprocessor_fuzz.cpp ...
    return name.find("_test") == std::string::npos && name.find("_fuzz") == std::string::npos;
}

struct SourceScan {
    std::set<std::string, std::less<>> words;
    std::size_t files = 0;
};

SourceScan scan_sources(const fs::path& root) {
    SourceScan scan;
    for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file() || !is_compiler_source(entry.path())) {
            continue;
        }
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        collect_words(text.str(), scan.words);
        ++scan.files;
    }
    return scan;
}

std::string joined(const std::vector<std::string>& codes) {
    std::string out;
    for (const std::string& code : codes) {
        out += out.empty() ? "" : " ";
        out += code;
    }
    return out;
}

TEST(CatalogueAudit, WholeWordsAreFoundWhateverSurroundsThem) {
    std::set<std::string, std::less<>> words;
    collect_words(
        "report_error(msg::TYPESMISM, x); report_warning(\"NOMVARDBL\", v);\n"
        "// STXMETAINX is another word, so is X_LIGNERRON",
        words);
    EXPECT_EQ(words.count("TYPESMISM"), 1u);
    EXPECT_EQ(words.count("NOMVARDBL"), 1u);
    EXPECT_EQ(words.count("STXMETAIN"), 0u);
    EXPECT_EQ(words.count("LIGNERRON"), 0u);
    EXPECT_TRUE(is_compiler_source("src/script/reader.cpp"));
    EXPECT_TRUE(is_compiler_source("src/canalysis/decl/declaration_grammar.y"));
    EXPECT_TRUE(is_compiler_source("src/canalysis/types/check_kinds.def"));
    EXPECT_FALSE(is_compiler_source("src/script/reader_test.cpp"));
    EXPECT_FALSE(is_compiler_source("src/script/script_test_support.h"));
    EXPECT_FALSE(is_compiler_source("src/script/script_fuzz.cpp"));
    EXPECT_FALSE(is_compiler_source("src/diag/messages.def"));
    EXPECT_FALSE(is_compiler_source("src/diag/unraised_messages.def"));
    EXPECT_FALSE(is_compiler_source("src/CMakeLists.txt"));
}

TEST(CatalogueAudit, EveryCodeIsRaisedOrMarkedAndNoMarkIsStale) {
    const fs::path root = fs::path(VX_SOURCE_DIR) / "src";
    ASSERT_TRUE(fs::exists(root / "diag" / "messages.def")) << root;
    const SourceScan scan = scan_sources(root);
    // A scan that found nothing would call every mark right.
    ASSERT_GT(scan.files, 100u);
    ASSERT_EQ(scan.words.count("MessageCode"), 1u);

    std::set<std::string, std::less<>> catalogue;
    for (const vx::MessageRegistration& row : vx::message_registrations()) {
        catalogue.emplace(row.code);
    }
    std::map<std::string, int, std::less<>> marks;
    std::vector<std::string> without_reason;
    for (const vx::UnraisedMessage& mark : vx::unraised_messages()) {
        ++marks[mark.code];
        if (mark.reason == nullptr || std::string_view(mark.reason).empty()) {
            without_reason.emplace_back(mark.code);
        }
    }

    std::vector<std::string> neither;
    for (const std::string& code : catalogue) {
        if (scan.words.count(code) == 0 && marks.count(code) == 0) {
            neither.push_back(code);
        }
    }
    std::vector<std::string> stale;
    std::vector<std::string> unknown;
    std::vector<std::string> twice;
    for (const auto& [code, count] : marks) {
        if (scan.words.count(code) != 0) {
            stale.push_back(code);
        }
        if (catalogue.count(code) == 0) {
            unknown.push_back(code);
        }
        if (count > 1) {
            twice.push_back(code);
        }
    }
    EXPECT_TRUE(neither.empty()) << "codes neither raised in src/ nor listed in "
                                    "unraised_messages.def: "
                                 << joined(neither);
    EXPECT_TRUE(stale.empty()) << "codes listed in unraised_messages.def but raised in src/: "
                               << joined(stale);
    EXPECT_TRUE(unknown.empty()) << "codes listed in unraised_messages.def but not in the "
                                    "catalogue: "
                                 << joined(unknown);
    EXPECT_TRUE(twice.empty()) << "codes listed twice in unraised_messages.def: " << joined(twice);
    EXPECT_TRUE(without_reason.empty())
        << "codes listed in unraised_messages.def without a reason: " << joined(without_reason);
}

}  // namespace
