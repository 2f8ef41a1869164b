#include "ReporterTest.h"

#include "errors/ErrorFiles.h"
#include "errors/Procedure.h"
#include "errors/SystemInfo.h"

#include <QRegularExpression>
#include <QTimer>

namespace {

const Fault kOverflow { QStringLiteral("Überlauf"), 6 };

} // namespace

using ErrPtnrHistory = ReporterTest;
using ErrPtnrOnError = ReporterTest;

TEST_F(ErrPtnrHistory, KeepsTheFortyNewestEntries)
{
    for (int call = 0; call < 45; ++call)
        reporter().CallStack(QStringLiteral("[modTest] void modTest::Schritt%1()").arg(call));

    const QStringList history = reporter().history();
    ASSERT_EQ(history.size(), ErrPtnr::kMaxHistory);
    EXPECT_EQ(history.first(), QStringLiteral("[modTest] void modTest::Schritt44() 14:05:07"));
    EXPECT_EQ(history.last(), QStringLiteral("[modTest] void modTest::Schritt5() 14:05:07"));
}

TEST_F(ErrPtnrHistory, ParametersFollowTheirProcedureInDeclarationOrder)
{
    reporter().CallStack(QStringLiteral("[frmMain] void frmMain::Form_Load()"));
    clock.time = clock.time.addSecs(3);
    Procedure proc("frmMain", "void frmMain::MSFlexGrid1_MouseDown(int Button, int Shift, float X, float Y)",
        { { "Button", 1 }, { "Shift", 0 }, { "X", 12.5 }, { "Y", 7 } });

    EXPECT_EQ(reporter().history(),
        QStringList(
            { QStringLiteral(
                  "[frmMain] void frmMain::MSFlexGrid1_MouseDown(int Button, int Shift, float X, float Y) 14:05:10"),
                QStringLiteral("\tButton:\t1"), QStringLiteral("\tShift:\t0"), QStringLiteral("\tX:\t12.5"),
                QStringLiteral("\tY:\t7"), QStringLiteral("[frmMain] void frmMain::Form_Load() 14:05:07") }));
}

TEST_F(ErrPtnrHistory, ParameterOfAFullHistoryPushesOutTheOldest)
{
    for (int call = 0; call < ErrPtnr::kMaxHistory; ++call)
        reporter().CallStack(QStringLiteral("[modTest] void modTest::Schritt%1()").arg(call));
    reporter().CallStackParam(QStringLiteral("Datei"), QStringLiteral("a.mp3"));

    const QStringList history = reporter().history();
    ASSERT_EQ(history.size(), ErrPtnr::kMaxHistory);
    EXPECT_EQ(history[1], QStringLiteral("\tDatei:\ta.mp3"));
    EXPECT_EQ(history.last(), QStringLiteral("[modTest] void modTest::Schritt1() 14:05:07"));
}

TEST_F(ErrPtnrHistory, ValueTextsNameTheKindOfValue)
{
    QObject named;
    QTimer timer;
    const QList<std::pair<QVariant, QString>> cases {
        { QVariantList { 1, 2 }, QStringLiteral("[ARRAY]") },
        { QStringList { QStringLiteral("a") }, QStringLiteral("[ARRAY]") },
        { QVariant::fromValue(QList<int> { 1 }), QStringLiteral("[ARRAY]") },
        { QVariant::fromValue(nullptr), QStringLiteral("[NULL]") },
        { QVariant(QMetaType::fromType<int>()), QStringLiteral("[NULL]") },
        { QVariant(), QStringLiteral("[EMPTY]") },
        { QVariant::fromValue<QObject*>(nullptr), QStringLiteral("[NOTHING]") },
        { QVariant::fromValue<QTimer*>(nullptr), QStringLiteral("[NOTHING]") },
        { QVariant::fromValue(&named), QStringLiteral("[OBJECT:QObject]") },
        { QVariant::fromValue(&timer), QStringLiteral("[OBJECT:QTimer]") },
        { QStringLiteral("Grüße; ok"), QStringLiteral("Grüße; ok") },
        { QString(), QString() },
        { 42, QStringLiteral("42") },
        { true, QStringLiteral("true") },
    };
    for (const auto& [value, text] : cases) {
        reporter().CallStack(QStringLiteral("[modTest] void f()"));
        reporter().CallStackParam(QStringLiteral("v"), value);
        EXPECT_EQ(reporter().history()[1], QStringLiteral("\tv:\t") + text) << qPrintable(text);
    }
}

TEST_F(ErrPtnrHistory, ProcedureShowsAnObjectParameterByItsClass)
{
    QTimer timer;
    QTimer* none = nullptr;
    Procedure proc("frmMain", "void frmMain::Timer1_Timer(QTimer* sender, QTimer* other)",
        { { "sender", &timer }, { "other", none } });
    EXPECT_EQ(reporter().history()[1], QStringLiteral("\tsender:\t[OBJECT:QTimer]"));
    EXPECT_EQ(reporter().history()[2], QStringLiteral("\tother:\t[NOTHING]"));
}

TEST(ErrPtnr, LPSTRToVBStringCutsAtTheFirstNul)
{
    EXPECT_EQ(ErrPtnr::LPSTRToVBString(QStringLiteral("Service Pack 3") + QChar(0) + QStringLiteral("xx")),
        QStringLiteral("Service Pack 3"));
    EXPECT_EQ(ErrPtnr::LPSTRToVBString(QString(QChar(0))), QString());
    EXPECT_EQ(ErrPtnr::LPSTRToVBString(QStringLiteral("ohne Ende")), QString());
}

