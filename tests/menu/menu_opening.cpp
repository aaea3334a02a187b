#include "menu_opening.h"

#include <QApplication>
#include <QTest>

#include "tests/platform/menu_driver.h"

namespace kolvar::test {
namespace {

unsigned FlagsOf(unsigned message) {
    return message == WM_RBUTTONDOWN ? MK_RBUTTON : MK_LBUTTON;
}

}  // namespace

void OpenMenuWhile(CWnd& view, unsigned message, Point at, const std::function<void()>& steps) {
    RunWhileMenuOpen([&] { view.SendMessage(message, FlagsOf(message), MakePointParam(at)); },
                     steps);
}

void ClickMenuOpenWhile(QWidget& widget, unsigned message, QPoint at,
                        const std::function<void()>& steps) {
    RunWhileMenuOpen(
        [&] {
            if (message == WM_RBUTTONDOWN) {
                QTest::mousePress(&widget, Qt::RightButton, Qt::NoModifier, at);
            } else {
                QTest::mouseDClick(&widget, Qt::LeftButton, Qt::NoModifier, at);
            }
        },
        steps);
}

void CloseAllMenus() {
    while (QWidget* popup = QApplication::activePopupWidget()) {
        popup->close();
    }
}

QMenu* OpenSubMenuByKeys(int downs) {
    QMenu* root = ActivePopup();
    for (int step = 0; step < downs; ++step) {
        KeyClick(Qt::Key_Down);
    }
    KeyClick(Qt::Key_Right);
    return WaitForOtherMenu(root);
}

}  // namespace kolvar::test
