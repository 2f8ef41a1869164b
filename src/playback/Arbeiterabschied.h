#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Ends a background worker at a close. A file read on a stalled share may
// never return, and the program must close all the same: waits a moment for
// the worker to leave (it sets `ausgestiegen` under the lock and notifies
// `verlassen`) and joins it, else leaves it to finish alone. `lock` holds the
// worker's mutex on entry and is released on return.
void Arbeiterabschied(std::thread& arbeiter, std::unique_lock<std::mutex>& lock, std::condition_variable& verlassen,
    const bool& ausgestiegen);
