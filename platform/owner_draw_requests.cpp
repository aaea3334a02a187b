#include "platform/owner_draw_requests.h"

#include "platform/qt_conversions.h"
#include "platform/scope_exit.h"
#include "platform/surface_state.h"
#include "platform/window.h"

namespace kolvar {
namespace {

unsigned ItemState(const MenuItem& item, const ItemPaint& paint) {
    return (paint.selected ? ODS_SELECTED : 0U) | (item.checked ? ODS_CHECKED : 0U);
}

DRAWITEMSTRUCT DrawRequest(const MenuItem& item, const ItemPaint& paint) {
    DRAWITEMSTRUCT request;
    request.CtlType = ODT_MENU;
    request.itemID = item.id;
    request.itemAction = paint.highlightMoved ? ODA_SELECT : ODA_DRAWENTIRE;
    request.itemState = ItemState(item, paint);
    request.rcItem = FromQRect(paint.rect);
    request.itemData = item.data.value;
    return request;
}

}  // namespace

QSize RequestItemSize(CWnd& owner, const MenuItem& item) {
    MEASUREITEMSTRUCT request;
    request.CtlType = ODT_MENU;
    request.itemID = item.id;
    request.itemData = item.data.value;
    owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
    return {static_cast<int>(request.itemWidth), static_cast<int>(request.itemHeight)};
}

void RequestItemDrawing(CWnd& owner, const MenuItem& item, const ItemPaint& paint,
                        QPainter& painter, const QFont& font, int logPixelsY) {
    // Whatever the owner leaves selected in the painter must not leak into the rest of the menu.
    painter.save();
    const ScopeExit restore([&painter] { painter.restore(); });
    PainterSurface surface(painter, font, logPixelsY);
    DRAWITEMSTRUCT request = DrawRequest(item, paint);
    request.hDC = &surface;
    owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
}

}  // namespace kolvar
