#pragma once

#include <memory>
#include <string_view>
#include <utility>

#include "platform/colour.h"
#include "platform/drawing_objects.h"
#include "platform/geometry.h"

namespace kolvar {

struct SurfaceState;

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr unsigned DT_CENTER = 0x01;
inline constexpr unsigned DT_VCENTER = 0x04;
inline constexpr unsigned DT_BOTTOM = 0x08;
inline constexpr unsigned DT_SINGLELINE = 0x20;

inline constexpr int LOGPIXELSY = 90;

inline constexpr unsigned SRCCOPY = 0x00CC0020;

// What GetPixel gives for a pixel the surface does not have.
inline constexpr Colour CLR_INVALID = 0xFFFFFFFF;

enum class FloodFillType { FLOODFILLBORDER, FLOODFILLSURFACE };
inline constexpr FloodFillType FLOODFILLBORDER = FloodFillType::FLOODFILLBORDER;
inline constexpr FloodFillType FLOODFILLSURFACE = FloodFillType::FLOODFILLSURFACE;

// A drawing surface: a memory surface, a window's paint surface or a menu item's surface. It
// draws with the objects selected into it; see Selected for putting them back.
class Surface {
public:
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;
    virtual ~Surface();

    // Each returns the object selected before, which the caller must put back.
    const Brush* SelectObject(const Brush* brush);
    const Pen* SelectObject(const Pen* pen);
    const Font* SelectObject(const Font* font);
    Bitmap* SelectObject(Bitmap* bitmap);

    int SetBkMode(int mode);
    Colour SetTextColor(Colour colour);
    Colour SetBkColor(Colour colour);

    void FillRect(const Rect& rect, const Brush& brush);
    void Rectangle(int left, int top, int right, int bottom);
    void BitBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                int sourceY, unsigned rop);

    // Pixel access, exact to 24 bits; only surfaces with a selected bitmap have pixels.
    Colour GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);
    bool ExtFloodFill(int x, int y, Colour colour, FloodFillType type);

    int DrawText(std::string_view text, Rect& rect, unsigned format);
    Size GetTextExtentPoint32(std::string_view text) const;
    int GetDeviceCaps(int index) const;

protected:
    explicit Surface(std::unique_ptr<SurfaceState> state);

private:
    friend SurfaceState& StateOf(const Surface& surface);
    std::unique_ptr<SurfaceState> state_;
};

// An off-screen surface like the given one; it starts with no bitmap of its own selected.
class MemorySurface : public Surface, CountedObject {
public:
    // Compatible with the screen.
    MemorySurface();
    explicit MemorySurface(const Surface& compatibleWith);
    ~MemorySurface() override;
};

inline MemorySurface CreateCompatibleDC(const Surface& surface) {
    return MemorySurface(surface);
}

// Selects a drawing object into a surface for the life of the scope and puts the previous one
// back at its end.
template <class Object>
class Selected {
public:
    Selected(Surface& surface, Object& object) : surface_(surface) {
        previous_ = surface_.SelectObject(&object);
    }
    ~Selected() { surface_.SelectObject(previous_); }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    Surface& surface_;
    decltype(std::declval<Surface&>().SelectObject(std::declval<Object*>())) previous_;
};

}  // namespace kolvar
