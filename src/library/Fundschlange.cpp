#include "library/Fundschlange.h"

#include <utility>

namespace {

// Stacks read ahead of the receiver: enough to keep every core reading,
// few enough that the waiting files stay far below the archive's own memory.
constexpr std::size_t kPlaetze = 4;

} // namespace

bool Fundschlange::einreihen(Stapel& stapel, std::stop_token halt)
{
    {
        std::unique_lock lock(m_mutex);
        if (!m_fuerSuche.wait(lock, halt, [this] { return m_stapel.size() < kPlaetze; }))
            return false;
        m_stapel.push_back(std::move(stapel));
    }
    m_fuerEmpfaenger.notify_one();
    return true;
}

void Fundschlange::beenden()
{
    {
        std::lock_guard lock(m_mutex);
        m_beendet = true;
    }
    m_fuerEmpfaenger.notify_one();
}

std::vector<Fundschlange::Stapel> Fundschlange::nehmen(std::chrono::milliseconds hoechstens)
{
    std::vector<Stapel> stapel;
    {
        std::unique_lock lock(m_mutex);
        m_fuerEmpfaenger.wait_for(lock, hoechstens, [this] { return m_beendet || !m_stapel.empty(); });
        stapel.swap(m_stapel);
    }
    m_fuerSuche.notify_one();
    return stapel;
}

bool Fundschlange::erschoepft()
{
    std::lock_guard lock(m_mutex);
    return m_beendet && m_stapel.empty();
}
