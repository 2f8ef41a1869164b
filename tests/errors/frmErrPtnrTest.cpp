#include "ReporterTest.h"
#include "support/RecordingMessages.h"

#include "errors/ErrorFiles.h"
#include "errors/ErrorProtocol.h"
#include "errors/ui/frmErrPtnr.h"
#include "errors/ui/ProtocolPrinter.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace {

ErrorReport sampleReport(int contBits = 255)
{
    ErrorReport report;
    report.title = QStringLiteral("tonvaro  V1.0.0 - Fehlermeldung");
    report.rows = { QStringLiteral("Überlauf (6)"), QStringLiteral("frmMain"), QStringLiteral("Naechstes"),
        QStringLiteral("0") };
    report.history = { QStringLiteral("[frmMain] void frmMain::Naechstes() 14:05:07"),
        QStringLiteral("[frmMain] void frmMain::Timer1_Timer() 14:05:07") };
    report.protocol = QStringLiteral("----\r\nFEHLERBESCHREIBUNG:\r\n");
    report.contBits = contBits;
    return report;
}

// Presses a continuation button of the window that is modal at that moment.
void pressLater(int code)
{
    QTimer::singleShot(0, [code] {
        auto* window = qobject_cast<frmErrPtnr*>(QApplication::activeModalWidget());
        ASSERT_NE(window, nullptr);
        window->cmdContinue(code)->click();
    });
}

} // namespace

using frmErrPtnrWindow = ReporterTest;

TEST_F(frmErrPtnrWindow, ShowsTheReport)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    window.prepare(sampleReport());

    EXPECT_EQ(window.windowTitle(), QStringLiteral("tonvaro  V1.0.0 - Fehlermeldung"));
    for (int row = 0; row < ErrorReport::kRowCount; ++row)
        EXPECT_EQ(window.lblError(row)->text(), sampleReport().rows[row]);
    ASSERT_EQ(window.lstCallStack()->count(), 2);
    EXPECT_EQ(window.lstCallStack()->item(0)->text(), sampleReport().history[0]);
    EXPECT_EQ(window.cmdProtocol(2)->text(), QStringLiteral("&EMail"));
}

TEST_F(frmErrPtnrWindow, ContBitsThreeShowsOnlyRepeatAndContinue)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    window.prepare(sampleReport(3));

    EXPECT_FALSE(window.cmdContinue(0)->isHidden());
    EXPECT_FALSE(window.cmdContinue(1)->isHidden());
    EXPECT_TRUE(window.cmdContinue(2)->isHidden());
    EXPECT_TRUE(window.cmdContinue(3)->isHidden());
    EXPECT_EQ(window.cmdContinue(0)->text(), QStringLiteral("Befehl wieder&holen"));
    EXPECT_EQ(window.cmdContinue(1)->text(), QStringLiteral("Fortsetzen mit &nächsten Befehl"));
}

TEST_F(frmErrPtnrWindow, ReturnsThePressedContinuationAndIgnoresEscape)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&window, Qt::Key_Escape);
        EXPECT_TRUE(window.isVisible());
        window.cmdContinue(ErrPtnr::ProzedurVerlassen)->click();
    });
    EXPECT_EQ(window.showReport(sampleReport()), ErrPtnr::ProzedurVerlassen);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(frmErrPtnrWindow, FaultWhileOpenGetsAWindowOfItsOwn)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    int nestedCode = -1;
    QTimer::singleShot(0, [&] {
        pressLater(ErrPtnr::Fortsetzen);
        nestedCode = window.showReport(sampleReport());
        pressLater(ErrPtnr::BefehlWiederholen);
    });
    EXPECT_EQ(window.showReport(sampleReport()), ErrPtnr::BefehlWiederholen);
    EXPECT_EQ(nestedCode, ErrPtnr::Fortsetzen);
}

TEST_F(frmErrPtnrWindow, SaveButtonWritesTheProtocolFile)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    window.prepare(sampleReport());

    window.cmdProtocol(1)->click();

    EXPECT_EQ(readFile(ErrorFiles::protocolPath()), sampleReport().protocol.toUtf8());
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(frmErrPtnrWindow, PrintWithoutPrinterIsReported)
{
    // Only where nothing would really be printed.
    if (!QPrinterInfo::defaultPrinter().isNull())
        GTEST_SKIP() << "this system has a default printer";
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    window.prepare(sampleReport());

    window.cmdProtocol(0)->click();

    EXPECT_EQ(messages.shown,
        QStringList(
            QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden, weil kein Drucker eingerichtet ist.")));
}

TEST(ProtocolPrinter, PrintsEveryLineIntoTheDocument)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("protokoll.pdf")));
    QStringList lines;
    for (int line = 0; line < 200; ++line)
        lines << QStringLiteral("          Zeile %1\tmit Tabulator").arg(line);

    ASSERT_TRUE(ProtocolPrinter::print(lines, printer));

    QFile pdf(printer.outputFileName());
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    // 200 lines do not fit on one page.
    EXPECT_GE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 2);
}

TEST(ProtocolPrinter, PrinterThatCannotBeOpenedIsReported)
{
    QTemporaryDir folder;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(folder.filePath(QStringLiteral("fehlt/protokoll.pdf")));
    RecordingMessages messages;

    ProtocolPrinter::printOn(printer, QStringLiteral("Zeile\r\n"), messages);

    EXPECT_EQ(messages.shown, QStringList(QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden.")));
    EXPECT_EQ(messages.icons, QList<MessageService::Icon>({ MessageService::Icon::Warning }));

    messages.shown.clear();
    printer.setOutputFileName(folder.filePath(QStringLiteral("protokoll.pdf")));
    ProtocolPrinter::printOn(printer, QStringLiteral("Zeile\r\n"), messages);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_TRUE(QFile::exists(printer.outputFileName()));
}
