// Tests of the message catalogue data: the number and order of the
// registrations, the codes registered twice, the exact wording of the texts
// other modules and users depend on, and the shape every row must keep
// (code spelling, placeholders, translator comments).
//
// These tests read the English texts, so they run with no translator
// installed (the translation tests remove theirs when they finish).
#include "diag/catalogue.h"
#include "diag/message_code.h"

#include <gtest/gtest.h>

#include <QRegularExpression>
#include <QString>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::size_t registration_total = 394;
constexpr std::size_t distinct_code_total = 389;

std::string context_of(const vx::MessageRegistration& row) {
    return row.context == nullptr ? std::string("(untranslated)") : std::string(row.context);
}

int table_index(vx::CatalogueTable table) { return static_cast<int>(table); }

QString registered_text(const vx::MessageCatalogue& catalogue, const char* code) {
    const std::string* text = catalogue.find(code);
    return text == nullptr ? QStringLiteral("<missing %1>").arg(QLatin1String(code))
                           : QString::fromStdString(*text);
}

TEST(Catalogue, RegistersEveryRowOnceAndKeepsOneTextPerCode) {
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    EXPECT_EQ(catalogue.registration_count(), registration_total);
    EXPECT_EQ(catalogue.size(), distinct_code_total);
    EXPECT_EQ(vx::message_registrations().size(), registration_total);

    // A table registers once per catalogue, whatever the caller does.
    catalogue.register_table(vx::CatalogueTable::bibli);
    catalogue.register_all();
    EXPECT_EQ(catalogue.registration_count(), registration_total);
    EXPECT_EQ(catalogue.size(), distinct_code_total);
    EXPECT_EQ(catalogue.find("NOSUCHCOD"), nullptr);
}

// Every registered code has its enumerator, and every enumerator names a
// code of the table: a VX_MESSAGE_AGAIN row for a code that was never
// registered before would leave that code without a name to raise it by.
TEST(Catalogue, EveryCodeHasOneEnumerator) {
    std::set<std::string> registered;
    for (const auto& row : vx::message_registrations()) registered.insert(row.code);
    std::set<std::string> named;
    for (std::size_t i = 0; i < distinct_code_total; ++i) {
        std::string name(vx::message_code_name(static_cast<vx::MessageCode>(i)));
        EXPECT_TRUE(registered.count(name)) << i << " " << name;
        EXPECT_TRUE(named.insert(name).second) << name;
    }
    EXPECT_EQ(named, registered);
    EXPECT_EQ(vx::message_code_name(static_cast<vx::MessageCode>(distinct_code_total)), "");
    EXPECT_EQ(vx::message_code_name(vx::msg::TYPESMISM), "TYPESMISM");
}

TEST(Catalogue, CountsPerTableAndSeverityTitle) {
    using Key = std::pair<int, std::string>;
    const std::map<Key, int> expected = {
        {{0, "Error-modbas"}, 8},
        {{0, "(untranslated)"}, 1},
        {{1, "Internal Errors (bibli)"}, 16},
        {{1, "Fatal Errors (bibli)"}, 29},
        {{1, "Errors (bibli)"}, 106},
        {{1, "Warnings (bibli)"}, 87},
        {{1, "Informations (bibli)"}, 11},
        {{1, "(untranslated)"}, 4},
        {{2, "Internal Error (ana_c_cpp)"}, 5},
        {{2, "Fatal Error (ana_c_cpp)"}, 1},
        {{2, "Error (ana_c_cpp)"}, 6},
        {{2, "Warning (ana_c_cpp)"}, 100},
        {{2, "Information (ana_c_cpp)"}, 2},
        {{3, "Internal Error (prepro)"}, 1},
        {{3, "Fatal Error (prepro)"}, 2},
        {{3, "Error (prepro)"}, 5},
        {{3, "Warning (prepro)"}, 10},
    };
    std::map<Key, int> counted;
    for (const auto& row : vx::message_registrations()) {
        ++counted[{table_index(row.table), context_of(row)}];
    }
    EXPECT_EQ(counted, expected);
}

