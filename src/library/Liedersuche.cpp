#include "library/Liedersuche.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"

#include <QFile>

Liedersuche::Liedersuche(Archiv& archiv, MessageService& meldungen)
    : m_archiv(archiv)
    , m_suche(meldungen)
{
    // Songs the archive cannot hold are not counted as found either.
    m_suche.setPfadZulaessig(&Archiv::PfadDarstellbar);
    m_suche.setDateiGefunden([this](QFile& datei) { m_archiv.EineZeileInsArchiv(datei); });
}

void Liedersuche::setGefundenAnzeige(std::function<void(const QString&)> anzeige)
{
    m_suche.setGefundenAnzeige(std::move(anzeige));
}

void Liedersuche::Einlesen(const QString& Startordner)
{
    Procedure proc(
        "Liedersuche", "void Liedersuche::Einlesen(const QString& Startordner)", { { "Startordner", Startordner } });
    if (Startordner.trimmed().isEmpty())
        return;
    FlexGrid& grid = m_archiv.archivGrid();
    if (!proc.run([&] { grid.Clear(); }))
        return;
    qint64 nDirs = 0;
    qint64 nFiles = 0;
    QStringList files;
    m_suche.FindFile(Startordner, QStringLiteral("*.mp3"), nDirs, nFiles, files, true);
    proc.run([&] {
        if (grid.Rows() > 1) {
            grid.selectRow(1);
            grid.setTopRow(1);
        }
    });
    m_archiv.TabellenBeschriften(false);
}
