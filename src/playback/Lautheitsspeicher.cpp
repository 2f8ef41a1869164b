#include "playback/Lautheitsspeicher.h"

#include <QFile>
#include <QLocale>
#include <QSaveFile>

#include <cmath>

namespace {

const QByteArray kKopf = QByteArrayLiteral("Tonvaro Lautheit 1");
constexpr char kTrenner = '\t';
constexpr int kZahlfelder = 4;
// Far above anything measured; keeps numbers from a damaged file in a range the gain rule handles.
constexpr double kHoechsterWert = 100;
// A cache of kHoechstens songs with long paths stays well below this.
constexpr qint64 kHoechsteDateigroesse = 64 * 1024 * 1024;

std::optional<double> pegel(const QByteArray& feld)
{
    bool ok = false;
    const double wert = feld.toDouble(&ok);
    // -inf stands for "not measurable" (silence); NaN and +inf are damage.
    if (!ok || std::isnan(wert) || wert > kHoechsterWert)
        return std::nullopt;
    return wert;
}

QByteArray zahl(double wert)
{
    return QString::number(wert, 'g', QLocale::FloatingPointShortest).toUtf8();
}

bool haltbarerPfad(const QString& pfad)
{
    return !pfad.isEmpty() && !pfad.contains(QLatin1Char('\n'));
}

} // namespace

Lautheitsspeicher Lautheitsspeicher::lesen(const QByteArray& daten)
{
    Lautheitsspeicher speicher;
    const QList<QByteArray> zeilen = daten.split('\n');
    if (zeilen.first() != kKopf)
        return speicher;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        if (const auto eintrag = zeile(zeilen[i]))
            speicher.eintragen(eintrag->first, eintrag->second);
    }
    return speicher;
}

std::optional<std::pair<QString, Lautheitsspeicher::Eintrag>> Lautheitsspeicher::zeile(const QByteArray& text)
{
    // The path comes last and keeps any tab it holds.
    QList<QByteArray> felder;
    qsizetype anfang = 0;
    for (int i = 0; i < kZahlfelder; ++i) {
        const qsizetype ende = text.indexOf(kTrenner, anfang);
        if (ende < 0)
            return std::nullopt;
        felder.append(text.mid(anfang, ende - anfang));
        anfang = ende + 1;
    }
    bool groesseOk = false;
    bool zeitOk = false;
    Eintrag eintrag;
    eintrag.groesse = felder[0].toLongLong(&groesseOk);
    eintrag.geaendertMs = felder[1].toLongLong(&zeitOk);
    const auto lufs = pegel(felder[2]);
    const auto spitze = pegel(felder[3]);
    if (!groesseOk || !zeitOk || eintrag.groesse < 0 || !lufs || !spitze)
        return std::nullopt;
    eintrag.werte = { *lufs, *spitze };
    return std::pair { QString::fromUtf8(text.mid(anfang)), eintrag };
}

QByteArray Lautheitsspeicher::daten() const
{
    QByteArray text = kKopf + '\n';
    for (const auto& [pfad, e] : m_eintraege) {
        text += QByteArray::number(e.groesse) + kTrenner + QByteArray::number(e.geaendertMs) + kTrenner
            + zahl(e.werte.lufs) + kTrenner + zahl(e.werte.spitzeDbtp) + kTrenner + pfad.toUtf8() + '\n';
    }
    return text;
}

Lautheitsspeicher Lautheitsspeicher::laden(const QString& datei)
{
    QFile file(datei);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kHoechsteDateigroesse)
        return {};
    return lesen(file.readAll());
}

bool Lautheitsspeicher::speichern(const QString& datei) const
{
    const QByteArray text = daten();
    QSaveFile file(datei);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
}

std::optional<Lautheitswerte> Lautheitsspeicher::finden(const QString& pfad, qint64 groesse, qint64 geaendertMs) const
{
    const auto it = m_eintraege.find(pfad);
    if (it == m_eintraege.end() || it->second.groesse != groesse || it->second.geaendertMs != geaendertMs)
        return std::nullopt;
    return it->second.werte;
}

bool Lautheitsspeicher::eintragen(const QString& pfad, const Eintrag& eintrag)
{
    if (!haltbarerPfad(pfad) || (m_eintraege.size() >= kHoechstens && !m_eintraege.contains(pfad)))
        return false;
    m_eintraege[pfad] = eintrag;
    return true;
}

void Lautheitsspeicher::behalten(const std::function<bool(const QString& pfad, const Eintrag& eintrag)>& gilt)
{
    std::erase_if(m_eintraege, [&](const auto& paar) { return !gilt(paar.first, paar.second); });
}
