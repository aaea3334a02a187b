#include "platform/window_accessible.h"

#include <QAccessibleWidget>

#include "platform/window_widget.h"

namespace kolvar {
namespace {

// Qt asks for each class of an object's ancestry in turn; top-level windows go on to the
// frame's ordinary interface.
QAccessibleInterface* ChildWindowInterface(const QString& className, QObject* object) {
    auto* widget = qobject_cast<WindowWidget*>(object);
    if (widget == nullptr || widget->isWindow() ||
        className != QLatin1String(WindowWidget::staticMetaObject.className())) {
        return nullptr;
    }
    return new QAccessibleWidget(widget, QAccessible::Graphic);
}

}  // namespace

void InstallWindowAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&ChildWindowInterface);
        return true;
    }();
    static_cast<void>(installed);
}

}  // namespace kolvar
