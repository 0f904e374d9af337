#include "app/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace korveld {

namespace {

constexpr int kGapBesideOwner = 8;

// Watches a window until it is first exposed, framed by then, and keeps it inside its screen.
class FramedWatcher : public QObject {
public:
    FramedWatcher(QWidget& window, QWindow& handle) : QObject(&handle), m_window(window) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            keepInsideScreen(m_window);
            watched->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }

private:
    QWidget& m_window;
};

int placedAlong(int start, int length, int areaStart, int areaLength) {
    if (length >= areaLength) {
        return areaStart;
    }
    return std::clamp(start, areaStart, areaStart + areaLength - length);
}

} // namespace

QPoint placedInside(const QRect& frame, const QRect& area) {
    return {placedAlong(frame.left(), frame.width(), area.left(), area.width()),
            placedAlong(frame.top(), frame.height(), area.top(), area.height())};
}

QPoint besideFrame(const QRect& owner) {
    return {owner.left() + owner.width() + kGapBesideOwner, owner.top()};
}

QRect availableAreaAt(const QPoint& point) {
    const QScreen* screen = QGuiApplication::screenAt(point);
    if (screen == nullptr) {
        screen = QGuiApplication::primaryScreen();
    }
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

// Asked of the window system each time: the widget's own copy may lag behind the window manager.
QMargins frameMarginsOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameMargins() : QMargins();
}

QRect frameOf(const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    return handle != nullptr ? handle->frameGeometry() : window.frameGeometry();
}

void moveFrameTo(QWidget& window, const QPoint& frameTopLeft, const QMargins& frameMargins) {
    window.setGeometry(QRect(frameTopLeft + QPoint(frameMargins.left(), frameMargins.top()), window.size()));
}

bool keepInsideScreen(QWidget& window) {
    const QRect frame = frameOf(window);
    const QScreen* screen = window.screen();
    if (screen == nullptr || frame.isEmpty()) {
        return false;
    }
    const QPoint inside = placedInside(frame, screen->availableGeometry());
    if (inside == frame.topLeft()) {
        return false;
    }
    moveFrameTo(window, inside, frameMarginsOf(window));
    return true;
}

} // namespace korveld

namespace korveld {

void showInsideScreen(QWidget& window, const QPoint& wanted, const QMargins& frameMargins) {
    if (!window.isVisible()) {
        const QRect frame(wanted, window.size().grownBy(frameMargins));
        moveFrameTo(window, placedInside(frame, availableAreaAt(frame.center())), frameMargins);
        window.winId();
        if (QWindow* handle = window.windowHandle()) {
            handle->installEventFilter(new FramedWatcher(window, *handle));
        }
    }
    window.show();
}

} // namespace korveld
