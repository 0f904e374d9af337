#include "app/report_output.h"

#include "app/operating_window_chart.h"
#include "app/printing.h"
#include "app/qt_conversions.h"

#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

namespace korveld {

bool paintReportPages(QPrinter& printer, const ReportPages& report, const NumberLocale& locale) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    paintOnPages(report.page, painter, printer);
    if (report.chart) {
        printer.newPage();
        const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
        paintOperatingWindows(painter, QRectF(0, 0, page.width(), page.height()), *report.chart, locale);
    }
    return painter.end();
}

bool writeReportPdf(const ReportPages& report, const QString& path, const NumberLocale& locale) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(qs(report.title));
    printer.setCreator(QStringLiteral("KORVELD"));
    return paintReportPages(printer, report, locale) && printer.printerState() != QPrinter::Error;
}

void previewReport(const ReportPages& report, const NumberLocale& locale, QWidget* parent) {
    QPrinter printer(QPrinter::HighResolution);
    if (QPrinterInfo::defaultPrinter().isNull()) {
        // Without a printer the preview shows a PDF page; its Print button then writes a file.
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    printer.setDocName(qs(report.title));
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setObjectName(QStringLiteral("reportPreview"));
    dialog.setWindowTitle(QStringLiteral("Print Preview - %1").arg(qs(report.title)));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&report, &locale](QPrinter* target) { paintReportPages(*target, report, locale); });
    dialog.exec();
}

QString pdfFileNameFor(const ReportPages& report) {
    QString name = qs(report.title).simplified();
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control) {
            c = QLatin1Char('_');
        }
    }
    return (name.isEmpty() ? QStringLiteral("report") : name) + QStringLiteral(".pdf");
}

} // namespace korveld
