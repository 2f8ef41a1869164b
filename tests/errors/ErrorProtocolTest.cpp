#include "errors/ErrorProtocol.h"

#include "ReporterTest.h"

TEST(ErrorProtocolPrint, LongLinesWrapWithIndentedContinuationsAndNoEmptyOnes)
{
    QStringList words; // 15 words of 5 letters are the first to exceed 73 letters
    for (int n = 0; n < 35; ++n)
        words << QStringLiteral("w%1").arg(n, 4, 10, QLatin1Char('0'));
    const QString fits(ErrorProtocol::kPrintWidth, QLatin1Char('x'));
    // One word longer than the width stands on its own line.
    const QString word(ErrorProtocol::kPrintWidth + 1, QLatin1Char('x'));
    const QString indent(ErrorProtocol::kPrintIndent, QLatin1Char(' '));
    const QList<std::pair<QString, QStringList>> cases {
        { words.join(QLatin1Char(' ')) + "\r\n",
            { words.mid(0, 15).join(QLatin1Char(' ')), indent + words.mid(15, 15).join(QLatin1Char(' ')),
                indent + words.mid(30).join(QLatin1Char(' ')) } },
        { "----\r\n          Modul:\tfrmMain\r\n\r\nCALLSTACK:\r\n",
            { "----", "          Modul:\tfrmMain", QString(), "CALLSTACK:" } },
        { fits + " ab", { fits + " ab" } },
        { word + "\r\nNext\r\n", { word, "Next" } },
        { word + " Rest\r\n", { word, indent + "Rest" } },
    };
    for (const auto& [protocol, printed] : cases)
        EXPECT_EQ(ErrorProtocol::printLines(protocol), printed) << protocol.toStdString();
}
