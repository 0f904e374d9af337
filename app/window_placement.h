// Where a window opens: wholly inside the part of its screen that panels and taskbars leave free,
// as near its design position as that allows.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>

class QScreen;
class QWidget;

namespace korveld {

// The top-left of a window frame moved the least that keeps it inside `area`; in a direction in
// which the frame is larger than the area it starts at the area's left or top edge, so that its
// title bar and its first controls stay reachable.
QPoint placedInside(const QRect& frame, const QRect& area);

// The frame's top-left of a window beside `owner`: right of its frame with a small gap, the tops
// in line.
QPoint besideFrame(const QRect& owner);

// The free area of the screen that shows `point`, or of the primary screen.
QRect availableAreaAt(const QPoint& point);

// The frame of a shown window around its client area, or nothing while the window system has
// not framed it yet.
QMargins frameMarginsOf(const QWidget& window);

// The frame of a shown window as the window system has it now.
QRect frameOf(const QWidget& window);

// Puts a window's frame's top-left at `frameTopLeft`, given its frame, by placing its client area:
// the window manager then keeps that place exactly, on a first show and on every later one.
void moveFrameTo(QWidget& window, const QPoint& frameTopLeft, const QMargins& frameMargins);

// Moves a shown window inside the free area of its screen when its frame reaches outside it;
// true when it moved.
bool keepInsideScreen(QWidget& window);

// Shows a window that is not one of the program's forms (the chart, the help window) at `wanted`
// (its frame's top-left, given `frameMargins` until the window system reports the real ones),
// moved inside the free area of the screen, and keeps it inside once the window system has
// framed it.
void showInsideScreen(QWidget& window, const QPoint& wanted, const QMargins& frameMargins);

} // namespace korveld
