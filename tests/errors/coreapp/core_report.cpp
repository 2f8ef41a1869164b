// Reports one fault from a program without screens, as tonvaro-demo-songs
// does; exits with the continuation code. Argument: the folder for the log.
#include "errors/ErrPtnr.h"
#include "platform/AppPaths.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    AppPaths::setProgramFolder(app.arguments().value(1));
    return ErrPtnr::instance().OnError(Fault { QStringLiteral("Überlauf"), 6 }, "modTest", "Probe");
}
