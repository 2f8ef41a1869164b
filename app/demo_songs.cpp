// tonvaro-demo-songs <folder>: fills a music folder for the demo run with
// short songs. Each song is a little melody over a bass line, synthesized
// here and encoded by Debian's lame; the ID3v1 tags are written with the
// jukebox's own tag writers, so the demo shows what real collections hold:
// umlauts, a ";" in a title, a song without tag, an empty title, a title
// longer than the tag holds, several genres and artists with several songs.
// One song carries only an ID3v2 tag (written with TagLib), as many bought
// songs do: it shows its title when the operator turns ID3v2 titles on.

#include "library/modMP3Tags.h"
#include "start/QSettingsStore.h"
#include "start/Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <vector>

namespace {

constexpr int kRate = 44100;

struct Demo {
    const char* ordner;
    const char* titel; // nullptr: the file gets no tag at all
    const char* interpret;
    const char* genre;
    int sekunden;
    bool moll;
    bool nurId3v2 = false;
};

// Folder, title, artist, genre, length, minor key.
const Demo kLieder[] = {
    { "Pop/Die Heidelbeeren", "Sommer am Bodensee", "Die Heidelbeeren", "Pop", 24, false },
    { "Pop/Die Heidelbeeren", "Grüße aus Köln", "Die Heidelbeeren", "Pop", 18, false },
    { "Pop/Die Heidelbeeren/Live", "Tanz; bis der Morgen kommt", "Die Heidelbeeren", "Dance", 30, false },
    { "Rock/Donnerhall", "Straßenfeuer", "Donnerhall", "Rock", 22, true },
    { "Rock/Donnerhall", "Eisenbahn nach Nirgendwo", "Donnerhall", "Hard Rock", 16, true },
    { "Rock/Donnerhall/Raritäten", "Ölfeld-Blues", "Donnerhall", "Blues", 34, true },
    { "Jazz & Chanson", "Café Mélange", "Lotte Kühn", "Jazz", 28, false },
    { "Jazz & Chanson", "Nachtfalter", "Lotte Kühn", "Chanson", 20, true },
    { "Jazz & Chanson", "Der allerlängste Titel der ganzen Jukebox", "Lotte Kühn", "Swing", 12, false },
    { "Volksmusik/Alpenglühn Trio", "Gämsenjodler", "Alpenglühn Trio", "Folk", 14, false },
    { "Volksmusik/Alpenglühn Trio", "Über den Gipfeln", "Alpenglühn Trio", "National Folk", 26, false },
    { "Volksmusik", "Polka für Oma Grete", "Quartett Übermut", "Polka", 15, false },
    { "", "Träumerei in Blau", "Max Mösli & Band", "Easy Listening", 38, true },
    { "", "Ohne Schublade", "Jörg Weißbier", "Kein Genre", 11, false },
    { "Unsortiert", "   ", "Die Nachtschwärmer", "Ambient", 19, true },
    { "Unsortiert", nullptr, nullptr, nullptr, 13, false },
    // The genre as taggers store a number of the published list: 147 is "Synthpop".
    { "Neu", "Morgenlicht", "Die Spätzünder", "147", 17, false, true },
};

double frequenz(int midiNote)
{
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

// A plucked tone with a few overtones that fades out over its length.
void ton(std::vector<float>& pcm, std::size_t start, double sekunden, int midiNote, float lautstaerke,
    const double (&obertoene)[3])
{
    const std::size_t laenge = std::size_t(sekunden * kRate);
    const double f = frequenz(midiNote);
    for (std::size_t i = 0; i < laenge && start + i < pcm.size(); ++i) {
        const double t = double(i) / kRate;
        const double anschlag = std::min(1.0, t / 0.01);
        const double abklingen = std::exp(-3.0 * t / sekunden);
        double wert = 0;
        for (int k = 0; k < 3; ++k)
            wert += obertoene[k] * std::sin(2 * std::numbers::pi * f * (k + 1) * t);
        pcm[start + i] += float(lautstaerke * anschlag * abklingen * wert);
    }
}

// A melody over I-V-vi-IV (or i-VI-III-VII in minor): a four-bar phrase
// A, a variation B, played A A B A until the song's length is reached.
std::vector<float> komponieren(const Demo& lied, unsigned seed)
{
    std::mt19937 zufall(seed);
    const int dur[] = { 0, 2, 4, 5, 7, 9, 11 };
    const int moll[] = { 0, 2, 3, 5, 7, 8, 10 };
    const int* leiter = lied.moll ? moll : dur;
    const int grundton = 57 + int(zufall() % 8);
    const double schlag = 60.0 / (90 + zufall() % 60);
    const int akkorde[] = { 0, 4, 5, 3 };
    const int akkordeMoll[] = { 0, 5, 2, 6 };
    const double melodieKlang[3] = { 1.0, 0.35 + (zufall() % 4) * 0.1, 0.15 };
    const double bassKlang[3] = { 1.0, 0.2, 0.05 };

    auto phrase = [&] {
        std::vector<std::pair<int, int>> noten; // scale step, eighths
        int stufe = 7 + int(zufall() % 3);
        for (int achtel = 0; achtel < 32;) {
            const int dauer = std::min(32 - achtel, 1 + int(zufall() % 3));
            stufe = std::clamp(stufe + int(zufall() % 5) - 2, 3, 13);
            noten.emplace_back(stufe, dauer);
            achtel += dauer;
        }
        return noten;
    };
    const auto a = phrase();
    const auto b = phrase();

    std::vector<float> pcm(std::size_t(lied.sekunden) * kRate, 0.0f);
    const std::size_t achtelSamples = std::size_t(schlag / 2 * kRate);
    std::size_t pos = 0;
    for (int teil = 0; pos < pcm.size(); ++teil) {
        const auto& noten = (teil % 4 == 2) ? b : a;
        for (int takt = 0; takt < 4; ++takt) {
            const int stufe = (lied.moll ? akkordeMoll : akkorde)[takt];
            const int bass = grundton - 12 + leiter[stufe];
            ton(pcm, pos + std::size_t(takt) * 8 * achtelSamples, schlag * 4, bass, 0.25f, bassKlang);
        }
        for (const auto& [stufe, dauer] : noten) {
            const int note = grundton + 12 * (stufe / 7) + leiter[stufe % 7] - 12;
            ton(pcm, pos, schlag / 2 * dauer, note, 0.3f, melodieKlang);
            pos += std::size_t(dauer) * achtelSamples;
        }
    }
    return pcm;
}

QByteArray alsPcm16(std::vector<float> pcm)
{
    // The loudest sample may be negative: the scale goes by its size.
    float spitze = 0.01f;
    for (float x : pcm)
        spitze = std::max(spitze, std::abs(x));
    const std::size_t ausblenden = std::min<std::size_t>(pcm.size(), kRate * 3 / 2);
    QByteArray bytes;
    bytes.reserve(qsizetype(pcm.size() * 2));
    for (std::size_t i = 0; i < pcm.size(); ++i) {
        const std::size_t rest = pcm.size() - i;
        const float blende = rest < ausblenden ? float(rest) / float(ausblenden) : 1.0f;
        const auto wert = qint16(std::lround(pcm[i] / spitze * 0.8f * blende * 32767.0f));
        bytes.append(char(wert & 0xFF));
        bytes.append(char((wert >> 8) & 0xFF));
    }
    return bytes;
}

// 64 kbit/s mono keeps the files small and the encoding quick.
bool kodieren(const QByteArray& pcm, const QString& ziel)
{
    QProcess lame;
    lame.start(QStringLiteral("lame"),
        { "--quiet", "-r", "-s", "44.1", "--bitwidth", "16", "--signed", "--little-endian", "-m", "m", "-b", "64", "-",
            ziel });
    if (!lame.waitForStarted())
        return false;
    lame.write(pcm);
    while (lame.bytesToWrite() > 0 && lame.waitForBytesWritten(-1)) { }
    lame.closeWriteChannel();
    return lame.waitForFinished(-1) && lame.exitStatus() == QProcess::NormalExit && lame.exitCode() == 0;
}

QString dateiname(const Demo& lied, int nummer)
{
    if (!lied.titel)
        return QStringLiteral("aufnahme_%1.mp3").arg(nummer, 3, 10, QLatin1Char('0'));
    QString name = QString::fromUtf8(lied.titel).trimmed();
    if (name.isEmpty())
        name = QStringLiteral("Spur %1").arg(nummer);
    // Names stay portable: no ";" or "/" in file names.
    name.replace(QLatin1Char(';'), QLatin1Char(',')).replace(QLatin1Char('/'), QLatin1Char('-'));
    return name + QStringLiteral(".mp3");
}

bool id3v2Schreiben(const QString& pfad, const Demo& lied)
{
    TagLib::MPEG::File datei(QFile::encodeName(pfad).constData(), false);
    TagLib::ID3v2::Tag* tag = datei.ID3v2Tag(true);
    tag->setTitle(TagLib::String(lied.titel, TagLib::String::UTF8));
    tag->setArtist(TagLib::String(lied.interpret, TagLib::String::UTF8));
    tag->setGenre(TagLib::String(lied.genre, TagLib::String::UTF8));
    return datei.save(
        TagLib::MPEG::File::ID3v2, TagLib::File::StripOthers, TagLib::ID3v2::v4, TagLib::File::DoNotDuplicate);
}

bool taggen(modMP3Tags& tags, const QString& pfad, const Demo& lied)
{
    if (lied.nurId3v2)
        return id3v2Schreiben(pfad, lied);
    if (lied.titel) {
        tags.SetSongName(pfad, QString::fromUtf8(lied.titel));
        tags.SetBand(pfad, QString::fromUtf8(lied.interpret));
        tags.SetSongGenre(pfad, QString::fromUtf8(lied.genre));
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList argumente = app.arguments();
    if (argumente.size() != 2) {
        std::fprintf(stderr, "usage: tonvaro-demo-songs <folder>\n");
        return 2;
    }
    const QString wurzel = QDir(argumente[1]).absolutePath();
    QElapsedTimer uhr;
    uhr.start();

    modMP3Tags tags; // no player: nothing is playing while the demo is made
    int nummer = 0;
    for (const Demo& lied : kLieder) {
        ++nummer;
        const QString ordner = QDir(wurzel).filePath(QString::fromUtf8(lied.ordner));
        const QString pfad = QDir(ordner).filePath(dateiname(lied, nummer));
        if (!QDir().mkpath(ordner) || !kodieren(alsPcm16(komponieren(lied, 1000u + unsigned(nummer))), pfad)
            || !taggen(tags, pfad, lied)) {
            std::fprintf(stderr, "tonvaro-demo-songs: cannot create %s (is lame installed?)\n", qPrintable(pfad));
            return 1;
        }
        // As the archive shows it with ID3v2 titles on.
        const SongTags gelesen = modMP3Tags::GetSongTags(pfad, true);
        std::printf("%-70s | %s | %s | %s\n", qPrintable(QDir(wurzel).relativeFilePath(pfad)),
            qPrintable(gelesen.titel), qPrintable(gelesen.interpret), qPrintable(gelesen.genre));
    }
    std::printf("%d demo songs in %s (%.1f s)\n", nummer, qPrintable(wurzel), uhr.elapsed() / 1000.0);

    // The jukebox (executable "tonvaro") then opens on this folder and, with
    // random fill on, plays by itself after the countdown.
    QSettingsStore jukebox(QStringLiteral("tonvaro"));
    StartSettings voreinstellung;
    voreinstellung.Pfad = QDir::toNativeSeparators(wurzel);
    voreinstellung.Zufall = true;
    if (!Settings(jukebox).saveOhneScan(voreinstellung)) {
        std::fprintf(stderr, "tonvaro-demo-songs: cannot write the settings %s\n", qPrintable(jukebox.location()));
        return 1;
    }
    std::printf("music folder and random fill of the jukebox set in %s\n", qPrintable(jukebox.location()));
    return 0;
}
