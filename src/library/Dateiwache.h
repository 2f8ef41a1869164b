#pragma once

#include <QDateTime>
#include <QString>

#include <functional>
#include <optional>

// Notices, once per change, that a watched file was changed and is done
// with: its modification time differs from the one last seen, its size and
// modification time stayed the same over one tick, and it is not in use.
// Until then the change waits; once reported it counts as seen.
class Dateiwache {
public:
    using Belegt = std::function<bool(const QString& pfad)>;

    explicit Dateiwache(Belegt belegt);

    // Watches pfad from now on; its present state counts as seen. An empty
    // path watches nothing.
    void beobachten(const QString& pfad);
    const QString& pfad() const { return m_pfad; }

    // One tick: true when a change is to be offered now. A path that is
    // missing or a folder never reports a change.
    bool Tick();

private:
    struct Stand {
        qint64 groesse = 0;
        QDateTime geaendert;
        bool operator==(const Stand&) const = default;
    };

    std::optional<Stand> standJetzt() const;

    Belegt m_belegt;
    QString m_pfad;
    QDateTime m_gesehen;
    std::optional<Stand> m_letzterTick;
};
