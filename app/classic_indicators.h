// Option circles and check boxes of 13 pixels, the size the window designs were drawn around: the
// charge options stand 200 twips (13 pixels) apart, so a larger circle would overlap its
// neighbours and the frame's border.
#pragma once

#include <QProxyStyle>

namespace korveld {

inline constexpr int kClassicIndicatorPixels = 13;

class ClassicIndicatorStyle : public QProxyStyle {
public:
    ClassicIndicatorStyle() = default;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace korveld
