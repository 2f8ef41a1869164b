#include "errors/ui/ProtocolPrinter.h"

#include "common/MessageService.h"
#include "errors/ErrorProtocol.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

void ProtocolPrinter::printOnDefaultPrinter(const QString& protocol, MessageService& messages)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        messages.show(MessageService::Icon::Warning,
            QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden, weil kein Drucker eingerichtet ist."));
        return;
    }
    QPrinter printer(defaultPrinter);
    printOn(printer, protocol, messages);
}

void ProtocolPrinter::printOn(QPrinter& printer, const QString& protocol, MessageService& messages)
{
    if (!print(ErrorProtocol::printLines(protocol), printer))
        messages.show(
            MessageService::Icon::Warning, QStringLiteral("Das Fehlerprotokoll konnte nicht gedruckt werden."));
}

bool ProtocolPrinter::print(const QStringList& lines, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(9);
    painter.setFont(font);
    // Lines wider than the page wrap instead of being cut off at its edge.
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextExpandTabs;
    const int width = painter.device()->width();
    const int height = painter.device()->height();
    int y = 0;
    for (const QString& line : lines) {
        const QString shown = line.isEmpty() ? QStringLiteral(" ") : line;
        const int lineHeight = painter.boundingRect(QRect(0, 0, width, height), flags, shown).height();
        if (y > 0 && y + lineHeight > height) {
            printer.newPage();
            y = 0;
        }
        painter.drawText(QRect(0, y, width, lineHeight), flags, shown);
        y += lineHeight;
    }
    return painter.end();
}
