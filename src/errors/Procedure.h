#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <concepts>
#include <initializer_list>
#include <type_traits>
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
// A step that yields a value: return proc.value([&] { return GetBand(datei); }, QString());
class Procedure {
public:
    // One parameter: its name and value (QObject pointers are shown by class name).
    struct Param {
        Param(const char* name, QVariant value)
            : name(name)
            , value(std::move(value))
        {
        }
        template <typename T>
        requires std::derived_from<T, QObject> Param(const char* name, T* object)
            : Param(name, QVariant::fromValue(static_cast<QObject*>(object)))
        {
        }

        const char* name;
        QVariant value;
    };

    Procedure(const char* object, const char* declaration, std::initializer_list<Param> params = {});

    // Runs one step; false means: leave the procedure now.
    template <typename Step> bool run(Step&& step)
    {
        for (;;) {
            try {
                step();
                return true;
            } catch (...) {
                switch (askReporter()) {
                case Repeat:
                    continue;
                case Continue:
                    return true;
                case Leave:
                    return false;
                }
            }
        }
    }

    // Runs a step that yields a value; a fault that leaves or continues gives fallback.
    template <typename Step, typename T = std::decay_t<std::invoke_result_t<Step&>>>
    T value(Step&& step, std::type_identity_t<T> fallback)
    {
        T result = std::move(fallback);
        run([&] { result = step(); });
        return result;
    }

    const QString& object() const { return m_object; }
    // The procedure's name as OnError reports it, taken from the declaration.
    const QString& name() const { return m_name; }

    // "void frmMain::Uebernehmen_Click()" gives "Uebernehmen_Click".
    static QString nameOf(const QString& declaration);

private:
    enum Decision { Repeat = 0, Continue = 1, Leave = 2 };
    // Asks OnError for the current exception; ends the program on code 3.
    Decision askReporter();

    QString m_object;
    QString m_name;
};
