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

TEST(ErrorMail, TheProtocolWaitsOnTheClipboardAndAFailedStartNamesTheAddressToWriteTo)
{
    for (const bool started : { true, false }) {
        QList<QUrl> opened;
        RecordingMessages messages;
        QGuiApplication::clipboard()->setText("vorher");
        ErrorMail::send(kProtocol, messages, [&](const QUrl& url) {
            opened << url;
            return started;
        });
        EXPECT_EQ(
            std::tuple(QGuiApplication::clipboard()->text(), opened, messages.shown.size(), messages.icons.last()),
            std::tuple(kProtocol, QList<QUrl>({ QUrl("mailto:support@quorvane.de") }), started ? 1 : 2,
                started ? MessageService::Icon::Information : MessageService::Icon::Warning));
        EXPECT_TRUE(messages.shown.last().contains(started ? "Zwischenablage" : "support@quorvane.de"));
    }
}
