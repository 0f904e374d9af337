#include "app/classic_frame.h"

#include <QPainter>
#include <QStyle>

namespace korveld {

namespace {

constexpr int kCaptionLeft = 6;    // pixels from the frame's left edge to the caption
constexpr int kCaptionPadding = 2; // blank space either side of the caption, over the line

} // namespace

ClassicFrame::ClassicFrame(QWidget* parent) : QGroupBox(parent) {}

int ClassicFrame::borderTop() const {
    return fontMetrics().height() / 2;
}

void ClassicFrame::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    const QRect border = rect().adjusted(0, borderTop(), -2, -2);
    // Etched: a shadow line with a light line one pixel down and right.
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(border.translated(1, 1));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(border);
    if (title().isEmpty()) {
        return;
    }
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(kCaptionLeft, 0, metrics.horizontalAdvance(title()) + 2 * kCaptionPadding, metrics.height());
    painter.fillRect(caption, palette().brush(QPalette::Window));
    style()->drawItemText(&painter, caption.adjusted(kCaptionPadding, 0, -kCaptionPadding, 0),
                          Qt::AlignLeft | Qt::AlignVCenter | Qt::TextShowMnemonic, palette(), isEnabled(), title(),
                          QPalette::WindowText);
}

} // namespace korveld
