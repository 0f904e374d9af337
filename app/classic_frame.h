// A frame drawn the classic way: an etched border whose top line runs through the middle of the
// caption, so that controls placed just below the caption (240 twips down) sit inside the border
// instead of on it, as the window designs expect.
#pragma once

#include <QGroupBox>

namespace korveld {

class ClassicFrame : public QGroupBox {
public:
    explicit ClassicFrame(QWidget* parent);

    // The top border's distance from the frame's top edge: half the caption's height.
    int borderTop() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace korveld
