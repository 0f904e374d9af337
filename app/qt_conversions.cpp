#include "app/qt_conversions.h"

#include <QStringList>
#include <cmath>

namespace korveld {

int twipsToPixels(Twips twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / static_cast<double>(kTwipsPerPixel)));
}

QRect toPixels(const TwipRect& rect) {
    return {twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width), twipsToPixels(rect.height)};
}

QSize toPixels(const TwipSize& size) {
    return {twipsToPixels(size.width), twipsToPixels(size.height)};
}

namespace {

constexpr Font kDefaultFont{"MS Sans Serif", 8.25f, false};

bool isSerif(std::string_view family) {
    return family.find("Times") != std::string_view::npos;
}

} // namespace

QFont toQFont(const std::optional<Font>& font) {
    const Font& chosen = font ? *font : kDefaultFont;
    QFont qfont;
    const QString family = qs(chosen.family);
    if (isSerif(chosen.family)) {
        qfont.setFamilies({family, QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")});
        qfont.setStyleHint(QFont::Serif);
    } else {
        qfont.setFamilies({family, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
        qfont.setStyleHint(QFont::SansSerif);
    }
    qfont.setPointSizeF(static_cast<double>(chosen.points));
    qfont.setBold(chosen.bold);
    return qfont;
}

Qt::Alignment toQtAlignment(Alignment alignment, Qt::Alignment vertical) {
    switch (alignment) {
    case Alignment::Right:
        return Qt::AlignRight | vertical;
    case Alignment::Center:
        return Qt::AlignHCenter | vertical;
    case Alignment::Left:
        break;
    }
    return Qt::AlignLeft | vertical;
}

QColor toQColor(const Colour& colour) {
    return {colour.red, colour.green, colour.blue};
}

} // namespace korveld
