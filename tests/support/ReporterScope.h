#pragma once

#include "support/ScriptedErrorWindow.h"

#include "common/ProgrammEnde.h"
#include "platform/AppPaths.h"

#include <QTemporaryDir>

// One test's world: the program's files in a temporary folder, a fresh error
// reporter that answers through `errors`, and no shutdown in progress.
class ReporterScope {
public:
    explicit ReporterScope(int antwort = ErrPtnr::Fortsetzen)
    {
        errors.otherwise = antwort;
        AppPaths::setProgramFolder(folder.path());
        ErrPtnr::instance().reset();
        ErrPtnr::instance().setWindow(&errors);
        ProgrammEnde = false;
    }
    ~ReporterScope()
    {
        ErrPtnr::instance().setWindow(nullptr);
        ErrPtnr::instance().reset();
        AppPaths::setProgramFolder(QString());
        ProgrammEnde = false;
    }

    QTemporaryDir folder;
    ScriptedErrorWindow errors;
};
