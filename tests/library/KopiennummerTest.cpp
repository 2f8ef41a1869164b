#include "LibraryTest.h"

#include "library/Kopiennummer.h"

#include <QDir>

namespace {

using KopiennummerTest = LibraryTest;

TEST_F(KopiennummerTest, ProposalFollowsTheHighestNumberedCopyOfTheSameName)
{
    const struct {
        const char* fall;
        const char* ordner;
        QStringList dateien; // the watched file first
        const char* vorschlag;
    } cases[] = {
        { "other extension and other name", "d", { "Bericht.txt", "Bericht7.doc", "Notiz9.txt", "Bericht2.txt" },
            "Bericht3.txt" },
        { "watched file numbered itself, digits in the extension", "f", { "Lied1.mp3" }, "Lied2.mp3" },
        { "18 digits at most, so the next fits", "h",
            { "B.txt", "B99999999999999999x8.txt", "B1000000000000000000.txt" }, "B999999999999999999.txt" },
        { "no extension", "i", { "Bericht", "Bericht2", "Bericht5.txt" }, "Bericht3" },
        { "digits in folder names", "Ordner2024/Teil7", { "Bericht.txt", "Bericht1.txt" }, "Bericht2.txt" },
        { "brackets are letters", "j", { "Bericht [Entwurf].txt", "Bericht [Entwurf]1.txt", "Bericht [Entwurf]4.txt" },
            "Bericht [Entwurf]5.txt" },
        { "no pattern of the name", "k", { "Bericht[1].txt", "Bericht[]3.txt", "Bericht]9.txt" }, "Bericht[]4.txt" },
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