TEST(Catalogue, RowsComeInRegistrationOrder) {
    // Tables in the order modbas, bibli, ana_c_cpp, prepro; within a table
    // each title forms one run, and the untranslated rows come last.
    int previous_table = -1;
    std::set<std::string> finished_titles;
    std::string current_title;
    bool untranslated_seen = false;
    for (const auto& row : vx::message_registrations()) {
        int table = table_index(row.table);
        ASSERT_GE(table, previous_table) << row.code;
        if (table != previous_table) {
            previous_table = table;
            finished_titles.clear();
            current_title.clear();
            untranslated_seen = false;
        }
        if (row.context == nullptr) {
            untranslated_seen = true;
            continue;
        }
        EXPECT_FALSE(untranslated_seen) << row.code << " follows the untranslated rows";
        if (row.context != current_title) {
            EXPECT_EQ(finished_titles.count(row.context), 0U)
                << row.code << " reopens the group " << row.context;
            if (!current_title.empty()) {
                finished_titles.insert(current_title);
            }
            current_title = row.context;
        }
    }
    // Sorted groups: the listing keeps every titled group in code order.
    const auto rows = vx::message_registrations();
    for (std::size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].table == rows[i - 1].table && rows[i].context != nullptr &&
            rows[i - 1].context != nullptr &&
            std::strcmp(rows[i].context, rows[i - 1].context) == 0) {
            EXPECT_LT(std::strcmp(rows[i - 1].code, rows[i].code), 0)
                << rows[i - 1].code << " before " << rows[i].code;
        }
    }
}

TEST(Catalogue, CodesRegisteredTwiceKeepTheLaterText) {
    std::map<std::string, std::vector<const vx::MessageRegistration*>> rows_by_code;
    for (const auto& row : vx::message_registrations()) {
        rows_by_code[row.code].push_back(&row);
    }
    std::set<std::string> twice;
    for (const auto& [code, rows] : rows_by_code) {
        if (rows.size() > 1) {
            EXPECT_EQ(rows.size(), 2U) << code;
            twice.insert(code);
        }
    }
    EXPECT_EQ(twice, (std::set<std::string>{"CHAMPINCO", "ERRINTERN", "EXPERRONE", "LISTEINVA",
                                            "NOMESSDEF"}));

    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    for (const auto& code : twice) {
        const auto& rows = rows_by_code[code];
        // The two rows differ, so the kept text tells which one won.
        EXPECT_STRNE(rows[0]->source, rows[1]->source) << code;
        EXPECT_LT(table_index(rows[0]->table), table_index(rows[1]->table)) << code;
        EXPECT_EQ(registered_text(catalogue, code.c_str()), QString::fromUtf8(rows[1]->source))
            << code;
    }
    EXPECT_EQ(registered_text(catalogue, "ERRINTERN"), QStringLiteral("%1Internal error in %2"));
    EXPECT_EQ(registered_text(catalogue, "NOMESSDEF"),
              QStringLiteral("Undefined message for code number %1"));
    EXPECT_EQ(std::string(rows_by_code["NOMESSDEF"][1]->context), "Internal Errors (bibli)");
    EXPECT_EQ(std::string(rows_by_code["EXPERRONE"][1]->context), "Warning (ana_c_cpp)");
}

// Texts that users see, scripts are checked against and other modules
// quote: they must stay word for word, blanks included.
struct QuotedText {
    const char* code;
    const char* text;
};

