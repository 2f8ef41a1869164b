#pragma once

#include "playback/Lautheitswerte.h"

#include <QString>
#include <QtGlobal>

#include <atomic>
#include <memory>
#include <optional>

// Measures loudness and true peak (EBU R 128, libebur128) of 16-bit stereo
// at the output rate, the format the players put out.
class Lautheitsmessung {
public:
    Lautheitsmessung();
    ~Lautheitsmessung();
    Lautheitsmessung(const Lautheitsmessung&) = delete;
    Lautheitsmessung& operator=(const Lautheitsmessung&) = delete;

    void hinzufuegen(const qint16* stereo, int frames);
    Lautheitswerte ergebnis() const;

    // Decodes the file exactly as a player does, so the figures are those of
    // what is heard. Nothing when the file does not decode or `abbruch` is
    // set meanwhile (it is looked at between blocks).
    static std::optional<Lautheitswerte> datei(const QString& path, const std::atomic<bool>& abbruch);

private:
    // libebur128's state, an unnamed struct that cannot be declared here.
    struct Zustand;
    std::unique_ptr<Zustand> m_zustand;
};
