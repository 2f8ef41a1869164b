// Writes the first inputs of every harness into <folder>/<harness>/: MP3
// files built in code (no binary files of unknown origin) and a few texts.
// The fuzzer grows the committed corpora from these.

#include "support/Mp3Frames.h"

#include <QDir>

#include <cstdio>

namespace {

using Mp3Frames::Format;

QList<QByteArray> mp3Dateien()
{
    const Format cd { 44100, false };
    const QByteArray tag = Mp3Frames::id3v1Tag("Titel; eins", "Interpret", 17);
    return {
        Mp3Frames::frames(cd, { 128 }, 4) + tag,
        Mp3Frames::xingFrame(cd, 128, true, 3, 3 * 417, 576, 100) + Mp3Frames::frames(cd, { 128 }, 3),
        Mp3Frames::vbriFrame(cd, 128, 3, 4 * 417) + Mp3Frames::frames(cd, { 128 }, 3),
        Mp3Frames::frames({ 22050, true }, { 64, 8 }, 5),
        Mp3Frames::frames({ 8000, true }, { 16 }, 5) + Mp3Frames::apeTag("Artist", "Jemand"),
        Mp3Frames::freeFormatFrame(cd, 600).repeated(3),
        Mp3Frames::id3v2Tag(20) + QByteArray("junk\xFF\xFB", 6) + Mp3Frames::frames(cd, { 320, 96 }, 3)
            + Mp3Frames::lyrics3v2("La") + tag,
        QByteArray(127, 'x'),
        Mp3Frames::id3v1Tag(QByteArray(30, ' '), "\xE4\xF6\x80", 255),
    };
}

QList<QByteArray> id3v2Dateien()
{
    using Mp3Frames::id3v2TextFrame;
    const QByteArray audio = Mp3Frames::frames({ 44100, false }, { 128 }, 2);
    const QByteArray v24 = Mp3Frames::id3v2TagWith(4,
        id3v2TextFrame(4, "TIT2", 3,
            " Gr\xC3\xBC\xC3\x9F"
            "e; zwei\n")
            + id3v2TextFrame(4, "TPE1", 1, QByteArray("\xFF\xFEO\0k\0", 6)) + id3v2TextFrame(4, "TCON", 0, "130"));
    const QByteArray v23 = Mp3Frames::id3v2TagWith(3, id3v2TextFrame(3, "TCON", 0, "(85)Bebob") + QByteArray(8, '\0'));
    return { v24 + audio, v23 + audio, v23 + audio + Mp3Frames::id3v1Tag("Titel", "Band", 17),
        QByteArray(v24).replace(8, 1, "\x80") + audio };
}

void schreiben(const QString& ordner, const QString& harness, const QList<QByteArray>& eingaben)
{
    QDir(ordner).mkpath(harness);
    for (int i = 0; i < eingaben.size(); ++i)
        Mp3Frames::writeFile(QStringLiteral("%1/%2/seed-%3").arg(ordner, harness).arg(i), eingaben[i]);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    const QList<QByteArray> mp3 = mp3Dateien();
    QList<QByteArray> mitSteuerbyte; // the harness takes its choices from the last bytes
    for (const QByteArray& datei : mp3)
        mitSteuerbyte << datei + '\x07' << "Neuer Titel \xC3\xA4\xE2\x82\xAC\\ " + datei + '\x01';
    schreiben(ordner, "id3v1_read", mp3);
    schreiben(ordner, "id3v2_read", id3v2Dateien());
    schreiben(ordner, "tag_write", mitSteuerbyte);
    schreiben(ordner, "mp3_length", mitSteuerbyte);
    schreiben(ordner, "decoder", mitSteuerbyte);
    const QList<QByteArray> texte { "Titel\\Interpret\\Rock\\12:00\\/musik/a.mp3\\03:35\\x",
        "/musik/Rock, Pop\\geheim\\C:\\\\winamp.exe\\\x01\x02\x03", "\x02[ZEIT] bis [cdn23:30]\\\x05\x11",
        "\x01QWERTZUIOP\xC3\x9C"
        "BS\\ ASDF\\  YXC Space\\\x09",
        "\x03 03:35\\\x7F\x01" };
    for (const char* harness : { "playlist_file", "settings", "texts", "archive_search" })
        schreiben(ordner, harness, texte);
    schreiben(ordner, "loudness_cache",
        { "Tonvaro Lautheit 1\n4096\t1700000000000\t-23.25\t-3.5\t/musik/a b.mp3\n"
          "12\t-5\t-inf\t-inf\t/musik/still.mp3\n",
            "Tonvaro Lautheit 1\n1\t2\t-1e300\t7\t/x\ty\r\n3\t4\t5\n-1\t2\tnan\t0\t/z\n", "Tonvaro Lautheit 1",
            "Tonvaro Lautheit 2\n1\t2\t3\t4\t/a\n" });
    return 0;
}
