#include "ReporterTest.h"
#include "support/RecordingMessages.h"

#include "errors/ErrorFiles.h"
#include "errors/ErrorMail.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QUrl>

const QString kProtocol = "----\r\nFEHLERBESCHREIBUNG:\r\n          Fehler-Nr:\tÜberlauf (6)\r\n";

using ErrorFilesSave = ReporterTest;

TEST_F(ErrorFilesSave, NewFileIsWrittenAtOnceAnExistingOneOnlyAfterYesAndAFailureIsReported)
{
    RecordingMessages messages;
    const QString path = ErrorFiles::protocolPath();
    EXPECT_EQ(path, QDir(folder.path()).filePath(AppPaths::programName() + ".ERR"));
    const QString saved = "Das Fehlerprotokoll wurde in die Datei '" + path + "' geschrieben !";

    ErrorFiles::saveProtocol("alt", messages);
    EXPECT_EQ(std::tuple(messages.asked, messages.shown, readFile(path)),
        std::tuple(QStringList(), QStringList(saved), QByteArray("alt")));

    messages.shown.clear();
    messages.answer = false;
    ErrorFiles::saveProtocol(kProtocol, messages);
    EXPECT_EQ(std::tuple(messages.asked, messages.shown, readFile(path)),
        std::tuple(QStringList("Vorhandene Datei '" + path + "' überschreiben ?"), QStringList(), QByteArray("alt")));

    messages.answer = true;
    ErrorFiles::saveProtocol(kProtocol, messages);
    EXPECT_EQ(std::tuple(messages.asked.size(), messages.shown, readFile(path)),
        std::tuple(qsizetype(2), QStringList(saved), kProtocol.toUtf8()));

    AppPaths::setProgramFolder(folder.filePath("fehlt"));
    ErrorFiles::saveProtocol(kProtocol, messages);
    EXPECT_EQ(messages.icons.last(), MessageService::Icon::Warning);
    EXPECT_TRUE(messages.shown.last().startsWith(
        "Das Fehlerprotokoll konnte nicht in die Datei '" + ErrorFiles::protocolPath() + "' geschrieben werden !"));
}

TEST_F(ErrorFilesSave, LogDropsItsOldestWholeProtocolsBeyondItsLimit)
{
    const QString line(70, QLatin1Char('-'));
    QByteArray all;
    for (int n = 0; all.size() <= ErrorFiles::kLogLimit; ++n) {
        const QString protocol = line + "\r\nF E H L E R P R O T O K O L L vom ErrorPartner\r\n"
            + QString(1000, QLatin1Char('x')) + QString::number(n) + "\r\n" + line + "\r\n";
        ASSERT_TRUE(ErrorFiles::appendToLog(protocol));
        all += protocol.toUtf8();
    }
    const QByteArray log = readFile(ErrorFiles::logPath());
    EXPECT_LE(log.size(), ErrorFiles::kLogLimit);
    EXPECT_GT(log.size(), ErrorFiles::kLogLimit / 4);
    EXPECT_TRUE(log.startsWith((line + "\r\nF E H").toUtf8()));
    EXPECT_TRUE(all.endsWith(log)) << "the newest protocols stay whole and in order";
}

TEST(ErrorMail, NoticeThenClipboardThenSupportAddressAndAFailedStartIsReported)
{
    QList<QUrl> opened;
    bool started = true;
    const auto mailProgram = [&](const QUrl& url) {
        opened << url;
        return started;
    };
    RecordingMessages messages;
    QGuiApplication::clipboard()->setText("vorher");

    ErrorMail::send(kProtocol, messages, mailProgram);

    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().contains("Zwischenablage")) << "the notice says where the protocol waits";
    EXPECT_EQ(messages.icons.first(), MessageService::Icon::Information);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kProtocol);
    EXPECT_EQ(opened, QList<QUrl>({ QUrl("mailto:support@quorvane.de") }));

    QGuiApplication::clipboard()->clear();
    started = false;
    ErrorMail::send(kProtocol, messages, mailProgram);
    ASSERT_EQ(std::pair(messages.shown.size(), messages.icons.last()),
        std::pair(qsizetype(3), MessageService::Icon::Warning));
    EXPECT_TRUE(messages.shown[2].contains("support@quorvane.de")) << "the address to write to by hand";
    EXPECT_EQ(QGuiApplication::clipboard()->text(), kProtocol) << "the protocol waits on the clipboard";
}
