#include "menu_driver.h"

#include <QApplication>
#include <QTest>

namespace kolvar {
namespace {

constexpr int kPatienceMs = 3000;

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

// The menu ignores a release until the mouse has really moved since it opened, so the pointer
// wanders inside the item a little before it stops at the centre.
void HoverOver(QMenu& menu, QAction& action) {
    const QRect item = menu.actionGeometry(&action);
    for (int step = 0; step < 8; ++step) {
        QTest::mouseMove(&menu, item.topLeft() + QPoint(step, item.height() / 2));
    }
    QTest::mouseMove(&menu, item.center());
    Settle();
}

void ClickOn(QMenu& menu, QAction& action, Qt::MouseButton button) {
    HoverOver(menu, action);
    QTest::mouseClick(&menu, button, Qt::NoModifier, menu.actionGeometry(&action).center());
}

void KeyClick(Qt::Key key) {
    if (QMenu* menu = ActivePopup()) {
        QTest::keyClick(menu, key);
        Settle();
    }
}

}  // namespace kolvar
