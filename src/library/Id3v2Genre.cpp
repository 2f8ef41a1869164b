#include "library/Id3v2Genre.h"

#include "library/modMP3Tags.h"

#include <algorithm>
#include <array>

namespace {

// The one published number the jukebox's table leaves out.
constexpr int kFehlendeNummer = 84;
// The published number of the last name in the jukebox's table.
constexpr int kLetzteEigeneNummer = 124;
// The published names from 125 on, which the jukebox's table does not reach.
constexpr std::array<const char16_t*, 23> kWeitere = { u"Dance Hall", u"Goa", u"Drum & Bass", u"Club-House",
    u"Hardcore", u"Terror", u"Indie", u"Britpop", u"Negerpunk", u"Polsk Punk", u"Beat", u"Christian Gangsta Rap",
    u"Heavy Metal", u"Black Metal", u"Crossover", u"Contemporary Christian", u"Christian Rock", u"Merengue", u"Salsa",
    u"Thrash Metal", u"Anime", u"JPop", u"Synthpop" };

} // namespace

QString Id3v2Genre::name(const QString& feld)
{
    // A number alone, or one in parentheses ahead of an optional refinement.
    const bool klammer = feld.startsWith(QLatin1Char('('));
    const qsizetype ende = klammer ? feld.indexOf(QLatin1Char(')')) : feld.size();
    const QStringView ziffern = QStringView(feld).mid(klammer ? 1 : 0, ende - (klammer ? 1 : 0));
    if (ende < 0 || ziffern.isEmpty()
        || !std::all_of(ziffern.begin(), ziffern.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return feld;
    bool ok = false;
    const int wert = ziffern.toInt(&ok);
    return nachNummer(ok ? wert : -1);
}

QString Id3v2Genre::nachNummer(int nummer)
{
    if (nummer == kFehlendeNummer)
        return QStringLiteral("Fast Fusion");
    // GetSongGenreName counts from 1 and lacks number 84, so it matches the published list up to 83 after a shift by
    // one.
    if (nummer >= 0 && nummer <= kLetzteEigeneNummer)
        return modMP3Tags::GetSongGenreName(nummer < kFehlendeNummer ? nummer + 1 : nummer);
    const int weitere = nummer - kLetzteEigeneNummer - 1;
    if (weitere >= 0 && weitere < int(kWeitere.size()))
        return QString::fromUtf16(kWeitere[weitere]);
    return QStringLiteral("Kein Genre");
}
