#include "platform/qt/menu.h"

#include <QKeyEvent>
#include <QRegularExpression>
#include <QWindow>
#include <utility>

#include "platform/keyboard.h"
#include "platform/qt/qt_conversions.h"
#include "platform/qt/surface.h"
#include "platform/qt/window.h"
#include "platform/scope_exit.h"
#include "platform/window.h"

namespace kolvar {
namespace {

constexpr int kPanelFrameWidth = 1;

// Assistive technology reads the check from the action. Owner-drawn items each stand for one
// value the owner may check, so they are all checkable; a text item is when it is checked.
// Choosing an item toggles its action, which then goes straight back: the menu's state is the
// one it was built with for as long as it lives.
void MirrorCheck(QAction& action, const MenuItem& item) {
    const bool checked = item.checked;
    action.setCheckable(item.ownerDrawn.has_value() || checked);
    action.setChecked(checked);
    QObject::connect(&action, &QAction::toggled, &action, [&action, checked](bool now) {
        if (now != checked) {
            action.setChecked(checked);
        }
    });
}

// A title as it reads: "&" marks the access key and "&&" stands for "&".
QString WithoutAccessKeyMarks(QString text) {
    static const QRegularExpression kMark(QStringLiteral("&(.)"));
    return text.replace(kMark, QStringLiteral("\\1"));
}

QFont WithBold(QFont font, bool bold) {
    font.setBold(bold);
    return font;
}

// What the menu an action belongs to keeps about it; null for actions of no MenuWidget.
const MenuItem* ItemBehind(const QAction* action) {
    const auto* menu =
        action != nullptr ? qobject_cast<const MenuWidget*>(action->parent()) : nullptr;
    return menu != nullptr ? menu->ItemOf(action) : nullptr;
}

// Lets the owner paint the item through the menu's painter, in the menu's font. The painter
// comes back as it was handed over: whatever the owner leaves selected in it must not leak into
// the rest of the menu.
void RequestItemDrawing(CWnd& owner, const OwnerDrawnItem& item, const QRect& rect, bool selected,
                        QPainter& painter, const QFont& font, int logPixelsY) {
    painter.save();
    const ScopeExit restore([&painter] { painter.restore(); });
    BorrowedSurface surface(
        std::make_unique<QtSurface>(SurfaceKind::borrowed, font, logPixelsY, &painter));
    item.Draw(owner, surface, FromQRect(rect), selected);
}

// The owner-drawn item the option is for, with its menu; none for anything else.
std::pair<const MenuWidget*, const MenuItem*> OwnerDrawnItemOf(const QStyleOption* option,
                                                               const QWidget* widget) {
    const auto* menu = qobject_cast<const MenuWidget*>(widget);
    const MenuItem* item =
        menu != nullptr && option != nullptr ? menu->OwnerDrawnItemOf(*option) : nullptr;
    return {menu, item};
}

// A Wayland compositor places a pop-up only relative to a window of the same program: a menu
// that names none becomes a top-level window of its own whenever the program lacks the keyboard
// focus. Qt links each sub-menu to the menu it opens from. The transient parent is only a weak
// link, so the menus stay owned by their QtMenu.
void AttachToWindow(QMenu& menu, QWindow* parent) {
    menu.winId();
    menu.windowHandle()->setTransientParent(parent);
}

QWindow* WindowOf(const CWnd& owner) {
    const QWidget* topLevel = TopLevelWidget(&owner);
    return topLevel != nullptr ? topLevel->windowHandle() : nullptr;
}

}  // namespace

MenuWidget::MenuWidget() = default;

MenuWidget::~MenuWidget() = default;

void MenuWidget::AddItem(const QString& text, const MenuItem& item) {
    auto* action = new QAction(text, this);
    MirrorCheck(*action, item);
    addAction(action);
    items_.emplace(action, item);
}

void MenuWidget::AddTextItem(unsigned id, const QString& text, bool checked) {
    AddItem(text, MenuItem{id, checked, std::nullopt});
}

void MenuWidget::AddOwnerDrawnItem(unsigned id, ItemData itemData, bool checked,
                                   const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    AddItem(text, MenuItem{id, checked, OwnerDrawnItem(id, itemData.value, checked),
                           ImplicitAccessKey(std::string_view(
                               utf8.constData(), static_cast<std::size_t>(utf8.size())))});
}

void MenuWidget::AddSubMenu(MenuWidget& subMenu, const QString& text) {
    subMenu.setTitle(text);
    subMenu.setAccessibleName(WithoutAccessKeyMarks(text));
    addMenu(&subMenu);
}

bool MenuWidget::SetDefaultItemById(unsigned id) {
    for (QAction* action : actions()) {
        const MenuItem* item = ItemOf(action);
        if (item != nullptr && item->id == id) {
            MakeDefault(action);
            return true;
        }
    }
    return false;
}

// The default item is shown bold whatever the style makes of a default action; the font on
// the action also makes the menu measure it in bold.
void MenuWidget::MakeDefault(QAction* action) {
    if (QAction* previous = defaultAction()) {
        previous->setFont(WithBold(previous->font(), false));
    }
    setDefaultAction(action);
    action->setFont(WithBold(action->font(), true));
}

std::optional<unsigned> MenuWidget::CommandOf(const QAction* action) {
    const MenuItem* item = ItemBehind(action);
    if (item == nullptr) {
        return std::nullopt;
    }
    return item->id;
}

const MenuItem* MenuWidget::ItemOf(const QAction* action) const {
    const auto found = items_.find(action);
    return found != items_.end() ? &found->second : nullptr;
}

const MenuItem* MenuWidget::OwnerDrawnItemOf(const QStyleOption& option) const {
    const MenuItem* item = ItemOf(qobject_cast<const QAction*>(option.styleObject));
    return item != nullptr && item->ownerDrawn ? item : nullptr;
}

QSize MenuWidget::OwnerDrawnSize(const MenuItem& item) const {
    if (owner_ == nullptr) {
        return {};
    }
    const Size size = item.ownerDrawn->Measure(*owner_);
    return {size.cx + 2 * fontMetrics().averageCharWidth(), size.cy};
}

void MenuWidget::DrawOwnerDrawn(const MenuItem& item, QPainter& painter,
                                const QStyleOptionMenuItem& option) const {
    if (owner_ == nullptr) {
        return;
    }
    RequestItemDrawing(*owner_, *item.ownerDrawn, option.rect,
                       option.state.testFlag(QStyle::State_Selected), painter, font(),
                       logicalDpiY());
}

// An owner-drawn item's option names its action, so that the style can tell which item it is
// for; such an option never reaches the application style's menu-item code.
void MenuWidget::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    // Like the native menus: a check column always, so checked and unchecked text line up.
    option->menuHasCheckableItems = true;
    const MenuItem* item = ItemOf(action);
    if (item != nullptr && item->ownerDrawn) {
        option->styleObject = const_cast<QAction*>(action);
    } else if (item != nullptr && item->checked) {
        option->checkType = QStyleOptionMenuItem::NonExclusive;
        option->checked = true;
    }
}

