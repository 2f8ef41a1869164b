#include "library/Archivsuche.h"

#include "common/FlexGrid.h"
#include "common/FlexGridSort.h"
#include "library/Archiv.h"

#include <algorithm>
#include <climits>
#include <utility>
#include <vector>

namespace {

struct Bereich {
    int von = 0, bis = 0; // rows von .. bis - 1
    bool leer() const { return von >= bis; }
};

// Every character of the Basic Multilingual Plane whose case fold is another
// character, as (fold, character) sorted by fold: what the case-insensitive
// search must also accept for a folded letter ("K" matches the Kelvin sign).
const std::vector<std::pair<char16_t, char16_t>>& faltungen()
{
    static const auto tabelle = [] {
        std::vector<std::pair<char16_t, char16_t>> paare;
        for (char32_t c = 0; c < 0x10000; ++c) {
            const char32_t gefaltet = QChar::toCaseFolded(c);
            if (gefaltet != c && !QChar::isSurrogate(c))
                paare.emplace_back(char16_t(gefaltet), char16_t(c));
        }
        std::ranges::sort(paare);
        return paare;
    }();
    return tabelle;
}

// The spellings that compare equal to c without regard to case: its fold and everything folding to it.
std::vector<char16_t> schreibweisen(QChar c)
{
    const char16_t gefaltet = c.toCaseFolded().unicode();
    std::vector<char16_t> zeichen { gefaltet };
    const auto& tabelle = faltungen();
    auto it = std::ranges::lower_bound(tabelle, std::pair<char16_t, char16_t>(gefaltet, 0));
    for (; it != tabelle.end() && it->first == gefaltet; ++it)
        zeichen.push_back(it->second);
    return zeichen;
}

// Bisects the rows of a grid in order on its sorted column: each letter of the
// text narrows the rows to the runs that begin with one of its spellings, so
// a key reads a few dozen rows instead of the whole archive.
class Bisektion {
public:
    Bisektion(const FlexGrid& archiv, int spalte, QStringView text)
        : m_archiv(archiv)
        , m_spalte(spalte)
        , m_text(text)
    {
    }

    int ersteZeile()
    {
        QString praefix;
        suchen({ 1, m_archiv.Rows() }, praefix);
        return m_beste < m_archiv.Rows() ? m_beste : 0;
    }

private:
    QStringView zelle(int row) const { return m_archiv.TextView(row, m_archiv.sortedCol()); }

    // The rows of bereich, which all begin with praefix but for its last
    // character, that begin with praefix exactly.
    Bereich lauf(Bereich bereich, QStringView praefix) const
    {
        const int von
            = partitionRow(bereich.von, bereich.bis, [&](int row) { return lessByCodes(zelle(row), praefix); });
        const int bis = partitionRow(von, bereich.bis, [&](int row) { return zelle(row).startsWith(praefix); });
        return { von, bis };
    }

    void suchen(Bereich bereich, QString& praefix)
    {
        if (bereich.leer() || bereich.von >= m_beste)
            return;
        if (praefix.size() == m_text.size()) {
            m_beste = std::min(m_beste, ersterTreffer(bereich));
            return;
        }
        for (char16_t c : schreibweisen(m_text[praefix.size()])) {
            praefix.append(QChar(c));
            suchen(lauf(bereich, praefix), praefix);
            praefix.chop(1);
        }
    }

    // On the sorted column every row of a final run matches. The artist column
    // is searched on the artist-and-title key: an artist that begins with the
    // text makes its key begin with it too, but not the other way round.
    int ersterTreffer(Bereich bereich) const
    {
        if (m_spalte == m_archiv.sortedCol())
            return bereich.von;
        for (int row = bereich.von; row < bereich.bis; ++row) {
            if (m_archiv.TextView(row, m_spalte).startsWith(m_text, Qt::CaseInsensitive))
                return row;
        }
        return m_beste;
    }

    const FlexGrid& m_archiv;
    const int m_spalte;
    const QStringView m_text;
    int m_beste = INT_MAX;
};

bool bisektierbar(const FlexGrid& archiv, int spalte, QStringView text)
{
    const int sortiert = archiv.sortedCol();
    const bool spalteInOrdnung = sortiert == spalte
        || (spalte == Archiv::Interpret && sortiert == Archiv::Sortierschluessel
            && archiv.Cols() > Archiv::Sortierschluessel);
    return spalteInOrdnung && std::ranges::none_of(text, [](QChar c) { return c.isSurrogate(); });
}

int linear(const FlexGrid& archiv, int spalte, QStringView text)
{
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

} // namespace

QString Archivsuche::grossbuchstaben(const QString& text)
{
    QString gross = text;
    for (QChar& c : gross)
        c = c.toUpper();
    return gross;
}

void Archivsuche::anhaengen(QString& text, const QString& Daten, qsizetype max)
{
    text += grossbuchstaben(Daten);
    if (text.size() > max)
        text.truncate(text.at(max).isLowSurrogate() ? max - 1 : max);
}

void Archivsuche::letztesZeichenLoeschen(QString& text)
{
    const qsizetype n = text.size();
    text.chop(n >= 2 && text.at(n - 1).isLowSurrogate() && text.at(n - 2).isHighSurrogate() ? 2 : 1);
}

void Archivsuche::taste(const QString& Daten)
{
    if (Daten == kBackspace)
        letztesZeichenLoeschen(m_text);
    else if (m_text.size() < kMaxLaenge)
        anhaengen(m_text, Daten, kMaxLaenge);
}

int Archivsuche::ersteZeile(const FlexGrid& archiv, int spalte, QStringView text)
{
    if (text.isEmpty())
        return archiv.Rows() > 1 ? 1 : 0;
    if (bisektierbar(archiv, spalte, text))
        return Bisektion(archiv, spalte, text).ersteZeile();
    return linear(archiv, spalte, text);
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
