#pragma once

// Inside the platform only: an owner-drawn menu item as a backend keeps it whose toolkit draws
// menus without owner drawing: the requests to the owner, as the window system would send them.

#include <cstdint>
#include <optional>

#include "platform/geometry.h"

namespace kolvar {

class CWnd;
class Surface;

// The owner is asked for the item's size once, before it is first shown; a highlight that
// differs from the one last painted has moved onto or off the item. Toolkits lay out and paint
// through const paths, so what is learnt meanwhile is kept in a const item too.
class OwnerDrawnItem {
public:
    OwnerDrawnItem(unsigned id, std::uintptr_t data, bool checked)
        : id_(id), data_(data), checked_(checked) {}

    unsigned Id() const { return id_; }
    std::uintptr_t Data() const { return data_; }
    bool Checked() const { return checked_; }

    // WM_MEASUREITEM the first time; the size the owner answered ever after.
    Size Measure(CWnd& owner) const;
    // WM_DRAWITEM for the item in the rectangle on the surface: ODA_SELECT when the highlight has
    // come or gone since the last painting, else ODA_DRAWENTIRE.
    void Draw(CWnd& owner, Surface& surface, const Rect& rect, bool selected) const;
    // Each showing of the menu starts without a highlight.
    void Shown() const { paintedSelected_ = false; }

private:
    unsigned id_;
    std::uintptr_t data_;
    bool checked_;
    mutable std::optional<Size> measured_;
    mutable bool paintedSelected_ = false;
};

}  // namespace kolvar
