#pragma once

// Inside the testing library only: the seam's own terms in Qt's, for the files that define it.

#include <QImage>
#include <QPoint>
#include <Qt>

#include "platform/geometry.h"
#include "platform/testing.h"

namespace kolvar {

// The image as pixels the program compares, whatever Qt's format.
Image ImageOf(const QImage& image);

Qt::Key QtKey(Key key);
Qt::MouseButton QtButton(MouseButton button);

inline Point FromQPoint(const QPoint& point) {
    return {point.x(), point.y()};
}

}  // namespace kolvar
