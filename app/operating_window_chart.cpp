#include "app/operating_window_chart.h"

#include "app/qt_conversions.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

namespace korveld {

namespace {

// Layout in logical units.
constexpr double kWidth = 720.0;
constexpr double kMargin = 14.0;
constexpr double kNameColumn = 84.0; // size names left of the bars
constexpr double kRowHeight = 22.0;
constexpr double kBarHeight = 12.0;
constexpr double kTitlePixels = 14.0;
constexpr double kTextPixels = 11.0;
constexpr double kCaptionLines = 2.0; // room kept for the outcome, which may wrap
constexpr double kAxisHeight = 44.0;
constexpr double kLegendHeight = 22.0;
constexpr double kRangeMargin = 1.3; // the axis reaches this factor beyond the outermost value

const QColor kWindowFill(176, 196, 222);
const QColor kWindowEdge(74, 107, 138);
const QColor kSelectedFill(129, 199, 132);
const QColor kSelectedEdge(46, 125, 50);
const QColor kRequired(198, 40, 40);
const QColor kGrid(220, 220, 220);
const QColor kText(32, 32, 32);

QFont pixelFont(double pixels, bool bold = false) {
    QFont font = toQFont(std::nullopt);
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

double headerHeight() {
    return kMargin + kTitlePixels * 1.6 + kTextPixels * 1.5 + kTextPixels * 1.4 * kCaptionLines + kTextPixels * 2.0;
}

QString capacityText(double value, const NumberLocale& locale) {
    return qs(FormatNumber(value, kCapacityPattern, locale));
}

QString tickText(double value, const NumberLocale& locale) {
    return qs(FormatNumber(value, value >= 1.0 ? "###,###" : "###.00", locale));
}

// A logarithmic capacity axis over the bars' area.
class Axis {
public:
    Axis(double low, double high, double left, double right)
        : m_low(std::log10(low)), m_high(std::log10(high)), m_left(left), m_right(right) {}
    double x(double value) const {
        return m_left + (std::log10(value) - m_low) / (m_high - m_low) * (m_right - m_left);
    }
    // 1, 2 and 5 of every decade inside the axis.
    std::vector<double> ticks() const {
        std::vector<double> out;
        for (int decade = static_cast<int>(std::floor(m_low)); decade <= static_cast<int>(std::ceil(m_high));
             ++decade) {
            for (double step : {1.0, 2.0, 5.0}) {
                const double value = step * std::pow(10.0, decade);
                if (std::log10(value) >= m_low && std::log10(value) <= m_high) {
                    out.push_back(value);
                }
            }
        }
        return out;
    }

private:
    double m_low;
    double m_high;
    double m_left;
    double m_right;
};

QString conditionsLine(const OperatingWindows& chart) {
    const QString letter = chart.metric ? QStringLiteral("C") : QStringLiteral("F");
    return QStringLiteral("%1, %2: evaporator %3 %6, condensing %4 %6, liquid %5 %6")
        .arg(qs(chart.series), qs(chart.refrigerant), qs(chart.evapTemp), qs(chart.condTemp), qs(chart.liqTemp),
             letter);
}

void paintBars(QPainter& painter, const OperatingWindows& chart, const NumberLocale& locale, double top) {
    const double required = chart.inUnit(chart.InputCapacity);
    double low = required;
    double high = required;
    for (const SizeWindowBar& bar : chart.sizes) {
        low = std::min(low, static_cast<double>(chart.inUnit(bar.window.MinValCapacity)));
        high = std::max(high, static_cast<double>(chart.inUnit(bar.window.MaxValCapacity)));
    }
    low = std::max(low / kRangeMargin, 1e-6);
    high = std::max(high * kRangeMargin, low * 10.0);
    const double left = kMargin + kNameColumn;
    const double right = kWidth - kMargin;
    const Axis axis(low, high, left, right);
    const double rowsBottom = top + kRowHeight * static_cast<double>(chart.sizes.size());

    // Grid and axis.
    painter.setFont(pixelFont(kTextPixels - 1.0));
    for (double tick : axis.ticks()) {
        const double x = axis.x(tick);
        painter.setPen(QPen(kGrid, 1.0));
        painter.drawLine(QPointF(x, top), QPointF(x, rowsBottom));
        painter.setPen(QPen(kText, 1.0));
        painter.drawLine(QPointF(x, rowsBottom), QPointF(x, rowsBottom + 4.0));
        painter.drawText(QRectF(x - 40.0, rowsBottom + 5.0, 80.0, kTextPixels * 1.4), Qt::AlignHCenter | Qt::AlignTop,
                         tickText(tick, locale));
    }
    painter.drawLine(QPointF(left, rowsBottom), QPointF(right, rowsBottom));
    painter.drawText(QRectF(left, rowsBottom + 6.0 + kTextPixels * 1.4, right - left, kTextPixels * 1.5),
                     Qt::AlignHCenter | Qt::AlignTop,
                     QStringLiteral("Capacity, %1 (logarithmic scale)").arg(qs(chart.unitCaption)));

    // One bar per size: its window, and a mark at its rated capacity.
    double y = top;
    for (const SizeWindowBar& bar : chart.sizes) {
        const bool selected = chart.outcome == SizeOutcome::Selected && bar.SizeNo == chart.selectedSize;
        const double barTop = y + (kRowHeight - kBarHeight) / 2.0;
        const double x0 = axis.x(chart.inUnit(bar.window.MinValCapacity));
        const double x1 = axis.x(chart.inUnit(bar.window.MaxValCapacity));
        painter.setPen(QPen(selected ? kSelectedEdge : kWindowEdge, selected ? 1.6 : 1.0));
        painter.setBrush(selected ? kSelectedFill : kWindowFill);
        painter.drawRect(QRectF(x0, barTop, x1 - x0, kBarHeight));
        const double rated = axis.x(chart.inUnit(bar.ValCapacity));
        painter.drawLine(QPointF(rated, barTop - 2.0), QPointF(rated, barTop + kBarHeight + 2.0));
        painter.setPen(QPen(kText, 1.0));
        painter.setFont(pixelFont(kTextPixels, selected));
        painter.drawText(QRectF(kMargin, y, kNameColumn - 8.0, kRowHeight), Qt::AlignRight | Qt::AlignVCenter,
                         qs(bar.ValName));
        y += kRowHeight;
    }

    // The requirement across every row.
    const double x = axis.x(required);
    painter.setPen(QPen(kRequired, 2.0));
    painter.drawLine(QPointF(x, top - 4.0), QPointF(x, rowsBottom + 2.0));
    painter.setFont(pixelFont(kTextPixels, true));
    const QString label = QStringLiteral("required %1 %2").arg(capacityText(required, locale), qs(chart.unitCaption));
    const double width = painter.fontMetrics().horizontalAdvance(label) + 4.0;
    const bool leftOfLine = x + width > right;
    painter.drawText(QRectF(leftOfLine ? x - width - 4.0 : x + 4.0, top - kTextPixels * 1.5, width, kTextPixels * 1.4),
                     Qt::AlignLeft | Qt::AlignVCenter, label);
}

void paintLegend(QPainter& painter, double top) {
    painter.setFont(pixelFont(kTextPixels - 1.0));
    double x = kMargin + kNameColumn;
    const auto swatch = [&](const QColor& fill, const QColor& edge, const QString& text) {
        painter.setPen(QPen(edge, 1.0));
        painter.setBrush(fill);
        painter.drawRect(QRectF(x, top + 4.0, 18.0, 9.0));
        painter.setPen(QPen(kText, 1.0));
        const double width = painter.fontMetrics().horizontalAdvance(text) + 4.0;
        painter.drawText(QRectF(x + 22.0, top, width, 17.0), Qt::AlignLeft | Qt::AlignVCenter, text);
        x += 22.0 + width + 16.0;
    };
    swatch(kWindowFill, kWindowEdge, QStringLiteral("65 % to 110 % of the rated capacity"));
    swatch(kSelectedFill, kSelectedEdge, QStringLiteral("selected size"));
    painter.setPen(QPen(kRequired, 2.0));
    painter.drawLine(QPointF(x + 9.0, top + 2.0), QPointF(x + 9.0, top + 15.0));
    painter.setPen(QPen(kText, 1.0));
    painter.drawText(QRectF(x + 16.0, top, 200.0, 17.0), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("required capacity"));
}

} // namespace

QSizeF operatingWindowsSize(const OperatingWindows& chart) {
    const double rows = kRowHeight * static_cast<double>(chart.sizes.size());
    const double plot = chart.sizes.empty() ? 0.0 : rows + kAxisHeight + kLegendHeight;
    return {kWidth, headerHeight() + plot + kMargin};
}

QString operatingWindowsCaption(const OperatingWindows& chart, const NumberLocale& locale) {
    if (chart.entryFailure) {
        return qs(chart.entryFailure->text);
    }
    if (chart.outcome == SizeOutcome::Selected) {
        for (const SizeWindowBar& bar : chart.sizes) {
            if (bar.SizeNo == chart.selectedSize) {
                return QStringLiteral("Size %1 is selected: %2 %5 lies inside its window of %3 to %4 %5.")
                    .arg(qs(bar.ValName), capacityText(chart.inUnit(chart.InputCapacity), locale),
                         capacityText(chart.inUnit(bar.window.MinValCapacity), locale),
                         capacityText(chart.inUnit(bar.window.MaxValCapacity), locale), qs(chart.unitCaption));
            }
        }
    }
    return chart.message ? qs(chart.message->text) : QString();
}

void paintOperatingWindows(QPainter& painter, const QRectF& target, const OperatingWindows& chart,
                           const NumberLocale& locale) {
    const QSizeF size = operatingWindowsSize(chart);
    const double scale = std::min(target.width() / size.width(), target.height() / size.height());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(target.left() + (target.width() - size.width() * scale) / 2.0, target.top());
    painter.scale(scale, scale);

    double y = kMargin;
    painter.setPen(kText);
    painter.setFont(pixelFont(kTitlePixels, true));
    painter.drawText(QRectF(kMargin, y, kWidth - 2 * kMargin, kTitlePixels * 1.5), Qt::AlignLeft | Qt::AlignVCenter,
                     QStringLiteral("Operating windows of the %1 sizes").arg(qs(chart.series)));
    y += kTitlePixels * 1.6;
    painter.setFont(pixelFont(kTextPixels));
    painter.drawText(QRectF(kMargin, y, kWidth - 2 * kMargin, kTextPixels * 1.4), Qt::AlignLeft | Qt::AlignVCenter,
                     conditionsLine(chart));
    y += kTextPixels * 1.5;
    const bool selected = chart.outcome == SizeOutcome::Selected && !chart.entryFailure;
    painter.setPen(selected ? kSelectedEdge : kRequired);
    painter.setFont(pixelFont(kTextPixels, true));
    painter.drawText(QRectF(kMargin, y, kWidth - 2 * kMargin, kTextPixels * 1.4 * kCaptionLines),
                     Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, operatingWindowsCaption(chart, locale));
    if (!chart.sizes.empty()) {
        const double top = headerHeight();
        paintBars(painter, chart, locale, top);
        paintLegend(painter, top + kRowHeight * static_cast<double>(chart.sizes.size()) + kAxisHeight);
    }
    painter.restore();
}

OperatingWindowChart::OperatingWindowChart() {
    setObjectName(QStringLiteral("OperatingWindowChart"));
    setWindowTitle(QStringLiteral("Operating Windows"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(true);
}

void OperatingWindowChart::setChart(const OperatingWindows& chart, const NumberLocale& locale) {
    m_chart = chart;
    m_locale = locale;
    setAccessibleName(operatingWindowsCaption(m_chart, m_locale));
    updateGeometry();
    update();
}

QSize OperatingWindowChart::sizeHint() const {
    return operatingWindowsSize(m_chart).toSize();
}

void OperatingWindowChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    paintOperatingWindows(painter, QRectF(rect()), m_chart, m_locale);
}

} // namespace korveld
