#include "library/Fundschlange.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// Stacks read ahead of the receiver: enough to keep every core reading,
// few enough that the waiting files stay far below the archive's own memory.
constexpr std::size_t kPlaetze = 4;

} // namespace

bool Fundschlange::einreihen(Stapel& stapel, std::stop_token halt)
{
    QFuture<void> gelesen = stapel.gelesen;
    {
        std::unique_lock lock(m_mutex);
        if (!m_fuerSuche.wait(lock, halt, [this] { return m_stapel.size() < kPlaetze; }))
            return false;
        m_stapel.push_back(std::move(stapel));
    }
    // Runs on the reader that finishes the stack, or here if that happened already.
    gelesen.then(QtFuture::Launch::Sync, [this] { wecken(); });
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

void Fundschlange::wecken()
{
    // Taking the lock orders this after a receiver's check of the stacks, so
    // that the receiver is either past its check or already waiting.
    {
        std::lock_guard lock(m_mutex);
    }
    m_fuerEmpfaenger.notify_one();
}

std::vector<Fundschlange::Stapel> Fundschlange::nehmen(std::chrono::milliseconds hoechstens)
{
    std::vector<Stapel> gelesen;
    {
        std::unique_lock lock(m_mutex);
        const auto ungelesen = [this] {
            return std::find_if(
                m_stapel.begin(), m_stapel.end(), [](const Stapel& stapel) { return !stapel.gelesen.isFinished(); });
        };
        m_fuerEmpfaenger.wait_for(
            lock, hoechstens, [&] { return (m_beendet && m_stapel.empty()) || ungelesen() != m_stapel.begin(); });
        const auto ende = ungelesen();
        gelesen.assign(std::make_move_iterator(m_stapel.begin()), std::make_move_iterator(ende));
        m_stapel.erase(m_stapel.begin(), ende);
    }
    if (!gelesen.empty())
        m_fuerSuche.notify_one();
    return gelesen;
}

bool Fundschlange::erschoepft()
{
    std::lock_guard lock(m_mutex);
    return m_beendet && m_stapel.empty();
}
