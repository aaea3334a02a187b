// The test seam on Qt: what assistive technology reads and hears.

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include <QAccessible>
#include <algorithm>
#include <vector>

#include "platform/qt/testing_internals.h"
#include "platform/testing.h"

namespace kolvar {
namespace {

std::string RoleName(QAccessible::Role role) {
    switch (role) {
        case QAccessible::Graphic:
            return "graphic";
        case QAccessible::Dialog:
            return "dialog";
        case QAccessible::Window:
            return "window";
        case QAccessible::Client:
            return "client";
        case QAccessible::PopupMenu:
            return "menu";
        case QAccessible::MenuItem:
            return "menu item";
        case QAccessible::Separator:
            return "separator";
        case QAccessible::StaticText:
            return "text";
        case QAccessible::PushButton:
            return "push button";
        case QAccessible::EditableText:
            return "editable text";
        default:
            return "other";
    }
}

AccessibleFacts FactsOf(QAccessibleInterface* node) {
    AccessibleFacts facts;
    if (node == nullptr) {
        return facts;
    }
    facts.role = RoleName(node->role());
    facts.name = node->text(QAccessible::Name).toStdString();
    facts.description = node->text(QAccessible::Description).toStdString();
    facts.checkable = node->state().checkable;
    facts.checked = node->state().checked;
    for (int index = 0; index < node->childCount(); ++index) {
        facts.children.push_back(FactsOf(node->child(index)));
    }
    return facts;
}

// Every live counter: the object whose renames it counts, and its count.
struct Listener {
    const QObject* object;
    int* count;
};

std::vector<Listener>& Listeners() {
    static std::vector<Listener> listeners;
    return listeners;
}

void NoteRename(QAccessibleEvent* event) {
    if (event->type() != QAccessible::NameChanged) {
        return;
    }
    for (const Listener& listener : Listeners()) {
        *listener.count += listener.object == event->object() ? 1 : 0;
    }
}

// Qt tells assistive technology of changes only while a screen reader is there, which the
// platform reports; headless, the counters say so.
void SetScreenReaderPresent(bool present) {
    if (QPlatformAccessibility* accessibility =
            QGuiApplicationPrivate::platformIntegration()->accessibility()) {
        accessibility->setActive(present);
    }
}

}  // namespace

AccessibleFacts AccessibleOf(const CWnd& window) {
    QWidget* widget = WidgetBehind(window);
    return FactsOf(widget != nullptr ? QAccessible::queryAccessibleInterface(widget) : nullptr);
}

AccessibleFacts AccessibleOf(const CMenu& menu) {
    return FactsOf(QAccessible::queryAccessibleInterface(&PopupOf(menu)));
}

struct NameAnnouncements::State {
    int count = 0;
};

NameAnnouncements::NameAnnouncements(const CWnd& window) : state_(std::make_unique<State>()) {
    if (Listeners().empty()) {
        QAccessible::installUpdateHandler(&NoteRename);
        SetScreenReaderPresent(true);
    }
    Listeners().push_back({WidgetBehind(window), &state_->count});
}

NameAnnouncements::~NameAnnouncements() {
    std::erase_if(Listeners(),
                  [this](const Listener& listener) { return listener.count == &state_->count; });
    if (Listeners().empty()) {
        SetScreenReaderPresent(false);
        QAccessible::installUpdateHandler(nullptr);
    }
}

int NameAnnouncements::Count() const {
    return state_->count;
}

}  // namespace kolvar
