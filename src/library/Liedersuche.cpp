#include "library/Liedersuche.h"

#include "common/FlexGrid.h"
#include "errors/Procedure.h"
#include "library/Archiv.h"
#include "library/Id3v1Tag.h"

#include <utility>

Liedersuche::Liedersuche(Archiv& archiv, MessageService& meldungen)
    : m_archiv(archiv)
    , m_suche(meldungen)
{
    // Songs the archive cannot hold are not counted as found either.
    m_suche.setPfadZulaessig(&Archiv::PfadDarstellbar);
    m_suche.setDateiGefunden(Id3v1Tag::kSize, [this](const QString& pfad, const Dateiende& ende) {
        return [this, pfad, tags = m_archiv.LiedLesen(pfad, ende)] { m_archiv.LiedAnfuegen(pfad, tags); };
    });
}

void Liedersuche::setGefundenAnzeige(std::function<void(const QString&)> anzeige)
{
    m_anzeige = std::move(anzeige);
    m_suche.setGefundenAnzeige([this](const QString& text) { anzeigen(text); });
}

void Liedersuche::anzeigen(const QString& text)
{
    // The scan lets events run every 10 ms; a count set more often is never seen.
    if (m_seitAnzeige.isValid() && m_seitAnzeige.elapsed() < 10) {
        m_ungezeigt = text;
        return;
    }
    m_ungezeigt.clear();
    m_anzeige(text);
    m_seitAnzeige.start();
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
    m_seitAnzeige.invalidate();
    m_suche.FindFile(Startordner, QStringLiteral("*.mp3"), nDirs, nFiles, true);
    if (!m_ungezeigt.isEmpty())
        m_anzeige(std::exchange(m_ungezeigt, QString()));
    proc.run([&] {
        if (grid.Rows() > 1) {
            grid.selectRow(1);
            grid.setTopRow(1);
        }
    });
    m_archiv.TabellenBeschriften(false);
}
