#include "ReporterTest.h"
#include "support/RecordingMessages.h"

#include "errors/ErrorFiles.h"
#include "errors/ErrorProtocol.h"
#include "errors/ui/frmErrPtnr.h"
#include "errors/ui/ProtocolPrinter.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
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

TEST_F(frmErrPtnrWindow, CaptionsAreTheGermanTexts)
{
    RecordingMessages messages;
    frmErrPtnr window(&messages);
    window.prepare(sampleReport());
    const auto caption = [&](const char* frame) {
        auto* box = window.findChild<QGroupBox*>(QLatin1String(frame));
        return box ? box->title() : QStringLiteral("<fehlt>");
    };

    EXPECT_EQ(caption("framComment"), QString());
    EXPECT_EQ(caption("framFehler"), QStringLiteral("Fehlerbeschreibung:"));
    EXPECT_EQ(caption("framProtocol"), QStringLiteral("Fehlerprotokoll ..."));
    EXPECT_EQ(caption("framCallStack"), QStringLiteral("CallStack:"));
    EXPECT_EQ(caption("framContinue"), QStringLiteral("Weiterer Programmablauf..."));
    auto* comment = window.findChild<QLabel*>(QStringLiteral("lblComment"));
    ASSERT_NE(comment, nullptr);
    EXPECT_EQ(comment->text(),
        QStringLiteral("Es liegt ein Problem vor, mit dem Sie sich an den technischen Support von Quorvane wenden "
                       "sollten. Bitte nutzen Sie zum Versenden des Fehlerreports die EMail-Funktion."));

    // Each title stands on the line of its value.
    auto* rows = qobject_cast<QGridLayout*>(window.findChild<QGroupBox*>(QStringLiteral("framFehler"))->layout());
    ASSERT_NE(rows, nullptr);
    const QStringList titles { QStringLiteral("Fehler-Nr:"), QStringLiteral("Modul:"), QStringLiteral("Prozedur:"),
        QStringLiteral("Zeilen-Nr.:") };
    for (int row = 0; row < ErrorReport::kRowCount; ++row) {
        auto* title = qobject_cast<QLabel*>(rows->itemAtPosition(row, 0)->widget());
        ASSERT_NE(title, nullptr);
        EXPECT_EQ(title->text(), titles[row]);
        EXPECT_EQ(rows->itemAtPosition(row, 1)->widget(), window.lblError(row));
    }

    const QStringList protocolButtons { QStringLiteral("&Drucken"), QStringLiteral("&Speichern"),
        QStringLiteral("&EMail") };
    for (int index = 0; index < 3; ++index)
        EXPECT_EQ(window.cmdProtocol(index)->text(), protocolButtons[index]);
    const QStringList continueButtons { QStringLiteral("Befehl wieder&holen"),
        QStringLiteral("Fortsetzen mit &nächsten Befehl"), QStringLiteral("&Prozedur verlassen"),
        QStringLiteral("Programm &beenden") };
    for (int code = 0; code < 4; ++code)
        EXPECT_EQ(window.cmdContinue(code)->text(), continueButtons[code]);
}

TEST_F(frmErrPtnrWindow, TitleIsTheProgramLineWithFehlermeldung)
{
    RecordingMessages messages;
    frmErrPtnr shown(&messages);
    reporter().setWindow(&shown);
    reporter().SetProgInfo(QStringLiteral("tonvaro  V1.0.0"));
    QString title;
    QTimer::singleShot(0, [&] {
        title = QApplication::activeModalWidget()->windowTitle();
        shown.cmdContinue(ErrPtnr::Fortsetzen)->click();
    });

    EXPECT_EQ(reporter().OnError(
                  Fault { QStringLiteral("Überlauf"), 6 }, QStringLiteral("frmMain"), QStringLiteral("Naechstes")),
        ErrPtnr::Fortsetzen);
    EXPECT_EQ(title, QStringLiteral("tonvaro  V1.0.0 - Fehlermeldung"));
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
