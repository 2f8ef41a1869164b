#include "library/Dateiinspektor.h"

#include "common/MessageService.h"
#include "errors/Procedure.h"
#include "library/Kopiennummer.h"
#include "start/SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QScopedValueRollback>

namespace {

const QString kSektion = QStringLiteral("Data");
const QString kSchluessel = QStringLiteral("File");
constexpr qint64 kBlock = 1 << 16;

bool dieselbeDatei(const QString& pfad1, const QString& pfad2)
{
    const QFileInfo info1(pfad1);
    const QFileInfo info2(pfad2);
    return info1.exists() && info2.exists() ? info1 == info2 : info1.absoluteFilePath() == info2.absoluteFilePath();
}

// Through a temporary file that is renamed at the end: a target is either
// the complete copy or untouched.
bool kopieren(const QString& quelle, const QString& ziel)
{
    QFile ein(quelle);
    QSaveFile aus(ziel);
    if (!ein.open(QIODevice::ReadOnly) || !aus.open(QIODevice::WriteOnly))
        return false;
    while (!ein.atEnd()) {
        const QByteArray block = ein.read(kBlock);
        if (block.isEmpty() || aus.write(block) != block.size())
            return false;
    }
    return aus.commit();
}

} // namespace

Dateiinspektor::Dateiinspektor(SettingsStore& store, MessageService& meldungen, Dateiwache::Belegt belegt)
    : m_store(store)
    , m_meldungen(meldungen)
    , m_wache(std::move(belegt))
{
}

void Dateiinspektor::setSpeichernUnter(SpeichernUnter speichernUnter)
{
    m_speichernUnter = std::move(speichernUnter);
}

QString Dateiinspektor::gespeicherterPfad() const
{
    return m_store.GetSetting(kSektion, kSchluessel, QString());
}

bool Dateiinspektor::Command1(const QString& pfad)
{
    Procedure proc("Dateiinspektor", "bool Dateiinspektor::Command1(const QString& pfad)", { { "pfad", pfad } });
    if (QFileInfo(pfad).isDir()) {
        m_meldungen.show(MessageService::Icon::Warning,
            QStringLiteral("\"%1\" ist ein Ordner. Bitte geben Sie eine Datei zum Überwachen an.").arg(pfad));
        return false;
    }
    return proc.run([&] {
        m_wache.beobachten(pfad);
        m_store.SaveSetting(kSektion, kSchluessel, pfad);
        if (!m_store.sync())
            m_meldungen.show(MessageService::Icon::Warning,
                QStringLiteral("Die Einstellung konnte nicht gespeichert werden:\n%1").arg(m_store.location()));
    });
}

void Dateiinspektor::Timer1()
{
    if (m_dialogOffen)
        return;
    Procedure proc("Dateiinspektor", "void Dateiinspektor::Timer1()");
    proc.run([&] {
        if (m_wache.Tick())
            kopieAnbieten();
    });
}

void Dateiinspektor::kopieAnbieten()
{
    const QScopedValueRollback offen(m_dialogOffen, true);
    const QString datei = m_wache.pfad();
    const QString titel = datei + QStringLiteral(" speichern");
    const QString vorschlag = Kopiennummer::Vorschlag(datei);
    for (;;) {
        const QString ziel = m_speichernUnter ? m_speichernUnter(titel, vorschlag) : QString();
        if (ziel.isEmpty())
            return;
        if (!dieselbeDatei(ziel, datei)) {
            if (!kopieren(datei, ziel))
                m_meldungen.show(MessageService::Icon::Warning,
                    QStringLiteral("Die Kopie \"%1\" konnte nicht gespeichert werden.").arg(ziel));
            return;
        }
        m_meldungen.show(MessageService::Icon::Warning,
            QStringLiteral("Die überwachte Datei kann nicht ihre eigene Kopie sein. Bitte wählen Sie einen anderen "
                           "Dateinamen."));
    }
}
