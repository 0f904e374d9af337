#include "app/printing.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace korveld {

int paintDocument(const PrintDocument& document, QPainter& painter, QPaintDevice& device, int pageHeight,
                  const std::function<bool()>& newPage) {
    const QFontMetrics metrics(painter.font(), &device);
    const int columnWidth = std::max(1, metrics.averageCharWidth());
    const int lineHeight = std::max(1, metrics.lineSpacing());
    int y = -lineHeight;
    int drawn = 0;
    // Moves to the next line, on a new page when this one is full; false when printing must stop.
    const auto nextLine = [&]() -> bool {
        y += lineHeight;
        if (y > 0 && y + lineHeight > pageHeight) {
            if (!newPage()) {
                return false;
            }
            y = 0;
        }
        return true;
    };
    for (const PrintLine& line : document.lines) {
        if (!nextLine()) {
            return drawn;
        }
        int x = 0;
        for (const PrintSegment& segment : line.segments) {
            if (segment.column > 0) {
                const int stop = (segment.column - 1) * columnWidth;
                // A tab stop already passed continues on the next line, as with a character printer.
                if (x > stop && !nextLine()) {
                    return drawn;
                }
                x = stop;
            }
            const QString text = QString::fromStdString(segment.text);
            painter.drawText(x, y + metrics.ascent(), text);
            x += metrics.horizontalAdvance(text);
        }
        ++drawn;
    }
    return drawn;
}

int paintOnPrinter(const PrintDocument& document, QPainter& painter, QPrinter& printer) {
    const int pageHeight = printer.pageLayout().paintRectPixels(printer.resolution()).height();
    return paintDocument(document, painter, printer, pageHeight, [&printer] { return printer.newPage(); });
}

bool printOnDefaultPrinter(const PrintDocument& document) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    if (!printer.isValid()) {
        return false;
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paintOnPrinter(document, painter, printer);
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace korveld
