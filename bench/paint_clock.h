// The application of the GUI benchmark: the real QApplication, noting when each paint event has
// been delivered, so the harness knows when a window's pixels are drawn.
#pragma once

#include <QApplication>
#include <chrono>
#include <optional>

namespace korveld::bench {

class PaintClock : public QApplication {
public:
    using Clock = std::chrono::steady_clock;

    PaintClock(int& argc, char** argv) : QApplication(argc, argv) {}

    bool notify(QObject* receiver, QEvent* event) override;

    // Starts a new watch over `window` (a top-level widget): earlier paints no longer count.
    void watch(const QWidget* window);
    // Processes events until `window` has been painted since watch() and a further pass
    // paints nothing in it; the end of its last paint, or nothing when `limit` passes first.
    std::optional<Clock::time_point> waitUntilPainted(std::chrono::milliseconds limit);

private:
    const QWidget* m_window = nullptr;
    std::optional<Clock::time_point> m_lastPaint;
    int m_paints = 0;
};

} // namespace korveld::bench
