// Tests of the French catalogues installed beside the program: they are
// loaded the way the program loads them (catalogue prefix + locale name,
// shortened at the last underscore when the full name has no file), and the
// message catalogue registered afterwards must hold the French texts. Every
// translated registration must have a French text keeping the same
// placeholders, and the catalogue sources must list each registration under
// its context, source text and comment.
#include "diag/catalogue.h"
#include "diag/reporter.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace vx {

// Translated texts compared with the toolkit's own strings, and shown as
// their UTF-8 when an expectation fails.
bool operator==(const TranslatedText& text, const QString& expected) {
    return QString::fromStdString(text.utf8) == expected;
}
void PrintTo(const TranslatedText& text, std::ostream* out) { *out << text.utf8; }

}  // namespace vx

namespace {

const char* const translations_directory = VX_SOURCE_DIR "/translations";

// The program's catalogue prefixes, in its loading order.
const char* const catalogue_prefixes[] = {"prepro_", "zqzqident_", "modbas_",
                                          "bibli_",  "anaccpp_",   "cab_"};

const char* const locale_directory = VX_DIST_DIR "/lib/locale";

// The toolkit's translation function needs an application object; the test
// program keeps one for its whole run.
class TranslationTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            app_ = std::make_unique<QCoreApplication>(argc_, argv_);
        }
    }
    static void TearDownTestSuite() { app_.reset(); }

    void TearDown() override { remove_translators(); }

    // Loads and installs every French catalogue; false when one is missing.
    bool install_french() {
        for (const char* prefix : catalogue_prefixes) {
            auto translator = std::make_unique<QTranslator>();
            // fr_FR has no file of its own: the search falls back to "fr".
            if (!translator->load(QString::fromLatin1(prefix) + QStringLiteral("fr_FR"),
                                  QString::fromLatin1(locale_directory))) {
                ADD_FAILURE() << "catalogue " << prefix << "fr not found in " << locale_directory;
                return false;
            }
            QCoreApplication::installTranslator(translator.get());
            translators_.push_back(std::move(translator));
        }
        return true;
    }

    void remove_translators() {
        for (auto& translator : translators_) {
            QCoreApplication::removeTranslator(translator.get());
        }
        translators_.clear();
    }

    std::vector<std::unique_ptr<QTranslator>> translators_;

private:
    static inline int argc_ = 1;
    static inline char program_name_[] = "diag_tests";
    static inline char* argv_[] = {program_name_, nullptr};
    static inline std::unique_ptr<QCoreApplication> app_;
};

QString text_of(const vx::MessageCatalogue& catalogue, const char* code) {
    const std::string* text = catalogue.find(code);
    return text == nullptr ? QStringLiteral("<missing>") : QString::fromStdString(*text);
}

QStringList placeholders(const QString& text) {
    static const QRegularExpression placeholder(QStringLiteral("%\\d"));
    QStringList found;
    for (auto it = placeholder.globalMatch(text); it.hasNext();) {
        found << it.next().captured(0);
    }
    return found;
}

