#include "errors/ErrorProtocol.h"

#include "QStringPrinter.h"
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

QStringList fiveLetterWords(int count)
{
    QStringList words;
    for (int n = 0; n < count; ++n)
        words << QStringLiteral("w%1").arg(n, 4, 10, QLatin1Char('0'));
    return words;
}

} // namespace

TEST(ErrorProtocolPrint, LongLineWrapsWithIndentedContinuations)
{
    const QStringList words = fiveLetterWords(100);
    const QStringList printed = ErrorProtocol::printLines(words.join(QLatin1Char(' ')) + QStringLiteral("\r\n"));

    // 15 words of 5 letters are the first to exceed 73 letters.
    ASSERT_EQ(printed.size(), 7);
    EXPECT_EQ(printed[0], words.mid(0, 15).join(QLatin1Char(' ')));
    const QString indent(ErrorProtocol::kPrintIndent, QLatin1Char(' '));
    for (int line = 1; line < 6; ++line)
        EXPECT_EQ(printed[line], indent + words.mid(15 * line, 15).join(QLatin1Char(' '))) << line;
    EXPECT_EQ(printed[6], indent + words.mid(90).join(QLatin1Char(' ')));
}

TEST(ErrorProtocolPrint, ShortLinesStayAsTheyAre)
{
    const QString protocol = QStringLiteral("----\r\n          Modul:\tfrmMain\r\n\r\nCALLSTACK:\r\n");
    EXPECT_EQ(ErrorProtocol::printLines(protocol),
        QStringList({ QStringLiteral("----"), QStringLiteral("          Modul:\tfrmMain"), QString(),
            QStringLiteral("CALLSTACK:") }));
}

TEST(ErrorProtocolPrint, BreakOnTheLastWordLeavesNoEmptyContinuation)
{
    const QString fits(ErrorProtocol::kPrintWidth, QLatin1Char('x'));
    EXPECT_EQ(ErrorProtocol::printLines(fits + QStringLiteral(" ab")), QStringList(fits + QStringLiteral(" ab")));
    // 74 letters in one word exceed the width on their own.
    const QString word(ErrorProtocol::kPrintWidth + 1, QLatin1Char('x'));
    EXPECT_EQ(ErrorProtocol::printLines(word + QStringLiteral("\r\nNext\r\n")),
        QStringList({ word, QStringLiteral("Next") }));
    EXPECT_EQ(ErrorProtocol::printLines(word + QStringLiteral(" Rest\r\n")),
        QStringList({ word, QString(ErrorProtocol::kPrintIndent, QLatin1Char(' ')) + QStringLiteral("Rest") }));
}
