#pragma once

// Inside the platform only: the measure and draw requests an owner-drawn menu item sends to the
// window that owns the menu.

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QSize>

#include "platform/menu_item.h"

namespace kolvar {

class CWnd;

// The size the owner gives the item, exactly as it answers.
QSize RequestItemSize(CWnd& owner, const MenuItem& item);

// What the owner is told about one painting of the item.
struct ItemPaint {
    QRect rect;
    bool selected = false;
    bool highlightMoved = false;
};

// Lets the owner paint the item through the menu's painter, in the menu's font. The painter
// comes back as it was handed over.
void RequestItemDrawing(CWnd& owner, const MenuItem& item, const ItemPaint& paint,
                        QPainter& painter, const QFont& font, int logPixelsY);

}  // namespace kolvar
