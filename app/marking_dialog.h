#pragma once

#include "menu/marking_view.h"
#include "platform/dialog.h"
#include "platform/surface.h"

namespace kolvar {

// The main window: the marking view inside a 5-pixel margin. Destroying it destroys the view,
// which saves the selection.
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

    void AddAboutToSystemMenu();

    CMarkingView view_;
    Icon icon_;
};

}  // namespace kolvar
