#include "platform/owner_drawn_item.h"

#include "platform/message_map.h"
#include "platform/window.h"

namespace kolvar {

Size OwnerDrawnItem::Measure(CWnd& owner) const {
    if (!measured_) {
        MEASUREITEMSTRUCT request;
        request.CtlType = ODT_MENU;
        request.itemID = id_;
        request.itemData = data_;
        owner.SendMessage(WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&request));
        measured_ = Size{static_cast<int>(request.itemWidth), static_cast<int>(request.itemHeight)};
    }
    return *measured_;
}

void OwnerDrawnItem::Draw(CWnd& owner, Surface& surface, const Rect& rect, bool selected) const {
    DRAWITEMSTRUCT request;
    request.CtlType = ODT_MENU;
    request.itemID = id_;
    request.itemAction = selected != paintedSelected_ ? ODA_SELECT : ODA_DRAWENTIRE;
    request.itemState = (selected ? ODS_SELECTED : 0U) | (checked_ ? ODS_CHECKED : 0U);
    request.hDC = &surface;
    request.rcItem = rect;
    request.itemData = data_;
    paintedSelected_ = selected;
    owner.SendMessage(WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&request));
}

}  // namespace kolvar
