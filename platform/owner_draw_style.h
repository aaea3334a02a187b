#pragma once

// Inside the platform only: the style every MenuWidget is drawn with.

#include <QProxyStyle>

namespace kolvar {

// The application's style, except that owner-drawn menu items take exactly the size their owner
// measured and show exactly what their owner paints. Text items, separators and the panel are
// the application style's.
//
// The panel has a 1-pixel frame and no margins: the first item's rectangle starts one pixel in
// from the menu's top-left corner, and every item spans the full width inside the frame.
class OwnerDrawStyle : public QProxyStyle {
    Q_OBJECT

public:
    OwnerDrawStyle();
    ~OwnerDrawStyle() override;

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
};

}  // namespace kolvar
