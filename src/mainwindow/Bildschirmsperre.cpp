#include "mainwindow/Bildschirmsperre.h"

#include "library/Archivsuche.h"

Bildschirmsperre::Bildschirmsperre(std::function<QString()> passwort)
    : m_passwort(std::move(passwort))
{
}

void Bildschirmsperre::SchlossProzedur()
{
    m_code.clear();
    m_offen = true;
}

bool Bildschirmsperre::taste(const QString& Daten)
{
    if (!m_offen)
        return false;
    if (Daten == Archivsuche::kBackspace)
        Archivsuche::letztesZeichenLoeschen(m_code);
    else
        Archivsuche::anhaengen(m_code, Daten, kMaxCodeLaenge);
    return pruefen();
}

bool Bildschirmsperre::pruefen()
{
    const QString passwort = m_passwort();
    // An empty code never matches, not even an empty password.
    if (m_code.isEmpty() || m_code.compare(passwort, Qt::CaseInsensitive) != 0)
        return false;
    SchlossProzedur2();
    aufgeben();
    return true;
}

void Bildschirmsperre::SchlossProzedur2()
{
    m_tag = gesperrt() ? kAuf : kZu;
}

void Bildschirmsperre::aufgeben()
{
    m_code.clear();
    m_offen = false;
}

void Bildschirmsperre::laden()
{
    aufgeben();
    if (!mitPasswort())
        m_tag = kAuf;
}

bool Bildschirmsperre::mitPasswort() const
{
    return !m_passwort().trimmed().isEmpty();
}
