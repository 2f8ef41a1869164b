#include "library/modMP3Tags.h"

#include "errors/FaultError.h"
#include "errors/Procedure.h"
#include "library/Id3v1Tag.h"
#include "library/Id3v2Tag.h"
#include "library/TagFileWriter.h"
#include "platform/Dateiende.h"
#include "playback/PlayerControl.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>

#include <array>
#include <optional>
#include <utility>

namespace {

// The published ID3v1 list up to "Euro-House", without its number 84, so that
// every name from "Bebob" on stands one below its published number; stored
// tags and the operators' habits rely on exactly these numbers and spellings.
constexpr std::array<const char16_t*, 124> kGenres = { u"Blues", u"Classic Rock", u"Country", u"Dance", u"Disco",
    u"Funk", u"Grunge", u"Hip-Hop", u"Jazz", u"Metal", u"New Age", u"Oldies", u"Other", u"Pop", u"R&B", u"Rap",
    u"Reggae", u"Rock", u"Techno", u"Industrial", u"Alternative", u"Ska", u"Death Metal", u"Pranks", u"Soundtrack",
    u"Euro-Techno", u"Ambient", u"Trip-Hop", u"Vocal", u"Jazz+Funk", u"Fusion", u"Trance", u"Classical",
    u"Instrumental", u"Acid", u"House", u"Game", u"Sound Clip", u"Gospel", u"Noise", u"AlternRock", u"Bass", u"Soul",
    u"Punk", u"Space", u"Meditative", u"Instrumental Pop", u"Instrumental Rock", u"Ethnic", u"Gothic", u"Darkwave",
    u"Techno-Industrial", u"Electronic", u"Pop-Folk", u"Eurodance", u"Dream", u"Southern Rock", u"Comedy", u"Cult",
    u"Gangsta", u"Top 40", u"Christian Rap", u"Pop/Funk", u"Jungle", u"Native American", u"Cabaret", u"New Wave",
    u"Psychadelic", u"Rave", u"Showtunes", u"Trailer", u"Lo-Fi", u"Tribal", u"Acid Punk", u"Acid Jazz", u"Polka",
    u"Retro", u"Musical", u"Rock & Roll", u"Hard Rock", u"Folk", u"Folk/Rock", u"National Folk", u"Swing", u"Bebob",
    u"Latin", u"Revival", u"Celtic", u"Bluegrass", u"Avantgarde", u"Gothic Rock", u"Progressive Rock",
    u"Psychedelic Rock", u"Symphonic Rock", u"Slow Rock", u"Big Band", u"Chorus", u"Easy Listening", u"Acoustic",
    u"Humour", u"Sprache", u"Chanson", u"Opera", u"Chamber Music", u"Sonata", u"Symphony", u"Booty Bass", u"Primus",
    u"Porn Groove", u"Satire", u"Slow Jam", u"Club", u"Tango", u"Samba", u"Folklore", u"Ballad", u"Power Ballad",
    u"Rhythmic Soul", u"Freestyle", u"Duet", u"Punk Rock", u"Drum Solo", u"Acapella", u"Euro-House" };

// Indexes tried when a genre name is written; 125 to 127 all read "Kein Genre".
constexpr int kHoechsterGenreIndex = 127;

QString titelAus(const Id3v1Tag& tag)
{
    return tag.hasTag() ? tag.field(Id3v1Tag::kTitle) : QStringLiteral("Unbekannter Titel");
}

QString interpretAus(const Id3v1Tag& tag)
{
    if (tag.quelle() == Id3v1Tag::Quelle::Fehlt || tag.quelle() == Id3v1Tag::Quelle::Unlesbar)
        return {};
    return tag.hasTag() ? tag.field(Id3v1Tag::kArtist) : QStringLiteral("Unbekannter Interpret");
}

QString genreAus(const Id3v1Tag& tag)
{
    return modMP3Tags::GetSongGenreName(tag.genreByte() + 1);
}

SongTags songTagsAus(const Id3v1Tag& tag)
{
    return { titelAus(tag), interpretAus(tag), genreAus(tag) };
}

// A text the ID3v2 tag lacks stays as a file without tag shows it.
SongTags ergaenzt(SongTags tags, const std::optional<SongTags>& id3v2)
{
    if (!id3v2)
        return tags;
    for (auto [feld, wert] : { std::pair { &tags.titel, &id3v2->titel },
             std::pair { &tags.interpret, &id3v2->interpret }, std::pair { &tags.genre, &id3v2->genre } }) {
        if (!wert->isEmpty())
            *feld = *wert;
    }
    return tags;
}

// The genre byte for a name of the list, or -1.
int genreByteFor(const QString& name)
{
    for (int index = 1; index <= kHoechsterGenreIndex; ++index) {
        if (modMP3Tags::GetSongGenreName(index) == name)
            return index - 1;
    }
    return -1;
}

// QFileInfo's == holds for any two paths that do not exist, so a vanished
// file would pass for the player's: only existing files are compared as the
// file system sees them, others by their cleaned absolute paths.
bool gleicheDatei(const QString& pfad1, const QString& pfad2)
{
    if (pfad1.isEmpty() || pfad2.isEmpty())
        return false;
    const QFileInfo info1(pfad1);
    const QFileInfo info2(pfad2);
    if (info1.exists() && info2.exists())
        return info1 == info2;
    return QDir::cleanPath(info1.absoluteFilePath()) == QDir::cleanPath(info2.absoluteFilePath());
}

} // namespace

