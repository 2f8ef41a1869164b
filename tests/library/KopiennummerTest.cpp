#include "LibraryTest.h"

#include "library/Kopiennummer.h"

#include <QDir>

namespace {

using KopiennummerTest = LibraryTest;

TEST(Kopiennummer, DigitsAreDroppedOrReadAsOneNumber)
{
    const struct {
        const char* text;
        const char* ohneZiffern;
        qint64 zahl;
    } cases[] = {
        { "Bericht12", "Bericht", 12 }, { "B1e2r3", "Ber", 123 }, { "Bericht", "Bericht", 0 }, { "", "", 0 },
        { "007", "", 7 }, { "x999999999999999999", "x", 999999999999999999 }, // 18 digits still count
        { "x1000000000000000000", "x", 0 }, // 19 digits would not leave room for the next number
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Kopiennummer::GetRealString(c.text), c.ohneZiffern) << c.text;
        EXPECT_EQ(Kopiennummer::GetRealInteger(c.text), c.zahl) << c.text;
    }
}

TEST_F(KopiennummerTest, ProposalFollowsTheHighestNumberedCopyOfTheSameName)
{
    const struct {
        const char* fall;
        const char* ordner;
        QStringList dateien; // the watched file first
        const char* vorschlag;
    } cases[] = {
        { "copies 1 and 4", "a", { "Bericht.txt", "Bericht1.txt", "Bericht4.txt" }, "Bericht5.txt" },
        { "watched file numbered itself", "c", { "Bericht2.txt" }, "Bericht3.txt" },
        { "other extension and other name", "d", { "Bericht.txt", "Bericht7.doc", "Notiz9.txt", "Bericht2.txt" },
            "Bericht3.txt" },
        { "any case", "e", { "Bericht.txt", "BERICHT6.TXT" }, "Bericht7.txt" },
        { "digits in the extension", "f", { "Lied1.mp3" }, "Lied2.mp3" },
        { "past 16 bits", "g", { "Bericht.txt", "Bericht40000.txt" }, "Bericht40001.txt" },
        { "no extension", "i", { "Bericht", "Bericht2", "Bericht5.txt" }, "Bericht3" },
        { "digits in folder names", "Ordner2024/Teil7", { "Bericht.txt", "Bericht1.txt" }, "Bericht2.txt" },
    };
    for (const auto& c : cases) {
        const QString ordner = music() + QLatin1Char('/') + c.ordner;
        for (const QString& name : c.dateien) // empty: empty copies count like others
            Mp3Frames::writeFile(ordner + QLatin1Char('/') + name, {});
        EXPECT_EQ(Kopiennummer::Vorschlag(ordner + QLatin1Char('/') + c.dateien.front()),
            ordner + QLatin1Char('/') + c.vorschlag)
            << c.fall;
    }
}

} // namespace