// Every showing starts without a highlight, so the first highlight is a move onto the item.
void MenuWidget::showEvent(QShowEvent* event) {
    for (const auto& [action, item] : items_) {
        if (item.ownerDrawn) {
            item.ownerDrawn->Shown();
        }
    }
    QMenu::showEvent(event);
}

// Qt matches a typed character only against the access keys marked in items' texts, which
// owner-drawn items have none of; the keypad's digits type as the main keyboard's do.
void MenuWidget::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    const bool plain = (event->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0;
    if (plain && typed.size() == 1 && FollowAccessKey(typed.at(0).unicode())) {
        event->accept();
        return;
    }
    QMenu::keyPressEvent(event);
}

bool MenuWidget::FollowAccessKey(char32_t typed) {
    const QList<QAction*> rows = actions();
    std::vector<char32_t> keys;
    std::optional<std::size_t> highlighted;
    for (QAction* action : rows) {
        const MenuItem* item = ItemOf(action);
        highlighted = action == activeAction() ? std::optional(keys.size()) : highlighted;
        keys.push_back(item != nullptr && item->ownerDrawn ? item->accessKey : 0);
    }
    const std::optional<AccessKeyMatch> match = MatchAccessKey(keys, typed, highlighted);
    if (!match) {
        return false;
    }
    setActiveAction(rows[static_cast<qsizetype>(match->item)]);
    if (match->choose) {
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QMenu::keyPressEvent(&enter);
    }
    return true;
}

