#pragma once

#include <functional>
#include <memory>

// A periodic timer with a fixed interval that calls its tick until stopped.
// Controls take a factory for them, so tests can step time by hand.
class Taktgeber {
public:
    using Tick = std::function<void()>;
    using Fabrik = std::function<std::unique_ptr<Taktgeber>(int intervallMs, Tick tick)>;

    virtual ~Taktgeber() = default;
    // Starting a running timer starts its interval over.
    virtual void starten() = 0;
    virtual void stoppen() = 0;
    virtual bool laeuft() const = 0;
};
