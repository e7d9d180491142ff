// Writing JUnit XML with QXmlStreamWriter, which escapes the texts. The
// texts of the report are 8-bit: valid UTF-8 is kept, anything else is
// read as Latin-1, and characters XML cannot carry are replaced. Times are
// the CPU times the runtime measured around the elements, in seconds.
#include "report/output/junit.h"

#include <span>

#include "report/output/report_file.h"
#include "report/output/text_report.h"

#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamWriter>

namespace vx::report {

namespace {

constexpr double microseconds_per_second = 1e6;
constexpr int time_decimals = 6;

QString to_xml_text(std::string_view text) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded =
        decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
    if (decoder.hasError()) {
        decoded = QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
    }
    for (QChar& c : decoded) {
        char16_t u = c.unicode();
        if (u < 0x20 && u != '\t' && u != '\n' && u != '\r') {
            c = QChar(u'?');
        } else if (u == 0xfffe || u == 0xffff) {
            c = QChar(u'?');
        }
    }
    return decoded;
}

QString seconds(long microseconds) {
    return QString::number(static_cast<double>(microseconds) / microseconds_per_second, 'f',
                           time_decimals);
}

std::string test_text(const TestRun& run) {
    std::string text;
    for (const ElementRun& element : run.elements) {
        text += "ELEMENT " + std::to_string(element.ordinal);
        if (!element.location.empty()) {
            text += "  (" + element.location + ")";
        }
        text += "\n";
        for (const Entry& entry : element.entries) {
            text += "  " + depth_prefix(entry.depth, "  ") + entry_line(entry) + "\n";
        }
    }
    return text;
}

bool is_error(const TestRun& run) {
    return run.state != TestState::finished && run.state != TestState::not_selected;
}

void write_property(QXmlStreamWriter& xml, const QString& name, const std::string& value) {
    xml.writeStartElement(QStringLiteral("property"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("value"), to_xml_text(value));
    xml.writeEndElement();
}

// Requirements and comments, as the properties traceability tools read
// from a test case or a suite.
void write_notes(QXmlStreamWriter& xml, const RunNotes& notes) {
    for (const std::string& requirement : notes.requirements) {
        write_property(xml, QStringLiteral("requirement"), requirement);
    }
    for (const std::string& comment : notes.comments) {
        write_property(xml, QStringLiteral("comment"), comment);
    }
}

void write_note_properties(QXmlStreamWriter& xml, const RunNotes& notes) {
    if (notes.empty()) {
        return;
    }
    xml.writeStartElement(QStringLiteral("properties"));
    write_notes(xml, notes);
    xml.writeEndElement();
}

void write_testcase(QXmlStreamWriter& xml, const QString& class_name, const TestRun& run) {
    xml.writeStartElement(QStringLiteral("testcase"));
    xml.writeAttribute(QStringLiteral("name"), to_xml_text(test_label(run)));
    xml.writeAttribute(QStringLiteral("classname"), class_name);
    xml.writeAttribute(QStringLiteral("time"), seconds(run.shown_microseconds()));
    // Where the test is written, for the CI servers that point at it.
    if (!run.file.empty()) {
        xml.writeAttribute(QStringLiteral("file"), to_xml_text(run.file));
        xml.writeAttribute(QStringLiteral("line"), QString::number(run.line));
    }
    write_note_properties(xml, run.notes);
    if (run.failed > 0 && !is_error(run)) {
        std::string body;
        std::string first;
        for (const ElementRun& element : run.elements) {
            for (const Entry& entry : element.entries) {
                if (entry.outcome != Outcome::failed ||
                    (entry.kind != EntryKind::check && entry.kind != EntryKind::problem)) {
                    continue;
                }
                const std::string summary =
                    entry.kind == EntryKind::check ? check_summary(entry) : entry.name;
                std::string line = "element " + std::to_string(element.ordinal) + ": " + summary;
                if (!entry.location.empty()) {
                    line += "  (" + entry.location + ")";
                }
                if (first.empty()) {
                    first = summary;
                }
                body += line + "\n";
            }
        }
        if (run.failed > 1) {
            first += " (and " + std::to_string(run.failed - 1) + " more)";
        }
        xml.writeStartElement(QStringLiteral("failure"));
        xml.writeAttribute(QStringLiteral("message"), to_xml_text(first));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("check failed"));
        xml.writeCharacters(to_xml_text(body));
        xml.writeEndElement();
    }
    if (run.state == TestState::not_selected) {
        // Left out by the harness's command line: skipped, neither a pass
        // nor a failure.
        xml.writeStartElement(QStringLiteral("skipped"));
        xml.writeAttribute(QStringLiteral("message"), QStringLiteral("not selected"));
        xml.writeEndElement();
    }
    if (is_error(run)) {
        // A test that did not finish or never ran is an error, never a pass.
        xml.writeStartElement(QStringLiteral("error"));
        xml.writeAttribute(QStringLiteral("message"), to_xml_text(test_outcome(run)));
        xml.writeAttribute(QStringLiteral("type"), run.state == TestState::not_run
                                                       ? QStringLiteral("not run")
                                                       : QStringLiteral("did not finish"));
        xml.writeEndElement();
    }
    xml.writeTextElement(QStringLiteral("system-out"), to_xml_text(test_text(run)));
    xml.writeEndElement();
}

// A suite of one test case in error: what a JUnit file holds in place of
// verdicts that are missing (traces cut short) or of a verdict there is
// not (inputs refused). `timed` adds the zero times a suite of a run has.
struct ErrorSuite {
    QString suite;
    QString test;
    QString class_name;
    std::string message;
    QString type;
    bool timed = false;
};

void write_error_suite(QXmlStreamWriter& xml, const ErrorSuite& error) {
    xml.writeStartElement(QStringLiteral("testsuite"));
    xml.writeAttribute(QStringLiteral("name"), error.suite);
    xml.writeAttribute(QStringLiteral("tests"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("failures"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("errors"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
    if (error.timed) {
        xml.writeAttribute(QStringLiteral("time"), seconds(0));
    }
    xml.writeStartElement(QStringLiteral("testcase"));
    xml.writeAttribute(QStringLiteral("name"), error.test);
    xml.writeAttribute(QStringLiteral("classname"), error.class_name);
    if (error.timed) {
        xml.writeAttribute(QStringLiteral("time"), seconds(0));
    }
    xml.writeStartElement(QStringLiteral("error"));
    xml.writeAttribute(QStringLiteral("message"), to_xml_text(error.message));
    xml.writeAttribute(QStringLiteral("type"), error.type);
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

}  // namespace

// A suite's properties: the service's requirements and comments, and the
// coverage of the unit's sources.
static void write_suite_properties(QXmlStreamWriter& xml, const RunNotes& notes,
                                   const CoverageData* coverage) {
    const bool covered = coverage != nullptr && !coverage->sources.empty();
    if (!covered && notes.empty()) {
        return;
    }
    xml.writeStartElement(QStringLiteral("properties"));
    write_notes(xml, notes);
    for (const SourceCoverage& source :
         covered ? coverage->sources : std::span<const SourceCoverage>()) {
        const QString file = QFileInfo(QString::fromStdString(source.path)).fileName();
        write_property(xml, QStringLiteral("coverage.lines.") + file,
                       QString::number(source.line_percent(), 'f', 1).toStdString());
        write_property(xml, QStringLiteral("coverage.branches.") + file,
                       QString::number(source.branch_percent(), 'f', 1).toStdString());
    }
    xml.writeEndElement();
}

namespace {

// The document, written as it is made: to a file, a test case at a time,
// so that a verdict of many runs is never held twice as text.
void write_document(QXmlStreamWriter& xml, const Verdict& verdict, const CoverageData* coverage) {
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    const Totals& totals = verdict.totals;
    long total_time = 0;
    for (const ServiceRun& service : verdict.services) {
        for (const TestRun& run : service.tests) {
            total_time += run.shown_microseconds();
        }
    }
    QString program = to_xml_text(verdict.program.empty() ? "vexor" : verdict.program);
    // Traces cut short add a test case of their own, in error: a CI server
    // that only counts failures and errors never reads them as a pass.
    const long incomplete = verdict.complete ? 0 : 1;
    // So do statements the compiler dropped: what the harness checked is
    // not what the script says.
    const long dropped = verdict.dropped.empty() ? 0 : 1;
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeAttribute(QStringLiteral("name"), program);
    xml.writeAttribute(QStringLiteral("tests"),
                       QString::number(totals.tests + incomplete + dropped));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(totals.tests_failed));
    xml.writeAttribute(
        QStringLiteral("errors"),
        QString::number(totals.tests_unfinished + totals.tests_not_run + incomplete + dropped));
    xml.writeAttribute(QStringLiteral("time"), seconds(total_time));
    for (const ServiceRun& service : verdict.services) {
        long failures = 0;
        long errors = 0;
        long skipped = 0;
        long time = 0;
        for (const TestRun& run : service.tests) {
            errors += is_error(run) ? 1 : 0;
            skipped += run.state == TestState::not_selected ? 1 : 0;
            failures += !is_error(run) && run.has_failures() ? 1 : 0;
            time += run.shown_microseconds();
        }
        QString name = to_xml_text(service.name);
        xml.writeStartElement(QStringLiteral("testsuite"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeAttribute(QStringLiteral("tests"), QString::number(service.tests.size()));
        xml.writeAttribute(QStringLiteral("failures"), QString::number(failures));
        xml.writeAttribute(QStringLiteral("errors"), QString::number(errors));
        xml.writeAttribute(QStringLiteral("skipped"), QString::number(skipped));
        xml.writeAttribute(QStringLiteral("time"), seconds(time));
        write_suite_properties(xml, service.notes, coverage);
        for (const TestRun& run : service.tests) {
            write_testcase(xml, program + QLatin1Char('.') + name, run);
        }
        xml.writeEndElement();
    }
    if (!verdict.complete) {
        // The harness stopped before its end line, so whatever follows the
        // last line read never ran.
        const QString name = QStringLiteral("(harness run)");
        write_error_suite(
            xml, {name, QStringLiteral("traces complete"), program + QLatin1Char('.') + name,
                  "the verdict is INCOMPLETE: " + traces_stop_text(verdict.last_line) +
                      "; what follows never ran",
                  QStringLiteral("incomplete"), true});
    }
    if (!verdict.dropped.empty()) {
        const QString name = QStringLiteral("(script)");
        std::string message = "statements not compiled as written:";
        for (const std::string& statement : verdict.dropped) message += "\n" + statement;
        write_error_suite(
            xml, {name, QStringLiteral("every statement compiled"),
                  program + QLatin1Char('.') + name, message, QStringLiteral("dropped"), true});
    }
    xml.writeEndElement();
    xml.writeEndDocument();
}

}  // namespace

bool write_junit_to(QIODevice& device, const Verdict& verdict, const CoverageData* coverage) {
    QXmlStreamWriter xml(&device);
    write_document(xml, verdict, coverage);
    return !xml.hasError();
}

std::string junit_error_document(std::string_view program, std::string_view why) {
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    const QString name = to_xml_text(program.empty() ? std::string_view("vexor") : program);
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeAttribute(QStringLiteral("name"), name);
    xml.writeAttribute(QStringLiteral("tests"), QStringLiteral("1"));
    xml.writeAttribute(QStringLiteral("failures"), QStringLiteral("0"));
    xml.writeAttribute(QStringLiteral("errors"), QStringLiteral("1"));
    write_error_suite(xml, {name, QStringLiteral("verdict"), name, std::string(why),
                            QStringLiteral("no verdict")});
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

bool write_junit_error(std::string_view program, std::string_view why, const std::string& path,
                       std::string& error) {
    return write_report_file(junit_error_document(program, why), path, "JUnit", error);
}

bool write_junit(const Verdict& verdict, const std::string& path, std::string& error,
                 const CoverageData* coverage) {
    QFile file(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    const bool written = file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                         write_junit_to(file, verdict, coverage) && file.flush();
    if (!written) {
        error = "cannot write the JUnit file " + path + ": " + file.errorString().toStdString();
    }
    return written;
}

}  // namespace vx::report
