#include "picture/picture_view.h"

#include <optional>
#include <string>

#include "model/band_code_settings.h"
#include "model/caption_text.h"
#include "picture/band_picture.h"
#include "picture/caption_colour.h"
#include "platform/application.h"
#include "platform/geometry.h"
#include "platform/surface.h"
#include "resources/resource_ids.h"

namespace kolvar {
namespace {

// 24 points at the window's dpi, which on a monitor of its own may not be the surface's.
Font CaptionFont(int dpi) {
    LogFont request;
    request.height = -MulDiv(24, dpi, 72);
    request.weight = FW_NORMAL;
    request.charSet = RUSSIAN_CHARSET;
    request.faceName = "Times New Roman";
    return Font(request);
}

// Draws the caption on the bottom edge of `area` and takes its height off the area, in black
// unless black cannot be read on the window colour.
void PaintCaption(Surface& surface, Rect& area, const BandCode& code, const SysColours& colours) {
    surface.SetBkMode(TRANSPARENT);
    surface.SetTextColor(CaptionColour(colours));
    Font font = CaptionFont(colours.dpi);
    Selected selectedFont(surface, font);
    const std::string caption = CaptionText(code);
    surface.DrawText(caption, area, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    area.bottom -= surface.GetTextExtentPoint32(caption).cy;
}

// "коричневый, красный, оранжевый, серебристый": the bands as drawn, left to right.
std::string BandsInWords(const BandCode& code) {
    std::string words;
    for (const std::optional<ColourCode>& band : BandsInDrawingOrder(code)) {
        if (band) {
            words += words.empty() ? "" : ", ";
            words += ColourName(*band);
        }
    }
    return words;
}

}  // namespace

CPictureView::CPictureView() {
    if (const CWinApp* app = AfxGetApp()) {
        bandCode_ = LoadBandCode(*app);
    }
    sysColours_ = ReadSysColours(GetDpi());
}

CPictureView::~CPictureView() {
    SaveSelection();
}

void CPictureView::SaveSelection() {
    if (CWinApp* app = AfxGetApp()) {
        const ProfileSaveScope save(*app);
        SaveBandCode(*app, bandCode_);
    }
}

const MessageMap* CPictureView::ClassMessageMap() {
    static constexpr MessageMapEntry kEntries[] = {
        OnWmCreate<&CPictureView::OnCreate>(),
        OnWmPaint<&CPictureView::OnPaint>(),
        OnWmSysColorChange<&CPictureView::OnSysColorChange>(),
        OnWmEndSession<&CPictureView::OnEndSession>(),
    };
    static constexpr MessageMap kMap{&CWnd::ClassMessageMap, kEntries};
    return &kMap;
}

int CPictureView::OnCreate(const CREATESTRUCT&) {
    if (Default() == -1) {
        return -1;
    }
    sysColours_ = ReadSysColours(GetDpi());
    picture_ = LoadBitmap(IDB_PICTURE);
    PreparePictureBackground(picture_, sysColours_.window);
    DescribeSelection();
    return 0;
}

void CPictureView::OnSysColorChange() {
    Default();
    sysColours_ = ReadSysColours(sysColours_.dpi);
    PreparePictureBackground(picture_, sysColours_.window);
    InvalidateRect(false);
}

void CPictureView::ChangeDpi(int dpi) {
    sysColours_ = ReadSysColours(dpi);
    InvalidateRect(false);
}

void CPictureView::ChangeSelection(const BandCode& code, bool erase) {
    bandCode_ = code;
    InvalidateRect(erase);
    DescribeSelection();
}

void CPictureView::DescribeSelection() {
    SetAccessibleText(CaptionText(bandCode_), BandsInWords(bandCode_));
}

void CPictureView::OnEndSession(bool ending) {
    if (ending) {
        SaveSelection();
    }
}

// Everything is drawn off screen and copied once, so the band fills never show half done.
void CPictureView::OnPaint() {
    CPaintDC paint(*this);
    Rect area = GetClientRect();
    const int width = area.Width();
    const int height = area.Height();

    auto memory = CreateCompatibleDC(paint);
    Bitmap buffer = CreateCompatibleBitmap(paint, width, height);
    Selected selectedBuffer(memory, buffer);
    memory.FillRect(area, Brush(sysColours_.window));
    PaintCaption(memory, area, bandCode_, sysColours_);
    PaintPicture(picture_, memory, area, bandCode_, sysColours_.dpi);
    paint.BitBlt(0, 0, width, height, memory, 0, 0, SRCCOPY);
}

}  // namespace kolvar
