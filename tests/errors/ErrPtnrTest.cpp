#include "ReporterTest.h"

#include "errors/ErrorFiles.h"
#include "errors/Procedure.h"

#include <QProcess>
#include <QRegularExpression>

const Fault kOverflow { "Überlauf", 6 };

using ErrPtnrHistory = ReporterTest;
using ErrPtnrOnError = ReporterTest;

TEST_F(ErrPtnrHistory, NewestFirstParametersInDeclarationOrderAndFortyEntriesAtMost)
{
    reporter().CallStack("[frmMain] void frmMain::Form_Load()");
    clock.jetzt += 3000;
    Procedure proc("frmMain", "void frmMain::MSFlexGrid1_MouseDown(int Button, int Shift, float X, float Y)",
        { { "Button", 1 }, { "Shift", 0 }, { "X", 12.5 }, { "Y", 7 } });
    EXPECT_EQ(reporter().history(),
        QStringList({ "[frmMain] void frmMain::MSFlexGrid1_MouseDown(int Button, int Shift, float X, float Y) 14:05:10",
            "\tButton:\t1", "\tShift:\t0", "\tX:\t12.5", "\tY:\t7", "[frmMain] void frmMain::Form_Load() 14:05:07" }));

    for (int call = 0; call < 40; ++call)
        reporter().CallStack(QStringLiteral("[modTest] void modTest::Schritt%1()").arg(call));
    reporter().CallStackParam("Datei", "a.mp3");
    const QStringList history = reporter().history();
    ASSERT_EQ(history.size(), ErrPtnr::kMaxHistory) << "parameters count too";
    EXPECT_EQ(history.mid(0, 2), QStringList({ "[modTest] void modTest::Schritt39() 14:05:10", "\tDatei:\ta.mp3" }));
    EXPECT_EQ(history.last(), "[modTest] void modTest::Schritt1() 14:05:10");
}

TEST_F(ErrPtnrOnError, ShowsTheFaultWritesTheProtocolAndAppendsEveryOneToTheLog)
{
    reporter().SetProgInfo("tonvaro  V1.0.0");
    window.codes = { ErrPtnr::Fortsetzen };
    Procedure proc(
        "modMP3Tags", "QString modMP3Tags::GetBand(const QString& MP3Datei)", { { "MP3Datei", "/musik/a.mp3" } });
    EXPECT_EQ(
        reporter().OnError(Fault { "Datei nicht gefunden", 53 }, proc.object(), proc.name(), 3), ErrPtnr::Fortsetzen);
    ASSERT_EQ(window.reports.size(), 1);
    EXPECT_EQ(std::tuple(window.reports[0].rows, window.reports[0].contBits, window.reports[0].title),
        std::tuple(QStringList({ "Datei nicht gefunden (53)", "modMP3Tags", "GetBand", "0" }), 3,
            QStringLiteral("tonvaro  V1.0.0 - Fehlermeldung")));

    const QString expected = window.reports.first().protocol;
    // The log's readers look for these labelled lines; the system's own values differ from machine to machine.
    const QRegularExpression lines("^-{70}\r\nF E H L E R P R O T O K O L L vom ErrorPartner\r\n.*"
                                   "\r\n          Fehler-Nr:\tDatei nicht gefunden \\(53\\)\r\n.*"
                                   "\r\n          Datum/Uhrzeit:\t09\\.03\\.2024 / 14:05:07\r\n.*"
                                   "\r\n          \tMP3Datei:\t/musik/a\\.mp3\r\n.*\r\n-{70}\r\n$",
        QRegularExpression::DotMatchesEverythingOption);
    EXPECT_TRUE(lines.match(expected).hasMatch()) << expected.toStdString();
    EXPECT_EQ(QString::fromUtf8(readFile(ErrorFiles::logPath())), expected);

    clock.jetzt += 60000;
    reporter().OnError(kOverflow, "frmStart", "Form_Load");
    ASSERT_EQ(window.reports.size(), 2);
    EXPECT_EQ(ErrorFiles::logPath(), QDir(folder.path()).filePath(AppPaths::programName() + ".EPT"));
    EXPECT_EQ(readFile(ErrorFiles::logPath()), (expected + window.reports[1].protocol).toUtf8());
    EXPECT_FALSE(QFile::exists(ErrorFiles::protocolPath())) << "the .ERR file is written on request only";
}

// A log that cannot be written may not stop or loop the report.
TEST_F(ErrPtnrOnError, UnwritableLogStillEndsTheReport)
{
    window.codes = { ErrPtnr::BefehlWiederholen };
    AppPaths::setProgramFolder(folder.filePath("fehlt/auch"));
    EXPECT_FALSE(ErrorFiles::appendToLog("x"));
    EXPECT_EQ(reporter().OnError(kOverflow, "frmMain", "Naechstes"), ErrPtnr::BefehlWiederholen);
    EXPECT_EQ(window.reports.size(), 1);
}

// Without a window (tools such as tonvaro-demo-songs run no screens) a fault is logged and leaves its procedure.
TEST_F(ErrPtnrOnError, ProgramWithoutScreensLogsTheFaultAndLeavesTheProcedure)
{
    QProcess tool;
    tool.start(TONVARO_CORE_REPORT, { folder.path() });
    ASSERT_TRUE(tool.waitForFinished(60000));
    EXPECT_EQ(std::pair(tool.exitStatus(), tool.exitCode()), std::pair(QProcess::NormalExit, 2))
        << tool.readAllStandardError().toStdString();
    EXPECT_TRUE(QDir(folder.path()).entryList({ "*.EPT" }).size() == 1);
}