modMP3Tags::modMP3Tags(PlayerControl* player, std::function<int()> aktiverPlayer)
    : m_player(player)
    , m_aktiverPlayer(std::move(aktiverPlayer))
{
}

QString modMP3Tags::GetSongName(const QString& MP3Datei)
{
    return titelAus(Id3v1Tag::read(MP3Datei));
}

QString modMP3Tags::GetBand(const QString& MP3Datei)
{
    Procedure proc("modMP3Tags", "QString modMP3Tags::GetBand(const QString& MP3Datei)", { { "MP3Datei", MP3Datei } });
    return proc.value(
        [&] {
            const Id3v1Tag tag = Id3v1Tag::read(MP3Datei);
            if (tag.quelle() == Id3v1Tag::Quelle::Unlesbar)
                throw FaultError(75, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"));
            return interpretAus(tag);
        },
        QString());
}

QString modMP3Tags::GetSongGenre(const QString& MP3Datei)
{
    return genreAus(Id3v1Tag::read(MP3Datei));
}

QString modMP3Tags::GetSongGenreName(int GenreIndex)
{
    const int nummer = GenreIndex - 1;
    if (nummer < 0 || nummer >= int(kGenres.size()))
        return QStringLiteral("Kein Genre");
    return QString::fromUtf16(kGenres[nummer]);
}

SongTags modMP3Tags::GetSongTags(const QString& MP3Datei, bool MitId3v2)
{
    return GetSongTags(MP3Datei, Dateiende::lesen(MP3Datei, Id3v1Tag::kSize), MitId3v2);
}

SongTags modMP3Tags::GetSongTags(const QString& MP3Datei, const Dateiende& ende, bool MitId3v2)
{
    const Id3v1Tag tag = Id3v1Tag::read(ende);
    // An ID3v1 tag, as the tag editor writes it, always wins.
    if (!MitId3v2 || tag.quelle() != Id3v1Tag::Quelle::OhneTag)
        return songTagsAus(tag);
    QFile datei(MP3Datei);
    datei.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    return ergaenzt(songTagsAus(tag), Id3v2Tag::read(datei));
}

void modMP3Tags::SetSongName(const QString& MP3Datei, const QString& SongName)
{
    Freigeben(MP3Datei, [&] {
        TagFileWriter::write(MP3Datei, Id3v1Tag::kTitle, Id3v1Tag::fieldBytes(SongName), Id3v1Tag::newTag(SongName));
    });
}

void modMP3Tags::SetBand(const QString& MP3Datei, const QString& BandName)
{
    Freigeben(MP3Datei, [&] { TagFileWriter::write(MP3Datei, Id3v1Tag::kArtist, Id3v1Tag::fieldBytes(BandName)); });
}

void modMP3Tags::SetSongGenre(const QString& MP3Datei, const QString& GenreString)
{
    Freigeben(MP3Datei, [&] {
        const int genre = genreByteFor(GenreString);
        if (genre >= 0)
            TagFileWriter::write(MP3Datei, Id3v1Tag::kGenre, QByteArray(1, char(genre)));
    });
}

void modMP3Tags::Freigeben(const QString& MP3Datei, const std::function<void()>& schritte)
{
    const int player = m_aktiverPlayer ? m_aktiverPlayer() : 0;
    const QString geladen = m_player ? m_player->GetFileName(player) : QString();
    if (!gleicheDatei(geladen, MP3Datei)) {
        schritte();
        return;
    }
    const qint64 position = m_player->GetPosition(player);
    const int status = m_player->GetStatus(player);
    m_player->StopMP3(player);
    m_player->OpenMP3(player, QString());
    const auto zurueck = qScopeGuard([&] {
        m_player->OpenMP3(player, geladen);
        m_player->SetPosition(player, position);
        if (status == PlayerControl::Other)
            return;
        m_player->PlayMP3(player);
        // Held again at once: the decoder has put out nothing yet, so nothing is heard.
        if (status == PlayerControl::Paused)
            m_player->PauseMP3(player);
    });
    schritte();
}
