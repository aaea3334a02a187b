#pragma once

#include "platform/surface.h"

namespace kolvar {

class CWnd;

// The surface of the window's current paint; its end ends the paint.
class CPaintDC : public Surface {
public:
    explicit CPaintDC(CWnd& window);
    ~CPaintDC() override;
};

// A surface on the window's client area with the platform's default font, for measuring.
class CClientDC : public Surface {
public:
    explicit CClientDC(CWnd& window);
    ~CClientDC() override;
};

}  // namespace kolvar
