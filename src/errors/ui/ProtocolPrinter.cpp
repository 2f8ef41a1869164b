#include "errors/ui/ProtocolPrinter.h"

#include "errors/ErrorProtocol.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

void ProtocolPrinter::printOnDefaultPrinter(const QString& protocol)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        return;
    QPrinter printer(defaultPrinter);
    print(ErrorProtocol::printLines(protocol), printer);
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
