// How model values become Qt values: twips to pixels, fonts with their fallbacks, alignment,
// colours and UTF-8 strings.
#pragma once

#include "worksheets/control.h"
#include "worksheets/form.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <optional>
#include <string_view>

namespace korveld {

int twipsToPixels(Twips twips);
QRect toPixels(const TwipRect& rect);
QSize toPixels(const TwipSize& size);

// The font a control names, or the classic default dialog font; families that are not installed
// fall back to a metric-compatible face or the system's sans-serif (or serif) face.
QFont toQFont(const std::optional<Font>& font);

Qt::Alignment toQtAlignment(Alignment alignment, Qt::Alignment vertical);
QColor toQColor(const Colour& colour);

inline QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace korveld
