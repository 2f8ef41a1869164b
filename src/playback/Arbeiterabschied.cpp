#include "playback/Arbeiterabschied.h"

#include <chrono>

namespace {

constexpr std::chrono::milliseconds kAbschiedsfrist { 200 };

} // namespace

void Arbeiterabschied(std::thread& arbeiter, std::unique_lock<std::mutex>& lock, std::condition_variable& verlassen,
    const bool& ausgestiegen)
{
    const bool verlassenHat = verlassen.wait_for(lock, kAbschiedsfrist, [&] { return ausgestiegen; });
    lock.unlock();
    if (verlassenHat)
        arbeiter.join();
    else
        arbeiter.detach();
}