TEST_F(TranslationTest, RegisteredTextsAreFrenchWithCataloguesInstalled) {
    ASSERT_TRUE(install_french());
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    EXPECT_EQ(text_of(catalogue, "CMDFATALE"), QStringLiteral("%1Ligne de commande incorrecte %2"));
    EXPECT_EQ(text_of(catalogue, "IMPOUVFIC"),
              QStringLiteral("%1Impossible d'ouvrir le fichier %2"));
    EXPECT_EQ(text_of(catalogue, "ENDERRWAR"),
              QStringLiteral("Fin d'execution avec %1 erreur(s) et %2 avertissement(s)"));
    EXPECT_EQ(text_of(catalogue, "ENDNOENWR"),
              QStringLiteral("Fin d'execution avec 0 erreur et 0 avertissement%1%2"));
    EXPECT_EQ(text_of(catalogue, "INTERNERR"), QStringLiteral("%1erreur interne levee dans  %2"));
    // Codes registered twice: the French text of the later registration.
    EXPECT_EQ(text_of(catalogue, "NOMESSDEF"),
              QStringLiteral("Message non defini pour le code numero %1"));
    EXPECT_EQ(text_of(catalogue, "ERRINTERN"), QStringLiteral("%1Erreur interne dans %2"));
    EXPECT_EQ(text_of(catalogue, "CHAMPINCO"), QStringLiteral("%1Champ inconnu %2"));
    // Untranslated rows stay as written.
    EXPECT_EQ(text_of(catalogue, "STARTEXEC"), QStringLiteral("%1%2"));
    EXPECT_EQ(text_of(catalogue, "USAGE_CMD"), QStringLiteral("%1 %2 "));

    // A reported line carries the French text with the location and argument.
    vx::Reporter reporter(catalogue);
    reporter.set_report_file("essai.ptu");
    reporter.set_report_line(12);
    EXPECT_EQ(reporter.compose(vx::Severity::error, vx::msg::MOTCLEABS, "END TEST"),
              "Harnex-E-MOTCLEABS,  [essai.ptu:12] Mot cle absent END TEST\n");
}

TEST_F(TranslationTest, RegisteredTextsAreEnglishWithoutCatalogues) {
    vx::MessageCatalogue catalogue;
    catalogue.register_all();
    EXPECT_EQ(text_of(catalogue, "CMDFATALE"), QStringLiteral("%1Wrong command line %2"));
    EXPECT_EQ(text_of(catalogue, "ENDERRWAR"),
              QStringLiteral("End of execution with %1 error(s) and %2 warning(s)"));

    // Removing the catalogues brings the English texts back.
    ASSERT_TRUE(install_french());
    remove_translators();
    vx::MessageCatalogue again;
    again.register_all();
    EXPECT_EQ(text_of(again, "IMPOUVFIC"), QStringLiteral("%1Cannot open the file %2"));
}

TEST_F(TranslationTest, EveryTranslatedRegistrationHasItsFrenchEntry) {
    ASSERT_TRUE(install_french());
    int checked = 0;
    for (const auto& row : vx::message_registrations()) {
        if (row.context == nullptr) {
            continue;
        }
        const QString english = QString::fromUtf8(row.source);
        // Looked up in each catalogue directly: a hit is an entry of that
        // context and source, not some text passed through unchanged.
        QString french;
        for (const auto& translator : translators_) {
            french = translator->translate(row.context, row.source, row.comment);
            if (!french.isEmpty()) {
                break;
            }
        }
        ASSERT_FALSE(french.isEmpty()) << row.code << " has no French entry";
        EXPECT_NE(french, english) << row.code;
        EXPECT_EQ(placeholders(french), placeholders(english)) << row.code;
        EXPECT_EQ(vx::translate(row.context, row.source, row.comment), french) << row.code;
        ++checked;
    }
    EXPECT_EQ(checked, 389);
}

TEST_F(TranslationTest, TextsOutsideTheMessageCatalogueAreTranslated) {
    ASSERT_TRUE(install_french());
    EXPECT_EQ(vx::translate("Fatal Error (cstsyst)",
                            "FATAL ERROR on '%1',\n Please contact your administrative.",
                            "'%1' is a function name"),
              QStringLiteral("ERREUR FATALE sur '%1',\n Veuillez contacter votre administrateur."));
    EXPECT_EQ(vx::translate("Internal Error Parameter", "memory overflow",
                            "Used as a parameter for 'ERRINTFCT' error message"),
              QStringLiteral("depassement de capacite memoire"));
    EXPECT_EQ(vx::translate("Warning Parameter", "improper RESTR=KR option",
                            "Used as a parameter for 'CMDERREUR' warning; RESTR=KR must not be "
                            "translated"),
              QStringLiteral("option RESTR=KR inappropriee"));
    // An entry without comment answers lookups with any comment.
    EXPECT_EQ(vx::translate("Error Parameter", ": array are forbidden in list: %1",
                            "Used as a parameter for 'LISTEINIT' error message"),
              QStringLiteral(": tableaux interdits dans une liste : %1"));
    // The command-line analyser's own words.
    EXPECT_EQ(vx::translate("CAB", "Command analysis"), QStringLiteral("Analyse de la commande"));
    EXPECT_EQ(vx::translate("CAB", "Illegal combination of command elements,"),
              QStringLiteral("Combinaison d'elements de commande interdite,"));
    EXPECT_EQ(vx::translate("CAB", "Unknown option,"), QStringLiteral("Option inconnue,"));
}