constexpr QuotedText quoted_texts[] = {
    {"INTERNERR", "%1internal error raised in  %2"},
    {"ERRINTFCT", "%1Internal error in the function %2"},
    {"ERRINTERN", "%1Internal error in %2"},
    {"DEBORUBAN", "%1RIBBON overflow %2"},
    {"RUBNOTINI", "%1Ribbon not initialized %2"},
    {"MESTROLON", "%1Too long error message %2"},
    {"ALLOCMEMO", "%1Program shutdown: out of memory %2"},
    {"NOMESSDEF", "Undefined message for code number %1"},
    {"CMDFATALE", "%1Wrong command line %2"},
    {"CMDERREUR", "%1Bad command: %2"},
    {"LANGINCON", "%1Unknown language %2"},
    {"CIBLINCON", "%1Unknown target %2"},
    {"NONIMPLEM", "%1No implemented language %2"},
    {"IMPOUVFIC", "%1Cannot open the file %2"},
    {"IMPECRFIC", "%1Full disk space %2"},
    {"IMPFERFIC", "%1Cannot close the file %2"},
    {"IMPRESFIC", "%1Cannot rewind the file %2"},
    {"AUCUNMETA", "%1No keyword found %2"},
    {"ERRFATALE", "%1Program shutdown: user fatal error %2"},
    {"EXE_ABORT", "%1FATAL SHUTDOWN DURING EXECUTION OF THE TEST HARNESS %2"},
    {"NOLINKFIL", "%1no link file  %2"},
    {"ERRERRNO", "%1Acces error to file: %2"},
    {"LINETOLON", "%1Too long instruction %2"},
    {"MOTCLEABS", "%1Missing keyword %2"},
    {"INVMOTCLE", "%1Unknown keyword %2"},
    {"MOTCLEREP", "%1%2 keyword appears many times"},
    {"FICINCINC", "%1The file %2 cannot be found"},
    {"BORSUPINC", "%1Bad upper boundary %2"},
    {"CMDERRDTA", "%1Bad command: -DATA=<datafile> option expected%2"},
    {"LISTEINVA", "%1Bad INIT or VA value list: %2"},
    {"OPTOBSOLET", "%1The option %2 is obsolete : ignored"},
    {"OPINCOMPA", "%1The options %2 are incompatible."},
    {"OPCLASSIMP", "%1The option CLASS is allowed only with C++ language %2"},
    {"OPSGBDINP", "%1The option DBMS is allowed only with CSQL language %2"},
    {"OPTIONANA", "%1The option %2 is only allowed with the ANALYSE option."},
    {"OPTCETANA", "%1The option %2 is only allowed with the ANALYSE option and C language"},
    {"OPTCETCPP", "%1The option %2 is only allowed with the ANALYSE option and C or C++ language"},
    {"LANSWITCH",
     "%1Incorrect value for VEXORLAN environment variable: '%2' (FR or FA for French "
     "keywords, GB for English ones; unset, the keywords of the script decide)"},
    {"LANGANDEF", "%1Undefined language %2"},
    {"LIGNTRAIT", "%1Include line not processed: %2"},
    {"INC_NVIDE", "%1INCLUDE keyword with empty name in file: %2"},
    {"FICDEJAPR", "%1File %2 already in the including files list"},
    {"NUVER_DBL", "%1Version number already found: %2"},
    {"STXMETAIN", "%1Unknown keyword: %2"},
    {"TYPEINCOM",
     "%1INIT, EV, MIN or MAX value type doesn't match the type of the tested variable %2"},
    {"SIGNALPRO", "%1Signal %2 received"},
    {"NOLOGIDEF", "%1%2 logical name not defined"},
    {"INCLTYPER", "%1%2 is not a directory "},
    {"BADRUNTIM", "Target Package not found, check VXLTGT environment variable."},
    {"SYNTAXERR", "%1Syntax error: %2"},
    {"UNTERCOMM", "%1unterminated comment %2"},
    {"EXPERRONE", "%1Bad expression: %2"},
    {"FINEXECUT", "%1completed %2"},
    {"FICERROPN", "File %1 opening problem"},
    {"EROPFICMD", "Incorrect option in option file: %1"},
    {"MORERWALI", "more detailed Errors/Warnings can be found in file %1"},
    {"ENDERRWAR", "End of execution with %1 error(s) and %2 warning(s)"},
    {"ENDERRNWR", "End of execution with %1 error(s)"},
    {"ENDNOEWAR", "End of execution with %1%2 warning(s)"},
    {"ENDNOENWR", "End of execution with 0 error and 0 warning%1%2"},
    // Texts with quotes, backslashes, back-quotes and trailing blanks, where
    // a slip in the table's escaping would show.
    {"NOHEXDIGI", "%1\\x used with no following hex digits %2"},
    {"SOUSEXPRE", "%1\"exp1, exp2, ..\" expressions not allowed in Unit Testing expressions %2"},
    {"PARASTART", "%1Parameter name n `#define' starts with a digit: %2"},
    {"ERDEFINED", "%1The `defined' directive  must be followed by ident or (ident)  %2"},
    {"PRAGMAINC", "%1UnknownUnit Testing pragma: %2 "},
    {"DEFMULTIP", "%1Value %2 already defined "},
    {"EGALABSEN", "%1Missing '=' for %2"},
    {"DIVBYZERO", "%1Division by zero"},
    {"AUTOSTRUC", "%1Only INIT=, INIT==, EV=, EV== are authorized for the structures"},
    {"UNKARRSIZ", "Size of array type %2 is unknow could not generate stub"},
    {"ELEMENTLS", "%1Uncompleted value list%2"},
    // Stored as written, never translated.
    {"COPYRIGHT", "%1%2"},
    {"STARTEXEC", "%1%2"},
    {"ERRPROCES", "%1%2"},
    {"ERRPROCEW", "%1%2"},
    {"USAGE_CMD", "%1 %2 "},
};

