#include "app/printing.h"

#include "app/print_queue.h"

#include <QBuffer>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
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

int paintOnPages(const PrintDocument& document, QPainter& painter, QPagedPaintDevice& device) {
    const int pageHeight = device.pageLayout().paintRectPixels(device.logicalDpiY()).height();
    return paintDocument(document, painter, device, pageHeight, [&device] { return device.newPage(); });
}

namespace {

// The document as a PDF on the printer's default page and resolution: what Qt itself hands to a
// CUPS queue, made here so that the job and the queue's answer stay in our hands.
QByteArray printablePdf(const PrintDocument& document, const QString& jobName, const QPrinterInfo& printer) {
    const QPrinter page(printer, QPrinter::HighResolution);
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setPageLayout(page.pageLayout());
    writer.setResolution(page.resolution());
    writer.setTitle(jobName);
    writer.setCreator(QStringLiteral("KORVELD"));
    QPainter painter;
    if (!painter.begin(&writer)) {
        return {};
    }
    paintOnPages(document, painter, writer);
    return painter.end() ? pdf.data() : QByteArray();
}

} // namespace

bool printOnDefaultPrinter(const PrintDocument& document, const QString& jobName) {
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull()) {
        qWarning("Printing: there is no default printer");
        return false;
    }
    const QByteArray pdf = printablePdf(document, jobName, printer);
    if (pdf.isEmpty()) {
        qWarning("Printing: the page could not be drawn for %s", qUtf8Printable(printer.printerName()));
        return false;
    }
    const PrintJobOutcome outcome = submitPdfJob(printer.printerName(), jobName, pdf);
    if (!outcome.accepted()) {
        qWarning("Printing: %s did not accept the job: %s", qUtf8Printable(printer.printerName()),
                 qUtf8Printable(outcome.failure));
    }
    return outcome.accepted();
}

} // namespace korveld
