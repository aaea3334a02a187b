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

// Fills `outer` but `inner`, each pixel once.
void FillAround(Surface& surface, const Rect& outer, const Rect& inner, const Brush& brush) {
    surface.FillRect({outer.left, outer.top, outer.right, inner.top}, brush);
    surface.FillRect({outer.left, inner.top, inner.left, inner.bottom}, brush);
    surface.FillRect({inner.right, inner.top, outer.right, inner.bottom}, brush);
    surface.FillRect({outer.left, inner.bottom, outer.right, outer.bottom}, brush);
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
        // The menu font or the text size may have changed, and the menu's item height with them.
        OnWmSettingChange<&CPictureView::OnSysColorChange>(),
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
    picture_.ChangeWindowColour(sysColours_.window);
    DescribeSelection();
    return 0;
}

void CPictureView::OnSysColorChange() {
    Default();
    sysColours_ = ReadSysColours(sysColours_.dpi);
    picture_.ChangeWindowColour(sysColours_.window);
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

// The picture is finished in its own memory and copied in one piece, so the view paints straight
// to the screen without flicker: the window colour around the picture, the caption in it along
// the bottom edge (in black unless black cannot be read on the window colour), the picture
// centred above the caption, made for the scale of the pixels it lands on.
void CPictureView::OnPaint() {
    CPaintDC paint(*this);
    const Rect client = GetClientRect();
    Font font = CaptionFont(sysColours_.dpi);
    Selected selectedFont(paint, font);
    const std::string caption = CaptionText(bandCode_);
    Rect above = client;
    above.bottom -= paint.GetTextExtentPoint32(caption).cy;

    const int dpi = sysColours_.dpi;
    Bitmap& picture = picture_.For(paint.DeviceDpi(dpi));
    FillAround(paint, client, PictureRect(picture, above, dpi, picture_.Dpi()),
               Brush(sysColours_.window));
    paint.SetBkMode(TRANSPARENT);
    paint.SetTextColor(CaptionColour(sysColours_));
    Rect captionArea = client;
    paint.DrawText(caption, captionArea, DT_CENTER | DT_BOTTOM | DT_SINGLELINE);
    PaintPicture(picture, paint, above, bandCode_, dpi, picture_.Dpi());
}

}  // namespace kolvar
