#include "menu_driver.h"

#include <QApplication>
#include <QTest>

namespace kolvar {
namespace {

constexpr int kPatienceMs = 3000;

// The seam's input goes to the innermost menu, which the menus given here always are.
int RowOf(const QMenu& menu, QAction& action) {
    return static_cast<int>(menu.actions().indexOf(&action));
}

}  // namespace

void TrackWhile(CMenu& menu, CWnd& owner, QPoint at, const std::function<void()>& steps) {
    RunWhileMenuOpen([&] { menu.TrackPopupMenu(TPM_RIGHTBUTTON, at.x(), at.y(), owner); }, steps);
}

QMenu* ActivePopup() {
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QMenu* WaitForOtherMenu(const QMenu* current) {
    if (!QTest::qWaitFor([current] { return ActivePopup() != current; }, kPatienceMs)) {
        return nullptr;
    }
    Settle();
    return ActivePopup();
}

void Settle() {
    QTest::qWait(20);
}

void HoverOver(QMenu& menu, QAction& action) {
    HoverMenuItem(RowOf(menu, action));
}

void ClickOn(QMenu& menu, QAction& action, Qt::MouseButton button) {
    ClickMenuItem(RowOf(menu, action),
                  button == Qt::RightButton ? MouseButton::Right : MouseButton::Left);
}

void KeyClick(Qt::Key key) {
    if (QMenu* menu = ActivePopup()) {
        QTest::keyClick(menu, key);
        Settle();
    }
}

}  // namespace kolvar
