#pragma once

// Inside the platform only: what the framework keeps about a window, whatever the backend.

#include <cstdint>
#include <memory>
#include <optional>

#include "platform/backend.h"
#include "platform/menu.h"
#include "platform/window.h"

namespace kolvar {

struct WindowState {
    // The window system's part; null until a window is made.
    std::unique_ptr<NativeWindow> native;

    CWnd* parent = nullptr;
    CWnd* owner = nullptr;
    unsigned id = 0;

    const Icon* bigIcon = nullptr;
    const Icon* smallIcon = nullptr;

    // The dpi of the last WM_DPICHANGED, which the window has from then on; 0 before one.
    int dpi = 0;

    // The window menu as a CMenu that does not own it, once asked for.
    std::optional<CMenu> systemMenu;

    // A dialog's modal run.
    std::int32_t modalResult = -1;
    bool modalEnded = false;
};

WindowState& StateOf(const CWnd& window);

}  // namespace kolvar
