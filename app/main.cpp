#include "common/ProgrammEnde.h"
#include "common/SystemClock.h"
#include "common/ui/Dialogstil.h"
#include "common/ui/MessageBoxService.h"
#include "errors/ErrPtnr.h"
#include "errors/ui/frmErrPtnr.h"
#include "mainwindow/ui/frmMain.h"
#include "platform/AppPaths.h"
#include "platform/ui/KioskFactory.h"
#include "playback/ModPlayer.h"
#include "start/QSettingsStore.h"
#include "start/ui/frmStart.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QScreen>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Settings, error files and message captions go by the executable's name.
    QCoreApplication::setApplicationName(AppPaths::programName());
    // Qt's own dialogs (folder, colour) speak German like the rest of the program.
    QTranslator qtDeutsch;
    if (qtDeutsch.load(QLocale(QLocale::German), QStringLiteral("qtbase"), QStringLiteral("_"),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDeutsch);

    frmErrPtnr fehlerfenster;
    ErrPtnr::instance().setWindow(&fehlerfenster);

    MessageBoxService meldungen;
    QSettingsStore einstellungen(AppPaths::programName());
    frmStart start(einstellungen, meldungen);
    // Message boxes are as large as the grids' text.
    meldungen.setSchriftgroesse([&start] { return start.werte().schriftgroesse(); });
    SystemClock uhr;
    frmMain hauptfenster(start, meldungen, modPlayer(), uhr, &KioskFactory::create);
    start.setScreen(&hauptfenster, &hauptfenster);
    // A box without an owner could open behind the full-screen jukebox; the start window, when shown, is in front.
    meldungen.setOwners({ &start, &hauptfenster });
    // Sound output notices (no device, device lost or back) go to the window in front.
    QObject::connect(&modPlayer(), &ModPlayer::notice, &hauptfenster, [&](const QString& text) {
        if (hauptfenster.isVisible())
            hauptfenster.Startmeldung({ text, QString() });
        else
            start.setGefunden(text);
    });

    // "Programm beenden" in the error window: give the desktop back first, then end at once.
    ErrPtnr::instance().setEndProgram([&hauptfenster] {
        ProgrammEnde = true;
        hauptfenster.close();
        std::fflush(nullptr);
        std::_Exit(EXIT_FAILURE);
    });

    // Without a window manager a window would open in the screen's corner.
    Dialogstil::zentrieren(start, start.screen()->geometry());
    start.show();
    const int code = QApplication::exec();
    ErrPtnr::instance().setEndProgram(nullptr);
    ErrPtnr::instance().setWindow(nullptr);
    return code;
}
