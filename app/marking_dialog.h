#pragma once

#include <memory>

#include "menu/marking_view.h"
#include "platform/dialog.h"
#include "platform/surface.h"

namespace kolvar {

// The main window: the marking view inside a margin of 5 pixels at 100 %. Destroying it destroys
// the view, which saves the selection.
class CMarkingDialog : public CDialog {
public:
    explicit CMarkingDialog(CWnd* parent = nullptr);

    CMarkingView& view() { return view_; }

    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }
    bool OnInitDialog() override;

private:
    void OnSysCommand(unsigned id, LPARAM param);
    void OnPaint();
    const Icon* OnQueryDragIcon();
    void OnDpiChanged(int dpi, const Rect& suggested);

    void AddAboutToSystemMenu();
    // The client area less the margin, at the window's dpi.
    Rect ViewArea(int dpi) const;
    void ShowIcons(int dpi);

    CMarkingView view_;
    std::unique_ptr<Icon> icon_;
};

}  // namespace kolvar
