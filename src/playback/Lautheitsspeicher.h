#pragma once

#include "playback/Lautheitswerte.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <map>
#include <optional>

// The loudness measured per song, kept in a small file so that each song is
// measured once. An entry holds for a path only while the file keeps the size
// and the modification time it was measured with. The file is text, one
// song a line after a header; a file without the header (foreign, or of a
// later version) counts as empty and a line that does not read is skipped,
// so a damaged file is rebuilt by the next measurements.
class Lautheitsspeicher {
public:
    struct Eintrag {
        qint64 groesse = 0;
        qint64 geaendertMs = 0; // modification time, ms since the epoch
        Lautheitswerte werte;
        bool operator==(const Eintrag&) const = default;
    };
    using Eintraege = std::map<QString, Eintrag>;

    // Beyond this many songs no new one is kept; the file stays a few MB.
    static constexpr std::size_t kHoechstens = 100000;

    static Lautheitsspeicher lesen(const QByteArray& daten);
    QByteArray daten() const;

    // A missing or unreadable file gives an empty store.
    static Lautheitsspeicher laden(const QString& datei);
    // Replaces the file through a temporary file and a rename; false when that failed.
    bool speichern(const QString& datei) const;

    std::optional<Lautheitswerte> finden(const QString& pfad, qint64 groesse, qint64 geaendertMs) const;
    // False for a path the file cannot hold (empty, or with a line break) and
    // for a new song when the store is full.
    bool eintragen(const QString& pfad, const Eintrag& eintrag);
    // Keeps only the entries `gilt` accepts.
    void behalten(const std::function<bool(const QString& pfad, const Eintrag& eintrag)>& gilt);

    const Eintraege& eintraege() const { return m_eintraege; }

private:
    // The entry of one line, or nothing when the line does not read.
    static std::optional<std::pair<QString, Eintrag>> zeile(const QByteArray& text);

    Eintraege m_eintraege;
};
