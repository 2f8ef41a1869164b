#include "errors/ErrorMail.h"

#include "common/MessageService.h"

#include <QClipboard>
#include <QGuiApplication>

QString ErrorMail::supportAddress()
{
    return QStringLiteral("support@quorvane.de");
}

QString ErrorMail::notice()
{
    return QStringLiteral(
        "Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung sowie das Fehlerprotokoll\n"
        "wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert.\n"
        "\n"
        "Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem Email-Programm\n"
        "die Tasten [Strg] und [V] gleichzeitig betätigen. Alternativ können Sie den Inhalt in die EMail\n"
        "einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen.");
}

void ErrorMail::send(const QString& protocol, MessageService& messages, const std::function<bool(const QUrl&)>& open)
{
    messages.show(MessageService::Icon::Information, notice());
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(protocol);
    if (open(QUrl(QStringLiteral("mailto:") + supportAddress())))
        return;
    messages.show(MessageService::Icon::Warning,
        QStringLiteral("Das Email-Programm konnte nicht gestartet werden. Bitte senden Sie das Fehlerprotokoll aus "
                       "der Zwischenablage an ")
            + supportAddress() + QStringLiteral("."));
}
