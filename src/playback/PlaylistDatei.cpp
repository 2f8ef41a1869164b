#include "playback/PlaylistDatei.h"

#include "common/FlexGrid.h"
#include "common/Windows1252.h"
#include "errors/FaultError.h"
#include "platform/AppPaths.h"
#include "playback/Playlistspalte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

namespace {

constexpr int kIndexFehler = 9;
constexpr int kDateiFehler = 75;

[[noreturn]] void fehlerhafteZeile()
{
    throw FaultError(kIndexFehler, QStringLiteral("Index außerhalb des gültigen Bereichs"));
}

} // namespace

const QString PlaylistDatei::kName = QStringLiteral("Playlist.txt");

PlaylistDatei::PlaylistDatei(QString schreibordner, QStringList leseordner)
    : m_schreibordner(std::move(schreibordner))
    , m_leseordner(std::move(leseordner))
{
}

PlaylistDatei PlaylistDatei::imProgrammordner()
{
    const QString ordner = AppPaths::programFolder();
    QStringList lesen { ordner };
    const QString programm = QCoreApplication::applicationDirPath();
    if (ordner != programm && AppPaths::writableFolder(programm) != programm)
        lesen.prepend(programm);
    return PlaylistDatei(ordner, lesen);
}

QString PlaylistDatei::schreibpfad() const
{
    return QDir(m_schreibordner).filePath(kName);
}

QString PlaylistDatei::lesepfad() const
{
    for (const QString& ordner : m_leseordner) {
        const QString pfad = QDir(ordner).filePath(kName);
        if (QFileInfo::exists(pfad))
            return pfad;
    }
    return QString();
}

QByteArray PlaylistDatei::Zeile(const QStringList& felder)
{
    // A line break in a cell (a tag may hold one) would split the song's line.
    QString text = felder.join(QLatin1Char(';'));
    text.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    // Windows-1252 only when it reads back as this text: "Ã¤" would come back from UTF-8 as "ä".
    const QByteArray einzeln = toWindows1252(text);
    return (ZeileLesen(einzeln) == text ? einzeln : text.toUtf8()) + QByteArrayLiteral("\r\n");
}

QString PlaylistDatei::ZeileLesen(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? fromWindows1252(bytes) : text;
}

bool PlaylistDatei::PlaylistSpeichern(const FlexGrid& playlist) const
{
    if (playlist.Rows() - 1 < kMindestanzahl)
        return false;
    const QString pfad = schreibpfad();
    const QFileInfo alt(pfad);
    // A rename would replace even a read-only file.
    if (alt.exists() && !alt.isWritable())
        return false;
    QByteArray inhalt;
    for (int zeile = 1; zeile < playlist.Rows(); ++zeile) {
        QStringList felder;
        for (int spalte = 0; spalte < Playlistspalte::kAnzahl; ++spalte)
            felder << playlist.TextMatrix(zeile, spalte);
        inhalt += Zeile(felder);
    }
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly) || datei.write(inhalt) != inhalt.size() || !datei.commit())
        throw FaultError(kDateiFehler, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"));
    return true;
}

void PlaylistDatei::PlaylistEinlesen(FlexGrid& playlist) const
{
    const QString pfad = lesepfad();
    if (pfad.isEmpty())
        return;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw FaultError(kDateiFehler, QStringLiteral("Fehler beim Zugriff auf Pfad/Datei"));
    while (!datei.atEnd()) {
        QByteArray bytes = datei.readLine(kLaengsteZeile + 1);
        if (bytes.endsWith('\n'))
            bytes.chop(1);
        else if (!datei.atEnd())
            fehlerhafteZeile();
        if (bytes.endsWith('\r'))
            bytes.chop(1);
        if (bytes.isEmpty())
            continue;
        const QStringList felder = ZeileLesen(bytes).split(QLatin1Char(';'));
        if (felder.size() < Playlistspalte::kAnzahl)
            fehlerhafteZeile();
        playlist.AddItem(felder.at(0));
        playlist.setRowTexts(playlist.Rows() - 1, felder.mid(0, Playlistspalte::kAnzahl));
    }
}
