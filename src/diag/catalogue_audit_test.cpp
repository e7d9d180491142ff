// The catalogue against the sources: every code of the catalogue is either
// raised by the compiler or listed in unraised_messages.def with its reason,
// and that list holds no stale or unknown code; and every place that names
// the severity it raises a code at names one the code's row gives.
//
// A code counts as raised when it appears as a whole word in a source of the
// compiler under src/ (.cpp, .h, .y, .def), tests, test helpers and fuzz
// targets left out, and the two tables themselves too. Whether the code is
// written as a string or as an enumerator makes no difference; a code put
// together at run time from pieces does not count.
#include "diag/catalogue.h"
#include "diag/message_code.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

namespace fs = std::filesystem;

// A catalogue code that no source of the compiler raises, with the reason
// its situation never arises here: the rows of unraised_messages.def. The
// enumerator of each code is named, so that a row for a code the catalogue
// lacks does not compile.
struct UnraisedMessage {
    const char* code;
    const char* reason;
    vx::MessageCode enumerator;
};

constexpr UnraisedMessage unraised_messages[] = {
#define VX_UNRAISED(code, reason) {#code, reason, vx::msg::code},
#include "diag/unraised_messages.def"
#undef VX_UNRAISED
};

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
    if (name == "messages.def" || name == "unraised_messages.def" ||
        name == "dropping_warnings.def") {
        return false;
    }
    // main_test.cpp, expression_test_support.h, codegen_test_fixture.h,
    // preprocessor_fuzz.cpp ...
    return name.find("_test") == std::string::npos && name.find("_fuzz") == std::string::npos;
}

// A place that raises a code at a severity it names itself:
// `reporter.warning(msg::MOTCLEABS, ...)`, `report(Severity::fatal,
// msg::NBRECURSI, ...)`.
struct SeverityUse {
    std::string severity;
    std::string code;
    std::string where;
};

void collect_severity_uses(std::string_view text, const std::string& where,
                           std::vector<SeverityUse>& uses) {
    static const std::regex call(
        R"(\b(internal|fatal|error|warning|info)\(\s*msg::(\w+))"
        R"(|Severity::(internal|fatal|error|warning|info)\s*,\s*msg::(\w+))");
    const std::string owned(text);
    for (auto it = std::sregex_iterator(owned.begin(), owned.end(), call);
         it != std::sregex_iterator(); ++it) {
        const std::smatch& m = *it;
        const bool named_call = m[1].matched;
        uses.push_back(
            {named_call ? m[1].str() : m[3].str(), named_call ? m[2].str() : m[4].str(), where});
    }
}

// The places whose severity the code's row does not give, as "file: W CODE".
std::vector<std::string> severity_mismatches(const std::vector<SeverityUse>& uses) {
    static const std::map<std::string, vx::Severity, std::less<>> levels = {
        {"internal", vx::Severity::internal},
        {"fatal", vx::Severity::fatal},
        {"error", vx::Severity::error},
        {"warning", vx::Severity::warning},
        {"info", vx::Severity::info}};
    std::map<std::string, vx::MessageCode, std::less<>> codes;
    for (std::size_t i = 0;; ++i) {
        const auto code = static_cast<vx::MessageCode>(i);
        const std::string_view name = vx::message_code_name(code);
        if (name.empty()) {
            break;
        }
        codes.emplace(std::string(name), code);
    }
    std::vector<std::string> wrong;
    for (const SeverityUse& use : uses) {
        const auto code = codes.find(use.code);
        if (code == codes.end() || !vx::severity_allowed(code->second, levels.at(use.severity))) {
            wrong.push_back(use.where + ": " + use.severity + " " + use.code);
        }
    }
    return wrong;
}

struct SourceScan {
    std::set<std::string, std::less<>> words;
    std::vector<SeverityUse> severity_uses;
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
        collect_severity_uses(text.str(), fs::relative(entry.path(), root).string(),
                              scan.severity_uses);
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
    for (const UnraisedMessage& mark : unraised_messages) {
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

// A statement is said dropped only by a warning: every code of
// dropping_warnings.def may be raised as one, and warning_drops_statement
// answers for exactly those codes.
TEST(CatalogueAudit, EveryDroppingCodeIsAWarning) {
    const vx::MessageCode listed[] = {
#define VX_DROPS(code, reason) vx::MessageCode::code,
#include "diag/dropping_warnings.def"
#undef VX_DROPS
    };
    ASSERT_GT(std::size(listed), 10u);
    for (vx::MessageCode code : listed) {
        EXPECT_TRUE(vx::severity_allowed(code, vx::Severity::warning))
            << vx::message_code_name(code);
        EXPECT_TRUE(vx::warning_drops_statement(code)) << vx::message_code_name(code);
    }
    // Warnings that leave the statement as written.
    for (vx::MessageCode kept :
         {vx::MessageCode::ELMT_VIDE, vx::MessageCode::TEST_VIDE, vx::MessageCode::BLOC_ABST,
          vx::MessageCode::NOMOPEDBL, vx::MessageCode::VALOMIPAR, vx::MessageCode::INITAPRES}) {
        EXPECT_FALSE(vx::warning_drops_statement(kept)) << vx::message_code_name(kept);
    }
}

TEST(CatalogueAudit, EveryPlaceRaisesItsCodeAtASeverityOfItsRow) {
    const SourceScan scan = scan_sources(fs::path(VX_SOURCE_DIR) / "src");
    // A scan that found no place would call every place right.
    ASSERT_GT(scan.severity_uses.size(), 200u);
    EXPECT_EQ(severity_mismatches(scan.severity_uses), std::vector<std::string>{});
}

TEST(CatalogueAudit, APlaceAtAnotherSeverityIsFound) {
    std::vector<SeverityUse> uses;
    collect_severity_uses(
        "reporter.warning(msg::IMPOUVFIC, name);\n"         // fatal only
        "reporter_.error(msg::MOTCLEABS, \"END\");\n"       // warning, also error
        "report(Severity::fatal, msg::TOMANYARG, name);\n"  // warning, also fatal
        "report(Severity::error,\n       msg::NBRECURSI, x);\n",
        "planted.cpp", uses);
    ASSERT_EQ(uses.size(), 4u);
    EXPECT_EQ(severity_mismatches(uses),
              (std::vector<std::string>{"planted.cpp: warning IMPOUVFIC",
                                        "planted.cpp: error NBRECURSI"}));
    EXPECT_TRUE(vx::severity_allowed(vx::msg::MOTCLEABS, vx::Severity::error));
    EXPECT_FALSE(vx::severity_allowed(vx::msg::MOTCLEABS, vx::Severity::info));
}

}  // namespace
