#include "app/classic_indicators.h"

namespace korveld {

int ClassicIndicatorStyle::pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const {
    switch (metric) {
    case PM_ExclusiveIndicatorWidth:
    case PM_ExclusiveIndicatorHeight:
    case PM_IndicatorWidth:
    case PM_IndicatorHeight:
        return kClassicIndicatorPixels;
    default:
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

} // namespace korveld
