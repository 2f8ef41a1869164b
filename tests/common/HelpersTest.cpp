#include "common/Farbe.h"
#include "common/Helpers.h"
#include "common/Twips.h"
#include "common/Windows1252.h"

#include <QElapsedTimer>
#include <QTimer>
#include <gtest/gtest.h>

#include <ctime>

TEST(Helpers, CheckStateAndMinMax)
{
    EXPECT_EQ(CChk(true), 1);
    EXPECT_EQ(CChk(false), 0);
    EXPECT_EQ(Min(3, 7), 3);
    EXPECT_EQ(Max(3, 7), 7);
    EXPECT_EQ(Max(QStringLiteral("a"), QStringLiteral("b")), QStringLiteral("b"));
}

TEST(Helpers, BackslashRemovesOneTrailingSeparatorOfThePlatform)
{
    EXPECT_EQ(Backslash(QStringLiteral("/home/musik/")), QStringLiteral("/home/musik"));
    EXPECT_EQ(Backslash(QStringLiteral("/home/musik//")), QStringLiteral("/home/musik/"));
    EXPECT_EQ(Backslash(QStringLiteral("/home/musik")), QStringLiteral("/home/musik"));
    EXPECT_EQ(Backslash(QString()), QString());
#ifdef Q_OS_WIN
    EXPECT_EQ(Backslash(QStringLiteral("C:\\Musik\\")), QStringLiteral("C:\\Musik"));
    EXPECT_EQ(Backslash(QStringLiteral("C:/Musik/")), QStringLiteral("C:/Musik"));
#else
    // A legal last character of a folder name, not a separator.
    EXPECT_EQ(Backslash(QStringLiteral("/home/musik\\")), QStringLiteral("/home/musik\\"));
#endif
}

TEST(Helpers, OhneSemikolonReplacesEverySemicolon)
{
    EXPECT_EQ(OhneSemikolon(QStringLiteral("Rock;n;Roll")), QStringLiteral("Rock_n_Roll"));
    EXPECT_EQ(OhneSemikolon(QString()), QString());
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

TEST(Farbe, SplitsAndJoinsLowByteRed)
{
    const TypeFarbe cyan = ColorToRGB(0xFFFF00);
    EXPECT_EQ(cyan.R, 0);
    EXPECT_EQ(cyan.G, 255);
    EXPECT_EQ(cyan.B, 255);
    const TypeFarbe mixed = ColorToRGB(70 + 256 * 1 + 65536 * 2);
    EXPECT_EQ(mixed.R, 70);
    EXPECT_EQ(mixed.G, 1);
    EXPECT_EQ(mixed.B, 2);
    EXPECT_EQ(RGBToColor(mixed), 70 + 256 * 1 + 65536 * 2);
}

TEST(Twips, FifteenTwipsPerPixelAt96Dpi)
{
    EXPECT_EQ(twipsToPixels(1440), 96);
    EXPECT_EQ(twipsToPixels(15), 1);
    EXPECT_EQ(pixelsToTwips(1024), 15360);
    EXPECT_EQ(twipsToPixels(1440, 144.0), 144);
}

TEST(Windows1252, RoundTripsUmlautsAndHighControls)
{
    const QString text = QStringLiteral("Größe – 5 € „Zitat“ Ÿ");
    const QByteArray bytes = toWindows1252(text);
    EXPECT_EQ(bytes.size(), text.size());
    EXPECT_EQ(static_cast<unsigned char>(bytes[3]), 0xDF); // ß
    EXPECT_EQ(static_cast<unsigned char>(bytes[6]), 0x96); // en dash
    EXPECT_EQ(static_cast<unsigned char>(bytes[10]), 0x80); // euro
    EXPECT_EQ(fromWindows1252(bytes), text);
}

TEST(Windows1252, UnrepresentableCharactersBecomeOneQuestionMark)
{
    EXPECT_EQ(toWindows1252(QStringLiteral("Ωmega")), QByteArray("?mega"));
    EXPECT_EQ(toWindows1252(QString::fromUtf8("a\xF0\x9F\x8E\xB5z")), QByteArray("a?z")); // musical note emoji
    EXPECT_EQ(fromWindows1252(QByteArray("\x81", 1)), QString(QChar(0x81)));
}
