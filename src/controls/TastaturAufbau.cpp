#include "controls/TastaturAufbau.h"

#include <algorithm>
#include <array>

namespace {

struct Wort {
    QStringView wort;
    Taste::Art art;
};

constexpr std::array kWoerter = {
    Wort { u"Enter", Taste::Art::Enter },
    Wort { u"BS", Taste::Art::Loeschen },
    Wort { u"Hide", Taste::Art::Verbergen },
    Wort { u"Space", Taste::Art::Leertaste },
};

// Length in UTF-16 units of the character at i: a letter outside the basic
// plane is one key, not two halves.
qsizetype zeichenLaenge(const QString& text, qsizetype i)
{
    return text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
}

} // namespace

void TastaturAufbau::Tastatur_Ini(int Zeile, const QString& Buchstaben)
{
    if (Zeile == 0)
        leeren();
    // Each row numbers on from the highest key so far; its gaps and words use numbers too.
    m_zaehler = m_hoechsteNummer;
    const int y = Zeile * m_keyHeight;
    // A precomposed umlaut is one character; a decomposed one would be two keys.
    const QString zeile = Buchstaben.normalized(QString::NormalizationForm_C);
    int x = 0;
    qsizetype i = 0;
    while (i < zeile.size()) {
        ++m_zaehler;
        const QStringView rest = QStringView(zeile).mid(i);
        const auto wort
            = std::find_if(kWoerter.begin(), kWoerter.end(), [&](const Wort& w) { return rest.startsWith(w.wort); });
        if (wort != kWoerter.end()) {
            x += platzieren(wort->art, x, y);
            i += wort->wort.size();
        } else if (zeile[i] == u' ') {
            x += (m_keyWidth + 1) / 2;
            ++i;
        } else {
            const qsizetype laenge = zeichenLaenge(zeile, i);
            x += platzieren(Taste::Art::Zeichen, x, y, zeile.mid(i, laenge));
            i += laenge;
        }
        wachsen(x, y);
    }
}

int TastaturAufbau::platzieren(Taste::Art art, int x, int y, const QString& zeichen)
{
    Taste taste { art, zeichen, m_zaehler, QRect(x, y, sondertastenBreite(), m_keyHeight), true };
    switch (art) {
    case Taste::Art::Zeichen:
        taste.lage.setWidth(m_keyWidth);
        break;
    case Taste::Art::Leertaste:
        taste.text = QStringLiteral(" ");
        taste.lage.setWidth(3 * m_keyWidth);
        break;
    case Taste::Art::Enter:
        taste.nummer = kNummerEnter;
        taste.sichtbar = m_enterSichtbar;
        break;
    case Taste::Art::Loeschen:
        taste.text = QStringLiteral("{BACKSPACE}");
        taste.nummer = kNummerLoeschen;
        taste.sichtbar = m_loeschenSichtbar;
        break;
    case Taste::Art::Verbergen:
        taste.nummer = kNummerVerbergen;
        taste.sichtbar = m_hideSichtbar;
        break;
    }
    if (taste.nummer < kNummerEnter) {
        m_hoechsteNummer = taste.nummer;
        m_tasten.push_back(taste);
        return taste.lage.width();
    }
    // There is one of each special key: placing it again moves it.
    const auto alt
        = std::find_if(m_tasten.begin(), m_tasten.end(), [&](const Taste& t) { return t.nummer == taste.nummer; });
    if (alt != m_tasten.end())
        *alt = taste;
    else
        m_tasten.push_back(taste);
    return taste.lage.width();
}

void TastaturAufbau::wachsen(int x, int y)
{
    if (m_groesse.width() - kRandRechts < x)
        m_groesse.setWidth(x + kRandRechts);
    if (m_groesse.height() - kRandUnten < y + m_keyHeight)
        m_groesse.setHeight(y + m_keyHeight + kRandUnten);
}

void TastaturAufbau::leeren()
{
    m_tasten.clear();
    m_hoechsteNummer = 0;
    m_groesse = QSize();
}

const Taste* TastaturAufbau::tasteBei(QPoint punkt) const
{
    const auto taste = std::find_if(
        m_tasten.begin(), m_tasten.end(), [&](const Taste& t) { return t.sichtbar && t.lage.contains(punkt); });
    return taste == m_tasten.end() ? nullptr : &*taste;
}
