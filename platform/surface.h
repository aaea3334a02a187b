#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <utility>

#include "platform/colour.h"
#include "platform/geometry.h"

namespace kolvar {

class CWnd;
class Surface;
// What the platform's backend makes of the objects below.
class NativeBitmap;
class NativeFont;
class NativeIcon;
class NativeSurface;

// Drawing objects

// Base of every drawing object (brushes, pens, fonts, bitmaps, icons, memory surfaces, menus):
// counts the live ones on every path, so that tests can show that nothing leaks.
class CountedObject {
protected:
    CountedObject() { ++live_; }
    // A copy, and a move too, makes one more C++ object that its own destructor will uncount.
    CountedObject(const CountedObject&) { ++live_; }
    CountedObject& operator=(const CountedObject&) = default;
    ~CountedObject() { --live_; }

private:
    friend int LiveDrawingObjects();
    // One thread draws, so a plain counter is enough.
    static inline int live_ = 0;
};

class Brush : CountedObject {
public:
    explicit Brush(Colour colour) : colour_(colour) {}
    Colour colour() const { return colour_; }

private:
    Colour colour_;
};

class Pen : CountedObject {
public:
    // One pixel wide: the program draws no other.
    explicit Pen(Colour colour) : colour_(colour) {}
    Colour colour() const { return colour_; }

private:
    Colour colour_;
};

inline constexpr int FW_NORMAL = 400;
inline constexpr int FW_BOLD = 700;
inline constexpr int DEFAULT_CHARSET = 1;
inline constexpr int RUSSIAN_CHARSET = 204;

// What a font is asked for; the closest installed face is used.
struct LogFont {
    int height = 0;  // negative: character height in pixels; positive: cell height
    int weight = FW_NORMAL;
    int charSet = DEFAULT_CHARSET;
    std::string faceName;
};

class Font : CountedObject {
public:
    explicit Font(const LogFont& request);
    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;
    ~Font();

private:
    friend const NativeFont& NativeOf(const Font& font);
    std::unique_ptr<NativeFont> native_;
};

inline constexpr unsigned OBM_CHECK = 32760;

struct BitmapInfo {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
};

// A raster that keeps exact 24-bit colours, or a one-bit mask. May be empty (a failed load).
class Bitmap : CountedObject {
public:
    Bitmap();
    // Empty when there is no native bitmap.
    explicit Bitmap(std::unique_ptr<NativeBitmap> native);
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    ~Bitmap();

    explicit operator bool() const { return native_ != nullptr; }

private:
    friend NativeBitmap& NativeOf(const Bitmap& bitmap);
    std::unique_ptr<NativeBitmap> native_;
};

// A colour bitmap of the given size for use with the surface.
Bitmap CreateCompatibleBitmap(const Surface& surface, int width, int height);

// A program bitmap by resource id, or the system's one-bit check mark (OBM_CHECK).
// An empty bitmap when there is none.
Bitmap LoadBitmap(unsigned id);
// The same for pixels at `dpi`: the check mark the size the system's menus show it there.
Bitmap LoadBitmap(unsigned id, int dpi);

BitmapInfo GetObject(const Bitmap& bitmap);

// An icon of the program's resources, in the system's large and small icon sizes, with its
// mask.
class Icon : CountedObject {
public:
    Icon();
    Icon(Icon&&) noexcept;
    Icon& operator=(Icon&&) noexcept;
    ~Icon();

    explicit operator bool() const { return native_ != nullptr; }

private:
    friend Icon LoadIconOfSides(unsigned id, int largeSide, int smallSide);
    friend const NativeIcon& NativeOf(const Icon& icon);
    std::unique_ptr<NativeIcon> native_;
};

Icon LoadIcon(unsigned id);
// The same in the sizes of a window drawn at `dpi`, as its title bar and the task bar show it.
Icon LoadIcon(unsigned id, int dpi);
bool DrawIcon(Surface& surface, int x, int y, const Icon& icon);

// Surfaces

inline constexpr int TRANSPARENT = 1;
inline constexpr int OPAQUE = 2;

inline constexpr unsigned DT_CENTER = 0x01;
inline constexpr unsigned DT_VCENTER = 0x04;
inline constexpr unsigned DT_BOTTOM = 0x08;
inline constexpr unsigned DT_SINGLELINE = 0x20;

inline constexpr int LOGPIXELSY = 90;

inline constexpr unsigned SRCCOPY = 0x00CC0020;

// How StretchBlt makes a pixel of the target from the source's: COLORONCOLOR takes the one
// source pixel it falls on, so an enlargement shows each source pixel as a block, unblended.
inline constexpr int COLORONCOLOR = 3;

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
    // The source rectangle copied onto the target's, enlarged or shrunk as the stretch mode says.
    int SetStretchBltMode(int mode);
    void StretchBlt(int x, int y, int width, int height, const Surface& source, int sourceX,
                    int sourceY, int sourceWidth, int sourceHeight, unsigned rop);

    // Pixel access, exact to 24 bits; only surfaces with a selected bitmap have pixels.
    Colour GetPixel(int x, int y) const;
    void SetPixel(int x, int y, Colour colour);
    bool ExtFloodFill(int x, int y, Colour colour, FloodFillType type);

    int DrawText(std::string_view text, Rect& rect, unsigned format);
    Size GetTextExtentPoint32(std::string_view text) const;
    int GetDeviceCaps(int index) const;
    // The dpi of the device's own pixels when the surface's coordinates are at `dpi`: the same
    // where a coordinate is a pixel, as on Windows; more where the toolkit scales a window whole
    // and a coordinate spans its device pixel ratio.
    int DeviceDpi(int dpi) const;

protected:
    explicit Surface(std::unique_ptr<NativeSurface> native);
    // A memory surface's bitmap at first, which selecting null puts back.
    void HoldStockBitmap(Bitmap& stock);

private:
    friend NativeSurface& NativeOf(const Surface& surface);
    Colour BrushColour() const;

    std::unique_ptr<NativeSurface> native_;
    const Brush* brush_ = nullptr;
    const Pen* pen_ = nullptr;
    const Font* font_ = nullptr;
    Bitmap* bitmap_ = nullptr;
    Bitmap* stockBitmap_ = nullptr;
};

// An off-screen surface like the given one; it starts with a one-pixel, one-bit bitmap of its
// own selected.
class MemorySurface : public Surface, CountedObject {
public:
    // Compatible with the screen.
    MemorySurface();
    explicit MemorySurface(const Surface& compatibleWith);
    ~MemorySurface() override;

private:
    explicit MemorySurface(const NativeSurface* like);

    Bitmap stock_;
};

inline MemorySurface CreateCompatibleDC(const Surface& surface) {
    return MemorySurface(surface);
}

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
