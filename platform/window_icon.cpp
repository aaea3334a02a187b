#include "platform/window_icon.h"

#include <QIcon>
#include <QPixmap>

#include "platform/icon.h"
#include "platform/icon_data.h"
#include "platform/window_impl.h"

namespace kolvar {
namespace {

const Icon* Usable(const Icon* icon) {
    return icon != nullptr && *icon ? icon : nullptr;
}

// Qt keeps one icon per window in several sizes: the large image of the big icon and the small
// image of the small one, each standing in for the other where it is missing.
QIcon CombinedIcon(const Icon* big, const Icon* small) {
    big = Usable(big);
    small = Usable(small);
    QIcon qicon;
    if (const Icon* forLarge = big != nullptr ? big : small) {
        qicon.addPixmap(QPixmap::fromImage(forLarge->data().large));
    }
    if (const Icon* forSmall = small != nullptr ? small : big) {
        qicon.addPixmap(QPixmap::fromImage(forSmall->data().small));
    }
    return qicon;
}

}  // namespace

LRESULT SetWindowIcon(CWnd& window, WPARAM which, const Icon* icon) {
    WindowImpl& impl = ImplOf(window);
    const Icon*& slot = which == ICON_BIG ? impl.bigIcon : impl.smallIcon;
    const Icon* previous = slot;
    slot = icon;
    if (impl.widget) {
        impl.widget->window()->setWindowIcon(CombinedIcon(impl.bigIcon, impl.smallIcon));
    }
    return reinterpret_cast<LRESULT>(previous);
}

}  // namespace kolvar
