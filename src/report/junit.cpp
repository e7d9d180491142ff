// Writing JUnit XML with QXmlStreamWriter, which escapes the texts. The
// texts of the report are 8-bit: valid UTF-8 is kept, anything else is
// read as Latin-1, and characters XML cannot carry are replaced. Times are
// the CPU times the runtime measured around the elements, in seconds.
#include "report/junit.h"

#include "report/text_report.h"

#include <QFile>
#include <QString>
#include <QStringDecoder>
#include <QXmlStreamWriter>

namespace vx::report {

namespace {

constexpr double microseconds_per_second = 1e6;
constexpr int time_decimals = 6;

QString to_xml_text(std::string_view text)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
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

QString seconds(long microseconds)
{
    return QString::number(static_cast<double>(microseconds) / microseconds_per_second, 'f',
                           time_decimals);
}

std::string test_text(const TestRun& run)
{
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

void write_testcase(QXmlStreamWriter& xml, const QString& class_name, const TestRun& run,
                    bool cut_short)
{
    xml.writeStartElement(QStringLiteral("testcase"));
    xml.writeAttribute(QStringLiteral("name"), to_xml_text(test_label(run)));
    xml.writeAttribute(QStringLiteral("classname"), class_name);
    xml.writeAttribute(QStringLiteral("time"), seconds(run.microseconds()));
    if (run.has_failures()) {
        std::string body;
        std::string first;
        for (const ElementRun& element : run.elements) {
            for (const Entry& entry : element.entries) {
                if (entry.kind != EntryKind::check || entry.outcome != Outcome::failed) {
                    continue;
                }
                std::string line = "element " + std::to_string(element.ordinal) + ": " +
                                   check_summary(entry);
                if (!entry.location.empty()) {
                    line += "  (" + entry.location + ")";
                }
                if (first.empty()) {
                    first = check_summary(entry);
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
    if (cut_short) {
        xml.writeStartElement(QStringLiteral("error"));
        xml.writeAttribute(QStringLiteral("message"),
                           QStringLiteral("the harness stopped before the end of this test"));
        xml.writeAttribute(QStringLiteral("type"), QStringLiteral("harness stopped"));
        xml.writeEndElement();
    }
    xml.writeTextElement(QStringLiteral("system-out"), to_xml_text(test_text(run)));
    xml.writeEndElement();
}

}  // namespace

std::string junit_document(const Verdict& verdict)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    const Totals& totals = verdict.totals;
    long total_time = 0;
    for (const ServiceRun& service : verdict.services) {
        for (const TestRun& run : service.tests) {
            total_time += run.microseconds();
        }
    }
    // A run cut short leaves its last test unfinished: that test is an error.
    const TestRun* unfinished = nullptr;
    if (!verdict.complete && !verdict.services.empty() && !verdict.services.back().tests.empty() &&
        !verdict.services.back().tests.back().ended) {
        unfinished = &verdict.services.back().tests.back();
    }
    QString program = to_xml_text(verdict.program.empty() ? "vexor" : verdict.program);
    xml.writeStartElement(QStringLiteral("testsuites"));
    xml.writeAttribute(QStringLiteral("name"), program);
    xml.writeAttribute(QStringLiteral("tests"), QString::number(totals.tests));
    xml.writeAttribute(QStringLiteral("failures"), QString::number(totals.tests_failed));
    xml.writeAttribute(QStringLiteral("errors"), QString::number(unfinished != nullptr ? 1 : 0));
    xml.writeAttribute(QStringLiteral("time"), seconds(total_time));
    for (const ServiceRun& service : verdict.services) {
        long failures = 0;
        long time = 0;
        bool has_unfinished = false;
        for (const TestRun& run : service.tests) {
            failures += run.has_failures() ? 1 : 0;
            time += run.microseconds();
            has_unfinished = has_unfinished || &run == unfinished;
        }
        QString name = to_xml_text(service.name);
        xml.writeStartElement(QStringLiteral("testsuite"));
        xml.writeAttribute(QStringLiteral("name"), name);
        xml.writeAttribute(QStringLiteral("tests"), QString::number(service.tests.size()));
        xml.writeAttribute(QStringLiteral("failures"), QString::number(failures));
        xml.writeAttribute(QStringLiteral("errors"), QString::number(has_unfinished ? 1 : 0));
        xml.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
        xml.writeAttribute(QStringLiteral("time"), seconds(time));
        for (const TestRun& run : service.tests) {
            write_testcase(xml, program + QLatin1Char('.') + name, run, &run == unfinished);
        }
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndDocument();
    return bytes.toStdString();
}

bool write_junit(const Verdict& verdict, const std::string& path, std::string& error)
{
    QFile file(QString::fromLocal8Bit(path.data(), static_cast<qsizetype>(path.size())));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = "cannot write the JUnit file " + path + ": " + file.errorString().toStdString();
        return false;
    }
    std::string document = junit_document(verdict);
    if (file.write(document.data(), static_cast<qint64>(document.size())) !=
            static_cast<qint64>(document.size()) ||
        !file.flush()) {
        error = "cannot write the JUnit file " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

}  // namespace vx::report
