#pragma once

#include <memory>
#include <string>

#include "platform/colour.h"

namespace kolvar {

class Surface;
struct BitmapData;
struct FontData;

// Counts every live drawing object (brushes, pens, fonts, bitmaps, memory surfaces, menus), so
// that tests can show that nothing leaks.
int LiveDrawingObjects();

// Base of every drawing object: keeps the live count honest on every path.
class CountedObject {
protected:
    CountedObject();
    CountedObject(const CountedObject&);
    CountedObject& operator=(const CountedObject&) = default;
    ~CountedObject();
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
    friend const FontData& DataOf(const Font& font);
    std::unique_ptr<FontData> data_;
};

inline Font CreateFontIndirect(const LogFont& request) {
    return Font(request);
}

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
    explicit Bitmap(std::unique_ptr<BitmapData> data);
    Bitmap(Bitmap&&) noexcept;
    Bitmap& operator=(Bitmap&&) noexcept;
    ~Bitmap();

    explicit operator bool() const { return data_ != nullptr; }

private:
    friend BitmapData& DataOf(const Bitmap& bitmap);
    std::unique_ptr<BitmapData> data_;
};

// A colour bitmap of the given size for use with the surface.
Bitmap CreateCompatibleBitmap(const Surface& surface, int width, int height);

// A program bitmap by resource id, or the system's one-bit check mark (OBM_CHECK).
// An empty bitmap when there is none.
Bitmap LoadBitmap(unsigned id);

BitmapInfo GetObject(const Bitmap& bitmap);

}  // namespace kolvar
