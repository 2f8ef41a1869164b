#include "errors/ErrorProtocol.h"

#include "ReporterTest.h"

TEST(ErrorProtocolPrint, LongLineWrapsWithIndentedContinuations)
{
    QStringList words;
    for (int n = 0; n < 100; ++n)
        words << QStringLiteral("w%1").arg(n, 4, 10, QLatin1Char('0'));
    const QStringList printed = ErrorProtocol::printLines(words.join(QLatin1Char(' ')) + "\r\n");

    // 15 words of 5 letters are the first to exceed 73 letters.
    ASSERT_EQ(printed.size(), 7);
    EXPECT_EQ(printed[0], words.mid(0, 15).join(QLatin1Char(' ')));
    const QString indent(ErrorProtocol::kPrintIndent, QLatin1Char(' '));
    for (int line = 1; line < 6; ++line)
        EXPECT_EQ(printed[line], indent + words.mid(15 * line, 15).join(QLatin1Char(' '))) << line;
    EXPECT_EQ(printed[6], indent + words.mid(90).join(QLatin1Char(' ')));
}

TEST(ErrorProtocolPrint, ShortLinesStayAndABreakLeavesNoEmptyContinuation)
{
    const QString fits(ErrorProtocol::kPrintWidth, QLatin1Char('x'));
    // One word longer than the width stands on its own line.
    const QString word(ErrorProtocol::kPrintWidth + 1, QLatin1Char('x'));
    const QString indent(ErrorProtocol::kPrintIndent, QLatin1Char(' '));
    const QList<std::pair<QString, QStringList>> cases {
        { "----\r\n          Modul:\tfrmMain\r\n\r\nCALLSTACK:\r\n",
            { "----", "          Modul:\tfrmMain", QString(), "CALLSTACK:" } },
        { fits + " ab", { fits + " ab" } },
        { word + "\r\nNext\r\n", { word, "Next" } },
        { word + " Rest\r\n", { word, indent + "Rest" } },
    };
    for (const auto& [protocol, printed] : cases)
        EXPECT_EQ(ErrorProtocol::printLines(protocol), printed) << protocol.toStdString();
}
