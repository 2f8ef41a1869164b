#include "library/Archivsuche.h"

#include "common/FlexGrid.h"

QString Archivsuche::grossbuchstaben(const QString& text)
{
    QString gross = text;
    for (QChar& c : gross)
        c = c.toUpper();
    return gross;
}

void Archivsuche::taste(const QString& Daten)
{
    if (Daten == kBackspace)
        m_text.chop(1);
    else if (m_text.size() < kMaxLaenge)
        m_text = (m_text + grossbuchstaben(Daten)).left(kMaxLaenge);
}

int Archivsuche::ersteZeile(const FlexGrid& archiv, int spalte, QStringView text)
{
    if (text.isEmpty())
        return archiv.Rows() > 1 ? 1 : 0;
    // Most rows differ in the first character: compare that alone before the whole prefix.
    const char32_t erstes = text.front().toCaseFolded().unicode();
    for (int row = 1; row < archiv.Rows(); ++row) {
        const QStringView zelle = archiv.TextView(row, spalte);
        if (!zelle.isEmpty() && zelle.front().toCaseFolded().unicode() == erstes
            && zelle.startsWith(text, Qt::CaseInsensitive))
            return row;
    }
    return 0;
}

int Archivsuche::KeyClick(FlexGrid& archiv, int Sortierspalte, const QString& Daten)
{
    taste(Daten);
    if (m_text.isEmpty())
        return 0;
    const int row = ersteZeile(archiv, Sortierspalte, m_text);
    if (row > 0) {
        archiv.selectRow(row);
        archiv.setTopRow(row);
    }
    return row;
}
