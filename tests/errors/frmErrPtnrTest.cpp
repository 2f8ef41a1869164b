#include "ReporterTest.h"
#include "support/RecordingMessages.h"

#include "errors/ErrorFiles.h"
#include "errors/ui/frmErrPtnr.h"
#include "errors/ui/ProtocolPrinter.h"

#include <QApplication>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

ErrorReport sampleReport(int contBits = 255)
{
    ErrorReport report;
    report.title = "tonvaro  V1.0.0 - Fehlermeldung";
    report.rows = { "Überlauf (6)", "frmMain", "Naechstes", "0" };
    report.history
        = { "[frmMain] void frmMain::Naechstes() 14:05:07", "[frmMain] void frmMain::Timer1_Timer() 14:05:07" };
    report.protocol = "----\r\nFEHLERBESCHREIBUNG:\r\n";
    report.contBits = contBits;
    return report;
}

} // namespace

using frmErrPtnrWindow = ReporterTest;

TEST_F(frmErrPtnrWindow, ShowsTheReportAndOnlyTheContinuationsItsBitsAllow)
{
    frmErrPtnr window(nullptr);
    window.prepare(sampleReport(3));
    QStringList texts { window.windowTitle(), window.lstCallStack()->item(1)->text() };
    for (const QLabel* label : window.findChild<QGroupBox*>("framFehler")->findChildren<QLabel*>())
        texts << label->text();
    for (int code = 0; code < 4; ++code)
        texts << QString::number(window.cmdContinue(code)->isHidden());
    EXPECT_EQ(texts,
        QStringList({ sampleReport().title, sampleReport().history[1], "Fehler-Nr:", "Überlauf (6)", "Modul:",
            "frmMain", "Prozedur:", "Naechstes", "Zeilen-Nr.:", "0", "0", "0", "1", "1" }));
}

// Timers run on under the modal window: their faults are logged and leave
// their procedures, and no second window stacks on the first.
TEST_F(frmErrPtnrWindow, ReturnsThePressedContinuationIgnoresEscapeAndOpensNoSecondWindow)
{
    RecordingMessages messages;
    frmErrPtnr shown(&messages);
    reporter().setWindow(&shown);
    int nestedCode = -1;
    QTimer::singleShot(0, [&] {
        EXPECT_EQ(QApplication::activeModalWidget(), &shown);
        QTest::keyClick(&shown, Qt::Key_Escape);
        nestedCode = reporter().OnError(Fault { "Überlauf", 6 }, "frmMain", "Timer1_Timer");
        EXPECT_EQ(QApplication::activeModalWidget(), &shown);
        shown.cmdContinue(ErrPtnr::ProzedurVerlassen)->click();
    });
    EXPECT_EQ(reporter().OnError(Fault { "Überlauf", 6 }, "frmMain", "Naechstes"), ErrPtnr::ProzedurVerlassen);
    EXPECT_EQ(nestedCode, ErrPtnr::ProzedurVerlassen);
    const QString log = QString::fromUtf8(readFile(ErrorFiles::logPath()));
    EXPECT_EQ(std::pair(log.count("F E H L E R P R O T O K O L L"), log.contains("Prozedur:\tTimer1_Timer\r\n")),
        std::pair(qsizetype(2), true));
    EXPECT_FALSE(shown.isVisible());
}

TEST(ProtocolPrinter, ReportsAPrinterThatCannotBeOpenedAndPrintsSilentlyOtherwise)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath("fehlt/protokoll.pdf"));
    RecordingMessages messages;
    ProtocolPrinter::printOn(printer, "Zeile\r\n", messages);
    EXPECT_EQ(messages.shown, QStringList("Das Fehlerprotokoll konnte nicht gedruckt werden."));
    EXPECT_EQ(messages.icons, QList<MessageService::Icon>({ MessageService::Icon::Warning }));

    printer.setOutputFileName(folder.filePath("protokoll.pdf"));
    ProtocolPrinter::printOn(printer, "          Zeile\tmit Tabulator\r\n", messages);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_GT(QFileInfo(printer.outputFileName()).size(), 0);
}