OwnerDrawStyle::OwnerDrawStyle() = default;

OwnerDrawStyle::~OwnerDrawStyle() = default;

int OwnerDrawStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                const QWidget* widget) const {
    switch (metric) {
        case PM_MenuPanelWidth:
            return kPanelFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
        case PM_MenuDesktopFrameWidth:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
    }
}

QSize OwnerDrawStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                       const QSize& size, const QWidget* widget) const {
    if (type == CT_MenuItem) {
        if (const auto [menu, item] = OwnerDrawnItemOf(option, widget); item != nullptr) {
            return menu->OwnerDrawnSize(*item);
        }
    }
    return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void OwnerDrawStyle::drawControl(ControlElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    const auto* menuOption = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (element == CE_MenuItem && menuOption != nullptr && painter != nullptr) {
        if (const auto [menu, item] = OwnerDrawnItemOf(option, widget); item != nullptr) {
            menu->DrawOwnerDrawn(*item, *painter, *menuOption);
            return;
        }
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

// Qt hands a widget's style on to none of its pop-ups, so every menu gets its own.
QtMenu::QtMenu()
    : style_(std::make_unique<OwnerDrawStyle>()), widget_(std::make_unique<MenuWidget>()) {
    widget_->setStyle(style_.get());
}

QtMenu::~QtMenu() = default;

void QtMenu::AddText(unsigned id, std::string_view text, bool checked) {
    widget_->AddTextItem(id, FromUtf8(text), checked);
}

void QtMenu::AddSeparator() {
    widget_->addSeparator();
}

void QtMenu::AddOwnerDrawn(unsigned id, std::uintptr_t itemData, bool checked,
                           std::string_view text) {
    widget_->AddOwnerDrawnItem(id, ItemData{itemData}, checked, FromUtf8(text));
}

void QtMenu::AddSubMenu(std::unique_ptr<NativeMenu> subMenu, std::string_view title) {
    std::unique_ptr<QtMenu> own(static_cast<QtMenu*>(subMenu.release()));
    widget_->AddSubMenu(own->widget(), FromUtf8(title));
    subMenus_.push_back(std::move(own));
}

bool QtMenu::SetDefaultItem(unsigned id) {
    return widget_->SetDefaultItemById(id);
}

void QtMenu::Track(unsigned /*flags*/, Point screen, CWnd& owner) {
    // The owner hears from the menu only while it is tracked.
    SetOwner(&owner);
    const ScopeExit tracked([this] { SetOwner(nullptr); });
    AttachToWindow(*widget_, WindowOf(owner));
    const std::optional<unsigned> command =
        MenuWidget::CommandOf(widget_->exec(QPoint(screen.x, screen.y)));
    if (command) {
        PostToWindow(owner, Message{WM_COMMAND, *command, 0});
    }
}

void QtMenu::SetOwner(CWnd* owner) {
    widget_->SetOwner(owner);
    for (const auto& subMenu : subMenus_) {
        subMenu->SetOwner(owner);
    }
}

std::unique_ptr<NativeMenu> CreateNativeMenu() {
    return std::make_unique<QtMenu>();
}

}  // namespace kolvar
