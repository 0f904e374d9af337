// The picture of a series' operating windows: one bar per offered size from 65 % to 110 % of its
// rated capacity, the required capacity as a vertical line, the selected size highlighted, and the
// outcome written above. The same painting goes to the chart window, the preview and the PDF.
#pragma once

#include "engine/number_text.h"
#include "engine/operating_windows.h"

#include <QSizeF>
#include <QString>
#include <QWidget>

class QPainter;
class QRectF;

namespace korveld {

// The picture's own size in its logical units (about one screen pixel each).
QSizeF operatingWindowsSize(const OperatingWindows& chart);

// Draws the picture scaled into `target`, keeping its proportions, at the top of the target.
void paintOperatingWindows(QPainter& painter, const QRectF& target, const OperatingWindows& chart,
                           const NumberLocale& locale);

// What the picture writes above the bars: the selected size and its window, or why none fits.
QString operatingWindowsCaption(const OperatingWindows& chart, const NumberLocale& locale);

// The chart window: one for the program, shown again with each new picture.
class OperatingWindowChart : public QWidget {
public:
    OperatingWindowChart();

    void setChart(const OperatingWindows& chart, const NumberLocale& locale);
    const OperatingWindows& chart() const { return m_chart; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    OperatingWindows m_chart;
    NumberLocale m_locale;
};

} // namespace korveld
