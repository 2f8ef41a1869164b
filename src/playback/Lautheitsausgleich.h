#pragma once

#include <QString>

#include <memory>
#include <thread>

// Even loudness between songs: measures each song queued on a worker thread
// while the previous one plays, keeps the figures in a cache file and tells
// the sequencer the gain to open a song with. Nothing is read, measured or
// started before the first song is queued for measuring, so with the option
// off the jukebox does exactly what it did without it. The worker never
// holds up the screen; closing waits at most a moment for a file read under
// way.
class Lautheitsausgleich {
public:
    // The cache file; empty: "Lautheit.txt" in the per-user data folder.
    explicit Lautheitsausgleich(QString cachedatei = QString());
    ~Lautheitsausgleich();
    Lautheitsausgleich(const Lautheitsausgleich&) = delete;
    Lautheitsausgleich& operator=(const Lautheitsausgleich&) = delete;

    // Measures the song unless the cache knows it as it is now.
    void vormerken(const QString& pfad);
    // The factor to play the song with: the levelling gain once it is
    // measured, else 1.
    double faktor(const QString& pfad) const;
    // Songs waiting or being measured.
    int offen() const;

private:
    struct Arbeit;
    static void arbeiten(const std::shared_ptr<Arbeit>& arbeit);

    std::shared_ptr<Arbeit> m_arbeit;
    std::thread m_arbeiter;
};
