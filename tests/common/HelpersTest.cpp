#include "common/Helpers.h"
#include "common/Windows1252.h"

#include <gtest/gtest.h>
#include <QElapsedTimer>
#include <QTimer>

#include <ctime>

TEST(Helpers, BackslashRemovesOneTrailingSeparatorOfThePlatform)
{
    EXPECT_EQ(std::pair(Backslash(QStringLiteral("/home/musik//")), Backslash(QStringLiteral("/home/musik"))),
        std::pair(QStringLiteral("/home/musik/"), QStringLiteral("/home/musik")));
#ifdef Q_OS_WIN
    EXPECT_EQ(Backslash(QStringLiteral("C:\\Musik\\")), QStringLiteral("C:\\Musik"));
    EXPECT_EQ(Backslash(QStringLiteral("C:/Musik/")), QStringLiteral("C:/Musik"));
#else
    // A legal last character of a folder name, not a separator.
    EXPECT_EQ(Backslash(QStringLiteral("/home/musik\\")), QStringLiteral("/home/musik\\"));
#endif
}

TEST(Helpers, MySleepWaitsAndKeepsEventsRunningWithoutBusyWaiting)
{
    bool fired = false;
    QTimer::singleShot(10, [&] { fired = true; });
    QElapsedTimer elapsed;
    elapsed.start();
    const std::clock_t cpuBefore = std::clock();
    MySleep(200);
    const double cpuMs = 1000.0 * double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    EXPECT_GE(elapsed.elapsed(), 200);
    EXPECT_TRUE(fired);
    EXPECT_LT(cpuMs, 100) << "the wait must sleep, not poll";
}

TEST(Windows1252, RoundTripsTheHighBlockAndMarksTheRestWithOneQuestionMark)
{
    const QString text = QStringLiteral("Größe – 5 € „Zitat“ Ÿ");
    const QByteArray bytes = toWindows1252(text);
    EXPECT_EQ(bytes.mid(3, 1) + bytes.mid(6, 1) + bytes.mid(10, 1), QByteArray("\xDF\x96\x80")) << "ß, en dash, euro";
    EXPECT_EQ(fromWindows1252(bytes), text);
    EXPECT_EQ(fromWindows1252(QByteArray("\x81", 1)), QString(QChar(0x81)));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a\xF0\x9F\x8E\xB5z")), QByteArray("a?z")); // musical note emoji
}
