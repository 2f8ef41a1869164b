#include "errors/ErrorProtocol.h"

#include "errors/ErrorReport.h"
#include "errors/SystemInfo.h"

namespace {

const QString kLineEnd = QStringLiteral("\r\n");
const QString kSeparator = QString(70, QLatin1Char('-'));
const QString kIndent = QString(10, QLatin1Char(' '));
const QChar kTab = QLatin1Char('\t');

QString field(const QString& title, const QString& value)
{
    return kIndent + title + kTab + value;
}

} // namespace

QString ErrorProtocol::text(const ErrorReport& report, const QDateTime& at, const SystemInfo& system)
{
    QStringList lines { kSeparator, QStringLiteral("F E H L E R P R O T O K O L L vom ErrorPartner"), kSeparator,
        report.title, kSeparator, ErrorReport::errorCaption().toUpper() };
    const QStringList titles = ErrorReport::rowTitles();
    for (int row = 0; row < titles.size(); ++row)
        lines << field(titles[row], report.rows.value(row));
    lines << field(QStringLiteral("Datum/Uhrzeit:"),
        at.toString(QStringLiteral("dd.MM.yyyy")) + QStringLiteral(" / ") + at.toString(QStringLiteral("hh:mm:ss")));
    lines << kSeparator << ErrorReport::callStackCaption().toUpper();
    for (const QString& entry : report.history)
        lines << kIndent + entry;
    lines << kSeparator << QStringLiteral("SYSTEMINFO:") << field(QStringLiteral("Plattform:"), system.platform)
          << field(QStringLiteral("Version:"), system.version)
          << field(QStringLiteral("Build:"), system.build + QStringLiteral("   ") + system.edition) << kSeparator;
    return lines.join(kLineEnd) + kLineEnd;
}

QStringList ErrorProtocol::printLines(const QString& protocol)
{
    QStringList lines = protocol.split(kLineEnd);
    if (lines.last().isEmpty())
        lines.removeLast();
    QStringList printed;
    for (const QString& line : lines)
        wrapLine(line, printed);
    return printed;
}

void ErrorProtocol::wrapLine(const QString& line, QStringList& printed)
{
    QString current;
    bool pending = false;
    int taken = 0;
    for (const QString& word : line.split(QLatin1Char(' '))) {
        if (pending)
            current += QLatin1Char(' ');
        current += word;
        pending = true;
        taken += word.size();
        if (taken > kPrintWidth) {
            printed << current;
            current = QString(kPrintIndent, QLatin1Char(' '));
            pending = false;
            taken = 0;
        }
    }
    if (pending)
        printed << current;
}
