#include "start/StartSettings.h"

#include "common/Helpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

QString standardMusikordner()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\");
#else
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    return music.isEmpty() ? QDir::homePath() : music;
#endif
}

QString standardWinampPfad()
{
    const QString sep = QDir::separator();
    return Backslash(QDir::toNativeSeparators(QCoreApplication::applicationDirPath())) + sep + QStringLiteral("winamp")
        + sep + QStringLiteral("winamp.exe");
}

} // namespace

StartSettings StartSettings::defaults()
{
    StartSettings werte;
    werte.Pfad = standardMusikordner();
    werte.Winamp = standardWinampPfad();
    return werte;
}

QStringList StartSettings::anzahlListe()
{
    QStringList items { QStringLiteral("unbegrenzt") };
    for (int n = 1; n <= 10; ++n)
        items << QString::number(n);
    return items;
}

QStringList StartSettings::schriftgroessenListe()
{
    return { QStringLiteral("8"), QStringLiteral("10"), QStringLiteral("12"), QStringLiteral("18") };
}

double StartSettings::schriftgroesse() const
{
    return schriftgroessenListe().value(S, QStringLiteral("18")).toDouble();
}
