#include "support/RecordingMessages.h"
#include "ReporterTest.h"

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
    EXPECT_EQ(messages.shown.first().split(QLatin1Char('\n')).size(), 6);
    EXPECT_EQ(messages.shown.first(), ErrorMail::notice());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kProtocol);
    EXPECT_EQ(mail.opened, QList<QUrl>({ QUrl(QStringLiteral("mailto:support@quorvane.de")) }));
}

#include "ErrorFilesTest.moc"
