#pragma once

#include "model/band_code.h"
#include "picture/scaled_picture.h"
#include "picture/sys_colours.h"
#include "platform/surface.h"
#include "platform/window.h"

namespace kolvar {

// The window that shows the band picture and, along its bottom edge, the caption. It owns the
// selection: loaded from the settings store when the object is made, saved when it dies, and
// also when the user's session ends, after which the program may not live to see it die.
class CPictureView : public CWnd {
public:
    CPictureView();
    ~CPictureView() override;

    const BandCode& bandCode() const { return bandCode_; }
    const SysColours& sysColours() const { return sysColours_; }

    // The window now draws at `dpi`: its sizes are read again and it is repainted.
    void ChangeDpi(int dpi);

    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

    int OnCreate(const CREATESTRUCT& create);
    void OnPaint();
    // Also for WM_SETTINGCHANGE: every system value is read again.
    void OnSysColorChange();
    void OnEndSession(bool ending);

    // The one way to change the selection: the view is repainted, erased first if asked, and
    // assistive technology hears the new reading, also when the code is the same as before.
    void ChangeSelection(const BandCode& code, bool erase);

private:
    void SaveSelection();

    // Assistive technology reads the caption as it is drawn, and the bands left to right in
    // words.
    void DescribeSelection();

    BandCode bandCode_;
    SysColours sysColours_;
    ScaledPicture picture_;
};

}  // namespace kolvar
