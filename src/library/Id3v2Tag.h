#pragma once

#include "library/SongTags.h"

#include <QByteArray>

#include <optional>

class QFile;

// Title, artist and genre from the ID3v2 tag at the start of an MP3 file.
// Texts come without surrounding white space; a frame that is missing gives
// an empty text; the genre comes by name (Id3v2Genre).
class Id3v2Tag {
public:
    static constexpr int kKopfgroesse = 10;

    // From a file open for reading: only the tag's own bytes are read, and
    // only when the first ten announce a tag. No value for a file without a
    // tag, with a damaged header or with fewer bytes than the header claims.
    static std::optional<SongTags> read(QFile& file);
    // The whole tag's size (header, frames, footer) that a header announces,
    // or -1 when the bytes are no valid header.
    static qint64 groesse(QByteArrayView kopf);
    // The texts of a whole tag, header included, as TagLib reads the tag;
    // empty where it finds none.
    static SongTags ausBytes(const QByteArray& tag);
    // The same texts from TagLib's reading of only the frames shown, which
    // costs a fraction of reading all; none for a tag not laid out plainly
    // (unsynchronised, extended header, footer, frame flags, damaged frames).
    static std::optional<SongTags> ausRahmen(const QByteArray& tag);
};