TEST_F(ErrPtnrOnError, ShowsTheFaultAndReturnsTheChosenCode)
{
    window.codes = { ErrPtnr::Fortsetzen };
    EXPECT_EQ(
        reporter().OnError(kOverflow, QStringLiteral("frmMain"), QStringLiteral("Naechstes"), 3), ErrPtnr::Fortsetzen);

    ASSERT_EQ(window.reports.size(), 1);
    const ErrorReport& report = window.reports.first();
    EXPECT_EQ(report.rows,
        QStringList({ QStringLiteral("Überlauf (6)"), QStringLiteral("frmMain"), QStringLiteral("Naechstes"),
            QStringLiteral("0") }));
    EXPECT_EQ(report.contBits, 3);
    EXPECT_EQ(report.title, reporter().progInfo() + QStringLiteral(" - Fehlermeldung"));
}

TEST_F(ErrPtnrOnError, ProgInfoIsBuiltFromProgramNameAndVersionUnlessSet)
{
    EXPECT_EQ(reporter().progInfo(), AppPaths::programName() + QStringLiteral("  V1.0.0"));
    reporter().SetProgInfo(QStringLiteral("Quorvane Tonvaro  V2.1.3"));
    reporter().OnError(kOverflow, QStringLiteral("frmMain"), QStringLiteral("Naechstes"));
    EXPECT_EQ(window.reports.first().title, QStringLiteral("Quorvane Tonvaro  V2.1.3 - Fehlermeldung"));
}

TEST_F(ErrPtnrOnError, ProtocolHasTheExactLayout)
{
    reporter().SetProgInfo(QStringLiteral("tonvaro  V1.0.0"));
    Procedure proc("modMP3Tags", "QString modMP3Tags::GetBand(const QString& MP3Datei)",
        { { "MP3Datei", QStringLiteral("/musik/a.mp3") } });
    reporter().OnError(Fault { QStringLiteral("Datei nicht gefunden"), 53 }, proc.object(), proc.name());

    const SystemInfo system = SystemInfo::current();
    const QString dashes(70, QLatin1Char('-'));
    const QString expected = dashes
        + "\r\n"
          "F E H L E R P R O T O K O L L vom ErrorPartner\r\n"
        + dashes
        + "\r\n"
          "tonvaro  V1.0.0 - Fehlermeldung\r\n"
        + dashes
        + "\r\n"
          "FEHLERBESCHREIBUNG:\r\n"
          "          Fehler-Nr:\tDatei nicht gefunden (53)\r\n"
          "          Modul:\tmodMP3Tags\r\n"
          "          Prozedur:\tGetBand\r\n"
          "          Zeilen-Nr.:\t0\r\n"
          "          Datum/Uhrzeit:\t09.03.2024 / 14:05:07\r\n"
        + dashes
        + "\r\n"
          "CALLSTACK:\r\n"
          "          [modMP3Tags] QString modMP3Tags::GetBand(const QString& MP3Datei) 14:05:07\r\n"
          "          \tMP3Datei:\t/musik/a.mp3\r\n"
        + dashes
        + "\r\n"
          "SYSTEMINFO:\r\n"
          "          Plattform:\t"
        + system.platform
        + "\r\n"
          "          Version:\t"
        + system.version
        + "\r\n"
          "          Build:\t"
        + system.build + "   " + system.edition + "\r\n" + dashes + "\r\n";
    ASSERT_EQ(window.reports.size(), 1);
    EXPECT_EQ(window.reports.first().protocol, expected);
    EXPECT_EQ(QString::fromUtf8(readFile(ErrorFiles::logPath())), expected);
}

TEST_F(ErrPtnrOnError, EveryErrorIsAppendedToTheLog)
{
    reporter().OnError(kOverflow, QStringLiteral("frmMain"), QStringLiteral("Naechstes"));
    clock.time = clock.time.addSecs(60);
    reporter().OnError(kOverflow, QStringLiteral("frmStart"), QStringLiteral("Form_Load"));

    ASSERT_EQ(window.reports.size(), 2);
    EXPECT_EQ(ErrorFiles::logPath(), QDir(folder.path()).filePath(AppPaths::programName() + QStringLiteral(".EPT")));
    EXPECT_EQ(readFile(ErrorFiles::logPath()), (window.reports[0].protocol + window.reports[1].protocol).toUtf8());
    EXPECT_FALSE(QFile::exists(ErrorFiles::protocolPath()));
}

TEST_F(ErrPtnrOnError, UnwritableLogStillShowsTheWindow)
{
    AppPaths::setProgramFolder(folder.filePath(QStringLiteral("fehlt/auch")));
    window.codes = { ErrPtnr::BefehlWiederholen };
    EXPECT_FALSE(ErrorFiles::appendToLog(QStringLiteral("x")));
    EXPECT_EQ(reporter().OnError(kOverflow, QStringLiteral("frmMain"), QStringLiteral("Naechstes")),
        ErrPtnr::BefehlWiederholen);
    EXPECT_EQ(window.reports.size(), 1);
}

TEST_F(ErrPtnrOnError, WithoutAWindowTheProcedureIsLeft)
{
    reporter().setWindow(nullptr);
    EXPECT_EQ(reporter().OnError(kOverflow, QStringLiteral("frmMain"), QStringLiteral("Naechstes")),
        ErrPtnr::ProzedurVerlassen);
    EXPECT_FALSE(readFile(ErrorFiles::logPath()).isEmpty());
}

TEST(SystemInfo, NamesPlatformVersionAndBuild)
{
    const SystemInfo system = SystemInfo::current();
    EXPECT_FALSE(system.platform.isEmpty());
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+$")).match(system.version).hasMatch())
        << qPrintable(system.version);
    EXPECT_TRUE(system.build.startsWith(system.version));
}
