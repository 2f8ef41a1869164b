#include "ReporterTest.h"
#include "support/RecordingMessages.h"

#include "errors/ErrorFiles.h"
#include "errors/ErrorMail.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

namespace {

const QString kProtocol = QStringLiteral("----\r\nFEHLERBESCHREIBUNG:\r\n          Fehler-Nr:\tÜberlauf (6)\r\n");

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString savedMessage(const QString& path)
{
    return QStringLiteral("Das Fehlerprotokoll wurde in die Datei '") + path + QStringLiteral("' geschrieben !");
}

// Receives "mailto:" addresses instead of the desktop's mail program.
class MailRecorder : public QObject {
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened << url; }
};

} // namespace

using ErrorFilesSave = ReporterTest;

TEST_F(ErrorFilesSave, NewFileIsWrittenWithoutQuestion)
{
    RecordingMessages messages;
    const QString path = ErrorFiles::protocolPath();
    EXPECT_EQ(path, QDir(folder.path()).filePath(AppPaths::programName() + QStringLiteral(".ERR")));

    ErrorFiles::saveProtocol(kProtocol, messages);

    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_EQ(messages.shown, QStringList(savedMessage(path)));
    EXPECT_EQ(readFile(path), kProtocol.toUtf8());
}

TEST_F(ErrorFilesSave, ExistingFileIsReplacedOnlyAfterYes)
{
    RecordingMessages messages;
    const QString path = ErrorFiles::protocolPath();
    writeFile(path, "alt");

    messages.answer = false;
    ErrorFiles::saveProtocol(kProtocol, messages);
    EXPECT_EQ(
        messages.asked, QStringList(QStringLiteral("Vorhandene Datei '") + path + QStringLiteral("' überschreiben ?")));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(readFile(path), QByteArray("alt"));

    messages.answer = true;
    ErrorFiles::saveProtocol(kProtocol, messages);
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_EQ(messages.shown, QStringList(savedMessage(path)));
    EXPECT_EQ(readFile(path), kProtocol.toUtf8());
}

TEST_F(ErrorFilesSave, FailedWriteIsReportedAsFailure)
{
    RecordingMessages messages;
    AppPaths::setProgramFolder(folder.filePath(QStringLiteral("fehlt")));

    ErrorFiles::saveProtocol(kProtocol, messages);

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.icons.first(), MessageService::Icon::Warning);
    EXPECT_TRUE(messages.shown.first().startsWith(QStringLiteral("Das Fehlerprotokoll konnte nicht in die Datei '")
        + ErrorFiles::protocolPath() + QStringLiteral("' geschrieben werden !")));
}

TEST(ErrorMail, NoticeThenClipboardThenSupportAddress)
{
    MailRecorder mail;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "open");
    RecordingMessages messages;
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));

    ErrorMail::send(kProtocol, messages);
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown.first().split(QLatin1Char('\n')),
        QStringList({ QStringLiteral("Es wird jetzt Ihr Standard-Email-Programm aufgerufen. Die Fehlerbeschreibung "
                                     "sowie das Fehlerprotokoll"),
            QStringLiteral("wurden zu Ihrer Bequemlichkeit in die Zwischenablage kopiert."), QString(),
            QStringLiteral("Bitte fügen Sie den Inhalt der Zwischenablage in Ihre Email ein, indem Sie in Ihrem "
                           "Email-Programm"),
            QStringLiteral("die Tasten [Strg] und [V] gleichzeitig betätigen. Alternativ können Sie den Inhalt in die "
                           "EMail"),
            QStringLiteral("einfügen, indem Sie den Befehl 'Einfügen' aus dem Menü 'Bearbeiten' ausführen.") }));
    EXPECT_EQ(messages.icons.first(), MessageService::Icon::Information);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kProtocol);
    EXPECT_EQ(mail.opened, QList<QUrl>({ QUrl(QStringLiteral("mailto:support@quorvane.de")) }));
}

TEST(ErrorMail, MailProgramThatDoesNotStartIsReported)
{
    RecordingMessages messages;
    QList<QUrl> tried;

    ErrorMail::send(kProtocol, messages, [&](const QUrl& url) {
        tried << url;
        return false;
    });

    EXPECT_EQ(tried.size(), 1);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.icons[1], MessageService::Icon::Warning);
    EXPECT_EQ(messages.shown[1],
        QStringLiteral("Das Email-Programm konnte nicht gestartet werden. Bitte senden Sie das Fehlerprotokoll aus der "
                       "Zwischenablage an support@quorvane.de."));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kProtocol) << "the protocol waits on the clipboard";
}

#include "ErrorFilesTest.moc"
