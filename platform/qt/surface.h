#pragma once

// Inside the Qt backend only: a surface on Qt.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <utility>

#include "platform/backend.h"

namespace kolvar {

class QtBitmap;
class QtFont;

// What a fresh device context of Windows has, BLACKONWHITE.
inline constexpr int kDefaultStretchMode = 1;

// A memory surface draws into the image of the bitmap selected into it; a paint surface and a
// borrowed one through a painter that someone else owns; a client surface only measures text.
class QtSurface : public NativeSurface {
public:
    QtSurface(SurfaceKind kind, const QFont& defaultFont, int logPixelsY,
              QPainter* painter = nullptr);

    void SelectFont(const NativeFont* font) override;
    void SelectBitmap(NativeBitmap* bitmap) override;
    int SetBkMode(int mode) override;
    Colour SetTextColor(Colour colour) override;
    Colour SetBkColor(Colour colour) override;
    int LogPixelsY() const override { return logPixelsY_; }
    double DevicePixelRatio() const override;
    void FillRect(const Rect& rect, Colour colour) override;
    void Rectangle(const Rect& rect, Colour pen, Colour brush) override;
    void BitBlt(const Rect& to, const NativeSurface& source, Point from) override;
    // Every stretch takes the nearest source pixel, which is what the program asks for.
    int SetStretchBltMode(int mode) override { return std::exchange(stretchMode_, mode); }
    void StretchBlt(const Rect& to, const NativeSurface& source, const Rect& from) override;
    Colour GetPixel(Point point) const override;
    int DrawText(std::string_view text, Rect& rect, unsigned format) override;
    Size TextExtent(std::string_view text) const override;
    bool DrawIcon(Point at, const NativeIcon& icon) override;

    // The image of the selected bitmap, of either depth; null without one.
    QImage* SelectedImage() const;
    // The painter to draw with: the surface's own, or one on the selected colour image.
    QPainter* Painter() const { return painter_; }
    const QFont& SelectedFont() const;
    const QFont& DefaultFont() const { return defaultFont_; }
    QFontMetrics SelectedFontMetrics() const;

private:
    // The source's pixels in `source` onto `target`, as BitBlt and StretchBlt copy them.
    void DrawSourcePixels(QPainter& painter, const QRect& target, const QImage& image,
                          const QRect& source) const;

    SurfaceKind kind_;
    QPainter* painter_;
    QtBitmap* bitmap_ = nullptr;
    const QtFont* font_ = nullptr;
    QFont defaultFont_;
    int logPixelsY_;
    Colour textColour_ = 0x000000;
    Colour backgroundColour_ = 0xFFFFFF;
    int backgroundMode_ = OPAQUE;
    int stretchMode_ = kDefaultStretchMode;
};

}  // namespace kolvar
