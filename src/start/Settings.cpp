#include "start/Settings.h"

#include "errors/Procedure.h"
#include "start/SettingsStore.h"
#include "start/SettingText.h"

#include <functional>
#include <vector>

namespace {

// One key of the store and how it maps to its field.
struct Key {
    QString name;
    std::function<void(StartSettings&, const QString&)> read;
    std::function<QString(const StartSettings&)> write;
    // The text a missing key reads as, from the first-run values.
    std::function<QString(const StartSettings&)> fallback;
};

Key textKey(const char* name, QString StartSettings::*field)
{
    auto write = [field](const StartSettings& s) { return s.*field; };
    return { QString::fromLatin1(name), [field](StartSettings& s, const QString& t) { s.*field = t; }, write, write };
}

// Check boxes: stored as "0"/"1", missing keys read as "True"/"False".
Key flagKey(const char* name, bool StartSettings::*field)
{
    return { QString::fromLatin1(name),
        [field](StartSettings& s, const QString& t) { s.*field = SettingText::toBoolean(t); },
        [field](const StartSettings& s) { return SettingText::fromBoolean(s.*field); },
        [field](const StartSettings& s) { return s.*field ? QStringLiteral("True") : QStringLiteral("False"); } };
}

Key numberKey(const char* name, int StartSettings::*field, int min, int max)
{
    auto write = [field](const StartSettings& s) { return QString::number(s.*field); };
    return { QString::fromLatin1(name),
        [field, min, max](StartSettings& s, const QString& t) { s.*field = SettingText::toLongIn(t, min, max); }, write,
        write };
}

// Always keep this order: "Nicht durchsuchen" writes the first four, the music folder comes first.
const std::vector<Key>& keyTable()
{
    static const std::vector<Key> table {
        textKey("Pfad", &StartSettings::Pfad),
        textKey("PW", &StartSettings::PW),
        flagKey("Zufall", &StartSettings::Zufall),
        flagKey("Doppelklick", &StartSettings::Doppelklick),
        flagKey("Maximieren", &StartSettings::Maximieren),
        numberKey("Farbe", &StartSettings::Farbe, 0, 0xFFFFFF),
        numberKey("Hintergrundfarbe", &StartSettings::Hintergrundfarbe, 0, 0xFFFFFF),
        numberKey("Fading", &StartSettings::Fading, StartSettings::kFadingMin, StartSettings::kFadingMax),
        flagKey("Spiel", &StartSettings::Spiel),
        numberKey("Anzahl", &StartSettings::Anzahl, 0, int(StartSettings::anzahlListe().size()) - 1),
        flagKey("Muelleimer", &StartSettings::Muelleimer),
        flagKey("Playliste", &StartSettings::Playliste),
        flagKey("RechteMaus", &StartSettings::RechteMaus),
        flagKey("Pause", &StartSettings::Pause),
        textKey("Winamp", &StartSettings::Winamp),
        flagKey("Windows", &StartSettings::Windows),
        numberKey("S", &StartSettings::S, 0, int(StartSettings::schriftgroessenListe().size()) - 1),
    };
    return table;
}

constexpr int kOhneScanKeys = 4;
// The operator's options that the start window neither shows nor writes.
const QString kLautheitKey = QStringLiteral("Lautheit");
const QString kId3v2Key = QStringLiteral("ID3v2");
const QString kFileKey = QStringLiteral("File");

} // namespace

const QString Settings::kSection = QStringLiteral("Data");

Settings::Settings(SettingsStore& store)
    : m_store(store)
{
}

bool Settings::load(StartSettings& werte, Procedure& proc) const
{
    werte.Lautheit = SettingText::istEin(m_store.GetSetting(kSection, kLautheitKey, QString()));
    werte.ID3v2 = SettingText::istEin(m_store.GetSetting(kSection, kId3v2Key, QString()));
    const StartSettings erstlauf = StartSettings::defaults();
    for (const Key& key : keyTable()) {
        const bool weiter
            = proc.run([&] { key.read(werte, m_store.GetSetting(kSection, key.name, key.fallback(erstlauf))); });
        if (!weiter)
            return false;
    }
    return true;
}

bool Settings::saveAll(const StartSettings& werte)
{
    return save(werte, int(keyTable().size()));
}

bool Settings::saveOhneScan(const StartSettings& werte)
{
    return save(werte, kOhneScanKeys);
}

bool Settings::save(const StartSettings& werte, int keyCount)
{
    for (int i = 0; i < keyCount; ++i) {
        const Key& key = keyTable()[size_t(i)];
        m_store.SaveSetting(kSection, key.name, key.write(werte));
    }
    return m_store.sync();
}

bool Settings::saveMusikordner(const QString& pfad)
{
    StartSettings werte;
    werte.Pfad = pfad;
    return save(werte, 1);
}

QString Settings::File() const
{
    return m_store.GetSetting(kSection, kFileKey, QString());
}

bool Settings::saveFile(const QString& datei)
{
    m_store.SaveSetting(kSection, kFileKey, datei);
    return m_store.sync();
}

QString Settings::ort() const
{
    return m_store.location();
}

QStringList Settings::keys()
{
    QStringList names;
    for (const Key& key : keyTable())
        names << key.name;
    return names;
}
