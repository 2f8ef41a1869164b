#pragma once

#include <QString>
#include <QVariant>

#include <initializer_list>
#include <utility>

// Registers a procedure with the error reporter on entry and runs its steps
// under the reporter's fault handling:
//
//     void frmMain::menuNeuEinlesen_Click()
//     {
//         Procedure proc("frmMain", "void frmMain::menuNeuEinlesen_Click()");
//         if (!proc.run([&] { TabelleLeeren(archiv); }))
//             return;
//         proc.run([&] { Einlesen(pfad); });
//     }
//
// A step that throws asks ErrPtnr::OnError what to do: repeat the step, go
// on with the next one (run() returns true), leave the procedure (run()
// returns false) or end the program. Parameters are given in declaration
// order: Procedure proc("frmMain", "...", {{"Button", button}, {"Shift", shift}}).
class Procedure {
public:
    using Param = std::pair<const char*, QVariant>;

    Procedure(const char* object, const char* declaration, std::initializer_list<Param> params = {});

    // Runs one step; false means: leave the procedure now.
    template <typename Step>
    bool run(Step&& step)
    {
        for (;;) {
            try {
                step();
                return true;
            } catch (...) {
                switch (askReporter()) {
                case Repeat: continue;
                case Continue: return true;
                default: return false;
                }
            }
        }
    }

    // Runs a step that yields a value; a fault that leaves or continues gives fallback.
    template <typename Step, typename T>
    T value(Step&& step, T fallback)
    {
        T result = std::move(fallback);
        run([&] { result = step(); });
        return result;
    }

    const QString& object() const { return m_object; }
    const QString& name() const { return m_name; }

private:
    enum Decision { Repeat = 0, Continue = 1, Leave = 2 };
    // Asks OnError for the current exception; ends the program on code 3.
    Decision askReporter();

    QString m_object;
    QString m_name;
};
