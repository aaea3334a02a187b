#include <QRect>
#include <QString>

#include "platform/qt_conversions.h"
#include "platform/surface.h"
#include "platform/surface_painter.h"

namespace kolvar {
namespace {

// Where the one line's cell (advance by ascent + descent) goes in the rectangle.
QPoint CellOrigin(const Rect& rect, QSize cell, unsigned format) {
    int x = rect.left;
    if (format & DT_CENTER) {
        x += (rect.Width() - cell.width()) / 2;
    }
    int y = rect.top;
    if (format & DT_VCENTER) {
        y += (rect.Height() - cell.height()) / 2;
    } else if (format & DT_BOTTOM) {
        y = rect.bottom - cell.height();
    }
    return {x, y};
}

}  // namespace

int Surface::DrawText(std::string_view text, Rect& rect, unsigned format) {
    const QString line = FromUtf8(text);
    const QFontMetrics metrics = SelectedFontMetrics(state());
    const QSize cell(metrics.horizontalAdvance(line), metrics.height());
    SurfacePainter painter{state()};
    if (!painter) {
        return cell.height();
    }
    const QPoint origin = CellOrigin(rect, cell, format);
    painter->setClipRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()),
                         Qt::IntersectClip);
    if (state().backgroundMode == OPAQUE) {
        painter->fillRect(QRect(origin, cell), ToQColor(state().backgroundColour));
    }
    painter->setFont(SelectedFont(state()));
    painter->setPen(ToQColor(state().textColour));
    painter->drawText(origin + QPoint(0, metrics.ascent()), line);
    return cell.height();
}

Size Surface::GetTextExtentPoint32(std::string_view text) const {
    const QFontMetrics metrics = SelectedFontMetrics(state());
    return {metrics.horizontalAdvance(FromUtf8(text)), metrics.height()};
}

}  // namespace kolvar
