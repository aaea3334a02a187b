#pragma once

#include "picture/picture_view.h"

namespace kolvar {

// The picture view with its colour menu: a right click or a left double click opens the menu,
// as do the context-menu key and Shift+F10, and the chosen item changes one band, opens the
// About box or ends the program.
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

    void OnFiveBand();
    void OnColourItem(unsigned id);
    void OnAboutItem();
    void OnCloseItem();
};

}  // namespace kolvar
