// The texts guests and operators meet: keyboard layout rows, the search text
// typed on the keys, the marquee's placeholders and the duration texts.

#include "Fuzz.h"

#include "controls/TastaturAufbau.h"
#include "controls/Textersetzen.h"
#include "library/Archivsuche.h"
#include "playback/Zeittext.h"

#include <QRegularExpression>
#include <QTime>

namespace {

// No half of a surrogate pair: those would come back as replacement characters.
bool ganzeZeichen(const QString& text)
{
    const QList<uint> zeichen = text.toUcs4();
    return QString::fromUcs4(reinterpret_cast<const char32_t*>(zeichen.constData()), zeichen.size()) == text;
}

void tastatur(FuzzedDataProvider& fuzz)
{
    TastaturAufbau aufbau;
    aufbau.setKeyWidth(fuzz.ConsumeIntegralInRange(1, 2000));
    aufbau.setKeyHeight(fuzz.ConsumeIntegralInRange(1, 2000));
    aufbau.setLoeschenSichtbar(fuzz.ConsumeBool());
    for (int zeile = 0; zeile < 4; ++zeile)
        aufbau.Tastatur_Ini(zeile, Fuzz::text(fuzz, 30));
    const QRect flaeche(QPoint(0, 0), aufbau.groesse());
    for (const Taste& taste : aufbau.tasten()) {
        FUZZ_CHECK(flaeche.contains(taste.lage));
        FUZZ_CHECK(taste.art != Taste::Art::Zeichen || (!taste.text.isEmpty() && ganzeZeichen(taste.text)));
        FUZZ_CHECK(!taste.sichtbar || aufbau.tasteBei(taste.lage.center()) == &taste);
        for (const Taste& andere : aufbau.tasten())
            FUZZ_CHECK(&andere == &taste || !andere.lage.intersects(taste.lage));
    }
}

void suchtext(FuzzedDataProvider& fuzz)
{
    Archivsuche suche;
    while (fuzz.remaining_bytes() > 0) {
        const QString vorher = suche.Suchtext();
        const bool loeschen = fuzz.ConsumeBool();
        suche.taste(loeschen ? Archivsuche::kBackspace : Fuzz::text(fuzz, 8));
        const QString& jetzt = suche.Suchtext();
        FUZZ_CHECK(jetzt.size() <= Archivsuche::kMaxLaenge && ganzeZeichen(jetzt));
        if (loeschen)
            FUZZ_CHECK(vorher.isEmpty() ? jetzt.isEmpty() : vorher.startsWith(jetzt) && ganzeZeichen(jetzt));
        else
            FUZZ_CHECK(jetzt.startsWith(vorher));
    }
}

QString zweistellig(int wert)
{
    return QStringLiteral("%1").arg(wert, 2, 10, QLatin1Char('0'));
}

// The marquee text built from plain pieces and placeholders in any letter case, with what it must become.
void laufschrift(FuzzedDataProvider& fuzz)
{
    const QTime jetzt = QTime::fromMSecsSinceStartOfDay(fuzz.ConsumeIntegralInRange(0, 86'399'999));
    const bool blank = jetzt.msec() > 0 && jetzt.msec() < 500;
    const int sekunde = jetzt.msecsSinceStartOfDay() / 1000;
    QString text, soll;
    while (fuzz.remaining_bytes() > 0) {
        const QString stueck = Fuzz::text(fuzz, 10).remove(QLatin1Char('['));
        text += stueck;
        soll += stueck;
        const int art = fuzz.ConsumeIntegralInRange(0, 3);
        const int hh = fuzz.ConsumeIntegralInRange(0, 29), mm = fuzz.ConsumeIntegralInRange(0, 69);
        const QString ziel = zweistellig(hh) + ':' + zweistellig(mm);
        QString platzhalter = QStringList { "[ZEIT]", "[ZEITS]", "[CDN" + ziel + "]", "[CDS" + ziel + "]" }[art];
        for (QChar& c : platzhalter)
            c = fuzz.ConsumeBool() ? c.toLower() : c;
        text += platzhalter;
        const int rest = (hh * 3600 + mm * 60 - sekunde + 86400) % 86400;
        const int restMinuten = (hh * 60 + mm - sekunde / 60 + 1440) % 1440;
        const QString hhmm = zweistellig(jetzt.hour()) + (blank ? ' ' : ':') + zweistellig(jetzt.minute());
        if (art == 0)
            soll += hhmm;
        else if (art == 1)
            soll += zweistellig(jetzt.hour()) + ':' + zweistellig(jetzt.minute()) + (blank ? ' ' : ':')
                + zweistellig(jetzt.second());
        else if (hh > 23 || mm > 59)
            soll += platzhalter;
        else
            soll += art == 2 ? zweistellig(restMinuten / 60) + ':' + zweistellig(restMinuten % 60)
                             : QString::number(rest);
    }
    FUZZ_CHECK(Textersetzen(text, jetzt) == soll);
}

void dauer(FuzzedDataProvider& fuzz)
{
    const qint64 sekunden = fuzz.ConsumeIntegralInRange<qint64>(0, 999'999 * 60 + 59);
    FUZZ_CHECK(Zeittext::DauerLesen(Zeittext::Dauer(sekunden)) == sekunden);
    static const QRegularExpression form(QStringLiteral("^\\s*([0-9]{1,6}):([0-5]?[0-9])\\s*$"));
    const QString text = Fuzz::text(fuzz, 20);
    const auto gelesen = Zeittext::DauerLesen(text);
    const QRegularExpressionMatch treffer = form.match(text);
    FUZZ_CHECK(gelesen.has_value() == treffer.hasMatch());
    FUZZ_CHECK(!gelesen || *gelesen == treffer.captured(1).toLongLong() * 60 + treffer.captured(2).toInt());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzedDataProvider fuzz(data, size);
    switch (fuzz.ConsumeIntegralInRange(0, 3)) {
    case 0:
        tastatur(fuzz);
        break;
    case 1:
        suchtext(fuzz);
        break;
    case 2:
        laufschrift(fuzz);
        break;
    default:
        dauer(fuzz);
    }
    return 0;
}
