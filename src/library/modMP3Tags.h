#pragma once

#include "library/SongTags.h"

#include <QString>

#include <functional>

class PlayerControl;
struct Dateiende;

// Reads and writes title, artist and genre in the ID3v1 tag of an MP3 file.
// Readers open, read and close the file on every call. Writers first free a
// file that is loaded on the player in use and give it back afterwards, so the
// player never holds a file while its tag changes.
class modMP3Tags {
public:
    // player may be null (nothing to free); aktiverPlayer says which player
    // is in use at the moment of a write.
    explicit modMP3Tags(PlayerControl* player = nullptr, std::function<int()> aktiverPlayer = {});

    static QString GetSongName(const QString& MP3Datei);
    // A missing file gives the empty text; an unreadable one goes to the error reporter.
    static QString GetBand(const QString& MP3Datei);
    static QString GetSongGenre(const QString& MP3Datei);
    // GenreIndex is the genre byte plus 1; 0 and everything past the list give "Kein Genre".
    static QString GetSongGenreName(int GenreIndex);

    // The three readers with one open of the file, for the archive that lists
    // thousands of songs. Same texts as the single readers; an unreadable file
    // gives the empty artist without asking the error reporter, because the
    // archive shows its fallbacks silently. MitId3v2 takes the texts of a file
    // without ID3v1 tag from its ID3v2 tag where that has them.
    static SongTags GetSongTags(const QString& MP3Datei, bool MitId3v2 = false);
    // The same from the end of the file read already; the file is opened
    // again only for an ID3v2 tag.
    static SongTags GetSongTags(const QString& MP3Datei, const Dateiende& ende, bool MitId3v2 = false);

    // A file without tag gets one (see Id3v1Tag::newTag); a file under 128 bytes is left alone.
    void SetSongName(const QString& MP3Datei, const QString& SongName);
    // Written only into an existing tag.
    void SetBand(const QString& MP3Datei, const QString& BandName);
    // Written only into an existing tag and only for a name of the list ("Kein Genre" stores 124).
    void SetSongGenre(const QString& MP3Datei, const QString& GenreString);

    // Runs schritte (writes of MP3Datei) with the file let go by the player in
    // use, then loads it again there as it was: at its place, playing, paused
    // or only open. Writers inside see the file free and let go of nothing.
    void Freigeben(const QString& MP3Datei, const std::function<void()>& schritte);

private:
    PlayerControl* m_player;
    std::function<int()> m_aktiverPlayer;
};
