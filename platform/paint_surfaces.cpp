#include "platform/paint_surfaces.h"

#include <QApplication>

#include "platform/surface_state.h"
#include "platform/window_impl.h"

namespace kolvar {
namespace {

constexpr int kDesignDpi = 96;

QFont WindowFont(const WindowImpl& impl) {
    return impl.widget ? impl.widget->font() : QApplication::font();
}

int WindowDpi(const WindowImpl& impl) {
    return impl.widget ? impl.widget->logicalDpiY() : kDesignDpi;
}

// Outside a paint there is nothing to draw on, but the surface still measures.
std::unique_ptr<SurfaceState> PaintState(const CWnd& window) {
    const WindowImpl& impl = ImplOf(window);
    if (impl.painter != nullptr) {
        return PainterSurfaceState(*impl.painter, WindowFont(impl), WindowDpi(impl));
    }
    return MeasuringSurfaceState(WindowFont(impl), WindowDpi(impl));
}

}  // namespace

// Qt ends the paint when the paint event returns, after this surface is gone.
CPaintDC::CPaintDC(CWnd& window) : Surface(PaintState(window)) {}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd& window)
    : Surface(MeasuringSurfaceState(WindowFont(ImplOf(window)), WindowDpi(ImplOf(window)))) {}

CClientDC::~CClientDC() = default;

}  // namespace kolvar
