#include "mainwindow/Hilfetour.h"

#include "common/ProgrammEnde.h"
#include "errors/Procedure.h"

namespace {

QPoint mitte(const QRect& r)
{
    return QPoint(r.left() + r.width() / 2, r.top() + r.height() / 2);
}

} // namespace

const std::array<Hilfetour::Schritt, Hilfetour::kSchritte>& Hilfetour::schritte()
{
    static const std::array<Schritt, kSchritte> tabelle { {
        { Ziel::ArchivSpalte0, 0, QSize(3600, 2400),
            QStringLiteral("Hier klicken, um nach Titel zu sortieren und Lieder zu suchen."), 4000 },
        { Ziel::ArchivSpalte1, 0, QSize(3600, 2400),
            QStringLiteral("Hier klicken, um nach Interpret zu sortieren und Lieder zu suchen."), 3000 },
        { Ziel::Uebernehmen, 3, QSize(3600, 1800),
            QStringLiteral("Markiertes Lied vom Archiv in die Playliste übernehmen."), 5000 },
        { Ziel::ArchivNav0, 1, QSize(),
            QStringLiteral("Hier und auf die anderen Pfeile klicken, um hoch oder runter zu gehen."), 3000 },
        { Ziel::ArchivNav1, 1, QSize(), QStringLiteral("Die Pfeile gedrückt halten, um schneller zu scrollen."), 3000 },
        { Ziel::Hoch0, 1, QSize(3000, 1500), QStringLiteral("Zum Umsortieren der Lieder in der Playliste."), 3000 },
        { Ziel::Hoch1, 1, QSize(3000, 1500), QStringLiteral("Zum Umsortieren der Lieder in der Playliste."), 3000 },
        { Ziel::Loeschen, 1, QSize(2400, 1800), QStringLiteral("Markiertes Lied aus der Playliste löschen."), 5000 },
    } };
    return tabelle;
}

QPoint Hilfetour::punkt(Ziel ziel, const Ziele& ziele)
{
    // Just below the top of the header row.
    const int kopfY = ziele.archiv.top() + 300;
    switch (ziel) {
    case Ziel::ArchivSpalte0:
        return QPoint(1800, kopfY);
    case Ziel::ArchivSpalte1:
        return QPoint(ziele.archiv.left() + ziele.spalte0Breite + ziele.spalte1Breite / 2, kopfY);
    case Ziel::Uebernehmen:
        return mitte(ziele.Uebernehmen);
    case Ziel::ArchivNav0:
        return mitte(ziele.FunbuttonArchivNav[0]);
    case Ziel::ArchivNav1:
        return mitte(ziele.FunbuttonArchivNav[1]);
    case Ziel::Hoch0:
        return mitte(ziele.cmdHoch[0]);
    case Ziel::Hoch1:
        return mitte(ziele.cmdHoch[1]);
    case Ziel::Loeschen:
        return mitte(ziele.cmdLoeschen);
    }
    return QPoint();
}

Hilfetour::Hilfetour(Anzeige anzeige, QObject* parent)
    : QObject(parent)
    , m_anzeige(std::move(anzeige))
{
    m_wecker.setSingleShot(true);
    connect(&m_wecker, &QTimer::timeout, this, &Hilfetour::weiter);
}

void Hilfetour::cmdFragezeichen_Click()
{
    // A press during a tour would start a second tour inside the first.
    if (m_HilfeAktiv)
        return;
    Procedure proc("Hilfetour", "void Hilfetour::cmdFragezeichen_Click()");
    m_HilfeAktiv = true;
    m_groesse = QSize();
    zeigen(0);
}

void Hilfetour::zeigen(int schritt)
{
    Procedure proc("Hilfetour", "void Hilfetour::zeigen(int schritt)", { { "schritt", schritt } });
    const Schritt& s = schritte()[schritt];
    m_schritt = schritt;
    if (s.groesse.isValid())
        m_groesse = s.groesse;
    // A step that fails and is left ends the tour, or help would stay dead for the rest of the run.
    if (!proc.run([&] {
            m_anzeige.zeigen(Blase { s.Pfeilposition, m_groesse, punkt(s.ziel, m_anzeige.ziele()), s.text });
        })) {
        abbrechen();
        return;
    }
    m_wecker.start(s.dauer);
}

void Hilfetour::weiter()
{
    if (!m_HilfeAktiv)
        return;
    Procedure proc("Hilfetour", "void Hilfetour::weiter()");
    if (ProgrammEnde || m_schritt + 1 >= kSchritte) {
        abbrechen();
        return;
    }
    if (!proc.run([&] { m_anzeige.verstecken(); })) {
        zuruecksetzen();
        return;
    }
    zeigen(m_schritt + 1);
}

void Hilfetour::abbrechen()
{
    if (!m_HilfeAktiv)
        return;
    zuruecksetzen();
    Procedure proc("Hilfetour", "void Hilfetour::abbrechen()");
    proc.run([&] { m_anzeige.verstecken(); });
}

void Hilfetour::zuruecksetzen()
{
    m_wecker.stop();
    m_HilfeAktiv = false;
    m_schritt = -1;
}