TEST(Catalogue, QuotedTextsAreExact) {
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    for (const auto& quoted : quoted_texts) {
        EXPECT_EQ(registered_text(catalogue, quoted.code), QString::fromUtf8(quoted.text))
            << quoted.code;
    }
}

// A translated text takes its argument in every "%1" and nowhere else.
TEST(Catalogue, TranslatedTextFillsItsSlot) {
    const vx::TranslatedText text{": tableaux interdits : %1 (%1) %2 100%"};
    EXPECT_EQ(text.arg("[a] é").utf8, ": tableaux interdits : [a] é ([a] é) %2 100%");
    EXPECT_EQ(text.arg("%1").utf8, ": tableaux interdits : %1 (%1) %2 100%");
    EXPECT_EQ(vx::translate(nullptr, "as written").utf8, "as written");
}

TEST(Catalogue, EveryRowIsWellFormed) {
    // Codes are upper case, most of nine letters; the shortest is WARNERR.
    static const QRegularExpression code_shape(QStringLiteral("^[A-Z][A-Z0-9_]{6,11}$"));
    static const QRegularExpression placeholder(QStringLiteral("%(\\d+)"));
    for (const auto& row : vx::message_registrations()) {
        const QString code = QString::fromLatin1(row.code);
        EXPECT_TRUE(code_shape.match(code).hasMatch()) << row.code;

        const QString text = QString::fromUtf8(row.source);
        EXPECT_FALSE(text.isEmpty()) << row.code;
        // Only the prefix and the argument slots exist.
        for (auto it = placeholder.globalMatch(text); it.hasNext();) {
            auto number = it.next().captured(1);
            EXPECT_TRUE(number == QLatin1String("1") || number == QLatin1String("2"))
                << row.code << " uses %" << number.toStdString();
        }
        if (row.context == nullptr) {
            EXPECT_EQ(row.comment, nullptr) << row.code;
            continue;
        }
        // The location prefix comes first; the argument slot follows it.
        if (text.contains(QLatin1String("%1")) && text.contains(QLatin1String("%2"))) {
            EXPECT_LT(text.indexOf(QLatin1String("%1")), text.indexOf(QLatin1String("%2")))
                << row.code;
        }
        ASSERT_NE(row.comment, nullptr) << row.code;
        if (std::string(row.code) == "ENDNOENWR") {
            EXPECT_STREQ(row.comment,
                         "%1 and %2 are empty string, but must take place in the translation");
        } else {
            EXPECT_EQ(std::string(row.comment), "Error code is \"" + std::string(row.code) + "\"");
        }
    }
}

TEST(Catalogue, MessagesOfTheTablesCarryTheLocationPrefixFirst) {
    // Every titled text of bibli, ana_c_cpp and prepro that shows the prefix
    // shows it at its very start, so that the location leads the line.
    std::vector<std::string> misplaced;
    for (const auto& row : vx::message_registrations()) {
        if (row.context == nullptr || row.table == vx::CatalogueTable::modbas) {
            continue;
        }
        const std::string text = row.source;
        auto at = text.find("%1");
        if (at != std::string::npos && at != 0) {
            misplaced.push_back(row.code);
        }
    }
    // NOMESSDEF shows the code number in the first slot by design.
    EXPECT_EQ(misplaced, std::vector<std::string>{"NOMESSDEF"});
}

}  // namespace
