#pragma once

// Inside the platform only: what a menu keeps about each of its items.

#include <QSize>
#include <optional>

#include "platform/menu.h"

namespace kolvar {

struct MenuItem {
    unsigned id = 0;
    bool ownerDrawn = false;
    // Ours, not the action's: a checkable action toggles itself when chosen. The action only
    // mirrors it, for assistive technology.
    bool checked = false;
    ItemData data;

    // Learnt while Qt lays out and paints the menu, which it does through const paths.
    // The owner is asked for the size once; the highlight as last painted tells a moved
    // highlight from a plain repaint.
    mutable std::optional<QSize> ownerSize;
    mutable bool paintedSelected = false;
};

}  // namespace kolvar
