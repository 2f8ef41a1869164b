#pragma once

#include <QFuture>
#include <QString>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <stop_token>
#include <vector>

// Carries found files from the search's thread to the thread that asked for
// them, a stack at a time, in the order found. Each stack is still being
// read when it is queued; the receiver gets it once it is read, so that a
// slow disk never keeps the receiver waiting long. A bounded queue: the
// search waits while it is full, so a slow receiver costs no memory.
class Fundschlange {
public:
    struct Fund {
        QString pfad;
        // Filled in by the reading: 0 for a file that is empty or vanished.
        qint64 groesse = 0;
        // What the receiver does with the file, on its own thread.
        std::function<void()> uebergabe;
    };
    struct Stapel {
        std::vector<Fund> funde;
        // Finished when every Fund of the stack is read.
        QFuture<void> gelesen;
    };

    // Waits while the queue is full, then takes the stack over; false when
    // halt stopped the wait, and the stack stays the caller's.
    bool einreihen(Stapel& stapel, std::stop_token halt);
    // No more stacks come; wakes the receiver.
    void beenden();

    // The stacks read by now at the front of the queue, after waiting at most
    // hoechstens for one or for the end; empty when none was read in that time.
    std::vector<Stapel> nehmen(std::chrono::milliseconds hoechstens);
    // Ended, and every stack taken.
    bool erschoepft();

private:
    void wecken();

    std::mutex m_mutex;
    std::condition_variable_any m_fuerSuche;
    std::condition_variable m_fuerEmpfaenger;
    std::vector<Stapel> m_stapel;
    bool m_beendet = false;
};
