#include "platform/modal_run.h"

#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "platform/dialog.h"
#include "platform/scope_exit.h"
#include "platform/window_widget.h"

namespace kolvar {
namespace {

std::vector<CWnd*>& RunningDialogs() {
    static std::vector<CWnd*> dialogs;
    return dialogs;
}

QRect CentringArea(const QWidget& dialog, const QWidget* ownerWindow) {
    if (ownerWindow != nullptr) {
        return ownerWindow->frameGeometry();
    }
    const QScreen* screen = dialog.screen();
    return screen != nullptr ? screen->availableGeometry() : QRect();
}

void Centre(QWidget& dialog, const QWidget* ownerWindow) {
    const QRect area = CentringArea(dialog, ownerWindow);
    const QSize size = dialog.frameGeometry().size();
    QPoint topLeft(area.x() + (area.width() - size.width()) / 2,
                   area.y() + (area.height() - size.height()) / 2);
    if (const QScreen* screen = dialog.screen()) {
        const QRect available = screen->availableGeometry();
        topLeft.setX(std::clamp(topLeft.x(), available.left(),
                                std::max(available.left(), available.right() + 1 - size.width())));
        topLeft.setY(std::clamp(topLeft.y(), available.top(),
                                std::max(available.top(), available.bottom() + 1 - size.height())));
    }
    dialog.move(topLeft);
}

// A window manager frames a shown window only later, so the first centring cannot know the
// frame's size: the first move or paint once the frame is there centres the window again.
class CentredWhenFramed : public QObject {
public:
    CentredWhenFramed(QWidget& dialog, const QWidget* ownerWindow)
        : dialog_(&dialog), ownerWindow_(ownerWindow) {
        dialog_->installEventFilter(this);
    }
    ~CentredWhenFramed() override {
        if (dialog_) {
            dialog_->removeEventFilter(this);
        }
    }
    CentredWhenFramed(const CentredWhenFramed&) = delete;
    CentredWhenFramed& operator=(const CentredWhenFramed&) = delete;

    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool moveOrPaint = event->type() == QEvent::Move || event->type() == QEvent::Paint;
        if (moveOrPaint && watched == dialog_ && dialog_->isVisible() &&
            dialog_->frameGeometry() != dialog_->geometry()) {
            dialog_->removeEventFilter(this);
            Centre(*dialog_, ownerWindow_);
        }
        return false;
    }

private:
    QPointer<QWidget> dialog_;
    QPointer<const QWidget> ownerWindow_;
};

void Dispatch(CWnd& dialog, QWidget* ownerWindow) {
    // The owner takes no input while the dialog runs.
    const bool ownerWasEnabled = ownerWindow == nullptr || ownerWindow->isEnabled();
    if (ownerWindow != nullptr) {
        ownerWindow->setEnabled(false);
    }
    const ScopeExit ownerEnabled([owner = QPointer<QWidget>(ownerWindow), ownerWasEnabled] {
        if (owner) {
            owner->setEnabled(ownerWasEnabled);
        }
    });
    QEventLoop loop;
    RunningDialogs().push_back(&dialog);
    ImplOf(dialog).modalLoop = &loop;
    const ScopeExit ended([&dialog] {
        ImplOf(dialog).modalLoop = nullptr;
        auto& dialogs = RunningDialogs();
        dialogs.erase(std::remove(dialogs.begin(), dialogs.end(), &dialog), dialogs.end());
    });
    QWidget* widget = ImplOf(dialog).widget;
    widget->setWindowModality(Qt::ApplicationModal);
    const CentredWhenFramed centredWhenFramed(*widget, ownerWindow);
    widget->show();
    // Only a shown window knows the size of its frame.
    Centre(*widget, ownerWindow);
    widget->raise();
    widget->activateWindow();
    if (!ImplOf(dialog).modalEnded) {
        loop.exec(QEventLoop::DialogExec);
    }
}

// Only once the owner takes input again can it have the activation and its focus back.
void GiveBackFocus(QWidget* ownerWindow, QWidget* focus) {
    if (ownerWindow == nullptr) {
        return;
    }
    ownerWindow->activateWindow();
    if (focus != nullptr) {
        focus->setFocus(Qt::ActiveWindowFocusReason);
    }
}

}  // namespace

void RunModalLoop(CWnd& dialog, CWnd* owner) {
    const QPointer<QWidget> ownerWindow = TopLevelWidget(owner);
    const QPointer<QWidget> ownerFocus = ownerWindow ? ownerWindow->focusWidget() : nullptr;
    Centre(*ImplOf(dialog).widget, ownerWindow);
    Dispatch(dialog, ownerWindow);
    if (ImplOf(dialog).widget) {
        ImplOf(dialog).widget->hide();
    }
    GiveBackFocus(ownerWindow, ownerFocus);
}

void EndModalLoop(CWnd& dialog) {
    if (ImplOf(dialog).modalLoop != nullptr) {
        ImplOf(dialog).modalLoop->exit();
    }
}

bool CancelModalRuns() {
    const std::vector<CWnd*> running = RunningDialogs();
    std::for_each(running.rbegin(), running.rend(),
                  [](CWnd* dialog) { dialog->SendMessage(WM_COMMAND, kCancelCommand); });
    return !running.empty();
}

}  // namespace kolvar
