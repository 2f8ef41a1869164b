#pragma once

#include <QString>

#include <functional>

// The screen lock. Locked, guests may still browse but not queue, move or
// delete. Locking and unlocking both take the operator's password, typed on
// the on-screen keyboard or a hardware keyboard; it is accepted the moment
// the code matches, whatever the case, without Enter.
//
// While the code entry is open the keys only go to the code, never to the
// archive search, so nobody watching learns the code from the archive's jumps.
class Bildschirmsperre {
public:
    static constexpr int kMaxCodeLaenge = 99;
    static constexpr QChar kMaske = u'#';
    static inline const QString kAuf = QStringLiteral("Auf");
    static inline const QString kZu = QStringLiteral("Zu");

    // The password as the start window holds it at the time of typing.
    explicit Bildschirmsperre(std::function<QString()> passwort);

    // The tag of Schloss: "Auf" or "Zu".
    const QString& Tag() const { return m_tag; }
    bool gesperrt() const { return m_tag == kZu; }

    // Opens the code entry with an empty code.
    void SchlossProzedur();
    bool codeEingabeOffen() const { return m_offen; }
    // The code as the field shows it: one mask character per letter.
    QString anzeige() const { return QString(m_code.size(), kMaske); }
    const QString& code() const { return m_code; }

    // A key while the code entry is open: its upper-case form is appended up
    // to kMaxCodeLaenge characters, "{BACKSPACE}" (a hardware keyboard's)
    // removes the last. Returns true when the code matched: the lock then
    // toggled and the entry closed.
    bool taste(const QString& Daten);

    // Toggles the lock.
    void SchlossProzedur2();
    // Closes the code entry without a change (the idle time ran out).
    void aufgeben();

    // At every start of the screen: the code entry closes, and without a
    // password nobody could unlock, so the screen opens.
    void laden();
    // Which lock button shows: none without a password, else the one of the state.
    bool SchlossSichtbar() const { return mitPasswort() && !gesperrt(); }
    bool Schloss2Sichtbar() const { return mitPasswort() && gesperrt(); }

private:
    bool pruefen();
    bool mitPasswort() const;

    std::function<QString()> m_passwort;
    QString m_tag = kAuf;
    QString m_code;
    bool m_offen = false;
};
