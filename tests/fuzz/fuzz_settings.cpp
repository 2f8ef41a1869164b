// Settings through the real INI store: what is saved loads back the same, and
// a hand-edited file of any content loads without harm.

#include "Fuzz.h"

#include "errors/Procedure.h"
#include "start/QSettingsStore.h"
#include "start/Settings.h"

#include <QDir>
#include <QSettings>

namespace {

StartSettings werte(FuzzedDataProvider& fuzz)
{
    StartSettings w;
    w.Pfad = Fuzz::text(fuzz, 60);
    w.PW = Fuzz::text(fuzz);
    w.Winamp = Fuzz::text(fuzz, 60);
    for (bool* flag : { &w.Zufall, &w.Doppelklick, &w.Maximieren, &w.Spiel, &w.Muelleimer, &w.Playliste, &w.RechteMaus,
             &w.Pause, &w.Windows })
        *flag = fuzz.ConsumeBool();
    w.Farbe = fuzz.ConsumeIntegralInRange(0, 0xFFFFFF);
    w.Hintergrundfarbe = fuzz.ConsumeIntegralInRange(0, 0xFFFFFF);
    w.Fading = fuzz.ConsumeIntegralInRange(StartSettings::kFadingMin, StartSettings::kFadingMax);
    w.Anzahl = fuzz.ConsumeIntegralInRange(0, 10);
    w.S = fuzz.ConsumeIntegralInRange(0, 3);
    return w;
}

bool gleich(const StartSettings& a, const StartSettings& b)
{
    return a.Pfad == b.Pfad && a.PW == b.PW && a.Winamp == b.Winamp && a.Zufall == b.Zufall
        && a.Doppelklick == b.Doppelklick && a.Maximieren == b.Maximieren && a.Spiel == b.Spiel
        && a.Muelleimer == b.Muelleimer && a.Playliste == b.Playliste && a.RechteMaus == b.RechteMaus
        && a.Pause == b.Pause && a.Windows == b.Windows && a.Farbe == b.Farbe
        && a.Hintergrundfarbe == b.Hintergrundfarbe && a.Fading == b.Fading && a.Anzahl == b.Anzahl && a.S == b.S;
}

StartSettings laden(const QString& anwendung)
{
    QSettingsStore store(anwendung);
    StartSettings gelesen = StartSettings::defaults();
    Procedure proc("Fuzz", "void laden()");
    Settings(store).load(gelesen, proc);
    return gelesen;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const bool config = QDir(Fuzz::scratch().path()).mkpath("config/Quorvane");
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, Fuzz::scratch().filePath("config"));
    // A file of its own for every input, so no cached copy of an earlier one is read.
    static int nummer = 0;
    const QString anwendung = QStringLiteral("tonvaro%1").arg(++nummer);
    const QString ini = QStringLiteral("config/Quorvane/%1.ini").arg(anwendung);
    FuzzedDataProvider fuzz(data, size);
    if (config && fuzz.ConsumeBool()) {
        Fuzz::writeFile(QByteArray::fromStdString(fuzz.ConsumeRemainingBytesAsString()), ini);
        laden(anwendung);
    } else {
        const StartSettings gespeichert = werte(fuzz);
        {
            QSettingsStore store(anwendung);
            FUZZ_CHECK(Settings(store).saveAll(gespeichert));
        }
        FUZZ_CHECK(gleich(laden(anwendung), gespeichert));
    }
    QFile::remove(Fuzz::scratch().filePath(ini));
    return 0;
}
