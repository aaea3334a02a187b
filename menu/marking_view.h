#pragma once

#include <string>

#include "picture/picture_view.h"
#include "platform/dialog.h"

namespace kolvar {

// The picture view with its colour menu: a right click or a left double click opens the menu,
// as do the context-menu key and Shift+F10, and the chosen item changes one band, opens the
// value dialog or the About box, or ends the program. A digit, a point or a comma typed in the
// view opens the value dialog with it, as Ctrl+V does with the clipboard's text; Ctrl+C and
// Ctrl+Insert copy the caption.
class CMarkingView : public CPictureView {
public:
    static const MessageMap* ClassMessageMap();

protected:
    const MessageMap* GetMessageMap() const override { return ClassMessageMap(); }

private:
    void OnMenuClick(unsigned flags, Point point);
    void OnContextMenu(CWnd* window, Point screenPoint);
    void TrackColourMenu(Point point);
    void ShowColourMenu(Point screenPoint);

    void OnMeasureItem(int controlId, MEASUREITEMSTRUCT& item);
    void OnDrawItem(int controlId, DRAWITEMSTRUCT& item);

    LRESULT OnGetDlgCode();
    void OnChar(unsigned character);
    void OnKeyDown(unsigned key);
    void OpenValueDialog(std::string text, TextSelection selection);

    void OnFiveBand();
    void OnColourItem(unsigned id);
    void OnValueItem();
    void OnAboutItem();
    void OnCloseItem();
};

}  // namespace kolvar
