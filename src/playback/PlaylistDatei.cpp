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

#include <algorithm>
#include <optional>

namespace {

constexpr int kIndexFehler = 9;
constexpr int kDateiFehler = 75;

std::optional<QString> alsUtf8(QByteArrayView bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (utf8.hasError())
        return std::nullopt;
    return text;
}

// A line break in a cell would split its line, and the reader would take the
// pieces for rows of their own.
bool zeilenumbruchIn(const QStringList& felder)
{
    return std::any_of(felder.cbegin(), felder.cend(),
        [](const QString& feld) { return feld.contains(QLatin1Char('\n')) || feld.contains(QLatin1Char('\r')); });
}

// Root may write any file: the mode says whether the operator meant the file
// to stay (WriteUser would only repeat what this user may do).
bool schreibgeschuetzt(const QFileInfo& datei)
{
    constexpr QFile::Permissions kModus = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return !datei.isWritable() || !(datei.permissions() & kModus);
}

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
    if (ordner != programm && AppPaths::filesFolder(programm) != programm)
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
    const QString text = felder.join(QLatin1Char(';'));
    const bool passt
        = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return windows1252Code(c.unicode()) >= 0; });
    const QByteArray einzeln = passt ? toWindows1252(text) : QByteArray();
    // The reader takes whatever is valid UTF-8 for UTF-8 ("Ã©" in Windows-1252
    // would come back as "é"), so such a line is written in UTF-8 itself.
    const bool eindeutig = passt && !alsUtf8(einzeln);
    return (eindeutig ? einzeln : text.toUtf8()) + QByteArrayLiteral("\r\n");
}

QString PlaylistDatei::ZeileLesen(QByteArrayView bytes)
{
    return alsUtf8(bytes).value_or(fromWindows1252(bytes));
}

bool PlaylistDatei::PlaylistSpeichern(const FlexGrid& playlist) const
{
    if (playlist.Rows() - 1 < kMindestanzahl)
        return false;
    const QString pfad = schreibpfad();
    const QFileInfo alt(pfad);
    // A rename would replace even a read-only file.
    if (alt.exists() && schreibgeschuetzt(alt))
        return false;
    QByteArray inhalt;
    for (int zeile = 1; zeile < playlist.Rows(); ++zeile) {
        QStringList felder;
        for (int spalte = 0; spalte < Playlistspalte::kAnzahl; ++spalte)
            felder << playlist.TextMatrix(zeile, spalte);
        if (!zeilenumbruchIn(felder))
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