TEST_F(TranslationTest, UsageTextIsTranslatedAndKeepsTheTraceOptionLine) {
    ASSERT_TRUE(install_french());
    // The usage text as the command-line analyser assembles it.
    const char* const forms[] = {
        "<test_script_file>",
        "<generated_file>",
        "<rep_file_rio>",
        "[-LANGUAGE=<language_name>]",
        "[-VERSION=<version_nb>]",
        "[-TARGET=<target_name>]",
        "[-OPERATION=<operation_name>[,operation_name]]",
        "[-SERVICE=<service_name>[,service_name]]",
        "[-TEST=<test_name>[,test_name]]",
        "[-FAMILY=<family_name>[,family_name]]",
        "[-EXOPERATION=<exoperation_name>[,exoperation_name]]",
        "[-EXSERVICE=<exservice_name>[,exservice_name]]",
        "[-EXTEST=<extest_name>[,extest_name]]",
        "[-EXFAMILY=<exfamily_name>[,exfamily_name]]",
        "[-INCL=<directory>[,directory]]",
        "[-DEFINE=<identifier>[,identifier]]",
        "[-NOSIMULATION]",
        "[-E=<Max_error_displayed>]",
        "[-W=<Max_warning_displayed>]",
        "[-DIAGNOSTICS=<HARNEX|GNU>]",
        "[-CONST=<const_file>]",
        "[-SOURCE=<source_file>]",
        "[-COMMAND|-NOCOMMAND=<command>]",
        "[-STRVER|-NOSTRVER=<strvers>]",
        "[-RESTRICTION=<ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP>"
        "[=ADA83|NOALLOC|SEPAR|NOSQLSAV|ANSI|KR|NOPOS|NOIMAGE|NOEXCEP]]",
        "[-SYSCOMP=<NT|DOS|OS2|VMS|UNIX>]",
        "[-SUB_SYSTEM|-NOSUB_SYSTEM]",
        "[-SYSTEM|-NOSYSTEM]",
        "[-SS|-NOSS]",
        "[-FAST|-NOFAST]",
        "[-EXPAND|-NOEXPAND]",
        "[-COMPRESS|-NOCOMPRESS]",
        "[-CLASS=<class_name>]",
        "[-DBMS=<dbms_name>]",
        "[-DATA=<data_file>]",
        "[-NOANALYZE]",
        "[-NOPATH]",
        "[-STD_DEFINE=<define_file>]",
        "[-RENAME=<rename_file>]",
        "[-SYMBTAB=<symbtab_file>]",
        "[-ADALINK=<adalink_file>]",
        "[-STANDARD=<standard_file>]",
        "[-VISTAL_LOG=<vistal_log_file>]",
        "[-RIONAME=<rio_file>]",
        "[-WITHSEPARATE]",
        "[-TSF=<tsf_file>]",
        "[-NOEDIT]",
        "[-LEARN|-NOLEARN]",
        "[-XT=<level>[,level]]",
    };
    std::string usage = "\nUsage vexorprepro :\n";
    for (const char* form : forms) {
        usage += std::string("\t") + form + "\n";
    }
    const QString french =
        QString::fromStdString(vx::translate("Command-line", usage.c_str()).utf8);
    ASSERT_NE(french, QString::fromStdString(usage));
    EXPECT_TRUE(french.startsWith(QStringLiteral("\nUtilisation de vexorprepro :\n\t<")));
    EXPECT_EQ(french.count(QLatin1Char('\n')), QString::fromStdString(usage).count('\n'));
    // The trace option's line is still found and removed the same way.
    static const QRegularExpression trace_line(QStringLiteral("\t\\[-XT.*\n"));
    QString shown = french;
    shown.remove(trace_line);
    EXPECT_EQ(shown.count(QLatin1Char('\n')), french.count(QLatin1Char('\n')) - 1);
    EXPECT_FALSE(shown.contains(QLatin1String("-XT")));
}

