#pragma once

#include <QByteArray>
#include <QString>

struct Dateiende;

// The fixed 128-byte ID3v1 record at the end of an MP3 file, read with one
// open of the file. Text fields are Windows-1252 bytes.
class Id3v1Tag {
public:
    enum class Quelle {
        Fehlt, // the file does not exist
        Unlesbar, // it exists but cannot be opened or read (locked, a folder, no permission)
        OhneTag, // shorter than 128 bytes, or the last 128 bytes do not begin with "TAG"
        MitTag,
    };

    static constexpr int kSize = 128;
    static constexpr int kTitle = 3;
    static constexpr int kArtist = 33;
    static constexpr int kGenre = 127;
    static constexpr int kFieldLength = 30;

    static Id3v1Tag read(const QString& path);
    // From the end of a file read already; one not read counts as unreadable.
    static Id3v1Tag read(const Dateiende& ende);

    Quelle quelle() const { return m_quelle; }
    bool hasTag() const { return m_quelle == Quelle::MitTag; }
    // The 30-byte field at offset, without spaces at both ends; NUL padding stays.
    QString field(int offset) const;
    int genreByte() const;

    // A text as stored: Windows-1252, cut or padded with spaces to 30 bytes.
    static QByteArray fieldBytes(const QString& text);
    // A whole new tag carrying only a title: every other text field is spaces
    // (so it reads back empty, never as NUL characters) and the genre byte is
    // 255, which the published list leaves unassigned and which reads as no genre.
    static QByteArray newTag(const QString& title);

private:
    explicit Id3v1Tag(Quelle quelle, QByteArray bytes = {});
    static Id3v1Tag fromTail(const QByteArray& tail);

    Quelle m_quelle;
    QByteArray m_bytes;
};
