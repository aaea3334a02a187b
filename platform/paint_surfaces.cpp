#include "platform/paint_surfaces.h"

#include "platform/qt_conversions.h"
#include "platform/surface_state.h"
#include "platform/window_widget.h"

namespace kolvar {
namespace {

int WindowDpi(const WindowImpl& impl) {
    return impl.widget ? impl.widget->logicalDpiY() : kDesignDpi;
}

// Outside a paint there is nothing to draw on, but the surface still measures.
std::unique_ptr<SurfaceState> PaintState(const CWnd& window) {
    const WindowImpl& impl = ImplOf(window);
    const SurfaceKind kind =
        impl.painter != nullptr ? SurfaceKind::painter : SurfaceKind::measuring;
    return NewSurfaceState(kind, DefaultSurfaceFont(), WindowDpi(impl), impl.painter);
}

}  // namespace

// Qt ends the paint when the paint event returns, after this surface is gone.
CPaintDC::CPaintDC(CWnd& window) : Surface(PaintState(window)) {}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd& window)
    : Surface(NewSurfaceState(SurfaceKind::measuring, DefaultSurfaceFont(),
                              WindowDpi(ImplOf(window)))) {}

CClientDC::~CClientDC() = default;

}  // namespace kolvar
