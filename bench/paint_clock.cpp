#include "bench/paint_clock.h"

#include <QWidget>

namespace korveld::bench {

bool PaintClock::notify(QObject* receiver, QEvent* event) {
    const bool paint = event->type() == QEvent::Paint;
    const bool handled = QApplication::notify(receiver, event);
    if (paint && m_window != nullptr && receiver->isWidgetType() &&
        static_cast<QWidget*>(receiver)->window() == m_window) {
        m_lastPaint = Clock::now();
        ++m_paints;
    }
    return handled;
}

void PaintClock::watch(const QWidget* window) {
    m_window = window;
    m_lastPaint.reset();
    m_paints = 0;
}

std::optional<PaintClock::Clock::time_point> PaintClock::waitUntilPainted(std::chrono::milliseconds limit) {
    const Clock::time_point deadline = Clock::now() + limit;
    int paintsBeforePass = -1;
    while (Clock::now() < deadline) {
        // One pass with no new paint after the first one: the window's drawing is complete (a
        // resize or a second update request would paint again in the same pass or the next).
        if (m_paints > 0 && m_paints == paintsBeforePass) {
            return m_lastPaint;
        }
        paintsBeforePass = m_paints;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    return std::nullopt;
}

} // namespace korveld::bench
