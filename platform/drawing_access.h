#pragma once

// Inside the platform only: what the backend sees of the drawing objects and surfaces it makes.
// Their data is the backend's own (BitmapData, FontData, IconData, SurfaceState).

#include <memory>
#include <utility>

#include "platform/surface.h"

namespace kolvar {

struct DrawingAccess {
    static Bitmap MakeBitmap(std::unique_ptr<BitmapData> data) { return Bitmap(std::move(data)); }
    static Icon MakeIcon(std::unique_ptr<IconData> data) { return Icon(std::move(data)); }

    static BitmapData& DataOf(Bitmap& bitmap) { return *bitmap.data_; }
    static const BitmapData& DataOf(const Bitmap& bitmap) { return *bitmap.data_; }
    static const FontData& DataOf(const Font& font) { return *font.data_; }
    static const IconData& DataOf(const Icon& icon) { return *icon.data_; }
    static SurfaceState& StateOf(const Surface& surface) { return *surface.state_; }
};

inline Bitmap MakeBitmap(std::unique_ptr<BitmapData> data) {
    return DrawingAccess::MakeBitmap(std::move(data));
}
inline Icon MakeIcon(std::unique_ptr<IconData> data) {
    return DrawingAccess::MakeIcon(std::move(data));
}
inline BitmapData& DataOf(Bitmap& bitmap) {
    return DrawingAccess::DataOf(bitmap);
}
inline const BitmapData& DataOf(const Bitmap& bitmap) {
    return DrawingAccess::DataOf(bitmap);
}
inline const FontData& DataOf(const Font& font) {
    return DrawingAccess::DataOf(font);
}
inline const IconData& DataOf(const Icon& icon) {
    return DrawingAccess::DataOf(icon);
}
inline SurfaceState& StateOf(const Surface& surface) {
    return DrawingAccess::StateOf(surface);
}

}  // namespace kolvar