// One entry of a Linguist catalogue source, keyed as the toolkit keys it.
using EntryKey = std::tuple<std::string, std::string, std::string>;  // context, source, comment

struct CatalogueEntry {
    std::string translation;
    bool finished = true;
};

// Reads the messages of a .ts file; an unreadable or malformed file gives a
// test failure and what was read so far.
std::map<EntryKey, CatalogueEntry> read_catalogue_source(const std::string& path) {
    std::map<EntryKey, CatalogueEntry> entries;
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "cannot read " << path;
        return entries;
    }
    QXmlStreamReader xml(&file);
    std::string context;
    std::string source;
    std::string comment;
    CatalogueEntry entry;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) {
            if (xml.isEndElement() && xml.name() == QLatin1String("message")) {
                entries[{context, source, comment}] = entry;
            }
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText().toStdString();
        } else if (name == QLatin1String("message")) {
            source.clear();
            comment.clear();
            entry = CatalogueEntry{};
        } else if (name == QLatin1String("source")) {
            source = xml.readElementText().toStdString();
        } else if (name == QLatin1String("comment")) {
            comment = xml.readElementText().toStdString();
        } else if (name == QLatin1String("translation")) {
            entry.finished = xml.attributes().value(QLatin1String("type")).isEmpty();
            entry.translation = xml.readElementText().toStdString();
        }
    }
    EXPECT_FALSE(xml.hasError()) << path << ": " << xml.errorString().toStdString();
    return entries;
}

const char* catalogue_file_of(vx::CatalogueTable table) {
    switch (table) {
        case vx::CatalogueTable::modbas:
            return "modbas_fr.ts";
        case vx::CatalogueTable::bibli:
            return "bibli_fr.ts";
        case vx::CatalogueTable::ana_c_cpp:
            return "anaccpp_fr.ts";
        case vx::CatalogueTable::prepro:
            return "prepro_fr.ts";
    }
    return "";
}

// The toolkit only needs the comment to tell apart two entries of one
// context with the same source, so a catalogue whose comments drifted from
// the registrations still loads; the sources are checked here instead, so
// that each entry stays tied to its code.
TEST(CatalogueSources, EachTableFileHoldsExactlyItsRegistrations) {
    const vx::CatalogueTable tables[] = {vx::CatalogueTable::modbas, vx::CatalogueTable::bibli,
                                         vx::CatalogueTable::ana_c_cpp, vx::CatalogueTable::prepro};
    for (auto table : tables) {
        const std::string file = catalogue_file_of(table);
        auto entries = read_catalogue_source(std::string(translations_directory) + "/" + file);
        std::size_t expected = 0;
        for (const auto& row : vx::message_registrations()) {
            if (row.table != table || row.context == nullptr) {
                continue;
            }
            ++expected;
            auto it = entries.find({row.context, row.source, row.comment});
            if (it == entries.end()) {
                ADD_FAILURE() << file << " lacks " << row.code << " in \"" << row.context
                              << "\" with comment " << row.comment;
                continue;
            }
            EXPECT_TRUE(it->second.finished) << file << ": " << row.code;
            EXPECT_FALSE(it->second.translation.empty()) << file << ": " << row.code;
        }
        // No entry left over from a text that changed or went away.
        EXPECT_EQ(entries.size(), expected) << file;
    }
}

}  // namespace
